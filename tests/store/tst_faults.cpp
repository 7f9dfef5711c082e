// What hosts and disks may do to a report, and what the store does about it:
// rows with odd ids, kinds or damaged fields, files that are no reports,
// reports opened read-only, signal files that come during an intake or cannot
// be deleted, and a project file the host writes at the same time. What a
// host can do on either engine is tried on both.
#include "FakeStoreHost.h"

#include "StoreEngines.h"
#include "platform/TessaryError.h"
#include "platform/db/DbEngine.h"
#include "platform/db/EngineFactory.h"
#include "platform/db/SqliteEngine.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportSchema.h"
#include "store/TDM.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

namespace {
// Runs SQL on a report through a connection of its own, as a host would.
QString sql(const QString &file, const QString &statement)
{
    return StoreEngines::hostSql(file, statement);
}

QStringList captions(ReportNode *node)
{
    QStringList out;
    for (int i = 0; node && i < node->childCount(); ++i)
        out << QStringLiteral("%1:%2:%3")
                   .arg(node->child(i)->text)
                   .arg(node->child(i)->kind)
                   .arg(node->child(i)->data);
    return out;
}
} // namespace

class TestFaults : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        PageModified = CommentModified = false;
        ShownItemIndex = QPersistentModelIndex();
        QFile::remove(TDM::signalFilePath());
        QDir(TDM::signalFilePath()).removeRecursively();
    }

    void theOutlineRowIsIdZeroNeverTheFirstRow_data() { StoreEngines::addEngineColumn(); }
    void theOutlineRowIsIdZeroNeverTheFirstRow()
    {
        FETCH_REPORT("negative");
        {
            FakeStoreHost host;
            TDM dm(&host, EngineFactory::anyAddress());
            dm.DBCreate(address);
            dm.CloseFile();
        }
        // A host row with a negative id stands before the outline row.
        StoreEngines::hostRow(address, -5, 2, "H\tC\tNegative", "host bytes");
        FakeStoreHost host;
        TDM dm(&host, EngineFactory::anyAddress());
        dm.DBOpen(address);
        ReportNode *group = host.tree->findCaption(TDM::newItemsCaption());
        QCOMPARE(captions(group), QStringList({"Negative:2:-5"}));
        dm.SaveTree();
        FakeEditor editor;
        dm.registerEditor(EditorSlot::Chart, &editor);
        QVERIFY(dm.GetChart(-5));
        QCOMPARE(editor.content, QByteArray("host bytes"));
        // Deleting its node deletes the row, and only it.
        dm.DeleteNode(group->child(0));
        QCOMPARE(StoreEngines::hostSql(address, "SELECT count(*) FROM {T} WHERE \"PageId\" = -5"),
                 QString("0"));
        QCOMPARE(
            StoreEngines::hostSql(
                address, "SELECT count(*) FROM {T} WHERE \"PageId\" = 0 AND \"PageType\" = 10"),
            QString("1"));
    }

    void aReportWithoutOutlineRowGetsAFreshTree_data() { StoreEngines::addEngineColumn(); }
    void aReportWithoutOutlineRowGetsAFreshTree()
    {
        FETCH_REPORT("bare");
        {
            std::unique_ptr<DbEngine> engine = StoreEngines::engineFor(address);
            engine->createDatabase(address);
            ReportSchema::createOutputTable(*engine);
        }
        StoreEngines::hostRow(address, 3, 1, "H\tT\tTable");
        StoreEngines::hostRow(address, 9, 0, "H\tD\tText");
        FakeStoreHost host;
        TDM dm(&host, EngineFactory::anyAddress());
        dm.DBOpen(address);
        QCOMPARE(host.tree->root()->kind, int(PageKind::Root));
        QCOMPARE(captions(host.tree->findCaption(TDM::newItemsCaption())),
                 QStringList({"Table:1:3", "Text:0:9"}));
        // The intake stored the tree at once, into a new outline row.
        QCOMPARE(
            StoreEngines::hostSql(address, "SELECT \"PageType\" FROM {T} WHERE \"PageId\" = 0"),
            QString("10"));
        const CliResult tree = runCli({"tree", address});
        QVERIFY2(tree.out.contains("Table") && tree.out.contains("Text"), tree.err.constData());
    }

    void oddKindsArePlacedOnceAndDeletedWithTheirNode_data() { StoreEngines::addEngineColumn(); }
    void oddKindsArePlacedOnceAndDeletedWithTheirNode()
    {
        FETCH_REPORT("kinds");
        FakeStoreHost host;
        TDM dm(&host, EngineFactory::anyAddress());
        dm.DBCreate(address);
        // Folder and root kinds, NULL, unknown and 64-bit values that truncate to 10 and 11.
        const QList<QPair<QVariant, QString>> rows = {{11, "A"},           {10, "B"},
                                                      {QVariant(), "C"},   {99, "D"},
                                                      {4294967306LL, "E"}, {4294967307LL, "F"}};
        for (int i = 0; i < rows.size(); ++i)
            StoreEngines::hostRow(address, 20 + i, rows[i].first, "\t\t" + rows[i].second);
        dm.GetNewPages();
        dm.GetNewPages();
        ReportNode *group = host.tree->findCaption(TDM::newItemsCaption());
        QCOMPARE(captions(group),
                 QStringList({"A:4:20", "B:4:21", "C:4:22", "D:4:23", "E:4:24", "F:4:25"}));
        dm.CloseFile();
        dm.DBOpen(address);
        group = host.tree->findCaption(TDM::newItemsCaption());
        QCOMPARE(group->childCount(), 6);
        dm.DeleteNode(group);
        QCOMPARE(StoreEngines::hostSql(address, "SELECT count(*) FROM {T} WHERE \"PageId\" >= 20"),
                 QString("0"));
        dm.GetNewPages();
        QVERIFY(!host.tree->findCaption(TDM::newItemsCaption()));
    }

    void damagedRowsArePlacedAndNamedOnce_data() { StoreEngines::addEngineColumn(); }
    void damagedRowsArePlacedAndNamedOnce()
    {
        FETCH_REPORT("damaged");
        FakeStoreHost host;
        TDM dm(&host, EngineFactory::anyAddress());
        dm.DBCreate(address);
        // PageInfo is a compressed field: bytes that are no zlib stream
        // between good rows.
        StoreEngines::hostRow(address, 30, 0, "\t\tGood 1");
        StoreEngines::hostRow(address, 31, 0, "\t\tto be damaged");
        StoreEngines::hostRow(address, 32, 1, "\t\tGood 2");
        const QString bad =
            StoreEngines::isServer(address) ? "'\\x00112233'::bytea" : "x'00112233'";
        QCOMPARE(StoreEngines::hostSql(address, "UPDATE {T} SET \"PageInfo\" = " + bad +
                                                    " WHERE \"PageId\" = 31"),
                 QString());
        dm.GetNewPages();
        const QStringList placed = captions(host.tree->findCaption(TDM::newItemsCaption()));
        QCOMPARE(placed.size(), 3);
        QCOMPARE(placed.at(0), QString("Good 1:0:30"));
        QVERIFY2(placed.at(1).contains("31") && placed.at(1).contains("amaged"),
                 qPrintable(placed.at(1)));
        QCOMPARE(placed.at(2), QString("Good 2:1:32"));
        QCOMPARE(host.problems.size(), 1);
        QVERIFY(host.problems.first().contains("31"));
        // The next intake has nothing new and says nothing; the report reopens.
        dm.GetNewPages();
        QCOMPARE(host.problems.size(), 1);
        dm.CloseFile();
        dm.DBOpen(address);
        QCOMPARE(host.tree->findCaption(TDM::newItemsCaption())->childCount(), 3);
        // Loading the damaged page fails with a message, not a crash.
        FakeEditor editor;
        dm.registerEditor(EditorSlot::Document, &editor);
        QVERIFY_THROWS_EXCEPTION(std::exception, dm.GetWP(31));
        QVERIFY(dm.GetWP(30));
    }

    void filesThatAreNoReportsAreNeverWritten()
    {
        const QString dir = testTempDir();
        FakeStoreHost host;
        TDM dm(&host, std::make_unique<SqliteEngine>());
        // A zero-byte file stays zero bytes.
        const QString empty = dir + "/empty.sup";
        QFile(empty).open(QIODevice::WriteOnly);
        QVERIFY_THROWS_EXCEPTION(TessaryError, dm.DBOpen(empty));
        QCOMPARE(QFileInfo(empty).size(), 0);
        QVERIFY(!QFileInfo::exists(empty + "-wal"));
        QVERIFY(!dm.isOpen());
        QCOMPARE(host.tree->nodeCount(), 0);
        // A database without the page table is refused, and a folder is named as such.
        const QString other = dir + "/other.sup";
        sql(other, "CREATE TABLE t (x); PRAGMA journal_mode=DELETE");
        try {
            dm.DBOpen(other);
            QFAIL("opened a database that is no report");
        } catch (const TessaryError &e) {
            QVERIFY(e.message().contains("not a report"));
        }
        QCOMPARE(sql(other, "PRAGMA journal_mode"), QString("delete"));
        try {
            dm.DBOpen(dir);
            QFAIL("opened a folder");
        } catch (const TessaryError &e) {
            QVERIFY(e.message().contains("folder"));
        }
    }

    void readOnlyOpensChangeNothing()
    {
        const QString file = testTempDir() + "/rollback.sup";
        {
            FakeStoreHost host;
            TDM dm(&host, std::make_unique<SqliteEngine>());
            dm.DBCreate(file);
            dm.CloseFile();
        }
        sql(file, "PRAGMA journal_mode=DELETE");
        sql(file, "INSERT INTO OUTPUT (PageId, PageType, PageInfo) VALUES (40, 2, '\t\tUnplaced')");
        const QByteArray before = [&] {
            QFile f(file);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QFile(file).setPermissions(QFile::ReadOwner);
        // The command line lists, prints and shows the tree of a read-only report.
        for (const QStringList &args : {QStringList{"list", file}, QStringList{"tree", file},
                                        QStringList{"cat", file, "40"}}) {
            const CliResult r = runCli(args);
            QVERIFY2(r.exitCode == 0, r.err.constData());
            QVERIFY2(r.err.isEmpty(), r.err.constData());
        }
        {
            FakeStoreHost host;
            TDM dm(&host, std::make_unique<SqliteEngine>());
            dm.DBOpen(file, true);
            QCOMPARE(host.tree->nodeCount(), 3); // the unplaced row waits for a writable open
            dm.CloseFile();
        }
        QFile(file).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        QCOMPARE(f.readAll(), before);
        QCOMPARE(sql(file, "PRAGMA journal_mode"), QString("delete"));
    }

    void signalFilesDuringAndAfterAnIntake()
    {
        const QString file = testTempDir() + "/signal.sup";
        FakeStoreHost host;
        TDM dm(&host, std::make_unique<SqliteEngine>());
        dm.DBCreate(file);
        sql(file, "INSERT INTO OUTPUT (PageId, PageType, PageInfo) VALUES (50, 2, '\t\tFirst')");
        QFile(TDM::signalFilePath()).open(QIODevice::WriteOnly);
        // The host signals again while the intake places the first row.
        QMetaObject::Connection c = connect(host.tree, &QAbstractItemModel::rowsInserted, this, [] {
            QFile(TDM::signalFilePath()).open(QIODevice::WriteOnly);
        });
        QVERIFY(dm.signalPending());
        dm.GetNewPages();
        disconnect(c);
        QVERIFY(QFileInfo::exists(TDM::signalFilePath()));
        QVERIFY(dm.signalPending());
        dm.GetNewPages();
        QVERIFY(!QFileInfo::exists(TDM::signalFilePath()));

        // A signal that cannot be deleted is reported once and not taken again.
        QVERIFY(QDir().mkpath(TDM::signalFilePath() + "/stuck"));
        QVERIFY(dm.signalPending());
        dm.GetNewPages();
        QCOMPARE(host.problems.size(), 1);
        QVERIFY(!dm.signalPending());
        dm.GetNewPages();
        QCOMPARE(host.problems.size(), 1);
        QDir(TDM::signalFilePath()).removeRecursively();
    }

    void theHostsMarkIsNotRewrittenWhenItIsThere()
    {
        const QString file = testTempDir() + "/marked.sup";
        FakeStoreHost host;
        TDM dm(&host, std::make_unique<SqliteEngine>());
        dm.DBCreate(file);
        const QString kvb = ReportSchema::projectFilePath(file);
        // Last line in cp1252 without a line end, as a host may leave it.
        const QByteArray host1 = "[OPTIONS]\r\nSUP Modified=T\r\nName=Caf\xe9";
        {
            QFile f(kvb);
            f.open(QIODevice::WriteOnly);
            f.write(host1);
        }
        const QDateTime old = QDateTime::currentDateTime().addDays(-1);
        {
            QFile f(kvb);
            f.open(QIODevice::ReadWrite);
            f.setFileTime(old, QFileDevice::FileModificationTime);
        }
        dm.MarkReportModified();
        QCOMPARE(QFileInfo(kvb).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
        // With the key cleared by the host, the mark is written and every other byte kept.
        {
            QFile f(kvb);
            f.open(QIODevice::WriteOnly);
            f.write("[OPTIONS]\r\nSUP Modified=F\r\nName=Caf\xe9");
        }
        dm.MarkReportModified();
        QFile f(kvb);
        f.open(QIODevice::ReadOnly);
        QCOMPARE(f.readAll(), host1);
    }

    void aStoreWaitsForTheHostAndSaysSo()
    {
        const QString file = testTempDir() + "/locked.sup";
        FakeStoreHost host;
        TDM dm(&host, std::make_unique<SqliteEngine>());
        dm.DBCreate(file);
        // The host holds the write lock for a moment, from a process of its own.
        QProcess locker;
        locker.start("python3", {"-c",
                                 "import sqlite3, sys, time\n"
                                 "c = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                                 "c.execute('BEGIN EXCLUSIVE')\n"
                                 "print('locked', flush=True)\n"
                                 "time.sleep(1)\n"
                                 "c.execute('COMMIT')\n",
                                 file});
        QVERIFY(locker.waitForReadyRead(10000));
        QCOMPARE(locker.readLine().trimmed(), QByteArray("locked"));
        dm.SaveTree();
        QVERIFY(locker.waitForFinished(10000));
        QVERIFY(!host.statuses.isEmpty());
        QVERIFY(host.statuses.first().contains("host"));
        // The line goes once the program is back in its event loop.
        QTRY_VERIFY(host.statuses.last().isEmpty());
    }

    void deletingAFolderIsOneTransaction_data() { StoreEngines::addEngineColumn(); }
    void deletingAFolderIsOneTransaction()
    {
        FETCH_REPORT("delete");
        FakeStoreHost host;
        TDM dm(&host, EngineFactory::anyAddress());
        dm.DBCreate(address);
        ReportNode *folder = host.tree->addNode(host.tree->root(), "Folder", PageKind::Folder, -1);
        for (int i = 0; i < 50; ++i)
            host.tree->addNode(folder, "p", PageKind::Table, dm.AddRecord(PageKind::Table, "p"));
        dm.SaveTree();
        QCOMPARE(StoreEngines::hostSql(address, "SELECT count(*) FROM {T}"), QString("53"));
        dm.DeleteNode(folder);
        QCOMPARE(StoreEngines::hostSql(address, "SELECT count(*) FROM {T}"), QString("3"));
        QVERIFY(!runCli({"tree", address}).out.contains("Folder"));
    }
};

TESSARY_TEST(TestFaults)
#include "tst_faults.moc"
