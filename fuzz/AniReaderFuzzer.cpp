// Any bytes as an animated cursor: the reader either reads them or refuses
// them with IconCodecError, never reading outside the buffer. What it reads
// agrees with the plan `brisel-cli info` lists, the writer can write it, and
// one more read and write gives the same file again. As an X cursor it is
// either written or refused with IconCodecError (too many pixels or chunks).

#include "document/file/AniPlan.h"
#include "document/file/AniReader.h"
#include "document/file/AniWriter.h"
#include "document/file/IconCodecError.h"
#include "document/file/XcursorAni.h"
#include "document/file/XcursorWriter.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* Why) {
    std::fprintf(stderr, "%s\n", Why);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TransparencySettings settings;
    AniContents ani;
    try {
        ani = DecodeAniFile(data, size, "fuzz.ani", settings);
    } catch (const IconCodecError&) {
        return 0;
    }
    const AniFilePlan plan = PlanAniFile(data, size, "fuzz.ani");
    if (plan.Frames.size() != ani.Frames.size() || plan.Info.Steps != ani.Info.Steps)
        fail("the plan and the reader disagree");
    for (const AniStep& s : ani.Info.Steps)
        if (s.Frame >= ani.Frames.size()) fail("a step shows a frame that is not there");
    std::vector<std::uint8_t> once;
    try {
        once = EncodeAniFile(ani, settings);
    } catch (const IconCodecError&) {
        // A frame the icon reader reads but the writer cannot store (more
        // than 65,535 images cannot come from a reader, so none is expected).
        fail("what was read cannot be written");
    }
    const AniContents again = DecodeAniFile(once.data(), once.size(), "once.ani", settings);
    if (again.Info.Steps != ani.Info.Steps || again.Info.Title != ani.Info.Title ||
        again.Info.Author != ani.Info.Author)
        fail("the steps or texts changed on the way through the writer");
    if (EncodeAniFile(again, settings) != once) fail("writing what was read does not settle");
    try {
        int inverted = 0;
        EncodeXcursorFile(XcursorFromAni(ani, settings, inverted));
    } catch (const IconCodecError&) {
    }
    return 0;
}
