#pragma once

#include <QAbstractTableModel>
#include <QVector>

class GridData;
class QUndoStack;

// One text change of one cell, in grid coordinates, with its undo value.
struct CellText
{
    int row = 0;
    int column = 0;
    QString before;
    QString after;
};

// The grid's cells as a Qt table model. The fixed row and column are not rows
// and columns of the model: they are its header sections, so that the view's
// header views show them and keep them in view. Model row r is grid row
// r + fixedRows, model column c is grid column c + fixedColumns.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role
    {
        BorderColorRole = Qt::UserRole + 1,
        GridRowRole,
        GridColumnRole
    };

    GridModel(GridData *grid, QUndoStack *undo, QObject *parent = nullptr);

    GridData *grid() const { return m_grid; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // The model index of a grid cell; invalid for fixed cells.
    QModelIndex cellIndex(int row, int column) const;
    int gridRow(const QModelIndex &index) const;
    int gridColumn(const QModelIndex &index) const;

    // The whole grid changed (size, fixed rows, order): views start afresh.
    void beginChange();
    void endChange();
    // Cells of a grid rectangle changed their text or format.
    void cellsChanged(int top, int left, int bottom, int right);

    // Changes texts as one undoable step named undoText.
    void setTexts(const QVector<CellText> &changes, const QString &undoText);
    // Puts the before or after texts of changes into the grid (used by undo).
    void applyTexts(const QVector<CellText> &changes, bool after);

signals:
    // Cell texts changed by editing, pasting, clearing, replacing, undo or redo.
    void textsChanged();

private:
    GridData *m_grid;
    QUndoStack *m_undo;
};
