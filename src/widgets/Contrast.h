#pragma once

#include <QColor>
#include <QPalette>

// Readability of one colour on another, as the accessibility guidelines
// measure it: relative luminance of linear sRGB, and the ratio
// (lighter + 0.05) / (darker + 0.05), from 1 (the same) to 21 (black on
// white). Text wants 4.5, glyphs and other marks 3.
double relativeLuminance(const QColor& C);
double contrastRatio(const QColor& A, const QColor& B);

inline constexpr double TextContrast = 4.5;
inline constexpr double GlyphContrast = 3.0;

// Preferred where it reads on Back at least Minimum : 1, else Preferred
// shaded towards black or white, whichever lies away from Back, just far
// enough (black or white themselves always reach 4.5).
QColor readableOn(const QColor& Preferred, const QColor& Back, double Minimum = TextContrast);

// Palette with its selection colour shaded, where needed, until the
// selected text reads on it (a desktop's light blue under white text).
QPalette withReadableSelection(QPalette Palette);

// A desktop whose windows are darker than their text.
bool isDarkPalette(const QPalette& Palette);

// The ink for the outlines of drawn glyphs on the application's buttons:
// near black on a light desktop, near white on a dark one.
QColor glyphInk();
// A coloured part of a glyph that carries its shape (an arrow, a stroke),
// shaded where needed to stand out on the application's buttons.
QColor glyphColour(const QColor& Preferred);
