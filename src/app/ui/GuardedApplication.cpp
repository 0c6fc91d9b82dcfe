#include "app/ui/GuardedApplication.h"

#include <new>
#include <stdexcept>

bool deliverGuarded(const std::function<bool()>& Deliver, const std::function<void()>& Report) {
    try {
        return Deliver();
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
        // A size past what a container can hold is the same failure.
    }
    if (Report) Report();
    return false;
}

bool GuardedApplication::notify(QObject* Receiver, QEvent* Event) {
    return deliverGuarded([&] { return QApplication::notify(Receiver, Event); },
                          [this] {
                              // Shown from the event loop, not from inside
                              // the handler that failed.
                              if (m_report)
                                  QMetaObject::invokeMethod(this, m_report, Qt::QueuedConnection);
                          });
}
