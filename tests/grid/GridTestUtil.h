#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <QStringList>

class GridData;

// Runs a Python 3 script (an independent reader of what the grid wrote) with
// arguments and returns what it printed as JSON; a null value when it failed
// (the failure is printed with qWarning).
QJsonValue runPython(const QString &script, const QStringList &arguments);

QByteArray readFileBytes(const QString &fileName);
void writeFileBytes(const QString &fileName, const QByteArray &bytes);

// A small formatted crosstab: a bold header row with a coloured background,
// a fixed first column, a right-aligned numeric column.
void makeCrosstab(GridData &grid);
