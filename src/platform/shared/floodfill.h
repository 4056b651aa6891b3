// Border flood fill on a buffer of 32-bit pixels, the shading primitive of the drawing surfaces.
#pragma once

#include "platform/geometry.h"

#include <cstddef>
#include <cstdint>

// Pixels 0xAARRGGBB in rows of stride pixels. With premultiplied set, a pixel's colour
// components are premultiplied by its alpha.
struct PixelBuffer
{
    std::uint32_t *pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
    bool premultiplied = false;
};

// Paints the 4-connected region around seed with fill, up to pixels of colour border or the
// buffer's edge. Colours compare on their RGB components only, a premultiplied pixel by the
// colour it shows. A seed outside the buffer or on the border colour paints nothing. Returns
// whether any pixel was painted.
//
// Every pixel of the region that is not the border colour is painted, whatever colour it had
// (including fill itself); fill is written opaque. seed is in the buffer's pixels.
bool floodFillBorder(const PixelBuffer &buffer, Point seed, std::uint32_t border,
                     std::uint32_t fill);

// The same fill; gives the smallest rectangle that holds every pixel it painted, empty (0 wide)
// where it painted none.
Rect floodFillBorderArea(const PixelBuffer &buffer, Point seed, std::uint32_t border,
                         std::uint32_t fill);
