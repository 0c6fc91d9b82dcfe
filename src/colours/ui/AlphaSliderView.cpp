#include "colours/ui/AlphaSliderView.h"

#include "colours/ScreenPointer.h"
#include "session/ColourEditing.h"
#include "session/Hint.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

AlphaSliderView::AlphaSliderView(ColourEditing& Colours, ScreenPointer& Pointer, QWidget* Parent)
    : QFrame(Parent), m_colours(Colours), m_pointer(&Pointer) {
    setObjectName(QStringLiteral("Alph"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(1);
    setFixedSize(TrackWidth, TrackHeight);

    m_thumb = new QFrame(this);
    m_thumb->setObjectName(QStringLiteral("AlP"));
    m_thumb->setFrameShape(QFrame::WinPanel);
    m_thumb->setFrameShadow(QFrame::Raised);
    m_thumb->setAutoFillBackground(true);
    m_label = new QLabel(m_thumb);
    m_label->setObjectName(QStringLiteral("AlL"));
    m_label->setAlignment(Qt::AlignCenter);
    QFont f = m_label->font();
    f.setPixelSize(9);
    m_label->setFont(f);
    // Thumb and label are pressed and dragged as one.
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(m_thumb);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    applyHint(m_thumb, tr("Scroll to change alpha (F:Left button; B:Right button)"));
    m_thumb->installEventFilter(this);
    placeThumb();
}

void AlphaSliderView::followColours() {
    m_model.follow(m_colours.colours());
    placeThumb();
}

void AlphaSliderView::placeThumb() {
    m_thumb->setGeometry(m_model.thumbLeft(), 1, 23, 15);
    m_label->setText(m_model.caption());
    // The caption moves out of the thumb's way.
    update();
}

void AlphaSliderView::AlPMouseDown(Qt::MouseButton Button, int X) {
    const int shift = m_model.press(Button, X, m_colours.colours());
    placeThumb();
    // The pointer stays on the same spot of the thumb.
    if (shift != 0) m_pointer->setPos(m_pointer->pos() + QPoint(shift, 0));
}

void AlphaSliderView::AlPMouseMove(int X) {
    ColourState state = m_colours.colours();
    if (!m_model.move(X, state, m_colours.WorkBitmap())) return;
    placeThumb();
    m_colours.setColours(state);
}

void AlphaSliderView::AlPMouseUp() {
    m_model.release();
}

bool AlphaSliderView::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched != m_thumb) return QFrame::eventFilter(Watched, Event);
    switch (Event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* e = static_cast<QMouseEvent*>(Event);
        AlPMouseDown(e->button(), int(e->position().x()));
        return true;
    }
    case QEvent::MouseMove:
        AlPMouseMove(int(static_cast<QMouseEvent*>(Event)->position().x()));
        return true;
    case QEvent::MouseButtonRelease:
    case QEvent::Leave: // AlLMouseLeave
        AlPMouseUp();
        return Event->type() == QEvent::MouseButtonRelease;
    default:
        return QFrame::eventFilter(Watched, Event);
    }
}

QRect AlphaSliderView::captionRect() const {
    // "Alpha" stands in the wider part of the track beside the thumb, so the
    // thumb never covers it, wherever it is.
    const QRect track = contentsRect();
    const QRect thumb = m_thumb->geometry();
    const QRect left(track.left(), track.top(), thumb.left() - track.left(), track.height());
    const QRect right(thumb.right() + 1, track.top(), track.right() - thumb.right(),
                      track.height());
    return left.width() >= right.width() ? left : right;
}

QFont AlphaSliderView::captionFont() const {
    QFont f = font();
    const int room = contentsRect().height();
    if (QFontMetrics(f).height() > room) f.setPixelSize(std::max(6, room - 2));
    return f;
}

void AlphaSliderView::paintEvent(QPaintEvent* Event) {
    QFrame::paintEvent(Event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(captionFont());
    p.drawText(captionRect(), Qt::AlignCenter, tr("Alpha"));
}
