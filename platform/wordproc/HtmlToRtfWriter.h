#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// HTML into RTF with our own writer: the HTML (the report export's, see ReportHtml)
// is cleaned into one document, its pictures (local files relative to the HTML's
// folder, or data: URIs) are embedded, it is laid into a QTextDocument and written
// by RtfWriter. Tables come out as \trowd/\cellx/\cell/\row tables, pictures as PNG
// or JPEG \pict groups, headings as outline-levelled bold paragraphs, with fonts,
// sizes, colours and alignment; a <BASEFONT> sets the document's default font.
class HtmlToRtfWriter
{
public:
    struct Options
    {
        int languageId = 1033; // \deflang
        int codePage = 1252;   // Windows code page declared as \ansicpg, used for \'hh fallbacks
    };

    // html: the HTML text; baseFolder: where relative picture paths start. Pictures read
    // are taken from and added to pictureCache when one is given.
    static QByteArray convert(const QString &html, const QString &baseFolder,
                              const Options &options,
                              QHash<QString, QByteArray> *pictureCache = nullptr);

    // The Windows code page an RTF file gets for HTML in the named character set
    // (case-insensitive): WINDOWS-125x is itself, Cyrillic sets (ISO-8859-5, KOI8-R)
    // are 1251, ISO-8859-2 is 1250, and everything else (ISO-8859-1, UTF-8, unknown) 1252.
    static int rtfCodePageOf(const QString &charsetName);
};
