#pragma once

#include <QString>

// Where a saved or opened file is noted as recently used. The session only
// reports the name; the application keeps the list and its menu.
class RecentFileList {
public:
    virtual ~RecentFileList() = default;
    virtual void AddRecentFile(const QString& FileName) = 0;
};
