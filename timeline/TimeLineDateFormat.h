#pragma once

#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QString>

// A date or date-time format in QLocale's notation ("dd/MM/yyyy HH:mm:ss",
// "d MMM yyyy", "h:mm:ss AP") compiled into one regular expression, so that
// thousands of dates read quickly. Day and month numbers, hours, minutes and
// seconds take one or two digits whatever the letter count; month names and
// AM/PM come from the locale, in any letter case. Day names are skipped.
class TimeLineDateFormat
{
public:
    TimeLineDateFormat(const QString &format, const QLocale &locale);
    // The compiled format from a process-wide cache (formats are compiled once).
    static TimeLineDateFormat Cached(const QString &format, const QLocale &locale);

    // The date-time (Qt::UTC wall clock) that text spells, or an invalid one.
    QDateTime Parse(const QString &text) const;
    bool IsValid() const { return m_regex.isValid(); }

private:
    enum Field
    {
        Day,
        Month,
        MonthName,
        Year2,
        Year4,
        Hour24,
        Hour12,
        Minute,
        Second,
        MSec,
        AmPm,
        Skip
    };

    QRegularExpression m_regex;
    QVector<Field> m_fields;      // capture group k + 1 holds m_fields[k]
    QHash<QString, int> m_months; // lower-case month names (long and short) -> 1..12
    QString m_am, m_pm;           // lower case
    bool m_hasDate = false;
};
