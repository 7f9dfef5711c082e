#include "export/StoredPages.h"

#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "store/ReportSchema.h"
#include "store/TDM.h"

#include <exception>

StoredPages::StoredPages(TDM &store) : m_store(store) {}

StoredPages::~StoredPages() = default;

bool StoredPages::read(qint32 id, QByteArray *content, QString *comment)
{
    if (!m_store.isOpen() || m_store.StoreClosing())
        return false;
    try {
        if (!m_table) {
            m_table = m_store.engine().table(ReportSchema::Table);
            m_table->open();
        }
        if (!m_table->locate(ReportSchema::PageId, qint64(id)))
            return false;
        if (content)
            *content = m_table->asBytes(ReportSchema::PageContent);
        if (comment)
            *comment = ReportSchema::commentFromStored(m_table->asText(ReportSchema::PageComment));
        return true;
    } catch (const std::exception &) {
        // A damaged row is left to the editors, which report it when the page is shown.
        m_table.reset();
        return false;
    }
}
