#pragma once

#include <QByteArray>
#include <QStringList>

class QTextDocument;

// The stored form of a document page: self-contained HTML in UTF-8 with pictures as
// data: URIs. A host may also store RTF or plain text; the loader tells them apart.
namespace DocumentForm {

enum class Kind
{
    Html,
    Rtf,
    PlainText
};

// RTF when the bytes begin with "{\rtf"; HTML when they begin with a tag; else plain text
// (white space and a byte-order mark in front are skipped).
Kind detect(const QByteArray &bytes);

// Self-contained HTML (UTF-8, pictures as data: URIs) that round-trips what QTextDocument holds.
QByteArray save(const QTextDocument *doc);

// Loads any of the three kinds; throws TessaryError with a clear message on a malformed stream.
void load(const QByteArray &bytes, QTextDocument *doc, QStringList *warnings = nullptr);

// Text of HTML or plain-text bytes: UTF-8 or UTF-16 by byte-order mark, UTF-8 when the
// bytes are valid UTF-8, else Windows-1252.
QString decodeText(const QByteArray &bytes);

} // namespace DocumentForm
