#include "platform/chart/RasterFill.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

bool RasterFill::usable(QPainter &painter)
{
    QPaintEngine *engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster &&
           painter.transform().type() <= QTransform::TxTranslate;
}

RasterFill::RasterFill(QPainter &painter, const QRect &area)
    : m_painter(painter), m_area(area),
      m_image(area.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied)
{
    m_image.fill(Qt::transparent);
    m_bits = reinterpret_cast<quint32 *>(m_image.bits());
    m_stride = size_t(m_image.bytesPerLine() / 4);
}

void RasterFill::fillConvex(const QPointF *pts, int n, QRgb color)
{
    if (n < 3 || n > 16)
        return;
    const int w = m_image.width();
    const int h = m_image.height();
    const double ox = m_area.left(), oy = m_area.top();
    double ymin = 1e18, ymax = -1e18;
    for (int i = 0; i < n; ++i) {
        ymin = qMin(ymin, pts[i].y());
        ymax = qMax(ymax, pts[i].y());
    }
    const int y0 = qMax(0, int(std::ceil(ymin - oy - 0.5)));
    const int y1 = qMin(h - 1, int(std::floor(ymax - oy - 0.5)));
    if (y1 < y0)
        return;
    // Each edge updates the span of the rows it crosses, then the spans are filled.
    const int rows = y1 - y0 + 1;
    if (int(m_left.size()) < rows) {
        m_left.resize(size_t(rows));
        m_right.resize(size_t(rows));
    }
    std::fill(m_left.begin(), m_left.begin() + rows, 1e18);
    std::fill(m_right.begin(), m_right.begin() + rows, -1e18);
    for (int i = 0; i < n; ++i) {
        QPointF a = pts[i] - QPointF(ox, oy);
        QPointF b = pts[(i + 1) % n] - QPointF(ox, oy);
        if (a.y() == b.y())
            continue;
        if (a.y() > b.y())
            std::swap(a, b);
        const int ra = qMax(y0, int(std::ceil(a.y() - 0.5)));
        const int rb = qMin(y1, int(std::ceil(b.y() - 0.5)) - 1);
        const double slope = (b.x() - a.x()) / (b.y() - a.y());
        for (int y = ra; y <= rb; ++y) {
            const double x = a.x() + (y + 0.5 - a.y()) * slope;
            double &l = m_left[size_t(y - y0)];
            double &r = m_right[size_t(y - y0)];
            if (x < l)
                l = x;
            if (x > r)
                r = x;
        }
    }
    const quint32 c = qPremultiply(color);
    for (int y = y0; y <= y1; ++y) {
        const double xl = m_left[size_t(y - y0)], xr = m_right[size_t(y - y0)];
        if (xl > xr)
            continue;
        const int x0 = qMax(0, int(std::ceil(xl - 0.5)));
        const int x1 = qMin(w - 1, int(std::floor(xr - 0.5)));
        quint32 *line = m_bits + size_t(y) * m_stride;
        for (int x = x0; x <= x1; ++x)
            line[x] = c;
    }
}

void RasterFill::fillRect(const QRectF &r, QRgb color)
{
    // Thinner than a pixel: widened to one pixel so that the bar still shows.
    double l = r.left() - m_area.left(), rr = r.right() - m_area.left();
    if (rr - l < 1.0) {
        const double c = (l + rr) / 2;
        l = c - 0.5;
        rr = c + 0.5;
    }
    const int x0 = qMax(0, int(std::ceil(l - 0.5)));
    const int x1 = qMin(m_image.width() - 1, qMax(x0, int(std::floor(rr - 0.5))));
    const int y0 = qMax(0, int(std::ceil(r.top() - m_area.top() - 0.5)));
    const int y1 = qMin(m_image.height() - 1, int(std::floor(r.bottom() - m_area.top() - 0.5)));
    if (x0 >= m_image.width() || x1 < 0)
        return;
    const quint32 c = qPremultiply(color);
    for (int y = y0; y <= y1; ++y) {
        quint32 *line = m_bits + size_t(y) * m_stride;
        for (int x = x0; x <= x1; ++x)
            line[x] = c;
    }
}

void RasterFill::finish()
{
    m_painter.drawImage(m_area.topLeft(), m_image);
}
