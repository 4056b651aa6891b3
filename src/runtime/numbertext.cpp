#include "runtime/numbertext.h"

#include <string>

namespace {
constexpr char16_t ideographicSpace = u'\u3000';
constexpr char16_t fullWidthOffset = u'\uFF01' - u'!';
} // namespace

std::u16string decimalText(long long number)
{
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string numberText(Int16 number)
{
    const int value = number.value();
    std::u16string text(value < 0 ? u"" : u" ");
    return text += decimalText(value);
}

std::u16string fullWidth(const std::u16string &text)
{
    std::u16string wide;
    wide.reserve(text.size());
    for (const char16_t code : text) {
        if (code == u' ')
            wide += ideographicSpace;
        else if (code > u' ' && code <= u'~')
            wide += char16_t(code + fullWidthOffset);
        else
            wide += code;
    }
    return wide;
}
