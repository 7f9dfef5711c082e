#include "app/TTessaryM.h"

#include "app/MainActions.h"
#include "export/PageEditors.h"
#include "platform/dialogs/Dialogs.h"
#include "store/PageContent.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportTree.h"
#include "store/TDM.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStackedLayout>
#include <QToolBar>
#include <QToolButton>

namespace {
bool isDocumentKind(int k)
{
    return k == PageKind::Document || k == PageKind::HostDocument5 ||
           k == PageKind::HostDocument6 || k == PageKind::HostDocument7;
}
} // namespace

// ---- Page display ----------------------------------------------------------

void TTessaryM::ShowNode()
{
    ReportTree *tree = store() ? store()->tree() : nullptr;
    SaveModif();
    ReportNode *node = tree ? tree->selectedNode() : nullptr;
    int kind = node ? node->kind : -1;
    ShowEditorNo(kind);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // A tick of the intake timer or a hand-over may have changed the tree
    // meanwhile: take the selection and its kind afresh.
    node = tree ? tree->selectedNode() : nullptr;
    if ((node ? node->kind : -1) != kind) {
        kind = node ? node->kind : -1;
        ShowEditorNo(kind);
    }
    if (node) {
        // A page its editor cannot read is reported and shown empty; the
        // comment and the rest of the report stay usable.
        try {
            store()->loadPage(kind, node->data);
        } catch (const std::exception &e) {
            if (PageContent *content = m_editorContents.value(int(editorSlotForKind(kind))))
                content->clearContent();
            showStandardError(e, this);
        }
        node = tree->selectedNode(); // the error box ran events too
    }

    Comment->clear();
    if (node && node->kind != PageKind::Folder) {
        Comment->setEnabled(true);
        // The report root keeps its comment in the outline row (id 0).
        try {
            store()->GetComment(node->kind == PageKind::Root ? 0 : node->data);
        } catch (const std::exception &e) {
            showStandardError(e, this);
        }
    } else {
        Comment->setEnabled(false);
    }
    PageModified = false;
    CommentModified = false;
    ShownItemIndex = node ? QPersistentModelIndex(tree->indexOf(node)) : QPersistentModelIndex();
    CheckButtons();
}

void TTessaryM::ShowEditorNo(int kind)
{
    const bool doc = isDocumentKind(kind);
    const bool findable = doc || kind == PageKind::Table;
    m_actions->action("Find1")->setEnabled(findable);
    m_actions->action("Replace1")->setEnabled(findable);

    const EditorSlot slot = editorSlotForKind(kind);
    // Diagram and timeline forms are made when a page of theirs is first shown.
    if (m_pageEditors && !m_editorForms.contains(int(slot)) && PageEditors::hasEditor(slot)) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_pageEditors->editor(slot);
        QApplication::restoreOverrideCursor();
    }
    bool shown = false;
    for (auto it = m_editorForms.cbegin(); it != m_editorForms.cend(); ++it) {
        const bool visible = it.key() == int(slot);
        if (visible)
            static_cast<QStackedLayout *>(TopRightPanel->layout())->setCurrentWidget(it.value());
        shown = shown || visible;
    }
    if (!shown)
        static_cast<QStackedLayout *>(TopRightPanel->layout())->setCurrentWidget(m_emptyPane);
    if (!shown) {
        QString line;
        if (kind == PageKind::Root)
            line = tr("This is the report itself. Select a page in the tree to show it here.");
        else if (kind == PageKind::Folder)
            line = tr("A folder holds pages; select one of them to show it here.");
        else if (kind >= 0)
            line = tr("Pages of this kind cannot be shown: there is no editor for them.");
        m_emptyPaneText->setText(line);
    }

    m_actions->toolBar("WPBar")->setVisible(doc);
    m_actions->menu("DocMenu")->menuAction()->setVisible(doc);
    m_actions->toolBar("GridBar")->setVisible(kind == PageKind::Table);
    m_actions->menu("TableMenu")->menuAction()->setVisible(kind == PageKind::Table);
    m_actions->toolBar("ChartBar")->setVisible(kind == PageKind::Chart);
    m_actions->menu("ChartMenu")->menuAction()->setVisible(kind == PageKind::Chart);
    m_actions->toolBar("CloudBar")->setVisible(kind == PageKind::WordCloud);
    m_actions->toolBar("ImageBar")->setVisible(kind == PageKind::Picture);
    m_actions->toolBar("DiagramBar")->setVisible(kind == PageKind::Diagram);

    if (doc) {
        if (QWidget *form = editorForm(EditorSlot::Document))
            form->setFocus();
    }
    if (kind != PageKind::Chart) {
        if (PageContent *picture = store() ? store()->editor(EditorSlot::Picture) : nullptr)
            picture->clearContent();
    }
}

void TTessaryM::SaveModif()
{
    // The page being left is stored into the row of the node that showed it,
    // found by identity: nodes added or moved since cannot redirect it.
    ReportTree *tree = store() ? store()->tree() : nullptr;
    ReportNode *node = tree && ShownItemIndex.isValid() ? tree->node(ShownItemIndex) : nullptr;
    if (node) {
        const int kind = node->kind;
        const qint32 id = node->data;
        if (PageModified) {
            store()->MarkReportModified();
            try {
                store()->savePage(kind, id);
            } catch (const std::exception &e) {
                const EditorSlot slot = editorSlotForKind(kind);
                if (slot == EditorSlot::Diagram || slot == EditorSlot::WordCloud)
                    showStandardError(e, this);
                else
                    dialogs().message(this, tr("Cannot save data!"), Dialogs::Icon::Error);
            }
        }
        if (CommentModified && kind != PageKind::Folder) {
            try {
                store()->SaveComment(kind == PageKind::Root ? 0 : id);
            } catch (const std::exception &e) {
                showStandardError(e, this);
            }
        }
    }
    PageModified = false;
    CommentModified = false;
}

void TTessaryM::CancelBtnClick()
{
    PageModified = false;
    ShowNode();
}

void TTessaryM::CheckButtons()
{
    ReportTree *tree = store() ? store()->tree() : nullptr;
    ReportNode *node = tree ? tree->selectedNode() : nullptr;
    const bool page = node && node != tree->root();
    const int sibling = page ? node->row : 0;
    const int siblings = page ? tree->siblingCountOf(node) : 0;
    const bool up = page && sibling >= 1;
    const bool down = page && sibling + 1 < siblings;
    const bool promote = page && ReportTree::level(node) > 1;
    const bool demote = page && sibling >= 1;
    const QList<QPair<const char *, bool>> states = {
        {"UpBtn", up},           {"Moveup1", up},       {"DnBtn", down},      {"Movedown1", down},
        {"LeftBtn", promote},    {"Promote1", promote}, {"RightBtn", demote}, {"Demote1", demote},
        {"DeleteNodebtn", page}, {"NodeDelete", page}};
    for (const auto &s : states)
        m_actions->action(s.first)->setEnabled(s.second);
    if (page)
        m_statusPanels[0]->setText(QStringLiteral("%1/%2").arg(sibling + 1).arg(siblings));
    else if (!node)
        m_statusPanels[0]->clear();
    RefreshToolButtons();
}

void TTessaryM::RefreshToolButtons()
{
    for (QToolBar *bar : m_actions->toolBars()) {
        for (QToolButton *button : bar->findChildren<QToolButton *>())
            button->setAutoRaise(button->isEnabled());
    }
}
