// UTF-16 text and its code points: the surrogate pairs of the characters beyond U+FFFF.
#pragma once

#include <string>

// The code points of UTF-16 text; a lone surrogate stands for itself.
std::u32string codePoints(const std::u16string &text);

// Appends a code point's UTF-16 units: one, or a surrogate pair beyond U+FFFF.
void appendCodePoint(std::u16string &text, char32_t point);
