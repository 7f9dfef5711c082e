#include "store/TDM.h"

#include "platform/TessaryError.h"
#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "platform/db/EngineError.h"
#include "platform/db/FieldCompression.h"
#include "platform/db/ReportAddress.h"
#include "platform/ini/IniFile.h"
#include "platform/paths/Paths.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportSchema.h"
#include "store/ReportTree.h"
#include "store/StoreHost.h"
#include "store/StoreLog.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QSet>
#include <QTimer>
#include <algorithm>

bool PageModified = false;
bool CommentModified = false;
QPersistentModelIndex ShownItemIndex;

namespace {
TDM *g_instance = nullptr;
StoreHost g_headless;

// Clears a flag when the scope ends, also by an exception.
struct FlagScope
{
    explicit FlagScope(bool &f) : flag(f) { flag = true; }
    ~FlagScope() { flag = false; }
    bool &flag;
};

// The file-name part of a path written on any platform (the host writes
// Windows paths into its project file).
QString fileNamePart(const QString &path)
{
    if (ReportAddress::isServer(path)) {
        try {
            return ReportAddress::parse(path).displayName();
        } catch (const TessaryError &) {
        }
    }
    const int cut = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}
} // namespace

TDM::TDM(StoreHost *host, std::unique_ptr<DbEngine> engine, QObject *parent)
    : QObject(parent), m_host(host ? host : &g_headless), m_engine(std::move(engine)),
      m_tree(new ReportTree(this))
{
    g_instance = this;
    connect(m_tree, &ReportTree::nodeDeleted, this, &TDM::onNodeDeleted);
    m_host->attachTree(m_tree);
    // While the host holds the report locked, say so; the line goes when the
    // program is back in its event loop.
    m_engine->onBusy = [this] {
        m_host->setStatusText(tr("Waiting for the host to finish writing the report..."));
        QTimer::singleShot(0, this, [this] { m_host->setStatusText(QString()); });
    };
}

TDM::~TDM()
{
    if (g_instance == this)
        g_instance = nullptr;
}

TDM *TDM::instance()
{
    return g_instance;
}

void TDM::registerEditor(EditorSlot slot, PageContent *editor)
{
    m_editors.insert(int(slot), editor);
}

bool TDM::isOpen() const
{
    return m_engine->isConnected() && m_table && m_table->isOpen();
}

bool TDM::tableReady() const
{
    return !m_storeClosing && isOpen() && !m_engine->isReadOnly();
}

QString TDM::databaseFileName() const
{
    return m_engine->isConnected() ? m_engine->fileName() : QString();
}

// ---- Report file ---------------------------------------------------------

void TDM::DBCreate(const QString &fileName)
{
    CloseFile();
    if (QFileInfo::exists(fileName)) {
        m_engine->connect(fileName);
        m_engine->shareWithOtherProcesses();
    } else {
        m_engine->createDatabase(fileName);
    }
    m_publicFileName = fileName;
    m_host->setReportCaption(tr("Tessary - ") + fileNamePart(fileName).toUpper());
    try {
        DbTransaction transaction(*m_engine);
        ReportSchema::createOutputTable(*m_engine);
        m_table = m_engine->table(ReportSchema::Table);
        m_table->afterDelete = [this] { MarkReportModified(); };
        m_table->open();
        m_outlineLevel = m_table->storedCompression(ReportSchema::PageContent);
        m_outlineStream.clear();
        m_tree->clearTree();
        m_storedTreeKnown = false;
        ReportNode *root = m_tree->addNode(nullptr, tr("Project name"), PageKind::Root, 0);
        ReportSchema::appendOutlineRow(*m_table, QByteArray());
        for (const QString &title : {tr("First document"), tr("Second document")})
            m_tree->addNode(root, title, PageKind::Document,
                            ReportSchema::appendPageRow(*m_table, PageKind::Document, title));
        SaveTree();
        transaction.commit();
    } catch (...) {
        m_table.reset();
        m_engine->disconnect();
        m_tree->clearTree();
        throw;
    }
    emit m_tree->expandAllRequested();
    m_host->CheckButtons();
}

void TDM::checkIsReport(const QString &fileName)
{
    const FieldDefs fields = m_engine->tableFields(ReportSchema::Table);
    QStringList missing;
    for (const FieldDef &want : ReportSchema::outputFields()) {
        const bool present = std::any_of(fields.cbegin(), fields.cend(), [&](const FieldDef &f) {
            return f.name.compare(want.name, Qt::CaseInsensitive) == 0;
        });
        if (!present)
            missing << want.name;
    }
    if (fields.isEmpty())
        throw TessaryError(tr("%1 is not a report: it has no table %2.")
                               .arg(QDir::toNativeSeparators(fileName), ReportSchema::Table));
    if (!missing.isEmpty())
        throw TessaryError(tr("%1 is not a report: table %2 has no field %3.")
                               .arg(QDir::toNativeSeparators(fileName), ReportSchema::Table,
                                    missing.join(QStringLiteral(", "))));
}

void TDM::DBOpen(const QString &fileName, bool readOnly)
{
    CloseFile();
    m_table.reset();
    m_engine->disconnect();

    const QString projectFile = ReportSchema::projectFilePath(fileName);
    m_publicFileName = fileName;
    try {
        m_publicFileName = IniFile(projectFile)
                               .readString(QStringLiteral("OPTIONS"),
                                           QStringLiteral("Public File Name"), fileName);
    } catch (const TessaryError &e) {
        qCWarning(lcStore) << "Cannot read the project file:" << e.message();
    }
    if (m_publicFileName.isEmpty())
        m_publicFileName = fileName;
    m_host->setReportCaption(tr("Tessary - ") + fileNamePart(m_publicFileName).toUpper());

    if (QFileInfo(fileName).isDir())
        throw TessaryError(
            tr("%1 is a folder, not a report file.").arg(QDir::toNativeSeparators(fileName)));
    try {
        // Nothing is written before the file is known to be a report.
        m_engine->connect(fileName, readOnly);
        checkIsReport(fileName);
        m_engine->shareWithOtherProcesses();
        m_table = m_engine->table(ReportSchema::Table);
        m_table->afterDelete = [this] { MarkReportModified(); };
        m_table->open();
        m_outlineLevel = m_table->storedCompression(ReportSchema::PageContent);
        m_outlineStream.clear();
        m_tree->clearTree();
        m_storedTreeKnown = false;
        if (locateOutline()) {
            QByteArray digest;
            m_tree->loadFromStream(readOutline(&digest));
            m_storedDigest = digest;
            m_storedTreeKnown = true;
        }
        if (m_tree->topLevelCount() == 0)
            m_tree->addNode(nullptr, tr("Project name"), PageKind::Root, 0);
    } catch (...) {
        // Nothing may be written into a report that could not be read whole.
        FlagScope closing(m_storeClosing);
        m_table.reset();
        m_engine->disconnect();
        m_tree->clearTree();
        throw;
    }

    if (!readOnly) {
        GetNewPages();
        // The compressed runs of the tree are made now, once, so that the
        // first store after a change costs what the change costs.
        if (m_outlineLevel > 0 && m_outlineStream.isEmpty() && m_tree->topLevelCount())
            m_outlineStream.compress(m_tree->topNode(), m_outlineLevel);
    }
    m_host->hideKindMenus();
    emit m_tree->expandAllRequested();
    restoreSelection();
    m_host->CheckButtons();
}

void TDM::restoreSelection()
{
    const ReportNode *root = m_tree->root();
    if (!root)
        return;
    const int remembered = root->data;
    const int count = m_tree->nodeCount();
    ReportNode *node = m_tree->nodeAt(remembered > 1 && remembered < count ? remembered : 1);
    if (!node)
        node = m_tree->root();
    {
        const QSignalBlocker block(m_tree->selection());
        m_tree->selectNode(node);
    }
    m_host->ShowNode();
}

void TDM::CloseFile()
{
    if (!isOpen() && m_tree->topLevelCount() == 0)
        return;
    if (PageModified || CommentModified)
        m_host->ShowNode();
    std::exception_ptr failure;
    try {
        SaveTree();
    } catch (const TreeChangedElsewhere &) {
        // Another window's arrangement stands; rows this one added without it
        // are placed under "New items" by the next intake or open.
        qCInfo(lcStore)
            << "The tree was changed by another window; it is left as that one stored it";
    } catch (...) {
        failure = std::current_exception();
    }
    {
        FlagScope closing(m_storeClosing);
        m_table.reset();
        m_engine->disconnect();
        m_tree->clearTree();
    }
    ShownItemIndex = QPersistentModelIndex();
    m_stuckSignal = QDateTime();
    m_storedTreeKnown = false;
    m_connectionProblem.clear();
    m_storedDigest.clear();
    m_outlineStream.clear();
    m_host->ShowNode();
    if (failure)
        std::rethrow_exception(failure);
}

void TDM::WriteProjectOption(const QString &section, const QString &key, const QString &value)
{
    const QString db = databaseFileName();
    // A report on a server has no project file beside it.
    if (db.isEmpty() || ReportAddress::isServer(db))
        return;
    IniFile ini(ReportSchema::projectFilePath(db));
    // A key that already holds the value is not written: the host may be
    // writing the same file, and a write of ours would undo its change.
    if (ini.readString(section, key, QString()) == value)
        return;
    ini.writeString(section, key, value);
    ini.updateFile();
}

void TDM::MarkReportModified()
{
    // The host's marker is a courtesy: failing to write it must not stop a store.
    try {
        WriteProjectOption(QStringLiteral("OPTIONS"), QStringLiteral("SUP Modified"),
                           QStringLiteral("T"));
    } catch (const TessaryError &e) {
        qCWarning(lcStore) << "Cannot mark the report modified:" << e.message();
    }
}

// ---- Page rows -------------------------------------------------------------

bool TDM::locatePage(qint32 pageId)
{
    if (pageId == -1)
        return !m_table->eof();
    return m_table->locate(ReportSchema::PageId, qint64(pageId));
}

bool TDM::locateOutline()
{
    return m_table->locate(ReportSchema::PageId, qint64(0)) &&
           !m_table->isNull(ReportSchema::PageType) &&
           m_table->asInteger(ReportSchema::PageType) == PageKind::Root;
}

void TDM::DeleteRecord(qint32 pageId)
{
    if (!tableReady())
        return;
    if (m_table->locate(ReportSchema::PageId, qint64(pageId)))
        m_table->deleteRow();
}

void TDM::DeleteNode(ReportNode *node)
{
    if (!node)
        return;
    if (!tableReady()) {
        m_tree->deleteNode(node);
        return;
    }
    DbTransaction transaction(*m_engine);
    m_tree->deleteNode(node);
    SaveTree();
    transaction.commit();
}

void TDM::onNodeDeleted(int kind, qint32 data)
{
    // The outline row (id 0) is never a page; every other id a node holds is.
    if (PageKind::holdsPageId(kind) && data != 0)
        DeleteRecord(data);
}

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

void TDM::saveContent(EditorSlot slot, qint32 pageId)
{
    if (!tableReady())
        return;
    PageContent *ed = editor(slot);
    // Id 0 is the outline row, never a page: a node left with data word 0 by
    // an import that failed must not overwrite the stored tree.
    if (!ed || pageId == 0 || !locatePage(pageId))
        return;
    const QByteArray bytes = ed->saveContent();
    m_table->edit();
    m_table->setBytes(ReportSchema::PageContent, bytes);
    m_table->post();
}

void TDM::SaveTimeLine(qint32 pageId)
{
    if (!tableReady())
        return;
    PageContent *ed = editor(EditorSlot::Timeline);
    if (!ed)
        return;
    if (pageId == -1 || !m_table->locate(ReportSchema::PageId, qint64(pageId))) {
        ed->clearContent();
        return;
    }
    saveContent(EditorSlot::Timeline, pageId);
}

bool TDM::loadContent(EditorSlot slot, qint32 pageId)
{
    if (m_storeClosing || !isOpen())
        return false;
    PageContent *ed = editor(slot);
    // Only the picture load may take the current row (id -1).
    // Id 0 is the outline row, never a page.
    const bool found =
        pageId != 0 && (pageId != -1 || slot == EditorSlot::Picture) && locatePage(pageId);
    if (!found) {
        if (ed && (slot == EditorSlot::Document || slot == EditorSlot::Table ||
                   slot == EditorSlot::Timeline))
            ed->clearContent();
        return false;
    }
    if (!ed)
        return true;
    const QString info = m_table->asText(ReportSchema::PageInfo);
    if (slot == EditorSlot::Chart)
        m_chartInfo = info;
    ed->loadContent(m_table->asBytes(ReportSchema::PageContent), info);
    return true;
}

void TDM::savePage(int kind, qint32 pageId)
{
    const EditorSlot slot = editorSlotForKind(kind);
    if (slot == EditorSlot::Timeline)
        SaveTimeLine(pageId);
    else if (slot != EditorSlot::None)
        saveContent(slot, pageId);
}

bool TDM::loadPage(int kind, qint32 pageId)
{
    const EditorSlot slot = editorSlotForKind(kind);
    return slot == EditorSlot::None ? false : loadContent(slot, pageId);
}

// ---- Comments --------------------------------------------------------------

void TDM::GetComment(qint32 pageId)
{
    if (m_storeClosing || !isOpen() || !locatePage(pageId))
        return;
    m_host->setCommentText(
        ReportSchema::commentFromStored(m_table->asText(ReportSchema::PageComment)));
}

void TDM::SaveComment(qint32 pageId)
{
    if (!tableReady() || !locatePage(pageId))
        return;
    m_table->edit();
    m_table->setText(ReportSchema::PageComment,
                     ReportSchema::commentToStored(m_host->commentText()));
    m_table->post();
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
            m_host->setStatusText(problem.isEmpty()
                                      ? tr("The connection to the server is back.")
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
