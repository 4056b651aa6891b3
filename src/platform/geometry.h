// Points, sizes, rectangles and line segments in logical pixels.
#pragma once

#include <algorithm>

struct Point
{
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

struct PointF
{
    double x = 0;
    double y = 0;
    friend constexpr bool operator==(PointF, PointF) = default;
};

struct Size
{
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(Size, Size) = default;
};

struct SizeF
{
    double width = 0;
    double height = 0;
    friend constexpr bool operator==(SizeF, SizeF) = default;
};

struct Rect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(Rect, Rect) = default;
};

// Whether the rectangle holds no pixel.
constexpr bool isEmpty(const Rect &rect)
{
    return rect.width <= 0 || rect.height <= 0;
}

// The smallest rectangle that holds both; an empty one adds nothing.
constexpr Rect united(const Rect &a, const Rect &b)
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

// The part of rect inside area, empty (all zero) where they do not overlap.
constexpr Rect clipped(const Rect &rect, const Rect &area)
{
    const int left = std::max(rect.left, area.left);
    const int top = std::max(rect.top, area.top);
    const int right = std::min(rect.left + rect.width, area.left + area.width);
    const int bottom = std::min(rect.top + rect.height, area.top + area.height);
    if (right <= left || bottom <= top)
        return {};
    return {left, top, right - left, bottom - top};
}

struct RectF
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    constexpr double right() const { return left + width; }
    constexpr double bottom() const { return top + height; }

    // The rectangle with corners a and b, whichever way round they are given.
    static constexpr RectF spanning(PointF a, PointF b)
    {
        return {std::min(a.x, b.x), std::min(a.y, b.y), a.x < b.x ? b.x - a.x : a.x - b.x,
                a.y < b.y ? b.y - a.y : a.y - b.y};
    }
    // Grown by margin on every side.
    constexpr RectF grown(double margin) const
    {
        return {left - margin, top - margin, width + 2 * margin, height + 2 * margin};
    }
    friend constexpr bool operator==(RectF, RectF) = default;
};

struct LineF
{
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;

    constexpr PointF p1() const { return {x1, y1}; }
    constexpr PointF p2() const { return {x2, y2}; }
    friend constexpr bool operator==(LineF, LineF) = default;
};
