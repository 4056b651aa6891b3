#include "platform/win32/surfaceimage.h"

#include <algorithm>

SurfaceImage::SurfaceImage(Size size) : m_size{std::max(size.width, 1), std::max(size.height, 1)}
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = m_size.width;
    info.bmiHeader.biHeight = -m_size.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<std::uint32_t *>(bits);
    m_dc = CreateCompatibleDC(nullptr);
    m_previous = SelectObject(m_dc, m_bitmap);
}

SurfaceImage::~SurfaceImage()
{
    SelectObject(m_dc, m_previous);
    DeleteDC(m_dc);
    DeleteObject(m_bitmap);
}

PixelBuffer SurfaceImage::pixels() const
{
    GdiFlush();
    return {m_bits, m_size.width, m_size.height, m_size.width, false};
}

void SurfaceImage::fill(std::uint32_t pixel)
{
    GdiFlush();
    std::fill_n(m_bits, std::size_t(m_size.width) * std::size_t(m_size.height), pixel);
}

std::uint32_t SurfaceImage::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_size.width || y >= m_size.height)
        return 0;
    GdiFlush();
    return m_bits[std::size_t(y) * std::size_t(m_size.width) + std::size_t(x)];
}
