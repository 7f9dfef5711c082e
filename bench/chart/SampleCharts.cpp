#include "SampleCharts.h"

#include "platform/chart/TChart.h"

#include <QLocale>
#include <cmath>
#include <random>

void SampleCharts::barChart(TChart &chart)
{
    chart.clearChart();
    chart.setTitle(QStringLiteral("Respondents by region"));
    TChartSeries *s = chart.addSeries(SeriesKind::Bar);
    s->setTitle(QStringLiteral("Respondents"));
    const char *regions[] = {"North", "North-East", "East",  "South-East",
                             "South", "West",       "Centre"};
    const double values[] = {412, 287, 356, 198, 463, 321, 505};
    for (int i = 0; i < 7; ++i)
        s->add(values[i], QString::fromLatin1(regions[i]));
    s->setMarksVisible(true);
    chart.leftAxis()->setTitle(QStringLiteral("Count"));
    chart.bottomAxis()->setTitle(QStringLiteral("Region"));
    chart.setLegendVisible(false);
}

void SampleCharts::pieChart(TChart &chart)
{
    chart.clearChart();
    chart.setTitle(QStringLiteral("Preferred channel"));
    TChartSeries *s = chart.addSeries(SeriesKind::Pie);
    s->setTitle(QStringLiteral("Channel"));
    const char *labels[] = {"E-mail", "Telephone", "Web form", "Letter", "In person"};
    const double values[] = {38, 21, 27, 5, 9};
    for (int i = 0; i < 5; ++i)
        s->add(values[i], QString::fromLatin1(labels[i]));
    s->setColorEachPoint(true);
    ChartMarks m = s->marks();
    m.visible = true;
    m.style = MarkStyle::LabelPercent;
    m.transparent = true;
    s->setMarks(m);
    s->setCircled(true);
    s->setPercentFormat(QStringLiteral(" ##0.0%"));
}

void SampleCharts::lineChart(TChart &chart)
{
    chart.clearChart();
    chart.setTitle(QStringLiteral("Satisfaction by quarter"));
    const char *titles[] = {"Product", "Service", "Price"};
    const double data[3][8] = {{6.1, 6.4, 6.3, 6.9, 7.2, 7.1, 7.5, 7.8},
                               {5.2, 5.9, 6.6, 6.4, 6.8, 7.4, 7.3, 7.6},
                               {4.8, 4.6, 5.1, 5.5, 5.3, 5.0, 5.6, 5.9}};
    const PointerStyle styles[] = {PointerStyle::Rectangle, PointerStyle::Triangle,
                                   PointerStyle::Cross};
    for (int k = 0; k < 3; ++k) {
        TChartSeries *s = chart.addSeries(SeriesKind::Line);
        s->setTitle(QString::fromLatin1(titles[k]));
        for (int q = 0; q < 8; ++q)
            s->add(data[k][q], QStringLiteral("Q%1 %2").arg(q % 4 + 1).arg(2023 + q / 4));
        ChartPointer p = s->pointer();
        p.style = styles[k];
        p.horizSize = p.vertSize = 3;
        s->setPointer(p);
        s->setPenWidth(2);
    }
    chart.leftAxis()->setTitle(QStringLiteral("Mean score (1-10)"));
}

void SampleCharts::scatterChart(TChart &chart, QString *fittedInfo)
{
    chart.clearChart();
    chart.setTitle(QStringLiteral("Spending against income"));
    TChartSeries *s = chart.addSeries(SeriesKind::Point);
    s->setTitle(QStringLiteral("Households"));
    std::mt19937 gen(11);
    std::normal_distribution<double> noise(0, 2.2);
    std::uniform_real_distribution<double> xs(1, 60);
    const double c0 = 4.0, c1 = 6.5;
    for (int i = 0; i < 140; ++i) {
        const double x = xs(gen);
        s->addXY(x, c0 + c1 * std::log(x) + noise(gen));
    }
    ChartPointer p = s->pointer();
    p.style = PointerStyle::Circle;
    p.horizSize = p.vertSize = 3;
    s->setPointer(p);
    chart.bottomAxis()->setTitle(QStringLiteral("Income (k€)"));
    chart.leftAxis()->setTitle(QStringLiteral("Spending (k€)"));
    chart.setLegendVisible(false);
    if (fittedInfo) {
        const QChar rs(30);
        const QLocale loc;
        const QString model = QStringLiteral("12") + rs + loc.toString(c0) + rs + loc.toString(c1) +
                              rs + "0" + rs + "0" + rs + "0" + rs + "0" + rs + "6";
        *fittedInfo = QStringLiteral("S\tSpending\tSpending against income\t") + model;
    }
}

void SampleCharts::cloudChart(TChart &chart, int points)
{
    chart.clearChart();
    chart.setTitle(QStringLiteral("Three clusters"));
    std::mt19937 gen(5);
    std::normal_distribution<double> n(0, 1);
    const double centres[3][3] = {{2, 3, 2}, {6, 7, 4}, {7, 2, 7}};
    const double spread[3] = {0.9, 1.1, 0.8};
    const char *names[] = {"Group A", "Group B", "Group C"};
    for (int k = 0; k < 3; ++k) {
        TChartSeries *s = chart.addSeries(SeriesKind::Point3D);
        s->setTitle(QString::fromLatin1(names[k]));
        const int count = points / 3 + (k < points % 3 ? 1 : 0);
        std::vector<ChartPoint> pts(static_cast<size_t>(count));
        for (ChartPoint &p : pts) {
            p.x = centres[k][0] + n(gen) * spread[k];
            p.y = centres[k][1] + n(gen) * spread[k];
            p.z = centres[k][2] + n(gen) * spread[k];
        }
        s->setPoints(std::move(pts));
        ChartPointer ptr = s->pointer();
        ptr.horizSize = ptr.vertSize = points > 5000 ? 3 : 6;
        ptr.style = PointerStyle::Circle;
        s->setPointer(ptr);
    }
    chart.bottomAxis()->setTitle(QStringLiteral("X"));
    chart.leftAxis()->setTitle(QStringLiteral("Y"));
    chart.depthAxis()->setTitle(QStringLiteral("Z"));
    chart.setRotation(35);
    chart.setElevation(22);
}

void SampleCharts::manyLines(TChart &chart, int series, int points, bool bars)
{
    chart.clearChart();
    chart.setTitle(QStringLiteral("%1 series × %2 points").arg(series).arg(points));
    std::mt19937 gen(3);
    std::normal_distribution<double> step(0, 1);
    for (int k = 0; k < series; ++k) {
        TChartSeries *s = chart.addSeries(bars ? SeriesKind::Bar : SeriesKind::Line);
        s->setTitle(QStringLiteral("Series %1").arg(k + 1));
        std::vector<ChartPoint> pts(static_cast<size_t>(points));
        double v = 50 + 10 * k;
        for (int i = 0; i < points; ++i) {
            v += step(gen);
            pts[size_t(i)].x = i;
            pts[size_t(i)].y = v;
            pts[size_t(i)].label = QStringLiteral("P%1").arg(i + 1);
        }
        s->setPoints(std::move(pts));
    }
}
