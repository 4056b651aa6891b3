// A surface's drawing on its DIB section with GDI, at device pixels.
#include "platform/picturebox.h"

#include "platform/shared/floodfill.h"
#include "platform/win32/displayscale.h"
#include "platform/win32/fittedtextdrawing.h"
#include "platform/win32/liveregion.h"
#include "platform/win32/natives.h"
#include "platform/win32/roundpen.h"
#include "platform/win32/surfaceimage.h"
#include "platform/win32/surfacewindow.h"
#include "platform/win32/win32text.h"

#include <cmath>
#include <memory>
#include <variant>

namespace {
SurfaceImage &imageOf(const PictureBox &box)
{
    return *box.native().image;
}

// The layout scale of the surface's window, which its image is drawn at.
double scaleOf(const PictureBox &box)
{
    return box.native().window.fit().scale;
}

// Where a drawing goes: an image at a layout scale, with the fonts of the surface's window.
struct Canvas
{
    SurfaceImage &image;
    double scale;
    FontSet &fonts;

    POINT point(PointF logical) const
    {
        return {devicePixels(logical.x, scale), devicePixels(logical.y, scale)};
    }
};

Canvas canvasOf(const PictureBox &box)
{
    return {imageOf(box), scaleOf(box), box.native().window.native().fonts};
}

// Each drawing on the image, in logical pixels at the layout's scale.
void drawOn(const Canvas &canvas, const DrawnLine &line)
{
    const HDC dc = canvas.image.dc();
    const RoundPen pen(dc, line.color, line.width, canvas.scale);
    const POINT start = canvas.point(line.from);
    const POINT end = canvas.point(line.to);
    MoveToEx(dc, start.x, start.y, nullptr);
    LineTo(dc, end.x, end.y);
}

// The outline as one closed path, so that its corners join round like its lines.
void drawOn(const Canvas &canvas, const DrawnBox &box)
{
    const HDC dc = canvas.image.dc();
    const RECT rect = deviceRect(box.box, canvas.scale);
    if (box.filled) {
        const HBRUSH brush = CreateSolidBrush(colorRef(box.fill));
        const RECT inside{rect.left, rect.top, rect.right + 1, rect.bottom + 1};
        FillRect(dc, &inside, brush);
        DeleteObject(brush);
    }
    const RoundPen pen(dc, box.pen, box.width, canvas.scale);
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

SizeF drawOn(const Canvas &canvas, const DrawnText &text)
{
    const HDC dc = canvas.image.dc();
    const HGDIOBJ previous = SelectObject(dc, canvas.fonts.at(text.font, canvas.scale));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRef(text.color));
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    const SizeF size = drawFittedText(dc, text.topLeft, text.text, text.font, canvas.scale);
    SelectObject(dc, previous);
    return size;
}

bool drawOn(const Canvas &canvas, const DrawnFill &fill)
{
    return floodFillBorder(
        canvas.image.pixels(),
        {devicePixels(fill.seed.x, canvas.scale), devicePixels(fill.seed.y, canvas.scale)},
        fill.border.pixel(), fill.fill.pixel());
}

// The image of the drawing area inside the border, at the layout's scale.
std::unique_ptr<SurfaceImage> imageFor(HWND surface, double scale)
{
    RECT client;
    GetClientRect(surface, &client);
    const int border = deviceBorder(scale);
    return std::make_unique<SurfaceImage>(
        Size{client.right - 2 * border, client.bottom - 2 * border});
}
} // namespace

PictureBox::PictureBox(Window &window, const Rect &geometry)
    : Control(window, std::make_unique<Native>(window, Native::Kind::Surface, surfaceWindowClass(),
                                               WS_TABSTOP | WS_GROUP, 0))
{
    setGeometry(geometry);
    native().imageScale = scaleOf(*this);
    native().image = imageFor(native().hwnd, native().imageScale);
    cls();
}

Color PictureBox::point(Point position) const
{
    const double scale = native().imageScale;
    return Color::fromPixel(
        imageOf(*this).pixel(devicePixels(position.x, scale), devicePixels(position.y, scale)));
}

void PictureBox::updateControlArea(const RectF &area)
{
    updateArea(area);
}

void PictureBox::updateArea(const RectF &area)
{
    const double scale = native().imageScale;
    RECT dirty = deviceRect(area, scale);
    const int border = deviceBorder(scale);
    OffsetRect(&dirty, border, border);
    InflateRect(&dirty, 1, 1);
    InvalidateRect(native().hwnd, &dirty, FALSE);
}

void PictureBox::clearImage()
{
    native().drawing.clear(m_backColor);
    imageOf(*this).fill(m_backColor.pixel());
}

void PictureBox::drawLine(PointF from, PointF to, Color color)
{
    const DrawnLine line{from, to, color, m_drawWidth};
    drawOn(canvasOf(*this), line);
    native().drawing.add(line);
}

void PictureBox::drawBox(const RectF &box, bool filled)
{
    const DrawnBox drawn{box, m_foreColor, m_drawWidth, filled, m_fillColor};
    drawOn(canvasOf(*this), drawn);
    native().drawing.add(drawn);
}

SizeF PictureBox::drawText(const std::u16string &text)
{
    const DrawnText drawn{{m_currentX, m_currentY}, text, font(), m_foreColor};
    native().drawing.add(drawn);
    return drawOn(canvasOf(*this), drawn);
}

bool PictureBox::fillRegion(Point seed, Color border)
{
    const DrawnFill fill{seed, border, m_fillColor};
    native().drawing.add(fill);
    return drawOn(canvasOf(*this), fill);
}

// A new image at the layout's new scale, with everything drawn since the last clear drawn on it
// again in order.
void PictureBox::redrawAtScale()
{
    const double scale = scaleOf(*this);
    if (native().imageScale == scale)
        return;
    std::unique_ptr<SurfaceImage> image = imageFor(native().hwnd, scale);
    native().imageScale = scale;
    image->fill(native().drawing.background().pixel());
    const Canvas canvas{*image, scale, native().window.native().fonts};
    for (const Drawing &drawing : native().drawing.drawings())
        std::visit([&](const auto &drawn) { drawOn(canvas, drawn); }, drawing);
    native().image = std::move(image);
    InvalidateRect(native().hwnd, nullptr, FALSE);
}

// The surface's own object reads the new description when asked; the live region says it, and
// no description-change event is raised, which would have a screen reader on the surface read
// it twice.
void PictureBox::describe(const std::u16string &description)
{
    native().window.native().liveRegion->describeChange(native().hwnd, description);
}
