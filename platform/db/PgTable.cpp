#include "platform/db/PgTable.h"

#include "platform/db/EngineError.h"
#include "platform/db/FieldCompression.h"
#include "platform/db/PgConnection.h"
#include "platform/db/StoredDate.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <limits>

namespace {
// Integers are read with every move; dates, text and bytes when asked for.
bool isPrefetched(FieldType t)
{
    return t == FieldType::AutoInc || t == FieldType::Integer;
}

bool isBytea(const FieldDef &f)
{
    return f.type == FieldType::Blob || (f.type == FieldType::Memo && f.compressionLevel > 0);
}

// Converts a column of a result into the field's value.
QVariant columnValue(const PgResult &r, int row, int column, const FieldDef &f)
{
    if (r.isNull(row, column))
        return QVariant();
    switch (f.type) {
    case FieldType::AutoInc:
    case FieldType::Integer:
        return QVariant(r.integer(row, column));
    case FieldType::DateTime:
        return parseStoredDate(QString::fromUtf8(r.value(row, column)));
    case FieldType::Memo:
    case FieldType::Blob: {
        QByteArray bytes = isBytea(f) ? r.bytea(row, column) : r.value(row, column);
        if (f.compressionLevel > 0) {
            try {
                bytes = FieldCompression::decompress(bytes);
            } catch (const EngineError &e) {
                throw EngineError(QCoreApplication::translate("Database", "Field %1: %2")
                                      .arg(f.name, e.message()));
            }
        }
        if (f.type == FieldType::Memo)
            return QString::fromUtf8(bytes);
        return bytes;
    }
    }
    return QVariant();
}

PgParam paramValue(const FieldDef &f, const QVariant &v)
{
    if (v.metaType() == QMetaType::fromType<VariantTable::StoredForm>()) {
        // Bytes already in the form the server keeps: a compressed field's zlib stream.
        const QByteArray b = v.value<VariantTable::StoredForm>().bytes;
        if (b.isEmpty())
            return PgParam::none();
        return isBytea(f) ? PgParam::bytes(b) : PgParam{b, false, false};
    }
    if (!v.isValid() || v.isNull())
        return PgParam::none();
    switch (f.type) {
    case FieldType::AutoInc:
    case FieldType::Integer:
        return PgParam::number(v.toLongLong());
    case FieldType::DateTime:
        return PgParam::text(v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")));
    case FieldType::Memo:
    case FieldType::Blob: {
        const QByteArray raw = f.type == FieldType::Memo ? v.toString().toUtf8() : v.toByteArray();
        if (raw.isEmpty())
            return PgParam::none();
        if (f.compressionLevel > 0)
            return PgParam::bytes(FieldCompression::compress(raw, f.compressionLevel));
        return f.type == FieldType::Memo ? PgParam{raw, false, false} : PgParam::bytes(raw);
    }
    }
    return PgParam::none();
}

// A row version (xmin) read in binary form, as the server writes it in text.
QByteArray versionText(const QByteArray &binary)
{
    if (binary.size() != 4)
        return QByteArray();
    const auto *b = reinterpret_cast<const uchar *>(binary.constData());
    return QByteArray::number(quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 |
                              quint32(b[3]));
}

// The type a parameter is cast to, so that the server never has to guess.
QString castFor(const FieldDef &f)
{
    switch (f.type) {
    case FieldType::AutoInc:
        return QStringLiteral("::integer");
    case FieldType::Integer:
        return QStringLiteral("::bigint");
    case FieldType::DateTime:
        return QStringLiteral("::timestamp");
    case FieldType::Memo:
        return isBytea(f) ? QStringLiteral("::bytea") : QStringLiteral("::text");
    case FieldType::Blob:
        return QStringLiteral("::bytea");
    }
    return QString();
}
} // namespace

PgTable::PgTable(std::shared_ptr<PgConnection> connection, const QString &table)
    : VariantTable(table), m_conn(std::move(connection))
{
}

void PgTable::open()
{
    m_conn->ensureOpen();
    const FieldDefs fields = m_conn->tableFields(m_table);
    if (fields.isEmpty())
        throw EngineError(QCoreApplication::translate("Database", "%1: table %2 does not exist")
                              .arg(m_conn->address, m_table));
    QString id;
    for (const FieldDef &f : fields)
        if (f.type == FieldType::AutoInc)
            id = f.name;
    if (id.isEmpty())
        throw EngineError(
            QCoreApplication::translate("Database", "%1: table %2 has no identity column")
                .arg(m_conn->address, m_table));
    m_fields = fields;
    indexFields();
    QStringList prefetch;
    for (const FieldDef &f : m_fields) {
        if (isPrefetched(f.type))
            prefetch << pgQuote(f.name);
    }
    m_idName = id;
    m_idColumn = pgQuote(id);
    m_sequence.clear();
    m_qualified = m_conn->qualified(m_table);
    m_prefetch = prefetch.join(QStringLiteral(", "));
    m_open = true;
    m_state = State::Browse;
    m_buffer.clear();
    first();
}

bool PgTable::isOpen() const
{
    return m_open && m_conn->isOpen();
}

void PgTable::ensureOpen() const
{
    if (!m_open)
        throw EngineError(
            QCoreApplication::translate("Database", "Table %1 is not open").arg(m_table));
    m_conn->ensureOpen();
}

bool PgTable::moveTo(const QString &condition, qint64 id)
{
    ensureOpen();
    const PgResult r = m_conn->exec(
        QStringLiteral("SELECT %1, %2 FROM %3 WHERE %1 %4 $1::bigint ORDER BY %1 LIMIT 1")
            .arg(m_idColumn, m_prefetch, m_qualified, condition),
        {PgParam::number(id)});
    m_row.clear();
    m_state = State::Browse;
    m_buffer.clear();
    if (r.rows() == 0)
        return false;
    m_rowId = r.integer(0, 0);
    m_hasRow = true;
    int col = 1;
    for (const FieldDef &f : m_fields)
        if (isPrefetched(f.type))
            m_row.insert(f.name.toLower(), columnValue(r, 0, col++, f));
    return true;
}

bool PgTable::locate(const QString &fieldName, const QVariant &value)
{
    ensureOpen();
    const FieldDef &f = field(fieldName);
    if (f.type == FieldType::AutoInc)
        return gotoRowId(value.toLongLong());
    if (f.compressionLevel > 0)
        throw EngineError(
            QCoreApplication::translate("Database", "Cannot locate on the compressed field %1")
                .arg(f.name));
    const PgResult r =
        m_conn->exec(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = $1%4 ORDER BY %1 LIMIT 1")
                         .arg(m_idColumn, m_qualified, pgQuote(f.name), castFor(f)),
                     {paramValue(f, value)});
    return r.rows() > 0 && gotoRowId(r.integer(0, 0));
}

void PgTable::append()
{
    ensureOpen();
    m_state = State::Insert;
    m_buffer.clear();
}

void PgTable::edit()
{
    ensureOpen();
    requireRow();
    // Inside a transaction the row is locked until it ends, and read afresh
    // once the lock is held, so that what is compared and written is current.
    if (m_conn->inTransaction) {
        readCurrentRow(QStringLiteral("1"), QStringLiteral(" FOR UPDATE"));
        m_row.clear();
    }
    m_state = State::Edit;
    m_buffer.clear();
}

void PgTable::cancel()
{
    m_state = State::Browse;
    m_buffer.clear();
}

void PgTable::post()
{
    ensureOpen();
    if (m_state == State::Browse)
        return;
    QStringList names;
    QStringList placeholders;
    QList<PgParam> params;
    qint64 explicitId = 0;
    bool hasExplicitId = false;
    for (auto it = m_buffer.cbegin(); it != m_buffer.cend(); ++it) {
        const FieldDef &f = field(it.key());
        names << pgQuote(f.name);
        params << paramValue(f, it.value());
        placeholders << QStringLiteral("$%1%2").arg(params.size()).arg(castFor(f));
        if (f.type == FieldType::AutoInc && it.value().isValid() && !it.value().isNull()) {
            hasExplicitId = true;
            explicitId = it.value().toLongLong();
        }
    }
    qint64 row = m_rowId;
    if (m_state == State::Insert) {
        m_conn->keptDigest.valid = false;
        const QString sql = names.isEmpty()
                                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES RETURNING %2")
                                      .arg(m_qualified, m_idColumn)
                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) RETURNING %4")
                                      .arg(m_qualified, names.join(QStringLiteral(", ")),
                                           placeholders.join(QStringLiteral(", ")), m_idColumn);
        const PgResult r = m_conn->exec(sql, params);
        row = r.integer(0, 0);
        // An id written by hand moves the identity past it, so that the ids
        // the server assigns later never meet it.
        if (hasExplicitId && explicitId > 0) {
            if (m_sequence.isEmpty()) {
                const PgResult seq =
                    m_conn->exec(QStringLiteral("SELECT pg_get_serial_sequence($1, $2)"),
                                 {PgParam::text(m_qualified), PgParam::text(m_idName)});
                m_sequence = QString::fromUtf8(seq.value(0, 0));
            }
            if (!m_sequence.isEmpty())
                m_conn->exec(QStringLiteral("SELECT setval($1::regclass, GREATEST($2::bigint, "
                                            "(SELECT last_value FROM %1)))")
                                 .arg(m_sequence),
                             {PgParam::text(m_sequence), PgParam::number(explicitId)});
        }
    } else {
        if (names.isEmpty()) {
            cancel();
            return;
        }
        QStringList sets;
        for (int i = 0; i < names.size(); ++i)
            sets << names[i] + QStringLiteral(" = ") + placeholders[i];
        params << PgParam::number(m_rowId);
        // A write of one field's stored form keeps the digest of what it
        // wrote, with the row version the write made.
        PgConnection::KeptDigest kept;
        if (m_buffer.size() == 1 && m_buffer.cbegin().value().metaType() ==
                                        QMetaType::fromType<VariantTable::StoredForm>()) {
            const QByteArray b = m_buffer.cbegin().value().value<VariantTable::StoredForm>().bytes;
            kept = {true,
                    m_table,
                    field(m_buffer.cbegin().key()).name,
                    m_rowId,
                    {},
                    b.isEmpty() ? QByteArray()
                                : QCryptographicHash::hash(b, QCryptographicHash::Md5)};
        }
        m_conn->keptDigest.valid = false;
        const PgResult r =
            m_conn->exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = $%4 RETURNING xmin")
                             .arg(m_qualified, sets.join(QStringLiteral(", ")), m_idColumn)
                             .arg(params.size()),
                         params);
        if (r.rows() == 0)
            throwRowDeleted();
        if (kept.valid) {
            kept.version = r.value(0, 0);
            m_conn->keptDigest = kept;
        }
    }
    m_state = State::Browse;
    m_buffer.clear();
    gotoRowId(row);
}

PgResult PgTable::readCurrentRow(const QString &columns, const QString &suffix,
                                 bool binaryResult) const
{
    const PgResult r = m_conn->exec(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = $1%4")
                                        .arg(columns, m_qualified, m_idColumn, suffix),
                                    {PgParam::number(m_rowId)}, binaryResult);
    if (r.rows() == 0)
        throwRowDeleted();
    return r;
}

void PgTable::deleteRow()
{
    ensureOpen();
    requireRow();
    m_conn->keptDigest.valid = false;
    m_conn->exec(QStringLiteral("DELETE FROM %1 WHERE %2 = $1").arg(m_qualified, m_idColumn),
                 {PgParam::number(m_rowId)});
    if (!moveTo(QStringLiteral(">"), m_rowId))
        m_hasRow = false;
    if (afterDelete)
        afterDelete();
}

QVariant PgTable::value(const QString &name) const
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
    const PgResult r = readCurrentRow(pgQuote(f.name));
    const QVariant v = columnValue(r, 0, 0, f);
    m_row.insert(key, v);
    return v;
}

void PgTable::setValue(const QString &name, const QVariant &v)
{
    ensureOpen();
    if (m_state == State::Browse)
        throw EngineError(
            QCoreApplication::translate("Database", "Table %1 is not in edit or insert mode")
                .arg(m_table));
    m_buffer.insert(field(name).name.toLower(), v);
}

int PgTable::storedCompression(const QString &name) const
{
    return field(name).compressionLevel;
}

QByteArray PgTable::storedBytes(const QString &name, bool *compressed) const
{
    ensureOpen();
    const FieldDef &f = field(name);
    if (compressed)
        *compressed = false;
    requireRow();
    // In binary form: a BYTEA value comes as its bytes, not hex-escaped;
    // the row version comes as the four bytes of a transaction id.
    const PgResult r = readCurrentRow(pgQuote(f.name) + QStringLiteral(", xmin"), QString(), true);
    const QByteArray bytes = r.isNull(0, 0) ? QByteArray() : r.value(0, 0);
    m_conn->keptDigest = {
        true,
        m_table,
        f.name,
        m_rowId,
        versionText(r.value(0, 1)),
        bytes.isEmpty() ? QByteArray() : QCryptographicHash::hash(bytes, QCryptographicHash::Md5)};
    if (compressed)
        *compressed = !bytes.isEmpty() && f.compressionLevel > 0;
    return bytes;
}

QByteArray PgTable::storedDigest(const QString &name) const
{
    ensureOpen();
    const FieldDef &f = field(name);
    requireRow();
    const PgConnection::KeptDigest &kept = m_conn->keptDigest;
    const bool mayKeep =
        kept.valid && kept.rowId == m_rowId && kept.table == m_table && kept.field == f.name;
    if (mayKeep) {
        // Only the row version travels; the value is digested again only
        // when the row changed since.
        const PgResult v = readCurrentRow(QStringLiteral("xmin"));
        if (v.value(0, 0) == kept.version)
            return kept.digest;
    }
    const PgResult r =
        readCurrentRow(QStringLiteral("CASE WHEN octet_length(%1) > 0 THEN md5(%1) END, xmin")
                           .arg(pgQuote(f.name)));
    const QByteArray digest = r.isNull(0, 0) ? QByteArray() : QByteArray::fromHex(r.value(0, 0));
    m_conn->keptDigest = {true, m_table, f.name, m_rowId, r.value(0, 1), digest};
    return digest;
}
