#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

// The main window's size limits, worked out apart from the window so that
// any screen can be tried.
//
// Outer is the smallest size of the whole window, frame and title bar
// included, as the desktop tracks it; Frame is what the desktop's
// decorations add around the client area (nothing while it is not known);
// Content is what the panels need so that nothing of them is cut off. The
// client area may not go below Content, whatever the frame.
QSize smallestClientSize(QSize Content, QSize Outer, QMargins Frame);

// Client placed so that it and its Frame lie on Available where they can:
// shrunk to what Available leaves (never below Minimum) and moved inside
// it. A window on a small screen, or saved on a larger one, comes up whole.
QRect fitOnScreen(QRect Client, QMargins Frame, QRect Available, QSize Minimum);
