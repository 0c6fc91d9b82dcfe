#pragma once

#include <QObject>
#include <map>

class QAbstractButton;
class QButtonGroup;
class QToolButton;
class QWidget;
class SessionTools;

// The contents of the main window's ToolsPanel: the tool buttons (one group,
// exactly one down) and below them the mode switches Anti and Blen. A click
// chooses the tool through the session; the buttons follow every tool change,
// also the ones made from code (the picker going back, a file being opened).
class ToolsPanel : public QObject {
    Q_OBJECT
public:
    // Places the buttons in Panel at fixed positions.
    ToolsPanel(QWidget* Panel, SessionTools& Tools);

    // The button of a tag (named after it: "pen", "brush", ...), or null.
    QToolButton* button(int Tag) const;
    QToolButton* Anti() const { return m_anti; }
    QToolButton* Blen() const { return m_blen; }

    // freeClick: the button of Tag was clicked.
    void freeClick(int Tag);
    // Shows Tag's button as the one that is down.
    void showCurrent(int Tag);
    // The switches show the options (after Anti has pushed Blen down).
    void showSwitches();

signals:
    // The screen-capture button was clicked.
    void photoClicked();

private:
    QToolButton* makeSwitch(QWidget* Panel, const char* Name, const QString& Caption,
                            const char* Hint);

    SessionTools& m_tools;
    QButtonGroup* m_group = nullptr;
    std::map<int, QToolButton*> m_buttons;
    QToolButton* m_anti = nullptr;
    QToolButton* m_blen = nullptr;
};
