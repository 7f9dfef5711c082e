#pragma once

#include "store/PageContent.h"

#include <QList>
#include <functional>

class PageEditors;
class ReportTree;
class TDM;
struct ReportNode;

// The walk over the report's pages that export and global find share. It
// needs no window: the report tree is the store's model, and a node's page is
// loaded through the store into the editor registered for its kind. Editors
// that the store does not have yet are taken from a PageEditors (when one is
// given) and registered, so the same walk runs in the program and headless.
class PageWalk
{
public:
    explicit PageWalk(TDM &store, PageEditors *editors = nullptr);

    // Every node of the tree in display order, with its absolute index (the
    // first top-level node is 0), starting at index from; stops early when
    // visit returns false. The nodes are taken once before the first visit,
    // so nodes added meanwhile are not visited and indexes do not shift. The
    // walk never recurses, whatever the depth of the tree.
    using Visitor = std::function<bool(int absoluteIndex, ReportNode *node)>;
    void forEachNode(const Visitor &visit, int from = 0) const;
    // The nodes of the tree in display order (position = absolute index).
    QList<ReportNode *> nodes() const;

    // The editor that shows pages of this kind, registered with the store;
    // nullptr for kinds without editor.
    PageContent *editorFor(int kind);
    // The editor of the kind as its form class (nullptr when it is another).
    template <typename Form> Form *editorAs(int kind)
    {
        return dynamic_cast<Form *>(editorFor(kind));
    }

    // Loads the node's page into its editor. False when the node has no
    // page, its kind no editor, or the report no row for it; throws
    // TessaryError when the stored content cannot be read.
    bool loadPage(const ReportNode *node);

    TDM &store() const { return m_store; }

private:
    TDM &m_store;
    PageEditors *m_editors;
};
