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
