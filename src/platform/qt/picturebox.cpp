// A surface's drawing on its widget's image, at the widget's device pixel ratio times the
// window's fit.
#include "platform/picturebox.h"

#include "platform/qt/fitpainting.h"
#include "platform/qt/fittedtextpainter.h"
#include "platform/qt/fonts.h"
#include "platform/qt/natives.h"
#include "platform/qt/nativewidget.h"
#include "platform/qt/qtext.h"
#include "platform/qt/roundpen.h"
#include "platform/qt/surfacewidget.h"
#include "platform/shared/floodfill.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace {
SurfaceWidget &surfaceOf(const PictureBox &box)
{
    return widgetOf<SurfaceWidget>(box);
}

QImage &imageOf(const PictureBox &box)
{
    return surfaceOf(box).image;
}

int devicePixel(double logical, qreal ratio)
{
    return qRound(logical * ratio);
}

// Each drawing on the surface's image, in logical pixels at the surface's device pixel ratio.
void drawOn(SurfaceWidget &surface, const DrawnLine &line)
{
    QPainter painter;
    beginAtRatio(painter, surface.image, surface.ratio);
    painter.setPen(roundPen(line.color, line.width));
    painter.drawLine(toQPointF(line.from), toQPointF(line.to));
}

void drawOn(SurfaceWidget &surface, const DrawnBox &box)
{
    QPainter painter;
    beginAtRatio(painter, surface.image, surface.ratio);
    painter.setPen(roundPen(box.pen, box.width));
    if (box.filled)
        painter.setBrush(toQColor(box.fill));
    painter.drawRect(toQRectF(box.box));
}

// Gives the width the text took.
qreal drawOn(SurfaceWidget &surface, const DrawnText &text)
{
    QPainter painter;
    beginAtRatio(painter, surface.image, surface.ratio);
    painter.setFont(qtFont(text.font));
    painter.setPen(toQColor(text.color));
    return drawFittedText(painter, toQPointF(text.topLeft), toQString(text.text));
}

bool drawOn(SurfaceWidget &surface, const DrawnFill &fill)
{
    QImage &image = surface.image;
    const qreal ratio = surface.ratio;
    const PixelBuffer buffer{reinterpret_cast<std::uint32_t *>(image.bits()), image.width(),
                             image.height(), image.bytesPerLine() / 4, false};
    return floodFillBorder(buffer,
                           {devicePixel(fill.seed.x, ratio), devicePixel(fill.seed.y, ratio)},
                           fill.border.pixel(), fill.fill.pixel());
}

// The device pixel ratio a surface draws at: the screen's times the window's fit, and never below
// 1. A line thinner than its width in the layout could lose the pixels of its own colour that stop
// the flood fill, and the shading would leak; a smaller window shows the image scaled down.
qreal drawingRatio(const QWidget &surface, const Window &window)
{
    return std::max<qreal>(1, surface.devicePixelRatioF() * window.fit().factor);
}
} // namespace

PictureBox::PictureBox(Window &window, const Rect &geometry)
    : Control(window, std::make_unique<Native>(new SurfaceWidget(parentWidget(window), *this)))
{
    setGeometry(geometry);
    SurfaceWidget &surface = surfaceOf(*this);
    surface.ratio = drawingRatio(surface, window);
    const Size size = drawingAreaSize();
    surface.image = QImage(QSize(size.width, size.height) * surface.ratio, QImage::Format_RGB32);
    surface.image.setDevicePixelRatio(surface.ratio);
    cls();
}

Color PictureBox::point(Point position) const
{
    const QImage &image = imageOf(*this);
    const qreal ratio = surfaceOf(*this).ratio;
    return fromQColor(
        image.pixelColor(devicePixel(position.x, ratio), devicePixel(position.y, ratio)));
}

// At a fit other than 1 the area grows by a pixel on each side for the rounding of its edges.
void PictureBox::updateArea(const RectF &area)
{
    SurfaceWidget &surface = surfaceOf(*this);
    const double factor = window().fit().factor;
    if (factor == 1) {
        surface.update(toQRectF(area).toAlignedRect().translated(borderWidth, borderWidth));
        return;
    }
    const QRectF inLayout = toQRectF(area).translated(borderWidth, borderWidth);
    surface.update(QRectF(inLayout.topLeft() * factor, inLayout.size() * factor)
                       .toAlignedRect()
                       .adjusted(-1, -1, 1, 1));
}

void PictureBox::updateControlArea(const RectF &area)
{
    updateArea(area);
}

void PictureBox::clearImage()
{
    SurfaceWidget &surface = surfaceOf(*this);
    surface.record.clear(m_backColor);
    surface.image.fill(toQColor(m_backColor));
}

void PictureBox::drawLine(PointF from, PointF to, Color color)
{
    const DrawnLine line{from, to, color, m_drawWidth};
    drawOn(surfaceOf(*this), line);
    surfaceOf(*this).record.add(line);
}

void PictureBox::drawBox(const RectF &box, bool filled)
{
    const DrawnBox drawn{box, m_foreColor, m_drawWidth, filled, m_fillColor};
    drawOn(surfaceOf(*this), drawn);
    surfaceOf(*this).record.add(drawn);
}

SizeF PictureBox::drawText(const std::u16string &text)
{
    const DrawnText drawn{{m_currentX, m_currentY}, text, font(), m_foreColor};
    const qreal width = drawOn(surfaceOf(*this), drawn);
    surfaceOf(*this).record.add(drawn);
    return {width, QFontMetricsF(qtFont(drawn.font), &imageOf(*this)).height()};
}

bool PictureBox::fillRegion(Point seed, Color border)
{
    const DrawnFill fill{seed, border, m_fillColor};
    surfaceOf(*this).record.add(fill);
    return drawOn(surfaceOf(*this), fill);
}

// A new image at the new device pixels, with everything drawn since the last clear drawn on it
// again in order.
void PictureBox::redrawAtScale()
{
    SurfaceWidget &surface = surfaceOf(*this);
    const qreal ratio = drawingRatio(surface, window());
    const Size size = drawingAreaSize();
    if (surface.ratio == ratio)
        return;
    surface.ratio = ratio;
    surface.image = QImage(QSize(size.width, size.height) * ratio, QImage::Format_RGB32);
    surface.image.setDevicePixelRatio(ratio);
    surface.image.fill(toQColor(surface.record.background()));
    for (const Drawing &drawing : surface.record.drawings())
        std::visit([&](const auto &drawn) { drawOn(surface, drawn); }, drawing);
    surface.update();
}

// Orca 43 cannot read the description-changed event of Qt 6.4, which carries the object where
// the new text belongs; the announcer speaks the change instead.
void PictureBox::describe(const std::u16string &description)
{
    SurfaceWidget &surface = surfaceOf(*this);
    surface.setAccessibleDescription(toQString(description));
    static_cast<FormWidget *>(surface.window())->announcer.describeChange(surface, description);
}

const QImage &surfaceImage(const PictureBox &surface)
{
    return imageOf(surface);
}
