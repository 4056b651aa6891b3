// Antialiased drawing on an opaque pixel buffer, for a backend whose window system can draw but
// not cheaply read back what it drew: the picture is made here, where the flood fill reads it.
#pragma once

#include "platform/geometry.h"
#include "platform/shared/floodfill.h"

#include <cstddef>
#include <cstdint>

// Coordinates are the buffer's pixels; pixel (x, y) covers the square from (x, y) to (x + 1,
// y + 1). Colours are pixel words in the buffer's own byte order with alpha in the top byte: the
// three colour bytes blend each on its own, so either order of them works, and the buffer's
// alpha is left as it is. A pixel's coverage is how far its centre lies inside the shape's edge,
// so a wide stroke has a core of the exact colour that stops a flood fill.
class RasterPainter
{
public:
    // Paints the whole buffer, or only the pixels within clip.
    explicit RasterPainter(const PixelBuffer &buffer);
    RasterPainter(const PixelBuffer &buffer, const Rect &clip);

    void fill(std::uint32_t colour);
    // Coverage is the share of each pixel's square inside the rectangle.
    void fillRect(const RectF &rect, std::uint32_t colour);
    // Round caps.
    void strokeLine(PointF from, PointF to, double width, std::uint32_t colour);
    // The outline centred on the rectangle's edges, its outer corners round.
    void strokeRect(const RectF &rect, double width, std::uint32_t colour);
    // Filled, then outlined with its edge in the middle of the outline; radii to that edge.
    void drawEllipse(PointF centre, double radiusX, double radiusY, std::uint32_t fill,
                     std::uint32_t border, double borderWidth);
    // An image of straight (not premultiplied) alpha in rows of size.width pixels, its top-left
    // pixel at at.
    void drawImage(const std::uint32_t *image, Size size, Point at);

private:
    void strokeStraight(PointF from, PointF to, double reach, std::uint32_t colour);
    std::uint32_t &pixelAt(int x, int y) const;
    void blend(int x, int y, std::uint32_t colour, double coverage) const;
    void blend(int x, int y, std::uint32_t colour, std::uint32_t alpha) const;
    void blendRun(int x, int y, std::ptrdiff_t step, int count, std::uint32_t colour,
                  std::uint32_t alpha) const;
    // The rows and columns of the clip that a shape can reach: its extent grown by reach.
    int firstRow(double top, double reach) const;
    int lastRow(double bottom, double reach) const;
    int firstColumn(double left, double reach) const;
    int lastColumn(double right, double reach) const;

    PixelBuffer m_buffer;
    // Inclusive.
    int m_left;
    int m_top;
    int m_right;
    int m_bottom;
};
