#pragma once

#include <QByteArray>
#include <QImage>

// The stored form of a picture page: a Windows bitmap file image with 24 bits
// per pixel, uncompressed, rows bottom-up and padded to four bytes. Written and
// read here without an intermediate 32-bit copy, which matters for photographs
// of tens of megapixels.
class Bmp24
{
public:
    // The BMP file image of a working bitmap (any other format is converted
    // first). An empty picture gives empty bytes. Throws TessaryError when the
    // picture is too large for one file image.
    static QByteArray encode(const QImage &picture);

    // True when bytes start like a BMP file ("BM").
    static bool isBmp(const QByteArray &bytes);

    // Decodes an uncompressed 24-bit BMP into a working bitmap (top-down and
    // bottom-up rows, any info header of 40 bytes or more). Returns a null image
    // for other BMP forms (palettes, 16 or 32 bits, compressed), which the
    // caller leaves to the generic decoder. Throws TessaryError when the header
    // is damaged or the sizes are impossible; pixel data that is cut short
    // gives the rows present, the rest white.
    static QImage decode(const QByteArray &bytes);
};
