// tessary-cli as hosts and scripts use it: real processes on real files.
#include "store/TDM.h"
#include "tests/support/TestReport.h"

#include <QFile>
#include "tests/support/TestMain.h"

#include <QtTest>

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void newListCatTree()
    {
        const QString dir = testTempDir();
        const QString file = dir + "/r.sup";
        CliResult r = runCli({"new", file});
        QCOMPARE(r.exitCode, 0);
        r = runCli({"new", file});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains("exists"));

        r = runCli({"list", file});
        QCOMPARE(r.exitCode, 0);
        QStringList lines = QString::fromUtf8(r.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QString("id\tdate\tkind\tinfo\tcontent\tcomment"));
        QVERIFY(lines[1].startsWith("0\t"));
        QVERIFY(lines[1].contains("\troot\tOutline\t"));
        QVERIFY(lines[2].startsWith("1\t") &&
                lines[2].endsWith("\tdocument\tFirst document\t0\t0"));
        QVERIFY(lines[3].startsWith("2\t"));

        QByteArray binary;
        for (int i = 0; i < 256; ++i)
            binary.append(char(i));
        r = runCli({"add", file, "--kind", "picture", "--info", "a\tb\tPic\nture", "--stdin",
                    "--comment", "line 1\nline 2", "--folder", "Pictures"},
                   binary);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("3\n"));
        QCOMPARE(runCli({"cat", file, "3"}).out, binary);
        QCOMPARE(runCli({"cat", file, "3", "--comment"}).out, QByteArray("line 1\r\nline 2"));
        r = runCli({"list", file});
        QVERIFY2(r.out.contains("3\t") &&
                     r.out.contains("\tpicture\ta\\tb\\tPic\\nture\t256\t14\n"),
                 r.out.constData());

        r = runCli({"tree", file});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QString::fromUtf8(r.out), QString("Project name  [root, data 0]\n"
                                                   "  First document  [document, data 1]\n"
                                                   "  Second document  [document, data 2]\n"
                                                   "  Pictures  [folder, data -1]\n"
                                                   "    Pic\nture  [picture, data 3]\n"));

        // A page given in a file, and a kind by number.
        QFile f(dir + "/page.html");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<p>hello</p>");
        f.close();
        r = runCli({"add", file, "--kind=7", "--info", "x", "--file", dir + "/page.html"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(runCli({"cat", file, "4"}).out, QByteArray("<p>hello</p>"));
        QVERIFY(runCli({"list", file}).out.contains("\t7\tx\t12\t0\n"));
    }

    void errorsAreClear()
    {
        const QString dir = testTempDir();
        const QString file = dir + "/e.sup";
        QCOMPARE(runCli({"new", file}).exitCode, 0);
        QFile junk(dir + "/junk.sup");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(2000, 'j'));
        junk.close();

        struct Case
        {
            QStringList args;
            int code;
            QByteArray message;
        };
        const QList<Case> cases = {
            {{}, 2, "usage"},
            {{"frobnicate"}, 2, "unknown command"},
            {{"list", dir + "/missing.sup"}, 1, "no such report"},
            {{"list", dir + "/junk.sup"}, 1, "junk.sup"},
            {{"add", file, "--kind", "spreadsheet", "--info", "x", "--stdin"},
             2,
             "is not a page kind"},
            {{"add", file, "--kind", "folder", "--info", "x", "--stdin"}, 2, "is not a page kind"},
            {{"add", file, "--kind", "10", "--info", "x", "--stdin"}, 2, "is not a page kind"},
            {{"list", dir}, 1, "is a folder"},
            {{"add", file, "--kind", "1", "--info", "x"}, 2, "exactly one of --file and --stdin"},
            {{"add", file, "--kind", "1", "--info", "x", "--stdin", "--file", "y"},
             2,
             "exactly one"},
            {{"add", file, "--info", "x", "--stdin"}, 2, "--kind is required"},
            {{"add", file, "--kind", "1", "--info", "x", "--file", dir + "/none"},
             1,
             "cannot read"},
            {{"add", file, "--kind"}, 2, "needs a value"},
            {{"cat", file, "99"}, 1, "no page 99"},
            {{"cat", file, "abc"}, 2, "not a page id"},
            {{"tree", file, "--bogus"}, 2, "unknown option --bogus"},
            {{"signal", "extra"}, 2, "takes no arguments"},
        };
        for (const Case &c : cases) {
            const CliResult r = runCli(c.args);
            QVERIFY2(r.exitCode == c.code,
                     qPrintable(c.args.join(' ') + " -> " + QString::number(r.exitCode)));
            QVERIFY2(r.err.contains(c.message), qPrintable(c.args.join(' ') + ": " + r.err));
        }
        // Nothing was appended by the failed calls.
        QCOMPARE(runCli({"list", file}).out.count('\n'), 4);
        // Every command explains itself.
        for (const char *command : {"new", "add", "list", "cat", "tree", "signal", "wordcloud"}) {
            const CliResult r = runCli({command, "--help"});
            QVERIFY2(r.exitCode == 0 && r.out.contains("usage: tessary-cli"), command);
        }
    }

    void signalCreatesTheIntakeFile()
    {
        QFile::remove(TDM::signalFilePath());
        const CliResult r = runCli({"signal"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(QFile::exists(TDM::signalFilePath()));
        QCOMPARE(r.out.trimmed(), TDM::signalFilePath().toUtf8());
        QVERIFY(QFile::remove(TDM::signalFilePath()));
    }
};

TESSARY_TEST(TestCli)
#include "tst_cli.moc"
