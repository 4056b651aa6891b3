// A picture box's canvases: the kept image, and the screen over it that shows the lightweight
// controls.
#pragma once

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"

#include <string>
#include <variant>
#include <vector>

class PictureBox;

// Draws at device pixels: the page's pixel ratio times the window's fit to the viewport. The
// drawing since the last clear is kept, so that a change of scale draws the same picture again at
// the new resolution.
class Surface
{
public:
    Surface(int element, const PictureBox &box);
    ~Surface();
    Surface(const Surface &) = delete;
    Surface &operator=(const Surface &) = delete;

    void clear(Color background);
    void line(PointF from, PointF to, Color color, int width);
    void box(const RectF &box, Color pen, int width, bool filled, Color fill);
    // Gives the width the text took.
    double text(PointF topLeft, const std::u16string &text, const Font &font, Color color);
    bool fill(Point seed, Color border, Color fill);

    Color pixel(Point position) const;
    void invalidate() { m_stale = true; }
    // Paints the controls again over the image, if anything changed.
    void present();
    // Draws everything again if the page's scale changed.
    void rescale();

private:
    struct Clear
    {
        Color background;
    };
    struct Line
    {
        PointF from;
        PointF to;
        Color color;
        int width;
    };
    struct Box
    {
        RectF box;
        Color pen;
        int width;
        bool filled;
        Color fill;
    };
    struct Text
    {
        PointF topLeft;
        std::u16string text;
        Font font;
        Color color;
    };
    struct Fill
    {
        Point seed;
        Color border;
        Color fill;
    };
    using Operation = std::variant<Clear, Line, Box, Text, Fill>;

    static double deviceScale();
    void resize();
    void draw(const Operation &operation);
    void draw(const Clear &clear);
    void draw(const Line &line);
    void draw(const Box &box);
    // Gives the width the text took.
    double draw(const Text &text);
    bool draw(const Fill &fill);

    int m_element;
    const PictureBox &m_box;
    double m_scale = 0;
    bool m_stale = true;
    std::vector<Operation> m_operations;
};
