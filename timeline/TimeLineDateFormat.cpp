#include "timeline/TimeLineDateFormat.h"

#include <QMutex>

TimeLineDateFormat TimeLineDateFormat::Cached(const QString &format, const QLocale &locale)
{
    static QMutex mutex;
    static QHash<QString, TimeLineDateFormat> cache;
    // The names a format reads depend on the locale's language, not on its name alone.
    const QString key =
        format + QChar(0x1F) + locale.name() + QChar(0x1F) + locale.monthName(5) + locale.amText();
    QMutexLocker lock(&mutex);
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return it.value();
    if (cache.size() > 2000)
        cache.clear();
    return cache.insert(key, TimeLineDateFormat(format, locale)).value();
}

TimeLineDateFormat::TimeLineDateFormat(const QString &format, const QLocale &locale)
{
    for (int m = 1; m <= 12; ++m) {
        for (QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
            for (const QString &name :
                 {locale.monthName(m, type), locale.standaloneMonthName(m, type)}) {
                QString key = name.toLower();
                m_months.insert(key, m);
                if (key.endsWith(QLatin1Char('.')))
                    m_months.insert(key.chopped(1), m);
            }
        }
    }
    m_am = locale.amText().toLower();
    m_pm = locale.pmText().toLower();

    QString pattern = QStringLiteral("^\\s*");
    const auto group = [&](Field f, const QString &re) {
        m_fields.append(f);
        pattern += QLatin1Char('(') + re + QLatin1Char(')');
    };
    for (int i = 0; i < format.size();) {
        const QChar c = format[i];
        int j = i;
        while (j < format.size() && format[j] == c)
            ++j;
        const int run = j - i;
        switch (c.unicode()) {
        case 'd':
            if (run <= 2)
                group(Day, QStringLiteral("\\d{1,2}"));
            else
                group(Skip, QStringLiteral("[^\\s\\d,.]+\\.?"));
            break;
        case 'M':
            if (run <= 2)
                group(Month, QStringLiteral("\\d{1,2}"));
            else
                group(MonthName, QStringLiteral("[^\\s\\d,]+?\\.?"));
            break;
        case 'y':
            if (run >= 4)
                group(Year4, QStringLiteral("-?\\d{4}"));
            else
                group(Year2, QStringLiteral("\\d{2}"));
            break;
        case 'H':
            group(Hour24, QStringLiteral("\\d{1,2}"));
            break;
        case 'h':
            group(Hour12, QStringLiteral("\\d{1,2}"));
            break;
        case 'm':
            group(Minute, QStringLiteral("\\d{1,2}"));
            break;
        case 's':
            group(Second, QStringLiteral("\\d{1,2}"));
            break;
        case 'z':
            group(MSec, QStringLiteral("\\d{1,3}"));
            break;
        case 'A':
        case 'a':
            // "AP" and "ap" are one field.
            if (j < format.size() &&
                (format[j] == QLatin1Char('P') || format[j] == QLatin1Char('p')))
                ++j;
            group(AmPm, QStringLiteral("[^\\s\\d]+"));
            break;
        case 't':
            group(Skip, QStringLiteral("\\S+"));
            break;
        case '\'': {
            // A quoted literal; '' inside is a quote.
            QString literal;
            int k = i + 1;
            if (k < format.size() && format[k] == QLatin1Char('\'')) {
                literal = QStringLiteral("'");
                k += 1;
            } else {
                while (k < format.size()) {
                    if (format[k] == QLatin1Char('\'')) {
                        if (k + 1 < format.size() && format[k + 1] == QLatin1Char('\'')) {
                            literal += QLatin1Char('\'');
                            k += 2;
                            continue;
                        }
                        ++k;
                        break;
                    }
                    literal += format[k++];
                }
            }
            pattern += QRegularExpression::escape(literal);
            j = k;
            break;
        }
        default:
            if (c.isSpace())
                pattern += QStringLiteral("\\s+");
            else
                pattern += QRegularExpression::escape(format.mid(i, run));
        }
        i = j;
    }
    pattern += QStringLiteral("\\s*$");
    m_regex = QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::UseUnicodePropertiesOption);
    m_regex.optimize();
    m_hasDate = m_fields.contains(Year4) || m_fields.contains(Year2);
}

QDateTime TimeLineDateFormat::Parse(const QString &text) const
{
    if (!m_regex.isValid() || !m_hasDate)
        return QDateTime();
    const QRegularExpressionMatch m = m_regex.match(text);
    if (!m.hasMatch())
        return QDateTime();
    int year = 0, month = 0, day = 1, hour = 0, minute = 0, second = 0, msec = 0;
    int hour12 = -1;
    int ampm = -1; // 0 am, 1 pm
    for (int k = 0; k < m_fields.size(); ++k) {
        const QString v = m.captured(k + 1);
        switch (m_fields[k]) {
        case Day:
            day = v.toInt();
            break;
        case Month:
            month = v.toInt();
            break;
        case MonthName:
            month = m_months.value(v.toLower(), 0);
            if (month == 0)
                return QDateTime();
            break;
        case Year2:
            year = 1900 + v.toInt();
            break;
        case Year4:
            year = v.toInt();
            break;
        case Hour24:
            hour = v.toInt();
            break;
        case Hour12:
            hour12 = v.toInt();
            break;
        case Minute:
            minute = v.toInt();
            break;
        case Second:
            second = v.toInt();
            break;
        case MSec:
            msec = v.leftJustified(3, QLatin1Char('0')).toInt();
            break;
        case AmPm: {
            const QString low = v.toLower();
            if (low == m_am)
                ampm = 0;
            else if (low == m_pm)
                ampm = 1;
            else
                return QDateTime();
            break;
        }
        case Skip:
            break;
        }
    }
    if (hour12 >= 0) {
        if (hour12 < 1 || hour12 > 12)
            return QDateTime();
        hour = hour12 % 12 + (ampm == 1 ? 12 : 0);
    } else if (ampm == 1 && hour < 12) {
        hour += 12;
    }
    const QDate date(year, month, day);
    const QTime time(hour, minute, second, msec);
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time, Qt::UTC);
}
