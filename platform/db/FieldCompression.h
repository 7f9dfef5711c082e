#pragma once

#include <QByteArray>

// zlib streams (RFC 1950) for the compressed fields of a report. Written and,
// when the content announces its size (a BMP file image), read with libdeflate;
// other streams are read with zlib. Any zlib reader reads what compress writes.
namespace FieldCompression {
// Compresses data at level 1..9; an empty input gives an empty result.
QByteArray compress(const QByteArray &data, int level);
// Inflates a zlib stream of any length; an empty input gives an empty result.
// Throws EngineError when the bytes are not a complete, valid zlib stream
// (also when bytes follow it).
QByteArray decompress(const QByteArray &stream);
// The same for a stream held elsewhere (an engine's own buffer of a column),
// which saves copying the compressed bytes first.
QByteArray decompress(const char *stream, qsizetype size);
} // namespace FieldCompression
