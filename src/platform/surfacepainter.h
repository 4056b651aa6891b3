// What a lightweight control paints with, over its surface's image.
#pragma once

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"

#include <string>

// Positions are logical pixels of the surface's drawing area. Each backend defines Native, what it
// paints with, and the three drawing calls.
class SurfacePainter
{
public:
    struct Native;

    explicit SurfacePainter(Native &native) : m_native(native) {}

    // Backend: a line of the given width with round ends.
    void drawLine(const LineF &line, Color color, int width);
    // Backend: a filled circle covering exactly its box, its one-pixel border inside it.
    void drawEllipse(const RectF &box, Color fill, Color border);
    // Backend: the box filled with back, the text in fore from its top-left corner, one line.
    void drawText(const RectF &box, const std::u16string &text, const Font &font, Color fore,
                  Color back);

private:
    Native &m_native;
};
