// Times of the grid's main steps on large tables, and the peak memory.
// Run offscreen: QT_QPA_PLATFORM=offscreen bench_grid [ROWS COLUMNS]
#include "platform/HeapTuning.h"
#include "platform/grid/DelimitedText.h"
#include "platform/grid/GridControl.h"
#include "platform/grid/GridData.h"
#include "platform/grid/GridStream.h"
#include "platform/grid/GridXlsx.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// Peak resident memory of the process so far, in MB (VmHWM).
double peakMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// A table like the ones hosts send: a label column, numbers with decimals and
// signs, some text and empty cells, a bold header row.
void makeTable(GridData &g, int rows, int columns)
{
    g.clear();
    g.reset(rows, columns);
    CellFormat head;
    head.fontStyle = CellFormat::Bold;
    CellFormat number;
    number.alignment = CellFormat::Right;
    for (int c = 0; c < columns; ++c) {
        g.setText(0, c, QStringLiteral("Column %1").arg(c));
        g.setFormat(0, c, head);
    }
    quint32 seed = 12345;
    for (int r = 1; r < rows; ++r) {
        g.setText(r, 0, QStringLiteral("Case %1").arg(r));
        for (int c = 1; c < columns; ++c) {
            seed = seed * 1664525u + 1013904223u;
            const int v = int(seed >> 8) % 200000 - 100000;
            if (v % 17 == 0)
                continue;
            g.setText(r, c,
                      c % 5 == 0 ? QStringLiteral("text %1").arg(v % 97)
                                 : QString::number(v / 100.0, 'f', 2));
            g.setFormat(r, c, number);
        }
    }
}

// Processor time of this thread in milliseconds: on a shared machine the wall
// clock also counts the time other programs had the processor.
double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

template <typename F> double timeMs(F &&f)
{
    const double start = cpuMs();
    f();
    return cpuMs() - start;
}

void run(int rows, int columns)
{
    GridData source;
    makeTable(source, rows, columns);
    QByteArray stream;
    const double store = timeMs([&] { stream = GridStream::write(source); });
    GridData loaded;
    const double load = timeMs([&] { GridStream::read(stream, loaded); });

    GridControl view;
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(1200, 800);
    view.show();
    const double show = timeMs([&] {
        view.grid() = loaded;
        view.refresh();
        view.grab();
    });
    view.setSortColumn(3);
    const double sort = timeMs([&] {
        view.sortRows();
        view.grab();
    });

    const QByteArray csv = DelimitedText::write(source, QLatin1Char(','));
    GridData imported;
    const double csvImport = timeMs([&] { DelimitedText::load(csv, QLatin1Char(','), imported); });

    QTemporaryDir dir;
    const QString xlsx = dir.filePath(QStringLiteral("bench.xlsx"));
    const double xlsxWrite = timeMs([&] { GridXlsx::write(source, xlsx); });

    std::printf("%7d x %2d  store %8.1f ms  load %8.1f ms  show %8.1f ms  sort %8.1f ms  "
                "csv import %8.1f ms  xlsx write %8.1f ms  stream %6.1f MB  peak %7.1f MB\n",
                rows, columns, store, load, show, sort, csvImport, xlsxWrite,
                stream.size() / 1048576.0, peakMb());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    HeapTuning::keepPictureBuffersInHeap();
    QApplication app(argc, argv);
    std::printf("times are processor times of the main thread (the machine may be shared)\n");
    if (argc > 2) {
        // bench_grid ROWS COLUMNS: one table of that size only.
        run(qMax(2, std::atoi(argv[1])), qMax(1, std::atoi(argv[2])));
        return 0;
    }
    run(5000, 20);
    run(100000, 10);
    return 0;
}
