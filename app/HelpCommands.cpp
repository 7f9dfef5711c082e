#include "app/HelpCommands.h"

#include "app/TIntro.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/i18n/HelpSet.h"
#include "platform/i18n/THelpWindow.h"
#include "platform/paths/Paths.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMainWindow>
#include <QUrl>

namespace {
// Help contexts of the forms by class, and of a few widgets by name.
int contextOfClass(const QWidget *w)
{
    static const QHash<QByteArray, int> byClass{
        {"TTessaryM", HelpSet::MainWindow},
        {"TNewNoteDlg", HelpSet::NewItemDialog},
        {"TWPEditor", HelpSet::DocumentEditor},
        {"TGridEditor", HelpSet::TableEditor},
        {"TChartEditor", HelpSet::ChartEditor},
        {"ChartEditDialog", HelpSet::ChartEditor},
        {"TImageEditor", HelpSet::PictureEditor},
        {"TDiagramEditor", HelpSet::DiagramEditor},
        {"TEditBlockDlg", HelpSet::DiagramEditor},
        {"TSizingDlg", HelpSet::DiagramEditor},
        {"TWordCloudEditor", HelpSet::WordCloudEditor},
        {"TTagOptionsDlg", HelpSet::WordCloudEditor},
        {"TTimeLineDlg", HelpSet::TimelineViewer},
        {"TTimeLineOptionsDlg", HelpSet::TimelineViewer},
        {"TSelectDlg", HelpSet::Export},
        {"TExportDlg", HelpSet::Export},
        {"TFindDlg", HelpSet::GlobalFind},
        {"TGlobalFindDlg", HelpSet::GlobalFind},
    };
    if (w->objectName() == QLatin1String("Comment"))
        return HelpSet::CommentBox;
    return byClass.value(QByteArray(w->metaObject()->className()), 0);
}
} // namespace

HelpCommands::HelpCommands(QMainWindow *window) : QObject(window), m_window(window)
{
    window->setProperty("helpContext", int(HelpSet::MainWindow));
    qApp->installEventFilter(this);
}

THelpWindow *HelpCommands::helpWindow() const
{
    return m_help.data();
}

QString HelpCommands::homePage()
{
    return QStringLiteral("https://www.orvane.com/");
}

int HelpCommands::helpContextOf(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        bool ok = false;
        const int own = w->property("helpContext").toInt(&ok);
        if (ok && own > 0)
            return own;
        if (const int c = contextOfClass(w))
            return c;
    }
    return HelpSet::MainWindow;
}

void HelpCommands::showHelp(int context)
{
    QString folder = HelpSet::current();
    if (folder.isEmpty())
        folder = HelpSet::locate(QStringLiteral("Tessary.CHM"),
                                 HelpSet::defaultRoots(paths().ProgramFolder));
    // Under a modal dialog only the dialog's own windows take input.
    QWidget *modal = QApplication::activeModalWidget();
    QWidget *owner = modal ? modal : m_window;
    if (!m_help || m_help->parentWidget() != owner) {
        delete m_help;
        m_help = new THelpWindow(owner);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->showTopic(folder, context);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void HelpCommands::Helptopics1Click()
{
    showHelp(HelpSet::MainWindow);
}

void HelpCommands::Webpage1Click()
{
    QDesktopServices::openUrl(QUrl(homePage()));
}

void HelpCommands::About1Click()
{
    TIntro intro(m_window);
    dialogs().runDialog(&intro);
}

bool HelpCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1 &&
        watched->isWidgetType()) {
        auto *w = static_cast<QWidget *>(watched);
        // The help window answers F1 itself by staying where it is.
        if (m_help && (w == m_help || m_help->isAncestorOf(w)))
            return true;
        // The key goes to the widget with the focus: its window or dialog
        // gives the page.
        showHelp(helpContextOf(w));
        return true;
    }
    return QObject::eventFilter(watched, event);
}
