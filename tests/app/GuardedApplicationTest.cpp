#include "app/ui/GuardedApplication.h"

#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace {

// An allocation that fails inside an event handler is reported and the event
// counts as not handled; anything else passes through untouched.
TEST(GuardedApplication, AllocationFailuresStopAtTheEventLoop) {
    const struct {
        const char* name;
        std::function<bool()> deliver;
        bool handled;
        int reports;
    } cases[] = {
        {"handled", [] { return true; }, true, 0},
        {"not handled", [] { return false; }, false, 0},
        {"bad_alloc", []() -> bool { throw std::bad_alloc(); }, false, 1},
        {"length_error", []() -> bool { throw std::length_error("too long"); }, false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int reports = 0;
        EXPECT_EQ(deliverGuarded(c.deliver, [&] { ++reports; }), c.handled);
        EXPECT_EQ(reports, c.reports);
    }
}

// Other failures are not an allocation's and are not swallowed.
TEST(GuardedApplication, OtherExceptionsPassThrough) {
    int reports = 0;
    EXPECT_THROW(
        deliverGuarded([]() -> bool { throw std::runtime_error("other"); }, [&] { ++reports; }),
        std::runtime_error);
    EXPECT_EQ(reports, 0);
}

} // namespace
