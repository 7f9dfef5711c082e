#pragma once

#include "platform/db/FieldDef.h"
#include "platform/db/VariantTable.h"

#include <QHash>
#include <QList>
#include <memory>

struct PgConnection;
class PgResult;

// A cursor on one table of an PostgreSQL report (see DbTable). It keeps only the
// current row's id: every move reads the row afresh, integer fields at once,
// the others when they are asked for.
class PgTable : public VariantTable
{
public:
    PgTable(std::shared_ptr<PgConnection> connection, const QString &table);

    void open() override;
    bool isOpen() const override;

    bool locate(const QString &field, const QVariant &value) override;

    void append() override;
    void edit() override;
    void post() override;
    void cancel() override;
    void deleteRow() override;

    int storedCompression(const QString &field) const override;
    QByteArray storedBytes(const QString &field, bool *compressed) const override;
    // Computed by the server, or kept while the row version is the one it
    // was taken from: the value does not travel.
    QByteArray storedDigest(const QString &field) const override;

private:
    void ensureOpen() const;
    // Reads columns of the current row (the statement ends with suffix);
    // throws when another connection deleted the row.
    PgResult readCurrentRow(const QString &columns, const QString &suffix = QString(),
                            bool binaryResult = false) const;
    // Moves to the first row whose id is greater than after (or equal to at, when given).
    bool moveTo(const QString &condition, qint64 id) override;
    QVariant value(const QString &field) const override;
    void setValue(const QString &field, const QVariant &v) override;

    std::shared_ptr<PgConnection> m_conn;
    QString m_idName;    // the identity column
    QString m_idColumn;  // the same, quoted
    QString m_sequence;  // the sequence behind it, once asked for
    QString m_qualified; // the quoted schema and table
    QString m_prefetch;  // columns read on every move
};
