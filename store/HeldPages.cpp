#include "store/HeldPages.h"

#include "store/PageKind.h"
#include "store/ReportTree.h"

#include <algorithm>
#include <vector>

void HeldPages::clear()
{
    m_ranges.clear();
    m_group = nullptr;
    m_tree = nullptr;
    m_valid = false;
}

void HeldPages::refresh(const ReportTree &tree, const QString &groupCaption)
{
    if (m_valid && m_tree == &tree && m_revision == tree.revision())
        return;
    // One walk without a hash set: page ids mostly come in ascending order,
    // so the sort has little to do.
    std::vector<qint64> held;
    held.reserve(m_sizeHint);
    ReportNode *group = nullptr;
    tree.forEachNode([&](ReportNode *node) {
        if (PageKind::holdsPageId(node->kind))
            held.push_back(node->data);
        if (node->text == groupCaption)
            group = node; // the last one wins
    });
    m_sizeHint = held.size();
    if (!std::is_sorted(held.begin(), held.end()))
        std::sort(held.begin(), held.end());
    m_ranges.clear();
    for (const qint64 id : held) {
        if (!m_ranges.isEmpty() && m_ranges.last().last + 1 >= id)
            m_ranges.last().last = qMax(m_ranges.last().last, id);
        else
            m_ranges.append({id, id});
    }
    m_group = group;
    m_tree = &tree;
    m_revision = tree.revision();
    m_valid = true;
}

void HeldPages::hold(qint64 id)
{
    // The first range that ends at or after id - 1.
    auto it = std::lower_bound(m_ranges.begin(), m_ranges.end(), id - 1,
                               [](const DbEngine::IdRange &r, qint64 v) { return r.last < v; });
    if (it != m_ranges.end() && it->first <= id + 1) {
        it->first = qMin(it->first, id);
        it->last = qMax(it->last, id);
        // The range may now touch the next one.
        auto next = it + 1;
        if (next != m_ranges.end() && next->first <= it->last + 1) {
            it->last = qMax(it->last, next->last);
            m_ranges.erase(next);
        }
        return;
    }
    m_ranges.insert(it, {id, id});
}

void HeldPages::placed(const ReportTree &tree, ReportNode *group,
                       const QList<const ReportNode *> &nodes, const QString &groupCaption)
{
    if (!m_valid || m_tree != &tree) {
        refresh(tree, groupCaption);
        return;
    }
    for (const ReportNode *node : nodes) {
        if (PageKind::holdsPageId(node->kind))
            hold(node->data);
    }
    // The new nodes come after every node of the group's subtree and before
    // anything that follows it, where no node has the caption (the group was
    // the last one); so the last of them with the caption is the group now.
    m_group = group;
    for (const ReportNode *node : nodes) {
        if (node->text == groupCaption)
            m_group = const_cast<ReportNode *>(node);
    }
    m_revision = tree.revision();
}
