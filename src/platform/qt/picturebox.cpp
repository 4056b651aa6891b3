// A surface's drawing on its widget's image, at the widget's device pixel ratio.
#include "platform/picturebox.h"

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
} // namespace

PictureBox::PictureBox(Window &window, const Rect &geometry)
    : Control(window, std::make_unique<Native>(new SurfaceWidget(parentWidget(window), *this)))
{
    setGeometry(geometry);
    SurfaceWidget &surface = surfaceOf(*this);
    const qreal ratio = surface.devicePixelRatioF();
    const Size size = drawingAreaSize();
    surface.image = QImage(QSize(size.width, size.height) * ratio, QImage::Format_RGB32);
    surface.image.setDevicePixelRatio(ratio);
    cls();
}

Color PictureBox::point(Point position) const
{
    const QImage &image = imageOf(*this);
    const qreal ratio = image.devicePixelRatio();
    return fromQColor(
        image.pixelColor(devicePixel(position.x, ratio), devicePixel(position.y, ratio)));
}

void PictureBox::updateArea(const RectF &area)
{
    surfaceOf(*this).update(toQRectF(area).toAlignedRect().translated(borderWidth, borderWidth));
}

void PictureBox::updateControlArea(const RectF &area)
{
    updateArea(area);
}

void PictureBox::clearImage()
{
    imageOf(*this).fill(toQColor(m_backColor));
}

void PictureBox::drawLine(PointF from, PointF to, Color color)
{
    QPainter painter(&imageOf(*this));
    painter.setPen(roundPen(color, m_drawWidth));
    painter.drawLine(toQPointF(from), toQPointF(to));
}

void PictureBox::drawBox(const RectF &box, bool filled)
{
    QPainter painter(&imageOf(*this));
    painter.setPen(roundPen(m_foreColor, m_drawWidth));
    if (filled)
        painter.setBrush(toQColor(m_fillColor));
    painter.drawRect(toQRectF(box));
}

SizeF PictureBox::drawText(const std::u16string &text)
{
    QImage &image = imageOf(*this);
    const QFont font = qtFont(this->font());
    const QFontMetricsF metrics(font, &image);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(toQColor(m_foreColor));
    const qreal width = drawFittedText(painter, QPointF(m_currentX, m_currentY), toQString(text));
    return {width, metrics.height()};
}

bool PictureBox::fillRegion(Point seed, Color border)
{
    QImage &image = imageOf(*this);
    const qreal ratio = image.devicePixelRatio();
    const PixelBuffer buffer{reinterpret_cast<std::uint32_t *>(image.bits()), image.width(),
                             image.height(), image.bytesPerLine() / 4, false};
    return floodFillBorder(buffer, {devicePixel(seed.x, ratio), devicePixel(seed.y, ratio)},
                           border.pixel(), m_fillColor.pixel());
}

// Orca 43 cannot read the description-changed event of Qt 6.4, which carries the object where
// the new text belongs; the announcer speaks the change instead.
void PictureBox::describe(const std::u16string &description)
{
    SurfaceWidget &surface = surfaceOf(*this);
    surface.setAccessibleDescription(toQString(description));
    static_cast<FormWidget *>(surface.window())
        ->announcer.describeChange(surface, description);
}

const QImage &surfaceImage(const PictureBox &surface)
{
    return imageOf(surface);
}
