#pragma once

#include <QString>

// Hands a local document or a web address to the desktop's default handler.
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    // False when no handler could be started.
    virtual bool openFile(const QString& Path) = 0;
    virtual bool openUrl(const QString& Url) = 0;
};
