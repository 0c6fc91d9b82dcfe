#include "ScriptedPrompter.h"
#include "SessionTestSupport.h"
#include "canvas/tools/ToolInfo.h"
#include "document/DefaultPalette.h"
#include "document/ImageCaption.h"
#include "document/PaletteOps.h"
#include "session/PalettePrompt.h"
#include "session/SessionTools.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>

namespace {

constexpr TColor32 Red = 0xFF0000FFu;
constexpr TColor32 Green = 0xFF00FF00u;
constexpr TColor32 ClearBlack = 0x00000000u;

// Answers the palette dialog from a script and remembers what it was shown.
class ScriptedPalette : public PalettePrompt {
public:
    ~ScriptedPalette() override { EXPECT_TRUE(answers.empty()) << "palette answers left"; }
    std::optional<PalettePicture> askPalette(const PalettePicture& Current) override {
        shown.push_back(Current.entries());
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected palette dialog";
            return std::nullopt;
        }
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<PalettePicture>> answers;
    std::vector<std::vector<TColor>> shown;
};

class SessionFormat : public ::testing::Test {
protected:
    SessionFormat() {
        s.NewAExecute(true);
        s.setPalettePrompt(&palettes);
    }
    // The committed picture: rows of the given pixels, repeated to fill the
    // image, recorded as one change.
    void paintRows(std::initializer_list<TColor32> Pixels) {
        const std::vector<TColor32> pattern(Pixels);
        auto& bits = s.WorkBitmap().Bits;
        for (std::size_t i = 0; i < bits.size(); ++i)
            bits[i] = pattern[i % pattern.size()];
        s.commit();
        s.PushUndo();
    }
    std::vector<TColor> defaults(ColourFormat F) {
        return DefaultPalette(F, testDataDir()).entries();
    }
    // Every pixel with some alpha is an opaque palette colour.
    void expectFitted() {
        const std::vector<TColor> entries = s.ActiveImage().Palette.entries();
        for (TColor32 p : s.CleanBitmap().Bits) {
            if (AlphaOf(p) == 0) continue;
            ASSERT_EQ(AlphaOf(p), 255);
            ASSERT_NE(std::find(entries.begin(), entries.end(), Color32ToColor(p)), entries.end());
        }
        EXPECT_EQ(s.ActiveImage().Pixels.Bits, s.CleanBitmap().Bits) << "the record follows";
        EXPECT_EQ(s.WorkBitmap().Bits, s.CleanBitmap().Bits);
    }

    ScriptedPrompter prompts;
    ScriptedPalette palettes;
    EditSession s{prompts, testDataDir()};
};

// Which changes ask for a palette made from the image, and what each answer
// leaves as the palette.
TEST_F(SessionFormat, QuestionAndPaletteForEachChange) {
    const struct {
        ColourFormat From, To;
        std::optional<MessageAnswer> Answer; // nothing: no question
        bool FromImage;
    } cases[] = {
        {32, 1, MessageAnswer::Yes, true}, {32, 4, MessageAnswer::No, false},
        {24, 8, MessageAnswer::Yes, true}, {8, 4, MessageAnswer::Yes, true},
        {4, 1, MessageAnswer::No, false},  {4, 8, std::nullopt, false},
        {1, 4, std::nullopt, false},       {8, 24, std::nullopt, false},
        {4, 32, std::nullopt, false},      {32, 24, std::nullopt, false},
        {24, 32, std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 -> %2").arg(c.From).arg(c.To).toStdString());
        s.NewAExecute(true);
        if (c.From != 32) {
            if (c.From < 24) prompts.answer(MessageAnswer::No);
            ASSERT_TRUE(s.rueColorwithAplpha1Click(c.From));
        }
        paintRows({0xFF123456u, Red, 0xFF654321u});
        const std::size_t asked = prompts.messages.size();
        if (c.Answer) prompts.answer(*c.Answer);
        EXPECT_TRUE(s.rueColorwithAplpha1Click(c.To));
        EXPECT_EQ(prompts.messages.size() - asked, c.Answer ? 1u : 0u);
        if (c.Answer) {
            EXPECT_EQ(prompts.messages.back().Text,
                      QStringLiteral("Do you want to create a palette from source icon?"));
            EXPECT_EQ(prompts.messages.back().Kind, MessageKind::Confirmation);
            EXPECT_EQ(prompts.messages.back().Buttons, mbYesNoCancel);
        }
        EXPECT_EQ(s.ActiveImage().Format, c.To);
        EXPECT_EQ(s.commandStates().PalA, c.To < 24);
        EXPECT_EQ(s.ActiveImage().Caption, QStringLiteral("32 x 32  %1").arg(*FormatLabel(c.To)));
        const PalettePicture& palette = s.ActiveImage().Palette;
        if (c.To >= 24) {
            EXPECT_EQ(palette.count(), ColourChartHeight);
            continue;
        }
        ASSERT_EQ(palette.count(), PaletteEntryCount(c.To));
        std::vector<TColor> expected = defaults(c.To);
        // The picture's distinct colours in reading order take the leading
        // entries; the default tail stays.
        if (c.FromImage)
            for (std::size_t i = 0; i < std::min<std::size_t>(3, expected.size()); ++i)
                expected[i] = std::vector<TColor>{0x123456u, 0x0000FFu, 0x654321u}[i];
        EXPECT_EQ(palette.entries(), expected);
        expectFitted();
    }
}

// The first distinct colours in reading order, transparent black among them
// when it comes first; a one-colour image keeps the default tail.
TEST_F(SessionFormat, YesMakesThePaletteFromTheImagesColours) {
    paintRows({ClearBlack, Red, Green});
    prompts.answer(MessageAnswer::Yes);
    ASSERT_TRUE(s.rueColorwithAplpha1Click(1));
    EXPECT_EQ(s.ActiveImage().Palette.entries(), (std::vector<TColor>{0x000000u, 0x0000FFu}));
    EXPECT_EQ(s.CleanBitmap().GetPixel(0, 0), ClearBlack) << "alpha 0 stays as it was";
    EXPECT_EQ(s.CleanBitmap().GetPixel(1, 0), Red);
    EXPECT_EQ(s.CleanBitmap().GetPixel(2, 0), 0xFF000000u) << "green is nearer black than red";

    s.NewAExecute(true);
    paintRows({0xFF406080u});
    prompts.answer(MessageAnswer::Yes);
    ASSERT_TRUE(s.rueColorwithAplpha1Click(4));
    std::vector<TColor> expected = defaults(4);
    expected[0] = 0x406080u;
    EXPECT_EQ(s.ActiveImage().Palette.entries(), expected);
    expectFitted();
}

// Cancel leaves everything as it was and records nothing; the same format
// again is no change at all.
TEST_F(SessionFormat, CancelAndTheSameFormatChangeNothing) {
    paintRows({0xFF406080u, Red});
    const std::vector<TColor> chart = s.ActiveImage().Palette.entries();
    const std::vector<TColor32> pixels = s.CleanBitmap().Bits;
    s.setModified(false);
    QSignalSpy formats(&s, &EditSession::formatChanged);

    prompts.answer(MessageAnswer::Cancel);
    EXPECT_FALSE(s.rueColorwithAplpha1Click(8));
    EXPECT_FALSE(s.rueColorwithAplpha1Click(32));
    EXPECT_EQ(s.ActiveImage().Format, 32);
    EXPECT_EQ(s.ActiveImage().Palette.entries(), chart);
    EXPECT_EQ(s.CleanBitmap().Bits, pixels);
    EXPECT_EQ(s.undoHistory().UndoCount(), 2);
    EXPECT_FALSE(s.document().Modified);
    EXPECT_FALSE(s.commandStates().PalA);
    EXPECT_EQ(formats.count(), 0);
}

// The change is one undo step: undo brings back the pixels, the format and
// the palette together, redo the converted image.
TEST_F(SessionFormat, UndoAndRedoAcrossAFormatChange) {
    paintRows({0x80406080u, Red, 0xFF123456u});
    const std::vector<TColor32> before = s.CleanBitmap().Bits;
    const std::vector<TColor> chart = s.ActiveImage().Palette.entries();
    QSignalSpy formats(&s, &EditSession::formatChanged);

    prompts.answer(MessageAnswer::No);
    ASSERT_TRUE(s.rueColorwithAplpha1Click(4));
    const std::vector<TColor32> converted = s.CleanBitmap().Bits;
    EXPECT_NE(converted, before);
    EXPECT_EQ(s.undoHistory().UndoCount(), 3);
    EXPECT_EQ(formats.count(), 1);

    s.UndoAExecute();
    EXPECT_EQ(s.ActiveImage().Format, 32);
    EXPECT_EQ(s.ActiveImage().Palette.entries(), chart);
    EXPECT_EQ(s.CleanBitmap().Bits, before);
    EXPECT_FALSE(s.commandStates().PalA);

    s.RedoAExecute();
    EXPECT_EQ(s.ActiveImage().Format, 4);
    EXPECT_EQ(s.ActiveImage().Palette.entries(), defaults(4));
    EXPECT_EQ(s.CleanBitmap().Bits, converted);
    EXPECT_TRUE(s.commandStates().PalA);
}

// Between the true-colour formats, and from a palette to true colour, no
// pixel changes: alpha is kept in memory in every format.
TEST_F(SessionFormat, TrueColourKeepsEveryPixel) {
    paintRows({0x80406080u, ClearBlack, 0x01FFFFFFu});
    const std::vector<TColor32> pixels = s.CleanBitmap().Bits;
    ASSERT_TRUE(s.rueColorwithAplpha1Click(24));
    EXPECT_EQ(s.CleanBitmap().Bits, pixels);
    prompts.answer(MessageAnswer::No);
    ASSERT_TRUE(s.rueColorwithAplpha1Click(8));
    const std::vector<TColor32> fitted = s.CleanBitmap().Bits;
    ASSERT_TRUE(s.rueColorwithAplpha1Click(32));
    EXPECT_EQ(s.CleanBitmap().Bits, fitted);
}

// Into a palette format the swatches take palette colours and keep their
// alphas; the working copies follow the "Blend Colors" switch.
TEST_F(SessionFormat, SwatchesAndBlendFollowTheNewFormat) {
    s.setForegroundColor32(0x80A0C0D0u);
    s.setBackgroundColor32(0x00202020u);
    s.tools().options().Blen = false;
    prompts.answer(MessageAnswer::No);
    ASSERT_TRUE(s.rueColorwithAplpha1Click(1));
    const PalettePicture& p = s.ActiveImage().Palette;
    EXPECT_EQ(s.ForegroundColor32(), SetAlpha(NearestPaletteColor(0xA0C0D0u, 1, p), 0x80));
    EXPECT_EQ(s.BackgroundColor32(), SetAlpha(NearestPaletteColor(0x202020u, 1, p), 0));
    EXPECT_FALSE(s.WorkBitmap().Blend);
    EXPECT_FALSE(s.CleanBitmap().Blend);
}

// A tool's hover preview is not taken into the converted image.
TEST_F(SessionFormat, AHoverPreviewIsDroppedFirst) {
    s.tools().controller().freeClick(BrushTag);
    ASSERT_TRUE(s.tools().controller().currentDrawsHoverPreview());
    s.WorkBitmap().SetPixel(4, 4, Red); // what a hover leaves in the WorkBitmap
    ASSERT_TRUE(s.rueColorwithAplpha1Click(24));
    EXPECT_EQ(s.WorkBitmap().GetPixel(4, 4), 0u);
    EXPECT_EQ(s.ActiveImage().Pixels.GetPixel(4, 4), 0u);
}

// Without its default palette a format cannot be taken: the reason is
// shown and nothing changes.
TEST_F(SessionFormat, AMissingDefaultPaletteChangesNothing) {
    QTemporaryDir install;
    ASSERT_TRUE(QDir(install.path()).mkpath(QStringLiteral("Use Files")));
    for (const char* name : {"True.bmp", "2.bmp"})
        ASSERT_TRUE(QFile::copy(UseFilesFolder(testDataDir()) + QLatin1Char('/') + name,
                                UseFilesFolder(install.path()) + QLatin1Char('/') + name));
    EditSession other{prompts, install.path() + QLatin1Char('/')};
    other.NewAExecute(true);
    prompts.answer(MessageAnswer::OK);
    EXPECT_FALSE(other.rueColorwithAplpha1Click(4));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].Kind, MessageKind::Error);
    EXPECT_TRUE(prompts.messages[0].Text.contains(QStringLiteral("16.bmp")));
    EXPECT_EQ(other.ActiveImage().Format, 32);
    EXPECT_EQ(other.undoHistory().UndoCount(), 1);
}

// "Configure Palette": OK gives the image the palette and fits the picture
// to it as one undo step; Cancel changes nothing.
TEST_F(SessionFormat, ConfigurePaletteAppliesOnOkOnly) {
    constexpr TColor32 Brown = 0xFF3070B0u;
    paintRows({Brown, Green, ClearBlack});
    prompts.answer(MessageAnswer::Yes);
    ASSERT_TRUE(s.rueColorwithAplpha1Click(4));
    const std::vector<TColor> old = s.ActiveImage().Palette.entries();
    const std::vector<TColor32> oldPixels = s.CleanBitmap().Bits;
    const int entries = s.undoHistory().UndoCount();

    palettes.answers.push_back(std::nullopt);
    s.PalAExecute();
    EXPECT_EQ(palettes.shown.back(), old);
    EXPECT_EQ(s.ActiveImage().Palette.entries(), old);
    EXPECT_EQ(s.undoHistory().UndoCount(), entries);

    // The brown entry edited: brown pixels move to the nearest colour left.
    std::vector<TColor> edited = old;
    ASSERT_EQ(edited[0], 0x3070B0u);
    edited[0] = 0x3070A0u;
    palettes.answers.push_back(PalettePicture::fromEntries(edited));
    s.setForegroundColor32(Brown);
    s.PalAExecute();
    EXPECT_EQ(s.ActiveImage().Palette.entries(), edited);
    EXPECT_EQ(s.CleanBitmap().GetPixel(0, 0), 0xFF3070A0u);
    EXPECT_EQ(s.CleanBitmap().GetPixel(1, 0), Green);
    EXPECT_EQ(s.CleanBitmap().GetPixel(2, 0), ClearBlack);
    EXPECT_EQ(Color32ToColor(s.ForegroundColor32()), 0x3070A0u) << "swatches take the palette";
    EXPECT_EQ(s.undoHistory().UndoCount(), entries + 1);
    expectFitted();

    s.UndoAExecute();
    EXPECT_EQ(s.ActiveImage().Palette.entries(), old);
    EXPECT_EQ(s.CleanBitmap().Bits, oldPixels);

    // True colour has no palette to configure.
    ASSERT_TRUE(s.rueColorwithAplpha1Click(32));
    s.PalAExecute();
    EXPECT_EQ(palettes.shown.size(), 2u);
}

// The writer stores only the format's number of entries, so a palette of
// another size would change colours silently on saving: it is refused.
TEST_F(SessionFormat, APaletteOfTheWrongSizeNeverReachesTheImage) {
    prompts.answer(MessageAnswer::No);
    ASSERT_TRUE(s.rueColorwithAplpha1Click(1));
    const std::vector<TColor> two = s.ActiveImage().Palette.entries();
    for (int size : {16, 1, 0}) {
        SCOPED_TRACE(size);
        palettes.answers.push_back(
            PalettePicture::fromEntries(std::vector<TColor>(std::size_t(size), 0x00FF00u)));
        prompts.answer(MessageAnswer::OK);
        s.PalAExecute();
        EXPECT_EQ(prompts.messages.back().Kind, MessageKind::Error);
        EXPECT_EQ(s.ActiveImage().Palette.entries(), two);
    }
}

} // namespace
