#include "timeline/TimeLineColors.h"

namespace {

struct Named
{
    const char *name;
    quint32 value;
};

// The identifiers, first spelling first; later spellings of a value are read only.
const Named kNames[] = {
    {"clBlack", 0x000000},     {"clMaroon", 0x000080},     {"clGreen", 0x008000},
    {"clOlive", 0x008080},     {"clNavy", 0x800000},       {"clPurple", 0x800080},
    {"clTeal", 0x808000},      {"clGray", 0x808080},       {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},       {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},      {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},     {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},     {"clMedGray", 0xA4A0A0},    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000}, {"clLtGray", 0xC0C0C0},     {"clDkGray", 0x808080},
};

} // namespace

QString TimeLineColors::ColorToName(quint32 bgr)
{
    for (const Named &n : kNames)
        if (n.value == bgr)
            return QString::fromLatin1(n.name);
    return QStringLiteral("$%1").arg(bgr, 8, 16, QLatin1Char('0')).toUpper();
}

bool TimeLineColors::NameToColor(const QString &raw, quint32 *bgr)
{
    const QString text = raw.trimmed();
    if (text.isEmpty())
        return false;
    for (const Named &n : kNames)
        if (text.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0) {
            *bgr = n.value;
            return true;
        }
    bool ok = false;
    qint64 v = 0;
    if (text.startsWith(QLatin1Char('$')))
        v = text.mid(1).toLongLong(&ok, 16);
    else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = text.mid(2).toLongLong(&ok, 16);
    else
        v = text.toLongLong(&ok, 10);
    if (!ok || v < -0x80000000LL || v > 0xFFFFFFFFLL)
        return false;
    *bgr = quint32(v);
    return true;
}
