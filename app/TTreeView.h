#pragma once

#include <QTreeView>

class ReportTree;
struct ReportNode;

// The main window's view of the report tree: shows the store's model with its
// selection, opens the nodes the model asks for, and moves nodes by drag and
// drop (onto a node: it becomes its last child; with Ctrl: it takes the
// node's place beside it). The drop indicator shows which of the two happens.
class TTreeView : public QTreeView
{
    Q_OBJECT
public:
    explicit TTreeView(QWidget *parent = nullptr);

    void setReportTree(ReportTree *tree);
    ReportTree *reportTree() const { return m_tree; }

    ReportNode *selectedNode() const;
    ReportNode *nodeAtPos(const QPoint &viewportPos) const;

signals:
    // A drag inside the tree ended with a drop that moved a node.
    void nodeDropped();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void openIndex(const QModelIndex &index);
    void setDropMark(ReportNode *target, bool beside);

    ReportTree *m_tree = nullptr;
    ReportNode *m_dragged = nullptr;
    ReportNode *m_dropTarget = nullptr;
    bool m_dropBeside = false;
};
