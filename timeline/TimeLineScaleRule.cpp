#include "timeline/TimeLineScaleRule.h"

#include <cmath>

std::optional<TimeLineScaleRow> TimeLineScaleRule::ForSpan(double span, const QString &shortDate)
{
    // Rounded to the nearest integer, halves to even.
    const double days = std::nearbyint(span);
    const double years = std::nearbyint(days / 365.0);
    const double hours = std::nearbyint(span * 24.0);
    const QString timeAndDate = QStringLiteral("  hh:mm\n") + shortDate;
    const QString monthYear = QStringLiteral(" MMM\nyyyy");

    bool set = true;
    TDivisionType type = dtDay;
    int divisions = 1, subDivisions = 1;
    QString format;
    std::optional<QString> subFormat;
    if (years >= 0 && years <= 1) {
        if (days >= 0 && days <= 1) {
            if (hours < 6) {
                type = dtMinute, divisions = 15, subDivisions = 15,
                format = QStringLiteral("  hh:mm");
            } else {
                type = dtHour, divisions = 24, subDivisions = hours < 12 ? 1 : 2;
                format = timeAndDate, subFormat = QStringLiteral("hh:mm");
            }
        } else if (days >= 2 && days <= 3) {
            type = dtHour, divisions = 24, subDivisions = 6;
            format = timeAndDate, subFormat = QStringLiteral("hh:mm");
        } else if (days >= 4 && days <= 12) {
            type = dtDay, divisions = 1, subDivisions = 1, format = shortDate;
        } else if (days >= 13 && days <= 29) {
            type = dtDay, divisions = 2, subDivisions = 2, format = shortDate,
            subFormat = QString();
        } else if (days >= 30 && days <= 200) {
            type = dtDay, divisions = subDivisions = int(days) / 10, format = shortDate;
        } else if (days >= 201 && days <= 750) {
            type = dtMonth, divisions = 1, subDivisions = 1, format = monthYear;
        } else {
            set = false;
        }
    } else if (years >= 2 && years <= 3) {
        type = dtMonth, divisions = 3, subDivisions = 3, format = monthYear;
    } else if (years >= 4 && years <= 7) {
        type = dtMonth, divisions = 6, subDivisions = 6, format = monthYear;
    } else if (years >= 8 && years <= 23) {
        type = dtMonth, divisions = 12, subDivisions = 12, format = QStringLiteral("yyyy");
    } else if (years >= 24 && years <= 1000) {
        type = dtYear, divisions = subDivisions = int(years) / 12, format = QStringLiteral("yyyy");
        subFormat = QStringLiteral(" ");
    } else {
        set = false;
    }
    if (!set)
        return std::nullopt;
    return TimeLineScaleRow{type, divisions, subDivisions, format, subFormat};
}
