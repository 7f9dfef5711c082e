#include "timeline/TimeLineDates.h"

#include <QRegularExpression>

namespace {

// Four-digit years in place of two-digit ones, so that no century is guessed.
QString fourDigitYears(QString format)
{
    static const QRegularExpression twoDigits(QStringLiteral("(?<!y)yy(?!y)"));
    return format.replace(twoDigits, QStringLiteral("yyyy"));
}

// The time format without its zone name: the stored text is wall-clock time.
QString withoutZone(QString format)
{
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    return format.replace(zone, QStringLiteral(" ")).trimmed();
}

// Single-letter day, month and hour fields read one or two digits.
QString lenient(QString format)
{
    static const QRegularExpression dd(QStringLiteral("(?<!d)dd(?!d)"));
    static const QRegularExpression mm(QStringLiteral("(?<!M)MM(?!M)"));
    static const QRegularExpression hh(QStringLiteral("(?<![hH])([hH])\\1(?![hH])"));
    format.replace(dd, QStringLiteral("d"));
    format.replace(mm, QStringLiteral("M"));
    format.replace(hh, QStringLiteral("\\1"));
    return format;
}

// The day and month fields swapped: the same date written under the other order.
QString swapDayMonth(const QString &format)
{
    QString out;
    for (int i = 0; i < format.size();) {
        const QChar c = format[i];
        int j = i;
        while (j < format.size() && format[j] == c)
            ++j;
        const int run = j - i;
        if (c == QLatin1Char('d') && run <= 2)
            out += QString(run, QLatin1Char('M'));
        else if (c == QLatin1Char('M') && run <= 2)
            out += QString(run, QLatin1Char('d'));
        else
            out += format.mid(i, run);
        i = j;
    }
    return out;
}

void appendUnique(QStringList &list, const QString &s)
{
    if (!s.isEmpty() && !list.contains(s))
        list.append(s);
}

} // namespace

TimeLineDates::TimeLineDates(const QLocale &locale) : m_locale(locale)
{
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    m_dateFormat = fourDigitYears(shortDate);
    m_timeFormat = withoutZone(locale.timeFormat(QLocale::LongFormat));
    static const QRegularExpression twoDigits(QStringLiteral("(?<!y)yy(?!y)"));
    m_twoDigitYears = shortDate.contains(twoDigits);

    appendUnique(m_readDates, m_dateFormat);
    appendUnique(m_readDates, fourDigitYears(locale.dateFormat(QLocale::LongFormat)));
    appendUnique(m_readTimes, m_timeFormat);
    appendUnique(m_readTimes, withoutZone(locale.timeFormat(QLocale::ShortFormat)));
    // A time without a day-half marker is a 24-hour time under any settings.
    appendUnique(m_readTimes, QStringLiteral("H:mm:ss"));
    appendUnique(m_readTimes, QStringLiteral("H:mm"));
    m_compiled = compile(locale, m_readDates, m_readTimes);
    if (m_twoDigitYears)
        m_compiledYy = compile(locale, {shortDate}, m_readTimes);
}

QVector<TimeLineDateFormat> TimeLineDates::compile(const QLocale &locale,
                                                   const QStringList &dateFormats,
                                                   const QStringList &timeFormats)
{
    QVector<TimeLineDateFormat> out;
    for (const QString &d : dateFormats) {
        out.append(TimeLineDateFormat::Cached(d, locale));
        for (const QString &t : timeFormats)
            out.append(TimeLineDateFormat::Cached(d + QLatin1Char(' ') + t, locale));
    }
    return out;
}

QDateTime TimeLineDates::parseWith(const QVector<TimeLineDateFormat> &formats, const QString &text)
{
    for (const TimeLineDateFormat &f : formats) {
        const QDateTime dt = f.Parse(text);
        if (dt.isValid())
            return dt;
    }
    return QDateTime();
}

const QVector<TimeLineDateFormat> &TimeLineDates::foreign(const QString &format) const
{
    auto it = m_foreign.find(format);
    if (it == m_foreign.end()) {
        const QStringList times = {QStringLiteral("H:mm:ss"), QStringLiteral("h:mm:ss AP"),
                                   QStringLiteral("H:mm"), QStringLiteral("h:mm AP")};
        QVector<TimeLineDateFormat> formats = compile(QLocale::c(), {format}, times);
        formats += compile(m_locale, {format}, times);
        it = m_foreign.insert(format, formats);
    }
    return it.value();
}

QString TimeLineDates::Format(const QDateTime &t) const
{
    if (!t.isValid())
        return QString();
    const QString date = m_locale.toString(t.date(), m_dateFormat);
    if (t.time() == QTime(0, 0))
        return date;
    return date + QLatin1Char(' ') + m_locale.toString(t.time(), m_timeFormat);
}

QString TimeLineDates::Describe(const QDateTime &t)
{
    if (!t.isValid())
        return QString();
    return t.time() == QTime(0, 0) ? t.date().toString(Qt::ISODate)
                                   : t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDateTime TimeLineDates::ParseIso(const QString &text)
{
    static const QRegularExpression iso(QStringLiteral(
        "^(\\d{4})-(\\d{2})-(\\d{2})(?:[T ](\\d{2}):(\\d{2})(?::(\\d{2})(?:[.,](\\d{1,3})\\d*)?)?)?"
        "\\s*(?:Z|[+-]\\d{2}(?::?\\d{2})?)?$"));
    const QRegularExpressionMatch m = iso.match(text.trimmed());
    if (!m.hasMatch())
        return QDateTime();
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    QTime time(0, 0);
    if (!m.captured(4).isEmpty()) {
        QString ms = m.captured(7);
        while (!ms.isEmpty() && ms.size() < 3)
            ms += QLatin1Char('0');
        time =
            QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt(), ms.toInt());
    }
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    // A zone suffix is accepted and the wall-clock time kept as written.
    return QDateTime(date, time, Qt::UTC);
}

QDateTime TimeLineDates::Parse(const QString &raw) const
{
    const QString text = raw.trimmed();
    if (text.isEmpty())
        return QDateTime();
    QDateTime dt = ParseIso(text);
    if (dt.isValid())
        return dt;
    dt = parseWith(m_compiled, text);
    if (dt.isValid())
        return dt;
    if (m_twoDigitYears) {
        // Text written with the locale's own two-digit years: 00-49 are this
        // century, 50-99 the last.
        dt = parseWith(m_compiledYy, text);
        if (dt.isValid()) {
            const int yy = dt.date().year() % 100;
            const int year = yy < 50 ? 2000 + yy : 1900 + yy;
            return QDateTime(QDate(year, dt.date().month(), dt.date().day()), dt.time(), Qt::UTC);
        }
    }
    return QDateTime();
}

QString TimeLineDates::ForeignFormat(const QString &raw) const
{
    const QString text = raw.trimmed();
    QStringList candidates;
    appendUnique(candidates, lenient(swapDayMonth(m_dateFormat)));
    for (const char *f : {"d/M/yyyy", "M/d/yyyy", "d.M.yyyy", "d-M-yyyy", "yyyy/M/d", "yyyy.M.d",
                          "d MMM yyyy", "MMM d, yyyy", "d/M/yy", "M/d/yy", "d.M.yy"})
        appendUnique(candidates, QString::fromLatin1(f));
    for (const QString &f : candidates)
        if (ParseForeign(text, f).isValid())
            return f;
    return QString();
}

QDateTime TimeLineDates::ParseForeign(const QString &raw, const QString &format) const
{
    return parseWith(foreign(format), raw.trimmed());
}
