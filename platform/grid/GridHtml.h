#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QVector>

class GridData;

// HTML tables of a grid that keep the cell formatting: fonts, sizes, colours,
// bold, italic, underline, alignment, backgrounds, borders and column widths.
// Formatting is written both as inline CSS and as <b>/<i>/<u>, so that word
// processors, spreadsheets and converters that ignore CSS keep the styles.
namespace GridHtml {

// Background of fixed (header) cells that have no colour of their own.
QColor headerBackground();

// A <table> element for the cells of rows top..bottom and columns
// left..right; hidden columns are left out. Fixed cells become <th>.
// Columns are as wide as in the grid, in pixels, unless widthPercents holds
// one share of the page's text width per shown column.
QString table(const GridData &grid, int top, int left, int bottom, int right,
              const QVector<double> &widthPercents = {});
// A complete UTF-8 HTML document holding the whole grid, with title as its
// <title> and, when not empty, as a heading above the table.
QByteArray document(const GridData &grid, const QString &title = QString(),
                    const QVector<double> &widthPercents = {});

} // namespace GridHtml
