// Intake: rows that another process appends to an open report are placed
// under "New items" and the signal file is consumed; on both engines.
#include "FakeStoreHost.h"

#include "StoreEngines.h"
#include "platform/db/DbEngine.h"
#include "platform/db/EngineFactory.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/TDM.h"
#include "tests/support/TestReport.h"

#include "tests/support/TestMain.h"
#include <QFile>

#include <QtTest>

namespace {
qint32 hostAdd(const QString &file, const QString &kind, const QString &info, bool signal = false)
{
    QStringList args{"add", file, "--kind", kind, "--info", info, "--stdin"};
    if (signal)
        args << "--signal";
    const CliResult r = runCli(args, "content of " + info.toUtf8());
    if (r.exitCode != 0)
        qWarning() << "tessary-cli add failed:" << r.err;
    return qint32(r.out.trimmed().toInt());
}

QStringList childList(ReportNode *node)
{
    QStringList out;
    for (int i = 0; i < node->childCount(); ++i)
        out << QStringLiteral("%1:%2:%3")
                   .arg(node->child(i)->text)
                   .arg((node->child(i))->kind)
                   .arg((node->child(i))->data);
    return out;
}

void touch(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("any content");
}
} // namespace

class TestIntake : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        PageModified = CommentModified = false;
        ShownItemIndex = QPersistentModelIndex();
        QFile::remove(TDM::signalFilePath());
    }

    void tabFields()
    {
        QCOMPARE(TDM::tabField("a\tb\tc\td", 3), QString("c"));
        QCOMPARE(TDM::tabField("a\tb\tc", 3), QString("c"));
        QCOMPARE(TDM::tabField("a\tb\t", 3), QString(""));
        QCOMPARE(TDM::tabField("a\tb", 3), QString(""));
        QCOMPARE(TDM::tabField("only", 3), QString(""));
        QCOMPARE(TDM::tabField("only", 1), QString("only"));
        QCOMPARE(TDM::tabField("", 1), QString(""));
        QCOMPARE(TDM::tabField("\t\ttitle\tmore\tfields", 3), QString("title"));
    }

    void rowsFromAnotherProcessArePlacedOnce_data() { StoreEngines::addEngineColumn(); }
    void rowsFromAnotherProcessArePlacedOnce()
    {
        FETCH_REPORT("intake");
        const QString file = address;
        FakeStoreHost host;
        TDM dm(&host, EngineFactory::anyAddress());
        dm.DBCreate(file);
        ReportTree &t = *host.tree;

        // Nothing new: nothing added, the signal is consumed all the same.
        touch(TDM::signalFilePath());
        dm.GetNewPages();
        QCOMPARE(t.nodeCount(), 3);
        QVERIFY(!QFile::exists(TDM::signalFilePath()));

        // The host appends rows while the report is open here.
        const qint32 a = hostAdd(file, "chart", "x\ty\tAge by group\tmore", true);
        const qint32 b = hostAdd(file, "table", "one tab only\there");
        QVERIFY(a > 0 && b > a);
        // A file report hears of them through the signal file, a server
        // report through the server's announcement.
        if (StoreEngines::isServer(file))
            QTRY_VERIFY(dm.signalPending());
        else
            QVERIFY(QFile::exists(TDM::signalFilePath()));
        dm.GetNewPages();
        QVERIFY(!QFile::exists(TDM::signalFilePath()));
        QVERIFY(!dm.signalPending());
        ReportNode *group = t.nodeAt(3);
        QCOMPARE(group->text, QString("New items"));
        QCOMPARE((group)->kind, int(PageKind::Folder));
        QCOMPARE((group)->data, -1);
        QCOMPARE(group->parent, t.nodeAt(0));
        QCOMPARE(childList(group), QStringList({QStringLiteral("Age by group:2:%1").arg(a),
                                                QStringLiteral(":1:%1").arg(b)}));

        // A second intake reuses the folder; rows held by a node anywhere stay put.
        const qint32 c = hostAdd(file, "diagram", "\t\tDiagram");
        const qint32 d = hostAdd(file, "wordcloud", "\t\tCloud");
        t.moveNode(group->child(0), t.nodeAt(1), t.nodeAt(1)->childCount());
        dm.GetNewPages();
        QCOMPARE(childList(group), QStringList({QStringLiteral(":1:%1").arg(b),
                                                QStringLiteral("Diagram:12:%1").arg(c),
                                                QStringLiteral("Cloud:13:%1").arg(d)}));
        dm.GetNewPages();
        QCOMPARE(t.nodeCount(), 8);

        // After a rename the next intake makes a new folder; the last "New items" wins.
        t.setText(group, "Results");
        const qint32 e = hostAdd(file, "picture", "\t\tPic");
        dm.GetNewPages();
        ReportNode *second = t.nodeAt(t.nodeCount() - 2);
        QCOMPARE(second->text, QString("New items"));
        QCOMPARE(childList(second), QStringList({QStringLiteral("Pic:3:%1").arg(e)}));

        // Rows added while the report was closed appear when it is opened.
        dm.CloseFile();
        const qint32 f = hostAdd(file, "document", "\t\tWritten while closed");
        dm.DBOpen(file);
        ReportNode *last = t.nodeAt(t.nodeCount() - 1);
        QCOMPARE(last->text, QString("Written while closed"));
        QCOMPARE((last)->data, f);
        QCOMPARE(last->parent->text, QString("New items"));

        // The stored tree holds every placed node once closed.
        dm.CloseFile();
        const CliResult tree = runCli({"tree", file});
        QCOMPARE(tree.exitCode, 0);
        for (const QString title :
             {"Age by group", "Diagram", "Cloud", "Pic", "Written while closed"})
            QVERIFY2(tree.out.contains(title.toUtf8()), tree.out.constData());
    }

    void noReportNoIntake()
    {
        FakeStoreHost host;
        TDM dm(&host, EngineFactory::anyAddress());
        touch(TDM::signalFilePath());
        dm.GetNewPages();
        QVERIFY(QFile::exists(TDM::signalFilePath()));
        QCOMPARE(host.tree->nodeCount(), 0);
    }
};

TESSARY_TEST(TestIntake)
#include "tst_intake.moc"
