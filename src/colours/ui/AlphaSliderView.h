#pragma once

#include "colours/AlphaSlider.h"

#include <QFrame>

class ColourEditing;
class QLabel;
class ScreenPointer;

// The alpha slider Alph: a lowered track captioned "Alpha" with the thumb AlP
// and its label AlL. Pressing the thumb with the left button edits the
// foreground alpha, with any other the background alpha: the thumb first
// jumps to that alpha (the mouse pointer moving with it) and then follows the
// mouse while the button is held.
class AlphaSliderView : public QFrame {
    Q_OBJECT
public:
    static constexpr int TrackWidth = 125;
    static constexpr int TrackHeight = 17;

    AlphaSliderView(ColourEditing& Colours, ScreenPointer& Pointer, QWidget* Parent = nullptr);

    void setScreenPointer(ScreenPointer& Pointer) { m_pointer = &Pointer; }
    QFrame* AlP() const { return m_thumb; }
    QLabel* AlL() const { return m_label; }
    const AlphaSliderModel& model() const { return m_model; }
    // Where the "Alpha" caption is drawn: beside the thumb, never under it.
    QRect captionRect() const;
    // The font of "Alpha": the desktop's, made smaller where the track is
    // too low for it.
    QFont captionFont() const;

    void AlPMouseDown(Qt::MouseButton Button, int X);
    void AlPMouseMove(int X);
    void AlPMouseUp();
    // The colours changed elsewhere: the thumb shows the alpha it edits.
    void followColours();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;

private:
    void placeThumb();

    ColourEditing& m_colours;
    ScreenPointer* m_pointer;
    AlphaSliderModel m_model;
    QFrame* m_thumb = nullptr;
    QLabel* m_label = nullptr;
};
