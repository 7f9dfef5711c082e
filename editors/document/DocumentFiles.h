#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

class QTextDocument;
class WPView;

// Document files in and out of the word processor, by extension: RTF with our
// own reader and writer, plain text, HTML, DOCX and ODT through pandoc, DOC and
// WPD through LibreOffice, PDF by printing. Errors are TessaryError with a
// message naming the file.
class DocumentFiles
{
public:
    // Fills doc (which the caller emptied) from fileName. ".RTF" is read by
    // content detection, ".TXT" as plain lines, ".HTML"/".HTM" as HTML,
    // ".DOC", ".WPD", ".DOCX", ".ODT" through the converters; any other name
    // leaves the document empty. Warnings of a damaged file go to warnings.
    static void load(const QString &fileName, QTextDocument *doc, QStringList *warnings);
    // Extensions that save writes, lower case.
    static QStringList saveExtensions();
    // Writes the view's document to fileName in the format of its extension.
    static void save(const QString &fileName, const WPView *view);
    // The document drawn as the view shows it (normal layout), size pixels.
    static QImage render(const QTextDocument *doc, const QSize &size);
    // Makes the pictures an HTML file refers to part of the document.
    static void embedPictures(QTextDocument *doc);
};
