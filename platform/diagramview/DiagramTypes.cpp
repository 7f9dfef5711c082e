#include "platform/diagramview/DiagramTypes.h"

namespace {
const char *const shapeNames[] = {"none",      "rectangle", "ellipse",
                                  "roundRect", "diamond",   "roundSquare"};
const char *const styleNames[] = {"solid", "dash", "dot", "dashDot", "dashDotDot"};
} // namespace

QString blockShapeName(BlockShape shape)
{
    return QString::fromLatin1(shapeNames[int(shape)]);
}

BlockShape blockShapeFromName(const QString &name, bool *ok)
{
    for (int i = 0; i < int(std::size(shapeNames)); ++i) {
        if (name.compare(QLatin1String(shapeNames[i]), Qt::CaseInsensitive) == 0) {
            if (ok)
                *ok = true;
            return BlockShape(i);
        }
    }
    if (ok)
        *ok = false;
    return BlockShape::Rectangle;
}

QString linkStyleName(LinkStyle style)
{
    return QString::fromLatin1(styleNames[int(style)]);
}

LinkStyle linkStyleFromName(const QString &name, bool *ok)
{
    for (int i = 0; i < int(std::size(styleNames)); ++i) {
        if (name.compare(QLatin1String(styleNames[i]), Qt::CaseInsensitive) == 0) {
            if (ok)
                *ok = true;
            return LinkStyle(i);
        }
    }
    if (ok)
        *ok = false;
    return LinkStyle::Solid;
}

Qt::PenStyle toPenStyle(LinkStyle style)
{
    switch (style) {
    case LinkStyle::Solid:
        return Qt::SolidLine;
    case LinkStyle::Dash:
        return Qt::DashLine;
    case LinkStyle::Dot:
        return Qt::DotLine;
    case LinkStyle::DashDot:
        return Qt::DashDotLine;
    case LinkStyle::DashDotDot:
        return Qt::DashDotDotLine;
    }
    return Qt::SolidLine;
}

QFont defaultLabelFont(double pointSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    return font;
}
