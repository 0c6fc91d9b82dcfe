#pragma once

#include "app/ShellOpener.h"

#include <memory>

// Opens documents and addresses through the desktop's opener (xdg-open, as
// found on PATH) and reports what the opener reports: it fails, with a status
// of its own, where no browser or viewer is there. A handler that keeps the
// opener running (a browser started in its place) has taken the document once
// the opener has run for Patience milliseconds without failing.
class DesktopShellOpener : public ShellOpener {
public:
    explicit DesktopShellOpener(int PatienceMs = 4000);

    void openFile(const QString& Path, Outcome Done) override;
    void openUrl(const QString& Url, Outcome Done) override;

    // How many openers started here are still running.
    int running() const { return *m_running; }

private:
    void start(const QString& Target, Outcome Done);

    int m_patience;
    std::shared_ptr<int> m_running = std::make_shared<int>(0);
};
