#pragma once

#include <QSet>
#include <QString>

class QTextDocument;

// A document page as HTML for the export: one whole HTML document whose body
// begins right after an upper-case "<BODY>" and ends with "</BODY></HTML>",
// so that the export can join it with the other pages. The word processor's
// style sheet moves into the body of the first document written (the export
// keeps what follows "<BODY>", and the sheet is the same for every page);
// the body's default font goes on a DIV around each page. Pictures are
// written as files into pictureFolder (a path ending in a separator) and the
// HTML names them by that full path, which the export later makes relative.
class DocumentHtml
{
public:
    explicit DocumentHtml(const QString &pictureFolder) : m_pictureFolder(pictureFolder) {}

    // Throws TessaryError when a picture file cannot be written.
    QString write(const QTextDocument *doc);

    // Files written so far (full paths), each picture once however many
    // documents show it.
    const QSet<QString> &pictureFiles() const { return m_written; }

private:
    QString pictureSource(const QTextDocument *doc, const QString &name);

    QString m_pictureFolder;
    QSet<QString> m_written;
    bool m_sheetWritten = false;
};
