#include "app/ImportCommand.h"

#include "app/TTessaryM.h"
#include "app/TTreeView.h"
#include "platform/TessaryError.h"
#include "platform/dialogs/Dialogs.h"
#include "store/FileImport.h"
#include "store/PageState.h"
#include "store/ReportTree.h"
#include "store/TDM.h"

#include <QApplication>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QPlainTextEdit>

namespace {
// The wait cursor for the length of a scope, also when it is left by an exception.
struct WaitCursor
{
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};
} // namespace

ImportCommand::ImportCommand(TTessaryM *window) : QObject(window), m_window(window) {}

QString ImportCommand::ImportFilter()
{
    return tr("Tabular data (*.tab;*.csv)|*.tab;*.csv;*.grid2|Chart results (*.kcx)|*.kcx|"
              "Text file (*.txt;*.doc;*.wpd;*.rtf;*.htm*)|*.txt;*.doc;*.wpd;*.rtf;*.htm*|"
              "Graphic file (*.bmp;*.wmf;*.jpg;*.png)|*.bmp;*.wmf;*.jpg;*.png|"
              "All files (*.*)|*");
}

void ImportCommand::NodeImportClick()
{
    TDM *dm = TDM::instance();
    if (!dm || !dm->isOpen())
        return;
    m_window->SaveModif();
    const QStringList files = dialogs().openFiles(m_window, tr("Import files"), m_folder,
                                                  ImportFilter(), ImportFilterIndex);
    if (files.isEmpty() || !dm->isOpen())
        return;
    m_folder = QFileInfo(files.first()).absolutePath();
    importFiles(files);
}

void ImportCommand::importFiles(const QStringList &files)
{
    TDM *dm = TDM::instance();
    if (!dm || !dm->isOpen() || files.isEmpty())
        return;
    ReportTree *tree = dm->tree();
    m_window->commentBox()->clear();
    CommentModified = false;
    ReportNode *under = tree->selectedNode() ? tree->selectedNode() : tree->root();
    if (!under)
        return;

    FileImport::Result result;
    {
        const WaitCursor wait;
        FileImport importer(*dm, m_window);
        importer.keepResponsive = true;
        result = importer.run(files, QPersistentModelIndex(tree->indexOf(under)));
    }
    // The editors hold the last file's page, stored already: nothing of it is
    // stored again, and nothing at all for a node left without row.
    PageModified = false;
    CommentModified = false;
    const QModelIndex current = tree->indexOf(tree->selectedNode());
    if (current.isValid())
        m_window->mainTree()->scrollTo(current);
    m_window->mainTree()->viewport()->update();
    m_window->ShowNode();
    if (!result.ok())
        throw TessaryError(result.message());
}
