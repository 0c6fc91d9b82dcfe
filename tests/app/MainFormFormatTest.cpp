#include "MainFormTestSupport.h"
#include "SessionTestSupport.h"
#include "document/DefaultPalette.h"
#include "document/ui/PalFrm.h"
#include "document/ui/ColourPickBox.h"

#include <QAction>
#include <QPushButton>

namespace {

// The entry that is checked, and which entries show the check glyph.
QString checkedEntry(TMainForm& F) {
    QString checked;
    for (QAction* a : F.commands().formatItems()) {
        if (a->isChecked()) checked += a->objectName();
        EXPECT_EQ(a->icon().isNull(), !a->isChecked()) << a->objectName().toStdString();
    }
    return checked;
}

// The menu entries: the question's answer decides the format, and after
// Cancel the check mark is back on the format the image has.
TEST_F(MainFormTest, FormatEntriesCheckTheFormatTheImageHas) {
    TMainForm& f = form();
    const MainCommands& c = f.commands();
    EXPECT_EQ(checkedEntry(f), QStringLiteral("rueColorwithAplpha1"));
    const struct {
        const char* Entry;
        std::optional<MessageAnswer> Answer;
        const char* Checked;
    } steps[] = {
        {"N16Colors1", MessageAnswer::Cancel, "rueColorwithAplpha1"},
        {"N256Color1", MessageAnswer::No, "N256Color1"},
        {"N256Color1", std::nullopt, "N256Color1"},
        {"N21", MessageAnswer::Yes, "N21"},
        {"N16Colors1", std::nullopt, "N16Colors1"},
        {"N21", MessageAnswer::Cancel, "N16Colors1"},
        {"reuColors1", std::nullopt, "reuColors1"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.Entry);
        if (step.Answer) prompts.answer(*step.Answer);
        c.action(QLatin1String(step.Entry))->trigger();
        EXPECT_EQ(checkedEntry(f), QLatin1String(step.Checked));
        EXPECT_EQ(c.action("PalA")->isEnabled(), f.session().ActiveImage().Format < 24);
    }
    // Undo goes back over the format changes, the menu with them.
    c.action("UndoA")->trigger();
    EXPECT_EQ(checkedEntry(f), QStringLiteral("N16Colors1"));
    EXPECT_TRUE(c.action("PalA")->isEnabled());
}

// "Configure Palette" opens the dialog on the image's palette; OK gives the
// image the edited palette.
TEST_F(MainFormTest, ConfigurePaletteOpensTheDialog) {
    TMainForm& f = form();
    f.show();
    prompts.answer(MessageAnswer::No);
    f.commands().action("N21")->trigger();
    const std::vector<TColor> two = DefaultPalette(1, testDataDir()).entries();

    withModal<TPalFrm>([&] { f.commands().action("PalA")->trigger(); },
                       [&](TPalFrm& d) {
                           EXPECT_EQ(d.windowTitle(), QStringLiteral("Configure Palette"));
                           EXPECT_EQ(d.editor().workingCopy().entries(), two);
                           EXPECT_EQ(d.Bitmapo()->cursor().shape(), f.cursors().cursor(26).shape());
                           d.editor().BitmapoMouseDown(0x336699u);
                           d.editor().ColorsBoxMouseDown({70, 10});
                           d.button("OK")->click();
                       });
    EXPECT_EQ(f.session().ActiveImage().Palette.entries(),
              (std::vector<TColor>{two[0], 0x336699u}));
    EXPECT_TRUE(f.session().commandStates().UndoA);
}

} // namespace
