#pragma once

#include "session/DesktopClipboard.h"

// A clipboard held in the test: what was put there, and what another program
// would have put there.
class FakeClipboard : public DesktopClipboard {
public:
    void putPicture(const QImage& Picture) override {
        held = Picture;
        ++puts;
        contentsChanged();
    }
    bool hasPicture() const override { return !held.isNull(); }
    QImage picture() const override { return held; }
    // Another program fills (or empties) the clipboard.
    void offer(const QImage& Picture) {
        held = Picture;
        contentsChanged();
    }

    QImage held;
    int puts = 0;
};
