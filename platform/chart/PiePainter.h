#pragma once

#include <QRectF>

class TChart;
class TChartSeries;
class QPainter;
struct PlotGeometry;

// Draws a pie series into a cell of the plot: flat or tilted with a rim in the
// 3D view, circled or stretched to the cell, with marks spread around it so
// that none overlap.
class PiePainter
{
public:
    static void draw(TChart &chart, QPainter &painter, const PlotGeometry &geo,
                     const TChartSeries &series, const QRectF &cell);
};
