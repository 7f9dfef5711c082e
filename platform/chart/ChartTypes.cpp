#include "platform/chart/ChartTypes.h"

#include <QObject>
#include <array>

namespace {
struct KindEntry
{
    SeriesKind kind;
    const char *name;
};
const std::array<KindEntry, 6> kKinds = {{{SeriesKind::Bar, "bar"},
                                          {SeriesKind::HorizBar, "horizBar"},
                                          {SeriesKind::Line, "line"},
                                          {SeriesKind::Point, "point"},
                                          {SeriesKind::Pie, "pie"},
                                          {SeriesKind::Point3D, "point3D"}}};

const std::array<const char *, 4> kMarkStyles = {{"value", "label", "labelPercent", "percent"}};
const std::array<const char *, 8> kPointerStyles = {
    {"rectangle", "circle", "triangle", "downTriangle", "cross", "diagCross", "star", "diamond"}};
} // namespace

QString ChartNames::kindName(SeriesKind kind)
{
    for (const KindEntry &e : kKinds)
        if (e.kind == kind)
            return QString::fromLatin1(e.name);
    return QStringLiteral("bar");
}

bool ChartNames::parseKind(const QString &name, SeriesKind *kind)
{
    for (const KindEntry &e : kKinds) {
        if (name.compare(QLatin1String(e.name), Qt::CaseInsensitive) == 0) {
            *kind = e.kind;
            return true;
        }
    }
    return false;
}

QString ChartNames::markStyleName(MarkStyle style)
{
    return QString::fromLatin1(kMarkStyles[size_t(style)]);
}

MarkStyle ChartNames::parseMarkStyle(const QString &name)
{
    for (size_t i = 0; i < kMarkStyles.size(); ++i)
        if (name.compare(QLatin1String(kMarkStyles[i]), Qt::CaseInsensitive) == 0)
            return MarkStyle(i);
    return MarkStyle::Value;
}

QString ChartNames::pointerStyleName(PointerStyle style)
{
    return QString::fromLatin1(kPointerStyles[size_t(style)]);
}

PointerStyle ChartNames::parsePointerStyle(const QString &name)
{
    for (size_t i = 0; i < kPointerStyles.size(); ++i)
        if (name.compare(QLatin1String(kPointerStyles[i]), Qt::CaseInsensitive) == 0)
            return PointerStyle(i);
    return PointerStyle::Rectangle;
}

QString ChartNames::kindCaption(SeriesKind kind)
{
    switch (kind) {
    case SeriesKind::Bar:
        return QObject::tr("Vertical bars");
    case SeriesKind::HorizBar:
        return QObject::tr("Horizontal bars");
    case SeriesKind::Line:
        return QObject::tr("Line");
    case SeriesKind::Point:
        return QObject::tr("Points");
    case SeriesKind::Pie:
        return QObject::tr("Pie");
    case SeriesKind::Point3D:
        return QObject::tr("3D points");
    }
    return QString();
}

QColor chartPaletteColor(int index)
{
    // A calm, distinguishable palette that prints well in colour and in grey.
    static const std::array<QRgb, 12> palette = {{0x4E79A7, 0xF28E2B, 0x59A14F, 0xE15759, 0x76B7B2,
                                                  0xEDC948, 0xB07AA1, 0xFF9DA7, 0x9C755F, 0xBAB0AC,
                                                  0x1F77B4, 0x8C564B}};
    if (index < 0)
        index = 0;
    QColor c = QColor::fromRgb(palette[size_t(index) % palette.size()]);
    // Beyond the palette, vary the lightness so that neighbours stay apart.
    const int round = index / int(palette.size());
    if (round > 0)
        c = (round % 2) ? c.darker(100 + 25 * ((round + 1) / 2))
                        : c.lighter(100 + 20 * (round / 2));
    return c;
}
