#include "widgets/TavroMenu.h"

#include "widgets/Contrast.h"
#include "widgets/TavroMenuPainter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace {

// Menu item text is "caption<TAB>shortcut".
QString captionOf(const QString& Text) {
    return Text.section(QLatin1Char('\t'), 0, 0);
}
QString shortcutOf(const QString& Text) {
    return Text.section(QLatin1Char('\t'), 1);
}

} // namespace

TTavroMenu::TTavroMenu(int ImageListWidth)
    : m_look(defaultTavroMenuLook(QApplication::palette())), m_imageListWidth(ImageListWidth) {}

QString TTavroMenu::Homepage() {
    return QStringLiteral("TavroMenu: the owner-drawn menu of Brisel");
}

TTavroMenu* TTavroMenu::installOnMainMenu(QMenuBar* Bar, int ImageListWidth) {
    auto* style = new TTavroMenu(ImageListWidth);
    style->setParent(Bar);
    TavroMenuLook& look = style->look();
    const QPalette palette = QApplication::palette();
    // Marks that must be seen on the glyph column and on the selection box.
    look.CheckColor = readableOn(palette.color(QPalette::Active, QPalette::Highlight),
                                 look.ImageBackColor, GlyphContrast);
    look.SelectedCheckColor = readableOn(palette.color(QPalette::Active, QPalette::HighlightedText),
                                         look.SelectedBackColor, GlyphContrast);
    // 8 points on the 96-dpi desktop the program was laid out for.
    look.Font = QFont(QStringLiteral("MS Sans Serif"));
    look.Font.setStyleHint(QFont::SansSerif);
    look.Font.setPixelSize(11);
    Bar->setStyle(style);
    for (QMenu* menu : Bar->findChildren<QMenu*>())
        menu->setStyle(style);
    return style;
}

void TTavroMenu::drawControl(ControlElement Element, const QStyleOption* Option, QPainter* Painter,
                             const QWidget* Widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(Option);
    const bool bar = Element == CE_MenuBarItem;
    if (Element == CE_MenuBarEmptyArea || Element == CE_MenuEmptyArea) {
        Painter->fillRect(Option->rect,
                          Element == CE_MenuBarEmptyArea ? m_look.MenuBarColor : m_look.BackColor);
        return;
    }
    if (!item || (Element != CE_MenuItem && !bar)) {
        QProxyStyle::drawControl(Element, Option, Painter, Widget);
        return;
    }
    TavroItemFacts facts;
    facts.Kind.Bar = bar;
    facts.Kind.ImageListWidth = m_imageListWidth;
    facts.Kind.RightToLeft = Option->direction == Qt::RightToLeft;
    facts.Selected = Option->state & State_Selected;
    facts.Enabled = Option->state & State_Enabled;
    facts.Checked = item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked;
    facts.Separator = item->menuItemType == QStyleOptionMenuItem::Separator;
    facts.Default = item->menuItemType == QStyleOptionMenuItem::DefaultItem;
    facts.SubMenu = item->menuItemType == QStyleOptionMenuItem::SubMenu;
    facts.ShowMnemonic = proxy()->styleHint(SH_UnderlineShortcut, Option, Widget);
    if (!bar && m_imageListWidth > 0 && !item->icon.isNull())
        facts.Glyph = item->icon.pixmap(QSize(m_imageListWidth, m_imageListWidth)).toImage();
    facts.Caption = captionOf(item->text);
    facts.Shortcut = bar ? QString() : shortcutOf(item->text);
    drawTavroItem(*Painter, Option->rect, facts, m_look);
}

void TTavroMenu::drawPrimitive(PrimitiveElement Element, const QStyleOption* Option,
                               QPainter* Painter, const QWidget* Widget) const {
    switch (Element) {
    case PE_PanelMenu:
        Painter->fillRect(Option->rect, m_look.BackColor);
        return;
    case PE_FrameMenu: {
        Painter->save();
        Painter->setPen(Option->palette.color(QPalette::Dark));
        Painter->setBrush(Qt::NoBrush);
        Painter->drawRect(Option->rect.adjusted(0, 0, -1, -1));
        Painter->restore();
        return;
    }
    case PE_PanelMenuBar:
        Painter->fillRect(Option->rect, m_look.MenuBarColor);
        return;
    default:
        QProxyStyle::drawPrimitive(Element, Option, Painter, Widget);
    }
}

QSize TTavroMenu::sizeFromContents(ContentsType Type, const QStyleOption* Option, const QSize& Size,
                                   const QWidget* Widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(Option);
    if (!item || (Type != CT_MenuItem && Type != CT_MenuBarItem))
        return QProxyStyle::sizeFromContents(Type, Option, Size, Widget);
    const QFontMetrics fm(m_look.Font);
    const int textW = fm.horizontalAdvance(QString(captionOf(item->text)).remove(QLatin1Char('&')));
    if (Type == CT_MenuBarItem) return QSize(textW + 12, fm.height() + 8);
    if (item->menuItemType == QStyleOptionMenuItem::Separator) return QSize(20, 9);
    // Room for the glyph column, both margins, the caption, a gap, the
    // shortcut and the sub-menu arrow.
    TavroItemKind kind;
    kind.ImageListWidth = m_imageListWidth;
    const QString shortcut = shortcutOf(item->text);
    const int shortcutW = shortcut.isEmpty() ? 0 : 24 + fm.horizontalAdvance(shortcut);
    const int glyphRoom = m_imageListWidth > 0 ? tavroGlyphColumnWidth(kind) + 4 : 12;
    const int width = glyphRoom + textW + shortcutW + 12 + 12;
    const int height = std::max(fm.height() + 8, m_imageListWidth > 0 ? m_imageListWidth + 2 : 0);
    return QSize(width, height);
}

int TTavroMenu::pixelMetric(PixelMetric Metric, const QStyleOption* Option,
                            const QWidget* Widget) const {
    switch (Metric) {
    case PM_MenuPanelWidth:
        return 1;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
        return 2;
    case PM_MenuBarPanelWidth:
    case PM_MenuBarVMargin:
    case PM_MenuBarHMargin:
        return 0;
    case PM_MenuBarItemSpacing:
        return 0;
    default:
        return QProxyStyle::pixelMetric(Metric, Option, Widget);
    }
}

int TTavroMenu::styleHint(StyleHint Hint, const QStyleOption* Option, const QWidget* Widget,
                          QStyleHintReturn* Return) const {
    // A disabled item under the mouse gets the selection box too; only its
    // caption tells it apart.
    if (Hint == SH_Menu_AllowActiveAndDisabled) return 1;
    return QProxyStyle::styleHint(Hint, Option, Widget, Return);
}
