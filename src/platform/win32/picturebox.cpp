// A surface's drawing on its DIB section with GDI, at device pixels.
#include "platform/picturebox.h"

#include "platform/shared/floodfill.h"
#include "platform/win32/displayscale.h"
#include "platform/win32/fittedtextdrawing.h"
#include "platform/win32/fonts.h"
#include "platform/win32/liveregion.h"
#include "platform/win32/natives.h"
#include "platform/win32/roundpen.h"
#include "platform/win32/surfaceimage.h"
#include "platform/win32/surfacewindow.h"
#include "platform/win32/win32text.h"

#include <cmath>

namespace {
SurfaceImage &imageOf(const PictureBox &box)
{
    return *box.native().image;
}

POINT devicePoint(PointF logical)
{
    return {devicePixels(logical.x), devicePixels(logical.y)};
}

} // namespace

PictureBox::PictureBox(Window &window, const Rect &geometry)
    : Control(window, std::make_unique<Native>(window, Native::Kind::Surface, surfaceWindowClass(),
                                               WS_TABSTOP | WS_GROUP, 0))
{
    setGeometry(geometry);
    RECT client;
    GetClientRect(native().hwnd, &client);
    const int border = deviceBorder();
    native().image =
        std::make_unique<SurfaceImage>(Size{client.right - 2 * border, client.bottom - 2 * border});
    cls();
}

Color PictureBox::point(Point position) const
{
    return Color::fromPixel(
        imageOf(*this).pixel(devicePixels(position.x), devicePixels(position.y)));
}

void PictureBox::updateControlArea(const RectF &area)
{
    updateArea(area);
}

void PictureBox::updateArea(const RectF &area)
{
    RECT dirty = deviceRect(area);
    const int border = deviceBorder();
    OffsetRect(&dirty, border, border);
    InflateRect(&dirty, 1, 1);
    InvalidateRect(native().hwnd, &dirty, FALSE);
}

void PictureBox::clearImage()
{
    imageOf(*this).fill(m_backColor.pixel());
}

void PictureBox::drawLine(PointF from, PointF to, Color color)
{
    const HDC dc = imageOf(*this).dc();
    const RoundPen pen(dc, color, m_drawWidth);
    const POINT start = devicePoint(from);
    const POINT end = devicePoint(to);
    MoveToEx(dc, start.x, start.y, nullptr);
    LineTo(dc, end.x, end.y);
}

// The outline as one closed path, so that its corners join round like its lines.
void PictureBox::drawBox(const RectF &box, bool filled)
{
    const HDC dc = imageOf(*this).dc();
    const RECT rect = deviceRect(box);
    if (filled) {
        const HBRUSH brush = CreateSolidBrush(colorRef(m_fillColor));
        const RECT inside{rect.left, rect.top, rect.right + 1, rect.bottom + 1};
        FillRect(dc, &inside, brush);
        DeleteObject(brush);
    }
    const RoundPen pen(dc, m_foreColor, m_drawWidth);
    const POINT corners[] = {{rect.left, rect.top},
                             {rect.right, rect.top},
                             {rect.right, rect.bottom},
                             {rect.left, rect.bottom},
                             {rect.left, rect.top}};
    BeginPath(dc);
    Polyline(dc, corners, 5);
    CloseFigure(dc);
    EndPath(dc);
    StrokePath(dc);
}

SizeF PictureBox::drawText(const std::u16string &text)
{
    const HDC dc = imageOf(*this).dc();
    const Font font = this->font();
    const HGDIOBJ previous = SelectObject(dc, fontHandle(font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRef(m_foreColor));
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    const SizeF size = drawFittedText(dc, {m_currentX, m_currentY}, text, font);
    SelectObject(dc, previous);
    return size;
}

bool PictureBox::fillRegion(Point seed, Color border)
{
    return floodFillBorder(imageOf(*this).pixels(), {devicePixels(seed.x), devicePixels(seed.y)},
                           border.pixel(), m_fillColor.pixel());
}

// The surface's own object reads the new description when asked; the live region says it, and
// no description-change event is raised, which would have a screen reader on the surface read
// it twice.
void PictureBox::describe(const std::u16string &description)
{
    native().window.native().liveRegion->describeChange(native().hwnd, description);
}

void PictureBox::redrawAtScale() {}
