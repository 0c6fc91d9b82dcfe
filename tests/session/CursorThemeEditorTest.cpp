// The "Cursor Theme" window's logic: cursors given to roles, what every role
// shows at every size, Export and Import, with scripted answers.

#include "ScriptedPrompter.h"

#include "cursortheme/ThemeFiles.h"
#include "document/file/AniWriter.h"
#include "document/file/XcursorReader.h"
#include "document/file/XcursorWriter.h"
#include "session/CursorThemeEditor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CursorThemeEditorTest : public ::testing::Test {
protected:
    // An X cursor drawn at 32 in Colour, hot spot (Hx, Hy), Frames frames.
    QString cursorFile(const QString& Name, std::uint32_t Colour, int Hx, int Hy,
                       int Frames = 1) {
        XcursorContents c;
        for (int f = 0; f < Frames; ++f) {
            XcursorImage i{32, 32, 32, Hx, Hy, 50, {}};
            i.Pixels.assign(32 * 32, Colour + std::uint32_t(f));
            c.Images.push_back(i);
        }
        const std::vector<std::uint8_t> bytes = EncodeXcursorFile(c);
        const QString path = m_dir.filePath(Name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        return path;
    }
    int slot(const char* Name) { return m_editor.slotOf(FindCursorRole(Name)); }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompts;
    CursorThemeEditor m_editor{m_prompts, TransparencySettings()};
};

} // namespace

TEST_F(CursorThemeEditorTest, RolesShowTheirOwnCursorOrTheOneStandingInAtEverySize) {
    ASSERT_TRUE(m_editor.assignFile(slot("default"), cursorFile("arrow", 0xFF0000FF, 2, 3)));
    ASSERT_TRUE(m_editor.assignFile(slot("wait"), cursorFile("busy", 0xFF00FF00, 16, 16, 4)));
    EXPECT_EQ(m_editor.servingRole(slot("copy")), FindCursorRole("default"));
    EXPECT_EQ(m_editor.servingRole(slot("text")), nullptr);
    EXPECT_FALSE(m_editor.preview(slot("text"), 24));
    EXPECT_EQ(m_editor.frameCount(slot("wait")), 4);
    EXPECT_EQ(m_editor.frameCount(slot("default")), 1);

    ASSERT_TRUE(m_editor.setSizesText(QStringLiteral("64; 24 , 32,24")));
    EXPECT_EQ(m_editor.sizesText(), QStringLiteral("24, 32, 64"));
    struct Case {
        const char* Role;
        std::uint32_t Size;
        int Side, Hx, Hy;
        std::uint32_t Colour;
    };
    const Case cases[] = {
        {"default", 32, 32, 2, 3, 0xFF0000FF},
        {"context-menu", 64, 64, 4, 6, 0xFF0000FF}, // stands in: default's at 64
        {"wait", 24, 24, 12, 12, 0xFF00FF00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Role);
        const std::optional<XcursorImage> p = m_editor.preview(slot(c.Role), c.Size);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->Width, c.Side);
        EXPECT_EQ(p->HotSpotX, c.Hx);
        EXPECT_EQ(p->HotSpotY, c.Hy);
        EXPECT_EQ(p->Pixels.front(), c.Colour);
    }
    for (const char* bad : {"", "0", "24,x", "300"}) {
        EXPECT_FALSE(m_editor.setSizesText(QString::fromLatin1(bad))) << bad;
        EXPECT_EQ(m_editor.sizesText(), QStringLiteral("24, 32, 64"));
    }
    // Cleared, the role shows nothing again.
    m_editor.clearSlot(slot("default"));
    EXPECT_FALSE(m_editor.preview(slot("context-menu"), 24));
    EXPECT_TRUE(m_prompts.messages.empty());
}

TEST_F(CursorThemeEditorTest, AFileThatCannotBeReadIsReportedAndTheRoleKeepsItsCursor) {
    const QString good = cursorFile("arrow", 0xFF0000FF, 2, 3);
    ASSERT_TRUE(m_editor.assignFile(slot("default"), good));
    QFile bad(m_dir.filePath(QStringLiteral("bad")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("Xcur but nothing else");
    bad.close();
    for (const QString& path : {bad.fileName(), m_dir.filePath(QStringLiteral("missing"))}) {
        SCOPED_TRACE(path.toStdString());
        m_prompts.answer(MessageAnswer::OK);
        EXPECT_FALSE(m_editor.assignFile(slot("default"), path));
        ASSERT_FALSE(m_prompts.messages.empty());
        EXPECT_EQ(m_prompts.messages.back().Kind, MessageKind::Error);
        EXPECT_TRUE(m_prompts.messages.back().Text.contains(QFileInfo(path).fileName()));
        EXPECT_EQ(m_editor.roleSlots()[std::size_t(slot("default"))].File, good);
    }
}

TEST_F(CursorThemeEditorTest, ExportWritesTheThemeAndImportReadsItBack) {
    ASSERT_TRUE(m_editor.assignFile(slot("default"), cursorFile("arrow", 0xFF0000FF, 2, 3)));
    ASSERT_TRUE(m_editor.assignFile(slot("pointer"), cursorFile("hand", 0xFFFF0000, 9, 1)));
    m_editor.Comment = QStringLiteral("Two roles");
    ASSERT_TRUE(m_editor.setSizesText(QStringLiteral("24,48")));
    // The chosen path is the theme folder; roles without a cursor are named.
    m_prompts.saveFileAnswer(FileChoice{m_dir.filePath(QStringLiteral("icons/Reds")), 1});
    m_prompts.answer(MessageAnswer::OK);
    ASSERT_TRUE(m_editor.exportClick());
    EXPECT_EQ(m_editor.Name, QStringLiteral("Reds"));
    ASSERT_EQ(m_prompts.messages.size(), 1u);
    EXPECT_TRUE(m_prompts.messages[0].Text.contains(QStringLiteral("Text Select")));
    EXPECT_FALSE(m_prompts.messages[0].Text.contains(QStringLiteral("Link Select")));
    const QString cursors = m_dir.filePath(QStringLiteral("icons/Reds/cursors"));
    EXPECT_EQ(QFileInfo(cursors + QStringLiteral("/hand2")).symLinkTarget(),
              cursors + QStringLiteral("/pointer"));

    CursorThemeEditor other(m_prompts, TransparencySettings());
    m_prompts.openFileAnswer(
        FileChoice{m_dir.filePath(QStringLiteral("icons/Reds/index.theme")), 1});
    ASSERT_TRUE(other.importClick());
    EXPECT_EQ(other.Name, QStringLiteral("Reds"));
    EXPECT_EQ(other.Comment, QStringLiteral("Two roles"));
    int given = 0;
    for (const CursorThemeEditor::Slot& s : other.roleSlots())
        given += s.Cursor.Images.empty() ? 0 : 1;
    EXPECT_EQ(given, 2);
    const std::optional<XcursorImage> hand = other.preview(other.slotOf(FindCursorRole("grab")), 48);
    ASSERT_TRUE(hand);
    EXPECT_EQ(hand->HotSpotX, 9); // pixel art at 48 stays 32 pixels
    EXPECT_EQ(hand->Pixels.front(), 0xFFFF0000u);

    // Nothing given: nothing written, and said so.
    CursorThemeEditor empty(m_prompts, TransparencySettings());
    m_prompts.answer(MessageAnswer::OK);
    EXPECT_FALSE(empty.exportTo(m_dir.filePath(QStringLiteral("icons"))));
    EXPECT_EQ(m_prompts.messages.back().Kind, MessageKind::Error);
}

TEST_F(CursorThemeEditorTest, AWindowsSchemeFillsItsSlots) {
    cursorFile("Normal.cur", 0xFF0000FF, 1, 1);
    cursorFile("busy.ani", 0xFF00FF00, 5, 5); // any readable cursor file will do
    QFile inf(m_dir.filePath(QStringLiteral("Install.inf")));
    ASSERT_TRUE(inf.open(QIODevice::WriteOnly));
    inf.write("[Scheme.Reg]\nHKCU,\"Control Panel\\Cursors\\Schemes\",\"Green\",,"
              "\"normal.cur,,,BUSY.ANI,,,,,,,,,,,,,missing.cur\"\n");
    inf.close();
    m_prompts.answer(MessageAnswer::OK); // the missing Person Select file
    ASSERT_TRUE(m_editor.loadInstallInf(inf.fileName()));
    EXPECT_EQ(m_editor.Name, QStringLiteral("Green"));
    EXPECT_FALSE(m_editor.roleSlots()[std::size_t(slot("default"))].Cursor.Images.empty());
    EXPECT_FALSE(m_editor.roleSlots()[std::size_t(slot("wait"))].Cursor.Images.empty());
    EXPECT_TRUE(m_editor.roleSlots()[std::size_t(slot("help"))].Cursor.Images.empty());
    ASSERT_EQ(m_prompts.messages.size(), 1u);
    EXPECT_TRUE(m_prompts.messages[0].Text.contains(QStringLiteral("missing.cur")));
}

TEST_F(CursorThemeEditorTest, AnAnimatedCursorGivesARoleEveryStepWithItsDelay) {
    // Two frames played 1, 2, 1 for 6, 3 and 6 jiffies.
    AniContents ani;
    for (std::uint32_t colour : {0xFF0000FFu, 0xFF00FF00u}) {
        AniFrame frame;
        frame.Icon.FileType = IconFile::TypeCursor;
        IconRaster r;
        r.Width = r.Height = 32;
        r.HotSpotX = 5;
        r.HotSpotY = 6;
        r.Pixels.assign(32 * 32, colour);
        frame.Icon.Images.push_back(r);
        ani.Frames.push_back(frame);
    }
    ani.Info.Steps = {{0, 6}, {1, 3}, {0, 6}};
    ani.Info.DisplayRate = 6;
    const std::vector<std::uint8_t> bytes = EncodeAniFile(ani, TransparencySettings());
    const QString path = m_dir.filePath(QStringLiteral("busy.ani"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    f.close();

    ASSERT_TRUE(m_editor.assignFile(slot("progress"), path));
    EXPECT_EQ(m_editor.frameCount(slot("progress")), 3);
    // The preview plays the steps at their delays, over and over.
    const std::pair<std::uint64_t, std::uint32_t> moments[] = {
        {0, 0xFF0000FF}, {99, 0xFF0000FF}, {100, 0xFF00FF00}, {160, 0xFF0000FF}, {260, 0xFF0000FF},
        {355, 0xFF00FF00}};
    for (const auto& [at, colour] : moments) {
        SCOPED_TRACE(at);
        const std::optional<XcursorImage> shown = m_editor.previewAt(slot("progress"), 32, at);
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->Pixels.front(), colour);
    }
    ASSERT_TRUE(m_editor.setSizesText(QStringLiteral("24")));
    m_prompts.answer(MessageAnswer::OK); // the roles left without a cursor
    ASSERT_TRUE(m_editor.exportTo(m_dir.filePath(QStringLiteral("icons"))));
    QFile written(m_dir.filePath(QStringLiteral("icons/My Cursors/cursors/progress")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray x = written.readAll();
    const XcursorContents c = DecodeXcursorFile(
        reinterpret_cast<const std::uint8_t*>(x.constData()), std::size_t(x.size()), "progress");
    ASSERT_EQ(c.Images.size(), 3u);
    const std::uint32_t delays[] = {100, 50, 100};
    const std::uint32_t colours[] = {0xFF0000FF, 0xFF00FF00, 0xFF0000FF};
    for (std::size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(c.Images[k].NominalSize, 24u);
        EXPECT_EQ(c.Images[k].DelayMs, delays[k]);
        EXPECT_EQ(c.Images[k].Pixels.front(), colours[k]);
        EXPECT_EQ(c.Images[k].HotSpotX, 4); // the centre of pixel 5 of 32 lies in pixel 4 of 24
    }
}
