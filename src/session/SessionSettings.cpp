#include "session/EditSession.h"

#include <algorithm>

void EditSession::loadSettings(const ProgramSettings& S) {
    m_settings = S;
    const QFont font = textFont();
    m_workBitmap.Font = font;
    m_cleanBitmap.Font = font;
    emit settingsChanged();
}

void EditSession::setWindowValues(const QRect& Bounds, bool ToolBarShown, bool StatusBarShown,
                                  int IconsWidth) {
    m_settings.Left = Bounds.left();
    m_settings.Top = Bounds.top();
    m_settings.Width = Bounds.width();
    m_settings.Height = Bounds.height();
    m_settings.Tool = ToolBarShown;
    m_settings.Status = StatusBarShown;
    m_settings.Icons = IconsWidth;
}

TransparencySettings EditSession::transparency() const {
    TransparencySettings t;
    t.TraColor = m_settings.TraColor;
    t.InvColor = m_settings.InvColor;
    t.TraRange = m_settings.TraRange;
    return t;
}

void EditSession::setUndoMax(int UndoMax) {
    m_settings.UndoMax = std::clamp(UndoMax, 1, ProgramSettings::UndoMaxLimit);
    emit settingsChanged();
}

void EditSession::setTraRange(int TraRange) {
    m_settings.TraRange = std::uint8_t(std::clamp(TraRange, 1, 255));
    emit settingsChanged();
    emit workChanged();
}

void EditSession::setGridShown(bool Shown) {
    m_settings.Grid = Shown;
    emit settingsChanged();
    emit workChanged();
}

void EditSession::setDisplayColors(TColor TraColor, TColor InvColor, TColor GridColor) {
    m_settings.TraColor = TraColor & 0xFFFFFFu;
    m_settings.InvColor = InvColor & 0xFFFFFFu;
    m_settings.GridColor = GridColor & 0xFFFFFFu;
    emit settingsChanged();
    emit workChanged();
}

QFont EditSession::textFont() const {
    QFont f(m_settings.FontName);
    if (m_settings.FontSize > 0) f.setPointSize(m_settings.FontSize);
    f.setBold(m_settings.FontBold);
    f.setItalic(m_settings.FontItalic);
    f.setUnderline(m_settings.FontUnderline);
    f.setStrikeOut(m_settings.FontStrikeout);
    return f;
}

void EditSession::setTextFont(const QFont& Font) {
    m_settings.FontName = Font.family();
    if (Font.pointSize() > 0) m_settings.FontSize = Font.pointSize();
    m_settings.FontBold = Font.bold();
    m_settings.FontItalic = Font.italic();
    m_settings.FontUnderline = Font.underline();
    m_settings.FontStrikeout = Font.strikeOut();
    m_workBitmap.Font = textFont();
    m_cleanBitmap.Font = m_workBitmap.Font;
    emit settingsChanged();
}
