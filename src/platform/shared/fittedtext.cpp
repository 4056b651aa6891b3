#include "platform/shared/fittedtext.h"

double layoutAdvance(char32_t character)
{
    if (character >= U'0' && character <= U'9')
        return 6;
    if (character >= U'０' && character <= U'９')
        return 8;
    switch (character) {
    case U' ':
    case U'(':
    case U')':
        return 4;
    case U'\u3000':
        return 8;
    case U'c':
        return 6;
    case U'm':
        return 10;
    default:
        return 0;
    }
}

std::u32string codePoints(const std::u16string &text)
{
    std::u32string points;
    points.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const bool pair = unit >= 0xd800 && unit < 0xdc00 && i + 1 < text.size() &&
                          text[i + 1] >= 0xdc00 && text[i + 1] < 0xe000;
        if (pair) {
            points += char32_t(0x10000 + ((unit - 0xd800) << 10) + (text[i + 1] - 0xdc00));
            ++i;
        } else {
            points += char32_t(unit);
        }
    }
    return points;
}

double fittedWidth(const std::vector<FittedCharacter> &laidOut)
{
    return laidOut.empty() ? 0 : laidOut.back().left + laidOut.back().advance;
}
