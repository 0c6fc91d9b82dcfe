#pragma once

#include "cursortheme/CursorRoleTable.h"

#include <string>
#include <vector>

// The cursor scheme a Windows install.inf sets up: its name and, for each of
// its slots that names a file, the scheme's role and the file's name (without
// folders; Windows matches it without regard to case).
struct InstallInfScheme {
    std::string Name;
    struct Slot {
        const CursorRole* Role = nullptr;
        std::string File;
    };
    std::vector<Slot> Slots;
};

// Reads the text of an install.inf (UTF-8, ANSI, or UTF-16 with its byte
// order mark): the list of files its "Control Panel\Cursors\Schemes" entry
// gives in slot order, or else its "Control Panel\Cursors" entries by value
// name, with the %strings% of its [Strings] section put in. Throws
// std::runtime_error when it sets up no cursor.
InstallInfScheme ParseInstallInf(const std::string& Bytes);
