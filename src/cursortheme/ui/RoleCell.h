#pragma once

#include <QFrame>

class CursorThemeEditor;

// One role of the "Cursor Theme" window: its title and name, the cursor it
// shows (its own, or the one standing in for it, said so), a click to choose
// its file, a dropped file to take it, and the right button to clear it.
class RoleCell : public QFrame {
    Q_OBJECT
public:
    RoleCell(CursorThemeEditor& Editor, int Index, QWidget* Parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;

private:
    int pictureSide() const;
    CursorThemeEditor& m_editor;
    int m_index;
};
