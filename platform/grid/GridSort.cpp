#include "platform/grid/GridSort.h"

#include <QChar>

namespace GridSort {

std::optional<double> number(const QString &text)
{
    QString s = text.trimmed();
    if (s.isEmpty() || s.size() > 64)
        return std::nullopt;
    s.replace(QChar(0x2212), QLatin1Char('-'));
    if (s.endsWith(QLatin1Char('%')))
        s.chop(1);
    s = s.trimmed();
    s.remove(QChar(0x00A0));
    const int point = s.lastIndexOf(QLatin1Char('.'));
    const int comma = s.lastIndexOf(QLatin1Char(','));
    if (point >= 0 && comma >= 0) {
        // Both present: the later one is the decimal mark, the other groups thousands.
        if (point > comma) {
            s.remove(QLatin1Char(','));
        } else {
            s.remove(QLatin1Char('.'));
            s.replace(QLatin1Char(','), QLatin1Char('.'));
        }
    } else if (comma >= 0) {
        if (s.count(QLatin1Char(',')) != 1)
            return std::nullopt;
        s.replace(QLatin1Char(','), QLatin1Char('.'));
    }
    // Only sign, digits, one point and an exponent may remain.
    bool digit = false;
    for (const QChar ch : s) {
        if (ch.isDigit())
            digit = true;
        else if (ch != QLatin1Char('-') && ch != QLatin1Char('+') && ch != QLatin1Char('.') &&
                 ch != QLatin1Char('e') && ch != QLatin1Char('E'))
            return std::nullopt;
    }
    if (!digit)
        return std::nullopt;
    bool ok = false;
    const double v = s.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

int compare(const QString &a, const QString &b)
{
    const auto na = number(a);
    const auto nb = number(b);
    if (na && nb)
        return *na < *nb ? -1 : (*na > *nb ? 1 : 0);
    if (na)
        return -1;
    if (nb)
        return 1;
    const int c = a.compare(b, Qt::CaseInsensitive);
    if (c != 0)
        return c < 0 ? -1 : 1;
    const int d = a.compare(b);
    return d < 0 ? -1 : (d > 0 ? 1 : 0);
}

} // namespace GridSort
