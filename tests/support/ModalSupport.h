#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Runs Step on the modal Dialog that Trigger opens, as soon as it is up. A
// dialog that Step leaves open is cancelled, so no test ever waits for a
// person.
template <class Dialog>
void withModalDialog(const std::function<void()>& Trigger,
                     const std::function<void(Dialog&)>& Step) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!d) return;
        seen = true;
        Step(*d);
        if (d->isVisible()) d->reject();
    });
    Trigger();
    EXPECT_TRUE(seen) << "the dialog did not open";
}

// The same for a question that answers: returns what Ask returns.
template <class Dialog, class Result>
Result whileModal(const std::function<Result()>& Ask, const std::function<void(Dialog&)>& Step) {
    Result r{};
    withModalDialog<Dialog>([&] { r = Ask(); }, Step);
    return r;
}
