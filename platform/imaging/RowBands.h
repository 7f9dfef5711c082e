#pragma once

#include <QtGlobal>
#include <functional>

// Row-by-row work on a large picture (byte order conversion of a stored
// bitmap) split into bands of rows run side by side, one per processor. Small
// pictures are done on the calling thread: starting threads costs more than
// it saves below about a megabyte.
namespace RowBands {
// Calls work(first, end) for consecutive bands covering rows [0, rows) and
// returns when all are done. work must not throw and must only touch its rows.
void run(int rows, qint64 bytesPerRow, const std::function<void(int, int)> &work);
} // namespace RowBands
