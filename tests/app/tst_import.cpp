// The tree's import command: the dialog (several files, its filter and the
// entry shown first), the pages it makes under the selected node in the
// dialog's order, and a folder of mixed files read by the real editors with
// one unreadable file among them.
#include "AppFixture.h"

#include "app/ImportCommand.h"
#include "app/MainActions.h"
#include "app/TreeCommands.h"
#include "editors/picture/TImageEditor.h"
#include "platform/db/DbTable.h"
#include "platform/ini/IniFile.h"
#include "store/PageKind.h"
#include "store/ReportSchema.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestReport.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImageWriter>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QtTest>

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void writePicture(const QString &path, int seed)
{
    QImage img(48 + seed % 7, 32 + seed % 5, QImage::Format_RGB32);
    img.fill(QColor::fromHsv((seed * 37) % 360, 180, 220));
    QPainter p(&img);
    p.fillRect(4, 4, 10, 10, Qt::black);
    p.end();
    QVERIFY(QImageWriter(path).write(img));
}

struct Row
{
    int kind = -1;
    QString info;
    QByteArray content;
};

QMap<qint32, Row> rowsOf(TDM &dm)
{
    auto table = dm.engine().table(ReportSchema::Table);
    table->open();
    QMap<qint32, Row> rows;
    for (table->first(); !table->eof(); table->next())
        rows.insert(qint32(table->asInteger(ReportSchema::PageId)),
                    {int(table->asInteger(ReportSchema::PageType)),
                     table->asText(ReportSchema::PageInfo),
                     table->asBytes(ReportSchema::PageContent)});
    return rows;
}

// Every row but the outline row is shown by exactly one node, and every node
// of a page shows a row that exists.
QString consistency(TDM &dm)
{
    const QMap<qint32, Row> rows = rowsOf(dm);
    QMap<qint32, int> shown;
    for (const ReportNode *n : dm.tree()->nodesInOrder()) {
        if (!PageKind::holdsPageId(n->kind))
            continue;
        if (!rows.contains(n->data))
            return QStringLiteral("node %1 shows no row (%2)").arg(n->text).arg(n->data);
        ++shown[n->data];
    }
    for (auto it = rows.cbegin(); it != rows.cend(); ++it)
        if (it.key() != 0 && shown.value(it.key()) != 1)
            return QStringLiteral("row %1 is shown by %2 nodes")
                .arg(it.key())
                .arg(shown.value(it.key()));
    return QString();
}
} // namespace

class TestImportCommand : public QObject
{
    Q_OBJECT
private slots:
    void theDialogAsksForSeveralFilesShowingCharts()
    {
        AppFixture f;
        const QString dir = testTempDir();
        f.dm->DBCreate(dir + "/r.sup");
        MainActions *a = f.window->actions();
        for (const char *name : {"NodeImport", "ImportNode"})
            QVERIFY2(a->action(name)->isEnabled(), name);
        QAction *popup =
            f.window->treeCommands()->popupMenu()->findChild<QAction *>("Importfiles1");
        QVERIFY(popup && popup->isEnabled());

        // Cancelled: nothing changes, nothing is stored.
        const int nodes = f.tree().nodeCount();
        a->action("NodeImport")->trigger();
        QCOMPARE(f.dialogs->asked, QStringList({"openMany: Import files"}));
        QCOMPARE(f.dialogs->lastOpenFilterIndex, 2);
        const QString filter = f.dialogs->lastOpenFilter;
        QVERIFY2(filter.startsWith("Tabular data (*.tab;*.csv)|*.tab;*.csv;*.grid2|Chart results "
                                   "(*.kcx)|*.kcx|Text file (*.txt;*.doc;*.wpd;*.rtf;*.htm*)|"
                                   "*.txt;*.doc;*.wpd;*.rtf;*.htm*|Graphic file (*.bmp;*.wmf;"
                                   "*.jpg;*.png)|*.bmp;*.wmf;*.jpg;*.png|"),
                 qPrintable(filter));
        QCOMPARE(f.tree().nodeCount(), nodes);

        // Three files under the selected folder, in the dialog's order; the
        // comment box is cleared and the last file is shown.
        ReportNode *folder = f.tree().addNode(f.tree().root(), "Folder", PageKind::Folder, -1);
        f.tree().selectNode(folder);
        writeFile(dir + "/results.kcx", "k");
        writeFile(dir + "/b.csv", "c");
        writeFile(dir + "/c.jpeg", "p");
        f.window->commentBox()->setPlainText("typed but not a page's");
        f.dialogs->answer("openMany",
                          QStringList{dir + "/results.kcx", dir + "/b.csv", dir + "/c.jpeg"});
        f.dialogs->asked.clear();
        a->action("ImportNode")->trigger();
        QCOMPARE(f.dialogs->asked, QStringList({"openMany: Import files"}));
        QCOMPARE(folder->childCount(), 3);
        QCOMPARE(folder->child(0)->text, QString("results"));
        QCOMPARE(folder->child(0)->kind, int(PageKind::Chart));
        QCOMPARE(folder->child(1)->kind, int(PageKind::Table));
        QCOMPARE(folder->child(2)->kind, int(PageKind::Picture));
        QCOMPARE(f.tree().selectedNode(), folder->child(2));
        QCOMPARE(f.shown(), f.tree().absoluteIndex(folder->child(2)));
        QVERIFY(f.editor(EditorSlot::Picture).isVisibleTo(f.window.get()));
        QVERIFY(f.window->commentBox()->toPlainText().isEmpty());
        QVERIFY(!PageModified && !CommentModified);
        // The dialog opens in the folder of the last import next time.
        QCOMPARE(f.window->treeCommands()->importCommand()->folder(), dir);
        QCOMPARE(consistency(*f.dm), QString());
        QCOMPARE(IniFile(dir + "/r.KVB").readString("OPTIONS", "SUP Modified"), QString("T"));
    }

    void aFolderOfMixedFilesThroughTheRealEditors()
    {
        ScriptedDialogsScope scripted;
        PageModified = CommentModified = false;
        ShownItemIndex = QPersistentModelIndex();
        TTessaryM window;
        TDM dm(&window, EngineFactory::anyAddress());
        window.createEditors();
        const QString dir = testTempDir();
        dm.DBCreate(dir + "/mixed.sup");
        ReportTree &tree = *dm.tree();
        ReportNode *folder = tree.addNode(tree.root(), "Wave 2", PageKind::Folder, -1);
        tree.selectNode(folder);

        // 50 files: documents, tables, charts and pictures of every group,
        // one timeline text, and a damaged picture as number 41.
        const QByteArray chart =
            R"({"format":"tessary-chart","version":1,"title":"By region","series":[{"kind":"bar",)"
            R"("title":"n","y":[4,2,3],"labels":["N","E","S"]}]})";
        QStringList files;
        QList<int> kinds;
        QStringList titles;
        for (int i = 0; i < 50; ++i) {
            QString name;
            int kind = PageKind::Document;
            switch (i % 10) {
            case 0:
                name = QStringLiteral("note %1.txt").arg(i);
                writeFile(dir + "/" + name, "Line one of note " + QByteArray::number(i));
                break;
            case 1:
                name = QStringLiteral("memo %1.rtf").arg(i);
                writeFile(dir + "/" + name,
                          "{\\rtf1\\ansi {\\b Memo} " + QByteArray::number(i) + "}");
                break;
            case 2:
                name = QStringLiteral("page %1.html").arg(i);
                writeFile(dir + "/" + name, "<h1>Page " + QByteArray::number(i) + "</h1>");
                break;
            case 3:
                name = QStringLiteral("table %1.csv").arg(i);
                kind = PageKind::Table;
                writeFile(dir + "/" + name,
                          "Region,Count\r\nNorth," + QByteArray::number(i) + "\r\n");
                break;
            case 4:
                name = QStringLiteral("tabbed %1.tab").arg(i);
                kind = PageKind::Table;
                writeFile(dir + "/" + name, "A\tB\r\n1\t" + QByteArray::number(i) + "\r\n");
                break;
            case 5:
                name = QStringLiteral("chart %1.kcx").arg(i);
                kind = PageKind::Chart;
                writeFile(dir + "/" + name, chart);
                break;
            case 6:
                name = QStringLiteral("photo %1.jpg").arg(i);
                kind = PageKind::Picture;
                writePicture(dir + "/" + name, i);
                break;
            case 7:
                name = QStringLiteral("drawing %1.png").arg(i);
                kind = PageKind::Picture;
                writePicture(dir + "/" + name, i);
                break;
            case 8:
                name = QStringLiteral("bitmap %1.bmp").arg(i);
                kind = PageKind::Picture;
                writePicture(dir + "/" + name, i);
                break;
            case 9:
                name = QStringLiteral("sheet %1.xls").arg(i); // outside every group
                writeFile(dir + "/" + name, "not read");
                break;
            }
            if (i == 40) {
                name = QStringLiteral("damaged.png");
                kind = PageKind::Picture;
                writeFile(dir + "/" + name, "\x89PNG\r\n\x1a\n but nothing after");
            }
            if (i == 30) {
                name = QStringLiteral("events.txt");
                kind = PageKind::Timeline;
                writeFile(
                    dir + "/" + name,
                    "BackGround\tclNavy\tclWhite\r\nEvent\tStart\tHint\t2020-01-06\t\t-1\t\r\n"
                    "Event\tEnd\tHint\t2021-06-30\t\t-1\t\r\n");
            }
            files << dir + "/" + name;
            kinds << kind;
            titles << QFileInfo(name).completeBaseName();
        }

        scripted->answer("openMany", files);
        window.actions()->action("NodeImport")->trigger();

        // It stopped at the damaged picture with a message that names it.
        QCOMPARE(scripted->asked.size(), 2);
        QCOMPARE(scripted->asked.first(), QString("openMany: Import files"));
        const QString message = scripted->asked.last();
        QVERIFY2(message.startsWith("message: The file ") && message.contains("damaged.png") &&
                     message.contains("The 9 file(s) after it were not imported"),
                 qPrintable(message));

        // 40 pages of the kinds the rules give, then the node of the damaged file.
        QCOMPARE(folder->childCount(), 41);
        const QMap<qint32, Row> rows = rowsOf(dm);
        for (int i = 0; i < 40; ++i) {
            const ReportNode *n = folder->child(i);
            QCOMPARE(n->text, titles[i]);
            QVERIFY2(n->kind == kinds[i], qPrintable(titles[i]));
            QVERIFY(n->data > 0);
            const Row row = rows.value(n->data);
            QCOMPARE(row.kind, kinds[i]);
            QCOMPARE(row.info, titles[i]);
            // Every page has content in its stored form, the empty document too.
            QVERIFY2(!row.content.isEmpty(), qPrintable(titles[i]));
            if (kinds[i] == PageKind::Picture)
                QVERIFY(row.content.startsWith("BM"));
        }
        // Text reached its pages.
        QVERIFY(dm.GetWP(folder->child(0)->data));
        const ReportNode *damaged = folder->child(40);
        QCOMPARE(damaged->text, QString("damaged"));
        QCOMPARE(damaged->data, 0);
        QCOMPARE(tree.selectedNode(), damaged);
        // The damaged file's row stays, empty, and is the only unplaced row.
        const qint32 bare = rows.lastKey();
        QCOMPARE(rows.value(bare).info, QString("damaged"));
        QVERIFY(rows.value(bare).content.isEmpty());
        QCOMPARE(rows.size(), 1 + 2 + 40 + 1);
        // Showing the node without row shows an empty picture, no error.
        QCOMPARE(scripted->asked.size(), 2);
        auto *picture = qobject_cast<TImageEditor *>(window.editorForm(EditorSlot::Picture));
        QVERIFY(picture && picture->picture().isNull());

        // The next intake places the bare row; then tree and rows agree but
        // for the node without row, which deleting removes without touching rows.
        dm.GetNewPages();
        const ReportNode *group = tree.findCaption(TDM::newItemsCaption());
        QVERIFY(group && group->childCount() == 1 && group->child(0)->data == bare);
        tree.deleteNode(const_cast<ReportNode *>(damaged));
        QCOMPARE(consistency(dm), QString());
        QCOMPARE(rowsOf(dm).size(), rows.size());

        // The status line was cleared at the end.
        QVERIFY(window.statusPanel(1)->text().isEmpty());
    }
};

TESSARY_TEST(TestImportCommand)
#include "tst_import.moc"
