// The stored tree: round trips through the tree view and refusal of streams
// this program does not understand.
#include "platform/TessaryError.h"
#include "platform/treeview/TTreeView.h"
#include "platform/treeview/TreeStream.h"

#include <QtTest>

class TestTreeStream : public QObject
{
    Q_OBJECT
private slots:
    void roundTripThroughTheView()
    {
        TTreeView view;
        QTreeWidgetItem *root = view.addNode(nullptr, "Project – ü", 10, 3);
        QTreeWidgetItem *folder = view.addNode(root, "Folder", 11, -1);
        QTreeWidgetItem *page = view.addNode(folder, "", 2, 2147483647);
        view.addNode(folder, "deep\ttab \"quoted\"", 13, 42);
        view.addNode(root, "last", 0, 7);
        TTreeView::setNodeColours(folder, 0xFFFF00, 0xF0F0F0);
        TTreeView::setNodeColours(page, 0x0000FF, 0xFFFFFF);
        TTreeView::clearNodeColours(page); // own colours off, values kept

        const QByteArray stream = view.saveToStream();
        TTreeView copy;
        copy.loadFromStream(stream);
        QCOMPARE(copy.nodeCount(), 5);
        QCOMPARE(copy.saveToStream(), stream);
        const QList<QTreeWidgetItem *> a = view.nodesInOrder(), b = copy.nodesInOrder();
        for (int i = 0; i < a.size(); ++i) {
            QCOMPARE(b[i]->text(0), a[i]->text(0));
            QCOMPARE(TTreeView::kind(b[i]), TTreeView::kind(a[i]));
            QCOMPARE(TTreeView::dataWord(b[i]), TTreeView::dataWord(a[i]));
            QCOMPARE(TTreeView::ownColours(b[i]), TTreeView::ownColours(a[i]));
            QCOMPARE(TTreeView::backColour(b[i]), TTreeView::backColour(a[i]));
            QCOMPARE(TTreeView::rowBackColour(b[i]), TTreeView::rowBackColour(a[i]));
            QCOMPARE(copy.absoluteIndex(b[i]), i);
            QCOMPARE(TTreeView::level(b[i]), TTreeView::level(a[i]));
        }
        QCOMPARE(copy.nodeAt(1)->background(0).color(), QColor(0, 0xFF, 0xFF));
        QCOMPARE(TTreeView::dataWord(copy.nodeAt(2)), 2147483647);
        // An empty stream is an empty tree.
        copy.loadFromStream(QByteArray());
        QCOMPARE(copy.nodeCount(), 0);
    }

    void refusesWhatItDoesNotUnderstand()
    {
        const QList<QByteArray> bad = {
            "not json",
            "[1,2]",
            R"({"format":"other","version":1,"nodes":[]})",
            R"({"format":"tessary-tree","version":2,"nodes":[]})",
            R"({"format":"tessary-tree","version":1})",
            R"({"format":"tessary-tree","version":1,"nodes":[{"text":"no kind"}]})",
            R"({"format":"tessary-tree","version":1,"nodes":[{"kind":0,"data":1,"children":5}]})",
            R"({"format":"tessary-tree","version":1,"nodes":[{"kind":0,"data":1e12}]})",
            R"({"format":"tessary-tree","version":1,"nodes":[{"kind":0,"data":1,"backColour":-1}]})",
        };
        for (const QByteArray &b : bad) {
            try {
                TreeStream::read(b);
                QFAIL(b.constData());
            } catch (const TessaryError &e) {
                QVERIFY(e.message().contains("damaged"));
            }
        }
        // Deep nesting is refused, not a stack overflow.
        QByteArray deep = R"({"format":"tessary-tree","version":1,"nodes":)";
        for (int i = 0; i < 20000; ++i)
            deep += R"([{"kind":11,"data":-1,"children":)";
        deep += "[]";
        for (int i = 0; i < 20000; ++i)
            deep += "}]";
        deep += "}";
        QVERIFY_THROWS_EXCEPTION(TessaryError, TreeStream::read(deep));
    }
};

QTEST_MAIN(TestTreeStream)
#include "tst_treestream.moc"
