#pragma once

#include "platform/grid/GridData.h"

#include <QTableView>

class GridDelegate;
class GridHeaderView;
class GridModel;
class QMimeData;
class QUndoStack;

// The string grid: a table view over a GridData through GridModel. The fixed
// row and column are shown by the view's header views, so they stay in view
// while the cells scroll, and look like headers; there is never a widget per
// cell. Offers range selection, in-place editing with undo and redo of cell
// texts, clipboard as tab-separated text and HTML, sorting, find, and the
// layout operations the table editor needs. Positions are grid coordinates
// (fixed rows and columns included); in QRect and QPoint x is the column and
// y the row.
class GridControl : public QTableView
{
    Q_OBJECT

public:
    explicit GridControl(QWidget *parent = nullptr);
    ~GridControl() override;

    GridData &grid() { return m_data; }
    const GridData &grid() const { return m_data; }
    GridModel *gridModel() const { return m_model; }
    QUndoStack *undoStack() const { return m_undo; }

    // After the grid data were replaced or restructured: the view starts
    // afresh from them, and the undo history is dropped.
    void refresh();
    // Puts column widths, row heights, hidden columns and the fixed row and
    // column sizes of the data into the view.
    void applyLayout();
    // After formats of a rectangle of cells changed.
    void cellsChanged(int top, int left, int bottom, int right);
    // Suspends and resumes painting (nested calls count).
    void beginUpdate();
    void endUpdate();
    void clearGrid();

    QRect selectionRect() const;
    QVector<QPoint> selectedCells() const;
    QPoint currentCell() const;
    void setCurrentCell(int row, int column);
    void selectCells(int top, int left, int bottom, int right);

    // Tab-separated text and an HTML table of a rectangle of cells.
    QMimeData *mimeData(int top, int left, int bottom, int right) const;
    void copyToClipboard();
    void cutToClipboard();
    void pasteFromClipboard();
    void clearSelectedCells();
    // Every cell, fixed ones included, to the clipboard.
    void copyWholeGrid();

    void setFixedRows(int n);
    void setFixedColumns(int n);
    void removeRows(int row, int count);
    void removeColumns(int column, int count);
    void showAllColumns();
    void setGridWordWrap(bool on);
    void sizeRowsToContent(int first, int last);

    int sortColumn() const { return m_sortColumn; }
    void setSortColumn(int column) { m_sortColumn = column; }
    bool sortAscending() const { return m_sortAscending; }
    void setSortAscending(bool on) { m_sortAscending = on; }
    // Sorts the rows below the fixed rows by sortColumn in the sort direction.
    void sortRows();

    // The next cell after `after` (row by row) whose text holds text; (-1, -1)
    // when there is none. Fixed cells are not searched.
    QPoint findText(const QString &text, QPoint after, bool matchCase, bool wholeCell) const;

signals:
    void cellSelected(int column, int row);
    void cellClicked(int column, int row);
    void cellDoubleClicked(int column, int row);
    // The user changed cell texts or sized a column or row.
    void contentChanged();

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onColumnResized(int section, int oldSize, int newSize);
    void onRowResized(int section, int oldSize, int newSize);

    GridData m_data;
    QUndoStack *m_undo;
    GridModel *m_model;
    GridDelegate *m_delegate;
    GridHeaderView *m_top;
    GridHeaderView *m_left;
    QWidget *m_corner = nullptr;
    bool m_applying = false;
    int m_updateDepth = 0;
    int m_sortColumn = 0;
    bool m_sortAscending = true;
};
