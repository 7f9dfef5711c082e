#include "platform/db/SqliteTable.h"

#include "platform/db/EngineError.h"
#include "platform/db/FieldCompression.h"
#include "platform/db/SqliteConnection.h"
#include "platform/db/StoredDate.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <limits>
#include <sqlite3.h>

namespace {
// Integers are read with every move; dates, text and bytes when asked for.
bool isPrefetched(FieldType t)
{
    return t == FieldType::AutoInc || t == FieldType::Integer;
}

// Converts column i of a stepped statement into the field's value.
QVariant columnValue(sqlite3_stmt *s, int i, const FieldDef &f)
{
    const int type = sqlite3_column_type(s, i);
    if (type == SQLITE_NULL)
        return QVariant();
    switch (f.type) {
    case FieldType::AutoInc:
    case FieldType::Integer:
        return QVariant(qint64(sqlite3_column_int64(s, i)));
    case FieldType::DateTime:
        return parseStoredDate(
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, i))));
    case FieldType::Memo:
    case FieldType::Blob: {
        const bool text = type == SQLITE_TEXT;
        const char *p = text ? reinterpret_cast<const char *>(sqlite3_column_text(s, i))
                             : static_cast<const char *>(sqlite3_column_blob(s, i));
        const int size = sqlite3_column_bytes(s, i);
        QByteArray bytes;
        // A text value is taken as it is, also in a compressed field. A
        // compressed one is inflated straight from SQLite's buffer: a large
        // picture's stream is not copied first.
        if (f.compressionLevel > 0 && !text) {
            try {
                bytes = FieldCompression::decompress(p, size);
            } catch (const EngineError &e) {
                throw EngineError(QCoreApplication::translate("Database", "Field %1: %2")
                                      .arg(f.name, e.message()));
            }
        } else {
            bytes = QByteArray(p, size);
        }
        if (f.type == FieldType::Memo)
            return QString::fromUtf8(bytes);
        return bytes;
    }
    }
    return QVariant();
}

void bindValue(sqlite3_stmt *s, int i, const FieldDef &f, const QVariant &v)
{
    if (v.metaType() == QMetaType::fromType<VariantTable::StoredForm>()) {
        // Bytes already in the form the file keeps: a compressed field's zlib stream.
        const QByteArray b = v.value<VariantTable::StoredForm>().bytes;
        if (b.isEmpty())
            sqlite3_bind_null(s, i);
        else if (f.type == FieldType::Memo && f.compressionLevel == 0)
            sqlite3_bind_text(s, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        else
            sqlite3_bind_blob(s, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        return;
    }
    if (!v.isValid() || v.isNull()) {
        sqlite3_bind_null(s, i);
        return;
    }
    switch (f.type) {
    case FieldType::AutoInc:
    case FieldType::Integer:
        sqlite3_bind_int64(s, i, v.toLongLong());
        return;
    case FieldType::DateTime: {
        const QByteArray t =
            v.toDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")).toUtf8();
        sqlite3_bind_text(s, i, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        return;
    }
    case FieldType::Memo:
    case FieldType::Blob: {
        const QByteArray raw = f.type == FieldType::Memo ? v.toString().toUtf8() : v.toByteArray();
        if (raw.isEmpty()) {
            sqlite3_bind_null(s, i);
        } else if (f.compressionLevel > 0) {
            const QByteArray z = FieldCompression::compress(raw, f.compressionLevel);
            sqlite3_bind_blob(s, i, z.constData(), int(z.size()), SQLITE_TRANSIENT);
        } else if (f.type == FieldType::Memo) {
            sqlite3_bind_text(s, i, raw.constData(), int(raw.size()), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_blob(s, i, raw.constData(), int(raw.size()), SQLITE_TRANSIENT);
        }
        return;
    }
    }
}
} // namespace

SqliteTable::SqliteTable(std::shared_ptr<SqliteConnection> connection, const QString &table)
    : VariantTable(table), m_conn(std::move(connection))
{
}

void SqliteTable::open()
{
    m_conn->ensureOpen();
    const FieldDefs fields = m_conn->tableFields(m_table);
    QString id;
    for (const FieldDef &f : fields)
        if (f.type == FieldType::AutoInc)
            id = f.name;
    if (fields.isEmpty())
        throw EngineError(QCoreApplication::translate("Database", "%1: table %2 does not exist")
                              .arg(m_conn->fileName, m_table));
    m_fields = fields;
    indexFields();
    QStringList prefetch;
    for (const FieldDef &f : m_fields) {
        if (isPrefetched(f.type))
            prefetch << quoteIdentifier(f.name);
    }
    m_idColumn = id.isEmpty() ? QStringLiteral("rowid") : quoteIdentifier(id);
    m_prefetch =
        prefetch.isEmpty() ? QString() : QStringLiteral(", ") + prefetch.join(QStringLiteral(", "));
    m_open = true;
    m_state = State::Browse;
    m_buffer.clear();
    first();
}

bool SqliteTable::isOpen() const
{
    return m_open && m_conn->isOpen();
}

void SqliteTable::ensureOpen() const
{
    if (!m_open)
        throw EngineError(
            QCoreApplication::translate("Database", "Table %1 is not open").arg(m_table));
    m_conn->ensureOpen();
}

bool SqliteTable::moveTo(const QString &condition, qint64 id)
{
    ensureOpen();
    sqlite3_stmt *s = m_conn->prepare(
        QStringLiteral("SELECT rowid%1 FROM %2 WHERE rowid %3 ? ORDER BY rowid LIMIT 1")
            .arg(m_prefetch, quoteIdentifier(m_table), condition));
    StatementScope scope(s);
    sqlite3_bind_int64(s, 1, id);
    const int rc = sqlite3_step(s);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        m_conn->fail(QCoreApplication::translate("Database", "Cannot read table %1").arg(m_table));
    m_row.clear();
    m_state = State::Browse;
    m_buffer.clear();
    if (rc == SQLITE_DONE)
        return false;
    m_rowId = sqlite3_column_int64(s, 0);
    m_hasRow = true;
    int col = 1;
    for (const FieldDef &f : m_fields)
        if (isPrefetched(f.type))
            m_row.insert(f.name.toLower(), columnValue(s, col++, f));
    return true;
}

bool SqliteTable::locate(const QString &fieldName, const QVariant &value)
{
    ensureOpen();
    const FieldDef &f = field(fieldName);
    if (f.type == FieldType::AutoInc)
        return gotoRowId(value.toLongLong());
    if (f.compressionLevel > 0)
        throw EngineError(
            QCoreApplication::translate("Database", "Cannot locate on the compressed field %1")
                .arg(f.name));
    sqlite3_stmt *s =
        m_conn->prepare(QStringLiteral("SELECT rowid FROM %1 WHERE %2 = ? ORDER BY rowid LIMIT 1")
                            .arg(quoteIdentifier(m_table), quoteIdentifier(f.name)));
    bool found = false;
    qint64 foundId = 0;
    {
        StatementScope scope(s);
        bindValue(s, 1, f, value);
        const int rc = sqlite3_step(s);
        if (rc == SQLITE_ROW) {
            found = true;
            foundId = sqlite3_column_int64(s, 0);
        } else if (rc != SQLITE_DONE)
            m_conn->fail(
                QCoreApplication::translate("Database", "Cannot search table %1").arg(m_table));
    }
    return found && gotoRowId(foundId);
}

void SqliteTable::append()
{
    ensureOpen();
    m_state = State::Insert;
    m_buffer.clear();
}

void SqliteTable::edit()
{
    ensureOpen();
    requireRow();
    m_state = State::Edit;
    m_buffer.clear();
}

void SqliteTable::cancel()
{
    m_state = State::Browse;
    m_buffer.clear();
}

void SqliteTable::post()
{
    ensureOpen();
    if (m_state == State::Browse)
        return;
    QStringList names;
    QList<const FieldDef *> defs;
    QList<QVariant> values;
    for (auto it = m_buffer.cbegin(); it != m_buffer.cend(); ++it) {
        const FieldDef &f = field(it.key());
        names << quoteIdentifier(f.name);
        defs << &f;
        values << it.value();
    }
    QString sql;
    if (m_state == State::Insert) {
        sql = names.isEmpty()
                  ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdentifier(m_table))
                  : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                        .arg(quoteIdentifier(m_table), names.join(QStringLiteral(", ")),
                             QStringList(names.size(), QStringLiteral("?"))
                                 .join(QStringLiteral(", ")));
    } else {
        if (names.isEmpty()) {
            cancel();
            return;
        }
        QStringList sets;
        for (const QString &n : names)
            sets << n + QStringLiteral(" = ?");
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                  .arg(quoteIdentifier(m_table), sets.join(QStringLiteral(", ")));
    }
    // A write leaves the kept digest valid only when it is the write of the
    // kept field's stored form on the kept row.
    SqliteConnection::KeptDigest kept;
    if (m_state == State::Edit && m_buffer.size() == 1) {
        const QVariant &v = values.first();
        if (v.metaType() == QMetaType::fromType<VariantTable::StoredForm>()) {
            const QByteArray b = v.value<VariantTable::StoredForm>().bytes;
            kept = {true,
                    m_table,
                    defs.first()->name,
                    m_rowId,
                    0,
                    b.isEmpty() ? QByteArray()
                                : QCryptographicHash::hash(b, QCryptographicHash::Md5)};
        }
    }
    m_conn->keptDigest.valid = false;
    sqlite3_stmt *s = m_conn->prepare(sql);
    qint64 row = m_rowId;
    {
        StatementScope scope(s);
        for (int i = 0; i < defs.size(); ++i)
            bindValue(s, i + 1, *defs[i], values[i]);
        if (m_state == State::Edit)
            sqlite3_bind_int64(s, defs.size() + 1, m_rowId);
        if (sqlite3_step(s) != SQLITE_DONE)
            m_conn->fail(
                QCoreApplication::translate("Database", "Cannot write to table %1").arg(m_table));
        if (m_state == State::Insert)
            row = sqlite3_last_insert_rowid(m_conn->db);
        else if (sqlite3_changes(m_conn->db) == 0)
            throwRowDeleted();
    }
    if (kept.valid) {
        kept.dataVersion = m_conn->dataVersion();
        m_conn->keptDigest = kept;
    }
    m_state = State::Browse;
    m_buffer.clear();
    gotoRowId(row);
}

void SqliteTable::deleteRow()
{
    ensureOpen();
    requireRow();
    m_conn->keptDigest.valid = false;
    sqlite3_stmt *s = m_conn->prepare(
        QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoteIdentifier(m_table)));
    {
        StatementScope scope(s);
        sqlite3_bind_int64(s, 1, m_rowId);
        if (sqlite3_step(s) != SQLITE_DONE)
            m_conn->fail(QCoreApplication::translate("Database", "Cannot delete from table %1")
                             .arg(m_table));
    }
    if (!moveTo(QStringLiteral(">"), m_rowId))
        m_hasRow = false;
    if (afterDelete)
        afterDelete();
}

QVariant SqliteTable::value(const QString &name) const
{
    ensureOpen();
    const FieldDef &f = field(name);
    const QString key = f.name.toLower();
    if (m_state != State::Browse && m_buffer.contains(key))
        return m_buffer.value(key);
    if (m_state == State::Insert)
        return QVariant();
    requireRow();
    const auto cached = m_row.constFind(key);
    if (cached != m_row.cend())
        return *cached;
    sqlite3_stmt *s = m_conn->prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                          .arg(quoteIdentifier(f.name), quoteIdentifier(m_table)));
    StatementScope scope(s);
    sqlite3_bind_int64(s, 1, m_rowId);
    const int rc = sqlite3_step(s);
    if (rc == SQLITE_DONE)
        throwRowDeleted();
    if (rc != SQLITE_ROW)
        m_conn->fail(QCoreApplication::translate("Database", "Cannot read table %1").arg(m_table));
    const QVariant v = columnValue(s, 0, f);
    m_row.insert(key, v);
    return v;
}

void SqliteTable::setValue(const QString &name, const QVariant &v)
{
    ensureOpen();
    if (m_state == State::Browse)
        throw EngineError(
            QCoreApplication::translate("Database", "Table %1 is not in edit or insert mode")
                .arg(m_table));
    m_buffer.insert(field(name).name.toLower(), v);
}

int SqliteTable::storedCompression(const QString &name) const
{
    return field(name).compressionLevel;
}

QByteArray SqliteTable::storedBytes(const QString &name, bool *compressed) const
{
    ensureOpen();
    const FieldDef &f = field(name);
    if (compressed)
        *compressed = false;
    requireRow();
    sqlite3_stmt *s = m_conn->prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                          .arg(quoteIdentifier(f.name), quoteIdentifier(m_table)));
    StatementScope scope(s);
    sqlite3_bind_int64(s, 1, m_rowId);
    const int rc = sqlite3_step(s);
    if (rc == SQLITE_DONE)
        throwRowDeleted();
    if (rc != SQLITE_ROW)
        m_conn->fail(QStringLiteral("Cannot read table %1").arg(m_table));
    const int type = sqlite3_column_type(s, 0);
    if (type == SQLITE_NULL)
        return QByteArray();
    // A text value is kept as it is, also in a compressed field.
    const bool text = type == SQLITE_TEXT;
    const char *p = text ? reinterpret_cast<const char *>(sqlite3_column_text(s, 0))
                         : static_cast<const char *>(sqlite3_column_blob(s, 0));
    if (compressed)
        *compressed = f.compressionLevel > 0 && !text;
    const QByteArray bytes(p, sqlite3_column_bytes(s, 0));
    m_conn->keptDigest = {true,
                          m_table,
                          f.name,
                          m_rowId,
                          m_conn->dataVersion(),
                          QCryptographicHash::hash(bytes, QCryptographicHash::Md5)};
    return bytes;
}

QByteArray SqliteTable::storedDigest(const QString &name) const
{
    ensureOpen();
    const FieldDef &f = field(name);
    requireRow();
    const SqliteConnection::KeptDigest &kept = m_conn->keptDigest;
    if (kept.valid && kept.rowId == m_rowId && kept.table == m_table && kept.field == f.name &&
        kept.dataVersion == m_conn->dataVersion())
        return kept.digest;
    bool compressed = false;
    // storedBytes keeps the digest of what it read.
    return storedBytes(name, &compressed).isEmpty() ? QByteArray() : m_conn->keptDigest.digest;
}
