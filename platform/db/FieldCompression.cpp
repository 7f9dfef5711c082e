#include "platform/db/FieldCompression.h"

#include "platform/db/EngineError.h"

#include <zlib.h>

namespace FieldCompression {

QByteArray compress(const QByteArray &data, int level)
{
    if (data.isEmpty())
        return {};
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(int(size), Qt::Uninitialized);
    const int rc = compress2(reinterpret_cast<Bytef *>(out.data()), &size,
                             reinterpret_cast<const Bytef *>(data.constData()), uLong(data.size()),
                             qBound(1, level, 9));
    if (rc != Z_OK)
        throw EngineError(QStringLiteral("Cannot compress a field (zlib error %1)").arg(rc));
    out.resize(int(size));
    return out;
}

QByteArray decompress(const QByteArray &stream)
{
    if (stream.isEmpty())
        return {};
    z_stream zs = {};
    if (inflateInit(&zs) != Z_OK)
        throw EngineError(QStringLiteral("Cannot start zlib"));
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stream.constData()));
    zs.avail_in = uInt(stream.size());
    QByteArray out;
    char buffer[65536];
    int rc = Z_OK;
    while (rc == Z_OK) {
        zs.next_out = reinterpret_cast<Bytef *>(buffer);
        zs.avail_out = sizeof buffer;
        rc = inflate(&zs, Z_NO_FLUSH);
        if (rc == Z_OK || rc == Z_STREAM_END)
            out.append(buffer, int(sizeof buffer - zs.avail_out));
        if (rc == Z_BUF_ERROR && zs.avail_in == 0)
            break; // the input ended before the stream did
    }
    const bool trailing = zs.avail_in != 0;
    const QString message = zs.msg ? QString::fromLatin1(zs.msg) : QString();
    inflateEnd(&zs);
    if (rc != Z_STREAM_END)
        throw EngineError(QStringLiteral("A compressed field is damaged: %1")
                              .arg(rc == Z_BUF_ERROR
                                       ? QStringLiteral("the zlib stream is truncated")
                                   : message.isEmpty() ? QStringLiteral("invalid zlib data")
                                                       : message));
    if (trailing)
        throw EngineError(
            QStringLiteral("A compressed field is damaged: bytes follow the zlib stream"));
    return out;
}

} // namespace FieldCompression
