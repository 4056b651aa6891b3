#include "platform/shapecontrol.h"

#include "platform/surfacepainter.h"

ShapeControl::ShapeControl(PictureBox &container, const RectF &box, Color fill, Color border)
    : LightweightControl(container), m_left(box.left), m_top(box.top), m_width(box.width),
      m_height(box.height), m_fill(fill), m_border(border)
{}

void ShapeControl::setLeft(float left)
{
    setCoordinate(m_left, left);
}

void ShapeControl::setTop(float top)
{
    setCoordinate(m_top, top);
}

RectF ShapeControl::bounds() const
{
    return {m_left, m_top, m_width, m_height};
}

void ShapeControl::paint(SurfacePainter &painter) const
{
    painter.drawEllipse(bounds(), m_fill, m_border);
}
