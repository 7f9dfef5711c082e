#pragma once

#include "export/GlobalFind.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class ReportTree;
struct ReportNode;

// The global search without a window: every match of a text in a report, in
// the order in which "Find Next" of the global search stops at them going
// down from the first node (a node's caption, then its document text or
// table cells, then its comment). It matches with the same code as the
// dialog: the document finder on the page loaded as the document editor
// loads it, the table search on the page's grid, the comment and caption
// matching of global find.
class ReportSearch
{
public:
    struct Hit
    {
        enum class Where
        {
            Title,
            Text,
            Cell,
            Comment
        };
        const ReportNode *node = nullptr;
        qint32 pageId = 0;
        QString title;
        Where where = Where::Text;
        int position = 0;  // character position in the text or comment
        int paragraph = 0; // 1-based paragraph of a text match
        int line = 0;      // 1-based line of a comment match
        int character = 0; // 1-based character of the match in its paragraph or line
        int column = -1;   // grid column and row of a cell match
        int row = -1;

        // Where the hit is, for people: "title", "text, paragraph 2,
        // character 5", "cell C3", "comment, line 1, character 12".
        QString describe() const;
    };

    // Reads a node's stored page: uncompressed content and comment; false
    // when the page cannot be read.
    using PageReader =
        std::function<bool(const ReportNode *node, QByteArray *content, QString *comment)>;

    ReportSearch(const ReportTree &tree, PageReader reader);

    // Searches with the options' text, case, whole-word and scope settings
    // (the direction is ignored: the result is in tree order).
    QList<Hit> run(const GlobalFindOptions &options);
    // Pages that could not be read or loaded, one line each ("page 12: ...").
    QStringList problems() const { return m_problems; }

    // The column letters of a spreadsheet for a 0-based column (0 -> A, 26 -> AA).
    static QString columnName(int column);

private:
    void searchPage(const ReportNode *node, const GlobalFindOptions &options, QList<Hit> &hits);

    const ReportTree &m_tree;
    PageReader m_reader;
    QStringList m_problems;
};
