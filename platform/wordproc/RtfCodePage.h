#pragma once

#include <QString>

#include <memory>
#include <unordered_map>

class QStringDecoder;

// Turns the 8-bit text of an RTF file into Unicode by Windows code page number
// (\ansicpg, or the code page implied by a font's \fcharset). Windows-1252 and
// plain ASCII take a fast path; other code pages go through Qt's converters,
// which are created once per code page and kept.
class RtfCodePage
{
public:
    RtfCodePage();
    ~RtfCodePage();
    RtfCodePage(const RtfCodePage &) = delete;
    RtfCodePage &operator=(const RtfCodePage &) = delete;

    // Unknown or unsupported code pages decode as Windows-1252.
    QString decode(const char *bytes, int length, int codePage);

    // The code page of a font's \fcharset value, 0 when the charset says nothing
    // (ANSI default, symbol fonts): the document's code page applies then.
    static int codePageOfCharset(int charset);
    // True when Unicode text can be represented in the code page byte for byte.
    static bool isSingleByte(int codePage);

private:
    QStringDecoder *decoderFor(int codePage);
    std::unordered_map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};
