// Text laid out with the character widths of the layout's user-interface face.
#pragma once

#include "runtime/utf16.h"

#include <string>
#include <vector>

// Text on the drawing surfaces is placed by character widths: rows of numbers spaced with
// blanks so that each stands under its grid line, a raised 2 pushed over a gap by blanks. Those
// places hold only in the widths of the face the layout was made in, so each character takes
// that face's advance, and the installed face's glyph is drawn centred in it. Characters the
// table does not know keep the installed face's own advance.

// One character of a fitted text: where its advance starts and how wide it is, in pixels from
// the text's left edge.
struct FittedCharacter
{
    char32_t character;
    double left;
    double advance;
};

// Lays the text out at an em of pixelSize; naturalAdvance(character) gives the installed face's
// own advance for the characters the table does not know.
template <typename NaturalAdvance>
std::vector<FittedCharacter> fitText(const std::u16string &text, double pixelSize,
                                     NaturalAdvance naturalAdvance);

// How wide the laid-out text is: to the end of its last character's advance.
double fittedWidth(const std::vector<FittedCharacter> &laidOut);

// The layout face's advance at a 12-pixel em, or 0 where the table does not know the character.
double layoutAdvance(char32_t character);

template <typename NaturalAdvance>
std::vector<FittedCharacter> fitText(const std::u16string &text, double pixelSize,
                                     NaturalAdvance naturalAdvance)
{
    const double scale = pixelSize / 12;
    std::vector<FittedCharacter> laidOut;
    double x = 0;
    for (const char32_t character : codePoints(text)) {
        const double tabled = layoutAdvance(character) * scale;
        const double advance = tabled > 0 ? tabled : naturalAdvance(character);
        laidOut.push_back({character, x, advance});
        x += advance;
    }
    return laidOut;
}
