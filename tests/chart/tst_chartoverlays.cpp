// The editor's drawing on top of the chart (fitted curve, zero axes) and the
// moving view (rotation by dragging, the swinging animation).
#include "ChartTestUtil.h"

#include "editors/chart/FittedCurve.h"
#include "editors/chart/TChartEditor.h"
#include "platform/chart/TChart.h"
#include "store/PageState.h"

#include <QAction>
#include <QTimer>
#include <QtTest>
#include <cmath>

namespace {
QString modelInfo(const QStringList &coefficients, int type)
{
    const QChar rs(30);
    QString d = QStringLiteral("12");
    for (const QString &c : coefficients)
        d += rs + c;
    d += rs + QString::number(type);
    return QStringLiteral("S\tY\tA scatter\t") + d;
}

// A scatter over x in [-10, 50] whose points lie away from the model.
void scatter(TChart &c)
{
    c.clearChart();
    TChartSeries *s = c.addSeries(SeriesKind::Point);
    s->setColor(QColor(120, 120, 120));
    for (int x = -10; x <= 50; x += 5)
        s->addXY(x, 40 - x * 0.3);
    c.bottomAxis()->setMinMax(-10, 50);
    c.leftAxis()->setMinMax(-5, 45);
    c.setLegendVisible(false);
}
} // namespace

class TestChartOverlays : public QObject
{
    Q_OBJECT

private slots:
    void fittedModels();
    void fittedCurveIsDrawnAlongTheModel();
    void zeroAxesOfTwoScatters();
    void fullWidthDragAddsOneHundredDegrees();
    void swingingAnimation();
};

void TestChartOverlays::fittedModels()
{
    FittedCurve f;
    QVERIFY(!FittedCurve::parse(QStringLiteral("11\t1\t2\t0\t0\t0\t0\t0"), &f));
    QVERIFY(FittedCurve::parse(QStringLiteral("12\t1\t2\t0\t0\t0\t0\t0"), &f));
    QCOMPARE(f.type, 0);
    std::vector<QPointF> s = f.samples(0, 10);
    QCOMPARE(int(s.size()), 101);
    QCOMPARE(s[0], QPointF(0, 1));
    QCOMPARE(s[50].x(), 5.0);
    QCOMPARE(s[50].y(), 11.0);
    QCOMPARE(s[100].x(), 10.0);

    // Polynomials: degree type + 1, with the sign rule for odd powers.
    QCOMPARE(FittedCurve::power(-2, 3), -8.0);
    QCOMPARE(FittedCurve::power(-2, 2), 4.0);
    QCOMPARE(FittedCurve::power(0, 5), 0.0);
    FittedCurve::parse(QStringLiteral("12\t1\t1\t1\t1\t0\t0\t2"), &f);
    QVERIFY(std::abs(f.value(-2) - (1 - 2 + 4 - 8)) < 1e-9);
    FittedCurve::parse(QStringLiteral("12\t0\t0\t0\t0\t0\t1\t4"), &f);
    QVERIFY(std::abs(f.value(2) - 32) < 1e-9);
    // Inverse: c0 at exactly 0.
    FittedCurve::parse(QStringLiteral("12\t3\t4\t0\t0\t0\t0\t5"), &f);
    QCOMPARE(f.value(0), 3.0);
    QCOMPARE(f.value(2), 5.0);
    // Logarithmic: flat at c0 where x <= 0.
    FittedCurve::parse(QStringLiteral("12\t4\t6.5\t0\t0\t0\t0\t6"), &f);
    QCOMPARE(f.value(-3), 4.0);
    QCOMPARE(f.value(0), 4.0);
    QVERIFY(std::abs(f.value(std::exp(1.0)) - 10.5) < 1e-9);
    s = f.samples(-10, 10);
    QCOMPARE(int(s.size()), 101);
    for (const QPointF &p : s)
        if (p.x() <= 0)
            QCOMPARE(p.y(), 4.0);
    // Exponential.
    FittedCurve::parse(QStringLiteral("12\t2\t0.5\t0\t0\t0\t0\t7"), &f);
    QVERIFY(std::abs(f.value(2) - 2 * std::exp(1.0)) < 1e-9);
    // Unknown types draw nothing.
    FittedCurve::parse(QStringLiteral("12\t2\t0.5\t0\t0\t0\t0\t9"), &f);
    QVERIFY(f.samples(0, 1).empty());
    QCOMPARE(f.value(1), FittedCurve::kNoPoint);

    // Coefficients in the user's locale, or with a point.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    FittedCurve::parse(QStringLiteral("12\t1,5\t2.25\t0\t0\t0\t0\t0"), &f);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(f.c[0], 1.5);
    QCOMPARE(f.c[1], 2.25);

    // The descriptor inside a page information string.
    const QString info = modelInfo({"1", "2", "0", "0", "0", "0"}, 0);
    QCOMPARE(FittedCurve::descriptorOf(info), QStringLiteral("12\t1\t2\t0\t0\t0\t0\t0"));
    QVERIFY(FittedCurve::descriptorOf(QStringLiteral("T\tY\tA\t12")).isEmpty());
}

void TestChartOverlays::fittedCurveIsDrawnAlongTheModel()
{
    TChartEditor ed;
    TChart c;
    scatter(c);
    // Logarithmic model: y = 4 + 6.5 ln x, flat at 4 for x <= 0.
    ed.loadContent(c.saveToStream(), modelInfo({"4", "6.5", "0", "0", "0", "0"}, 6));
    const QImage img = ed.renderImage(QSize(700, 450));
    const TChart *v = ed.ChartView();
    int found = 0, checked = 0;
    for (double x : {-8.0, -4.0, -1.0, 2.0, 5.0, 12.0, 25.0, 40.0, 48.0}) {
        const double y = x > 0 ? 4 + 6.5 * std::log(x) : 4;
        const double px = v->bottomAxis()->calcPosValue(x);
        const double py = v->leftAxis()->calcPosValue(y);
        ++checked;
        if (ChartTestUtil::pixelNear(img, px, py, 2, ChartTestUtil::isPureBlue))
            ++found;
        // Away from the curve (10 units above) there is no curve colour.
        const double far = v->leftAxis()->calcPosValue(y + 10);
        QVERIFY(!ChartTestUtil::pixelNear(img, px, far, 1, ChartTestUtil::isPureBlue));
    }
    QCOMPARE(found, checked);
    // The curve stays inside the plot.
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (ChartTestUtil::isPureBlue(img.pixelColor(x, y)))
                QVERIFY(v->plotRect().adjusted(-1, -1, 2, 2).contains(x, y));

    // No "S" in field 1, or no "12": no curve.
    ed.loadContent(c.saveToStream(),
                   QStringLiteral("T\tY\tA\t") + modelInfo({"4", "6.5"}, 6).section('\t', 3));
    QImage plain = ed.renderImage(QSize(700, 450));
    int blue = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            blue += ChartTestUtil::isPureBlue(plain.pixelColor(x, y));
    QCOMPARE(blue, 0);
}

void TestChartOverlays::zeroAxesOfTwoScatters()
{
    TChartEditor ed;
    TChart c;
    scatter(c);
    TChartSeries *second = c.addSeries(SeriesKind::Point);
    second->setColor(QColor(90, 90, 90));
    second->addXY(20, 20);
    ed.loadContent(c.saveToStream(), QString());
    QImage img = ed.renderImage(QSize(600, 400));
    const TChart *v = ed.ChartView();
    const double x0 = v->bottomAxis()->calcPosValue(0);
    const double y0 = v->leftAxis()->calcPosValue(0);
    const QRect plot = v->plotRect();
    for (int y = plot.top() + 5; y < plot.bottom() - 5; y += 23)
        QVERIFY(ChartTestUtil::pixelNear(img, x0, y, 1, ChartTestUtil::isRed));
    for (int x = plot.left() + 5; x < plot.right() - 5; x += 31)
        QVERIFY(ChartTestUtil::pixelNear(img, x, y0, 1, ChartTestUtil::isRed));
    // One scatter only: no red axes.
    c.removeSeries(1);
    ed.loadContent(c.saveToStream(), QString());
    img = ed.renderImage(QSize(600, 400));
    v = ed.ChartView();
    QVERIFY(!ChartTestUtil::pixelNear(img, v->bottomAxis()->calcPosValue(0), plot.center().y(), 1,
                                      ChartTestUtil::isRed));
}

void TestChartOverlays::fullWidthDragAddsOneHundredDegrees()
{
    TChartEditor ed;
    ed.resize(640, 480);
    ed.show();
    TChart c;
    c.addSeries(SeriesKind::Point3D)->addXYZ(1, 2, 3);
    c.setRotation(10);
    c.setElevation(20);
    ed.loadContent(c.saveToStream(), QString());
    TChart *v = ed.ChartView();
    const int w = v->width(), h = v->height();
    QVERIFY(w > 100);
    ed.button(ChartActions::RotationBtn)->setChecked(true);
    ed.RotateBtnClick();
    PageModified = false;
    // Real mouse events on the chart reach the editor's handlers.
    auto send = [v](QEvent::Type type, QPoint at, Qt::MouseButton b, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), QPointF(v->mapToGlobal(at)), b, held, Qt::NoModifier);
        QApplication::sendEvent(v, &e);
    };
    send(QEvent::MouseButtonPress, QPoint(0, h / 2), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(ed.RotateDragging);
    send(QEvent::MouseMove, QPoint(w, h / 2), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(v->rotation(), 110);
    QCOMPARE(v->elevation(), 20);
    send(QEvent::MouseButtonRelease, QPoint(w, h / 2), Qt::LeftButton, Qt::NoButton);
    QVERIFY(!ed.RotateDragging);
    QVERIFY(PageModified);
    QCOMPARE(v->rotation(), 110);
    // Dragging up a quarter of the height raises the elevation by 25.
    ed.ChartViewMouseDown(Qt::LeftButton, QPoint(10, h));
    ed.ChartViewMouseMove(QPoint(10, h - h / 4));
    QVERIFY(std::abs(v->elevation() - 45) <= 1);
    ed.ChartViewMouseUp(Qt::LeftButton, QPoint(10, h - h / 4));
    // Without rotation mode, drags do nothing.
    ed.button(ChartActions::RotationBtn)->setChecked(false);
    ed.RotateBtnClick();
    const int before = v->rotation();
    ed.ChartViewMouseDown(Qt::LeftButton, QPoint(0, 0));
    ed.ChartViewMouseMove(QPoint(w, 0));
    QCOMPARE(v->rotation(), before);
    // Halves round to even: 0.5 % of the width gives 0, 1.5 % gives 2.
    ed.button(ChartActions::RotationBtn)->setChecked(true);
    ed.RotateBtnClick();
    v->resize(200, 100);
    const int base = v->rotation();
    ed.ChartViewMouseDown(Qt::LeftButton, QPoint(0, 0));
    ed.ChartViewMouseMove(QPoint(1, 0));
    QCOMPARE(v->rotation(), base);
    ed.ChartViewMouseMove(QPoint(3, 0));
    QCOMPARE(v->rotation(), base + 2);
    ed.ChartViewMouseUp(Qt::LeftButton, QPoint(3, 0));
    ed.RotateMode = false;
}

void TestChartOverlays::swingingAnimation()
{
    TChartEditor ed;
    ed.setCoin([] { return true; });
    TChart c;
    c.addSeries(SeriesKind::Point3D)->addXYZ(1, 2, 3);
    c.setRotation(100);
    c.setElevation(30);
    ed.loadContent(c.saveToStream(), QString());
    TChart *v = ed.ChartView();
    QAction *animate = ed.button(ChartActions::AnimateBtn);
    QVERIFY(animate->isVisible());
    animate->setChecked(true);
    PageModified = false;
    ed.AnimateClick();
    QVERIFY(ed.Timer1()->isActive());
    QCOMPARE(ed.Timer1()->interval(), 100);
    QCOMPARE(ed.animationLimit(), 13);
    // Both offsets start downwards; the rotation's first swing stops at 13.
    for (int i = 0; i < 13; ++i)
        ed.Timer1Timer();
    QCOMPARE(ed.animationA(), -13);
    QCOMPARE(v->rotation(), 87);
    QCOMPARE(v->elevation(), 17);
    ed.Timer1Timer();
    QCOMPARE(ed.animationA(), -12);
    QCOMPARE(ed.animationLimit(), 25);
    QCOMPARE(ed.animationB(), -14);
    for (int i = 0; i < 11; ++i)
        ed.Timer1Timer();
    QCOMPARE(ed.animationB(), -25);
    QCOMPARE(ed.animationA(), -1);
    ed.Timer1Timer(); // A reaches 0: the coin says up; B turns at 25
    QCOMPARE(ed.animationA(), 0);
    QCOMPARE(ed.animationB(), -24);
    ed.Timer1Timer();
    QCOMPARE(ed.animationA(), 1);
    // The view never leaves 25 degrees around where it started.
    for (int i = 0; i < 300; ++i) {
        ed.Timer1Timer();
        QVERIFY(std::abs(v->rotation() - 100) <= 25);
        QVERIFY(std::abs(v->elevation() - 30) <= 25);
    }
    QVERIFY(!PageModified);
    // A drag pauses it.
    ed.RotateDragging = true;
    const int r = v->rotation();
    ed.Timer1Timer();
    QCOMPARE(v->rotation(), r);
    ed.RotateDragging = false;
    animate->setChecked(false);
    ed.AnimateClick();
    QVERIFY(!ed.Timer1()->isActive());
    // A chart of another kind hides the button and stops the timer.
    animate->setChecked(true);
    ed.AnimateClick();
    TChart bars;
    ChartTestUtil::oneBarSeries(bars, {1}, {});
    ed.loadContent(bars.saveToStream(), QString());
    QVERIFY(!animate->isVisible());
    QVERIFY(!ed.Timer1()->isActive());
}

int runChartOverlayTests(int argc, char **argv)
{
    TestChartOverlays t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_chartoverlays.moc"
