// Prints the figures of the report store on both engines, a report file and a
// report on a PostgreSQL server, for 10,000 and 200,000 pages: opening the
// report (tree loaded, intake that finds nothing), the intake of one row
// appended by another connection, and SaveTree. The server is the one named
// by TESSARY_TEST_PG, else a throwaway cluster started for the run.
#include "platform/HeapTuning.h"
#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "platform/db/EngineFactory.h"
#include "platform/db/FieldCompression.h"
#include "platform/db/ReportAddress.h"
#include "platform/treeview/TreeStream.h"
#include "store/CompressedTreeStream.h"
#include "store/PageKind.h"
#include "store/ReportSchema.h"
#include "store/ReportTree.h"
#include "store/StoreHost.h"
#include "store/TDM.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
QString run(const QString &program, const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(program, args);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(600000) || p.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program),
                     p.readAllStandardError().constData());
        std::exit(1);
    }
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// The stored tree: folders of 100 pages with ids 1..pages.
QByteArray treeOf(int pages)
{
    TreeNodeRecord root;
    root.text = "Project name";
    root.kind = PageKind::Root;
    for (int i = 0; i < pages; ++i) {
        if (i % 100 == 0) {
            TreeNodeRecord folder;
            folder.text = QStringLiteral("Folder %1").arg(i / 100);
            folder.kind = PageKind::Folder;
            folder.data = -1;
            root.children.append(folder);
        }
        TreeNodeRecord page;
        page.text = QStringLiteral("Page %1").arg(i + 1);
        page.kind = PageKind::Document;
        page.data = i + 1;
        root.children.last().children.append(page);
    }
    return TreeStream::write({root});
}

// A report of `pages` small pages written with plain SQL, as a host's bulk
// load would: the table made by the engine, the rows by one INSERT ... SELECT.
void makeReport(const QString &address, int pages)
{
    {
        std::unique_ptr<DbEngine> engine = EngineFactory::engineFor(address);
        engine->createDatabase(address);
        ReportSchema::createOutputTable(*engine);
        auto table = engine->table(ReportSchema::Table);
        table->open();
        ReportSchema::appendOutlineRow(*table, treeOf(pages));
    }
    const QByteArray info = FieldCompression::compress("Host\tFREQ\tPage", 2).toHex();
    const QByteArray content = FieldCompression::compress("<p>A small page</p>", 2).toHex();
    if (ReportAddress::isServer(address)) {
        const ReportAddress a = ReportAddress::parse(address);
        run("psql",
            {a.connectionUri(), "-qAtX", "-v", "ON_ERROR_STOP=1", "-c",
             QStringLiteral("INSERT INTO %1.\"OUTPUT\" (\"PageDate\", \"PageInfo\", "
                            "\"PageType\", \"PageContent\") SELECT localtimestamp(3), "
                            "'\\x%2'::bytea, 0, '\\x%3'::bytea FROM generate_series(1, %4); "
                            "ANALYZE %1.\"OUTPUT\";")
                 .arg(a.report(), QString::fromLatin1(info), QString::fromLatin1(content))
                 .arg(pages)});
    } else {
        run("sqlite3",
            {address,
             QStringLiteral("WITH RECURSIVE c(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM c "
                            "WHERE i < %1) INSERT INTO OUTPUT (PageDate, PageInfo, "
                            "PageType, PageContent) SELECT '2026-01-01T00:00:00.000', "
                            "x'%2', 0, x'%3' FROM c;")
                 .arg(pages)
                 .arg(QString::fromLatin1(info), QString::fromLatin1(content))});
    }
}

void measure(const QString &engineName, const QString &address, int pages)
{
    QElapsedTimer t;
    t.start();
    makeReport(address, pages);
    const qint64 makeMs = t.elapsed();

    StoreHost host;
    TDM dm(&host, EngineFactory::anyAddress());
    t.restart();
    dm.DBOpen(address);
    const qint64 openMs = t.elapsed();
    const int nodes = dm.tree()->nodeCount();

    // One row appended by another connection, then the intake that places it
    // (and stores the tree, as every intake that places rows does).
    std::unique_ptr<DbEngine> other = EngineFactory::engineFor(address);
    other->connect(address);
    auto table = other->table(ReportSchema::Table);
    table->open();
    ReportSchema::appendPageRow(*table, PageKind::Chart, "a\tb\tNew row", "{}");
    t.restart();
    const auto found =
        dm.engine().rowsOutside(ReportSchema::Table, ReportSchema::PageType, {{0, pages}});
    const qint64 findMs = t.elapsed();
    t.restart();
    dm.GetNewPages();
    const qint64 intakeMs = t.elapsed();
    const bool placed = dm.tree()->findCaption("New items") &&
                        dm.tree()->findCaption("New items")->childCount() == 1 && found.size() == 1;
    t.restart();
    dm.GetNewPages();
    const qint64 emptyIntakeMs = t.elapsed();
    // Later intakes of one more row each: their median and slowest.
    std::vector<double> later;
    for (int i = 0; i < 15; ++i) {
        ReportSchema::appendPageRow(*table, PageKind::Table, "a\tb\tLater row", "{}");
        QElapsedTimer one;
        one.start();
        dm.GetNewPages();
        later.push_back(double(one.nsecsElapsed()) / 1e6);
    }
    std::sort(later.begin(), later.end());
    const double laterIntakeMs = later[later.size() / 2];
    const double laterIntakeMax = later.back();

    // SaveTree after renaming a node somewhere in the middle, and with nothing changed.
    const int rounds = 10;
    t.restart();
    for (int i = 0; i < rounds; ++i) {
        dm.tree()->setText(dm.tree()->nodeAt(nodes / 2 + i * 37),
                           QStringLiteral("Renamed %1").arg(i));
        dm.SaveTree();
    }
    const double saveMs = double(t.elapsed()) / rounds;
    t.restart();
    for (int i = 0; i < rounds; ++i)
        dm.SaveTree();
    const double unchangedMs = double(t.elapsed()) / rounds;
    // The steps, one by one: the tree stream written and read (straight and
    // through the general JSON code), compressed whole and after a change,
    // its digest, and on the engine the digest of the stored tree and its write.
    ReportTree &tree = *dm.tree();
    t.restart();
    const QByteArray stream = tree.saveToStream();
    const qint64 writeMs = t.elapsed();
    t.restart();
    TreeStream::write(tree.records());
    const qint64 generalWriteMs = t.elapsed();
    t.restart();
    ReportTree loaded;
    loaded.loadFromStream(stream);
    const qint64 readMs = t.elapsed();
    t.restart();
    loaded.loadRecords(TreeStream::read(stream));
    const qint64 generalReadMs = t.elapsed();
    CompressedTreeStream z;
    t.restart();
    const QByteArray stored = z.compress(tree.topNode(), 2);
    const qint64 coldMs = t.elapsed();
    tree.setText(tree.nodeAt(nodes / 3), QStringLiteral("Renamed once more"));
    t.restart();
    z.compress(tree.topNode(), 2);
    const qint64 warmMs = t.elapsed();
    t.restart();
    QCryptographicHash::hash(stored, QCryptographicHash::Md5);
    const qint64 md5Ms = t.elapsed();
    auto own = dm.engine().table(ReportSchema::Table);
    own->open();
    own->locate(ReportSchema::PageId, 0);
    t.restart();
    own->storedDigest(ReportSchema::PageContent);
    const qint64 digestMs = t.elapsed();
    t.restart();
    {
        DbTransaction transaction(dm.engine());
        own->edit();
        own->setStoredBytes(ReportSchema::PageContent, stored);
        own->post();
        transaction.commit();
    }
    const qint64 storeMs = t.elapsed();
    own.reset();
    dm.CloseFile();
    std::printf("%-6s %7d pages, steps: stream %d bytes written in %lld ms (general JSON writer "
                "%lld ms), read in %lld ms (general reader %lld ms); compressed to %d bytes in "
                "%lld ms, again after a rename %lld ms; MD5 %lld ms; digest of the stored tree "
                "%lld ms; write of it %lld ms\n",
                qPrintable(engineName), pages, int(stream.size()), writeMs, generalWriteMs, readMs,
                generalReadMs, int(stored.size()), coldMs, warmMs, md5Ms, digestMs, storeMs);

    std::printf("%-6s %7d pages (%d nodes): made in %lld ms; open %lld ms; intake of 1 new row "
                "%lld ms (finding it %lld ms, tree stored)%s, of a later one %.1f ms (median of "
                "15, slowest %.1f ms); intake "
                "finding nothing %lld ms; SaveTree after a rename %.1f ms, unchanged %.1f ms\n",
                qPrintable(engineName), pages, nodes, makeMs, openMs, intakeMs, findMs,
                placed ? "" : " [NOT PLACED]", laterIntakeMs, laterIntakeMax, emptyIntakeMs, saveMs,
                unchangedMs);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char **argv)
{
    HeapTuning::keepPictureBuffersInHeap();
    QCoreApplication app(argc, argv);
    // Arguments (optional): "file" or "server" for one engine only, and page
    // counts in place of 10000 and 200000.
    QStringList engines{"file", "server"};
    QList<int> sizes;
    for (const QString &a : app.arguments().mid(1)) {
        if (a == "file" || a == "server")
            engines = QStringList{a};
        else if (a.toInt() > 0)
            sizes << a.toInt();
    }
    if (sizes.isEmpty())
        sizes = {10000, 200000};
    QTemporaryDir dir;
    QString server = qEnvironmentVariable("TESSARY_TEST_PG");
    QString clusterDir;
    const QString script = QStringLiteral(TESSARY_SOURCE_DIR "/scripts/pg-test-cluster");
    if (server.isEmpty() && engines.contains("server")) {
        clusterDir =
            QStringLiteral("/tmp/tessary-pg-bench-%1").arg(QCoreApplication::applicationPid());
        server = run("bash", {script, "start", clusterDir});
    }
    for (const int pages : std::as_const(sizes)) {
        if (engines.contains("file"))
            measure("file", dir.filePath(QStringLiteral("bench%1.sup").arg(pages)), pages);
        if (engines.contains("server"))
            measure("server",
                    ReportAddress::withReport(
                        server, QStringLiteral("bench_%1_%2")
                                    .arg(pages)
                                    .arg(QUuid::createUuid().toString(QUuid::Id128).left(8))),
                    pages);
    }
    if (!clusterDir.isEmpty())
        run("bash", {script, "stop", clusterDir});
    return 0;
}
