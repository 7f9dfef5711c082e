#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>

class QWidget;
class ReportTree;
struct ReportNode;

// What global find keeps between presses of "Find Next" and between openings
// of its dialog.
struct GlobalFindState
{
    // The text of the last search.
    QString SearchText;
    // For the table search: 1 = match case, 2 = whole word.
    int TableSearchOptions = 0;
    // For the comment search: 1 = whole word, 2 = match case.
    int CommentSearchOptions = 0;
    // The next search inside the current page starts at its beginning.
    bool SearchFromStart = true;
    // The last match was in the comment of the current page.
    bool InCommentSearch = false;
    // The last match was the caption of the selected node: the next search
    // goes on with that node's page.
    bool AfterTitleMatch = false;
};

// What the user chose in the dialog.
struct GlobalFindOptions
{
    QString text;
    bool caseSensitive = false;
    bool wholeWord = false;
    bool down = true;
    bool documents = true;
    bool tables = false;
    bool comments = false;
    bool titles = false;
};

// What global find needs of the main window: the tree and its selection,
// showing the selected node's page, the document editor's finder, the table
// editor's grid search and the comment box. The window implements it over its
// editors; tests implement it with fakes.
class GlobalFindHost
{
public:
    virtual ~GlobalFindHost() = default;

    virtual ReportTree *tree() const = 0;
    // Selects node in the tree (the window shows it as on any change of selection).
    virtual void selectNode(ReportNode *node) = 0;
    // Stores the page being left and shows the selected one.
    virtual void ShowNode() = 0;

    // Document finder: options, moving to the start of the document, and the
    // next occurrence after the current position, selected when found.
    virtual void setDocumentFindOptions(bool wholeWord, bool matchCase) = 0;
    virtual void documentGoToStart() = 0;
    virtual bool documentFindNext(const QString &text) = 0;

    // Grid search (options as TableSearchOptions): (column, row), the column
    // negative when there is none; then making a cell the current one.
    virtual QPoint tableFindFirst(const QString &text, int options) = 0;
    virtual QPoint tableFindNext(const QString &text, int options) = 0;
    virtual void tableSetCurrentCell(int column, int row) = 0;

    // The comment box.
    virtual QString commentText() const = 0;
    virtual int commentSelStart() const = 0;
    virtual int commentSelLength() const = 0;
    virtual void commentSelect(int start, int length) = 0;

    // The stored content and comment of node's page, for passing over pages
    // that cannot hold the text without showing them. False when they cannot
    // be told (the page is then shown and searched).
    virtual bool storedPage(const ReportNode *node, QByteArray *content, QString *comment);
};

// One press of "Find Next" of the global search: searches the current page,
// then walks the report tree up or down from the selected node, page after
// page, until the next match, which is left selected in the editor that shows
// it; when the walk runs out of nodes it says "Not found!". The steps that
// search a page and the walk hand over to one another in a loop, never by
// nested calls, so a report of any size costs constant stack.
//
// Pages whose stored content and comment cannot hold the text are passed over
// without being selected or shown (unless showEveryPage is set): the search
// ends on the same node, with the same match and the same message, as when
// every page is shown on the way.
class GlobalFind
{
public:
    GlobalFind(GlobalFindHost &host, GlobalFindState &state, QWidget *dialogParent = nullptr);

    GlobalFindOptions options;
    bool showEveryPage = false;

    // One search step; true when it stopped at a match.
    bool FindBtnClick();

    // What the last step did: nodes visited (selected and shown) and passed over.
    int visitedNodes() const { return m_visited; }
    int skippedNodes() const { return m_skipped; }

    static bool isDocumentKind(int kind);
    // Whether a table page's stored grid may hold text in a cell, judged
    // without reading the grid: false only when no cell can hold it.
    static bool gridMayHold(const QByteArray &stored, const QString &text);

private:
    enum class Step
    {
        SearchDocument,
        SearchTable,
        SearchComment,
        FindNextNode,
        Found,
        NotFound
    };
    Step SearchDocument();
    Step SearchTable();
    Step SearchComment();
    Step FindNextNode();
    // What searching node's page (after its caption) starts with.
    Step pageStep(const ReportNode *node, bool afterCaption) const;
    bool captionMatches(const ReportNode *node) const;
    bool mayHit(const ReportNode *node);

    GlobalFindHost &m_host;
    GlobalFindState &m_state;
    QWidget *m_parent;
    int m_visited = 0;
    int m_skipped = 0;
};
