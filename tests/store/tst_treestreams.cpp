// The tree stream written and read straight from report nodes, and its
// compressed form made again run by run: the bytes must be those of the
// general writer, the nodes those of the general reader, and the compressed
// form must inflate to the stream after any sequence of changes. The page
// ids kept for the intake must be those of the tree after any changes too.
#include "platform/TessaryError.h"
#include "platform/treeview/TreeStream.h"
#include "store/CompressedTreeStream.h"
#include "store/HeldPages.h"
#include "store/PageKind.h"
#include "store/ReportTree.h"
#include "store/TreeJson.h"
#include "tests/support/TestMain.h"

#include <QRandomGenerator>
#include <QtTest>
#include <set>
#include <zlib.h>

namespace {
QByteArray inflate(const QByteArray &in)
{
    z_stream zs{};
    inflateInit(&zs);
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.constData()));
    zs.avail_in = uInt(in.size());
    QByteArray out;
    char buffer[65536];
    int rc = Z_OK;
    while (rc == Z_OK) {
        zs.next_out = reinterpret_cast<Bytef *>(buffer);
        zs.avail_out = sizeof buffer;
        rc = ::inflate(&zs, Z_NO_FLUSH);
        out.append(buffer, int(sizeof buffer - zs.avail_out));
    }
    const bool whole = rc == Z_STREAM_END && zs.avail_in == 0;
    inflateEnd(&zs);
    return whole ? out : QByteArray("<not one complete zlib stream>");
}

QString randomText(QRandomGenerator &r)
{
    static const char16_t pool[] = {u'a',   u'Z',   u' ',   u'"',   u'\\',  u'/',   u'\n',  u'\t',
                                    u'\r',  u'\b',  u'\f',  0x01,   0x1F,   0x7F,   0xE9,   0x416,
                                    0x20AC, 0xFFFD, 0xD83D, 0xDE00, 0xDC00, 0xD800, 0x2028, u'{'};
    QString s;
    const int n = int(r.bounded(12));
    for (int i = 0; i < n; ++i)
        s.append(QChar(pool[r.bounded(int(std::size(pool)))]));
    return s;
}

void fillRandom(ReportTree &tree, QRandomGenerator &r, int count)
{
    ReportNode *root = tree.addNode(nullptr, "Project name", PageKind::Root, 0);
    QList<ReportNode *> parents{root};
    for (int i = 0; i < count; ++i) {
        ReportNode *parent = parents.at(int(r.bounded(parents.size())));
        const bool folder = r.bounded(5) == 0;
        ReportNode *n =
            tree.addNode(parent, randomText(r), folder ? PageKind::Folder : int(r.bounded(14)),
                         folder ? -1 : qint32(r.generate()));
        if (r.bounded(7) == 0)
            tree.setNodeColours(n, r.generate(), r.bounded(3) ? r.generate() : NoColour);
        if (folder)
            parents << n;
    }
}

// One random change of the tree, as the tree commands make them.
void change(ReportTree &tree, QRandomGenerator &r)
{
    const int count = tree.nodeCount();
    ReportNode *n = tree.nodeAt(1 + int(r.bounded(qMax(1, count - 1))));
    if (!n)
        return;
    switch (r.bounded(6)) {
    case 0:
        tree.setText(n, randomText(r));
        break;
    case 1:
        tree.addNode(n->parent ? n->parent : tree.root(), "added", PageKind::Table,
                     qint32(r.generate()));
        break;
    case 2:
        tree.insertNodeAfter(n, "inserted", PageKind::Chart, 7);
        break;
    case 3:
        tree.deleteNode(n);
        break;
    case 4:
        if (ReportNode *target = tree.nodeAt(int(r.bounded(count))); tree.canDropOn(n, target))
            tree.dropNode(n, target, r.bounded(2));
        break;
    default:
        tree.setDataWord(n, qint32(r.generate()));
        break;
    }
}

// The held ranges and the group, computed plainly from the tree.
QString expectedHeld(const ReportTree &tree, const QString &caption)
{
    std::set<qint64> ids;
    const ReportNode *group = nullptr;
    for (const ReportNode *n : tree.nodesInOrder()) {
        if (PageKind::holdsPageId(n->kind))
            ids.insert(n->data);
        if (n->text == caption)
            group = n;
    }
    QStringList ranges;
    for (auto it = ids.begin(); it != ids.end();) {
        const qint64 first = *it;
        qint64 last = first;
        while (++it != ids.end() && *it == last + 1)
            last = *it;
        ranges << QStringLiteral("%1-%2").arg(first).arg(last);
    }
    return ranges.join(' ') + QStringLiteral(" group %1").arg(tree.absoluteIndex(group));
}

QString heldText(const ReportTree &tree, const HeldPages &held)
{
    QStringList ranges;
    for (const DbEngine::IdRange &r : held.ranges())
        ranges << QStringLiteral("%1-%2").arg(r.first).arg(r.last);
    return ranges.join(' ') + QStringLiteral(" group %1").arg(tree.absoluteIndex(held.group()));
}
} // namespace

class TestTreeStreams : public QObject
{
    Q_OBJECT
private slots:
    void writtenBytesAreThoseOfTheGeneralWriter()
    {
        QRandomGenerator r(17);
        for (int round = 0; round < 30; ++round) {
            ReportTree tree;
            fillRandom(tree, r, int(r.bounded(300)));
            const QByteArray fast = tree.saveToStream();
            QCOMPARE(fast, TreeStream::write(tree.records()));
            // Read back, both ways, to the same nodes.
            ReportTree again;
            again.loadFromStream(fast);
            QCOMPARE(again.saveToStream(), fast);
            // The fast reader takes all but surrogates written alone.
            QCOMPARE(TreeJson::read(fast).has_value(), !fast.contains("\\ud"));
        }
        // Every single character, surrogates alone and in pairs included.
        ReportTree tree;
        ReportNode *root = tree.addNode(nullptr, "r", PageKind::Root, 0);
        for (int c = 0; c < 0x10000; c += 1) {
            QString s;
            s.append(QChar(char16_t(c)));
            if (c % 3 == 0)
                s.append(QChar(char16_t(0xDC00 + c % 0x400)));
            tree.addNode(root, s, PageKind::Document, c);
        }
        const QByteArray all = tree.saveToStream();
        QCOMPARE(all, TreeStream::write(tree.records()));
        // Read back as the general reader reads it (a surrogate alone does not
        // survive that reader; such a stream goes to it whole).
        ReportTree back;
        back.loadFromStream(all);
        ReportTree general;
        general.loadRecords(TreeStream::read(all));
        QCOMPARE(back.nodeCount(), tree.nodeCount());
        QCOMPARE(back.saveToStream(), general.saveToStream());
        // Without surrogates alone the fast reader takes it, to the same nodes.
        for (int i = tree.root()->childCount() - 1; i >= 0; --i)
            if (i % 3 == 0 || (i >= 0xD800 && i < 0xE000))
                tree.deleteNode(tree.root()->child(i));
        const QByteArray clean = tree.saveToStream();
        QVERIFY(TreeJson::read(clean).has_value());
        back.loadFromStream(clean);
        QCOMPARE(back.saveToStream(), clean);
        // The general reader gives the same nodes, but for a text that begins
        // with a byte order mark, which it drops and the fast reader keeps.
        general.loadRecords(TreeStream::read(clean));
        QCOMPARE(general.nodeCount(), back.nodeCount());
        for (int i = 0; i < back.root()->childCount(); ++i) {
            const QString kept = back.root()->child(i)->text;
            const QString read = general.root()->child(i)->text;
            QCOMPARE(read, kept.startsWith(QChar(0xFEFF)) ? kept.mid(1) : kept);
        }
        // The empty tree.
        QCOMPARE(ReportTree().saveToStream(), TreeStream::write({}));
    }

    void otherFormsGoToTheGeneralReader()
    {
        // Spaces, other key orders, fractions and unknown keys: read all the same.
        const QByteArray variant =
            " { \"version\" : 1 , \"nodes\" : [ { \"text\" : \"R\\u00e9\", \"kind\" : 10.0, "
            "\"data\" : 2, \"extra\" : [1, {\"a\": null}], \"children\" : [ {\"kind\":0,"
            "\"data\":5,\"text\":\"\\ud83d\\ude00\"} ] } ], \"format\" : \"tessary-tree\" } ";
        QVERIFY(!TreeJson::read(variant).has_value());
        ReportTree tree;
        tree.loadFromStream(variant);
        QCOMPARE(tree.nodeCount(), 2);
        QCOMPARE(tree.root()->text, QString::fromUtf8("R\xc3\xa9"));
        QCOMPARE(tree.root()->kind, 10);
        QCOMPARE(tree.root()->child(0)->text, QString::fromUtf8("\xf0\x9f\x98\x80"));
        // Damaged streams are refused with the general reader's message; the tree stays.
        const QByteArray good = tree.saveToStream();
        for (const QByteArray &bad :
             {QByteArray("{\"format\":\"tessary-tree\",\"nodes\":[{\"data\":1}],\"version\":1}"),
              QByteArray("{\"format\":\"tessary-tree\",\"nodes\":[{\"data\":1,\"kind\":0,"),
              QByteArray("{\"format\":\"other\",\"nodes\":[],\"version\":1}"),
              QByteArray("{\"format\":\"tessary-tree\",\"nodes\":[],\"version\":2}"),
              QByteArray("{\"format\":\"tessary-tree\",\"nodes\":[{\"data\":99999999999,"
                         "\"kind\":0}],\"version\":1}"),
              QByteArray("{\"format\":\"tessary-tree\",\"nodes\":[{\"data\":1,\"kind\":0,"
                         "\"text\":\"\xff\"}],\"version\":1}"),
              QByteArray("[1,2]")}) {
            QVERIFY_THROWS_EXCEPTION(TessaryError, tree.loadFromStream(bad));
            QCOMPARE(tree.saveToStream(), good);
        }
        // A deep chain is read without recursion.
        QByteArray deep = "{\"format\":\"tessary-tree\",\"nodes\":[";
        for (int i = 0; i < 5000; ++i)
            deep += "{\"children\":[";
        deep += "{\"data\":1,\"kind\":0,\"text\":\"leaf\"}";
        for (int i = 0; i < 5000; ++i)
            deep += "],\"data\":-1,\"kind\":11,\"text\":\"f\"}";
        deep += "],\"version\":1}";
        tree.loadFromStream(deep);
        QCOMPARE(tree.nodeCount(), 5001);
        QCOMPARE(tree.saveToStream(), deep);
    }

    void damagedBytesNeverCrashAndAgreeWithTheGeneralReader()
    {
        QRandomGenerator r(99);
        // A tree the fast reader takes: no surrogates standing alone.
        ReportTree source;
        ReportNode *folder = source.addNode(nullptr, "Project name", PageKind::Root, 3);
        for (int i = 0; i < 60; ++i) {
            ReportNode *n =
                source.addNode(folder, QStringLiteral("Node %1 \"q\" \\ \u00e9 \u20ac\n").arg(i),
                               i % 5 ? PageKind::Document : PageKind::Folder, i % 5 ? i : -1);
            if (i % 7 == 0)
                source.setNodeColours(n, 255, NoColour);
            if (i % 5 == 0)
                folder = n;
        }
        const QByteArray good = source.saveToStream();
        QVERIFY(TreeJson::read(good).has_value());
        int fastTaken = 0;
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes = good;
            const int edits = 1 + int(r.bounded(4));
            for (int e = 0; e < edits; ++e) {
                const int at = int(r.bounded(bytes.size()));
                switch (r.bounded(3)) {
                case 0:
                    bytes[at] = char(r.bounded(256));
                    break;
                case 1:
                    bytes.remove(at, int(r.bounded(8)));
                    break;
                default:
                    bytes.insert(at, "{\"[],:0-1e\\u"[r.bounded(13)]);
                }
            }
            const bool fast = TreeJson::read(bytes).has_value();
            fastTaken += fast;
            ReportTree tree;
            try {
                tree.loadFromStream(bytes);
            } catch (const TessaryError &) {
                QVERIFY2(!fast, bytes.constData()); // refused by the general reader only
                continue;
            }
            if (fast)
                QCOMPARE(TreeStream::countNodes(TreeStream::read(bytes)), tree.nodeCount());
            QCOMPARE(tree.saveToStream(), TreeStream::write(tree.records()));
        }
        QVERIFY(fastTaken > 0);
    }

    void compressedFormFollowsEveryChange()
    {
        QRandomGenerator r(4242);
        ReportTree tree;
        fillRandom(tree, r, 3000);
        // Long sibling lists, so that runs are cut inside them too.
        for (int i = 0; i < 2000; ++i)
            tree.addNode(tree.root(), QStringLiteral("Page %1").arg(i), PageKind::Document, i + 1);
        CompressedTreeStream stream;
        for (int step = 0; step < 60; ++step) {
            const QByteArray z = stream.compress(tree.topNode(), 2);
            QCOMPARE(inflate(z), tree.saveToStream());
            if (step > 0)
                QVERIFY2(stream.reusedRuns() > stream.madeRuns(),
                         qPrintable(QStringLiteral("%1 reused, %2 made")
                                        .arg(stream.reusedRuns())
                                        .arg(stream.madeRuns())));
            const int changes = 1 + int(r.bounded(3));
            for (int c = 0; c < changes; ++c)
                change(tree, r);
        }
        // Fields written behind the model's back are seen all the same.
        tree.root()->child(0)->text = "changed without a signal";
        tree.root()->data = 12345;
        QCOMPARE(inflate(stream.compress(tree.topNode(), 2)), tree.saveToStream());
        // Another level starts afresh; an empty tree is a valid stream.
        QCOMPARE(inflate(stream.compress(tree.topNode(), 9)), tree.saveToStream());
        ReportTree empty;
        QCOMPARE(inflate(stream.compress(empty.topNode(), 2)), TreeStream::write({}));
    }

    void heldPagesFollowEveryChange()
    {
        const QString caption = QStringLiteral("New items");
        // Ids that meet, touch and bridge ranges.
        {
            ReportTree tree;
            ReportNode *root = tree.addNode(nullptr, "Project name", PageKind::Root, 0);
            for (const qint32 id : {1, 2, 3, 5, 9, 10})
                tree.addNode(root, "page", PageKind::Document, id);
            ReportNode *group = tree.addNode(root, caption, PageKind::Folder, -1);
            HeldPages held;
            held.refresh(tree, caption);
            QCOMPARE(heldText(tree, held), QString("1-3 5-5 9-10 group 7"));
            const QList<qint32> placedIds{4, 7, 11, 0, 8};
            QList<const ReportNode *> nodes;
            std::vector<std::unique_ptr<ReportNode>> items;
            for (const qint32 id : placedIds) {
                items.push_back(ReportTree::makeNode(id == 8 ? caption : QString("new"),
                                                     PageKind::Table, id));
                nodes << items.back().get();
            }
            tree.addNodes(group, std::move(items));
            held.placed(tree, group, nodes, caption);
            // The placed node captioned like the group is the group now.
            QCOMPARE(heldText(tree, held), expectedHeld(tree, caption));
            QCOMPARE(heldText(tree, held), QString("0-5 7-11 group 12"));
            const quint64 before = tree.revision();
            held.refresh(tree, caption); // nothing changed: nothing walked
            QCOMPARE(tree.revision(), before);
            QCOMPARE(heldText(tree, held), QString("0-5 7-11 group 12"));
        }
        // Random changes and placements, checked against a plain count each time.
        QRandomGenerator r(4711);
        for (int round = 0; round < 20; ++round) {
            ReportTree tree;
            fillRandom(tree, r, 60);
            HeldPages held;
            for (int step = 0; step < 150; ++step) {
                held.refresh(tree, caption);
                QCOMPARE(heldText(tree, held), expectedHeld(tree, caption));
                const int what = int(r.bounded(5));
                if (what == 0) {
                    if (ReportNode *n = tree.nodeAt(int(r.bounded(tree.nodeCount()))))
                        tree.setText(n, caption);
                } else if (what == 1) {
                    // An intake: nodes with small ids, some captioned like the group.
                    ReportNode *group = held.group();
                    if (!group)
                        group = tree.addNode(tree.root(), caption, PageKind::Folder, -1);
                    QList<const ReportNode *> nodes;
                    std::vector<std::unique_ptr<ReportNode>> items;
                    for (int i = int(r.bounded(1, 4)); i > 0; --i) {
                        items.push_back(ReportTree::makeNode(
                            r.bounded(4) ? QString("page") : caption,
                            r.bounded(6) ? int(PageKind::Table) : int(PageKind::Folder),
                            qint32(r.bounded(200))));
                        nodes << items.back().get();
                    }
                    tree.addNodes(group, std::move(items));
                    held.placed(tree, group, nodes, caption);
                    QCOMPARE(heldText(tree, held), expectedHeld(tree, caption));
                } else {
                    change(tree, r);
                    if (ReportNode *n = tree.nodeAt(int(r.bounded(tree.nodeCount())));
                        n && r.bounded(3) == 0 && PageKind::holdsPageId(n->kind))
                        tree.setDataWord(n, qint32(r.bounded(200)));
                }
            }
        }
    }
};

TESSARY_TEST(TestTreeStreams)
#include "tst_treestreams.moc"
