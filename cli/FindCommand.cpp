#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/HeadlessReport.h"
#include "export/ReportSearch.h"
#include "export/StoredPages.h"
#include "store/PageKind.h"
#include "store/ReportTree.h"
#include "store/TDM.h"

namespace {
int findUsage(QTextStream &err, const QString &message)
{
    err << "tessary-cli find: " << message << "\n"
        << "Try 'tessary-cli find --help'.\n";
    return 2;
}

// Titles are one field of a tab-separated line: tabs and line breaks in them become spaces.
QString oneField(QString text)
{
    for (QChar &c : text)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return text;
}
} // namespace

int cmdFind(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CliArgs a(args, {}, {"help", "case", "whole-words", "titles"});
    if (a.has("help")) {
        out << "usage: tessary-cli find REPORT TEXT [--case] [--whole-words] [--titles]\n\n"
               "Searches TEXT in the text of document pages, the cells of table pages and\n"
               "the comments of all pages (with --titles also in the captions of the tree's\n"
               "nodes), as the global search of the program does, and prints one line per\n"
               "match in tree order: page id, title and where the match is (\"title\",\n"
               "\"text, paragraph 2, character 5\", \"cell C3\", \"comment, line 1, character "
               "12\"),\n"
               "separated by tabs.\n"
               "  --case         match case\n"
               "  --whole-words  match whole words only\n"
               "  --titles       search node captions too\n";
        return 0;
    }
    if (!a.ok())
        return findUsage(err, a.error());
    if (a.positional().size() != 2)
        return findUsage(err, QStringLiteral("name a report and the text to find"));
    GlobalFindOptions options;
    options.text = a.positional().at(1);
    if (options.text.trimmed().isEmpty())
        return findUsage(err, QStringLiteral("the text to find is empty"));
    options.caseSensitive = a.has("case");
    options.wholeWord = a.has("whole-words");
    options.titles = a.has("titles");
    options.documents = options.tables = options.comments = true;

    HeadlessReport report;
    report.open(a.positional().first(), true);
    StoredPages pages(report.store());
    ReportSearch search(*report.store().tree(), [&pages](const ReportNode *node,
                                                         QByteArray *content, QString *comment) {
        return pages.read(node->kind == PageKind::Root ? 0 : node->data, content, comment);
    });
    const QList<ReportSearch::Hit> hits = search.run(options);
    for (const ReportSearch::Hit &hit : hits)
        out << hit.pageId << '\t' << oneField(hit.title) << '\t' << hit.describe() << '\n';
    out.flush();
    // Pages that could not be searched are named; the others were searched all the same.
    for (const QString &problem : search.problems())
        err << "tessary-cli find: " << problem << "\n";
    return search.problems().isEmpty() ? 0 : 1;
}
