#include "platform/db/FieldCompression.h"

#include "platform/db/EngineError.h"

#include <zlib.h>

namespace FieldCompression {

namespace {
constexpr int kChunk = 64 * 1024;

QString zlibMessage(const z_stream &zs, int rc)
{
    if (zs.msg)
        return QString::fromLatin1(zs.msg);
    return QStringLiteral("zlib error %1").arg(rc);
}
} // namespace

QByteArray compress(const QByteArray &data, int level)
{
    if (data.isEmpty())
        return {};
    z_stream zs = {};
    int rc = deflateInit(&zs, qBound(1, level, 9));
    if (rc != Z_OK)
        throw EngineError(QStringLiteral("Cannot compress a field: %1").arg(zlibMessage(zs, rc)));
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
                    QStringLiteral("Cannot compress a field: %1").arg(zlibMessage(zs, rc)));
            }
            out.append(buffer, kChunk - int(zs.avail_out));
        } while (zs.avail_out == 0);
    } while (left > 0);
    deflateEnd(&zs);
    if (rc != Z_STREAM_END)
        throw EngineError(QStringLiteral("Cannot compress a field: the zlib stream is incomplete"));
    return out;
}

QByteArray decompress(const QByteArray &stream)
{
    if (stream.isEmpty())
        return {};
    z_stream zs = {};
    int rc = inflateInit(&zs);
    if (rc != Z_OK)
        throw EngineError(QStringLiteral("Cannot start zlib: %1").arg(zlibMessage(zs, rc)));
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stream.constData()));
    zs.avail_in = uInt(stream.size());
    QByteArray out;
    char buffer[kChunk];
    // The size of the result is not stored anywhere: inflate chunk by chunk until
    // the stream says it ended, or zlib finds it damaged, or the input runs out.
    do {
        zs.next_out = reinterpret_cast<Bytef *>(buffer);
        zs.avail_out = kChunk;
        rc = inflate(&zs, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END)
            break;
        out.append(buffer, kChunk - int(zs.avail_out));
    } while (rc == Z_OK);
    const bool trailing = rc == Z_STREAM_END && zs.avail_in != 0;
    const QString message = zs.msg ? QString::fromLatin1(zs.msg) : QString();
    inflateEnd(&zs);
    if (rc == Z_BUF_ERROR)
        throw EngineError(
            QStringLiteral("A compressed field is damaged: the zlib stream is truncated"));
    if (rc != Z_STREAM_END)
        throw EngineError(
            QStringLiteral("A compressed field is damaged: %1")
                .arg(message.isEmpty() ? QStringLiteral("invalid zlib data") : message));
    if (trailing)
        throw EngineError(
            QStringLiteral("A compressed field is damaged: bytes follow the zlib stream"));
    return out;
}

} // namespace FieldCompression
