#include "store/TDM.h"

#include "platform/TessaryError.h"
#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "platform/ini/IniFile.h"
#include "platform/paths/Paths.h"
#include "platform/treeview/TTreeView.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportSchema.h"
#include "store/StoreHost.h"
#include "store/StoreLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSet>

bool PageModified = false;
bool CommentModified = false;
int ShownItemIndex = -1;

namespace {
TDM *g_instance = nullptr;

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
    const int cut = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}
} // namespace

TDM::TDM(StoreHost *host, std::unique_ptr<DbEngine> engine, QObject *parent)
    : QObject(parent), m_host(host), m_engine(std::move(engine))
{
    g_instance = this;
    connect(tree(), &TTreeView::nodeDeleted, this, &TDM::onNodeDeleted);
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

TTreeView *TDM::tree() const
{
    return m_host->mainTree();
}

bool TDM::isOpen() const
{
    return m_engine->isConnected() && m_table && m_table->isOpen();
}

bool TDM::tableReady() const
{
    return !m_storeClosing && isOpen();
}

QString TDM::databaseFileName() const
{
    return m_engine->isConnected() ? m_engine->fileName() : QString();
}

// ---- Report file ---------------------------------------------------------

void TDM::DBCreate(const QString &fileName)
{
    CloseFile();
    m_publicFileName = fileName;
    m_host->setReportCaption(tr("Tessary - ") + fileNamePart(fileName).toUpper());
    if (QFileInfo::exists(fileName))
        m_engine->connect(fileName);
    else
        m_engine->createDatabase(fileName);
    try {
        ReportSchema::createOutputTable(*m_engine);
        m_table = m_engine->table(ReportSchema::Table);
        m_table->afterDelete = [this] { MarkReportModified(); };
        m_table->open();
    } catch (...) {
        m_table.reset();
        m_engine->disconnect();
        throw;
    }

    TTreeView *t = tree();
    t->clearTree();
    QTreeWidgetItem *root = t->addNode(nullptr, tr("Project name"), PageKind::Root, 0);
    ReportSchema::appendOutlineRow(*m_table, QByteArray());
    SaveTree();
    for (const QString &title : {tr("First document"), tr("Second document")}) {
        QTreeWidgetItem *node = t->addNode(root, title, PageKind::Document, 0);
        TTreeView::setDataWord(node, AddRecord(PageKind::Document, title));
    }
    t->expandAll();
    SaveTree();
}

void TDM::DBOpen(const QString &fileName)
{
    CloseFile();
    m_table.reset();
    m_engine->disconnect();

    const QString projectFile = ReportSchema::projectFilePath(fileName);
    m_publicFileName =
        IniFile(projectFile)
            .readString(QStringLiteral("OPTIONS"), QStringLiteral("Public File Name"), fileName);
    if (m_publicFileName.isEmpty())
        m_publicFileName = fileName;
    m_host->setReportCaption(tr("Tessary - ") + fileNamePart(m_publicFileName).toUpper());

    TTreeView *t = tree();
    try {
        m_engine->connect(fileName);
        m_table = m_engine->table(ReportSchema::Table);
        m_table->afterDelete = [this] { MarkReportModified(); };
        m_table->open();
        t->clearTree();
        m_table->first();
        if (!m_table->eof())
            t->loadFromStream(m_table->asBytes(ReportSchema::PageContent));
        else
            ReportSchema::appendOutlineRow(*m_table, QByteArray());
        if (t->topLevelItemCount() == 0)
            t->addNode(nullptr, tr("Project name"), PageKind::Root, 0);
        GetNewPages();
    } catch (...) {
        // Nothing may be written into a report that could not be read whole.
        m_storeClosing = true;
        m_table.reset();
        m_engine->disconnect();
        t->clearTree();
        m_storeClosing = false;
        throw;
    }

    m_host->hideKindMenus();
    t->expandAll();
    restoreSelection();
    m_host->CheckButtons();
}

void TDM::restoreSelection()
{
    try {
        TTreeView *t = tree();
        const int remembered = TTreeView::dataWord(t->topLevelItem(0));
        const int count = t->nodeCount();
        QTreeWidgetItem *node = t->nodeAt(remembered > 1 && remembered < count ? remembered : 1);
        if (!node)
            return;
        {
            const QSignalBlocker block(t);
            t->selectNode(node);
        }
        m_host->ShowNode();
    } catch (const std::exception &e) {
        qCWarning(lcStore) << "Restoring the selection failed:" << e.what();
    }
}

void TDM::CloseFile()
{
    if (PageModified || CommentModified)
        m_host->ShowNode();
    SaveTree();
    {
        FlagScope closing(m_storeClosing);
        m_table.reset();
        m_engine->disconnect();
        tree()->clearTree();
    }
    ShownItemIndex = -1;
    m_host->ShowNode();
}

void TDM::WriteProjectOption(const QString &section, const QString &key, const QString &value)
{
    const QString db = databaseFileName();
    if (db.isEmpty())
        return;
    IniFile ini(ReportSchema::projectFilePath(db));
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

qint32 TDM::AddRecord(int kind, const QString &info, const QString &fileName)
{
    if (!tableReady())
        return -1;
    const qint32 id = ReportSchema::appendPageRow(*m_table, kind, info);
    const EditorSlot slot = editorSlotForKind(kind);
    PageContent *ed = editor(slot);
    if (!ed || (slot != EditorSlot::Document && slot != EditorSlot::Table &&
                slot != EditorSlot::Chart && slot != EditorSlot::Picture))
        return id;

    if (slot == EditorSlot::Document) {
        ed->clearContent();
        const int dot = fileName.lastIndexOf(QLatin1Char('.'));
        const QString ext = dot >= 0 ? fileName.mid(dot).toUpper() : QString();
        if (!ext.isEmpty() && QStringLiteral(".RTF.TXT.DOC.WPD.HTML").contains(ext))
            ed->loadFile(fileName);
    } else if (!fileName.isEmpty()) {
        ed->loadFile(fileName);
    }
    savePage(kind, id);
    return id;
}

void TDM::DeleteRecord(qint32 pageId)
{
    if (!tableReady())
        return;
    try {
        if (m_table->locate(ReportSchema::PageId, qint64(pageId)))
            m_table->deleteRow();
    } catch (const std::exception &e) {
        qCWarning(lcStore) << "Deleting page" << pageId << "failed:" << e.what();
    }
}

void TDM::onNodeDeleted(int kind, qint32 data)
{
    if (PageKind::holdsPageId(kind) && data >= 1)
        DeleteRecord(data);
}

void TDM::SaveTree()
{
    if (!tableReady())
        return;
    TTreeView *t = tree();
    if (QTreeWidgetItem *root = t->topLevelItem(0))
        TTreeView::setDataWord(root, qMax(0, t->absoluteIndex(t->selectedNode())));
    const qint64 remembered = m_table->eof() ? -1 : m_table->currentRowId();
    m_table->first();
    if (m_table->eof()) {
        ReportSchema::appendOutlineRow(*m_table, t->saveToStream());
    } else {
        m_table->edit();
        m_table->setBytes(ReportSchema::PageContent, t->saveToStream());
        m_table->post();
    }
    if (remembered >= 0)
        m_table->gotoRowId(remembered);
    m_host->CheckButtons();
}

void TDM::saveContent(EditorSlot slot, qint32 pageId)
{
    if (!tableReady())
        return;
    PageContent *ed = editor(slot);
    if (!ed || !locatePage(pageId))
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
    if (!tableReady())
        return false;
    PageContent *ed = editor(slot);
    // Only the picture load may take the current row (id -1).
    const bool found = (pageId != -1 || slot == EditorSlot::Picture) && locatePage(pageId);
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
    if (!tableReady() || !locatePage(pageId))
        return;
    QPlainTextEdit *box = m_host->commentBox();
    box->setPlainText(ReportSchema::commentFromStored(m_table->asText(ReportSchema::PageComment)));
    QTextCursor c = box->textCursor();
    c.movePosition(QTextCursor::Start);
    box->setTextCursor(c);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TDM::SaveComment(qint32 pageId)
{
    if (!tableReady() || !locatePage(pageId))
        return;
    m_table->edit();
    m_table->setText(ReportSchema::PageComment,
                     ReportSchema::commentToStored(m_host->commentBox()->toPlainText()));
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
    const QString temp =
        paths().TempFolder.isEmpty() ? QDir::tempPath() + QLatin1Char('/') : paths().TempFolder;
    return temp + QStringLiteral("XKTree.new");
}

void TDM::GetNewPages()
{
    if (m_storeClosing || !isOpen())
        return;
    TTreeView *t = tree();
    QSet<qint32> known{0};
    QTreeWidgetItem *group = nullptr;
    const QList<QTreeWidgetItem *> nodes = t->nodesInOrder();
    known.reserve(nodes.size() + 1);
    for (QTreeWidgetItem *node : nodes) {
        if (PageKind::holdsPageId(TTreeView::kind(node)))
            known.insert(TTreeView::dataWord(node));
        if (node->text(0) == newItemsCaption())
            group = node;
    }

    QList<qint32> fresh;
    for (m_table->first(); !m_table->eof(); m_table->next()) {
        if (m_table->asInteger(ReportSchema::PageType) == PageKind::Root)
            continue;
        const qint32 id = qint32(m_table->asInteger(ReportSchema::PageId));
        if (!known.contains(id))
            fresh.append(id);
    }

    if (!fresh.isEmpty()) {
        if (!group) {
            if (t->topLevelItemCount() == 0)
                t->addNode(nullptr, tr("Project name"), PageKind::Root, 0);
            group = t->addNode(t->topLevelItem(0), newItemsCaption(), PageKind::Folder, -1);
        }
        QList<QTreeWidgetItem *> items;
        items.reserve(fresh.size());
        for (qint32 id : fresh) {
            if (!m_table->locate(ReportSchema::PageId, qint64(id)))
                continue;
            const QString caption = tabField(m_table->asText(ReportSchema::PageInfo), 3);
            const int kind = int(m_table->asInteger(ReportSchema::PageType));
            items.append(t->createNode(caption, kind, id));
        }
        group->addChildren(items);
        group->setExpanded(true);
        for (QTreeWidgetItem *p = group->parent(); p; p = p->parent())
            p->setExpanded(true);
    }
    QFile::remove(signalFilePath());
}
