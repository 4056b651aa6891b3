// Reading the number a text begins with: decimal, &H hexadecimal or &O octal.
#include "runtime/textnumber.h"

#include "runtime/halfwidth.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// A double's correct rounding depends on at most 767 significant digits; the digits beyond the
// kept ones only matter as "something non-zero follows", which one extra '1' stands for.
constexpr std::size_t kKeptDigits = 800;
// Decimal exponents are clamped far outside double's range so that adding them cannot overflow.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000'000;
// 0.ddd x 10^e is beyond DBL_MAX above this e, and rounds to 0 below the other.
constexpr std::int64_t kOverflowExponent = 310;
constexpr std::int64_t kUnderflowExponent = -330;
// &H / &O digits are collected up to this size; further ones only shift the value.
constexpr std::uint64_t kLeadingLimit = std::uint64_t{1} << 58;
// Any binary shift this large already makes the value overflow to DBL_MAX.
constexpr int kShiftLimit = 2048;

// A decimal number's significant digits, its value being 0.digits x 10^exponent.
struct DecimalDigits
{
    std::string digits;
    std::int64_t exponent = 0;
    bool sawDigit = false;
};

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDecimalDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The next character that is not a blank, in its half-width form, leaving pos on it; 0 at the
// end of the text.
char16_t peek(std::u16string_view text, std::size_t &pos)
{
    while (pos < text.size() && isBlank(halfWidth(text[pos])))
        ++pos;
    return pos < text.size() ? halfWidth(text[pos]) : u'\0';
}

// The value of an ASCII digit in base 8 or 16; -1 for anything else.
int digitValue(char16_t c, int base)
{
    int value = base;
    if (isDecimalDigit(c))
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value < base ? value : -1;
}

std::int64_t clampedAdd(std::int64_t a, std::int64_t b)
{
    return std::clamp(a + b, -kExponentLimit, kExponentLimit);
}

// Integers of up to 16 or 32 significant bits are two's complement; wider ones cannot be held
// as integers and are taken as the positive value of their digits, rounded correctly (the sticky
// bit lies below the rounding position, since leading then has more than 55 bits).
double basedValue(std::uint64_t leading, int shift, bool sticky)
{
    if (shift == 0 && leading <= 0xFFFF)
        return static_cast<std::int16_t>(leading);
    if (shift == 0 && leading <= 0xFFFFFFFF)
        return static_cast<std::int32_t>(leading);
    const double value = std::ldexp(static_cast<double>(leading | (sticky ? 1U : 0U)), shift);
    return std::min(value, DBL_MAX);
}

double readBased(std::u16string_view text, std::size_t pos, int base)
{
    const int bitsPerDigit = base == 16 ? 4 : 3;
    std::uint64_t leading = 0;
    int shift = 0;
    bool sticky = false;
    for (int digit = digitValue(peek(text, pos), base); digit >= 0;
         digit = digitValue(peek(text, ++pos), base)) {
        if (leading < kLeadingLimit) {
            leading = leading * base + digit;
        } else {
            shift = std::min(shift + bitsPerDigit, kShiftLimit);
            sticky = sticky || digit != 0;
        }
    }
    return basedValue(leading, shift, sticky);
}

void addDigit(DecimalDigits &number, char16_t digit, bool integerPart)
{
    number.sawDigit = true;
    if (number.digits.empty() && digit == u'0') {
        if (!integerPart)
            number.exponent = clampedAdd(number.exponent, -1);
        return;
    }
    if (integerPart)
        number.exponent = clampedAdd(number.exponent, 1);
    if (number.digits.size() < kKeptDigits)
        number.digits.push_back(static_cast<char>(digit));
    else if (number.digits.size() == kKeptDigits && digit != u'0')
        number.digits.push_back('1');
}

void readDigits(std::u16string_view text, std::size_t &pos, DecimalDigits &number, bool integerPart)
{
    for (char16_t c = peek(text, pos); isDecimalDigit(c); c = peek(text, ++pos))
        addDigit(number, c, integerPart);
}

// The exponent after E or D; a letter without digits counts as exponent 0.
std::int64_t readExponent(std::u16string_view text, std::size_t &pos)
{
    const char16_t letter = peek(text, pos);
    if (letter != u'e' && letter != u'E' && letter != u'd' && letter != u'D')
        return 0;
    ++pos;
    const char16_t sign = peek(text, pos);
    if (sign == u'+' || sign == u'-')
        ++pos;
    std::int64_t value = 0;
    for (char16_t c = peek(text, pos); isDecimalDigit(c); c = peek(text, ++pos))
        value = std::min(value * 10 + (c - u'0'), kExponentLimit);
    return sign == u'-' ? -value : value;
}

// The cleaned ASCII copy goes to strtod, which rounds correctly. Written as an integer of the
// digits with its exponent, it has no decimal point for the locale to read differently.
double decimalMagnitude(const DecimalDigits &number)
{
    if (number.digits.empty() || number.exponent < kUnderflowExponent)
        return 0.0;
    if (number.exponent > kOverflowExponent)
        return DBL_MAX;
    const auto scale = number.exponent - static_cast<std::int64_t>(number.digits.size());
    const std::string ascii = number.digits + 'e' + std::to_string(scale);
    const double value = std::strtod(ascii.c_str(), nullptr);
    return std::min(value, DBL_MAX);
}

double readDecimal(std::u16string_view text, std::size_t pos)
{
    const char16_t sign = peek(text, pos);
    if (sign == u'+' || sign == u'-')
        ++pos;
    DecimalDigits number;
    readDigits(text, pos, number, true);
    if (peek(text, pos) == u'.') {
        ++pos;
        readDigits(text, pos, number, false);
    }
    if (!number.sawDigit)
        return 0.0;
    number.exponent = clampedAdd(number.exponent, readExponent(text, pos));
    const double magnitude = decimalMagnitude(number);
    // No negative zero: "-0" and "-1e-400" read as plain 0.
    return sign == u'-' && magnitude != 0.0 ? -magnitude : magnitude;
}

} // namespace

double textToNumber(std::u16string_view text)
{
    std::size_t pos = 0;
    if (peek(text, pos) != u'&')
        return readDecimal(text, pos);
    ++pos;
    const char16_t prefix = peek(text, pos);
    if (prefix == u'h' || prefix == u'H')
        return readBased(text, pos + 1, 16);
    if (prefix == u'o' || prefix == u'O')
        return readBased(text, pos + 1, 8);
    return 0.0;
}
