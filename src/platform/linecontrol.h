// A straight line control of fixed colour and width whose end points can be moved.
#pragma once

#include "platform/color.h"
#include "platform/lightweightcontrol.h"

class LineControl : public LightweightControl
{
public:
    LineControl(PictureBox &container, const LineF &line, Color color, int width);

    float x1() const { return m_x1; }
    float y1() const { return m_y1; }
    float x2() const { return m_x2; }
    float y2() const { return m_y2; }
    LineF line() const { return {m_x1, m_y1, m_x2, m_y2}; }
    void setX1(float x1);
    void setY1(float y1);
    void setX2(float x2);
    void setY2(float y2);

    Color color() const { return m_color; }
    int width() const { return m_width; }

    RectF bounds() const override;
    void paint(SurfacePainter &painter) const override;

private:
    float m_x1;
    float m_y1;
    float m_x2;
    float m_y2;
    Color m_color;
    int m_width;
};
