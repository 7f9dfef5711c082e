#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <memory>

class DbEngine;

// Runs a store test on both engines: a report file (SQLite) and a report on
// the PostgreSQL server named by TESSARY_TEST_PG (`make test` starts a
// throwaway cluster for it). A test function takes the column with
// addEngineColumn() in its _data function and FETCH_REPORT(name) in its body;
// the server row is skipped, saying why, when no server is named.
namespace StoreEngines {
void addEngineColumn();
// A fresh report address for the engine ("file" or "server"): a file in a
// new temporary folder, or a schema of its own on the server; empty for the
// server when none is named.
QString reportAddress(const QString &engine, const QString &name);
bool isServer(const QString &address);
std::unique_ptr<DbEngine> engineFor(const QString &address);
// Runs SQL through a connection of its own, as a host would, and returns the
// rows, fields separated by "|", rows by new lines ("error: ..." on failure).
// {T} stands for the report's table; column names are written quoted.
QString hostSql(const QString &address, const QString &statement);
// Appends a row as a host writes it, with an explicit id (kind: NULL when invalid).
void hostRow(const QString &address, qint64 id, const QVariant &kind, const QString &info,
             const QByteArray &content = {});
int rowCount(const QString &address);
} // namespace StoreEngines

#define FETCH_REPORT(name)                                                                         \
    QFETCH(QString, engine);                                                                       \
    const QString address = StoreEngines::reportAddress(engine, QStringLiteral(name));             \
    if (address.isEmpty())                                                                         \
        QSKIP("No PostgreSQL server named: set TESSARY_TEST_PG (make test starts one)");
