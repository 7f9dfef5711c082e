#pragma once

#include "platform/db/DbEngine.h"

#include <memory>

struct SqliteConnection;

// The database engine on an SQLite 3 file: WAL journal and a busy timeout so
// that the host process can write rows while this program reads them.
// Field types are kept in the declared column types ("MEMO_Z2", "BLOB_Z9", ...)
// so that the file describes itself to any SQLite client.
class SqliteEngine : public DbEngine
{
public:
    SqliteEngine();
    ~SqliteEngine() override;

    void createDatabase(const QString &fileName) override;
    void connect(const QString &fileName, bool readOnly = false) override;
    void shareWithOtherProcesses() override;
    bool isReadOnly() const override { return m_readOnly; }
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;
    void disconnect() override;
    bool isConnected() const override;
    QString fileName() const override;

    bool tableExists(const QString &table) const override;
    void dropTable(const QString &table) override;
    void createTable(const QString &table, const FieldDefs &fields) override;
    FieldDefs tableFields(const QString &table) const override;

    std::unique_ptr<DbTable> table(const QString &table) override;
    QList<QPair<qint64, QVariant>> rowsOutside(const QString &table, const QString &valueField,
                                               const QList<IdRange> &held) override;

private:
    void openFile(const QString &fileName, bool create, bool readOnly);
    static int busyHandler(void *self, int count);

    std::shared_ptr<SqliteConnection> m_conn;
    bool m_readOnly = false;
    int m_transactionDepth = 0;
};
