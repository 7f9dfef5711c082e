// TDM, continued: page rows made from files (AddRecord, AppendFile). The
// editor reads the file before anything is written, so that no lock on the
// report is held while a large picture is decoded and a host writing the same
// report never waits for it; the row, its content and the tree then go into
// the file in one transaction.
#include "store/TDM.h"

#include "platform/TessaryError.h"
#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "store/ImportKinds.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportSchema.h"
#include "store/ReportTree.h"
#include "store/StoreHost.h"
#include "store/StoreLog.h"

#include <QFileInfo>
#include <QItemSelectionModel>

std::optional<QByteArray> TDM::contentFromFile(int kind, const QString &fileName)
{
    const EditorSlot slot = editorSlotForKind(kind);
    if (slot == EditorSlot::None)
        return std::nullopt;
    if (!editor(slot) && !fileName.isEmpty())
        m_host->needEditor(slot);
    PageContent *ed = editor(slot);
    // Documents, tables, charts and pictures always get content; other kinds
    // when they are made from a file. The editor reads the file by its kind.
    const bool alwaysFilled = slot == EditorSlot::Document || slot == EditorSlot::Table ||
                              slot == EditorSlot::Chart || slot == EditorSlot::Picture;
    if (!ed || (fileName.isEmpty() && !alwaysFilled))
        return std::nullopt;
    if (slot == EditorSlot::Document)
        ed->clearContent();
    if (!fileName.isEmpty())
        ed->loadFile(fileName);
    return ed->saveContent();
}

PageContent *TDM::editorForImport(int kind)
{
    const EditorSlot slot = editorSlotForKind(kind);
    if (slot == EditorSlot::None)
        return nullptr;
    if (!editor(slot))
        m_host->needEditor(slot);
    return editor(slot);
}

qint32 TDM::AddRecord(int kind, const QString &info, const QString &fileName)
{
    if (!tableReady())
        return -1;
    std::optional<QByteArray> content;
    try {
        content = contentFromFile(kind, fileName);
    } catch (...) {
        // The page's row exists all the same, empty; the error is the editor's.
        try {
            ReportSchema::appendPageRow(*m_table, kind, info);
        } catch (const std::exception &e) {
            qCWarning(lcStore) << "The bare row of an unreadable file cannot be written:"
                               << e.what();
        }
        throw;
    }
    return ReportSchema::appendPageRow(*m_table, kind, info, content.value_or(QByteArray()));
}

qint32 TDM::AppendFile(const QString &fileName, ReportNode *parent)
{
    if (!tableReady() || !parent)
        return -1;
    const QString title = PageKind::importTitle(fileName);
    const int kind = PageKind::importKind(fileName);
    if (!editorForImport(kind))
        throw TessaryError(tr("%1 cannot be imported: %2 pages cannot be made from files here.")
                               .arg(QFileInfo(fileName).fileName(), PageKind::name(kind)));

    ReportNode *node = m_tree->addNode(parent, title, kind, 0);
    const QModelIndex at = m_tree->indexOf(node);
    {
        // The page is shown once, by the caller, when the import is over.
        const QSignalBlocker block(m_tree->selection());
        m_tree->selectNode(node);
    }
    emit m_tree->expandRequested(m_tree->indexOf(parent));
    ShownItemIndex = QPersistentModelIndex(at);

    // Throws for a file the editor cannot read, after the bare row was written.
    qint32 id = 0;
    {
        std::optional<QByteArray> content;
        try {
            content = contentFromFile(kind, fileName);
        } catch (...) {
            try {
                ReportSchema::appendPageRow(*m_table, kind, title);
            } catch (const std::exception &e) {
                qCWarning(lcStore)
                    << "The bare row of an unreadable file cannot be written:" << e.what();
            }
            throw;
        }
        DbTransaction transaction(*m_engine);
        id = ReportSchema::appendPageRow(*m_table, kind, title, content.value_or(QByteArray()));
        m_tree->setDataWord(node, id);
        try {
            SaveTree();
            transaction.commit();
        } catch (...) {
            // Nothing of the page reached the file: the node holds no row.
            m_tree->setDataWord(node, 0);
            throw;
        }
    }
    MarkReportModified();
    return id;
}
