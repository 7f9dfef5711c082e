#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <vector>

class QPainter;

// A layer for drawing thousands of small flat shapes fast: convex polygons
// are scan-converted straight into an image (no antialiasing), which is then
// drawn with one call. Used for dense bars and line ribbons in the 3D view,
// where QPainter's general path filling costs far more than the pixels do.
// Only for raster output; vector output (SVG, PDF, printing) keeps QPainter.
class RasterFill
{
public:
    // True when the painter draws pixels with at most a translation.
    static bool usable(QPainter &painter);

    // area: the part of the painter's logical coordinates the layer covers.
    RasterFill(QPainter &painter, const QRect &area);
    void fillConvex(const QPointF *points, int count, QRgb color);
    void fillRect(const QRectF &rect, QRgb color);
    // Draws the layer on the painter.
    void finish();

private:
    QPainter &m_painter;
    QRect m_area;
    QImage m_image;
    quint32 *m_bits = nullptr;
    size_t m_stride = 0;
};
