#pragma once

#include <QIcon>

// The arrows of the image list's move buttons, drawn by the program so they
// look alike on every desktop.
enum class ArrowDirection { Up, Down };
QIcon arrowGlyph(ArrowDirection Direction);
