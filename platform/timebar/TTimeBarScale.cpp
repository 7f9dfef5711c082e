#include "platform/timebar/TTimeBarScale.h"

#include <QRegularExpression>
#include <cmath>

namespace {

qint64 floorDiv(qint64 a, qint64 b)
{
    qint64 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

const QDate kEpoch(1970, 1, 1);

} // namespace

double TTimeBarScale::UnitMSecs(TDivisionType type)
{
    switch (type) {
    case dtMinute:
        return 60000.0;
    case dtHour:
        return 3600000.0;
    case dtDay:
        return 86400000.0;
    case dtMonth:
        return 86400000.0 * 30.436875;
    case dtYear:
        return 86400000.0 * 365.2425;
    }
    return 86400000.0;
}

QDateTime TTimeBarScale::AlignDown(const QDateTime &t, TDivisionType type, int step)
{
    step = qMax(1, step);
    const QDate d = t.date();
    switch (type) {
    case dtMinute: {
        const qint64 minutes = floorDiv(t.toMSecsSinceEpoch(), 60000);
        return QDateTime::fromMSecsSinceEpoch(floorDiv(minutes, step) * step * 60000, Qt::UTC);
    }
    case dtHour: {
        const qint64 hours = floorDiv(t.toMSecsSinceEpoch(), 3600000);
        return QDateTime::fromMSecsSinceEpoch(floorDiv(hours, step) * step * 3600000, Qt::UTC);
    }
    case dtDay: {
        const qint64 days = kEpoch.daysTo(d);
        return QDateTime(kEpoch.addDays(floorDiv(days, step) * step), QTime(0, 0), Qt::UTC);
    }
    case dtMonth: {
        const qint64 index = qint64(d.year()) * 12 + d.month() - 1;
        const qint64 aligned = floorDiv(index, step) * step;
        return QDateTime(
            QDate(int(floorDiv(aligned, 12)), int(aligned - floorDiv(aligned, 12) * 12) + 1, 1),
            QTime(0, 0), Qt::UTC);
    }
    case dtYear: {
        int y = int(floorDiv(d.year(), step) * step);
        if (y == 0) // there is no year 0 in QDate's calendar
            y = 1;
        return QDateTime(QDate(y, 1, 1), QTime(0, 0), Qt::UTC);
    }
    }
    return t;
}

QDateTime TTimeBarScale::Advance(const QDateTime &t, TDivisionType type, int step)
{
    switch (type) {
    case dtMinute:
        return t.addSecs(qint64(step) * 60);
    case dtHour:
        return t.addSecs(qint64(step) * 3600);
    case dtDay:
        return t.addDays(step);
    case dtMonth:
        return t.addMonths(step);
    case dtYear:
        return t.addYears(step);
    }
    return t.addDays(step);
}

QVector<qint64> TTimeBarScale::Ticks(qint64 fromMs, qint64 toMs, TDivisionType type, int step,
                                     int maxCount, int *usedStep)
{
    QVector<qint64> ticks;
    step = qMax(1, step);
    if (toMs <= fromMs || maxCount <= 0) {
        if (usedStep)
            *usedStep = step;
        return ticks;
    }
    const double expected = double(toMs - fromMs) / (UnitMSecs(type) * step);
    if (expected > maxCount)
        step = int(qMin(1e9, std::ceil(step * expected / maxCount)));
    if (usedStep)
        *usedStep = step;

    QDateTime t = AlignDown(QDateTime::fromMSecsSinceEpoch(fromMs, Qt::UTC), type, step);
    ticks.reserve(maxCount + 2);
    // The loop is bounded: every Advance moves forward by at least one unit.
    while (t.isValid() && ticks.size() <= maxCount + 1) {
        const qint64 ms = t.toMSecsSinceEpoch();
        if (ms > toMs)
            break;
        if (ms >= fromMs)
            ticks.append(ms);
        const QDateTime next = Advance(t, type, step);
        if (!next.isValid() || next <= t)
            break;
        t = next;
    }
    return ticks;
}

QStringList TTimeBarScale::LabelLines(const QDateTime &t, const QString &format,
                                      const QLocale &locale)
{
    if (format.trimmed().isEmpty())
        return {};
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = locale.toString(t, format).split(breaks);
    for (QString &l : lines)
        l = l.trimmed();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
