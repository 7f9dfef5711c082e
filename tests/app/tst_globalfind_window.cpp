// Global search on the real main window: its document and table editors,
// its comment box and a report file, through the Search menu's command.
#include "app/GlobalFindCommand.h"
#include "app/MainActions.h"
#include "app/TGlobalFindDlg.h"
#include "app/TTessaryM.h"
#include "editors/document/TWPEditor.h"
#include "editors/table/TGridEditor.h"
#include "export/StoredPages.h"
#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "platform/db/EngineFactory.h"
#include "platform/grid/GridControl.h"
#include "platform/grid/GridStream.h"
#include "platform/wordproc/view/WPView.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportSchema.h"
#include "store/ReportTree.h"
#include "store/TDM.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestReport.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QtTest>

class TestGlobalFindWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { TGlobalFindDlg::searchState() = GlobalFindState(); }

    void findsThroughTheEditors()
    {
        ScriptedDialogsScope dialogs;
        PageModified = CommentModified = false;
        ShownItemIndex = QPersistentModelIndex();
        auto window = std::make_unique<TTessaryM>();
        auto dm = std::make_unique<TDM>(window.get(), EngineFactory::anyAddress());
        window->createEditors();
        dm->DBCreate(testTempDir() + "/find.sup");

        GridData grid;
        grid.reset(3, 3);
        grid.setText(0, 2, "needle header");
        grid.setText(2, 1, "a needle cell");
        ReportTree &tree = *dm->tree();
        {
            std::unique_ptr<DbTable> table = dm->engine().table(ReportSchema::Table);
            table->open();
            ReportNode *root = tree.nodeAt(0);
            auto add = [&](const QString &title, int kind, const QByteArray &content,
                           const QString &comment) {
                tree.addNode(root, title, kind,
                             ReportSchema::appendPageRow(*table, kind, title, content, comment));
            };
            add("Alpha doc", PageKind::Document,
                "<html><body><p>first <b>nee</b>dle here</p><p>and a needle again</p>"
                "</body></html>",
                "no match here");
            add("Counts", PageKind::Table, GridStream::write(grid), QString());
            add("Filler", PageKind::Document, "<p>nothing</p>", QString());
            add("Notes doc", PageKind::Document, "<p>plain</p>", "a needle in the comment");
        }
        dm->SaveTree();
        tree.selectNode(tree.nodeAt(0));
        QCOMPARE(tree.node(ShownItemIndex), tree.nodeAt(0));

        auto *wp = qobject_cast<TWPEditor *>(window->editorForm(EditorSlot::Document));
        auto *ge = qobject_cast<TGridEditor *>(window->editorForm(EditorSlot::Table));
        QVERIFY(wp && ge);
        QPlainTextEdit *comment = window->commentBox();
        auto selectedCaption = [&] { return tree.selectedNode()->text; };

        // Opening stores the page being left (here the root's comment).
        comment->setPlainText("root remark");
        QVERIFY(CommentModified);
        dialogs->answer("dialog", QVariantList{"Edit1", "needle", "isTables", true, "IsNotes", true,
                                               "FindBtn", "click"});
        window->actions()->action("Globalfind1")->trigger();
        QString stored;
        QVERIFY(StoredPages(*dm).read(0, nullptr, &stored));
        QCOMPARE(stored, QString("root remark"));
        QCOMPARE(selectedCaption(), QString("Alpha doc"));
        QCOMPARE(tree.node(ShownItemIndex), tree.selectedNode());
        QCOMPARE(wp->view()->textCursor().selectedText(), QString("needle"));
        const int first = wp->view()->textCursor().selectionStart();

        // Reopening starts the current page afresh, then goes on.
        dialogs->answer("dialog", QVariantList{"FindBtn", "click"});
        window->Globalfind1Click();
        QCOMPARE(wp->view()->textCursor().selectionStart(), first);
        dialogs->answer("dialog",
                        QVariantList{"FindBtn", "click", "FindBtn", "click", "FindBtn", "click"});
        window->Globalfind1Click();
        QCOMPARE(selectedCaption(), QString("Counts"));
        // Fixed cells are not searched: the match is the cell in row 2, column 1.
        QCOMPARE(ge->GridView->currentCell(), QPoint(1, 2));

        // Reopened on the table, the search starts at its first cell again;
        // then the filler page is passed over and the next match is a comment.
        dialogs->answer("dialog", QVariantList{"FindBtn", "click", "FindBtn", "click"});
        window->Globalfind1Click();
        QCOMPARE(selectedCaption(), QString("Notes doc"));
        QCOMPARE(comment->textCursor().selectedText(), QString("needle"));
        QCOMPARE(comment->textCursor().selectionStart(), 2);
        QVERIFY(TGlobalFindDlg::searchState().InCommentSearch);

        // Then nothing more: the message, the selection stays on the last node.
        dialogs->answer("dialog", QVariantList{"FindBtn", "click", "FindBtn", "click"});
        window->Globalfind1Click();
        QCOMPARE(selectedCaption(), QString("Notes doc"));
        QCOMPARE(dialogs->asked.filter("message"), QStringList({"message: Not found!"}));
        QVERIFY(dialogs->unanswered.isEmpty());

        // Up with whole words and matching case: the comment of the page
        // selected, the table's cell, then the first paragraph of the first
        // document (a word split by formatting is still one word).
        dialogs->answer("dialog", QVariantList{"isBackward", true, "isWholeWord", true,
                                               "isCaseSensitive", true, "FindBtn", "click",
                                               "FindBtn", "click", "FindBtn", "click"});
        window->Globalfind1Click();
        QCOMPARE(selectedCaption(), QString("Alpha doc"));
        QCOMPARE(wp->view()->textCursor().selectedText(), QString("needle"));
        QCOMPARE(wp->view()->textCursor().selectionStart(), first);
        window->hide();
        dm.reset();
        window.reset();
    }
};

TESSARY_TEST(TestGlobalFindWindow)
#include "tst_globalfind_window.moc"
