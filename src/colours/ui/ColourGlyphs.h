#pragma once

#include <QIcon>

// The glyphs of the two recolouring buttons of the tool panel, drawn by the
// program: the foreground colour turning into the background colour, and the
// two colours changing places.
QIcon changeColourGlyph();   // changecol: "Change Color F to B"
QIcon replaceColoursGlyph(); // colcovert: "Replace Colors F and B"
