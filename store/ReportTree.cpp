#include "store/ReportTree.h"

#include "platform/TessaryError.h"
#include "store/PageKind.h"
#include "store/TreeJson.h"

#include <QBrush>
#include <QColor>
#include <QItemSelectionModel>

namespace {
QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// Walks nodes in display order without recursion, so that a deep tree cannot
// exhaust the stack. f returns false to stop.
template <typename F> void walk(const ReportNode &top, F &&f)
{
    std::vector<std::pair<const ReportNode *, int>> stack{{&top, 0}};
    while (!stack.empty()) {
        auto &[parent, next] = stack.back();
        if (next >= parent->childCount()) {
            stack.pop_back();
            continue;
        }
        const ReportNode *n = parent->child(next++);
        if (!f(const_cast<ReportNode *>(n)))
            return;
        if (n->childCount())
            stack.push_back({n, 0});
    }
}
} // namespace

ReportTree::ReportTree(QObject *parent)
    : QAbstractItemModel(parent), m_selection(new QItemSelectionModel(this, this))
{
    // Every change reaches the views through these signals, so counting them
    // counts every change.
    const auto changed = [this] { ++m_revision; };
    connect(this, &QAbstractItemModel::rowsInserted, this, changed);
    connect(this, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(this, &QAbstractItemModel::rowsMoved, this, changed);
    connect(this, &QAbstractItemModel::dataChanged, this, changed);
    connect(this, &QAbstractItemModel::layoutChanged, this, changed);
    connect(this, &QAbstractItemModel::modelReset, this, changed);
}

ReportTree::~ReportTree() = default;

void ReportTree::setKindIcons(const QHash<int, QIcon> &icons)
{
    m_icons = icons;
    if (topLevelCount())
        emit dataChanged(index(0, 0), index(topLevelCount() - 1, 0), {Qt::DecorationRole});
}

// ---- QAbstractItemModel ------------------------------------------------------

QModelIndex ReportTree::index(int row, int column, const QModelIndex &parent) const
{
    const ReportNode *p = parent.isValid() ? node(parent) : &m_top;
    if (!p || column != 0 || row < 0 || row >= p->childCount())
        return {};
    return createIndex(row, 0, p->child(row));
}

QModelIndex ReportTree::parent(const QModelIndex &child) const
{
    const ReportNode *n = node(child);
    if (!n || !n->parent)
        return {};
    return createIndex(n->parent->row, 0, n->parent);
}

int ReportTree::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    const ReportNode *p = parent.isValid() ? node(parent) : &m_top;
    return p ? p->childCount() : 0;
}

int ReportTree::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant ReportTree::data(const QModelIndex &index, int role) const
{
    const ReportNode *n = node(index);
    if (!n)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return n->text;
    case Qt::DecorationRole: {
        const auto it = m_icons.constFind(n->kind);
        return it == m_icons.cend() ? QVariant() : QVariant(*it);
    }
    case Qt::BackgroundRole:
        if (n->ownColours && n->backColour != NoColour)
            return QBrush(fromBgr(n->backColour));
        return {};
    case KindRole:
        return n->kind;
    case DataRole:
        return n->data;
    case OwnColoursRole:
        return n->ownColours;
    case BackColourRole:
        return n->backColour;
    case RowBackColourRole:
        return n->rowBackColour;
    default:
        return {};
    }
}

bool ReportTree::setData(const QModelIndex &index, const QVariant &value, int role)
{
    ReportNode *n = node(index);
    if (!n || role != Qt::EditRole)
        return false;
    setText(n, value.toString());
    return true;
}

Qt::ItemFlags ReportTree::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
           Qt::ItemIsDropEnabled;
}

Qt::DropActions ReportTree::supportedDragActions() const
{
    return Qt::MoveAction | Qt::CopyAction;
}

Qt::DropActions ReportTree::supportedDropActions() const
{
    return Qt::MoveAction | Qt::CopyAction;
}

ReportNode *ReportTree::node(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this)
        return nullptr;
    return static_cast<ReportNode *>(index.internalPointer());
}

QModelIndex ReportTree::indexOf(const ReportNode *n) const
{
    if (!n || n == &m_top)
        return {};
    return createIndex(n->row, 0, const_cast<ReportNode *>(n));
}

// ---- Building ------------------------------------------------------------------

std::unique_ptr<ReportNode> ReportTree::makeNode(const QString &text, int kind, qint32 data)
{
    auto n = std::make_unique<ReportNode>();
    n->text = text;
    n->kind = kind;
    n->data = data;
    return n;
}

void ReportTree::renumber(ReportNode *parent, int from)
{
    for (int i = from; i < parent->childCount(); ++i)
        parent->child(i)->row = i;
}

ReportNode *ReportTree::addNode(ReportNode *parent, const QString &text, int kind, qint32 data)
{
    std::vector<std::unique_ptr<ReportNode>> one;
    one.push_back(makeNode(text, kind, data));
    ReportNode *n = one.front().get();
    addNodes(parent, std::move(one));
    return n;
}

void ReportTree::addNodes(ReportNode *parent, std::vector<std::unique_ptr<ReportNode>> nodes)
{
    if (nodes.empty())
        return;
    ReportNode *container = parentOrTop(parent);
    const int first = container->childCount();
    beginInsertRows(indexOf(parent), first, first + int(nodes.size()) - 1);
    for (auto &n : nodes) {
        n->parent = parent;
        n->row = container->childCount();
        container->children.push_back(std::move(n));
    }
    endInsertRows();
}

ReportNode *ReportTree::insertNodeAfter(ReportNode *sibling, const QString &text, int kind,
                                        qint32 data)
{
    ReportNode *container = parentOrTop(sibling->parent);
    const int row = sibling->row + 1;
    auto n = makeNode(text, kind, data);
    ReportNode *raw = n.get();
    n->parent = sibling->parent;
    beginInsertRows(indexOf(sibling->parent), row, row);
    container->children.insert(container->children.begin() + row, std::move(n));
    renumber(container, row);
    endInsertRows();
    return raw;
}

void ReportTree::nodeChanged(ReportNode *n)
{
    const QModelIndex i = indexOf(n);
    emit dataChanged(i, i);
}

void ReportTree::setText(ReportNode *n, const QString &text)
{
    n->text = text;
    nodeChanged(n);
}

void ReportTree::setKind(ReportNode *n, int kind)
{
    n->kind = kind;
    nodeChanged(n);
}

void ReportTree::setDataWord(ReportNode *n, qint32 data)
{
    n->data = data;
    nodeChanged(n);
}

void ReportTree::setNodeColours(ReportNode *n, quint32 back, quint32 rowBack)
{
    n->ownColours = true;
    n->backColour = back;
    n->rowBackColour = rowBack;
    nodeChanged(n);
}

void ReportTree::clearNodeColours(ReportNode *n)
{
    n->ownColours = false;
    nodeChanged(n);
}

// ---- Positions -----------------------------------------------------------------

int ReportTree::nodeCount() const
{
    int count = 0;
    walk(m_top, [&](ReportNode *) {
        ++count;
        return true;
    });
    return count;
}

ReportNode *ReportTree::nodeAt(int absoluteIndex) const
{
    if (absoluteIndex < 0)
        return nullptr;
    ReportNode *found = nullptr;
    int i = 0;
    walk(m_top, [&](ReportNode *n) {
        if (i++ == absoluteIndex)
            found = n;
        return !found;
    });
    return found;
}

int ReportTree::absoluteIndex(const ReportNode *target) const
{
    if (!target)
        return -1;
    int i = 0;
    int found = -1;
    walk(m_top, [&](ReportNode *n) {
        if (n == target)
            found = i;
        ++i;
        return found < 0;
    });
    return found;
}

int ReportTree::level(const ReportNode *n)
{
    int l = 0;
    for (const ReportNode *p = n->parent; p; p = p->parent)
        ++l;
    return l;
}

int ReportTree::siblingCount(const ReportNode *n)
{
    return n->parent ? n->parent->childCount() : -1;
}

int ReportTree::siblingCountOf(const ReportNode *n) const
{
    return parentOrTop(n->parent)->childCount();
}

int ReportTree::height(const ReportNode *n)
{
    int deepest = 0;
    const int base = level(n);
    walk(*n, [&](ReportNode *d) {
        deepest = qMax(deepest, level(d) - base);
        return true;
    });
    return deepest;
}

QList<ReportNode *> ReportTree::nodesInOrder() const
{
    QList<ReportNode *> out;
    walk(m_top, [&](ReportNode *n) {
        out.append(n);
        return true;
    });
    return out;
}

bool ReportTree::isInSubtree(const ReportNode *n, const ReportNode *subtreeRoot)
{
    for (const ReportNode *p = n; p; p = p->parent)
        if (p == subtreeRoot)
            return true;
    return false;
}

ReportNode *ReportTree::findCaption(const QString &text) const
{
    ReportNode *found = nullptr;
    walk(m_top, [&](ReportNode *n) {
        if (n->text == text)
            found = n;
        return !found;
    });
    return found;
}

ReportNode *ReportTree::findPage(qint32 id) const
{
    ReportNode *found = nullptr;
    if (id == 0)
        return nullptr;
    walk(m_top, [&](ReportNode *n) {
        if (n->data == id && PageKind::holdsPageId(n->kind))
            found = n;
        return !found;
    });
    return found;
}

// ---- Selection -----------------------------------------------------------------

ReportNode *ReportTree::selectedNode() const
{
    const QModelIndexList rows = m_selection->selectedRows();
    if (!rows.isEmpty())
        return node(rows.first());
    return nullptr;
}

void ReportTree::selectNode(ReportNode *n)
{
    if (!n) {
        m_selection->clear();
        return;
    }
    const QModelIndex i = indexOf(n);
    emit expandRequested(i.parent());
    m_selection->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
}

// ---- Removing ------------------------------------------------------------------

void ReportTree::emitDeletedSubtree(const ReportNode *n)
{
    emit nodeDeleted(n->kind, n->data);
    walk(*n, [&](ReportNode *d) {
        emit nodeDeleted(d->kind, d->data);
        return true;
    });
}

void ReportTree::deleteNode(ReportNode *n)
{
    if (!n)
        return;
    emitDeletedSubtree(n);
    ReportNode *container = parentOrTop(n->parent);
    const int row = n->row;
    beginRemoveRows(indexOf(n->parent), row, row);
    container->children.erase(container->children.begin() + row);
    renumber(container, row);
    endRemoveRows();
}

void ReportTree::clearTree()
{
    for (int i = 0; i < topLevelCount(); ++i)
        emitDeletedSubtree(topLevel(i));
    beginResetModel();
    m_top.children.clear();
    endResetModel();
}

// ---- Moving --------------------------------------------------------------------

bool ReportTree::fitsUnder(const ReportNode *n, const ReportNode *newParent) const
{
    const int newLevel = newParent ? level(newParent) + 1 : 0;
    return newLevel + height(n) <= MaxLevel;
}

void ReportTree::moveNode(ReportNode *n, ReportNode *newParent, int index)
{
    if (!fitsUnder(n, newParent))
        throw TessaryError(
            tr("The item cannot be moved there: the tree would be more than %1 levels deep.")
                .arg(MaxLevel));
    ReportNode *from = parentOrTop(n->parent);
    ReportNode *to = parentOrTop(newParent);
    const int oldRow = n->row;
    // Qt numbers the destination before the node leaves its place.
    index = qBound(0, index, to->childCount() - (from == to ? 1 : 0));
    const int destination = (from == to && index > oldRow) ? index + 1 : index;
    if (from == to && (destination == oldRow || destination == oldRow + 1))
        return;
    beginMoveRows(indexOf(n->parent), oldRow, oldRow, indexOf(newParent), destination);
    std::unique_ptr<ReportNode> owned = std::move(from->children[size_t(oldRow)]);
    from->children.erase(from->children.begin() + oldRow);
    renumber(from, oldRow);
    owned->parent = newParent;
    to->children.insert(to->children.begin() + index, std::move(owned));
    renumber(to, index);
    endMoveRows();
}

bool ReportTree::canDropOn(const ReportNode *dragged, const ReportNode *target) const
{
    return dragged && target && dragged != root() && !isInSubtree(target, dragged);
}

void ReportTree::dropNode(ReportNode *dragged, ReportNode *target, bool ctrl)
{
    if (!canDropOn(dragged, target))
        return;
    // A node placed beside a top-level node would stand before or after the
    // report root; such a drop makes it the target's child instead.
    if (ctrl && target->parent)
        moveNode(dragged, target->parent, target->row);
    else
        moveNode(dragged, target, target->childCount());
    emit expandRequested(indexOf(dragged->parent));
}

// ---- Stored form ---------------------------------------------------------------

TreeNodeRecord ReportTree::toRecord(const ReportNode *n)
{
    TreeNodeRecord r;
    r.text = n->text;
    r.kind = n->kind;
    r.data = n->data;
    r.ownColours = n->ownColours;
    r.backColour = n->backColour;
    r.rowBackColour = n->rowBackColour;
    r.children.reserve(n->childCount());
    for (const auto &c : n->children)
        r.children.append(toRecord(c.get()));
    return r;
}

std::unique_ptr<ReportNode> ReportTree::fromRecord(const TreeNodeRecord &r) const
{
    auto n = makeNode(r.text, r.kind, r.data);
    n->ownColours = r.ownColours;
    n->backColour = r.backColour;
    n->rowBackColour = r.rowBackColour;
    n->children.reserve(size_t(r.children.size()));
    for (const TreeNodeRecord &c : r.children) {
        auto child = fromRecord(c);
        child->parent = n.get();
        child->row = n->childCount();
        n->children.push_back(std::move(child));
    }
    return n;
}

QVector<TreeNodeRecord> ReportTree::records() const
{
    QVector<TreeNodeRecord> out;
    for (const auto &n : m_top.children)
        out.append(toRecord(n.get()));
    return out;
}

void ReportTree::loadRecords(const QVector<TreeNodeRecord> &records)
{
    // Replacing the tree deletes no page: no nodeDeleted is emitted.
    beginResetModel();
    m_top.children.clear();
    for (const TreeNodeRecord &r : records) {
        auto n = fromRecord(r);
        n->parent = nullptr;
        n->row = m_top.childCount();
        m_top.children.push_back(std::move(n));
    }
    endResetModel();
}

QByteArray ReportTree::saveToStream() const
{
    return TreeJson::write(m_top);
}

void ReportTree::loadFromStream(const QByteArray &bytes)
{
    // The stream as this program writes it is read straight into nodes, in
    // one pass and one model reset; any other form goes through the general
    // reader, which also names what is damaged.
    if (auto top = TreeJson::read(bytes)) {
        beginResetModel();
        m_top.children = std::move(*top);
        endResetModel();
        return;
    }
    loadRecords(TreeStream::read(bytes));
}
