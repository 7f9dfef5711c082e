#pragma once

#include "platform/timebar/TTimeBarTypes.h"

#include <QDateTime>
#include <QLocale>
#include <QVector>

// The calendar arithmetic behind the division scale: where the ticks of a
// division type fall inside a range and how their labels read. Ticks are
// aligned to the calendar (15-minute steps on the quarter hour, 24-hour steps
// at midnight, 3-month steps on January, April, July and October, 12-year steps
// on years divisible by 12).
class TTimeBarScale
{
public:
    // The tick times (msecs since the epoch, wall clock kept as UTC) of steps of
    // `step` units from the last aligned boundary at or before fromMs up to
    // toMs. When more than maxCount ticks would result the step is enlarged, so
    // that a mismatched scale never floods the bar; *usedStep receives the step.
    static QVector<qint64> Ticks(qint64 fromMs, qint64 toMs, TDivisionType type, int step,
                                 int maxCount, int *usedStep = nullptr);
    // The aligned boundary at or before t.
    static QDateTime AlignDown(const QDateTime &t, TDivisionType type, int step);
    // t moved on by `step` units.
    static QDateTime Advance(const QDateTime &t, TDivisionType type, int step);
    // Approximate length of one unit in milliseconds.
    static double UnitMSecs(TDivisionType type);
    // The label lines of a tick: the format rendered through the locale, split
    // at line breaks, each line without leading and trailing spaces.
    static QStringList LabelLines(const QDateTime &t, const QString &format, const QLocale &locale);
};
