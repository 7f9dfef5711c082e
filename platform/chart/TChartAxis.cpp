#include "platform/chart/TChartAxis.h"

#include "platform/TessaryError.h"
#include "platform/chart/TChart.h"

#include <cmath>

TChartAxis::TChartAxis(TChart *chart, Id id) : m_chart(chart), m_id(id)
{
    m_grid = (id != Bottom);
}

void TChartAxis::changed()
{
    if (m_chart)
        m_chart->invalidate();
}

void TChartAxis::setAutomatic(bool on)
{
    if (on == m_automatic)
        return;
    if (!on) {
        // Fixing the axis keeps the range it shows now.
        m_min = minimum();
        m_max = maximum();
    }
    m_automatic = on;
    changed();
}

double TChartAxis::minimum() const
{
    if (m_automatic) {
        if (m_chart)
            m_chart->ensureRanges();
        return m_autoMin;
    }
    return m_min;
}

double TChartAxis::maximum() const
{
    if (m_automatic) {
        if (m_chart)
            m_chart->ensureRanges();
        return m_autoMax;
    }
    return m_max;
}

void TChartAxis::setMinimum(double value)
{
    if (!std::isfinite(value))
        throw TessaryError(QObject::tr("The axis minimum must be a number."));
    const double max = maximum();
    if (value > max)
        throw TessaryError(
            QObject::tr("The axis minimum %1 is above its maximum %2.").arg(value).arg(max));
    if (m_automatic) {
        m_max = max;
        m_automatic = false;
    }
    m_min = value;
    changed();
}

void TChartAxis::setMaximum(double value)
{
    if (!std::isfinite(value))
        throw TessaryError(QObject::tr("The axis maximum must be a number."));
    const double min = minimum();
    if (value < min)
        throw TessaryError(
            QObject::tr("The axis maximum %1 is below its minimum %2.").arg(value).arg(min));
    if (m_automatic) {
        m_min = min;
        m_automatic = false;
    }
    m_max = value;
    changed();
}

void TChartAxis::setMinMax(double minimum, double maximum)
{
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || minimum > maximum)
        throw TessaryError(
            QObject::tr("The axis range %1 .. %2 is not valid.").arg(minimum).arg(maximum));
    m_min = minimum;
    m_max = maximum;
    m_automatic = false;
    changed();
}

void TChartAxis::setIncrement(double value)
{
    m_increment = (std::isfinite(value) && value > 0) ? value : 0;
    changed();
}

void TChartAxis::setInverted(bool on)
{
    m_inverted = on;
    changed();
}

void TChartAxis::setGridVisible(bool on)
{
    m_grid = on;
    changed();
}

void TChartAxis::setLabelsAngle(int degrees)
{
    m_labelsAngle = ((degrees % 360) + 360) % 360;
    changed();
}

void TChartAxis::setLabelsVisible(bool on)
{
    m_labelsVisible = on;
    changed();
}

void TChartAxis::setStartPosition(double percent)
{
    m_startPos = qBound(0.0, percent, 100.0);
    changed();
}

void TChartAxis::setEndPosition(double percent)
{
    m_endPos = qBound(0.0, percent, 100.0);
    changed();
}

void TChartAxis::setTitle(const QString &title)
{
    m_title = title;
    changed();
}

void TChartAxis::setVisible(bool on)
{
    m_visible = on;
    changed();
}

double TChartAxis::calcPosValue(double value) const
{
    const double lo = minimum();
    const double hi = maximum();
    const double span = hi - lo;
    double f = span != 0 ? (value - lo) / span : 0.5;
    if (m_inverted)
        f = 1.0 - f;
    return m_pixStart + f * (m_pixEnd - m_pixStart);
}

double TChartAxis::calcValue(double pixel) const
{
    const double pspan = m_pixEnd - m_pixStart;
    double f = pspan != 0 ? (pixel - m_pixStart) / pspan : 0;
    if (m_inverted)
        f = 1.0 - f;
    return minimum() + f * (maximum() - minimum());
}

double TChartAxis::niceStep(double range, int maxLabels)
{
    range = std::fabs(range);
    if (maxLabels < 1)
        maxLabels = 1;
    if (!(range > 0) || !std::isfinite(range))
        return 1;
    const double raw = range / maxLabels;
    double mag = std::pow(10.0, std::floor(std::log10(raw)));
    for (;;) {
        for (double m : {1.0, 2.0, 5.0}) {
            if (m * mag >= raw * (1 - 1e-9))
                return m * mag;
        }
        mag *= 10;
    }
}

void TChartAxis::setAutoRange(double minimum, double maximum)
{
    m_autoMin = minimum;
    m_autoMax = maximum;
}

void TChartAxis::setPixelRange(double start, double end)
{
    m_pixStart = start;
    m_pixEnd = end;
}
