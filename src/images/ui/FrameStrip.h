#pragma once

#include <QObject>
#include <vector>

class FrameEditing;
class FrameListModel;
class FramePrompt;
class QDropEvent;
class QListView;
class QToolButton;
class QWidget;

// The frame strip beside the image list: one thumbnail per frame with its
// rate, and the frame commands below it. A click on a frame makes it the
// frame being edited; Shift and Ctrl clicks select several for "Rate...".
class FrameStrip : public QObject {
    Q_OBJECT
public:
    static constexpr int IconSize = 32;

    // Fills Panel, which must not have a layout yet.
    FrameStrip(FrameEditing& Frames, FramePrompt& Prompts, QWidget* Panel);

    QListView* FramesList() const { return m_list; }
    FrameListModel* model() const { return m_model; }
    QToolButton* button(const char* Name) const;

    // The frames selected, in order; the active one when none is.
    std::vector<int> selectedFrames() const;
    void rateClick();
    void sequenceClick();
    void propertiesClick();
    // Highlights the active frame.
    void selectActive();
    // A frame dragged over or dropped on the list at the event's position:
    // onto a frame it takes that frame's place, below the last it goes to
    // the end. Accepts the event when it carries a frame of this strip.
    void takeDrop(QDropEvent& Event);

protected:
    // Drops of a frame on the list are taken here, before the list's own
    // handling (which in icon mode moves the picture, not the frame).
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    FrameEditing& m_frames;
    FramePrompt& m_prompts;
    QListView* m_list = nullptr;
    FrameListModel* m_model = nullptr;
    QWidget* m_panel = nullptr;
};
