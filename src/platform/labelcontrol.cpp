#include "platform/labelcontrol.h"

#include "platform/surfacepainter.h"
#include "platform/textmetrics.h"

LabelControl::LabelControl(PictureBox &container, const std::u16string &text, PointF position,
                           const Font &font, Color foreColor, Color backColor)
    : LightweightControl(container), m_text(text), m_left(position.x), m_top(position.y),
      m_font(font), m_foreColor(foreColor), m_backColor(backColor)
{
    const Size size = textSize(font, text);
    m_size = SizeF{double(size.width), double(size.height)};
}

void LabelControl::setLeft(float left)
{
    setCoordinate(m_left, left);
}

void LabelControl::setTop(float top)
{
    setCoordinate(m_top, top);
}

RectF LabelControl::bounds() const
{
    return {m_left, m_top, m_size.width, m_size.height};
}

void LabelControl::paint(SurfacePainter &painter) const
{
    painter.drawText(bounds(), m_text, m_font, m_foreColor, m_backColor);
}
