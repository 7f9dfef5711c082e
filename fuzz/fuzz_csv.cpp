// Any bytes given to the delimited-text reader load into a table without a
// crash or a hang; a table that was loaded writes and loads back the same
// cells. The first byte picks the delimiter. The same bytes, as text, go
// through the reader of HTML tables that pasting uses.
// Run with ASAN_OPTIONS=detect_leaks=0: fontconfig and Qt keep font caches for the life of
// the process, which the leak checker reports at exit.
#include "platform/grid/DelimitedText.h"
#include "platform/grid/GridData.h"
#include "platform/grid/GridHtmlReader.h"

#include <QGuiApplication>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static const char delimiters[] = {',', '\t', ';', '|'};
    const QChar delimiter = QLatin1Char(delimiters[data[0] % 4]);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));

    GridData grid;
    const QString warning = DelimitedText::load(bytes, delimiter, grid);
    if (warning.isEmpty()) {
        // A text read whole writes and reads back cell for cell.
        GridData again;
        again.setFixedRows(grid.fixedRows());
        if (!DelimitedText::load(DelimitedText::write(grid, delimiter), delimiter, again).isEmpty())
            __builtin_trap();
        for (int r = 0; r < grid.rowCount(); ++r)
            for (int c = 0; c < grid.columnCount(); ++c)
                if (grid.text(r, c) != again.text(r, c))
                    __builtin_trap();
    }
    DelimitedText::writePlain(grid);

    const QVector<QStringList> rows = GridHtmlReader::readTable(DelimitedText::decode(bytes));
    if (rows.size() > int(size))
        __builtin_trap(); // every row needs at least one tag of the input
    return 0;
}
