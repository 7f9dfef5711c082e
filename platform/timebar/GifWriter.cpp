#include "platform/timebar/GifWriter.h"

#include "platform/TessaryError.h"

#include <QFile>
#include <QHash>
#include <algorithm>
#include <gif_lib.h>

namespace {

// A box of the 15-bit colour cube for the median cut.
struct Box
{
    QVector<int> cells; // histogram cells (5 bits per channel) inside the box
    qint64 pixels = 0;
};

inline int cellOf(QRgb c)
{
    return ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3);
}

inline int channel(int cell, int ch)
{
    return (cell >> (10 - 5 * ch)) & 31;
}

// Splits the box with the widest channel range at the pixel median.
bool split(Box &box, Box &other, const QVector<qint64> &hist)
{
    if (box.cells.size() < 2)
        return false;
    int lo[3] = {31, 31, 31}, hi[3] = {0, 0, 0};
    for (int cell : box.cells)
        for (int ch = 0; ch < 3; ++ch) {
            lo[ch] = qMin(lo[ch], channel(cell, ch));
            hi[ch] = qMax(hi[ch], channel(cell, ch));
        }
    int ch = 0;
    for (int k = 1; k < 3; ++k)
        if (hi[k] - lo[k] > hi[ch] - lo[ch])
            ch = k;
    std::sort(box.cells.begin(), box.cells.end(),
              [ch](int a, int b) { return channel(a, ch) < channel(b, ch); });
    qint64 half = box.pixels / 2, seen = 0;
    int cut = 1;
    for (int i = 0; i < box.cells.size() - 1; ++i) {
        seen += hist[box.cells[i]];
        cut = i + 1;
        if (seen >= half)
            break;
    }
    other.cells = box.cells.mid(cut);
    box.cells.resize(cut);
    box.pixels = 0;
    other.pixels = 0;
    for (int c : box.cells)
        box.pixels += hist[c];
    for (int c : other.cells)
        other.pixels += hist[c];
    return true;
}

} // namespace

QVector<QRgb> GifWriter::Palette(const QImage &source, QByteArray *indexes)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    indexes->resize(qsizetype(w) * h);

    // Exact colours when there are few of them.
    QHash<QRgb, int> exact;
    for (int y = 0; y < h && exact.size() <= 256; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            if (!exact.contains(c)) {
                if (exact.size() == 256) {
                    exact.insert(c, -1);
                    break;
                }
                exact.insert(c, int(exact.size()));
            }
        }
    }
    if (exact.size() <= 256) {
        QVector<QRgb> palette(exact.size());
        for (auto it = exact.cbegin(); it != exact.cend(); ++it)
            palette[it.value()] = it.key();
        for (int y = 0; y < h; ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < w; ++x)
                (*indexes)[qsizetype(y) * w + x] = char(exact.value(line[x] | 0xFF000000u));
        }
        return palette;
    }

    // Median cut over the 15-bit histogram.
    QVector<qint64> hist(32768, 0);
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            ++hist[cellOf(line[x])];
    }
    QVector<Box> boxes(1);
    for (int c = 0; c < 32768; ++c)
        if (hist[c]) {
            boxes[0].cells.append(c);
            boxes[0].pixels += hist[c];
        }
    while (boxes.size() < 256) {
        int best = -1;
        for (int i = 0; i < boxes.size(); ++i)
            if (boxes[i].cells.size() > 1 && (best < 0 || boxes[i].pixels > boxes[best].pixels))
                best = i;
        if (best < 0)
            break;
        Box other;
        if (!split(boxes[best], other, hist))
            break;
        boxes.append(other);
    }
    QVector<QRgb> palette;
    QVector<int> cellIndex(32768, 0);
    for (int i = 0; i < boxes.size(); ++i) {
        qint64 r = 0, g = 0, b = 0, n = 0;
        for (int c : boxes[i].cells) {
            const qint64 k = hist[c];
            r += (channel(c, 0) * 8 + 4) * k;
            g += (channel(c, 1) * 8 + 4) * k;
            b += (channel(c, 2) * 8 + 4) * k;
            n += k;
            cellIndex[c] = i;
        }
        n = qMax<qint64>(1, n);
        palette.append(qRgb(int(r / n), int(g / n), int(b / n)));
    }
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            (*indexes)[qsizetype(y) * w + x] = char(cellIndex[cellOf(line[x])]);
    }
    return palette;
}

void GifWriter::Write(const QImage &image, const QString &fileName)
{
    if (image.isNull())
        throw TessaryError(QStringLiteral("There is no picture to write to %1.").arg(fileName));
    QByteArray indexes;
    const QVector<QRgb> palette = Palette(image, &indexes);

    // giflib wants a power-of-two colour map.
    int mapSize = 2;
    while (mapSize < palette.size())
        mapSize *= 2;
    QVector<GifColorType> colors(mapSize);
    for (int i = 0; i < mapSize; ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        colors[i].Red = GifByteType(qRed(c));
        colors[i].Green = GifByteType(qGreen(c));
        colors[i].Blue = GifByteType(qBlue(c));
    }

    int error = 0;
    const QByteArray path = QFile::encodeName(fileName);
    GifFileType *gif = EGifOpenFileName(path.constData(), false, &error);
    if (!gif)
        throw TessaryError(QStringLiteral("Cannot write the picture file %1: %2")
                               .arg(fileName, QString::fromLatin1(GifErrorString(error))));
    ColorMapObject *map = GifMakeMapObject(mapSize, colors.data());
    bool ok =
        map && EGifPutScreenDesc(gif, image.width(), image.height(), 8, 0, map) != GIF_ERROR &&
        EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) != GIF_ERROR;
    for (int y = 0; ok && y < image.height(); ++y)
        ok = EGifPutLine(
                 gif,
                 reinterpret_cast<GifPixelType *>(indexes.data() + qsizetype(y) * image.width()),
                 image.width()) != GIF_ERROR;
    const int lastError = gif->Error;
    GifFreeMapObject(map);
    int closeError = 0;
    const bool closed = EGifCloseFile(gif, &closeError) != GIF_ERROR;
    if (!ok || !closed)
        throw TessaryError(
            QStringLiteral("Cannot write the picture file %1: %2")
                .arg(fileName, QString::fromLatin1(GifErrorString(ok ? closeError : lastError))));
}
