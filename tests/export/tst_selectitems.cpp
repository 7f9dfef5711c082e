// The page selection dialog on report trees built in memory.
#include "export/TSelectItemDlg.h"
#include "store/PageKind.h"
#include "store/ReportTree.h"
#include "tests/support/TestMain.h"

#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <QtTest>
#include <cmath>

class SelectItemsTest : public QObject
{
    Q_OBJECT

    static ReportNode *folder(ReportTree &t, ReportNode *parent, const QString &title)
    {
        return t.addNode(parent, title, PageKind::Folder, -1);
    }

private slots:
    void foldersOnlyGiveNothingToExport()
    {
        ReportTree tree;
        ReportNode *root = tree.addNode(nullptr, "Report", PageKind::Root, 0);
        folder(tree, folder(tree, root, "A"), "A1");
        folder(tree, root, "B");
        TSelectItemDlg dlg;
        dlg.setReportTree(&tree);
        dlg.RefreshSelection = true;
        dlg.FormActivate();
        QVERIFY(!dlg.RefreshSelection);
        QCOMPARE(dlg.nodeCount(), 4);
        for (int i = 0; i < 4; ++i)
            QVERIFY(dlg.isTicked(i));
        QCOMPARE(dlg.SelectedCount(), 0);
        QVERIFY(!dlg.OkBtn->isEnabled());
        QCOMPARE(dlg.windowTitle(), QString("Exporting 0 item(s)"));
        QVERIFY(!dlg.isTicked(4));
        QVERIFY(!dlg.isTicked(-1));
    }

    void tickingAFolderTicksItsSubtree()
    {
        ReportTree tree;
        ReportNode *root = tree.addNode(nullptr, "Report", PageKind::Root, 0); // 0
        ReportNode *a = folder(tree, root, "A");                               // 1
        tree.addNode(a, "a1", PageKind::Document, 1);                          // 2
        ReportNode *sub = folder(tree, a, "Sub");                              // 3
        tree.addNode(sub, "s1", PageKind::Chart, 2);                           // 4
        tree.addNode(root, "after", PageKind::Table, 3);                       // 5
        TSelectItemDlg dlg;
        dlg.setReportTree(&tree);
        dlg.RefreshSelection = true;
        dlg.FormActivate();
        QCOMPARE(dlg.SelectedCount(), 3);
        QCOMPARE(dlg.windowTitle(), QString("Exporting 3 item(s)"));

        dlg.setTicked(1, false);
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!dlg.isTicked(i));
        QVERIFY(dlg.isTicked(0));
        QVERIFY(dlg.isTicked(5));
        QCOMPARE(dlg.SelectedCount(), 1);
        QVERIFY(dlg.OkBtn->isEnabled());

        dlg.setTicked(5, false);
        QCOMPARE(dlg.SelectedCount(), 0);
        QVERIFY(!dlg.OkBtn->isEnabled());

        // A leaf changes alone; ticking the folder again ticks everything under it.
        dlg.setTicked(4, true);
        QCOMPARE(dlg.SelectedCount(), 1);
        QVERIFY(!dlg.isTicked(3));
        dlg.setTicked(1, true);
        for (int i = 1; i <= 4; ++i)
            QVERIFY(dlg.isTicked(i));
        QCOMPARE(dlg.SelectedCount(), 2);
        QCOMPARE(dlg.windowTitle(), QString("Exporting 2 item(s)"));

        // Unticking the root unticks the whole tree.
        dlg.setTicked(0, false);
        for (int i = 0; i <= 5; ++i)
            QVERIFY(!dlg.isTicked(i));

        // Without the flag an activation keeps what the user left; with it
        // the tree is copied afresh, fully ticked.
        dlg.FormActivate();
        QVERIFY(!dlg.isTicked(2));
        dlg.RefreshSelection = true;
        dlg.FormActivate();
        for (int i = 0; i <= 5; ++i)
            QVERIFY(dlg.isTicked(i));
        QCOMPARE(dlg.SelectedCount(), 3);
    }

    void heightFollowsTheTreeUpToTheScreen()
    {
        ReportTree tree;
        ReportNode *root = tree.addNode(nullptr, "Report", PageKind::Root, 0);
        for (int i = 0; i < 3; ++i)
            tree.addNode(root, QStringLiteral("p%1").arg(i), PageKind::Document, i + 1);
        TSelectItemDlg dlg;
        const int chrome = dlg.height() - dlg.MainTree->height();
        dlg.setReportTree(&tree);
        dlg.RefreshSelection = true;
        dlg.FormActivate();
        const int screenHeight = dlg.screen()->geometry().height();
        const int line = dlg.MainTree->sizeHintForRow(0);
        QVERIFY(line > 0);
        QCOMPARE(dlg.height(), (4 + 1) * line + chrome);
        QCOMPARE(dlg.y(), (screenHeight - dlg.height()) / 2);
        QCOMPARE(dlg.width(), 459);

        // A tree taller than 95% of the screen: 90% of it, centred.
        for (int i = 0; i < 2000; ++i)
            tree.addNode(root, QStringLiteral("q%1").arg(i), PageKind::Table, 10 + i);
        dlg.RefreshSelection = true;
        dlg.FormActivate();
        QCOMPARE(dlg.height(), int(std::lround(screenHeight * 0.9)));
        QCOMPARE(dlg.y(), (screenHeight - dlg.height()) / 2);
        QCOMPARE(dlg.SelectedCount(), 2003);
        QCOMPARE(dlg.windowTitle(), QString("Exporting 2003 item(s)"));
    }

    void layoutKeepsTheMargins()
    {
        TSelectItemDlg dlg;
        dlg.show();
        dlg.resize(600, 400);
        QCoreApplication::processEvents();
        QCOMPARE(dlg.size(), QSize(600, 400));
        const QRect tree = dlg.MainTree->geometry();
        const int margin = tree.left();
        QVERIFY(margin > 0);
        QCOMPARE(600 - tree.right() - 1, margin);
        QCOMPARE(tree.top() * 2 + tree.height() + 34, 400);
        const QRect cancel = dlg.CancelBtn->geometry();
        const QRect ok = dlg.OkBtn->geometry();
        const int panelWidth = dlg.CancelBtn->parentWidget()->width();
        QCOMPARE(panelWidth - cancel.right() - 1, margin);
        QCOMPARE(cancel.left() - ok.right() - 1, margin);
        QCOMPARE(dlg.CancelBtn->parentWidget()->height(), 34);
    }
};

TESSARY_TEST(SelectItemsTest)
#include "tst_selectitems.moc"
