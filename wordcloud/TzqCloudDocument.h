#pragma once

#include "platform/TessaryError.h"
#include "wordcloud/TzqRect.h"
#include "wordcloud/TzqTypes.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

class QIODevice;
class TzqCloudEngine;

// A word-cloud document that cannot be read: not well-formed XML, no
// WordCloud root or Words element, or a value that is not a number or lies
// outside its range. The message names the element, the value and the line.
class TzqDocumentError : public TessaryError
{
public:
    using TessaryError::TessaryError;
};

// The stored XML document of a word cloud, read into memory. Reading has no
// effect on any cloud, so a malformed document leaves the shown page as it
// was; Apply then replaces a cloud's words and options at once.
//
// Reading is lenient where the format allows it (options that are absent are
// left as they are, a box that is not four items gives an empty box,
// non-numeric box items take defaults) and strict where a value cannot be
// used (a non-numeric or out-of-range number is an error).
class TzqCloudDocument
{
public:
    // Limits of the values a reader accepts.
    static constexpr int MaxCoordinate = 100000; // box edges, in pixels, either sign
    static constexpr int MaxFontSize = 4096;     // font sizes, in points
    static constexpr int MaxCharset = 255;
    static constexpr int MaxFontStyle = 15; // bold 1, italic 2, underline 4, strike-out 8

    // The writer: the readable layout (one element per line, a tab per level).
    static void Write(const TzqCloudEngine &cloud, QIODevice &device);
    static QByteArray Write(const TzqCloudEngine &cloud);

    // The reader. Throws TzqDocumentError on a malformed document. A document
    // whose version is not "1.0" is read as such (VersionSupported false) and
    // nothing else of it is taken.
    static TzqCloudDocument Read(QIODevice &device);
    static TzqCloudDocument Read(const QByteArray &bytes);

    // Replaces the cloud's words and options by the document's; fits the
    // stored arrangement to the cloud's current size. True when at least one
    // word was loaded. A document of another version empties the cloud.
    bool Apply(TzqCloudEngine &cloud) const;

    // What was read.
    struct FontSpec
    {
        QString Name;
        int Charset = 0;
        TColor Color = 0;
        int Size = 0;
        int Style = 0;
    };
    // Four box items; an item that is not a number is empty and takes a default.
    using BoxItems = std::array<std::optional<int>, 4>;
    struct WordSpec
    {
        QString Text;
        std::optional<TColor> TextColor;
        int Weight = 0;
        std::optional<int> FontSize;
        std::optional<BoxItems> StartingBounds; // absent unless exactly four items
    };

    QString Version;
    bool VersionSupported = false;
    std::optional<TColor> BackgroundColor;
    std::optional<double> Coverage;
    std::optional<bool> Shadow;
    std::optional<int> Palette;
    bool HasGradient = false;
    std::optional<TColor> StartColor, MiddleColor, EndColor;
    std::optional<FontSpec> Font;
    std::optional<BoxItems> StartingBounds;
    QVector<WordSpec> Words;
};
