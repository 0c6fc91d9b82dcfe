#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Runs Step on the modal Dialog that Ask opens, as soon as it is up, and
// returns what Ask returns. A dialog that Step leaves open is cancelled, so
// no test ever waits for a person.
template <class Dialog, class Result>
Result whileModal(const std::function<Result()>& Ask, const std::function<void(Dialog&)>& Step) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!d) return;
        seen = true;
        Step(*d);
        if (d->isVisible()) d->reject();
    });
    Result r = Ask();
    EXPECT_TRUE(seen) << "the dialog did not open";
    return r;
}
