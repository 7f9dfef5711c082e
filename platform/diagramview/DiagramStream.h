#pragma once

#include "platform/TessaryError.h"
#include "platform/diagramview/DiagramDocument.h"

#include <QByteArray>

// A diagram stream that cannot be read; the message says why.
class DiagramStreamError : public TessaryError
{
public:
    using TessaryError::TessaryError;
};

// The stored form of a whole diagram: UTF-8 JSON
// {"format":"tessary-diagram","version":1,"zoom":..,"page":{..},"blocks":[..],"links":[..]}.
// Reading is strict about what would make a wrong diagram (not JSON, another
// format, a newer version, a negative or absurd size, a link to a block that is
// not there) and lenient about the rest (unknown keys, missing optional values
// and unknown shape or style names take their defaults).
class DiagramStream
{
public:
    static constexpr int Version = 1;
    // Largest width, height or coordinate accepted, in diagram units.
    static constexpr double MaxExtent = 1.0e6;

    static QByteArray write(const DiagramDocument &doc);
    // Throws DiagramStreamError.
    static DiagramDocument read(const QByteArray &bytes);
    // True when bytes are a JSON object whose "format" is the diagram's; used to
    // tell a diagram file from other JSON files.
    static bool isDiagramStream(const QByteArray &bytes);
    static QString formatName() { return QStringLiteral("tessary-diagram"); }
};
