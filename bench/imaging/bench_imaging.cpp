// Prints the figures of picture pages for a 6000 × 4000 JPEG photograph:
// import (decode, 24-bit BMP, stored in a report), show (row read, decode of
// the stored bitmap, sizing and the first paint), zoom steps with their paint,
// and store; each with its time and the peak memory above the state before it,
// also counted in copies of the 72 MB working bitmap. Then the time to import
// 200 small files as pages through the import command's code (FileImport):
// pictures (PNG, JPEG), tables (CSV) and documents (text), one transaction each.
//
//   bench_imaging [--width W --height H] [--small N]
#include "editors/document/TWPEditor.h"
#include "editors/picture/TImageEditor.h"
#include "editors/picture/TImageView.h"
#include "editors/table/TGridEditor.h"
#include "platform/HeapTuning.h"
#include "platform/db/FieldCompression.h"
#include "platform/db/SqliteEngine.h"
#include "store/FileImport.h"
#include "store/PageKind.h"
#include "store/ReportTree.h"
#include "store/StoreHost.h"
#include "store/TDM.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QScrollArea>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

// The store's window, headless; the editors are registered by hand.
class BenchHost : public StoreHost
{
};

// Resident set in kB from /proc/self/status ("VmRSS" or "VmHWM").
long statusKb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray k = QByteArray(key) + ':';
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(k))
            return line.mid(k.size()).trimmed().split(' ').first().toLong();
    return -1;
}

// Starts a new peak: the kernel resets the high-water mark to the current size.
void resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// Processor time of this process in milliseconds: on a busy machine the wall
// time says more about the other processes than about this one.
double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Phase
{
    QElapsedTimer timer;
    double cpu = 0;
    long base = 0;
    Phase()
    {
        resetPeak();
        base = statusKb("VmRSS");
        cpu = cpuMs();
        timer.start();
    }
    // Prints the phase's figures; returns its peak in kB above its start.
    long report(const char *name, double copyKb)
    {
        const double ms = timer.nsecsElapsed() / 1e6;
        const double used = cpuMs() - cpu;
        const long peak = statusKb("VmHWM") - base;
        std::printf("  %-34s %8.1f ms wall %8.1f ms cpu   peak +%6.1f MB (%.2f copies)\n", name, ms,
                    used, peak / 1024.0, peak / copyKb);
        std::fflush(stdout);
        return peak;
    }
};

// A photograph-like picture: smooth colours, a highlight and some texture.
QImage photograph(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double dx = x - w * 0.4, dy = y - h * 0.45;
            const double glow = std::exp(-(dx * dx + dy * dy) / (0.05 * w * h));
            const int noise = int((x * 7919 + y * 104729) % 23) - 11;
            line[x] = qRgb(qBound(0, int(180.0 * x / w + 70 * glow) + noise, 255),
                           qBound(0, int(160.0 * y / h + 60 * glow) + noise, 255),
                           qBound(0, int(140 + 60 * std::sin(x * 0.004 + y * 0.003)) + noise, 255));
        }
    }
    QPainter p(&img);
    p.setPen(QPen(Qt::white, 8));
    p.drawRect(w / 10, h / 10, w / 3, h / 4);
    return img;
}

void writeImage(const QImage &img, const QString &file, const char *format, int quality)
{
    QImageWriter w(file, format);
    w.setQuality(quality);
    w.write(img);
}

} // namespace

int main(int argc, char **argv)
{
    HeapTuning::keepPictureBuffersInHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int width = 6000, height = 4000, small = 200;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--width"))
            width = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--height"))
            height = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--small"))
            small = args[i + 1].toInt();
    }

    QTemporaryDir dir;
    const QString jpeg = dir.filePath(QStringLiteral("photo.jpg"));
    {
        writeImage(photograph(width, height), jpeg, "jpeg", 90);
    }
    const double copyKb = width * double(height) * 3 / 1024.0;
    std::printf("Picture page of a %d x %d JPEG (%.1f MB file; working bitmap %.1f MB)\n", width,
                height, QFile(jpeg).size() / 1048576.0, copyKb / 1024.0);

    BenchHost host;
    TDM dm(&host, std::make_unique<SqliteEngine>());
    TImageEditor editor;
    editor.resize(1200, 800);
    editor.show();
    dm.registerEditor(EditorSlot::Picture, &editor);
    dm.DBCreate(dir.filePath(QStringLiteral("bench.sup")));
    const QSize view = editor.scrollBox()->viewport()->size();

    qint32 id = 0;
    {
        Phase p;
        editor.LoadPictureFile(jpeg);
        p.report("import: decode JPEG", copyKb);
    }
    QByteArray bmp;
    {
        Phase p;
        bmp = editor.saveContent();
        p.report("import: 24-bit BMP", copyKb);
    }
    editor.clearContent();
    {
        Phase p;
        editor.loadContent(bmp, QString());
        p.report("show: loadContent of the BMP", copyKb);
    }
    QByteArray packed;
    {
        Phase p;
        packed = FieldCompression::compress(bmp, 2);
        p.report("store: field compression (level 2)", copyKb);
    }
    std::printf("  (stored field: %.1f MB)\n", packed.size() / 1048576.0);
    bmp.clear();
    bmp.squeeze();
    {
        Phase p;
        bmp = FieldCompression::decompress(packed);
        p.report("show: field decompression", copyKb);
    }
    packed.clear();
    packed.squeeze();
    bmp.clear();
    bmp.squeeze();
    {
        Phase p;
        id = dm.AppendFile(jpeg, dm.tree()->root());
        p.report("import: AppendFile (decode+store)", copyKb);
    }
    editor.clearContent();
    {
        // Showing the page: what the user waits for between the click and the
        // picture (aim: under 1 s, no more than three copies in memory).
        QElapsedTimer timer;
        timer.start();
        const double cpu = cpuMs();
        const long base = statusKb("VmRSS");
        long peak = 0;
        {
            Phase p;
            dm.GetImage(id);
            peak =
                qMax(peak, p.base - base + p.report("show: GetImage (row, field, bitmap)", copyKb));
        }
        {
            Phase p;
            editor.renderImage(view);
            QCoreApplication::processEvents();
            peak = qMax(peak, p.base - base + p.report("show: first paint at 100 %", copyKb));
        }
        std::printf("  %-34s %8.1f ms wall %8.1f ms cpu   peak +%6.1f MB (%.2f copies)\n",
                    "show: total (GetImage + paint)", timer.nsecsElapsed() / 1e6, cpuMs() - cpu,
                    peak / 1024.0, peak / copyKb);
    }
    for (int z = 0; z < 1; ++z) {
        Phase p;
        editor.ZoomOut();
        editor.renderImage(view);
        p.report("zoom: 90 % + paint", copyKb);
    }
    {
        Phase p;
        while (editor.Zoom() > 20)
            editor.ZoomOut();
        editor.renderImage(view);
        p.report("zoom: 20 % (7 steps) + paint", copyKb);
    }
    {
        Phase p;
        editor.renderImage(view);
        p.report("zoom: repaint at 20 %", copyKb);
    }
    {
        Phase p;
        while (editor.Zoom() < 200)
            editor.ZoomIn();
        editor.renderImage(view);
        p.report("zoom: 200 % + paint", copyKb);
    }
    {
        Phase p;
        dm.SaveImage(id);
        p.report("store: SaveImage", copyKb);
    }
    {
        Phase p;
        editor.clearContent();
        p.report("leave: clearContent", copyKb);
    }
    std::printf("  resident after leaving the page: %.1f MB\n", statusKb("VmRSS") / 1024.0);

    // Small files: PNG drawings and JPEG photographs (320 x 240), CSV tables
    // and text documents, a quarter each.
    TWPEditor documents;
    TGridEditor tables;
    dm.registerEditor(EditorSlot::Document, &documents);
    dm.registerEditor(EditorSlot::Table, &tables);
    QStringList files;
    const QImage smallPhoto = photograph(320, 240);
    for (int i = 0; i < small; ++i) {
        QString f;
        switch (i % 4) {
        case 0:
            f = dir.filePath(QStringLiteral("small%1.png").arg(i));
            writeImage(smallPhoto, f, "png", 85);
            break;
        case 1:
            f = dir.filePath(QStringLiteral("small%1.jpg").arg(i));
            writeImage(smallPhoto, f, "jpeg", 85);
            break;
        case 2: {
            f = dir.filePath(QStringLiteral("table%1.csv").arg(i));
            QFile csv(f);
            csv.open(QIODevice::WriteOnly);
            for (int r = 0; r < 20; ++r)
                csv.write(QByteArray("Region ") + QByteArray::number(r) + "," +
                          QByteArray::number(r * i) + "," + QByteArray::number(r + i) + "\r\n");
            break;
        }
        default: {
            f = dir.filePath(QStringLiteral("note%1.txt").arg(i));
            QFile txt(f);
            txt.open(QIODevice::WriteOnly);
            for (int r = 0; r < 30; ++r)
                txt.write("A line of a small note that becomes a document page.\n");
            break;
        }
        }
        files << f;
    }
    ReportTree &tree = *dm.tree();
    ReportNode *folder =
        tree.addNode(tree.root(), QStringLiteral("Imported"), PageKind::Folder, -1);
    QElapsedTimer t;
    t.start();
    const double cpu = cpuMs();
    FileImport importer(dm, &host);
    const FileImport::Result result =
        importer.run(files, QPersistentModelIndex(tree.indexOf(folder)));
    std::printf("Import of %d small files (pictures 320 x 240 PNG and JPEG, CSV tables, text "
                "documents) into a folder: %.0f ms wall, %.0f ms cpu (%.2f ms wall each)%s\n",
                small, t.nsecsElapsed() / 1e6, cpuMs() - cpu,
                t.nsecsElapsed() / 1e6 / qMax(1, small),
                result.ok() ? "" : qPrintable(QStringLiteral(" FAILED: ") + result.message()));
    return 0;
}
