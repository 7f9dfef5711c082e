#pragma once

#include <QByteArray>

// zlib streams (RFC 1950) for the compressed fields of a report.
namespace FieldCompression {
// Compresses data at level 1..9; an empty input gives an empty result.
QByteArray compress(const QByteArray &data, int level);
// Inflates a zlib stream of any length; an empty input gives an empty result.
// Throws EngineError when the bytes are not a complete, valid zlib stream.
QByteArray decompress(const QByteArray &stream);
} // namespace FieldCompression
