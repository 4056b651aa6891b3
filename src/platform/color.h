// A colour as the program names it: red, green and blue, each 0 to 255.
#pragma once

#include <cstdint>

struct Color
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    // 0xffRRGGBB, an opaque 32-bit pixel as the drawing surfaces store it.
    constexpr std::uint32_t pixel() const
    {
        return 0xff000000u | std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | blue;
    }
    static constexpr Color fromPixel(std::uint32_t pixel)
    {
        return {std::uint8_t(pixel >> 16), std::uint8_t(pixel >> 8), std::uint8_t(pixel)};
    }

    friend constexpr bool operator==(Color, Color) = default;
};
