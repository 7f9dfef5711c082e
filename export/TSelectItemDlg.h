#pragma once

#include <QDialog>
#include <vector>

class QPushButton;
class QStandardItem;
class QStandardItemModel;
class QTreeView;
class QWidget;
class ReportTree;

// "Select Items": a copy of the report tree with a tick box on every node, in
// which the user picks the pages an export writes. Ticking a node ticks its
// whole subtree; the caption counts the ticked pages and OK needs at least one.
// The exporters match the two trees by absolute index (isTicked).
class TSelectItemDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TSelectItemDlg(QWidget *parent = nullptr);
    ~TSelectItemDlg() override;

    // The report tree the dialog copies at its next refresh.
    void setReportTree(ReportTree *tree) { m_source = tree; }

    // Asks the dialog to copy the report tree again at its next activation.
    bool RefreshSelection = false;
    // On activation: when RefreshSelection is set, copies the report tree,
    // ticks every node, sizes the dialog to the tree and refreshes the count;
    // then clears RefreshSelection. Without the flag nothing changes.
    void FormActivate();

    // Ticked nodes from absolute index 1 on (not the root) that are not folders.
    int SelectedCount() const;
    // Whether the node at this absolute index is ticked (false out of range).
    bool isTicked(int absoluteIndex) const;
    // Ticks or unticks a node as the user's click does (with its subtree).
    void setTicked(int absoluteIndex, bool ticked);
    int nodeCount() const { return int(m_items.size()); }

    // OK enabled when SelectedCount is 1 or more; the caption shows the count.
    void CheckButtons();
    // A tick box changed: the node's subtree follows it, then the count.
    void MainTreeItemChecked(QStandardItem *item);

    QTreeView *MainTree = nullptr;
    QPushButton *OkBtn = nullptr;
    QPushButton *CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void copyTree();
    void fitHeight();
    void placeControls();
    int lineHeight() const;

    ReportTree *m_source = nullptr;
    QStandardItemModel *m_model = nullptr;
    QWidget *m_bottomPanel = nullptr;
    std::vector<QStandardItem *> m_items; // by absolute index
    std::vector<int> m_kinds;             // by absolute index
    bool m_propagating = false;
};
