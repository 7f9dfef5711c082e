#pragma once

#include "platform/db/DbTable.h"

#include <QVariant>

// A table whose engine reads and writes fields as QVariant: the typed field
// accessors of DbTable, written once on top of the engine's value and setValue.
class VariantTable : public DbTable
{
public:
    // A value already in the form the table keeps it (setStoredBytes).
    struct StoredForm
    {
        QByteArray bytes;
    };
    bool isNull(const QString &field) const final;
    qint64 asInteger(const QString &field) const final;
    QString asText(const QString &field) const final;
    QDateTime asDateTime(const QString &field) const final;
    QByteArray asBytes(const QString &field) const final;

    void setInteger(const QString &field, qint64 value) final;
    void setText(const QString &field, const QString &value) final;
    void setDateTime(const QString &field, const QDateTime &value) final;
    void setBytes(const QString &field, const QByteArray &value) final;
    void setNull(const QString &field) final;
    void setStoredBytes(const QString &field, const QByteArray &stored) final;

protected:
    // The field of the current row (an invalid QVariant for NULL).
    virtual QVariant value(const QString &field) const = 0;
    // Sets a field of the row being edited or inserted.
    virtual void setValue(const QString &field, const QVariant &v) = 0;
};

Q_DECLARE_METATYPE(VariantTable::StoredForm)
