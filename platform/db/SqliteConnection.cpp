#include "platform/db/SqliteConnection.h"

#include "platform/db/EngineError.h"

#include <sqlite3.h>

void SqliteConnection::close()
{
    keptDigest.valid = false;
    for (sqlite3_stmt *s : std::as_const(statements))
        sqlite3_finalize(s);
    statements.clear();
    if (db)
        sqlite3_close_v2(db);
    db = nullptr;
}

void SqliteConnection::ensureOpen() const
{
    if (!db)
        throw EngineError(QCoreApplication::translate("Database", "The database is not connected"));
}

sqlite3_stmt *SqliteConnection::prepare(const QString &sql)
{
    ensureOpen();
    if (sqlite3_stmt *s = statements.value(sql)) {
        sqlite3_reset(s);
        sqlite3_clear_bindings(s);
        return s;
    }
    sqlite3_stmt *s = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &s, nullptr) != SQLITE_OK)
        fail(QCoreApplication::translate("Database", "Cannot prepare \"%1\"").arg(sql));
    statements.insert(sql, s);
    return s;
}

qint64 SqliteConnection::dataVersion()
{
    sqlite3_stmt *s = prepare(QStringLiteral("PRAGMA data_version"));
    StatementScope scope(s);
    if (sqlite3_step(s) != SQLITE_ROW)
        fail(QStringLiteral("Cannot read the data version"));
    return sqlite3_column_int64(s, 0);
}

void SqliteConnection::exec(const QString &sql)
{
    ensureOpen();
    // Statements other than the ends of a transaction may change any row.
    if (!sql.startsWith(QLatin1String("BEGIN")) && !sql.startsWith(QLatin1String("COMMIT")))
        keptDigest.valid = false;
    char *message = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString m = QString::fromUtf8(message ? message : "unknown error");
        sqlite3_free(message);
        throw EngineError(QStringLiteral("%1: %2").arg(fileName, m));
    }
}

void SqliteConnection::fail(const QString &what) const
{
    const QString engine = db ? QString::fromUtf8(sqlite3_errmsg(db))
                              : QCoreApplication::translate("Database", "not connected");
    throw EngineError(QStringLiteral("%1: %2 (%3)").arg(fileName, what, engine));
}

StatementScope::~StatementScope()
{
    if (m_stmt) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
}

QString quoteIdentifier(const QString &name)
{
    QString n = name;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

namespace {
FieldDef fieldFromDeclared(const QString &name, const QString &declared, bool primaryKey)
{
    FieldDef f;
    f.name = name;
    const QString t = declared.trimmed().toUpper();
    const int z = t.lastIndexOf(QLatin1String("_Z"));
    if (z >= 0 && z + 3 == t.size() && t.at(z + 2).isDigit())
        f.compressionLevel = t.at(z + 2).digitValue();
    if (primaryKey && t.startsWith(QLatin1String("INTEGER")))
        f.type = FieldType::AutoInc;
    else if (t.startsWith(QLatin1String("MEMO")) || t.contains(QLatin1String("TEXT")) ||
             t.contains(QLatin1String("CHAR")) || t.contains(QLatin1String("CLOB")))
        f.type = FieldType::Memo;
    else if (t.startsWith(QLatin1String("DATE")))
        f.type = FieldType::DateTime;
    else if (t.startsWith(QLatin1String("BLOB")) || t.isEmpty())
        f.type = FieldType::Blob;
    else
        f.type = FieldType::Integer;
    return f;
}
} // namespace

FieldDefs SqliteConnection::tableFields(const QString &table)
{
    sqlite3_stmt *s = prepare(QStringLiteral("PRAGMA table_info(%1)").arg(quoteIdentifier(table)));
    StatementScope scope(s);
    FieldDefs out;
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        const QString name =
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 1)));
        const QString type =
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 2)));
        FieldDef f = fieldFromDeclared(name, type, sqlite3_column_int(s, 5) > 0);
        f.required = sqlite3_column_int(s, 3) != 0;
        out.append(f);
    }
    if (rc != SQLITE_DONE)
        fail(QCoreApplication::translate("Database", "Cannot read the fields of %1").arg(table));
    return out;
}
