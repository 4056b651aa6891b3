// A filled circle control, placed by the top-left corner of its box.
#pragma once

#include "platform/color.h"
#include "platform/lightweightcontrol.h"

class ShapeControl : public LightweightControl
{
public:
    ShapeControl(PictureBox &container, const RectF &box, Color fill, Color border);

    float left() const { return m_left; }
    float top() const { return m_top; }
    void setLeft(float left);
    void setTop(float top);

    RectF bounds() const override;
    void paint(SurfacePainter &painter) const override;

private:
    float m_left;
    float m_top;
    float m_width;
    float m_height;
    Color m_fill;
    Color m_border;
};
