#pragma once

#include "platform/db/FieldDef.h"
#include "platform/db/VariantTable.h"

#include <QHash>
#include <memory>

struct SqliteConnection;

// A cursor on one table of an SQLite database (see DbTable). It keeps only the
// current row's id: every move reads the row afresh, integer fields at once,
// the others when they are asked for.
class SqliteTable : public VariantTable
{
public:
    SqliteTable(std::shared_ptr<SqliteConnection> connection, const QString &table);

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
    // Kept from the last read or write of the field on this connection while
    // nothing else changed the file.
    QByteArray storedDigest(const QString &field) const override;

private:
    void ensureOpen() const;
    // Moves to the first row whose id is greater than after (or equal to at, when given).
    bool moveTo(const QString &condition, qint64 id) override;
    QVariant value(const QString &field) const override;
    void setValue(const QString &field, const QVariant &v) override;

    std::shared_ptr<SqliteConnection> m_conn;
    QString m_idColumn = QStringLiteral("rowid");
    QString m_prefetch; // columns read on every move
};
