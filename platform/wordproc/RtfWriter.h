#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;
class QTextFrame;
class QTextList;
class QTextTable;
class QTextTableCell;

// Writes a QTextDocument as RTF: fonts, sizes, colours, character styles, paragraph
// alignment, indents, spacing and tab stops, headings (as outline-levelled styles),
// lists (list table with levels), tables as \trowd rows with cell borders, merged and
// nested cells, pictures as PNG or JPEG \pict, and hyperlinks as HYPERLINK fields.
// Text outside ASCII goes out as \uN with a Windows-1252 or "?" fallback.
class RtfWriter
{
public:
    static QByteArray write(const QTextDocument *doc);
    // The same, with the language identifier written as the document's default
    // language (\deflang); 1033 is English (United States).
    static QByteArray write(const QTextDocument *doc, int languageId);

private:
    explicit RtfWriter(const QTextDocument *doc);
    QByteArray run(int languageId);

    void writeFrame(const QTextFrame *frame);
    void writeBlock(const QTextBlock &block, int itap, const char *ending);
    void writeRuns(const QTextBlock &block);
    void writeCharFormat(const QTextCharFormat &format);
    void writeText(const QString &text);
    void writeImage(const QTextCharFormat &format);
    void writeTable(const QTextTable *table, int itap, int availableTwips);
    void writeCellContent(const QTextTableCell &cell, int itap, int widthTwips);
    QByteArray rowDefinition(const QTextTable *table, int row, const QList<int> &rights);
    int fontIndex(const QString &family);
    int colourIndex(const QColor &colour);
    int listIndex(const QTextList *list);
    QByteArray header(int languageId) const;

    const QTextDocument *m_doc;
    QByteArray m_out;
    QStringList m_fonts;
    QList<QColor> m_colours;
    QList<const QTextList *> m_lists;
    QString m_defaultFamily;
    double m_defaultPointSize = 12;
};
