// A 32-bit top-down DIB section with a memory device context for GDI to draw into.
#pragma once

#include "platform/geometry.h"
#include "platform/shared/floodfill.h"

#include <windows.h>

#include <cstdint>

// Pixels are 0x00RRGGBB as GDI writes them; the flood fill writes them opaque, which GDI ignores.
class SurfaceImage
{
public:
    explicit SurfaceImage(Size size);
    ~SurfaceImage();
    SurfaceImage(const SurfaceImage &) = delete;
    SurfaceImage &operator=(const SurfaceImage &) = delete;

    HDC dc() const { return m_dc; }
    Size size() const { return m_size; }
    // The pixels, once GDI has finished drawing.
    PixelBuffer pixels() const;
    void fill(std::uint32_t pixel);
    std::uint32_t pixel(int x, int y) const;

private:
    Size m_size;
    std::uint32_t *m_bits = nullptr;
    HBITMAP m_bitmap = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_previous = nullptr;
};
