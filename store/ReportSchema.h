#pragma once

#include "platform/db/FieldDef.h"

#include <QString>

class DbEngine;
class DbTable;

// The layout of a report file: one table OUTPUT, one row per page plus the
// outline row (id 0) that holds the stored tree.
namespace ReportSchema {
inline const QString Table = QStringLiteral("OUTPUT");
inline const QString PageId = QStringLiteral("PageId");
inline const QString PageDate = QStringLiteral("PageDate");
inline const QString PageInfo = QStringLiteral("PageInfo");
inline const QString PageType = QStringLiteral("PageType");
inline const QString PageContent = QStringLiteral("PageContent");
inline const QString PageComment = QStringLiteral("PageComment");
inline const QString PageRandomKey = QStringLiteral("PageRandomKey");
inline const QString OutlineInfo = QStringLiteral("Outline");

// The seven fields of OUTPUT in order, with their compression.
FieldDefs outputFields();
// Drops OUTPUT when it exists and creates it anew.
void createOutputTable(DbEngine &engine);
// Appends the outline row (id 0, kind 10, "Outline") holding treeStream.
void appendOutlineRow(DbTable &table, const QByteArray &treeStream);
// Appends a page row and returns its id (date now; empty fields stay NULL).
qint32 appendPageRow(DbTable &table, int kind, const QString &info, const QByteArray &content = {},
                     const QString &comment = {});
// The host project file of a report: same path with extension ".KVB"; an
// existing file whose extension differs only in case is used as it is.
QString projectFilePath(const QString &reportPath);
// Comments are stored with CR LF line breaks and shown with LF.
QString commentToStored(const QString &shown);
QString commentFromStored(const QString &stored);
} // namespace ReportSchema
