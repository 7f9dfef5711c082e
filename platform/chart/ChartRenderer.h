#pragma once

#include "platform/chart/TChartAxis.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPointF>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

class TChart;
class TChartSeries;
class QPainter;
class CloudPainter;
class SeriesPainter;

// A label of an axis at a value.
struct AxisTick
{
    double value;
    QString text;
};

// Where the plot lies in the chart and how deep the 3D view of 2D series is.
struct PlotGeometry
{
    QRect plot;    // the front plane of the plot
    QPointF depth; // offset from the front plane to the back wall (3D only)
    bool is3D = false;
    QFont labelFont; // fonts scaled to the chart's size
    QFont markFont;
};

// Lays out and draws a chart: background, title, legend, walls, grid, axes and
// their labels; the series themselves are drawn by SeriesPainter (2D kinds) and
// CloudPainter (3D points). Labels that would overlap are thinned out or turned.
class ChartRenderer
{
public:
    ChartRenderer();
    ~ChartRenderer();

    void layout(TChart &chart, QPainter &painter, const QRect &rect);
    QRect plotRect() const { return m_geo.plot; }
    const PlotGeometry &geometry() const { return m_geo; }
    void drawBack(TChart &chart, QPainter &painter);
    void drawSeries(TChart &chart, QPainter &painter);
    void drawFront(TChart &chart, QPainter &painter);

    // Ticks of an axis for a pixel length, spaced so that labels of the given
    // extent (pixels along the axis) do not touch. Category axes label the
    // categories of the series.
    static std::vector<AxisTick> valueTicks(const TChartAxis &axis, double pixelLength,
                                            double labelExtent);
    static QString formatTick(double value, double step);

private:
    enum class Mode
    {
        Empty,
        Cartesian,
        Pie,
        Cloud
    };
    struct LegendItem
    {
        QString text;
        QColor color;
        const TChartSeries *series;
    };
    struct AxisLayout
    {
        bool shown = false;
        bool category = false;
        std::vector<AxisTick> ticks;
        int angle = 0;  // angle the labels are drawn at
        int stride = 1; // every stride-th category label is drawn
        int extent = 0; // room the labels take across the axis
    };

    void computeAxes(TChart &chart, const QFontMetricsF &fm, const QRect &plot);
    // Width of an axis label in the label font (fm). Each frame measures the
    // same labels, so their widths are kept until the label font changes.
    double labelWidth(const QFontMetricsF &fm, const QString &text);
    std::vector<AxisTick> categoryTicks(TChart &chart, const TChartAxis &axis) const;
    void layoutLegend(TChart &chart, QPainter &painter, QRect &area);
    void drawLegend(TChart &chart, QPainter &painter);
    void drawWalls(TChart &chart, QPainter &painter);
    void drawAxisLabels(TChart &chart, QPainter &painter, TChartAxis::Id id);
    void drawAxisTitles(TChart &chart, QPainter &painter);
    void placeAxes(TChart &chart);

    Mode m_mode = Mode::Empty;
    QRect m_rect;
    QRect m_titleRect;
    QRect m_legendRect;
    QFont m_titleFont;
    QFont m_legendFont;
    std::vector<LegendItem> m_legend;
    int m_legendRowHeight = 0;
    int m_legendColumns = 1;
    PlotGeometry m_geo;
    AxisLayout m_axes[4];
    QHash<QString, double> m_labelWidths;
    QFont m_labelWidthFont;
    std::unique_ptr<SeriesPainter> m_series;
    std::unique_ptr<CloudPainter> m_cloud;
};
