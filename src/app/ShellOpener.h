#pragma once

#include <QString>
#include <functional>

// Hands a local document or a web address to the desktop's default handler.
// Whether the desktop managed to show it is known only later: Done is called
// once with the outcome, possibly before the call returns.
class ShellOpener {
public:
    using Outcome = std::function<void(bool Opened)>;

    virtual ~ShellOpener() = default;
    virtual void openFile(const QString& Path, Outcome Done) = 0;
    virtual void openUrl(const QString& Url, Outcome Done) = 0;
};
