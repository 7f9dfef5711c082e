#pragma once

#include <QByteArray>

class GridData;

// The grid's native stream: UTF-8 JSON {"format":"tessary-grid","version":1,...}
// holding the cells, a table of cell styles, fixed rows and columns, column
// widths, row heights, hidden columns, multi-line and word wrap. It is the
// stored form of a table page and the content of a ".grid2" file. The layout
// is described for hosts in docs/report-format.md.
namespace GridStream {

QByteArray write(const GridData &grid);
// Replaces grid with the stream's content. Throws TessaryError (and leaves the
// grid cleared) when the bytes are not a grid stream this version reads.
void read(const QByteArray &bytes, GridData &grid);

} // namespace GridStream
