#pragma once

#include <QImage>
#include <QPointF>
#include <QRgb>
#include <vector>

class TChart;
class TChartSeries;
class QPainter;
struct PlotGeometry;

// The view of a 3D point cloud: rotation about the vertical axis, then the
// elevation, then a slight perspective. Coordinates are the points' positions
// scaled into the cube [-1, 1]³.
class CloudProjection
{
public:
    CloudProjection(int rotation, int elevation, const QRectF &plot, double zoom, QPointF pan);
    QPointF map(double nx, double ny, double nz, double *depth = nullptr) const;
    double scale() const { return m_scale; }
    QPointF centre() const { return QPointF(m_cx, m_cy); }

    double ct, st, cp, sp; // cos/sin of rotation and elevation

private:
    double m_cx = 0;
    double m_cy = 0;
    double m_scale = 1;
};

// Draws the series of a 3D point chart: the three back walls of the cube with
// their grids, the points splatted straight into an image with a depth buffer
// (shaded like small spheres, fogged with distance), base lines, and the axis
// labels along the front edges. The points' cube coordinates are cached per
// series and recomputed only when the data or the axis ranges change.
class CloudPainter
{
public:
    void draw(TChart &chart, QPainter &painter, const PlotGeometry &geo);

private:
    struct Cache
    {
        const TChartSeries *series = nullptr;
        quint64 revision = 0;
        double ranges[6] = {0, 0, 0, 0, 0, 0};
        std::vector<float> xyz;
        std::vector<QRgb> rgb;
    };
    Cache &cacheFor(TChart &chart, const TChartSeries &s, const double ranges[6]);
    void splat(const Cache &c, const TChartSeries &s, const CloudProjection &pr,
               const QPointF &origin);
    void drawWalls(TChart &chart, QPainter &p, const CloudProjection &pr, const PlotGeometry &geo,
                   int xw, int yw, int zw);
    void drawLabels(TChart &chart, QPainter &p, const CloudProjection &pr, const PlotGeometry &geo,
                    int xw, int yw, int zw);

    std::vector<Cache> m_cache;
    QImage m_image;
    std::vector<float> m_depth;
};
