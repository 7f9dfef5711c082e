#include "platform/db/FieldCompression.h"

#include "platform/db/EngineError.h"

#include <limits>
#include <zlib.h>

namespace FieldCompression {

namespace {
constexpr int kChunk = 64 * 1024;

// The length that the first bytes of a field's content announce: a BMP file
// image carries its own size in bytes 2 to 5. 0 when they announce none.
qint64 announcedSize(const char *data, qint64 size)
{
    if (size < 6 || data[0] != 'B' || data[1] != 'M')
        return 0;
    const auto *p = reinterpret_cast<const uchar *>(data);
    return qint64(p[2]) | qint64(p[3]) << 8 | qint64(p[4]) << 16 | qint64(p[5]) << 24;
}

QString zlibMessage(const z_stream &zs, int rc)
{
    if (zs.msg)
        return QString::fromLatin1(zs.msg);
    return QCoreApplication::translate("Database", "zlib error %1").arg(rc);
}
} // namespace

QByteArray compress(const QByteArray &data, int level)
{
    if (data.isEmpty())
        return {};
    z_stream zs = {};
    int rc = deflateInit(&zs, qBound(1, level, 9));
    if (rc != Z_OK)
        throw EngineError(QCoreApplication::translate("Database", "Cannot compress a field: %1")
                              .arg(zlibMessage(zs, rc)));
    // The whole input is handed over at once, the output is taken in chunks; avail_in
    // is 32 bits wide, so very large inputs are fed in slices.
    const Bytef *in = reinterpret_cast<const Bytef *>(data.constData());
    qsizetype left = data.size();
    QByteArray out;
    char buffer[kChunk];
    do {
        const uInt slice = uInt(qMin<qsizetype>(left, 1 << 30));
        zs.next_in = const_cast<Bytef *>(in);
        zs.avail_in = slice;
        in += slice;
        left -= slice;
        const int flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
        do {
            zs.next_out = reinterpret_cast<Bytef *>(buffer);
            zs.avail_out = kChunk;
            rc = deflate(&zs, flush);
            if (rc == Z_STREAM_ERROR) {
                deflateEnd(&zs);
                throw EngineError(
                    QCoreApplication::translate("Database", "Cannot compress a field: %1")
                        .arg(zlibMessage(zs, rc)));
            }
            out.append(buffer, kChunk - int(zs.avail_out));
        } while (zs.avail_out == 0);
    } while (left > 0);
    deflateEnd(&zs);
    if (rc != Z_STREAM_END)
        throw EngineError(QCoreApplication::translate(
            "Database", "Cannot compress a field: the zlib stream is incomplete"));
    return out;
}

QByteArray decompress(const QByteArray &stream)
{
    if (stream.isEmpty())
        return {};
    z_stream zs = {};
    int rc = inflateInit(&zs);
    if (rc != Z_OK)
        throw EngineError(QCoreApplication::translate("Database", "Cannot start zlib: %1")
                              .arg(zlibMessage(zs, rc)));
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stream.constData()));
    zs.avail_in = uInt(stream.size());
    // zlib streams do not store the size of what they hold. The result is
    // inflated straight into one buffer: sized from the first bytes when they
    // say their length (a BMP file image, the stored form of pictures), else
    // from the compressed size and doubled whenever it fills up, so that a
    // picture of tens of megabytes is neither copied chunk by chunk nor
    // reallocated more than a few times.
    const qint64 maxSize = qint64(std::numeric_limits<int>::max()) - 64;
    QByteArray out;
    out.resize(int(qBound<qint64>(kChunk, qint64(stream.size()) * 4, maxSize)));
    qint64 produced = 0;
    bool sized = false;
    do {
        if (produced == out.size()) {
            if (out.size() >= maxSize) {
                rc = Z_MEM_ERROR;
                break;
            }
            out.resize(int(qMin<qint64>(maxSize, qint64(out.size()) * 2)));
        }
        const qint64 room = out.size() - produced;
        zs.next_out = reinterpret_cast<Bytef *>(out.data() + produced);
        zs.avail_out = uInt(qMin<qint64>(room, 1 << 30));
        const uInt offered = zs.avail_out;
        rc = inflate(&zs, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END)
            break;
        produced += offered - zs.avail_out;
        if (!sized && produced >= 6) {
            sized = true;
            const qint64 announced = announcedSize(out.constData(), produced);
            // A size that the stream cannot hold (deflate packs at most about
            // 1032 bytes into one) is not believed.
            if (announced > produced && announced <= maxSize &&
                announced <= qint64(stream.size()) * 1100 + 1024 && announced != out.size())
                out.resize(int(announced));
        }
    } while (rc == Z_OK);
    const bool trailing = rc == Z_STREAM_END && zs.avail_in != 0;
    const QString message = zs.msg ? QString::fromLatin1(zs.msg) : QString();
    inflateEnd(&zs);
    if (rc == Z_BUF_ERROR)
        throw EngineError(QCoreApplication::translate(
            "Database", "A compressed field is damaged: the zlib stream is truncated"));
    if (rc == Z_MEM_ERROR)
        throw EngineError(
            QCoreApplication::translate("Database", "A compressed field is too large to be read"));
    if (rc != Z_STREAM_END)
        throw EngineError(
            QCoreApplication::translate("Database", "A compressed field is damaged: %1")
                .arg(message.isEmpty()
                         ? QCoreApplication::translate("Database", "invalid zlib data")
                         : message));
    if (trailing)
        throw EngineError(QCoreApplication::translate(
            "Database", "A compressed field is damaged: bytes follow the zlib stream"));
    out.truncate(int(produced));
    // A buffer much larger than its content (a size guessed by doubling) gives
    // the rest back.
    if (out.capacity() - out.size() > qMax<qsizetype>(kChunk, out.size() / 4))
        out.squeeze();
    return out;
}

} // namespace FieldCompression
