// Prints the figures of the HTML export: a report of 1,000 pages (documents,
// tables and charts in folders of 50) exported whole, headless, with the
// program's own store and page editors; then the peak memory of the process.
#include "export/HtmlExport.h"
#include "export/PageEditors.h"
#include "platform/HeapTuning.h"
#include "platform/db/SqliteEngine.h"
#include "store/PageKind.h"
#include "store/ReportTree.h"
#include "store/StoreHost.h"
#include "store/TDM.h"
#include "tests/export/ReportBuilder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {
long peakRssKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

QString paragraphText(int i)
{
    QString text;
    for (int p = 0; p < 6; ++p)
        text += QStringLiteral("<p>Paragraph %1 of page %2: the answers of the second wave "
                               "show a <b>rise</b> in satisfaction, with <i>delivery time</i> "
                               "still the most frequent complaint.</p>")
                    .arg(p)
                    .arg(i);
    return text;
}

qint64 folderBytes(const QString &path)
{
    qint64 total = 0;
    for (const QFileInfo &f : QDir(path).entryInfoList(QDir::Files))
        total += f.size();
    return total;
}
} // namespace

int main(int argc, char **argv)
{
    HeapTuning::keepPictureBuffersInHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int pages = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;
    QTemporaryDir dir;
    const QString report = dir.filePath(QStringLiteral("big.SUP"));

    QElapsedTimer timer;
    timer.start();
    {
        ReportBuilder b(report);
        int folder = 0;
        for (int i = 0; i < pages; ++i) {
            if (i % 50 == 0)
                folder = b.folder(QStringLiteral("Folder %1").arg(i / 50));
            const QString title = QStringLiteral("Page %1").arg(i);
            switch (i % 3) {
            case 0:
                b.page(PageKind::Document, title, ReportBuilder::document(paragraphText(i)),
                       folder);
                break;
            case 1:
                b.page(PageKind::Table, title, ReportBuilder::table(12, 6), folder);
                break;
            default:
                b.page(PageKind::Chart, title, ReportBuilder::chart(title, 8), folder);
                break;
            }
        }
        b.finish();
    }
    std::printf("build a report of %d pages (documents, tables, charts): %lld ms\n", pages,
                timer.elapsed());

    StoreHost host;
    TDM store(&host, std::make_unique<SqliteEngine>());
    PageEditors editors;
    store.DBOpen(report, true);
    HtmlExport html(store, &editors);
    const QString out = dir.filePath(QStringLiteral("big.html"));
    timer.restart();
    for (EditorSlot slot :
         {EditorSlot::Document, EditorSlot::Table, EditorSlot::Chart, EditorSlot::Picture})
        store.registerEditor(slot, editors.content(slot));
    std::printf("make the four editors: %lld ms\n", timer.elapsed());
    // The first export also loads fonts and picture codecs.
    timer.restart();
    html.CreateHTML(dir.filePath(QStringLiteral("first.html")));
    std::printf("first HTML export of %d pages: %lld ms\n", pages, timer.elapsed());
    timer.restart();
    const HtmlExport::Result r = html.CreateHTML(out);
    const qint64 ms = timer.elapsed();
    std::printf("HTML export of %d pages: %lld ms (%d pages written, %d left out)\n", pages, ms,
                r.pages, int(r.failed.size()));
    std::printf("  HTML file %lld KB, %d pictures, %lld KB of pictures\n",
                QFileInfo(out).size() / 1024, int(r.pictures.size()),
                folderBytes(dir.filePath(QStringLiteral("big_files"))) / 1024);

    // The same export one kind at a time, to see where the time goes.
    const QList<ReportNode *> nodes = store.tree()->nodesInOrder();
    for (const auto &[kind, name] : {std::pair<int, const char *>{PageKind::Document, "documents"},
                                     {PageKind::Table, "tables"},
                                     {PageKind::Chart, "charts"}}) {
        HtmlExport one(store, &editors);
        one.isTicked = [&nodes, kind = kind](int i) { return nodes.at(i)->kind == kind; };
        timer.restart();
        const HtmlExport::Result part =
            one.CreateHTML(dir.filePath(QStringLiteral("%1.html").arg(QLatin1String(name))));
        std::printf("  %s only (%d pages): %lld ms\n", name, part.pages, timer.elapsed());
    }
    std::printf("peak memory: %ld MB\n", peakRssKb() / 1024);
    return r.written && r.failed.isEmpty() ? 0 : 1;
}
