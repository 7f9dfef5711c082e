#include "platform/imaging/GifWriter.h"

#include "platform/TessaryError.h"
#include "platform/imaging/MedianCut.h"
#include "platform/imaging/WorkingBitmap.h"

#include <QHash>
#include <gif_lib.h>
#include <vector>

namespace {

int appendToBuffer(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

TessaryError gifError(int code)
{
    const char *text = GifErrorString(code);
    return TessaryError(QCoreApplication::translate("Imaging", "The GIF encoder failed: %1")
                            .arg(text ? QString::fromLatin1(text) : QString::number(code)));
}

// Fills indices and palette with the picture's own colours; false when it has
// more than 256.
bool exactPalette(const QImage &bitmap, std::vector<GifByteType> &indices,
                  std::vector<GifColorType> &palette, int &count)
{
    QHash<quint32, int> index;
    const int w = bitmap.width();
    const int h = bitmap.height();
    quint32 last = 0xFFFFFFFFu;
    int lastIndex = 0;
    count = 0;
    for (int y = 0; y < h; ++y) {
        const uchar *p = bitmap.constScanLine(y);
        GifByteType *out = indices.data() + size_t(y) * w;
        for (int x = 0; x < w; ++x, p += 3) {
            const quint32 key = (quint32(p[0]) << 16) | (quint32(p[1]) << 8) | p[2];
            if (key != last) {
                auto it = index.constFind(key);
                if (it == index.constEnd()) {
                    if (count == 256)
                        return false;
                    palette[count] = GifColorType{p[0], p[1], p[2]};
                    it = index.insert(key, count++);
                }
                last = key;
                lastIndex = it.value();
            }
            out[x] = GifByteType(lastIndex);
        }
    }
    return true;
}

void quantize(const QImage &bitmap, std::vector<GifByteType> &indices,
              std::vector<GifColorType> &palette, int &count)
{
    QVector<QRgb> colours;
    MedianCut::quantize(bitmap, 256, indices, colours);
    count = int(colours.size());
    for (int i = 0; i < count; ++i)
        palette[i] = GifColorType{uchar(qRed(colours[i])), uchar(qGreen(colours[i])),
                                  uchar(qBlue(colours[i]))};
}

} // namespace

QByteArray GifWriter::encode(const QImage &picture)
{
    if (picture.isNull())
        throw TessaryError(
            QCoreApplication::translate("Imaging", "There is no picture to write as GIF."));
    const QImage bitmap =
        picture.format() == WorkingBitmap::Format ? picture : WorkingBitmap::fromImage(picture);
    const int w = bitmap.width();
    const int h = bitmap.height();
    if (w > 65535 || h > 65535)
        throw TessaryError(
            QCoreApplication::translate(
                "Imaging", "A GIF picture can be at most 65535 pixels wide and high (this one is "
                           "%1 × %2).")
                .arg(w)
                .arg(h));

    std::vector<GifByteType> indices(size_t(w) * h);
    std::vector<GifColorType> palette(256, GifColorType{0, 0, 0});
    int count = 0;
    if (!exactPalette(bitmap, indices, palette, count))
        quantize(bitmap, indices, palette, count);

    int bits = 1;
    while ((1 << bits) < count)
        ++bits;
    ColorMapObject *map = GifMakeMapObject(1 << bits, palette.data());
    if (!map)
        throw TessaryError(
            QCoreApplication::translate("Imaging", "The GIF encoder is out of memory."));

    QByteArray out;
    int error = 0;
    GifFileType *gif = EGifOpen(&out, appendToBuffer, &error);
    if (!gif) {
        GifFreeMapObject(map);
        throw gifError(error);
    }
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, w, h, bits, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < h; ++y)
        ok = EGifPutLine(gif, indices.data() + size_t(y) * w, w) == GIF_OK;
    const int lineError = gif->Error;
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK && ok)
        throw gifError(error);
    if (!ok)
        throw gifError(lineError);
    return out;
}
