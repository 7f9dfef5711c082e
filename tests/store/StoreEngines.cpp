#include "StoreEngines.h"

#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "platform/db/EngineFactory.h"
#include "platform/db/ReportAddress.h"
#include "store/ReportSchema.h"
#include "tests/support/TestReport.h"

#include <QDateTime>
#include <QProcess>
#include <QUuid>
#include <QtTest>
#include <sqlite3.h>

namespace StoreEngines {

void addEngineColumn()
{
    QTest::addColumn<QString>("engine");
    QTest::newRow("file") << QStringLiteral("file");
    QTest::newRow("server") << QStringLiteral("server");
}

QString reportAddress(const QString &engine, const QString &name)
{
    if (engine == QLatin1String("file"))
        return testTempDir() + QLatin1Char('/') + name + QStringLiteral(".sup");
    const QString base = qEnvironmentVariable("TESSARY_TEST_PG");
    if (base.isEmpty())
        return QString();
    // A report of its own, so that test programs running at once never meet.
    return ReportAddress::withReport(base, QStringLiteral("t_") + name.left(20).toLower() +
                                               QLatin1Char('_') +
                                               QUuid::createUuid().toString(QUuid::Id128).left(12));
}

bool isServer(const QString &address)
{
    return ReportAddress::isServer(address);
}

std::unique_ptr<DbEngine> engineFor(const QString &address)
{
    return EngineFactory::engineFor(address);
}

QString hostSql(const QString &address, const QString &statement)
{
    if (isServer(address)) {
        const ReportAddress a = ReportAddress::parse(address);
        QString sql = statement;
        sql.replace(QStringLiteral("{T}"), QStringLiteral("\"%1\".\"OUTPUT\"").arg(a.report()));
        QProcess p;
        p.start(QStringLiteral("psql"),
                {a.connectionUri(), QStringLiteral("-AtqX"), QStringLiteral("-v"),
                 QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-c"), sql});
        if (!p.waitForFinished(30000) || p.exitCode() != 0)
            return QStringLiteral("error: ") + QString::fromUtf8(p.readAllStandardError());
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
    QString sql = statement;
    sql.replace(QStringLiteral("{T}"), QStringLiteral("OUTPUT"));
    sqlite3 *db = nullptr;
    sqlite3_open(address.toUtf8().constData(), &db);
    sqlite3_busy_timeout(db, 5000);
    QString result;
    char *error = nullptr;
    sqlite3_exec(
        db, sql.toUtf8().constData(),
        [](void *out, int n, char **values, char **) {
            for (int i = 0; i < n; ++i)
                *static_cast<QString *>(out) +=
                    QString::fromUtf8(values[i] ? values[i] : "") + (i + 1 < n ? "|" : "\n");
            return 0;
        },
        &result, &error);
    if (error) {
        result = QStringLiteral("error: ") + QString::fromUtf8(error);
        sqlite3_free(error);
    }
    sqlite3_close(db);
    return result.trimmed();
}

void hostRow(const QString &address, qint64 id, const QVariant &kind, const QString &info,
             const QByteArray &content)
{
    std::unique_ptr<DbEngine> engine = engineFor(address);
    engine->connect(address);
    auto table = engine->table(ReportSchema::Table);
    table->open();
    table->append();
    table->setInteger(ReportSchema::PageId, id);
    table->setDateTime(ReportSchema::PageDate, QDateTime::currentDateTime());
    if (kind.isValid())
        table->setInteger(ReportSchema::PageType, kind.toLongLong());
    table->setText(ReportSchema::PageInfo, info);
    if (!content.isEmpty())
        table->setBytes(ReportSchema::PageContent, content);
    table->post();
}

int rowCount(const QString &address)
{
    std::unique_ptr<DbEngine> engine = engineFor(address);
    engine->connect(address, true);
    auto table = engine->table(ReportSchema::Table);
    table->open();
    int n = 0;
    for (table->first(); !table->eof(); table->next())
        ++n;
    return n;
}

} // namespace StoreEngines
