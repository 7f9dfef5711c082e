// The report commands of tessary-cli: what a host does to a report, done from
// the shell. Rows are written exactly as the host writes them: the page table
// through its own database connection, then the intake signal file.
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "platform/TessaryError.h"
#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "platform/db/EngineFactory.h"
#include "platform/db/ReportAddress.h"
#include "platform/treeview/TreeStream.h"
#include "store/PageKind.h"
#include "store/ReportSchema.h"
#include "store/TDM.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

int usageError(QTextStream &err, const QString &command, const QString &message)
{
    err << "tessary-cli " << command << ": " << message << "\n"
        << "Try 'tessary-cli " << command << " --help'.\n";
    return 2;
}

enum class Access
{
    ReadOnly,
    ReadWrite
};

// Connects to an existing report and opens its page table. Nothing is written
// before the file is known to be a report; read-only commands never write.
std::unique_ptr<DbTable> openReport(DbEngine &engine, const QString &path, Access access)
{
    const QFileInfo info(path);
    if (!ReportAddress::isServer(path)) {
        if (info.isDir())
            throw TessaryError(QStringLiteral("%1 is a folder, not a report file").arg(path));
        if (!info.isFile())
            throw TessaryError(QStringLiteral("no such report: %1").arg(path));
    }
    engine.connect(path, access == Access::ReadOnly);
    if (!engine.tableExists(ReportSchema::Table))
        throw TessaryError(QStringLiteral("%1 is not a report: it has no table %2")
                               .arg(path, ReportSchema::Table));
    if (access == Access::ReadWrite)
        engine.shareWithOtherProcesses();
    std::unique_ptr<DbTable> table = engine.table(ReportSchema::Table);
    table->open();
    return table;
}

// The outline row is the row with id 0 and kind 10, wherever it stands.
bool locateOutline(DbTable &table)
{
    return table.locate(ReportSchema::PageId, qint64(0)) && !table.isNull(ReportSchema::PageType) &&
           table.asInteger(ReportSchema::PageType) == PageKind::Root;
}

QVector<TreeNodeRecord> readTree(DbTable &table)
{
    if (!locateOutline(table))
        throw TessaryError(QStringLiteral("the report has no outline row (id 0, kind 10)"));
    return TreeStream::read(table.asBytes(ReportSchema::PageContent));
}

void writeTree(DbTable &table, const QVector<TreeNodeRecord> &tree)
{
    if (!locateOutline(table)) {
        ReportSchema::appendOutlineRow(table, TreeStream::write(tree));
        return;
    }
    table.edit();
    table.setBytes(ReportSchema::PageContent, TreeStream::write(tree));
    table.post();
}

TreeNodeRecord node(const QString &text, int kind, qint32 data)
{
    TreeNodeRecord n;
    n.text = text;
    n.kind = kind;
    n.data = data;
    return n;
}

QString escapeTabs(QString s)
{
    s.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    s.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    s.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    s.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return s;
}

bool createSignalFile(QString *path)
{
    *path = TDM::signalFilePath();
    QFile f(*path);
    return f.open(QIODevice::WriteOnly | QIODevice::Append);
}

void printTree(QTextStream &out, const QVector<TreeNodeRecord> &nodes, int depth)
{
    for (const TreeNodeRecord &n : nodes) {
        out << QString(depth * 2, QLatin1Char(' ')) << n.text << "  [" << PageKind::name(n.kind)
            << ", data " << n.data;
        if (n.ownColours)
            out << ", colour 0x"
                << QString::number(n.backColour, 16).rightJustified(6, QLatin1Char('0'));
        out << "]\n";
        printTree(out, n.children, depth + 1);
    }
}

} // namespace

int cmdNew(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CliArgs a(args, {}, {"help", "force"});
    if (a.has("help")) {
        out << "usage: tessary-cli new REPORT [--force]\n\n"
               "Creates a report: the outline row, and two empty documents \"First document\"\n"
               "and \"Second document\" under the root \"Project name\". An existing file is\n"
               "refused unless --force is given; then its pages are replaced.\n";
        return 0;
    }
    if (!a.ok())
        return usageError(err, "new", a.error());
    if (a.positional().size() != 1)
        return usageError(err, "new", "name one report file");
    const QString path = a.positional().first();
    const std::unique_ptr<DbEngine> engineOwner = EngineFactory::engineFor(path);
    DbEngine &engine = *engineOwner;
    if (ReportAddress::isServer(path)) {
        // On a server the report is a schema: made when missing, refused when
        // it holds a report already.
        engine.createDatabase(path);
        if (engine.tableExists(ReportSchema::Table) && !a.has("force")) {
            err << "tessary-cli new: " << path
                << " exists already (use --force to replace its pages)\n";
            return 1;
        }
    } else if (QFileInfo::exists(path) && !a.has("force")) {
        err << "tessary-cli new: " << path
            << " exists already (use --force to replace its pages)\n";
        return 1;
    } else if (QFileInfo::exists(path)) {
        engine.connect(path);
        engine.shareWithOtherProcesses();
    } else {
        engine.createDatabase(path);
    }
    DbTransaction transaction(engine);
    ReportSchema::createOutputTable(engine);
    std::unique_ptr<DbTable> table = engine.table(ReportSchema::Table);
    table->open();
    TreeNodeRecord root = node(QStringLiteral("Project name"), PageKind::Root, 0);
    ReportSchema::appendOutlineRow(*table, TreeStream::write({root}));
    for (const QString &title :
         {QStringLiteral("First document"), QStringLiteral("Second document")})
        root.children.append(node(title, PageKind::Document,
                                  ReportSchema::appendPageRow(*table, PageKind::Document, title)));
    writeTree(*table, {root});
    transaction.commit();
    out << "created " << path << "\n";
    return 0;
}

int cmdAdd(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CliArgs a(args, {"kind", "info", "file", "comment", "folder"},
                    {"help", "stdin", "signal"});
    if (a.has("help")) {
        out << "usage: tessary-cli add REPORT --kind K --info TEXT (--file F | --stdin)\n"
               "                       [--comment TEXT] [--folder NAME] [--signal]\n\n"
               "Appends a page row to REPORT as the host does and prints its page id.\n"
               "  --kind K       page kind: a number or document, table, chart, picture,\n"
               "                 timeline, diagram, wordcloud\n"
               "  --info TEXT    PageInfo; its third tab-separated field is the title that\n"
               "                 Tessary shows for the page\n"
               "  --file F       the page's stored form, taken from a file\n"
               "  --stdin        the page's stored form, read from standard input\n"
               "  --comment TEXT the page's comment\n"
               "  --folder NAME  also place the page in the stored tree, in the folder NAME\n"
               "                 under the root (made when missing); for reports that are\n"
               "                 not open in Tessary\n"
               "  --signal       then create the intake signal file "
            << TDM::signalFilePath()
            << "\n"
               "                 (on a server report: NOTIFY on the report's channel)\n\n"
               "REPORT is a file or postgresql://[user@]host[:port]/database?report=NAME.\n";
        return 0;
    }
    if (!a.ok())
        return usageError(err, "add", a.error());
    if (a.positional().size() != 1)
        return usageError(err, "add", "name one report file");
    int kind = 0;
    if (!a.has("kind"))
        return usageError(err, "add", "--kind is required");
    if (!PageKind::parse(a.value("kind"), &kind) || !PageKind::isPageKind(kind))
        return usageError(err, "add",
                          QStringLiteral("\"%1\" is not a page kind (the root and folders are "
                                         "no pages)")
                              .arg(a.value("kind")));
    if (!a.has("info"))
        return usageError(err, "add", "--info is required");
    if (a.value("info").count(QLatin1Char('\t')) < 2)
        err << "tessary-cli add: warning: --info has no third tab-separated field, so the page "
               "has no title in Tessary\n";
    if (a.has("file") == a.has("stdin"))
        return usageError(err, "add", "give exactly one of --file and --stdin");

    QByteArray content;
    if (a.has("file")) {
        QFile f(a.value("file"));
        if (!f.open(QIODevice::ReadOnly)) {
            err << "tessary-cli add: cannot read " << a.value("file") << ": " << f.errorString()
                << "\n";
            return 1;
        }
        content = f.readAll();
    } else {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            throw TessaryError(QStringLiteral("cannot read standard input"));
        content = in.readAll();
    }

    const std::unique_ptr<DbEngine> engineOwner = EngineFactory::engineFor(a.positional().first());
    DbEngine &engine = *engineOwner;
    std::unique_ptr<DbTable> table = openReport(engine, a.positional().first(), Access::ReadWrite);
    const QString info = a.value("info");
    DbTransaction transaction(engine);
    const qint32 id = ReportSchema::appendPageRow(*table, kind, info, content, a.value("comment"));
    if (a.has("folder")) {
        QVector<TreeNodeRecord> tree =
            locateOutline(*table) ? readTree(*table) : QVector<TreeNodeRecord>();
        if (tree.isEmpty())
            tree.append(node(QStringLiteral("Project name"), PageKind::Root, 0));
        QVector<TreeNodeRecord> &top = tree.first().children;
        auto folder = std::find_if(top.begin(), top.end(), [&](const TreeNodeRecord &n) {
            return n.kind == PageKind::Folder && n.text == a.value("folder");
        });
        if (folder == top.end()) {
            top.append(node(a.value("folder"), PageKind::Folder, -1));
            folder = top.end() - 1;
        }
        const QString title = info.count(QLatin1Char('\t')) >= 2 ? TDM::tabField(info, 3) : info;
        folder->children.append(node(title, kind, id));
        writeTree(*table, tree);
    }
    // A server tells every open Tessary itself, when the row is committed.
    const bool announce = a.has("signal") && engine.deliversAnnouncements();
    if (announce)
        engine.announceRowsAdded();
    transaction.commit();
    out << id << "\n";
    if (a.has("signal") && !announce) {
        QString path;
        if (!createSignalFile(&path)) {
            err << "tessary-cli add: cannot create the signal file " << path << "\n";
            return 1;
        }
    }
    return 0;
}

int cmdList(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CliArgs a(args, {}, {"help"});
    if (a.has("help")) {
        out << "usage: tessary-cli list REPORT\n\n"
               "One line per row, tab-separated: id, date, kind, info (tabs shown as \\t),\n"
               "content bytes and comment bytes (both uncompressed).\n";
        return 0;
    }
    if (!a.ok() || a.positional().size() != 1)
        return usageError(err, "list", a.ok() ? QStringLiteral("name one report file") : a.error());
    const std::unique_ptr<DbEngine> engineOwner = EngineFactory::engineFor(a.positional().first());
    DbEngine &engine = *engineOwner;
    std::unique_ptr<DbTable> table = openReport(engine, a.positional().first(), Access::ReadOnly);
    out << "id\tdate\tkind\tinfo\tcontent\tcomment\n";
    // A field that cannot be read shows as "?"; the other rows are listed all the same.
    QStringList damaged;
    for (table->first(); !table->eof(); table->next()) {
        const qint64 id = table->asInteger(ReportSchema::PageId);
        bool bad = false;
        auto field = [&](auto read) -> QString {
            try {
                return read();
            } catch (const std::exception &) {
                bad = true;
                return QStringLiteral("?");
            }
        };
        out << id << '\t' << field([&] {
            return table->asDateTime(ReportSchema::PageDate).toString(Qt::ISODate);
        }) << '\t'
            << (table->isNull(ReportSchema::PageType)
                    ? QStringLiteral("NULL")
                    : PageKind::name(int(table->asInteger(ReportSchema::PageType))))
            << '\t' << field([&] { return escapeTabs(table->asText(ReportSchema::PageInfo)); })
            << '\t' << field([&] {
                   return QString::number(table->asBytes(ReportSchema::PageContent).size());
               })
            << '\t' << field([&] {
                   return QString::number(table->asText(ReportSchema::PageComment).toUtf8().size());
               })
            << '\n';
        if (bad)
            damaged << QString::number(id);
    }
    if (!damaged.isEmpty()) {
        out.flush();
        err << "tessary-cli list: damaged fields in page(s) " << damaged.join(QStringLiteral(", "))
            << "\n";
        return 1;
    }
    return 0;
}

int cmdCat(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CliArgs a(args, {}, {"help", "comment"});
    if (a.has("help")) {
        out << "usage: tessary-cli cat REPORT ID [--comment]\n\n"
               "Writes the uncompressed content of row ID (or its comment) to standard output.\n";
        return 0;
    }
    if (!a.ok() || a.positional().size() != 2)
        return usageError(err, "cat",
                          a.ok() ? QStringLiteral("name a report and a page id") : a.error());
    bool ok = false;
    const qint64 id = a.positional().at(1).toLongLong(&ok);
    if (!ok)
        return usageError(err, "cat",
                          QStringLiteral("\"%1\" is not a page id").arg(a.positional().at(1)));
    const std::unique_ptr<DbEngine> engineOwner = EngineFactory::engineFor(a.positional().first());
    DbEngine &engine = *engineOwner;
    std::unique_ptr<DbTable> table = openReport(engine, a.positional().first(), Access::ReadOnly);
    if (!table->locate(ReportSchema::PageId, id)) {
        err << "tessary-cli cat: the report has no page " << id << "\n";
        return 1;
    }
    const QByteArray bytes = a.has("comment") ? table->asText(ReportSchema::PageComment).toUtf8()
                                              : table->asBytes(ReportSchema::PageContent);
    out.flush();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
    return 0;
}

int cmdTree(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CliArgs a(args, {}, {"help"});
    if (a.has("help")) {
        out << "usage: tessary-cli tree REPORT\n\n"
               "Prints the stored tree: one node per line, indented by level, with its kind\n"
               "and data word (page id; -1 for folders; for the root, the position of the\n"
               "node selected when the tree was stored).\n";
        return 0;
    }
    if (!a.ok() || a.positional().size() != 1)
        return usageError(err, "tree", a.ok() ? QStringLiteral("name one report file") : a.error());
    const std::unique_ptr<DbEngine> engineOwner = EngineFactory::engineFor(a.positional().first());
    DbEngine &engine = *engineOwner;
    std::unique_ptr<DbTable> table = openReport(engine, a.positional().first(), Access::ReadOnly);
    printTree(out, readTree(*table), 0);
    return 0;
}

int cmdSignal(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CliArgs a(args, {}, {"help"});
    if (a.has("help")) {
        out << "usage: tessary-cli signal\n\nCreates the intake signal file "
            << TDM::signalFilePath()
            << ":\na running Tessary then places the report's new rows under \"New items\".\n"
               "The folder is the first writable one of $TMPDIR, $TEMP, $TMP, /tmp, /var/tmp\n"
               "and /usr/tmp, as Python's tempfile.gettempdir() finds it.\n";
        return 0;
    }
    if (!a.ok() || !a.positional().isEmpty())
        return usageError(err, "signal", a.ok() ? QStringLiteral("takes no arguments") : a.error());
    QString path;
    if (!createSignalFile(&path)) {
        err << "tessary-cli signal: cannot create " << path << "\n";
        return 1;
    }
    out << path << "\n";
    return 0;
}
