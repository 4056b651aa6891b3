#include "platform/qt/surfacewidget.h"

#include "platform/picturebox.h"
#include "platform/qt/controlwidgets.h"
#include "platform/qt/fitpainting.h"
#include "platform/qt/natives.h"

#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

SurfaceWidget::SurfaceWidget(QWidget *parent, const PictureBox &surface)
    : QWidget(parent), m_surface(surface)
{
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::StrongFocus);
}

void SurfaceWidget::paintEvent(QPaintEvent *event)
{
    if (layoutFit(*this).factor == 1) {
        QPainter painter(this);
        paintSurface(painter, size());
        return;
    }
    const Rect place = m_surface.geometry();
    paintAtFit(*this, event->rect(), colourBeneath(*this),
               [&](QPainter &painter) { paintSurface(painter, QSize(place.width, place.height)); });
}

// The border, the image and the controls, for a surface of the given size.
void SurfaceWidget::paintSurface(QPainter &painter, const QSize &size) const
{
    constexpr int border = PictureBox::borderWidth;
    qDrawWinPanel(&painter, QRect(QPoint(), size), palette(), true);
    painter.translate(border, border);
    painter.setClipRect(QRect(0, 0, size.width() - 2 * border, size.height() - 2 * border),
                        Qt::IntersectClip);
    if (painter.deviceTransform().m11() < ratio)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPoint(), image);
    SurfacePainter::Native native{painter};
    SurfacePainter surfacePainter(native);
    m_surface.paintControls(surfacePainter);
}
