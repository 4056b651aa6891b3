// What a surface has drawn since it was last cleared, so that a desktop backend can draw it all
// again at the device pixels of a new scale.
#pragma once

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"

#include <string>
#include <variant>
#include <vector>

// Each drawing call with everything it drew with, in logical pixels of the drawing area.
struct DrawnLine
{
    PointF from;
    PointF to;
    Color color;
    int width;
};

struct DrawnBox
{
    RectF box;
    Color pen;
    int width;
    bool filled;
    Color fill;
};

struct DrawnText
{
    PointF topLeft;
    std::u16string text;
    Font font;
    Color color;
};

struct DrawnFill
{
    Point seed;
    Color border;
    Color fill;
};

using Drawing = std::variant<DrawnLine, DrawnBox, DrawnText, DrawnFill>;

// A surface's image is its background colour, then the drawings in order: a surface drawn at a
// new scale is the same picture as one drawn at that scale from the start, its shading
// included. A clear forgets the drawings, so the record holds no more than one picture.
class DrawingRecord
{
public:
    void clear(Color background)
    {
        m_background = background;
        m_drawings.clear();
    }
    template <typename Drawn> void add(const Drawn &drawn)
    {
        m_drawings.emplace_back(std::in_place_type<Drawn>, drawn);
    }

    Color background() const { return m_background; }
    const std::vector<Drawing> &drawings() const { return m_drawings; }

private:
    Color m_background{255, 255, 255};
    std::vector<Drawing> m_drawings;
};
