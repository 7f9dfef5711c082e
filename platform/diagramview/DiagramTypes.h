#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// Outline of a block. The stored names are those of blockShapeName().
enum class BlockShape
{
    None,
    Rectangle,
    Ellipse,
    RoundRect,
    Diamond,
    RoundSquare
};

// Line style of a link's pen.
enum class LinkStyle
{
    Solid,
    Dash,
    Dot,
    DashDot,
    DashDotDot
};

// One text cell of a block or a link; the first cell of an element is its label.
struct TextCell
{
    QString text;
    QFont font;
    QColor color = Qt::black;
    bool visible = true;
};

QString blockShapeName(BlockShape shape);
// The shape stored under name; false in *ok (when given) for an unknown name,
// which gives the rectangle.
BlockShape blockShapeFromName(const QString &name, bool *ok = nullptr);

QString linkStyleName(LinkStyle style);
LinkStyle linkStyleFromName(const QString &name, bool *ok = nullptr);
Qt::PenStyle toPenStyle(LinkStyle style);

// The font labels get when a stream names none.
QFont defaultLabelFont(double pointSize);
