// A picture box's canvas: its kept image with the lightweight controls over it.
#pragma once

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/shared/floodfill.h"
#include "platform/web/textimages.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

class PictureBox;
class RasterPainter;

// The image is drawn here, at device pixels (the page's pixel ratio times the window's fit to the
// viewport), and copied to its canvas when shown: the flood fill reads it where it lies, with no
// copy back from the page. The drawing since the last clear is kept: the image is brought up to
// it only when it is read or shown, and a change of scale draws it again at the new resolution.
// A picture drawn again exactly as it stands costs nothing; one that shares its beginning with the
// last (the figure under a moving point) starts from a copy of the image at the end of the part
// they share, and only what changed is drawn and shown again.
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
    // Gives the width the text took and its line's height.
    SizeF text(PointF topLeft, const std::u16string &text, const Font &font, Color color);
    bool fill(Point seed, Color border, Color fill);

    Color pixel(Point position);
    // Where a control was or now is, in logical pixels.
    void controlsChanged(const RectF &area);
    // Shows the image as it now stands and paints the controls again over it, if anything
    // changed.
    void present();
    // Draws everything again if the page's scale changed.
    void rescale();

private:
    struct Clear
    {
        Color background;
        friend bool operator==(const Clear &, const Clear &) = default;
    };
    struct Line
    {
        PointF from;
        PointF to;
        Color color;
        int width;
        friend bool operator==(const Line &, const Line &) = default;
    };
    struct Box
    {
        RectF box;
        Color pen;
        int width;
        bool filled;
        Color fill;
        friend bool operator==(const Box &, const Box &) = default;
    };
    struct Text
    {
        PointF topLeft;
        std::u16string text;
        Font font;
        Color color;
        friend bool operator==(const Text &, const Text &) = default;
    };
    // Whether it painted anything is its outcome, not part of what was asked.
    struct Fill
    {
        Point seed;
        Color border;
        Color fill;
        bool painted = false;
        friend bool operator==(const Fill &a, const Fill &b)
        {
            return a.seed == b.seed && a.border == b.border && a.fill == b.fill;
        }
    };
    using Operation = std::variant<Clear, Line, Box, Text, Fill>;

    double deviceScale() const;
    void resize();
    void bringUpToDate();
    void drawFrom(std::size_t first);
    void keepSnapshot(std::size_t length);
    void paintControls(RasterPainter &painter);
    void restoreSnapshot();
    // Each gives the device pixels it may have changed.
    Rect draw(Operation &operation);
    Rect draw(const Clear &clear);
    Rect draw(const Line &line);
    Rect draw(const Box &box);
    Rect draw(const Text &text);
    Rect draw(Fill &fill);
    PixelBuffer buffer();
    std::uint32_t &pixelAt(Point device);
    Rect wholeImage() const { return {0, 0, m_pixelWidth, m_pixelHeight}; }

    int m_element;
    const PictureBox &m_box;
    double m_scale = 0;
    int m_pixelWidth = 0;
    int m_pixelHeight = 0;
    // Bytes R, G, B, A as the canvas holds them.
    std::vector<std::uint32_t> m_pixels;
    // The drawing since the last clear, and the drawing the pixels show.
    std::vector<Operation> m_operations;
    std::vector<Operation> m_drawn;
    // The image after the first m_snapshotLength operations drawn (none when 0), and the part of
    // the image that the operations drawn after them may have changed.
    std::vector<std::uint32_t> m_snapshot;
    std::size_t m_snapshotLength = 0;
    Rect m_changedSinceSnapshot;
    // The part of the image not shown yet.
    Rect m_unshown;
    // What the page shows, the image with the controls over it, and where the controls changed
    // since it was shown.
    std::vector<std::uint32_t> m_shown;
    Rect m_controlsChanged;
    TextImages m_texts;
};
