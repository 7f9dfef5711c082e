#include "platform/grid/GridHeaderView.h"

#include "platform/grid/GridData.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/GridPaint.h"

#include <QItemSelectionModel>
#include <QPainter>
#include <QPalette>

GridHeaderView::GridHeaderView(Qt::Orientation orientation, GridModel *model, QWidget *parent)
    : QHeaderView(orientation, parent), m_gridModel(model)
{
    setSectionsClickable(true);
    setHighlightSections(true);
    setMinimumSectionSize(0);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Beyond the last section the header is blank like the cells' background.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(Qt::white));
    pal.setColor(QPalette::Button, QColor(Qt::white));
    pal.setColor(QPalette::Base, QColor(Qt::white));
    setPalette(pal);
}

void GridHeaderView::setExtent(int extent)
{
    m_extent = qMax(0, extent);
    updateGeometry();
}

QSize GridHeaderView::sizeHint() const
{
    const QSize s = QHeaderView::sizeHint();
    return orientation() == Qt::Horizontal ? QSize(s.width(), m_extent)
                                           : QSize(m_extent, s.height());
}

void GridHeaderView::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    const GridData &g = *m_gridModel->grid();
    const int row = orientation() == Qt::Horizontal ? 0 : logicalIndex + g.fixedRows();
    const int column = orientation() == Qt::Horizontal ? logicalIndex + g.fixedColumns() : 0;
    int flags = 0;
    if (const QItemSelectionModel *sel = selectionModel()) {
        const bool hit = orientation() == Qt::Horizontal
                             ? sel->columnIntersectsSelection(logicalIndex, rootIndex())
                             : sel->rowIntersectsSelection(logicalIndex, rootIndex());
        if (hit)
            flags |= GridPaint::Highlight;
    }
    GridPaint::paintCell(painter, rect, g, row, column, flags);
}
