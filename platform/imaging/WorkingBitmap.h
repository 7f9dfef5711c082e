#pragma once

#include <QImage>
#include <QSize>

// The working bitmap of a picture page: 24 bits per pixel (QImage::Format_RGB888),
// no transparency. Every decoded picture becomes one through fromImage, which
// draws transparent and translucent parts over white.
class WorkingBitmap
{
public:
    static constexpr QImage::Format Format = QImage::Format_RGB888;

    // The picture as a working bitmap. Takes the image by value so that a caller
    // that moves it in lets the conversion reuse its memory.
    static QImage fromImage(QImage image);

    // The bitmap reduced to size by averaging, for each target pixel, the source
    // pixels it covers (partly covered pixels count by their covered share). This
    // keeps thin lines and fine texture visible at any reduction, which bilinear
    // sampling does not. When size is larger than the bitmap in a direction, Qt's
    // smooth scaling is used instead. The result is Format_RGB32.
    static QImage scaledDown(const QImage &bitmap, const QSize &size);
};
