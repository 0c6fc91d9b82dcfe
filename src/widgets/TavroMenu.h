#pragma once

#include "widgets/TavroMenuLook.h"

#include <QProxyStyle>

class QMenuBar;

// The flat look of the main menu: every item of the menu bar and of the menus
// under it is drawn by drawTavroItem(). The toolkit still measures and runs
// the menus; this style only says how tall items must be for the glyphs.
class TTavroMenu : public QProxyStyle {
    Q_OBJECT
public:
    // ImageListWidth: the glyph width of the menus' image list (0: none).
    explicit TTavroMenu(int ImageListWidth = 0);

    TavroMenuLook& look() { return m_look; }
    const TavroMenuLook& look() const { return m_look; }
    int imageListWidth() const { return m_imageListWidth; }
    // Fixed information about the component; nothing can change it.
    static QString Homepage();

    // Makes a style for Bar and the menus it holds, owned by Bar, with the
    // main window's choices: the check boxes in the highlight colours and the
    // small menu font.
    static TTavroMenu* installOnMainMenu(QMenuBar* Bar, int ImageListWidth);

    void drawControl(ControlElement Element, const QStyleOption* Option, QPainter* Painter,
                     const QWidget* Widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement Element, const QStyleOption* Option, QPainter* Painter,
                       const QWidget* Widget = nullptr) const override;
    QSize sizeFromContents(ContentsType Type, const QStyleOption* Option, const QSize& Size,
                           const QWidget* Widget = nullptr) const override;
    int pixelMetric(PixelMetric Metric, const QStyleOption* Option = nullptr,
                    const QWidget* Widget = nullptr) const override;
    int styleHint(StyleHint Hint, const QStyleOption* Option = nullptr,
                  const QWidget* Widget = nullptr,
                  QStyleHintReturn* Return = nullptr) const override;

private:
    TavroMenuLook m_look;
    int m_imageListWidth = 0;
};
