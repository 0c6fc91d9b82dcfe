#pragma once

#include <QGuiApplication>
#include <cstdlib>

// Pixel buffers carry a font, and fonts want an application object.
inline void startFuzzApplication(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
}
