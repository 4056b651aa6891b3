// Reading the number that a text begins with, as the speed box's text is read.
#pragma once

#include <string_view>

// The numeric value of the number at the start of text; 0 when it does not begin with one.
//
// Blanks, tabs, line feeds and carriage returns are skipped wherever they stand, even inside the
// number. The number is either a decimal one (optional sign, ASCII digits with an optional '.',
// optional exponent introduced by E or D) or an unsigned &H hexadecimal / &O octal one; reading
// stops at the first character that cannot continue it. What a Japanese input method types reads
// exactly as the half-width text: full-width forms (U+FF01 to U+FF5E) as their ASCII characters,
// the ideographic space U+3000 as a blank.
//
// &H / &O values that fit 16 bits are 16-bit two's complement, else those that fit 32 bits are
// 32-bit two's complement; wider ones are taken as positive. Decimal text is rounded correctly.
// The result is always finite and never NaN: magnitudes beyond double saturate at +/-DBL_MAX,
// ones too small for it give 0. A zero result is always +0.
double textToNumber(std::u16string_view text);
