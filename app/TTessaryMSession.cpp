#include "app/TTessaryM.h"

#include "app/GlobalFindCommand.h"
#include "app/LanguageSetup.h"
#include "app/WindowSettings.h"
#include "platform/TessaryError.h"
#include "platform/db/ReportAddress.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/paths/Paths.h"
#include "store/PageContent.h"
#include "store/TDM.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QSplitter>
#include <QTimer>
#include <cstdio>
#include <utility>

// ---- Intake ----------------------------------------------------------------

void TTessaryM::Timer1Timer()
{
    if (m_intakeRunning || !store() || store()->databaseFileName().isEmpty())
        return;
    if (!store()->signalPending())
        return;
    // An error box runs events, and with them further ticks: one intake at a
    // time, and one message per signal rather than one per second.
    m_intakeRunning = true;
    try {
        store()->GetNewPages();
    } catch (const std::exception &e) {
        QFile::remove(TDM::signalFilePath());
        showStandardError(e, this);
    }
    m_intakeRunning = false;
    CheckButtons();
}

void TTessaryM::Panel1Click()
{
    if (store())
        guarded([this] { store()->GetNewPages(); });
}

bool TTessaryM::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Panel1 && event->type() == QEvent::MouseButtonPress)
        Panel1Click();
    return QMainWindow::eventFilter(watched, event);
}

// ---- File commands ---------------------------------------------------------

void TTessaryM::New1Click()
{
    const QString file = dialogs().saveFile(this, tr("New report"), paths().ProgramFolder,
                                            tr("Output manager|*.sup"), QStringLiteral("SUP"));
    if (!file.isEmpty())
        store()->DBCreate(file);
}

void TTessaryM::Save1Click()
{
    // One dialog for both kinds of report: a file, or a server report's
    // address typed in the field under the file list.
    const QString chosen = dialogs().openReport(this, tr("Open report"), paths().ProgramFolder,
                                                tr("Output manager|*.sup"), m_lastAddress);
    if (chosen.isEmpty())
        return;
    if (ReportAddress::isServer(chosen)) {
        m_lastAddress = chosen;
        ReportAddress::parse(chosen); // a malformed address is refused with its fault
    }
    store()->DBOpen(chosen);
}

void TTessaryM::OpenAddress1Click()
{
    // A report on a server is named by its address; the password comes from
    // libpq's own sources (~/.pgpass, PGPASSWORD), never from here.
    const std::optional<QString> address = dialogs().inputText(
        this, tr("Open server report"),
        tr("Address (postgresql://[user@]host[:port]/database?report=NAME):"), m_lastAddress);
    if (!address || address->trimmed().isEmpty())
        return;
    m_lastAddress = address->trimmed();
    // A malformed address is refused with a message saying what is wrong.
    if (ReportAddress::isServer(m_lastAddress))
        ReportAddress::parse(m_lastAddress);
    store()->DBOpen(m_lastAddress);
}

void TTessaryM::Quit1Click()
{
    close();
}

void TTessaryM::requestOpen(const QString &fileName)
{
    m_requestedFile = fileName;
    if (!m_requestTimer) {
        m_requestTimer = new QTimer(this);
        m_requestTimer->setInterval(200);
        connect(m_requestTimer, &QTimer::timeout, this, &TTessaryM::openRequested);
    }
    m_requestTimer->start();
    openRequested();
}

void TTessaryM::openRequested()
{
    // A dialog's command holds nodes of the open report; the hand-over waits
    // until no dialog is open and no page is being shown.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget() ||
        (store() && store()->StoreClosing()))
        return;
    m_requestTimer->stop();
    const QString file = std::exchange(m_requestedFile, QString());
    if (file.isEmpty() || !store() || m_closed)
        return;
    guarded([&] { store()->DBOpen(file); });
    CheckButtons();
}

void TTessaryM::Globalfind1Click()
{
    m_globalFind->Globalfind1Click();
}

void TTessaryM::Printersetup1Click()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    dialogs().printerSetup(this, m_printer.get());
}

// ---- Window life -------------------------------------------------------------

void TTessaryM::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Opening the report runs from the event loop, so that a quit request
    // arriving meanwhile (or during a start-up error box) ends the program.
    if (FirstActivation)
        QTimer::singleShot(0, this, &TTessaryM::FormActivate);
}

bool TTessaryM::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !FirstActivation)
        FormActivate();
    return QMainWindow::event(event);
}

void TTessaryM::FormActivate()
{
    if (!FirstActivation)
        return;
    FirstActivation = false;
    m_language->startUp();
    // Editors made before the store registers with it now.
    if (store()) {
        for (auto it = m_editorContents.cbegin(); it != m_editorContents.cend(); ++it)
            store()->registerEditor(EditorSlot(it.key()), it.value());
    }
    restorePlacement();
    if (store())
        guarded([this] { openStartReport(); });
    Panel2->setFixedWidth(Splitter1->sizes().value(0));
    CheckButtons();
    emit startUpFinished();
}

void TTessaryM::restorePlacement()
{
    if (paths().SettingsPath.isEmpty())
        return;
    const WindowPlacement p = WindowSettings::read(paths().SettingsPath, geometry());
    setGeometry(p.left, p.top, p.width, p.height);
    Splitter1->setSizes({p.treeWidth, qMax(1, width() - p.treeWidth)});
    AdvSplitter1->setSizes({qMax(1, AdvSplitter1->height() - p.commentHeight), p.commentHeight});
}

void TTessaryM::openStartReport()
{
    const QString sample = paths().ProgramFolder + QStringLiteral("Sample.SUP");
    if (ReportAddress::isServer(m_commandLineFile)) {
        store()->DBOpen(m_commandLineFile);
        return;
    }
    if (!m_commandLineFile.isEmpty() && !QFileInfo(m_commandLineFile).isFile())
        dialogs().message(
            this,
            tr("The report %1 does not exist.").arg(QDir::toNativeSeparators(m_commandLineFile)),
            Dialogs::Icon::Error);
    if (!m_commandLineFile.isEmpty() && QFileInfo(m_commandLineFile).isFile())
        store()->DBOpen(m_commandLineFile);
    else if (QFileInfo(sample).isFile())
        store()->DBOpen(sample);
}

void TTessaryM::FormDestroy()
{
    if (paths().SettingsPath.isEmpty())
        return;
    WindowPlacement p;
    p.state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    const QRect g = normalGeometry().isValid() ? normalGeometry() : geometry();
    p.left = g.left();
    p.top = g.top();
    p.width = g.width();
    p.height = g.height();
    p.commentHeight = BottomRightPanel->height();
    p.treeWidth = LeftPanel->width();
    try {
        WindowSettings::write(paths().SettingsPath, p);
    } catch (const std::exception &e) {
        qWarning("Cannot write the window settings: %s", e.what());
    }
}

void TTessaryM::closeEvent(QCloseEvent *event)
{
    // Closing is never refused: what cannot be stored is reported, not kept.
    if (!m_closed) {
        m_closed = true;
        Timer1->stop();
        SaveModif();
        try {
            if (store())
                store()->CloseFile();
        } catch (const std::exception &e) {
            const auto *te = dynamic_cast<const TessaryError *>(&e);
            const QString why = te ? te->message() : QString::fromLocal8Bit(e.what());
            const QString text = tr("The report tree could not be stored: %1").arg(why);
            std::fprintf(stderr, "tessary: %s\n", text.toLocal8Bit().constData());
            dialogs().message(this, text, Dialogs::Icon::Error);
        }
        FormDestroy();
    }
    event->accept();
}

void TTessaryM::showStandardError(const std::exception &e, QWidget *parent)
{
    const auto *te = dynamic_cast<const TessaryError *>(&e);
    const QString text = te ? te->message() : QString::fromLocal8Bit(e.what());
    dialogs().message(parent, text, Dialogs::Icon::Error);
}
