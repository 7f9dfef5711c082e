// tessary-cli find: the global search run headless over a report file,
// through the real tessary-cli process.
#include "tests/support/TestMain.h"
#include "tests/support/TestReport.h"

#include <QFile>
#include <QtTest>

class TestCliFind : public QObject
{
    Q_OBJECT

private slots:
    void findsInTreeOrder()
    {
        const QString dir = testTempDir();
        const QString report = dir + "/find.sup";
        QCOMPARE(runCli({"new", report}).exitCode, 0);
        CliResult r =
            runCli({"add", report, "--kind", "document", "--info", "\t\tFindings", "--stdin",
                    "--comment", "line one\nthe needle line, needle again", "--folder", "Pages"},
                   "<html><body><p>The <b>nee</b>dle is here,</p>"
                   "<p>and another Needle.</p></body></html>");
        QCOMPARE(r.exitCode, 0);
        {
            QFile csv(dir + "/Counts.csv");
            QVERIFY(csv.open(QIODevice::WriteOnly));
            csv.write("a,b\nx,needle here\nneedles,y\n");
        }
        r = runCli({"import", report, dir + "/Counts.csv", "--folder", "Pages"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(runCli({"add", report, "--kind", "document", "--info", "\t\tNeedle title",
                         "--stdin", "--folder", "Pages"},
                        "nothing here")
                     .exitCode,
                 0);

        r = runCli({"find", report, "needle"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.err.isEmpty());
        // Two matches on one comment line are told apart by their character.
        QCOMPARE(r.out, QByteArray("3\tFindings\ttext, paragraph 1, character 5\n"
                                   "3\tFindings\ttext, paragraph 2, character 13\n"
                                   "3\tFindings\tcomment, line 2, character 5\n"
                                   "3\tFindings\tcomment, line 2, character 18\n"
                                   "4\tCounts\tcell B2\n"
                                   "4\tCounts\tcell A3\n"));
        r = runCli({"find", report, "Needle", "--case", "--titles"});
        QCOMPARE(r.out, QByteArray("3\tFindings\ttext, paragraph 2, character 13\n"
                                   "5\tNeedle title\ttitle\n"));
        r = runCli({"find", report, "needle", "--whole-words"});
        QCOMPARE(r.out, QByteArray("3\tFindings\ttext, paragraph 1, character 5\n"
                                   "3\tFindings\ttext, paragraph 2, character 13\n"
                                   "3\tFindings\tcomment, line 2, character 5\n"
                                   "3\tFindings\tcomment, line 2, character 18\n"
                                   "4\tCounts\tcell B2\n"));
        r = runCli({"find", report, "absent"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.isEmpty());

        QCOMPARE(runCli({"find", report}).exitCode, 2);
        QCOMPARE(runCli({"find", report, "  "}).exitCode, 2);
        QCOMPARE(runCli({"find", report, "x", "--nonsense"}).exitCode, 2);
        r = runCli({"find", dir + "/missing.sup", "needle"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains("missing.sup"));
        QVERIFY(runCli({"find", "--help"}).out.contains("usage: tessary-cli find"));
    }

    void damagedPageIsNamedAndTheRestSearched()
    {
        const QString dir = testTempDir();
        const QString report = dir + "/damaged.sup";
        QCOMPARE(runCli({"new", report}).exitCode, 0);
        QCOMPARE(runCli({"add", report, "--kind", "table", "--info", "\t\tBroken", "--stdin",
                         "--folder", "Pages"},
                        "{\"format\":\"tessary-grid\",\"version\":1,\"cells\":[[")
                     .exitCode,
                 0);
        QCOMPARE(runCli({"add", report, "--kind", "document", "--info", "\t\tGood", "--stdin",
                         "--comment", "a needle", "--folder", "Pages"},
                        "needle")
                     .exitCode,
                 0);
        const CliResult r = runCli({"find", report, "needle"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QByteArray("4\tGood\ttext, paragraph 1, character 1\n"
                                   "4\tGood\tcomment, line 1, character 3\n"));
        QVERIFY(r.err.startsWith("tessary-cli find: page 3 (Broken): "));
        QCOMPARE(r.err.count('\n'), 1);
    }
};

TESSARY_TEST(TestCliFind)
#include "tst_find.moc"
