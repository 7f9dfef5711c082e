#include "platform/db/ReportAddress.h"

#include "platform/db/EngineError.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

bool ReportAddress::isServer(const QString &text)
{
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

ReportAddress ReportAddress::parse(const QString &text)
{
    if (!isServer(text))
        throw EngineError(
            QCoreApplication::translate("Database", "%1 is not a server address").arg(text));
    const int q = text.indexOf(QLatin1Char('?'));
    const QString head = q < 0 ? text : text.left(q);
    const QString query = q < 0 ? QString() : text.mid(q + 1);

    // The authority may hold user@host:port; a colon in the user part would
    // be a password, which never travels in an address.
    const int schemeEnd = head.indexOf(QLatin1String("://")) + 3;
    const int slash = head.indexOf(QLatin1Char('/'), schemeEnd);
    const QString authority = head.mid(schemeEnd, slash < 0 ? -1 : slash - schemeEnd);
    const int at = authority.lastIndexOf(QLatin1Char('@'));
    if (at >= 0 && authority.left(at).contains(QLatin1Char(':')))
        throw EngineError(QCoreApplication::translate(
            "Database", "A report address must not hold a password; libpq "
                        "takes it from ~/.pgpass or PGPASSWORD"));

    ReportAddress a;
    a.m_text = text;
    a.m_database = slash < 0 ? QString() : QUrl::fromPercentEncoding(head.mid(slash + 1).toUtf8());
    QStringList kept;
    for (const QString &item : query.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        const int eq = item.indexOf(QLatin1Char('='));
        const QString key = item.left(eq);
        const QString value =
            eq < 0 ? QString() : QUrl::fromPercentEncoding(item.mid(eq + 1).toUtf8());
        if (key == QLatin1String("report"))
            a.m_report = value;
        else if (key == QLatin1String("password") || key == QLatin1String("passfile"))
            throw EngineError(QCoreApplication::translate(
                "Database", "A report address must not hold a password; libpq "
                            "takes it from ~/.pgpass or PGPASSWORD"));
        else
            kept << item;
    }
    if (a.m_report.isEmpty())
        throw EngineError(QCoreApplication::translate(
                              "Database", "The address %1 names no report (add ?report=NAME)")
                              .arg(text));
    // The name becomes a schema and a channel: a plain identifier of at most
    // 63 bytes, so that hosts can write it in SQL without surprises.
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]{0,62}$"));
    if (!identifier.match(a.m_report).hasMatch())
        throw EngineError(QCoreApplication::translate(
                              "Database", "\"%1\" is not a report name: use letters, digits and "
                                          "underscores, at most 63, starting with a letter")
                              .arg(a.m_report));
    a.m_uri = kept.isEmpty() ? head : head + QLatin1Char('?') + kept.join(QLatin1Char('&'));
    return a;
}

QString ReportAddress::withReport(const QString &base, const QString &report)
{
    const int q = base.indexOf(QLatin1Char('?'));
    QStringList items;
    if (q >= 0)
        for (const QString &item : base.mid(q + 1).split(QLatin1Char('&'), Qt::SkipEmptyParts))
            if (!item.startsWith(QLatin1String("report=")))
                items << item;
    items << QStringLiteral("report=") + report;
    return (q < 0 ? base : base.left(q)) + QLatin1Char('?') + items.join(QLatin1Char('&'));
}

QString ReportAddress::displayName() const
{
    return m_database.isEmpty() ? m_report : m_report + QLatin1Char('@') + m_database;
}
