// Any bytes stored as a picture page either give a 24-bit picture or a
// TessaryError; a picture read stores and reads back the same.
#include "platform/TessaryError.h"
#include "platform/imaging/Bmp24.h"
#include "platform/imaging/PictureReader.h"

#include <QImageReader>
#include <QtEndian>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool limited = [] {
        PictureReader::readBytes(QByteArray()); // lets the reader set its own limit first
        QImageReader::setAllocationLimit(64);   // then keep the fuzzer's memory small
        return true;
    }();
    Q_UNUSED(limited);
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    // Bitmaps that claim more than 16 megapixels are refused by the fuzzer itself,
    // not by the decoder, to stay inside libFuzzer's memory limit.
    if (size >= 26 && Bmp24::isBmp(bytes)) {
        const qint64 w = qFromLittleEndian<qint32>(data + 18);
        const qint64 h = qAbs(qint64(qFromLittleEndian<qint32>(data + 22)));
        if (w * h > 16 * 1024 * 1024)
            return 0;
    }
    try {
        const QImage image = PictureReader::readBytes(bytes);
        if (image.isNull())
            return 0;
        if (image.format() != QImage::Format_RGB888)
            __builtin_trap();
        if (Bmp24::decode(Bmp24::encode(image)) != image)
            __builtin_trap();
    } catch (const TessaryError &) {
    }
    return 0;
}
