#include "app/ExportCommands.h"

#include "app/MainActions.h"
#include "app/TTessaryM.h"
#include "app/WordExportCommand.h"
#include "diagram/TDiagramEditor.h"
#include "editors/picture/TImageEditor.h"
#include "export/HtmlExport.h"
#include "export/TSelectItemDlg.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/imaging/PictureWriter.h"
#include "store/PageState.h"
#include "store/TDM.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolButton>
#include <QUrl>

namespace {
// While an export runs the window processes its events (painting, the intake
// timer) but takes no input except the cancel button and Escape: a command
// that changed the tree or the editors would pull pages from under it.
class ExportInputGuard : public QObject
{
public:
    ExportInputGuard(QWidget *cancelButton, bool *cancel)
        : m_cancelButton(cancelButton), m_cancel(cancel)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~ExportInputGuard() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
                *m_cancel = true;
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            // The window passes the click on to the widget under the mouse,
            // where it is let through for the cancel button only.
            return !watched->isWindowType() && watched != m_cancelButton;
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::Drop:
            return true;
        default:
            return false;
        }
    }

private:
    QWidget *m_cancelButton;
    bool *m_cancel;
};

QString pictureFilter()
{
    return QCoreApplication::translate("ExportCommands",
                                       "Portable Network Graphics (*.png)|*.png|JPEG Image File "
                                       "(*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp");
}
} // namespace

ExportCommands::ExportCommands(TTessaryM *window)
    : QObject(window), openUrl(&QDesktopServices::openUrl), m_window(window)
{
    ProgressBar1 = new QProgressBar(window->statusBar());
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(true);
    ProgressBar1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ProgressBar1->setMinimumWidth(260);
    ProgressBar1->hide();
    m_cancelButton = new QToolButton(window->statusBar());
    m_cancelButton->setObjectName(QStringLiteral("ExportCancelBtn"));
    m_cancelButton->setText(tr("Cancel"));
    m_cancelButton->setToolTip(tr("Stop the export"));
    m_cancelButton->hide();
    window->statusBar()->addPermanentWidget(ProgressBar1, 1);
    window->statusBar()->addPermanentWidget(m_cancelButton);
    connect(m_cancelButton, &QToolButton::clicked, this, [this] { m_cancel = true; });

    QAction *html = window->actions()->action(QStringLiteral("HTML1"));
    html->setEnabled(true);
    connect(html, &QAction::triggered, this,
            [this] { m_window->guarded([this] { HTML1Click(); }); });
    // "MS Word..." (tag 1), "Rich Text..." (tag 2), "Word document (.docx)..." (tag 3).
    const std::pair<const char *, int> wordEntries[] = {
        {"ExportMSWord", 1}, {"RTF1", 2}, {"ExportDocx", 3}};
    for (const auto &[name, tag] : wordEntries) {
        QAction *action = window->actions()->action(QString::fromLatin1(name));
        action->setEnabled(true);
        connect(action, &QAction::triggered, this,
                [this, tag = tag] { m_window->guarded([this, tag] { ExportMSWordClick(tag); }); });
    }
}

TSelectItemDlg *ExportCommands::selectItemDlg()
{
    if (!m_selectItemDlg)
        m_selectItemDlg = new TSelectItemDlg(m_window);
    return m_selectItemDlg;
}

void ExportCommands::bindEditor(QWidget *form)
{
    if (auto *diagram = qobject_cast<TDiagramEditor *>(form))
        connect(diagram, &TDiagramEditor::SavePicture, this, &ExportCommands::SavePicture);
}

void ExportCommands::showProgress(const HtmlExportProgress &p)
{
    ProgressBar1->setMaximum(qMax(0, p.maximum));
    ProgressBar1->setValue(qBound(0, p.value, qMax(0, p.maximum)));
    ProgressBar1->setFormat(p.text);
    QPalette pal = ProgressBar1->palette();
    for (QPalette::ColorRole role :
         {QPalette::Text, QPalette::WindowText, QPalette::HighlightedText})
        pal.setColor(role, p.textColour);
    ProgressBar1->setPalette(pal);
    // The window runs its events (the intake timer, repainting, the cancel
    // button) while the rest of it is disabled.
    QCoreApplication::processEvents();
}

void ExportCommands::endProgress()
{
    ProgressBar1->hide();
    m_cancelButton->hide();
    m_window->centralWidget()->setEnabled(true);
    m_window->menuBar()->setEnabled(true);
}

bool ExportCommands::selectPages()
{
    TDM *store = TDM::instance();
    if (!store || !store->isOpen() || !store->tree())
        return false;
    TSelectItemDlg *dlg = selectItemDlg();
    dlg->setReportTree(store->tree());
    dlg->RefreshSelection = true;
    dlg->FormActivate();
    const bool chosen = dialogs().runDialog(dlg);
    PageModified = false;
    return chosen;
}

HtmlExport::Result ExportCommands::createHtml(const QString &file)
{
    HtmlExport::Result result;
    m_cancel = false;
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    m_cancelButton->show();
    m_window->centralWidget()->setEnabled(false);
    m_window->menuBar()->setEnabled(false);
    try {
        ExportInputGuard guard(m_cancelButton, &m_cancel);
        m_window->SaveModif();
        HtmlExport html(*TDM::instance(), m_window->pageEditors());
        TSelectItemDlg *dlg = selectItemDlg();
        html.isTicked = [dlg](int i) { return dlg->isTicked(i); };
        html.onProgress = [this](const HtmlExportProgress &p) { showProgress(p); };
        html.isCancelled = [this] { return m_cancel; };
        result = html.CreateHTML(file);
    } catch (...) {
        endProgress();
        m_window->ShowNode();
        throw;
    }
    if (!result.failed.isEmpty())
        dialogs().message(m_window, result.problems(), Dialogs::Icon::Warning);
    return result;
}

void ExportCommands::HTML1Click()
{
    TDM *store = TDM::instance();
    if (!store || !store->isOpen() || !store->tree())
        return;
    m_window->SaveModif();
    if (!selectPages())
        return;

    const QString file = dialogs().saveFile(m_window, tr("Export to HTML"), m_exportFolder,
                                            tr("HTML files|*.htm;*.html"), QStringLiteral("html"));
    if (file.isEmpty())
        return;
    m_exportFolder = QFileInfo(file).absolutePath();

    const HtmlExport::Result result = createHtml(file);
    m_window->ShowNode();
    m_window->statusPanel(0)->clear();
    endProgress();
    if (result.cancelled) {
        m_window->setStatusText(tr("Export cancelled"));
        return;
    }
    if (dialogs().confirm(m_window, tr("Do you want to view the document?")) && openUrl)
        openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
}

QString ExportCommands::ExportMSWordClick(int tag)
{
    TDM *store = TDM::instance();
    if (!store || !store->isOpen() || !store->tree())
        return QString();
    WordExportCommand::Hooks hooks;
    hooks.saveModif = [this] { m_window->SaveModif(); };
    hooks.selectPages = [this] { return selectPages(); };
    hooks.createHtml = [this](const QString &html) { return !createHtml(html).cancelled; };
    hooks.showNode = [this] { m_window->ShowNode(); };
    hooks.showProgress = [this](bool on) {
        if (!on)
            endProgress();
    };
    hooks.clearStatus = [this] { m_window->statusPanel(0)->clear(); };
    hooks.openDocument = [this](const QString &file) {
        if (openUrl)
            openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    };
    WordExportCommand command(std::move(hooks), m_window);
    if (m_wordLibrary)
        command.setLibrary(m_wordLibrary);
    return command.ExportMSWordClick(tag);
}

void ExportCommands::SavePicture(const QImage &picture)
{
    int filterIndex = 1;
    const QString chosen = dialogs().saveFileFiltered(m_window, tr("Save picture"), m_pictureFolder,
                                                      pictureFilter(), filterIndex);
    if (chosen.isEmpty())
        return;
    m_pictureFolder = QFileInfo(chosen).absolutePath();
    m_window->guarded([&] {
        switch (filterIndex) {
        case 2:
            PictureWriter::writeJpeg(
                picture, TImageEditor::changeFileExt(chosen, QStringLiteral(".JPG")), 90, true);
            break;
        case 3:
            PictureWriter::writeBmp(picture,
                                    TImageEditor::changeFileExt(chosen, QStringLiteral(".BMP")));
            break;
        default:
            PictureWriter::writePng(picture,
                                    TImageEditor::changeFileExt(chosen, QStringLiteral(".PNG")));
            break;
        }
    });
}
