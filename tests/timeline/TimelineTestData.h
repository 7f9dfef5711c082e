#pragma once

#include <QDateTime>
#include <QString>

// Wall-clock date-times as the timeline keeps them.
inline QDateTime at(int y, int m, int d, int h = 0, int min = 0, int s = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min, s), Qt::UTC);
}

// The text lines of a timeline text (without the empty piece after the last CR LF).
inline QStringList textLines(const QString &text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
