#include "export/ReportSearch.h"

#include "export/DisplayOrder.h"
#include "export/DocumentFinder.h"
#include "export/TableSearch.h"
#include "export/TextMatch.h"
#include "platform/TessaryError.h"
#include "platform/grid/GridData.h"
#include "platform/grid/GridStream.h"
#include "platform/wordproc/DocumentForm.h"
#include "store/PageKind.h"
#include "store/ReportTree.h"

#include <QTextBlock>
#include <QTextDocument>
#include <exception>
#include <utility>

namespace {
QString reason(const std::exception &e)
{
    const auto *te = dynamic_cast<const TessaryError *>(&e);
    return te ? te->message() : QString::fromLocal8Bit(e.what());
}
} // namespace

QString ReportSearch::Hit::describe() const
{
    switch (where) {
    case Where::Title:
        return QStringLiteral("title");
    case Where::Text:
        return QCoreApplication::translate("GlobalFind", "text, paragraph %1, character %2")
            .arg(paragraph)
            .arg(character);
    case Where::Cell:
        return QCoreApplication::translate("GlobalFind", "cell %1%2")
            .arg(columnName(column))
            .arg(row + 1);
    case Where::Comment:
        return QCoreApplication::translate("GlobalFind", "comment, line %1, character %2")
            .arg(line)
            .arg(character);
    }
    return QString();
}

QString ReportSearch::columnName(int column)
{
    QString name;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        name.prepend(QChar(u'A' + (c - 1) % 26));
    return name;
}

ReportSearch::ReportSearch(const ReportTree &tree, PageReader reader)
    : m_tree(tree), m_reader(std::move(reader))
{
}

QList<ReportSearch::Hit> ReportSearch::run(const GlobalFindOptions &options)
{
    QList<Hit> hits;
    m_problems.clear();
    if (options.text.isEmpty())
        return hits;
    for (const ReportNode *node = DisplayOrder::first(m_tree); node;
         node = DisplayOrder::next(m_tree, node))
        searchPage(node, options, hits);
    return hits;
}

void ReportSearch::searchPage(const ReportNode *node, const GlobalFindOptions &options,
                              QList<Hit> &hits)
{
    Hit base;
    base.node = node;
    base.pageId = node->kind == PageKind::Root ? 0 : node->data;
    base.title = node->text;
    TextMatch::Options match;
    match.matchCase = options.caseSensitive;
    match.wholeWord = options.wholeWord;

    if (options.titles && TextMatch::find(node->text, options.text, match) >= 0) {
        Hit h = base;
        h.where = Hit::Where::Title;
        hits.append(h);
    }
    if (node->kind == PageKind::Folder)
        return;
    const bool document = options.documents && GlobalFind::isDocumentKind(node->kind);
    const bool table = options.tables && node->kind == PageKind::Table;
    if (!document && !table && !options.comments)
        return;
    QByteArray content;
    QString comment;
    if (!m_reader(node, &content, &comment)) {
        if (node->kind != PageKind::Root)
            m_problems << QCoreApplication::translate("GlobalFind",
                                                      "page %1 (%2): its row cannot be read")
                              .arg(base.pageId)
                              .arg(node->text);
        return;
    }

    // Only pages that may hold the text are loaded: the same test lets the
    // dialog pass over pages without showing them.
    if (document && DocumentFinder::storedMayHold(content, options.text)) {
        try {
            QTextDocument doc;
            DocumentForm::load(content, &doc);
            DocumentFinder finder;
            finder.matchCase = options.caseSensitive;
            finder.wholeWord = options.wholeWord;
            for (const QTextCursor &found : finder.findAll(&doc, options.text)) {
                Hit h = base;
                h.where = Hit::Where::Text;
                h.position = found.selectionStart();
                const QTextBlock block = doc.findBlock(found.selectionStart());
                h.paragraph = block.blockNumber() + 1;
                h.character = found.selectionStart() - block.position() + 1;
                hits.append(h);
            }
        } catch (const std::exception &e) {
            m_problems << QCoreApplication::translate("GlobalFind", "page %1 (%2): %3")
                              .arg(base.pageId)
                              .arg(node->text, reason(e));
        }
    }
    if (table) {
        GridData grid;
        try {
            GridStream::read(content, grid);
            const int tableOptions = (options.caseSensitive ? TableSearch::MatchCase : 0) |
                                     (options.wholeWord ? TableSearch::WholeWord : 0);
            for (QPoint cell = TableSearch::findFirst(grid, options.text, tableOptions);
                 cell.x() >= 0;
                 cell = TableSearch::findNext(grid, options.text, tableOptions, cell)) {
                Hit h = base;
                h.where = Hit::Where::Cell;
                h.column = cell.x();
                h.row = cell.y();
                hits.append(h);
            }
        } catch (const std::exception &e) {
            m_problems << QCoreApplication::translate("GlobalFind", "page %1 (%2): %3")
                              .arg(base.pageId)
                              .arg(node->text, reason(e));
        }
    }
    if (options.comments) {
        TextMatch::Options commentMatch = match;
        for (int at = TextMatch::find(comment, options.text, 0, -1, commentMatch); at >= 0;
             at = TextMatch::find(comment, options.text, at + int(options.text.size()), -1,
                                  commentMatch)) {
            Hit h = base;
            h.where = Hit::Where::Comment;
            h.position = at;
            h.line = int(QStringView(comment).left(at).count(u'\n')) + 1;
            // lastIndexOf counts a negative start from the end: a match at 0
            // is on the first line's first character.
            const qsizetype lineStart = at > 0 ? comment.lastIndexOf(u'\n', at - 1) + 1 : 0;
            h.character = int(at - lineStart) + 1;
            hits.append(h);
        }
    }
}
