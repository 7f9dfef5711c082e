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
// Text outside ASCII goes out as \uN, followed by the character's byte in the
// document's code page (\ansicpg, Windows-1252 unless another is asked for) or "?".
class RtfWriter
{
public:
    static QByteArray write(const QTextDocument *doc);
    // The same, with the language identifier written as the document's default
    // language (\deflang); 1033 is English (United States).
    static QByteArray write(const QTextDocument *doc, int languageId);
    // The same, declaring the Windows code page codePage (1250..1258, 874, 20866, 28595 ...)
    // as the document's ANSI code page; the \uN fallbacks are that code page's bytes.
    // Code pages without a single-byte table here fall back to Windows-1252.
    static QByteArray write(const QTextDocument *doc, int languageId, int codePage);

private:
    explicit RtfWriter(const QTextDocument *doc);
    QByteArray run(int languageId);
    void setCodePage(int codePage);
    unsigned char fallbackByte(char16_t c) const;

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
    int m_codePage = 1252;
    // Characters 0x80..0xFF of a code page other than 1252, by character.
    QHash<char16_t, unsigned char> m_highBytes;
};
