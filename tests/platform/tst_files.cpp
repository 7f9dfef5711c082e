// INI files shared with the host, program paths, file copying, the
// single-instance guard and the dialogs seam.
#include "platform/HeapTuning.h"
#include "platform/TessaryError.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/dialogs/QtDialogs.h"
#include "platform/dialogs/ReportOpenDialog.h"
#include "platform/ini/IniFile.h"
#include "platform/instance/SingleInstance.h"
#include "platform/paths/Paths.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestReport.h"

#include <cstdlib>
#if __has_include(<malloc.h>)
#include <malloc.h>
#endif
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
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
    // Buffers of a few megabytes come from the heap once the program's start
    // has tuned it: making and dropping one maps nothing from the system.
    void pictureBuffersComeFromTheHeap()
    {
#if __has_include(<malloc.h>) && defined(__GLIBC__)
        HeapTuning::keepPictureBuffersInHeap();
        for (const size_t size : {size_t(3) << 20, size_t(24) << 20}) {
            const size_t mapped = mallinfo2().hblks;
            char *buffer = static_cast<char *>(std::malloc(size));
            QVERIFY(buffer);
            buffer[size - 1] = 1;
            const size_t whileHeld = mallinfo2().hblks;
            std::free(buffer);
            QCOMPARE(whileHeld, mapped);
        }
        // Beyond the threshold a block is still mapped on its own.
        const size_t mapped = mallinfo2().hblks;
        char *huge = static_cast<char *>(std::malloc(size_t(40) << 20));
        QVERIFY(huge);
        QCOMPARE(mallinfo2().hblks, mapped + 1);
        std::free(huge);
#else
        QSKIP("The C library has no heap settings");
#endif
    }

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

    void iniKeepsBytesItDoesNotChange()
    {
        // A byte-order mark, mixed line endings, 8-bit text, a comment closing the
        // section and a last line without a line ending all survive a change.
        const QString path = testTempDir() + "/mixed.ini";
        write(path, "\xEF\xBB\xBF[Main]\r\nA = 1\nb=2\r\n; end of main\r\n\r\n[Tail]\nz=9");
        IniFile ini(path);
        QCOMPARE(ini.readString("MAIN", "a"), QString("1"));
        QCOMPARE(ini.readString("tail", "Z"), QString("9"));
        ini.writeString("main", "C", "3");
        ini.writeString("main", "a", " spaced=value ");
        ini.updateFile();
        QCOMPARE(read(path),
                 QByteArray("\xEF\xBB\xBF[Main]\r\na= spaced=value \nb=2\r\nC=3\r\n; end "
                            "of main\r\n\r\n[Tail]\nz=9"));
        QCOMPARE(IniFile(path).readString("Main", "A"), QString("spaced=value"));
        IniFile tail(path);
        tail.writeString("Tail", "y", "8");
        tail.writeString("Added", "k", "v");
        tail.updateFile();
        QVERIFY(read(path).endsWith("[Tail]\nz=9\r\ny=8\r\n[Added]\r\nk=v\r\n"));

        // A file in an 8-bit code page keeps its bytes.
        const QString latin = testTempDir() + "/latin.kvb";
        write(latin, "[OPTIONS]\r\nPublic File Name=C:\\Donn\xE9\x65s\\r\xE9sultat.sup\r\n");
        IniFile l(latin);
        QCOMPARE(l.readString("OPTIONS", "Public File Name"),
                 QString::fromUtf8("C:\\Données\\résultat.sup"));
        l.writeString("OPTIONS", "SUP Modified", "T");
        l.updateFile();
        QCOMPARE(read(latin),
                 QByteArray("[OPTIONS]\r\nPublic File Name=C:\\Donn\xE9\x65s\\r\xE9sult"
                            "at.sup\r\nSUP Modified=T\r\n"));

        // Numbers, and a path that cannot be written.
        IniFile n(path);
        n.writeString("Main", "W", "12x");
        QCOMPARE(n.readInteger("Main", "W", -4), -4);
        QCOMPARE(n.readInteger("Main", "missing", 17), 17);
        n.writeInteger("Main", "W", -12);
        QCOMPARE(n.readInteger("Main", "W", 0), -12);
        IniFile blocked(path + "/under/a/file.ini");
        blocked.writeString("A", "b", "c");
        try {
            blocked.updateFile();
            QFAIL("wrote below a file");
        } catch (const TessaryError &e) {
            QVERIFY2(e.message().contains("file.ini"), qPrintable(e.message()));
        }
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
        QCOMPARE(CopyFileBlocks(dir + "/src", dir + "/src"), int(CopySameName));
        QCOMPARE(read(dir + "/src"), data);
        // A link to the file is the same file.
        QVERIFY(QFile::link(dir + "/src", dir + "/link"));
        QCOMPARE(CopyFileBlocks(dir + "/link", dir + "/src"), int(CopySameName));
        // An existing destination is replaced, not appended to.
        write(dir + "/small", "abc");
        QCOMPARE(CopyFileBlocks(dir + "/small", dir + "/dst"), int(CopyOk));
        QCOMPARE(read(dir + "/dst"), QByteArray("abc"));
        // A disk that takes nothing: fewer bytes written than read.
        if (QFileInfo::exists("/dev/full"))
            QCOMPARE(CopyFileBlocks(dir + "/src", "/dev/full"), int(CopyShortWrite));
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
        // The shared folder is the first system data folder (XDG_DATA_DIRS here).
        const QString system = qEnvironmentVariable("XDG_DATA_DIRS").section(':', 0, 0);
        QVERIFY(!system.isEmpty());
        QCOMPARE(p.SharedDataFolder, system + "/Orvane/");
        QVERIFY(QFileInfo(p.SharedDataFolder).isDir());
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
        // Names are handed over exactly, and a copy started without one asks too.
        SingleInstance third("TessaryTest" + QString::number(QCoreApplication::applicationPid()));
        QVERIFY(!third.claim(" Données.sup "));
        SingleInstance fourth("TessaryTest" + QString::number(QCoreApplication::applicationPid()));
        QVERIFY(!fourth.claim(QString()));
        while (spy.size() < 3 && spy.wait(5000)) {
        }
        QCOMPARE(spy.size(), 3);
        // The two requests may be read in either order.
        QStringList later{spy.at(1).at(0).toString(), spy.at(2).at(0).toString()};
        later.sort();
        QCOMPARE(later, QStringList({QString(), QString(" Données.sup ")}));
    }

    void singleInstanceTakesOverAStaleLock()
    {
        const QString name = "TessaryStale" + QString::number(QCoreApplication::applicationPid());
        const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", "user"));
        const QString lockPath = QDir::tempPath() + "/" + name + "-" + user + ".lock";
        // A lock file left by a process that has ended.
        QProcess shell;
        shell.start("sh", {"-c", "echo $$"});
        QVERIFY(shell.waitForFinished(30000));
        const QByteArray deadPid = shell.readAllStandardOutput().trimmed();
        QVERIFY(!deadPid.isEmpty());
        write(lockPath, deadPid + "\nsh\n\n");
        SingleInstance guard(name);
        QVERIFY(guard.claim(QString()));
        QVERIFY(read(lockPath).startsWith(QByteArray::number(QCoreApplication::applicationPid()) +
                                          "\n"));
    }

    void singleInstanceRefusesWhenTheHolderIsSilent()
    {
        // The lock is held by a live process (this one) but nobody listens.
        const QString name = "TessarySilent" + QString::number(QCoreApplication::applicationPid());
        const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", "user"));
        QLockFile held(QDir::tempPath() + "/" + name + "-" + user + ".lock");
        QVERIFY(held.tryLock(0));
        SingleInstance late(name);
        QVERIFY(!late.claim("x.sup"));
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

        // Answers of one kind come back in the order they were queued; other kinds
        // do not take them. Unanswered file and colour dialogs are cancelled.
        ScriptedDialogsScope inner;
        QVERIFY(&dialogs() == &*inner);
        inner->answer("save", "/tmp/one.sup");
        inner->answer("open", "/tmp/in.sup");
        inner->answer("save", "/tmp/two.sup");
        inner->answer("color", QColor(Qt::red));
        QCOMPARE(dialogs().saveFile(nullptr, "Save", "/tmp", "Output manager|*.sup", "SUP"),
                 QString("/tmp/one.sup"));
        QCOMPARE(dialogs().saveFile(nullptr, "Save", "/tmp", "Output manager|*.sup", "SUP"),
                 QString("/tmp/two.sup"));
        QCOMPARE(dialogs().saveFile(nullptr, "Save", "/tmp", "Output manager|*.sup", "SUP"),
                 QString());
        QCOMPARE(dialogs().openFile(nullptr, "Open", "/tmp", "Output manager|*.sup"),
                 QString("/tmp/in.sup"));
        QCOMPARE(dialogs().chooseColor(nullptr, Qt::black).value(), QColor(Qt::red));
        QVERIFY(!dialogs().chooseColor(nullptr, Qt::black).has_value());
        QVERIFY(!dialogs().chooseFont(nullptr, QFont()).has_value());
        QVERIFY(dialogs().openFiles(nullptr, "Import", "/tmp", "All|*.*").isEmpty());
        dialogs().message(nullptr, "Cannot save data!", Dialogs::Icon::Error);
        QCOMPARE(inner->asked.last(), QString("message: Cannot save data!"));
        QVERIFY(!inner->unanswered.contains("message: Cannot save data!"));
        QCOMPARE(inner->unanswered,
                 QStringList({"save: Save", "color: ", "font: ", "openMany: Import"}));
        QVERIFY(scope->asked.size() == 4); // the outer script saw none of it
    }

    void dialogsInstallation()
    {
        // Without a script the program gets Qt's dialogs; installing hands back the
        // previous implementation.
        auto previous = installDialogs(nullptr);
        QVERIFY(dynamic_cast<QtDialogs *>(&dialogs()) != nullptr);
        auto mine = std::make_unique<ScriptedDialogs>();
        ScriptedDialogs *raw = mine.get();
        auto qt = installDialogs(std::move(mine));
        QVERIFY(dynamic_cast<QtDialogs *>(qt.get()) != nullptr);
        QCOMPARE(&dialogs(), raw);
        installDialogs(std::move(previous));
        QCOMPARE(qtFileFilter(""), QString());
        QCOMPARE(qtFileFilter("Pictures|*.bmp;*.jpg;*.png|All files|*.*"),
                 QString("Pictures (*.bmp *.jpg *.png);;All files (*.*)"));
    }

    void reportOpenDialog()
    {
        QTemporaryDir dir;
        const QString report = dir.filePath("team.sup");
        QFile f(report);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        {
            // An address typed in the field opens the server report; the button
            // waits for some text.
            ReportOpenDialog dlg(nullptr, "Open report", dir.path(), "Reports (*.sup)", QString());
            QVERIFY(!dlg.openAddressButton()->isEnabled());
            dlg.addressField()->setText("  postgresql://db.example/team?report=q3  ");
            QVERIFY(dlg.openAddressButton()->isEnabled());
            dlg.openAddressButton()->click();
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(dlg.chosen(), QString("postgresql://db.example/team?report=q3"));
        }
        {
            // A file chosen in the file list opens as before; the field keeps the
            // last address for the next time.
            ReportOpenDialog dlg(nullptr, "Open report", dir.path(), "Reports (*.sup)",
                                 "postgresql://db.example/team?report=q3");
            QCOMPARE(dlg.addressField()->text(), QString("postgresql://db.example/team?report=q3"));
            dlg.fileDialog()->selectFile(report);
            auto *buttons = dlg.fileDialog()->findChild<QDialogButtonBox *>();
            QVERIFY(buttons && buttons->button(QDialogButtonBox::Open));
            buttons->button(QDialogButtonBox::Open)->click();
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(QFileInfo(dlg.chosen()).canonicalFilePath(),
                     QFileInfo(report).canonicalFilePath());
        }
        {
            ReportOpenDialog dlg(nullptr, "Open report", dir.path(), "Reports (*.sup)", QString());
            dlg.fileDialog()->reject();
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
            QVERIFY(dlg.chosen().isEmpty());
        }
    }
};

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
