#include "cli/Commands.h"
#include "platform/HeapTuning.h"
#include "platform/TessaryError.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {
const CliCommand kCommands[] = {
    {"new", "create a report with its root and two empty documents", cmdNew, CliNeeds::Nothing},
    {"add", "append a page row as a host does (and signal Tessary)", cmdAdd, CliNeeds::Nothing},
    {"list", "list the rows of a report", cmdList, CliNeeds::Nothing},
    {"cat", "write the content (or comment) of a row to standard output", cmdCat,
     CliNeeds::Nothing},
    {"tree", "print the stored tree of a report", cmdTree, CliNeeds::Nothing},
    {"copy", "copy a report between files and server reports, row by row", cmdCopy,
     CliNeeds::Nothing},
    {"signal", "create the intake signal file in the temporary folder", cmdSignal,
     CliNeeds::Nothing},
    {"wordcloud", "lay out a weighted word list as a picture", cmdWordCloud, CliNeeds::Painting},
    {"import", "make pages from files, as the tree's import command does", cmdImport,
     CliNeeds::Widgets},
    {"save", "write a page to a file in one of its editor's formats", cmdSave, CliNeeds::Widgets},
    {"render", "draw a page as its editor shows it, as a PNG picture", cmdRender,
     CliNeeds::Widgets},
    {"export", "write the report or chosen pages as one HTML document", cmdExport,
     CliNeeds::Widgets},
    {"find", "search a text in the pages of a report, as the global search does", cmdFind,
     CliNeeds::Painting},
};

void usage(QTextStream &out)
{
    out << "usage: tessary-cli COMMAND [ARGS...]   (tessary-cli COMMAND --help for more)\n\n"
           "The host's side of a Tessary report.\n\nCommands:\n";
    for (const CliCommand &c : kCommands)
        out << "  " << QString::fromLatin1(c.name).leftJustified(10) << " " << c.summary << "\n";
}

const CliCommand *findCommand(const char *name)
{
    for (const CliCommand &c : kCommands)
        if (name && std::strcmp(name, c.name) == 0)
            return &c;
    return nullptr;
}

// The offscreen platform warns about a missing XDG_RUNTIME_DIR, which says
// nothing to a user of the command line; everything else is passed on.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

std::unique_ptr<QCoreApplication> makeApplication(CliNeeds needs, int &argc, char **argv)
{
    if (needs == CliNeeds::Nothing)
        return std::make_unique<QCoreApplication>(argc, argv);
    // Pictures need fonts, which need a GUI application; nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (needs == CliNeeds::Painting)
        return std::make_unique<QGuiApplication>(argc, argv);
    return std::make_unique<QApplication>(argc, argv);
}
} // namespace

int main(int argc, char **argv)
{
    HeapTuning::keepPictureBuffersInHeap();
    qInstallMessageHandler(quietHandler);
    const CliCommand *command = findCommand(argc > 1 ? argv[1] : nullptr);
    std::unique_ptr<QCoreApplication> app =
        makeApplication(command ? command->needs : CliNeeds::Nothing, argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        usage(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const CliCommand &c : kCommands) {
        if (name != QLatin1String(c.name))
            continue;
        try {
            const int rc = c.run(args, out, err);
            out.flush();
            err.flush();
            return rc;
        } catch (const TessaryError &e) {
            out.flush();
            err << "tessary-cli " << name << ": " << e.message() << "\n";
            return 1;
        } catch (const std::exception &e) {
            out.flush();
            err << "tessary-cli " << name << ": " << e.what() << "\n";
            return 1;
        }
    }
    err << "tessary-cli: unknown command \"" << name << "\"\n";
    usage(err);
    return 2;
}
