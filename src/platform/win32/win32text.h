// Conversions between the platform's value types and the Win32 API's.
#pragma once

#include "platform/color.h"
#include "platform/geometry.h"

#include <windows.h>

#include <string>

// UTF-16 on both sides: wchar_t is 16 bits wide on Windows.
inline const wchar_t *wide(const std::u16string &text)
{
    return reinterpret_cast<const wchar_t *>(text.c_str());
}

inline std::u16string windowText(HWND hwnd)
{
    std::u16string text(std::size_t(GetWindowTextLengthW(hwnd)) + 1, u'\0');
    const int length =
        GetWindowTextW(hwnd, reinterpret_cast<wchar_t *>(text.data()), int(text.size()));
    text.resize(std::size_t(length));
    return text;
}

inline COLORREF colorRef(Color color)
{
    return RGB(color.red, color.green, color.blue);
}

inline Color fromColorRef(COLORREF color)
{
    return {GetRValue(color), GetGValue(color), GetBValue(color)};
}
