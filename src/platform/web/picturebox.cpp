// A surface's drawing on its canvases, at device pixels.
#include "platform/picturebox.h"

#include "platform/web/eventrouter.h"
#include "platform/web/natives.h"
#include "platform/web/surface.h"

namespace {
Surface &surfaceOf(const PictureBox &box)
{
    return *box.native().surface;
}
} // namespace

PictureBox::PictureBox(Window &window, const Rect &geometry)
    : Control(window, std::make_unique<Native>(ElementKind::Surface))
{
    setGeometry(geometry);
    native().surface = std::make_unique<Surface>(elementOf(*this), *this);
    cls();
}

Color PictureBox::point(Point position) const
{
    return surfaceOf(*this).pixel(position);
}

// The surface follows what is drawn on its image by itself.
void PictureBox::updateArea(const RectF &) {}

void PictureBox::updateControlArea(const RectF &area)
{
    surfaceOf(*this).controlsChanged(area);
}

void PictureBox::clearImage()
{
    surfaceOf(*this).clear(m_backColor);
}

void PictureBox::drawLine(PointF from, PointF to, Color color)
{
    surfaceOf(*this).line(from, to, color, m_drawWidth);
}

void PictureBox::drawBox(const RectF &box, bool filled)
{
    surfaceOf(*this).box(box, m_foreColor, m_drawWidth, filled, m_fillColor);
}

SizeF PictureBox::drawText(const std::u16string &text)
{
    return surfaceOf(*this).text({m_currentX, m_currentY}, text, font(), m_foreColor);
}

bool PictureBox::fillRegion(Point seed, Color border)
{
    return surfaceOf(*this).fill(seed, border, m_fillColor);
}

void PictureBox::describe(const std::u16string &description)
{
    surface_describe(elementOf(*this), description.data(), length(description));
    EventRouter::instance().describeChange(this, description);
}
