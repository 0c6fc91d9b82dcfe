#include "widgets/TavroMenuLook.h"

#include "widgets/Contrast.h"

#include <QGuiApplication>

TavroMenuLook defaultTavroMenuLook(const QPalette& Palette) {
    TavroMenuLook look;
    const QColor face = Palette.color(QPalette::Button);
    const QColor grayText = Palette.color(QPalette::Disabled, QPalette::WindowText);
    const QColor darkShadow = Palette.color(QPalette::Shadow);
    // On a light desktop the items keep their white. On a dark one white
    // items would carry the desktop's light text, so they take the
    // desktop's own dark background instead.
    if (isDarkPalette(Palette)) look.BackColor = Palette.color(QPalette::Active, QPalette::Base);
    look.ImageBackColor = face;
    look.LineColor = grayText;
    // The desktop's text colours, kept readable on what they lie on: a
    // scheme's text colour may have been meant for another background.
    look.TextColor = readableOn(
        readableOn(Palette.color(QPalette::Active, QPalette::WindowText), look.BackColor),
        look.MenuBarColor.isValid() ? look.MenuBarColor : face);
    // A disabled caption only has to be seen.
    look.DisableTextColor = readableOn(grayText, look.BackColor, GlyphContrast);
    look.ShadowColor = darkShadow;
    look.CheckColor = darkShadow;
    look.SelectedBackColor = readableOn(Palette.color(QPalette::Active, QPalette::Highlight),
                                        Palette.color(QPalette::Active, QPalette::HighlightedText));
    look.SelectedBorderColor = darkShadow;
    look.SelectedTextColor = readableOn(Palette.color(QPalette::Active, QPalette::HighlightedText),
                                        look.SelectedBackColor);
    look.SelectedCheckColor = darkShadow;
    look.MenuBarColor = face;
    look.Font = QGuiApplication::font();
    return look;
}
