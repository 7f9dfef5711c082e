#pragma once

#include "platform/db/FieldDef.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

typedef struct pg_conn PGconn;
typedef struct pg_result PGresult;

// A parameter of a statement: text, or bytes sent in binary form (BYTEA).
struct PgParam
{
    QByteArray value;
    bool null = false;
    bool binary = false;

    static PgParam text(const QString &s) { return {s.toUtf8(), false, false}; }
    static PgParam number(qint64 n) { return {QByteArray::number(n), false, false}; }
    static PgParam bytes(const QByteArray &b) { return {b, false, true}; }
    static PgParam none() { return {QByteArray(), true, false}; }
};

// The result of one statement, in text form; freed with the object.
class PgResult
{
public:
    explicit PgResult(PGresult *r = nullptr) : m_result(r, &freeResult) {}
    int rows() const;
    bool isNull(int row, int column) const;
    QByteArray value(int row, int column) const;
    qint64 integer(int row, int column) const { return value(row, column).toLongLong(); }
    // A BYTEA column as bytes (the server sends them hex-escaped).
    QByteArray bytea(int row, int column) const;
    int affectedRows() const;

private:
    static void freeResult(PGresult *r);
    std::shared_ptr<PGresult> m_result;
};

// One libpq connection to a database, shared by an engine and its cursors;
// after close() every user sees it disconnected. Every statement names the
// report's schema explicitly, so the connection keeps no search path.
struct PgConnection
{
    PGconn *conn = nullptr;
    QString address; // the report's address, for messages
    QString schema;  // the report's schema
    QString channel; // the report's notification channel
    bool inTransaction = false;

    // The digest of one field's stored bytes on one row, with the row
    // version (xmin) it was taken from. Every update of a row, by any
    // connection, gives the row a new version, so while the version is the
    // same the digest holds and the value is not read again. Writes through
    // this connection drop it, except the write of that very field that
    // keeps the digest of what it wrote.
    struct KeptDigest
    {
        bool valid = false;
        QString table;
        QString field;
        qint64 rowId = 0;
        QByteArray version;
        QByteArray digest;
    };
    KeptDigest keptDigest;

    ~PgConnection() { close(); }
    void close();
    bool isOpen() const { return conn != nullptr; }
    void ensureOpen() const;
    // Runs one statement with parameters $1, $2, ...; throws EngineError with
    // the server's message when it fails. binaryResult asks for the columns
    // in binary form (BYTEA as its bytes; only for results read as bytes).
    PgResult exec(const QString &sql, const QList<PgParam> &params = {}, bool binaryResult = false);
    // The fields of a table of the report, read back from the column comments
    // (or the server types); empty when the table does not exist.
    FieldDefs tableFields(const QString &table);
    // "schema"."name"
    QString qualified(const QString &name) const;
    int backendPid() const;
};

QString pgQuote(const QString &identifier);
