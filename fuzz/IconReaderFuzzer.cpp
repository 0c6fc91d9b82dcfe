// Any bytes: the reader either reads them or refuses them with IconFileError,
// never reading outside the buffer. What it reads, the writer can write, and
// one more read and write gives the same file again. The plan that
// `brisel-cli info` lists gives every image the size the reader read it at.

#include "FuzzSetup.h"
#include "document/IconFileReader.h"
#include "document/IconFileWriter.h"
#include "document/file/IconFilePlan.h"

#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    startFuzzApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Raw data, not a copy: a copy's spare capacity would hide a read past the end.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const TransparencySettings settings;
    IconFileContents contents;
    try {
        contents = ReadIconFile(bytes, QStringLiteral("fuzz.ico"), settings);
    } catch (const IconFileError&) {
        return 0;
    }
    const IconFilePlan plan = PlanIconFile(MemoryByteSource(data, size), "fuzz.ico");
    if (plan.Images.size() != contents.Images.size()) {
        std::fprintf(stderr, "the plan and the reader count different images\n");
        std::abort();
    }
    for (std::size_t i = 0; i < plan.Images.size(); ++i)
        if (plan.Images[i].Width != contents.Images[i]->Pixels.Width ||
            plan.Images[i].Height != contents.Images[i]->Pixels.Height) {
            std::fprintf(stderr, "the plan and the reader disagree on image %zu's size\n", i + 1);
            std::abort();
        }
    const QByteArray once = WriteIconFile(contents.FileType, contents.Images, settings);
    const IconFileContents again = ReadIconFile(once, QStringLiteral("once.ico"), settings);
    const QByteArray twice = WriteIconFile(again.FileType, again.Images, settings);
    if (once != twice) {
        std::fprintf(stderr, "writing what was read does not settle\n");
        std::abort();
    }
    return 0;
}
