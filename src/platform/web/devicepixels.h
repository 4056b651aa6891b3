// Logical shapes at device pixels and the canvas's pixel words, shared by a surface and the
// painter of its controls.
#pragma once

#include "platform/color.h"
#include "platform/geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

// The canvas's bytes R, G, B, A read as one little-endian word: 0xAABBGGRR.
inline std::uint32_t canvasWord(Color color)
{
    return 0xff000000u | std::uint32_t(color.blue) << 16 | std::uint32_t(color.green) << 8 |
           color.red;
}

inline PointF scaled(PointF point, double scale)
{
    return {point.x * scale, point.y * scale};
}

inline RectF scaled(const RectF &rect, double scale)
{
    return {rect.left * scale, rect.top * scale, rect.width * scale, rect.height * scale};
}

// The whole pixels that a shape of these bounds, drawn with a pen of width, can touch.
inline Rect touched(const RectF &bounds, double width)
{
    const double reach = width / 2 + 1;
    const int left = int(std::floor(bounds.left - reach));
    const int top = int(std::floor(bounds.top - reach));
    return {left, top, int(std::ceil(bounds.right() + reach)) - left,
            int(std::ceil(bounds.bottom() + reach)) - top};
}
