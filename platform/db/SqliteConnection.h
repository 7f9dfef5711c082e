#pragma once

#include "platform/db/FieldDef.h"

#include <QHash>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// One open SQLite database with its cache of prepared statements. Engine and
// table cursors share it; after close() every user sees it disconnected.
struct SqliteConnection
{
    sqlite3 *db = nullptr;
    QString fileName;
    QHash<QString, sqlite3_stmt *> statements;

    // The digest of one field's stored bytes on one row, kept while no other
    // connection committed anything (PRAGMA data_version) and this one wrote
    // nothing else, so that comparing a large value with what was stored
    // last does not read it again.
    struct KeptDigest
    {
        bool valid = false;
        QString table;
        QString field;
        qint64 rowId = 0;
        qint64 dataVersion = 0;
        QByteArray digest;
    };
    KeptDigest keptDigest;
    qint64 dataVersion();

    ~SqliteConnection() { close(); }
    void close();
    bool isOpen() const { return db != nullptr; }
    // Throws EngineError when the connection is closed.
    void ensureOpen() const;
    // A cached statement, reset and unbound.
    sqlite3_stmt *prepare(const QString &sql);
    void exec(const QString &sql);
    // The fields of a table, read back from its declared column types; empty
    // when the table does not exist.
    FieldDefs tableFields(const QString &table);
    [[noreturn]] void fail(const QString &what) const;
};

// Resets a statement when the scope ends, so that no read keeps a snapshot of
// the file open between calls.
class StatementScope
{
public:
    explicit StatementScope(sqlite3_stmt *s) : m_stmt(s) {}
    ~StatementScope();
    sqlite3_stmt *get() const { return m_stmt; }

private:
    sqlite3_stmt *m_stmt;
};

QString quoteIdentifier(const QString &name);
