// What we write as an animated cursor, loaded by the Windows loader as Wine
// implements it: the steps, their rates, the frame each step shows, its size
// and hot spot must be what the document held. A small Win32 program of ours
// (wine/ani_witness.c), built here with the MinGW cross compiler, loads the
// files with LoadImageW, counts the steps and reads their rates with user32's
// GetCursorFrameInfo, and draws each step with DrawIconEx. The same witness
// says whether our reader plays the files people have as the loader does.

#include "ani_support.h"
#include "document/AniFileIO.h"
#include "document/IconDocument.h"
#include "document/file/AniReader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

const char* const CrossCompiler = "x86_64-w64-mingw32-gcc";

// One step as the witness reports it. Colours are 0xRRGGBB.
struct SeenStep {
    unsigned Rate = 0;
    int Width = 0;
    int Height = 0;
    int HotSpotX = 0;
    int HotSpotY = 0;
    unsigned Corner = 0;
    unsigned Centre = 0;
};

struct SeenFile {
    bool Loaded = false;
    unsigned Steps = 0;
    std::vector<SeenStep> Items;
    QString Text; // the witness's own words, for a failure message
};

// The witness built once and a Wine prefix of our own for all cases.
class WineWitness {
public:
    // Empty when the witness is ready, else why not.
    QString prepare() {
        m_wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        const QString gcc = QStandardPaths::findExecutable(CrossCompiler);
        if (m_wine.isEmpty())
            return QStringLiteral("wine (Debian package wine64) is not installed");
        if (gcc.isEmpty())
            return QStringLiteral(
                "the MinGW cross compiler (gcc-mingw-w64-x86-64) is not installed");
        if (!m_dir.isValid()) return QStringLiteral("no temporary folder");
        m_exe = m_dir.filePath(QStringLiteral("ani_witness.exe"));
        QProcess cc;
        cc.setProcessChannelMode(QProcess::MergedChannels);
        cc.start(gcc, {QStringLiteral("-O1"), QStringLiteral("-o"), m_exe,
                       QStringLiteral(BRISEL_ANI_WITNESS_SOURCE), QStringLiteral("-lgdi32"),
                       QStringLiteral("-luser32")});
        if (!cc.waitForFinished(120000) || cc.exitCode() != 0)
            return QStringLiteral("the witness does not build: ") +
                   QString::fromLocal8Bit(cc.readAll());
        return QString();
    }

    QString filePath(const QString& Name) const { return m_dir.filePath(Name); }

    // Loads each (file, side) pair in one run of Wine; side 0 lets the
    // loader choose.
    std::vector<SeenFile> load(const std::vector<std::pair<QString, int>>& Files) {
        QStringList args{m_exe};
        for (const auto& [name, side] : Files)
            args << name << QString::number(side) << QString::number(side);
        QProcess wine;
        wine.setWorkingDirectory(m_dir.path());
        wine.setProcessEnvironment(environment());
        wine.start(m_wine, args);
        const bool finished = wine.waitForFinished(300000);
        const QString out = QString::fromLocal8Bit(wine.readAllStandardOutput());
        EXPECT_TRUE(finished && wine.exitCode() == 0)
            << "wine: " << QString::fromLocal8Bit(wine.readAllStandardError()).toStdString();
        return parse(out);
    }

    ~WineWitness() {
        // The prefix's server would otherwise outlive the folder it serves.
        const QString server = QStandardPaths::findExecutable(QStringLiteral("wineserver"));
        if (server.isEmpty() || m_exe.isEmpty()) return;
        QProcess kill;
        kill.setProcessEnvironment(environment());
        kill.start(server, {QStringLiteral("-k")});
        kill.waitForFinished(30000);
    }

private:
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("WINEPREFIX"), m_dir.filePath(QStringLiteral("prefix")));
        env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
        // No prompts to install .NET or a browser engine into the new prefix.
        env.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
        // Nothing is shown: without a display Wine runs on its null driver.
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        return env;
    }

    static std::vector<SeenFile> parse(const QString& Out) {
        std::vector<SeenFile> files;
        for (const QString& line : Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList w = line.trimmed().split(QLatin1Char(' '));
            if (w[0] == QLatin1String("file")) {
                files.emplace_back();
            } else if (files.empty()) {
                continue;
            } else if (w[0] == QLatin1String("steps") && w.size() == 2) {
                files.back().Loaded = true;
                files.back().Steps = w[1].toUInt();
            } else if (w[0] == QLatin1String("step") && w.size() == 14) {
                SeenStep s;
                s.Rate = w[3].toUInt();
                s.Width = w[5].toInt();
                s.Height = w[6].toInt();
                s.HotSpotX = w[8].toInt();
                s.HotSpotY = w[9].toInt();
                s.Corner = w[11].toUInt(nullptr, 16);
                s.Centre = w[13].toUInt(nullptr, 16);
                files.back().Items.push_back(s);
            }
            if (!files.empty()) files.back().Text += line + QLatin1Char('\n');
        }
        return files;
    }

    QTemporaryDir m_dir;
    QString m_wine;
    QString m_exe;
};

// --- the documents ---------------------------------------------------------

struct ImageSpec {
    int Side;
    ColourFormat Format;
    int HotSpotX;
    int HotSpotY;
    bool Png = false;
};

struct FrameSpec {
    std::vector<ImageSpec> Images;
    std::uint32_t Rate;
};

struct AniCase {
    const char* What;
    std::vector<FrameSpec> Frames;
    std::vector<FrameStep> Sequence; // empty: the frames in order
    std::vector<int> LoadSides;      // 0: the loader's choice
    const char* Title = "";
};

TColor32 opaque(unsigned R, unsigned G, unsigned B) {
    return 0xFF000000u | (B << 16) | (G << 8) | R;
}

unsigned rgbOf(TColor32 C) {
    return ((C & 0xFFu) << 16) | (C & 0xFF00u) | ((C >> 16) & 0xFFu);
}

// Frame F's image K in a colour of its own with a centre of another, so the
// pixels drawn tell which frame and which size the loader showed.
std::unique_ptr<IconImage> imageOf(const ImageSpec& Spec, int F, int K) {
    const bool mono = Spec.Format == 1;
    const TColor32 body =
        mono ? opaque(255, 255, 255)
             : opaque(0x20 + 0x28u * unsigned(F), 0x10 + 0x40u * unsigned(K), 0x60);
    const TColor32 centre =
        mono ? opaque(0, 0, 0)
             : opaque(0xF0 - 0x18u * unsigned(F), 0x90, 0x30 + 0x30u * unsigned(K));
    PalettePicture palette;
    if (Spec.Format <= 8) {
        std::vector<TColor> entries(std::size_t(1) << Spec.Format, TColor(0x808080));
        entries[0] = body & 0xFFFFFFu;
        entries[1] = centre & 0xFFFFFFu;
        palette = PalettePicture::fromEntries(entries);
    }
    auto image = newBlankImage(Spec.Side, Spec.Side, Spec.Format, palette);
    image->Pixels.Bits.assign(image->Pixels.Bits.size(), body);
    const int c = Spec.Side / 2;
    for (int y = c - 1; y <= c; ++y)
        for (int x = c - 1; x <= c; ++x)
            image->Pixels.Bits[std::size_t(y * Spec.Side + x)] = centre;
    image->HotSpotX = std::uint8_t(Spec.HotSpotX);
    image->HotSpotY = std::uint8_t(Spec.HotSpotY);
    image->StoredAsPng = Spec.Png;
    return image;
}

IconDocument documentOf(const AniCase& Case) {
    std::vector<IconFrame> frames;
    for (std::size_t f = 0; f < Case.Frames.size(); ++f) {
        IconFrame frame;
        for (std::size_t k = 0; k < Case.Frames[f].Images.size(); ++k)
            frame.Images.push_back(imageOf(Case.Frames[f].Images[k], int(f), int(k)));
        frame.Rate = Case.Frames[f].Rate;
        frames.push_back(std::move(frame));
    }
    IconDocument doc;
    doc.replaceFrames(std::move(frames));
    doc.Sequence = Case.Sequence;
    doc.Title = QString::fromUtf8(Case.Title);
    return doc;
}

// The rate Wine reports for step I. Wine keeps one handle per frame and sets
// its delay from the first step that shows it, so a frame shown again at
// another rate reports its first rate; Windows keeps a rate per step. A
// cursor of one frame does not animate and reports 0.
unsigned rateWineReports(const std::vector<FrameStep>& Steps, std::size_t I, int Frames) {
    if (Frames == 1) return 0;
    for (const FrameStep& s : Steps)
        if (s.Frame == Steps[I].Frame) return s.Rate;
    return Steps[I].Rate;
}

const IconImage& imageShown(const IconDocument& Doc, int F, int Side) {
    const auto& images = Doc.frameImages(F);
    for (const auto& image : images)
        if (image->Pixels.Width == Side) return *image;
    return *images.front();
}

void expectSeenAsWritten(const IconDocument& Doc, int Side, const SeenFile& Seen) {
    ASSERT_TRUE(Seen.Loaded) << Seen.Text.toStdString();
    const std::vector<FrameStep> steps = Doc.playedSteps();
    const unsigned stepCount = Doc.FrameCount() == 1 ? 1u : unsigned(steps.size());
    EXPECT_EQ(Seen.Steps, stepCount);
    ASSERT_EQ(Seen.Items.size(), stepCount) << Seen.Text.toStdString();
    for (std::size_t i = 0; i < stepCount; ++i) {
        SCOPED_TRACE("step " + std::to_string(i + 1));
        const IconImage& image = imageShown(Doc, steps[i].Frame, Side);
        const SeenStep& seen = Seen.Items[i];
        EXPECT_EQ(seen.Rate, rateWineReports(steps, i, Doc.FrameCount()));
        EXPECT_EQ(seen.Width, image.Pixels.Width);
        EXPECT_EQ(seen.Height, image.Pixels.Height);
        EXPECT_EQ(seen.HotSpotX, image.HotSpotX);
        EXPECT_EQ(seen.HotSpotY, image.HotSpotY);
        const int c = image.Pixels.Width / 2;
        EXPECT_EQ(seen.Corner, rgbOf(image.Pixels.Bits[0])) << std::hex << seen.Corner;
        EXPECT_EQ(seen.Centre, rgbOf(image.Pixels.Bits[std::size_t(c * image.Pixels.Width + c)]))
            << std::hex << seen.Centre;
    }
}

FrameSpec frame32(int HotSpotX, int HotSpotY, std::uint32_t Rate) {
    return {{{32, 32, HotSpotX, HotSpotY}}, Rate};
}

const std::vector<AniCase>& cases() {
    static const std::vector<AniCase> all = {
        {"in order at one rate", {frame32(3, 4, 9), frame32(3, 4, 9), frame32(3, 4, 9)}, {}, {0}},
        {"in order, each frame at its own rate and with its own hot spot",
         {frame32(0, 0, 2), frame32(31, 31, 5), frame32(16, 2, 9), frame32(7, 25, 14)},
         {},
         {0}},
        {"a sequence, frames shown again at the same rate",
         {frame32(1, 1, 6), frame32(2, 2, 6), frame32(3, 3, 6)},
         {{2, 4}, {0, 8}, {1, 3}, {0, 8}, {2, 4}, {2, 4}},
         {0}},
        {"a sequence showing a frame again at another rate",
         {frame32(1, 1, 6), frame32(2, 2, 6), frame32(3, 3, 6)},
         {{0, 3}, {1, 7}, {2, 11}, {1, 5}},
         {0}},
        {"several sizes, each with its own hot spot and format",
         {{{{16, 32, 1, 2}, {32, 8, 10, 11}, {48, 4, 40, 5}, {256, 32, 200, 100, true}}, 4},
          {{{16, 32, 3, 4}, {32, 8, 12, 13}, {48, 4, 42, 7}, {256, 32, 202, 102, true}}, 8},
          {{{16, 32, 5, 6}, {32, 8, 14, 15}, {48, 4, 44, 9}, {256, 32, 204, 104, true}}, 12}},
         {},
         {16, 32, 48, 256}},
        {"every colour format, with a title",
         {{{{32, 1, 1, 1}}, 5},
          {{{32, 4, 2, 2}}, 5},
          {{{32, 8, 3, 3}}, 5},
          {{{32, 24, 4, 4}}, 5},
          {{{32, 32, 5, 5}}, 5},
          {{{32, 32, 6, 6, true}}, 5}},
         {},
         {0},
         "Busy"},
        {"one frame", {frame32(9, 10, 6)}, {}, {0}},
    };
    return all;
}

} // namespace

TEST(AniWineWitness, TheWindowsLoaderSeesWhatWeWrote) {
    WineWitness wine;
    const QString missing = wine.prepare();
    if (!missing.isEmpty()) GTEST_SKIP() << missing.toStdString();

    std::vector<IconDocument> docs;
    std::vector<std::pair<QString, int>> loads;
    for (std::size_t c = 0; c < cases().size(); ++c) {
        docs.push_back(documentOf(cases()[c]));
        const QString name = QStringLiteral("case%1.ani").arg(c);
        QFile file(wine.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WriteAniFile(docs.back(), TransparencySettings()));
        file.close();
        for (int side : cases()[c].LoadSides)
            loads.emplace_back(name, side);
    }
    const std::vector<SeenFile> seen = wine.load(loads);
    ASSERT_EQ(seen.size(), loads.size());
    std::size_t at = 0;
    for (std::size_t c = 0; c < cases().size(); ++c)
        for (int side : cases()[c].LoadSides) {
            SCOPED_TRACE(std::string(cases()[c].What) + ", loaded at " + std::to_string(side));
            expectSeenAsWritten(docs[c], side, seen[at++]);
        }
}

// Files that break the rules as real files do, read by our reader and by the
// loader: the same steps, each showing the same frame at the same rate. Left
// out are the quirks the loader itself gets wrong (it walks the frames
// without pad bytes, reads rate words past a short `rate` chunk and shows
// nothing for a header of no steps) and bare bitmap frames, which it refuses.
TEST(AniWineWitness, OurReaderPlaysTheFilesPeopleHaveAsTheLoaderDoes) {
    using namespace ani_test;
    WineWitness wine;
    const QString missing = wine.prepare();
    if (!missing.isEmpty()) GTEST_SKIP() << missing.toStdString();

    const Bytes frames3 =
        chunk("icon", cursorFile(0)) + chunk("icon", cursorFile(1)) + chunk("icon", cursorFile(2));
    const Bytes fram3 = list("fram", frames3);
    const struct {
        const char* What;
        Bytes File;
        bool Sequenced; // Wine then shares a frame's rate between its steps
    } cases[] = {
        {"RIFF size counts the whole file", riff(anih(3, 3, 6, 1) + fram3, RiffSize::WholeFile),
         false},
        {"INFO first, rate after the frames",
         riff(list("INFO", chunk("IART", text("Bo"))) + anih(3, 3, 6, 1) + fram3 +
              chunk("rate", u32s({1, 2, 3}))),
         false},
        {"unknown chunks are skipped",
         riff(chunk("zzzz", {9, 9, 9, 9}) + anih(3, 3, 6, 1) + fram3 + chunk("ISFT", text("x"))),
         false},
        {"a second header is ignored", riff(anih(3, 3, 6, 1) + fram3 + anih(1, 1, 99, 3)), false},
        {"more steps than frames and no sequence", riff(anih(3, 5, 4, 1) + fram3), false},
        {"a sequence the flags do not announce",
         riff(anih(3, 3, 6, 1) + chunk("seq ", u32s({2, 1, 0})) + fram3), false},
        {"an announced sequence with its own rates",
         riff(anih(3, 4, 6, 3) + chunk("seq ", u32s({2, 0, 1, 0})) +
              chunk("rate", u32s({10, 0, 20, 30})) + fram3),
         true},
        {"no rate chunk and a header rate of 0", riff(anih(3, 3, 0, 1) + fram3), false},
        {"icon chunks past the header's count", riff(anih(2, 2, 6, 1) + fram3), false},
        {"icon files as frames",
         riff(anih(2, 2, 7, 1) +
              list("fram", chunk("icon", iconFile(4)) + chunk("icon", iconFile(5)))),
         false},
    };
    std::vector<AniContents> ours;
    std::vector<std::pair<QString, int>> loads;
    for (std::size_t c = 0; c < std::size(cases); ++c) {
        SCOPED_TRACE(cases[c].What);
        ours.push_back(DecodeAniFile(cases[c].File.data(), cases[c].File.size(), "q.ani", {}));
        const QString name = QStringLiteral("quirk%1.ani").arg(c);
        QFile file(wine.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(cases[c].File.data()),
                   qint64(cases[c].File.size()));
        file.close();
        loads.emplace_back(name, 0);
    }
    const std::vector<SeenFile> seen = wine.load(loads);
    ASSERT_EQ(seen.size(), loads.size());
    for (std::size_t c = 0; c < std::size(cases); ++c) {
        SCOPED_TRACE(cases[c].What);
        const std::vector<AniStep>& steps = ours[c].Info.Steps;
        ASSERT_TRUE(seen[c].Loaded) << seen[c].Text.toStdString();
        ASSERT_EQ(seen[c].Items.size(), steps.size()) << seen[c].Text.toStdString();
        for (std::size_t i = 0; i < steps.size(); ++i) {
            SCOPED_TRACE("step " + std::to_string(i + 1));
            const IconRaster& frame = ours[c].Frames[steps[i].Frame].Icon.Images.front();
            EXPECT_EQ(seen[c].Items[i].Corner, rgbOf(frame.Pixels.front()));
            std::uint32_t rate = steps[i].Rate;
            if (cases[c].Sequenced)
                for (const AniStep& s : steps)
                    if (s.Frame == steps[i].Frame) {
                        rate = s.Rate;
                        break;
                    }
            EXPECT_EQ(seen[c].Items[i].Rate, rate);
        }
    }
}
