#include "platform/db/VariantTable.h"

#include "platform/db/EngineError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <limits>

VariantTable::VariantTable(const QString &table) : m_table(table) {}

void VariantTable::close()
{
    m_open = false;
    m_hasRow = false;
    m_row.clear();
    m_buffer.clear();
    m_state = State::Browse;
}

const FieldDef &VariantTable::field(const QString &name) const
{
    const auto it = m_index.constFind(name.toLower());
    if (it == m_index.cend())
        throw EngineError(
            QCoreApplication::translate("Database", "Table %1 has no field %2").arg(m_table, name));
    return m_fields[*it];
}

void VariantTable::first()
{
    if (!moveTo(QStringLiteral(">="), std::numeric_limits<qint64>::min()))
        m_hasRow = false;
}

void VariantTable::next()
{
    if (!m_hasRow)
        return;
    if (!moveTo(QStringLiteral(">"), m_rowId))
        m_hasRow = false;
}

bool VariantTable::gotoRowId(qint64 rowId)
{
    const bool had = m_hasRow;
    const qint64 keep = m_rowId;
    if (moveTo(QStringLiteral("="), rowId))
        return true;
    // Not found: stay where we were (the row is read afresh).
    if (had)
        moveTo(QStringLiteral("="), keep);
    return false;
}

void VariantTable::indexFields()
{
    m_index.clear();
    for (int i = 0; i < m_fields.size(); ++i)
        m_index.insert(m_fields[i].name.toLower(), i);
}

bool VariantTable::isNull(const QString &f) const
{
    const QVariant v = value(f);
    return !v.isValid() || v.isNull();
}

qint64 VariantTable::asInteger(const QString &f) const
{
    return value(f).toLongLong();
}

QString VariantTable::asText(const QString &f) const
{
    const QVariant v = value(f);
    return v.typeId() == QMetaType::QByteArray ? QString::fromUtf8(v.toByteArray()) : v.toString();
}

QDateTime VariantTable::asDateTime(const QString &f) const
{
    return value(f).toDateTime();
}

QByteArray VariantTable::asBytes(const QString &f) const
{
    const QVariant v = value(f);
    return v.typeId() == QMetaType::QString ? v.toString().toUtf8() : v.toByteArray();
}

void VariantTable::setInteger(const QString &f, qint64 v)
{
    setValue(f, QVariant(v));
}

void VariantTable::setText(const QString &f, const QString &v)
{
    setValue(f, QVariant(v));
}

void VariantTable::setDateTime(const QString &f, const QDateTime &v)
{
    setValue(f, QVariant(v));
}

void VariantTable::setBytes(const QString &f, const QByteArray &v)
{
    setValue(f, QVariant(v));
}

void VariantTable::setNull(const QString &f)
{
    setValue(f, QVariant());
}

void VariantTable::setStoredBytes(const QString &f, const QByteArray &stored)
{
    setValue(f, QVariant::fromValue(StoredForm{stored}));
}

void VariantTable::requireRow() const
{
    if (!m_hasRow)
        throw EngineError(QCoreApplication::translate("Database", "No current record"));
}

void VariantTable::throwRowDeleted() const
{
    throw EngineError(
        QCoreApplication::translate("Database", "%1: the record was deleted by another user")
            .arg(m_table));
}
