#include "platform/linecontrol.h"

#include "platform/surfacepainter.h"

LineControl::LineControl(PictureBox &container, const LineF &line, Color color, int width)
    : LightweightControl(container), m_x1(line.x1), m_y1(line.y1), m_x2(line.x2), m_y2(line.y2),
      m_color(color), m_width(width)
{}

void LineControl::setX1(float x1)
{
    setCoordinate(m_x1, x1);
}

void LineControl::setY1(float y1)
{
    setCoordinate(m_y1, y1);
}

void LineControl::setX2(float x2)
{
    setCoordinate(m_x2, x2);
}

void LineControl::setY2(float y2)
{
    setCoordinate(m_y2, y2);
}

RectF LineControl::bounds() const
{
    return RectF::spanning(line().p1(), line().p2()).grown(m_width / 2.0 + 1);
}

void LineControl::paint(SurfacePainter &painter) const
{
    painter.drawLine(line(), m_color, m_width);
}
