#pragma once

#include <QPoint>
#include <QString>

class GridData;

// The search of a table's cells used by global find: cells are searched row by
// row, left to right, below the fixed rows and right of the fixed columns (the
// cells the user can make current), as the table editor's own find does. A
// cell matches when its text holds the text (as a whole word with WholeWord).
// Results are (column, row) in grid coordinates; the column is -1 when there
// is no further match.
namespace TableSearch {

// Bits of the options (the dialog's TableSearchOptions).
enum Option : int
{
    MatchCase = 1,
    WholeWord = 2
};

QPoint findFirst(const GridData &grid, const QString &text, int options);
// The next matching cell after the cell `after` (column, row).
QPoint findNext(const GridData &grid, const QString &text, int options, QPoint after);

} // namespace TableSearch
