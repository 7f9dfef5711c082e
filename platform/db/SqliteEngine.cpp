#include "platform/db/SqliteEngine.h"

#include "platform/Logging.h"
#include "platform/db/EngineError.h"
#include "platform/db/SqliteConnection.h"
#include "platform/db/SqliteTable.h"

#include <QFileInfo>
#include <limits>
#include <sqlite3.h>

namespace {
// SQLite's own identity column under the declared type of every other field.
QString declaredType(const FieldDef &f)
{
    return f.type == FieldType::AutoInc ? QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT")
                                        : declaredForm(f);
}

} // namespace

SqliteEngine::SqliteEngine() : m_conn(std::make_shared<SqliteConnection>()) {}

SqliteEngine::~SqliteEngine()
{
    disconnect();
}

void SqliteEngine::openFile(const QString &fileName, bool create, bool readOnly)
{
    disconnect();
    m_conn = std::make_shared<SqliteConnection>();
    m_conn->fileName = fileName;
    m_readOnly = readOnly;
    m_transactionDepth = 0;
    const int flags =
        readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(fileName.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString m = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        throw EngineError(
            QCoreApplication::translate("Database", "Cannot open %1: %2").arg(fileName, m));
    }
    m_conn->db = db;
    sqlite3_busy_handler(db, &SqliteEngine::busyHandler, this);
    // The first read of the file tells whether it is a database at all.
    char *error = nullptr;
    const int check =
        sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &error);
    if (check != SQLITE_OK) {
        const QString m = QString::fromUtf8(error ? error : sqlite3_errstr(check));
        sqlite3_free(error);
        m_conn->close();
        if (check == SQLITE_NOTADB || check == SQLITE_CORRUPT)
            throw EngineError(
                QCoreApplication::translate("Database", "File is not a report database: %1 (%2)")
                    .arg(fileName, m));
        throw EngineError(
            QCoreApplication::translate("Database", "Cannot read %1: %2").arg(fileName, m));
    }
    qCDebug(lcDb) << "connected to" << fileName << (readOnly ? "read-only" : "");
}

int SqliteEngine::busyHandler(void *self, int count)
{
    // Waits up to about ten seconds in 20 ms steps, telling the caller once
    // that it waits, so that a window can say why it does not answer.
    auto *engine = static_cast<SqliteEngine *>(self);
    if (count == 0 && engine->onBusy)
        engine->onBusy();
    if (count >= 500)
        return 0;
    sqlite3_sleep(20);
    return 1;
}

void SqliteEngine::shareWithOtherProcesses()
{
    if (m_readOnly)
        return;
    m_conn->exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    m_conn->exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
}

void SqliteEngine::createDatabase(const QString &fileName)
{
    openFile(fileName, true, false);
    try {
        shareWithOtherProcesses();
    } catch (const EngineError &) {
        m_conn->close();
        throw;
    }
}

void SqliteEngine::connect(const QString &fileName, bool readOnly)
{
    if (!QFileInfo(fileName).isFile())
        throw EngineError(
            QCoreApplication::translate("Database", "The report file does not exist: %1")
                .arg(fileName));
    openFile(fileName, false, readOnly);
}

void SqliteEngine::beginTransaction()
{
    if (m_transactionDepth++ == 0) {
        try {
            m_conn->exec(QStringLiteral("BEGIN IMMEDIATE"));
        } catch (...) {
            m_transactionDepth = 0;
            throw;
        }
    }
}

void SqliteEngine::commitTransaction()
{
    if (m_transactionDepth == 0)
        return;
    if (--m_transactionDepth == 0)
        m_conn->exec(QStringLiteral("COMMIT"));
}

void SqliteEngine::rollbackTransaction()
{
    if (m_transactionDepth == 0)
        return;
    m_transactionDepth = 0;
    m_conn->keptDigest.valid = false; // what was written is undone
    if (m_conn->isOpen())
        m_conn->exec(QStringLiteral("ROLLBACK"));
}

void SqliteEngine::disconnect()
{
    if (m_conn)
        m_conn->close();
}

bool SqliteEngine::isConnected() const
{
    return m_conn && m_conn->isOpen();
}

QString SqliteEngine::fileName() const
{
    return m_conn ? m_conn->fileName : QString();
}

bool SqliteEngine::tableExists(const QString &table) const
{
    sqlite3_stmt *s = m_conn->prepare(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?"));
    StatementScope scope(s);
    const QByteArray name = table.toUtf8();
    sqlite3_bind_text(s, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(s);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        m_conn->fail(QCoreApplication::translate("Database", "Cannot read the list of tables"));
    return rc == SQLITE_ROW;
}

void SqliteEngine::dropTable(const QString &table)
{
    m_conn->exec(QStringLiteral("DROP TABLE %1").arg(quoteIdentifier(table)));
}

void SqliteEngine::createTable(const QString &table, const FieldDefs &fields)
{
    QStringList columns;
    for (const FieldDef &f : fields)
        columns << quoteIdentifier(f.name) + QLatin1Char(' ') + declaredType(f) +
                       (f.required && f.type != FieldType::AutoInc ? QStringLiteral(" NOT NULL")
                                                                   : QString());
    m_conn->exec(QStringLiteral("CREATE TABLE %1 (%2)")
                     .arg(quoteIdentifier(table), columns.join(QStringLiteral(", "))));
}

FieldDefs SqliteEngine::tableFields(const QString &table) const
{
    return m_conn->tableFields(table);
}

std::unique_ptr<DbTable> SqliteEngine::table(const QString &table)
{
    return std::make_unique<SqliteTable>(m_conn, table);
}

QList<QPair<qint64, QVariant>> SqliteEngine::rowsOutside(const QString &table,
                                                         const QString &valueField,
                                                         const QList<IdRange> &held)
{
    // One seek on the rowid per gap between the held ranges: the cost follows
    // the number of gaps and of rows found, not the size of the table.
    sqlite3_stmt *s = m_conn->prepare(
        QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid > ? AND rowid < ? ORDER BY rowid")
            .arg(quoteIdentifier(valueField), quoteIdentifier(table)));
    QList<QPair<qint64, QVariant>> out;
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    constexpr qint64 highest = std::numeric_limits<qint64>::max();
    for (int i = 0; i <= held.size(); ++i) {
        const qint64 after = i == 0 ? lowest : held[i - 1].last;
        const qint64 before = i == held.size() ? highest : held[i].first;
        if (after != lowest && before != highest && before - after <= 1)
            continue;
        StatementScope scope(s);
        sqlite3_bind_int64(s, 1, after);
        sqlite3_bind_int64(s, 2, before);
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW)
            out.append(
                {sqlite3_column_int64(s, 0), sqlite3_column_type(s, 1) == SQLITE_NULL
                                                 ? QVariant()
                                                 : QVariant(qint64(sqlite3_column_int64(s, 1)))});
        if (rc != SQLITE_DONE)
            m_conn->fail(
                QCoreApplication::translate("Database", "Cannot read table %1").arg(table));
        sqlite3_reset(s);
    }
    return out;
}
