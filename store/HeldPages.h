#pragma once

#include "platform/db/DbEngine.h"

#include <QList>
#include <QString>

class ReportTree;
struct ReportNode;

// What an intake needs to know of the tree: the page ids its nodes hold, as
// ascending ranges of consecutive ids, and the node that receives new pages
// (the last node captioned with the group caption, in display order). Both
// are gathered in one walk of the tree and kept while the tree's revision is
// the one they were gathered at; an intake that places nodes adds them
// without walking the tree again. A large report holds hundreds of thousands
// of nodes, and a walk of them costs more than finding the new rows does.
class HeldPages
{
public:
    // Gathers the ids and the group again unless the tree is unchanged since
    // the last call (or the last placed()).
    void refresh(const ReportTree &tree, const QString &groupCaption);
    const QList<DbEngine::IdRange> &ranges() const { return m_ranges; }
    ReportNode *group() const { return m_group; }

    // Nodes were just added as the last children of group (and nothing else
    // changed since refresh()): their ids join the held ranges, a node among
    // them with the group caption becomes the group, and what is kept stays
    // valid for the tree as it is now.
    void placed(const ReportTree &tree, ReportNode *group, const QList<const ReportNode *> &nodes,
                const QString &groupCaption);
    // Forgets what was gathered (another tree, or a closed report).
    void clear();

private:
    void hold(qint64 id);

    QList<DbEngine::IdRange> m_ranges;
    ReportNode *m_group = nullptr;
    const ReportTree *m_tree = nullptr;
    quint64 m_revision = 0;
    bool m_valid = false;
    size_t m_sizeHint = 0;
};
