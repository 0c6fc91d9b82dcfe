#include "widgets/TavroMenuLook.h"

#include <QGuiApplication>

TavroMenuLook defaultTavroMenuLook(const QPalette& Palette) {
    TavroMenuLook look;
    const QColor face = Palette.color(QPalette::Button);
    const QColor grayText = Palette.color(QPalette::Disabled, QPalette::WindowText);
    const QColor darkShadow = Palette.color(QPalette::Shadow);
    look.ImageBackColor = face;
    look.LineColor = grayText;
    look.TextColor = Palette.color(QPalette::Active, QPalette::WindowText);
    look.DisableTextColor = grayText;
    look.ShadowColor = darkShadow;
    look.CheckColor = darkShadow;
    look.SelectedBackColor = Palette.color(QPalette::Active, QPalette::Highlight);
    look.SelectedBorderColor = darkShadow;
    look.SelectedTextColor = Palette.color(QPalette::Active, QPalette::HighlightedText);
    look.SelectedCheckColor = darkShadow;
    look.MenuBarColor = face;
    look.Font = QGuiApplication::font();
    return look;
}
