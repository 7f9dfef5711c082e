#include "app/TreeCommands.h"

#include "app/ImportCommand.h"
#include "app/MainActions.h"
#include "app/TNewNoteDlg.h"
#include "app/TTessaryM.h"
#include "app/TTreeView.h"
#include "platform/TessaryError.h"
#include "platform/dialogs/Dialogs.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportTree.h"
#include "store/TDM.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace {
quint32 toBgr(const QColor &c)
{
    return quint32(c.red() | c.green() << 8 | c.blue() << 16);
}
} // namespace

TreeCommands::TreeCommands(TTessaryM *window)
    : QObject(window), m_window(window), m_view(window->mainTree()),
      m_newNoteDlg(new TNewNoteDlg(window)), m_import(new ImportCommand(window))
{
    runNewNoteDlg = [](TNewNoteDlg &dlg) { return dlg.exec() == QDialog::Accepted; };
}

ReportTree *TreeCommands::tree() const
{
    TDM *dm = TDM::instance();
    return dm ? dm->tree() : nullptr;
}

ReportNode *TreeCommands::selected() const
{
    return tree() ? tree()->selectedNode() : nullptr;
}

void TreeCommands::storeTree(bool modified)
{
    TDM *dm = TDM::instance();
    if (!dm)
        return;
    if (modified)
        dm->MarkReportModified();
    try {
        dm->SaveTree();
    } catch (...) {
        // The change could not be stored (the host holds the report, the disk is
        // full): the tree shown goes back to the one in the file, then the
        // failure is reported.
        // The shown page stays shown, with its edits, under the node of its row.
        try {
            const ReportNode *shown = tree()->node(ShownItemIndex);
            const bool wasRoot = shown && shown->kind == PageKind::Root;
            const qint32 shownId = shown && PageKind::holdsPageId(shown->kind) ? shown->data : 0;
            dm->ReloadTree();
            ReportNode *again = wasRoot ? tree()->root() : tree()->findPage(shownId);
            ShownItemIndex = QPersistentModelIndex(tree()->indexOf(again));
        } catch (...) {
        }
        throw;
    }
}

void TreeCommands::wire()
{
    MainActions *a = m_window->actions();
    auto on = [this, a](const char *name, void (TreeCommands::*slot)()) {
        connect(a->action(name), &QAction::triggered, this,
                [this, slot] { m_window->guarded([this, slot] { (this->*slot)(); }); });
    };
    on("NodeNew", &TreeCommands::NodeNewClick);
    on("NewNodeBtn", &TreeCommands::NodeNewClick);
    on("NodeImport", &TreeCommands::NodeImportClick);
    on("ImportNode", &TreeCommands::NodeImportClick);
    on("NodeDelete", &TreeCommands::NodeDeleteClick);
    on("DeleteNodebtn", &TreeCommands::NodeDeleteClick);
    on("NodeRename", &TreeCommands::NodeRenameClick);
    on("NodeExpand", &TreeCommands::NodeExpandClick);
    on("NodeCollapse", &TreeCommands::NodeCollapseClick);
    on("UpBtn", &TreeCommands::UpBtnClick);
    on("Moveup1", &TreeCommands::UpBtnClick);
    on("DnBtn", &TreeCommands::DnBtnClick);
    on("Movedown1", &TreeCommands::DnBtnClick);
    on("LeftBtn", &TreeCommands::LeftBtnClick);
    on("Promote1", &TreeCommands::LeftBtnClick);
    on("RightBtn", &TreeCommands::RightBtnClick);
    on("Demote1", &TreeCommands::RightBtnClick);
    on("White1", &TreeCommands::WhiteClick);
    on("Custom1", &TreeCommands::CustomClick);
    const QList<QPair<const char *, quint32>> colours = {
        {"Red1", Red}, {"Yellow1", Yellow}, {"Green1", Green}, {"Blue1", Blue}};
    for (const auto &c : colours)
        connect(a->action(c.first), &QAction::triggered, this,
                [this, bgr = c.second] { m_window->guarded([this, bgr] { setNodeColour(bgr); }); });

    // The tree's keys act only while the tree has the focus, so that Delete and
    // the arrows keep their meaning in the editors and the comment box. The
    // menus show them; the tree's key handler below runs them.
    for (const char *name :
         {"NodeNew", "NodeDelete", "NodeRename", "Moveup1", "Movedown1", "Promote1", "Demote1"})
        a->action(name)->setShortcutContext(Qt::WidgetShortcut);
    m_view->installEventFilter(this);
    connect(a->menu("Nodes1"), &QMenu::aboutToShow, this, &TreeCommands::updateItemsMenu);
    connect(m_view, &TTreeView::nodeDropped, this,
            [this] { m_window->guarded([this] { dragFinished(); }); });
    buildPopupMenu();
}

QAction *TreeCommands::popupAction(const QString &name, const QString &text,
                                   void (TreeCommands::*slot)())
{
    QAction *act = PopupMenu1->addAction(text);
    act->setObjectName(name);
    if (slot)
        connect(act, &QAction::triggered, this,
                [this, slot] { m_window->guarded([this, slot] { (this->*slot)(); }); });
    return act;
}

void TreeCommands::buildPopupMenu()
{
    PopupMenu1 = new QMenu(m_window);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    popupAction(QStringLiteral("New2"), tr("New..."), &TreeCommands::NodeNewClick);
    popupAction(QStringLiteral("Importfiles1"), tr("Import files..."),
                &TreeCommands::NodeImportClick);
    QAction *del =
        popupAction(QStringLiteral("Delete3"), tr("Delete"), &TreeCommands::NodeDeleteClick);
    popupAction(QStringLiteral("Rename2"), tr("Rename..."), &TreeCommands::NodeRenameClick);
    QMenu *colours = PopupMenu1->addMenu(tr("Change color"));
    colours->setObjectName(QStringLiteral("Changecolor1"));
    auto colour = [this, colours](const char *name, const QString &text, quint32 bgr) {
        QAction *act = colours->addAction(text);
        act->setObjectName(QString::fromLatin1(name));
        connect(act, &QAction::triggered, this,
                [this, bgr] { m_window->guarded([this, bgr] { setNodeColour(bgr); }); });
    };
    QAction *white = colours->addAction(tr("White"));
    white->setObjectName(QStringLiteral("White2"));
    connect(white, &QAction::triggered, this,
            [this] { m_window->guarded([this] { WhiteClick(); }); });
    colour("Red2", tr("Red"), Red);
    colour("Yellow2", tr("Yellow"), Yellow);
    colour("Green2", tr("Green"), Green);
    colour("Blue2", tr("Blue"), Blue);
    QAction *custom = colours->addAction(tr("Custom..."));
    custom->setObjectName(QStringLiteral("Custom2"));
    connect(custom, &QAction::triggered, this,
            [this] { m_window->guarded([this] { CustomClick(); }); });
    popupAction(QStringLiteral("Expandall2"), tr("Expand all"), &TreeCommands::NodeExpandClick);
    popupAction(QStringLiteral("Collapseall1"), tr("Collapse all"),
                &TreeCommands::NodeCollapseClick);

    connect(PopupMenu1, &QMenu::aboutToShow, this, [this, del] {
        ReportNode *node = selected();
        del->setEnabled(node && node != tree()->root());
    });
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu1->popup(m_view->viewport()->mapToGlobal(pos)); });
}

bool TreeCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || watched != m_view)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const QKeySequence pressed(key->keyCombination());
    MainActions *a = m_window->actions();
    for (const char *name :
         {"NodeNew", "NodeDelete", "NodeRename", "Moveup1", "Movedown1", "Promote1", "Demote1"}) {
        QAction *act = a->action(name);
        if (act->shortcut() == pressed) {
            updateItemsMenu();
            if (act->isEnabled())
                act->trigger();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TreeCommands::updateItemsMenu()
{
    MainActions *a = m_window->actions();
    a->action("Moveup1")->setEnabled(a->action("UpBtn")->isEnabled());
    a->action("Movedown1")->setEnabled(a->action("DnBtn")->isEnabled());
    a->action("Promote1")->setEnabled(a->action("LeftBtn")->isEnabled());
    a->action("Demote1")->setEnabled(a->action("RightBtn")->isEnabled());
    ReportNode *node = selected();
    a->action("NodeDelete")->setEnabled(node && node != tree()->root());
}

// ---- New, rename, delete ---------------------------------------------------

void TreeCommands::NodeNewClick()
{
    TDM *dm = TDM::instance();
    if (!dm || !dm->isOpen())
        return;
    m_window->SaveModif();
    ReportTree *t = tree();
    if (!t->selectedNode())
        t->selectNode(t->root());
    ReportNode *current = t->selectedNode();
    if (!current)
        return;
    m_newNoteDlg->prepare(current == t->root());
    // The dialog runs events: a hand-over or an intake may replace or change
    // the tree meanwhile, so the node is found again afterwards.
    const QPersistentModelIndex at = t->indexOf(current);
    if (runNewNoteDlg(*m_newNoteDlg) && dm->isOpen() && at.isValid()) {
        current = t->node(at);
        const bool folder = m_newNoteDlg->folder();
        const QString title = m_newNoteDlg->title();
        const int kind = folder ? PageKind::Folder : PageKind::Document;
        const bool under = m_newNoteDlg->underCurrent() || current == t->root();
        if (!t->fitsUnder(current, under ? current : current->parent) && under)
            throw TessaryError(tr("No item can be added here: the tree would be more than %1 "
                                  "levels deep.")
                                   .arg(ReportTree::MaxLevel));
        dm->MarkReportModified();
        ReportNode *node = under ? t->addNode(current, title, kind, -1)
                                 : t->insertNodeAfter(current, title, kind, -1);
        // The page row exists before the node is shown, so that showing it
        // loads the new, empty page. A node whose row could not be made goes.
        if (!folder) {
            try {
                const qint32 id = dm->AddRecord(PageKind::Document, title);
                if (id == -1)
                    throw TessaryError(tr("Cannot save data!"));
                t->setDataWord(node, id);
            } catch (...) {
                t->deleteNode(node);
                throw;
            }
        }
        t->selectNode(node);
        m_view->setFocus();
    }
    dm->SaveTree();
}

void TreeCommands::NodeImportClick()
{
    m_import->NodeImportClick();
}

void TreeCommands::NodeRenameClick()
{
    TDM *dm = TDM::instance();
    ReportNode *node = selected();
    if (!dm || !node)
        return;
    m_window->SaveModif();
    const QPersistentModelIndex at = tree()->indexOf(node);
    const std::optional<QString> title =
        dialogs().inputText(m_window, tr("Edit title"), tr("Type the new title"), node->text);
    if (!title || !at.isValid())
        return;
    tree()->setText(tree()->node(at), *title);
    storeTree(true);
}

void TreeCommands::NodeDeleteClick()
{
    TDM *dm = TDM::instance();
    ReportNode *node = selected();
    if (!dm || !node || node == tree()->root())
        return;
    const QPersistentModelIndex at = tree()->indexOf(node);
    if (!dialogs().confirm(m_window, tr("Are you sure you want to delete item: ") + node->text))
        return;
    // The confirmation ran events: the node may be gone by now.
    if (!at.isValid())
        return;
    CommentModified = false;
    PageModified = false;
    ShownItemIndex = QPersistentModelIndex();
    dm->DeleteNode(tree()->node(at));
    m_window->ShowNode();
}

void TreeCommands::NodeExpandClick()
{
    m_view->expandAll();
}

void TreeCommands::NodeCollapseClick()
{
    m_view->collapseAll();
}

// ---- Colours ---------------------------------------------------------------

void TreeCommands::setNodeColour(quint32 bgr)
{
    ReportNode *node = selected();
    if (!node)
        return;
    tree()->setNodeColours(node, bgr, toBgr(m_view->palette().color(QPalette::Window)));
    storeTree(true);
}

void TreeCommands::WhiteClick()
{
    ReportNode *node = selected();
    if (!node)
        return;
    tree()->clearNodeColours(node);
    storeTree(true);
}

void TreeCommands::CustomClick()
{
    ReportNode *node = selected();
    if (!node)
        return;
    const QPersistentModelIndex at = tree()->indexOf(node);
    const quint32 current = node->backColour;
    const QColor initial =
        current == NoColour
            ? QColor(Qt::white)
            : QColor(int(current & 0xFF), int(current >> 8 & 0xFF), int(current >> 16 & 0xFF));
    if (const std::optional<QColor> c = dialogs().chooseColor(m_window, initial)) {
        if (at.isValid() && tree()->node(at) == selected())
            setNodeColour(toBgr(*c));
    }
}

// ---- Moves -----------------------------------------------------------------

void TreeCommands::afterMove()
{
    storeTree(true);
    m_window->CheckButtons();
}

void TreeCommands::UpBtnClick()
{
    ReportNode *node = selected();
    if (!node || !node->parent || node->row < 1)
        return;
    tree()->moveNode(node, node->parent, node->row - 1);
    afterMove();
}

void TreeCommands::DnBtnClick()
{
    ReportNode *node = selected();
    if (!node || !node->parent || node->row + 1 >= node->parent->childCount())
        return;
    tree()->moveNode(node, node->parent, node->row + 1);
    afterMove();
}

void TreeCommands::LeftBtnClick()
{
    ReportNode *node = selected();
    if (!node || ReportTree::level(node) <= 1)
        return;
    ReportNode *parent = node->parent;
    tree()->moveNode(node, parent->parent, parent->row + 1);
    afterMove();
}

void TreeCommands::RightBtnClick()
{
    ReportNode *node = selected();
    if (!node || !node->parent || node->row < 1)
        return;
    ReportNode *previous = node->parent->child(node->row - 1);
    tree()->moveNode(node, previous, previous->childCount());
    emit tree()->expandRequested(tree()->indexOf(previous));
    afterMove();
}

void TreeCommands::dragFinished()
{
    afterMove();
}
