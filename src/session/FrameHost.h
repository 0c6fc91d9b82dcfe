#pragma once

class IconDocument;

// What the frame commands may use of the session: the document, and the
// three moments around a change of frames. The session implements it.
class FrameHost {
public:
    virtual ~FrameHost() = default;
    virtual IconDocument& frameDocument() = 0;
    // Before the active frame is left or changed: a stroke in progress or a
    // floating selection is finished and the working copies go into the
    // active image, as when another image is chosen.
    virtual void leaveFrame() = 0;
    // After the active frame or the frames changed: the image list shows the
    // active frame's images and its active image is loaded for editing.
    virtual void showFrame() = 0;
    // A frame edit was made, undone or redone: the document is modified and
    // undo and redo follow.
    virtual void framesEdited() = 0;
};
