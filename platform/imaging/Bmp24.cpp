#include "platform/imaging/Bmp24.h"

#include "platform/TessaryError.h"
#include "platform/HugePages.h"
#include "platform/imaging/ImagingLogging.h"
#include "platform/imaging/RowBands.h"
#include "platform/imaging/WorkingBitmap.h"

#include <QtEndian>
#include <cstring>
#include <limits>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
// Larger pictures are refused rather than allocated (about 1.5 GB of pixels).
constexpr qint64 MaxPixelBytes = qint64(1536) * 1024 * 1024;

void put16(uchar *p, quint16 v)
{
    qToLittleEndian(v, p);
}
void put32(uchar *p, quint32 v)
{
    qToLittleEndian(v, p);
}
quint16 get16(const uchar *p)
{
    return qFromLittleEndian<quint16>(p);
}
quint32 get32(const uchar *p)
{
    return qFromLittleEndian<quint32>(p);
}

qint64 rowStride(qint64 width)
{
    return (width * 3 + 3) & ~qint64(3);
}

// One row of pixels with the first and third byte of each swapped: BGR (the
// file's order) to RGB (the working bitmap's) and back.
void swapRedBlue(const uchar *__restrict src, uchar *__restrict dst, qint32 width)
{
    for (qint32 x = 0; x < width; ++x) {
        dst[3 * x] = src[3 * x + 2];
        dst[3 * x + 1] = src[3 * x + 1];
        dst[3 * x + 2] = src[3 * x];
    }
}

} // namespace

QByteArray Bmp24::encode(const QImage &picture)
{
    if (picture.isNull())
        return QByteArray();
    const QImage bitmap =
        picture.format() == WorkingBitmap::Format ? picture : WorkingBitmap::fromImage(picture);
    const int w = bitmap.width();
    const int h = bitmap.height();
    const qint64 stride = rowStride(w);
    const qint64 total = FileHeaderSize + InfoHeaderSize + stride * h;
    if (total > std::numeric_limits<int>::max() - 1 || stride * h > MaxPixelBytes)
        throw TessaryError(QCoreApplication::translate(
                               "Imaging", "The picture (%1 × %2 pixels) is too large to be stored.")
                               .arg(w)
                               .arg(h));

    QByteArray out(int(total), Qt::Uninitialized);
    HugePages::advise(out.data(), total);
    uchar *p = reinterpret_cast<uchar *>(out.data());
    std::memset(p, 0, FileHeaderSize + InfoHeaderSize);
    p[0] = 'B';
    p[1] = 'M';
    put32(p + 2, quint32(total));
    put32(p + 10, FileHeaderSize + InfoHeaderSize);
    uchar *info = p + FileHeaderSize;
    put32(info, InfoHeaderSize);
    put32(info + 4, quint32(w));
    put32(info + 8, quint32(h)); // positive: rows stored bottom-up
    put16(info + 12, 1);
    put16(info + 14, 24);
    put32(info + 16, 0); // BI_RGB
    put32(info + 20, quint32(stride * h));
    put32(info + 24, quint32(qMax(0, bitmap.dotsPerMeterX())));
    put32(info + 28, quint32(qMax(0, bitmap.dotsPerMeterY())));

    uchar *pixels = p + FileHeaderSize + InfoHeaderSize;
    const uchar *bits = bitmap.constBits();
    const qint64 bytesPerLine = bitmap.bytesPerLine();
    RowBands::run(h, stride, [=](int first, int end) {
        for (int y = first; y < end; ++y) {
            uchar *dst = pixels + stride * y;
            swapRedBlue(bits + bytesPerLine * (h - 1 - y), dst, w);
            for (qint64 pad = qint64(w) * 3; pad < stride; ++pad)
                dst[pad] = 0;
        }
    });
    return out;
}

bool Bmp24::isBmp(const QByteArray &bytes)
{
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

QImage Bmp24::decode(const QByteArray &bytes)
{
    if (!isBmp(bytes))
        return QImage();
    const qint64 size = bytes.size();
    if (size < FileHeaderSize + 4)
        throw TessaryError(QCoreApplication::translate(
            "Imaging", "The bitmap is cut short: its header is incomplete."));
    const uchar *p = reinterpret_cast<const uchar *>(bytes.constData());
    const quint32 infoSize = get32(p + FileHeaderSize);
    if (infoSize < InfoHeaderSize)
        return QImage(); // the old OS/2 header: left to the generic decoder
    if (size < FileHeaderSize + InfoHeaderSize)
        throw TessaryError(QCoreApplication::translate(
            "Imaging", "The bitmap is cut short: its header is incomplete."));
    const uchar *info = p + FileHeaderSize;
    const qint32 width = qint32(get32(info + 4));
    const qint32 rawHeight = qint32(get32(info + 8));
    const quint16 planes = get16(info + 12);
    const quint16 bits = get16(info + 14);
    const quint32 compression = get32(info + 16);
    if (bits != 24 || compression != 0)
        return QImage();
    if (planes != 1 || width <= 0 || rawHeight == 0 ||
        rawHeight == std::numeric_limits<qint32>::min())
        throw TessaryError(
            QCoreApplication::translate(
                "Imaging", "The bitmap's header is damaged (%1 × %2 pixels, %3 planes).")
                .arg(width)
                .arg(rawHeight)
                .arg(planes));
    const bool topDown = rawHeight < 0;
    const qint32 height = topDown ? -rawHeight : rawHeight;
    const qint64 stride = rowStride(width);
    if (stride * height > MaxPixelBytes)
        throw TessaryError(QCoreApplication::translate(
                               "Imaging", "The bitmap (%1 × %2 pixels) is too large to be shown.")
                               .arg(width)
                               .arg(height));

    qint64 offset = get32(p + 10);
    if (offset < FileHeaderSize + infoSize || offset > size)
        offset = FileHeaderSize + infoSize; // a wrong offset: the pixels follow the header
    const qint64 available = size - offset;
    const qint64 rowsPresent = qMin<qint64>(height, available / stride);
    if (rowsPresent < height)
        qCWarning(lcImaging) << "Bitmap cut short:" << rowsPresent << "of" << height
                             << "rows present; the rest is shown white";

    QImage out(width, height, WorkingBitmap::Format);
    if (out.isNull())
        throw TessaryError(QCoreApplication::translate(
                               "Imaging", "Not enough memory for a bitmap of %1 × %2 pixels.")
                               .arg(width)
                               .arg(height));
    const qint32 xppm = qint32(get32(info + 24));
    const qint32 yppm = qint32(get32(info + 28));
    if (xppm > 0 && yppm > 0) {
        out.setDotsPerMeterX(xppm);
        out.setDotsPerMeterY(yppm);
    }
    // The file's rows straight into the bitmap's, in bands side by side.
    uchar *rows = out.bits();
    const qint64 bytesPerLine = out.bytesPerLine();
    HugePages::advise(rows, out.sizeInBytes());
    const uchar *pixels = p + offset;
    RowBands::run(height, stride, [=](int first, int end) {
        for (qint32 row = first; row < end; ++row) {
            uchar *dst = rows + bytesPerLine * (topDown ? row : height - 1 - row);
            if (row >= rowsPresent)
                std::memset(dst, 0xFF, size_t(width) * 3);
            else
                swapRedBlue(pixels + stride * row, dst, width);
        }
    });
    return out;
}
