#pragma once

#include "timeline/TimeLineDateFormat.h"

#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

// Date-times of the timeline text. They are written in the locale's short date
// format (with four-digit years), followed by a space and the locale's long
// time format (without a time-zone name) when the time of day is not
// midnight. They are read in that spelling, in the locale's other time
// formats, and in ISO 8601 (2021-03-04, 2021-03-04T13:05:07), which reads the
// same under every locale. All values are wall-clock times kept as Qt::UTC.
class TimeLineDates
{
public:
    explicit TimeLineDates(const QLocale &locale = QLocale());

    QString Format(const QDateTime &t) const;
    // The date-time written as text, or an invalid QDateTime.
    QDateTime Parse(const QString &text) const;
    static QDateTime ParseIso(const QString &text);
    // When text is not a date of this locale: the date format of other settings
    // that reads it (for a message saying so), or an empty string.
    QString ForeignFormat(const QString &text) const;
    // text read under a foreign date format, or an invalid QDateTime.
    QDateTime ParseForeign(const QString &text, const QString &foreignFormat) const;
    // The short date format used for writing, as shown to the user ("dd/MM/yyyy").
    QString DateFormat() const { return m_dateFormat; }
    // A date-time as a message shows it (ISO 8601, unambiguous).
    static QString Describe(const QDateTime &t);

private:
    // The date formats, each alone and followed by a space and each time format.
    static QVector<TimeLineDateFormat>
    compile(const QLocale &locale, const QStringList &dateFormats, const QStringList &timeFormats);
    static QDateTime parseWith(const QVector<TimeLineDateFormat> &formats, const QString &text);
    const QVector<TimeLineDateFormat> &foreign(const QString &format) const;

    QLocale m_locale;
    QString m_dateFormat;    // short date, four-digit years
    QString m_timeFormat;    // long time without zone
    QStringList m_readDates; // date formats tried on reading
    QStringList m_readTimes; // time formats tried on reading
    bool m_twoDigitYears = false;
    QVector<TimeLineDateFormat> m_compiled;   // four-digit years
    QVector<TimeLineDateFormat> m_compiledYy; // the locale's own two-digit years
    mutable QHash<QString, QVector<TimeLineDateFormat>> m_foreign;
};
