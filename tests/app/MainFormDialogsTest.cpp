#include "MainFormTestSupport.h"
#include "app/ui/AboutBox.h"
#include "app/ui/QtPrompter.h"
#include "app/ui/ULForm.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

TEST_F(MainFormTest, SettingPromptsKeepTheirRanges) {
    TMainForm& f = form();
    f.show();
    const struct {
        QAction* Command;
        const char* Caption;
        const char* Hint;
        int Maximum;
        std::function<int()> Value;
    } prompts_[] = {
        {f.commands().action("UndoLevel1"), "Undo Level", "Specifies undo level.", 999,
         [&] { return f.session().settings().UndoMax; }},
        {f.commands().action("ransparencyalpharange1"), "Transparency alpha range",
         "Specifies transparency alpha range.", 255,
         [&] { return int(f.session().settings().TraRange); }},
    };
    for (const auto& p : prompts_) {
        SCOPED_TRACE(p.Caption);
        const int before = p.Value();
        // Cancel changes nothing, whatever was typed.
        withModal<TULForm>([&] { p.Command->trigger(); },
                           [&](TULForm& d) {
                               EXPECT_EQ(d.windowTitle(), QLatin1String(p.Caption));
                               // The question stands in the dialog, above
                               // the edit and the buttons, all inside.
                               EXPECT_TRUE(d.Question->isVisible());
                               EXPECT_EQ(d.Question->text(), QStringLiteral("%1 (1 to %2):")
                                                                 .arg(QLatin1String(p.Caption))
                                                                 .arg(p.Maximum));
                               const QRect asked = d.Question->geometry();
                               EXPECT_GE(asked.width(), d.Question->sizeHint().width());
                               for (QWidget* w :
                                    {static_cast<QWidget*>(d.Ed), static_cast<QWidget*>(d.OK),
                                     static_cast<QWidget*>(d.Cancel)}) {
                                   EXPECT_GT(w->y(), asked.bottom());
                                   EXPECT_TRUE(d.rect().contains(w->geometry()));
                               }
                               EXPECT_TRUE(d.rect().contains(asked));
                               EXPECT_EQ(d.Ed->value(), before);
                               EXPECT_EQ(d.Ed->statusTip(), QLatin1String(p.Hint));
                               d.Ed->setValue(5);
                               d.Cancel->click();
                           });
        EXPECT_EQ(p.Value(), before);
        // Values beyond the range stop at its ends.
        for (const auto& [typed, kept] : {std::pair{100000, p.Maximum}, std::pair{0, 1}}) {
            withModal<TULForm>([&] { p.Command->trigger(); },
                               [&, typed = typed](TULForm& d) {
                                   d.Ed->setValue(typed);
                                   d.OK->click();
                               });
            EXPECT_EQ(p.Value(), kept);
        }
    }
}

TEST_F(MainFormTest, HelpOpensOurHelpDocument) {
    TMainForm& f = form();
    f.commands().action("HelpA")->trigger();
    ASSERT_EQ(shell.files.size(), 1);
    EXPECT_EQ(shell.files[0], QStringLiteral(BRISEL_DATA_DIR "/briselhelp.html"));
    EXPECT_TRUE(QFileInfo::exists(shell.files[0]));
    EXPECT_TRUE(prompts.messages.empty());

    f.commands().action("VisitHomepage1")->trigger();
    EXPECT_EQ(shell.urls, QStringList{QLatin1String(TMainForm::HomePage)});
}

TEST_F(MainFormTest, MissingHelpOrBrowserIsReported) {
    QTemporaryDir emptyInstall;
    prompts.answer(MessageAnswer::OK); // no colour chart there either
    TMainForm& f = form(emptyInstall.path() + QLatin1Char('/'));
    prompts.answer(MessageAnswer::OK);
    f.commands().action("HelpA")->trigger();
    EXPECT_TRUE(shell.files.isEmpty());
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_TRUE(prompts.messages[1].Text.contains(QStringLiteral("briselhelp.html")));

    shell.succeed = false;
    prompts.answer(MessageAnswer::OK);
    f.commands().action("VisitHomepage1")->trigger();
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.messages[2].Kind, MessageKind::Error);
}

// Where the desktop has no browser for the help page, the message says where
// the page is, so it can be opened by hand.
TEST_F(MainFormTest, HelpWithoutBrowserSaysWhereTheDocumentIs) {
    shell.succeed = false;
    TMainForm& f = form();
    prompts.answer(MessageAnswer::OK);
    f.commands().action("HelpA")->trigger();
    ASSERT_EQ(shell.files, QStringList{QStringLiteral(BRISEL_DATA_DIR "/briselhelp.html")});
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(prompts.messages[0].Text, QStringLiteral("No web browser could be started to show "
                                                       "the help.\nThe help document is \"") +
                                            QStringLiteral(BRISEL_DATA_DIR "/briselhelp.html\"."));
}

TEST_F(MainFormTest, AboutBox) {
    TMainForm& f = form();
    f.show();
    withModal<TAboutBox>([&] { f.commands().action("About1")->trigger(); },
                         [](TAboutBox& d) {
                             EXPECT_EQ(d.windowTitle(), QStringLiteral("About"));
                             EXPECT_EQ(d.size(), QSize(298, 213));
                             EXPECT_EQ(d.OKButton->text(), QStringLiteral("OK"));
                             EXPECT_EQ(d.OKButton->statusTip(),
                                       QStringLiteral("Closes dialog box."));
                             d.OKButton->click();
                         });
}

TEST(QtPrompterFilters, PairsBecomeQtNameFilters) {
    EXPECT_EQ(QtPrompter::nameFilters(QStringLiteral(
                  "All supported files|*.ico;*.cur|Windows icon (*.ico)|*.ico|Windows cursor "
                  "(*.cur)|*.cur")),
              (QStringList{QStringLiteral("All supported files (*.ico *.cur)"),
                           QStringLiteral("Windows icon (*.ico)"),
                           QStringLiteral("Windows cursor (*.cur)")}));
    EXPECT_EQ(QtPrompter::nameFilters(QStringLiteral("Bitmaps (*.bmp)|*.bmp|broken")),
              QStringList{QStringLiteral("Bitmaps (*.bmp)")});
}
