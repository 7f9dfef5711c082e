#pragma once

class GridData;

// Sizes taken from the texts of a grid, measured with its cell fonts.
namespace GridMeasure {

// Height in pixels that the text of a cell needs at its column's width
// (wrapped when the grid wraps words).
int cellTextHeight(const GridData &grid, int row, int column);
// Width in pixels the longest line of a cell needs.
int cellTextWidth(const GridData &grid, int row, int column);

// Sets each row of first .. last to the height its tallest cell needs.
void sizeRowsToContent(GridData &grid, int first, int last);
// Widens each column to its widest text, between minWidth and maxWidth,
// looking at no more than sampleRows rows (evenly spread) for speed.
void fitColumnWidths(GridData &grid, int minWidth, int maxWidth, int sampleRows = 2000);

} // namespace GridMeasure
