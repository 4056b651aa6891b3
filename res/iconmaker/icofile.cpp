// The icon file format: a directory of entries, each pointing at a bitmap without file header
// whose height counts the colour bitmap and the transparency mask together.
#include "icofile.h"

#include <QDataStream>
#include <QIODevice>

namespace {
constexpr int directorySize = 6;
constexpr int entrySize = 16;
constexpr int bitmapHeaderSize = 40;

int bitsPerPixel(const QImage &image)
{
    return image.colorCount() <= 2 ? 1 : 4;
}

// Bitmap rows are padded to whole 32-bit words.
int rowBytes(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

int paletteSize(const QImage &image)
{
    return (1 << bitsPerPixel(image)) * 4;
}

int pixelDataSize(const QImage &image)
{
    return rowBytes(image.width(), bitsPerPixel(image)) * image.height() +
           rowBytes(image.width(), 1) * image.height();
}

int bitmapSize(const QImage &image)
{
    return bitmapHeaderSize + paletteSize(image) + pixelDataSize(image);
}

void writeEntry(QDataStream &out, const QImage &image, quint32 offset)
{
    out << quint8(image.width()) << quint8(image.height()) << quint8(1 << bitsPerPixel(image))
        << quint8(0);
    out << quint16(1) << quint16(bitsPerPixel(image));
    out << quint32(bitmapSize(image)) << offset;
}

void writeBitmapHeader(QDataStream &out, const QImage &image)
{
    out << quint32(bitmapHeaderSize) << qint32(image.width()) << qint32(2 * image.height());
    out << quint16(1) << quint16(bitsPerPixel(image));
    out << quint32(0) << quint32(pixelDataSize(image));
    out << qint32(0) << qint32(0) << quint32(0) << quint32(0);
}

void writePalette(QDataStream &out, const QImage &image)
{
    for (int i = 0; i < 1 << bitsPerPixel(image); ++i) {
        const QRgb colour = i < image.colorCount() ? image.color(i) : qRgb(0, 0, 0);
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
    }
}

// Rows run from the bottom up; pixels fill each byte from its high bits.
void writePixels(QDataStream &out, const QImage &image)
{
    const int bits = bitsPerPixel(image);
    const int perByte = 8 / bits;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes(image.width(), bits), '\0');
        for (int x = 0; x < image.width(); ++x) {
            const int shift = 8 - bits * (x % perByte + 1);
            row[x / perByte] = char(row[x / perByte] | image.pixelIndex(x, y) << shift);
        }
        out.writeRawData(row.constData(), int(row.size()));
    }
}

void writeEmptyMask(QDataStream &out, const QImage &image)
{
    const QByteArray rows(rowBytes(image.width(), 1) * image.height(), '\0');
    out.writeRawData(rows.constData(), int(rows.size()));
}
} // namespace

QByteArray icoFile(const QList<QImage> &images)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = directorySize + entrySize * quint32(images.size());
    for (const QImage &image : images) {
        writeEntry(out, image, offset);
        offset += bitmapSize(image);
    }
    for (const QImage &image : images) {
        writeBitmapHeader(out, image);
        writePalette(out, image);
        writePixels(out, image);
        writeEmptyMask(out, image);
    }
    return bytes;
}
