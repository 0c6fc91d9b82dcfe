#pragma once

#include <QApplication>
#include <functional>

// Delivers one event through Deliver. An allocation that fails inside it
// (a picture too large for the memory left) must not leave through the event
// loop, which cannot unwind it: the event counts as not handled and Report
// is told, once per failure.
bool deliverGuarded(const std::function<bool()>& Deliver, const std::function<void()>& Report);

// The program's application object: every event goes through
// deliverGuarded.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {}
    // Called (later, from the event loop) after an allocation failed.
    void setOutOfMemoryReport(std::function<void()> Report) { m_report = std::move(Report); }
    bool notify(QObject* Receiver, QEvent* Event) override;

private:
    std::function<void()> m_report;
};
