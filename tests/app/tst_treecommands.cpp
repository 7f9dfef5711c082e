// The report tree's commands: new, rename, delete, colours, moves, drag and
// drop, enabling, and the comment box.
#include "AppFixture.h"

#include "app/MainActions.h"
#include "app/TNewNoteDlg.h"
#include "app/TreeCommands.h"
#include "store/PageKind.h"
#include "tests/support/TestReport.h"

#include "platform/ini/IniFile.h"
#include "store/ReportSchema.h"
#include "tests/support/TestMain.h"
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>

#include <QtTest>

namespace {
// Captions of the tree in display order, indented by level.
QStringList shape(ReportTree &t)
{
    QStringList out;
    for (ReportNode *n : t.nodesInOrder())
        out << QString(ReportTree::level(n), '.') + n->text;
    return out;
}

int rowCount(const QString &file)
{
    const CliResult r = runCli({"list", file});
    return r.out.count('\n') - 1;
}

// Answers the "New Item" dialog with a title, content and placement.
void answerNewItem(AppFixture &f, const QString &title, bool folder, bool under)
{
    f.window->treeCommands()->runNewNoteDlg = [=](TNewNoteDlg &d) {
        d.setTitle(title);
        d.setFolder(folder);
        if (d.afterAllowed())
            d.setUnderCurrent(under);
        return true;
    };
}
} // namespace

class TestTreeCommands : public QObject
{
    Q_OBJECT
private slots:
    void init() { file = testTempDir() + "/tree.sup"; }

    void newItemsFollowThePlacementRules()
    {
        AppFixture f;
        f.dm->DBCreate(file);
        TreeCommands *c = f.window->treeCommands();
        TNewNoteDlg *dlg = c->newNoteDlg();

        // With the root selected only "Under current item" is possible.
        f.select(0);
        bool asked = false;
        c->runNewNoteDlg = [&](TNewNoteDlg &d) {
            asked = true;
            QTest::qVerify(!d.afterAllowed(), "afterAllowed", "", __FILE__, __LINE__);
            QTest::qVerify(d.underCurrent(), "underCurrent", "", __FILE__, __LINE__);
            QTest::qCompare(d.title(), QString("{untitled}"), "title", "", __FILE__, __LINE__);
            QTest::qVerify(d.okEnabled(), "okEnabled", "", __FILE__, __LINE__);
            d.setTitle("   ");
            QTest::qVerify(!d.okEnabled(), "blank title disables OK", "", __FILE__, __LINE__);
            d.setTitle("Results");
            d.setFolder(true);
            return true;
        };
        f.window->actions()->action("NodeNew")->trigger();
        QVERIFY(asked);
        QCOMPARE(shape(f.tree()),
                 QStringList({"Project name", ".First document", ".Second document", ".Results"}));
        QCOMPARE((f.node(3))->kind, int(PageKind::Folder));
        QCOMPARE((f.node(3))->data, -1);
        QCOMPARE(f.tree().selectedNode(), f.node(3));
        QCOMPARE(f.shown(), 3);
        QCOMPARE(rowCount(file), 3); // a folder has no row

        // A document under the folder gets a row titled as the node.
        answerNewItem(f, "Findings", false, true);
        f.window->actions()->action("NewNodeBtn")->trigger();
        QCOMPARE(shape(f.tree()).last(), QString("..Findings"));
        const qint32 id = (f.node(4))->data;
        QVERIFY(id > 0);
        QCOMPARE((f.node(4))->kind, int(PageKind::Document));
        QCOMPARE(rowCount(file), 4);
        QVERIFY(runCli({"list", file}).out.contains("\tdocument\tFindings\t"));
        QVERIFY(f.editor(EditorSlot::Document).isVisibleTo(f.window.get()));

        // "After current item" keeps the parent; the choice is remembered.
        f.select(1);
        answerNewItem(f, "After first", false, false);
        f.window->actions()->action("NodeNew")->trigger();
        QCOMPARE(shape(f.tree()).mid(0, 4), QStringList({"Project name", ".First document",
                                                         ".After first", ".Second document"}));
        f.select(1);
        c->runNewNoteDlg = [](TNewNoteDlg &d) {
            QTest::qVerify(d.afterAllowed() && !d.underCurrent(), "remembered", "", __FILE__,
                           __LINE__);
            return false; // Cancel
        };
        const int nodes = f.tree().nodeCount();
        f.window->actions()->action("NodeNew")->trigger();
        QCOMPARE(f.tree().nodeCount(), nodes);
        Q_UNUSED(dlg);

        // The stored tree holds every change.
        const CliResult tree = runCli({"tree", file});
        QVERIFY2(tree.out.contains("Findings") && tree.out.contains("After first"),
                 tree.out.constData());
    }

    void deleteRemovesTheRowsOfTheSubtreeAfterConfirmation()
    {
        AppFixture f;
        f.dm->DBCreate(file);
        ReportTree &t = f.tree();
        ReportNode *folder = t.addNode(f.node(0), "Folder", PageKind::Folder, -1);
        ReportNode *sub = t.addNode(folder, "Sub", PageKind::Folder, -1);
        t.addNode(folder, "P1", PageKind::Table, f.dm->AddRecord(PageKind::Table, "P1"));
        t.addNode(sub, "P2", PageKind::Chart, f.dm->AddRecord(PageKind::Chart, "P2"));
        f.dm->SaveTree();
        QCOMPARE(rowCount(file), 5);

        f.tree().selectNode(folder);
        f.dialogs->answer("confirm", false);
        f.window->actions()->action("NodeDelete")->trigger();
        QCOMPARE(f.dialogs->asked.last(),
                 QString("confirm: Are you sure you want to delete item: Folder"));
        QCOMPARE(t.nodeCount(), 7);
        QCOMPARE(rowCount(file), 5);

        f.dialogs->answer("confirm", true);
        f.window->actions()->action("DeleteNodebtn")->trigger();
        QCOMPARE(shape(t), QStringList({"Project name", ".First document", ".Second document"}));
        QCOMPARE(rowCount(file), 3);
        QVERIFY(!runCli({"list", file}).out.contains("P1"));
        QVERIFY(!runCli({"tree", file}).out.contains("Folder"));

        // Deleting the shown page stores nothing for it.
        f.select(2);
        f.editor(EditorSlot::Document).edit("unsaved");
        f.dialogs->answer("confirm", true);
        f.window->actions()->action("NodeDelete")->trigger();
        QCOMPARE(rowCount(file), 2);
        QCOMPARE(f.shown(), f.tree().absoluteIndex(f.tree().selectedNode()));

        // The root cannot be deleted.
        f.select(0);
        QVERIFY(!f.window->actions()->action("NodeDelete")->isEnabled());
        f.window->treeCommands()->NodeDeleteClick();
        QCOMPARE(t.nodeCount(), 2);
    }

    void renameAndColours()
    {
        AppFixture f;
        f.dm->DBCreate(file);
        f.select(1);
        f.dialogs->answer("input", QString());
        f.window->actions()->action("NodeRename")->trigger();
        QCOMPARE(f.node(1)->text, QString());   // an empty title is accepted
        f.dialogs->answer("input", QVariant()); // cancelled
        f.window->actions()->action("NodeRename")->trigger();
        QCOMPARE(f.node(1)->text, QString());
        QVERIFY(runCli({"tree", file}).out.contains("\n    [document"));
        // The row keeps the title it was made with.
        QVERIFY(runCli({"list", file}).out.contains("\tFirst document\t"));

        const quint32 window = [&] {
            const QColor c = f.window->mainTree()->palette().color(QPalette::Window);
            return quint32(c.red() | c.green() << 8 | c.blue() << 16);
        }();
        const QList<QPair<const char *, quint32>> colours = {
            {"Red1", 0x0000FF}, {"Yellow1", 0x00FFFF}, {"Green1", 0x00FF00}, {"Blue1", 0xFFFF00}};
        for (const auto &c : colours) {
            f.window->actions()->action(c.first)->trigger();
            QVERIFY((f.node(1))->ownColours);
            QCOMPARE((f.node(1))->backColour, c.second);
            QCOMPARE((f.node(1))->rowBackColour, window);
        }
        QCOMPARE(f.tree().indexOf(f.node(1)).data(Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(0x00, 0xFF, 0xFF)); // aqua, not blue
        f.dialogs->answer("color", QColor(0x12, 0x34, 0x56));
        f.window->actions()->action("Custom1")->trigger();
        QCOMPARE((f.node(1))->backColour, quint32(0x563412));
        QVERIFY(runCli({"tree", file}).out.contains("colour 0x563412"));
        f.window->actions()->action("White1")->trigger();
        QVERIFY(!(f.node(1))->ownColours);
        QVERIFY(!runCli({"tree", file}).out.contains("colour"));
    }

    void movesKeepSubtreesAndEnablingFollows()
    {
        AppFixture f;
        f.dm->DBCreate(file);
        ReportTree &t = f.tree();
        MainActions *a = f.window->actions();
        ReportNode *root = f.node(0);
        ReportNode *x = t.addNode(root, "X", PageKind::Folder, -1);
        t.addNode(x, "X1", PageKind::Folder, -1);
        t.addNode(root, "Y", PageKind::Folder, -1);
        f.dm->SaveTree();
        // Project name, First, Second, X, X1, Y

        f.select(5); // Y: last of four siblings, has a previous sibling with children
        QCOMPARE(f.window->statusPanel(0)->text(), QString("4/4"));
        QVERIFY(a->action("UpBtn")->isEnabled() && !a->action("DnBtn")->isEnabled());
        QVERIFY(a->action("RightBtn")->isEnabled() && !a->action("LeftBtn")->isEnabled());
        a->action("RightBtn")->trigger(); // demote: last child of X
        QCOMPARE(shape(t), QStringList({"Project name", ".First document", ".Second document", ".X",
                                        "..X1", "..Y"}));
        QCOMPARE(t.selectedNode()->text, QString("Y"));
        QCOMPARE(f.shown(), 5);
        QCOMPARE(f.window->statusPanel(0)->text(), QString("2/2"));
        QVERIFY(a->action("LeftBtn")->isEnabled());

        f.select(4); // X1: first child; promote places it right after X
        a->action("Promote1")->setEnabled(true);
        a->action("Promote1")->trigger();
        QCOMPARE(shape(t), QStringList({"Project name", ".First document", ".Second document", ".X",
                                        "..Y", ".X1"}));
        QCOMPARE(f.shown(), 5);

        f.select(3); // X with its child moves up, then down
        a->action("UpBtn")->trigger();
        QCOMPARE(shape(t), QStringList({"Project name", ".First document", ".X", "..Y",
                                        ".Second document", ".X1"}));
        QCOMPARE(f.shown(), 2);
        a->action("DnBtn")->trigger();
        QCOMPARE(shape(t), QStringList({"Project name", ".First document", ".Second document", ".X",
                                        "..Y", ".X1"}));
        QVERIFY(runCli({"tree", file}).out.contains("    Y  [folder"));

        f.select(1); // first sibling: no up, no demote
        QVERIFY(!a->action("UpBtn")->isEnabled() && !a->action("RightBtn")->isEnabled());
        QVERIFY(a->action("DnBtn")->isEnabled());
        QCOMPARE(f.window->statusPanel(0)->text(), QString("1/4"));
        f.select(0); // root: every move and delete disabled, status unchanged
        for (const char *n : {"UpBtn", "DnBtn", "LeftBtn", "RightBtn", "DeleteNodebtn"})
            QVERIFY2(!a->action(n)->isEnabled(), n);
        QCOMPARE(f.window->statusPanel(0)->text(), QString("1/4"));
        // The Items menu copies the buttons' state.
        emit a->menu("Nodes1")->aboutToShow();
        QVERIFY(!a->action("Moveup1")->isEnabled() && !a->action("NodeDelete")->isEnabled());
    }

    void dragAndDrop()
    {
        AppFixture f;
        f.dm->DBCreate(file);
        ReportTree &t = f.tree();
        ReportNode *root = f.node(0);
        ReportNode *a = t.addNode(root, "A", PageKind::Folder, -1);
        ReportNode *a1 = t.addNode(a, "A1", PageKind::Folder, -1);
        ReportNode *b = t.addNode(root, "B", PageKind::Folder, -1);
        ReportNode *c = t.addNode(root, "C", PageKind::Folder, -1);
        // Project name, First, Second, A, A1, B, C

        QVERIFY(!t.canDropOn(a, a1)); // into its own subtree
        QVERIFY(!t.canDropOn(a, a));
        QVERIFY(!t.canDropOn(root, a)); // the root is never dragged
        QVERIFY(t.canDropOn(a1, c));

        t.dropNode(c, a, false); // plain drop: last child of the target
        QCOMPARE(shape(t), QStringList({"Project name", ".First document", ".Second document", ".A",
                                        "..A1", "..C", ".B"}));
        t.dropNode(b, f.node(2), true); // from below under the same parent: before the target
        QCOMPARE(shape(t), QStringList({"Project name", ".First document", ".B", ".Second document",
                                        ".A", "..A1", "..C"}));
        t.dropNode(f.node(1), f.node(3), true); // from above: right after the target
        QCOMPARE(shape(t), QStringList({"Project name", ".B", ".Second document", ".First document",
                                        ".A", "..A1", "..C"}));
        t.dropNode(a1, f.node(1), true); // from another parent: before the target, at its level
        QCOMPARE(shape(t), QStringList({"Project name", ".A1", ".B", ".Second document",
                                        ".First document", ".A", "..C"}));
        t.dropNode(b, root, true); // beside the root is refused: it becomes the root's last child
        QCOMPARE(shape(t).last(), QString(".B"));
        QCOMPARE((t.nodeAt(0))->kind, int(PageKind::Root));

        f.tree().selectNode(c);
        emit f.window->mainTree()->nodeDropped();
        QCOMPARE(f.shown(), t.absoluteIndex(c));
        // A drop marks the report modified for the host.
        QVERIFY(IniFile(ReportSchema::projectFilePath(file))
                    .readString("OPTIONS", "SUP Modified", "") == "T");
        const QByteArray stored = runCli({"tree", file}).out;
        QVERIFY2(stored.indexOf("  A1") < stored.indexOf("  B  "), stored.constData());
    }

    void keyboard()
    {
        AppFixture f;
        f.dm->DBCreate(file);
        f.window->show();
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.window->mainTree()->setFocus();
        QVERIFY(f.window->mainTree()->hasFocus());
        f.select(2);
        QTest::keyClick(f.window->mainTree(), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(shape(f.tree()),
                 QStringList({"Project name", ".Second document", ".First document"}));
        QTest::keyClick(f.window->mainTree(), Qt::Key_Right,
                        Qt::ControlModifier); // no previous sibling: nothing
        QCOMPARE(shape(f.tree()),
                 QStringList({"Project name", ".Second document", ".First document"}));
        QTest::keyClick(f.window->mainTree(), Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(f.window->mainTree(), Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(shape(f.tree()),
                 QStringList({"Project name", ".First document", "..Second document"}));
        QTest::keyClick(f.window->mainTree(), Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(shape(f.tree()),
                 QStringList({"Project name", ".First document", ".Second document"}));
        f.dialogs->answer("input", "Renamed");
        QTest::keyClick(f.window->mainTree(), Qt::Key_F2);
        QCOMPARE(f.tree().selectedNode()->text, QString("Renamed"));
        f.dialogs->answer("confirm", true);
        QTest::keyClick(f.window->mainTree(), Qt::Key_Delete);
        QCOMPARE(shape(f.tree()), QStringList({"Project name", ".First document"}));
        // The keys belong to the tree: Delete in the comment box edits the comment.
        f.select(1);
        f.window->commentBox()->setPlainText("abc");
        f.window->commentBox()->setFocus();
        QTest::keyClick(f.window->commentBox(), Qt::Key_Delete);
        QCOMPARE(f.tree().nodeCount(), 2);
        QCOMPARE(f.window->commentBox()->toPlainText(), QString("bc"));
    }

    void commentBox()
    {
        AppFixture f;
        f.dm->DBCreate(file);
        QPlainTextEdit *box = f.window->commentBox();
        f.select(1);
        // Formatted text is pasted as plain text only.
        auto *mime = new QMimeData;
        mime->setHtml("<b>bold</b> and <i>italic</i>");
        mime->setText("bold and italic");
        QApplication::clipboard()->setMimeData(mime);
        box->paste();
        box->appendPlainText("second line");
        f.select(2);
        f.dm->CloseFile();
        QCOMPARE(runCli({"cat", file, "1", "--comment"}).out,
                 QByteArray("bold and italic\r\nsecond line"));
        f.dm->DBOpen(file);
        f.select(1);
        QCOMPARE(box->toPlainText(), QString("bold and italic\nsecond line"));

        // The pop-up menu's entries follow the selection and the clipboard.
        QMenu *menu = box->findChild<QMenu *>("PopupMenu2");
        QVERIFY(menu);
        auto entry = [&](const char *name) -> QAction * {
            for (QAction *x : menu->actions())
                if (x->objectName() == QLatin1String(name))
                    return x;
            return nullptr;
        };
        box->moveCursor(QTextCursor::Start);
        emit menu->aboutToShow();
        QVERIFY(!entry("Cut2")->isEnabled() && !entry("Copy2")->isEnabled() &&
                !entry("Delete2")->isEnabled());
        QVERIFY(entry("Paste2")->isEnabled());
        box->selectAll();
        emit menu->aboutToShow();
        QVERIFY(entry("Cut2")->isEnabled() && entry("Delete2")->isEnabled());
        entry("Delete2")->trigger();
        QVERIFY(box->toPlainText().isEmpty());
        QVERIFY(CommentModified);
        QApplication::clipboard()->clear();
        emit menu->aboutToShow();
        QVERIFY(!entry("Paste2")->isEnabled());
    }

private:
    QString file;
};

TESSARY_TEST(TestTreeCommands)
#include "tst_treecommands.moc"
