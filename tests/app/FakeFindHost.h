#pragma once

#include "export/DocumentFinder.h"
#include "export/GlobalFind.h"
#include "export/TableSearch.h"
#include "platform/grid/GridData.h"
#include "platform/grid/GridStream.h"
#include "store/PageKind.h"
#include "store/ReportTree.h"

#include <QHash>
#include <QStringList>
#include <QTextDocument>

// A page of the fake window: document text (plain), table cells (row by row,
// the first row fixed) and comment.
struct FakePage
{
    QString text;
    QVector<QStringList> cells;
    QString comment;
};

// The main window as global find sees it, in memory: a real ReportTree, a
// document shown in a QTextDocument searched by the real DocumentFinder, a grid
// searched by TableSearch and a comment text with a selection. Every call that
// shows or searches a page is logged ("select X", "show X", "doc X", "table X",
// "comment X", X the node's caption) unless logging is off.
class FakeFindHost : public GlobalFindHost
{
public:
    ReportTree model;
    QHash<const ReportNode *, FakePage> pages;
    QStringList log;
    bool logging = true;
    bool storedKnown = true;
    int shows = 0;
    const ReportNode *shown = nullptr;

    QTextDocument doc;
    QTextCursor docCursor{&doc};
    DocumentFinder finder;
    GridData grid;
    QPoint lastCell{-1, -1};
    QPoint currentCell{-1, -1};
    QString comment;
    int selStart = 0;
    int selLength = 0;

    ReportNode *add(ReportNode *parent, const QString &caption, int kind, const FakePage &page = {})
    {
        ReportNode *n = model.addNode(parent, caption, kind, kind == PageKind::Folder ? -1 : 1);
        if (!page.text.isEmpty() || !page.cells.isEmpty() || !page.comment.isEmpty())
            pages.insert(n, page);
        return n;
    }
    QString name() const { return shown ? shown->text : QStringLiteral("-"); }
    void note(const QString &what)
    {
        if (logging)
            log << what;
    }
    static void fillGrid(GridData &g, const QVector<QStringList> &cells)
    {
        int columns = 1;
        for (const QStringList &row : cells)
            columns = qMax(columns, int(row.size()));
        g.reset(qMax(1, int(cells.size())), columns);
        g.setFixedRows(cells.isEmpty() ? 0 : 1);
        for (int r = 0; r < cells.size(); ++r)
            for (int c = 0; c < cells[r].size(); ++c)
                g.setText(r, c, cells[r][c]);
    }

    ReportTree *tree() const override { return const_cast<ReportTree *>(&model); }
    void selectNode(ReportNode *node) override
    {
        model.selectNode(node);
        note(QStringLiteral("select ") + node->text);
    }
    void ShowNode() override
    {
        ++shows;
        shown = model.selectedNode();
        const FakePage page = pages.value(shown);
        doc.setPlainText(page.text);
        docCursor = QTextCursor(&doc);
        fillGrid(grid, page.cells);
        lastCell = currentCell = QPoint(-1, -1);
        // A folder's comment box stays empty, as in the window.
        comment = shown && shown->kind == PageKind::Folder ? QString() : page.comment;
        selStart = selLength = 0;
        note(QStringLiteral("show ") + name());
    }
    void setDocumentFindOptions(bool wholeWord, bool matchCase) override
    {
        finder.wholeWord = wholeWord;
        finder.matchCase = matchCase;
    }
    void documentGoToStart() override { docCursor.movePosition(QTextCursor::Start); }
    bool documentFindNext(const QString &text) override
    {
        note(QStringLiteral("doc ") + name());
        const QTextCursor c = finder.findNext(&doc, docCursor, text);
        if (c.isNull())
            return false;
        docCursor = c;
        return true;
    }
    QPoint tableFindFirst(const QString &text, int options) override
    {
        note(QStringLiteral("table ") + name());
        return lastCell = TableSearch::findFirst(grid, text, options);
    }
    QPoint tableFindNext(const QString &text, int options) override
    {
        note(QStringLiteral("table ") + name());
        return lastCell = TableSearch::findNext(grid, text, options, lastCell);
    }
    void tableSetCurrentCell(int column, int row) override { currentCell = QPoint(column, row); }
    QString commentText() const override
    {
        const_cast<FakeFindHost *>(this)->note(QStringLiteral("comment ") + name());
        return comment;
    }
    int commentSelStart() const override { return selStart; }
    int commentSelLength() const override { return selLength; }
    void commentSelect(int start, int length) override
    {
        selStart = start;
        selLength = length;
    }
    bool storedPage(const ReportNode *node, QByteArray *content, QString *stored) override
    {
        if (!storedKnown)
            return false;
        const FakePage page = pages.value(node);
        if (node->kind == PageKind::Table) {
            GridData g;
            fillGrid(g, page.cells);
            *content = GridStream::write(g);
        } else {
            *content = page.text.toUtf8();
        }
        *stored = page.comment;
        return true;
    }

    // What the user sees after a step: the selected and shown node, the
    // document selection, the current cell and the comment selection.
    QString seen() const
    {
        const ReportNode *selected = model.selectedNode();
        return QStringLiteral("%1 shown=%2 doc=%3+%4 cell=%5,%6 comment=%7+%8")
            .arg(selected ? QString::number(model.absoluteIndex(selected)) : QStringLiteral("-"))
            .arg(shown ? QString::number(model.absoluteIndex(shown)) : QStringLiteral("-"))
            .arg(docCursor.selectionStart())
            .arg(docCursor.selectionEnd() - docCursor.selectionStart())
            .arg(currentCell.x())
            .arg(currentCell.y())
            .arg(selStart)
            .arg(selLength);
    }
};
