// Page rows: adding and deleting them, moving content between rows and the
// editors of every kind, comments, and rows that are missing; on both engines.
#include "FakeStoreHost.h"

#include "StoreEngines.h"
#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "platform/db/EngineFactory.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportSchema.h"
#include "store/TDM.h"
#include "tests/support/TestReport.h"

#include "tests/support/TestMain.h"
#include <QFile>
#include <QRandomGenerator>

#include <QtTest>

class TestPages : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        PageModified = CommentModified = false;
        ShownItemIndex = QPersistentModelIndex();
        file = StoreEngines::reportAddress(QString::fromLatin1(QTest::currentDataTag()), "pages");
        if (file.isEmpty())
            QSKIP("No PostgreSQL server named: set TESSARY_TEST_PG (make test starts one)");
        host = std::make_unique<FakeStoreHost>();
        dm = std::make_unique<TDM>(host.get(), EngineFactory::anyAddress());
        for (int s = 0; s < int(EditorSlot::None); ++s)
            dm->registerEditor(EditorSlot(s), &editors[s]);
        dm->DBCreate(file);
    }
    void cleanup()
    {
        dm.reset();
        host.reset();
    }

    void everyKindRoundTripsItsContent_data() { StoreEngines::addEngineColumn(); }
    void everyKindRoundTripsItsContent()
    {
        const QList<int> kinds = {PageKind::Document,  PageKind::Table,        PageKind::Chart,
                                  PageKind::Picture,   PageKind::Timeline,     PageKind::Diagram,
                                  PageKind::WordCloud, PageKind::HostDocument6};
        QHash<int, qint32> ids;
        QHash<int, QByteArray> contents;
        for (int kind : kinds) {
            const qint32 id =
                dm->AddRecord(kind, QStringLiteral("Seite %1 – ünïcode\tb\tTitle").arg(kind));
            QVERIFY(id > 0);
            ids.insert(kind, id);
            // Binary content with every byte value, different per kind.
            QByteArray bytes(70000 + kind, '\0');
            for (int i = 0; i < bytes.size(); ++i)
                bytes[i] = char((i * 7 + kind) & 0xFF);
            contents.insert(kind, bytes);
            editor(kind).content = bytes;
            dm->savePage(kind, id);
        }
        for (int kind : kinds) {
            editor(kind).content.clear();
            QVERIFY(dm->loadPage(kind, ids[kind]));
            QCOMPARE(editor(kind).content, contents[kind]);
            QCOMPARE(editor(kind).pageInfo,
                     QStringLiteral("Seite %1 – ünïcode\tb\tTitle").arg(kind));
        }
        // The chart's PageInfo is kept for the chart editor.
        QCOMPARE(dm->ChartInfo(), QStringLiteral("Seite 2 – ünïcode\tb\tTitle"));

        // Empty content round-trips as empty.
        editor(PageKind::Table).content.clear();
        dm->SaveGrid(ids[PageKind::Table]);
        editor(PageKind::Table).content = "stale";
        QVERIFY(dm->GetGrid(ids[PageKind::Table]));
        QVERIFY(editor(PageKind::Table).content.isEmpty());

        // Id -1 stores into and (for pictures) loads from the current row.
        QVERIFY(dm->GetChart(ids[PageKind::Chart])); // current row: the chart
        editor(PageKind::Picture).content = "picture via current row";
        dm->SaveImage(-1);
        QVERIFY(dm->GetImage(-1));
        QCOMPARE(editor(PageKind::Picture).content, QByteArray("picture via current row"));
        QVERIFY(dm->GetChart(ids[PageKind::Chart]));
        QCOMPARE(editor(PageKind::Chart).content, QByteArray("picture via current row"));
        // Other loads always locate: -1 is no page for them.
        QVERIFY(!dm->GetDiagram(-1));
    }

    void addRecordFillsTheEditorFromAFile_data() { StoreEngines::addEngineColumn(); }
    void addRecordFillsTheEditorFromAFile()
    {
        FakeEditor &doc = editors[int(EditorSlot::Document)];
        // Extensions the document editor reads, in any case, ".htm" included.
        for (const QString name : {"a.rtf", "b.TXT", "c.doc", "d.wpd", "e.html", "f.HTM"}) {
            doc.loadedFile.clear();
            const qint32 id = dm->AddRecord(PageKind::Document, name, "/tmp/" + name);
            QCOMPARE(doc.loadedFile, "/tmp/" + name);
            QVERIFY(dm->GetWP(id));
            QCOMPARE(doc.content, ("from file /tmp/" + name).toUtf8());
        }
        // Any other file goes to the document editor too, which decides what
        // it gives; without a file the new page is empty, never what was shown.
        doc.loadedFile.clear();
        dm->AddRecord(PageKind::Document, "g", "/tmp/g.xyz");
        QCOMPARE(doc.loadedFile, QString("/tmp/g.xyz"));
        doc.loadedFile.clear();
        doc.content = "left over";
        const qint32 empty = dm->AddRecord(PageKind::Document, "none", QString());
        QVERIFY(doc.loadedFile.isEmpty());
        doc.content = "x";
        QVERIFY(dm->GetWP(empty));
        QVERIFY(doc.content.isEmpty());
        // Word clouds, timelines and diagrams are filled when made from a file.
        const qint32 cloud = dm->AddRecord(PageKind::WordCloud, "c", "/data/cloud.xml");
        editor(PageKind::WordCloud).content.clear();
        QVERIFY(dm->loadPage(PageKind::WordCloud, cloud));
        QCOMPARE(editor(PageKind::WordCloud).content, QByteArray("from file /data/cloud.xml"));
        // Tables, charts and pictures are stored at once from their file.
        for (int kind : {PageKind::Table, PageKind::Chart, PageKind::Picture}) {
            const qint32 id = dm->AddRecord(kind, "t", "/data/file.csv");
            editor(kind).content.clear();
            QVERIFY(dm->loadPage(kind, id));
            QCOMPARE(editor(kind).content, QByteArray("from file /data/file.csv"));
        }
        // A kind without stored content keeps an empty row.
        const qint32 other = dm->AddRecord(PageKind::NoEditor4, "four", "/x.rtf");
        QVERIFY(other > 0);
        QVERIFY(!dm->loadPage(PageKind::NoEditor4, other));
    }

    void missingRowsLoadAsFailureAndStoreNothing_data() { StoreEngines::addEngineColumn(); }
    void missingRowsLoadAsFailureAndStoreNothing()
    {
        const qint32 doc = dm->AddRecord(PageKind::Document, "doc");
        const qint32 chart = dm->AddRecord(PageKind::Chart, "chart");
        const qint32 timeline = dm->AddRecord(PageKind::Timeline, "time");
        dm->DeleteRecord(doc);
        dm->DeleteRecord(chart);
        dm->DeleteRecord(timeline);
        dm->DeleteRecord(987654); // no such row: ignored

        // The document editor is emptied; the chart keeps what it showed.
        editor(PageKind::Document).content = "old doc";
        QVERIFY(!dm->GetWP(doc));
        QVERIFY(editor(PageKind::Document).content.isEmpty());
        editor(PageKind::Chart).content = "old chart";
        QVERIFY(!dm->GetChart(chart));
        QCOMPARE(editor(PageKind::Chart).content, QByteArray("old chart"));
        editor(PageKind::Table).content = "old grid";
        QVERIFY(!dm->GetGrid(doc));
        QVERIFY(editor(PageKind::Table).content.isEmpty());

        // Storing a missing timeline empties the timeline shown.
        editor(PageKind::Timeline).content = "events";
        dm->SaveTimeLine(timeline);
        QVERIFY(editor(PageKind::Timeline).content.isEmpty());

        // Storing any missing page adds no row.
        const int rows = rowCount();
        editor(PageKind::Document).content = "new";
        dm->SaveWP(doc);
        dm->SaveChart(chart);
        host->comment = "comment";
        dm->SaveComment(doc);
        QCOMPARE(rowCount(), rows);
        host->comment = "unchanged";
        dm->GetComment(doc);
        QCOMPARE(host->comment, QString("unchanged"));
    }

    void commentsKeepTheirLinesAcrossReopening_data() { StoreEngines::addEngineColumn(); }
    void commentsKeepTheirLinesAcrossReopening()
    {
        const qint32 id = dm->AddRecord(PageKind::Document, "commented");
        const qint32 empty = dm->AddRecord(PageKind::Document, "no comment");
        const QString text = "first line\nsecond line\n\n  indented fourth\nlast – ü";
        host->comment = text;
        dm->SaveComment(id);
        dm->CloseFile();
        dm->DBOpen(file);
        host->comment.clear();
        dm->GetComment(id);
        QCOMPARE(host->comment, text);
        // Stored with CR LF between lines, as plain text.
        std::unique_ptr<DbEngine> raw = StoreEngines::engineFor(file);
        raw->connect(file);
        auto table = raw->table("OUTPUT");
        table->open();
        QVERIFY(table->locate("PageId", id));
        QCOMPARE(table->asText("PageComment"),
                 QString("first line\r\nsecond line\r\n\r\n  indented fourth\r\nlast – ü"));
        // A page without comment shows an empty box.
        host->comment.clear();
        dm->GetComment(empty);
        QVERIFY(host->comment.isEmpty());
        // The outline row can hold the report's own comment.
        host->comment = "about the report";
        dm->SaveComment(0);
        host->comment.clear();
        dm->GetComment(0);
        QCOMPARE(host->comment, QString("about the report"));
    }

    void deletingNodesDeletesTheirRows_data() { StoreEngines::addEngineColumn(); }
    void deletingNodesDeletesTheirRows()
    {
        ReportTree &t = *host->tree;
        ReportNode *root = t.nodeAt(0);
        ReportNode *folder = t.addNode(root, "folder", PageKind::Folder, -1);
        ReportNode *sub = t.addNode(folder, "sub", PageKind::Folder, -1);
        const qint32 a = dm->AddRecord(PageKind::Table, "a");
        const qint32 b = dm->AddRecord(PageKind::Diagram, "b");
        const qint32 c = dm->AddRecord(PageKind::WordCloud, "c");
        t.addNode(folder, "a", PageKind::Table, a);
        t.addNode(sub, "b", PageKind::Diagram, b);
        t.addNode(sub, "c", PageKind::WordCloud, c);
        const int before = rowCount();
        if (!StoreEngines::isServer(file))
            QFile::remove(ReportSchema::projectFilePath(file));
        t.deleteNode(folder);
        QCOMPARE(rowCount(), before - 3);
        for (qint32 id : {a, b, c})
            QVERIFY(!dm->loadPage(PageKind::Table, id));
        // Deleting a row marks the report modified for the host (a report
        // on a server has no project file).
        if (!StoreEngines::isServer(file))
            QVERIFY(QFile::exists(ReportSchema::projectFilePath(file)));
    }

private:
    FakeEditor &editor(int kind) { return editors[int(editorSlotForKind(kind))]; }
    int rowCount() { return StoreEngines::rowCount(file); }

    std::unique_ptr<FakeStoreHost> host;
    std::unique_ptr<TDM> dm;
    FakeEditor editors[int(EditorSlot::None)];
    QString file;
};

TESSARY_TEST(TestPages)
#include "tst_pages.moc"
