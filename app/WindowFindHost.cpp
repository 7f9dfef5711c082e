#include "app/WindowFindHost.h"

#include "app/TTessaryM.h"
#include "editors/document/TWPEditor.h"
#include "editors/table/TGridEditor.h"
#include "export/StoredPages.h"
#include "export/TableSearch.h"
#include "platform/grid/GridControl.h"
#include "platform/wordproc/view/WPView.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportTree.h"
#include "store/TDM.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace {
WPView *documentView(const TTessaryM &window)
{
    auto *editor = qobject_cast<TWPEditor *>(window.editorForm(EditorSlot::Document));
    return editor ? editor->view() : nullptr;
}

GridControl *tableGrid(const TTessaryM &window)
{
    auto *editor = qobject_cast<TGridEditor *>(window.editorForm(EditorSlot::Table));
    return editor ? editor->GridView : nullptr;
}
} // namespace

WindowFindHost::WindowFindHost(TTessaryM &window) : m_window(window) {}

WindowFindHost::~WindowFindHost() = default;

ReportTree *WindowFindHost::tree() const
{
    return TDM::instance() ? TDM::instance()->tree() : nullptr;
}

void WindowFindHost::selectNode(ReportNode *node)
{
    ReportTree *t = tree();
    if (!t)
        return;
    t->selectNode(node);
    m_shownBySelection = node && t->node(ShownItemIndex) == node;
}

void WindowFindHost::ShowNode()
{
    // The window already showed the node when it was selected.
    if (m_shownBySelection) {
        m_shownBySelection = false;
        return;
    }
    m_window.ShowNode();
}

void WindowFindHost::setDocumentFindOptions(bool wholeWord, bool matchCase)
{
    m_finder.wholeWord = wholeWord;
    m_finder.matchCase = matchCase;
}

void WindowFindHost::documentGoToStart()
{
    if (WPView *view = documentView(m_window))
        view->moveCursor(QTextCursor::Start);
}

bool WindowFindHost::documentFindNext(const QString &text)
{
    WPView *view = documentView(m_window);
    if (!view)
        return false;
    const QTextCursor found = m_finder.findNext(view->document(), view->textCursor(), text);
    if (found.isNull())
        return false;
    view->setTextCursor(found);
    view->ensureCursorVisible();
    return true;
}

QPoint WindowFindHost::tableFindFirst(const QString &text, int options)
{
    GridControl *grid = tableGrid(m_window);
    m_lastCell = grid ? TableSearch::findFirst(grid->grid(), text, options) : QPoint(-1, -1);
    return m_lastCell;
}

QPoint WindowFindHost::tableFindNext(const QString &text, int options)
{
    GridControl *grid = tableGrid(m_window);
    m_lastCell =
        grid ? TableSearch::findNext(grid->grid(), text, options, m_lastCell) : QPoint(-1, -1);
    return m_lastCell;
}

void WindowFindHost::tableSetCurrentCell(int column, int row)
{
    if (GridControl *grid = tableGrid(m_window)) {
        grid->setCurrentCell(row, column);
        grid->scrollTo(grid->currentIndex());
    }
}

QString WindowFindHost::commentText() const
{
    return m_window.commentBox()->toPlainText();
}

int WindowFindHost::commentSelStart() const
{
    return m_window.commentBox()->textCursor().selectionStart();
}

int WindowFindHost::commentSelLength() const
{
    const QTextCursor c = m_window.commentBox()->textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void WindowFindHost::commentSelect(int start, int length)
{
    QPlainTextEdit *box = m_window.commentBox();
    QTextCursor c(box->document());
    c.setPosition(start);
    c.setPosition(start + length, QTextCursor::KeepAnchor);
    box->setTextCursor(c);
    box->ensureCursorVisible();
}

bool WindowFindHost::storedPage(const ReportNode *node, QByteArray *content, QString *comment)
{
    TDM *store = TDM::instance();
    if (!store || !store->isOpen())
        return false;
    if (node->kind == PageKind::Folder) {
        content->clear();
        comment->clear();
        return true;
    }
    // One reader per report file; the report cannot change while the dialog is open.
    if (!m_pages || m_pagesFile != store->databaseFileName()) {
        m_pages = std::make_unique<StoredPages>(*store);
        m_pagesFile = store->databaseFileName();
    }
    // The report root keeps its comment in the outline row (id 0).
    return m_pages->read(node->kind == PageKind::Root ? 0 : node->data, content, comment);
}
