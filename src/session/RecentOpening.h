#pragma once

#include "document/file/Transparency.h"

#include <QString>

class RecentFileList;

// What the recent-files menu may do with the session: install the list it
// keeps, read the transparency rules its file icons are drawn with, and open
// a chosen file without a dialog. The session implements it; the window
// connects the session's change signal to the menu.
class RecentOpening {
public:
    virtual ~RecentOpening() = default;
    virtual void setRecentFiles(RecentFileList* Recent) = 0;
    virtual TransparencySettings transparency() const = 0;
    virtual void OpenAExecute(bool FromCode, const QString& Path) = 0;
};
