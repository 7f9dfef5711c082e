#include "export/DisplayOrder.h"

#include "store/ReportTree.h"

namespace {
// The sibling of node at offset (+1, -1), or nullptr; top-level nodes are
// siblings of one another.
ReportNode *sibling(const ReportTree &tree, const ReportNode *node, int offset)
{
    const int row = node->row + offset;
    if (row < 0)
        return nullptr;
    if (node->parent)
        return row < node->parent->childCount() ? node->parent->child(row) : nullptr;
    return row < tree.topLevelCount() ? tree.topLevel(row) : nullptr;
}
} // namespace

namespace DisplayOrder {

ReportNode *first(const ReportTree &tree)
{
    return tree.topLevelCount() ? tree.topLevel(0) : nullptr;
}

ReportNode *next(const ReportTree &tree, const ReportNode *node)
{
    if (!node)
        return nullptr;
    if (node->childCount())
        return node->child(0);
    for (const ReportNode *n = node; n; n = n->parent)
        if (ReportNode *s = sibling(tree, n, 1))
            return s;
    return nullptr;
}

ReportNode *previous(const ReportTree &tree, const ReportNode *node)
{
    if (!node)
        return nullptr;
    ReportNode *s = sibling(tree, node, -1);
    if (!s)
        return node->parent;
    while (s->childCount())
        s = s->child(s->childCount() - 1);
    return s;
}

} // namespace DisplayOrder
