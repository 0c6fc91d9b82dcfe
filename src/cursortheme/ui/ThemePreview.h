#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class CursorThemeEditor;

// Every role the theme has a cursor for, at every size of the theme, each
// at its own pixel size on a checkerboard with its hot spot marked; the
// animated ones play at their delays.
class ThemePreview : public QWidget {
    Q_OBJECT
public:
    explicit ThemePreview(CursorThemeEditor& Editor, QWidget* Parent = nullptr);
    QSize sizeHint() const override;
    // The layout follows the roles given and the sizes.
    void refresh();

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    std::vector<int> shownSlots() const;
    int labelWidth() const;
    int rowHeight() const;

    CursorThemeEditor& m_editor;
    QTimer m_frames;       // repaints while an animated role is shown
    QElapsedTimer m_clock; // the animations' time
};
