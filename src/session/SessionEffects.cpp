#include "session/SessionEffects.h"

#include "document/ImageCaption.h"
#include "effects/EffectPixels.h"
#include "session/EditSession.h"
#include "session/HotSpot.h"

SessionEffects::SessionEffects(EditSession& Session) : m_session(Session) {}

TBitmap32& SessionEffects::workBitmap(bool Reset) {
    if (Reset) m_session.reset();
    return m_session.WorkBitmap();
}

TBitmap32* SessionEffects::floatingTarget() {
    return m_session.floatingTarget();
}

QRect SessionEffects::floatingRect() const {
    return m_session.floatingRect();
}

void SessionEffects::placeFloatingSelection(const QRect& Rect) {
    m_session.placeFloatingSelection(Rect);
}

void SessionEffects::showStatus(const QString& Text) {
    m_session.showStatus(Text);
}

void SessionEffects::commitEffect() {
    const TBitmap32 &work = m_session.WorkBitmap(), &clean = m_session.CleanBitmap();
    const bool resized = work.Width != clean.Width || work.Height != clean.Height;
    m_session.commit();
    if (resized) followNewSize();
    // Snapped before it is recorded, so undo brings back the colours the
    // palette image really had.
    m_session.finishEdit(true);
    if (resized) emit m_session.workResized();
}

void SessionEffects::finishFloatingEffect() {
    m_session.finishFloatingEffect();
    m_session.setModified(true);
}

void SessionEffects::showEffect() {
    emit m_session.workChanged();
    emit effectFinished();
}

TColor32 SessionEffects::foregroundColor32() const {
    return m_session.ForegroundColor32();
}

int SessionEffects::traRange() const {
    return m_session.settings().TraRange;
}

void SessionEffects::followNewSize() {
    IconImage& image = m_session.ActiveImage();
    const TBitmap32& clean = m_session.CleanBitmap();
    image.Caption = ImageCaption(clean.Width, clean.Height, image.Format);
    keepHotSpotInside(image, clean.Width, clean.Height);
}

void SessionEffects::Resize1Click() {
    EffectPrompt* prompt = m_frame.prompt();
    if (!prompt) return;
    const TBitmap32& work = m_session.WorkBitmap();
    if (const std::optional<ResizeChoice> choice = prompt->askResize(work.Width, work.Height))
        resizeImage(*choice);
}

void SessionEffects::resizeImage(const ResizeChoice& Choice) {
    // A floating selection stays floating: it is neither dropped nor
    // discarded.
    m_session.reset();
    TBitmap32& work = m_session.WorkBitmap();
    const QSize old(work.Width, work.Height);
    // Only size and pixels change: the work copy keeps its pen, font and
    // "Blend Colors" state, which the tools and colours keep there.
    replacePixels(
        work, ResizedImage(m_session.CleanBitmap(), Choice.Width, Choice.Height, Choice.Change));
    IconImage& image = m_session.ActiveImage();
    const QPoint hot = ResizedHotSpot(QPoint(image.HotSpotX, image.HotSpotY), old,
                                      QSize(work.Width, work.Height), Choice.Change);
    image.HotSpotX = std::uint8_t(hot.x());
    image.HotSpotY = std::uint8_t(hot.y());
    m_session.commit();
    followNewSize();
    // The picture only moves existing pixels: nothing to snap to the palette.
    m_session.finishEdit(false);
    emit m_session.workResized();
    emit m_session.workChanged();
}
