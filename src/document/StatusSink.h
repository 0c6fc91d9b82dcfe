#pragma once

#include <QString>

// Where a long pixel loop reports that it is busy. The window implements it by
// showing the text in the status bar's first panel and letting pending window
// messages run, so the text is on screen before the loop starts.
class StatusSink {
public:
    virtual ~StatusSink() = default;
    virtual void showStatus(const QString& Text) = 0;
};

// "Please wait..." for as long as the guard lives, "Ready" afterwards.
class BusyStatus {
public:
    explicit BusyStatus(StatusSink* Sink) : m_sink(Sink) {
        if (m_sink) m_sink->showStatus(QStringLiteral("Please wait..."));
    }
    ~BusyStatus() {
        if (m_sink) m_sink->showStatus(QStringLiteral("Ready"));
    }
    BusyStatus(const BusyStatus&) = delete;
    BusyStatus& operator=(const BusyStatus&) = delete;

private:
    StatusSink* m_sink;
};
