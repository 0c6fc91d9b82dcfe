#pragma once

// A full Windows cursor scheme drawn by the tests themselves: one simple,
// recognisable glyph per role (arrow, question mark, hourglass, cross,
// I-beam, ...), smooth-edged, 32 pixels, with the hot spot where a user
// would put it. Busy and Working in Background turn in Frames frames.

#include "cursortheme/CursorRoleTable.h"
#include "document/file/XcursorFile.h"

XcursorContents DrawSchemeCursor(const CursorRole& Role, int Frames = 8);
