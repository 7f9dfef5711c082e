#pragma once

#include <QColor>
#include <QTextCursor>

class QTextTable;

// Table editing on a text cursor: creating tables, inserting, deleting and
// selecting rows and columns, and the borders of cells. Every function works
// on the table the cursor is in (the cell at the cursor, or the cells the
// selection covers) and does nothing when the cursor is outside a table.
class WPTables
{
public:
    enum Side
    {
        Top = 1,
        Bottom = 2,
        Left = 4,
        Right = 8,
        AllSides = Top | Bottom | Left | Right
    };

    // Inserts a rows x columns table at the cursor, as wide as the text, with
    // collapsed one-pixel borders when withBorders is set.
    static QTextTable *createTable(QTextCursor &cursor, int rows, int columns, bool withBorders);

    static bool insertRow(QTextCursor &cursor); // below the current row
    static bool deleteRow(QTextCursor &cursor); // every row the selection covers
    static bool selectRow(QTextCursor &cursor);
    static bool insertColumn(QTextCursor &cursor); // right of the current column
    static bool deleteColumn(QTextCursor &cursor);
    static bool selectColumn(QTextCursor &cursor);

    // Sets (width > 0) or removes (width 0) the given borders of the covered
    // cells. toggleBorders switches the given sides: on when any of the cells
    // lacks one, off otherwise.
    static bool setBorders(QTextCursor &cursor, int sides, qreal width,
                           const QColor &color = Qt::black);
    static bool toggleBorders(QTextCursor &cursor, int sides);

    // The covered cells: first row, first column, row count, column count.
    static bool coveredCells(const QTextCursor &cursor, int *row, int *column, int *rows,
                             int *columns);
};
