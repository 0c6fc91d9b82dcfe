#pragma once

#include <QString>

// The desktop's own list of recently used documents, which file choosers and
// launchers show. Telling it is a courtesy: a failure changes nothing in the
// program.
class RecentDocuments {
public:
    virtual ~RecentDocuments() = default;
    // False when the desktop's list could not be updated.
    virtual bool noteRecentDocument(const QString& Path) = 0;
};
