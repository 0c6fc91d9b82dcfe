// The "Cursor Theme" window shows what its editor holds: a cell per role,
// the preview of every role given at every size, the fields.

#include "SchemeDrawing.h"
#include "ScriptedPrompter.h"

#include "cursortheme/ui/CursorThemeForm.h"
#include "cursortheme/ui/RoleCell.h"
#include "cursortheme/ui/ThemePreview.h"
#include "document/file/XcursorWriter.h"
#include "session/CursorThemeEditor.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Writes the drawn scheme as X cursor files and gives each to its role.
void giveFullScheme(CursorThemeEditor& Editor, const QTemporaryDir& Dir) {
    for (const CursorRole* r : SchemeCursorRoles()) {
        const std::vector<std::uint8_t> bytes = EncodeXcursorFile(DrawSchemeCursor(*r));
        const QString path = Dir.filePath(QString::fromStdString(r->mainName()));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        f.close();
        ASSERT_TRUE(Editor.assignFile(Editor.slotOf(r), path));
    }
}

QLineEdit* field(CursorThemeForm& Form, const char* Name) {
    QLineEdit* edit = Form.findChild<QLineEdit*>(QLatin1String(Name));
    EXPECT_NE(edit, nullptr) << Name;
    return edit;
}

} // namespace

TEST(CursorThemeForm, ShowsEveryRoleTheFieldsAndThePreview) {
    QTemporaryDir dir;
    ScriptedPrompter prompts;
    CursorThemeEditor editor(prompts, TransparencySettings());
    CursorThemeForm form(editor);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Cursor Theme"));
    EXPECT_EQ(form.findChildren<RoleCell*>().size(), qsizetype(CursorRoles().size()));
    ThemePreview* preview = form.findChild<ThemePreview*>();
    ASSERT_NE(preview, nullptr);
    const int emptyHeight = preview->sizeHint().height();

    giveFullScheme(editor, dir);
    form.refresh();
    // Rows for the scheme's roles only: the other roles stand in.
    EXPECT_EQ(preview->sizeHint().height(), emptyHeight);
    const int wide = preview->sizeHint().width();

    // The fields write through; a bad size list goes back to the sizes held.
    QLineEdit* name = field(form, "name");
    QLineEdit* sizes = field(form, "sizes");
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Blue Glass"));
    EXPECT_EQ(editor.Name, QStringLiteral("Blue Glass"));
    sizes->setText(QStringLiteral("24, 32, nonsense"));
    emit sizes->editingFinished();
    EXPECT_EQ(sizes->text(), QStringLiteral("24, 32, 48, 64, 96"));
    sizes->setText(QStringLiteral("24 32"));
    emit sizes->editingFinished();
    EXPECT_EQ(editor.sizesText(), QStringLiteral("24, 32"));
    EXPECT_LT(preview->sizeHint().width(), wide);

    // The window as a user sees it, for looking at.
    if (const QByteArray shots = qgetenv("BRISEL_SHOT_DIR"); !shots.isEmpty()) {
        ASSERT_TRUE(editor.setSizesText(QStringLiteral("24,32,48,64,96")));
        form.refresh();
        form.resize(1100, 900);
        form.show();
        QTest::qWait(50);
        form.grab().save(QDir(QString::fromLocal8Bit(shots)).filePath(
            QStringLiteral("cursor-theme-window.png")));
    }
}
