#pragma once

#include "document/IconFrame.h"
#include "session/FrameEditing.h"
#include "session/FrameHost.h"

#include <QObject>
#include <functional>
#include <vector>

// The frame commands of an animated cursor and their history. A frame edit
// changes the document's structure, so it cannot be an entry of the image
// history (which records one activation of one image); it is kept here
// instead, one entry per command. The session asks this history only when
// its own has nothing left to undo or redo: since every frame edit starts
// the image history afresh, the two together undo in the order things were
// done.
class SessionFrames : public QObject, public FrameEditing {
    Q_OBJECT
public:
    explicit SessionFrames(FrameHost& Host, QObject* Parent = nullptr);

    const IconDocument& document() const override;
    void activateFrame(int Frame) override;
    void addFrame(NewFrame Kind) override;
    void removeFrame() override;
    void moveFrameUp() override;
    void moveFrameDown() override;
    void moveFrame(int From, int To) override;
    void setFrameRates(const std::vector<int>& Frames, std::uint32_t Rate) override;
    void setSequence(const std::vector<FrameStep>& Steps) override;
    void setTitleAndAuthor(const QString& Title, const QString& Author) override;

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < int(m_edits.size()); }
    void undo();
    void redo();
    // A new image edit was recorded: what was undone here cannot come back.
    void dropRedo();
    // A new document: nothing to undo.
    void clear();

signals:
    // The frames, their order, rates or the active frame changed.
    void framesChanged();

private:
    struct Edit {
        std::function<void()> Undo;
        std::function<void()> Redo;
    };
    // Runs Do once as the edit and keeps it, with Undo, in the history.
    void record(std::function<void()> Do, std::function<void()> Undo);
    void apply(const std::function<void()>& Change);

    FrameHost& m_host;
    std::vector<Edit> m_edits;
    int m_done = 0;
};
