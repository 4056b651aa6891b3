#include "platform/textmetrics.h"

#include "platform/web/page.h"

#include <cmath>

Size textSize(const Font &font, const std::u16string &text)
{
    const int gothic = font.face == Font::Face::Gothic;
    const double width =
        text_width(gothic, font.pixelSize, font.bold, text.data(), int(text.size()));
    return {int(std::lround(width)), text_line_height(gothic, font.pixelSize, font.bold)};
}
