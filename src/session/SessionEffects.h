#pragma once

#include "effects/EffectContext.h"
#include "effects/EffectFrame.h"

#include <QObject>

class EditSession;
class EffectPrompt;

// The effects and the resizing as the editing session runs them: the
// session's side of the effect frame's narrow context, and the Resize
// command, which gives the active image a new size. The session owns one for
// the whole run.
class SessionEffects : public QObject, public EffectContext {
    Q_OBJECT
public:
    explicit SessionEffects(EditSession& Session);

    // The Effects menu's handlers.
    EffectFrame& frame() { return m_frame; }
    // Who answers the effects' dialogs and the resize dialog.
    void setPrompt(EffectPrompt* Prompt) { m_frame.setPrompt(Prompt); }

    // Asks for the new size and resizes the active image: one undo step.
    void Resize1Click();
    void resizeImage(const ResizeChoice& Choice);

    // --- EffectContext ---
    TBitmap32& workBitmap(bool Reset) override;
    TBitmap32* floatingTarget() override;
    QRect floatingRect() const override;
    void placeFloatingSelection(const QRect& Rect) override;
    void commitEffect() override;
    void finishFloatingEffect() override;
    void showEffect() override;
    TColor32 foregroundColor32() const override;
    int traRange() const override;
    void showStatus(const QString& Text) override;

signals:
    // An effect has been shown: the view repaints once more shortly after
    // (RefTim).
    void effectFinished();

private:
    // The committed picture took a new size: the list caption and the hot
    // spot follow it.
    void followNewSize();

    EditSession& m_session;
    EffectFrame m_frame{*this};
};
