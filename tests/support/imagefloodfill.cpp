#include "imagefloodfill.h"

#include "platform/shared/floodfill.h"

bool floodFillBorder(QImage &image, QPoint seed, QRgb border, QRgb fill)
{
    if (!image.rect().contains(seed))
        return false;
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        break;
    default:
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
    // Read through constScanLine so that a shared image is not detached for nothing.
    const QRgb seedPixel = reinterpret_cast<const QRgb *>(image.constScanLine(seed.y()))[seed.x()];
    const bool premultiplied = image.format() == QImage::Format_ARGB32_Premultiplied;
    const QRgb shown = premultiplied ? qUnpremultiply(seedPixel) : seedPixel;
    if ((shown & 0xffffff) == (border & 0xffffff))
        return false;
    const PixelBuffer buffer{reinterpret_cast<std::uint32_t *>(image.bits()), image.width(),
                             image.height(), image.bytesPerLine() / qsizetype(sizeof(QRgb)),
                             premultiplied};
    return floodFillBorder(buffer, {seed.x(), seed.y()}, border, fill);
}
