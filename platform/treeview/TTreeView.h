#pragma once

#include "platform/treeview/TreeStream.h"

#include <QHash>
#include <QIcon>
#include <QTreeWidget>

// The tree view of a report: nodes carry a caption, a kind (also their icon), a
// 32-bit data word and optional own colours, and the whole tree can be written
// to and read back from the tree stream. Positions are absolute indexes in
// display order (the first top-level node is 0) whether nodes are expanded or not.
class TTreeView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit TTreeView(QWidget *parent = nullptr);

    // Icons drawn for node kinds; nodes of a kind without icon show none.
    void setKindIcons(const QHash<int, QIcon> &icons);

    // A node not yet in the tree (for adding many children at once).
    QTreeWidgetItem *createNode(const QString &text, int kind, qint32 data) const;
    QTreeWidgetItem *addNode(QTreeWidgetItem *parent, const QString &text, int kind, qint32 data);
    QTreeWidgetItem *insertNodeAfter(QTreeWidgetItem *sibling, const QString &text, int kind,
                                     qint32 data);

    static int kind(const QTreeWidgetItem *item);
    static qint32 dataWord(const QTreeWidgetItem *item);
    static void setDataWord(QTreeWidgetItem *item, qint32 data);
    static bool ownColours(const QTreeWidgetItem *item);
    static quint32 backColour(const QTreeWidgetItem *item);
    static quint32 rowBackColour(const QTreeWidgetItem *item);
    // Own colours on with the given background (0x00BBGGRR) and row background.
    static void setNodeColours(QTreeWidgetItem *item, quint32 back, quint32 rowBack);
    // Own colours off: the node is drawn with the tree's colours again.
    static void clearNodeColours(QTreeWidgetItem *item);
    void setKind(QTreeWidgetItem *item, int kind);

    int nodeCount() const;
    QTreeWidgetItem *nodeAt(int absoluteIndex) const;
    int absoluteIndex(const QTreeWidgetItem *item) const;
    static int level(const QTreeWidgetItem *item);
    int siblingIndex(const QTreeWidgetItem *item) const;
    int siblingCount(const QTreeWidgetItem *item) const;
    // Every node in display order.
    QList<QTreeWidgetItem *> nodesInOrder() const;
    static bool isInSubtree(const QTreeWidgetItem *node, const QTreeWidgetItem *subtreeRoot);

    QTreeWidgetItem *selectedNode() const;
    void selectNode(QTreeWidgetItem *item);

    // Removes the node with its subtree; nodeDeleted is emitted for every removed node.
    void deleteNode(QTreeWidgetItem *item);
    // Removes every node; nodeDeleted is emitted for every node.
    void clearTree();

    QVector<TreeNodeRecord> records() const;
    void loadRecords(const QVector<TreeNodeRecord> &records);
    QByteArray saveToStream() const;
    // Replaces the tree with the stream's (throws TessaryError on a damaged stream).
    void loadFromStream(const QByteArray &bytes);

    // Moves node to sibling position index under newParent (nullptr: top level);
    // the node keeps its subtree and stays selected when it was.
    void moveNode(QTreeWidgetItem *node, QTreeWidgetItem *newParent, int index);

    // Drag and drop inside the tree. A drop is accepted when the dragged node is
    // not the first node, the target exists and is not inside the dragged subtree.
    bool canDropOn(const QTreeWidgetItem *dragged, const QTreeWidgetItem *target) const;
    // With ctrl the dragged node takes the target's sibling position under the
    // target's parent; without it becomes the target's last child.
    void dropNode(QTreeWidgetItem *dragged, QTreeWidgetItem *target, bool ctrl);

signals:
    void nodeDeleted(int kind, qint32 data);
    // A drag inside the tree ended with a drop, accepted or not.
    void dragFinished();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void emitDeletedSubtree(QTreeWidgetItem *item);
    QTreeWidgetItem *fromRecord(const TreeNodeRecord &r) const;
    TreeNodeRecord toRecord(const QTreeWidgetItem *item) const;
    static void applyColours(QTreeWidgetItem *item);

    QHash<int, QIcon> m_icons;
    QTreeWidgetItem *m_dragged = nullptr;
};
