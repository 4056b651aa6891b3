// The runtime's ways of turning a number into text.
#pragma once

#include "runtime/int16.h"

#include <string>

// The decimal digits of a number, with "-" before a negative one.
std::u16string decimalText(long long number);

// The decimal digits after a blank, the sign place of a non-negative number, or after "-".
std::u16string numberText(Int16 number);

// Every character in its full-width form: blanks become ideographic spaces, ASCII characters
// their full-width counterparts.
std::u16string fullWidth(const std::u16string &text);
