#pragma once

#include <QColor>
#include <QDialog>
#include <QSize>

#include <initializer_list>
#include <vector>

class QLabel;
class QPushButton;
class QSlider;
class PictureBox;
class TBitmap32;

// What the effect dialogs share: a fixed modal dialog centred on the main
// window, "OK" (default) and "Cancel" (Escape), the dialog's face colour that
// the previews are drawn on, and the labelled track bars with their value
// labels.
class EffectForm : public QDialog {
    Q_OBJECT
public:
    // Shows the dialog modally, centred on its parent; true when it closed
    // with OK. A number typed but not yet confirmed still counts.
    bool runModal();

    QPushButton* OK() const { return m_ok; }
    QPushButton* Cancel() const { return m_cancel; }
    // The colour the previews show the picture on.
    QColor face() const;
    // The preview control, if the dialog has one.
    PictureBox* Img() const { return m_img; }

protected:
    EffectForm(const char* Name, const QString& Caption, QSize ClientSize, QWidget* Parent);

    // The two buttons, 75 x 25, at the given places; Names are their
    // component names.
    void addButtons(QPoint OkAt, QPoint CancelAt, const char* OkName = "OK",
                    const char* CancelName = "Cancel");
    // The preview control (Img) at (8, 8), 265 x 169, unless told otherwise;
    // a small picture is shown enlarged, so it can be judged.
    PictureBox* addPreview(QRect Place = QRect(8, 8, 265, 169));
    // A rotatable one in its place.
    void setPreview(PictureBox* Img) { m_img = Img; }

    // A horizontal track bar 33 pixels high from TrackLeft to the value
    // label at 256, with its caption label at the left.
    struct Slider {
        QSlider* Track = nullptr;
        QLabel* Value = nullptr;
    };
    Slider addSlider(const char* Name, const char* ValueName, const QString& Caption, int Top,
                     int TrackLeft, int Min, int Max, int TickStep, const QString& Hint);

    // The caption labels, track bars and value labels are placed from the
    // font: the tracks of one dialog start together right of the widest
    // caption (not before TrackLeft) and end before room for the longest
    // value, so no label touches a handle or loses a digit at any scale.
    void layoutSliders();
    void changeEvent(QEvent* Event) override;

    // Puts Sliders at Start, showing it, without drawing a preview for each.
    void putSliders(std::initializer_list<Slider> Sliders, int Start);
    // Takes the pixels the dialog works on until it hides, and draws the
    // preview.
    void takeTarget(const TBitmap32& Target);
    const TBitmap32* target() const { return m_target; }
    // Draws the preview again with the values the controls show; nothing
    // while there is no target.
    void redraw();
    virtual void drawPreview(const TBitmap32& Target) = 0;
    // The preview is emptied and the target let go.
    void hideEvent(QHideEvent* Event) override;

private:
    struct SliderRow {
        QLabel* Caption = nullptr;
        Slider Parts;
        int Top = 0;
        int TrackLeft = 0;
    };
    std::vector<SliderRow> m_rows;
    const TBitmap32* m_target = nullptr;
    PictureBox* m_img = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
