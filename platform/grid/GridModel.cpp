#include "platform/grid/GridModel.h"

#include "platform/grid/GridData.h"
#include "platform/grid/GridUndo.h"

#include <QBrush>
#include <QUndoStack>

GridModel::GridModel(GridData *grid, QUndoStack *undo, QObject *parent)
    : QAbstractTableModel(parent), m_grid(grid), m_undo(undo)
{
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(0, m_grid->rowCount() - m_grid->fixedRows());
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(0, m_grid->columnCount() - m_grid->fixedColumns());
}

int GridModel::gridRow(const QModelIndex &index) const
{
    return index.row() + m_grid->fixedRows();
}

int GridModel::gridColumn(const QModelIndex &index) const
{
    return index.column() + m_grid->fixedColumns();
}

QModelIndex GridModel::cellIndex(int row, int column) const
{
    return index(row - m_grid->fixedRows(), column - m_grid->fixedColumns());
}

static QVariant cellData(const GridData &g, int r, int c, int role)
{
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return g.text(r, c);
    case Qt::FontRole:
        return g.cellFont(r, c);
    case Qt::ForegroundRole: {
        const QColor col = g.format(r, c).fontColor;
        return col.isValid() ? QVariant(QBrush(col)) : QVariant();
    }
    case Qt::BackgroundRole: {
        const QColor col = g.format(r, c).backColor;
        return col.isValid() ? QVariant(QBrush(col)) : QVariant();
    }
    case Qt::TextAlignmentRole:
        return int(g.format(r, c).qtAlignment());
    case GridModel::BorderColorRole:
        return g.format(r, c).borderColor;
    case GridModel::GridRowRole:
        return r;
    case GridModel::GridColumnRole:
        return c;
    default:
        return QVariant();
    }
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    return cellData(*m_grid, gridRow(index), gridColumn(index), role);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (m_grid->fixedRows() == 0)
            return QVariant();
        return cellData(*m_grid, 0, section + m_grid->fixedColumns(), role);
    }
    if (m_grid->fixedColumns() == 0)
        return QVariant();
    return cellData(*m_grid, section + m_grid->fixedRows(), 0, role);
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const int r = gridRow(index);
    const int c = gridColumn(index);
    const QString text = value.toString();
    if (m_grid->text(r, c) == text)
        return true;
    setTexts({CellText{r, c, m_grid->text(r, c), text}}, tr("Edit cell"));
    return true;
}

void GridModel::beginChange()
{
    beginResetModel();
}

void GridModel::endChange()
{
    endResetModel();
}

void GridModel::cellsChanged(int top, int left, int bottom, int right)
{
    const int fr = m_grid->fixedRows();
    const int fc = m_grid->fixedColumns();
    if (top < fr && fr > 0)
        emit headerDataChanged(Qt::Horizontal, qMax(0, left - fc), qMax(0, right - fc));
    if (left < fc && fc > 0)
        emit headerDataChanged(Qt::Vertical, qMax(0, top - fr), qMax(0, bottom - fr));
    const int mt = qMax(top, fr) - fr;
    const int ml = qMax(left, fc) - fc;
    const int mb = bottom - fr;
    const int mr = right - fc;
    if (mb >= mt && mr >= ml && mb >= 0 && mr >= 0)
        emit dataChanged(index(mt, ml),
                         index(qMin(mb, rowCount() - 1), qMin(mr, columnCount() - 1)));
}

void GridModel::setTexts(const QVector<CellText> &changes, const QString &undoText)
{
    QVector<CellText> real;
    for (const CellText &t : changes) {
        if (m_grid->isValidCell(t.row, t.column) && t.before != t.after)
            real.append(t);
    }
    if (real.isEmpty())
        return;
    m_undo->push(new SetTextsCommand(this, real, undoText));
}

void GridModel::applyTexts(const QVector<CellText> &changes, bool after)
{
    if (changes.isEmpty())
        return;
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const CellText &t : changes) {
        m_grid->setText(t.row, t.column, after ? t.after : t.before);
        top = qMin(top, t.row);
        left = qMin(left, t.column);
        bottom = qMax(bottom, t.row);
        right = qMax(right, t.column);
    }
    cellsChanged(top, left, bottom, right);
    emit textsChanged();
}
