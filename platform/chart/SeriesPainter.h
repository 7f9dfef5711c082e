#pragma once

#include "platform/chart/ChartTypes.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

class TChart;
class TChartSeries;
class QPainter;
struct PlotGeometry;

// Draws the 2D kinds of series (bars, horizontal bars, lines, points and pies),
// flat or with depth in the 3D view, and their marks. Marks that would cover
// one another are left out; pie marks are spread so that none overlap.
class SeriesPainter
{
public:
    void draw(TChart &chart, QPainter &painter, const PlotGeometry &geo);

    // The little picture of a series in the legend.
    static void drawLegendSymbol(QPainter &painter, const QRectF &rect, const TChartSeries *series,
                                 const QColor &color);
    // A pointer shape centred on the origin.
    static void drawPointerShape(QPainter &painter, PointerStyle style, double hw, double hh);

private:
    struct Mark
    {
        QPointF anchor; // the point the mark belongs to
        QPointF at;     // where the mark's box is centred
        QString text;
        const TChartSeries *series;
    };

    void drawBars(TChart &chart, QPainter &p, const PlotGeometry &geo, bool horizontal);
    void drawLine(TChart &chart, QPainter &p, const PlotGeometry &geo, const TChartSeries &s);
    void drawPoints(TChart &chart, QPainter &p, const PlotGeometry &geo, const TChartSeries &s);
    void drawPointers(QPainter &p, const TChartSeries &s, const std::vector<QPointF> &pts,
                      const QPointF &offset);
    void drawMarks(QPainter &p, const PlotGeometry &geo);

public:
    // A mark's box with its text (framed and filled unless transparent).
    static void drawMarkBox(QPainter &p, const QRectF &box, const QString &text,
                            const ChartMarks &marks, const QColor &seriesColor);

private:
    std::vector<Mark> m_marks;
};
