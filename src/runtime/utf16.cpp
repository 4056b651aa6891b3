#include "runtime/utf16.h"

namespace {
constexpr char16_t highSurrogates = 0xd800;
constexpr char16_t lowSurrogates = 0xdc00;
constexpr char16_t surrogatesEnd = 0xe000;
constexpr char32_t beyondBasicPlane = 0x10000;

bool isHigh(char16_t unit)
{
    return unit >= highSurrogates && unit < lowSurrogates;
}

bool isLow(char16_t unit)
{
    return unit >= lowSurrogates && unit < surrogatesEnd;
}
} // namespace

std::u32string codePoints(const std::u16string &text)
{
    std::u32string points;
    points.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (isHigh(unit) && i + 1 < text.size() && isLow(text[i + 1])) {
            points += char32_t(beyondBasicPlane + ((unit - highSurrogates) << 10) +
                               (text[i + 1] - lowSurrogates));
            ++i;
        } else {
            points += char32_t(unit);
        }
    }
    return points;
}

void appendCodePoint(std::u16string &text, char32_t point)
{
    if (point < beyondBasicPlane) {
        text += char16_t(point);
        return;
    }
    text += char16_t(highSurrogates + ((point - beyondBasicPlane) >> 10));
    text += char16_t(lowSurrogates + ((point - beyondBasicPlane) & 0x3ff));
}
