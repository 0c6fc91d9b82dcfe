// Writes starting corpora made by our own writers: small good icon and cursor
// files of every format, and files with PNG images, for icon_reader_fuzzer;
// palette files of 2, 16 and 256 entries for palette_reader_fuzzer (and of
// every other kind, for palette_formats_fuzzer); PNG pictures of several
// colour types for png_decoder_fuzzer; animated cursors of those cursors for
// ani_reader_fuzzer; X cursors for xcursor_reader_fuzzer; PE32, PE32+ and NE
// programs holding icon and cursor groups for program_resources_fuzzer.

#include "document/IconFileWriter.h"
#include "document/file/AniWriter.h"
#include "document/file/IconReader.h"
#include "document/PaletteFile.h"
#include "document/file/XcursorWriter.h"
#include "document/file/PaletteFormats.h"
#include "program_builder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <array>
#include <cstdio>

namespace {

std::unique_ptr<IconImage> seedImage(int width, int height, ColourFormat format) {
    auto image = std::make_unique<IconImage>();
    image->Format = format;
    image->Pixels = TBitmap32(width, height);
    const int entries = format == 1 ? 2 : format == 4 ? 16 : format == 8 ? 256 : 0;
    std::vector<TColor> palette;
    for (int i = 0; i < entries; ++i)
        palette.push_back(TColor(i * 0x010305) & 0xFFFFFF);
    if (entries > 0) image->Palette = PalettePicture::fromEntries(palette);
    for (std::size_t i = 0; i < image->Pixels.Bits.size(); ++i) {
        const TColor rgb = entries > 0 ? palette[i % std::size_t(entries)] : TColor(i * 0x2F1D07);
        image->Pixels.Bits[i] = SetAlpha(rgb & 0xFFFFFF, i % 5 == 0 ? 0 : int(i * 37 % 256) | 1);
    }
    image->HotSpotX = std::uint8_t(width / 2);
    image->HotSpotY = std::uint8_t(height / 2);
    return image;
}

// A frame: a cursor of a few images of several formats, as our writer makes it.
AniFrame seedFrame(int k, const TransparencySettings& settings) {
    std::vector<std::unique_ptr<IconImage>> images;
    images.push_back(seedImage(3 + k, 2, k % 2 ? 4 : 32));
    if (k == 1) images.push_back(seedImage(256, 3, 32));
    const QByteArray file = WriteIconFile(2, images, settings);
    AniFrame frame;
    frame.Bytes.assign(file.begin(), file.end());
    frame.Icon = DecodeIconFile(frame.Bytes.data(), frame.Bytes.size(), "seed", settings);
    return frame;
}

bool writeAniSeeds(const QString& folder, const TransparencySettings& settings) {
    const QDir dir(folder);
    if (!QDir().mkpath(dir.path())) return false;
    const struct {
        const char* name;
        int frames;
        AniInfo info;
    } kinds[] = {
        {"one", 1, {{{0, 6}}, 6, "", ""}},
        {"rates", 3, {{{0, 1}, {1, 0}, {2, 9}}, 6, "Busy", ""}},
        {"sequence", 3, {{{2, 6}, {0, 6}, {1, 4}, {0, 6}}, 6, "Wait", "Brisel"}},
    };
    for (const auto& kind : kinds) {
        AniContents ani;
        for (int k = 0; k < kind.frames; ++k)
            ani.Frames.push_back(seedFrame(k, settings));
        ani.Info = kind.info;
        const std::vector<std::uint8_t> bytes = EncodeAniFile(ani, settings);
        QFile f(dir.filePath(QString("seed-%1.ani").arg(kind.name)));
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) < 0)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4 || argc > 7) {
        std::fprintf(stderr, "usage: fuzz_seeds <icon folder> <palette folder> <png folder> "
                             "[<ani folder> [<X cursor folder> [<program folder>]]]\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) return 1;
    const TransparencySettings settings;
    int n = 0;
    for (ColourFormat format : {1, 4, 8, 24, 32}) {
        for (std::uint16_t type : {1, 2}) {
            std::vector<std::unique_ptr<IconImage>> images;
            images.push_back(seedImage(3, 2, format));
            images.push_back(seedImage(9, 1, format));
            QFile f(dir.filePath(QString("seed-%1.%2").arg(++n).arg(type == 1 ? "ico" : "cur")));
            if (!f.open(QIODevice::WriteOnly) || f.write(WriteIconFile(type, images, settings)) < 0)
                return 1;
        }
    }
    // A 256 x 256 image and a 256 x 2 one are stored as PNG pictures; a
    // small image beside them keeps the bitmap path in the same file.
    {
        std::vector<std::unique_ptr<IconImage>> images;
        images.push_back(seedImage(256, 256, 32));
        images.push_back(seedImage(256, 2, 8));
        images.push_back(seedImage(3, 2, 4));
        QFile f(dir.filePath(QStringLiteral("seed-png.ico")));
        if (!f.open(QIODevice::WriteOnly) || f.write(WriteIconFile(1, images, settings)) < 0)
            return 1;
    }
    const QDir pngs(QString::fromLocal8Bit(argv[3]));
    if (!QDir().mkpath(pngs.path())) return 1;
    QImage picture(20, 7, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgba(x * 12, y * 30, (x * y) % 256, (x * 40 + y) % 256));
    const struct {
        const char* name;
        QImage::Format format;
    } kinds[] = {{"rgba", QImage::Format_ARGB32}, {"rgb", QImage::Format_RGB32},
                 {"rgba16", QImage::Format_RGBA64}, {"grey", QImage::Format_Grayscale8},
                 {"palette", QImage::Format_Indexed8}, {"mono", QImage::Format_Mono}};
    for (const auto& kind : kinds) {
        QFile f(pngs.filePath(QString("seed-%1.png").arg(kind.name)));
        if (!f.open(QIODevice::WriteOnly) || !picture.convertToFormat(kind.format).save(&f, "PNG"))
            return 1;
    }
    const QDir palettes(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(palettes.path())) return 1;
    for (int entries : {2, 16, 256}) {
        std::vector<TColor> colours;
        for (int i = 0; i < entries; ++i)
            colours.push_back(TColor(i * 0x050301) & 0xFFFFFF);
        QFile f(palettes.filePath(QString("seed-%1.icp").arg(entries)));
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(paletteFileBytes(PalettePicture::fromEntries(colours))) < 0)
            return 1;
        const struct {
            PaletteFileKind Kind;
            const char* Extension;
        } others[] = {{PaletteFileKind::Gimp, "gpl"},
                      {PaletteFileKind::Jasc, "pal"},
                      {PaletteFileKind::Riff, "riff.pal"},
                      {PaletteFileKind::Act, "act"}};
        for (const auto& other : others) {
            const std::vector<std::uint8_t> bytes = EncodePaletteFile(other.Kind, colours);
            QFile o(palettes.filePath(QString("seed-%1.%2").arg(entries).arg(other.Extension)));
            if (!o.open(QIODevice::WriteOnly) ||
                o.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) < 0)
                return 1;
        }
    }
    if (argc == 7) {
        const QDir programs(QString::fromLocal8Bit(argv[6]));
        if (!QDir().mkpath(programs.path())) return 1;
        std::vector<TestResource> resources =
            ResourcesOfFile(MakeIconFile(1, {16, 32}, {4, 32}, 1), 1, 1);
        for (const auto& more : {ResourcesOfFile(MakeIconFile(1, {8}, {0}, 2), 10, 0, "MAIN"),
                                 ResourcesOfFile(MakeIconFile(2, {12}, {1}, 3), 20, 5)})
            resources.insert(resources.end(), more.begin(), more.end());
        const struct {
            const char* Name;
            BuiltProgram Program;
        } made[] = {{"seed-pe32.dll", BuildPeProgram(resources, false)},
                    {"seed-pe32plus.dll", BuildPeProgram(resources, true)},
                    {"seed-ne.icl", BuildNeProgram(resources, 4)}};
        for (const auto& m : made) {
            QFile f(programs.filePath(QLatin1String(m.Name)));
            const std::vector<std::uint8_t>& bytes = m.Program.Bytes;
            if (!f.open(QIODevice::WriteOnly) ||
                f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) < 0)
                return 1;
        }
    }
    if (argc >= 5 && !writeAniSeeds(QString::fromLocal8Bit(argv[4]), settings)) return 1;
    if (argc >= 6) {
        // Two sizes, one of them animated with its own sizes and hot spots,
        // and a comment.
        const QDir cursors(QString::fromLocal8Bit(argv[5]));
        if (!QDir().mkpath(cursors.path())) return 1;
        XcursorContents c;
        for (const auto& [nominal, w, h, delay] :
             {std::array<int, 4>{4, 4, 4, 0}, {8, 8, 7, 40}, {8, 9, 8, 60}}) {
            XcursorImage i{std::uint32_t(nominal), w, h, w / 2, h - 1, std::uint32_t(delay), {}};
            for (int p = 0; p < w * h; ++p)
                i.Pixels.push_back(p % 4 == 0 ? 0 : std::uint32_t(p * 0x2F1D07) | 0xFF000000);
            c.Images.push_back(i);
        }
        c.Comments.push_back({1, "seed"});
        const std::vector<std::uint8_t> bytes = EncodeXcursorFile(c);
        QFile f(cursors.filePath(QStringLiteral("seed-cursor")));
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) < 0)
            return 1;
    }
    return 0;
}
