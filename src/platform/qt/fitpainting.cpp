#include "platform/qt/fitpainting.h"

#include "platform/qt/formwidget.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>

const LayoutFit &layoutFit(const QWidget &widget)
{
    static const LayoutFit own;
    const auto *form = dynamic_cast<const FormWidget *>(widget.window());
    return form != nullptr ? form->fit() : own;
}

void beginAtRatio(QPainter &painter, QImage &image, qreal ratio)
{
    image.setDevicePixelRatio(std::max<qreal>(ratio, 1));
    painter.begin(&image);
    if (ratio < 1)
        painter.scale(ratio, ratio);
}

void drawAtRatio(QPainter &painter, const QPointF &at, const QImage &image, qreal ratio)
{
    if (ratio >= 1)
        painter.drawImage(at, image);
    else
        painter.drawImage(QRectF(at, QSizeF(image.size()) / ratio), image);
}

void paintAtFit(QWidget &widget, const QRect &exposed, const QColor &beneath,
                const std::function<void(QPainter &)> &paint)
{
    const QRect area = exposed & widget.rect();
    if (area.isEmpty())
        return;
    const qreal screen = widget.devicePixelRatioF();
    const double factor = layoutFit(widget).factor;
    QImage image(area.size() * screen, QImage::Format_ARGB32_Premultiplied);
    image.fill(beneath);
    {
        QPainter painter;
        beginAtRatio(painter, image, screen * factor);
        painter.translate(-QPointF(area.topLeft()) / factor);
        paint(painter);
    }
    image.setDevicePixelRatio(screen);
    QPainter(&widget).drawImage(area.topLeft(), image);
}

void paintAsCached(QPainter &painter, const QRect &rect,
                   const std::function<void(QPainter &)> &paint)
{
    if (rect.isEmpty())
        return;
    const QTransform transform = painter.worldTransform();
    const qreal ratio = painter.device()->devicePixelRatio() * transform.m11();
    QImage cache(rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    cache.fill(Qt::transparent);
    {
        QPainter cachePainter;
        beginAtRatio(cachePainter, cache, ratio);
        cachePainter.setWorldTransform(QTransform(1, 1e-9, 0, 1, 0, 0), true);
        paint(cachePainter);
    }
    // Copied pixel for pixel: the painter's shear, if any, is left out.
    painter.save();
    painter.setWorldTransform(
        QTransform(transform.m11(), 0, 0, transform.m22(), transform.dx(), transform.dy()));
    drawAtRatio(painter, rect.topLeft(), cache, ratio);
    painter.restore();
}
