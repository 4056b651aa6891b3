// Rectangles of device pixels and the canvas's pixel words, shared by a surface and the painter
// of its controls.
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

inline bool isEmpty(const Rect &rect)
{
    return rect.width <= 0 || rect.height <= 0;
}

inline Rect united(const Rect &a, const Rect &b)
{
    if (isEmpty(a))
        return b;
    if (isEmpty(b))
        return a;
    const int left = std::min(a.left, b.left);
    const int top = std::min(a.top, b.top);
    return {left, top, std::max(a.left + a.width, b.left + b.width) - left,
            std::max(a.top + a.height, b.top + b.height) - top};
}

inline Rect clipped(const Rect &rect, const Rect &area)
{
    const int left = std::max(rect.left, area.left);
    const int top = std::max(rect.top, area.top);
    const int right = std::min(rect.left + rect.width, area.left + area.width);
    const int bottom = std::min(rect.top + rect.height, area.top + area.height);
    if (right <= left || bottom <= top)
        return {};
    return {left, top, right - left, bottom - top};
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
