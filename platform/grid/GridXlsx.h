#pragma once

#include <QString>

class GridData;

// Writes the whole grid as a real spreadsheet (Office Open XML, ".xlsx")
// through libxlsxwriter: fonts, sizes, colours, bold, italic, underline,
// alignment, backgrounds, borders, column widths, row heights, hidden
// columns, and the fixed rows and columns as frozen panes. Texts that are
// plain numbers are written as numbers. An existing file is overwritten.
namespace GridXlsx {

// Throws TessaryError when the file cannot be written.
void write(const GridData &grid, const QString &fileName);

} // namespace GridXlsx
