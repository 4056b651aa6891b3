// The drawing calls of a surface as the program makes them; the backend draws the pixels.
#include "platform/picturebox.h"

#include "platform/lightweightcontrol.h"

void PictureBox::setBackColor(Color color)
{
    m_backColor = color;
    cls();
}

void PictureBox::cls()
{
    clearImage();
    m_currentX = 0;
    m_currentY = 0;
    updateArea(drawingArea());
}

void PictureBox::line(PointF from, PointF to)
{
    line(from, to, m_foreColor);
}

void PictureBox::line(PointF from, PointF to, Color color)
{
    drawLine(from, to, color);
    drawn(RectF::spanning(from, to));
}

void PictureBox::box(PointF corner, PointF opposite)
{
    const RectF rect = RectF::spanning(corner, opposite);
    drawBox(rect, m_fillStyle == FillStyle::Solid);
    drawn(rect);
}

void PictureBox::print(const std::u16string &text)
{
    const SizeF size = drawText(text);
    drawn({m_currentX, m_currentY, size.width, size.height});
    m_currentX = 0;
    m_currentY += size.height;
}

void PictureBox::floodFill(Point seed, Color border)
{
    if (m_fillStyle != FillStyle::Solid)
        return;
    if (fillRegion(seed, border))
        updateArea(drawingArea());
}

void PictureBox::setStackingOrder(std::vector<const LightweightControl *> frontToBack)
{
    m_controls = std::move(frontToBack);
    updateControlArea(drawingArea());
}

void PictureBox::paintControls(SurfacePainter &painter) const
{
    for (auto control = m_controls.rbegin(); control != m_controls.rend(); ++control)
        (*control)->paint(painter);
}

void PictureBox::showAtFit()
{
    Control::showAtFit();
    redrawAtScale();
}

void PictureBox::setAccessibleDescription(const std::u16string &description)
{
    if (description == m_description)
        return;
    m_description = description;
    describe(description);
}

void PictureBox::drawn(const RectF &area)
{
    updateArea(area.grown(m_drawWidth / 2.0 + 1));
}

Size PictureBox::drawingAreaSize() const
{
    const Rect place = geometry();
    return {place.width - 2 * borderWidth, place.height - 2 * borderWidth};
}

RectF PictureBox::drawingArea() const
{
    const Size size = drawingAreaSize();
    return {0, 0, double(size.width), double(size.height)};
}
