// Coverage from the distance of each pixel's centre to the shape, blended byte by byte.
#include "platform/shared/rasterpainter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {
constexpr std::uint32_t alphaMask = 0xff000000u;

// Two colour bytes at a time, each sum over 255 rounded without a division; the pixel's alpha
// byte stays.
void blendPixel(std::uint32_t &pixel, std::uint32_t colour, std::uint32_t alpha)
{
    if (alpha >= 255) {
        pixel = (pixel & alphaMask) | (colour & ~alphaMask);
        return;
    }
    const std::uint32_t inverse = 255 - alpha;
    std::uint32_t outer = (colour & 0xff00ffu) * alpha + (pixel & 0xff00ffu) * inverse + 0x800080u;
    outer = ((outer + (outer >> 8 & 0xff00ffu)) >> 8) & 0xff00ffu;
    std::uint32_t middle = (colour & 0xff00u) * alpha + (pixel & 0xff00u) * inverse + 0x8000u;
    middle = ((middle + (middle >> 8 & 0xff00u)) >> 8) & 0xff00u;
    pixel = (pixel & alphaMask) | outer | middle;
}

double clampedCoverage(double coverage)
{
    return std::clamp(coverage, 0.0, 1.0);
}

std::uint32_t alphaOf(double coverage)
{
    return std::uint32_t(clampedCoverage(coverage) * 255 + 0.5);
}

// std::hypot guards against overflow that pixel distances never reach, at many times the cost.
double length(double dx, double dy)
{
    return std::sqrt(dx * dx + dy * dy);
}

// How far a point lies from the rectangle's edges, inside or out.
double distanceToOutline(PointF point, const RectF &rect)
{
    const double outsideX = std::max({rect.left - point.x, 0.0, point.x - rect.right()});
    const double outsideY = std::max({rect.top - point.y, 0.0, point.y - rect.bottom()});
    if (outsideX > 0 || outsideY > 0)
        return length(outsideX, outsideY);
    return std::min(
        {point.x - rect.left, rect.right() - point.x, point.y - rect.top, rect.bottom() - point.y});
}

// The share of [cell, cell + 1] inside [from, to].
double overlap(int cell, double from, double to)
{
    return std::max(0.0, std::min(to, cell + 1.0) - std::max(from, double(cell)));
}

// The x range of the part of a slanting segment within reach of a row's centre line, if any;
// overDy is one over the segment's rise.
bool reachOfRow(PointF from, PointF to, double overDy, double rowCentre, double reach, double &left,
                double &right)
{
    const double a = (rowCentre - reach - from.y) * overDy;
    const double b = (rowCentre + reach - from.y) * overDy;
    const double first = std::max(0.0, std::min(a, b));
    const double last = std::min(1.0, std::max(a, b));
    if (first > last)
        return false;
    const double x1 = from.x + first * (to.x - from.x);
    const double x2 = from.x + last * (to.x - from.x);
    left = std::min(x1, x2) - reach;
    right = std::max(x1, x2) + reach;
    return true;
}
} // namespace

RasterPainter::RasterPainter(const PixelBuffer &buffer)
    : RasterPainter(buffer, {0, 0, buffer.width, buffer.height})
{}

RasterPainter::RasterPainter(const PixelBuffer &buffer, const Rect &clip)
    : m_buffer(buffer), m_left(std::max(0, clip.left)), m_top(std::max(0, clip.top)),
      m_right(std::min(buffer.width, clip.left + clip.width) - 1),
      m_bottom(std::min(buffer.height, clip.top + clip.height) - 1)
{}

std::uint32_t &RasterPainter::pixelAt(int x, int y) const
{
    return m_buffer.pixels[std::ptrdiff_t(y) * m_buffer.stride + x];
}

void RasterPainter::blend(int x, int y, std::uint32_t colour, double coverage) const
{
    blend(x, y, colour, alphaOf(coverage));
}

void RasterPainter::blend(int x, int y, std::uint32_t colour, std::uint32_t alpha) const
{
    if (alpha != 0)
        blendPixel(pixelAt(x, y), colour, alpha);
}

// A run of pixels at one coverage, step words apart: along a row or down a column.
void RasterPainter::blendRun(int x, int y, std::ptrdiff_t step, int count, std::uint32_t colour,
                             std::uint32_t alpha) const
{
    if (alpha == 0 || count <= 0)
        return;
    std::uint32_t *const first = &pixelAt(x, y);
    for (int i = 0; i < count; ++i)
        blendPixel(first[i * step], colour, alpha);
}

// Clamped before the conversion: a shape far off the buffer has coordinates beyond any int.
int RasterPainter::firstRow(double top, double reach) const
{
    return int(std::clamp(std::floor(top - reach), double(m_top), double(m_bottom) + 1));
}

int RasterPainter::lastRow(double bottom, double reach) const
{
    return int(std::clamp(std::ceil(bottom + reach), double(m_top) - 1, double(m_bottom)));
}

int RasterPainter::firstColumn(double left, double reach) const
{
    return int(std::clamp(std::floor(left - reach), double(m_left), double(m_right) + 1));
}

int RasterPainter::lastColumn(double right, double reach) const
{
    return int(std::clamp(std::ceil(right + reach), double(m_left) - 1, double(m_right)));
}

void RasterPainter::fill(std::uint32_t colour)
{
    for (int y = m_top; y <= m_bottom && m_left <= m_right; ++y)
        std::fill_n(&pixelAt(m_left, y), m_right - m_left + 1, colour);
}

void RasterPainter::fillRect(const RectF &rect, std::uint32_t colour)
{
    for (int y = firstRow(rect.top, 0); y <= lastRow(rect.bottom(), 0); ++y) {
        // A rectangle on whole pixels, as the labels' boxes are, covers each of them whole.
        if (rect.left == std::floor(rect.left) && rect.right() == std::floor(rect.right()) &&
            overlap(y, rect.top, rect.bottom()) == 1) {
            const int left = firstColumn(rect.left, 0);
            const int right = lastColumn(rect.right() - 1, 0);
            blendRun(left, y, 1, right - left + 1, colour, 255u);
            continue;
        }
        const double rowShare = overlap(y, rect.top, rect.bottom());
        for (int x = firstColumn(rect.left, 0); x <= lastColumn(rect.right(), 0); ++x)
            blend(x, y, colour, rowShare * overlap(x, rect.left, rect.right()));
    }
}

// Along the segment a pixel's distance is the length of its offset across the line, which needs
// no square root; only beyond the ends is it the distance to the end. A row needs no division and
// visits only the pixels within reach across the line: a step draws long five-pixel lines.
void RasterPainter::strokeLine(PointF from, PointF to, double width, std::uint32_t colour)
{
    const double reach = width / 2 + 0.5;
    if (from.x == to.x || from.y == to.y) {
        strokeStraight(from, to, reach, colour);
        return;
    }
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double segmentLength = length(dx, dy);
    const double alongX = dx / segmentLength;
    const double alongY = dy / segmentLength;
    const double overAlongX = 1 / alongX;
    const double overAlongY = 1 / alongY;
    const double overDy = 1 / dy;
    const double core = reach - 1;
    for (int y = firstRow(std::min(from.y, to.y), reach);
         y <= lastRow(std::max(from.y, to.y), reach); ++y) {
        double left = 0;
        double right = 0;
        if (!reachOfRow(from, to, overDy, y + 0.5, reach, left, right))
            continue;
        const double py = y + 0.5 - from.y;
        // Across is px * alongY - py * alongX and along is px * alongX + py * alongY.
        const auto cover = [&](int first, int last) {
            for (int x = first; x <= last; ++x) {
                const double px = x + 0.5 - from.x;
                const double along = px * alongX + py * alongY;
                double distance = 0;
                if (along < 0)
                    distance = length(px, py);
                else if (along > segmentLength)
                    distance = length(px - dx, py - dy);
                else
                    distance = std::abs(px * alongY - py * alongX);
                blend(x, y, colour, alphaOf(reach - distance));
            }
        };
        // No pixel lies farther than reach across the line and is covered at all.
        const double band1 = (py * alongX - reach) * overAlongY;
        const double band2 = (py * alongX + reach) * overAlongY;
        const int first = firstColumn(std::max(left, std::min(band1, band2) + from.x - 0.5), 0);
        const int last = lastColumn(std::min(right, std::max(band1, band2) + from.x - 0.5), 0);
        // The run between the ends within reach - 1 across the line is covered whole.
        const double a1 = (py * alongX - core) * overAlongY;
        const double a2 = (py * alongX + core) * overAlongY;
        const double b1 = -py * alongY * overAlongX;
        const double b2 = (segmentLength - py * alongY) * overAlongX;
        const double low = std::max(std::min(a1, a2), std::min(b1, b2));
        const double high = std::min(std::max(a1, a2), std::max(b1, b2));
        // Clamped before the conversion: a line nearly level or upright puts the ends of the run
        // far beyond any int.
        const double coreLeft = std::max(double(first), std::ceil(low + from.x - 0.5));
        const double coreRight = std::min(double(last), std::floor(high + from.x - 0.5));
        if (core <= 0 || coreLeft > coreRight) {
            cover(first, last);
            continue;
        }
        const int coreFirst = int(coreLeft);
        const int coreLast = int(coreRight);
        cover(first, coreFirst - 1);
        blendRun(coreFirst, y, 1, coreLast - coreFirst + 1, colour, 255u);
        cover(coreLast + 1, last);
    }
}

// A level or upright line: between its ends a pixel's coverage depends only on how far it lies
// across the line, the same for every pixel in the line's direction; only the caps beyond the ends
// are worked out a pixel at a time. A row across that the middle misses, the caps miss too.
void RasterPainter::strokeStraight(PointF from, PointF to, double reach, std::uint32_t colour)
{
    const bool level = from.y == to.y;
    const double start = level ? std::min(from.x, to.x) : std::min(from.y, to.y);
    const double end = level ? std::max(from.x, to.x) : std::max(from.y, to.y);
    const double across = level ? from.y : from.x;
    const int firstAcross = level ? firstRow(across, reach) : firstColumn(across, reach);
    const int lastAcross = level ? lastRow(across, reach) : lastColumn(across, reach);
    const int firstAlong = level ? firstColumn(start, reach) : firstRow(start, reach);
    const int lastAlong = level ? lastColumn(end, reach) : lastRow(end, reach);
    // The pixels whose centres lie between the ends, clamped before the conversion.
    const int middleFirst =
        int(std::clamp(std::ceil(start - 0.5), double(firstAlong), double(lastAlong) + 1));
    const int middleLast =
        int(std::clamp(std::floor(end - 0.5), double(firstAlong) - 1, double(lastAlong)));
    for (int a = firstAcross; a <= lastAcross; ++a) {
        const double offset = a + 0.5 - across;
        const std::uint32_t between = alphaOf(reach - std::abs(offset));
        if (between == 0)
            continue;
        const auto cap = [&](int first, int last) {
            for (int b = first; b <= last; ++b) {
                const double centre = b + 0.5;
                const double beyond = centre < start ? start - centre : centre - end;
                const std::uint32_t alpha = alphaOf(reach - length(beyond, offset));
                if (level)
                    blend(b, a, colour, alpha);
                else
                    blend(a, b, colour, alpha);
            }
        };
        cap(firstAlong, middleFirst - 1);
        const int count = middleLast - middleFirst + 1;
        if (level)
            blendRun(middleFirst, a, 1, count, colour, between);
        else
            blendRun(a, middleFirst, m_buffer.stride, count, colour, between);
        cap(middleLast + 1, lastAlong);
    }
}

// Coverage in the bands along the left and right edges depends on the column alone, away from
// the corners; between the bands, on the row alone.
void RasterPainter::strokeRect(const RectF &rect, double width, std::uint32_t colour)
{
    const double reach = width / 2 + 0.5;
    const int left = firstColumn(rect.left, reach);
    const int right = lastColumn(rect.right(), reach);
    const int leftBandEnd = std::min(right, int(std::ceil(rect.left + reach)));
    const int rightBandStart = std::max(leftBandEnd + 1, int(std::floor(rect.right() - reach)));
    for (int y = firstRow(rect.top, reach); y <= lastRow(rect.bottom(), reach); ++y) {
        const double centre = y + 0.5;
        const double edgeDistance =
            std::min(std::abs(centre - rect.top), std::abs(centre - rect.bottom()));
        const bool byColumn = edgeDistance >= reach && centre > rect.top && centre < rect.bottom();
        const auto cover = [&](int first, int last) {
            for (int x = first; x <= last; ++x) {
                const double column = x + 0.5;
                const double distance = byColumn ? std::min(std::abs(column - rect.left),
                                                            std::abs(column - rect.right()))
                                                 : distanceToOutline({column, centre}, rect);
                blend(x, y, colour, alphaOf(reach - distance));
            }
        };
        cover(left, leftBandEnd);
        const std::uint32_t alpha = alphaOf(reach - edgeDistance);
        const int middleFirst = std::max(leftBandEnd + 1, left);
        const int middleLast = std::min(rightBandStart - 1, right);
        blendRun(middleFirst, y, 1, middleLast - middleFirst + 1, colour, alpha);
        cover(std::max(rightBandStart, left), right);
    }
}

// A pixel's distance to the edge is estimated from the ellipse's normalised radius and its
// gradient: exact for a circle, close for the small round marker.
void RasterPainter::drawEllipse(PointF centre, double radiusX, double radiusY, std::uint32_t fill,
                                std::uint32_t border, double borderWidth)
{
    const double reach = borderWidth / 2 + 0.5;
    const double overX = 1 / radiusX;
    const double overY = 1 / radiusY;
    for (int y = firstRow(centre.y - radiusY, reach); y <= lastRow(centre.y + radiusY, reach);
         ++y) {
        const double qy = (y + 0.5 - centre.y) * overY;
        for (int x = firstColumn(centre.x - radiusX, reach);
             x <= lastColumn(centre.x + radiusX, reach); ++x) {
            const double qx = (x + 0.5 - centre.x) * overX;
            const double radius = length(qx, qy);
            const double gradient = radius > 0 ? length(qx * overX, qy * overY) / radius : 0;
            const double distance =
                gradient > 0 ? (radius - 1) / gradient : -std::min(radiusX, radiusY);
            blend(x, y, fill, alphaOf(0.5 - distance));
            blend(x, y, border, alphaOf(reach - std::abs(distance)));
        }
    }
}

void RasterPainter::drawImage(const std::uint32_t *image, Size size, Point at)
{
    for (int row = 0; row < size.height; ++row) {
        const int y = at.y + row;
        if (y < m_top || y > m_bottom)
            continue;
        const std::uint32_t *source = image + std::ptrdiff_t(row) * size.width;
        const int firstInClip = std::max(0, m_left - at.x);
        const int lastInClip = std::min(size.width - 1, m_right - at.x);
        for (int column = firstInClip; column <= lastInClip; ++column)
            blend(at.x + column, y, source[column], source[column] >> 24);
    }
}
