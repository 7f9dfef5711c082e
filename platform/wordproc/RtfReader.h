#pragma once

#include <QByteArray>
#include <QStringList>

class QTextDocument;

// Reads RTF into a QTextDocument: Unicode and code pages, fonts, sizes, colours,
// character styles, paragraph alignment, indents and spacing, lists, tables with
// borders (nested ones too), PNG/JPEG/bitmap pictures and hyperlinks.
class RtfReader
{
public:
    // Fills doc from RTF bytes; unknown control words/destinations skipped; truncated or
    // unbalanced input loads what it can and adds a warning. Throws TessaryError only when
    // the bytes are not RTF at all.
    static void read(const QByteArray &rtf, QTextDocument *doc, QStringList *warnings = nullptr);

    // True when the bytes begin (after white space or a byte-order mark) with "{\rtf".
    static bool looksLikeRtf(const QByteArray &bytes);
};
