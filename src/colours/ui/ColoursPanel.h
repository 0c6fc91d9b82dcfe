#pragma once

#include "colours/ScreenPointer.h"

#include <QObject>

class AlphaSliderView;
class ColourSwatches;
class ColoursBoxView;
class ColourEditing;
class EditSession;
class QLabel;
class QToolButton;
class QWidget;

// The colours of the main window: in ColorsPanel the palette box with the
// "Transparent Color" and "Inverted Color" labels below it and the alpha
// slider at the bottom; in the tool panel the two swatches and the buttons
// that recolour the image. Everything follows the session: a rebuilt palette
// box, changed colours, another active image.
class ColoursPanel : public QObject {
    Q_OBJECT
public:
    // Places of the parts, as the panels lay them out.
    static constexpr int AlphBottomGap = 8; // below the slider
    static constexpr QPoint ColspanPos{3, 273};
    static constexpr QPoint ChangecolPos{2, 226};
    static constexpr QPoint ColcovertPos{30, 226};

    ColoursPanel(ColourEditing& Session, QWidget* ColorsPanel, QWidget* ToolsPanel);

    ColoursBoxView* ColorsBox() const { return m_box; }
    QLabel* TraLbl() const { return m_traLbl; }
    QLabel* InvLbl() const { return m_invLbl; }
    AlphaSliderView* Alph() const { return m_alph; }
    ColourSwatches* colspan() const { return m_swatches; }
    QToolButton* changecol() const { return m_changecol; }
    QToolButton* colcovert() const { return m_colcovert; }

    // Where the alpha slider moves the mouse pointer (tests record it).
    void setScreenPointer(ScreenPointer& Pointer);
    // Places the marker labels under the box the session built.
    void layoutBox();

signals:
    // The status bar's colour readouts: "r,g,b" and "#RRGGBB", both empty
    // when the mouse leaves a colour.
    void readout(const QString& Rgb, const QString& Hex);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void placeAlph();

    ColourEditing& m_session;
    QWidget* m_colorsPanel;
    int m_designWidth; // the panel's width in the program's own font
    QtScreenPointer m_screenPointer;
    ColoursBoxView* m_box = nullptr;
    QLabel* m_traLbl = nullptr;
    QLabel* m_invLbl = nullptr;
    AlphaSliderView* m_alph = nullptr;
    ColourSwatches* m_swatches = nullptr;
    QToolButton* m_changecol = nullptr;
    QToolButton* m_colcovert = nullptr;
};

// Keeps Panel in step with the session: the slider and swatches follow the
// colours, the two buttons run their commands, and the box is rebuilt, now
// and for every image shown.
void connectColoursPanel(ColoursPanel* Panel, EditSession& Session);
