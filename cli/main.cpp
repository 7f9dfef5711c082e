#include "cli/Commands.h"
#include "platform/TessaryError.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {
const CliCommand kCommands[] = {
    {"new", "create a report with its root and two empty documents", cmdNew},
    {"add", "append a page row as a host does (and signal Tessary)", cmdAdd},
    {"list", "list the rows of a report", cmdList},
    {"cat", "write the content (or comment) of a row to standard output", cmdCat},
    {"tree", "print the stored tree of a report", cmdTree},
    {"signal", "create the intake signal file in the temporary folder", cmdSignal},
    {"wordcloud", "lay out a weighted word list as a picture", cmdWordCloud},
};

void usage(QTextStream &out)
{
    out << "usage: tessary-cli COMMAND [ARGS...]   (tessary-cli COMMAND --help for more)\n\n"
           "The host's side of a Tessary report.\n\nCommands:\n";
    for (const CliCommand &c : kCommands)
        out << "  " << QString::fromLatin1(c.name).leftJustified(10) << " " << c.summary << "\n";
}
} // namespace

int main(int argc, char **argv)
{
    // Word clouds need fonts, which need a GUI application; nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
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
