#pragma once

#include "document/FileErrors.h"
#include "document/file/IconFileLayout.h"

#include <QString>

// An icon or cursor file that cannot be read or written. message() is the
// text the user sees.
class IconFileError : public FileError {
public:
    using FileError::FileError;
    // "<fileName> is not an icon." followed by the reason.
    static IconFileError notAnIcon(const QString& fileName, const QString& reason);
};
