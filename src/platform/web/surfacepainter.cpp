// What lightweight controls paint, over a copy of their surface's image, at device pixels.
#include "platform/surfacepainter.h"

#include "platform/web/devicepixels.h"
#include "platform/web/natives.h"

void SurfacePainter::drawLine(const LineF &line, Color color, int width)
{
    const double scale = m_native.scale;
    m_native.painter.strokeLine(scaled(line.p1(), scale), scaled(line.p2(), scale), width * scale,
                                canvasWord(color));
}

// The one-pixel border lies inside the box, so the circle covers exactly its box.
void SurfacePainter::drawEllipse(const RectF &box, Color fill, Color border)
{
    const double scale = m_native.scale;
    const RectF area = scaled(box, scale);
    m_native.painter.drawEllipse({area.left + area.width / 2, area.top + area.height / 2},
                                 (area.width - scale) / 2, (area.height - scale) / 2,
                                 canvasWord(fill), canvasWord(border), scale);
}

void SurfacePainter::drawText(const RectF &box, const std::u16string &text, const Font &font,
                              Color fore, Color back)
{
    const double scale = m_native.scale;
    const RectF area = scaled(box, scale);
    m_native.painter.fillRect(area, canvasWord(back));
    m_native.texts.paint(m_native.painter, text, font, fore, scale, {area.left, area.top},
                         TextImages::Spacing::Natural);
}
