// What lightweight controls paint, on a surface's screen canvas over its image.
#include "platform/surfacepainter.h"

#include "platform/web/natives.h"

void SurfacePainter::drawLine(const LineF &line, Color color, int width)
{
    surface_line(m_native.element, Canvas::Screen, line.x1, line.y1, line.x2, line.y2,
                 color.pixel(), width);
}

void SurfacePainter::drawEllipse(const RectF &box, Color fill, Color border)
{
    surface_ellipse(m_native.element, box.left, box.top, box.width, box.height, fill.pixel(),
                    border.pixel());
}

void SurfacePainter::drawText(const RectF &box, const std::u16string &text, const Font &font,
                              Color fore, Color back)
{
    surface_fill(m_native.element, Canvas::Screen, box.left, box.top, box.width, box.height,
                 back.pixel());
    surface_text(m_native.element, text.data(), length(text), box.left, box.top,
                 font.face == Font::Face::Gothic, font.pixelSize, font.bold, fore.pixel());
}
