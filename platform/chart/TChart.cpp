#include "platform/chart/TChart.h"

#include "platform/TessaryError.h"
#include "platform/chart/ChartLogging.h"
#include "platform/chart/ChartRenderer.h"
#include "platform/chart/ChartStream.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <limits>

namespace {
struct Span
{
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    bool any() const { return lo <= hi; }
    void add(double v)
    {
        if (std::isfinite(v)) {
            lo = qMin(lo, v);
            hi = qMax(hi, v);
        }
    }
};

// Extends a data span to whole multiples of a nice step.
void niceRange(Span s, bool includeZero, double *lo, double *hi)
{
    if (!s.any()) {
        *lo = 0;
        *hi = 10;
        return;
    }
    if (includeZero) {
        s.lo = qMin(s.lo, 0.0);
        s.hi = qMax(s.hi, 0.0);
    }
    if (s.hi - s.lo <= 0) {
        const double pad = s.lo == 0 ? 1 : std::fabs(s.lo) * 0.1;
        s.lo -= pad;
        s.hi += pad;
        if (includeZero && s.lo < 0 && s.hi - pad >= 0)
            s.lo = 0;
    }
    const double step = TChartAxis::niceStep(s.hi - s.lo, 8);
    *lo = std::floor(s.lo / step + 1e-9) * step;
    *hi = std::ceil(s.hi / step - 1e-9) * step;
    if (*hi <= *lo)
        *hi = *lo + step;
}
} // namespace

TChart::TChart(QWidget *parent) : QWidget(parent), m_renderer(std::make_unique<ChartRenderer>())
{
    for (int i = 0; i < 4; ++i)
        m_axes[i] = std::make_unique<TChartAxis>(this, TChartAxis::Id(i));
    resetSettings();
    setMouseTracking(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TChart::~TChart() = default;

void TChart::resetSettings()
{
    m_title.clear();
    m_legendVisible = true;
    m_legendPos = LegendPosition::Right;
    m_background = QColor(255, 255, 255);
    m_border = false;
    m_wallColor = QColor(0xF4, 0xF6, 0xFA);
    m_view3D = false;
    m_walls = true;
    m_backWallPen = true;
    m_clipPoints = true;
    m_rotation = 30;
    m_elevation = 20;
    m_depth3D = 12;
    m_zoomAllowed = false;
    m_zoomStack.clear();
    m_cloudZoom = 1.0;
    m_cloudPan = QPointF();
    for (int i = 0; i < 4; ++i)
        m_axes[i] = std::make_unique<TChartAxis>(this, TChartAxis::Id(i));
    m_axes[TChartAxis::Right]->setVisible(true);
}

TChartSeries *TChart::series(int index) const
{
    if (index < 0 || index >= seriesCount())
        return nullptr;
    return m_series[size_t(index)].get();
}

TChartSeries *TChart::addSeries(SeriesKind kind)
{
    auto s = std::make_unique<TChartSeries>(this, kind);
    s->setColor(chartPaletteColor(seriesCount()));
    return addSeries(std::move(s));
}

TChartSeries *TChart::addSeries(std::unique_ptr<TChartSeries> series)
{
    TChartSeries *raw = series.get();
    if (!raw->color().isValid())
        raw->setColor(chartPaletteColor(seriesCount()));
    m_series.push_back(std::move(series));
    invalidate();
    return raw;
}

void TChart::removeSeries(int index)
{
    if (index < 0 || index >= seriesCount())
        return;
    m_series.erase(m_series.begin() + index);
    invalidate();
}

void TChart::removeAllSeries()
{
    m_series.clear();
    invalidate();
}

int TChart::indexOf(const TChartSeries *series) const
{
    for (int i = 0; i < seriesCount(); ++i)
        if (m_series[size_t(i)].get() == series)
            return i;
    return -1;
}

void TChart::changeSeriesKind(int index, SeriesKind kind)
{
    TChartSeries *s = series(index);
    if (!s || s->kind() == kind)
        return;
    s->setKindInternal(kind);
}

TChartAxis *TChart::verticalAxisOf(const TChartSeries *series) const
{
    if (series && series->kind() == SeriesKind::HorizBar)
        return leftAxis();
    if (series && series->valueAxis() == TChartSeries::ValueAxis::Right &&
        series->kind() != SeriesKind::Point3D)
        return rightAxis();
    return leftAxis();
}

TChartAxis *TChart::horizontalAxisOf(const TChartSeries *) const
{
    return bottomAxis();
}

void TChart::setTitle(const QString &title)
{
    m_title = title;
    invalidate();
}

void TChart::setLegendVisible(bool on)
{
    m_legendVisible = on;
    invalidate();
}

void TChart::setLegendPosition(LegendPosition pos)
{
    m_legendPos = pos;
    invalidate();
}

void TChart::setBackgroundColor(const QColor &color)
{
    m_background = color;
    invalidate();
}

void TChart::setBorderVisible(bool on)
{
    m_border = on;
    invalidate();
}

void TChart::setWallColor(const QColor &color)
{
    m_wallColor = color;
    invalidate();
}

void TChart::setView3D(bool on)
{
    m_view3D = on;
    invalidate();
}

void TChart::setWalls(bool on)
{
    m_walls = on;
    invalidate();
}

void TChart::setBackWallPen(bool on)
{
    m_backWallPen = on;
    invalidate();
}

void TChart::setClipPoints(bool on)
{
    m_clipPoints = on;
    invalidate();
}

void TChart::setRotation(int degrees)
{
    m_rotation = degrees;
    invalidate();
}

void TChart::setElevation(int degrees)
{
    m_elevation = degrees;
    invalidate();
}

void TChart::setDepth3D(int percent)
{
    m_depth3D = qBound(0, percent, 100);
    invalidate();
}

void TChart::setZoomAllowed(bool on)
{
    m_zoomAllowed = on;
    if (!on)
        m_dragging = false;
}

bool TChart::isCloud() const
{
    return seriesCount() > 0 && m_series[0]->kind() == SeriesKind::Point3D;
}

void TChart::zoomToRect(const QRect &r)
{
    const QRect rect = r.normalized();
    if (rect.width() < 3 || rect.height() < 3 || m_plotRect.isEmpty())
        return;
    ZoomState st;
    for (int i = 0; i < 4; ++i) {
        st.automatic[i] = m_axes[i]->automatic();
        st.min[i] = m_axes[i]->minimum();
        st.max[i] = m_axes[i]->maximum();
    }
    st.cloudZoom = m_cloudZoom;
    st.cloudPan = m_cloudPan;
    m_zoomStack.push_back(st);
    if (isCloud()) {
        // The cloud zooms its projection: the rectangle's centre moves to the
        // plot's centre and the rectangle grows to fill the plot.
        const double f = qMin(double(m_plotRect.width()) / rect.width(),
                              double(m_plotRect.height()) / rect.height());
        const QPointF c = QRectF(m_plotRect).center();
        const QPointF rc = QRectF(rect).center();
        m_cloudPan = (m_cloudPan + (c - rc)) * f;
        m_cloudZoom *= f;
    } else {
        auto zoomAxis = [](TChartAxis *a, double p0, double p1) {
            double v0 = a->calcValue(p0);
            double v1 = a->calcValue(p1);
            if (v0 > v1)
                std::swap(v0, v1);
            if (v1 - v0 > 0)
                a->setMinMax(v0, v1);
        };
        zoomAxis(bottomAxis(), rect.left(), rect.right());
        zoomAxis(leftAxis(), rect.bottom(), rect.top());
        zoomAxis(rightAxis(), rect.bottom(), rect.top());
    }
    invalidate();
    emit zoomChanged();
}

void TChart::undoZoom()
{
    if (m_zoomStack.empty())
        return;
    const ZoomState st = m_zoomStack.front();
    m_zoomStack.clear();
    for (int i = 0; i < 4; ++i) {
        if (st.automatic[i])
            m_axes[i]->setAutomatic(true);
        else
            m_axes[i]->setMinMax(st.min[i], st.max[i]);
    }
    m_cloudZoom = st.cloudZoom;
    m_cloudPan = st.cloudPan;
    invalidate();
    emit zoomChanged();
}

void TChart::invalidate()
{
    m_rangesDirty = true;
    update();
    emit changed();
}

void TChart::ensureRanges()
{
    if (!m_rangesDirty || m_inRanges)
        return;
    m_inRanges = true;
    computeRanges();
    m_rangesDirty = false;
    m_inRanges = false;
}

void TChart::computeRanges()
{
    Span xs, lefts, rights, zs, cats;
    bool bottomCat = false, bottomBars = false, leftCat = false;
    bool leftBars = false, rightBars = false, bottomValBars = false;
    for (const auto &sp : m_series) {
        const TChartSeries &s = *sp;
        if (!s.active() || s.kind() == SeriesKind::Pie)
            continue;
        const bool right = s.valueAxis() == TChartSeries::ValueAxis::Right;
        switch (s.kind()) {
        case SeriesKind::Bar:
        case SeriesKind::Line:
            bottomCat = true;
            bottomBars |= s.kind() == SeriesKind::Bar;
            for (const ChartPoint &p : s.points()) {
                xs.add(p.x);
                (right ? rights : lefts).add(p.y);
            }
            if (s.kind() == SeriesKind::Bar)
                (right ? rightBars : leftBars) = true;
            break;
        case SeriesKind::HorizBar:
            leftCat = true;
            bottomValBars = true;
            for (const ChartPoint &p : s.points()) {
                cats.add(p.x);
                xs.add(p.y);
            }
            break;
        case SeriesKind::Point:
            for (const ChartPoint &p : s.points()) {
                xs.add(p.x);
                (right ? rights : lefts).add(p.y);
            }
            break;
        case SeriesKind::Point3D:
            for (const ChartPoint &p : s.points()) {
                xs.add(p.x);
                lefts.add(p.y);
                zs.add(p.z);
            }
            break;
        case SeriesKind::Pie:
            break;
        }
    }
    double lo = 0, hi = 1;
    // Horizontal axis.
    if (bottomValBars && !bottomCat) {
        niceRange(xs, true, &lo, &hi);
    } else if (bottomCat && xs.any()) {
        const double pad = bottomBars ? 0.5 : 0.0;
        lo = xs.lo - pad;
        hi = xs.hi + pad;
        if (hi - lo <= 0) {
            lo -= 0.5;
            hi += 0.5;
        }
    } else {
        niceRange(xs, false, &lo, &hi);
    }
    bottomAxis()->setAutoRange(lo, hi);
    // Vertical axes; an axis without series of its own shows the other's scale.
    if (leftCat && cats.any()) {
        leftAxis()->setAutoRange(cats.lo - 0.5, cats.hi + 0.5);
    } else {
        if (!lefts.any() && rights.any())
            niceRange(rights, rightBars, &lo, &hi);
        else
            niceRange(lefts, leftBars, &lo, &hi);
        leftAxis()->setAutoRange(lo, hi);
    }
    if (rights.any()) {
        niceRange(rights, rightBars, &lo, &hi);
        rightAxis()->setAutoRange(lo, hi);
    } else if (leftCat && cats.any()) {
        // Horizontal bars show their values on the bottom axis.
        rightAxis()->setAutoRange(bottomAxis()->minimum(), bottomAxis()->maximum());
    } else {
        rightAxis()->setAutoRange(leftAxis()->minimum(), leftAxis()->maximum());
    }
    niceRange(zs, false, &lo, &hi);
    depthAxis()->setAutoRange(lo, hi);
}

void TChart::draw(QPainter &painter, const QRect &rect)
{
    ensureRanges();
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    m_renderer->layout(*this, painter, rect);
    m_plotRect = m_renderer->plotRect();
    m_renderer->drawBack(*this, painter);
    painter.save();
    emit beforeDrawSeries(&painter);
    painter.restore();
    m_renderer->drawSeries(*this, painter);
    m_renderer->drawFront(*this, painter);
    painter.save();
    emit afterDraw(&painter);
    painter.restore();
    painter.restore();
}

QImage TChart::toImage(const QSize &size, const QColor &background)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background.isValid() ? background : m_background);
    QPainter p(&image);
    draw(p, QRect(QPoint(0, 0), size));
    p.end();
    return image;
}

void TChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_background.isValid() ? m_background : QColor(Qt::white));
    draw(p, rect());
    if (m_dragging) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(QColor(40, 40, 40), 1, Qt::DashLine));
        p.setBrush(QColor(80, 120, 200, 40));
        p.drawRect(QRect(m_dragStart, m_dragNow).normalized());
    }
}

void TChart::mousePressEvent(QMouseEvent *event)
{
    if (m_zoomAllowed && event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragStart = m_dragNow = event->position().toPoint();
    }
    emit chartMousePressed(event);
}

void TChart::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging) {
        m_dragNow = event->position().toPoint();
        update();
    }
    emit chartMouseMoved(event);
}

void TChart::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_dragging) {
        m_dragging = false;
        const QPoint end = event->position().toPoint();
        // A drag to the right and down zooms in; a drag back to the left undoes.
        if (end.x() < m_dragStart.x() - 3)
            undoZoom();
        else
            zoomToRect(QRect(m_dragStart, end));
        update();
    }
    emit chartMouseReleased(event);
}

QByteArray TChart::saveToStream() const
{
    return ChartStream::write(*this);
}

void TChart::loadFromStream(const QByteArray &bytes)
{
    clearChart();
    try {
        ChartStream::read(*this, bytes);
    } catch (...) {
        clearChart();
        throw;
    }
    m_zoomStack.clear();
    invalidate();
}

void TChart::saveToFile(const QString &fileName) const
{
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(saveToStream()) < 0 || !f.flush())
        throw TessaryError(tr("Cannot write the chart file %1: %2").arg(fileName, f.errorString()));
}

void TChart::loadFromFile(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        clearChart();
        throw TessaryError(tr("Cannot read the chart file %1: %2").arg(fileName, f.errorString()));
    }
    // Chart files are small; anything beyond 512 MB is not one of ours.
    if (f.size() > (qint64(512) << 20)) {
        clearChart();
        throw TessaryError(tr("The file %1 is too large to be a chart.").arg(fileName));
    }
    loadFromStream(f.readAll());
}

void TChart::clearChart()
{
    m_series.clear();
    resetSettings();
    invalidate();
}
