// The axes of ChartRenderer: ticks and their labels, the room the labels take around
// the plot, the axes' pixel ranges, and the drawing of axis lines, labels and titles.
#include "platform/chart/ChartRenderer.h"

#include "platform/chart/TChart.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <cmath>

namespace {
const QColor kAxisColor(0x6B, 0x72, 0x80);
const QColor kTextColor(0x33, 0x38, 0x40);
constexpr double kPi = 3.14159265358979323846;

bool isCategoryKind(SeriesKind k)
{
    return k == SeriesKind::Bar || k == SeriesKind::Line;
}

// The bounding size of a text of size w × h turned by angle degrees.
QSizeF turnedSize(double w, double h, int angle)
{
    const double a = angle * kPi / 180.0;
    return QSizeF(std::fabs(w * std::cos(a)) + std::fabs(h * std::sin(a)),
                  std::fabs(w * std::sin(a)) + std::fabs(h * std::cos(a)));
}
} // namespace

QString ChartRenderer::formatTick(double value, double step)
{
    if (std::fabs(value) < step * 1e-9)
        value = 0;
    int decimals = 0;
    if (step > 0 && step < 1)
        decimals = qBound(0, int(std::ceil(-std::log10(step) - 1e-9)), 12);
    const double a = std::fabs(value);
    if (a != 0 && (a >= 1e12 || (a < 1e-5)))
        return QLocale().toString(value, 'g', 4);
    return QLocale().toString(value, 'f', decimals);
}

std::vector<AxisTick> ChartRenderer::valueTicks(const TChartAxis &axis, double pixelLength,
                                                double labelExtent)
{
    std::vector<AxisTick> ticks;
    const double lo = axis.minimum();
    const double hi = axis.maximum();
    const double range = hi - lo;
    if (!(range > 0) || !std::isfinite(range))
        return ticks;
    const int maxLabels = qMax(1, int(pixelLength / qMax(1.0, labelExtent)));
    double step;
    if (axis.increment() > 0) {
        step = axis.increment();
        // A fixed increment that would crowd the labels is doubled until they fit.
        while (range / step > maxLabels + 1e-9)
            step *= 2;
    } else {
        step = TChartAxis::niceStep(range, maxLabels);
    }
    double v = std::ceil(lo / step - 1e-9) * step;
    for (int n = 0; v <= hi + step * 1e-9 && n < 2000;
         ++n, v = std::ceil(lo / step - 1e-9) * step + n * step)
        ticks.push_back({v, formatTick(v, step)});
    return ticks;
}

std::vector<AxisTick> ChartRenderer::categoryTicks(TChart &chart, const TChartAxis &axis) const
{
    std::vector<AxisTick> ticks;
    const double lo = axis.minimum();
    const double hi = axis.maximum();
    const bool vertical = !axis.isHorizontal();
    const TChartSeries *source = nullptr;
    for (int i = 0; i < chart.seriesCount() && !source; ++i) {
        const TChartSeries *s = chart.series(i);
        if (!s->active())
            continue;
        if (vertical ? s->kind() == SeriesKind::HorizBar : isCategoryKind(s->kind()))
            source = s;
    }
    bool anyLabel = false;
    if (source)
        for (int i = 0; i < source->count() && !anyLabel; ++i)
            anyLabel = !source->label(i).isEmpty();
    const long first = long(std::ceil(lo - 1e-9));
    const long last = long(std::floor(hi + 1e-9));
    if (last - first > 100000)
        return ticks;
    for (long c = first; c <= last; ++c) {
        QString text;
        if (anyLabel && source && c >= 0 && c < source->count())
            text = source->label(int(c));
        else if (!anyLabel)
            text = QString::number(c);
        ticks.push_back({double(c), text});
    }
    return ticks;
}

double ChartRenderer::labelWidth(const QFontMetricsF &fm, const QString &text)
{
    if (m_labelWidthFont != m_geo.labelFont || m_labelWidths.size() > 100000) {
        m_labelWidths.clear();
        m_labelWidthFont = m_geo.labelFont;
    }
    const auto it = m_labelWidths.constFind(text);
    if (it != m_labelWidths.constEnd())
        return it.value();
    const double w = fm.horizontalAdvance(text);
    m_labelWidths.insert(text, w);
    return w;
}

void ChartRenderer::computeAxes(TChart &chart, const QFontMetricsF &fm, const QRect &area)
{
    bool bottomCat = false, leftCat = false, right = false;
    for (int i = 0; i < chart.seriesCount(); ++i) {
        const TChartSeries *s = chart.series(i);
        if (!s->active())
            continue;
        bottomCat |= isCategoryKind(s->kind());
        leftCat |= s->kind() == SeriesKind::HorizBar;
        right |= s->valueAxis() == TChartSeries::ValueAxis::Right &&
                 s->kind() != SeriesKind::HorizBar && s->kind() != SeriesKind::Pie;
    }
    AxisLayout &L = m_axes[TChartAxis::Left];
    AxisLayout &R = m_axes[TChartAxis::Right];
    AxisLayout &B = m_axes[TChartAxis::Bottom];
    L.shown = chart.leftAxis()->visible();
    R.shown = right && chart.rightAxis()->visible();
    B.shown = chart.bottomAxis()->visible();
    L.category = leftCat;
    B.category = bottomCat && !leftCat;
    const double lineH = fm.height();
    const int gap = int(lineH * 0.4) + 5; // tick mark plus space
    const int titleRoom = int(lineH * 1.4);

    QRect plot = area;
    for (int pass = 0; pass < 3; ++pass) {
        // Space around the plot from the label extents of the previous pass.
        const int leftRoom = (L.shown ? L.extent + gap : 0) +
                             (L.shown && !chart.leftAxis()->title().isEmpty() ? titleRoom : 0);
        const int rightRoom =
            R.shown ? R.extent + gap + (chart.rightAxis()->title().isEmpty() ? 0 : titleRoom)
                    : int(lineH);
        const int bottomRoom = (B.shown ? B.extent + gap : 0) +
                               (B.shown && !chart.bottomAxis()->title().isEmpty() ? titleRoom : 0);
        plot = area.adjusted(qMax(leftRoom, int(lineH)), int(lineH * 0.6), -rightRoom,
                             -qMax(bottomRoom, int(lineH * 0.6)));
        m_geo.is3D = chart.view3D();
        m_geo.depth = QPointF();
        if (m_geo.is3D) {
            const double d = chart.depth3D() / 100.0 * qMin(plot.width(), plot.height());
            const double dx = d * std::sin(chart.rotation() * kPi / 180.0);
            const double dy = -d * std::sin(chart.elevation() * kPi / 180.0);
            m_geo.depth = QPointF(dx, dy);
            if (dx > 0)
                plot.setRight(plot.right() - int(dx));
            else
                plot.setLeft(plot.left() - int(dx));
            if (dy < 0)
                plot.setTop(plot.top() - int(dy));
            else
                plot.setBottom(plot.bottom() - int(dy));
        }
        if (plot.width() < 8 || plot.height() < 8)
            break;
        // Vertical axes.
        for (TChartAxis::Id id : {TChartAxis::Left, TChartAxis::Right}) {
            AxisLayout &a = m_axes[id];
            if (!a.shown)
                continue;
            const TChartAxis &axis = *chart.axis(id);
            const double len = plot.height() * (axis.endPosition() - axis.startPosition()) / 100.0;
            a.ticks = a.category || (id == TChartAxis::Right && L.category)
                          ? categoryTicks(chart, *chart.leftAxis())
                          : valueTicks(axis, len, lineH * 1.6);
            double widest = 0;
            for (const AxisTick &t : a.ticks)
                widest = qMax(widest, labelWidth(fm, t.text));
            a.angle = 0;
            a.stride = 1;
            if (a.category && a.ticks.size() > 1) {
                const double per = len / qMax(1e-9, axis.maximum() - axis.minimum());
                a.stride = qMax(1, int(std::ceil(lineH * 1.15 / qMax(1e-9, per))));
            }
            a.extent = axis.labelsVisible() ? int(std::ceil(widest)) : 0;
        }
        // Bottom axis.
        if (B.shown) {
            const TChartAxis &axis = *chart.bottomAxis();
            const double len = plot.width() * (axis.endPosition() - axis.startPosition()) / 100.0;
            double widest = 0;
            if (B.category) {
                B.ticks = categoryTicks(chart, axis);
            } else {
                // Estimate the label width from the ends of the range.
                const double step = TChartAxis::niceStep(axis.maximum() - axis.minimum(), 10);
                const double w = qMax(labelWidth(fm, formatTick(axis.minimum(), step)),
                                      labelWidth(fm, formatTick(axis.maximum(), step)));
                B.ticks = valueTicks(axis, len, w + lineH * 1.5);
            }
            for (const AxisTick &t : B.ticks)
                widest = qMax(widest, labelWidth(fm, t.text));
            B.angle = axis.labelsAngle();
            B.stride = 1;
            if (B.category && !B.ticks.empty()) {
                const double per = len / qMax(1e-9, axis.maximum() - axis.minimum());
                if (B.angle == 0 && widest + lineH * 0.6 > per && lineH * 1.15 <= per)
                    B.angle = 90; // turning the labels lets every one of them show
                const QSizeF sz = turnedSize(widest, lineH, B.angle);
                double along =
                    B.angle == 0
                        ? widest + lineH * 0.6
                        : qMin(sz.width(),
                               lineH / qMax(0.2, std::fabs(std::sin(B.angle * kPi / 180.0)))) +
                              lineH * 0.2;
                B.stride = qMax(1, int(std::ceil(along / qMax(1e-9, per))));
            }
            const QSizeF sz = turnedSize(widest, lineH, B.angle);
            B.extent = axis.labelsVisible() ? int(std::ceil(sz.height())) : 0;
        }
    }
    m_geo.plot = plot;
}

void ChartRenderer::placeAxes(TChart &chart)
{
    const QRect &p = m_geo.plot;
    for (TChartAxis::Id id : {TChartAxis::Left, TChartAxis::Right}) {
        TChartAxis *a = chart.axis(id);
        a->setPixelRange(p.top() + p.height() * a->endPosition() / 100.0,
                         p.top() + p.height() * a->startPosition() / 100.0);
    }
    TChartAxis *b = chart.bottomAxis();
    b->setPixelRange(p.left() + p.width() * b->startPosition() / 100.0,
                     p.left() + p.width() * b->endPosition() / 100.0);
    chart.depthAxis()->setPixelRange(0, 1);
}

void ChartRenderer::drawAxisLabels(TChart &chart, QPainter &p, TChartAxis::Id id)
{
    const AxisLayout &a = m_axes[id];
    const TChartAxis *axis = chart.axis(id);
    if (!a.shown)
        return;
    const QRectF plot(m_geo.plot);
    const QFontMetricsF fm(m_geo.labelFont);
    const double lineH = fm.height();
    const int tick = 4;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kAxisColor, 1));
    if (id == TChartAxis::Bottom) {
        const double y = plot.bottom() + 1;
        p.drawLine(QPointF(axis->startPixel(), y), QPointF(axis->endPixel(), y));
    } else {
        const double x = id == TChartAxis::Left ? plot.left() : plot.right() + 1;
        p.drawLine(QPointF(x, axis->startPixel()), QPointF(x, axis->endPixel()));
    }
    if (!axis->labelsVisible())
        return;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setFont(m_geo.labelFont);
    const double lo = qMin(axis->startPixel(), axis->endPixel()) - 0.5;
    const double hi = qMax(axis->startPixel(), axis->endPixel()) + 0.5;
    double lastEdge = -1e18; // labels never overlap, even when the layout guessed wrong
    for (size_t i = 0; i < a.ticks.size(); i += size_t(a.stride)) {
        const AxisTick &t = a.ticks[i];
        const double pos = axis->calcPosValue(t.value);
        if (pos < lo || pos > hi)
            continue;
        p.setPen(QPen(kAxisColor, 1));
        if (id == TChartAxis::Bottom) {
            const double y = plot.bottom() + 1;
            p.drawLine(QPointF(pos, y), QPointF(pos, y + tick));
            if (t.text.isEmpty())
                continue;
            p.setPen(kTextColor);
            const double w = labelWidth(fm, t.text);
            if (a.angle == 0) {
                const QRectF r(pos - w / 2, y + tick + 2, w, lineH);
                if (r.left() < lastEdge + lineH * 0.3)
                    continue;
                lastEdge = r.right();
                p.drawText(r, Qt::AlignCenter, t.text);
            } else {
                const double sinA = std::fabs(std::sin(a.angle * kPi / 180.0));
                const double along =
                    qMin(turnedSize(w, lineH, a.angle).width(), lineH / qMax(0.2, sinA));
                if (pos - along / 2 < lastEdge + 1)
                    continue;
                lastEdge = pos + along / 2;
                p.save();
                p.translate(pos, y + tick + 2);
                p.rotate(-a.angle);
                p.drawText(QRectF(-w - 2, -lineH / 2, w, lineH), Qt::AlignRight | Qt::AlignVCenter,
                           t.text);
                p.restore();
            }
        } else {
            const bool left = id == TChartAxis::Left;
            const double x = left ? plot.left() : plot.right() + 1;
            p.drawLine(QPointF(x, pos), QPointF(left ? x - tick : x + tick, pos));
            if (t.text.isEmpty())
                continue;
            // Vertical labels: the pixel order depends on inversion; compare by distance.
            if (std::fabs(pos - lastEdge) < lineH * 1.05)
                continue;
            lastEdge = pos;
            p.setPen(kTextColor);
            const double w = a.extent + 2;
            const QRectF r(left ? x - tick - 3 - w : x + tick + 3, pos - lineH / 2, w, lineH);
            p.drawText(r, (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                       fm.elidedText(t.text, Qt::ElideRight, w));
        }
    }
}

void ChartRenderer::drawAxisTitles(TChart &chart, QPainter &p)
{
    const QFontMetricsF fm(m_geo.labelFont);
    const QRectF plot(m_geo.plot);
    QFont f = m_geo.labelFont;
    f.setBold(true);
    p.setFont(f);
    p.setPen(kTextColor);
    const int gap = int(fm.height() * 0.4) + 5;
    const QString bt = chart.bottomAxis()->title();
    if (m_axes[TChartAxis::Bottom].shown && !bt.isEmpty()) {
        const double y = plot.bottom() + gap + m_axes[TChartAxis::Bottom].extent + 2;
        p.drawText(QRectF(plot.left(), y, plot.width(), fm.height() * 1.3), Qt::AlignCenter, bt);
    }
    const QString lt = chart.leftAxis()->title();
    if (m_axes[TChartAxis::Left].shown && !lt.isEmpty()) {
        const double x = plot.left() - gap - m_axes[TChartAxis::Left].extent - 4;
        p.save();
        p.translate(x, plot.center().y());
        p.rotate(-90);
        p.drawText(QRectF(-plot.height() / 2, -fm.height() * 1.2, plot.height(), fm.height() * 1.2),
                   Qt::AlignCenter, lt);
        p.restore();
    }
    const QString rt = chart.rightAxis()->title();
    if (m_axes[TChartAxis::Right].shown && !rt.isEmpty()) {
        const double x = plot.right() + gap + m_axes[TChartAxis::Right].extent + 4;
        p.save();
        p.translate(x, plot.center().y());
        p.rotate(90);
        p.drawText(QRectF(-plot.height() / 2, -fm.height() * 1.2, plot.height(), fm.height() * 1.2),
                   Qt::AlignCenter, rt);
        p.restore();
    }
}
