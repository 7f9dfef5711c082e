// INI files shared with the host, program paths, file copying, the
// single-instance guard and the dialogs seam.
#include "platform/dialogs/Dialogs.h"
#include "platform/ini/IniFile.h"
#include "platform/instance/SingleInstance.h"
#include "platform/paths/Paths.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestReport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {
void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray read(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
} // namespace

class TestFiles : public QObject
{
    Q_OBJECT
private slots:
    void iniEditsKeepForeignLines()
    {
        const QString path = testTempDir() + "/Host.KVB";
        const QByteArray original =
            "; written by the host\r\n[OPTIONS]\r\nPublic File Name = C:\\a b.sup\r\n"
            "Unknown=keep me\r\n\r\n[Other]\r\nSUP Modified=F\r\nx\r\n";
        write(path, original);
        IniFile ini(path);
        QCOMPARE(ini.readString("options", "PUBLIC FILE NAME"), QString("C:\\a b.sup"));
        QCOMPARE(ini.readString("OPTIONS", "missing", "def"), QString("def"));
        QCOMPARE(ini.readInteger("OPTIONS", "Unknown", 7), 7);
        QVERIFY(ini.hasKey("Other", "sup modified"));
        ini.writeString("OPTIONS", "SUP Modified", "T");
        ini.updateFile();
        QCOMPARE(
            read(path),
            QByteArray(
                "; written by the host\r\n[OPTIONS]\r\nPublic File Name = C:\\a b.sup\r\n"
                "Unknown=keep me\r\nSUP Modified=T\r\n\r\n[Other]\r\nSUP Modified=F\r\nx\r\n"));
        // Changing a key touches only its line; a new section goes at the end.
        IniFile again(path);
        again.writeString("OPTIONS", "sup modified", "T");
        again.writeInteger("New", "N", 5);
        again.updateFile();
        QVERIFY(read(path).endsWith("x\r\n[New]\r\nN=5\r\n"));
        QCOMPARE(IniFile(path).readInteger("new", "n", 0), 5);

        // LF files stay LF; a missing file and folder are created.
        const QString lf = testTempDir() + "/lf.ini";
        write(lf, "[A]\nk=1\n");
        IniFile l(lf);
        l.writeString("A", "k", "2");
        l.updateFile();
        QCOMPARE(read(lf), QByteArray("[A]\nk=2\n"));
        const QString fresh = testTempDir() + "/sub/dir/new.ini";
        IniFile n(fresh);
        QCOMPARE(n.readString("X", "y", "none"), QString("none"));
        n.writeString("X", "y", "z");
        n.updateFile();
        QCOMPARE(read(fresh), QByteArray("[X]\r\ny=z\r\n"));
    }

    void copyFileBlocksResultCodes()
    {
        const QString dir = testTempDir();
        QByteArray data;
        for (int i = 0; i < 2048 * 3 + 17; ++i)
            data.append(char(i * 31));
        write(dir + "/src", data);
        QCOMPARE(CopyFileBlocks(dir + "/src", dir + "/dst"), int(CopyOk));
        QCOMPARE(read(dir + "/dst"), data);
        write(dir + "/empty", "");
        QCOMPARE(CopyFileBlocks(dir + "/empty", dir + "/dst2"), int(CopyOk));
        QCOMPARE(read(dir + "/dst2"), QByteArray());
        QCOMPARE(CopyFileBlocks(dir + "/src", dir + "/../" + QFileInfo(dir).fileName() + "/src"),
                 int(CopySameName));
        QCOMPARE(CopyFileBlocks(dir + "/nothing", dir + "/dst3"), int(CopySourceUnreadable));
        QCOMPARE(CopyFileBlocks(dir + "/src", dir + "/no/folder/dst"),
                 int(CopyDestinationUncreatable));
    }

    void programPaths()
    {
        // The test runs with TMPDIR and XDG_CONFIG_HOME of its own.
        const QString programDir = testTempDir();
        write(programDir + "/Tessary.INI", "[MAIN]\nWIDTH=640\n");
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        QVERIFY(!config.isEmpty());
        QFile::remove(config + "/Orvane/Tessary.INI");
        computeProgramPaths(programDir + "/tessary");
        const ProgramPaths &p = paths();
        QCOMPARE(p.ProgramFolder, programDir + "/");
        QCOMPARE(p.TempFolder, QDir::tempPath() + "/");
        QCOMPARE(p.AppDataPath, config);
        QCOMPARE(p.UserDataFolder, config + "/Orvane/");
        QVERIFY(QFileInfo(p.UserDataFolder).isDir());
        QCOMPARE(p.SettingsPath, config + "/Orvane/Tessary.INI");
        QVERIFY(p.SharedDataFolder.endsWith("/Orvane/"));
        // The program folder's settings are copied once, never over the user's own.
        QCOMPARE(read(p.SettingsPath), QByteArray("[MAIN]\nWIDTH=640\n"));
        write(p.SettingsPath, "[MAIN]\nWIDTH=1000\n");
        computeProgramPaths(programDir + "/tessary");
        QCOMPARE(read(p.SettingsPath), QByteArray("[MAIN]\nWIDTH=1000\n"));
    }

    void singleInstanceHandsOverTheFile()
    {
        SingleInstance first("TessaryTest" + QString::number(QCoreApplication::applicationPid()));
        QVERIFY(first.claim(QString()));
        QSignalSpy spy(&first, &SingleInstance::fileRequested);
        SingleInstance second("TessaryTest" + QString::number(QCoreApplication::applicationPid()));
        QVERIFY(!second.claim("/data/report one.sup"));
        QVERIFY(spy.wait(5000) || spy.size() == 1);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString("/data/report one.sup"));
    }

    void dialogsSeam()
    {
        QCOMPARE(qtFileFilter("Output manager|*.sup"), QString("Output manager (*.sup)"));
        QCOMPARE(qtFileFilter(
                     "Tablular data (*.tab;*.csv)|*.tab;*.csv;*.grid2|Chart results (*.kcx)|*.kcx"),
                 QString("Tablular data (*.tab *.csv *.grid2);;Chart results (*.kcx)"));
        ScriptedDialogsScope scope;
        scope->answer("confirm", true);
        scope->answer("input", "typed");
        QVERIFY(dialogs().confirm(nullptr, "Sure?"));
        QVERIFY(!dialogs().confirm(nullptr, "Again?")); // nothing queued: No
        QCOMPARE(dialogs().inputText(nullptr, "Edit title", "prompt", "old").value(),
                 QString("typed"));
        QVERIFY(!dialogs().inputText(nullptr, "Edit title", "prompt", "old").has_value());
        QCOMPARE(scope->asked, QStringList({"confirm: Sure?", "confirm: Again?",
                                            "input: Edit title", "input: Edit title"}));
        QCOMPARE(scope->unanswered, QStringList({"confirm: Again?", "input: Edit title"}));
    }
};

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
