// Draws the icon pictures without antialiasing, so that every pixel is a palette colour.
#include "iconpictures.h"

#include <QPainter>
#include <QPolygon>

namespace {
// The classic 16-colour palette, in the order that 4-bit bitmaps index it.
const QList<QRgb> classicPalette{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

const QList<QRgb> blackAndWhite{qRgb(0, 0, 0), qRgb(255, 255, 255)};

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor olive(128, 128, 0);
const QColor blackboard(0, 128, 0);
const QColor shading(0, 0, 255);
const QColor marker(255, 0, 0);
const QColor markerEdge(128, 0, 0);

// Where the parts of the picture lie at one size: the board, the rectangle ABCD (by its
// corners A top-left and C bottom-right) and the point P on side AD.
struct Layout
{
    QRect board;
    QPoint a;
    QPoint c;
    QPoint p;
    int markerSize;
};

Layout layoutFor(int size)
{
    if (size == 16)
        return {QRect(0, 1, 16, 14), QPoint(2, 4), QPoint(13, 12), QPoint(6, 4), 4};
    return {QRect(0, 2, 32, 28), QPoint(5, 8), QPoint(26, 25), QPoint(12, 8), 6};
}

QImage canvas(int size, const QColor &background)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

void drawFigure(QPainter &painter, const Layout &layout, const QColor &lines)
{
    const QPoint b(layout.a.x(), layout.c.y());
    const QPoint d(layout.c.x(), layout.a.y());
    painter.setPen(lines);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(QPolygon({layout.a, d, layout.c, b}));
    painter.drawLine(b, layout.p);
    painter.drawLine(layout.c, layout.p);
}

void shadeTriangle(QPainter &painter, const Layout &layout, const QBrush &brush)
{
    const QPoint b(layout.a.x(), layout.c.y());
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawPolygon(QPolygon({b, layout.p, layout.c}));
}

void drawMarker(QPainter &painter, const Layout &layout, const QColor &fill, const QColor &edge)
{
    const int half = layout.markerSize / 2;
    painter.setPen(edge);
    painter.setBrush(fill);
    painter.drawEllipse(
        QRect(layout.p - QPoint(half, half), QSize(layout.markerSize, layout.markerSize)));
}

// Every pixel is drawn in a colour of the table, so the conversion maps colours exactly.
QImage indexed(const QImage &image, const QList<QRgb> &colours)
{
    return image.convertToFormat(QImage::Format_Indexed8, colours,
                                 Qt::ThresholdDither | Qt::AvoidDither);
}
} // namespace

QImage twoColourIcon32()
{
    const Layout layout = layoutFor(32);
    QImage image = canvas(32, white);
    {
        QPainter painter(&image);
        painter.setPen(black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(layout.board.adjusted(0, 0, -1, -1));
        shadeTriangle(painter, layout, QBrush(black, Qt::Dense4Pattern));
        drawFigure(painter, layout, black);
        drawMarker(painter, layout, black, white);
    }
    return indexed(image, blackAndWhite);
}

QImage sixteenColourIcon(int size)
{
    const Layout layout = layoutFor(size);
    QImage image = canvas(size, olive);
    {
        QPainter painter(&image);
        painter.fillRect(layout.board, blackboard);
        shadeTriangle(painter, layout, shading);
        drawFigure(painter, layout, white);
        drawMarker(painter, layout, marker, markerEdge);
    }
    return indexed(image, classicPalette);
}

QImage appIcon(int size)
{
    // 160 pixels for the icons of 180 and 192, 384 (three quarters) for the maskable 512.
    const int factor = size >= 512 ? 12 : 5;
    const QImage picture = sixteenColourIcon(32).convertToFormat(QImage::Format_RGB32);
    const QImage enlarged =
        picture.scaled(32 * factor, 32 * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage image = canvas(size, olive);
    {
        QPainter painter(&image);
        const int margin = (size - enlarged.width()) / 2;
        painter.drawImage(margin, margin, enlarged);
    }
    return indexed(image, classicPalette);
}
