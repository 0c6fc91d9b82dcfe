#pragma once

#include "cursortheme/CursorRoleTable.h"
#include "document/file/XcursorFile.h"

#include <string>
#include <vector>

// A role found in a theme folder and the cursor it has there.
struct ImportedRole {
    const CursorRole* Role = nullptr;
    std::string Path; // the file the role's first name found leads to
    XcursorContents Cursor;
};

struct ImportedTheme {
    std::string Name;
    std::string Comment;
    std::string Inherits;
    std::vector<ImportedRole> Roles; // in the table's order
    // Files of the theme that could not be read, each with the reason.
    std::vector<std::string> Unreadable;
};

// Reads a theme folder (the one holding index.theme and cursors/, or the
// cursors/ folder itself): every role one of whose names is there, by the
// first name found. A role whose file is the same file another role already
// has (the theme links it to that role) is not listed again. Throws
// ThemeFileError when the folder holds no cursors/ folder.
ImportedTheme ReadCursorTheme(const std::string& Folder);

// The value of Key in the [Icon Theme] group of an index.theme text.
std::string IndexThemeValue(const std::string& Text, const std::string& Key);
