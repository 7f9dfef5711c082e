#include "export/GlobalFind.h"

#include "export/DisplayOrder.h"
#include "export/DocumentFinder.h"
#include "export/TableSearch.h"
#include "export/TextMatch.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/grid/GridData.h"
#include "platform/grid/GridStream.h"
#include "store/PageKind.h"
#include "store/ReportTree.h"

#include <QCoreApplication>
#include <exception>

bool GlobalFindHost::storedPage(const ReportNode *, QByteArray *, QString *)
{
    return false;
}

GlobalFind::GlobalFind(GlobalFindHost &host, GlobalFindState &state, QWidget *dialogParent)
    : m_host(host), m_state(state), m_parent(dialogParent)
{
}

bool GlobalFind::isDocumentKind(int kind)
{
    return kind == PageKind::Document || kind == PageKind::HostDocument5 ||
           kind == PageKind::HostDocument6 || kind == PageKind::HostDocument7;
}

bool GlobalFind::FindBtnClick()
{
    m_visited = m_skipped = 0;
    m_host.setDocumentFindOptions(options.wholeWord, options.caseSensitive);
    m_state.SearchText = options.text;
    m_state.TableSearchOptions = (options.caseSensitive ? TableSearch::MatchCase : 0) |
                                 (options.wholeWord ? TableSearch::WholeWord : 0);
    m_state.CommentSearchOptions = (options.wholeWord ? 1 : 0) | (options.caseSensitive ? 2 : 0);

    ReportTree *tree = m_host.tree();
    const ReportNode *node = tree ? tree->selectedNode() : nullptr;
    Step step;
    if (m_state.InCommentSearch)
        step = Step::SearchComment;
    else
        step = pageStep(node, m_state.AfterTitleMatch);
    m_state.AfterTitleMatch = false;

    // The steps hand over to one another here, one at a time.
    for (;;) {
        switch (step) {
        case Step::SearchDocument:
            step = SearchDocument();
            break;
        case Step::SearchTable:
            step = SearchTable();
            break;
        case Step::SearchComment:
            step = SearchComment();
            break;
        case Step::FindNextNode:
            step = FindNextNode();
            break;
        case Step::Found:
            return true;
        case Step::NotFound:
            return false;
        }
    }
}

GlobalFind::Step GlobalFind::pageStep(const ReportNode *node, bool afterCaption) const
{
    if (!node)
        return Step::FindNextNode;
    if (options.documents && isDocumentKind(node->kind))
        return Step::SearchDocument;
    if (options.tables && node->kind == PageKind::Table)
        return Step::SearchTable;
    // After a match in its caption, a page that is neither searched as a
    // document nor as a table still has its comment searched.
    if (afterCaption && options.comments)
        return Step::SearchComment;
    return Step::FindNextNode;
}

GlobalFind::Step GlobalFind::SearchDocument()
{
    if (m_state.SearchFromStart) {
        m_host.documentGoToStart();
        m_state.SearchFromStart = false;
    }
    if (m_host.documentFindNext(m_state.SearchText))
        return Step::Found;
    if (options.comments) {
        m_state.SearchFromStart = true;
        return Step::SearchComment;
    }
    return Step::FindNextNode;
}

GlobalFind::Step GlobalFind::SearchTable()
{
    const QPoint cell = m_state.SearchFromStart
                            ? m_host.tableFindFirst(m_state.SearchText, m_state.TableSearchOptions)
                            : m_host.tableFindNext(m_state.SearchText, m_state.TableSearchOptions);
    if (cell.x() >= 0) {
        m_host.tableSetCurrentCell(cell.x(), cell.y());
        m_state.SearchFromStart = false;
        return Step::Found;
    }
    if (options.comments) {
        m_state.SearchFromStart = true;
        return Step::SearchComment;
    }
    return Step::FindNextNode;
}

GlobalFind::Step GlobalFind::SearchComment()
{
    m_state.InCommentSearch = true;
    const QString text = m_host.commentText();
    const int start =
        m_state.SearchFromStart ? 0 : m_host.commentSelStart() + m_host.commentSelLength();
    const int length = int(text.size()) - start;
    TextMatch::Options match;
    match.wholeWord = m_state.CommentSearchOptions & 1;
    match.matchCase = m_state.CommentSearchOptions & 2;
    const int at =
        length >= 0 ? TextMatch::find(text, m_state.SearchText, start, length, match) : -1;
    if (at >= 0) {
        m_host.commentSelect(at, int(m_state.SearchText.size()));
        m_state.SearchFromStart = false;
        return Step::Found;
    }
    m_state.InCommentSearch = false;
    return Step::FindNextNode;
}

GlobalFind::Step GlobalFind::FindNextNode()
{
    ReportTree *tree = m_host.tree();
    ReportNode *current = tree ? tree->selectedNode() : nullptr;
    ReportNode *const first = tree ? DisplayOrder::first(*tree) : nullptr;
    ReportNode *passed = nullptr; // the last node passed over without being shown
    while (tree) {
        ReportNode *node = nullptr;
        if (options.down) {
            node = current ? DisplayOrder::next(*tree, current) : first;
        } else {
            // Going up the walk stops at position 1: the root is never visited.
            node = current ? DisplayOrder::previous(*tree, current) : nullptr;
            if (node == first)
                node = nullptr;
        }
        if (!node)
            break;
        current = node;
        if (!showEveryPage && !mayHit(node)) {
            // Shown, this page would have been searched in vain and left at once.
            ++m_skipped;
            passed = node;
            m_state.SearchFromStart = true;
            continue;
        }
        passed = nullptr;
        ++m_visited;
        m_host.selectNode(node);
        if (options.titles && captionMatches(node)) {
            // A caption matches before the page it names.
            m_host.ShowNode();
            m_state.SearchFromStart = true;
            m_state.AfterTitleMatch = true;
            return Step::Found;
        }
        m_host.ShowNode();
        m_state.SearchFromStart = true;
        if (options.documents && isDocumentKind(node->kind))
            return Step::SearchDocument;
        if (options.tables && node->kind == PageKind::Table)
            return Step::SearchTable;
        if (options.comments)
            return Step::SearchComment;
    }
    // Out of nodes: the selection stays on the last node visited.
    if (passed)
        m_host.selectNode(passed);
    m_host.ShowNode();
    dialogs().message(m_parent, QCoreApplication::translate("TGlobalFindDlg", "Not found!"));
    return Step::NotFound;
}

bool GlobalFind::gridMayHold(const QByteArray &stored, const QString &text)
{
    // A cell's text stands in the stream as it is, apart from the escapes of
    // quotes, backslashes, slashes and control characters; a text without
    // those, in a stream without \u escapes, can only be in a cell if it is
    // in the stream.
    // A stream that is cut short is read (and reported by the editor) all the same.
    const QByteArray trimmed = stored.trimmed();
    if (!trimmed.startsWith('{') || !trimmed.endsWith('}') || stored.contains("\\u"))
        return true;
    for (const QChar c : text)
        if (c == u'"' || c == u'\\' || c == u'/' || c.unicode() < 0x20)
            return true;
    return QString::fromUtf8(stored).contains(text, Qt::CaseInsensitive);
}

bool GlobalFind::captionMatches(const ReportNode *node) const
{
    TextMatch::Options match;
    match.matchCase = options.caseSensitive;
    match.wholeWord = options.wholeWord;
    return TextMatch::find(node->text, m_state.SearchText, match) >= 0;
}

bool GlobalFind::mayHit(const ReportNode *node)
{
    if (options.titles && captionMatches(node))
        return true;
    const int kind = node->kind;
    const bool document = options.documents && isDocumentKind(kind);
    const bool table = options.tables && kind == PageKind::Table;
    // A folder's comment box stays empty.
    const bool comment = options.comments && kind != PageKind::Folder;
    if (!document && !table && !comment)
        return false;
    QByteArray content;
    QString commentText;
    if (!m_host.storedPage(node, &content, &commentText))
        return true;
    if (comment) {
        TextMatch::Options match;
        match.wholeWord = m_state.CommentSearchOptions & 1;
        match.matchCase = m_state.CommentSearchOptions & 2;
        if (TextMatch::find(commentText, m_state.SearchText, match) >= 0)
            return true;
    }
    if (document && DocumentFinder::storedMayHold(content, m_state.SearchText))
        return true;
    if (table && !gridMayHold(content, m_state.SearchText))
        return false;
    if (table) {
        GridData grid;
        try {
            GridStream::read(content, grid);
        } catch (const std::exception &) {
            return true; // the editor reports the damaged table when it is shown
        }
        if (TableSearch::findFirst(grid, m_state.SearchText, m_state.TableSearchOptions).x() >= 0)
            return true;
    }
    return false;
}
