// The frame of ChartRenderer: the layout of title, legend and plot, the background,
// walls and grid, the series and the legend. The axes have a file of their own.
#include "platform/chart/ChartRenderer.h"

#include "platform/chart/CloudPainter.h"
#include "platform/chart/SeriesPainter.h"
#include "platform/chart/TChart.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
const QColor kGridColor(0xDD, 0xE1, 0xE7);
const QColor kTextColor(0x33, 0x38, 0x40);
const QColor kWallPenColor(0xB8, 0xBE, 0xC8);
} // namespace

ChartRenderer::ChartRenderer()
    : m_series(std::make_unique<SeriesPainter>()), m_cloud(std::make_unique<CloudPainter>())
{
}

ChartRenderer::~ChartRenderer() = default;

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
