#include "platform/db/FieldCompression.h"

#include "platform/HugePages.h"
#include "platform/db/EngineError.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <cstdint>
#include <libdeflate.h>
#include <limits>
#include <memory>
#include <zlib.h>

namespace FieldCompression {

namespace {
constexpr int kChunk = 64 * 1024;
// The largest field a QByteArray of this program holds.
constexpr qint64 kMaxSize = qint64(std::numeric_limits<int>::max()) - 64;

// The length that the first bytes of a field's content announce: a BMP file
// image carries its own size in bytes 2 to 5. 0 when they announce none.
qint64 announcedSize(const char *data, qint64 size)
{
    if (size < 6 || data[0] != 'B' || data[1] != 'M')
        return 0;
    const auto *p = reinterpret_cast<const uchar *>(data);
    return qint64(p[2]) | qint64(p[3]) << 8 | qint64(p[4]) << 16 | qint64(p[5]) << 24;
}

// A size the stream can hold: deflate packs at most about 1032 bytes into one,
// so a larger announcement is a damaged or lying header and is not believed.
bool believable(qint64 announced, qint64 streamSize)
{
    return announced > 0 && announced <= kMaxSize && announced <= streamSize * 1100 + 1024;
}

QString zlibMessage(const z_stream &zs, int rc)
{
    if (zs.msg)
        return QString::fromLatin1(zs.msg);
    return QCoreApplication::translate("Database", "zlib error %1").arg(rc);
}

struct CompressorFree
{
    void operator()(libdeflate_compressor *c) const { libdeflate_free_compressor(c); }
};
struct DecompressorFree
{
    void operator()(libdeflate_decompressor *d) const { libdeflate_free_decompressor(d); }
};

// One compressor per level and thread, made when first needed: a compressor
// of the higher levels holds about a megabyte of tables, too much to allocate
// for every small field. nullptr when memory is short.
libdeflate_compressor *compressorFor(int level)
{
    thread_local std::unique_ptr<libdeflate_compressor, CompressorFree> compressors[10];
    auto &c = compressors[level];
    if (!c)
        c.reset(libdeflate_alloc_compressor(level));
    return c.get();
}

libdeflate_decompressor *decompressor()
{
    thread_local std::unique_ptr<libdeflate_decompressor, DecompressorFree> d(
        libdeflate_alloc_decompressor());
    return d.get();
}

// The first bytes the stream inflates to, at most n of them (fewer when the
// stream is shorter or damaged: the full inflate reports that).
QByteArray inflatePrefix(const char *stream, qsizetype streamSize, int n)
{
    z_stream zs = {};
    if (inflateInit(&zs) != Z_OK)
        return {};
    QByteArray out(n, Qt::Uninitialized);
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stream));
    zs.avail_in = uInt(qMin<qint64>(streamSize, 1 << 30));
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = uInt(n);
    int rc = Z_OK;
    while (rc == Z_OK && zs.avail_out > 0)
        rc = inflate(&zs, Z_NO_FLUSH);
    out.truncate(n - int(zs.avail_out));
    inflateEnd(&zs);
    return out;
}

// A spare room larger than this behind a field's bytes is given back.
void dropSpareRoom(QByteArray &out)
{
    if (out.capacity() - out.size() > qMax<qsizetype>(kChunk, out.size() / 4))
        out.squeeze();
}

// Inflates a stream whose result is announced to be `size` bytes in one pass
// into a buffer of that size. Returns false (out left empty) when the stream
// holds more than that or is damaged, so that the streaming inflate can take
// it and name the damage; throws when bytes follow a complete stream.
bool inflateKnownSize(const char *stream, qsizetype streamSize, qint64 size, QByteArray &out)
{
    libdeflate_decompressor *d = decompressor();
    if (!d)
        return false;
    out = QByteArray(qsizetype(size), Qt::Uninitialized);
    HugePages::advise(out.data(), size);
    size_t consumed = 0;
    size_t produced = 0;
    const libdeflate_result rc = libdeflate_zlib_decompress_ex(
        d, stream, size_t(streamSize), out.data(), size_t(size), &consumed, &produced);
    if (rc != LIBDEFLATE_SUCCESS) {
        out = QByteArray();
        return false;
    }
    if (consumed != size_t(streamSize)) {
        out = QByteArray();
        throw EngineError(QCoreApplication::translate(
            "Database", "A compressed field is damaged: bytes follow the zlib stream"));
    }
    out.truncate(qsizetype(produced));
    dropSpareRoom(out);
    return true;
}

// Inflates a zlib stream of a length not known up front, straight into one
// buffer: sized from the first bytes when they say their length (a size that
// proved too small), else from the compressed size and doubled whenever it
// fills up, so that a large field is neither copied chunk by chunk nor
// reallocated more than a few times.
QByteArray inflateStreaming(const char *stream, qsizetype streamSize, qint64 announced)
{
    z_stream zs = {};
    int rc = inflateInit(&zs);
    if (rc != Z_OK)
        throw EngineError(QCoreApplication::translate("Database", "Cannot start zlib: %1")
                              .arg(zlibMessage(zs, rc)));
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stream));
    zs.avail_in = uInt(streamSize);
    QByteArray out;
    const qint64 first =
        announced > 0 ? qMin(kMaxSize, announced + announced / 2) : qint64(streamSize) * 4;
    out.resize(int(qBound<qint64>(kChunk, first, kMaxSize)));
    qint64 produced = 0;
    do {
        if (produced == out.size()) {
            if (out.size() >= kMaxSize) {
                rc = Z_MEM_ERROR;
                break;
            }
            out.resize(int(qMin<qint64>(kMaxSize, qint64(out.size()) * 2)));
        }
        const qint64 room = out.size() - produced;
        zs.next_out = reinterpret_cast<Bytef *>(out.data() + produced);
        zs.avail_out = uInt(qMin<qint64>(room, 1 << 30));
        const uInt offered = zs.avail_out;
        rc = inflate(&zs, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END)
            break;
        produced += offered - zs.avail_out;
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
    dropSpareRoom(out);
    return out;
}
} // namespace

QByteArray compress(const QByteArray &data, int level)
{
    if (data.isEmpty())
        return {};
    // libdeflate writes the same format as zlib (RFC 1950, the level class in
    // the header as zlib writes it) at the same levels, faster and a little
    // smaller; any zlib reads what it writes.
    libdeflate_compressor *c = compressorFor(qBound(1, level, 9));
    if (!c)
        throw EngineError(
            QCoreApplication::translate("Database", "Cannot compress a field: not enough memory"));
    const size_t bound = libdeflate_zlib_compress_bound(c, size_t(data.size()));
    if (bound > size_t(kMaxSize))
        throw EngineError(QCoreApplication::translate(
                              "Database", "Cannot compress a field of %1 bytes: it is too large")
                              .arg(data.size()));
    QByteArray out(qsizetype(bound), Qt::Uninitialized);
    HugePages::advise(out.data(), qint64(bound));
    const size_t written =
        libdeflate_zlib_compress(c, data.constData(), size_t(data.size()), out.data(), bound);
    if (written == 0)
        throw EngineError(QCoreApplication::translate(
            "Database", "Cannot compress a field: the zlib stream is incomplete"));
    out.truncate(qsizetype(written));
    dropSpareRoom(out);
    return out;
}

QByteArray decompress(const QByteArray &stream)
{
    return decompress(stream.constData(), stream.size());
}

QByteArray decompress(const char *stream, qsizetype size)
{
    if (!stream || size <= 0)
        return {};
    if (size > kMaxSize)
        throw EngineError(
            QCoreApplication::translate("Database", "A compressed field is too large to be read"));
    // zlib streams do not store the size of what they hold, but the stored
    // form of pictures (a BMP file image) says its own in its first bytes.
    // With the size known the stream is inflated in one pass into a buffer of
    // exactly that size, about twice as fast as zlib's streaming inflate and
    // without a spare copy.
    const QByteArray head = inflatePrefix(stream, size, 6);
    const qint64 announced = announcedSize(head.constData(), head.size());
    const bool known = believable(announced, size);
    if (known) {
        QByteArray out;
        if (inflateKnownSize(stream, size, announced, out))
            return out;
    }
    // Other content, a header that announces too little, or a damaged stream
    // (whose damage the streaming inflate names).
    return inflateStreaming(stream, size, known ? announced : 0);
}

} // namespace FieldCompression
