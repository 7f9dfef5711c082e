#pragma once

#include "platform/grid/CellFormat.h"

#include <QFont>
#include <QHash>
#include <QString>
#include <QVector>

// The content of a grid, without any widget: rows and columns of text cells,
// each with a format, the fixed (header) rows and columns, column widths, row
// heights, hidden columns, and the multi-line and word-wrap settings. Rows and
// columns are 0-based and include the fixed ones. The readers and writers of
// every file format work on this class, so they run without a display.
class GridData
{
public:
    struct Cell
    {
        QString text;
        int format = 0; // index into the grid's format table; 0 is the default format
    };

    static constexpr int DefaultColumnWidth = 64;
    static constexpr int DefaultRowHeight = 18;
    static constexpr int HeaderRowHeight = 17;

    GridData();

    // An empty grid of 5 x 5 cells with the default layout (one fixed row).
    void clear();
    // Empties every cell and sets the size; layout settings are kept.
    void reset(int rows, int columns);

    int rowCount() const { return m_rows.size(); }
    int columnCount() const { return m_columns; }
    // Changes the size, keeping the cells that remain inside.
    void setSize(int rows, int columns);

    bool isValidCell(int row, int column) const;
    const QString &text(int row, int column) const;
    void setText(int row, int column, const QString &text);
    const CellFormat &format(int row, int column) const;
    void setFormat(int row, int column, const CellFormat &format);
    int formatIndex(int row, int column) const;
    void setFormatIndex(int row, int column, int index);
    // The index of format in the format table, adding it when new.
    int internFormat(const CellFormat &format);
    const CellFormat &formatAt(int index) const { return m_formats.at(index); }
    int formatTableSize() const { return m_formats.size(); }

    int fixedRows() const { return m_fixedRows; }
    int fixedColumns() const { return m_fixedColumns; }
    void setFixedRows(int n);
    void setFixedColumns(int n);
    bool isFixed(int row, int column) const { return row < m_fixedRows || column < m_fixedColumns; }

    int columnWidth(int column) const { return m_widths.value(column, DefaultColumnWidth); }
    void setColumnWidth(int column, int width);
    int rowHeight(int row) const { return m_heights.value(row, DefaultRowHeight); }
    void setRowHeight(int row, int height);
    bool isColumnHidden(int column) const { return m_hidden.value(column, false); }
    void setColumnHidden(int column, bool hidden);
    void showAllColumns();

    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on) { m_wordWrap = on; }
    bool multiLine() const { return m_multiLine; }
    void setMultiLine(bool on) { m_multiLine = on; }

    // The grid's default font, used where a cell names no font or size.
    QString fontName() const { return m_fontName; }
    int fontSize() const { return m_fontSize; }
    void setDefaultFont(const QString &name, int pointSize);
    // The font a cell is drawn with; fixed cells are bold.
    QFont cellFont(int row, int column) const;
    QFont fontFor(const CellFormat &format, bool fixed) const;

    void removeRows(int row, int count);
    void removeColumns(int column, int count);
    void insertRows(int row, int count);

    // Sorts rows fromRow .. end by the texts of column: numbers compare as
    // numbers, empty cells go last in either direction, equal keys keep their
    // order. Row heights travel with their rows.
    void sortRows(int column, bool ascending, int fromRow);

    // Texts of a rectangle of cells, one string per cell, row by row.
    QVector<QStringList> texts(int top, int left, int bottom, int right) const;

private:
    QVector<QVector<Cell>> m_rows;
    int m_columns = 0;
    QVector<CellFormat> m_formats;
    QHash<CellFormat, int> m_formatIndex;
    int m_fixedRows = 1;
    int m_fixedColumns = 0;
    QVector<int> m_widths;
    QVector<int> m_heights;
    QVector<bool> m_hidden;
    bool m_wordWrap = false;
    bool m_multiLine = false;
    QString m_fontName;
    int m_fontSize = 8;
};
