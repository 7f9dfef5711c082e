#include "store/TDM.h"

#include "platform/TessaryError.h"
#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "platform/db/ReportAddress.h"
#include "platform/ini/IniFile.h"
#include "platform/paths/Paths.h"
#include "store/FlagScope.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportSchema.h"
#include "store/ReportTree.h"
#include "store/StoreHost.h"
#include "store/StoreLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QTimer>
#include <algorithm>

bool PageModified = false;
bool CommentModified = false;
QPersistentModelIndex ShownItemIndex;

namespace {
TDM *g_instance = nullptr;
StoreHost g_headless;

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
