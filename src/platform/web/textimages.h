// Printed texts as images, drawn once by the page's own text drawing and kept: a step prints the
// same few texts again and again.
#pragma once

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/shared/fittedtext.h"
#include "platform/shared/rasterpainter.h"

#include <cstdint>
#include <string>
#include <vector>

class TextImages
{
public:
    // Printed text takes the layout face's advances; a label's text its own face's.
    enum class Spacing { Fitted, Natural };

    // Straight-alpha pixels in the page's byte order. offset is where the top-left one lies from
    // the device pixel that holds the text's top-left corner.
    struct Image
    {
        Point offset;
        int width = 0;
        int height = 0;
        std::vector<std::uint32_t> pixels;
    };

    // Where each character stands and how wide it is, in logical pixels.
    const std::vector<FittedCharacter> &layout(const std::u16string &text, const Font &font,
                                               Spacing spacing);
    int lineHeight(const Font &font);
    // Paints the text at scale device pixels to a logical one, its top-left corner at device
    // point topLeft; gives the pixels its image covers.
    Rect paint(RasterPainter &painter, const std::u16string &text, const Font &font, Color color,
               double scale, PointF topLeft, Spacing spacing);
    // A change of scale makes every image anew.
    void forgetImages() { m_images.clear(); }

private:
    struct Layout
    {
        std::u16string text;
        Font font;
        Spacing spacing;
        std::vector<FittedCharacter> characters;
    };
    struct Kept
    {
        std::u16string text;
        Font font;
        Color color;
        double scale;
        // The top-left corner's offset within its device pixel: the same text elsewhere on the
        // same offset is the same image.
        PointF phase;
        Spacing spacing;
        Image image;
    };

    // The text with its top-left corner phase (each 0 to 1) into a device pixel.
    const Image &image(const std::u16string &text, const Font &font, Color color, double scale,
                       PointF phase, Spacing spacing);
    Image drawnByThePage(const std::u16string &text, const Font &font, Color color, double scale,
                         PointF phase, Spacing spacing);

    struct LineHeight
    {
        Font font;
        int height;
    };

    std::vector<Layout> m_layouts;
    // Asking the page costs more than printing a kept text.
    std::vector<LineHeight> m_lineHeights;
    std::vector<Kept> m_images;
};
