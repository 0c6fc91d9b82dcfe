#pragma once

#include "canvas/RenderWorkView.h"

class EditSession;
class WorkDisplay;
class QFrame;
class QObject;
class ToolController;
class QWidget;
class WorkView;

// The contents of the main window's WorkPanel: the paint box `Work` at (8, 8),
// following the panel on all four sides, and `OpsPanel` along the bottom for
// the tools' option panels.
struct WorkPanelParts {
    WorkView* Work = nullptr;
    QFrame* OpsPanel = nullptr;
};

// Lays Work and OpsPanel into WorkPanel's (empty) layout.
WorkPanelParts buildWorkPanel(QWidget* WorkPanel);

// What the session shows: its WorkBitmap in the active image's format, with the
// display settings of the run.
WorkViewScene sessionScene(WorkDisplay& Session);

// Shows the session in Work and keeps it in step: a repaint whenever the
// working copies or the display settings change, a new layout whenever another
// image becomes active.
void connectWorkView(WorkView* Work, EditSession& Session);

// Feeds the mouse on Work, in image pixels, to the tools' protocol for as long
// as Context lives.
void connectWorkMouse(WorkView* Work, ToolController& Tools, QObject* Context);
