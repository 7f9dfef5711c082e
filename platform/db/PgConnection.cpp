#include "platform/db/PgConnection.h"

#include "platform/db/EngineError.h"

#include <QStringList>
#include <libpq-fe.h>
#include <vector>

namespace {
// A field read back from the column's comment, or from its server type when a
// host made the table without comments.
FieldDef fieldFromColumn(const QString &name, const QString &type, const QString &comment,
                         bool identity)
{
    FieldDef f;
    f.name = name;
    const QString c = comment.trimmed().toUpper();
    const int z = c.lastIndexOf(QLatin1String("_Z"));
    const bool zLevel = z >= 0 && z + 3 == c.size() && c.at(z + 2).isDigit();
    const QString base = zLevel ? c.left(z) : c;
    if (zLevel)
        f.compressionLevel = c.at(z + 2).digitValue();
    if (identity || base == QLatin1String("AUTOINC"))
        f.type = FieldType::AutoInc;
    else if (base == QLatin1String("MEMO"))
        f.type = FieldType::Memo;
    else if (base == QLatin1String("BLOB"))
        f.type = FieldType::Blob;
    else if (base == QLatin1String("DATETIME"))
        f.type = FieldType::DateTime;
    else if (base == QLatin1String("INTEGER"))
        f.type = FieldType::Integer;
    else if (type.startsWith(QLatin1String("timestamp")) || type == QLatin1String("date"))
        f.type = FieldType::DateTime;
    else if (type == QLatin1String("text") || type.startsWith(QLatin1String("character")))
        f.type = FieldType::Memo;
    else if (type == QLatin1String("bytea"))
        f.type = FieldType::Blob;
    else
        f.type = FieldType::Integer;
    return f;
}

} // namespace

int PgResult::rows() const
{
    return m_result ? PQntuples(m_result.get()) : 0;
}

bool PgResult::isNull(int row, int column) const
{
    return !m_result || PQgetisnull(m_result.get(), row, column);
}

QByteArray PgResult::value(int row, int column) const
{
    if (isNull(row, column))
        return QByteArray();
    return QByteArray(PQgetvalue(m_result.get(), row, column),
                      PQgetlength(m_result.get(), row, column));
}

QByteArray PgResult::bytea(int row, int column) const
{
    const QByteArray text = value(row, column);
    // bytea_output is hex since PostgreSQL 9.0: "\x" followed by two digits a byte.
    if (text.startsWith("\\x"))
        return QByteArray::fromHex(text.mid(2));
    size_t length = 0;
    unsigned char *raw =
        PQunescapeBytea(reinterpret_cast<const unsigned char *>(text.constData()), &length);
    if (!raw)
        throw EngineError(QCoreApplication::translate("Database", "Cannot decode a binary field"));
    QByteArray out(reinterpret_cast<const char *>(raw), qsizetype(length));
    PQfreemem(raw);
    return out;
}

int PgResult::affectedRows() const
{
    return m_result ? QByteArray(PQcmdTuples(m_result.get())).toInt() : 0;
}

void PgResult::freeResult(PGresult *r)
{
    if (r)
        PQclear(r);
}

void PgConnection::close()
{
    if (conn)
        PQfinish(conn);
    conn = nullptr;
}

void PgConnection::ensureOpen() const
{
    if (!conn)
        throw EngineError(QCoreApplication::translate("Database", "The database is not connected"));
}

PgResult PgConnection::exec(const QString &sql, const QList<PgParam> &params, bool binaryResult)
{
    ensureOpen();
    const QByteArray text = sql.toUtf8();
    std::vector<const char *> values;
    std::vector<int> lengths;
    std::vector<int> formats;
    for (const PgParam &p : params) {
        values.push_back(p.null ? nullptr : p.value.constData());
        lengths.push_back(int(p.value.size()));
        formats.push_back(p.binary ? 1 : 0);
    }
    PGresult *r = PQexecParams(conn, text.constData(), int(params.size()), nullptr, values.data(),
                               lengths.data(), formats.data(), binaryResult ? 1 : 0);
    PgResult result(r);
    const ExecStatusType status = r ? PQresultStatus(r) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        QString message = QString::fromUtf8(r ? PQresultErrorMessage(r) : PQerrorMessage(conn));
        if (message.trimmed().isEmpty())
            message = QString::fromUtf8(PQerrorMessage(conn));
        if (PQstatus(conn) == CONNECTION_BAD)
            message =
                QCoreApplication::translate("Database", "the connection to the server was lost: %1")
                    .arg(message);
        throw EngineError(QStringLiteral("%1: %2").arg(address, message.trimmed()));
    }
    return result;
}

QString PgConnection::qualified(const QString &name) const
{
    return pgQuote(schema) + QLatin1Char('.') + pgQuote(name);
}

int PgConnection::backendPid() const
{
    return conn ? PQbackendPID(conn) : 0;
}

QString pgQuote(const QString &identifier)
{
    QString n = identifier;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

FieldDefs PgConnection::tableFields(const QString &table)
{
    const PgResult r =
        exec(QStringLiteral(
                 "SELECT a.attname, format_type(a.atttypid, a.atttypmod), a.attnotnull, "
                 "col_description(a.attrelid, a.attnum), a.attidentity <> '' "
                 "FROM pg_attribute a JOIN pg_class c ON c.oid = a.attrelid "
                 "JOIN pg_namespace n ON n.oid = c.relnamespace "
                 "WHERE n.nspname = $1 AND c.relname = $2 AND a.attnum > 0 AND NOT a.attisdropped "
                 "ORDER BY a.attnum"),
             {PgParam::text(schema), PgParam::text(table)});
    FieldDefs out;
    for (int i = 0; i < r.rows(); ++i) {
        FieldDef f =
            fieldFromColumn(QString::fromUtf8(r.value(i, 0)), QString::fromUtf8(r.value(i, 1)),
                            QString::fromUtf8(r.value(i, 3)), r.value(i, 4) == "t");
        f.required = r.value(i, 2) == "t" && f.type != FieldType::AutoInc;
        out.append(f);
    }
    return out;
}
