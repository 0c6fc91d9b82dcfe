#pragma once

#include <QString>

// The folder that holds "Use Files/", "Cursors/" and the help document, with a
// trailing separator. In the build tree the data sits beside the program; an
// installation keeps it in <prefix>/share/brisel/ beside <prefix>/bin/.
// Falls back to the program's own folder when neither has the data.
QString findProgramFolder(const QString& ExeDir);
