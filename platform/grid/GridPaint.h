#pragma once

#include <QRect>

class GridData;
class QPainter;

// Draws one cell of a grid the same way on screen, in headers and on paper.
namespace GridPaint {

enum Flag
{
    Selected = 1,  // tint with the selection colour
    GridLines = 2, // draw the right and bottom cell lines
    Highlight = 4  // a header section of the current row or column
};

void paintCell(QPainter *painter, const QRect &rect, const GridData &grid, int row, int column,
               int flags = 0);

} // namespace GridPaint
