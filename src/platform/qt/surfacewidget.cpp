#include "platform/qt/surfacewidget.h"

#include "platform/picturebox.h"
#include "platform/qt/natives.h"

#include <QPainter>
#include <qdrawutil.h>

SurfaceWidget::SurfaceWidget(QWidget *parent, const PictureBox &surface)
    : QWidget(parent), m_surface(surface)
{
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::StrongFocus);
}

void SurfaceWidget::paintEvent(QPaintEvent *)
{
    constexpr int border = PictureBox::borderWidth;
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), true);
    painter.translate(border, border);
    painter.setClipRect(QRect(0, 0, width() - 2 * border, height() - 2 * border));
    painter.drawImage(QPoint(), image);
    SurfacePainter::Native native{painter};
    SurfacePainter surfacePainter(native);
    m_surface.paintControls(surfacePainter);
}
