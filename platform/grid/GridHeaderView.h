#pragma once

#include <QHeaderView>

class GridModel;

// A header view that shows the fixed row (horizontal) or fixed column
// (vertical) of a grid with the cells' own texts and formatting, at the height
// of the fixed row or the width of the fixed column.
class GridHeaderView : public QHeaderView
{
    Q_OBJECT

public:
    GridHeaderView(Qt::Orientation orientation, GridModel *model, QWidget *parent = nullptr);

    // Height (horizontal) or width (vertical) of the header.
    void setExtent(int extent);
    int extent() const { return m_extent; }

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    GridModel *m_gridModel;
    int m_extent = 17;
};
