#pragma once

#include <QColor>
#include <QString>

// The HTML that report export writes is a concatenation of parts: its own lines
// (<HTML><HEAD><BASEFONT ...>, <P>&nbsp;</P>, <H3><CENTER>title</CENTER></H3>,
// <CENTER><IMG SRC=".../CHART3.JPG"/></CENTER>), whole HTML documents of the word
// processor and the grid (each with its doctype, head and body), and stray closing
// tags. Browsers read that; converters do better with one plain document, which is
// what these functions make of it.
namespace ReportHtml {

// The default font that a <BASEFONT> declares (face, size 1..7, colour).
struct BaseFont
{
    QString family;
    double pointSize = 0; // 0: not declared
    QColor colour;        // invalid: not declared
};

struct Cleaned
{
    QString html; // one <html><head><meta charset="utf-8"></head><body>...</body></html>
    BaseFont baseFont;
};

// One document: doctypes, heads (with their titles and styles), <html>, <meta>,
// <title>, <script> and <BASEFONT> are dropped (the first BASEFONT is returned);
// a <body> with attributes becomes a <div> with them up to its </body>; other
// <body> and </body> tags are dropped; a heading whose whole content is centred
// (<H3><CENTER>t</CENTER></H3>) becomes a centred heading. Tag names keep their
// case. Never fails: text that is not a tag is kept as text.
Cleaned clean(const QString &html);

// The point size of an HTML font size 1..7 (3 is 12 points); 0 outside that range.
double pointSizeOfHtmlSize(int size);

// Cleaned HTML prepared for pandoc's HTML reader: character styles that the word
// processor writes as CSS on <span> become <strong>, <em>, <u>, <del>, <sub>,
// <sup> elements; the empty "<P>&nbsp;</P>" separators are dropped (headings carry
// their own spacing); pictures whose bytes are not PNG or JPEG, or whose file
// extension does not say what they are (a picture page saved as ".BMP"), are
// inlined as PNG data: URIs so that the document holds a picture every reader shows.
// Relative picture paths are taken from baseFolder.
QString forPandoc(const QString &cleanedHtml, const QString &baseFolder);

// Character styles written as CSS on <span> (bold, italic, underline, strike-out,
// subscript, superscript) as the elements pandoc reads: <strong>, <em>, <u>, <del>,
// <sub>, <sup>. Spans with none of these stay as they are.
QString spanStylesAsElements(const QString &html);

} // namespace ReportHtml
