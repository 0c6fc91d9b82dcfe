#include "app/SettingsStore.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A private store in a temporary folder: never the user's own settings.
struct TempStore {
    QTemporaryDir dir;
    std::unique_ptr<QSettings> store;
    TempStore() {
        store = std::make_unique<QSettings>(dir.filePath(QStringLiteral("brisel.ini")),
                                            QSettings::IniFormat);
    }
    QSettings& operator*() { return *store; }
};

} // namespace

TEST(SettingsStore, AnEmptyStoreGivesTheFirstRunValues) {
    TempStore t;
    const ProgramSettings s = readSettings(*t);
    EXPECT_EQ(s.Left, 197);
    EXPECT_EQ(s.Top, 114);
    EXPECT_EQ(s.Width, 712);
    EXPECT_EQ(s.Height, 550);
    EXPECT_EQ(s.GridColor, 0x808080u);
    EXPECT_EQ(s.TraColor, 0xD2BB6Au);
    EXPECT_EQ(s.InvColor, 0x72B0CBu);
    EXPECT_EQ(s.UndoMax, 10);
    EXPECT_TRUE(s.Grid);
    EXPECT_TRUE(s.Tool);
    EXPECT_TRUE(s.Status);
    EXPECT_EQ(s.Icons, 121);
    EXPECT_EQ(s.TraRange, 100);
    EXPECT_EQ(s.FontName, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(s.FontSize, 8);
    EXPECT_FALSE(s.FontBold || s.FontItalic || s.FontUnderline || s.FontStrikeout);
    EXPECT_TRUE(s.CustomColors.lines().isEmpty());
}

TEST(SettingsStore, WritesEveryValueAndReadsItBack) {
    TempStore t;
    ProgramSettings s;
    s.Left = -5;
    s.Top = 40;
    s.Width = 900;
    s.Height = 700;
    s.GridColor = 0x010203;
    s.TraColor = 0xFF00FF;
    s.InvColor = 0x000000;
    s.UndoMax = 999;
    s.Grid = false;
    s.Tool = false;
    s.Status = true;
    s.Icons = 200;
    s.TraRange = 1;
    s.FontName = QStringLiteral("DejaVu Sans");
    s.FontSize = 12;
    s.FontItalic = true;
    s.FontStrikeout = true;
    s.CustomColors.addLine(0, QStringLiteral("0000FF"));
    s.CustomColors.addLine(1, QStringLiteral("ABCDEF"));
    writeSettings(*t, s);

    QSettings& raw = *t;
    const QStringList expected = {
        "Left",        "Top",         "Width",          "Height",         "Grid Color",
        "Tra Color",   "Inv Color",   "Undo Redo Max",  "Grid",           "Tool",
        "Status",      "Icons",       "Tra Range",      "Font Name",      "Font Size",
        "Font Bold",   "Font Italic", "Font Underline", "Font Strikeout", "CustomColor0",
        "CustomColor1"};
    QStringList keys = raw.allKeys();
    keys.sort();
    QStringList sortedExpected = expected;
    sortedExpected.sort();
    EXPECT_EQ(keys, sortedExpected);
    // Booleans are the integers 0 and 1; colours are RGB values, red low.
    EXPECT_EQ(raw.value("Grid").toString(), QStringLiteral("0"));
    EXPECT_EQ(raw.value("Status").toString(), QStringLiteral("1"));
    EXPECT_EQ(raw.value("Tra Color").toInt(), 0xFF00FF);
    EXPECT_EQ(raw.value("CustomColor1").toString(), QStringLiteral("ABCDEF"));

    const ProgramSettings r = readSettings(raw);
    EXPECT_EQ(r.Left, -5);
    EXPECT_EQ(r.Top, 40);
    EXPECT_EQ(r.Width, 900);
    EXPECT_EQ(r.Height, 700);
    EXPECT_EQ(r.GridColor, 0x010203u);
    EXPECT_EQ(r.TraColor, 0xFF00FFu);
    EXPECT_EQ(r.InvColor, 0u);
    EXPECT_EQ(r.UndoMax, 999);
    EXPECT_FALSE(r.Grid);
    EXPECT_FALSE(r.Tool);
    EXPECT_TRUE(r.Status);
    EXPECT_EQ(r.Icons, 200);
    EXPECT_EQ(r.TraRange, 1);
    EXPECT_EQ(r.FontName, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(r.FontSize, 12);
    EXPECT_FALSE(r.FontBold);
    EXPECT_TRUE(r.FontItalic);
    EXPECT_FALSE(r.FontUnderline);
    EXPECT_TRUE(r.FontStrikeout);
    EXPECT_EQ(r.CustomColors.lines(), s.CustomColors.lines());
}

TEST(SettingsStore, OddStoredValues) {
    const struct {
        const char* Key;
        QVariant Stored;
        std::function<bool(const ProgramSettings&)> Check;
    } cases[] = {
        // Only the low byte of the alpha range counts.
        {"Tra Range", 0x1FF, [](const ProgramSettings& s) { return s.TraRange == 255; }},
        {"Tra Range", 356, [](const ProgramSettings& s) { return s.TraRange == 100; }},
        // A value of the wrong type keeps the first-run value.
        {"Left", QStringLiteral("abc"), [](const ProgramSettings& s) { return s.Left == 197; }},
        {"Grid", QStringLiteral("maybe"), [](const ProgramSettings& s) { return s.Grid; }},
        // Booleans written as words are understood too.
        {"Tool", QStringLiteral("false"), [](const ProgramSettings& s) { return !s.Tool; }},
        {"Font Bold", 1, [](const ProgramSettings& s) { return s.FontBold; }},
        // The undo history needs at least one entry and the prompt stops at 999.
        {"Undo Redo Max", 0, [](const ProgramSettings& s) { return s.UndoMax == 1; }},
        {"Undo Redo Max", 100000, [](const ProgramSettings& s) { return s.UndoMax == 999; }},
        {"Icons", -40, [](const ProgramSettings& s) { return s.Icons == 0; }},
        // Colours keep 24 bits.
        {"Grid Color", int(0x7F112233),
         [](const ProgramSettings& s) { return s.GridColor == 0x112233u; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Key) + " = " + c.Stored.toString().toStdString());
        TempStore t;
        (*t).setValue(QLatin1String(c.Key), c.Stored);
        EXPECT_TRUE(c.Check(readSettings(*t)));
    }
}

TEST(SettingsStore, CustomColoursAreReadIntoTheirSlotsAndWrittenByPosition) {
    TempStore t;
    (*t).setValue("CustomColor0", "0000FF");
    (*t).setValue("CustomColor3", "00FF00");
    (*t).setValue("CustomColor16", "FFFFFF"); // beyond the 16 custom colours
    const ProgramSettings s = readSettings(*t);
    EXPECT_EQ(s.CustomColors.lines(),
              (QStringList{QStringLiteral("ColorA=0000FF"), QStringLiteral("ColorD=00FF00")}));

    TempStore out;
    writeSettings(*out, s);
    EXPECT_EQ((*out).value("CustomColor0").toString(), QStringLiteral("0000FF"));
    EXPECT_EQ((*out).value("CustomColor1").toString(), QStringLiteral("00FF00"));
    EXPECT_FALSE((*out).contains("CustomColor3"));
}
