#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

class GridData;

// Delimited text (comma, tab or any one character) by the quoting rules of
// RFC 4180, and the plain-text listing of a grid.
namespace DelimitedText {

struct ReadResult
{
    QVector<QStringList> rows;
    // Empty when the whole text was read; otherwise what went wrong and where.
    QString warning;
};

// Text of a file: UTF-8 with or without a byte-order mark, UTF-16 with one;
// bytes that are not valid UTF-8 are read as Windows-1252.
QString decode(const QByteArray &bytes);

// Splits text into records and fields. Quoted fields may hold the delimiter,
// doubled quotes and line breaks (kept as they are). A quoted field that is
// never closed ends the reading: the records before it are kept, and so are
// the fields of its own record before it, and warning says so.
ReadResult parse(const QString &text, QChar delimiter);

// Fills grid with the records (fixed rows and columns as set on the grid
// before); returns the warning of the parse.
QString load(const QByteArray &bytes, QChar delimiter, GridData &grid);

// The whole grid as UTF-8 with a byte-order mark, records ended by CR LF,
// fields quoted when they hold the delimiter, a quote, CR or LF.
QByteArray write(const GridData &grid, QChar delimiter);
QString quoteField(const QString &field, QChar delimiter);

// The grid as plain text: each column padded to its widest text, columns
// separated by two spaces, line breaks in cells as spaces, UTF-8, CR LF.
QByteArray writePlain(const GridData &grid);

} // namespace DelimitedText
