#include "canvas/ui/ToolsUi.h"

#include "canvas/tools/ToolInfo.h"
#include "canvas/ui/OptionPanels.h"
#include "canvas/ui/ToolsPanel.h"
#include "canvas/ui/WorkPanelParts.h"
#include "canvas/ui/WorkView.h"
#include "session/SessionTools.h"
#include "session/ToolEditing.h"

#include <QCoreApplication>
#include <QStatusTipEvent>

ToolsUi::ToolsUi(ToolEditing& Session, QWidget* ToolsPanelFrame, QWidget* OpsPanel, WorkView* Work,
                 CursorLookup Cursors, QObject* Parent)
    : QObject(Parent), m_session(Session.tools()), m_work(Work), m_cursors(std::move(Cursors)) {
    m_tools = new ToolsPanel(ToolsPanelFrame, m_session);
    ToolEditing* session = &Session;
    m_panels = new OptionPanels(OpsPanel, m_session, [session] {
        return DrawingColours{session->ForegroundColor32(), session->BackgroundColor32()};
    });
    connect(m_panels, &OptionPanels::readout, this, &ToolsUi::readout);

    SessionTools* tools = &m_session;
    connectWorkMouse(Work, tools->controller(), tools);

    connect(tools, &SessionTools::toolChanged, this, &ToolsUi::toolChanged);
    connect(tools, &SessionTools::workHintChanged, this, &ToolsUi::showWorkHint);
    connect(tools, &SessionTools::workCursorChanged, this, [this](int Number) {
        m_cursorNumber = Number;
        m_work->setCursor(m_cursors ? m_cursors(Number) : QCursor(Qt::CrossCursor));
    });
    connect(tools, &SessionTools::extentChanged, this,
            [this](const QString& Text) { emit readout(2, Text); });

    toolChanged(m_session.CurrentTool());
    showWorkHint(m_session.workHint());
}

void ToolsUi::toolChanged(int Tag) {
    const ToolInfo* info = toolInfo(Tag);
    if (!info) return;
    m_cursorNumber = info->Cursor;
    m_work->setCursor(m_cursors ? m_cursors(info->Cursor) : QCursor(Qt::CrossCursor));
    m_panels->showPanels(info->Panels);
    m_work->setHotSpotMarkerEnabled(info->HotSpotTimer);
    m_tools->showCurrent(Tag);
}

void ToolsUi::showWorkHint(const QString& Text) {
    m_work->setStatusTip(Text);
    // A hint that changes under the mouse (the curve's and polygon's steps)
    // reaches the status bar at once, not at the next time the mouse enters.
    if (m_work->underMouse()) {
        QStatusTipEvent tip(Text);
        QCoreApplication::sendEvent(m_work, &tip);
    }
}
