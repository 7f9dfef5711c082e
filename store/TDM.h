#pragma once

#include "platform/TessaryError.h"
#include "store/CompressedTreeStream.h"
#include "store/HeldPages.h"
#include "store/PageContent.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class DbEngine;
class DbTable;
class ReportTree;
struct ReportNode;
class StoreHost;

// The stored tree was changed by another window since this one read it.
class TreeChangedElsewhere : public TessaryError
{
public:
    using TessaryError::TessaryError;
};

// The report store: the open report file, its page rows, the report tree (a
// model any view may show) and the intake of rows written by the host. One
// instance lives for the life of the program (TDM::instance()). Page content
// moves between a row and the registered editor of its kind; nothing is cached,
// every operation locates its row afresh, so rows written by another process
// are always seen. The store needs no widget: with a plain StoreHost it runs
// headless.
class TDM : public QObject
{
    Q_OBJECT
public:
    TDM(StoreHost *host, std::unique_ptr<DbEngine> engine, QObject *parent = nullptr);
    ~TDM() override;

    static TDM *instance();

    ReportTree *tree() const { return m_tree; }
    DbEngine &engine() const { return *m_engine; }

    void registerEditor(EditorSlot slot, PageContent *editor);
    PageContent *editor(EditorSlot slot) const { return m_editors.value(int(slot)); }
    // The editor that fills pages of kind from files, asking the host to make
    // it when none is registered yet; nullptr when pages of kind have none.
    PageContent *editorForImport(int kind);

    // Report file.
    void DBCreate(const QString &fileName);
    // Opens a report; read-only never writes to the file (no tree, no intake
    // signal, no journal change). Throws TessaryError when the file is not a report.
    void DBOpen(const QString &fileName, bool readOnly = false);
    // Stores the tree and closes the report. Throws when the tree could not be
    // stored; the report is closed all the same.
    void CloseFile();
    bool isOpen() const;
    QString databaseFileName() const;
    QString PublicFileName() const { return m_publicFileName; }
    bool StoreClosing() const { return m_storeClosing; }
    void WriteProjectOption(const QString &section, const QString &key, const QString &value);
    void MarkReportModified();

    // Page rows. With a file name the kind's editor reads the file first; the
    // row and its content are then written in one transaction. A file the
    // editor cannot read leaves a bare row (empty content) and the editor's
    // error travels to the caller.
    qint32 AddRecord(int kind, const QString &info, const QString &fileName = QString());
    // Makes a page from a file under parent: a node titled with the file's
    // name without extension (the kind from its extension, PageKind::importKind),
    // selected and remembered as the shown node; the page row with PageInfo =
    // the title, filled by the kind's editor; then the tree, all in one
    // transaction, and the report is marked modified. Returns the page id (-1
    // when no report is open for writing; nothing is made then). A file that
    // cannot be read throws the editor's error: the node stays with data word
    // 0, the bare row stays with empty content (the next intake places it),
    // the tree is not stored and the report not marked modified.
    qint32 AppendFile(const QString &fileName, ReportNode *parent);
    void DeleteRecord(qint32 pageId);
    // Deletes a node with its subtree and their page rows, and stores the tree,
    // all in one transaction.
    void DeleteNode(ReportNode *node);
    // Stores the tree in the outline row. Throws TreeChangedElsewhere, storing
    // nothing, when the stored tree is no longer the one this store read or
    // wrote last (another window changed it); the caller then reloads.
    void SaveTree();
    // Reads the stored tree again (after a store that gave up), so that the tree
    // shown and the tree in the file agree; the shown page stays shown (with
    // its edits) under the node of its row, the selection keeps its node or
    // position, and rows that no node holds any more are placed again.
    void ReloadTree();

    void SaveWP(qint32 pageId) { saveContent(EditorSlot::Document, pageId); }
    void SaveGrid(qint32 pageId) { saveContent(EditorSlot::Table, pageId); }
    void SaveChart(qint32 pageId) { saveContent(EditorSlot::Chart, pageId); }
    void SaveImage(qint32 pageId) { saveContent(EditorSlot::Picture, pageId); }
    void SaveDiagram(qint32 pageId) { saveContent(EditorSlot::Diagram, pageId); }
    void SaveWordCloud(qint32 pageId) { saveContent(EditorSlot::WordCloud, pageId); }
    void SaveTimeLine(qint32 pageId);

    bool GetWP(qint32 pageId) { return loadContent(EditorSlot::Document, pageId); }
    bool GetGrid(qint32 pageId) { return loadContent(EditorSlot::Table, pageId); }
    bool GetChart(qint32 pageId) { return loadContent(EditorSlot::Chart, pageId); }
    bool GetImage(qint32 pageId) { return loadContent(EditorSlot::Picture, pageId); }
    bool GetDiagram(qint32 pageId) { return loadContent(EditorSlot::Diagram, pageId); }
    bool GetWordCloud(qint32 pageId) { return loadContent(EditorSlot::WordCloud, pageId); }
    bool GetTimeLine(qint32 pageId) { return loadContent(EditorSlot::Timeline, pageId); }

    // The store and load operations of a page kind (nothing for kinds without editor).
    void savePage(int kind, qint32 pageId);
    bool loadPage(int kind, qint32 pageId);

    void GetComment(qint32 pageId);
    void SaveComment(qint32 pageId);

    // Places rows that no tree node shows yet under "New items" (deleting the
    // intake signal file first) and stores the tree when it placed any. A row
    // whose fields cannot be read is placed with a title that says so, and the
    // damaged rows are named in one problem report per intake.
    void GetNewPages();
    // True while an intake signal file waits to be taken (a signal file that
    // could not be deleted counts once).
    bool signalPending() const;

    // PageInfo of the chart page loaded last.
    QString ChartInfo() const { return m_chartInfo; }

    // Field 'field' (counting from 1) of a tab-separated text; empty when there are too few tabs.
    static QString tabField(const QString &text, int field);
    static QString signalFilePath();
    static QString newItemsCaption() { return QStringLiteral("New items"); }

private:
    // Fills the editor of kind from fileName (documents are emptied first) and
    // returns its stored form; nullopt when the kind has no editor here (or no
    // file is given for a kind that is not always filled).
    std::optional<QByteArray> contentFromFile(int kind, const QString &fileName);
    void saveContent(EditorSlot slot, qint32 pageId);
    bool loadContent(EditorSlot slot, qint32 pageId);
    // Moves to the row of pageId (-1: stays on the current row); false when there is none.
    bool locatePage(qint32 pageId);
    // Moves to the outline row (id 0, kind 10); false when the report has none.
    bool locateOutline();
    bool tableReady() const;
    void checkIsReport(const QString &fileName);
    void onNodeDeleted(int kind, qint32 data);
    void restoreSelection();
    bool takeSignalFile();
    // Reads the stored tree of the outline row (the current row) and the
    // digest of its bytes as kept, from one read.
    QByteArray readOutline(QByteArray *digest);
    // The tree in the form the outline row keeps it.
    QByteArray storedTreeForm();

    StoreHost *m_host;
    std::unique_ptr<DbEngine> m_engine;
    std::unique_ptr<DbTable> m_table;
    ReportTree *m_tree;
    QHash<int, PageContent *> m_editors;
    QString m_publicFileName;
    QString m_chartInfo;
    bool m_storeClosing = false;
    QDateTime m_stuckSignal; // time of a signal file that could not be deleted
    // The digest of the stored tree as this store last read or wrote it.
    QByteArray m_storedDigest;
    bool m_storedTreeKnown = false;
    HeldPages m_held;       // the ids the tree holds, for the intake
    int m_outlineLevel = 0; // zlib level of the outline's field; 0: kept as it is
    CompressedTreeStream m_outlineStream;
    bool m_reloading = false;
    mutable QString m_connectionProblem; // what the user was last told of the connection
};
