#include "app/TTreeView.h"

#include "store/ReportTree.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QPainter>

TTreeView::TTreeView(QWidget *parent) : QTreeView(parent)
{
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    // The view draws its own mark: Qt's indicator cannot say "into" versus "beside".
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::InternalMove);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
}

void TTreeView::setReportTree(ReportTree *tree)
{
    m_tree = tree;
    setModel(tree);
    setSelectionModel(tree->selection());
    connect(tree, &ReportTree::expandRequested, this, &TTreeView::openIndex);
    connect(tree, &ReportTree::expandAllRequested, this, &QTreeView::expandAll);
    connect(tree->selection(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    scrollTo(current);
            });
}

void TTreeView::openIndex(const QModelIndex &index)
{
    for (QModelIndex i = index; i.isValid(); i = i.parent())
        expand(i);
}

ReportNode *TTreeView::selectedNode() const
{
    return m_tree ? m_tree->selectedNode() : nullptr;
}

ReportNode *TTreeView::nodeAtPos(const QPoint &viewportPos) const
{
    return m_tree ? m_tree->node(indexAt(viewportPos)) : nullptr;
}

void TTreeView::startDrag(Qt::DropActions supportedActions)
{
    m_dragged = selectedNode();
    QTreeView::startDrag(supportedActions);
    m_dragged = nullptr;
    setDropMark(nullptr, false);
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
    ReportNode *target = nodeAtPos(event->position().toPoint());
    const bool beside = event->modifiers().testFlag(Qt::ControlModifier);
    if (event->source() == this && m_tree && m_tree->canDropOn(m_dragged, target)) {
        event->acceptProposedAction();
        setDropMark(target, beside && target->parent);
    } else {
        event->ignore();
        setDropMark(nullptr, false);
    }
}

void TTreeView::dragLeaveEvent(QDragLeaveEvent *event)
{
    setDropMark(nullptr, false);
    QTreeView::dragLeaveEvent(event);
}

void TTreeView::dropEvent(QDropEvent *event)
{
    ReportNode *target = nodeAtPos(event->position().toPoint());
    setDropMark(nullptr, false);
    const bool accepted = event->source() == this && m_tree && m_tree->canDropOn(m_dragged, target);
    // The move is done here; the view must not move or delete rows itself.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (accepted) {
        m_tree->dropNode(m_dragged, target, event->modifiers().testFlag(Qt::ControlModifier));
        emit nodeDropped();
    }
}

void TTreeView::setDropMark(ReportNode *target, bool beside)
{
    if (target == m_dropTarget && beside == m_dropBeside)
        return;
    m_dropTarget = target;
    m_dropBeside = beside;
    viewport()->update();
}

void TTreeView::paintEvent(QPaintEvent *event)
{
    QTreeView::paintEvent(event);
    if (!m_dropTarget || !m_tree)
        return;
    const QRect r = visualRect(m_tree->indexOf(m_dropTarget));
    if (!r.isValid())
        return;
    QPainter p(viewport());
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    if (m_dropBeside)
        p.drawLine(r.left(), r.top() + 1, viewport()->width(), r.top() + 1); // takes its place
    else
        p.drawRect(r.adjusted(1, 1, -1, -1)); // goes into it
}
