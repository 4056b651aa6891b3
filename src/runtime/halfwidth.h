// Text typed with a Japanese input method, read as its half-width counterpart.
#pragma once

// A Japanese input method types the full-width forms of ASCII characters (U+FF01 to U+FF5E) and
// the ideographic space (U+3000); each reads as its ASCII counterpart. Every other character is
// itself.
constexpr char16_t halfWidth(char16_t code)
{
    if (code >= u'\uFF01' && code <= u'\uFF5E')
        return static_cast<char16_t>(code - (u'\uFF01' - u'!'));
    return code == u'\u3000' ? u' ' : code;
}
