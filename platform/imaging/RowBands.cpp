#include "platform/imaging/RowBands.h"

#include <system_error>
#include <thread>
#include <vector>

namespace RowBands {

void run(int rows, qint64 bytesPerRow, const std::function<void(int, int)> &work)
{
    if (rows <= 0)
        return;
    constexpr qint64 kMinBytesPerBand = 1024 * 1024;
    constexpr int kMaxBands = 8;
    const qint64 total = qint64(rows) * qMax<qint64>(1, bytesPerRow);
    const int processors = int(qMax(1u, std::thread::hardware_concurrency()));
    const qint64 wanted = qMin<qint64>(total / kMinBytesPerBand, rows);
    const int bands = int(qBound(qint64(1), wanted, qint64(qMin(processors, kMaxBands))));
    if (bands == 1) {
        work(0, rows);
        return;
    }
    std::vector<std::thread> helpers;
    helpers.reserve(size_t(bands - 1));
    for (int b = 1; b < bands; ++b) {
        const int first = int(qint64(rows) * b / bands);
        const int end = int(qint64(rows) * (b + 1) / bands);
        try {
            helpers.emplace_back(work, first, end);
        } catch (const std::system_error &) {
            // No thread to be had: the calling thread does this band and
            // the ones after it itself.
            work(first, rows);
            break;
        }
    }
    work(0, int(qint64(rows) / bands));
    for (std::thread &t : helpers)
        t.join();
}

} // namespace RowBands
