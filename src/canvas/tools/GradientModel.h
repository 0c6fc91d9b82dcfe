#pragma once

#include "canvas/tools/GradientStops.h"
#include "pixel/TColor32.h"

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

// The gradient the fill tool paints with, as the gradient bar edits it: the two
// end colours FCol and LCol and the colour stops between them. The bar widget
// forwards its mouse events here and redraws on changed(); it keeps one marker
// per stop, found by the stop's id.
//
// A stop is placed like its marker: the marker's Left within the bar's panel,
// the gradient position being Left + 2. A new stop's Left is the clicked
// column; a dragged stop's Left stays within -1 .. 197, so dragging brings
// any stop to a position of 1 .. 199, where it never hides an end colour.
class GradientModel : public QObject {
    Q_OBJECT
public:
    struct Stop {
        int id = 0;
        int left = 0;
        TColor32 colour = 0; // straight alpha, as the colours panel gives it
        int position() const { return left + 2; }
    };
    enum class End { First, Last }; // FCol, LCol

    static constexpr int MinStopLeft = -1;
    static constexpr int MaxStopLeft = 197;

    explicit GradientModel(QObject* parent = nullptr);

    TColor32 firstColour() const { return m_first; }
    TColor32 lastColour() const { return m_last; }
    TColor32 endColour(End end) const { return end == End::First ? m_first : m_last; }
    // In creation order; a later stop wins over an earlier one at the same place.
    const std::vector<Stop>& stops() const { return m_stops; }
    const Stop* stop(int id) const;

    ColourStops colourStops() const;
    GradientColours colours() const { return interpolateStops(colourStops()); }
    GradientTable table(bool leftButton) const { return makeGradientTable(colours(), leftButton); }

    // A click on the bar at X (any button) adds a stop in the foreground
    // colour; returns its id.
    int addStop(int barX, TColor32 foreground);
    // A press on a stop: the left button starts a drag, any other button makes
    // the stop the one the popup menu acts on.
    void pressStop(int id, Qt::MouseButton button, int xInStop);
    // Mouse move over a stop at X within it. While that stop is being dragged
    // it follows the mouse and the result is the status text of its position.
    std::optional<QString> moveStop(int id, int xInStop);
    // Release on a stop. A release that ends a drag keeps the colour; otherwise
    // the stop takes the foreground colour (left button) or the background
    // colour (other buttons). True when the popup menu should open.
    bool releaseStop(int id, Qt::MouseButton button, TColor32 foreground, TColor32 background);
    // Release on FCol or LCol: recoloured the same way, never a popup.
    void releaseEnd(End end, Qt::MouseButton button, TColor32 foreground, TColor32 background);
    // "Delete" of the popup menu.
    void deletePopupStop();
    std::optional<int> popupStop() const { return m_popupStop; }
    bool dragging() const { return m_dragStop.has_value(); }

    // Swatch and marker decorations.
    static QString hintFor(TColor32 colour);
    static TColor outlineFor(TColor32 colour) { return 0xFFFFFFu - Color32ToColor(colour); }

signals:
    // The bar picture is stale: a stop or an end colour changed.
    void changed();

private:
    Stop* findStop(int id);
    bool consumeMoved();

    TColor32 m_first = 0xFF000000u;
    TColor32 m_last = 0xFFFFFFFFu;
    std::vector<Stop> m_stops;
    int m_nextId = 1;
    std::optional<int> m_dragStop;
    int m_pressX = 0;
    bool m_stopMoved = false;
    std::optional<int> m_popupStop;
};

// The status text while hovering the bar at X: its percentage, "75 %" at 150.
QString gradientHoverText(int barX);
