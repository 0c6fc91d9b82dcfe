#include "colours/ColoursBox.h"

#include "document/DefaultPalette.h"
#include "document/PaletteGrid.h"
#include "pixel/TBitmap32.h"

#include <algorithm>

namespace {

// Below the true-colour chart the marker row is 10 pixels high.
constexpr int ChartCellHeight = 10;

QImage chartPicture(const QImage& Chart) {
    QImage img(ColoursBox::Width, ColourChartHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    const QImage src = Chart.convertToFormat(QImage::Format_RGB32);
    const int w = std::min(src.width(), ColoursBox::Width);
    const int h = std::min(src.height(), ColourChartHeight);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, src.pixel(x, y));
    return img;
}

TColor rgbOf(QRgb P) {
    return TColor(qRed(P)) | (TColor(qGreen(P)) << 8) | (TColor(qBlue(P)) << 16);
}

} // namespace

void ColoursBox::rebuild(const PalettePicture& Palette, TColor TraColor, TColor InvColor) {
    const int n = Palette.count();
    QImage top;
    if (n == ColourChartHeight) {
        top = chartPicture(Palette.picture());
        m_cellHeight = ChartCellHeight;
    } else {
        const PaletteGridLayout layout = PaletteGrid::layout(n);
        top = PaletteGrid::draw(Palette);
        m_cellHeight = layout.CellHeight;
    }
    // The row always starts on a line of its own, also when a palette of an
    // unusual size leaves the last grid row part-filled.
    m_paletteHeight = top.height();
    m_picture = QImage(Width, m_paletteHeight + m_cellHeight, QImage::Format_RGB32);
    m_picture.fill(Qt::white);
    for (int y = 0; y < m_paletteHeight; ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(top.constScanLine(y)), Width,
                    reinterpret_cast<QRgb*>(m_picture.scanLine(y)));

    const int y = m_paletteHeight;
    PaletteGrid::drawCell(m_picture, TRect(0, y, Width / 2, y + m_cellHeight), TraColor);
    PaletteGrid::drawCell(m_picture, TRect(Width / 2, y, Width, y + m_cellHeight), InvColor);
}

std::optional<TColor> ColoursBox::colourAt(int X, int Y) const {
    if (!m_picture.valid(X, Y)) return std::nullopt;
    return rgbOf(m_picture.pixel(X, Y));
}

std::optional<ColoursBox::Pick> ColoursBox::pickAt(int X, int Y) const {
    const std::optional<TColor> c = colourAt(X, Y);
    if (!c) return std::nullopt;
    const bool markerRow = pictureHeight() - Y < m_cellHeight;
    return Pick{*c, markerRow ? 0 : 255};
}

std::optional<ColourSlot> colorsBoxMouseDown(const ColoursBox& Box, int X, int Y,
                                             Qt::MouseButton Button, ColourState& State,
                                             TBitmap32& WorkBitmap) {
    if (Button != Qt::LeftButton && Button != Qt::RightButton) return std::nullopt;
    const std::optional<ColoursBox::Pick> pick = Box.pickAt(X, Y);
    if (!pick) return std::nullopt;
    const ColourSlot slot = slotForButton(Button);
    State.setColour(slot, pick->Rgb, pick->Alpha);
    applySlotColour(State, slot, WorkBitmap);
    return slot;
}
