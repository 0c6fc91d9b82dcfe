// brisel-cli convert IN OUT [--to ico|cur|ani|xcursor] [--sizes 24,32,48]: IN,
// recognised by its content, rewritten as OUT, whose kind comes from --to,
// else from its extension (none: an X cursor).

#include "cli/CliAni.h"
#include "cli/CliCreate.h"

#include "document/file/AnyCursorFile.h"
#include "document/file/CursorSizes.h"
#include "document/file/IconCodecError.h"
#include "document/file/IconReader.h"
#include "document/file/XcursorAni.h"
#include "document/file/XcursorWriter.h"

#include <cctype>
#include <cstdio>

namespace {

struct ConvertOptions {
    std::string In;
    std::string Out;
    std::string To; // empty: from OUT's name
    std::vector<int> Sizes;
};

ConvertOptions parseConvert(const Arguments& Args) {
    ConvertOptions o;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < Args.size(); ++i) {
        const std::string& a = Args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= Args.size()) throw CliError("convert: " + a + " needs a value");
            return Args[++i];
        };
        if (a == "--to")
            o.To = value();
        else if (a == "--sizes")
            o.Sizes = parseSizes("convert", value(), Xcursor::MaxSide);
        else if (a.compare(0, 2, "--") == 0)
            throw CliError("convert: unknown option " + a);
        else
            names.push_back(a);
    }
    if (names.size() != 2) throw CliError("convert: give one IN and one OUT");
    o.In = names[0];
    o.Out = names[1];
    return o;
}

std::string lowered(std::string Text) {
    for (char& c : Text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return Text;
}

CursorFileKind outputKind(const ConvertOptions& O) {
    std::string kind = lowered(O.To);
    if (kind.empty()) {
        const std::size_t slash = O.Out.rfind('/');
        const std::string name = slash == std::string::npos ? O.Out : O.Out.substr(slash + 1);
        const std::size_t dot = name.rfind('.');
        // A leading dot starts a hidden name, not an extension.
        kind = dot == std::string::npos || dot == 0 ? "xcursor" : lowered(name.substr(dot + 1));
        if (kind != "ico" && kind != "cur" && kind != "ani" && kind != "xcursor")
            throw CliError(O.Out + ": the name must end in .ico, .cur or .ani, have no extension "
                                   "(an X cursor), or --to must say the kind");
    }
    if (kind == "ico") return CursorFileKind::Icon;
    if (kind == "cur") return CursorFileKind::Cursor;
    if (kind == "ani") return CursorFileKind::Ani;
    if (kind == "xcursor") return CursorFileKind::Xcursor;
    throw CliError("convert: --to takes ico, cur, ani or xcursor, not \"" + O.To + "\"");
}

// Icon or cursor to icon or cursor without new sizes: every image keeps its
// own format and storage, and images are written back byte for byte.
void convertIconFile(const ConvertOptions& O, std::uint16_t Type,
                     const std::vector<std::uint8_t>& Bytes) {
    IconContents contents;
    try {
        contents = DecodeIconFile(Bytes.data(), Bytes.size(), O.In, TransparencySettings());
    } catch (const IconCodecError& e) {
        throw CliError(e.what());
    }
    // An icon's directory holds planes and bit count where a cursor keeps its
    // hot spot; a cursor made from an icon starts at the top-left corner.
    if (Type == IconFile::TypeCursor && contents.FileType != IconFile::TypeCursor)
        for (IconRaster& image : contents.Images)
            image.HotSpotX = image.HotSpotY = 0;
    saveImages(O.Out, Type, contents.Images, &Bytes);
}

// Any cursor as X cursor images, written as Kind: the path of every
// conversion to or from an X cursor, and of every one that makes new sizes.
void convertThroughXcursor(const ConvertOptions& O, CursorFileKind To,
                           const std::vector<std::uint8_t>& Bytes) {
    AnyCursor cursor;
    try {
        cursor = DecodeAnyCursor(Bytes.data(), Bytes.size(), O.In, TransparencySettings());
    } catch (const IconCodecError& e) {
        throw CliError(e.what());
    }
    std::vector<XcursorImage>& images = cursor.Contents.Images;
    if (!O.Sizes.empty())
        images = MakeCursorSizes(images, std::vector<std::uint32_t>(O.Sizes.begin(), O.Sizes.end()));
    std::vector<std::uint8_t> out;
    try {
        if (To == CursorFileKind::Xcursor) {
            out = EncodeXcursorFile(cursor.Contents);
        } else if (To == CursorFileKind::Ani) {
            AniFromXcursorNotes notes;
            out = EncodeAniFromXcursor(cursor.Contents, notes);
            if (!notes.ChangedDelays.empty()) printError(O.Out + ": " + ChangedDelaysText(notes.ChangedDelays));
            if (notes.TooLarge > 0) printError(O.Out + ": " + largeSizesLeftOut(notes.TooLarge));
            if (notes.LicenceLost) printError(O.Out + ": an animated cursor has no place for the licence");
        } else {
            IconFileOmissions omitted;
            out = EncodeIconFileFromXcursor(To == CursorFileKind::Icon ? IconFile::TypeIcon
                                                                       : IconFile::TypeCursor,
                                            images, omitted);
            if (omitted.LaterFrames > 0)
                printError(O.Out + ": only the first frame of each size is kept");
            if (omitted.TooLarge > 0) printError(O.Out + ": " + largeSizesLeftOut(omitted.TooLarge));
        }
    } catch (const IconCodecError& e) {
        throw CliError(O.Out + ": " + e.what());
    }
    writeFileReplacing(O.Out, out);
    if (cursor.InvertedPixels > 0)
        printError(O.Out + ": " + std::to_string(cursor.InvertedPixels) +
             " screen-inverting pixels are drawn dark with a light outline");
}

} // namespace

int runConvert(const Arguments& Args) {
    const ConvertOptions o = parseConvert(Args);
    const CursorFileKind to = outputKind(o);
    const std::vector<std::uint8_t> bytes = readWholeFile(o.In);
    const CursorFileKind from = CursorFileKindOf(bytes.data(), bytes.size());
    if (from == CursorFileKind::Xcursor || to == CursorFileKind::Xcursor || !o.Sizes.empty()) {
        convertThroughXcursor(o, to, bytes);
    } else if (from == CursorFileKind::Ani || to == CursorFileKind::Ani) {
        // Animated cursors keep their own frames and steps between .ani,
        // .cur and .ico.
        convertAni(o.In, o.Out,
                   to == CursorFileKind::Ani ? "ani" : to == CursorFileKind::Cursor ? "cur" : "ico");
    } else {
        convertIconFile(o, to == CursorFileKind::Icon ? IconFile::TypeIcon : IconFile::TypeCursor,
                        bytes);
    }
    return 0;
}
