#pragma once

#include <QString>

// The address of a report: a file path, or a report kept on a PostgreSQL
// server, written postgresql://[user@]host[:port]/database?report=NAME (any
// further libpq parameters may follow, e.g. host=/run/postgresql for a local
// socket). Passwords are never part of an address: libpq takes them from
// ~/.pgpass or PGPASSWORD.
class ReportAddress
{
public:
    // True when text names a report on a server (it starts with postgresql://
    // or postgres://); everything else is a file path.
    static bool isServer(const QString &text);
    // Parses a server address; throws EngineError naming what is wrong (no
    // report name, a password, a report name that is not a plain identifier).
    static ReportAddress parse(const QString &text);
    // base with its report parameter set to report (added or replaced).
    static QString withReport(const QString &base, const QString &report);

    // The libpq connection string: the address without its report parameter.
    QString connectionUri() const { return m_uri; }
    // The report's name: the schema that holds its table and its notification channel.
    QString report() const { return m_report; }
    QString text() const { return m_text; }
    // A short name for captions: the report's name and the database.
    QString displayName() const;

private:
    QString m_text;
    QString m_uri;
    QString m_report;
    QString m_database;
};
