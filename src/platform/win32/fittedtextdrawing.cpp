#include "platform/win32/fittedtextdrawing.h"

#include "platform/shared/fittedtext.h"
#include "platform/win32/displayscale.h"
#include "runtime/utf16.h"

#include <cmath>
#include <vector>

namespace {
std::u16string unitsOf(char32_t character)
{
    std::u16string units;
    appendCodePoint(units, character);
    return units;
}

// The face's own advance of a character, in logical pixels.
double naturalAdvance(HDC dc, const std::u16string &units, double scale)
{
    SIZE size{};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t *>(units.c_str()), int(units.size()),
                          &size);
    return size.cx / scale;
}
} // namespace

// One ExtTextOutW for the whole line: each glyph's origin is its advance's start plus half of
// what the fitted advance has more than the face's own, and lpDx gives the steps between
// origins in device pixels (a surrogate pair takes its step on its second unit).
SizeF drawFittedText(HDC dc, PointF topLeft, const std::u16string &text, const Font &font,
                     double scale)
{
    const auto laidOut = fitText(text, font.pixelSize, [&](char32_t character) {
        return naturalAdvance(dc, unitsOf(character), scale);
    });
    std::u16string units;
    std::vector<int> origins;
    for (const FittedCharacter &placed : laidOut) {
        const std::u16string characterUnits = unitsOf(placed.character);
        const double natural = naturalAdvance(dc, characterUnits, scale);
        const double origin = topLeft.x + placed.left + (placed.advance - natural) / 2;
        for (std::size_t i = 0; i < characterUnits.size(); ++i)
            origins.push_back(devicePixels(origin, scale));
        units += characterUnits;
    }
    std::vector<INT> steps(units.size(), 0);
    for (std::size_t i = 0; i + 1 < origins.size(); ++i)
        steps[i] = origins[i + 1] - origins[i];
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    if (!units.empty())
        ExtTextOutW(dc, origins.front(), devicePixels(topLeft.y, scale), 0, nullptr,
                    reinterpret_cast<const wchar_t *>(units.c_str()), UINT(units.size()),
                    steps.data());
    return {fittedWidth(laidOut), metrics.tmHeight / scale};
}
