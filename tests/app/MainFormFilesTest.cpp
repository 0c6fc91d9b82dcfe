#include "MainFormTestSupport.h"
#include "app/ui/RecentMenu.h"
#include "document/IconFileReader.h"
#include "document/IconFileWriter.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QShowEvent>

namespace {

// The window with its settings and the desktop's recently-used list in
// temporary folders, and a few icon files to open.
class MainFormFilesTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        m_oldData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", m_files.filePath(QStringLiteral("data")).toUtf8());
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", m_oldData); }

    // An icon of one Side x Side image of one opaque colour.
    QString icon(const QString& Name, int Side = 24, TColor32 Colour = 0xFF2040C0u) {
        auto image = std::make_unique<IconImage>();
        image->Pixels = TBitmap32(Side, Side);
        for (TColor32& c : image->Pixels.Bits)
            c = Colour;
        image->Format = 32;
        const QString path = m_files.filePath(Name);
        SaveIconFile(path, 1, std::vector<const IconImage*>{image.get()}, TransparencySettings());
        return path;
    }

    QStringList recentValues() {
        QStringList out;
        auto st = store();
        for (int k = 1; k <= 4; ++k)
            if (st->contains(QStringLiteral("Recent%1").arg(k)))
                out << st->value(QStringLiteral("Recent%1").arg(k)).toString();
        return out;
    }

    QTemporaryDir m_files;
    QByteArray m_oldData;
};

} // namespace

TEST_F(MainFormFilesTest, TheMenuShowsTheStoredFilesWithTheirIcons) {
    const QString a = icon(QStringLiteral("R&D.ico"));
    const QString gone = m_files.filePath(QStringLiteral("gone.ico"));
    {
        auto st = store();
        st->setValue(QStringLiteral("Recent1"), a);
        st->setValue(QStringLiteral("Recent2"), gone);
    }
    TMainForm& f = form();
    const MainCommands& c = f.commands();
    emit f.firstActivation();

    EXPECT_TRUE(c.action("Recent1")->isVisible());
    EXPECT_TRUE(c.action("Recent2")->isVisible());
    EXPECT_FALSE(c.action("Recent3")->isVisible());
    EXPECT_FALSE(c.action("Recent4")->isVisible());
    EXPECT_TRUE(c.action("N2")->isVisible());
    EXPECT_EQ(c.action("Recent1")->text(), QStringLiteral("&1 R&&D.ico"));
    EXPECT_EQ(c.action("Recent2")->text(), QStringLiteral("&2 gone.ico"));
    EXPECT_EQ(RecentMenu::pathOf(c.action("Recent1")), a);
    EXPECT_EQ(c.action("Recent2")->statusTip(), gone);
    // The icon is the file's own picture with a clear background; a missing
    // file has none.
    ASSERT_FALSE(c.action("Recent1")->icon().isNull());
    const QImage shown = f.menuImages().image(MenuImageList::FirstRecent);
    ASSERT_EQ(shown.size(), QSize(24, 24));
    EXPECT_EQ(shown.pixel(10, 10), qRgb(0xC0, 0x40, 0x20));
    EXPECT_EQ(qAlpha(shown.pixel(0, 23)), 0);
    EXPECT_TRUE(c.action("Recent2")->icon().isNull());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(MainFormFilesTest, OpeningSavingAndRecentItemsKeepTheListInOrder) {
    const QString a = icon(QStringLiteral("a.ico"));
    const QString b = icon(QStringLiteral("b.ico"), 16, 0xFF00FF00u);
    TMainForm& f = form();
    const MainCommands& c = f.commands();
    emit f.firstActivation();

    prompts.openFileAnswer(FileChoice{a, 1});
    c.action("OpenA")->trigger();
    prompts.openFileAnswer(FileChoice{b, 1});
    c.action("OpenA")->trigger();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Brisel - b"));
    EXPECT_EQ(recentValues(), (QStringList{b, a}));
    EXPECT_EQ(c.action("Recent1")->text(), QStringLiteral("&1 b.ico"));
    EXPECT_EQ(c.action("Recent2")->text(), QStringLiteral("&2 a.ico"));
    EXPECT_TRUE(c.action("N2")->isVisible());

    // A recent item opens its file without a dialog.
    c.action("Recent2")->trigger();
    EXPECT_EQ(f.session().document().FileName, a);
    EXPECT_EQ(recentValues(), (QStringList{a, b}));

    // Ctrl+S leaves the order alone; Save As changes it.
    f.session().document().FileName = b;
    f.session().setModified(true);
    c.action("SaveA")->trigger();
    EXPECT_FALSE(f.session().document().Modified);
    EXPECT_EQ(recentValues(), (QStringList{a, b}));
    const QString saved = m_files.filePath(QStringLiteral("c.cur"));
    prompts.saveFileAnswer(FileChoice{m_files.filePath(QStringLiteral("c")), 2});
    c.action("SaveAs1")->trigger();
    EXPECT_EQ(recentValues(), (QStringList{saved, a, b}));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Brisel - c"));
    EXPECT_EQ(LoadIconFile(saved, TransparencySettings()).FileType, 2);
    // The desktop hears of every file opened or saved from code.
    EXPECT_TRUE(QFileInfo::exists(m_files.filePath(QStringLiteral("data/recently-used.xbel"))));
}

TEST_F(MainFormFilesTest, IconOpenAddsTheImagesOfAnotherFile) {
    const QString a = icon(QStringLiteral("a.ico"));
    TMainForm& f = form();
    prompts.openFileAnswer(FileChoice{a, 1});
    f.commands().action("Open2")->trigger();
    EXPECT_EQ(f.session().document().ImageCount(), 2);
    EXPECT_TRUE(f.session().document().Modified);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Brisel - Untitled"));
    EXPECT_TRUE(f.commands().action("RemoveIA")->isEnabled());
}

TEST_F(MainFormFilesTest, TheCommandLineFileOpensAtTheFirstActivation) {
    const QString a = icon(QStringLiteral("start.ico"));
    TMainForm& f = form();
    // A relative name still goes into the recent files as a full path.
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(m_files.path());
    f.setCommandLineFile(QStringLiteral("start.ico"));
    emit f.firstActivation();
    QDir::setCurrent(cwd);
    EXPECT_EQ(f.session().document().FileName, a);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Brisel - start"));
    EXPECT_EQ(recentValues(), QStringList{a});
    EXPECT_TRUE(f.commands().action("Recent1")->isVisible());
}

// Without a window manager the window is shown but never activated: the file
// opens all the same, and the title names it at once.
TEST_F(MainFormFilesTest, TheCommandLineFileOpensOnceTheWindowIsShown) {
    const QString a = icon(QStringLiteral("shown.ico"));
    TMainForm& f = form();
    f.setCommandLineFile(a);
    QShowEvent shown;
    QApplication::sendEvent(&f, &shown);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.session().document().FileName, a);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Brisel - shown"));
    // Activated later, it does not open the file a second time.
    f.session().setModified(true);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&f, &activate);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(f.session().document().Modified);
}

// A bad file chosen in the Open dialog, from the recent files or on the
// command line leaves the drawing, its Modified flag and its undo history.
TEST_F(MainFormFilesTest, AFileThatFailsToOpenCostsNothing) {
    const QString bad = m_files.filePath(QStringLiteral("bad.ico"));
    {
        QFile out(bad);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("not an icon at all");
    }
    {
        auto st = store();
        st->setValue(QStringLiteral("Recent1"), bad);
    }
    TMainForm& f = form();
    const MainCommands& c = f.commands();
    EditSession& s = f.session();
    f.setCommandLineFile(bad);
    std::fill(s.WorkBitmap().Bits.begin(), s.WorkBitmap().Bits.end(), 0xFF0000FFu);
    s.commit();
    s.PushUndo();

    // The first activation also lists the recent files.
    const std::function<void()> opens[] = {
        [&] { emit f.firstActivation(); },
        [&] {
            ASSERT_EQ(RecentMenu::pathOf(c.action("Recent1")), bad);
            c.action("Recent1")->trigger();
        },
        [&] {
            prompts.openFileAnswer(FileChoice{bad, 1});
            c.action("OpenA")->trigger();
        },
    };
    for (const auto& open : opens) {
        prompts.messages.clear();
        prompts.answer(MessageAnswer::OK);
        open();
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].Kind, MessageKind::Error);
        EXPECT_TRUE(s.document().Modified);
        EXPECT_EQ(s.WorkBitmap().GetPixel(3, 3), 0xFF0000FFu);
        EXPECT_TRUE(c.action("UndoA")->isEnabled());
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Brisel - Untitled"));
    }
    c.action("UndoA")->trigger();
    EXPECT_EQ(s.WorkBitmap().GetPixel(3, 3), 0u);
}

TEST_F(MainFormFilesTest, AMissingCommandLineFileIsIgnored) {
    TMainForm& f = form();
    f.setCommandLineFile(m_files.filePath(QStringLiteral("nothing.ico")));
    emit f.firstActivation();
    EXPECT_TRUE(f.session().document().FileName.isEmpty());
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_FALSE(f.commands().action("N2")->isVisible());
}

TEST_F(MainFormFilesTest, YesAtCloseSavesThroughTheSaveCommand) {
    const QString a = icon(QStringLiteral("a.ico"), 8);
    TMainForm& f = form();
    f.show();
    f.session().OpenAExecute(true, a);
    f.session().document().appendImage(newBlankImage(4, 4, 32, PalettePicture()));
    f.session().setModified(true);
    prompts.answer(MessageAnswer::Yes);

    EXPECT_TRUE(f.close());
    EXPECT_EQ(LoadIconFile(a, TransparencySettings()).Images.size(), 2u);
}
