// A filled circle control, placed by the top-left corner of its box.
#pragma once

#include "platform/lightweightcontrol.h"

#include <QColor>

class ShapeControl : public LightweightControl
{
public:
    ShapeControl(PictureBox &container, const QRectF &box, const QColor &fill,
                 const QColor &border);

    float left() const { return m_left; }
    float top() const { return m_top; }
    void setLeft(float left);
    void setTop(float top);

    QRectF bounds() const override;
    void paint(QPainter &painter) const override;

private:
    float m_left;
    float m_top;
    float m_width;
    float m_height;
    QColor m_fill;
    QColor m_border;
};
