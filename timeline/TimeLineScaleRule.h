#pragma once

#include "platform/timebar/TTimeBarTypes.h"

#include <QString>
#include <optional>

// A division scale: its unit, the steps of divisions and sub-divisions and the
// label formats (QLocale notation). SubFormat is empty (nullopt) for a scale
// that leaves the sub-division labels as they are.
struct TimeLineScaleRow
{
    TDivisionType Type = dtDay;
    int Divisions = 1;
    int SubDivisions = 1;
    QString Format;
    std::optional<QString> SubFormat;
};

// The division scale for a visible span of `span` days. The span is rounded
// to whole days, halves to even (365.5 days are 366), years are days / 365
// rounded the same way and hours span × 24: up to 6 hours quarter hours; up to
// 1 day (half days to even) hours with the date under each midnight; 2-3 days
// 6-hour steps; 4-12 days days; 13-29 days 2-day steps; 30-200 days steps of
// a tenth; up to 1 year months; 2-3 years quarters; 4-7 years half years;
// 8-23 years years; 24-1000 years twelfths of the span in years. Any other
// span (over 1000 years) has no scale: nullopt.
class TimeLineScaleRule
{
public:
    static std::optional<TimeLineScaleRow> ForSpan(double span, const QString &shortDate);
};
