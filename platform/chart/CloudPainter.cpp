#include "platform/chart/CloudPainter.h"

#include "platform/chart/ChartRenderer.h"
#include "platform/chart/TChart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <limits>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kPerspective = 0.12;
const QColor kGrid(0xD2, 0xD7, 0xDF);
const QColor kEdge(0xA9, 0xB0, 0xBB);
const QColor kText(0x33, 0x38, 0x40);

struct SplatPixel
{
    int dx;
    int dy;
    int light; // share of the point's colour, of 256
    int white; // share of white (the highlight), of 256
};

std::vector<SplatPixel> splatShape(int r)
{
    std::vector<SplatPixel> px;
    const double rr = r + 0.5;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            const double d2 = (dx * dx + dy * dy) / (rr * rr);
            if (d2 > 1.0)
                continue;
            // A sphere lit from the upper left: darker rim, a soft highlight.
            const double lambert = 0.58 + 0.42 * std::sqrt(1.0 - d2);
            const double hx = dx + 0.38 * r, hy = dy + 0.38 * r;
            const double shine =
                r >= 2 ? qMax(0.0, 1.0 - std::sqrt(hx * hx + hy * hy) / (0.55 * rr)) : 0.0;
            const int white = int(shine * shine * 150);
            px.push_back({dx, dy, int(lambert * (256 - white)), white});
        }
    return px;
}
} // namespace

CloudProjection::CloudProjection(int rotation, int elevation, const QRectF &plot, double zoom,
                                 QPointF pan)
{
    const double t = rotation * kPi / 180.0;
    const double f = elevation * kPi / 180.0;
    ct = std::cos(t);
    st = std::sin(t);
    cp = std::cos(f);
    sp = std::sin(f);
    // The scale depends on the elevation only, so that the cube keeps its size
    // while it turns.
    const double w = 2 * 1.4142 * 1.16;
    const double h = 2 * (std::fabs(cp) + 1.4142 * std::fabs(sp)) * 1.12;
    m_scale = qMin(plot.width() / w, plot.height() / h) * zoom;
    m_cx = plot.center().x() + pan.x();
    m_cy = plot.center().y() + pan.y();
}

QPointF CloudProjection::map(double nx, double ny, double nz, double *depth) const
{
    const double x1 = nx * ct - nz * st;
    const double z1 = nx * st + nz * ct;
    const double sy = ny * cp + z1 * sp;
    const double dep = z1 * cp - ny * sp;
    const double k = 1.0 / (1.0 + kPerspective * dep);
    if (depth)
        *depth = dep;
    return QPointF(m_cx + m_scale * x1 * k, m_cy - m_scale * sy * k);
}

CloudPainter::Cache &CloudPainter::cacheFor(TChart &, const TChartSeries &s, const double ranges[6])
{
    Cache *c = nullptr;
    for (Cache &e : m_cache)
        if (e.series == &s)
            c = &e;
    if (!c) {
        m_cache.emplace_back();
        c = &m_cache.back();
        c->series = &s;
    }
    bool same = c->revision == s.revision() && int(c->xyz.size()) == 3 * s.count();
    for (int i = 0; i < 6 && same; ++i)
        same = c->ranges[i] == ranges[i];
    if (same)
        return *c;
    c->revision = s.revision();
    for (int i = 0; i < 6; ++i)
        c->ranges[i] = ranges[i];
    const int n = s.count();
    c->xyz.resize(size_t(3 * n));
    c->rgb.resize(size_t(n));
    auto norm = [](double v, double lo, double hi) {
        return float(hi > lo ? (v - lo) / (hi - lo) * 2.0 - 1.0 : 0.0);
    };
    const bool each = s.colorEachPoint();
    const QRgb common = (s.color().isValid() ? s.color() : chartPaletteColor(0)).rgb();
    for (int i = 0; i < n; ++i) {
        const ChartPoint &p = s.point(i);
        const bool ok = std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
        c->xyz[size_t(3 * i)] = ok ? norm(p.x, ranges[0], ranges[1]) : 1e9f;
        c->xyz[size_t(3 * i + 1)] = ok ? norm(p.y, ranges[2], ranges[3]) : 1e9f;
        c->xyz[size_t(3 * i + 2)] = ok ? norm(p.z, ranges[4], ranges[5]) : 1e9f;
        c->rgb[size_t(i)] = (p.color.isValid() || each) ? s.pointColor(i).rgb() : common;
    }
    return *c;
}

void CloudPainter::splat(const Cache &c, const TChartSeries &s, const CloudProjection &pr,
                         const QPointF &origin)
{
    const int r = qBound(1, int(std::lround(s.pointer().horizSize * 0.6)), 12);
    const std::vector<SplatPixel> shape = splatShape(r);
    const int w = m_image.width();
    const int h = m_image.height();
    const int stride = int(m_image.bytesPerLine() / 4);
    quint32 *bits = reinterpret_cast<quint32 *>(m_image.bits());
    float *zb = m_depth.data();
    const float ct = float(pr.ct), st = float(pr.st), cp = float(pr.cp), sp = float(pr.sp);
    const float sc = float(pr.scale());
    const float cx = float(pr.centre().x() - origin.x());
    const float cy = float(pr.centre().y() - origin.y());
    const float kp = float(kPerspective);
    const int n = int(c.rgb.size());
    const float *xyz = c.xyz.data();
    for (int i = 0; i < n; ++i) {
        const float nx = xyz[3 * i], ny = xyz[3 * i + 1], nz = xyz[3 * i + 2];
        if (nx > 1e8f)
            continue;
        const float x1 = nx * ct - nz * st;
        const float z1 = nx * st + nz * ct;
        const float sy = ny * cp + z1 * sp;
        const float dep = z1 * cp - ny * sp;
        const float k = 1.0f / (1.0f + kp * dep);
        const int X = int(cx + sc * x1 * k + 0.5f);
        const int Y = int(cy - sc * sy * k + 0.5f);
        if (X < -r || Y < -r || X >= w + r || Y >= h + r)
            continue;
        // Distant points fade a little towards white: depth reads at a glance.
        const int fog = qBound(0, int((dep + 1.75f) * 22.0f), 77);
        const QRgb col = c.rgb[size_t(i)];
        const int cr = qRed(col) + (((255 - qRed(col)) * fog) >> 8);
        const int cg = qGreen(col) + (((255 - qGreen(col)) * fog) >> 8);
        const int cb = qBlue(col) + (((255 - qBlue(col)) * fog) >> 8);
        const bool inside = X >= r && Y >= r && X < w - r && Y < h - r;
        for (const SplatPixel &sp2 : shape) {
            const int px = X + sp2.dx, py = Y + sp2.dy;
            if (!inside && (px < 0 || py < 0 || px >= w || py >= h))
                continue;
            const size_t idx = size_t(py) * size_t(stride) + size_t(px);
            const size_t zi = size_t(py) * size_t(w) + size_t(px);
            if (dep >= zb[zi])
                continue;
            zb[zi] = dep;
            const int wr = 255 * sp2.white;
            bits[idx] = 0xFF000000u | (quint32((cr * sp2.light + wr) >> 8) << 16) |
                        (quint32((cg * sp2.light + wr) >> 8) << 8) |
                        quint32((cb * sp2.light + wr) >> 8);
        }
    }
}

void CloudPainter::draw(TChart &chart, QPainter &p, const PlotGeometry &geo)
{
    const QRectF plot(geo.plot);
    const CloudProjection pr(chart.rotation(), chart.elevation(), plot, chart.cloudZoom(),
                             chart.cloudPan());
    // The walls are the three faces of the cube that lie away from the viewer.
    const int xw = pr.st * pr.cp >= 0 ? 1 : -1;
    const int zw = pr.ct * pr.cp >= 0 ? 1 : -1;
    const int yw = pr.sp >= 0 ? -1 : 1;
    p.save();
    drawWalls(chart, p, pr, geo, xw, yw, zw);
    const double ranges[6] = {chart.bottomAxis()->minimum(), chart.bottomAxis()->maximum(),
                              chart.leftAxis()->minimum(),   chart.leftAxis()->maximum(),
                              chart.depthAxis()->minimum(),  chart.depthAxis()->maximum()};
    // Drop caches of series that left the chart.
    for (size_t i = m_cache.size(); i-- > 0;)
        if (chart.indexOf(m_cache[i].series) < 0)
            m_cache.erase(m_cache.begin() + long(i));
    const QRect area = geo.plot;
    if (m_image.size() != area.size())
        m_image = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
    m_image.fill(Qt::transparent);
    m_depth.assign(size_t(area.width()) * size_t(area.height()),
                   std::numeric_limits<float>::infinity());
    if (chart.clipPoints())
        p.setClipRect(plot.adjusted(-2, -2, 2, 2));
    for (int i = 0; i < chart.seriesCount(); ++i) {
        const TChartSeries *s = chart.series(i);
        if (!s->active() || s->kind() != SeriesKind::Point3D)
            continue;
        const Cache &c = cacheFor(chart, *s, ranges);
        if (s->baseLinesVisible()) {
            std::vector<QLineF> lines;
            lines.reserve(c.rgb.size());
            for (size_t k = 0; k < c.rgb.size(); ++k) {
                const float *q = &c.xyz[3 * k];
                if (q[0] > 1e8f)
                    continue;
                lines.emplace_back(pr.map(q[0], q[1], q[2]), pr.map(q[0], yw, q[2]));
            }
            const QColor col = s->color().isValid() ? s->color() : chartPaletteColor(i);
            p.setPen(QPen(QColor(col.red(), col.green(), col.blue(), 150), 1));
            p.drawLines(lines.data(), int(lines.size()));
        }
        if (s->pointer().visible)
            splat(c, *s, pr, area.topLeft());
    }
    p.drawImage(area.topLeft(), m_image);
    p.setClipping(false);
    drawLabels(chart, p, pr, geo, xw, yw, zw);
    p.restore();
}

void CloudPainter::drawWalls(TChart &chart, QPainter &p, const CloudProjection &pr,
                             const PlotGeometry &geo, int xw, int yw, int zw)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    auto P = [&](double x, double y, double z) { return pr.map(x, y, z); };
    const QPolygonF xWall({P(xw, -1, -1), P(xw, 1, -1), P(xw, 1, 1), P(xw, -1, 1)});
    const QPolygonF zWall({P(-1, -1, zw), P(1, -1, zw), P(1, 1, zw), P(-1, 1, zw)});
    const QPolygonF yWall({P(-1, yw, -1), P(1, yw, -1), P(1, yw, 1), P(-1, yw, 1)});
    const QColor wall = chart.wallColor();
    const QPen edge = chart.backWallPen() ? QPen(kEdge, 1) : QPen(Qt::NoPen);
    if (chart.walls()) {
        p.setPen(edge);
        p.setBrush(wall);
        p.drawPolygon(zWall);
        p.setBrush(wall.darker(104));
        p.drawPolygon(xWall);
        p.setBrush(wall.darker(109));
        p.drawPolygon(yWall);
    } else {
        p.setPen(QPen(kEdge, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(zWall);
        p.drawPolygon(xWall);
        p.drawPolygon(yWall);
    }
    // Grid lines at the label values of each axis, across the two walls it runs along.
    const QFontMetricsF fm(geo.labelFont);
    const double len = pr.scale() * 2;
    auto ticks = [&](const TChartAxis *a) {
        return ChartRenderer::valueTicks(*a, len, fm.height() * 2.6);
    };
    auto norm = [](const TChartAxis *a, double v) {
        const double lo = a->minimum(), hi = a->maximum();
        return hi > lo ? (v - lo) / (hi - lo) * 2 - 1 : 0.0;
    };
    p.setPen(QPen(kGrid, 1));
    for (const AxisTick &t : ticks(chart.bottomAxis())) {
        const double x = norm(chart.bottomAxis(), t.value);
        p.drawLine(P(x, yw, -1), P(x, yw, 1));
        p.drawLine(P(x, -1, zw), P(x, 1, zw));
    }
    for (const AxisTick &t : ticks(chart.leftAxis())) {
        const double y = norm(chart.leftAxis(), t.value);
        p.drawLine(P(-1, y, zw), P(1, y, zw));
        p.drawLine(P(xw, y, -1), P(xw, y, 1));
    }
    for (const AxisTick &t : ticks(chart.depthAxis())) {
        const double z = norm(chart.depthAxis(), t.value);
        p.drawLine(P(-1, yw, z), P(1, yw, z));
        p.drawLine(P(xw, -1, z), P(xw, 1, z));
    }
    if (chart.walls() && chart.backWallPen()) {
        p.setPen(edge);
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(zWall);
        p.drawPolygon(xWall);
        p.drawPolygon(yWall);
    }
}

void CloudPainter::drawLabels(TChart &chart, QPainter &p, const CloudProjection &pr,
                              const PlotGeometry &geo, int xw, int yw, int zw)
{
    p.setFont(geo.labelFont);
    const QFontMetricsF fm(geo.labelFont);
    const double lineH = fm.height();
    const QPointF centre = pr.map(0, 0, 0);
    auto axisEdge = [&](const TChartAxis *a, auto pointAt, const QString &title) {
        const QPointF mid = pointAt(0.0);
        QPointF dir = mid - centre;
        const double l = std::hypot(dir.x(), dir.y());
        dir = l > 1e-6 ? dir / l : QPointF(0, 1);
        const double lo = a->minimum(), hi = a->maximum();
        const QPointF e0 = pointAt(-1.0), e1 = pointAt(1.0);
        const double pixLen = std::hypot(e1.x() - e0.x(), e1.y() - e0.y());
        std::vector<AxisTick> ticks;
        if (a->labelsVisible())
            ticks = ChartRenderer::valueTicks(*a, pixLen, lineH * 2.4);
        QRectF last;
        double far = 0;
        p.setPen(kText);
        for (const AxisTick &t : ticks) {
            const double n = hi > lo ? (t.value - lo) / (hi - lo) * 2 - 1 : 0;
            const QPointF at = pointAt(n) + dir * (lineH * 0.6);
            const double w = fm.horizontalAdvance(t.text);
            // Anchor the label on the side facing away from the cube.
            const double ax = dir.x() > 0.35 ? 0 : (dir.x() < -0.35 ? -w : -w / 2);
            const double ay = dir.y() > 0.35 ? 0 : (dir.y() < -0.35 ? -lineH : -lineH / 2);
            const QRectF r(at.x() + ax, at.y() + ay, w, lineH);
            if (!last.isNull() && r.adjusted(-3, -1, 3, 1).intersects(last))
                continue;
            last = r;
            far = qMax(far, std::fabs(dir.x()) * w + std::fabs(dir.y()) * lineH);
            p.drawText(r, Qt::AlignCenter, t.text);
        }
        if (!title.isEmpty()) {
            QFont f = geo.labelFont;
            f.setBold(true);
            p.save();
            p.setFont(f);
            const QPointF at = mid + dir * (lineH * 1.2 + far);
            const double w = QFontMetricsF(f).horizontalAdvance(title);
            p.drawText(QRectF(at.x() - w / 2 - 2, at.y() - lineH / 2, w + 4, lineH),
                       Qt::AlignCenter, title);
            p.restore();
        }
    };
    axisEdge(
        chart.bottomAxis(), [&](double t) { return pr.map(t, yw, -zw); },
        chart.bottomAxis()->title());
    axisEdge(
        chart.depthAxis(), [&](double t) { return pr.map(-xw, yw, t); },
        chart.depthAxis()->title());
    // The value axis stands on the vertical edge further to the left on screen.
    const QPointF a = pr.map(xw, -1, -zw), b = pr.map(-xw, -1, zw);
    const int vx = a.x() < b.x() ? xw : -xw;
    const int vz = a.x() < b.x() ? -zw : zw;
    axisEdge(
        chart.leftAxis(), [&](double t) { return pr.map(vx, t, vz); }, chart.leftAxis()->title());
}
