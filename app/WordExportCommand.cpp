#include "app/WordExportCommand.h"

#include "export/WordExport.h"
#include "platform/TessaryError.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/paths/Paths.h"
#include "store/PageState.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

WordExportCommand::WordExportCommand(Hooks hooks, QWidget *parent)
    : m_hooks(std::move(hooks)), m_parent(parent)
{
}

QString WordExportCommand::tempFolder() const
{
    QString folder = m_tempFolder;
    if (folder.isEmpty())
        folder = paths().TempFolder;
    if (folder.isEmpty())
        folder = temporaryFolder();
    if (!folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += u'/';
    return folder;
}

QString WordExportCommand::ExportMSWordClick(int tag)
{
    auto progress = [this](bool on) {
        if (m_hooks.showProgress)
            m_hooks.showProgress(on);
    };
    if (m_hooks.saveModif)
        m_hooks.saveModif();
    const bool selected = m_hooks.selectPages ? m_hooks.selectPages() : true;
    PageModified = false;
    progress(true);
    if (!selected) {
        progress(false);
        return QString();
    }

    int filterIndex = tag >= 1 && tag <= 3 ? tag : 1;
    QString target = dialogs().saveFileFiltered(
        m_parent, QCoreApplication::translate("WordExportCommand", "Export as document"), QString(),
        WordExport::saveFilter(), filterIndex);
    if (target.isEmpty()) {
        progress(false);
        return QString();
    }
    target = WordExport::targetFileName(target, filterIndex);

    // The report as HTML in the temporary folder; its pictures stay in temp_files.
    const QString html = tempFolder() + QStringLiteral("temp.html");
    bool written = false;
    bool created = false;
    try {
        created = m_hooks.createHtml && m_hooks.createHtml(html);
    } catch (const TessaryError &e) {
        dialogs().message(m_parent, e.message(), Dialogs::Icon::Error);
    }
    if (created) {
        if (WordExport::formatOfFilter(filterIndex) == WordExport::Format::Docx) {
            try {
                WordExport::writeDocx(html, target);
                written = true;
            } catch (const TessaryError &e) {
                dialogs().message(m_parent, e.message(), Dialogs::Icon::Error);
            }
        } else {
            written = WordExport::ConvertHTMLToRTF(html, target, -1, m_library) == 0;
        }
    }
    QFile::remove(html);
    if (m_hooks.showNode)
        m_hooks.showNode();
    if (m_hooks.clearStatus)
        m_hooks.clearStatus();
    progress(false);
    if (!created)
        return QString();

    if (dialogs().confirm(m_parent,
                          QCoreApplication::translate("WordExportCommand",
                                                      "Do you want to view the document?"))) {
        if (m_hooks.openDocument)
            m_hooks.openDocument(target);
        else
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath()));
    }
    return written ? target : QString();
}
