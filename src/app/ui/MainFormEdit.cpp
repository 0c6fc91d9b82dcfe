#include "app/ui/MainForm.h"

#include "app/ui/QtClipboard.h"
#include "canvas/ui/ToolsPanel.h"
#include "canvas/ui/ToolsUi.h"

void TMainForm::bindEditCommands() {
    // A child of the window, so it outlives the session, which lets go of it
    // when it goes.
    m_clipboard = new QtClipboard(this);
    m_session->setClipboard(m_clipboard);
    connect(&m_toolsUi->tools(), &ToolsPanel::photoClicked, this, &TMainForm::photoClick);
}
