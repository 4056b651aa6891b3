#include "platform/web/surface.h"

#include "platform/fittedtext.h"
#include "platform/floodfill.h"
#include "platform/lightweightcontrol.h"
#include "platform/picturebox.h"
#include "platform/web/eventrouter.h"
#include "platform/web/natives.h"
#include "platform/web/page.h"

#include <algorithm>
#include <cmath>

namespace {
// The canvas's bytes R, G, B, A read as one little-endian word: 0xAABBGGRR.
std::uint32_t canvasWord(Color color)
{
    return 0xff000000u | std::uint32_t(color.blue) << 16 | std::uint32_t(color.green) << 8 |
           color.red;
}

int device(double logical, double scale)
{
    return int(std::lround(logical * scale));
}
} // namespace

Surface::Surface(int element, const PictureBox &box) : m_element(element), m_box(box)
{
    EventRouter::instance().addSurface(*this);
}

Surface::~Surface()
{
    EventRouter::instance().removeSurface(*this);
}

void Surface::clear(Color background)
{
    m_operations.clear();
    if (m_scale == 0)
        resize();
    m_operations.push_back(Clear{background});
    draw(m_operations.back());
}

void Surface::line(PointF from, PointF to, Color color, int width)
{
    m_operations.push_back(Line{from, to, color, width});
    draw(m_operations.back());
}

void Surface::box(const RectF &box, Color pen, int width, bool filled, Color fill)
{
    m_operations.push_back(Box{box, pen, width, filled, fill});
    draw(m_operations.back());
}

double Surface::text(PointF topLeft, const std::u16string &text, const Font &font, Color color)
{
    m_operations.push_back(Text{topLeft, text, font, color});
    return draw(std::get<Text>(m_operations.back()));
}

bool Surface::fill(Point seed, Color border, Color fill)
{
    m_operations.push_back(Fill{seed, border, fill});
    return draw(std::get<Fill>(m_operations.back()));
}

Color Surface::pixel(Point position) const
{
    const int width = surface_pixel_width(m_element);
    const int height = surface_pixel_height(m_element);
    const int x = device(position.x, m_scale);
    const int y = device(position.y, m_scale);
    if (x < 0 || y < 0 || x >= width || y >= height)
        return {};
    std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));
    surface_read(m_element, pixels.data());
    const std::uint32_t word = pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    return {std::uint8_t(word), std::uint8_t(word >> 8), std::uint8_t(word >> 16)};
}

void Surface::present()
{
    if (!m_stale)
        return;
    m_stale = false;
    surface_present(m_element);
    SurfacePainter::Native native{m_element};
    SurfacePainter painter(native);
    const auto &controls = m_box.stackingOrder();
    for (auto control = controls.rbegin(); control != controls.rend(); ++control)
        (*control)->paint(painter);
}

void Surface::rescale()
{
    if (deviceScale() == m_scale)
        return;
    resize();
    for (const Operation &operation : m_operations)
        draw(operation);
    m_stale = true;
}

// Never below one device pixel per logical pixel: a line thinner than its width on the layout
// could lose the unblended pixels that stop the flood fill, and the shading would leak.
double Surface::deviceScale()
{
    return std::max(1.0, page_device_scale());
}

void Surface::resize()
{
    m_scale = deviceScale();
    const Size size = m_box.drawingAreaSize();
    surface_resize(m_element, size.width, size.height, m_scale);
}

void Surface::draw(const Operation &operation)
{
    std::visit([this](const auto &drawing) { draw(drawing); }, operation);
}

void Surface::draw(const Clear &clear)
{
    const Size size = m_box.drawingAreaSize();
    surface_fill(m_element, Canvas::Image, 0, 0, size.width, size.height, clear.background.pixel());
}

void Surface::draw(const Line &line)
{
    surface_line(m_element, Canvas::Image, line.from.x, line.from.y, line.to.x, line.to.y,
                 line.color.pixel(), line.width);
}

void Surface::draw(const Box &box)
{
    surface_box(m_element, box.box.left, box.box.top, box.box.width, box.box.height,
                box.pen.pixel(), box.width, box.filled, box.fill.pixel());
}

bool Surface::draw(const Fill &fill)
{
    const int width = surface_pixel_width(m_element);
    const int height = surface_pixel_height(m_element);
    std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));
    surface_read(m_element, pixels.data());
    const PixelBuffer buffer{pixels.data(), width, height, width, false};
    const Point seed{device(fill.seed.x, m_scale), device(fill.seed.y, m_scale)};
    const bool painted =
        floodFillBorder(buffer, seed, canvasWord(fill.border), canvasWord(fill.fill));
    if (painted)
        surface_write(m_element, pixels.data());
    return painted;
}

// Each character centred in the layout face's advance.
double Surface::draw(const Text &text)
{
    const Font &font = text.font;
    const int gothic = font.face == Font::Face::Gothic;
    const auto laidOut = fitText(text.text, font.pixelSize, [&](char32_t character) {
        return text_advance(gothic, font.pixelSize, font.bold, character);
    });
    for (const FittedCharacter &placed : laidOut)
        surface_character(m_element, Canvas::Image, placed.character, text.topLeft.x + placed.left,
                          placed.advance, text.topLeft.y, gothic, font.pixelSize, font.bold,
                          text.color.pixel());
    return laidOut.empty() ? 0 : laidOut.back().left + laidOut.back().advance;
}
