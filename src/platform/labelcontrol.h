// A text label control on a surface, exactly as large as its text.
#pragma once

#include "platform/color.h"
#include "platform/font.h"
#include "platform/lightweightcontrol.h"

#include <string>

class LabelControl : public LightweightControl
{
public:
    LabelControl(PictureBox &container, const std::u16string &text, PointF position,
                 const Font &font, Color foreColor, Color backColor);

    std::u16string text() const { return m_text; }
    float left() const { return m_left; }
    float top() const { return m_top; }
    void setLeft(float left);
    void setTop(float top);
    SizeF size() const { return m_size; }

    RectF bounds() const override;
    void paint(SurfacePainter &painter) const override;

private:
    std::u16string m_text;
    float m_left;
    float m_top;
    Font m_font;
    Color m_foreColor;
    Color m_backColor;
    SizeF m_size;
};
