#include "files_support.h"

#include "document/ImageCaption.h"

#include <algorithm>

namespace {
const QString DataDir = QStringLiteral(BRISEL_DATA_DIR "/");
}

TColor32 sixteenColours(int X, int Y) {
    static const TColor rgb[4] = {0x0000FF, 0x00FF00, 0xFF0000, 0x808080};
    return SetAlpha(rgb[(X + Y) % 4] ^ TColor((X * 7 + Y * 3) % 4), 255);
}

TColor32 alphaRamp(int X, int Y) {
    return SetAlpha(0x102030u + TColor(X), (Y * 8 + X) % 256);
}

std::unique_ptr<IconImage> makeImage(int W, int H, ColourFormat Format,
                                     TColor32 (*Colour)(int, int)) {
    auto image = std::make_unique<IconImage>();
    image->Pixels = TBitmap32(W, H);
    std::vector<TColor> used;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const TColor32 c = Colour(x, y);
            image->Pixels.SetPixel(x, y, c);
            if (std::find(used.begin(), used.end(), Color32ToColor(c)) == used.end())
                used.push_back(Color32ToColor(c));
        }
    image->Format = Format;
    const int entries = Format == 1 ? 2 : Format == 4 ? 16 : Format == 8 ? 256 : 0;
    if (entries > 0) {
        used.resize(std::size_t(entries), 0);
        image->Palette = PalettePicture::fromEntries(used);
    }
    image->Caption = ReaderCaption(W, H, Format);
    return image;
}

QByteArray iconBytes(std::uint16_t Type, const std::vector<const IconImage*>& Images) {
    return WriteIconFile(Type, Images, TransparencySettings());
}

void writeFile(const QString& Path, const QByteArray& Bytes) {
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << Path.toStdString();
    ASSERT_EQ(f.write(Bytes), Bytes.size());
}

QByteArray readFile(const QString& Path) {
    QFile f(Path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

SessionFilesTest::SessionFilesTest()
    : recent(
          [this] {
              return std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("settings.ini")),
                                                 QSettings::IniFormat);
          },
          &desktop),
      session(prompts, DataDir) {
    session.setRecentFiles(&recent);
    session.setSaveHandler([this] { return session.SaveAExecute(true); });
    session.NewAExecute(true);
}

SessionFilesTest::~SessionFilesTest() = default;

QString SessionFilesTest::writeTwoImageIcon(const QString& Name) {
    const auto small = makeImage(16, 16, 4, sixteenColours);
    const auto large = makeImage(32, 32, 32, alphaRamp);
    const QString p = path(Name);
    writeFile(p, iconBytes(1, {small.get(), large.get()}));
    return p;
}

QStringList SessionFilesTest::recentList() const {
    QStringList out;
    if (const auto stored = recent.read())
        for (const auto& slot : *stored)
            if (slot) out << *slot;
    return out;
}

void SessionFilesTest::makeEdited(const QString& FileName) {
    session.document().FileName = FileName;
    session.document().appendImage(newBlankImage(16, 16, 32, PalettePicture()));
    session.setModified(true);
}
