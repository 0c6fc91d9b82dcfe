#pragma once

#include "canvas/tools/GradientModel.h"
#include "pixel/TColor32.h"

#include <QFrame>
#include <QImage>
#include <functional>
#include <map>

class QMenu;

// The drawing colours at the moment of a click, for recolouring stops.
struct DrawingColours {
    TColor32 Foreground = 0xFF000000u;
    TColor32 Background = 0;
};
using DrawingColourSource = std::function<DrawingColours()>;

// FCol and LCol: the end colours of the gradient, 5 x 40 swatches beside the
// bar. A release recolours them from the drawing colours.
class GradientSwatch : public QFrame {
    Q_OBJECT
public:
    GradientSwatch(GradientModel& Model, GradientModel::End End, DrawingColourSource Colours,
                   QWidget* Parent = nullptr);
    void showColour();

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    GradientModel& m_model;
    GradientModel::End m_end;
    DrawingColourSource m_colours;
};

// GraP: the gradient bar GraBox with the markers of the colour stops over it.
// A click on the bar adds a stop in the foreground colour; a stop can be
// dragged, recoloured by a click, and deleted from its popup menu GrPop.
class GradientBarPanel : public QFrame {
    Q_OBJECT
public:
    GradientBarPanel(GradientModel& Model, QImage Background, DrawingColourSource Colours,
                     QWidget* Parent = nullptr);

    QWidget* GraBox() const { return m_box; }
    QMenu* GrPop() const { return m_popup; }
    // The marker of a stop, or null.
    QWidget* marker(int StopId) const;
    // The picture GraBox shows.
    const QImage& gradientBar() const { return m_bar; }

signals:
    // The percentage under the mouse ("75 %"), for the status bar.
    void hoverText(const QString& Text);

private:
    friend class GradientStopMarker;
    friend class GradientBox;
    // RenderGradientBar, and the markers follow the stops.
    void RenderGradientBar();
    void syncMarkers();
    void openPopup();

    GradientModel& m_model;
    QImage m_background;
    DrawingColourSource m_colours;
    QWidget* m_box = nullptr;
    QMenu* m_popup = nullptr;
    QImage m_bar;
    std::map<int, QWidget*> m_markers;
};
