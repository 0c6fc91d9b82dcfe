#include "files_support.h"

#include "app/RecentIcon.h"
#include "document/AniFileIO.h"
#include "app/XbelRecentDocuments.h"

#include <QDomDocument>
#include <QFileInfo>

namespace {

class RecentFilesTest : public ::testing::Test {
protected:
    std::unique_ptr<QSettings> store() const {
        return std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("settings.ini")),
                                           QSettings::IniFormat);
    }
    QStringList stored() const {
        QStringList out;
        auto s = store();
        for (int k = 1; k <= 4; ++k)
            out << s->value(QStringLiteral("Recent%1").arg(k), QStringLiteral("-")).toString();
        return out;
    }

    QTemporaryDir m_dir;
    RecordingDesktop desktop;
    RecentFiles recent{[this] { return store(); }, &desktop};
};

} // namespace

TEST_F(RecentFilesTest, NewestFirstFourAtMostAndNoDuplicatesWhateverTheCase) {
    EXPECT_FALSE(recent.read().has_value()) << "an empty store lists nothing";
    for (const char* f : {"/d/A.ico", "/d/B.ico", "/d/C.ico", "/d/D.ico", "/d/E.ico"})
        recent.AddRecentFile(QLatin1String(f));
    EXPECT_EQ(stored(), (QStringList{"/d/E.ico", "/d/D.ico", "/d/C.ico", "/d/B.ico"}));

    recent.AddRecentFile(QStringLiteral("/D/b.ICO"));
    EXPECT_EQ(stored(), (QStringList{"/D/b.ICO", "/d/E.ico", "/d/D.ico", "/d/C.ico"}));
    EXPECT_EQ(desktop.noted.size(), 6);

    const auto slots_ = recent.read();
    ASSERT_TRUE(slots_.has_value());
    EXPECT_EQ((*slots_)[0], std::optional<QString>(QStringLiteral("/D/b.ICO")));
}

TEST_F(RecentFilesTest, SlotsFillFromTheTopAndGapsAreKept) {
    recent.AddRecentFile(QStringLiteral("/x/one.ico"));
    {
        const auto s = recent.read();
        ASSERT_TRUE(s.has_value());
        EXPECT_TRUE((*s)[0].has_value());
        EXPECT_FALSE((*s)[1].has_value());
    }
    // A value the user removed by hand leaves a gap the list closes over.
    store()->setValue(QStringLiteral("Recent3"), QStringLiteral("/x/three.ico"));
    recent.AddRecentFile(QStringLiteral("/x/new.ico"));
    EXPECT_EQ(stored(), (QStringList{"/x/new.ico", "/x/one.ico", "/x/three.ico", "-"}));
}

TEST(RecentIconChoice, PicksTheEntryThatShowsBestAt24) {
    using E = RecentIconEntry;
    const struct {
        const char* Name;
        std::vector<E> Entries;
        int Expected;
    } cases[] = {
        {"16, 32, 48 -> 32", {{16, 16, 16}, {32, 32, 16}, {48, 48, 16}}, 1},
        {"16, 24 -> 24", {{16, 16, 0}, {24, 24, 0}}, 1},
        {"two 32s, 16 and 0 colours -> 0", {{32, 32, 16}, {32, 32, 0}}, 1},
        {"two 32s, 0 then 16 colours -> 0", {{32, 32, 0}, {32, 32, 16}}, 0},
        {"two 32s, 2 then 16 colours -> 16", {{32, 32, 2}, {32, 32, 16}}, 1},
        {"48 gives way to 32", {{48, 48, 0}, {32, 32, 0}}, 1},
        {"48 keeps out 16", {{48, 48, 0}, {16, 16, 0}}, 0},
        {"an exact 24 wins from above", {{48, 48, 0}, {24, 24, 2}, {32, 32, 0}}, 1},
        {"one entry", {{0, 0, 0}}, 0},
        {"no entries", {}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ChooseRecentIconEntry(c.Entries), c.Expected);
    }
}

TEST(RecentIcon, ShowsPixelsAboveTheAlphaRangeOnMagenta) {
    QTemporaryDir dir;
    TransparencySettings s;
    s.TraRange = 100;
    // 24 x 24 so every pixel maps onto itself: left half alpha 100 (the
    // range itself: transparent), right half alpha 101 (shown).
    auto image = std::make_unique<IconImage>();
    image->Pixels = TBitmap32(24, 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            image->Pixels.SetPixel(x, y, SetAlpha(0x3366CC, x < 12 ? 100 : 101));
    image->Format = 32;
    auto small = makeImage(16, 16, 4, sixteenColours);
    const QString file = dir.filePath(QStringLiteral("i.ico"));
    writeFile(file, iconBytes(1, {small.get(), image.get()}));

    const QImage icon = MakeRecentIcon(file, s);

    ASSERT_EQ(icon.size(), QSize(24, 24));
    EXPECT_EQ(icon.pixel(3, 3), RecentIconBackground);
    EXPECT_EQ(icon.pixel(20, 3), qRgb(0xCC, 0x66, 0x33));
    EXPECT_EQ(icon.pixel(20, 23), qRgb(0xCC, 0x66, 0x33));
    EXPECT_EQ(icon.pixel(0, 23), RecentIconBackground) << "the corner marks the background";
}

TEST(RecentIcon, StretchesOtherSizesAndGivesNothingForBadFiles) {
    QTemporaryDir dir;
    const auto image = makeImage(16, 16, 4, sixteenColours);
    const QString file = dir.filePath(QStringLiteral("s.ico"));
    const QByteArray bytes = iconBytes(1, {image.get()});
    writeFile(file, bytes);
    const QImage icon = MakeRecentIcon(file, TransparencySettings());
    ASSERT_EQ(icon.size(), QSize(24, 24));
    // Pixel (23, 0) of the icon comes from pixel (15, 0) of the image.
    const TColor c = Color32ToColor(image->Pixels.GetPixel(15, 0));
    EXPECT_EQ(icon.pixel(23, 0), qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int(c >> 16)));

    QByteArray cut = bytes.left(bytes.size() - 40);
    QByteArray type3 = bytes;
    type3[2] = 3;
    for (const QByteArray& b : {cut, type3, QByteArray("MZ")}) {
        writeFile(file, b);
        EXPECT_TRUE(MakeRecentIcon(file, TransparencySettings()).isNull());
    }
    EXPECT_TRUE(
        MakeRecentIcon(dir.filePath(QStringLiteral("none.ico")), TransparencySettings()).isNull());
}

// Entries stored as PNG pictures, and those of 256 pixels, give icons too.
TEST(RecentIcon, ReadsPngPictures) {
    QTemporaryDir dir;
    const auto opaque = [](int, int) -> TColor32 { return 0xFF336699u; };
    auto big = makeImage(256, 256, 32, opaque);
    auto png48 = makeImage(48, 48, 32, opaque);
    png48->StoredAsPng = true;
    auto small = makeImage(16, 16, 4, sixteenColours);
    const struct {
        const char* Name;
        std::vector<const IconImage*> Images;
    } cases[] = {{"one 256", {big.get()}}, {"16, 48 as PNG, 256", {small.get(), png48.get(), big.get()}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString file = dir.filePath(QStringLiteral("p.ico"));
        writeFile(file, iconBytes(1, c.Images));
        const QImage icon = MakeRecentIcon(file, TransparencySettings());
        ASSERT_EQ(icon.size(), QSize(24, 24));
        EXPECT_EQ(icon.pixel(12, 12), qRgb(0x99, 0x66, 0x33));
    }
}

// An animated cursor is shown by the frame of its first step; one that
// cannot be read gives no icon.
TEST(RecentIcon, AnimatedCursorShowsItsFirstStep) {
    QTemporaryDir dir;
    const auto colour = [](TColor32 C) {
        IconFrame frame;
        frame.Images.push_back(newBlankImage(24, 24, 32, PalettePicture()));
        std::fill(frame.Images[0]->Pixels.Bits.begin(), frame.Images[0]->Pixels.Bits.end(), C);
        return frame;
    };
    IconDocument doc;
    std::vector<IconFrame> frames;
    frames.push_back(colour(0xFF336699u));
    frames.push_back(colour(0xFF996633u));
    doc.replaceFrames(std::move(frames));
    doc.Sequence = {{1, 6}, {0, 6}};
    const QString file = dir.filePath(QStringLiteral("a.ani"));
    const QByteArray bytes = WriteAniFile(doc, TransparencySettings());
    writeFile(file, bytes);
    const QImage icon = MakeRecentIcon(file, TransparencySettings());
    ASSERT_EQ(icon.size(), QSize(24, 24));
    EXPECT_EQ(icon.pixel(12, 12), qRgb(0x33, 0x66, 0x99));
    writeFile(file, bytes.left(40));
    EXPECT_TRUE(MakeRecentIcon(file, TransparencySettings()).isNull());
}

namespace {

struct XbelTest : ::testing::Test {
    void SetUp() override {
        m_oldData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", m_oldData); }

    QString listFile() const { return m_dir.filePath(QStringLiteral("data/recently-used.xbel")); }

    // The bookmark elements of the list, by href.
    static std::map<QString, QDomElement> bookmarks(const QDomDocument& Doc) {
        std::map<QString, QDomElement> out;
        const QDomNodeList list =
            Doc.documentElement().elementsByTagName(QStringLiteral("bookmark"));
        for (int i = 0; i < list.size(); ++i) {
            const QDomElement e = list.at(i).toElement();
            out[e.attribute(QStringLiteral("href"))] = e;
        }
        return out;
    }
    static QDomDocument parse(const QByteArray& Bytes) {
        QDomDocument doc;
        EXPECT_TRUE(doc.setContent(Bytes, true)) << Bytes.toStdString();
        return doc;
    }
    static QStringList applications(const QDomElement& Bookmark) {
        QStringList out;
        const QDomNodeList apps = Bookmark.elementsByTagNameNS(
            QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks"),
            QStringLiteral("application"));
        for (int i = 0; i < apps.size(); ++i) {
            const QDomElement a = apps.at(i).toElement();
            out << a.attribute(QStringLiteral("name")) + QLatin1Char(':') +
                       a.attribute(QStringLiteral("count"));
        }
        return out;
    }

    QTemporaryDir m_dir;
    QByteArray m_oldData;
};

const char* const OtherPrograms = R"(<?xml version="1.0" encoding="UTF-8"?>
<xbel version="1.0"
      xmlns:bookmark="http://www.freedesktop.org/standards/desktop-bookmarks"
      xmlns:mime="http://www.freedesktop.org/standards/shared-mime-info"
>
  <bookmark href="file:///home/u/letter.odt" added="2024-01-01T10:00:00.000000Z" modified="2024-01-01T10:00:00.000000Z" visited="2024-01-01T10:00:00.000000Z">
    <info>
      <metadata owner="http://freedesktop.org">
        <mime:mime-type type="application/vnd.oasis.opendocument.text"/>
        <bookmark:groups><bookmark:group>Office</bookmark:group></bookmark:groups>
        <bookmark:applications>
          <bookmark:application name="Writer" exec="&apos;writer %u&apos;" modified="2024-01-01T10:00:00.000000Z" count="3"/>
        </bookmark:applications>
      </metadata>
    </info>
  </bookmark>
  <bookmark href="file:///tmp/shared%20icon.ico" added="2024-02-01T10:00:00.000000Z" modified="2024-02-01T10:00:00.000000Z" visited="2024-02-01T10:00:00.000000Z">
    <info>
      <metadata owner="http://freedesktop.org">
        <mime:mime-type type="image/vnd.microsoft.icon"/>
        <bookmark:applications>
          <bookmark:application name="Viewer" exec="&apos;viewer %u&apos;" modified="2024-02-01T10:00:00.000000Z" count="1"/>
          <bookmark:application name="Brisel" exec="&apos;brisel %u&apos;" modified="2024-02-01T10:00:00.000000Z" count="2"/>
        </bookmark:applications>
      </metadata>
    </info>
  </bookmark>
</xbel>
)";

} // namespace

TEST_F(XbelTest, StartsTheListWhenThereIsNone) {
    XbelRecentDocuments xbel;
    ASSERT_EQ(XbelRecentDocuments::listPath(), listFile());
    ASSERT_TRUE(xbel.noteRecentDocument(QStringLiteral("/tmp/my icon.ico")));
    const QDomDocument doc = parse(readFile(listFile()));
    const auto marks = bookmarks(doc);
    ASSERT_EQ(marks.size(), 1u);
    const QDomElement b = marks.begin()->second;
    EXPECT_EQ(marks.begin()->first, QStringLiteral("file:///tmp/my%20icon.ico"));
    EXPECT_FALSE(b.attribute(QStringLiteral("added")).isEmpty());
    EXPECT_EQ(applications(b), QStringList{QStringLiteral("Brisel:1")});
    EXPECT_EQ(b.elementsByTagNameNS(
                   QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"),
                   QStringLiteral("mime-type"))
                  .at(0)
                  .toElement()
                  .attribute(QStringLiteral("type")),
              QStringLiteral("image/vnd.microsoft.icon"));
}

TEST_F(XbelTest, KeepsEveryOtherEntryAndCountsOurUses) {
    XbelRecentDocuments xbel;
    QDir().mkpath(QFileInfo(listFile()).path());
    writeFile(listFile(), QByteArray(OtherPrograms));

    ASSERT_TRUE(xbel.noteRecentDocument(QStringLiteral("/tmp/shared icon.ico")));
    ASSERT_TRUE(xbel.noteRecentDocument(QStringLiteral("/tmp/new.cur")));

    const QDomDocument before = parse(QByteArray(OtherPrograms));
    const QDomDocument after = parse(readFile(listFile()));
    auto was = bookmarks(before);
    auto now = bookmarks(after);
    ASSERT_EQ(now.size(), 3u);
    // Another program's entry is untouched, groups and all.
    const auto text = [](const QDomElement& E) {
        QString out;
        QTextStream stream(&out);
        E.save(stream, 0);
        return out;
    };
    EXPECT_EQ(text(was[QStringLiteral("file:///home/u/letter.odt")]),
              text(now[QStringLiteral("file:///home/u/letter.odt")]));
    // The shared file: the other program's line stays, ours counts one more.
    const QDomElement shared = now[QStringLiteral("file:///tmp/shared%20icon.ico")];
    EXPECT_EQ(applications(shared), (QStringList{"Viewer:1", "Brisel:3"}));
    EXPECT_EQ(shared.attribute(QStringLiteral("added")),
              QStringLiteral("2024-02-01T10:00:00.000000Z"));
    EXPECT_NE(shared.attribute(QStringLiteral("visited")),
              QStringLiteral("2024-02-01T10:00:00.000000Z"));
    EXPECT_EQ(applications(now[QStringLiteral("file:///tmp/new.cur")]), QStringList{"Brisel:1"});
}

TEST_F(XbelTest, AListItCannotReadIsLeftAlone) {
    XbelRecentDocuments xbel;
    QDir().mkpath(QFileInfo(listFile()).path());
    const QByteArray broken("<xbel version=\"1.0\"><bookmark href=\"file:///a\">");
    writeFile(listFile(), broken);
    EXPECT_FALSE(xbel.noteRecentDocument(QStringLiteral("/tmp/a.ico")));
    EXPECT_EQ(readFile(listFile()), broken);
    // An entry of another program that merely lacks our lines gets them.
    const QByteArray bare(
        "<xbel version=\"1.0\"><bookmark href=\"file:///tmp/a.ico\" added=\"x\"/></xbel>");
    writeFile(listFile(), bare);
    ASSERT_TRUE(xbel.noteRecentDocument(QStringLiteral("/tmp/a.ico")));
    EXPECT_EQ(
        applications(bookmarks(parse(readFile(listFile())))[QStringLiteral("file:///tmp/a.ico")]),
        QStringList{"Brisel:1"});
}
