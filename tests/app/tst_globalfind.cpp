// Global search: the walk over the tree and its searches (with a fake window
// and with the real window and editors), the dialog, and passing over pages
// that cannot hold the text.
#include "FakeFindHost.h"

#include "app/TGlobalFindDlg.h"
#include "export/DisplayOrder.h"
#include "export/DocumentFinder.h"
#include "export/GlobalFind.h"
#include "export/TableSearch.h"
#include "export/TextMatch.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestMain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QtTest>

namespace {
// 0 Report (root)          comment "report notes"
// 1   Intro (document)     "alpha beta alpha", comment "alpha in comment"
// 2   Counts (table)       cells alpha/beta/gamma, no comment
// 3   Chart (chart)        comment "the alpha chart"
// 4   Folder
// 5     Inner (document)   "nothing here", comment "alpha"
// 6     Last (document)    "last alpha"
void buildSmall(FakeFindHost &h)
{
    ReportNode *root = h.add(nullptr, "Report", PageKind::Root, {{}, {}, "report notes"});
    h.add(root, "Intro", PageKind::Document, {"alpha beta alpha", {}, "alpha in comment"});
    h.add(root, "Counts", PageKind::Table,
          {{}, {{"head", "alpha"}, {"alpha", "beta"}, {"gamma", "alpha"}}, {}});
    h.add(root, "Chart", PageKind::Chart, {{}, {}, "the alpha chart"});
    ReportNode *folder = h.add(root, "Folder", PageKind::Folder);
    h.add(folder, "Inner", PageKind::Document, {"nothing here", {}, "alpha"});
    h.add(folder, "Last", PageKind::Document, {"last alpha", {}, {}});
}

GlobalFindOptions opts(const QString &text, bool docs, bool tables, bool comments,
                       bool titles = false, bool down = true)
{
    GlobalFindOptions o;
    o.text = text;
    o.documents = docs;
    o.tables = tables;
    o.comments = comments;
    o.titles = titles;
    o.down = down;
    return o;
}

int selected(FakeFindHost &h)
{
    return h.model.absoluteIndex(h.model.selectedNode());
}
} // namespace

class TestGlobalFind : public QObject
{
    Q_OBJECT

private slots:
    void init() { TGlobalFindDlg::searchState() = GlobalFindState(); }

    void matching()
    {
        const TextMatch::Options plain;
        TextMatch::Options words;
        words.wholeWord = true;
        TextMatch::Options exact;
        exact.matchCase = true;
        QCOMPARE(TextMatch::find("Alpha alphabet", "alpha", plain), 0);
        QCOMPARE(TextMatch::find("Alpha alphabet", "alpha", exact), 6);
        QCOMPARE(TextMatch::find("alphabet alpha", "alpha", words), 9);
        QCOMPARE(TextMatch::find("alphabet", "alpha", words), -1);
        QCOMPARE(TextMatch::find("(alpha)", "alpha", words), 1);
        // A range: the match must end inside it.
        QCOMPARE(TextMatch::find("alpha alpha", "alpha", 1, 9, plain), -1);
        QCOMPARE(TextMatch::find("alpha alpha", "alpha", 1, 10, plain), 6);
        QCOMPARE(TextMatch::find("alpha", "alpha", 6, -1, plain), -1);
        QCOMPARE(TextMatch::find("alpha", "", plain), -1);

        GridData g;
        FakeFindHost::fillGrid(g, {{"alpha", "h"}, {"x", "Alpha"}, {"alphabet", "alpha"}});
        // The fixed row is not searched; cells go row by row.
        QCOMPARE(TableSearch::findFirst(g, "alpha", 0), QPoint(1, 1));
        QCOMPARE(TableSearch::findNext(g, "alpha", 0, QPoint(1, 1)), QPoint(0, 2));
        QCOMPARE(TableSearch::findNext(g, "alpha", TableSearch::WholeWord, QPoint(1, 1)),
                 QPoint(1, 2));
        QCOMPARE(TableSearch::findFirst(g, "alpha", TableSearch::MatchCase), QPoint(0, 2));
        QCOMPARE(TableSearch::findNext(g, "alpha", 0, QPoint(1, 2)).x(), -1);
        const QByteArray stream = GridStream::write(g);
        QVERIFY(GlobalFind::gridMayHold(stream, "ALPHABET"));
        QVERIFY(!GlobalFind::gridMayHold(stream, "zeta"));
        QVERIFY(GlobalFind::gridMayHold(stream.left(stream.size() / 2), "zeta"));
        QVERIFY(GlobalFind::gridMayHold(stream, "a/b"));

        // Stored documents: a word split by tags, references, white space and
        // case still count; text only in markup does not.
        QVERIFY(DocumentFinder::storedMayHold("<p>al<b>pha</b> beta</p>", "ALPHA  beta"));
        QVERIFY(DocumentFinder::storedMayHold("<p>Tom &amp; Jerry</p>", "tom & jerry"));
        QVERIFY(DocumentFinder::storedMayHold("<p>caf&#233;</p>", "café"));
        QVERIFY(DocumentFinder::storedMayHold("<p>a&nbsp;b</p>", "a b"));
        QVERIFY(!DocumentFinder::storedMayHold("<p style=\"color:red\">text</p>", "color"));
        QVERIFY(!DocumentFinder::storedMayHold("<p>alpha</p>", "beta"));
        QVERIFY(DocumentFinder::storedMayHold("<p>&eacute;t&eacute;</p>", "été"));
        QVERIFY(DocumentFinder::storedMayHold("{\\rtf1 al\\b pha}", "alpha"));
        QVERIFY(DocumentFinder::storedMayHold("plain alpha", "alpha"));
        QVERIFY(!DocumentFinder::storedMayHold("plain beta", "alpha"));
        QVERIFY(!DocumentFinder::storedMayHold("", "alpha"));
        // Content the editor refuses is shown, so that its message is seen.
        QVERIFY(DocumentFinder::storedMayHold(QByteArray("ab\0cd", 5), "alpha"));
        QVERIFY(DocumentFinder::storedMayHold("%PDF-1.4 beta", "alpha"));
    }

    void displayOrder()
    {
        FakeFindHost h;
        buildSmall(h);
        QList<ReportNode *> forward;
        for (ReportNode *n = DisplayOrder::first(h.model); n; n = DisplayOrder::next(h.model, n))
            forward << n;
        QCOMPARE(forward, h.model.nodesInOrder());
        QList<ReportNode *> backward;
        for (ReportNode *n = forward.last(); n; n = DisplayOrder::previous(h.model, n))
            backward.prepend(n);
        QCOMPARE(backward, forward);
    }

    void commentsOnlyShowsEveryPage()
    {
        ScriptedDialogsScope dialogs;
        FakeFindHost h;
        buildSmall(h);
        h.model.selectNode(h.model.nodeAt(0));
        GlobalFindState state;
        GlobalFind find(h, state);
        find.showEveryPage = true;
        find.options = opts("alpha", false, false, true);

        QVERIFY(find.FindBtnClick());
        QCOMPARE(h.log, QStringList({"select Intro", "show Intro", "comment Intro"}));
        QCOMPARE(h.selStart, 0);
        QVERIFY(state.InCommentSearch);
        h.log.clear();
        QVERIFY(find.FindBtnClick());
        QCOMPARE(h.log,
                 QStringList({"comment Intro", "select Counts", "show Counts", "comment Counts",
                              "select Chart", "show Chart", "comment Chart"}));
        QCOMPARE(h.selStart, 4);
        h.log.clear();
        QVERIFY(find.FindBtnClick());
        QCOMPARE(h.log,
                 QStringList({"comment Chart", "select Folder", "show Folder", "comment Folder",
                              "select Inner", "show Inner", "comment Inner"}));
        h.log.clear();
        QVERIFY(!find.FindBtnClick());
        QCOMPARE(h.log, QStringList({"comment Inner", "select Last", "show Last", "comment Last",
                                     "show Last"}));
        QCOMPARE(selected(h), 6);
        QCOMPARE(dialogs->asked, QStringList({"message: Not found!"}));
        QVERIFY(!state.InCommentSearch);
    }

    void documentThenCommentThenNextPage()
    {
        FakeFindHost h;
        buildSmall(h);
        h.model.selectNode(h.model.nodeAt(0));
        GlobalFindState state;
        GlobalFind find(h, state);
        find.showEveryPage = true;
        find.options = opts("alpha", true, false, true);

        QVERIFY(find.FindBtnClick());
        QCOMPARE(selected(h), 1);
        QCOMPARE(h.docCursor.selectionStart(), 0);
        // The next press finds the following occurrence in the same document.
        h.log.clear();
        QVERIFY(find.FindBtnClick());
        QCOMPARE(h.docCursor.selectionStart(), 11);
        QCOMPARE(h.log, QStringList({"doc Intro"}));
        // Then the page's comment, before the walk moves on.
        h.log.clear();
        QVERIFY(find.FindBtnClick());
        QCOMPARE(h.log, QStringList({"doc Intro", "comment Intro"}));
        QCOMPARE(selected(h), 1);
        QCOMPARE(h.selStart, 0);
        QCOMPARE(h.selLength, 5);
        // The table is not searched as a table (Tables is off), only its comment.
        h.log.clear();
        QVERIFY(find.FindBtnClick());
        QCOMPARE(h.log,
                 QStringList({"comment Intro", "select Counts", "show Counts", "comment Counts",
                              "select Chart", "show Chart", "comment Chart"}));
    }

    void tablesCellByCell()
    {
        FakeFindHost h;
        buildSmall(h);
        h.model.selectNode(h.model.nodeAt(0));
        GlobalFindState state;
        GlobalFind find(h, state);
        find.options = opts("alpha", false, true, false);
        QVERIFY(find.FindBtnClick());
        QCOMPARE(selected(h), 2);
        QCOMPARE(h.currentCell, QPoint(0, 1));
        QVERIFY(find.FindBtnClick());
        QCOMPARE(h.currentCell, QPoint(1, 2));
        ScriptedDialogsScope dialogs;
        QVERIFY(!find.FindBtnClick());
        QCOMPARE(dialogs->asked, QStringList({"message: Not found!"}));
        // Nothing else could match: the walk ends on the last node all the same.
        QCOMPARE(selected(h), 6);
    }

    void upFromPositionOne()
    {
        ScriptedDialogsScope dialogs;
        FakeFindHost h;
        buildSmall(h);
        h.model.selectNode(h.model.nodeAt(1));
        h.ShowNode();
        h.log.clear();
        GlobalFindState state;
        GlobalFind find(h, state);
        find.showEveryPage = true;
        // "report" is only in the root's caption and comment.
        find.options = opts("report", true, true, true, true, false);
        QVERIFY(!find.FindBtnClick());
        QCOMPARE(dialogs->asked, QStringList({"message: Not found!"}));
        QCOMPARE(h.log, QStringList({"doc Intro", "comment Intro", "show Intro"}));
        QCOMPARE(selected(h), 1);

        // From the last node up, every page is searched up to position 1.
        h.model.selectNode(h.model.nodeAt(6));
        h.ShowNode();
        h.log.clear();
        find.options = opts("nothing", true, false, false, false, false);
        QVERIFY(find.FindBtnClick());
        QCOMPARE(selected(h), 5);
        QVERIFY(!find.FindBtnClick());
        QCOMPARE(selected(h), 1);
        QVERIFY(!h.log.contains("select Report"));
    }

    void changedTextGoesOnFromTheLastMatch()
    {
        FakeFindHost h;
        ReportNode *root = h.add(nullptr, "Report", PageKind::Root);
        h.add(root, "Doc", PageKind::Document, {"beta alpha beta alpha", {}, {}});
        h.model.selectNode(h.model.nodeAt(0));
        GlobalFindState state;
        GlobalFind find(h, state);
        find.options = opts("alpha", true, false, false);
        QVERIFY(find.FindBtnClick());
        QCOMPARE(h.docCursor.selectionStart(), 5);
        find.options.text = "beta";
        QVERIFY(find.FindBtnClick());
        QCOMPARE(h.docCursor.selectionStart(), 11);
        QCOMPARE(state.SearchText, QString("beta"));
        find.options.text = "alpha";
        QVERIFY(find.FindBtnClick());
        QCOMPARE(h.docCursor.selectionStart(), 16);
    }

    void captionsCountBeforeTheirPage()
    {
        FakeFindHost h;
        buildSmall(h);
        h.model.selectNode(h.model.nodeAt(0));
        GlobalFindState state;
        GlobalFind find(h, state);
        find.options = opts("chart", true, false, true, true);
        QVERIFY(find.FindBtnClick());
        QCOMPARE(selected(h), 3);
        QVERIFY(state.AfterTitleMatch);
        QCOMPARE(h.shown, h.model.nodeAt(3));
        // Then the page named by the caption: its comment.
        QVERIFY(find.FindBtnClick());
        QCOMPARE(selected(h), 3);
        QCOMPARE(h.selStart, 10);
        ScriptedDialogsScope dialogs;
        QVERIFY(!find.FindBtnClick());
        // Without "Item titles" the caption is not searched.
        h.model.selectNode(h.model.nodeAt(0));
        find.options.titles = false;
        find.options.comments = false;
        QVERIFY(!find.FindBtnClick());
        QCOMPARE(dialogs->asked, QStringList({"message: Not found!", "message: Not found!"}));
    }

    // Passing over pages that cannot hold the text ends every step exactly
    // where showing every page ends it.
    void passingOverPagesLooksTheSame()
    {
        const QStringList words = {"alpha", "beta", "Alpha", "gamma", "alphabet", "delta"};
        for (quint32 seed = 1; seed <= 12; ++seed) {
            FakeFindHost full, quick;
            for (FakeFindHost *h : {&full, &quick}) {
                QRandomGenerator rnd(seed);
                auto phrase = [&] {
                    QStringList p;
                    for (int i = int(rnd.bounded(4)); i > 0; --i)
                        p << words[int(rnd.bounded(int(words.size())))];
                    return p.join(' ');
                };
                ReportNode *root = h->add(nullptr, "Report", PageKind::Root, {{}, {}, phrase()});
                ReportNode *parent = root;
                for (int i = 0; i < 40; ++i) {
                    const int k = int(rnd.bounded(5));
                    const int kind = k == 0   ? PageKind::Folder
                                     : k == 1 ? PageKind::Table
                                     : k == 2 ? PageKind::Chart
                                              : PageKind::Document;
                    FakePage page{phrase(), {}, rnd.bounded(3) == 0 ? phrase() : QString()};
                    if (kind == PageKind::Table)
                        page.cells = {{phrase(), phrase()}, {phrase(), phrase()}, {phrase()}};
                    ReportNode *n = h->add(parent, phrase() + QString::number(i), kind, page);
                    if (kind == PageKind::Folder)
                        parent = n;
                    else if (rnd.bounded(6) == 0 && parent->parent)
                        parent = parent->parent;
                }
                h->logging = false;
            }
            const int start = int(QRandomGenerator(seed).bounded(full.model.nodeCount()));
            for (int combo = 0; combo < 32; ++combo) {
                ScriptedDialogsScope dialogs;
                GlobalFindOptions o = opts(words[combo % 3], combo & 1, combo & 2, combo & 4,
                                           combo & 8, !(combo & 16));
                o.wholeWord = seed % 2;
                o.caseSensitive = seed % 3 == 0;
                GlobalFindState fullState, quickState;
                GlobalFind f(full, fullState), q(quick, quickState);
                f.showEveryPage = true;
                f.options = q.options = o;
                for (FakeFindHost *h : {&full, &quick}) {
                    h->model.selectNode(h->model.nodeAt(start));
                    h->ShowNode();
                }
                for (int press = 0; press < 60; ++press) {
                    const bool a = f.FindBtnClick();
                    const bool b = q.FindBtnClick();
                    QCOMPARE(b, a);
                    QCOMPARE(quick.seen(), full.seen());
                    QCOMPARE(quickState.InCommentSearch, fullState.InCommentSearch);
                    QVERIFY(q.visitedNodes() <= f.visitedNodes());
                    if (!a)
                        break;
                }
            }
        }
    }

    // A report of 100,000 nodes, some 350 levels deep at the end, walked from
    // the first page to a match on the last node.
    void hugeReportWalksWithoutRecursion()
    {
        FakeFindHost h;
        h.logging = false;
        ReportNode *root = h.add(nullptr, "Report", PageKind::Root);
        for (int f = 0; f < 99; ++f) {
            ReportNode *folder = h.add(root, QStringLiteral("Folder %1").arg(f), PageKind::Folder);
            std::vector<std::unique_ptr<ReportNode>> docs;
            for (int d = 0; d < 1000; ++d)
                docs.push_back(
                    ReportTree::makeNode(QStringLiteral("Page %1").arg(d), PageKind::Document, 1));
            h.model.addNodes(folder, std::move(docs));
        }
        for (int d = 0; d < 549; ++d)
            h.add(root, QStringLiteral("Loose %1").arg(d), PageKind::Document,
                  {"nothing to see", {}, {}});
        ReportNode *deep = root;
        for (int level = 0; level < 350; ++level)
            deep = h.add(deep, QStringLiteral("Level %1").arg(level), PageKind::Folder);
        h.add(deep, "Bottom", PageKind::Document, {"the needle is here", {}, {}});
        QCOMPARE(h.model.nodeCount(), 100000);

        for (const bool every : {true, false}) {
            ScriptedDialogsScope dialogs;
            h.model.selectNode(h.model.nodeAt(1));
            h.ShowNode();
            GlobalFindState state;
            GlobalFind find(h, state);
            find.showEveryPage = every;
            find.options = opts("needle", true, true, true);
            QVERIFY(find.FindBtnClick());
            QCOMPARE(h.model.selectedNode()->text, QString("Bottom"));
            QCOMPARE(h.docCursor.selectedText(), QString("needle"));
            QCOMPARE(find.visitedNodes() + find.skippedNodes(), 99999 - 1);
            if (!every)
                QCOMPARE(find.visitedNodes(), 1);
            QVERIFY(dialogs->asked.isEmpty());
            // And back up to position 1 without a match.
            find.options.down = false;
            find.options.text = "absent";
            QVERIFY(!find.FindBtnClick());
            QCOMPARE(selected(h), 1);
        }
    }

    void refreshButtons()
    {
        FakeFindHost h;
        TGlobalFindDlg dlg(h);
        QVERIFY(!dlg.FindBtn->isEnabled());
        dlg.Edit1->setText("   ");
        QVERIFY(!dlg.FindBtn->isEnabled());
        dlg.Edit1->setText(" x ");
        QVERIFY(dlg.FindBtn->isEnabled());
        dlg.IsDoc->click();
        QVERIFY(!dlg.FindBtn->isEnabled());
        for (QCheckBox *box : {dlg.isTables, dlg.IsNotes, dlg.isNodes}) {
            box->click();
            QVERIFY(dlg.FindBtn->isEnabled());
            box->click();
            QVERIFY(!dlg.FindBtn->isEnabled());
        }
        dlg.IsDoc->click();
        QVERIFY(dlg.FindBtn->isEnabled());
        QCOMPARE(dlg.windowTitle(), QString("Global search"));
        QVERIFY(dlg.isForward->isChecked());
        QVERIFY(!dlg.isCaseSensitive->isChecked() && !dlg.isWholeWord->isChecked());
    }

    // The dialog keeps its state between presses and openings: a search that
    // ended in a comment goes on in the comment of the page selected by then.
    void commentSearchSurvivesReopening()
    {
        ScriptedDialogsScope dialogs;
        FakeFindHost h;
        buildSmall(h);
        h.pages[h.model.nodeAt(5)].text = "alpha inner";
        h.model.selectNode(h.model.nodeAt(0));
        TGlobalFindDlg dlg(h);
        auto open = [&](const QVariantList &script) {
            TGlobalFindDlg::searchState().SearchFromStart = true;
            dialogs->answer("dialog", script);
            h.log.clear();
            return ::dialogs().runDialog(&dlg);
        };
        QVERIFY(open({"Edit1", "alpha", "IsNotes", true, "FindBtn", "click", "FindBtn", "click",
                      "FindBtn", "click"}));
        QCOMPARE(selected(h), 1);
        QCOMPARE(h.selStart, 0);
        QVERIFY(TGlobalFindDlg::searchState().InCommentSearch);
        // The user selects another page, then opens the dialog again.
        h.model.selectNode(h.model.nodeAt(5));
        h.ShowNode();
        QVERIFY(open({"FindBtn", "click"}));
        QCOMPARE(h.log, QStringList({"comment Inner"}));
        QCOMPARE(h.selStart, 0);
        QCOMPARE(h.docCursor.selectionEnd(), 0);
        QVERIFY(TGlobalFindDlg::searchState().InCommentSearch);
        QCOMPARE(dlg.Edit1->text(), QString("alpha"));
        QVERIFY(dialogs->unanswered.isEmpty());
    }

    void dialogPicture()
    {
        FakeFindHost h;
        TGlobalFindDlg dlg(h);
        dlg.Edit1->setText("alpha");
        dlg.show();
        const QImage shot = dlg.grab().toImage();
        QVERIFY(shot.width() >= dlg.Edit1->width() + dlg.FindBtn->width());
        // Every control lies inside the dialog and none overlaps another.
        const QList<QWidget *> controls = {dlg.Edit1,     dlg.isCaseSensitive, dlg.isWholeWord,
                                           dlg.isForward, dlg.isBackward,      dlg.IsDoc,
                                           dlg.isTables,  dlg.IsNotes,         dlg.isNodes,
                                           dlg.FindBtn,   dlg.CancelBtn};
        QList<QRect> rects;
        for (QWidget *w : controls) {
            const QRect r(w->mapTo(&dlg, QPoint(0, 0)), w->size());
            QVERIFY2(dlg.rect().contains(r), qPrintable(w->objectName()));
            for (const QRect &other : std::as_const(rects))
                QVERIFY2(!other.intersects(r), qPrintable(w->objectName()));
            rects << r;
        }
        const QString dir = qEnvironmentVariable("TESSARY_SHOTS");
        if (!dir.isEmpty())
            shot.save(dir + "/globalfind.png");
    }
};

TESSARY_TEST(TestGlobalFind)
#include "tst_globalfind.moc"
