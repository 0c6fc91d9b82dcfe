#include "app/SettingsStore.h"

#include <algorithm>

namespace {

int readInt(const QSettings& Store, const char* Key, int Default) {
    const QVariant v = Store.value(QLatin1String(Key));
    bool ok = false;
    const int i = v.toInt(&ok);
    return ok ? i : Default;
}

// Booleans are stored as 0 or 1; "true" and "false" are understood too.
bool readBool(const QSettings& Store, const char* Key, bool Default) {
    const QVariant v = Store.value(QLatin1String(Key));
    if (!v.isValid()) return Default;
    if (v.typeId() == QMetaType::Bool) return v.toBool();
    const QString s = v.toString().trimmed().toLower();
    if (s == QLatin1String("true")) return true;
    if (s == QLatin1String("false")) return false;
    bool ok = false;
    const int i = s.toInt(&ok);
    return ok ? i != 0 : Default;
}

TColor readColor(const QSettings& Store, const char* Key, TColor Default) {
    return TColor(readInt(Store, Key, int(Default))) & 0xFFFFFFu;
}

QString readString(const QSettings& Store, const char* Key, const QString& Default) {
    const QVariant v = Store.value(QLatin1String(Key));
    return v.isValid() ? v.toString() : Default;
}

void writeBool(QSettings& Store, const char* Key, bool B) {
    Store.setValue(QLatin1String(Key), B ? 1 : 0);
}

} // namespace

std::unique_ptr<QSettings> openSettingsStore() {
    return std::make_unique<QSettings>(QStringLiteral("Tavro"), QStringLiteral("Brisel 1"));
}

ProgramSettings readSettings(QSettings& Store) {
    ProgramSettings s;
    s.Left = readInt(Store, "Left", s.Left);
    s.Top = readInt(Store, "Top", s.Top);
    s.Width = readInt(Store, "Width", s.Width);
    s.Height = readInt(Store, "Height", s.Height);
    s.GridColor = readColor(Store, "Grid Color", s.GridColor);
    s.TraColor = readColor(Store, "Tra Color", s.TraColor);
    s.InvColor = readColor(Store, "Inv Color", s.InvColor);
    // The undo history needs at least its starting entry; a value edited out
    // of range by hand is brought back into the range the prompt allows.
    s.UndoMax =
        std::clamp(readInt(Store, "Undo Redo Max", s.UndoMax), 1, ProgramSettings::UndoMaxLimit);
    s.Grid = readBool(Store, "Grid", s.Grid);
    s.Tool = readBool(Store, "Tool", s.Tool);
    s.Status = readBool(Store, "Status", s.Status);
    s.Icons = std::max(0, readInt(Store, "Icons", s.Icons));
    s.TraRange = std::uint8_t(readInt(Store, "Tra Range", s.TraRange) & 0xFF);
    s.FontName = readString(Store, "Font Name", s.FontName);
    s.FontSize = readInt(Store, "Font Size", s.FontSize);
    s.FontBold = readBool(Store, "Font Bold", false);
    s.FontItalic = readBool(Store, "Font Italic", false);
    s.FontUnderline = readBool(Store, "Font Underline", false);
    s.FontStrikeout = readBool(Store, "Font Strikeout", false);
    s.CustomColors.clear();
    for (int i = 0; i < CustomColours::Count; ++i) {
        const QString key = QStringLiteral("CustomColor%1").arg(i);
        if (Store.contains(key)) s.CustomColors.addLine(i, Store.value(key).toString());
    }
    return s;
}

void writeSettings(QSettings& Store, const ProgramSettings& S) {
    Store.setValue(QStringLiteral("Left"), S.Left);
    Store.setValue(QStringLiteral("Top"), S.Top);
    Store.setValue(QStringLiteral("Width"), S.Width);
    Store.setValue(QStringLiteral("Height"), S.Height);
    Store.setValue(QStringLiteral("Grid Color"), int(S.GridColor));
    Store.setValue(QStringLiteral("Tra Color"), int(S.TraColor));
    Store.setValue(QStringLiteral("Inv Color"), int(S.InvColor));
    Store.setValue(QStringLiteral("Undo Redo Max"), S.UndoMax);
    writeBool(Store, "Grid", S.Grid);
    writeBool(Store, "Tool", S.Tool);
    writeBool(Store, "Status", S.Status);
    Store.setValue(QStringLiteral("Icons"), S.Icons);
    Store.setValue(QStringLiteral("Tra Range"), int(S.TraRange));
    Store.setValue(QStringLiteral("Font Name"), S.FontName);
    Store.setValue(QStringLiteral("Font Size"), S.FontSize);
    writeBool(Store, "Font Bold", S.FontBold);
    writeBool(Store, "Font Italic", S.FontItalic);
    writeBool(Store, "Font Underline", S.FontUnderline);
    writeBool(Store, "Font Strikeout", S.FontStrikeout);
    // One value per line of the dialog's list, numbered by position; the line
    // loses its "ColorX=" prefix.
    const QStringList& lines = S.CustomColors.lines();
    for (int i = 0; i < lines.size(); ++i)
        Store.setValue(QStringLiteral("CustomColor%1").arg(i), lines.at(i).mid(7));
    Store.sync();
}
