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
    QPointF v[16];
    int top = 0, bottom = 0;
    for (int i = 0; i < n; ++i) {
        v[i] = pts[i] - QPointF(ox, oy);
        if (v[i].y() < v[top].y())
            top = i;
        if (v[i].y() > v[bottom].y())
            bottom = i;
    }
    const int y0 = qMax(0, int(std::ceil(v[top].y() - 0.5)));
    const int y1 = qMin(h - 1, int(std::floor(v[bottom].y() - 0.5)));
    if (y1 < y0)
        return;
    // The outline splits at its top and bottom corners into two chains; each
    // row's span lies between the crossings of the two, which are followed
    // edge by edge down the rows (a row's centre y + 0.5 is crossed by the
    // edge a-b when a.y <= y + 0.5 < b.y).
    struct Chain
    {
        const QPointF *v;
        int n, step, at, end;
        QPointF a;
        double slope = 0, yEnd = -1e18;
        bool valid = false;
        // Moves to the edge that crosses the row centre yc and says whether there is one.
        bool seek(double yc)
        {
            while (yc >= yEnd && at != end) {
                a = v[at];
                at = (at + step + n) % n;
                const QPointF &b = v[at];
                yEnd = b.y();
                valid = b.y() > a.y();
                if (valid)
                    slope = (b.x() - a.x()) / (b.y() - a.y());
            }
            return valid && yc >= a.y() && yc < yEnd;
        }
        double x(double yc) const { return a.x() + (yc - a.y()) * slope; }
    };
    Chain one{v, n, 1, top, bottom, {}};
    Chain two{v, n, -1, top, bottom, {}};
    const quint32 c = qPremultiply(color);
    for (int y = y0; y <= y1; ++y) {
        const double yc = y + 0.5;
        if (!one.seek(yc) || !two.seek(yc))
            continue;
        const double xa = one.x(yc), xb = two.x(yc);
        const double xl = qMin(xa, xb), xr = qMax(xa, xb);
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
