#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

// The HTML-to-RTF converter behind word-processor export, with the converter's entry
// points and its option block. The conversion itself is HTML -> QTextDocument ->
// RtfWriter; pictures referenced by the HTML as local files are embedded.

// The option block, 1072 bytes of little-endian 32-bit words with three text fields,
// passed by value. The words that the conversion reads: languageId (written as the
// document's default language), codePageIndex (how the HTML file's bytes are decoded:
// 1..13 the code page of that position in HtmlToRtf::codePageNames(), 0 or -1 UTF-8 when
// the bytes are valid UTF-8, else Windows-1252) and docTarget/rtfTarget (informational:
// both targets receive RTF content).
struct HtmlToRtfOptions
{
    std::int32_t switches[10];  // 0..36: 1 each
    std::int32_t measures[4];   // 40..52: 10 each
    std::int32_t word56;        // 1
    std::int32_t word60;        // 0
    std::int32_t word64;        // 0
    std::int32_t word68;        // 0
    std::int32_t word72;        // 10
    std::int32_t word76;        // 0
    std::int32_t languageId;    // 80: 1033
    std::int32_t codePageIndex; // 84
    std::int32_t docTarget;     // 88: 2 when the target is a ".DOC" file, else 0
    std::int32_t word92;        // 1
    std::int32_t rtfTarget;     // 96: 0 when the target is a ".DOC" file, else 1
    std::int32_t word100;       // 0
    char text1[150];            // 104
    char text2[150];            // 254
    char text3[650];            // 404
    char reserved[2];           // 1054
    std::int32_t word1056;      // 5
    std::int32_t word1060;      // 2
    std::int32_t word1064;      // 1
    std::int32_t word1068;      // 0
};
static_assert(sizeof(HtmlToRtfOptions) == 1072, "the option block is 1072 bytes");

namespace HtmlToRtf {

// The option block with its fixed values, text fields empty, code page index 0.
HtmlToRtfOptions defaultOptions();
// Sets docTarget and rtfTarget from the target file name (".DOC" in any case).
void setTarget(HtmlToRtfOptions &options, const QString &targetPath);
// The block as bytes, little-endian, exactly as laid out above.
QByteArray toBytes(const HtmlToRtfOptions &options);

// "ISO-8859-1", "ISO-8859-5", ... "WINDOWS-1258": the code page index is a 1-based position.
const QStringList &codePageNames();
// The code page index declared by an HTML text: 1..13 for a known name, -1 for an
// unknown one, 0 when there is no declaration.
int detectCodePage(const QString &html);
int detectCodePageOfFile(const QString &htmlPath);

// The message of a result code: empty for 0, "Not enough memory" (2), "Can't create HTML
// file" (3), "Can't open RTF file" (4), "RTF file has zero length" (5), else "Unknown Error".
QString resultMessage(int code);

} // namespace HtmlToRtf
