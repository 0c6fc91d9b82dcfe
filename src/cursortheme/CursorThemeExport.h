#pragma once

#include "cursortheme/CursorRoleTable.h"
#include "document/file/XcursorFile.h"

#include <cstdint>
#include <string>
#include <vector>

// A cursor given to a role of the theme, in whatever sizes it was drawn.
struct ThemeRoleCursor {
    const CursorRole* Role = nullptr;
    XcursorContents Cursor;
};

// What a theme is made of.
struct CursorThemePlan {
    std::string Name;
    std::string Comment;
    std::string Inherits; // another theme for the names this one lacks; may be empty
    std::vector<std::uint32_t> Sizes; // nominal sizes; empty: the default sizes
    std::vector<ThemeRoleCursor> Cursors;
};

// The theme as it goes on disk, made without touching it.
struct CursorThemeLayout {
    struct File {
        std::string Name;
        std::vector<std::uint8_t> Bytes;
    };
    struct Link {
        std::string Name;
        std::string Target; // a file of the same folder
    };
    std::string IndexTheme;
    std::vector<File> Files; // cursors/ and their X cursor files
    std::vector<Link> Links;
    // Roles neither given nor standing in for by a given role: their names
    // are left to the inherited theme.
    std::vector<const CursorRole*> Missing;
};

// The role whose cursor serves Role: Role itself when given, else the first
// given role along its fallbacks; null when none is.
const CursorRole* ServingRole(const CursorRole& Role,
                              const std::vector<const CursorRole*>& Given);

// Every given role's cursor at the plan's sizes (see MakeCursorSizes), under
// its main name; every other name of it, and of the roles it stands in for,
// as a link. Throws std::invalid_argument for a plan without name or
// cursors, a name that cannot be a folder, or a role given twice.
CursorThemeLayout LayOutCursorTheme(const CursorThemePlan& Plan);

// Writes Layout as the folder Folder/Name (Name from the plan): the theme is
// made beside it and put in place once complete, so a failure leaves any
// earlier theme of that name as it was. Throws ThemeFileError.
void WriteCursorTheme(const std::string& Folder, const std::string& Name,
                      const CursorThemeLayout& Layout);
