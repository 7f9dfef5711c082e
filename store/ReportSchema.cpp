#include "store/ReportSchema.h"

#include "platform/db/DbEngine.h"
#include "platform/db/DbTable.h"
#include "store/PageKind.h"

#include <QDir>
#include <QFileInfo>

namespace ReportSchema {

FieldDefs outputFields()
{
    return {
        {PageId, FieldType::AutoInc, false, 0},        {PageDate, FieldType::DateTime, false, 0},
        {PageInfo, FieldType::Memo, false, 2},         {PageType, FieldType::Integer, false, 0},
        {PageContent, FieldType::Blob, false, 2},      {PageComment, FieldType::Memo, false, 9},
        {PageRandomKey, FieldType::Integer, false, 0},
    };
}

void createOutputTable(DbEngine &engine)
{
    if (engine.tableExists(Table))
        engine.dropTable(Table);
    engine.createTable(Table, outputFields());
}

void appendOutlineRow(DbTable &table, const QByteArray &treeStream)
{
    table.append();
    table.setInteger(PageId, 0);
    table.setDateTime(PageDate, QDateTime::currentDateTime());
    table.setInteger(PageType, PageKind::Root);
    table.setText(PageInfo, OutlineInfo);
    table.setBytes(PageContent, treeStream);
    table.post();
}

qint32 appendPageRow(DbTable &table, int kind, const QString &info, const QByteArray &content,
                     const QString &comment)
{
    table.append();
    table.setDateTime(PageDate, QDateTime::currentDateTime());
    table.setText(PageInfo, info);
    table.setInteger(PageType, kind);
    if (!content.isEmpty())
        table.setBytes(PageContent, content);
    if (!comment.isEmpty())
        table.setText(PageComment, commentToStored(comment));
    table.post();
    return qint32(table.asInteger(PageId));
}

QString projectFilePath(const QString &reportPath)
{
    const QFileInfo fi(reportPath);
    const QString base = fi.completeBaseName();
    const QDir dir = fi.absoluteDir();
    const QStringList candidates =
        dir.entryList({base + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    for (const QString &name : candidates) {
        if (name.compare(base + QStringLiteral(".KVB"), Qt::CaseInsensitive) == 0 &&
            name.startsWith(base))
            return dir.filePath(name);
    }
    return dir.filePath(base + QStringLiteral(".KVB"));
}

QString commentToStored(const QString &shown)
{
    QString s = shown;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    s.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return s;
}

QString commentFromStored(const QString &stored)
{
    QString s = stored;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

} // namespace ReportSchema
