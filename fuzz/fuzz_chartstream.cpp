// Any bytes given to the chart-stream reader either give a chart or a
// TessaryError that leaves a valid empty chart; a chart that was read writes
// and reads back the same, and draws.
// Run with ASAN_OPTIONS=detect_leaks=0: fontconfig and Qt keep font caches for the life of
// the process, which the leak checker reports at exit.
#include "platform/TessaryError.h"
#include "platform/chart/TChart.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The chart is a widget.
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static TChart chart;
    static QImage image(160, 120, QImage::Format_ARGB32_Premultiplied);
    bool loaded = true;
    try {
        chart.loadFromStream(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    } catch (const TessaryError &) {
        loaded = false;
        if (chart.seriesCount() != 0)
            __builtin_trap(); // a failed load leaves an empty chart
    }
    if (loaded) {
        const QByteArray written = chart.saveToStream();
        TChart again;
        try {
            again.loadFromStream(written);
        } catch (const TessaryError &) {
            __builtin_trap();
        }
        if (again.seriesCount() != chart.seriesCount() || again.saveToStream() != written)
            __builtin_trap();
    }
    QPainter p(&image);
    chart.draw(p, image.rect());
    return 0;
}
