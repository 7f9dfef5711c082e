#include "platform/chart/TChartSeries.h"

#include "platform/chart/TChart.h"

#include <QLocale>
#include <cmath>

namespace {
quint64 nextRevision()
{
    static quint64 counter = 1;
    return ++counter;
}
} // namespace

TChartSeries::TChartSeries(TChart *chart, SeriesKind kind) : m_chart(chart), m_kind(kind)
{
    m_revision = nextRevision();
}

void TChartSeries::changed(bool data)
{
    if (data)
        m_revision = nextRevision();
    if (m_chart)
        m_chart->invalidate();
}

void TChartSeries::setKindInternal(SeriesKind kind)
{
    m_kind = kind;
    changed(true);
}

void TChartSeries::setTitle(const QString &title)
{
    m_title = title;
    changed();
}

void TChartSeries::setColor(const QColor &color)
{
    m_color = color;
    changed(true);
}

void TChartSeries::setColorEachPoint(bool on)
{
    m_colorEach = on;
    changed(true);
}

void TChartSeries::setActive(bool on)
{
    m_active = on;
    changed();
}

void TChartSeries::setValueAxis(ValueAxis axis)
{
    m_valueAxis = axis;
    changed();
}

QColor TChartSeries::pointColor(int index) const
{
    const QColor &own = m_points[size_t(index)].color;
    if (own.isValid())
        return own;
    if (m_colorEach)
        return chartPaletteColor(index);
    return m_color.isValid() ? m_color : chartPaletteColor(0);
}

void TChartSeries::setPointColor(int index, const QColor &color)
{
    if (index < 0 || index >= count())
        return;
    m_points[size_t(index)].color = color;
    changed(true);
}

void TChartSeries::setValue(int index, double value)
{
    if (index < 0 || index >= count())
        return;
    m_points[size_t(index)].y = value;
    changed(true);
}

int TChartSeries::add(double value, const QString &label, const QColor &color)
{
    return addXY(double(count()), value, label, color);
}

int TChartSeries::addXY(double x, double y, const QString &label, const QColor &color)
{
    return addXYZ(x, y, 0, label, color);
}

int TChartSeries::addXYZ(double x, double y, double z, const QString &label, const QColor &color)
{
    ChartPoint p;
    p.x = x;
    p.y = y;
    p.z = z;
    p.label = label;
    p.color = color;
    m_points.push_back(std::move(p));
    changed(true);
    return count() - 1;
}

void TChartSeries::clear()
{
    m_points.clear();
    changed(true);
}

void TChartSeries::setPoints(std::vector<ChartPoint> points)
{
    m_points = std::move(points);
    changed(true);
}

double TChartSeries::total() const
{
    double sum = 0;
    for (const ChartPoint &p : m_points)
        if (std::isfinite(p.y))
            sum += std::fabs(p.y);
    return sum;
}

double TChartSeries::percent(int index) const
{
    const double t = total();
    if (t <= 0 || index < 0 || index >= count())
        return 0;
    const double v = value(index);
    return std::isfinite(v) ? std::fabs(v) * 100.0 / t : 0;
}

void TChartSeries::setMarks(const ChartMarks &marks)
{
    m_marks = marks;
    changed();
}

void TChartSeries::setMarksVisible(bool on)
{
    m_marks.visible = on;
    changed();
}

void TChartSeries::setMarkStyle(MarkStyle style)
{
    m_marks.style = style;
    changed();
}

void TChartSeries::setMarksTransparent(bool on)
{
    m_marks.transparent = on;
    changed();
}

void TChartSeries::setMarksClip(bool on)
{
    m_marks.clip = on;
    changed();
}

QString TChartSeries::formatPercent(double percent, const QString &format)
{
    const QString fmt = format.isEmpty() ? QStringLiteral("##0.#%") : format;
    // Literal text before the first digit placeholder, the pattern, then the rest.
    int first = -1;
    int last = -1;
    for (int i = 0; i < fmt.size(); ++i) {
        const QChar c = fmt.at(i);
        if (c == QLatin1Char('#') || c == QLatin1Char('0') || c == QLatin1Char('.') ||
            c == QLatin1Char(',')) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return fmt + QString::number(percent, 'f', 1);
    const QString pattern = fmt.mid(first, last - first + 1);
    const int dot = pattern.indexOf(QLatin1Char('.'));
    int required = 0; // '0' decimals always shown
    int optional = 0; // '#' decimals shown when not zero
    if (dot >= 0) {
        for (int i = dot + 1; i < pattern.size(); ++i) {
            if (pattern.at(i) == QLatin1Char('0'))
                ++required;
            else if (pattern.at(i) == QLatin1Char('#'))
                ++optional;
        }
    }
    QString number = QString::number(percent, 'f', required + optional);
    if (optional > 0 && number.contains(QLatin1Char('.'))) {
        int keep = number.size();
        const int minLen = number.indexOf(QLatin1Char('.')) + 1 + required;
        while (keep > minLen && number.at(keep - 1) == QLatin1Char('0'))
            --keep;
        if (keep > 0 && number.at(keep - 1) == QLatin1Char('.'))
            --keep;
        number.truncate(keep);
    }
    return fmt.left(first) + number + fmt.mid(last + 1);
}

QString TChartSeries::markText(int index) const
{
    if (index < 0 || index >= count())
        return QString();
    const double v = value(index);
    switch (m_marks.style) {
    case MarkStyle::Value:
        return QLocale::c().toString(v, 'g', 8);
    case MarkStyle::Label:
        return label(index).isEmpty() ? QLocale::c().toString(v, 'g', 8) : label(index);
    case MarkStyle::LabelPercent: {
        QString p = formatPercent(percent(index), m_percentFormat);
        if (!p.startsWith(QLatin1Char(' ')) && !label(index).isEmpty())
            p.prepend(QLatin1Char(' '));
        return label(index) + p;
    }
    case MarkStyle::Percent:
        return formatPercent(percent(index), m_percentFormat).trimmed();
    }
    return QString();
}

void TChartSeries::setPenWidth(int width)
{
    m_penWidth = qBound(0, width, 50);
    changed();
}

void TChartSeries::setPointer(const ChartPointer &pointer)
{
    m_pointer = pointer;
    m_pointer.horizSize = qBound(1, m_pointer.horizSize, 50);
    m_pointer.vertSize = qBound(1, m_pointer.vertSize, 50);
    changed();
}

void TChartSeries::setPercentFormat(const QString &format)
{
    m_percentFormat = format;
    changed();
}

void TChartSeries::setCircled(bool on)
{
    m_circled = on;
    changed();
}

void TChartSeries::setBaseLinesVisible(bool on)
{
    m_baseLines = on;
    changed();
}
