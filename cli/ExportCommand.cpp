// tessary-cli export: the report, or chosen pages, written as one document by
// the same export code as the program's File > Export commands. The format
// follows the extension of the output file; each format is one entry of the
// table below.
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/HeadlessReport.h"
#include "export/HtmlExport.h"
#include "export/WordExport.h"
#include "platform/TessaryError.h"
#include "store/PageKind.h"
#include "store/ReportTree.h"
#include "store/TDM.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {

int usageError(QTextStream &err, const QString &message)
{
    err << "tessary-cli export: " << message << "\n"
        << "Try 'tessary-cli export --help'.\n";
    return 2;
}

QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("; "));
    text.replace(QLatin1Char('\n'), QLatin1String("; "));
    text.replace(QLatin1Char('\r'), QLatin1String("; "));
    return text.trimmed();
}

// What one export writes: the file, whether a node is exported, the
// progress line to show. Returns the pages that had to be left out.
struct ExportJob
{
    HeadlessReport &report;
    QString to;
    std::function<bool(int)> isTicked;
    std::function<void(const HtmlExportProgress &)> onProgress;
};
using ExportFormat = QStringList (*)(ExportJob &job);

QStringList exportHtml(ExportJob &job)
{
    // Editors register with the store as the export meets their kinds.
    for (int kind : {PageKind::Document, PageKind::Table, PageKind::Chart, PageKind::Picture})
        job.report.editorFor(kind);
    HtmlExport html(job.report.store());
    html.isTicked = job.isTicked;
    html.onProgress = job.onProgress;
    return html.CreateHTML(job.to).failed;
}

// RTF (also in a ".doc" file) and DOCX: the pages as HTML in a scratch folder
// first, as the program does, then converted.
QStringList exportWord(ExportJob &job)
{
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw TessaryError(
            QStringLiteral("cannot make a scratch folder: %1").arg(scratch.errorString()));
    ExportJob html = job;
    html.to = QDir(scratch.path()).filePath(QStringLiteral("temp.html"));
    const QStringList failed = exportHtml(html);
    WordExport::exportHtmlToWordFile(html.to, job.to, WordExport::formatOfFile(job.to));
    return failed;
}

struct FormatEntry
{
    const char *extensions; // space-separated, lower case
    ExportFormat run;       // nullptr: the format is not available in this build
};

const FormatEntry kFormats[] = {
    {"htm html", exportHtml},
    {"rtf doc docx", exportWord},
};

const FormatEntry *formatFor(const QString &suffix)
{
    for (const FormatEntry &f : kFormats)
        if (QString::fromLatin1(f.extensions).split(QLatin1Char(' ')).contains(suffix))
            return &f;
    return nullptr;
}

// Page ids from "12,15,20".
bool parseIds(const QString &text, QSet<qint32> *ids)
{
    for (const QString &word : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const qint32 id = word.trimmed().toInt(&ok);
        if (!ok)
            return false;
        ids->insert(id);
    }
    return !ids->isEmpty();
}

// One line on a terminal, redrawn in place: percent and the page's title.
class ProgressLine
{
public:
    ProgressLine() : m_on(isatty(fileno(stderr)) != 0) {}
    ~ProgressLine() { clear(); }
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    void show(const HtmlExportProgress &p)
    {
        if (!m_on)
            return;
        const int percent = p.maximum > 0 ? p.value * 100 / p.maximum : 100;
        QString line = QStringLiteral("exporting %1%%2").arg(percent, 3).arg(p.text);
        if (line.size() > 78)
            line = line.left(75) + QStringLiteral("...");
        std::fprintf(stderr, "\r%-79s", line.toLocal8Bit().constData());
        std::fflush(stderr);
        m_shown = true;
    }
    void clear()
    {
        if (m_shown)
            std::fprintf(stderr, "\r%-79s\r", "");
        m_shown = false;
    }

private:
    bool m_on;
    bool m_shown = false;
};

} // namespace

int cmdExport(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CliArgs a(args, {"to", "pages"}, {"help"});
    if (a.has("help")) {
        out << "usage: tessary-cli export REPORT --to FILE [--pages ID,...]\n\n"
               "Writes the pages of REPORT, in tree order, as one document. FILE.htm or\n"
               "FILE.html: an HTML file with its pictures in the folder FILE_files.\n"
               "FILE.rtf or FILE.doc: a Rich Text document with the pictures embedded.\n"
               "FILE.docx: a Word document made by pandoc (tables and pictures kept).\n"
               "--pages exports only the pages with these ids (the default is every page).\n"
               "Timelines, diagrams and word clouds are not exported. The report is only\n"
               "read. Pages that cannot be read are left out and named; the exit code is\n"
               "then 1.\n";
        return 0;
    }
    if (!a.ok())
        return usageError(err, a.error());
    if (a.positional().size() != 1)
        return usageError(err, QStringLiteral("name one report"));
    if (!a.has("to") || a.value("to").isEmpty())
        return usageError(err, QStringLiteral("--to FILE is required"));
    const QString to = a.value("to");
    const QString suffix = QFileInfo(to).suffix().toLower();
    const FormatEntry *format = formatFor(suffix);
    if (!format)
        return usageError(err, QStringLiteral("cannot export to \"%1\": name a .htm, .html, .rtf, "
                                              ".doc or .docx file")
                                   .arg(QFileInfo(to).fileName()));
    if (!format->run) {
        err << "tessary-cli export: export to ." << suffix << " is not available\n";
        return 1;
    }
    QSet<qint32> ids;
    if (a.has("pages") && !parseIds(a.value("pages"), &ids))
        return usageError(err, QStringLiteral("\"%1\" is not a list of page ids such as 12,15,20")
                                   .arg(a.value("pages")));

    HeadlessReport report;
    report.open(a.positional().first(), true);
    const QList<ReportNode *> nodes = report.store().tree()->nodesInOrder();
    QSet<qint32> found;
    for (const ReportNode *n : nodes)
        if (PageKind::holdsPageId(n->kind) && ids.contains(n->data))
            found.insert(n->data);
    for (qint32 id : std::as_const(ids))
        if (!found.contains(id)) {
            err << "tessary-cli export: the report has no page " << id << "\n";
            return 1;
        }

    ProgressLine progress;
    ExportJob job{report, to, nullptr,
                  [&progress](const HtmlExportProgress &p) { progress.show(p); }};
    if (!ids.isEmpty())
        job.isTicked = [&nodes, &ids](int i) {
            const ReportNode *n = nodes.at(i);
            return PageKind::holdsPageId(n->kind) && ids.contains(n->data);
        };
    const QStringList failed = format->run(job);
    progress.clear();
    if (!failed.isEmpty()) {
        err << "tessary-cli export: " << failed.size()
            << (failed.size() == 1 ? " page was" : " pages were")
            << " left out: " << oneLine(failed.join(QLatin1Char('\n'))) << "\n";
        return 1;
    }
    return 0;
}
