#include "app/WindowFit.h"

#include <gtest/gtest.h>

namespace {

// The smallest window counts its frame: the client area gives up what the
// desktop's title bar and borders take, never what its panels need.
TEST(WindowFit, TheSmallestClientAreaLeavesRoomForTheFrame) {
    const QSize outer(700, 545);
    const struct {
        const char* name;
        QSize content;
        QMargins frame;
        QSize least;
    } cases[] = {
        {"no frame known", {400, 480}, {}, {700, 545}},
        {"a title bar drawn by the program", {400, 480}, {0, 33, 0, 0}, {700, 512}},
        {"a frame all round", {400, 480}, {4, 28, 4, 4}, {692, 513}},
        {"panels that need more than the frame leaves", {400, 530}, {0, 33, 0, 0}, {700, 530}},
        {"a wide panel", {760, 480}, {}, {760, 545}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(smallestClientSize(c.content, outer, c.frame), c.least);
    }
}

// A window saved on a larger screen, or placed for one, comes up whole on a
// small one: moved inside, shrunk where it must, never below its minimum.
TEST(WindowFit, TheWindowIsPlacedOnTheScreen) {
    const QRect small(0, 0, 800, 568);
    const QSize least(700, 545);
    const struct {
        const char* name;
        QRect client;
        QMargins frame;
        QRect available;
        QRect placed;
    } cases[] = {
        {"fits already", {50, 10, 712, 550}, {}, small, {50, 10, 712, 550}},
        {"the first start's place", {197, 114, 712, 550}, {}, small, {88, 18, 712, 550}},
        {"saved on a larger screen", {300, 200, 1200, 900}, {}, small, {0, 0, 800, 568}},
        {"with a title bar", {197, 114, 712, 550}, {0, 20, 0, 0}, small, {88, 20, 712, 548}},
        {"left of the screen", {-400, -50, 712, 550}, {}, small, {0, 0, 712, 550}},
        {"a screen that is not the first",
         {10, 10, 712, 550},
         {},
         {1920, 0, 1024, 768},
         {1920, 10, 712, 550}},
        {"smaller than the minimum", {0, 0, 712, 550}, {}, {0, 0, 640, 480}, {0, 0, 700, 545}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fitOnScreen(c.client, c.frame, c.available, least), c.placed);
    }
}

} // namespace
