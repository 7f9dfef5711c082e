#include "platform/treeview/TTreeView.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QTreeWidgetItemIterator>

namespace {
enum Role
{
    KindRole = Qt::UserRole + 1,
    DataRole,
    OwnColoursRole,
    BackColourRole,
    RowBackColourRole
};

QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
} // namespace

TTreeView::TTreeView(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setEditTriggers(QAbstractItemView::DoubleClicked);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
}

void TTreeView::setKindIcons(const QHash<int, QIcon> &icons)
{
    m_icons = icons;
    for (QTreeWidgetItem *item : nodesInOrder())
        item->setIcon(0, m_icons.value(kind(item)));
}

QTreeWidgetItem *TTreeView::createNode(const QString &text, int kind, qint32 data) const
{
    auto *item = new QTreeWidgetItem;
    item->setText(0, text);
    item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
                   Qt::ItemIsDropEnabled);
    item->setData(0, KindRole, kind);
    item->setData(0, DataRole, data);
    item->setData(0, BackColourRole, NoColour);
    item->setData(0, RowBackColourRole, NoColour);
    item->setIcon(0, m_icons.value(kind));
    return item;
}

QTreeWidgetItem *TTreeView::addNode(QTreeWidgetItem *parent, const QString &text, int kind,
                                    qint32 data)
{
    QTreeWidgetItem *item = createNode(text, kind, data);
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    return item;
}

QTreeWidgetItem *TTreeView::insertNodeAfter(QTreeWidgetItem *sibling, const QString &text, int kind,
                                            qint32 data)
{
    QTreeWidgetItem *item = createNode(text, kind, data);
    QTreeWidgetItem *parent = sibling->parent();
    if (parent)
        parent->insertChild(parent->indexOfChild(sibling) + 1, item);
    else
        insertTopLevelItem(indexOfTopLevelItem(sibling) + 1, item);
    return item;
}

int TTreeView::kind(const QTreeWidgetItem *item)
{
    return item->data(0, KindRole).toInt();
}

qint32 TTreeView::dataWord(const QTreeWidgetItem *item)
{
    return qint32(item->data(0, DataRole).toInt());
}

void TTreeView::setDataWord(QTreeWidgetItem *item, qint32 data)
{
    item->setData(0, DataRole, data);
}

bool TTreeView::ownColours(const QTreeWidgetItem *item)
{
    return item->data(0, OwnColoursRole).toBool();
}

quint32 TTreeView::backColour(const QTreeWidgetItem *item)
{
    return item->data(0, BackColourRole).toUInt();
}

quint32 TTreeView::rowBackColour(const QTreeWidgetItem *item)
{
    return item->data(0, RowBackColourRole).toUInt();
}

void TTreeView::applyColours(QTreeWidgetItem *item)
{
    if (ownColours(item) && backColour(item) != NoColour)
        item->setBackground(0, fromBgr(backColour(item)));
    else
        item->setBackground(0, QBrush());
}

void TTreeView::setNodeColours(QTreeWidgetItem *item, quint32 back, quint32 rowBack)
{
    item->setData(0, OwnColoursRole, true);
    item->setData(0, BackColourRole, back);
    item->setData(0, RowBackColourRole, rowBack);
    applyColours(item);
}

void TTreeView::clearNodeColours(QTreeWidgetItem *item)
{
    item->setData(0, OwnColoursRole, false);
    applyColours(item);
}

void TTreeView::setKind(QTreeWidgetItem *item, int k)
{
    item->setData(0, KindRole, k);
    item->setIcon(0, m_icons.value(k));
}

int TTreeView::nodeCount() const
{
    int n = 0;
    for (QTreeWidgetItemIterator it(const_cast<TTreeView *>(this)); *it; ++it)
        ++n;
    return n;
}

QTreeWidgetItem *TTreeView::nodeAt(int absoluteIndex) const
{
    if (absoluteIndex < 0)
        return nullptr;
    int i = 0;
    for (QTreeWidgetItemIterator it(const_cast<TTreeView *>(this)); *it; ++it, ++i)
        if (i == absoluteIndex)
            return *it;
    return nullptr;
}

int TTreeView::absoluteIndex(const QTreeWidgetItem *item) const
{
    if (!item)
        return -1;
    int i = 0;
    for (QTreeWidgetItemIterator it(const_cast<TTreeView *>(this)); *it; ++it, ++i)
        if (*it == item)
            return i;
    return -1;
}

int TTreeView::level(const QTreeWidgetItem *item)
{
    int l = 0;
    for (const QTreeWidgetItem *p = item->parent(); p; p = p->parent())
        ++l;
    return l;
}

int TTreeView::siblingIndex(const QTreeWidgetItem *item) const
{
    QTreeWidgetItem *p = item->parent();
    return p ? p->indexOfChild(const_cast<QTreeWidgetItem *>(item))
             : indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(item));
}

int TTreeView::siblingCount(const QTreeWidgetItem *item) const
{
    QTreeWidgetItem *p = item->parent();
    return p ? p->childCount() : topLevelItemCount();
}

QList<QTreeWidgetItem *> TTreeView::nodesInOrder() const
{
    QList<QTreeWidgetItem *> out;
    for (QTreeWidgetItemIterator it(const_cast<TTreeView *>(this)); *it; ++it)
        out.append(*it);
    return out;
}

bool TTreeView::isInSubtree(const QTreeWidgetItem *node, const QTreeWidgetItem *subtreeRoot)
{
    for (const QTreeWidgetItem *p = node; p; p = p->parent())
        if (p == subtreeRoot)
            return true;
    return false;
}

QTreeWidgetItem *TTreeView::selectedNode() const
{
    const QList<QTreeWidgetItem *> sel = selectedItems();
    return sel.isEmpty() ? nullptr : sel.first();
}

void TTreeView::selectNode(QTreeWidgetItem *item)
{
    if (!item) {
        clearSelection();
        return;
    }
    for (QTreeWidgetItem *p = item->parent(); p; p = p->parent())
        p->setExpanded(true);
    setCurrentItem(item);
    item->setSelected(true);
    scrollToItem(item);
}

void TTreeView::emitDeletedSubtree(QTreeWidgetItem *item)
{
    emit nodeDeleted(kind(item), dataWord(item));
    for (int i = 0; i < item->childCount(); ++i)
        emitDeletedSubtree(item->child(i));
}

void TTreeView::deleteNode(QTreeWidgetItem *item)
{
    if (!item)
        return;
    emitDeletedSubtree(item);
    delete item;
}

void TTreeView::clearTree()
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        emitDeletedSubtree(topLevelItem(i));
    clear();
}

TreeNodeRecord TTreeView::toRecord(const QTreeWidgetItem *item) const
{
    TreeNodeRecord r;
    r.text = item->text(0);
    r.kind = kind(item);
    r.data = dataWord(item);
    r.ownColours = ownColours(item);
    r.backColour = backColour(item);
    r.rowBackColour = rowBackColour(item);
    r.children.reserve(item->childCount());
    for (int i = 0; i < item->childCount(); ++i)
        r.children.append(toRecord(item->child(i)));
    return r;
}

QTreeWidgetItem *TTreeView::fromRecord(const TreeNodeRecord &r) const
{
    QTreeWidgetItem *item = createNode(r.text, r.kind, r.data);
    item->setData(0, OwnColoursRole, r.ownColours);
    item->setData(0, BackColourRole, r.backColour);
    item->setData(0, RowBackColourRole, r.rowBackColour);
    applyColours(item);
    QList<QTreeWidgetItem *> children;
    children.reserve(r.children.size());
    for (const TreeNodeRecord &c : r.children)
        children.append(fromRecord(c));
    item->addChildren(children);
    return item;
}

QVector<TreeNodeRecord> TTreeView::records() const
{
    QVector<TreeNodeRecord> out;
    for (int i = 0; i < topLevelItemCount(); ++i)
        out.append(toRecord(topLevelItem(i)));
    return out;
}

void TTreeView::loadRecords(const QVector<TreeNodeRecord> &records)
{
    clearTree();
    QList<QTreeWidgetItem *> items;
    for (const TreeNodeRecord &r : records)
        items.append(fromRecord(r));
    addTopLevelItems(items);
}

QByteArray TTreeView::saveToStream() const
{
    return TreeStream::write(records());
}

void TTreeView::loadFromStream(const QByteArray &bytes)
{
    loadRecords(TreeStream::read(bytes));
}

void TTreeView::moveNode(QTreeWidgetItem *node, QTreeWidgetItem *newParent, int index)
{
    // The node leaves the tree for a moment: that is not a change of selection.
    const QSignalBlocker block(this);
    const bool wasSelected = node->isSelected();
    const bool wasExpanded = node->isExpanded();
    QTreeWidgetItem *oldParent = node->parent();
    if (oldParent)
        oldParent->removeChild(node);
    else
        takeTopLevelItem(indexOfTopLevelItem(node));
    const int count = newParent ? newParent->childCount() : topLevelItemCount();
    index = qBound(0, index, count);
    if (newParent)
        newParent->insertChild(index, node);
    else
        insertTopLevelItem(index, node);
    node->setExpanded(wasExpanded || node->childCount() > 0);
    if (wasSelected)
        selectNode(node);
}

bool TTreeView::canDropOn(const QTreeWidgetItem *dragged, const QTreeWidgetItem *target) const
{
    return dragged && target && absoluteIndex(dragged) > 0 && !isInSubtree(target, dragged);
}

void TTreeView::dropNode(QTreeWidgetItem *dragged, QTreeWidgetItem *target, bool ctrl)
{
    if (!canDropOn(dragged, target))
        return;
    // A node placed beside a top-level node would stand before or after the
    // report root; such a drop makes it the target's child instead.
    if (ctrl && target->parent()) {
        QTreeWidgetItem *parent = target->parent();
        moveNode(dragged, parent, parent->indexOfChild(target));
    } else {
        moveNode(dragged, target, target->childCount());
    }
}

void TTreeView::startDrag(Qt::DropActions supportedActions)
{
    m_dragged = selectedNode();
    QTreeWidget::startDrag(supportedActions);
    m_dragged = nullptr;
}

void TTreeView::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TTreeView::dragMoveEvent(QDragMoveEvent *event)
{
    QTreeWidgetItem *target = itemAt(event->position().toPoint());
    if (event->source() == this && canDropOn(m_dragged, target))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TTreeView::dropEvent(QDropEvent *event)
{
    QTreeWidgetItem *target = itemAt(event->position().toPoint());
    if (event->source() == this && canDropOn(m_dragged, target)) {
        const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
        dropNode(m_dragged, target, ctrl);
    }
    // The move is done here; the view must not move or delete rows itself.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    emit dragFinished();
}
