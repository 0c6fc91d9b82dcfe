// Writes the program's thirteen mouse cursors into "<folder>/Cursors", each a
// 32 x 32 cursor file with one 32-bit image, drawn here and stored with the
// program's own icon/cursor writer:
//
//   brush.cur   a paint brush, hot spot at the tip of the bristles
//   cross.cur   a thin cross hair with an open centre, hot spot in the middle
//   move.cur    a four-headed arrow, hot spot in the middle
//   patil.cur   a tipped paint bucket, hot spot at the end of the pouring paint
//   pencil.cur  a pencil, hot spot at its point
//   pick.cur    an eye dropper, hot spot at its point
//   hot.cur     a target ring over a cross hair, hot spot in the middle
//   text.cur    an I-beam, hot spot in its middle
//   sizer.cur   a left-right double arrow, hot spot in the middle
//   sizeb.cur   an up-down double arrow, hot spot in the middle
//   sizec.cur   a diagonal double arrow, hot spot in the middle
//   spray.cur   a spray can and its cloud, hot spot in the cloud's middle
//   zoom.cur    a magnifying glass, hot spot in the lens
//
// Every picture gets a one-pixel white rim so it shows on dark and light
// ground alike.

#include "document/IconFileWriter.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <cstdio>
#include <functional>

namespace {

constexpr int Side = 32;

const QColor Ink(0, 0, 0);
const QColor White(255, 255, 255);

struct CursorRecipe {
    const char* FileName;
    int HotX;
    int HotY;
    std::function<void(QPainter&)> Draw;
};

QPen inkPen(qreal Width = 1.0) {
    return QPen(Ink, Width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// Lays a tool along a line from its working point (Tip) up and to the right:
// the painter's x axis then runs from the tip towards the handle.
void alongDiagonal(QPainter& P, QPointF Tip) {
    P.translate(Tip);
    P.rotate(-45);
}

void pencil(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    alongDiagonal(p, QPointF(1, 31));
    p.setPen(inkPen());
    // Point and sharpened wood.
    QPolygonF wood;
    wood << QPointF(0.5, 0) << QPointF(9, -4) << QPointF(9, 4);
    p.setBrush(QColor(238, 206, 150));
    p.drawPolygon(wood);
    QPolygonF lead;
    lead << QPointF(0.5, 0) << QPointF(3.5, -1.4) << QPointF(3.5, 1.4);
    p.setBrush(Ink);
    p.drawPolygon(lead);
    // Painted body, metal band and eraser.
    p.setBrush(QColor(250, 200, 30));
    p.drawRect(QRectF(9, -4, 22, 8));
    p.drawLine(QPointF(9, 0), QPointF(31, 0));
    p.setBrush(QColor(170, 170, 178));
    p.drawRect(QRectF(31, -4, 3, 8));
    p.setBrush(QColor(240, 130, 150));
    p.drawRect(QRectF(34, -4, 5, 8));
}

void brush(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    alongDiagonal(p, QPointF(2, 30));
    p.setPen(inkPen());
    // Bristles wet with paint, gathered to a point.
    QPainterPath bristles;
    bristles.moveTo(0, 0);
    bristles.cubicTo(3, -1, 6, -4, 11, -4);
    bristles.lineTo(11, 4);
    bristles.cubicTo(6, 4, 3, 1, 0, 0);
    p.setBrush(QColor(40, 90, 200));
    p.drawPath(bristles);
    // Metal ferrule and a wooden handle that narrows towards its end.
    p.setBrush(QColor(190, 190, 198));
    p.drawRect(QRectF(11, -4, 6, 8));
    QPolygonF handle;
    handle << QPointF(17, -3.5) << QPointF(38, -2) << QPointF(38, 2) << QPointF(17, 3.5);
    p.setBrush(QColor(170, 100, 40));
    p.drawPolygon(handle);
}

void cross(QPainter& p) {
    p.setPen(inkPen());
    p.drawLine(15, 1, 15, 11);
    p.drawLine(15, 19, 15, 29);
    p.drawLine(1, 15, 11, 15);
    p.drawLine(19, 15, 29, 15);
    p.drawPoint(15, 15);
}

void doubleArrow(QPainter& p, QPointF From, QPointF To, qreal Head) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QLineF axis(From, To);
    p.translate(From);
    p.rotate(-axis.angle());
    const qreal len = axis.length();
    QPolygonF shape;
    shape << QPointF(0, 0) << QPointF(Head, -Head) << QPointF(Head, -1.5)
          << QPointF(len - Head, -1.5) << QPointF(len - Head, -Head) << QPointF(len, 0)
          << QPointF(len - Head, Head) << QPointF(len - Head, 1.5) << QPointF(Head, 1.5)
          << QPointF(Head, Head);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPolygon(shape);
    p.restore();
}

void move(QPainter& p) {
    doubleArrow(p, QPointF(2, 15.5), QPointF(29, 15.5), 5);
    doubleArrow(p, QPointF(15.5, 2), QPointF(15.5, 29), 5);
}

void sizer(QPainter& p) {
    doubleArrow(p, QPointF(3, 15.5), QPointF(28, 15.5), 6);
}

void sizeb(QPainter& p) {
    doubleArrow(p, QPointF(15.5, 3), QPointF(15.5, 28), 6);
}

void sizec(QPainter& p) {
    doubleArrow(p, QPointF(6, 6), QPointF(25, 25), 6);
}

void patil(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    // Paint running from the bucket's lip down to the point that is filled.
    QPainterPath paint;
    paint.moveTo(10, 14);
    paint.cubicTo(4, 16, 3, 21, 3, 28);
    paint.cubicTo(3.5, 30.5, 5.5, 30.5, 6, 28);
    paint.cubicTo(6, 23, 8, 20, 12, 18);
    paint.closeSubpath();
    p.setPen(inkPen());
    p.setBrush(QColor(220, 40, 40));
    p.drawPath(paint);
    // The bucket, tipped towards the left, with its handle.
    p.translate(19, 17);
    p.rotate(-35);
    QPolygonF bucket;
    bucket << QPointF(-9, -7) << QPointF(9, -7) << QPointF(7, 9) << QPointF(-7, 9);
    p.setBrush(QColor(200, 205, 215));
    p.drawPolygon(bucket);
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(QRectF(-9, -9, 18, 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-10, -13, 20, 12), 20 * 16, 140 * 16);
}

void pick(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    alongDiagonal(p, QPointF(1, 31));
    p.setPen(inkPen());
    // Fine point, glass tube, collar and rubber bulb.
    QPolygonF point;
    point << QPointF(0.5, 0) << QPointF(8, -1.5) << QPointF(8, 1.5);
    p.setBrush(Ink);
    p.drawPolygon(point);
    p.setBrush(QColor(225, 240, 250));
    p.drawRect(QRectF(8, -2.5, 14, 5));
    p.setBrush(QColor(60, 140, 220));
    p.drawRect(QRectF(8, -1, 7, 2));
    p.setBrush(QColor(120, 120, 130));
    p.drawRect(QRectF(22, -4.5, 3, 9));
    p.setBrush(QColor(50, 50, 60));
    p.drawRoundedRect(QRectF(25, -3.5, 12, 7), 3, 3);
}

void hot(QPainter& p) {
    p.setPen(inkPen());
    p.drawLine(15, 0, 15, 12);
    p.drawLine(15, 18, 15, 30);
    p.drawLine(0, 15, 12, 15);
    p.drawLine(18, 15, 30, 15);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(210, 30, 30), 2));
    p.drawEllipse(QPointF(15.5, 15.5), 8, 8);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(210, 30, 30), 1));
    p.drawPoint(15, 15);
}

void text(QPainter& p) {
    p.setPen(inkPen());
    p.drawLine(15, 6, 15, 25);
    p.drawLine(11, 5, 14, 5);
    p.drawLine(16, 5, 19, 5);
    p.drawLine(11, 26, 14, 26);
    p.drawLine(16, 26, 19, 26);
}

void spray(QPainter& p) {
    // The cloud of paint around the point that is sprayed.
    static const int dots[][2] = {{6, 1}, {2, 3},  {9, 3},  {5, 5},  {1, 7},  {8, 7},
                                  {4, 9}, {11, 9}, {2, 11}, {7, 11}, {10, 5}, {3, 6}};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 200));
    for (const auto& d : dots)
        p.drawRect(d[0], d[1], 2, 2);
    // The can, nozzle towards the cloud.
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(21, 21);
    p.rotate(-45);
    p.setPen(inkPen());
    p.setBrush(QColor(200, 205, 215));
    p.drawRoundedRect(QRectF(-5, -6, 10, 18), 2, 2);
    p.setBrush(QColor(40, 90, 200));
    p.drawRect(QRectF(-5, 0, 10, 6));
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(-2.5, -10, 5, 4));
    p.drawRect(QRectF(-1, -12, 2, 2));
}

void zoom(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 30), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 18), QPointF(28, 28));
    p.setPen(inkPen(2));
    p.setBrush(QColor(215, 235, 255));
    p.drawEllipse(QPointF(11.5, 11.5), 8.5, 8.5);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(inkPen());
    p.drawLine(8, 11, 14, 11);
    p.drawLine(11, 8, 11, 14);
}

const CursorRecipe Recipes[] = {
    {"brush.cur", 2, 29, brush},  {"cross.cur", 15, 15, cross},  {"move.cur", 15, 15, move},
    {"patil.cur", 4, 30, patil},  {"pencil.cur", 1, 30, pencil}, {"pick.cur", 1, 30, pick},
    {"hot.cur", 15, 15, hot},     {"text.cur", 15, 15, text},    {"sizer.cur", 15, 15, sizer},
    {"sizeb.cur", 15, 15, sizeb}, {"sizec.cur", 15, 15, sizec},  {"spray.cur", 6, 6, spray},
    {"zoom.cur", 11, 11, zoom},
};

// The glyph over a white rim: the rim's alpha at each pixel is the largest
// glyph alpha around it.
TBitmap32 withRim(const QImage& Glyph) {
    const QImage g = Glyph.convertToFormat(QImage::Format_ARGB32);
    TBitmap32 out(Side, Side);
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            int rim = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < Side && ny < Side)
                        rim = std::max(rim, qAlpha(g.pixel(nx, ny)));
                }
            const QRgb c = g.pixel(x, y);
            const int a = qAlpha(c);
            // Glyph over white: straight-alpha "over" with an opaque-enough base.
            const int outA = a + rim * (255 - a) / 255;
            if (outA == 0) continue;
            const auto channel = [&](int Glyph) {
                return (Glyph * a + 255 * rim * (255 - a) / 255 + outA / 2) / outA;
            };
            out.SetPixel(x, y,
                         SetAlpha(TColor(channel(qRed(c))) | (TColor(channel(qGreen(c))) << 8) |
                                      (TColor(channel(qBlue(c))) << 16),
                                  outA));
        }
    return out;
}

QByteArray cursorFile(const CursorRecipe& Recipe) {
    QImage glyph(Side, Side, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    {
        QPainter p(&glyph);
        Recipe.Draw(p);
    }
    auto image = std::make_unique<IconImage>();
    image->Pixels = withRim(glyph);
    image->Format = 32;
    image->HotSpotX = std::uint8_t(Recipe.HotX);
    image->HotSpotY = std::uint8_t(Recipe.HotY);
    std::vector<const IconImage*> images{image.get()};
    return WriteIconFile(IconFile::TypeCursor, images, TransparencySettings());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: brisel-make-cursors <data folder>\n");
        return 2;
    }
    const QDir folder(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("Cursors")));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "brisel-make-cursors: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    for (const CursorRecipe& recipe : Recipes) {
        const QString path = folder.filePath(QLatin1String(recipe.FileName));
        try {
            const QByteArray bytes = cursorFile(recipe);
            QSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
                !file.commit())
                throw FileError(
                    QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
        } catch (const FileError& e) {
            std::fprintf(stderr, "brisel-make-cursors: %s\n", e.what());
            return 1;
        }
    }
    return 0;
}
