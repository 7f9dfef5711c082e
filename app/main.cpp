#include "app/TTessaryM.h"
#include "app/TessaryApplication.h"
#include "platform/db/SqliteEngine.h"
#include "platform/instance/SingleInstance.h"
#include "platform/paths/Paths.h"
#include "platform/treeview/TTreeView.h"
#include "store/TDM.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_signalFd[2] = {-1, -1};

void onTerminate(int)
{
    const char c = 1;
    [[maybe_unused]] auto n = ::write(g_signalFd[0], &c, 1);
}

// SIGTERM and SIGINT close the window like the window manager does, so that
// what is modified and the tree are stored before the program ends.
void closeOnTerminate(TTessaryM *window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalFd) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_signalFd[1], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window, notifier] {
        char c;
        [[maybe_unused]] auto n = ::read(g_signalFd[1], &c, 1);
        notifier->setEnabled(false);
        window->close();
        QCoreApplication::quit();
    });
    struct sigaction sa = {};
    sa.sa_handler = onTerminate;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}
} // namespace
#endif

int main(int argc, char **argv)
{
    TessaryApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tessary keeps an analysis report."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("report"),
                                 QStringLiteral("Report file (.SUP) to open."));
    QCommandLineOption smoke(QStringLiteral("quit-after-open"),
                             QStringLiteral("Open the report, print what is shown and quit."));
    parser.addOption(smoke);
    QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("With --quit-after-open: save a picture of the window."),
        QStringLiteral("png"));
    parser.addOption(screenshot);
    parser.process(app);
    // Absolute, so that a copy started elsewhere can hand it to the running one.
    const QString argument = parser.positionalArguments().value(0);
    const QString file = argument.isEmpty() ? QString() : QFileInfo(argument).absoluteFilePath();

    computeProgramPaths(QCoreApplication::applicationFilePath());

    SingleInstance guard(QStringLiteral("Tessary"));
    if (!parser.isSet(smoke) && !guard.claim(file))
        return 0;

    TTessaryM window;
    TDM dm(&window, std::make_unique<SqliteEngine>());
    window.setCommandLineFile(file);
    QObject::connect(&guard, &SingleInstance::fileRequested, &window,
                     [&window, &dm](const QString &f) {
                         window.showNormal();
                         window.raise();
                         window.activateWindow();
                         if (!f.isEmpty())
                             window.guarded([&] { dm.DBOpen(f); });
                     });
#ifdef Q_OS_UNIX
    closeOnTerminate(&window);
#endif
    window.show();

    if (parser.isSet(smoke)) {
        QTimer::singleShot(0, &window, [&] {
            QTextStream out(stdout);
            TTreeView *tree = window.mainTree();
            QTreeWidgetItem *shown = tree->selectedNode();
            out << "Tessary opened \"" << dm.databaseFileName() << "\" (" << window.windowTitle()
                << "): " << tree->nodeCount() << " nodes, showing \""
                << (shown ? shown->text(0) : QString()) << "\"\n";
            if (parser.isSet(screenshot))
                window.grab().save(parser.value(screenshot));
            window.close();
            QCoreApplication::quit();
        });
    }
    return app.exec();
}
