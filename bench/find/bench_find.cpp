// Prints the figures of the global search: one "Find Next" on the main window
// with its real editors, from the first to the last of 10,000 pages (documents and
// tables, with comments), the only match being on the last page; the
// same with every page shown on the way, on fewer pages; and the headless
// search of the whole report that tessary-cli find runs.
#include "app/TTessaryM.h"
#include "app/WindowFindHost.h"
#include "export/GlobalFind.h"
#include "export/ReportSearch.h"
#include "export/StoredPages.h"
#include "platform/HeapTuning.h"
#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "platform/db/SqliteEngine.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/grid/GridData.h"
#include "platform/grid/GridStream.h"
#include "platform/treeview/TreeStream.h"
#include "store/PageKind.h"
#include "store/ReportSchema.h"
#include "store/ReportTree.h"
#include "store/TDM.h"

#include <QApplication>
#include <QElapsedTimer>
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

// Answers the one message ("Not found!") without a window.
class QuietDialogs : public Dialogs
{
public:
    int messages = 0;
    void message(QWidget *, const QString &, Icon) override { ++messages; }
    bool confirm(QWidget *, const QString &) override { return false; }
    std::optional<QString> inputText(QWidget *, const QString &, const QString &,
                                     const QString &) override
    {
        return std::nullopt;
    }
    QString openFile(QWidget *, const QString &, const QString &, const QString &, int) override
    {
        return {};
    }
    QStringList openFiles(QWidget *, const QString &, const QString &, const QString &,
                          int) override
    {
        return {};
    }
    QString saveFile(QWidget *, const QString &, const QString &, const QString &,
                     const QString &) override
    {
        return {};
    }
    std::optional<QColor> chooseColor(QWidget *, const QColor &) override { return std::nullopt; }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override { return std::nullopt; }
    bool print(QWidget *, QPrinter *) override { return false; }
    bool printerSetup(QWidget *, QPrinter *) override { return false; }
    bool printPreview(QWidget *, QPrinter *, const std::function<void(QPrinter *)> &) override
    {
        return false;
    }
    bool runDialog(QDialog *) override { return false; }
};

// A report of `pages` pages in folders of 100: documents of a few paragraphs,
// tables of 20 x 8 cells, each with a comment; "needle" only on the last page.
void makeReport(const QString &file, int pages)
{
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
    QString paragraphs;
    for (int p = 0; p < 12; ++p)
        paragraphs += QStringLiteral("<p>Paragraph %1 of the findings: respondents in the north "
                                     "region answered <b>more often</b> than in the south.</p>")
                          .arg(p);
    GridData grid;
    grid.reset(20, 8);
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < 8; ++c)
            grid.setText(r, c, QStringLiteral("%1 %2").arg(r * 8 + c).arg(c ? "count" : "label"));
    const QByteArray gridBytes = GridStream::write(grid);
    for (int i = 0; i < pages; ++i) {
        if (i % 100 == 0) {
            TreeNodeRecord folder;
            folder.text = QStringLiteral("Folder %1").arg(i / 100);
            folder.kind = PageKind::Folder;
            folder.data = -1;
            root.children.append(folder);
        }
        const bool last = i == pages - 1;
        TreeNodeRecord page;
        page.text = QStringLiteral("Page %1").arg(i);
        page.kind = i % 3 == 0 && !last ? PageKind::Table : PageKind::Document;
        QByteArray content;
        if (page.kind == PageKind::Document)
            content = (QStringLiteral("<html><body>") + paragraphs +
                       (last ? QStringLiteral("<p>the needle</p>") : QString()) +
                       QStringLiteral("</body></html>"))
                          .toUtf8();
        else
            content = gridBytes;
        page.data = ReportSchema::appendPageRow(*table, page.kind, page.text, content,
                                                QStringLiteral("Comment on page %1").arg(i));
        root.children.last().children.append(page);
    }
    table->locate(ReportSchema::PageId, qint64(0));
    table->edit();
    table->setBytes(ReportSchema::PageContent, TreeStream::write({root}));
    table->post();
    transaction.commit();
}

void findFromFirstPage(TTessaryM &window, TDM &dm, QuietDialogs &quiet, bool everyPage, int pages)
{
    WindowFindHost host(window);
    GlobalFindState state;
    GlobalFind find(host, state);
    find.showEveryPage = everyPage;
    find.options.text = QStringLiteral("needle");
    find.options.documents = find.options.tables = find.options.comments = true;
    dm.tree()->selectNode(dm.tree()->nodeAt(1));
    QCoreApplication::processEvents();
    const int before = quiet.messages;
    const long rss = peakRssKb();
    QElapsedTimer t;
    t.start();
    const bool found = find.FindBtnClick();
    const qint64 ms = t.elapsed();
    std::printf("find from the first to the last of %d pages%s: %lld ms (%s, %d pages shown, %d "
                "passed over%s); peak RSS %ld MB (+%ld MB)%s\n",
                pages, everyPage ? ", every page shown" : "", ms, found ? "found" : "NOT FOUND",
                find.visitedNodes(), find.skippedNodes(),
                quiet.messages > before ? ", a message" : "", peakRssKb() / 1024,
                (peakRssKb() - rss) / 1024, everyPage ? "" : " (aim < 1000 ms)");
}
} // namespace

int main(int argc, char **argv)
{
    HeapTuning::keepPictureBuffersInHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    auto quietOwned = std::make_unique<QuietDialogs>();
    QuietDialogs &quiet = *quietOwned;
    installDialogs(std::move(quietOwned));
    QTemporaryDir dir;
    TTessaryM window;
    TDM dm(&window, std::make_unique<SqliteEngine>());
    window.createEditors();
    window.show();

    for (const int pages : {10000, 500}) {
        const QString file = dir.filePath(QStringLiteral("find%1.sup").arg(pages));
        QElapsedTimer t;
        t.start();
        makeReport(file, pages);
        std::printf("made a report of %d pages in %lld ms\n", pages, t.elapsed());
        dm.DBOpen(file);
        QCoreApplication::processEvents();
        findFromFirstPage(window, dm, quiet, pages == 500, pages);
        if (pages == 500)
            findFromFirstPage(window, dm, quiet, false, pages);

        StoredPages stored(dm);
        ReportSearch search(*dm.tree(), [&](const ReportNode *n, QByteArray *c, QString *m) {
            return stored.read(n->kind == PageKind::Root ? 0 : n->data, c, m);
        });
        GlobalFindOptions o;
        o.text = QStringLiteral("needle");
        o.documents = o.tables = o.comments = o.titles = true;
        t.restart();
        const int hits = int(search.run(o).size());
        std::printf("headless search of all %d pages (tessary-cli find): %lld ms, %d hit(s)\n",
                    pages, t.elapsed(), hits);
        o.text = QStringLiteral("respondents");
        t.restart();
        const int many = int(search.run(o).size());
        std::printf("headless search of a word on every document page: %lld ms, %d hits\n",
                    t.elapsed(), many);
    }
    return 0;
}
