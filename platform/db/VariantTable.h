#pragma once

#include "platform/db/DbTable.h"
#include "platform/db/FieldDef.h"

#include <QHash>
#include <QVariant>

// A table whose engine reads and writes fields as QVariant: the typed field
// accessors of DbTable, written once on top of the engine's value and setValue,
// and the cursor's state both engines keep (the fields, the current row's id,
// the values read and the values set since append() or edit()).
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

    void close() override;
    void first() override;
    void next() override;
    bool gotoRowId(qint64 rowId) override;
    QString tableName() const override { return m_table; }
    bool eof() const override { return !m_hasRow; }
    // -1 at eof(); a row's id may be any integer, so test eof() first.
    qint64 currentRowId() const override { return m_hasRow ? m_rowId : -1; }

protected:
    explicit VariantTable(const QString &table);

    enum class State
    {
        Browse,
        Insert,
        Edit
    };

    // The field of that name, in any case; throws EngineError for an unknown one.
    const FieldDef &field(const QString &name) const;
    // Indexes m_fields by their lower-case names.
    void indexFields();
    // Moves to the first row whose id compares to id by condition (">=", ">",
    // "="), reading it; false when there is none.
    virtual bool moveTo(const QString &condition, qint64 id) = 0;
    // The field of the current row (an invalid QVariant for NULL).
    virtual QVariant value(const QString &field) const = 0;
    // Sets a field of the row being edited or inserted.
    virtual void setValue(const QString &field, const QVariant &v) = 0;
    // Throws EngineError when the cursor is on no row.
    void requireRow() const;
    // The current row is gone: another connection deleted it.
    [[noreturn]] void throwRowDeleted() const;

    QString m_table;
    FieldDefs m_fields;
    QHash<QString, int> m_index;
    bool m_open = false;
    bool m_hasRow = false;
    qint64 m_rowId = 0;
    State m_state = State::Browse;
    mutable QHash<QString, QVariant> m_row; // values of the current row read so far
    QHash<QString, QVariant> m_buffer;      // values set since append() or edit()
};

Q_DECLARE_METATYPE(VariantTable::StoredForm)
