#pragma once

#include "app/ShellOpener.h"

// Opens documents and addresses with the desktop's default handler.
class DesktopShellOpener : public ShellOpener {
public:
    bool openFile(const QString& Path) override;
    bool openUrl(const QString& Url) override;
};
