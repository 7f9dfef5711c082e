// Files made pages: the kind chosen by the extension groups and by content,
// AppendFile's node, row and tree in one transaction, the rows left for the
// intake, and what a file that cannot be read leaves behind.
#include "FakeStoreHost.h"

#include "platform/TessaryError.h"
#include "platform/db/DbTable.h"
#include "platform/db/SqliteEngine.h"
#include "platform/ini/IniFile.h"
#include "store/FileImport.h"
#include "store/ImportKinds.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportSchema.h"
#include "store/ReportTree.h"
#include "store/TDM.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestReport.h"

#include <QFile>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A cursor that forwards to the engine's own and counts the rows written
// outside a transaction.
class CountingTable : public DbTable
{
public:
    CountingTable(std::unique_ptr<DbTable> inner, const int &depth, int &outside)
        : m_inner(std::move(inner)), m_depth(depth), m_outside(outside)
    {
    }
    void open() override { m_inner->open(); }
    void close() override { m_inner->close(); }
    bool isOpen() const override { return m_inner->isOpen(); }
    QString tableName() const override { return m_inner->tableName(); }
    void first() override { m_inner->first(); }
    void next() override { m_inner->next(); }
    bool eof() const override { return m_inner->eof(); }
    bool locate(const QString &f, const QVariant &v) override { return m_inner->locate(f, v); }
    qint64 currentRowId() const override { return m_inner->currentRowId(); }
    bool gotoRowId(qint64 id) override { return m_inner->gotoRowId(id); }
    void append() override { m_inner->append(); }
    void edit() override { m_inner->edit(); }
    void post() override
    {
        if (m_depth == 0)
            ++m_outside;
        m_inner->post();
    }
    void cancel() override { m_inner->cancel(); }
    void deleteRow() override
    {
        m_inner->deleteRow();
        if (afterDelete)
            afterDelete();
    }
    bool isNull(const QString &f) const override { return m_inner->isNull(f); }
    qint64 asInteger(const QString &f) const override { return m_inner->asInteger(f); }
    QString asText(const QString &f) const override { return m_inner->asText(f); }
    QDateTime asDateTime(const QString &f) const override { return m_inner->asDateTime(f); }
    QByteArray asBytes(const QString &f) const override { return m_inner->asBytes(f); }
    void setInteger(const QString &f, qint64 v) override { m_inner->setInteger(f, v); }
    void setText(const QString &f, const QString &v) override { m_inner->setText(f, v); }
    void setDateTime(const QString &f, const QDateTime &v) override { m_inner->setDateTime(f, v); }
    void setBytes(const QString &f, const QByteArray &v) override { m_inner->setBytes(f, v); }
    void setNull(const QString &f) override { m_inner->setNull(f); }

private:
    std::unique_ptr<DbTable> m_inner;
    const int &m_depth;
    int &m_outside;
};

// The SQLite engine, counting transactions and the rows written outside them.
class CountingEngine : public SqliteEngine
{
public:
    int depth = 0;
    int commits = 0;
    int postsOutside = 0;
    void beginTransaction() override
    {
        SqliteEngine::beginTransaction();
        ++depth;
    }
    void commitTransaction() override
    {
        SqliteEngine::commitTransaction();
        if (--depth == 0)
            ++commits;
    }
    void rollbackTransaction() override
    {
        SqliteEngine::rollbackTransaction();
        depth = 0;
    }
    std::unique_ptr<DbTable> table(const QString &name) override
    {
        return std::make_unique<CountingTable>(SqliteEngine::table(name), depth, postsOutside);
    }
};

// An editor that reads files as the real ones do: the content is the file's
// bytes, and a file that starts with "BROKEN" is refused.
class FileEditor : public FakeEditor
{
public:
    void loadFile(const QString &fileName) override
    {
        QFile f(fileName);
        if (!f.open(QIODevice::ReadOnly))
            throw TessaryError("Cannot read " + fileName);
        const QByteArray bytes = f.readAll();
        if (bytes.startsWith("BROKEN"))
            throw TessaryError("The file " + QFileInfo(fileName).fileName() + " is damaged.");
        content = bytes;
        loadedFile = fileName;
    }
};

struct Row
{
    int kind = -1;
    QString info;
    QByteArray content;
};

// The rows of a report file, read through a connection of its own.
QMap<qint32, Row> rowsOf(const QString &file)
{
    SqliteEngine engine;
    engine.connect(file, true);
    auto table = engine.table(ReportSchema::Table);
    table->open();
    QMap<qint32, Row> rows;
    for (table->first(); !table->eof(); table->next()) {
        Row r;
        r.kind = int(table->asInteger(ReportSchema::PageType));
        r.info = table->asText(ReportSchema::PageInfo);
        r.content = table->asBytes(ReportSchema::PageContent);
        rows.insert(qint32(table->asInteger(ReportSchema::PageId)), r);
    }
    return rows;
}

// The stored tree of a report file, as "caption kind data" lines in display order.
QStringList storedTree(const QString &file)
{
    const Row outline = rowsOf(file).value(0);
    ReportTree tree;
    tree.loadFromStream(outline.content);
    QStringList out;
    for (const ReportNode *n : tree.nodesInOrder())
        out << QStringLiteral("%1 %2 %3").arg(n->text).arg(n->kind).arg(n->data);
    return out;
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        PageModified = CommentModified = false;
        ShownItemIndex = QPersistentModelIndex();
        host = std::make_unique<FakeStoreHost>();
        auto engine = std::make_unique<CountingEngine>();
        counting = engine.get();
        dm = std::make_unique<TDM>(host.get(), std::move(engine));
        for (int s = 0; s < int(EditorSlot::None); ++s)
            dm->registerEditor(EditorSlot(s), &editors[s]);
        dir = testTempDir();
        file = dir + "/import.sup";
        dm->DBCreate(file);
    }
    void cleanup()
    {
        dm.reset();
        host.reset();
    }

    void theExtensionChoosesTheKind()
    {
        using namespace PageKind;
        const QList<QPair<QString, int>> cases = {
            {"results.kcx", Chart},
            {"old.TEE", Chart},
            {"a.te", Chart}, // occurs inside ".KCX.TEE"
            {"t.grid2", Table},
            {"t.GRID", Table}, // shortened extensions select their group
            {"t.csv", Table},
            {"t.tab", Table},
            {"p.jpeg", Picture},
            {"p.JPE", Picture},
            {"p.jpg", Picture},
            {"p.png", Picture},
            {"p.bmp", Picture},
            {"p.wmf", Picture},
            {"p.gif", Picture}, // outside the groups, read by the picture editor
            {"p.tiff", Picture},
            {"p.emf", Picture},
            {"p.svg", Picture},
            {"c.xml", WordCloud},
            {"d.json", Diagram},
            {"t.tml", Timeline},
            {"notes.txt", Document},
            {"notes.rtf", Document},
            {"page.htm", Document},
            {"sheet.xls", Document}, // outside every group: an empty document
            {"README", Document},
            {"trailing.", Document},
            {"/data/v1.jpg/readme", Document}, // a dot in a folder is no extension
        };
        for (const auto &c : cases)
            QVERIFY2(importKind(c.first) == c.second,
                     qPrintable(QString("%1 gave %2").arg(c.first).arg(importKind(c.first))));
        QCOMPARE(importTitle("/x/y/results.kcx"), QString("results"));
        QCOMPARE(importTitle("/x/report.2024.csv"), QString("report.2024"));
        QCOMPARE(importTitle("/x/README"), QString("README"));
        QVERIFY(importExtensions(Timeline).contains(TimelineExtension));
    }

    void timelineTextIsRecognisedByContent()
    {
        const QByteArray timeline = "BackGround\tclNavy\tclWhite\r\nLineBar\tclRed\tclBlue\r\n"
                                    "Indicator\tclYellow\tTrue\r\nMax Range\t2019-01-01\t2024-"
                                    "12-31\r\nEvent\tKick-off\tHint\t2019-01-14\t\t-1\t\r\n";
        QVERIFY(PageKind::looksLikeTimelineText(timeline));
        QVERIFY(PageKind::looksLikeTimelineText("\xEF\xBB\xBF" + timeline + "\r\n\r\n"));
        // Only events, each with its date.
        QVERIFY(PageKind::looksLikeTimelineText("Event\ta\tb\t2020-03-01\nEvent\tc\td\t2021\n"));
        // Plain text, a table whose header starts like a record, records
        // without a date, and nothing at all are not timelines.
        QVERIFY(!PageKind::looksLikeTimelineText("Dear reader,\nthis is a note.\n"));
        QVERIFY(!PageKind::looksLikeTimelineText("Event\tDate\tPlace\nOpening\t2020\tParis\n"));
        QVERIFY(!PageKind::looksLikeTimelineText("Event\tjust a word\n"));
        QVERIFY(!PageKind::looksLikeTimelineText("Range\t1\t2\n"));
        QVERIFY(!PageKind::looksLikeTimelineText(""));
        QVERIFY(!PageKind::looksLikeTimelineText("BackGround clNavy clWhite\n"));

        writeFile(dir + "/events.txt", timeline);
        writeFile(dir + "/note.txt", "BackGround colours were discussed.\n");
        QCOMPARE(PageKind::importKind(dir + "/events.txt"), int(PageKind::Timeline));
        QCOMPARE(PageKind::importKind(dir + "/note.txt"), int(PageKind::Document));
        QCOMPARE(PageKind::importKind(dir + "/missing.txt"), int(PageKind::Document));
        // A long timeline: only its start is read, and the line cut there does not count.
        QByteArray longer = timeline;
        while (longer.size() < 200 * 1024)
            longer += "Event\tMore\tHint\t2020-05-05\tx\b\by\t-1\t255\r\n";
        writeFile(dir + "/long.txt", longer);
        QCOMPARE(PageKind::importKind(dir + "/long.txt"), int(PageKind::Timeline));
    }

    void appendFileMakesNodeRowAndTreeInOneTransaction()
    {
        ReportTree &tree = *dm->tree();
        ReportNode *folder = tree.addNode(tree.root(), "Imports", PageKind::Folder, -1);
        dm->SaveTree();
        writeFile(dir + "/results.kcx", "chart bytes");
        writeFile(dir + "/Answers.csv", "a,b\r\n1,2\r\n");
        writeFile(dir + "/photo.jpeg", "picture bytes");
        QFile::remove(dir + "/import.KVB");
        const int commitsBefore = counting->commits;
        const int postsBefore = counting->postsOutside;

        FileImport importer(*dm, host.get());
        const FileImport::Result r =
            importer.run({dir + "/results.kcx", dir + "/Answers.csv", dir + "/photo.jpeg"},
                         QPersistentModelIndex(tree.indexOf(folder)));
        QVERIFY(r.ok());
        QCOMPARE(r.ids.size(), 3);
        // Each file is one transaction, nothing is written outside them.
        QCOMPARE(counting->commits - commitsBefore, 3);
        QCOMPARE(counting->postsOutside, postsBefore);

        // Three children in the dialog's order, titled without extension.
        QCOMPARE(folder->childCount(), 3);
        const QList<QPair<QString, int>> expected = {{"results", PageKind::Chart},
                                                     {"Answers", PageKind::Table},
                                                     {"photo", PageKind::Picture}};
        const QMap<qint32, Row> rows = rowsOf(file);
        for (int i = 0; i < 3; ++i) {
            const ReportNode *n = folder->child(i);
            QCOMPARE(n->text, expected[i].first);
            QCOMPARE(n->kind, expected[i].second);
            QCOMPARE(n->data, r.ids[i]);
            const Row row = rows.value(n->data);
            QCOMPARE(row.kind, expected[i].second);
            // PageInfo is the title; the path is kept nowhere in the row.
            QCOMPARE(row.info, expected[i].first);
        }
        // Each page holds what its editor made of its own file.
        QCOMPARE(rows.value(r.ids[0]).content, "from file " + (dir + "/results.kcx").toUtf8());
        QCOMPARE(rows.value(r.ids[2]).content, "from file " + (dir + "/photo.jpeg").toUtf8());
        // The last file's node is selected and is the shown node.
        QCOMPARE(tree.selectedNode(), folder->child(2));
        QCOMPARE(tree.node(ShownItemIndex), folder->child(2));
        // The tree in the file has them, and the report is marked modified.
        const QStringList stored = storedTree(file);
        QVERIFY2(stored.contains(QString("photo 3 %1").arg(r.ids[2])),
                 qPrintable(stored.join('|')));
        QCOMPARE(IniFile(dir + "/import.KVB").readString("OPTIONS", "SUP Modified"), QString("T"));
        // Progress went to the status line and was cleared at the end.
        QVERIFY(host->statuses.contains("Importing 2 of 3: Answers.csv"));
        QCOMPARE(host->statuses.last(), QString());
    }

    void anUnreadableFileStopsTheRestAndLeavesABareRow()
    {
        FileEditor pictures;
        dm->registerEditor(EditorSlot::Picture, &pictures);
        ReportTree &tree = *dm->tree();
        writeFile(dir + "/first.png", "good picture");
        writeFile(dir + "/broken.png", "BROKEN picture");
        writeFile(dir + "/later.png", "never read");
        const QStringList before = storedTree(file);

        FileImport importer(*dm, host.get());
        const FileImport::Result r =
            importer.run({dir + "/first.png", dir + "/broken.png", dir + "/later.png"},
                         QPersistentModelIndex(tree.indexOf(tree.root())));
        QVERIFY(!r.ok());
        QCOMPARE(r.ids.size(), 1);
        QCOMPARE(r.failed, 1);
        QCOMPARE(r.notImported, 1);
        QVERIFY2(r.message().contains("broken.png") && r.message().contains("is damaged") &&
                     r.message().contains("1 file(s) after it were not imported"),
                 qPrintable(r.message()));
        QVERIFY(pictures.loadedFile.endsWith("first.png"));

        // The node stays with data word 0; the row stays, empty, titled.
        ReportNode *bad = tree.root()->child(tree.root()->childCount() - 1);
        QCOMPARE(bad->text, QString("broken"));
        QCOMPARE(bad->kind, int(PageKind::Picture));
        QCOMPARE(bad->data, 0);
        QCOMPARE(tree.selectedNode(), bad);
        const QMap<qint32, Row> rows = rowsOf(file);
        const qint32 bareId = rows.lastKey();
        QCOMPARE(rows.value(bareId).info, QString("broken"));
        QVERIFY(rows.value(bareId).content.isEmpty());
        // The tree in the file has the first page but not the failed node.
        const QStringList stored = storedTree(file);
        QCOMPARE(stored.size(), before.size() + 1);
        QVERIFY(!stored.join('|').contains("broken"));

        // Storing or showing the node without row never touches the outline row.
        pictures.content = "must not land anywhere";
        dm->savePage(PageKind::Picture, 0);
        QCOMPARE(storedTree(file), stored);
        QVERIFY(!dm->loadPage(PageKind::Picture, 0));

        // The next intake places the bare row under "New items".
        dm->GetNewPages();
        const ReportNode *group = tree.findCaption(TDM::newItemsCaption());
        QVERIFY(group);
        QCOMPARE(group->childCount(), 1);
        QCOMPARE(group->child(0)->data, bareId);
        QCOMPARE(group->child(0)->kind, int(PageKind::Picture));
    }

    void aFailingFileAloneDoesNotStoreTheTreeNorMarkTheReport()
    {
        FileEditor tables;
        dm->registerEditor(EditorSlot::Table, &tables);
        writeFile(dir + "/bad.csv", "BROKEN");
        QFile::remove(dir + "/import.KVB");
        const int commits = counting->commits;
        QVERIFY_THROWS_EXCEPTION(TessaryError,
                                 dm->AppendFile(dir + "/bad.csv", dm->tree()->root()));
        QCOMPARE(counting->commits, commits);
        QVERIFY(!QFile::exists(dir + "/import.KVB"));
        QCOMPARE(rowsOf(file).size(), 4); // outline, two documents, the bare row
    }

    void withoutANodeTheRowsWaitForTheIntake()
    {
        writeFile(dir + "/Wave 1.csv", "a,b\r\n");
        writeFile(dir + "/Logo.png", "png");
        const int nodes = dm->tree()->nodeCount();
        FileImport importer(*dm, host.get());
        QList<qint32> made;
        importer.pageMade = [&made](qint32 id) { made << id; };
        const FileImport::Result r =
            importer.run({dir + "/Wave 1.csv", dir + "/Logo.png"}, QPersistentModelIndex());
        QVERIFY(r.ok());
        QCOMPARE(made, r.ids);
        QCOMPARE(dm->tree()->nodeCount(), nodes);
        const QMap<qint32, Row> rows = rowsOf(file);
        QCOMPARE(rows.value(r.ids[0]).info, QString("\t\tWave 1"));
        QCOMPARE(rows.value(r.ids[1]).kind, int(PageKind::Picture));
        dm->GetNewPages();
        const ReportNode *group = dm->tree()->findCaption(TDM::newItemsCaption());
        QVERIFY(group && group->childCount() == 2);
        QCOMPARE(group->child(0)->text, QString("Wave 1"));
        QCOMPARE(group->child(1)->text, QString("Logo"));
    }

    void aClosedReportStopsTheImport()
    {
        writeFile(dir + "/a.csv", "a\r\n");
        ReportTree &tree = *dm->tree();
        FileImport importer(*dm, host.get());
        // The report goes away after the first page (as a quit during the
        // import's events would take it).
        importer.pageMade = [this](qint32) { dm->CloseFile(); };
        const FileImport::Result r = importer.run({dir + "/a.csv", dir + "/a.csv", dir + "/a.csv"},
                                                  QPersistentModelIndex(tree.indexOf(tree.root())));
        QVERIFY(!r.ok());
        QVERIFY(r.stopped);
        QCOMPARE(r.ids.size(), 1);
        QCOMPARE(r.notImported, 2);
        QVERIFY(r.message().contains("2 file(s)"));
        QCOMPARE(dm->AppendFile(dir + "/a.csv", nullptr), -1);
    }

private:
    FakeEditor &editor(int kind) { return editors[int(editorSlotForKind(kind))]; }
    std::unique_ptr<FakeStoreHost> host;
    std::unique_ptr<TDM> dm;
    CountingEngine *counting = nullptr;
    FakeEditor editors[int(EditorSlot::None)];
    QString dir;
    QString file;
};

TESSARY_TEST(TestImport)
#include "tst_import.moc"
