#include "app/ui/MainForm.h"

#include "app/ui/StatusPanels.h"
#include "canvas/ui/ToolsUi.h"

#include <QFrame>

void TMainForm::bindTools() {
    m_toolsUi = new ToolsUi(
        *m_session, m_toolsPanel, m_opsPanel, m_work,
        [this](int Number) { return m_cursors.cursor(Number); }, this);
    connect(m_toolsUi, &ToolsUi::readout, this,
            [this](int Panel, const QString& Text) { m_statusBar->setPanelText(Panel, Text); });
}
