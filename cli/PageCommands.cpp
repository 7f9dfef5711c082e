// The page commands of tessary-cli: files become pages (import), pages become
// files (save) and pictures (render). Each goes through the store and the page
// editors exactly as the program does; which editor serves a page follows from
// its kind, so a new editor serves these commands as soon as it exists.
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/HeadlessReport.h"
#include "platform/TessaryError.h"
#include "platform/db/DbEngine.h"
#include "store/FileImport.h"
#include "store/ImportKinds.h"
#include "store/PageKind.h"
#include "store/ReportTree.h"
#include "store/TDM.h"

#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

int usageError(QTextStream &err, const QString &command, const QString &message)
{
    err << "tessary-cli " << command << ": " << message << "\n"
        << "Try 'tessary-cli " << command << " --help'.\n";
    return 2;
}

// Messages of editors and converters may span lines; the command line says
// everything in one.
QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.trimmed();
}

int failure(QTextStream &err, const QString &command, const QString &message)
{
    err << "tessary-cli " << command << ": " << oneLine(message) << "\n";
    return 1;
}

QString kindText(int kind)
{
    const QString name = PageKind::name(kind);
    return name == QString::number(kind) ? QStringLiteral("of kind %1").arg(kind)
                                         : QStringLiteral("a %1 page").arg(name);
}

QString extensionList(const QStringList &extensions)
{
    QStringList dotted;
    for (const QString &e : extensions)
        dotted << QLatin1Char('.') + e;
    return dotted.join(QLatin1String(" "));
}

// The folder NAME among the root's children, made when missing.
ReportNode *folderUnderRoot(ReportTree &tree, const QString &name)
{
    ReportNode *root = tree.root();
    for (int i = 0; i < root->childCount(); ++i) {
        ReportNode *n = root->child(i);
        if (n->kind == PageKind::Folder && n->text == name)
            return n;
    }
    return tree.addNode(root, name, PageKind::Folder, -1);
}

// Checks the words of save and render: REPORT ID --to FILE.
int pageArguments(const CliArgs &a, const QString &command, QTextStream &err, qint32 *id)
{
    if (!a.ok())
        return usageError(err, command, a.error());
    if (a.positional().size() != 2)
        return usageError(err, command, QStringLiteral("name a report and a page id"));
    bool ok = false;
    *id = a.positional().at(1).toInt(&ok);
    if (!ok)
        return usageError(err, command,
                          QStringLiteral("\"%1\" is not a page id").arg(a.positional().at(1)));
    if (!a.has("to") || a.value("to").isEmpty())
        return usageError(err, command, QStringLiteral("--to FILE is required"));
    return 0;
}

// Opens the report read-only and loads page id into its editor; on failure
// writes the one line that says why and returns nullptr.
PageContent *loadPage(HeadlessReport &report, const QString &path, qint32 id,
                      const QString &command, QTextStream &err, int *kindOut)
{
    report.open(path, true);
    const std::optional<int> kind = report.rowKind(id);
    if (!kind) {
        failure(err, command, QStringLiteral("the report has no page %1").arg(id));
        return nullptr;
    }
    if (id == 0 && *kind == PageKind::Root) {
        failure(err, command,
                QStringLiteral("row 0 is the outline row (the stored tree), not a page"));
        return nullptr;
    }
    PageContent *editor = *kind < 0 ? nullptr : report.editorFor(*kind);
    if (!editor) {
        failure(err, command,
                QStringLiteral("page %1 is %2, which has no editor")
                    .arg(id)
                    .arg(*kind < 0 ? QStringLiteral("of no kind (PageType is NULL)")
                                   : kindText(*kind)));
        return nullptr;
    }
    try {
        if (!report.store().loadPage(*kind, id)) {
            failure(err, command, QStringLiteral("the report has no page %1").arg(id));
            return nullptr;
        }
    } catch (const TessaryError &e) {
        failure(err, command,
                QStringLiteral("page %1 cannot be read: %2").arg(id).arg(e.message()));
        return nullptr;
    }
    *kindOut = *kind;
    return editor;
}

// The formats each editor writes, by the kinds it serves.
void listSaveFormats(QTextStream &out)
{
    HeadlessReport report;
    QList<EditorSlot> listed;
    for (int kind = 0; kind <= PageKind::WordCloud; ++kind) {
        const EditorSlot slot = editorSlotForKind(kind);
        if (!PageKind::isPageKind(kind) || listed.contains(slot))
            continue;
        listed << slot;
        if (PageContent *editor = report.editorFor(kind))
            out << "  " << PageKind::name(kind).leftJustified(10) << " "
                << extensionList(editor->saveExtensions()) << "\n";
    }
}

bool parseSize(const QString &text, QSize *size)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    const QSize s(m.captured(1).toInt(), m.captured(2).toInt());
    if (s.width() < 1 || s.height() < 1 || s.width() > 20000 || s.height() > 20000)
        return false;
    *size = s;
    return true;
}

} // namespace

void printImportHelp(QTextStream &out)
{
    out << "usage: tessary-cli import REPORT FILE... [--folder NAME] [--comment TEXT]\n"
           "                          [--signal]\n\n"
           "Makes one page of REPORT from each FILE with the code of Tessary's import\n"
           "command, and prints the page ids, one per line. The extension chooses the\n"
           "page kind: an extension that occurs inside \".KCX.TEE\" makes a chart, inside\n"
           "\".TAB.CSV.GRID2\" a table, inside \".BMP.WMF.JPG.JPEG.PNG\" a picture; else\n";
    for (int kind = 0; kind <= PageKind::WordCloud; ++kind) {
        const QStringList extensions = PageKind::importExtensions(kind);
        if (!extensions.isEmpty())
            out << "  " << PageKind::name(kind).leftJustified(10) << " "
                << extensionList(extensions) << "\n";
    }
    out << "A \".txt\" file that holds timeline text makes a timeline; any other file\n"
           "makes a document (empty when the document editor does not read its kind).\n"
           "Each page is titled with its file name without the extension.\n"
           "  --folder NAME  place the pages in the folder NAME under the root (made\n"
           "                 when missing; PageInfo is the title); without it the rows\n"
           "                 are left for Tessary, which places them under \"New items\"\n"
           "                 when it next opens the report or is signalled (PageInfo is\n"
           "                 two tabs and the title)\n"
           "  --comment TEXT give every page this comment\n"
           "  --signal       then create the intake signal file "
        << TDM::signalFilePath()
        << "\n\nEach file is one transaction. A file that cannot be read stops the\n"
           "import with a message naming it; its row stays, empty, for the intake to\n"
           "place (as Tessary's import command leaves it), and the pages made before it\n"
           "stay. The report is opened as Tessary opens it: rows that no node of the\n"
           "stored tree shows yet are placed under \"New items\".\n";
}

int cmdImport(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CliArgs a(args, {"folder", "comment"}, {"help", "signal"});
    if (a.has("help")) {
        printImportHelp(out);
        return 0;
    }
    if (!a.ok())
        return usageError(err, "import", a.error());
    if (a.positional().size() < 2)
        return usageError(err, "import", QStringLiteral("name a report and at least one file"));
    if (a.has("folder") && a.value("folder").isEmpty())
        return usageError(err, "import", QStringLiteral("the folder needs a name"));
    const QStringList files = a.positional().mid(1);
    // Every name is checked before the first page is made.
    for (const QString &file : files)
        if (!QFileInfo(file).isFile())
            return failure(err, "import", QStringLiteral("%1: no such file").arg(file));

    HeadlessReport report;
    report.open(a.positional().first(), false);
    TDM &store = report.store();
    // The editors are made before the import, as the program has them at start.
    for (const QString &file : files)
        report.editorFor(PageKind::importKind(file));
    QPersistentModelIndex under;
    if (a.has("folder")) {
        ReportTree &tree = *store.tree();
        under = QPersistentModelIndex(tree.indexOf(folderUnderRoot(tree, a.value("folder"))));
    }
    FileImport importer(store);
    importer.pageMade = [&](qint32 id) {
        if (a.has("comment"))
            report.setComment(id, a.value("comment"));
        out << id << "\n";
    };
    const FileImport::Result result = importer.run(files, under);
    int rc = 0;
    if (!result.ok()) {
        out.flush();
        rc = failure(
            err, "import",
            QStringLiteral("%1: %2").arg(result.failedFile, result.reason) +
                (result.notImported > 0
                     ? QStringLiteral(" (%1 more file(s) not imported)").arg(result.notImported)
                     : QString()));
        // Nobody looks at this tree: the node of the failed file goes, and
        // its bare row is placed by the next intake like any unplaced row.
        if (under.isValid()) {
            ReportTree &tree = *store.tree();
            if (ReportNode *folder = tree.node(under))
                if (ReportNode *last =
                        folder->childCount() ? folder->child(folder->childCount() - 1) : nullptr;
                    last && last->data == 0)
                    tree.deleteNode(last);
        }
    }
    const bool made = !result.ids.isEmpty();
    // A server tells every open Tessary itself; a file report has the signal file.
    const bool announce = made && a.has("signal") && store.engine().deliversAnnouncements();
    if (announce)
        store.engine().announceRowsAdded();
    report.close();
    if (made && a.has("signal") && !announce) {
        QFile signal(TDM::signalFilePath());
        if (!signal.open(QIODevice::WriteOnly | QIODevice::Append))
            return failure(
                err, "import",
                QStringLiteral("cannot create the signal file %1").arg(signal.fileName()));
    }
    return rc;
}

int cmdSave(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CliArgs a(args, {"to"}, {"help"});
    if (a.has("help")) {
        out << "usage: tessary-cli save REPORT ID --to FILE\n\n"
               "Writes page ID of REPORT to FILE with the page's editor, in the format\n"
               "that FILE's extension names:\n";
        listSaveFormats(out);
        out << "The report is only read.\n";
        return 0;
    }
    qint32 id = 0;
    if (const int rc = pageArguments(a, "save", err, &id))
        return rc;
    const QString to = a.value("to");
    HeadlessReport report;
    int kind = 0;
    PageContent *editor = loadPage(report, a.positional().first(), id, "save", err, &kind);
    if (!editor)
        return 1;
    const QString extension = QFileInfo(to).suffix().toLower();
    const QStringList writes = editor->saveExtensions();
    if (!writes.contains(extension))
        return failure(
            err, "save",
            QStringLiteral("page %1 is %2, which cannot be written as %3 (it can be "
                           "written as %4)")
                .arg(id)
                .arg(kindText(kind),
                     extension.isEmpty() ? QStringLiteral("a file without extension")
                                         : QLatin1Char('.') + extension,
                     writes.isEmpty() ? QStringLiteral("nothing") : extensionList(writes)));
    try {
        editor->saveToFile(to);
    } catch (const TessaryError &e) {
        return failure(err, "save", e.message());
    }
    return 0;
}

int cmdRender(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CliArgs a(args, {"to", "size"}, {"help"});
    if (a.has("help")) {
        out << "usage: tessary-cli render REPORT ID --to FILE.png [--size WxH]\n\n"
               "Draws page ID of REPORT as its editor shows it, at WxH pixels (default\n"
               "800x600), and writes the picture as PNG. The report is only read.\n";
        return 0;
    }
    qint32 id = 0;
    if (const int rc = pageArguments(a, "render", err, &id))
        return rc;
    QSize size(800, 600);
    if (a.has("size") && !parseSize(a.value("size"), &size))
        return usageError(err, "render",
                          QStringLiteral("\"%1\" is not a size such as 800x600 (1 to 20000 "
                                         "pixels each way)")
                              .arg(a.value("size")));
    const QString to = a.value("to");
    if (QFileInfo(to).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0)
        return usageError(err, "render", QStringLiteral("render writes PNG: name a .png file"));
    HeadlessReport report;
    int kind = 0;
    PageContent *editor = loadPage(report, a.positional().first(), id, "render", err, &kind);
    if (!editor)
        return 1;
    const QImage image = editor->renderImage(size);
    QSaveFile file(to);
    if (!file.open(QIODevice::WriteOnly))
        return failure(err, "render",
                       QStringLiteral("cannot write %1: %2").arg(to, file.errorString()));
    QImageWriter writer(&file, "png");
    if (!writer.write(image) || !file.commit())
        return failure(err, "render",
                       QStringLiteral("cannot write %1: %2")
                           .arg(to, writer.error() != QImageWriter::UnknownError
                                        ? writer.errorString()
                                        : file.errorString()));
    return 0;
}
