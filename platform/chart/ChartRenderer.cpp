#include "platform/chart/ChartRenderer.h"

#include "platform/chart/CloudPainter.h"
#include "platform/chart/SeriesPainter.h"
#include "platform/chart/TChart.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
const QColor kAxisColor(0x6B, 0x72, 0x80);
const QColor kGridColor(0xDD, 0xE1, 0xE7);
const QColor kTextColor(0x33, 0x38, 0x40);
const QColor kWallPenColor(0xB8, 0xBE, 0xC8);
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

ChartRenderer::ChartRenderer()
    : m_series(std::make_unique<SeriesPainter>()), m_cloud(std::make_unique<CloudPainter>())
{
}

ChartRenderer::~ChartRenderer() = default;

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

void ChartRenderer::layout(TChart &chart, QPainter &painter, const QRect &rect)
{
    m_rect = rect;
    bool anyActive = false, allPie = true;
    for (int i = 0; i < chart.seriesCount(); ++i) {
        const TChartSeries *s = chart.series(i);
        if (!s->active())
            continue;
        anyActive = true;
        allPie = allPie && s->kind() == SeriesKind::Pie;
    }
    if (chart.isCloud())
        m_mode = Mode::Cloud;
    else if (anyActive && allPie)
        m_mode = Mode::Pie;
    else
        m_mode = anyActive ? Mode::Cartesian : Mode::Empty;

    const int base = qBound(10, qMin(rect.width(), rect.height()) / 34, 18);
    m_geo.labelFont = painter.font();
    m_geo.labelFont.setPixelSize(base);
    m_geo.labelFont.setBold(false);
    m_geo.markFont = m_geo.labelFont;
    m_geo.markFont.setPixelSize(qMax(9, base - 1));
    m_titleFont = m_geo.labelFont;
    m_titleFont.setPixelSize(int(base * 1.45));
    m_titleFont.setBold(true);
    m_legendFont = m_geo.labelFont;

    QRect area = rect.adjusted(base, base, -base, -base);
    m_titleRect = QRect();
    if (!chart.title().isEmpty()) {
        const QFontMetricsF tfm(m_titleFont);
        const int h = int(std::ceil(tfm.height() * 1.2));
        m_titleRect = QRect(area.left(), area.top(), area.width(), h);
        area.setTop(area.top() + h + base / 2);
    }
    layoutLegend(chart, painter, area);

    m_geo.is3D = false;
    m_geo.depth = QPointF();
    for (AxisLayout &a : m_axes)
        a = AxisLayout();
    if (m_mode == Mode::Pie) {
        m_geo.plot = area;
        m_geo.is3D = chart.view3D();
    } else if (m_mode == Mode::Cloud) {
        m_geo.plot = area.adjusted(base, base / 2, -base, -base / 2);
    } else {
        computeAxes(chart, QFontMetricsF(m_geo.labelFont), area);
    }
    if (m_geo.plot.width() < 4 || m_geo.plot.height() < 4)
        m_geo.plot = QRect(area.topLeft(), QSize(qMax(4, area.width()), qMax(4, area.height())));
    placeAxes(chart);
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

void ChartRenderer::layoutLegend(TChart &chart, QPainter &, QRect &area)
{
    m_legend.clear();
    m_legendRect = QRect();
    if (!chart.legendVisible() || chart.seriesCount() == 0)
        return;
    const TChartSeries *first = chart.series(0);
    if (chart.seriesCount() == 1 && (first->kind() == SeriesKind::Pie || first->colorEachPoint())) {
        for (int i = 0; i < first->count() && i < 500; ++i)
            m_legend.push_back(
                {first->label(i).isEmpty() ? QString::number(first->value(i)) : first->label(i),
                 first->pointColor(i), nullptr});
    } else {
        for (int i = 0; i < chart.seriesCount(); ++i) {
            const TChartSeries *s = chart.series(i);
            m_legend.push_back(
                {s->title().isEmpty() ? QObject::tr("Series %1").arg(i + 1) : s->title(),
                 s->color(), s});
        }
    }
    if (m_legend.empty())
        return;
    const QFontMetricsF fm(m_legendFont);
    m_legendRowHeight = int(std::ceil(fm.height() * 1.35));
    const int pad = int(fm.height() * 0.5);
    const int symbol = int(fm.height() * 1.6);
    double widest = 0;
    for (const LegendItem &it : m_legend)
        widest = qMax(widest, fm.horizontalAdvance(it.text));
    const int itemWidth = int(std::ceil(symbol + pad + widest));
    if (chart.legendPosition() == TChart::LegendPosition::Right) {
        const int w = qMin(int(area.width() * 0.32), itemWidth + 2 * pad);
        const int h = qMin(area.height(), int(m_legend.size()) * m_legendRowHeight + 2 * pad);
        m_legendColumns = 1;
        m_legendRect = QRect(area.right() - w + 1, area.top() + (area.height() - h) / 2, w, h);
        area.setRight(area.right() - w - pad * 2);
    } else {
        const int colW = itemWidth + pad * 2;
        m_legendColumns = qMax(1, qMin(int(m_legend.size()), area.width() / qMax(1, colW)));
        const int rows = (int(m_legend.size()) + m_legendColumns - 1) / m_legendColumns;
        const int h = qMin(area.height() / 3, rows * m_legendRowHeight + 2 * pad);
        const int w = qMin(area.width(), m_legendColumns * colW + 2 * pad);
        m_legendRect = QRect(area.left() + (area.width() - w) / 2, area.bottom() - h + 1, w, h);
        area.setBottom(area.bottom() - h - pad);
    }
}

void ChartRenderer::drawLegend(TChart &, QPainter &p)
{
    if (m_legendRect.isEmpty() || m_legend.empty())
        return;
    p.save();
    p.setFont(m_legendFont);
    const QFontMetricsF fm(m_legendFont);
    const int pad = int(fm.height() * 0.5);
    const int symbol = int(fm.height() * 1.6);
    p.setPen(QPen(QColor(0xD5, 0xD9, 0xE0), 1));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(QRectF(m_legendRect).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    const int colW = (m_legendRect.width() - 2 * pad) / m_legendColumns;
    const int rows = (m_legendRect.height() - 2 * pad) / qMax(1, m_legendRowHeight);
    const int capacity = rows * m_legendColumns;
    for (int i = 0; i < int(m_legend.size()) && i < capacity; ++i) {
        const LegendItem &it = m_legend[size_t(i)];
        const int col = i % m_legendColumns;
        const int row = i / m_legendColumns;
        const QRectF cell(m_legendRect.left() + pad + col * colW,
                          m_legendRect.top() + pad + row * m_legendRowHeight, colW,
                          m_legendRowHeight);
        QString text = it.text;
        if (i == capacity - 1 && int(m_legend.size()) > capacity)
            text = QStringLiteral("…");
        const QRectF sym(cell.left(), cell.center().y() - fm.height() * 0.35, symbol,
                         fm.height() * 0.7);
        SeriesPainter::drawLegendSymbol(p, sym, it.series, it.color);
        p.setPen(kTextColor);
        const QRectF tr(sym.right() + pad * 0.8, cell.top(), cell.width() - symbol - pad,
                        cell.height());
        p.drawText(tr, Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(text, Qt::ElideRight, tr.width()));
    }
    p.restore();
}

void ChartRenderer::drawBack(TChart &chart, QPainter &p)
{
    p.save();
    p.fillRect(m_rect, chart.backgroundColor().isValid() ? chart.backgroundColor() : Qt::white);
    if (chart.borderVisible()) {
        p.setPen(QPen(QColor(0x9A, 0xA0, 0xAA), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(m_rect).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    if (!m_titleRect.isEmpty()) {
        p.setFont(m_titleFont);
        p.setPen(QColor(0x1F, 0x29, 0x37));
        const QFontMetricsF fm(m_titleFont);
        p.drawText(m_titleRect, Qt::AlignCenter,
                   fm.elidedText(chart.title(), Qt::ElideRight, m_titleRect.width()));
    }
    p.restore();
    if (m_mode == Mode::Cartesian || m_mode == Mode::Empty)
        drawWalls(chart, p);
}

void ChartRenderer::drawWalls(TChart &chart, QPainter &p)
{
    p.save();
    const QRectF plot(m_geo.plot);
    const QPointF d = m_geo.depth;
    const QColor wall = chart.wallColor();
    const QPen wallPen = chart.backWallPen() ? QPen(kWallPenColor, 1) : QPen(Qt::NoPen);
    if (chart.walls()) {
        QLinearGradient g(plot.topLeft() + d, plot.bottomLeft() + d);
        g.setColorAt(0, wall.lighter(103));
        g.setColorAt(1, wall.darker(103));
        if (m_geo.is3D) {
            const QPointF fl = d.x() >= 0 ? plot.topLeft() : plot.topRight();
            const QPointF bl = d.x() >= 0 ? plot.bottomLeft() : plot.bottomRight();
            QPolygonF side({fl, fl + d, bl + d, bl});
            p.setPen(Qt::NoPen);
            p.setBrush(wall.darker(106));
            p.drawPolygon(side);
            const QPointF b0 = d.y() <= 0 ? plot.bottomLeft() : plot.topLeft();
            const QPointF b1 = d.y() <= 0 ? plot.bottomRight() : plot.topRight();
            QPolygonF floor({b0, b1, b1 + d, b0 + d});
            p.setBrush(wall.darker(110));
            p.drawPolygon(floor);
            p.setPen(wallPen);
            p.setBrush(Qt::NoBrush);
            p.drawPolygon(side);
            p.drawPolygon(floor);
        }
        p.setPen(wallPen);
        p.setBrush(g);
        p.drawRect(plot.translated(d));
    } else if (chart.backWallPen() && m_geo.is3D) {
        p.setPen(wallPen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(plot.translated(d));
    }
    // Grid lines on the back wall, continued along the side wall and floor in 3D.
    p.setRenderHint(QPainter::Antialiasing, m_geo.is3D);
    p.setPen(QPen(kGridColor, 1));
    for (TChartAxis::Id id : {TChartAxis::Left, TChartAxis::Right}) {
        const AxisLayout &a = m_axes[id];
        const TChartAxis *axis = chart.axis(id);
        if (!a.shown || !axis->gridVisible())
            continue;
        for (size_t i = 0; i < a.ticks.size(); i += size_t(a.stride)) {
            const double y = std::round(axis->calcPosValue(a.ticks[i].value)) + 0.5;
            if (y < plot.top() - 0.5 || y > plot.bottom() + 1.5)
                continue;
            const double xl = d.x() >= 0 ? plot.left() : plot.right() + 1;
            p.drawLine(QPointF(plot.left(), y) + d, QPointF(plot.right() + 1, y) + d);
            if (m_geo.is3D)
                p.drawLine(QPointF(xl, y), QPointF(xl, y) + d);
        }
        break; // one vertical axis's grid is enough; a second would not line up
    }
    const AxisLayout &b = m_axes[TChartAxis::Bottom];
    if (b.shown && chart.bottomAxis()->gridVisible()) {
        for (size_t i = 0; i < b.ticks.size(); i += size_t(b.stride)) {
            const double x = std::round(chart.bottomAxis()->calcPosValue(b.ticks[i].value)) + 0.5;
            if (x < plot.left() - 0.5 || x > plot.right() + 1.5)
                continue;
            const double yb = d.y() <= 0 ? plot.bottom() + 1 : plot.top();
            p.drawLine(QPointF(x, plot.top()) + d, QPointF(x, plot.bottom() + 1) + d);
            if (m_geo.is3D)
                p.drawLine(QPointF(x, yb), QPointF(x, yb) + d);
        }
    }
    p.restore();
}

void ChartRenderer::drawSeries(TChart &chart, QPainter &p)
{
    if (m_mode == Mode::Cloud)
        m_cloud->draw(chart, p, m_geo);
    else if (m_mode != Mode::Empty)
        m_series->draw(chart, p, m_geo);
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

void ChartRenderer::drawFront(TChart &chart, QPainter &p)
{
    p.save();
    if (m_mode == Mode::Cartesian || m_mode == Mode::Empty) {
        for (TChartAxis::Id id : {TChartAxis::Left, TChartAxis::Right, TChartAxis::Bottom})
            drawAxisLabels(chart, p, id);
        drawAxisTitles(chart, p);
    }
    drawLegend(chart, p);
    p.restore();
}
