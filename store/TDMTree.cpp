#include "store/TDM.h"

#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "platform/db/EngineError.h"
#include "platform/db/FieldCompression.h"
#include "platform/paths/Paths.h"
#include "store/FlagScope.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportSchema.h"
#include "store/ReportTree.h"
#include "store/StoreHost.h"
#include "store/StoreLog.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>

// The outline row (the stored tree, written with a version check) and the
// intake of rows that no node holds yet.

// ---- Stored tree -----------------------------------------------------------

QByteArray TDM::readOutline(QByteArray *digest)
{
    bool compressed = false;
    const QByteArray kept = m_table->storedBytes(ReportSchema::PageContent, &compressed);
    *digest =
        kept.isEmpty() ? QByteArray() : QCryptographicHash::hash(kept, QCryptographicHash::Md5);
    if (!compressed)
        return kept;
    try {
        return FieldCompression::decompress(kept);
    } catch (const EngineError &e) {
        throw EngineError(tr("Field %1: %2").arg(ReportSchema::PageContent, e.message()));
    }
}

QByteArray TDM::storedTreeForm()
{
    // The compressed form is made again only where the tree changed since
    // the last store, so that storing a large tree after a small change
    // costs little.
    if (m_outlineLevel > 0)
        return m_outlineStream.compress(m_tree->topNode(), m_outlineLevel);
    return m_tree->saveToStream();
}

void TDM::SaveTree()
{
    if (!tableReady())
        return;
    if (ReportNode *root = m_tree->root())
        root->data = qMax(0, m_tree->absoluteIndex(m_tree->selectedNode()));
    const QByteArray stored = storedTreeForm();
    const QByteArray digest = QCryptographicHash::hash(stored, QCryptographicHash::Md5);
    const qint64 remembered = m_table->eof() ? -1 : m_table->currentRowId();
    // The tree is stored with a version check: the stored tree must still be
    // the one this window read or wrote last, or another window (on another
    // machine, for a server report) changed the arrangement meanwhile and
    // storing ours would undo it. The outline row is locked while it is
    // compared and written; what is compared is a digest of the stored
    // bytes, computed where they are, so the tree is not read back.
    QByteArray written;
    DbTransaction transaction(*m_engine);
    if (locateOutline()) {
        m_table->edit();
        if (m_storedTreeKnown &&
            m_table->storedDigest(ReportSchema::PageContent) != m_storedDigest) {
            m_table->cancel();
            throw TreeChangedElsewhere(
                tr("Another window changed the tree of this report; the tree is shown as it "
                   "stands now, and your last change to it was not stored."));
        }
        if (m_storedTreeKnown && digest == m_storedDigest) {
            m_table->cancel(); // the row holds these very bytes already
        } else {
            m_table->setStoredBytes(ReportSchema::PageContent, stored);
            m_table->post();
        }
        written = digest;
    } else if (m_table->locate(ReportSchema::PageId, qint64(0))) {
        throw TessaryError(tr("The tree cannot be stored: row 0 of the report is a page, "
                              "not the outline row."));
    } else {
        ReportSchema::appendOutlineRow(*m_table, m_tree->saveToStream());
        written = m_table->storedDigest(ReportSchema::PageContent);
    }
    transaction.commit();
    m_storedDigest = written;
    m_storedTreeKnown = true;
    if (remembered >= 0)
        m_table->gotoRowId(remembered);
    m_host->CheckButtons();
}

void TDM::ReloadTree()
{
    if (m_storeClosing || !isOpen() || !locateOutline())
        return;
    const int selected = m_tree->absoluteIndex(m_tree->selectedNode());
    // The shown page stays shown, with its edits, under the node of its row.
    const ReportNode *shown = m_tree->node(ShownItemIndex);
    const bool shownRoot = shown && shown->kind == PageKind::Root;
    const qint32 shownId = shown && PageKind::holdsPageId(shown->kind) ? shown->data : 0;
    const bool shownSelected = shown && shown == m_tree->selectedNode();
    QByteArray digest;
    m_tree->loadFromStream(readOutline(&digest));
    m_storedDigest = digest;
    m_storedTreeKnown = true;
    ReportNode *again = shownRoot ? m_tree->root() : m_tree->findPage(shownId);
    ShownItemIndex = QPersistentModelIndex(m_tree->indexOf(again));
    emit m_tree->expandAllRequested();
    if (ReportNode *node = shownSelected && again ? again : m_tree->nodeAt(selected)) {
        const QSignalBlocker block(m_tree->selection());
        m_tree->selectNode(node);
    }
    // Rows whose nodes were in the tree this window could not store (a page
    // it added while another window stored its tree) are placed again, so
    // that no page is lost.
    if (!m_reloading) {
        FlagScope reloading(m_reloading);
        try {
            GetNewPages();
        } catch (const std::exception &e) {
            qCWarning(lcStore) << "Rows without node could not be placed:" << e.what();
        }
    }
    m_host->CheckButtons();
}

// ---- Intake ----------------------------------------------------------------

QString TDM::tabField(const QString &text, int field)
{
    QString rest = text;
    for (int i = 1; i < field; ++i) {
        const int tab = rest.indexOf(QLatin1Char('\t'));
        rest = tab >= 0 ? rest.mid(tab + 1) : QString();
    }
    const int tab = rest.indexOf(QLatin1Char('\t'));
    return tab >= 0 ? rest.left(tab) : rest;
}

QString TDM::signalFilePath()
{
    const QString temp = paths().TempFolder.isEmpty() ? temporaryFolder() : paths().TempFolder;
    return temp + QStringLiteral("XKTree.new");
}

bool TDM::signalPending() const
{
    // A report on a server hears of new rows from the server itself; a lost
    // connection to it is made again here, and the user is told of both.
    if (isOpen() && !m_storeClosing) {
        const bool announced = m_engine->rowsAddedAnnounced();
        const QString problem = m_engine->connectionProblem();
        if (problem != m_connectionProblem) {
            m_host->setStatusText(problem.isEmpty() ? tr("The connection to the server is back.")
                                                    : problem);
            m_connectionProblem = problem;
        }
        if (announced)
            return true;
    }
    const QFileInfo signal(signalFilePath());
    if (!signal.exists())
        return false;
    return !m_stuckSignal.isValid() || signal.lastModified() != m_stuckSignal;
}

bool TDM::takeSignalFile()
{
    const QString path = signalFilePath();
    if (!QFileInfo::exists(path))
        return false;
    // Deleted before the scan: a signal the host makes during the scan stays
    // for the next tick.
    if (QFile::remove(path)) {
        m_stuckSignal = QDateTime();
        return true;
    }
    const QDateTime time = QFileInfo(path).lastModified();
    if (time != m_stuckSignal) {
        m_stuckSignal = time;
        m_host->reportProblem(tr("The intake signal file %1 cannot be deleted; new pages are "
                                 "placed, but further signals may go unnoticed.")
                                  .arg(QDir::toNativeSeparators(path)));
    }
    return true;
}

void TDM::GetNewPages()
{
    if (m_storeClosing || !isOpen())
        return;
    takeSignalFile();
    m_engine->takeRowsAdded();

    m_held.refresh(*m_tree, newItemsCaption());
    ReportNode *group = m_held.group();
    QList<QPair<qint32, int>> fresh;
    const QList<QPair<qint64, QVariant>> outside =
        m_engine->rowsOutside(ReportSchema::Table, ReportSchema::PageType, m_held.ranges());
    for (const auto &[id, rowKind] : outside) {
        if (id == 0 && rowKind.isValid() && rowKind.toLongLong() == PageKind::Root)
            continue; // the outline row
        fresh.append({qint32(id), PageKind::nodeKindForRow(rowKind)});
    }
    if (fresh.isEmpty())
        return;

    QStringList damaged;
    std::vector<std::unique_ptr<ReportNode>> items;
    items.reserve(size_t(fresh.size()));
    for (const auto &[id, kind] : fresh) {
        QString caption;
        try {
            if (!m_table->locate(ReportSchema::PageId, qint64(id)))
                continue;
            caption = tabField(m_table->asText(ReportSchema::PageInfo), 3);
        } catch (const std::exception &e) {
            qCWarning(lcStore) << "Page" << id << "cannot be read:" << e.what();
            damaged << QString::number(id);
            caption = tr("Damaged page %1").arg(id);
        }
        items.push_back(ReportTree::makeNode(caption, kind, id));
    }
    if (!group) {
        if (m_tree->topLevelCount() == 0)
            m_tree->addNode(nullptr, tr("Project name"), PageKind::Root, 0);
        group = m_tree->addNode(m_tree->root(), newItemsCaption(), PageKind::Folder, -1);
    }
    QList<const ReportNode *> placed;
    placed.reserve(qsizetype(items.size()));
    for (const auto &item : items)
        placed.append(item.get());
    m_tree->addNodes(group, std::move(items));
    m_held.placed(*m_tree, group, placed, newItemsCaption());
    emit m_tree->expandRequested(m_tree->indexOf(group));
    if (!m_engine->isReadOnly()) {
        try {
            SaveTree();
        } catch (const TreeChangedElsewhere &) {
            // Another window stored its tree: take it, then place the rows in it.
            if (m_reloading)
                throw;
            ReloadTree();
            m_host->setStatusText(tr("Another window changed the tree of this report; it is "
                                     "shown as it stands now."));
        }
    }
    if (!damaged.isEmpty())
        m_host->reportProblem(
            tr("These pages are damaged and cannot be read: %1. They are placed under \"%2\" "
               "with a title that says so; the other pages are not affected.")
                .arg(damaged.join(QStringLiteral(", ")), newItemsCaption()));
}
