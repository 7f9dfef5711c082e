// The real program as a process: it opens the report named on its command
// line, takes the host's rows, hands a second start over to the first, and
// stores the tree when it is told to end.
#include "platform/db/EngineFactory.h"
#include "store/ReportTree.h"
#include "store/StoreHost.h"
#include "store/TDM.h"
#include "tests/support/TestReport.h"

#include "tests/support/TestMain.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

#include <QtTest>
#include <csignal>

class TestProcess : public QObject
{
    Q_OBJECT
private slots:
    void terminateStoresTheTree()
    {
        const QString dir = testTempDir();
        const QString file = dir + "/proc.sup";
        QCOMPARE(runCli({"new", file}).exitCode, 0);
        // A row the tree does not hold yet: opening places it under "New items".
        QCOMPARE(
            runCli({"add", file, "--kind", "table", "--info", "\t\tWaiting row", "--stdin"}, "x")
                .exitCode,
            0);

        QProcess app;
        app.setProcessChannelMode(QProcess::ForwardedChannels);
        app.start(qEnvironmentVariable("TESSARY_APP"), {file});
        QVERIFY(app.waitForStarted(30000));
        // The program is ready when it consumes a signal file.
        QFile::remove(TDM::signalFilePath());
        QCOMPARE(runCli({"add", file, "--kind", "chart", "--info", "\t\tSignalled row", "--stdin",
                         "--signal"},
                        "y")
                     .exitCode,
                 0);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(TDM::signalFilePath()), 20000);

        // A second start, elsewhere, hands its file to the first and ends at once.
        const QString other = dir + "/other.sup";
        QCOMPARE(runCli({"new", other}).exitCode, 0);
        QProcess second;
        second.setWorkingDirectory(dir); // a name relative to the second copy's folder
        second.start(qEnvironmentVariable("TESSARY_APP"), {"other.sup"});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 0);

        // The first copy switched to the other report, storing the first one's tree.
        QTRY_VERIFY_WITH_TIMEOUT(runCli({"tree", file}).out.contains("Signalled row"), 20000);
        const QByteArray tree = runCli({"tree", file}).out;
        QVERIFY2(tree.contains("  New items  [folder, data -1]\n    Waiting row  [table"),
                 tree.constData());

        // SIGTERM closes the window like the window manager: the tree is stored.
        QCOMPARE(runCli({"add", other, "--kind", "picture", "--info", "\t\tLate row", "--stdin",
                         "--signal"},
                        "z")
                     .exitCode,
                 0);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(TDM::signalFilePath()), 20000);
        ::kill(pid_t(app.processId()), SIGTERM);
        QVERIFY(app.waitForFinished(30000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QVERIFY2(runCli({"tree", other}).out.contains("Late row"),
                 runCli({"tree", other}).out.constData());
        // The window's placement was written to the user's settings.
        QVERIFY(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Orvane/Tessary.INI"));
    }

    // The quick look (--quit-after-open --screenshot) describes and pictures
    // the window once its page is shown, not while it is being shown.
    void theQuickLookShowsTheSelectedPage()
    {
        const QString dir = testTempDir();
        const QString file = dir + "/look.sup";
        const QString red = dir + "/red.png";
        QImage picture(240, 160, QImage::Format_RGB32);
        picture.fill(QColor(255, 0, 0));
        QVERIFY(picture.save(red));
        QCOMPARE(runCli({"new", file}).exitCode, 0);
        const CliResult imported = runCli({"import", file, red, "--folder", "Pictures"});
        QVERIFY2(imported.exitCode == 0, imported.err.constData());
        {
            StoreHost host;
            TDM dm(&host, EngineFactory::anyAddress());
            dm.DBOpen(file);
            ReportNode *node = dm.tree()->findCaption("red");
            QVERIFY(node);
            dm.tree()->selectNode(node);
            dm.SaveTree();
            dm.CloseFile();
        }
        const QString shot = dir + "/look.png";
        QProcess app;
        app.start(qEnvironmentVariable("TESSARY_APP"),
                  {"--quit-after-open", "--screenshot", shot, file});
        QVERIFY(app.waitForFinished(60000));
        QCOMPARE(app.exitCode(), 0);
        QVERIFY(app.readAllStandardOutput().contains("showing \"red\""));
        QImage window(shot);
        QVERIFY(!window.isNull());
        window = window.convertToFormat(QImage::Format_RGB32);
        int redPixels = 0;
        for (int y = 0; y < window.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(window.constScanLine(y));
            for (int x = 0; x < window.width(); ++x)
                redPixels += qRed(line[x]) > 240 && qGreen(line[x]) < 15 && qBlue(line[x]) < 15;
        }
        QVERIFY2(redPixels >= 240 * 160 / 2, qPrintable(QString::number(redPixels)));
    }

    void aQuitRequestEndsTheProgramWhateverIsOpen()
    {
        const QString dir = testTempDir();
        // A zero-byte report: the start-up error box is up when SIGTERM arrives.
        const QString empty = dir + "/empty.sup";
        QFile(empty).open(QIODevice::WriteOnly);
        QProcess app;
        app.setProcessChannelMode(QProcess::MergedChannels);
        app.start(qEnvironmentVariable("TESSARY_APP"), {empty});
        QVERIFY(app.waitForStarted(30000));
        // Once the lock is taken the program opens the report and shows the box.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QDir::tempPath() + "/Tessary-user.lock"), 20000);
        ::kill(pid_t(app.processId()), SIGTERM);
        QVERIFY2(app.waitForFinished(15000), app.readAll().constData());
        QCOMPARE(QFileInfo(empty).size(), 0);
        // The single-instance lock is free again: a later start runs on its own.
        QProcess later;
        later.start(qEnvironmentVariable("TESSARY_APP"), {"--quit-after-open", empty});
        QVERIFY(later.waitForFinished(30000));
        QVERIFY(later.exitCode() != 0);
        QVERIFY(later.readAllStandardError().contains("not a report"));
        QCOMPARE(QFileInfo(empty).size(), 0);

        // Help and version need no display at all.
        QProcess help;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        help.setProcessEnvironment(env);
        for (const char *option : {"--help", "--version"}) {
            help.start(qEnvironmentVariable("TESSARY_APP"), {option});
            QVERIFY(help.waitForFinished(30000));
            QCOMPARE(help.exitStatus(), QProcess::NormalExit);
            QCOMPARE(help.exitCode(), 0);
            QVERIFY(!help.readAllStandardOutput().isEmpty());
        }
    }
};

TESSARY_TEST(TestProcess)
#include "tst_process.moc"
