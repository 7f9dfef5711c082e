// Prints the figures of the report store on large reports: opening a report of
// 10,000 pages and showing its tree, storing the tree, and the intake of 5,000
// rows appended by another connection, from the signal file to the nodes shown.
#include "app/TTessaryM.h"
#include "platform/HeapTuning.h"
#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "platform/db/SqliteEngine.h"
#include "platform/treeview/TreeStream.h"
#include "store/PageKind.h"
#include "store/ReportSchema.h"
#include "store/ReportTree.h"
#include "store/TDM.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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

// A report of `pages` pages in folders of 100, written as a host would.
void makeReport(const QString &file, int pages)
{
    QElapsedTimer timer;
    timer.start();
    SqliteEngine engine;
    engine.createDatabase(file);
    DbTransaction transaction(engine);
    ReportSchema::createOutputTable(engine);
    auto table = engine.table(ReportSchema::Table);
    table->open();
    ReportSchema::appendOutlineRow(*table, {});
    TreeNodeRecord root;
    root.text = "Project name";
    root.kind = PageKind::Root;
    const QByteArray content(2000, 'x');
    for (int i = 0; i < pages; ++i) {
        if (i % 100 == 0) {
            TreeNodeRecord folder;
            folder.text = QStringLiteral("Folder %1").arg(i / 100);
            folder.kind = PageKind::Folder;
            folder.data = -1;
            root.children.append(folder);
        }
        const QString info = QStringLiteral("Host\tFREQ\tPage %1").arg(i);
        TreeNodeRecord page;
        page.text = QStringLiteral("Page %1").arg(i);
        page.kind = i % 3 == 0 ? PageKind::Table : PageKind::Document;
        page.data = ReportSchema::appendPageRow(*table, page.kind, info, content);
        root.children.last().children.append(page);
    }
    table->locate(ReportSchema::PageId, qint64(0));
    table->edit();
    table->setBytes(ReportSchema::PageContent, TreeStream::write({root}));
    table->post();
    transaction.commit();
    std::printf("build a report of %d pages in one transaction: %lld ms\n", pages, timer.elapsed());
}

void appendRows(const QString &file, int rows)
{
    SqliteEngine engine;
    engine.connect(file);
    auto table = engine.table(ReportSchema::Table);
    table->open();
    for (int i = 0; i < rows; ++i)
        ReportSchema::appendPageRow(*table, PageKind::Chart, QStringLiteral("a\tb\tNew %1").arg(i),
                                    "chart");
}
} // namespace

int main(int argc, char **argv)
{
    HeapTuning::keepPictureBuffersInHeap();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath("big.sup");
    const int pages = 10000;
    QElapsedTimer t;
    t.start();
    makeReport(file, pages);
    std::printf("made a report of %d pages in %lld ms\n", pages, t.elapsed());

    TTessaryM window;
    TDM dm(&window, std::make_unique<SqliteEngine>());
    window.show();
    QCoreApplication::processEvents();
    const long rssBefore = peakRssKb();
    t.restart();
    dm.DBOpen(file);
    QCoreApplication::processEvents();
    const qint64 openMs = t.elapsed();
    std::printf(
        "open %d pages and show the tree: %lld ms (aim < 300 ms); peak RSS %ld MB (+%ld MB)\n",
        pages, openMs, peakRssKb() / 1024, (peakRssKb() - rssBefore) / 1024);

    const int rounds = 20;
    t.restart();
    for (int i = 0; i < rounds; ++i)
        dm.SaveTree();
    std::printf("SaveTree on %d nodes: %.1f ms each (aim < 50 ms)\n", dm.tree()->nodeCount(),
                double(t.elapsed()) / rounds);

    // Intake of 5,000 rows: from the signal file to the nodes shown, poll included.
    const int fresh = 5000;
    appendRows(file, fresh);
    QFile signal(TDM::signalFilePath());
    signal.open(QIODevice::WriteOnly);
    signal.close();
    t.restart();
    auto shown = [&] {
        const ReportNode *n = dm.tree()->findCaption(QStringLiteral("New items"));
        return n && n->childCount() >= fresh;
    };
    while (!shown() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    std::printf("intake of %d rows, signal file to nodes shown: %lld ms (poll wait included; aim < "
                "1000 ms)\n",
                fresh, t.elapsed());
    // The intake alone, without the poll, on a tree that already holds every row.
    t.restart();
    dm.GetNewPages();
    std::printf("an intake that finds nothing new on %d nodes: %lld ms\n", dm.tree()->nodeCount(),
                t.elapsed());
    t.restart();
    dm.SaveTree();
    std::printf("SaveTree on %d nodes: %lld ms\n", dm.tree()->nodeCount(), t.elapsed());
    // Deleting a folder of 5,000 pages with their rows, in one transaction.
    ReportNode *big = dm.tree()->findCaption(QStringLiteral("New items"));
    const int bigCount = big ? big->childCount() : 0;
    t.restart();
    dm.DeleteNode(big);
    std::printf("delete a folder of %d pages with their rows: %lld ms\n", bigCount, t.elapsed());
    dm.CloseFile();
    return 0;
}
