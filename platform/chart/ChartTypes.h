#pragma once

#include <QColor>
#include <QString>

// Kinds of series the chart draws.
enum class SeriesKind
{
    Bar,
    HorizBar,
    Line,
    Point,
    Pie,
    Point3D
};

// What a mark (the small label beside a point) shows.
enum class MarkStyle
{
    Value,
    Label,
    LabelPercent,
    Percent
};

// Shapes of the pointers drawn at the points of line and point series.
enum class PointerStyle
{
    Rectangle,
    Circle,
    Triangle,
    DownTriangle,
    Cross,
    DiagCross,
    Star,
    Diamond
};

// One point: its value (y), its position on the horizontal axis (x; the point's
// index for category series), its depth (z; 3D points only), label and colour.
// An invalid colour means "the series colour" (or the automatic colour when the
// series colours each point).
struct ChartPoint
{
    double x = 0;
    double y = 0;
    double z = 0;
    QString label;
    QColor color;
};

// The marks of a series.
struct ChartMarks
{
    bool visible = false;
    MarkStyle style = MarkStyle::Value;
    int arrowLength = 8;
    bool frameVisible = true;
    bool arrowVisible = true;
    bool transparent = false;
    bool clip = false;
};

// The pointer of a line, point or 3D point series.
struct ChartPointer
{
    bool visible = true;
    PointerStyle style = PointerStyle::Rectangle;
    int horizSize = 4;
    int vertSize = 4;
};

namespace ChartNames {
QString kindName(SeriesKind kind);
bool parseKind(const QString &name, SeriesKind *kind);
QString markStyleName(MarkStyle style);
MarkStyle parseMarkStyle(const QString &name);
QString pointerStyleName(PointerStyle style);
PointerStyle parsePointerStyle(const QString &name);
// Human captions for the editing dialog.
QString kindCaption(SeriesKind kind);
} // namespace ChartNames

// The automatic colours given to series and to points of series that colour each point.
QColor chartPaletteColor(int index);
