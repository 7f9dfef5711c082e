#pragma once

#include "platform/convert/HtmlToRtf.h"

#include <QByteArray>

#include <memory>

// The HTML-to-RTF converter as the word-processor export calls it: two entry points,
// htmltortf_file (HTML file path, RTF file path, option block by value; returns a
// result code) and flushlist (releases what the conversions kept). Export goes through
// this object so that the call order can be checked and the converter replaced.
class HtmlRtfLibrary
{
public:
    virtual ~HtmlRtfLibrary() = default;
    // Result codes: 0 the RTF file was written; 2 out of memory; 3 the HTML file cannot
    // be read; 4 the RTF file cannot be created or written; 5 it came out empty; 1 other.
    virtual int htmltortf_file(const QByteArray &htmlPath, const QByteArray &rtfPath,
                               HtmlToRtfOptions options) = 0;
    virtual int flushlist() = 0;
};

// Our own converter (HtmlToRtfWriter): the option block's code page index says how the
// HTML's bytes are decoded (1..13: that character set; 0 or -1: by byte-order mark, else
// UTF-8 when valid, else Windows-1252) and which ANSI code page the RTF declares;
// languageId is the RTF's default language. Pictures read are kept until flushlist.
std::unique_ptr<HtmlRtfLibrary> makeOwnHtmlRtfLibrary();
