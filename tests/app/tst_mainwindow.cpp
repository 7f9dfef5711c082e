// The main window: storing the page being left, cancel, folders and the root,
// closing, start-up and the window's settings.
#include "AppFixture.h"

#include "app/MainActions.h"
#include "platform/db/ReportAddress.h"
#include "platform/ini/IniFile.h"
#include "platform/paths/Paths.h"
#include "store/PageKind.h"
#include "tests/support/TestReport.h"

#include "tests/support/TestMain.h"
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QUuid>

#include <QtTest>

namespace {
// A report with a table, a chart, a folder and a page in it.
struct Pages
{
    qint32 table, chart, inner;
};

Pages buildPages(AppFixture &f)
{
    ReportTree &t = f.tree();
    ReportNode *root = t.nodeAt(0);
    Pages p;
    f.editor(EditorSlot::Table).content = "table v1";
    p.table = f.dm->AddRecord(PageKind::Table, "table", "");
    f.dm->SaveGrid(p.table);
    f.editor(EditorSlot::Chart).content = "chart v1";
    p.chart = f.dm->AddRecord(PageKind::Chart, "chart");
    f.dm->SaveChart(p.chart);
    t.addNode(root, "table", PageKind::Table, p.table);                   // 3
    t.addNode(root, "chart", PageKind::Chart, p.chart);                   // 4
    ReportNode *folder = t.addNode(root, "folder", PageKind::Folder, -1); // 5
    p.inner = f.dm->AddRecord(PageKind::Document, "inner");
    t.addNode(folder, "inner", PageKind::Document, p.inner); // 6
    f.dm->SaveTree();
    return p;
}

QByteArray stored(AppFixture &f, EditorSlot slot, int kind, qint32 id)
{
    const QByteArray keep = f.editor(slot).content;
    f.dm->loadPage(kind, id);
    const QByteArray s = f.editor(slot).content;
    f.editor(slot).content = keep;
    return s;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        dir = testTempDir();
        paths().ProgramFolder = dir + "/";
        paths().SettingsPath = dir + "/Tessary.INI";
    }

    void anIntakeCannotRedirectThePageBeingLeft()
    {
        AppFixture f;
        const QString file = dir + "/identity.sup";
        f.dm->DBCreate(file);
        auto hostAdd = [&](const char *title) {
            const CliResult r = runCli({"add", file, "--kind", "chart", "--info",
                                        QString("H\tC\t") + title, "--stdin", "--signal"},
                                       "host bytes");
            QCOMPARE(r.exitCode, 0);
            f.window->Timer1Timer();
        };
        hostAdd("Host 1");
        ReportTree &t = f.tree();
        ReportNode *mine = t.addNode(t.root(), "Mine", PageKind::Document,
                                     f.dm->AddRecord(PageKind::Document, "Mine"));
        t.selectNode(mine);
        f.window->commentBox()->setPlainText("my comment");
        f.editor(EditorSlot::Document).edit("my text");
        // The host's next row lands before the shown node in display order.
        hostAdd("Host 2");
        QCOMPARE(t.findCaption("New items")->childCount(), 2);
        QCOMPARE(t.node(ShownItemIndex), mine);
        f.select(1);
        QCOMPARE(runCli({"cat", file, QString::number(mine->data), "--comment"}).out,
                 QByteArray("my comment"));
        QCOMPARE(runCli({"cat", file, QString::number(mine->data)}).out, QByteArray("my text"));
        for (int i = 0; i < 2; ++i) {
            const qint32 host = t.findCaption("New items")->child(i)->data;
            QCOMPARE(runCli({"cat", file, QString::number(host), "--comment"}).out, QByteArray());
            QCOMPARE(runCli({"cat", file, QString::number(host)}).out, QByteArray("host bytes"));
        }
    }

    void theWindowsBarsDriveTheRealEditors()
    {
        ScriptedDialogsScope scripted;
        PageModified = CommentModified = false;
        TTessaryM window;
        TDM dm(&window, EngineFactory::anyAddress());
        window.createEditors();
        MainActions *a = window.actions();
        // Commands of every editor made at start are bound and enabled.
        for (const char *name : {"WPABold1", "GridBold", "SaveChartBtn", "ZoomInImageBtn",
                                 "BtnSaveCloud", "TableExport"})
            QVERIFY2(a->action(name)->isEnabled(), name);
        // The diagram editor is made when a diagram page is first shown.
        QVERIFY(!window.editorForm(EditorSlot::Diagram));
        window.ShowEditorNo(PageKind::Diagram);
        QVERIFY(window.editorForm(EditorSlot::Diagram));
        QVERIFY(a->action("btnDiagramZoomIn")->isEnabled());
        // Triggering the window's command runs the editor's own action.
        QWidget *doc = window.editorForm(EditorSlot::Document);
        auto *bold = doc->findChild<QAction *>("WPABold1");
        QVERIFY(bold);
        window.ShowEditorNo(PageKind::Document);
        const bool before = bold->isChecked();
        a->action("WPABold1")->trigger();
        QCOMPARE(bold->isChecked(), !before);
        QCOMPARE(a->action("WPABold1")->isChecked(), bold->isChecked());
        // Cancel stays the window's: the editors' own cancel actions are not bound.
        QWidget *chart = window.editorForm(EditorSlot::Chart);
        QVERIFY(chart->findChildren<QToolBar *>(QStringLiteral("ChartBar")).isEmpty() ||
                !chart->findChild<QToolBar *>(QStringLiteral("ChartBar"))->isVisibleTo(chart));
    }

    // A report on a server, named by its address, opens from the hand-over of
    // a second copy and from the address field of File, Open alike.
    void serverReportsOpenByAddress()
    {
        const QString server = qEnvironmentVariable("TESSARY_TEST_PG");
        if (server.isEmpty())
            QSKIP("No PostgreSQL server named: set TESSARY_TEST_PG (make test starts one)");
        const QString address = ReportAddress::withReport(
            server, "app_" + QUuid::createUuid().toString(QUuid::Id128).left(12));
        QCOMPARE(runCli({"new", address}).exitCode, 0);
        QCOMPARE(
            runCli({"add", address, "--kind", "table", "--info", "a\tb\tShared table", "--stdin"},
                   "{}")
                .exitCode,
            0);
        AppFixture f;
        f.dm->DBCreate(dir + "/local.sup");
        f.window->requestOpen(address);
        QTRY_VERIFY2(f.dm->databaseFileName() == address, qPrintable(f.dialogs->asked.join(" | ")));
        QVERIFY(f.dm->tree()->findCaption("Shared table"));
        f.dm->DBOpen(dir + "/local.sup");
        f.dialogs->answer("open", address);
        f.window->actions()->action("Save1")->trigger();
        QVERIFY2(f.dm->databaseFileName() == address, qPrintable(f.dialogs->asked.join(" | ")));
        QVERIFY(f.dm->tree()->findCaption("Shared table"));
    }

    void aHandOverWaitsForTheOpenDialog()
    {
        AppFixture f;
        f.dm->DBCreate(dir + "/first.sup");
        f.dm->DBCreate(dir + "/second.sup");
        f.dm->DBOpen(dir + "/first.sup");
        QDialog modal(f.window.get());
        modal.setModal(true);
        modal.show();
        QVERIFY(QApplication::activeModalWidget());
        f.window->requestOpen(dir + "/second.sup");
        QCoreApplication::processEvents();
        QCOMPARE(f.dm->databaseFileName(), dir + "/first.sup");
        modal.close();
        QTRY_COMPARE(f.dm->databaseFileName(), dir + "/second.sup");
    }

    void leavingAPageStoresItUnderItsOwnId()
    {
        AppFixture f;
        f.dm->DBCreate(dir + "/r.sup");
        const Pages p = buildPages(f);

        f.select(3);
        QCOMPARE(f.editor(EditorSlot::Table).content, QByteArray("table v1"));
        QVERIFY(f.editor(EditorSlot::Table).isVisibleTo(f.window.get()));
        QCOMPARE(f.shown(), 3);
        f.editor(EditorSlot::Table).edit("table v2");
        f.window->commentBox()->setPlainText("table note");
        QVERIFY(CommentModified);
        QFile::remove(dir + "/r.KVB");

        f.select(4); // the chart
        QCOMPARE(stored(f, EditorSlot::Table, PageKind::Table, p.table), QByteArray("table v2"));
        QCOMPARE(stored(f, EditorSlot::Chart, PageKind::Chart, p.chart), QByteArray("chart v1"));
        QCOMPARE(f.editor(EditorSlot::Chart).content, QByteArray("chart v1"));
        QVERIFY(!f.editor(EditorSlot::Table).isVisibleTo(f.window.get()));
        QVERIFY(f.editor(EditorSlot::Chart).isVisibleTo(f.window.get()));
        QVERIFY(!PageModified && !CommentModified);
        QCOMPARE(f.shown(), 4);
        QVERIFY(IniFile(dir + "/r.KVB").readString("OPTIONS", "SUP Modified") == "T");
        // The comment went to the table's row, and comes back with the table.
        QVERIFY(f.window->commentBox()->toPlainText().isEmpty());
        f.select(3);
        QCOMPARE(f.window->commentBox()->toPlainText(), QString("table note"));

        // Selecting without changes stores nothing.
        const int loads = f.editor(EditorSlot::Chart).loads;
        f.select(4);
        QCOMPARE(f.editor(EditorSlot::Chart).loads, loads + 1);
        QCOMPARE(stored(f, EditorSlot::Table, PageKind::Table, p.table), QByteArray("table v2"));
    }

    void cancelReloadsTheStoredPage()
    {
        AppFixture f;
        f.dm->DBCreate(dir + "/c.sup");
        const Pages p = buildPages(f);
        f.select(4);
        f.editor(EditorSlot::Chart).edit("chart changed");
        f.window->actions()->action("CancelChartBtn")->setEnabled(true);
        f.window->actions()->action("CancelChartBtn")->trigger();
        QCOMPARE(f.editor(EditorSlot::Chart).content, QByteArray("chart v1"));
        QVERIFY(!PageModified);
        f.select(3);
        QCOMPARE(stored(f, EditorSlot::Chart, PageKind::Chart, p.chart), QByteArray("chart v1"));
    }

    void storeFailureIsReportedAndTheCommentStillStored()
    {
        AppFixture f;
        f.dm->DBCreate(dir + "/fail.sup");
        const Pages p = buildPages(f);
        f.select(3);
        f.editor(EditorSlot::Table).failSave = true;
        f.editor(EditorSlot::Table).edit("lost?");
        f.window->commentBox()->setPlainText("kept comment");
        f.select(4);
        QCOMPARE(f.dialogs->asked, QStringList({"message: Cannot save data!"}));
        QVERIFY(!PageModified && !CommentModified);
        QCOMPARE(f.shown(), 4);
        f.editor(EditorSlot::Table).failSave = false;
        f.select(3);
        QCOMPARE(f.window->commentBox()->toPlainText(), QString("kept comment"));
        QCOMPARE(f.editor(EditorSlot::Table).content, QByteArray("table v1"));
        Q_UNUSED(p);
    }

    void unreadablePageIsReportedAndShownEmpty()
    {
        AppFixture f;
        f.dm->DBCreate(dir + "/bad.sup");
        const Pages p = buildPages(f);
        f.window->commentBox()->setPlainText("x");
        f.select(3);
        f.window->commentBox()->setPlainText("note on the table");
        f.select(4);
        f.editor(EditorSlot::Table).failLoad = true;
        f.select(3);
        QCOMPARE(f.dialogs->asked,
                 QStringList({"message: The page is not in a form this editor reads."}));
        QVERIFY(f.editor(EditorSlot::Table).content.isEmpty());
        QCOMPARE(f.window->commentBox()->toPlainText(), QString("note on the table"));
        QCOMPARE(f.shown(), 3);
        QVERIFY(!PageModified);
        f.editor(EditorSlot::Table).failLoad = false;
        f.select(4);
        QCOMPARE(stored(f, EditorSlot::Table, PageKind::Table, p.table), QByteArray("table v1"));
    }

    void foldersAndTheRootShowNoEditor()
    {
        AppFixture f;
        f.dm->DBCreate(dir + "/kinds.sup");
        buildPages(f);
        MainActions *a = f.window->actions();
        auto anyEditorVisible = [&] {
            for (FakeEditorForm *e : f.editors)
                if (e->isVisibleTo(f.window.get()))
                    return true;
            return false;
        };
        auto anyKindBarVisible = [&] {
            for (const char *bar :
                 {"WPBar", "GridBar", "ChartBar", "ImageBar", "DiagramBar", "CloudBar"})
                if (a->toolBar(bar)->isVisibleTo(f.window.get()))
                    return true;
            return false;
        };

        f.select(5); // folder
        QVERIFY(!anyEditorVisible());
        QVERIFY(!anyKindBarVisible());
        QVERIFY(!f.window->commentBox()->isEnabled());
        QVERIFY(f.window->commentBox()->toPlainText().isEmpty());
        QVERIFY(!a->action("Find1")->isEnabled() && !a->action("Replace1")->isEnabled());

        f.select(6); // a document: comment box enabled again, document toolbar and menu
        QVERIFY(f.window->commentBox()->isEnabled());
        QVERIFY(a->toolBar("WPBar")->isVisibleTo(f.window.get()));
        QVERIFY(a->menu("DocMenu")->menuAction()->isVisible());
        QVERIFY(a->action("Find1")->isEnabled() && a->action("Replace1")->isEnabled());
        f.select(3); // table
        QVERIFY(a->action("Find1")->isEnabled());
        QVERIFY(a->menu("TableMenu")->menuAction()->isVisible());
        QVERIFY(!a->menu("DocMenu")->menuAction()->isVisible());
        f.select(4); // chart
        QVERIFY(!a->action("Find1")->isEnabled());
        QVERIFY(a->toolBar("ChartBar")->isVisibleTo(f.window.get()));

        f.select(0); // the root: no editor, comment box enabled for the report's note
        QVERIFY(!anyEditorVisible());
        QVERIFY(!anyKindBarVisible());
        QVERIFY(f.window->commentBox()->isEnabled());
        f.window->commentBox()->setPlainText("report note");
        f.select(1);
        f.select(0);
        QCOMPARE(f.window->commentBox()->toPlainText(), QString("report note"));

        // Closing the report leaves no page shown and nothing selected.
        f.dm->CloseFile();
        QVERIFY(!anyEditorVisible());
        QCOMPARE(f.shown(), -1);
        QVERIFY(!f.window->commentBox()->isEnabled());
    }

    void closingStoresUnsavedChangesAndSettings()
    {
        const QString file = dir + "/close.sup";
        {
            AppFixture f;
            f.dm->DBCreate(file);
            const Pages p = buildPages(f);
            f.select(3);
            f.editor(EditorSlot::Table).edit("changed before closing");
            f.tree().addNode(f.node(0), "unsaved node", PageKind::Folder, -1);
            f.window->resize(900, 500);
            QVERIFY(f.window->close());
            QVERIFY(!f.dm->isOpen());
            AppFixture g;
            g.dm->DBOpen(file);
            QCOMPARE(stored(g, EditorSlot::Table, PageKind::Table, p.table),
                     QByteArray("changed before closing"));
            QCOMPARE(g.node(g.tree().nodeCount() - 1)->text, QString("unsaved node"));
        }
        IniFile ini(dir + "/Tessary.INI");
        QCOMPARE(ini.readInteger("MAIN", "WIDTH", 0), 900);
        QCOMPARE(ini.readInteger("MAIN", "HEIGHT", 0), 500);
        QCOMPARE(ini.readInteger("TessaryM", "STATE", -1), 0);
        QVERIFY(ini.readString("MAIN", "LEFT").contains(','));

        // A store error while closing does not keep the window open.
        AppFixture f;
        f.dm->DBOpen(file);
        f.select(3);
        f.editor(EditorSlot::Table).failSave = true;
        f.editor(EditorSlot::Table).edit("cannot be stored");
        QVERIFY(f.window->close());
        QVERIFY(!f.dm->isOpen());
    }

    void quitStoresThePageAndTheComment()
    {
        const QString file = dir + "/quit.sup";
        AppFixture f;
        f.dm->DBCreate(file);
        const Pages p = buildPages(f);
        f.window->show();
        QCoreApplication::processEvents(); // the report opens from the event loop
        f.select(4);
        f.editor(EditorSlot::Chart).edit("chart at quit");
        f.window->commentBox()->setPlainText("comment at quit");
        f.window->actions()->action("Quit1")->trigger();
        QVERIFY(!f.window->isVisible());
        QVERIFY(!f.dm->isOpen());
        f.dm->DBOpen(file);
        QCOMPARE(stored(f, EditorSlot::Chart, PageKind::Chart, p.chart),
                 QByteArray("chart at quit"));
        f.select(4);
        QCOMPARE(f.window->commentBox()->toPlainText(), QString("comment at quit"));
    }

    void startUpOpensTheNamedReportOrTheSample()
    {
        // Placement comes from the settings file.
        QFile ini(dir + "/Tessary.INI");
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[MAIN]\nWIDTH=800\nHEIGHT=450\nTOP=-20\nLEFT=30,0\nCOMMENT=0\n[OTHER]\nX=1\n");
        ini.close();
        {
            AppFixture f;
            f.dm->DBCreate(dir + "/named.sup");
            f.dm->CloseFile();
            f.window->setCommandLineFile(dir + "/named.sup");
            f.window->show();
            QCoreApplication::processEvents(); // the report opens from the event loop
            QCOMPARE(f.dm->databaseFileName(), dir + "/named.sup");
            QCOMPARE(f.window->windowTitle(), QString("Tessary - NAMED.SUP"));
            QCOMPARE(f.tree().absoluteIndex(f.tree().selectedNode()), 1);
            QCOMPARE(f.window->width(), 800);
            QCOMPARE(f.window->height(), 450);
            QCOMPARE(f.window->mainTree()->parentWidget()->width(),
                     200); // 0 gives 100, above the minimum
        }
        {
            // A missing file falls back to the sample in the program folder.
            AppFixture f;
            f.dm->DBCreate(dir + "/Sample.SUP");
            f.dm->CloseFile();
            f.window->setCommandLineFile(dir + "/nothing-here.sup");
            f.window->show();
            QCoreApplication::processEvents(); // the report opens from the event loop
            QCOMPARE(f.dm->databaseFileName(), dir + "/Sample.SUP");
        }
        {
            // Neither: no report, and the intake timer does nothing.
            QVERIFY(QFile::remove(dir + "/Sample.SUP"));
            AppFixture f;
            f.window->setCommandLineFile(dir + "/nothing-here.sup");
            f.window->show();
            QCoreApplication::processEvents(); // the report opens from the event loop
            QVERIFY(!f.dm->isOpen());
            QCOMPARE(f.tree().nodeCount(), 0);
            f.window->ShowNode(); // nothing selected: must not fail
            // The missing report is named once; nothing else is asked.
            QCOMPARE(f.dialogs->asked.size(), 1);
            QVERIFY(f.dialogs->asked.first().contains("does not exist"));
        }
        // Unrelated lines of the settings file survive the window's own writes.
        IniFile after(dir + "/Tessary.INI");
        QCOMPARE(after.readString("OTHER", "X"), QString("1"));
    }

    void fileCommandsUseTheDialogs()
    {
        AppFixture f;
        f.dialogs->answer("save", dir + "/made.sup");
        f.window->actions()->action("New1")->trigger();
        QVERIFY(f.dm->isOpen());
        QCOMPARE(f.tree().nodeCount(), 3);
        f.dialogs->answer("open", dir + "/not-a-report.sup");
        QFile junk(dir + "/not-a-report.sup");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("junk junk junk junk junk junk junk junk junk junk junk junk junk junk junk");
        junk.close();
        f.window->actions()->action("Save1")->trigger();
        QCOMPARE(f.dialogs->asked.size(), 3);
        QVERIFY(f.dialogs->asked[2].startsWith("message: "));
        QVERIFY(!f.dm->isOpen());
        // Cancelled dialogs do nothing.
        f.window->actions()->action("Save1")->trigger();
        QVERIFY(!f.dm->isOpen());
        // A server address typed in the open dialog is checked before anything
        // is opened: one without a report name is refused with its fault.
        f.dialogs->answer("open", "postgresql://localhost/team");
        f.window->actions()->action("Save1")->trigger();
        QVERIFY(!f.dm->isOpen());
        QVERIFY2(f.dialogs->asked.last().startsWith("message: ") &&
                     f.dialogs->asked.last().contains("report"),
                 qPrintable(f.dialogs->asked.last()));
        f.dialogs->asked.removeLast();
        f.dialogs->asked.removeLast();
        f.dialogs->answer("printerSetup", true);
        f.window->actions()->action("Printersetup1")->trigger();
        f.window->actions()->action("Properties2")->trigger();
        QCOMPARE(f.dialogs->asked.mid(4), QStringList({"printerSetup: ", "printerSetup: "}));
    }

private:
    QString dir;
};

TESSARY_TEST(TestMainWindow)
#include "tst_mainwindow.moc"
