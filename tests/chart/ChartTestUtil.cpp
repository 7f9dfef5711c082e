#include "ChartTestUtil.h"

#include "platform/chart/TChart.h"

void ChartTestUtil::oneBarSeries(TChart &chart, const QList<double> &values,
                                 const QStringList &labels)
{
    chart.clearChart();
    TChartSeries *s = chart.addSeries(SeriesKind::Bar);
    s->setTitle(QStringLiteral("Values"));
    for (int i = 0; i < values.size(); ++i)
        s->add(values[i], labels.value(i));
}

void ChartTestUtil::manySeries(TChart &chart, int series, int categories, bool bars)
{
    chart.clearChart();
    for (int k = 0; k < series; ++k) {
        TChartSeries *s = chart.addSeries(bars ? SeriesKind::Bar : SeriesKind::Line);
        s->setTitle(QStringLiteral("S%1").arg(k + 1));
        for (int c = 0; c < categories; ++c)
            s->add(10 * (k + 1) + c, QStringLiteral("C%1").arg(c + 1));
    }
}

bool ChartTestUtil::isPureBlue(const QColor &c)
{
    return c.blue() > 200 && c.red() < 90 && c.green() < 90;
}

bool ChartTestUtil::isRed(const QColor &c)
{
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}
