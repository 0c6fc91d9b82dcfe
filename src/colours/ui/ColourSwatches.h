#pragma once

#include "colours/ColourState.h"

#include <QFrame>

class EditSession;
class QLabel;

// One drawing colour's swatch (pecol or brcol) with the label that fills it
// (pelbl or brlbl) and shows the alpha in the complement of the colour,
// outlined so it reads even where the complement is close to the colour.
class ColourSwatch : public QFrame {
    Q_OBJECT
public:
    ColourSwatch(ColourSlot Slot, QWidget* Parent);

    ColourSlot slot() const { return m_slot; }
    QLabel* label() const { return m_label; }
    void showColour(const ColourState& State);
    // Where the alpha figure goes, in the swatch's own coordinates: the part
    // that another swatch lying over this one leaves in view.
    void setLabelArea(const QRect& Area);

signals:
    void pressed(ColourSlot Slot, Qt::MouseButton Button);
    void hovered(ColourSlot Slot);
    void left();

protected:
    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void leaveEvent(QEvent* Event) override;

private:
    ColourSlot m_slot;
    QLabel* m_label = nullptr;
    QRect m_labelArea; // empty: the whole inside of the frame
};

// The lowered panel colspan of the tool panel: the foreground swatch with the
// background swatch overlapping it at the bottom right. A click opens the
// colour dialog for that swatch; a right click swaps the two colours.
class ColourSwatches : public QFrame {
    Q_OBJECT
public:
    explicit ColourSwatches(EditSession& Session, QWidget* Parent = nullptr);

    ColourSwatch* pecol() const { return m_pecol; }
    ColourSwatch* brcol() const { return m_brcol; }
    // Both swatches and labels take the session's colours.
    void refresh();

signals:
    void readout(const QString& Rgb, const QString& Hex);

private:
    EditSession& m_session;
    ColourSwatch* m_pecol = nullptr;
    ColourSwatch* m_brcol = nullptr;
};
