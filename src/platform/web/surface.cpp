#include "platform/web/surface.h"

#include "platform/picturebox.h"
#include "platform/shared/floodfill.h"
#include "platform/shared/rasterpainter.h"
#include "platform/web/devicepixels.h"
#include "platform/web/eventrouter.h"
#include "platform/web/natives.h"
#include "platform/web/page.h"

#include <algorithm>
#include <cmath>

namespace {
int device(double logical, double scale)
{
    return int(std::lround(logical * scale));
}

// Copies the rectangle's rows between two images of the same size.
void copyArea(const std::vector<std::uint32_t> &from, std::vector<std::uint32_t> &to, int width,
              const Rect &area)
{
    for (int y = area.top; y < area.top + area.height; ++y) {
        const auto start = std::ptrdiff_t(y) * width + area.left;
        std::copy_n(from.begin() + start, area.width, to.begin() + start);
    }
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
}

void Surface::line(PointF from, PointF to, Color color, int width)
{
    m_operations.push_back(Line{from, to, color, width});
}

void Surface::box(const RectF &box, Color pen, int width, bool filled, Color fill)
{
    m_operations.push_back(Box{box, pen, width, filled, fill});
}

SizeF Surface::text(PointF topLeft, const std::u16string &text, const Font &font, Color color)
{
    m_operations.push_back(Text{topLeft, text, font, color});
    return {fittedWidth(m_texts.layout(text, font, TextImages::Spacing::Fitted)),
            double(m_texts.lineHeight(font))};
}

bool Surface::fill(Point seed, Color border, Color fill)
{
    m_operations.push_back(Fill{seed, border, fill});
    bringUpToDate();
    return std::get<Fill>(m_operations.back()).painted;
}

Color Surface::pixel(Point position)
{
    bringUpToDate();
    const Point at{device(position.x, m_scale), device(position.y, m_scale)};
    if (at.x < 0 || at.y < 0 || at.x >= m_pixelWidth || at.y >= m_pixelHeight)
        return {};
    const std::uint32_t word = pixelAt(at);
    return {std::uint8_t(word), std::uint8_t(word >> 8), std::uint8_t(word >> 16)};
}

// The controls are painted over a copy of the image, and only the part that changed is copied to
// the page: the image's changes, and where the controls were and are if any of them changed.
void Surface::present()
{
    bringUpToDate();
    const Rect area = clipped(united(m_unshown, m_controlsChanged), wholeImage());
    m_unshown = {};
    m_controlsChanged = {};
    if (isEmpty(area))
        return;
    copyArea(m_pixels, m_shown, m_pixelWidth, area);
    RasterPainter painter({m_shown.data(), m_pixelWidth, m_pixelHeight, m_pixelWidth}, area);
    paintControls(painter);
    surface_write(m_element, m_shown.data(), area.left, area.top, area.width, area.height);
}

void Surface::controlsChanged(const RectF &area)
{
    m_controlsChanged = united(m_controlsChanged, touched(scaled(area, m_scale), 0));
}

// Every control is painted, and the painter keeps to the part being shown again.
void Surface::paintControls(RasterPainter &painter)
{
    SurfacePainter::Native native{painter, m_scale, m_texts};
    SurfacePainter surfacePainter(native);
    m_box.paintControls(surfacePainter);
}

void Surface::rescale()
{
    if (deviceScale() == m_scale)
        return;
    resize();
}

// Never below one device pixel per logical pixel: a line thinner than its width on the layout
// could lose the unblended pixels that stop the flood fill, and the shading would leak.
double Surface::deviceScale() const
{
    return std::max(1.0, surface_device_scale(m_element));
}

void Surface::resize()
{
    m_scale = deviceScale();
    const Size size = m_box.drawingAreaSize();
    surface_resize(m_element, size.width, size.height, m_scale);
    m_pixelWidth = surface_pixel_width(m_element);
    m_pixelHeight = surface_pixel_height(m_element);
    m_pixels.assign(std::size_t(m_pixelWidth) * std::size_t(m_pixelHeight), 0);
    m_shown = m_pixels;
    m_controlsChanged = {};
    m_drawn.clear();
    m_snapshotLength = 0;
    m_unshown = wholeImage();
    m_texts.forgetImages();
}

// What the pixels already show of the drawing is kept. Where the drawing parts from it after the
// part the snapshot holds, the image starts again from the snapshot; elsewhere it is drawn again
// from its clear, and a snapshot is kept of the part the two drawings shared.
void Surface::bringUpToDate()
{
    const std::size_t common = std::min(m_drawn.size(), m_operations.size());
    std::size_t same = 0;
    for (; same < common && m_drawn[same] == m_operations[same]; ++same)
        if (auto *fill = std::get_if<Fill>(&m_operations[same]))
            fill->painted = std::get<Fill>(m_drawn[same]).painted;
    if (same == m_drawn.size() && same == m_operations.size())
        return;
    if (same < m_snapshotLength)
        m_snapshotLength = 0;
    if (same == m_drawn.size()) {
        drawFrom(same);
    } else if (m_snapshotLength > 0) {
        restoreSnapshot();
        drawFrom(m_snapshotLength);
    } else {
        for (std::size_t index = 0; index < same; ++index)
            draw(m_operations[index]);
        keepSnapshot(same);
        drawFrom(same);
        m_unshown = wholeImage();
    }
    m_drawn = m_operations;
}

void Surface::drawFrom(std::size_t first)
{
    for (std::size_t index = first; index < m_operations.size(); ++index) {
        const Rect changed = clipped(draw(m_operations[index]), wholeImage());
        m_unshown = united(m_unshown, changed);
        if (m_snapshotLength > 0)
            m_changedSinceSnapshot = united(m_changedSinceSnapshot, changed);
    }
}

void Surface::keepSnapshot(std::size_t length)
{
    m_snapshotLength = length;
    m_changedSinceSnapshot = {};
    if (length > 0)
        m_snapshot = m_pixels;
}

void Surface::restoreSnapshot()
{
    copyArea(m_snapshot, m_pixels, m_pixelWidth, m_changedSinceSnapshot);
    m_unshown = united(m_unshown, m_changedSinceSnapshot);
    m_changedSinceSnapshot = {};
}

PixelBuffer Surface::buffer()
{
    return {m_pixels.data(), m_pixelWidth, m_pixelHeight, m_pixelWidth, false};
}

std::uint32_t &Surface::pixelAt(Point device)
{
    return m_pixels[std::size_t(device.y) * std::size_t(m_pixelWidth) + std::size_t(device.x)];
}

Rect Surface::draw(Operation &operation)
{
    return std::visit([this](auto &drawing) { return draw(drawing); }, operation);
}

Rect Surface::draw(const Clear &clear)
{
    RasterPainter(buffer()).fill(canvasWord(clear.background));
    return wholeImage();
}

Rect Surface::draw(const Line &line)
{
    const PointF from = scaled(line.from, m_scale);
    const PointF to = scaled(line.to, m_scale);
    const double width = line.width * m_scale;
    RasterPainter(buffer()).strokeLine(from, to, width, canvasWord(line.color));
    return touched(RectF::spanning(from, to), width);
}

Rect Surface::draw(const Box &box)
{
    RasterPainter painter(buffer());
    const RectF area = scaled(box.box, m_scale);
    const double width = box.width * m_scale;
    if (box.filled)
        painter.fillRect(area, canvasWord(box.fill));
    painter.strokeRect(area, width, canvasWord(box.pen));
    return touched(area, width);
}

Rect Surface::draw(const Text &text)
{
    RasterPainter painter(buffer());
    return m_texts.paint(painter, text.text, text.font, text.color, m_scale,
                         scaled(text.topLeft, m_scale), TextImages::Spacing::Fitted);
}

Rect Surface::draw(Fill &fill)
{
    const Point seed{device(fill.seed.x, m_scale), device(fill.seed.y, m_scale)};
    const Rect painted =
        floodFillBorderArea(buffer(), seed, canvasWord(fill.border), canvasWord(fill.fill));
    fill.painted = !isEmpty(painted);
    return painted;
}
