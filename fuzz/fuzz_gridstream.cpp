// Any bytes given to the grid-stream reader either give a table or a
// TessaryError; a table that was read writes and reads back the same.
// Run with ASAN_OPTIONS=detect_leaks=0: fontconfig and Qt keep font caches for the life of
// the process, which the leak checker reports at exit.
#include "platform/TessaryError.h"
#include "platform/grid/GridData.h"
#include "platform/grid/GridStream.h"

#include <QGuiApplication>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Cell fonts are QFonts, which want the GUI application object.
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    GridData grid;
    try {
        GridStream::read(QByteArray(reinterpret_cast<const char *>(data), int(size)), grid);
    } catch (const TessaryError &) {
        return 0;
    }
    const QByteArray written = GridStream::write(grid);
    GridData again;
    try {
        GridStream::read(written, again);
    } catch (const TessaryError &) {
        __builtin_trap(); // what the writer wrote must read back
    }
    if (again.rowCount() != grid.rowCount() || again.columnCount() != grid.columnCount() ||
        GridStream::write(again) != written)
        __builtin_trap();
    return 0;
}
