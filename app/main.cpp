#include "app/TTessaryM.h"
#include "app/TTreeView.h"
#include "app/TessaryApplication.h"
#include "platform/HeapTuning.h"
#include "platform/db/DbEngine.h"
#include "platform/db/EngineFactory.h"
#include "platform/db/ReportAddress.h"
#include "platform/dialogs/StreamDialogs.h"
#include "platform/instance/SingleInstance.h"
#include "platform/paths/Paths.h"
#include "store/ReportTree.h"
#include "store/TDM.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

void describe(QCommandLineParser &parser, QCommandLineOption &smoke, QCommandLineOption &screenshot)
{
    parser.setApplicationDescription(QStringLiteral("Tessary keeps an analysis report."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("report"),
                                 QStringLiteral("Report file (.SUP) to open."));
    parser.addOption(smoke);
    parser.addOption(screenshot);
}

// --help and --version answer without a display: they need no window system.
bool asksForHelp(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char *o : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], o) == 0)
                return true;
    }
    return false;
}

#ifdef Q_OS_UNIX
int g_signalFd[2] = {-1, -1};
std::atomic<int> g_signals{0};

void onTerminate(int sig)
{
    // A second request while the first is still being served ends at once.
    if (g_signals.fetch_add(1) >= 1)
        std::_Exit(128 + sig);
    const char c = 1;
    [[maybe_unused]] auto n = ::write(g_signalFd[0], &c, 1);
}

// Ends the program after a quit request: no dialog will wait for an answer
// any more, open dialogs are closed, and the window closes as the window
// manager would close it, storing what can be stored. Should storing hang,
// the program ends all the same after a grace period.
void quitOnRequest(TTessaryM *window)
{
    installDialogs(std::make_unique<StreamDialogs>());
    std::thread([] {
        std::this_thread::sleep_for(std::chrono::seconds(20));
        std::fprintf(stderr, "tessary: storing did not finish in time; quitting.\n");
        std::_Exit(1);
    }).detach();
    auto finish = std::make_shared<std::function<void()>>();
    *finish = [window, finish] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            modal->close();
            QTimer::singleShot(0, window, *finish);
            return;
        }
        window->close();
        QCoreApplication::quit();
    };
    QTimer::singleShot(0, window, *finish);
}

void closeOnTerminate(TTessaryM *window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalFd) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_signalFd[1], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window, notifier] {
        char c;
        [[maybe_unused]] auto n = ::read(g_signalFd[1], &c, 1);
        notifier->setEnabled(false);
        quitOnRequest(window);
    });
    struct sigaction sa = {};
    sa.sa_handler = onTerminate;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}
#endif

} // namespace

int main(int argc, char **argv)
{
    HeapTuning::keepPictureBuffersInHeap();
    QCommandLineOption smoke(QStringLiteral("quit-after-open"),
                             QStringLiteral("Open the report, print what is shown and quit; "
                                            "errors go to standard error and the exit code."));
    QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("With --quit-after-open: save a picture of the window."),
        QStringLiteral("png"));
    if (asksForHelp(argc, argv)) {
        QCoreApplication core(argc, argv);
        core.setApplicationName(QStringLiteral("Tessary"));
        core.setApplicationVersion(QStringLiteral(TESSARY_VERSION));
        QCommandLineParser parser;
        describe(parser, smoke, screenshot);
        parser.process(core); // prints and exits
        return 0;
    }

    // A run that only opens and quits needs no display: without one it draws offscreen.
    bool quitAfterOpen = false;
    for (int i = 1; i < argc; ++i)
        quitAfterOpen = quitAfterOpen || std::strcmp(argv[i], "--quit-after-open") == 0;
    if (quitAfterOpen && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TessaryApplication app(argc, argv);
    QCommandLineParser parser;
    describe(parser, smoke, screenshot);
    parser.process(app);
    const bool headless = parser.isSet(smoke);
    // Absolute, so that a copy started elsewhere can hand it to the running one;
    // a report on a server is named by its address, which is handed on as it is.
    const QString argument = parser.positionalArguments().value(0);
    const QString file = argument.isEmpty() || ReportAddress::isServer(argument)
                             ? argument
                             : QFileInfo(argument).absoluteFilePath();

    computeProgramPaths(QCoreApplication::applicationFilePath());
    StreamDialogs *streamDialogs = nullptr;
    if (headless) {
        auto d = std::make_unique<StreamDialogs>();
        streamDialogs = d.get();
        installDialogs(std::move(d));
    }

    SingleInstance guard(QStringLiteral("Tessary"));
    if (!headless && !guard.claim(file))
        return 0;

    TTessaryM window;
    TDM dm(&window, EngineFactory::anyAddress());
    // Rows announced by a server are placed at once, not at the next tick.
    dm.engine().onRowsAdded = [&window] { window.Timer1Timer(); };
    window.createEditors();
    window.setCommandLineFile(file);
    QObject::connect(&guard, &SingleInstance::fileRequested, &window, [&window](const QString &f) {
        window.showNormal();
        window.raise();
        window.activateWindow();
        if (!f.isEmpty())
            window.requestOpen(f);
    });
#ifdef Q_OS_UNIX
    closeOnTerminate(&window);
#endif
    const QFileInfo temp(paths().TempFolder);
    if (!temp.isDir() || !temp.isWritable()) {
        const QString text = QObject::tr("The temporary folder %1 cannot be written: pages sent "
                                         "by the host will not be noticed.")
                                 .arg(paths().TempFolder);
        std::fprintf(stderr, "tessary: %s\n", text.toLocal8Bit().constData());
        window.setStatusText(text);
    }
    window.show();

    int failed = 0;
    if (headless) {
        // After the start-up has shown its page: showing a page runs events,
        // and the report is to describe the window as the user would see it.
        QObject::connect(
            &window, &TTessaryM::startUpFinished, &window,
            [&] {
                QTextStream out(stdout);
                ReportTree *tree = dm.tree();
                ReportNode *shown = tree->selectedNode();
                out << "Tessary opened \"" << dm.databaseFileName() << "\" ("
                    << window.windowTitle() << "): " << tree->nodeCount() << " nodes, showing \""
                    << (shown ? shown->text : QString()) << "\"\n";
                out.flush();
                if (parser.isSet(screenshot))
                    window.grab().save(parser.value(screenshot));
                const bool opened = !dm.databaseFileName().isEmpty();
                window.close();
                failed = streamDialogs->errorCount() > 0 || !opened;
                QCoreApplication::quit();
            },
            Qt::QueuedConnection);
    }
    const int rc = app.exec();
    return rc != 0 ? rc : failed;
}
