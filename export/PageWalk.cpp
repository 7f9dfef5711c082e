#include "export/PageWalk.h"

#include "export/PageEditors.h"
#include "store/PageKind.h"
#include "store/ReportTree.h"
#include "store/TDM.h"

PageWalk::PageWalk(TDM &store, PageEditors *editors) : m_store(store), m_editors(editors) {}

QList<ReportNode *> PageWalk::nodes() const
{
    return m_store.tree() ? m_store.tree()->nodesInOrder() : QList<ReportNode *>();
}

void PageWalk::forEachNode(const Visitor &visit, int from) const
{
    const QList<ReportNode *> all = nodes();
    for (int i = qMax(0, from); i < all.size(); ++i)
        if (!visit(i, all.at(i)))
            return;
}

PageContent *PageWalk::editorFor(int kind)
{
    const EditorSlot slot = editorSlotForKind(kind);
    if (slot == EditorSlot::None)
        return nullptr;
    if (PageContent *registered = m_store.editor(slot))
        return registered;
    if (!m_editors || !PageEditors::hasEditor(slot))
        return nullptr;
    // Making the editor may register it already (the main window docks and
    // registers every editor it is told of).
    PageContent *made = m_editors->content(slot);
    if (made && !m_store.editor(slot))
        m_store.registerEditor(slot, made);
    return m_store.editor(slot);
}

bool PageWalk::loadPage(const ReportNode *node)
{
    if (!node || !PageKind::holdsPageId(node->kind) || !editorFor(node->kind))
        return false;
    return m_store.loadPage(node->kind, node->data);
}
