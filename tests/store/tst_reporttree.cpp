// The report tree model: its stored form, identity of nodes across inserts and
// moves, the depth limit that keeps every stored tree readable, and refusal of
// streams this program does not understand.
#include "platform/TessaryError.h"
#include "platform/treeview/TreeStream.h"
#include "store/ReportTree.h"
#include "tests/support/TestMain.h"

#include <QAbstractItemModelTester>
#include <QtTest>

class TestReportTree : public QObject
{
    Q_OBJECT
private slots:
    void roundTripKeepsEveryField()
    {
        ReportTree tree;
        QAbstractItemModelTester tester(&tree,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        ReportNode *root = tree.addNode(nullptr, "Project – ü", 10, 3);
        ReportNode *folder = tree.addNode(root, "Folder", 11, -1);
        ReportNode *page = tree.addNode(folder, "", 2, 2147483647);
        tree.addNode(folder, "deep\ttab \"quoted\"", 13, 42);
        tree.addNode(root, "last", 0, 7);
        tree.setNodeColours(folder, 0xFFFF00, 0xF0F0F0);
        tree.setNodeColours(page, 0x0000FF, 0xFFFFFF);
        tree.clearNodeColours(page); // own colours off, values kept

        const QByteArray stream = tree.saveToStream();
        ReportTree copy;
        copy.loadFromStream(stream);
        QCOMPARE(copy.nodeCount(), 5);
        QCOMPARE(copy.saveToStream(), stream);
        const QList<ReportNode *> a = tree.nodesInOrder(), b = copy.nodesInOrder();
        for (int i = 0; i < a.size(); ++i) {
            QCOMPARE(b[i]->text, a[i]->text);
            QCOMPARE(b[i]->kind, a[i]->kind);
            QCOMPARE(b[i]->data, a[i]->data);
            QCOMPARE(b[i]->ownColours, a[i]->ownColours);
            QCOMPARE(b[i]->backColour, a[i]->backColour);
            QCOMPARE(b[i]->rowBackColour, a[i]->rowBackColour);
            QCOMPARE(copy.absoluteIndex(b[i]), i);
            QCOMPARE(ReportTree::level(b[i]), ReportTree::level(a[i]));
        }
        const QModelIndex folderIndex = copy.indexOf(copy.nodeAt(1));
        QCOMPARE(folderIndex.data(Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(0, 0xFF, 0xFF));
        QVERIFY(!copy.indexOf(copy.nodeAt(2)).data(Qt::BackgroundRole).isValid());
        // Replacing a tree deletes no page; a damaged stream leaves the tree alone.
        int deletions = 0;
        connect(&copy, &ReportTree::nodeDeleted, this, [&] { ++deletions; });
        copy.loadFromStream(stream);
        QCOMPARE(deletions, 0);
        QVERIFY_THROWS_EXCEPTION(TessaryError, copy.loadFromStream("{damaged"));
        QCOMPARE(copy.nodeCount(), 5);
        QCOMPARE(copy.findPage(42)->text, QString("deep\ttab \"quoted\""));
        QVERIFY(!copy.findPage(-1)); // folders hold no page
        copy.loadFromStream(QByteArray());
        QCOMPARE(copy.nodeCount(), 0);
        QCOMPARE(deletions, 0);
    }

    void nodesKeepTheirIdentityAcrossInsertsAndMoves()
    {
        ReportTree tree;
        QAbstractItemModelTester tester(&tree,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        ReportNode *root = tree.addNode(nullptr, "root", 10, 0);
        ReportNode *a = tree.addNode(root, "a", 0, 1);
        ReportNode *b = tree.addNode(root, "b", 0, 2);
        ReportNode *c = tree.addNode(root, "c", 0, 3);
        tree.selectNode(c);
        const QPersistentModelIndex shown = tree.indexOf(c);

        // Nodes added before it shift its position, not its identity.
        tree.insertNodeAfter(root, "top-level", 11, -1);
        std::vector<std::unique_ptr<ReportNode>> many;
        for (int i = 0; i < 3; ++i)
            many.push_back(ReportTree::makeNode(QString::number(i), 2, 100 + i));
        ReportNode *group = tree.insertNodeAfter(a, "New items", 11, -1);
        tree.addNodes(group, std::move(many));
        QCOMPARE(tree.node(shown), c);
        QCOMPARE(tree.absoluteIndex(c), 7);

        // Moves within a parent, up a level, down a level, and drops.
        tree.moveNode(c, root, 0);
        QCOMPARE(tree.node(shown), c);
        QCOMPARE(c->row, 0);
        tree.moveNode(a, root, 3);
        QStringList order;
        for (int i = 0; i < root->childCount(); ++i)
            order << root->child(i)->text;
        QCOMPARE(order, QStringList({"c", "New items", "b", "a"}));
        tree.dropNode(c, b, false); // onto b: its last child
        QCOMPARE(c->parent, b);
        tree.dropNode(a, b->child(0), true); // with Ctrl: beside c, in its place
        QCOMPARE(b->child(0), a);
        QCOMPARE(b->child(1), c);
        QCOMPARE(tree.node(shown), c);
        QCOMPARE(tree.selectedNode(), c);
        // Dropping the root, into its own subtree, or nowhere is refused.
        QVERIFY(!tree.canDropOn(root, b));
        QVERIFY(!tree.canDropOn(b, c));
        QVERIFY(!tree.canDropOn(b, nullptr));

        // Deleting reports every page of the subtree, then the index dies.
        QList<qint32> deleted;
        connect(&tree, &ReportTree::nodeDeleted, this, [&](int, qint32 data) { deleted << data; });
        tree.deleteNode(b);
        QCOMPARE(deleted, QList<qint32>({2, 1, 3}));
        QVERIFY(!shown.isValid());
    }

    void aTreeTooDeepToReadBackIsNeverMade()
    {
        ReportTree tree;
        ReportNode *node = tree.addNode(nullptr, "root", 10, 0);
        for (int level = 1; level <= ReportTree::MaxLevel; ++level)
            node = tree.addNode(node, QString::number(level), 11, -1);
        ReportNode *deepest = node;
        ReportNode *sibling = tree.addNode(tree.root(), "sibling", 11, -1);
        ReportNode *leaf = tree.addNode(sibling, "leaf", 0, 5);
        // Under the deepest node, the sibling (with its child) would be too deep.
        QVERIFY(!tree.fitsUnder(sibling, deepest));
        QVERIFY_THROWS_EXCEPTION(TessaryError, tree.moveNode(sibling, deepest, 0));
        QCOMPARE(sibling->parent, tree.root());
        QVERIFY(tree.fitsUnder(leaf, deepest->parent));

        // The deepest tree the model makes is read back whole.
        ReportTree copy;
        copy.loadFromStream(tree.saveToStream());
        QCOMPARE(copy.nodeCount(), tree.nodeCount());
        QCOMPARE(ReportTree::height(copy.root()), ReportTree::MaxLevel);
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

TESSARY_TEST(TestReportTree)
#include "tst_reporttree.moc"
