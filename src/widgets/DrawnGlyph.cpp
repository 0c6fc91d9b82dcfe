#include "widgets/DrawnGlyph.h"

#include "widgets/Contrast.h"
#include "widgets/DisabledGlyph.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <map>
#include <tuple>

namespace {

class DrawnGlyphEngine : public QIconEngine {
public:
    DrawnGlyphEngine(QSize Size, GlyphDrawing Draw, GlyphDrawing DrawDisabled)
        : m_size(Size), m_draw(std::move(Draw)), m_drawDisabled(std::move(DrawDisabled)) {}

    QIconEngine* clone() const override {
        return new DrawnGlyphEngine(m_size, m_draw, m_drawDisabled);
    }
    QString key() const override { return QStringLiteral("DrawnGlyph"); }

    QSize actualSize(const QSize& Size, QIcon::Mode, QIcon::State) override {
        return m_size.scaled(Size, Qt::KeepAspectRatio).boundedTo(Size);
    }

    void paint(QPainter* Painter, const QRect& Rect, QIcon::Mode Mode, QIcon::State) override {
        const qreal scale = Painter->device() ? Painter->device()->devicePixelRatioF() : 1.0;
        const QPixmap pm = render(Rect.size(), scale, Mode);
        Painter->drawPixmap(Rect.topLeft(), pm);
    }

    QPixmap pixmap(const QSize& Size, QIcon::Mode Mode, QIcon::State) override {
        return render(Size, 1.0, Mode);
    }

    QPixmap scaledPixmap(const QSize& Size, QIcon::Mode Mode, QIcon::State, qreal Scale) override {
        // Size is in device pixels here.
        const qreal scale = Scale > 0 ? Scale : 1.0;
        return render(QSize(qRound(Size.width() / scale), qRound(Size.height() / scale)), scale,
                      Mode);
    }

private:
    // The glyph in a Box-sized logical square at Scale, kept for the next
    // paint: menus and tool bars repaint far more often than they change.
    QPixmap render(QSize Box, qreal Scale, QIcon::Mode Mode) {
        const QSize logical = actualSize(Box, Mode, QIcon::Off);
        const bool disabled = Mode == QIcon::Disabled;
        // The ink follows the desktop's light or dark scheme.
        const auto key =
            std::make_tuple(logical.width(), logical.height(), Scale, disabled, glyphInk().rgb());
        const auto found = m_cache.find(key);
        if (found != m_cache.end()) return found->second;
        const GlyphDrawing& draw = disabled && m_drawDisabled ? m_drawDisabled : m_draw;
        QImage image = drawGlyph(logical, Scale, [&](QPainter& P) {
            P.scale(qreal(logical.width()) / m_size.width(),
                    qreal(logical.height()) / m_size.height());
            draw(P);
        });
        if (disabled && !m_drawDisabled) image = disabledGlyph(image);
        QPixmap pm = QPixmap::fromImage(image);
        pm.setDevicePixelRatio(Scale);
        return m_cache[key] = pm;
    }

    QSize m_size;
    GlyphDrawing m_draw;
    GlyphDrawing m_drawDisabled;
    std::map<std::tuple<int, int, qreal, bool, QRgb>, QPixmap> m_cache;
};

} // namespace

QImage drawGlyph(QSize Size, qreal Scale, const GlyphDrawing& Draw) {
    QImage image(qRound(Size.width() * Scale), qRound(Size.height() * Scale),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(Scale);
    image.fill(Qt::transparent);
    if (image.isNull()) return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Draw(p);
    return image;
}

QIcon drawnGlyphIcon(QSize Size, GlyphDrawing Draw, GlyphDrawing DrawDisabled) {
    return QIcon(new DrawnGlyphEngine(Size, std::move(Draw), std::move(DrawDisabled)));
}
