#include "cli/HeadlessReport.h"

#include "export/PageEditors.h"
#include "platform/TessaryError.h"
#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "platform/db/EngineFactory.h"
#include "platform/db/ReportAddress.h"
#include "platform/dialogs/StreamDialogs.h"
#include "store/ReportSchema.h"
#include "store/StoreHost.h"
#include "store/TDM.h"

#include <QFile>
#include <QFileInfo>

// The store's window, headless: only the comment box exists, as a text.
class HeadlessReport::Host : public StoreHost
{
public:
    QString commentText() const override { return comment; }
    void setCommentText(const QString &text) override { comment = text; }
    QString comment;
};

HeadlessReport::HeadlessReport()
    : m_host(std::make_unique<Host>()),
      m_store(std::make_unique<TDM>(m_host.get(), EngineFactory::anyAddress())),
      m_editors(std::make_unique<PageEditors>())
{
    // Nobody is there to answer a dialog: an editor's messages (a damaged
    // file that loaded in part) go to standard error.
    installDialogs(std::make_unique<StreamDialogs>());
}

HeadlessReport::~HeadlessReport()
{
    // The store closes without writing: close() stores, and is called when
    // the work went well.
    m_store.reset();
}

void HeadlessReport::open(const QString &path, bool readOnly)
{
    const QFileInfo info(path);
    if (ReportAddress::isServer(path)) {
        m_store->DBOpen(path, readOnly);
        return;
    }
    if (info.isDir())
        throw TessaryError(QStringLiteral("%1 is a folder, not a report file").arg(path));
    if (!info.isFile())
        throw TessaryError(QStringLiteral("no such report: %1").arg(path));
    // Opening for writing takes the intake signal; a program that has the
    // report open still needs it for the rows the signal announced.
    const bool signalWaiting = !readOnly && QFileInfo::exists(TDM::signalFilePath());
    m_store->DBOpen(path, readOnly);
    if (signalWaiting && !QFileInfo::exists(TDM::signalFilePath())) {
        QFile signal(TDM::signalFilePath());
        if (!signal.open(QIODevice::WriteOnly))
            throw TessaryError(
                QStringLiteral("cannot create the signal file %1 again").arg(signal.fileName()));
    }
}

void HeadlessReport::close()
{
    m_store->CloseFile();
}

PageContent *HeadlessReport::editorFor(int kind)
{
    const EditorSlot slot = editorSlotForKind(kind);
    if (slot == EditorSlot::None || !PageEditors::hasEditor(slot))
        return nullptr;
    PageContent *editor = m_store->editor(slot);
    if (!editor) {
        editor = m_editors->content(slot);
        m_store->registerEditor(slot, editor);
    }
    return editor;
}

std::optional<int> HeadlessReport::rowKind(qint32 id) const
{
    std::unique_ptr<DbTable> table = m_store->engine().table(ReportSchema::Table);
    table->open();
    if (!table->locate(ReportSchema::PageId, qint64(id)))
        return std::nullopt;
    if (table->isNull(ReportSchema::PageType))
        return -1;
    return int(table->asInteger(ReportSchema::PageType));
}

void HeadlessReport::setComment(qint32 id, const QString &text)
{
    m_host->comment = text;
    m_store->SaveComment(id);
}
