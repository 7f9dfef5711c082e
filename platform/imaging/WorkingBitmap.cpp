#include "platform/imaging/WorkingBitmap.h"

#include "platform/HugePages.h"
#include "platform/imaging/RowBands.h"

#include <QColorSpace>
#include <algorithm>
#include <vector>

namespace {

// A working bitmap of the picture's size and settings, its pixels not yet
// written (the caller fills every row).
QImage blankLike(const QImage &image)
{
    QImage out(image.size(), WorkingBitmap::Format);
    if (out.isNull())
        return out;
    out.setDotsPerMeterX(image.dotsPerMeterX());
    out.setDotsPerMeterY(image.dotsPerMeterY());
    out.setOffset(image.offset());
    out.setColorSpace(image.colorSpace());
    const QStringList keys = image.textKeys();
    for (const QString &key : keys)
        out.setText(key, image.text(key));
    HugePages::advise(out.bits(), out.sizeInBytes());
    return out;
}

// A 32-bit picture turned 24-bit by pixel(src, dst), which writes one pixel's
// three bytes; rows are converted in bands side by side.
template <typename PixelFn> QImage rowsToWorking(const QImage &image, PixelFn pixel)
{
    QImage out = blankLike(image);
    if (out.isNull())
        return out;
    const int w = image.width();
    const uchar *srcBits = image.constBits();
    const qint64 srcLine = image.bytesPerLine();
    uchar *dstBits = out.bits();
    const qint64 dstLine = out.bytesPerLine();
    RowBands::run(image.height(), qint64(w) * 4, [=](int first, int end) {
        for (int y = first; y < end; ++y) {
            const QRgb *src = reinterpret_cast<const QRgb *>(srcBits + srcLine * y);
            uchar *dst = dstBits + dstLine * y;
            for (int x = 0; x < w; ++x, dst += 3)
                pixel(src[x], dst);
        }
    });
    return out;
}

// 32-bit pixels without transparency (what the JPEG decoder gives) to 24 bits.
QImage opaqueToWorking(const QImage &image)
{
    return rowsToWorking(image, [](QRgb p, uchar *dst) {
        dst[0] = uchar(qRed(p));
        dst[1] = uchar(qGreen(p));
        dst[2] = uchar(qBlue(p));
    });
}

// Premultiplied ARGB over white: c + (255 - a) for each channel, exact in 8 bits.
QImage compositeOverWhite(QImage image)
{
    image = std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return rowsToWorking(image, [](QRgb p, uchar *dst) {
        const int rest = 255 - qAlpha(p);
        dst[0] = uchar(qRed(p) + rest);
        dst[1] = uchar(qGreen(p) + rest);
        dst[2] = uchar(qBlue(p) + rest);
    });
}

// For each source index, the first target cell it falls in and the share of
// its weight (in target-cell units, the whole being ratio) that goes there;
// the rest goes to the next cell.
void coverage(int sourceCount, int targetCount, std::vector<int> &cell, std::vector<float> &share)
{
    const double ratio = double(targetCount) / sourceCount;
    cell.resize(sourceCount);
    share.resize(sourceCount);
    for (int i = 0; i < sourceCount; ++i) {
        const double start = i * ratio;
        const double end = (i + 1) * ratio;
        int c = int(start);
        if (c >= targetCount)
            c = targetCount - 1;
        cell[i] = c;
        share[i] = float(end <= c + 1 ? ratio : (c + 1) - start);
    }
}

} // namespace

QImage WorkingBitmap::fromImage(QImage image)
{
    if (image.isNull())
        return QImage();
    image.setDevicePixelRatio(1.0);
    if (image.format() == Format)
        return image;
    if (image.hasAlphaChannel())
        return compositeOverWhite(std::move(image));
    if (image.format() == QImage::Format_RGB32)
        return opaqueToWorking(image);
    return std::move(image).convertToFormat(Format);
}

QImage WorkingBitmap::scaledDown(const QImage &bitmap, const QSize &size)
{
    if (bitmap.isNull() || size.isEmpty())
        return QImage();
    const int sw = bitmap.width();
    const int sh = bitmap.height();
    const int dw = size.width();
    const int dh = size.height();
    if (dw > sw || dh > sh || bitmap.format() != Format)
        return bitmap.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);

    std::vector<int> cx, cy;
    std::vector<float> wx, wy;
    coverage(sw, dw, cx, wx);
    coverage(sh, dh, cy, wy);
    const float fx = float(double(dw) / sw);
    const float fy = float(double(dh) / sh);

    QImage out(dw, dh, QImage::Format_RGB32);
    if (out.isNull())
        return out;
    uchar *outBits = out.bits();
    const qint64 outLine = out.bytesPerLine();
    const uchar *srcBits = bitmap.constBits();
    const qint64 srcLine = bitmap.bytesPerLine();

    // Target rows [t0, t1): the source rows that fall in them, and the one
    // before whose remaining share reaches t0. Every target row gets at least
    // one source row of its own, since the bitmap is reduced. The sums are
    // taken in the same order whatever the bands, so the result does not
    // depend on how many there are.
    auto band = [&](int t0, int t1) {
        std::vector<float> row(size_t(dw) * 3);
        std::vector<float> acc(size_t(dw) * 3, 0.f);
        std::vector<float> next(size_t(dw) * 3, 0.f);
        auto sourceRow = [&](int y) {
            std::fill(row.begin(), row.end(), 0.f);
            const uchar *src = srcBits + srcLine * y;
            for (int x = 0; x < sw; ++x, src += 3) {
                const size_t c = size_t(cx[x]) * 3;
                const float w = wx[x];
                row[c] += w * src[0];
                row[c + 1] += w * src[1];
                row[c + 2] += w * src[2];
                const float rest = fx - w;
                if (rest > 1e-6f && cx[x] + 1 < dw) {
                    row[c + 3] += rest * src[0];
                    row[c + 4] += rest * src[1];
                    row[c + 5] += rest * src[2];
                }
            }
        };
        auto flush = [&](int y) {
            QRgb *line = reinterpret_cast<QRgb *>(outBits + outLine * y);
            for (int x = 0; x < dw; ++x) {
                const float *a = &acc[size_t(x) * 3];
                line[x] = qRgb(qBound(0, int(a[0] + 0.5f), 255), qBound(0, int(a[1] + 0.5f), 255),
                               qBound(0, int(a[2] + 0.5f), 255));
            }
        };
        int y = int(std::lower_bound(cy.begin(), cy.end(), t0 - 1) - cy.begin());
        if (t0 > 0 && y < sh && cy[y] == t0 - 1) {
            // The row before the band: the end of the last one that spills over.
            while (y + 1 < sh && cy[y + 1] == t0 - 1)
                ++y;
            const float rest = fy - wy[y];
            if (rest > 1e-6f) {
                sourceRow(y);
                for (size_t i = 0; i < row.size(); ++i)
                    acc[i] += rest * row[i];
            }
            ++y;
        }
        int target = t0;
        for (; y < sh && cy[y] < t1; ++y) {
            while (cy[y] > target) {
                flush(target);
                acc.swap(next);
                std::fill(next.begin(), next.end(), 0.f);
                ++target;
            }
            sourceRow(y);
            const float w = wy[y];
            const float rest = fy - w;
            for (size_t i = 0; i < row.size(); ++i)
                acc[i] += w * row[i];
            if (rest > 1e-6f && target + 1 < dh) {
                for (size_t i = 0; i < row.size(); ++i)
                    next[i] += rest * row[i];
            }
        }
        flush(target);
    };
    // Bands of target rows, by the source bytes they read.
    RowBands::run(dh, srcLine * sh / dh, band);
    return out;
}
