#include "platform/grid/CellFormat.h"

bool CellFormat::isDefault() const
{
    return *this == CellFormat();
}

bool CellFormat::operator==(const CellFormat &o) const
{
    return fontName == o.fontName && fontSize == o.fontSize && fontColor == o.fontColor &&
           fontStyle == o.fontStyle && backColor == o.backColor && alignment == o.alignment &&
           borderColor == o.borderColor;
}

Qt::Alignment CellFormat::qtAlignment() const
{
    switch (alignment) {
    case Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QString CellFormat::alignmentName(int alignment)
{
    switch (alignment) {
    case Right:
        return QStringLiteral("right");
    case Center:
        return QStringLiteral("center");
    default:
        return QStringLiteral("left");
    }
}

int CellFormat::alignmentFromName(const QString &name)
{
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("right"))
        return Right;
    if (n == QLatin1String("center") || n == QLatin1String("centre"))
        return Center;
    return Left;
}

static size_t colorKey(const QColor &c)
{
    return c.isValid() ? size_t(c.rgba()) : size_t(0x1FFFFFFF);
}

size_t qHash(const CellFormat &f, size_t seed)
{
    return qHashMulti(seed, f.fontName, f.fontSize, colorKey(f.fontColor), f.fontStyle,
                      colorKey(f.backColor), f.alignment, colorKey(f.borderColor));
}
