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
