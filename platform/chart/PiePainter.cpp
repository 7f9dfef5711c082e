#include "platform/chart/PiePainter.h"

#include "platform/chart/ChartRenderer.h"
#include "platform/chart/SeriesPainter.h"
#include "platform/chart/TChart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;

struct Slice
{
    int index;
    double start; // degrees, Qt's convention (counter-clockwise from 3 o'clock)
    double span;  // negative: slices run clockwise
    QColor color;
};

struct PieMark
{
    QPointF anchor;
    QPointF at;
    bool right;
    QString text;
    double width;
};
} // namespace

void PiePainter::draw(TChart &chart, QPainter &p, const PlotGeometry &geo, const TChartSeries &s,
                      const QRectF &cell)
{
    const double total = s.total();
    if (total <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setFont(geo.markFont);
    const QFontMetricsF fm(geo.markFont);
    const ChartMarks &mk = s.marks();
    double widest = 0;
    if (mk.visible)
        for (int i = 0; i < s.count(); ++i)
            widest = qMax(widest, fm.horizontalAdvance(s.markText(i)));
    const double labelRoom = mk.visible ? widest + mk.arrowLength + fm.height() : 0;
    double rx = (cell.width() - 2 * labelRoom) / 2 - 4;
    double ry = cell.height() / 2 - (mk.visible ? fm.height() * 1.6 : 4);
    rx = qMax(rx, qMin(cell.width(), cell.height()) * 0.18);
    ry = qMax(ry, 10.0);
    if (s.circled())
        rx = ry = qMin(rx, ry);
    double thickness = 0;
    if (geo.is3D) {
        const double tilt = qBound(25.0, std::fabs(double(chart.elevation())) + 35.0, 85.0);
        ry *= std::sin(tilt * kPi / 180.0);
        thickness = rx * 0.16 * std::cos(tilt * kPi / 180.0) + 4;
        ry = qMin(ry, (cell.height() - thickness) / 2 - (mk.visible ? fm.height() * 1.6 : 4));
        ry = qMax(ry, 8.0);
    }
    const QPointF c(cell.center().x(), cell.center().y() - thickness / 2);
    const QRectF box(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry);

    std::vector<Slice> slices;
    double angle = 90.0 - (geo.is3D ? chart.rotation() : 0);
    for (int i = 0; i < s.count(); ++i) {
        const double v = s.value(i);
        if (!std::isfinite(v) || v == 0)
            continue;
        const double span = -std::fabs(v) / total * 360.0;
        slices.push_back({i, angle, span, s.pointColor(i)});
        angle += span;
    }
    // The rim of a tilted pie: layers of the slices' darker colours.
    if (thickness > 0) {
        p.setPen(Qt::NoPen);
        for (int layer = int(std::ceil(thickness)); layer >= 1; --layer)
            for (const Slice &sl : slices) {
                p.setBrush(sl.color.darker(layer == int(std::ceil(thickness)) ? 150 : 128));
                p.drawPie(box.translated(0, layer), int(sl.start * 16), int(sl.span * 16 - 0.5));
            }
    }
    for (const Slice &sl : slices) {
        QRadialGradient g(c - QPointF(rx * 0.25, ry * 0.3), qMax(rx, ry) * 1.3);
        g.setColorAt(0, sl.color.lighter(122));
        g.setColorAt(1, sl.color.darker(104));
        p.setBrush(g);
        p.setPen(QPen(QColor(255, 255, 255, 220), slices.size() > 60 ? 0.5 : 1.4));
        p.drawPie(box, int(std::round(sl.start * 16)), int(std::round(sl.span * 16)));
    }
    if (!mk.visible) {
        p.restore();
        return;
    }
    // Marks: on the side of their slice, spread vertically so that none overlap.
    std::vector<PieMark> marks;
    for (const Slice &sl : slices) {
        const double mid = (sl.start + sl.span / 2) * kPi / 180.0;
        const double cx = std::cos(mid), cy = -std::sin(mid);
        const QPointF anchor(c.x() + rx * cx, c.y() + ry * cy + (cy > 0 ? thickness : 0));
        const double len = mk.arrowLength + 4;
        const QPointF at(c.x() + (rx + len) * cx,
                         c.y() + (ry + len) * cy + (cy > 0 ? thickness : 0));
        const QString text = s.markText(sl.index);
        marks.push_back(
            {anchor, at, cx >= 0, text, fm.horizontalAdvance(text) + fm.height() * 0.5});
    }
    const double h = fm.height() * 1.15;
    for (bool right : {true, false}) {
        std::vector<PieMark *> side;
        for (PieMark &m : marks)
            if (m.right == right)
                side.push_back(&m);
        std::sort(side.begin(), side.end(),
                  [](const PieMark *a, const PieMark *b) { return a->at.y() < b->at.y(); });
        const double top = cell.top() + h / 2;
        const double bottom = cell.bottom() - h / 2;
        for (size_t i = 0; i < side.size(); ++i) {
            double y = qMax(side[i]->at.y(), top);
            if (i > 0)
                y = qMax(y, side[i - 1]->at.y() + h);
            side[i]->at.setY(y);
        }
        // Pushed past the bottom: move the column back up, keeping the spacing.
        for (size_t k = side.size(); k-- > 0;) {
            const double limit = k + 1 < side.size() ? side[k + 1]->at.y() - h : bottom;
            if (side[k]->at.y() > limit)
                side[k]->at.setY(limit);
        }
    }
    for (const PieMark &m : marks) {
        const QRectF b(m.right ? m.at.x() + 2 : m.at.x() - 2 - m.width, m.at.y() - h / 2, m.width,
                       h);
        if (mk.arrowVisible && mk.arrowLength > 0) {
            p.setPen(QPen(QColor(0x80, 0x86, 0x90), 1));
            p.drawPolyline(
                QPolygonF({m.anchor, m.at, QPointF(m.right ? b.left() : b.right(), m.at.y())}));
        }
        SeriesPainter::drawMarkBox(p, b, m.text, mk, s.color());
    }
    p.restore();
}
