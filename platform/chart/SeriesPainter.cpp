#include "platform/chart/SeriesPainter.h"

#include "platform/chart/ChartRenderer.h"
#include "platform/chart/PiePainter.h"
#include "platform/chart/RasterFill.h"
#include "platform/chart/TChart.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {
constexpr double kPi = 3.14159265358979323846;

// Marks occupy cells of a coarse grid; a mark whose box touches an occupied
// cell is left out, so marks never cover one another.
class Occupancy
{
public:
    Occupancy(const QRect &area, int cell) : m_area(area), m_cell(cell)
    {
        m_cols = area.width() / cell + 2;
        m_rows = area.height() / cell + 2;
        m_bits.assign(size_t(m_cols) * size_t(m_rows), false);
    }
    bool take(const QRectF &r)
    {
        const int x0 = qBound(0, int((r.left() - m_area.left()) / m_cell), m_cols - 1);
        const int x1 = qBound(0, int((r.right() - m_area.left()) / m_cell), m_cols - 1);
        const int y0 = qBound(0, int((r.top() - m_area.top()) / m_cell), m_rows - 1);
        const int y1 = qBound(0, int((r.bottom() - m_area.top()) / m_cell), m_rows - 1);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (m_bits[size_t(y) * size_t(m_cols) + size_t(x)])
                    return false;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                m_bits[size_t(y) * size_t(m_cols) + size_t(x)] = true;
        return true;
    }

private:
    QRect m_area;
    int m_cell;
    int m_cols;
    int m_rows;
    std::vector<bool> m_bits;
};

QRectF clipRectFor(const PlotGeometry &geo)
{
    QRectF r(geo.plot);
    r.adjust(0, 0, 1, 1);
    if (geo.is3D)
        r = r.united(r.translated(geo.depth));
    return r;
}
} // namespace

void SeriesPainter::drawPointerShape(QPainter &p, PointerStyle style, double hw, double hh)
{
    switch (style) {
    case PointerStyle::Rectangle:
        p.drawRect(QRectF(-hw, -hh, 2 * hw, 2 * hh));
        break;
    case PointerStyle::Circle:
        p.drawEllipse(QPointF(0, 0), hw, hh);
        break;
    case PointerStyle::Triangle:
        p.drawPolygon(QPolygonF({QPointF(0, -hh), QPointF(hw, hh), QPointF(-hw, hh)}));
        break;
    case PointerStyle::DownTriangle:
        p.drawPolygon(QPolygonF({QPointF(0, hh), QPointF(hw, -hh), QPointF(-hw, -hh)}));
        break;
    case PointerStyle::Diamond:
        p.drawPolygon(
            QPolygonF({QPointF(0, -hh), QPointF(hw, 0), QPointF(0, hh), QPointF(-hw, 0)}));
        break;
    case PointerStyle::Cross:
        p.drawLine(QPointF(-hw, 0), QPointF(hw, 0));
        p.drawLine(QPointF(0, -hh), QPointF(0, hh));
        break;
    case PointerStyle::DiagCross:
        p.drawLine(QPointF(-hw, -hh), QPointF(hw, hh));
        p.drawLine(QPointF(-hw, hh), QPointF(hw, -hh));
        break;
    case PointerStyle::Star:
        p.drawLine(QPointF(-hw, 0), QPointF(hw, 0));
        p.drawLine(QPointF(0, -hh), QPointF(0, hh));
        p.drawLine(QPointF(-hw * 0.7, -hh * 0.7), QPointF(hw * 0.7, hh * 0.7));
        p.drawLine(QPointF(-hw * 0.7, hh * 0.7), QPointF(hw * 0.7, -hh * 0.7));
        break;
    }
}

void SeriesPainter::drawLegendSymbol(QPainter &p, const QRectF &rect, const TChartSeries *s,
                                     const QColor &color)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const SeriesKind kind = s ? s->kind() : SeriesKind::Bar;
    if (kind == SeriesKind::Line || kind == SeriesKind::Point || kind == SeriesKind::Point3D) {
        const QPointF c = rect.center();
        if (kind == SeriesKind::Line) {
            p.setPen(QPen(color, qMax(2, s->penWidth()), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(rect.left() + 1, c.y()), QPointF(rect.right() - 1, c.y()));
        }
        if (kind != SeriesKind::Line || s->pointer().visible) {
            const double h = rect.height() * 0.42;
            p.translate(c);
            p.setPen(QPen(color.darker(135), 1));
            p.setBrush(color);
            drawPointerShape(p, s->pointer().style, h, h);
        }
    } else {
        QLinearGradient g(rect.topLeft(), rect.bottomLeft());
        g.setColorAt(0, color.lighter(118));
        g.setColorAt(1, color);
        p.setPen(QPen(color.darker(125), 1));
        p.setBrush(g);
        const double side = rect.height();
        p.drawRoundedRect(
            QRectF(rect.left() + (rect.width() - side * 1.4) / 2, rect.top(), side * 1.4, side), 2,
            2);
    }
    p.restore();
}

void SeriesPainter::draw(TChart &chart, QPainter &p, const PlotGeometry &geo)
{
    m_marks.clear();
    std::vector<const TChartSeries *> pies;
    bool bars = false, hbars = false;
    for (int i = 0; i < chart.seriesCount(); ++i) {
        const TChartSeries *s = chart.series(i);
        if (!s->active())
            continue;
        bars |= s->kind() == SeriesKind::Bar;
        hbars |= s->kind() == SeriesKind::HorizBar;
        if (s->kind() == SeriesKind::Pie)
            pies.push_back(s);
    }
    if (!pies.empty() && !bars && !hbars) {
        bool onlyPies = true;
        for (int i = 0; i < chart.seriesCount(); ++i)
            onlyPies = onlyPies &&
                       (!chart.series(i)->active() || chart.series(i)->kind() == SeriesKind::Pie);
        if (onlyPies) {
            const QRectF plot(geo.plot);
            const double w = plot.width() / double(pies.size());
            for (size_t k = 0; k < pies.size(); ++k)
                PiePainter::draw(chart, p, geo, *pies[k],
                                 QRectF(plot.left() + k * w, plot.top(), w, plot.height()));
            return;
        }
    }
    p.save();
    if (chart.clipPoints())
        p.setClipRect(clipRectFor(geo));
    if (bars)
        drawBars(chart, p, geo, false);
    if (hbars)
        drawBars(chart, p, geo, true);
    for (int i = 0; i < chart.seriesCount(); ++i) {
        const TChartSeries *s = chart.series(i);
        if (!s->active())
            continue;
        if (s->kind() == SeriesKind::Line)
            drawLine(chart, p, geo, *s);
        else if (s->kind() == SeriesKind::Point)
            drawPoints(chart, p, geo, *s);
    }
    p.restore();
    drawMarks(p, geo);
}

void SeriesPainter::drawBars(TChart &chart, QPainter &p, const PlotGeometry &geo, bool horizontal)
{
    const SeriesKind kind = horizontal ? SeriesKind::HorizBar : SeriesKind::Bar;
    std::vector<const TChartSeries *> list;
    for (int i = 0; i < chart.seriesCount(); ++i)
        if (chart.series(i)->active() && chart.series(i)->kind() == kind)
            list.push_back(chart.series(i));
    if (list.empty())
        return;
    const TChartAxis *cat = horizontal ? chart.leftAxis() : chart.bottomAxis();
    const double catW = std::fabs(cat->calcPosValue(1) - cat->calcPosValue(0));
    const double groupW = catW * (list.size() > 1 ? 0.8 : 0.66);
    const double barW = groupW / double(list.size());
    const double inset = barW > 8 ? barW * 0.06 : 0;
    const bool detailed = barW >= 4;
    const QPointF d = geo.is3D ? geo.depth * 0.82 : QPointF();
    const QPointF d0 = geo.is3D ? geo.depth * 0.09 : QPointF();
    // Later bars cover the sides of earlier ones: draw away from the side that shows.
    const bool reverse = horizontal ? d.y() > 0 : d.x() < 0;
    p.setRenderHint(QPainter::Antialiasing, geo.is3D);
    // Bars a few pixels wide are flat shapes: on raster output they go through
    // the fast fill layer, boxes and all.
    std::unique_ptr<RasterFill> layer;
    if (!detailed && RasterFill::usable(p))
        layer = std::make_unique<RasterFill>(p, clipRectFor(geo).toAlignedRect());
    for (size_t k = 0; k < list.size(); ++k) {
        const TChartSeries &s = *list[k];
        const TChartAxis *val = horizontal ? chart.bottomAxis() : chart.verticalAxisOf(&s);
        const double vlo = qMin(val->minimum(), val->maximum());
        const double vhi = qMax(val->minimum(), val->maximum());
        const double basePix = val->calcPosValue(qBound(vlo, 0.0, vhi));
        const int n = s.count();
        for (int jj = 0; jj < n; ++jj) {
            const int j = reverse ? n - 1 - jj : jj;
            const ChartPoint &pt = s.point(j);
            if (!std::isfinite(pt.y) || !std::isfinite(pt.x))
                continue;
            const double c = cat->calcPosValue(pt.x) - groupW / 2 + (k + 0.5) * barW;
            const double v = val->calcPosValue(qBound(vlo, pt.y, vhi));
            QRectF r = horizontal ? QRectF(QPointF(qMin(basePix, v), c - barW / 2 + inset),
                                           QPointF(qMax(basePix, v), c + barW / 2 - inset))
                                  : QRectF(QPointF(c - barW / 2 + inset, qMin(basePix, v)),
                                           QPointF(c + barW / 2 - inset, qMax(basePix, v)));
            r.translate(d0);
            const QColor col = s.pointColor(j);
            if (layer) {
                if (geo.is3D) {
                    // Dense boxes: the top (or end) face of each, and the side face of
                    // the last one only; the others' sides are covered by their neighbours.
                    const QPointF top[4] = {horizontal ? r.topRight() : r.topLeft(),
                                            horizontal ? r.bottomRight() : r.topRight(),
                                            (horizontal ? r.bottomRight() : r.topRight()) + d,
                                            (horizontal ? r.topRight() : r.topLeft()) + d};
                    layer->fillConvex(top, 4, col.lighter(120).rgb());
                    if (jj == n - 1) {
                        const QPointF a =
                            horizontal ? r.topLeft() : (d.x() >= 0 ? r.topRight() : r.topLeft());
                        const QPointF b = horizontal
                                              ? r.topRight()
                                              : (d.x() >= 0 ? r.bottomRight() : r.bottomLeft());
                        const QPointF side[4] = {a, b, b + d, a + d};
                        layer->fillConvex(side, 4, col.darker(130).rgb());
                    }
                }
                layer->fillRect(r, col.rgb());
            } else if (geo.is3D) {
                const QPolygonF top =
                    horizontal
                        ? QPolygonF({r.topRight(), r.bottomRight(), r.bottomRight() + d,
                                     r.topRight() + d})
                        : QPolygonF({r.topLeft(), r.topRight(), r.topRight() + d, r.topLeft() + d});
                const QPointF a = d.x() >= 0 ? r.topRight() : r.topLeft();
                const QPointF b = d.x() >= 0 ? r.bottomRight() : r.bottomLeft();
                const QPolygonF side =
                    horizontal
                        ? QPolygonF({r.topLeft(), r.topRight(), r.topRight() + d, r.topLeft() + d})
                        : QPolygonF({a, b, b + d, a + d});
                p.setPen(QPen(col.darker(150), 0.6));
                p.setBrush(col.darker(125));
                p.drawPolygon(side);
                p.setBrush(col.lighter(125));
                p.drawPolygon(top);
            }
            if (layer) {
            } else if (detailed) {
                QLinearGradient g(horizontal ? r.topLeft() : r.topLeft(),
                                  horizontal ? r.bottomLeft() : r.topRight());
                g.setColorAt(0, col.lighter(112));
                g.setColorAt(0.45, col);
                g.setColorAt(1, col.darker(108));
                p.setPen(QPen(col.darker(140), 1));
                p.setBrush(g);
                p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
            } else {
                p.fillRect(r, col);
            }
            if (s.marks().visible) {
                const double len = s.marks().arrowLength;
                const bool neg = pt.y < 0;
                QPointF anchor = horizontal ? QPointF(neg ? r.left() : r.right(), r.center().y())
                                            : QPointF(r.center().x(), neg ? r.bottom() : r.top());
                if (geo.is3D)
                    anchor += d / 2;
                const QPointF dir =
                    horizontal ? QPointF(neg ? -1 : 1, 0) : QPointF(0, neg ? 1 : -1);
                m_marks.push_back({anchor, anchor + dir * len, s.markText(j), &s});
            }
        }
    }
    if (layer)
        layer->finish();
}

void SeriesPainter::drawPointers(QPainter &p, const TChartSeries &s,
                                 const std::vector<QPointF> &pts, const QPointF &offset)
{
    const ChartPointer &ptr = s.pointer();
    const double hw = ptr.horizSize;
    const double hh = ptr.vertSize;
    const bool lineOnly = ptr.style == PointerStyle::Cross ||
                          ptr.style == PointerStyle::DiagCross || ptr.style == PointerStyle::Star;
    auto makeSprite = [&](const QColor &c) {
        const int w = int(std::ceil(hw * 2 + 4));
        const int h = int(std::ceil(hh * 2 + 4));
        QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter sp(&img);
        sp.setRenderHint(QPainter::Antialiasing, true);
        sp.translate(w / 2.0, h / 2.0);
        if (lineOnly) {
            sp.setPen(QPen(c, 1.6));
        } else {
            sp.setPen(QPen(c.darker(140), 1));
            QRadialGradient g(QPointF(-hw * 0.35, -hh * 0.35), qMax(hw, hh) * 1.6);
            g.setColorAt(0, c.lighter(135));
            g.setColorAt(1, c);
            sp.setBrush(g);
        }
        drawPointerShape(sp, ptr.style, hw, hh);
        return img;
    };
    const bool each = s.colorEachPoint();
    const QImage common = makeSprite(s.color().isValid() ? s.color() : chartPaletteColor(0));
    const QPointF half(common.width() / 2.0, common.height() / 2.0);
    for (size_t i = 0; i < pts.size(); ++i) {
        const QPointF &q = pts[i];
        if (!std::isfinite(q.x()))
            continue;
        const QColor own = s.point(int(i)).color;
        if (each || own.isValid()) {
            const QImage spr = makeSprite(s.pointColor(int(i)));
            p.drawImage(q + offset - half, spr);
        } else {
            p.drawImage(q + offset - half, common);
        }
    }
}

void SeriesPainter::drawLine(TChart &chart, QPainter &p, const PlotGeometry &geo,
                             const TChartSeries &s)
{
    const TChartAxis *hx = chart.bottomAxis();
    const TChartAxis *vy = chart.verticalAxisOf(&s);
    const int n = s.count();
    std::vector<QPointF> pts(static_cast<size_t>(n));
    QPolygonF poly;
    poly.reserve(n);
    double length = 0;
    for (int i = 0; i < n; ++i) {
        const ChartPoint &pt = s.point(i);
        if (!std::isfinite(pt.x) || !std::isfinite(pt.y)) {
            pts[size_t(i)] = QPointF(qQNaN(), qQNaN());
            continue;
        }
        pts[size_t(i)] = QPointF(hx->calcPosValue(pt.x), vy->calcPosValue(pt.y));
        if (!poly.isEmpty())
            length += std::fabs(pts[size_t(i)].x() - poly.last().x());
        poly << pts[size_t(i)];
    }
    const QColor col = s.color().isValid() ? s.color() : chartPaletteColor(0);
    p.setRenderHint(QPainter::Antialiasing, true);
    // Long paths are drawn in short pieces: the rasterizer's cost grows with the
    // edges that cross each scanline, and a wiggly line of thousands of points
    // crosses itself everywhere. Round caps hide the joints.
    constexpr int kPiece = 12;
    const double spacing = poly.size() > 1 ? length / (poly.size() - 1) : 1e9;
    const bool fast = spacing < 3 && RasterFill::usable(p);
    if (geo.is3D && poly.size() > 1) {
        const QPointF d = geo.depth * 0.8;
        if (fast) {
            RasterFill layer(p, clipRectFor(geo).toAlignedRect());
            const QRgb rgb = col.lighter(115).rgb();
            for (int i = 0; i + 1 < poly.size(); ++i) {
                const QPointF q[4] = {poly[i], poly[i + 1], poly[i + 1] + d, poly[i] + d};
                layer.fillConvex(q, 4, rgb);
            }
            layer.finish();
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(col.lighter(115));
            for (int from = 0; from + 1 < poly.size(); from += kPiece) {
                QPainterPath ribbon;
                ribbon.setFillRule(Qt::WindingFill);
                for (int i = from; i + 1 < poly.size() && i < from + kPiece; ++i) {
                    QPolygonF q({poly[i], poly[i + 1], poly[i + 1] + d, poly[i] + d, poly[i]});
                    // Same orientation for every quad, so that the winding fill is their union.
                    double area = 0;
                    for (int k = 0; k < 4; ++k)
                        area += q[k].x() * q[k + 1].y() - q[k + 1].x() * q[k].y();
                    if (area < 0)
                        std::reverse(q.begin(), q.end());
                    ribbon.addPolygon(q);
                }
                p.drawPath(ribbon);
            }
        }
        p.setPen(QPen(col.lighter(140), 1));
        p.drawPolyline(poly.translated(d));
    }
    if (s.penWidth() > 0 && poly.size() > 1) {
        p.setBrush(Qt::NoBrush);
        if (fast && s.penWidth() <= 6) {
            // A dense wide line as thin lines side by side: the thin-line path is
            // many times faster than stroking, and at this density looks the same.
            p.setPen(QPen(col, 1));
            const double r = (s.penWidth() - 1) * 0.5;
            for (double oy = -r; oy <= r + 1e-9; oy += 0.8)
                for (double ox = -r; ox <= r + 1e-9; ox += 0.8)
                    if (ox * ox + oy * oy <= r * r + 0.3)
                        p.drawPolyline(poly.translated(ox, oy));
        } else {
            p.setPen(QPen(col, s.penWidth(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            for (int from = 0; from + 1 < poly.size(); from += kPiece)
                p.drawPolyline(poly.constData() + from, qMin(kPiece + 1, int(poly.size()) - from));
        }
    }
    // Pointers are drawn where there is room for them; on a dense line they
    // would only thicken it.
    if (s.pointer().visible && spacing >= s.pointer().horizSize * 2.2)
        drawPointers(p, s, pts, QPointF());
    if (s.marks().visible) {
        for (int i = 0; i < n; ++i)
            if (std::isfinite(pts[size_t(i)].x()))
                m_marks.push_back({pts[size_t(i)],
                                   pts[size_t(i)] - QPointF(0, s.marks().arrowLength + 4),
                                   s.markText(i), &s});
    }
}

void SeriesPainter::drawPoints(TChart &chart, QPainter &p, const PlotGeometry &geo,
                               const TChartSeries &s)
{
    const TChartAxis *hx = chart.bottomAxis();
    const TChartAxis *vy = chart.verticalAxisOf(&s);
    const int n = s.count();
    std::vector<QPointF> pts(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const ChartPoint &pt = s.point(i);
        pts[size_t(i)] = (std::isfinite(pt.x) && std::isfinite(pt.y))
                             ? QPointF(hx->calcPosValue(pt.x), vy->calcPosValue(pt.y))
                             : QPointF(qQNaN(), qQNaN());
    }
    if (s.pointer().visible)
        drawPointers(p, s, pts, geo.is3D ? geo.depth * 0.5 : QPointF());
    if (s.marks().visible) {
        for (int i = 0; i < n; ++i)
            if (std::isfinite(pts[size_t(i)].x()))
                m_marks.push_back(
                    {pts[size_t(i)],
                     pts[size_t(i)] - QPointF(0, s.marks().arrowLength + s.pointer().vertSize),
                     s.markText(i), &s});
    }
}

void SeriesPainter::drawMarkBox(QPainter &p, const QRectF &box, const QString &text,
                                const ChartMarks &marks, const QColor &seriesColor)
{
    if (!marks.transparent) {
        p.setPen(marks.frameVisible ? QPen(QColor(0xA0, 0xA6, 0xB0), 1) : QPen(Qt::NoPen));
        p.setBrush(QColor(0xFF, 0xFD, 0xF0));
        p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
    Q_UNUSED(seriesColor);
    p.setPen(QColor(0x26, 0x2B, 0x33));
    p.drawText(box, Qt::AlignCenter, text);
}

void SeriesPainter::drawMarks(QPainter &p, const PlotGeometry &geo)
{
    if (m_marks.empty())
        return;
    p.save();
    p.setFont(geo.markFont);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QFontMetricsF fm(geo.markFont);
    QRect area = p.viewport();
    if (p.device())
        area = QRect(0, 0, p.device()->width(), p.device()->height());
    area = area.united(geo.plot.adjusted(-200, -200, 200, 200));
    Occupancy occ(area, 4);
    for (const Mark &m : m_marks) {
        if (m.text.isEmpty())
            continue;
        const ChartMarks &mk = m.series->marks();
        const double w = fm.horizontalAdvance(m.text) + fm.height() * 0.5;
        const double h = fm.height() * 1.15;
        QPointF c = m.at;
        // The box sits beyond the arrow's end, on the side the arrow points to.
        const QPointF dir = m.at - m.anchor;
        if (std::fabs(dir.y()) >= std::fabs(dir.x()))
            c.ry() += dir.y() < 0 ? -h / 2 : h / 2;
        else
            c.rx() += dir.x() < 0 ? -w / 2 : w / 2;
        const QRectF box(c.x() - w / 2, c.y() - h / 2, w, h);
        if (!occ.take(box))
            continue;
        if (mk.clip)
            p.setClipRect(QRectF(geo.plot).adjusted(0, 0, 1, 1));
        else
            p.setClipping(false);
        if (mk.arrowVisible && mk.arrowLength > 0) {
            p.setPen(QPen(QColor(0x80, 0x86, 0x90), 1));
            p.drawLine(m.anchor, m.at);
        }
        drawMarkBox(p, box, m.text, mk, m.series->color());
    }
    p.restore();
}
