#include "store/FileImport.h"

#include "platform/TessaryError.h"
#include "store/ImportKinds.h"
#include "store/PageKind.h"
#include "store/ReportTree.h"
#include "store/StoreHost.h"
#include "store/StoreLog.h"
#include "store/TDM.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>

namespace {
QString errorText(const std::exception &e)
{
    const auto *t = dynamic_cast<const TessaryError *>(&e);
    return t ? t->message() : QString::fromLocal8Bit(e.what());
}
} // namespace

FileImport::FileImport(TDM &store, StoreHost *host) : m_store(store), m_host(host) {}

QString FileImport::Result::message() const
{
    if (stopped && failed < 0)
        return tr("The import stopped because the report was closed or changed; %1 file(s) "
                  "were not imported.")
            .arg(notImported);
    if (failed < 0)
        return QString();
    QString text =
        tr("The file %1 cannot be imported:\n%2").arg(QDir::toNativeSeparators(failedFile), reason);
    if (notImported > 0)
        text += QLatin1String("\n\n") +
                tr("The %1 file(s) after it were not imported.").arg(notImported);
    return text;
}

FileImport::Result FileImport::run(const QStringList &files, const QPersistentModelIndex &parent)
{
    Result result;
    const bool intoTree = parent.isValid();
    const int count = int(files.size());
    auto status = [this](const QString &text) {
        if (m_host)
            m_host->setStatusText(text);
    };
    for (int i = 0; i < count; ++i) {
        const QString &file = files.at(i);
        if (count > 1)
            status(
                tr("Importing %1 of %2: %3").arg(i + 1).arg(count).arg(QFileInfo(file).fileName()));
        if (keepResponsive)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        // The events may have closed the report or replaced its tree.
        ReportNode *node = intoTree ? m_store.tree()->node(parent) : nullptr;
        if (!m_store.isOpen() || (intoTree && (!parent.isValid() || !node))) {
            result.stopped = true;
            result.notImported = count - i;
            break;
        }
        try {
            qint32 id = -1;
            if (intoTree) {
                id = m_store.AppendFile(file, node);
            } else {
                const int kind = PageKind::importKind(file);
                if (!m_store.editorForImport(kind))
                    throw TessaryError(
                        tr("%1 pages cannot be made from files here.").arg(PageKind::name(kind)));
                id = m_store.AddRecord(kind, QStringLiteral("\t\t") + PageKind::importTitle(file),
                                       file);
            }
            if (id < 0)
                throw TessaryError(tr("The report cannot be written."));
            result.ids << id;
            if (pageMade)
                pageMade(id);
        } catch (const std::exception &e) {
            result.failed = i;
            result.failedFile = file;
            result.reason = errorText(e);
            result.notImported = count - i - 1;
            qCInfo(lcStore) << "Import stopped at" << file << ":" << result.reason;
            break;
        }
    }
    if (count > 1)
        status(QString());
    if (!result.ids.isEmpty() && !intoTree)
        m_store.MarkReportModified();
    return result;
}
