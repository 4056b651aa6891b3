// Border flood fill: a span fill with an explicit stack over 32-bit pixels.
#include "platform/shared/floodfill.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

constexpr std::uint32_t rgbMask = 0x00ffffff;
constexpr std::uint32_t opaque = 0xff000000;
constexpr std::uint64_t allBits = ~std::uint64_t{0};

std::uint32_t straightRgb(std::uint32_t pixel)
{
    return pixel & rgbMask;
}

// Each component times 255 over alpha, rounded as the toolkits round it, so that premultiplying
// the result gives the pixel back.
std::uint32_t premultipliedRgb(std::uint32_t pixel)
{
    const std::uint32_t alpha = pixel >> 24;
    if (alpha == 255)
        return pixel & rgbMask;
    if (alpha == 0)
        return 0;
    const std::uint32_t inverse = 0x00ff00ffu / alpha;
    const auto component = [&](int shift) {
        return (((pixel >> shift & 0xff) * inverse + 0x8000) >> 16) << shift;
    };
    return component(16) | component(8) | component(0);
}

// Fills one region; rgbOf gives the RGB a stored pixel shows. Painted pixels are also marked in
// a bit mask, since the fill colour may already occur in the region and so cannot tell a
// visited pixel from an unvisited one.
template <std::uint32_t (*rgbOf)(std::uint32_t)> class SpanFill
{
public:
    SpanFill(const PixelBuffer &buffer, std::uint32_t border, std::uint32_t fill)
        : m_width(buffer.width), m_height(buffer.height), m_stride(buffer.stride),
          m_pixels(buffer.pixels), m_border(border & rgbMask), m_fillRgb(fill & rgbMask),
          m_fillPixel(fill | opaque), m_maskStride((m_width + 63) / 64),
          m_mask(static_cast<std::size_t>(m_maskStride) * static_cast<std::size_t>(m_height)),
          m_left(m_width), m_top(m_height)
    {}

    // Gives the smallest rectangle holding every painted pixel.
    Rect run(Point seed)
    {
        // The seed row is scanned as if reached from above, the row above it as if from below.
        push(seed.x, seed.x, seed.y, 1);
        push(seed.x, seed.x, seed.y - 1, -1);
        while (!m_stack.empty()) {
            const Span span = m_stack.back();
            m_stack.pop_back();
            scan(span);
        }
        return {m_left, m_top, m_right - m_left + 1, m_bottom - m_top + 1};
    }

private:
    // Row y is to be scanned over [left, right], next to a painted run of row y - dy.
    struct Span
    {
        int left;
        int right;
        int y;
        int dy;
    };

    std::uint32_t *row(int y) const { return m_pixels + y * m_stride; }
    std::uint64_t *maskRow(int y)
    {
        return m_mask.data() + static_cast<std::ptrdiff_t>(y) * m_maskStride;
    }

    bool inside(const std::uint32_t *pixels, const std::uint64_t *mask, int x) const
    {
        const std::uint32_t rgb = rgbOf(pixels[x]);
        return rgb != m_border && (rgb != m_fillRgb || (mask[x >> 6] >> (x & 63) & 1) == 0);
    }

    void push(int left, int right, int y, int dy)
    {
        if (y >= 0 && y < m_height)
            m_stack.push_back({left, right, y, dy});
    }

    // Finds the runs of row span.y that touch [left, right], paints them and queues their
    // neighbours: the whole run on the far side, and on the near side only the parts that stick
    // out beyond the run already painted there.
    void scan(const Span span)
    {
        const int y = span.y;
        const int dy = span.dy;
        std::uint32_t *const pixels = row(y);
        std::uint64_t *const mask = maskRow(y);
        int x1 = span.left;
        int x = x1;
        if (inside(pixels, mask, x)) {
            while (x > 0 && inside(pixels, mask, x - 1))
                --x;
            if (x < x1)
                push(x, x1 - 1, y - dy, -dy);
        }
        while (x1 <= span.right) {
            while (x1 < m_width && inside(pixels, mask, x1))
                ++x1;
            if (x1 > x) {
                paint(pixels, mask, x, x1 - 1, y);
                push(x, x1 - 1, y + dy, dy);
                if (x1 - 1 > span.right)
                    push(span.right + 1, x1 - 1, y - dy, -dy);
            }
            ++x1;
            while (x1 < span.right && !inside(pixels, mask, x1))
                ++x1;
            x = x1;
        }
    }

    void paint(std::uint32_t *pixels, std::uint64_t *mask, int first, int last, int y)
    {
        std::fill(pixels + first, pixels + last + 1, m_fillPixel);
        m_left = std::min(m_left, first);
        m_right = std::max(m_right, last);
        m_top = std::min(m_top, y);
        m_bottom = std::max(m_bottom, y);
        const int firstWord = first >> 6;
        const int lastWord = last >> 6;
        const std::uint64_t head = allBits << (first & 63);
        const std::uint64_t tail = allBits >> (63 - (last & 63));
        if (firstWord == lastWord) {
            mask[firstWord] |= head & tail;
            return;
        }
        mask[firstWord] |= head;
        std::fill(mask + firstWord + 1, mask + lastWord, allBits);
        mask[lastWord] |= tail;
    }

    const int m_width;
    const int m_height;
    const std::ptrdiff_t m_stride;
    std::uint32_t *const m_pixels;
    const std::uint32_t m_border;
    const std::uint32_t m_fillRgb;
    const std::uint32_t m_fillPixel;
    const int m_maskStride;
    std::vector<std::uint64_t> m_mask;
    std::vector<Span> m_stack;
    int m_left;
    int m_top;
    int m_right = -1;
    int m_bottom = -1;
};

template <std::uint32_t (*rgbOf)(std::uint32_t)>
Rect fillRegion(const PixelBuffer &buffer, Point seed, std::uint32_t border, std::uint32_t fill)
{
    if (rgbOf(buffer.pixels[seed.y * buffer.stride + seed.x]) == (border & rgbMask))
        return {};
    return SpanFill<rgbOf>(buffer, border, fill).run(seed);
}

} // namespace

Rect floodFillBorderArea(const PixelBuffer &buffer, Point seed, std::uint32_t border,
                         std::uint32_t fill)
{
    if (seed.x < 0 || seed.y < 0 || seed.x >= buffer.width || seed.y >= buffer.height)
        return {};
    if (buffer.premultiplied)
        return fillRegion<premultipliedRgb>(buffer, seed, border, fill);
    return fillRegion<straightRgb>(buffer, seed, border, fill);
}

bool floodFillBorder(const PixelBuffer &buffer, Point seed, std::uint32_t border,
                     std::uint32_t fill)
{
    return floodFillBorderArea(buffer, seed, border, fill).width > 0;
}
