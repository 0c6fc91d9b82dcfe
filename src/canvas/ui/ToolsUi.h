#pragma once

#include <QCursor>
#include <QObject>
#include <functional>

class ToolEditing;
class OptionPanels;
class QWidget;
class SessionTools;
class ToolsPanel;
class WorkView;

// Puts the painting tools into the window: the tool buttons into ToolsPanel,
// the option panels into OpsPanel, and the work view's mouse into the
// session's tools. On every tool change the cursor of Work, the option panels,
// the hint of Work and the hot-spot marker follow.
class ToolsUi : public QObject {
    Q_OBJECT
public:
    // The cursor registered under a number (21 to 33).
    using CursorLookup = std::function<QCursor(int)>;

    ToolsUi(ToolEditing& Session, QWidget* ToolsPanelFrame, QWidget* OpsPanel, WorkView* Work,
            CursorLookup Cursors, QObject* Parent = nullptr);

    ToolsPanel& tools() const { return *m_tools; }
    OptionPanels& optionPanels() const { return *m_panels; }
    // The cursor number Work shows.
    int workCursor() const { return m_cursorNumber; }

signals:
    // Text for a status bar panel: 1 the gradient bar's percentage, 2 a
    // shape's drag extent.
    void readout(int Panel, const QString& Text);

private:
    void toolChanged(int Tag);
    void showWorkHint(const QString& Text);

    SessionTools& m_session;
    WorkView* m_work;
    CursorLookup m_cursors;
    ToolsPanel* m_tools = nullptr;
    OptionPanels* m_panels = nullptr;
    int m_cursorNumber = 0;
};
