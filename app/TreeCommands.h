#pragma once

#include <QObject>
#include <functional>

class ImportCommand;
class QAction;
class QMenu;
class ReportTree;
struct ReportNode;
class TNewNoteDlg;
class TTessaryM;
class TTreeView;

// The commands of the report tree: new page or folder, rename, delete with the
// rows of the subtree, colours, expand and collapse, moves and drag and drop.
// Every change is stored at once with the tree.
class TreeCommands : public QObject
{
    Q_OBJECT
public:
    explicit TreeCommands(TTessaryM *window);

    // Connects the toolbar, Items menu, pop-up menu and tree signals.
    void wire();

    void NodeNewClick();
    void NodeImportClick();
    void NodeDeleteClick();
    void NodeRenameClick();
    void NodeExpandClick();
    void NodeCollapseClick();
    void UpBtnClick();
    void DnBtnClick();
    void LeftBtnClick();
    void RightBtnClick();
    // Own colours on with the background 0x00BBGGRR; White turns them off.
    void setNodeColour(quint32 bgr);
    void WhiteClick();
    void CustomClick();
    // Stores the tree after a node was dropped in the tree.
    void dragFinished();

    TNewNoteDlg *newNoteDlg() const { return m_newNoteDlg; }
    ImportCommand *importCommand() const { return m_import; }
    QMenu *popupMenu() const { return PopupMenu1; }
    // Runs the "New Item" dialog; tests replace it to answer the dialog.
    std::function<bool(TNewNoteDlg &)> runNewNoteDlg;

    static constexpr quint32 Red = 0x0000FF;
    static constexpr quint32 Yellow = 0x00FFFF;
    static constexpr quint32 Green = 0x00FF00;
    static constexpr quint32 Blue = 0xFFFF00;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void afterMove();
    void updateItemsMenu();
    QAction *popupAction(const QString &name, const QString &text, void (TreeCommands::*slot)());
    void buildPopupMenu();
    // The report tree of the store (nullptr before the store exists).
    ReportTree *tree() const;
    ReportNode *selected() const;
    void storeTree(bool modified);

    TTessaryM *m_window;
    TTreeView
        *m_view; // the window's tree view, kept: the filter sees it while the window is destroyed
    TNewNoteDlg *m_newNoteDlg;
    ImportCommand *m_import;
    QMenu *PopupMenu1 = nullptr;
};
