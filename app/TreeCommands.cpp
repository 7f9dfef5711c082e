#include "app/TreeCommands.h"

#include "app/MainActions.h"
#include "app/TNewNoteDlg.h"
#include "app/TTessaryM.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/treeview/TTreeView.h"
#include "store/PageKind.h"
#include "store/PageState.h"
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
    : QObject(window), m_window(window), m_tree(window->mainTree()),
      m_newNoteDlg(new TNewNoteDlg(window))
{
    runNewNoteDlg = [](TNewNoteDlg &dlg) { return dlg.exec() == QDialog::Accepted; };
}

TTreeView *TreeCommands::tree() const
{
    return m_tree;
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
    tree()->installEventFilter(this);
    connect(a->menu("Nodes1"), &QMenu::aboutToShow, this, &TreeCommands::updateItemsMenu);
    connect(tree(), &TTreeView::dragFinished, this,
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
    popupAction(QStringLiteral("Importfiles1"), tr("Import files..."), nullptr)->setEnabled(false);
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
    popupAction(QStringLiteral("Collapseall1"), tr("Colapse all"),
                &TreeCommands::NodeCollapseClick);

    connect(PopupMenu1, &QMenu::aboutToShow, this, [this, del] {
        QTreeWidgetItem *node = tree()->selectedNode();
        del->setEnabled(node && tree()->absoluteIndex(node) > 0);
    });
    tree()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu1->popup(tree()->viewport()->mapToGlobal(pos)); });
}

bool TreeCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || watched != m_tree)
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
    QTreeWidgetItem *node = tree()->selectedNode();
    a->action("NodeDelete")->setEnabled(node && tree()->absoluteIndex(node) > 0);
}

// ---- New, rename, delete ---------------------------------------------------

void TreeCommands::NodeNewClick()
{
    TDM *dm = TDM::instance();
    if (!dm || !dm->isOpen())
        return;
    m_window->SaveModif();
    TTreeView *t = tree();
    if (!t->selectedNode())
        t->selectNode(t->nodeAt(0));
    QTreeWidgetItem *current = t->selectedNode();
    if (!current)
        return;
    m_newNoteDlg->prepare(t->absoluteIndex(current) == 0);
    if (runNewNoteDlg(*m_newNoteDlg) && TDM::instance()->isOpen()) {
        dm->MarkReportModified();
        const bool folder = m_newNoteDlg->folder();
        const QString title = m_newNoteDlg->title();
        const int kind = folder ? PageKind::Folder : PageKind::Document;
        QTreeWidgetItem *node = m_newNoteDlg->underCurrent()
                                    ? t->addNode(current, title, kind, -1)
                                    : t->insertNodeAfter(current, title, kind, -1);
        // The page row exists before the node is shown, so that showing it
        // loads the new, empty page.
        if (!folder)
            TTreeView::setDataWord(node, dm->AddRecord(PageKind::Document, title));
        t->selectNode(node);
        t->setFocus();
    }
    dm->SaveTree();
}

void TreeCommands::NodeRenameClick()
{
    TDM *dm = TDM::instance();
    QTreeWidgetItem *node = tree()->selectedNode();
    if (!dm || !node)
        return;
    m_window->SaveModif();
    const std::optional<QString> title =
        dialogs().inputText(m_window, tr("Edit title"), tr("Type the new title"), node->text(0));
    if (!title)
        return;
    node->setText(0, *title);
    dm->MarkReportModified();
    dm->SaveTree();
}

void TreeCommands::NodeDeleteClick()
{
    TDM *dm = TDM::instance();
    TTreeView *t = tree();
    QTreeWidgetItem *node = t->selectedNode();
    if (!dm || !node || t->absoluteIndex(node) == 0)
        return;
    if (!dialogs().confirm(m_window, tr("Are you sure you want to delete item: ") + node->text(0)))
        return;
    CommentModified = false;
    PageModified = false;
    t->deleteNode(node);
    ShownItemIndex = -1;
    dm->SaveTree();
    m_window->ShowNode();
}

void TreeCommands::NodeExpandClick()
{
    tree()->expandAll();
}

void TreeCommands::NodeCollapseClick()
{
    tree()->collapseAll();
}

// ---- Colours ---------------------------------------------------------------

void TreeCommands::setNodeColour(quint32 bgr)
{
    QTreeWidgetItem *node = tree()->selectedNode();
    TDM *dm = TDM::instance();
    if (!node || !dm)
        return;
    TTreeView::setNodeColours(node, bgr, toBgr(tree()->palette().color(QPalette::Window)));
    dm->MarkReportModified();
    dm->SaveTree();
}

void TreeCommands::WhiteClick()
{
    QTreeWidgetItem *node = tree()->selectedNode();
    TDM *dm = TDM::instance();
    if (!node || !dm)
        return;
    TTreeView::clearNodeColours(node);
    dm->MarkReportModified();
    dm->SaveTree();
}

void TreeCommands::CustomClick()
{
    QTreeWidgetItem *node = tree()->selectedNode();
    if (!node)
        return;
    const quint32 current = TTreeView::backColour(node);
    const QColor initial =
        current == NoColour
            ? QColor(Qt::white)
            : QColor(int(current & 0xFF), int(current >> 8 & 0xFF), int(current >> 16 & 0xFF));
    if (const std::optional<QColor> c = dialogs().chooseColor(m_window, initial))
        setNodeColour(toBgr(*c));
}

// ---- Moves -----------------------------------------------------------------

void TreeCommands::afterMove()
{
    TTreeView *t = tree();
    ShownItemIndex = t->absoluteIndex(t->selectedNode());
    if (TDM *dm = TDM::instance()) {
        dm->MarkReportModified();
        dm->SaveTree();
    }
    m_window->CheckButtons();
}

void TreeCommands::UpBtnClick()
{
    TTreeView *t = tree();
    QTreeWidgetItem *node = t->selectedNode();
    if (!node || !node->parent() || t->siblingIndex(node) < 1)
        return;
    t->moveNode(node, node->parent(), t->siblingIndex(node) - 1);
    afterMove();
}

void TreeCommands::DnBtnClick()
{
    TTreeView *t = tree();
    QTreeWidgetItem *node = t->selectedNode();
    if (!node || !node->parent() || t->siblingIndex(node) + 1 >= t->siblingCount(node))
        return;
    t->moveNode(node, node->parent(), t->siblingIndex(node) + 1);
    afterMove();
}

void TreeCommands::LeftBtnClick()
{
    TTreeView *t = tree();
    QTreeWidgetItem *node = t->selectedNode();
    if (!node || TTreeView::level(node) <= 1)
        return;
    QTreeWidgetItem *parent = node->parent();
    QTreeWidgetItem *grand = parent->parent();
    t->moveNode(node, grand, grand->indexOfChild(parent) + 1);
    afterMove();
}

void TreeCommands::RightBtnClick()
{
    TTreeView *t = tree();
    QTreeWidgetItem *node = t->selectedNode();
    if (!node || !node->parent() || t->siblingIndex(node) < 1)
        return;
    QTreeWidgetItem *previous = node->parent()->child(t->siblingIndex(node) - 1);
    t->moveNode(node, previous, previous->childCount());
    previous->setExpanded(true);
    afterMove();
}

void TreeCommands::dragFinished()
{
    TTreeView *t = tree();
    ShownItemIndex = t->absoluteIndex(t->selectedNode());
    if (TDM *dm = TDM::instance())
        dm->SaveTree();
}
