#pragma once

#include <QIcon>
#include <QImage>

// A glyph as a disabled command shows it: grey, low in contrast and faded,
// so it cannot be taken for an enabled one whatever its colours.
QImage disabledGlyph(const QImage& Glyph);

// Glyph for enabled commands, disabledGlyph(Glyph) for disabled ones.
QIcon iconWithDisabledGlyph(const QImage& Glyph);
