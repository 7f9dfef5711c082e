// Intake through the running window: the host appends rows from another
// process and signals; the timer places them within a second.
#include "AppFixture.h"

#include "store/PageKind.h"
#include "tests/support/TestReport.h"

#include "tests/support/TestMain.h"
#include <QFile>
#include <QMouseEvent>
#include <QProcess>

#include <QtTest>

namespace {
void touchSignal()
{
    QFile f(TDM::signalFilePath());
    f.open(QIODevice::WriteOnly);
}

ReportNode *newItems(ReportTree &t)
{
    ReportNode *found = nullptr;
    for (ReportNode *n : t.nodesInOrder())
        if (n->text == QLatin1String("New items"))
            found = n;
    return found;
}
} // namespace

class TestAppIntake : public QObject
{
    Q_OBJECT
private slots:
    void init() { QFile::remove(TDM::signalFilePath()); }

    void hostPagesAppearWithinASecond()
    {
        const QString file = testTempDir() + "/live.sup";
        AppFixture f;
        f.dm->DBCreate(file);
        f.window->show();

        const QList<QStringList> adds = {
            {"--kind", "chart", "--info", "Freq\tAGE\tAge of respondents\textra"},
            {"--kind", "table", "--info", "only\tone tab"},
        };
        QList<qint32> ids;
        for (const QStringList &a : adds) {
            const CliResult r =
                runCli(QStringList{"add", file} + a + QStringList{"--stdin", "--signal"}, "bytes");
            QCOMPARE(r.exitCode, 0);
            ids << qint32(r.out.trimmed().toInt());
        }
        QVERIFY(QFile::exists(TDM::signalFilePath()));
        QTRY_VERIFY_WITH_TIMEOUT(newItems(f.tree()) && newItems(f.tree())->childCount() == 2, 3000);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(TDM::signalFilePath()), 3000);
        ReportNode *group = newItems(f.tree());
        QCOMPARE(group->child(0)->text, QString("Age of respondents"));
        QCOMPARE((group->child(0))->kind, int(PageKind::Chart));
        QCOMPARE((group->child(0))->data, ids[0]);
        QCOMPARE(group->child(1)->text, QString());
        QCOMPARE((group->child(1))->data, ids[1]);

        // Selecting a new page loads what the host wrote.
        f.tree().selectNode(group->child(1));
        QCOMPARE(f.editor(EditorSlot::Table).content, QByteArray("bytes"));

        // After closing, the stored tree holds the new nodes.
        QVERIFY(f.window->close());
        const QByteArray tree = runCli({"tree", file}).out;
        QVERIFY2(tree.contains("  New items  [folder, data -1]\n    Age of respondents  [chart"),
                 tree.constData());
        QVERIFY(!tree.contains("not placed"));
    }

    void noReportLeavesTheSignalAlone()
    {
        AppFixture f;
        f.window->show();
        touchSignal();
        f.window->Timer1Timer();
        QTest::qWait(1300);
        QVERIFY(QFile::exists(TDM::signalFilePath()));
        f.window->Panel1Click(); // no report: nothing happens, nothing fails
        QVERIFY(f.dialogs->asked.isEmpty());
    }

    void anUnreadableReportIsReportedOncePerSignal()
    {
        const QString file = testTempDir() + "/broken.sup";
        AppFixture f;
        f.dm->DBCreate(file);
        f.window->timer()->stop();
        QCOMPARE(QProcess::execute("sqlite3", {file, "drop table OUTPUT"}), 0);
        touchSignal();
        f.window->Timer1Timer();
        f.window->Timer1Timer();
        QCOMPARE(f.dialogs->asked.size(), 1);
        QVERIFY(f.dialogs->asked[0].contains("OUTPUT"));
        QVERIFY(!QFile::exists(TDM::signalFilePath()));
    }

    void clickOnTheTopPanelRunsTheIntake()
    {
        const QString file = testTempDir() + "/panel.sup";
        AppFixture f;
        f.dm->DBCreate(file);
        f.window->timer()->stop();
        // Nothing new: the tree is unchanged.
        QWidget *panel = f.window->findChild<QWidget *>("Panel1");
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(panel->width() - 5, 5));
        QCOMPARE(f.tree().nodeCount(), 3);
        // A row without a signal file is placed by the click.
        QCOMPARE(runCli({"add", file, "--kind", "picture", "--info", "\t\tPicture", "--stdin"}, "x")
                     .exitCode,
                 0);
        QVERIFY(!QFile::exists(TDM::signalFilePath()));
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(panel->width() - 5, 5));
        QVERIFY(newItems(f.tree()));
        QCOMPARE(newItems(f.tree())->child(0)->text, QString("Picture"));
    }
};

TESSARY_TEST(TestAppIntake)
#include "tst_intake.moc"
