#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class DbTable;
class TDM;

// Reads a page's stored content and comment straight from the open report,
// without any editor: what global find looks at to pass over pages that cannot
// hold the text, and what the headless search reads. Rows are read afresh on
// every call, as the store does.
class StoredPages
{
public:
    explicit StoredPages(TDM &store);
    ~StoredPages();
    StoredPages(const StoredPages &) = delete;
    StoredPages &operator=(const StoredPages &) = delete;

    // The uncompressed content and the comment (line breaks as the comment
    // box shows them) of page id; false when the report is closed, has no
    // such row, or the row cannot be read.
    bool read(qint32 id, QByteArray *content, QString *comment);

private:
    TDM &m_store;
    std::unique_ptr<DbTable> m_table;
};
