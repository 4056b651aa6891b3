// Border flood fill: a span fill with an explicit stack over 32-bit pixels.
#include "platform/floodfill.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

constexpr QRgb rgbMask = 0x00ffffff;
constexpr QRgb opaque = 0xff000000;
constexpr quint64 allBits = ~quint64{0};

QRgb straightRgb(QRgb pixel)
{
    return pixel & rgbMask;
}

QRgb premultipliedRgb(QRgb pixel)
{
    return (qAlpha(pixel) == 255 ? pixel : qUnpremultiply(pixel)) & rgbMask;
}

// Fills one region; rgbOf gives the RGB a stored pixel shows. Painted pixels are also marked in
// a bit mask, since the fill colour may already occur in the region and so cannot tell a
// visited pixel from an unvisited one.
template <QRgb (*rgbOf)(QRgb)> class SpanFill
{
public:
    SpanFill(QImage &image, QRgb border, QRgb fill)
        : m_width(image.width()), m_height(image.height()),
          m_stride(static_cast<std::ptrdiff_t>(image.bytesPerLine() / sizeof(QRgb))),
          m_pixels(reinterpret_cast<QRgb *>(image.bits())), m_border(border & rgbMask),
          m_fillRgb(fill & rgbMask), m_fillPixel(fill | opaque), m_maskStride((m_width + 63) / 64),
          m_mask(static_cast<std::size_t>(m_maskStride) * static_cast<std::size_t>(m_height))
    {}

    void run(QPoint seed)
    {
        // The seed row is scanned as if reached from above, the row above it as if from below.
        push(seed.x(), seed.x(), seed.y(), 1);
        push(seed.x(), seed.x(), seed.y() - 1, -1);
        while (!m_stack.empty()) {
            const Span span = m_stack.back();
            m_stack.pop_back();
            scan(span);
        }
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

    QRgb *row(int y) const { return m_pixels + y * m_stride; }
    quint64 *maskRow(int y)
    {
        return m_mask.data() + static_cast<std::ptrdiff_t>(y) * m_maskStride;
    }

    bool inside(const QRgb *pixels, const quint64 *mask, int x) const
    {
        const QRgb rgb = rgbOf(pixels[x]);
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
        QRgb *const pixels = row(y);
        quint64 *const mask = maskRow(y);
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
                paint(pixels, mask, x, x1 - 1);
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

    void paint(QRgb *pixels, quint64 *mask, int first, int last)
    {
        std::fill(pixels + first, pixels + last + 1, m_fillPixel);
        const int firstWord = first >> 6;
        const int lastWord = last >> 6;
        const quint64 head = allBits << (first & 63);
        const quint64 tail = allBits >> (63 - (last & 63));
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
    QRgb *const m_pixels;
    const QRgb m_border;
    const QRgb m_fillRgb;
    const QRgb m_fillPixel;
    const int m_maskStride;
    std::vector<quint64> m_mask;
    std::vector<Span> m_stack;
};

template <QRgb (*rgbOf)(QRgb)> bool fillRegion(QImage &image, QPoint seed, QRgb border, QRgb fill)
{
    // Read through constScanLine so that a shared image is not detached for nothing.
    const auto *seedRow = reinterpret_cast<const QRgb *>(image.constScanLine(seed.y()));
    if (rgbOf(seedRow[seed.x()]) == (border & rgbMask))
        return false;
    SpanFill<rgbOf>(image, border, fill).run(seed);
    return true;
}

} // namespace

bool floodFillBorder(QImage &image, QPoint seed, QRgb border, QRgb fill)
{
    if (!image.rect().contains(seed))
        return false;
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return fillRegion<straightRgb>(image, seed, border, fill);
    case QImage::Format_ARGB32_Premultiplied:
        return fillRegion<premultipliedRgb>(image, seed, border, fill);
    default:
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        return fillRegion<straightRgb>(image, seed, border, fill);
    }
}
