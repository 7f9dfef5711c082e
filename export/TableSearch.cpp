#include "export/TableSearch.h"

#include "export/TextMatch.h"
#include "platform/grid/GridData.h"

namespace TableSearch {

namespace {
QPoint searchFrom(const GridData &grid, const QString &text, int options, int row, int column)
{
    if (text.isEmpty())
        return QPoint(-1, -1);
    TextMatch::Options match;
    match.matchCase = options & MatchCase;
    match.wholeWord = options & WholeWord;
    const int fr = grid.fixedRows();
    const int fc = grid.fixedColumns();
    if (row < fr) {
        row = fr;
        column = fc;
    }
    for (; row < grid.rowCount(); ++row, column = fc) {
        for (column = qMax(column, fc); column < grid.columnCount(); ++column)
            if (TextMatch::find(grid.text(row, column), text, match) >= 0)
                return QPoint(column, row);
    }
    return QPoint(-1, -1);
}
} // namespace

QPoint findFirst(const GridData &grid, const QString &text, int options)
{
    return searchFrom(grid, text, options, 0, 0);
}

QPoint findNext(const GridData &grid, const QString &text, int options, QPoint after)
{
    if (after.x() < 0 || after.y() < 0)
        return findFirst(grid, text, options);
    return searchFrom(grid, text, options, after.y(), after.x() + 1);
}

} // namespace TableSearch
