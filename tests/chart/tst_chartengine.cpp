// The chart engine: nice axis ranges, series kinds, the stream and its bad
// input, zoom, drawing checked on pixels.
#include "ChartTestUtil.h"

#include "platform/TessaryError.h"
#include "platform/chart/ChartRenderer.h"
#include "platform/chart/TChart.h"

#include <QtTest>
#include <cmath>

class TestChartEngine : public QObject
{
    Q_OBJECT

private slots:
    void niceStepsAndAutomaticRanges();
    void axisRangeErrors();
    void changingKindKeepsDataTitleAndColours();
    void percentFormatsAndMarks();
    void streamRoundTripKeepsEverything();
    void malformedStreamGivesErrorAndEmptyChart();
    void streamLoadsWhatItCan();
    void barsStandWhereTheAxesSay();
    void labelsNeverCrowd();
    void zoomAndUndoZoom();
    void cloudDrawsAndTurns();
};

void TestChartEngine::niceStepsAndAutomaticRanges()
{
    QCOMPARE(TChartAxis::niceStep(10, 5), 2.0);
    QCOMPARE(TChartAxis::niceStep(7, 10), 1.0);
    QCOMPARE(TChartAxis::niceStep(1234, 5), 500.0);
    QVERIFY(qFuzzyCompare(TChartAxis::niceStep(0.37, 4), 0.1));
    QCOMPARE(TChartAxis::niceStep(0, 5), 1.0);

    TChart chart;
    ChartTestUtil::oneBarSeries(chart, {3, 47, 12}, {"a", "b", "c"});
    // Bars stand on zero; the value axis ends on a multiple of its nice step.
    QCOMPARE(chart.leftAxis()->minimum(), 0.0);
    QCOMPARE(chart.leftAxis()->maximum(), 50.0);
    // Categories: half a bar of room on either side.
    QCOMPARE(chart.bottomAxis()->minimum(), -0.5);
    QCOMPARE(chart.bottomAxis()->maximum(), 2.5);
    // An axis without series shows the other one's scale.
    QCOMPARE(chart.rightAxis()->minimum(), 0.0);
    QCOMPARE(chart.rightAxis()->maximum(), 50.0);

    TChartSeries *line = chart.addSeries(SeriesKind::Line);
    line->add(1001);
    line->add(1013);
    chart.removeSeries(0);
    QCOMPARE(chart.leftAxis()->minimum(), 1000.0);
    QCOMPARE(chart.leftAxis()->maximum(), 1014.0);
    QCOMPARE(chart.bottomAxis()->minimum(), 0.0);
    QCOMPARE(chart.bottomAxis()->maximum(), 1.0);

    // Ticks fit the room: 100 pixels with labels 20 apart hold at most 5 steps.
    chart.leftAxis()->setMinMax(0, 1000);
    const auto ticks = ChartRenderer::valueTicks(*chart.leftAxis(), 100, 20);
    QVERIFY(ticks.size() <= 6);
    QCOMPARE(ticks.front().value, 0.0);
    QCOMPARE(ticks.back().value, 1000.0);
    // A fixed increment too fine for the room is doubled until the labels fit.
    chart.leftAxis()->setIncrement(10);
    QVERIFY(ChartRenderer::valueTicks(*chart.leftAxis(), 100, 20).size() <= 6);
}

void TestChartEngine::axisRangeErrors()
{
    TChart chart;
    chart.bottomAxis()->setMinMax(0, 10);
    QVERIFY_THROWS_EXCEPTION(TessaryError, chart.bottomAxis()->setMinimum(11));
    QVERIFY_THROWS_EXCEPTION(TessaryError, chart.bottomAxis()->setMaximum(-1));
    QVERIFY_THROWS_EXCEPTION(TessaryError, chart.bottomAxis()->setMinMax(5, 4));
    QCOMPARE(chart.bottomAxis()->minimum(), 0.0);
    QCOMPARE(chart.bottomAxis()->maximum(), 10.0);
    chart.bottomAxis()->setMinimum(-2);
    QCOMPARE(chart.bottomAxis()->minimum(), -2.0);
    QVERIFY(!chart.bottomAxis()->automatic());
}

void TestChartEngine::changingKindKeepsDataTitleAndColours()
{
    TChart chart;
    ChartTestUtil::oneBarSeries(chart, {1, 2, 3}, {"x", "y", "z"});
    TChartSeries *s = chart.series(0);
    s->setColor(QColor(10, 20, 30));
    s->setPointColor(1, QColor(200, 0, 0));
    for (SeriesKind k : {SeriesKind::Pie, SeriesKind::Line, SeriesKind::HorizBar, SeriesKind::Point,
                         SeriesKind::Point3D, SeriesKind::Bar}) {
        chart.changeSeriesKind(0, k);
        QCOMPARE(chart.series(0), s);
        QCOMPARE(s->kind(), k);
        QCOMPARE(s->count(), 3);
        QCOMPARE(s->value(2), 3.0);
        QCOMPARE(s->label(0), QStringLiteral("x"));
        QCOMPARE(s->title(), QStringLiteral("Values"));
        QCOMPARE(s->color(), QColor(10, 20, 30));
        QCOMPARE(s->pointColor(1), QColor(200, 0, 0));
    }
}

void TestChartEngine::percentFormatsAndMarks()
{
    QCOMPARE(TChartSeries::formatPercent(25, QStringLiteral(" ##0.0%")), QStringLiteral(" 25.0%"));
    QCOMPARE(TChartSeries::formatPercent(7.25, QStringLiteral("##0.00%")), QStringLiteral("7.25%"));
    QCOMPARE(TChartSeries::formatPercent(7.5, QStringLiteral("##0.#%")), QStringLiteral("7.5%"));
    QCOMPARE(TChartSeries::formatPercent(7, QStringLiteral("##0.#%")), QStringLiteral("7%"));
    QCOMPARE(TChartSeries::formatPercent(33.333, QStringLiteral("##0%")), QStringLiteral("33%"));

    TChart chart;
    ChartTestUtil::oneBarSeries(chart, {1, 3}, {"Apples", "Pears"});
    TChartSeries *s = chart.series(0);
    s->setPercentFormat(QStringLiteral(" ##0.0%"));
    s->setMarkStyle(MarkStyle::LabelPercent);
    QCOMPARE(s->markText(0), QStringLiteral("Apples 25.0%"));
    s->setMarkStyle(MarkStyle::Percent);
    QCOMPARE(s->markText(1), QStringLiteral("75.0%"));
    s->setMarkStyle(MarkStyle::Value);
    QCOMPARE(s->markText(1), QStringLiteral("3"));
    s->setMarkStyle(MarkStyle::Label);
    QCOMPARE(s->markText(0), QStringLiteral("Apples"));
    QCOMPARE(s->markText(5), QString());
}

void TestChartEngine::streamRoundTripKeepsEverything()
{
    TChart chart;
    chart.setTitle(QStringLiteral("Round trip é ü"));
    chart.setBackgroundColor(QColor(250, 240, 230));
    chart.setBorderVisible(true);
    chart.setLegendPosition(TChart::LegendPosition::Bottom);
    chart.setView3D(true);
    chart.setWalls(false);
    chart.setRotation(123);
    chart.setElevation(-17);
    chart.setDepth3D(33);
    TChartSeries *bar = chart.addSeries(SeriesKind::Bar);
    bar->setTitle(QStringLiteral("Bars"));
    bar->add(1.5, QStringLiteral("one"));
    bar->add(-2.25, QStringLiteral("two"), QColor(1, 2, 3));
    bar->setValueAxis(TChartSeries::ValueAxis::Right);
    ChartMarks m;
    m.visible = true;
    m.style = MarkStyle::LabelPercent;
    m.arrowLength = 5;
    m.transparent = true;
    m.clip = true;
    bar->setMarks(m);
    TChartSeries *cloud = chart.addSeries(SeriesKind::Point3D);
    cloud->addXYZ(1, 2, 3);
    cloud->addXYZ(-4, 5.125, -6, QStringLiteral("p"));
    cloud->setBaseLinesVisible(true);
    cloud->setColorEachPoint(true);
    ChartPointer p;
    p.style = PointerStyle::Star;
    p.horizSize = 7;
    p.vertSize = 9;
    cloud->setPointer(p);
    TChartSeries *pie = chart.addSeries(SeriesKind::Pie);
    pie->add(3);
    pie->setCircled(true);
    pie->setPercentFormat(QStringLiteral(" ##0.0%"));
    pie->setActive(false);
    chart.leftAxis()->setMinMax(-3, 7);
    chart.leftAxis()->setIncrement(2);
    chart.leftAxis()->setInverted(true);
    chart.leftAxis()->setTitle(QStringLiteral("Left"));
    chart.bottomAxis()->setLabelsAngle(90);
    chart.bottomAxis()->setEndPosition(99);
    chart.rightAxis()->setGridVisible(false);

    const QByteArray bytes = chart.saveToStream();
    QVERIFY(bytes.startsWith("{"));
    TChart copy;
    copy.loadFromStream(bytes);
    QCOMPARE(copy.saveToStream(), bytes);
    QCOMPARE(copy.title(), chart.title());
    QCOMPARE(copy.seriesCount(), 3);
    QCOMPARE(copy.series(0)->value(1), -2.25);
    QCOMPARE(copy.series(0)->point(1).color, QColor(1, 2, 3));
    QCOMPARE(copy.series(0)->valueAxis(), TChartSeries::ValueAxis::Right);
    QCOMPARE(copy.series(0)->marks().style, MarkStyle::LabelPercent);
    QVERIFY(copy.series(0)->marks().transparent);
    QCOMPARE(copy.series(1)->zValue(1), -6.0);
    QCOMPARE(copy.series(1)->xValue(1), -4.0);
    QCOMPARE(copy.series(1)->pointer().style, PointerStyle::Star);
    QCOMPARE(copy.series(1)->pointer().vertSize, 9);
    QVERIFY(copy.series(1)->baseLinesVisible());
    QVERIFY(!copy.series(2)->active());
    QCOMPARE(copy.series(2)->percentFormat(), QStringLiteral(" ##0.0%"));
    QCOMPARE(copy.leftAxis()->minimum(), -3.0);
    QCOMPARE(copy.leftAxis()->increment(), 2.0);
    QVERIFY(copy.leftAxis()->inverted());
    QCOMPARE(copy.bottomAxis()->labelsAngle(), 90);
    QCOMPARE(copy.bottomAxis()->endPosition(), 99.0);
    QCOMPARE(copy.rotation(), 123);
    QCOMPARE(copy.elevation(), -17);
    QVERIFY(copy.view3D());
    QVERIFY(!copy.walls());
    QCOMPARE(copy.legendPosition(), TChart::LegendPosition::Bottom);

    // Files hold the same bytes.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("c.kcx"));
    chart.saveToFile(file);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), bytes);
    TChart fromFile;
    fromFile.loadFromFile(file);
    QCOMPARE(fromFile.saveToStream(), bytes);
}

void TestChartEngine::malformedStreamGivesErrorAndEmptyChart()
{
    const QList<QByteArray> bad = {
        QByteArray(),
        QByteArray("   "),
        QByteArray("not a chart at all"),
        QByteArray("{\"format\":\"tessary-chart\",\"version\":1,\"series\":["),
        QByteArray("[1,2,3]"),
        QByteArray("{\"format\":\"tessary-grid\",\"version\":1}"),
        QByteArray("{\"format\":\"tessary-chart\",\"version\":99}"),
        QByteArray("{\"format\":\"tessary-chart\"}"),
        QByteArray("\x00\x01\x02\xff", 4),
    };
    for (const QByteArray &b : bad) {
        TChart chart;
        ChartTestUtil::oneBarSeries(chart, {1, 2}, {});
        chart.setTitle(QStringLiteral("before"));
        try {
            chart.loadFromStream(b);
            QFAIL(qPrintable(QStringLiteral("accepted: ") + QString::fromLatin1(b.toHex())));
        } catch (const TessaryError &e) {
            QVERIFY(!e.message().isEmpty());
        }
        // A valid empty chart is left, which draws and streams.
        QCOMPARE(chart.seriesCount(), 0);
        QVERIFY(chart.title().isEmpty());
        QVERIFY(!chart.toImage(QSize(200, 150)).isNull());
        TChart again;
        again.loadFromStream(chart.saveToStream());
        QCOMPARE(again.seriesCount(), 0);
    }
    TChart chart;
    QVERIFY_THROWS_EXCEPTION(TessaryError, chart.loadFromFile(QStringLiteral("/no/such/file.kcx")));
}

void TestChartEngine::streamLoadsWhatItCan()
{
    // Odd values fall back to defaults; short columns give what they hold.
    const QByteArray b = R"({"format":"tessary-chart","version":1,"title":7,
        "view":{"rotation":"x","elevation":1e300},
        "axes":{"left":{"automatic":false,"minimum":5,"maximum":1}},
        "series":[{"kind":"martian","y":[1,"two",3,null],"x":[0,1],"labels":["a"],
                   "colors":["#zzzzzz","#ff0000"],"pointer":{"width":-4}},
                  "garbage",
                  {"kind":"pie","y":[]}]})";
    TChart chart;
    chart.loadFromStream(b);
    QCOMPARE(chart.seriesCount(), 3);
    const TChartSeries *s = chart.series(0);
    QCOMPARE(s->kind(), SeriesKind::Bar);
    QCOMPARE(s->count(), 4);
    QVERIFY(std::isnan(s->value(1)));
    QCOMPARE(s->xValue(3), 3.0); // no x given: the index
    QCOMPARE(s->label(0), QStringLiteral("a"));
    QVERIFY(!s->point(0).color.isValid());
    QCOMPARE(s->point(1).color, QColor(255, 0, 0));
    QCOMPARE(s->pointer().horizSize, 1);
    QVERIFY(chart.leftAxis()->automatic()); // minimum above maximum: left automatic
    QCOMPARE(chart.series(1)->count(), 0);
    QVERIFY(!chart.toImage(QSize(300, 200)).isNull());
}

void TestChartEngine::barsStandWhereTheAxesSay()
{
    TChart chart;
    ChartTestUtil::oneBarSeries(chart, {10, 20, 40}, {"a", "b", "c"});
    chart.series(0)->setColor(QColor(0, 160, 0));
    chart.setWalls(false);
    chart.setLegendVisible(false);
    chart.leftAxis()->setMinMax(0, 50);
    const QImage img = chart.toImage(QSize(600, 400));
    const TChartAxis *bottom = chart.bottomAxis();
    const TChartAxis *left = chart.leftAxis();
    auto green = [](const QColor &c) { return c.green() > 100 && c.red() < 90 && c.blue() < 90; };
    const QList<double> values = {10, 20, 40};
    for (int i = 0; i < 3; ++i) {
        const int x = int(bottom->calcPosValue(i));
        int top = -1, bottomRow = -1;
        for (int y = 0; y < img.height(); ++y) {
            if (green(img.pixelColor(x, y))) {
                if (top < 0)
                    top = y;
                bottomRow = y;
            }
        }
        QVERIFY2(top >= 0, "no bar at its category");
        QVERIFY(std::abs(top - left->calcPosValue(values[i])) <= 2.0);
        QVERIFY(std::abs(bottomRow - left->calcPosValue(0)) <= 2.0);
        // Between the bars: no bar colour.
        const int gap = int(bottom->calcPosValue(i + 0.5));
        if (i < 2)
            QVERIFY(!green(img.pixelColor(gap, int(left->calcPosValue(5)))));
    }
    // The value axis maps as drawn: 0 at the bottom, 50 at the top of the plot.
    QVERIFY(std::abs(left->calcPosValue(0) - chart.plotRect().bottom()) <= 1.5);
    QVERIFY(std::abs(left->calcPosValue(50) - chart.plotRect().top()) <= 1.5);
    QVERIFY(std::abs(left->calcValue(left->calcPosValue(12.5)) - 12.5) < 1e-9);
}

void TestChartEngine::labelsNeverCrowd()
{
    // 300 categories on a narrow chart: fewer labels than categories, and the
    // drawn label boxes do not touch (checked through the tick stride rule on
    // the pixels: label ink lies in separated runs along the label row).
    TChart chart;
    QList<double> v;
    QStringList l;
    for (int i = 0; i < 300; ++i) {
        v << i % 17;
        l << QStringLiteral("Category %1").arg(i);
    }
    ChartTestUtil::oneBarSeries(chart, v, l);
    chart.setLegendVisible(false);
    const QImage img = chart.toImage(QSize(500, 300));
    const int plotBottom = chart.plotRect().bottom();
    // Rows just under the axis hold the labels (turned upright): count ink columns.
    int inkColumns = 0;
    for (int x = chart.plotRect().left(); x <= chart.plotRect().right(); ++x) {
        bool ink = false;
        for (int y = plotBottom + 8; y < qMin(img.height(), plotBottom + 40); ++y)
            ink = ink || img.pixelColor(x, y).lightness() < 140;
        inkColumns += ink;
    }
    QVERIFY(inkColumns > 10);
    QVERIFY(inkColumns < chart.plotRect().width() * 0.9);
}

void TestChartEngine::zoomAndUndoZoom()
{
    TChart chart;
    TChartSeries *s = chart.addSeries(SeriesKind::Point);
    for (int i = 0; i <= 100; ++i)
        s->addXY(i, i * 2);
    chart.resize(600, 400);
    chart.toImage(QSize(600, 400));
    const QRect plot = chart.plotRect();
    const double b0 = chart.bottomAxis()->minimum(), b1 = chart.bottomAxis()->maximum();
    chart.zoomToRect(QRect(plot.left(), plot.top(), plot.width() / 2, plot.height() / 2));
    QVERIFY(chart.isZoomed());
    QVERIFY(std::abs(chart.bottomAxis()->minimum() - b0) < (b1 - b0) * 0.01);
    QVERIFY(std::abs(chart.bottomAxis()->maximum() - (b0 + b1) / 2) < (b1 - b0) * 0.02);
    chart.toImage(QSize(600, 400));
    chart.zoomToRect(QRect(plot.left(), plot.top(), plot.width() / 2, plot.height() / 2));
    chart.undoZoom();
    QVERIFY(!chart.isZoomed());
    QVERIFY(chart.bottomAxis()->automatic());
    QCOMPARE(chart.bottomAxis()->minimum(), b0);
    QCOMPARE(chart.bottomAxis()->maximum(), b1);
    // A drag with zoom allowed zooms through the mouse.
    chart.setZoomAllowed(true);
    chart.show();
    QTest::mousePress(&chart, Qt::LeftButton, {}, plot.center());
    QTest::mouseMove(&chart, plot.bottomRight() - QPoint(5, 5));
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(plot.bottomRight() - QPoint(5, 5)),
                        QPointF(chart.mapToGlobal(plot.bottomRight() - QPoint(5, 5))),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&chart, &release);
    QVERIFY(chart.isZoomed());
    chart.undoZoom();
}

void TestChartEngine::cloudDrawsAndTurns()
{
    TChart chart;
    TChartSeries *s = chart.addSeries(SeriesKind::Point3D);
    s->setColor(QColor(220, 30, 30));
    for (int i = 0; i < 500; ++i)
        s->addXYZ(std::sin(i) * 5, std::cos(i * 0.7) * 5, (i % 20) - 10.0);
    QVERIFY(chart.isCloud());
    const QImage a = chart.toImage(QSize(500, 400));
    int reds = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            reds += ChartTestUtil::isRed(a.pixelColor(x, y)) ? 1 : 0;
    QVERIFY(reds > 300);
    chart.setRotation(chart.rotation() + 60);
    const QImage b = chart.toImage(QSize(500, 400));
    QVERIFY(a != b);
    // The depth axis has its own range from the points' z.
    QVERIFY(chart.depthAxis()->minimum() <= -10);
    QVERIFY(chart.depthAxis()->maximum() >= 9);
}

int runChartEngineTests(int argc, char **argv)
{
    TestChartEngine t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_chartengine.moc"
