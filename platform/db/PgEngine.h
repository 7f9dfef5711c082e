#pragma once

#include "platform/db/DbEngine.h"

#include <QString>
#include <memory>

struct PgConnection;
class QSocketNotifier;

// The database engine on a PostgreSQL server (libpq). One report is one
// schema named after the report, so that one database holds many reports;
// its table keeps the field names and order of a file report. Compressed
// fields are BYTEA holding the same zlib streams; each column's comment keeps
// its declared form ("MEMO_Z2", "BLOB_Z9", ...) so that the table describes
// itself. Appended rows are announced with NOTIFY on a channel named like the
// report, and every writable connection LISTENs on it.
class PgEngine : public DbEngine
{
public:
    PgEngine();
    ~PgEngine() override;

    // address: postgresql://[user@]host[:port]/database?report=NAME.
    // createDatabase makes the report's schema when it is missing.
    void createDatabase(const QString &address) override;
    // Fails when the server cannot be reached or the report's schema is missing.
    void connect(const QString &address, bool readOnly = false) override;
    void shareWithOtherProcesses() override;
    bool isReadOnly() const override { return m_readOnly; }
    void disconnect() override;
    bool isConnected() const override;
    QString fileName() const override;

    bool tableExists(const QString &table) const override;
    void dropTable(const QString &table) override;
    void createTable(const QString &table, const FieldDefs &fields) override;
    FieldDefs tableFields(const QString &table) const override;

    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;

    std::unique_ptr<DbTable> table(const QString &table) override;
    QList<QPair<qint64, QVariant>> rowsOutside(const QString &table, const QString &valueField,
                                               const QList<IdRange> &held) override;

    bool deliversAnnouncements() const override { return true; }
    void announceRowsAdded() override;
    // Also makes a lost connection again, step by step without waiting.
    bool rowsAddedAnnounced() override;
    void takeRowsAdded() override { m_announced = false; }
    QString connectionProblem() const override;

    // The server process of this connection (0 when not connected).
    int backendPid() const;

private:
    void open(const QString &address, bool create, bool readOnly);
    // The session's settings, after connecting and after connecting again.
    void setUpSession();
    // Reads what arrived on the socket; true when another connection announced rows.
    bool readAnnouncements();
    // A lost connection is made again outside a transaction: each call takes
    // the steps the server allows without waiting (libpq's non-blocking
    // reset), and a failed attempt is tried again two seconds later. True
    // when the connection is up.
    bool keepConnected();
    void stopListening();

    std::shared_ptr<PgConnection> m_conn;
    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_readOnly = false;
    bool m_listening = false;
    bool m_announced = false;
    int m_transactionDepth = 0;
    bool m_resetting = false;
    qint64 m_lastAttempt = 0; // when the last attempt to connect again failed (ms since epoch)
};
