#include "platform/wordproc/view/WPTables.h"

#include <QTextDocument>
#include <QTextTable>

namespace {
QTextTableCellFormat cellFormat(const QTextTableCell &cell)
{
    return cell.format().toTableCellFormat();
}

qreal borderOf(const QTextTableCellFormat &f, int side)
{
    switch (side) {
    case WPTables::Top:
        return f.topBorder();
    case WPTables::Bottom:
        return f.bottomBorder();
    case WPTables::Left:
        return f.leftBorder();
    default:
        return f.rightBorder();
    }
}

void setBorderOf(QTextTableCellFormat &f, int side, qreal width, const QColor &color)
{
    const QBrush brush(color);
    const auto style =
        width > 0 ? QTextFrameFormat::BorderStyle_Solid : QTextFrameFormat::BorderStyle_None;
    switch (side) {
    case WPTables::Top:
        f.setTopBorder(width);
        f.setTopBorderBrush(brush);
        f.setTopBorderStyle(style);
        break;
    case WPTables::Bottom:
        f.setBottomBorder(width);
        f.setBottomBorderBrush(brush);
        f.setBottomBorderStyle(style);
        break;
    case WPTables::Left:
        f.setLeftBorder(width);
        f.setLeftBorderBrush(brush);
        f.setLeftBorderStyle(style);
        break;
    default:
        f.setRightBorder(width);
        f.setRightBorderBrush(brush);
        f.setRightBorderStyle(style);
        break;
    }
}

const int kSides[] = {WPTables::Top, WPTables::Bottom, WPTables::Left, WPTables::Right};
// Removes the whole table; the cursor is left where it stood.
void removeTable(QTextTable *table, QTextCursor &cursor)
{
    QTextCursor c(table->document());
    c.setPosition(table->firstPosition() - 1);
    c.setPosition(table->lastPosition() + 1, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    cursor = c;
}
} // namespace

QTextTable *WPTables::createTable(QTextCursor &cursor, int rows, int columns, bool withBorders)
{
    rows = qBound(1, rows, 500);
    columns = qBound(1, columns, 64);
    QTextTableFormat format;
    format.setBorderCollapse(true);
    format.setBorder(withBorders ? 1 : 0);
    format.setBorderStyle(withBorders ? QTextFrameFormat::BorderStyle_Solid
                                      : QTextFrameFormat::BorderStyle_None);
    format.setBorderBrush(QBrush(Qt::black));
    format.setCellPadding(4);
    format.setCellSpacing(0);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QList<QTextLength> widths;
    for (int c = 0; c < columns; ++c)
        widths << QTextLength(QTextLength::PercentageLength, 100.0 / columns);
    format.setColumnWidthConstraints(widths);
    cursor.beginEditBlock();
    QTextTable *table = cursor.insertTable(rows, columns, format);
    if (withBorders) {
        QTextCursor all = table->cellAt(0, 0).firstCursorPosition();
        all.setPosition(table->cellAt(rows - 1, columns - 1).lastCursorPosition().position(),
                        QTextCursor::KeepAnchor);
        setBorders(all, AllSides, 1);
    }
    cursor.endEditBlock();
    cursor = table->cellAt(0, 0).firstCursorPosition();
    return table;
}

bool WPTables::coveredCells(const QTextCursor &cursor, int *row, int *column, int *rows,
                            int *columns)
{
    QTextTable *table = cursor.currentTable();
    if (!table)
        return false;
    if (cursor.hasComplexSelection()) {
        cursor.selectedTableCells(row, rows, column, columns);
        return true;
    }
    QTextTableCell first = table->cellAt(cursor.selectionStart());
    QTextTableCell last = table->cellAt(cursor.selectionEnd());
    if (!first.isValid())
        first = table->cellAt(cursor);
    if (!last.isValid())
        last = first;
    *row = qMin(first.row(), last.row());
    *column = qMin(first.column(), last.column());
    *rows = qAbs(last.row() - first.row()) + 1;
    *columns = qAbs(last.column() - first.column()) + 1;
    return true;
}

bool WPTables::insertRow(QTextCursor &cursor)
{
    QTextTable *table = cursor.currentTable();
    if (!table)
        return false;
    const QTextTableCell cell = table->cellAt(cursor);
    const int row = cell.row() + cell.rowSpan() - 1;
    cursor.beginEditBlock();
    table->insertRows(row + 1, 1);
    // The new cells take the borders of the cells above them.
    for (int c = 0; c < table->columns(); ++c) {
        QTextTableCell above = table->cellAt(row, c);
        QTextTableCell added = table->cellAt(row + 1, c);
        if (above.isValid() && added.isValid() && added.row() == row + 1)
            added.setFormat(cellFormat(above));
    }
    cursor.endEditBlock();
    cursor = table->cellAt(row + 1, cell.column()).firstCursorPosition();
    return true;
}

bool WPTables::deleteRow(QTextCursor &cursor)
{
    int row, column, rows, columns;
    if (!coveredCells(cursor, &row, &column, &rows, &columns))
        return false;
    QTextTable *table = cursor.currentTable();
    if (rows >= table->rows()) {
        // Deleting every row deletes the table.
        removeTable(table, cursor);
        return true;
    }
    table->removeRows(row, rows);
    cursor = table->cellAt(qMin(row, table->rows() - 1), column).firstCursorPosition();
    return true;
}

bool WPTables::selectRow(QTextCursor &cursor)
{
    int row, column, rows, columns;
    if (!coveredCells(cursor, &row, &column, &rows, &columns))
        return false;
    QTextTable *table = cursor.currentTable();
    cursor = table->cellAt(row, 0).firstCursorPosition();
    cursor.setPosition(
        table->cellAt(row + rows - 1, table->columns() - 1).lastCursorPosition().position(),
        QTextCursor::KeepAnchor);
    return true;
}

bool WPTables::insertColumn(QTextCursor &cursor)
{
    QTextTable *table = cursor.currentTable();
    if (!table)
        return false;
    const QTextTableCell cell = table->cellAt(cursor);
    const int column = cell.column() + cell.columnSpan() - 1;
    cursor.beginEditBlock();
    table->insertColumns(column + 1, 1);
    for (int r = 0; r < table->rows(); ++r) {
        QTextTableCell left = table->cellAt(r, column);
        QTextTableCell added = table->cellAt(r, column + 1);
        if (left.isValid() && added.isValid() && added.column() == column + 1)
            added.setFormat(cellFormat(left));
    }
    // Share the width equally again when the columns were given in percent.
    QTextTableFormat format = table->format();
    if (!format.columnWidthConstraints().isEmpty()) {
        QList<QTextLength> widths;
        for (int c = 0; c < table->columns(); ++c)
            widths << QTextLength(QTextLength::PercentageLength, 100.0 / table->columns());
        format.setColumnWidthConstraints(widths);
        table->setFormat(format);
    }
    cursor.endEditBlock();
    cursor = table->cellAt(cell.row(), column + 1).firstCursorPosition();
    return true;
}

bool WPTables::deleteColumn(QTextCursor &cursor)
{
    int row, column, rows, columns;
    if (!coveredCells(cursor, &row, &column, &rows, &columns))
        return false;
    QTextTable *table = cursor.currentTable();
    if (columns >= table->columns()) {
        // Deleting every column deletes the table.
        removeTable(table, cursor);
        return true;
    }
    cursor.beginEditBlock();
    table->removeColumns(column, columns);
    QTextTableFormat format = table->format();
    if (!format.columnWidthConstraints().isEmpty()) {
        QList<QTextLength> widths;
        for (int c = 0; c < table->columns(); ++c)
            widths << QTextLength(QTextLength::PercentageLength, 100.0 / table->columns());
        format.setColumnWidthConstraints(widths);
        table->setFormat(format);
    }
    cursor.endEditBlock();
    cursor = table->cellAt(row, qMin(column, table->columns() - 1)).firstCursorPosition();
    return true;
}

bool WPTables::selectColumn(QTextCursor &cursor)
{
    int row, column, rows, columns;
    if (!coveredCells(cursor, &row, &column, &rows, &columns))
        return false;
    QTextTable *table = cursor.currentTable();
    cursor = table->cellAt(0, column).firstCursorPosition();
    cursor.setPosition(
        table->cellAt(table->rows() - 1, column + columns - 1).lastCursorPosition().position(),
        QTextCursor::KeepAnchor);
    return true;
}

bool WPTables::setBorders(QTextCursor &cursor, int sides, qreal width, const QColor &color)
{
    int row, column, rows, columns;
    if (!coveredCells(cursor, &row, &column, &rows, &columns))
        return false;
    QTextTable *table = cursor.currentTable();
    QTextCursor edit(cursor);
    edit.beginEditBlock();
    for (int r = row; r < row + rows; ++r) {
        for (int c = column; c < column + columns; ++c) {
            QTextTableCell cell = table->cellAt(r, c);
            if (!cell.isValid() || cell.row() != r || cell.column() != c)
                continue; // the spanned part of a merged cell
            QTextTableCellFormat f = cellFormat(cell);
            for (int side : kSides) {
                if (sides & side)
                    setBorderOf(f, side, width, color);
            }
            cell.setFormat(f);
        }
    }
    // Cell borders are drawn only in the collapsed border model.
    QTextTableFormat format = table->format();
    if (!format.borderCollapse()) {
        format.setBorderCollapse(true);
        table->setFormat(format);
    }
    edit.endEditBlock();
    return true;
}

bool WPTables::toggleBorders(QTextCursor &cursor, int sides)
{
    int row, column, rows, columns;
    if (!coveredCells(cursor, &row, &column, &rows, &columns))
        return false;
    QTextTable *table = cursor.currentTable();
    bool allOn = true;
    for (int r = row; r < row + rows && allOn; ++r) {
        for (int c = column; c < column + columns && allOn; ++c) {
            const QTextTableCellFormat f = cellFormat(table->cellAt(r, c));
            for (int side : kSides) {
                if ((sides & side) && borderOf(f, side) <= 0)
                    allOn = false;
            }
        }
    }
    return setBorders(cursor, sides, allOn ? 0 : 1);
}
