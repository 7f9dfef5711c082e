// The report file: creating, opening and closing a report, the host project
// file, the remembered selection, and reports that cannot be read. What does
// not depend on a file (the selection, closing) is tried on both engines.
#include "FakeStoreHost.h"

#include "StoreEngines.h"
#include "platform/TessaryError.h"
#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "platform/db/EngineFactory.h"
#include "platform/db/SqliteEngine.h"
#include "platform/ini/IniFile.h"
#include "platform/treeview/TreeStream.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/TDM.h"
#include "tests/support/TestReport.h"

#include "tests/support/TestMain.h"
#include <QCryptographicHash>
#include <QFile>
#include <QProcess>

#include <QtTest>
#include <zlib.h>

namespace {
// Runs the plain sqlite3 command on a report and returns its output lines.
QStringList sqlite3(const QString &file, const QString &sql)
{
    QProcess p;
    p.start(QStringLiteral("sqlite3"),
            {QStringLiteral("-separator"), QStringLiteral("|"), file, sql});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        qWarning() << "sqlite3 failed:" << p.readAllStandardError();
    return QString::fromUtf8(p.readAllStandardOutput())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Inflates a zlib stream with plain zlib.
QByteArray inflateHex(const QString &hex)
{
    const QByteArray in = QByteArray::fromHex(hex.toLatin1());
    QByteArray out(1 << 20, '\0');
    uLongf len = uLongf(out.size());
    if (uncompress(reinterpret_cast<Bytef *>(out.data()), &len,
                   reinterpret_cast<const Bytef *>(in.constData()), uLong(in.size())) != Z_OK)
        return QByteArray("<not a zlib stream>");
    out.resize(int(len));
    return out;
}

// Replaces the stored tree through a connection of its own, as another program would.
void writeOutline(const QString &file, const QByteArray &stream)
{
    std::unique_ptr<DbEngine> raw = StoreEngines::engineFor(file);
    raw->connect(file);
    auto table = raw->table("OUTPUT");
    table->open();
    table->first();
    table->edit();
    table->setBytes("PageContent", stream);
    table->post();
}

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}
} // namespace

class TestReport : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        PageModified = CommentModified = false;
        ShownItemIndex = QPersistentModelIndex();
        dir = testTempDir();
    }

    void createGivesThreeRowsReadableByPlainTools()
    {
        FakeStoreHost host;
        FakeEditor doc;
        TDM dm(&host, std::make_unique<SqliteEngine>());
        dm.registerEditor(EditorSlot::Document, &doc);
        const QString file = dir + "/My Report.sup";
        dm.DBCreate(file);

        // The tree: root "Project name" with the two documents, expanded, nothing selected.
        ReportTree &t = *host.tree;
        QCOMPARE(t.nodeCount(), 3);
        ReportNode *root = t.nodeAt(0);
        QCOMPARE(root->text, QString("Project name"));
        QCOMPARE((root)->kind, int(PageKind::Root));
        QCOMPARE(t.nodeAt(1)->text, QString("First document"));
        QCOMPARE(t.nodeAt(2)->text, QString("Second document"));
        QVERIFY(!t.selectedNode());
        QCOMPARE(host.caption, QString("Tessary - MY REPORT.SUP"));
        const qint32 first = (t.nodeAt(1))->data;
        const qint32 second = (t.nodeAt(2))->data;
        QVERIFY(first >= 1 && second > first);

        // The rows as any SQLite client sees them, the text inflated with plain zlib.
        const QStringList rows = sqlite3(file, "select PageId, PageType, hex(PageInfo), "
                                               "PageRandomKey is null from OUTPUT order by rowid");
        QCOMPARE(rows.size(), 3);
        const QStringList outline = rows[0].split('|');
        QCOMPARE(outline[0], QString("0"));
        QCOMPARE(outline[1], QString("10"));
        QCOMPARE(inflateHex(outline[2]), QByteArray("Outline"));
        QCOMPARE(rows[1].split('|')[0].toInt(), first);
        QCOMPARE(inflateHex(rows[1].split('|')[2]), QByteArray("First document"));
        QCOMPARE(inflateHex(rows[2].split('|')[2]), QByteArray("Second document"));
        QCOMPARE(rows[2].split('|')[3], QString("1"));

        // The outline row holds the tree stream, zlib-compressed.
        const QStringList tree =
            sqlite3(file, "select hex(PageContent) from OUTPUT where PageId = 0");
        const QByteArray json = inflateHex(tree.value(0));
        QVERIFY2(json.startsWith("{") && json.contains("\"tessary-tree\"") &&
                     json.contains("Second document"),
                 json.constData());
        // Creating neither writes the host project file nor selects a node.
        QVERIFY(!QFile::exists(dir + "/My Report.KVB"));

        // Creating again over the file replaces the pages.
        dm.AddRecord(PageKind::Document, "extra");
        dm.DBCreate(file);
        QCOMPARE(sqlite3(file, "select count(*) from OUTPUT").value(0), QString("3"));
    }

    void openRestoresTheRememberedSelection_data() { StoreEngines::addEngineColumn(); }
    void openRestoresTheRememberedSelection()
    {
        FETCH_REPORT("sel");
        FakeStoreHost host;
        TDM dm(&host, EngineFactory::anyAddress());
        const QString file = address;
        dm.DBCreate(file);
        ReportTree &t = *host.tree;
        ReportNode *root = t.nodeAt(0);
        t.addNode(root, "third", PageKind::Folder, -1);
        t.addNode(root, "fourth", PageKind::Folder, -1);

        // SaveTree stores the selected position in the root's data word.
        t.selectNode(t.nodeAt(2));
        dm.SaveTree();
        QCOMPARE((t.nodeAt(0))->data, 2);
        dm.DBOpen(file);
        QCOMPARE(t.absoluteIndex(t.selectedNode()), 2);
        QCOMPARE(t.selectedNode()->text, QString("Second document"));
        QVERIFY(host.showNodeCalls >= 1);
        QVERIFY(host.hideMenusCalls >= 1);

        // 0, 1 and values not below the node count select position 1.
        QVector<TreeNodeRecord> records = t.records();
        for (int stored : {0, 1, 5, 99, -7}) {
            dm.CloseFile();
            records[0].data = stored;
            writeOutline(file, TreeStream::write(records));
            dm.DBOpen(file);
            QCOMPARE(t.absoluteIndex(t.selectedNode()), 1);
        }
        // Position 4 (the last node) is restored.
        t.selectNode(t.nodeAt(4));
        dm.CloseFile();
        dm.DBOpen(file);
        QCOMPARE(t.selectedNode()->text, QString("fourth"));
    }

    void closingKeepsEveryRowAndStoresTheTree_data() { StoreEngines::addEngineColumn(); }
    void closingKeepsEveryRowAndStoresTheTree()
    {
        FETCH_REPORT("close");
        FakeStoreHost host;
        TDM dm(&host, EngineFactory::anyAddress());
        const QString file = address;
        dm.DBCreate(file);
        host.tree->addNode(host.tree->nodeAt(0), "unsaved folder", PageKind::Folder, -1);
        dm.CloseFile();
        QVERIFY(!dm.isOpen());
        QVERIFY(dm.databaseFileName().isEmpty());
        QCOMPARE(host.tree->nodeCount(), 0);
        QVERIFY(!ShownItemIndex.isValid());
        QCOMPARE(StoreEngines::rowCount(file), 3);
        // While closed, every page operation is a no-op.
        QCOMPARE(dm.AddRecord(PageKind::Document, "x"), -1);
        dm.SaveTree();
        QVERIFY(!dm.GetWP(1));
        dm.DBOpen(file);
        QCOMPARE(host.tree->nodeCount(), 4);
        QCOMPARE(host.tree->nodeAt(3)->text, QString("unsaved folder"));

        // A modified page is stored through the window before the file closes.
        PageModified = true;
        const int before = host.showNodeCalls;
        dm.CloseFile();
        QVERIFY(host.showNodeCalls > before);
    }

    void projectFileMarksAndPublicName()
    {
        FakeStoreHost host;
        TDM dm(&host, std::make_unique<SqliteEngine>());
        const QString file = dir + "/proj.sup";
        dm.DBCreate(file);
        dm.DBOpen(file);
        // No project file: the caption names the report itself.
        QCOMPARE(host.caption, QString("Tessary - PROJ.SUP"));
        QVERIFY(!QFile::exists(dir + "/proj.KVB"));
        dm.MarkReportModified();
        IniFile kvb(dir + "/proj.KVB");
        QCOMPARE(kvb.readString("OPTIONS", "SUP Modified"), QString("T"));

        // The host's public name is used for the caption; its other lines stay.
        QFile f(dir + "/proj.KVB");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("; host project\r\n[OPTIONS]\r\nPublic File Name=C:\\Data\\Survey 2026.sup\r\n"
                "Other=1\r\n[VARS]\r\nA=B\r\n");
        f.close();
        dm.DBOpen(file);
        QCOMPARE(host.caption, QString("Tessary - SURVEY 2026.SUP"));
        QCOMPARE(dm.PublicFileName(), QString("C:\\Data\\Survey 2026.sup"));
        dm.MarkReportModified();
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        f.close();
        QVERIFY2(
            text.startsWith(
                "; host project\r\n[OPTIONS]\r\nPublic File Name=C:\\Data\\Survey 2026.sup\r\n"),
            text.constData());
        QVERIFY(text.contains("SUP Modified=T\r\n"));
        QVERIFY(text.contains("[VARS]\r\nA=B"));

        // A project file whose extension differs in case is the one used.
        QVERIFY(QFile::rename(dir + "/proj.KVB", dir + "/proj.kvb"));
        dm.DBOpen(file);
        QCOMPARE(host.caption, QString("Tessary - SURVEY 2026.SUP"));
        dm.MarkReportModified();
        QVERIFY(!QFile::exists(dir + "/proj.KVB"));
    }

    void unreadableReportsLeaveNothingWritten()
    {
        FakeStoreHost host;
        TDM dm(&host, std::make_unique<SqliteEngine>());
        // A missing file.
        QVERIFY_THROWS_EXCEPTION(TessaryError, dm.DBOpen(dir + "/missing.sup"));
        QVERIFY(!dm.isOpen());
        QVERIFY(host.caption.contains("MISSING.SUP"));
        // A file that is not a database.
        QFile junk(dir + "/junk.sup");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        QVERIFY_THROWS_EXCEPTION(TessaryError, dm.DBOpen(dir + "/junk.sup"));
        QVERIFY(!dm.isOpen());
        // A database without the page table.
        QVERIFY(QProcess::execute("sqlite3", {dir + "/other.sup", "create table T(a)"}) == 0);
        QVERIFY_THROWS_EXCEPTION(TessaryError, dm.DBOpen(dir + "/other.sup"));
        QVERIFY(!dm.isOpen());

        // A report whose stored tree is damaged (a broken zlib stream, or a
        // stream that is not a tree) is refused and left as it was.
        const QString file = dir + "/damaged.sup";
        dm.DBCreate(file);
        dm.CloseFile();
        for (int variant = 0; variant < 2; ++variant) {
            if (variant == 0)
                QVERIFY(QProcess::execute(
                            "sqlite3",
                            {file, "update OUTPUT set PageContent = x'789c0b' where PageId = 0"}) ==
                        0);
            else
                writeOutline(file, "{\"format\":\"something-else\"}");
            const QByteArray before = fileHash(file);
            try {
                dm.DBOpen(file);
                QFAIL("a damaged tree was accepted");
            } catch (const TessaryError &e) {
                QVERIFY2(!e.message().isEmpty(), "no message");
            }
            QVERIFY(!dm.isOpen());
            QCOMPARE(host.tree->nodeCount(), 0);
            dm.CloseFile();
            QCOMPARE(fileHash(file), before);
        }
    }

private:
    QString dir;
};

TESSARY_TEST(TestReport)
#include "tst_report.moc"
