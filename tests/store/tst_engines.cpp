// The report store on both engines: a report file (SQLite) and a report on a
// PostgreSQL server (named by TESSARY_TEST_PG; `make test` starts a throwaway
// cluster for it). Every test runs once per engine; the server rows are
// skipped only when no server is named.
#include "FakeStoreHost.h"

#include "platform/TessaryError.h"
#include "platform/db/AddressedEngine.h"
#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "platform/db/EngineFactory.h"
#include "platform/db/FieldCompression.h"
#include "platform/db/PgEngine.h"
#include "platform/db/ReportAddress.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportSchema.h"
#include "store/TDM.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestReport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QUuid>
#include <QtTest>
#include <zlib.h>

namespace {
QString serverBase()
{
    return qEnvironmentVariable("TESSARY_TEST_PG");
}

// A report of its own on the test server, so that test programs running at
// the same time never meet.
QString serverReport()
{
    const QString base = serverBase();
    if (base.isEmpty())
        return QString();
    return ReportAddress::withReport(base, QStringLiteral("t_") +
                                               QUuid::createUuid().toString(QUuid::Id128).left(16));
}

void addEngines()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("file") << testTempDir() + "/report.sup";
    QTest::newRow("server") << serverReport();
}

#define FETCH_ADDRESS()                                                                            \
    QFETCH(QString, address);                                                                      \
    if (address.isEmpty())                                                                         \
        QSKIP("No PostgreSQL server named: set TESSARY_TEST_PG (make test starts one)");

// Runs psql on a server report's database and returns its unaligned output.
QString psql(const QString &address, const QString &sql)
{
    QProcess p;
    p.start(QStringLiteral("psql"), {ReportAddress::parse(address).connectionUri(),
                                     QStringLiteral("-AtX"), QStringLiteral("-c"), sql});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        qWarning() << "psql failed:" << p.readAllStandardError();
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QByteArray inflate(const QByteArray &in)
{
    QByteArray out(1 << 20, '\0');
    uLongf len = uLongf(out.size());
    if (uncompress(reinterpret_cast<Bytef *>(out.data()), &len,
                   reinterpret_cast<const Bytef *>(in.constData()), uLong(in.size())) != Z_OK)
        return QByteArray("<not a zlib stream>");
    out.resize(int(len));
    return out;
}

QStringList childTexts(ReportNode *node)
{
    QStringList out;
    for (int i = 0; node && i < node->childCount(); ++i)
        out << QStringLiteral("%1:%2").arg(node->child(i)->text).arg(node->child(i)->kind);
    return out;
}

// Every node but the root: level, caption, kind and data word.
QStringList outline(const ReportTree &tree)
{
    QStringList out;
    for (ReportNode *n : tree.nodesInOrder())
        if (n != tree.root())
            out << QStringLiteral("%1 %2:%3:%4")
                       .arg(ReportTree::level(n))
                       .arg(n->text)
                       .arg(n->kind)
                       .arg(n->data);
    return out;
}

ReportNode *childNamed(ReportNode *parent, const QString &text)
{
    for (int i = 0; parent && i < parent->childCount(); ++i)
        if (parent->child(i)->text == text)
            return parent->child(i);
    return nullptr;
}
} // namespace

class TestEngines : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        PageModified = CommentModified = false;
        ShownItemIndex = QPersistentModelIndex();
        QFile::remove(TDM::signalFilePath());
    }

    void rowsKeepEveryFieldExactly_data() { addEngines(); }
    void rowsKeepEveryFieldExactly()
    {
        FETCH_ADDRESS();
        std::unique_ptr<DbEngine> engine = EngineFactory::engineFor(address);
        engine->createDatabase(address);
        ReportSchema::createOutputTable(*engine);

        // The table describes itself: the same fields, kinds and compression.
        const FieldDefs fields = engine->tableFields(ReportSchema::Table);
        const FieldDefs want = ReportSchema::outputFields();
        QCOMPARE(fields.size(), want.size());
        for (int i = 0; i < want.size(); ++i) {
            QCOMPARE(fields[i].name, want[i].name);
            QCOMPARE(int(fields[i].type), int(want[i].type));
            QCOMPARE(fields[i].compressionLevel, want[i].compressionLevel);
        }

        QByteArray binary;
        for (int i = 0; i < 200000; ++i)
            binary.append(char(QRandomGenerator::global()->bounded(256)));
        binary[0] = '\0';
        const QString unicode = QStringLiteral("Zażółć gęślą jaźń\r\nñ €\t✓");
        auto table = engine->table(ReportSchema::Table);
        int deletes = 0;
        table->afterDelete = [&] { ++deletes; };
        table->open();
        QVERIFY(table->eof());
        ReportSchema::appendOutlineRow(*table, "tree bytes");
        const qint32 a = ReportSchema::appendPageRow(*table, 2, "a\tb\tChart", binary, unicode);
        const qint32 b = ReportSchema::appendPageRow(*table, 0, QString());
        QVERIFY(a >= 1 && b > a);

        // A second connection sees what the first wrote, field for field.
        std::unique_ptr<DbEngine> other = EngineFactory::engineFor(address);
        other->connect(address, true);
        QVERIFY(other->isReadOnly());
        auto t2 = other->table(ReportSchema::Table);
        t2->open();
        QCOMPARE(t2->asInteger(ReportSchema::PageId), 0);
        QCOMPARE(t2->asText(ReportSchema::PageInfo), QString("Outline"));
        QCOMPARE(t2->asBytes(ReportSchema::PageContent), QByteArray("tree bytes"));
        QVERIFY(t2->locate(ReportSchema::PageId, a));
        QCOMPARE(t2->asBytes(ReportSchema::PageContent), binary);
        QCOMPARE(t2->asText(ReportSchema::PageComment), unicode);
        QCOMPARE(t2->asInteger(ReportSchema::PageType), 2);
        QVERIFY(t2->isNull(ReportSchema::PageRandomKey));
        const QDateTime date = t2->asDateTime(ReportSchema::PageDate);
        QVERIFY(qAbs(date.secsTo(QDateTime::currentDateTime())) < 600);
        QVERIFY(t2->locate(ReportSchema::PageId, b));
        QVERIFY(t2->isNull(ReportSchema::PageInfo));
        QVERIFY(t2->isNull(ReportSchema::PageContent));
        QVERIFY(!t2->locate(ReportSchema::PageId, 999999));
        QCOMPARE(t2->asInteger(ReportSchema::PageId), b); // position kept
        // Locating on an integer field, and walking in the natural order.
        QVERIFY(t2->locate(ReportSchema::PageType, 2));
        QCOMPARE(t2->asInteger(ReportSchema::PageId), a);
        QList<qint64> ids;
        for (t2->first(); !t2->eof(); t2->next())
            ids << t2->asInteger(ReportSchema::PageId);
        QCOMPARE(ids, (QList<qint64>{0, a, b}));
        // A read-only connection writes nothing.
        t2->first();
        t2->edit();
        t2->setText(ReportSchema::PageInfo, "changed");
        QVERIFY_THROWS_EXCEPTION(TessaryError, t2->post());

        // Editing, deleting, and a transaction that is rolled back.
        QVERIFY(table->locate(ReportSchema::PageId, b));
        table->edit();
        table->setText(ReportSchema::PageInfo, "x\ty\tRenamed");
        table->setInteger(ReportSchema::PageRandomKey, -5);
        table->post();
        QCOMPARE(table->asText(ReportSchema::PageInfo), QString("x\ty\tRenamed"));
        QCOMPARE(table->asInteger(ReportSchema::PageRandomKey), -5);
        {
            DbTransaction transaction(*engine);
            ReportSchema::appendPageRow(*table, 1, "dropped");
        }
        qint32 c = 0;
        {
            DbTransaction transaction(*engine);
            c = ReportSchema::appendPageRow(*table, 1, "kept");
            transaction.commit();
        }
        QVERIFY(table->locate(ReportSchema::PageId, a));
        table->deleteRow();
        QCOMPARE(deletes, 1);
        QCOMPARE(table->asInteger(ReportSchema::PageId), b);
        ids.clear();
        for (t2->first(); !t2->eof(); t2->next())
            ids << t2->asInteger(ReportSchema::PageId);
        QCOMPARE(ids, (QList<qint64>{0, b, c}));

        // An id written by hand is kept, and later ids come after it.
        table->append();
        table->setInteger(ReportSchema::PageId, 5000);
        table->setInteger(ReportSchema::PageType, 3);
        table->post();
        QCOMPARE(table->asInteger(ReportSchema::PageId), 5000);
        QVERIFY(ReportSchema::appendPageRow(*table, 0, "after") > 5000);

        // The rows outside held id ranges, found without walking the table.
        const auto outside = engine->rowsOutside(ReportSchema::Table, ReportSchema::PageType,
                                                 {{0, b}, {5000, 5000}});
        QCOMPARE(outside.size(), 2);
        QCOMPARE(outside[0].first, qint64(c));
        QCOMPARE(outside[0].second.toLongLong(), 1);
        QVERIFY(outside[1].first > 5000);
        QCOMPARE(engine->rowsOutside(ReportSchema::Table, ReportSchema::PageType, {}).size(), 5);
        const auto none =
            engine->rowsOutside(ReportSchema::Table, ReportSchema::PageType, {{-100, 100000}});
        QVERIFY(none.isEmpty());

        if (ReportAddress::isServer(address)) {
            // What a host sees with plain SQL: the report's schema, BYTEA
            // holding zlib streams, and the declared forms in the comments.
            const QString schema = ReportAddress::parse(address).report();
            const QString hex =
                psql(address, QStringLiteral("SELECT encode(\"PageInfo\", 'hex') "
                                             "FROM %1.\"OUTPUT\" WHERE \"PageId\" = 0")
                                  .arg(schema));
            QCOMPARE(inflate(QByteArray::fromHex(hex.toLatin1())), QByteArray("Outline"));
            QCOMPARE(
                psql(address, QStringLiteral("SELECT col_description('%1.\"OUTPUT\"'::regclass, 6)")
                                  .arg(schema)),
                QString("MEMO_Z9"));
        }
    }

    void storeWorksTheSame_data() { addEngines(); }
    void storeWorksTheSame()
    {
        FETCH_ADDRESS();
        FakeStoreHost host;
        FakeEditor doc;
        {
            TDM dm(&host, EngineFactory::anyAddress());
            dm.registerEditor(EditorSlot::Document, &doc);
            dm.DBCreate(address);
            ReportTree &t = *host.tree;
            QCOMPARE(t.nodeCount(), 3);
            QCOMPARE(childTexts(t.root()), (QStringList{"First document:0", "Second document:0"}));
            if (ReportAddress::isServer(address))
                QVERIFY2(host.caption.startsWith("Tessary - T_") &&
                             host.caption.endsWith("@POSTGRES"),
                         qPrintable(host.caption));

            const qint32 id = dm.AddRecord(PageKind::Document, "Third");
            doc.content = "<p>stored page</p>";
            dm.SaveWP(id);
            ReportNode *third = t.addNode(t.root(), "Third", PageKind::Document, id);
            host.comment = "line one\nline two";
            dm.SaveComment(id);
            ReportNode *folder = t.addNode(t.root(), "Folder", PageKind::Folder, -1);
            t.moveNode(third, folder, 0);
            t.selectNode(third);
            dm.SaveTree();
            // Deleting a node deletes its row.
            const qint32 second = t.nodeAt(2)->data;
            dm.DeleteNode(t.nodeAt(2));
            doc.content.clear();
            QVERIFY(!dm.GetWP(second));
            dm.CloseFile();
            QCOMPARE(t.nodeCount(), 0);
        }
        {
            TDM dm(&host, EngineFactory::anyAddress());
            dm.registerEditor(EditorSlot::Document, &doc);
            dm.DBOpen(address);
            ReportTree &t = *host.tree;
            QCOMPARE(childTexts(t.root()), (QStringList{"First document:0", "Folder:11"}));
            ReportNode *third = childNamed(childNamed(t.root(), "Folder"), "Third");
            QVERIFY(third);
            QCOMPARE(t.selectedNode(), third);
            QVERIFY(dm.GetWP(third->data));
            QCOMPARE(doc.content, QByteArray("<p>stored page</p>"));
            dm.GetComment(third->data);
            QCOMPARE(host.comment, QString("line one\nline two"));
            dm.CloseFile();
            // Read-only: shown, never written.
            dm.DBOpen(address, true);
            QCOMPARE(host.tree->nodeCount(), 4);
            QVERIFY(dm.AddRecord(PageKind::Document, "refused") == -1);
            dm.CloseFile();
        }
        // No project file is made for a server report, anywhere.
        if (ReportAddress::isServer(address))
            QVERIFY(!QDir("postgresql:").exists());
    }


    // The digest of a stored field is what it is now, whoever wrote it last:
    // this connection (kept or not), another connection, or a write undone.
    void storedDigestFollowsEveryWriter_data() { addEngines(); }
    void storedDigestFollowsEveryWriter()
    {
        FETCH_ADDRESS();
        const auto md5 = [](const QByteArray &b) {
            return QCryptographicHash::hash(b, QCryptographicHash::Md5);
        };
        const auto zipped = [](const char *text) { return FieldCompression::compress(text, 2); };
        std::unique_ptr<DbEngine> one = EngineFactory::engineFor(address);
        one->createDatabase(address);
        ReportSchema::createOutputTable(*one);
        auto mine = one->table(ReportSchema::Table);
        mine->open();
        const qint32 id = ReportSchema::appendPageRow(*mine, PageKind::Document, "a\tb\tPage",
                                                      "first content");
        std::unique_ptr<DbEngine> two = EngineFactory::engineFor(address);
        two->connect(address);
        auto theirs = two->table(ReportSchema::Table);
        theirs->open();
        const auto storedNow = [&] {
            bool compressed = false;
            auto fresh = two->table(ReportSchema::Table);
            fresh->open();
            fresh->locate(ReportSchema::PageId, qint64(id));
            return fresh->storedBytes(ReportSchema::PageContent, &compressed);
        };

        QVERIFY(mine->locate(ReportSchema::PageId, qint64(id)));
        bool compressed = false;
        const QByteArray first = mine->storedBytes(ReportSchema::PageContent, &compressed);
        QVERIFY(compressed);
        QCOMPARE(mine->storedDigest(ReportSchema::PageContent), md5(first));

        // Written by another connection, in stored form and as plain bytes.
        QVERIFY(theirs->locate(ReportSchema::PageId, qint64(id)));
        theirs->edit();
        theirs->setStoredBytes(ReportSchema::PageContent, zipped("their content"));
        theirs->post();
        QCOMPARE(mine->storedDigest(ReportSchema::PageContent), md5(zipped("their content")));
        theirs->edit();
        theirs->setBytes(ReportSchema::PageContent, "their plain content");
        theirs->post();
        QCOMPARE(mine->storedDigest(ReportSchema::PageContent), md5(storedNow()));

        // Written here: kept, then changed again in the same transaction
        // through the plain accessor, then a write undone.
        {
            DbTransaction transaction(*one);
            mine->edit();
            mine->setStoredBytes(ReportSchema::PageContent, zipped("my content"));
            mine->post();
            QCOMPARE(mine->storedDigest(ReportSchema::PageContent), md5(zipped("my content")));
            mine->edit();
            mine->setBytes(ReportSchema::PageContent, "my plain content");
            mine->post();
            const QByteArray digest = mine->storedDigest(ReportSchema::PageContent);
            const QByteArray plain = mine->storedBytes(ReportSchema::PageContent, &compressed);
            QCOMPARE(FieldCompression::decompress(plain), QByteArray("my plain content"));
            QCOMPARE(digest, md5(plain));
            transaction.commit();
        }
        const QByteArray committed = storedNow();
        {
            DbTransaction transaction(*one);
            mine->edit();
            mine->setStoredBytes(ReportSchema::PageContent, zipped("undone"));
            mine->post();
            QCOMPARE(mine->storedDigest(ReportSchema::PageContent), md5(zipped("undone")));
        }
        QVERIFY(mine->locate(ReportSchema::PageId, qint64(id)));
        QCOMPARE(mine->storedDigest(ReportSchema::PageContent), md5(committed));
        QCOMPARE(theirs->storedDigest(ReportSchema::PageContent), md5(committed));

        // An empty field has no digest.
        theirs->edit();
        theirs->setStoredBytes(ReportSchema::PageContent, QByteArray());
        theirs->post();
        QCOMPARE(mine->storedDigest(ReportSchema::PageContent), QByteArray());
    }

    void intakePlacesExactlyTheRowsNoNodeHolds_data() { addEngines(); }
    void intakePlacesExactlyTheRowsNoNodeHolds()
    {
        FETCH_ADDRESS();
        FakeStoreHost host;
        TDM dm(&host, EngineFactory::anyAddress());
        dm.DBCreate(address);
        ReportTree &t = *host.tree;
        const qint32 first = t.nodeAt(1)->data;

        // Rows written by another connection, as a host writes them.
        std::unique_ptr<DbEngine> hostEngine = EngineFactory::engineFor(address);
        hostEngine->connect(address);
        auto table = hostEngine->table(ReportSchema::Table);
        table->open();
        const qint32 r1 = ReportSchema::appendPageRow(*table, 2, "x\ty\tChart one");
        const qint32 r2 = ReportSchema::appendPageRow(*table, 1, "only\tone tab");
        const qint32 r3 = ReportSchema::appendPageRow(*table, 0, "a\tb\tDoc\tmore");
        // A row already held by a node elsewhere is not placed again.
        ReportNode *folder = t.addNode(t.root(), "Elsewhere", PageKind::Folder, -1);
        t.addNode(folder, "held", PageKind::Table, r2);

        dm.GetNewPages();
        ReportNode *group = childNamed(t.root(), "New items");
        QVERIFY(group);
        QCOMPARE(childTexts(group), (QStringList{"Chart one:2", "Doc:0"}));
        QCOMPARE(group->child(0)->data, r1);
        QCOMPARE(group->child(1)->data, r3);
        // Nothing new: nothing placed; more rows join the same folder.
        dm.GetNewPages();
        QCOMPARE(group->childCount(), 2);
        QVERIFY(table->locate(ReportSchema::PageId, r1));
        table->deleteRow();
        const qint32 r4 = ReportSchema::appendPageRow(*table, 3, "p\tq\tPicture");
        dm.GetNewPages();
        QCOMPARE(childTexts(group), (QStringList{"Chart one:2", "Doc:0", "Picture:3"}));
        QCOMPARE(group->child(2)->data, r4);
        QVERIFY(t.nodeAt(1)->data == first);

        // The placed rows are part of the stored tree: reopening places nothing more.
        dm.CloseFile();
        dm.DBOpen(address);
        QCOMPARE(childTexts(childNamed(host.tree->root(), "New items")).size(), 3);
    }

    void twoWindowsKeepOneTreeAndEveryPage_data() { addEngines(); }
    void twoWindowsKeepOneTreeAndEveryPage()
    {
        FETCH_ADDRESS();
        FakeStoreHost host1, host2;
        TDM dm1(&host1, EngineFactory::anyAddress());
        dm1.DBCreate(address);
        TDM dm2(&host2, EngineFactory::anyAddress());
        dm2.DBOpen(address);
        ReportTree &t1 = *host1.tree;
        ReportTree &t2 = *host2.tree;

        // The first window moves a page into a new folder and stores its tree.
        ReportNode *folder = t1.addNode(t1.root(), "Folder A", PageKind::Folder, -1);
        t1.moveNode(t1.nodeAt(2), folder, 0);
        dm1.SaveTree();

        // The second window, still on the old tree, shows a page and adds one:
        // its store is refused, nothing of the first window's arrangement is undone.
        ReportNode *first2 = t2.nodeAt(1);
        ShownItemIndex = QPersistentModelIndex(t2.indexOf(first2));
        t2.selectNode(first2);
        const qint32 mine = dm2.AddRecord(PageKind::Document, "Mine");
        t2.addNode(t2.root(), "Mine", PageKind::Document, mine);
        QVERIFY_THROWS_EXCEPTION(TreeChangedElsewhere, dm2.SaveTree());
        dm2.ReloadTree();
        // The shown page stays shown and selected; the new page is kept, under "New items".
        QVERIFY(t2.node(ShownItemIndex));
        QCOMPARE(t2.node(ShownItemIndex)->text, QString("First document"));
        QCOMPARE(t2.selectedNode(), t2.node(ShownItemIndex));
        QCOMPARE(childTexts(childNamed(t2.root(), "Folder A")), QStringList{"Second document:0"});
        QCOMPARE(childTexts(childNamed(t2.root(), "New items")), QStringList{":0"});
        QCOMPARE(childNamed(t2.root(), "New items")->child(0)->data, mine);

        // The first window, now out of date, reloads in its turn: one tree for both.
        t1.setText(t1.nodeAt(1), "Renamed here");
        QVERIFY_THROWS_EXCEPTION(TreeChangedElsewhere, dm1.SaveTree());
        dm1.ReloadTree();
        QCOMPARE(outline(t1), outline(t2));
        // Every row has exactly one node.
        QSet<qint32> rows;
        {
            std::unique_ptr<DbEngine> check = EngineFactory::engineFor(address);
            check->connect(address, true);
            auto table = check->table(ReportSchema::Table);
            table->open();
            for (table->first(); !table->eof(); table->next())
                if (table->asInteger(ReportSchema::PageId) != 0)
                    rows.insert(qint32(table->asInteger(ReportSchema::PageId)));
        }
        QSet<qint32> held;
        int pageNodes = 0;
        for (ReportNode *n : t1.nodesInOrder())
            if (PageKind::holdsPageId(n->kind) && n->data != 0) {
                held.insert(n->data);
                ++pageNodes;
            }
        QCOMPARE(held, rows);
        QCOMPARE(pageNodes, rows.size());
        // Both stores go on storing normally.
        dm1.SaveTree();
        dm2.ReloadTree();
        dm2.SaveTree();
        dm2.CloseFile();
        dm1.CloseFile();
        ShownItemIndex = QPersistentModelIndex();
    }

    void serverAnnouncesRowsFromAnotherProcess()
    {
        const QString address = serverReport();
        if (address.isEmpty())
            QSKIP("No PostgreSQL server named: set TESSARY_TEST_PG (make test starts one)");
        FakeStoreHost host;
        TDM dm(&host, EngineFactory::anyAddress());
        int announced = 0;
        dm.engine().onRowsAdded = [&] { ++announced; };
        dm.DBCreate(address);
        QVERIFY(!dm.signalPending());

        // The host is another process: tessary-cli appends a row and NOTIFYs.
        const CliResult r = runCli({"add", address, "--kind", "chart", "--info",
                                    "a\tb\tFrom the host", "--stdin", "--signal"},
                                   "{}");
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QVERIFY(r.err.isEmpty());
        const qint32 id = qint32(r.out.trimmed().toInt());
        QVERIFY(id > 0);
        // No signal file for a server report: the server tells.
        QVERIFY(!QFile::exists(TDM::signalFilePath()));
        QTRY_VERIFY_WITH_TIMEOUT(announced > 0, 20000);
        QVERIFY(dm.signalPending());
        dm.GetNewPages();
        QVERIFY(!dm.signalPending());
        ReportNode *group = childNamed(host.tree->root(), "New items");
        QCOMPARE(childTexts(group), QStringList{"From the host:2"});
        QCOMPARE(group->child(0)->data, id);

        // Without an event loop the announcement is still seen when asked for.
        const CliResult again = runCli(
            {"add", address, "--kind", "table", "--info", "a\tb\tSecond", "--stdin", "--signal"},
            "{}");
        QCOMPARE(again.exitCode, 0);
        QTRY_VERIFY_WITH_TIMEOUT(dm.signalPending(), 20000);
        dm.GetNewPages();
        QCOMPARE(group->childCount(), 2);
        // Rows added without --signal are not announced.
        QCOMPARE(
            runCli({"add", address, "--kind", "table", "--info", "a\tb\tQuiet", "--stdin"}, "{}")
                .exitCode,
            0);
        QVERIFY(!dm.signalPending());
    }

    // The server ends this window's connection: the window says so, connects
    // again by itself, places the rows appended meanwhile and hears the host
    // again.
    void lostServerConnectionIsMadeAgain()
    {
        const QString address = serverReport();
        if (address.isEmpty())
            QSKIP("No PostgreSQL server named: set TESSARY_TEST_PG (make test starts one)");
        FakeStoreHost host;
        TDM dm(&host, EngineFactory::anyAddress());
        dm.DBCreate(address);
        auto *addressed = dynamic_cast<AddressedEngine *>(&dm.engine());
        QVERIFY(addressed);
        auto *engine = dynamic_cast<PgEngine *>(&addressed->current());
        QVERIFY(engine);
        const int before = engine->backendPid();
        QVERIFY(before > 0);
        QCOMPARE(psql(address, QStringLiteral("SELECT pg_terminate_backend(%1)").arg(before)),
                 QString("t"));
        // Rows appended while the connection is down: their announcement is lost.
        const CliResult r = runCli({"add", address, "--kind", "chart", "--info",
                                    "a\tb\tWhile away", "--stdin", "--signal"},
                                   "{}");
        QVERIFY2(r.exitCode == 0, r.err.constData());
        // An action in between fails with a message that says why.
        try {
            dm.engine().tableExists(ReportSchema::Table);
        } catch (const std::exception &e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains("connection"), e.what());
        }
        // The intake tick finds the connection lost, says so, and connects again.
        QTRY_VERIFY_WITH_TIMEOUT(dm.signalPending(), 20000);
        QVERIFY(engine->backendPid() != before);
        QVERIFY(engine->connectionProblem().isEmpty());
        QVERIFY2(host.statuses.size() >= 2, qPrintable(host.statuses.join(" | ")));
        QVERIFY(host.statuses.at(host.statuses.size() - 2).contains("was lost"));
        QCOMPARE(host.statuses.last(), QString("The connection to the server is back."));
        dm.GetNewPages();
        ReportNode *group = childNamed(host.tree->root(), "New items");
        QCOMPARE(childTexts(group), QStringList{"While away:2"});
        // The host is heard again.
        int announced = 0;
        dm.engine().onRowsAdded = [&] { ++announced; };
        QCOMPARE(runCli({"add", address, "--kind", "table", "--info", "a\tb\tAfter", "--stdin",
                         "--signal"},
                        "{}")
                     .exitCode,
                 0);
        QTRY_VERIFY_WITH_TIMEOUT(announced > 0, 20000);
        dm.GetNewPages();
        QCOMPARE(childTexts(group), (QStringList{"While away:2", "After:1"}));
        // The tree is stored on the new connection.
        dm.CloseFile();
        QVERIFY(runCli({"tree", address}).out.contains("After"));
    }

    void badAddressesAreRefused()
    {
        QVERIFY(ReportAddress::isServer("postgresql://h/db?report=r"));
        QVERIFY(ReportAddress::isServer("postgres://h/db?report=r"));
        QVERIFY(!ReportAddress::isServer("/tmp/postgresql.sup"));
        const ReportAddress a =
            ReportAddress::parse("postgresql://ann@db.example:5433/team?report=q3"
                                 "&sslmode=require");
        QCOMPARE(a.report(), QString("q3"));
        QCOMPARE(a.connectionUri(),
                 QString("postgresql://ann@db.example:5433/team?sslmode=require"));
        QCOMPARE(a.displayName(), QString("q3@team"));
        QCOMPARE(ReportAddress::withReport("postgresql://h/db?host=/x&report=a", "b"),
                 QString("postgresql://h/db?host=/x&report=b"));
        for (const char *bad :
             {"postgresql://h/db", "postgresql://ann:secret@h/db?report=r",
              "postgresql://h/db?report=r&password=x", "postgresql://h/db?report=1abc",
              "postgresql://h/db?report=a;drop"}) {
            QVERIFY_THROWS_EXCEPTION(TessaryError, ReportAddress::parse(bad));
        }
        // A server that cannot be reached, and a report the server does not hold.
        FakeStoreHost host;
        TDM dm(&host, EngineFactory::anyAddress());
        try {
            dm.DBOpen("postgresql://nobody@/postgres?host=/nonexistent-folder&report=r");
            QFAIL("opened a report on a missing server");
        } catch (const TessaryError &e) {
            QVERIFY2(e.message().contains("Cannot connect"), qPrintable(e.message()));
        }
        QVERIFY(!dm.isOpen());
        const QString missing = serverReport();
        if (!missing.isEmpty()) {
            try {
                dm.DBOpen(missing);
                QFAIL("opened a report the server does not hold");
            } catch (const TessaryError &e) {
                QVERIFY2(e.message().contains("no report"), qPrintable(e.message()));
            }
        }
        // A file report opens in the same store afterwards.
        const QString file = testTempDir() + "/after.sup";
        dm.DBCreate(file);
        QVERIFY(dm.isOpen());
        QCOMPARE(dm.databaseFileName(), file);
    }
};

TESSARY_TEST(TestEngines)
#include "tst_engines.moc"
