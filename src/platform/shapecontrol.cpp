#include "platform/shapecontrol.h"

#include <QPainter>

ShapeControl::ShapeControl(PictureBox &container, const QRectF &box, const QColor &fill,
                           const QColor &border)
    : LightweightControl(container), m_left(box.left()), m_top(box.top()), m_width(box.width()),
      m_height(box.height()), m_fill(fill), m_border(border)
{}

void ShapeControl::setLeft(float left)
{
    setCoordinate(m_left, left);
}

void ShapeControl::setTop(float top)
{
    setCoordinate(m_top, top);
}

QRectF ShapeControl::bounds() const
{
    return QRectF(m_left, m_top, m_width, m_height);
}

// The one-pixel outline lies inside the box, so the circle covers exactly its box.
void ShapeControl::paint(QPainter &painter) const
{
    painter.setPen(QPen(m_border, 1));
    painter.setBrush(m_fill);
    painter.drawEllipse(QRectF(m_left, m_top, m_width - 1, m_height - 1));
    painter.setBrush(Qt::NoBrush);
}
