// What hosts and disks may do to a report, and what the store does about it:
// rows with odd ids, kinds or damaged fields, files that are no reports,
// reports opened read-only, signal files that come during an intake or cannot
// be deleted, and a project file the host writes at the same time.
#include "FakeStoreHost.h"

#include "platform/TessaryError.h"
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
#include <sqlite3.h>

namespace {
// Runs SQL on a report through a connection of its own, as a host would.
QString sql(const QString &file, const QString &statement)
{
    sqlite3 *db = nullptr;
    sqlite3_open(file.toUtf8().constData(), &db);
    sqlite3_busy_timeout(db, 5000);
    QString result;
    char *error = nullptr;
    sqlite3_exec(
        db, statement.toUtf8().constData(),
        [](void *out, int n, char **values, char **) {
            for (int i = 0; i < n; ++i)
                *static_cast<QString *>(out) +=
                    QString::fromUtf8(values[i] ? values[i] : "NULL") + (i + 1 < n ? "|" : "\n");
            return 0;
        },
        &result, &error);
    if (error) {
        result = QStringLiteral("error: ") + QString::fromUtf8(error);
        sqlite3_free(error);
    }
    sqlite3_close(db);
    return result.trimmed();
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

    void theOutlineRowIsIdZeroNeverTheFirstRow()
    {
        const QString file = testTempDir() + "/negative.sup";
        {
            FakeStoreHost host;
            TDM dm(&host, std::make_unique<SqliteEngine>());
            dm.DBCreate(file);
            dm.CloseFile();
        }
        // A host row with a negative id stands before the outline row.
        QCOMPARE(sql(file, "INSERT INTO OUTPUT (PageId, PageType, PageInfo, PageContent) "
                           "VALUES (-5, 2, 'H\tC\tNegative', 'host bytes')"),
                 QString());
        FakeStoreHost host;
        TDM dm(&host, std::make_unique<SqliteEngine>());
        dm.DBOpen(file);
        ReportNode *group = host.tree->findCaption(TDM::newItemsCaption());
        QCOMPARE(captions(group), QStringList({"Negative:2:-5"}));
        dm.SaveTree();
        QCOMPARE(sql(file, "SELECT PageContent FROM OUTPUT WHERE PageId = -5"),
                 QString("host bytes"));
        // Deleting its node deletes the row, and only it.
        dm.DeleteNode(group->child(0));
        QCOMPARE(sql(file, "SELECT count(*) FROM OUTPUT WHERE PageId = -5"), QString("0"));
        QCOMPARE(sql(file, "SELECT count(*) FROM OUTPUT WHERE PageId = 0 AND PageType = 10"),
                 QString("1"));
    }

    void aReportWithoutOutlineRowGetsAFreshTree()
    {
        const QString file = testTempDir() + "/bare.sup";
        {
            SqliteEngine engine;
            engine.createDatabase(file);
            ReportSchema::createOutputTable(engine);
        }
        sql(file, "INSERT INTO OUTPUT (PageId, PageType, PageInfo) VALUES (3, 1, 'H\tT\tTable')");
        sql(file, "INSERT INTO OUTPUT (PageId, PageType, PageInfo) VALUES (9, 0, 'H\tD\tText')");
        FakeStoreHost host;
        TDM dm(&host, std::make_unique<SqliteEngine>());
        dm.DBOpen(file);
        QCOMPARE(host.tree->root()->kind, int(PageKind::Root));
        QCOMPARE(captions(host.tree->findCaption(TDM::newItemsCaption())),
                 QStringList({"Table:1:3", "Text:0:9"}));
        // The intake stored the tree at once, into a new outline row.
        QCOMPARE(sql(file, "SELECT PageType FROM OUTPUT WHERE PageId = 0"), QString("10"));
        const CliResult tree = runCli({"tree", file});
        QVERIFY2(tree.out.contains("Table") && tree.out.contains("Text"), tree.err.constData());
    }

    void oddKindsArePlacedOnceAndDeletedWithTheirNode()
    {
        const QString file = testTempDir() + "/kinds.sup";
        FakeStoreHost host;
        TDM dm(&host, std::make_unique<SqliteEngine>());
        dm.DBCreate(file);
        // Folder and root kinds, NULL, unknown and 64-bit values that truncate to 10 and 11.
        sql(file, "INSERT INTO OUTPUT (PageId, PageType, PageInfo) VALUES "
                  "(20, 11, '\t\tA'), (21, 10, '\t\tB'), (22, NULL, '\t\tC'), (23, 99, '\t\tD'), "
                  "(24, 4294967306, '\t\tE'), (25, 4294967307, '\t\tF')");
        dm.GetNewPages();
        dm.GetNewPages();
        ReportNode *group = host.tree->findCaption(TDM::newItemsCaption());
        QCOMPARE(captions(group),
                 QStringList({"A:4:20", "B:4:21", "C:4:22", "D:4:23", "E:4:24", "F:4:25"}));
        dm.CloseFile();
        dm.DBOpen(file);
        group = host.tree->findCaption(TDM::newItemsCaption());
        QCOMPARE(group->childCount(), 6);
        dm.DeleteNode(group);
        QCOMPARE(sql(file, "SELECT count(*) FROM OUTPUT WHERE PageId >= 20"), QString("0"));
        dm.GetNewPages();
        QVERIFY(!host.tree->findCaption(TDM::newItemsCaption()));
    }

    void damagedRowsArePlacedAndNamedOnce()
    {
        const QString file = testTempDir() + "/damaged.sup";
        FakeStoreHost host;
        TDM dm(&host, std::make_unique<SqliteEngine>());
        dm.DBCreate(file);
        // PageInfo is a compressed field: a blob that is no zlib stream, and
        // one that inflates to bytes that are not UTF-8, between good rows.
        sql(file, "INSERT INTO OUTPUT (PageId, PageType, PageInfo) VALUES (30, 0, '\t\tGood 1')");
        sql(file, "INSERT INTO OUTPUT (PageId, PageType, PageInfo) VALUES (31, 0, x'00112233')");
        sql(file, "INSERT INTO OUTPUT (PageId, PageType, PageInfo) VALUES (32, 1, '\t\tGood 2')");
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
        dm.DBOpen(file);
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

    void deletingAFolderIsOneTransaction()
    {
        const QString file = testTempDir() + "/delete.sup";
        FakeStoreHost host;
        TDM dm(&host, std::make_unique<SqliteEngine>());
        dm.DBCreate(file);
        ReportNode *folder = host.tree->addNode(host.tree->root(), "Folder", PageKind::Folder, -1);
        for (int i = 0; i < 50; ++i)
            host.tree->addNode(folder, "p", PageKind::Table, dm.AddRecord(PageKind::Table, "p"));
        dm.SaveTree();
        QCOMPARE(sql(file, "SELECT count(*) FROM OUTPUT"), QString("53"));
        dm.DeleteNode(folder);
        QCOMPARE(sql(file, "SELECT count(*) FROM OUTPUT"), QString("3"));
        QVERIFY(!runCli({"tree", file}).out.contains("Folder"));
    }
};

TESSARY_TEST(TestFaults)
#include "tst_faults.moc"
