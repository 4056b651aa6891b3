#include "app/printing.h"

#include "platform/shared/fittedtext.h"
#include "platform/textmetrics.h"
#include "runtime/utf16.h"

void printText(PictureBox &surface, const PrintedText &text)
{
    if (text.x)
        surface.setCurrentX(float(*text.x));
    surface.setCurrentY(float(text.y));
    surface.print(text.text);
}

double printedWidth(const std::u16string &text)
{
    const Font font = defaultUiFont();
    return fittedWidth(fitText(text, font.pixelSize, [&font](char32_t character) {
        std::u16string one;
        appendCodePoint(one, character);
        return double(textSize(font, one).width);
    }));
}

double printedHeight(const std::u16string &text)
{
    return textSize(defaultUiFont(), text).height;
}
