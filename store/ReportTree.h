#pragma once

#include "platform/treeview/TreeStream.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>
#include <memory>
#include <vector>

class QItemSelectionModel;

// One node of the report tree: caption, kind (also its icon), data word (page
// id; -1 for folders; for the root the remembered selection), own colours and
// children in display order. Nodes are owned by their ReportTree; a node pointer
// stays valid until the node is deleted, whatever moves around it.
struct ReportNode
{
    QString text;
    int kind = 0;
    qint32 data = 0;
    bool ownColours = false;
    quint32 backColour = NoColour;    // 0x00BBGGRR
    quint32 rowBackColour = NoColour; // 0x00BBGGRR
    ReportNode *parent = nullptr;
    std::vector<std::unique_ptr<ReportNode>> children;
    int row = 0; // position among its siblings

    int childCount() const { return int(children.size()); }
    ReportNode *child(int i) const { return children[size_t(i)].get(); }
};

// The report tree as a model: what the store, the intake, export and find work
// on without any widget, and what the main window's tree view shows. It owns
// the selection model shared with the view, so that "the selected node" means
// the same headless and on screen. Positions are absolute indexes in display
// order (the first top-level node is 0) whether nodes are expanded or not.
class ReportTree : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Role
    {
        KindRole = Qt::UserRole + 1,
        DataRole,
        OwnColoursRole,
        BackColourRole,
        RowBackColourRole
    };
    // Deepest nesting the tree accepts (the root is level 0). Deeper trees could
    // not be read back from their stored form.
    static constexpr int MaxLevel = 400;

    explicit ReportTree(QObject *parent = nullptr);
    ~ReportTree() override;

    QItemSelectionModel *selection() const { return m_selection; }
    // A number that grows with every change of the tree a view is told of
    // (nodes added, removed or moved, captions, kinds, data words, colours,
    // a reset), so that what was derived from the tree can be kept while
    // it stays the same.
    quint64 revision() const { return m_revision; }
    // Icons shown for node kinds (the view's; nodes of a kind without one show none).
    void setKindIcons(const QHash<int, QIcon> &icons);

    // QAbstractItemModel
    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;

    ReportNode *node(const QModelIndex &index) const;
    QModelIndex indexOf(const ReportNode *node) const;

    // Building.
    ReportNode *root() const { return topLevelCount() ? m_top.child(0) : nullptr; }
    // The holder of the top-level nodes (never shown, not a node of the tree).
    const ReportNode &topNode() const { return m_top; }
    int topLevelCount() const { return m_top.childCount(); }
    ReportNode *topLevel(int i) const { return m_top.child(i); }
    // Adds a node as the last child of parent (nullptr: top level).
    ReportNode *addNode(ReportNode *parent, const QString &text, int kind, qint32 data);
    // Adds many children at once, in order.
    void addNodes(ReportNode *parent, std::vector<std::unique_ptr<ReportNode>> nodes);
    ReportNode *insertNodeAfter(ReportNode *sibling, const QString &text, int kind, qint32 data);
    static std::unique_ptr<ReportNode> makeNode(const QString &text, int kind, qint32 data);

    // Changing a node; each tells the views.
    void setText(ReportNode *node, const QString &text);
    void setKind(ReportNode *node, int kind);
    void setDataWord(ReportNode *node, qint32 data);
    // Own colours on with the given background (0x00BBGGRR) and row background.
    void setNodeColours(ReportNode *node, quint32 back, quint32 rowBack);
    // Own colours off: the node is drawn with the tree's colours again.
    void clearNodeColours(ReportNode *node);

    // Positions.
    int nodeCount() const;
    ReportNode *nodeAt(int absoluteIndex) const;
    int absoluteIndex(const ReportNode *node) const;
    static int level(const ReportNode *node);
    static int siblingCount(const ReportNode *node);
    int siblingCountOf(const ReportNode *node) const;
    // Levels below node (0 for a leaf).
    static int height(const ReportNode *node);
    // Every node in display order.
    QList<ReportNode *> nodesInOrder() const;
    // Calls f for every node in display order, without making a list.
    template <typename F> void forEachNode(F &&f) const
    {
        std::vector<std::pair<const ReportNode *, int>> stack{{&m_top, 0}};
        while (!stack.empty()) {
            const ReportNode *parent = stack.back().first;
            const int next = stack.back().second++;
            if (next >= parent->childCount()) {
                stack.pop_back();
                continue;
            }
            ReportNode *n = parent->child(next);
            f(n);
            if (n->childCount())
                stack.push_back({n, 0});
        }
    }
    static bool isInSubtree(const ReportNode *node, const ReportNode *subtreeRoot);
    // The first node (display order) with this caption, or nullptr.
    ReportNode *findCaption(const QString &text) const;
    // The node that shows page row id (id 0 and folders never match), or nullptr.
    ReportNode *findPage(qint32 id) const;

    // Selection (shared with the view).
    ReportNode *selectedNode() const;
    void selectNode(ReportNode *node);

    // Removes the node with its subtree; nodeDeleted is emitted for every removed node.
    void deleteNode(ReportNode *node);
    // Removes every node; nodeDeleted is emitted for every node.
    void clearTree();

    // Moves node to sibling position index under newParent (nullptr: top
    // level); the node keeps its subtree, its selection and its persistent
    // indexes. Throws TessaryError when the tree would become too deep.
    void moveNode(ReportNode *node, ReportNode *newParent, int index);
    // Whether placing node (with its subtree) under newParent keeps the tree readable.
    bool fitsUnder(const ReportNode *node, const ReportNode *newParent) const;

    // Drag and drop. A drop is accepted when the dragged node is not the first
    // node, the target exists and is not inside the dragged subtree.
    bool canDropOn(const ReportNode *dragged, const ReportNode *target) const;
    // With ctrl the dragged node takes the target's sibling position under the
    // target's parent; without it becomes the target's last child.
    void dropNode(ReportNode *dragged, ReportNode *target, bool ctrl);

    // Stored form.
    QVector<TreeNodeRecord> records() const;
    void loadRecords(const QVector<TreeNodeRecord> &records);
    QByteArray saveToStream() const;
    // Replace the tree; no page counts as deleted. loadFromStream throws
    // TessaryError on a damaged stream and then leaves the tree as it was.
    void loadFromStream(const QByteArray &bytes);

signals:
    void nodeDeleted(int kind, qint32 data);
    // Asks the views to open a node (and its ancestors), or every node.
    void expandRequested(const QModelIndex &index);
    void expandAllRequested();

private:
    void nodeChanged(ReportNode *node);
    void emitDeletedSubtree(const ReportNode *node);
    static void renumber(ReportNode *parent, int from);
    std::unique_ptr<ReportNode> fromRecord(const TreeNodeRecord &r) const;
    static TreeNodeRecord toRecord(const ReportNode *node);
    ReportNode *parentOrTop(ReportNode *parent) { return parent ? parent : &m_top; }
    const ReportNode *parentOrTop(const ReportNode *parent) const
    {
        return parent ? parent : &m_top;
    }

    ReportNode m_top; // holds the top-level nodes; never shown
    QItemSelectionModel *m_selection;
    QHash<int, QIcon> m_icons;
    quint64 m_revision = 0;
};
