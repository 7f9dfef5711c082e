// Number rules, defaults, geometry predicates, palettes and the gradient.
#include "wordcloud/TzqCloudEngine.h"
#include "wordcloud/TzqGradient.h"
#include "wordcloud/TzqMath.h"
#include "wordcloud/TzqMtRandom.h"
#include "wordcloud/TzqPalettes.h"
#include "wordcloud/TzqWord.h"
#include "wordcloud/TzqWordCloud.h"

#include <QtTest>

class TestBasics : public QObject
{
    Q_OBJECT

private slots:
    void roundingRules();
    void newControlDefaults();
    void newWordDefaults();
    void coverageSetter();
    void touchAndSharedEdges();
    void inCloudRectangle();
    void inCloudEllipseCornerRule();
    void cloudGeometry();
    void paletteTable();
    void paletteWrapsAround();
    void blend();
    void gradientEnds();
    void equalWeightsTakeEndColour();
};

void TestBasics::roundingRules()
{
    using namespace TzqMath;
    QCOMPARE(Round(2.5), 3);
    QCOMPARE(Round(2.4999), 2);
    QCOMPARE(Round(3.5), 4);
    QCOMPARE(Round(-2.5), -2); // negatives are truncated
    QCOMPARE(Round(-2.7), -2);
    QCOMPARE(Round(-0.5), 0);
    QCOMPARE(Ceil(5.5), 6);
    QCOMPARE(Ceil(-5.5), -5);
    QCOMPARE(Ceil(4.0), 4);
    QCOMPARE(Trunc(-3.9), -3);
    QCOMPARE(Trunc(3.9), 3);
    QCOMPARE(RoundHalfEven(0.5), 0);
    QCOMPARE(RoundHalfEven(1.5), 2);
    QCOMPARE(RoundHalfEven(2.5), 2);
    QCOMPARE(RoundHalfEven(2.51), 3);
    QCOMPARE(RoundHalfEven(-1.5), -2);
}

void TestBasics::newControlDefaults()
{
    TzqWordCloud cloud;
    QCOMPARE(cloud.AutoResizeCoverage(), true);
    QCOMPARE(cloud.BackgroundColor(), TColor(0xFFFFFF));
    QCOMPARE(cloud.CloudShape(), csRectangle);
    QCOMPARE(cloud.ContinueFromLastWord(), true);
    QCOMPARE(cloud.Coverage(), 60);
    QCOMPARE(cloud.CoverageFraction(), 0.6f);
    QCOMPARE(cloud.WorkingCoverage(), 0.6f);
    QCOMPARE(cloud.Direction(), wdAlternate);
    QCOMPARE(cloud.Font().family(), QStringLiteral("Arial"));
    QCOMPARE(cloud.Font().pointSize(), 10);
    QCOMPARE(cloud.Gradient().StartColor, TColor(0x808080));
    QCOMPARE(cloud.Gradient().MiddleColor, clNone);
    QCOMPARE(cloud.Gradient().EndColor, TColor(0));
    QCOMPARE(cloud.Margins().Left, 10);
    QCOMPARE(cloud.Margins().Top, 10);
    QCOMPARE(cloud.Margins().Right, 10);
    QCOMPARE(cloud.Margins().Bottom, 10);
    QCOMPARE(cloud.Palette(), cpExcel);
    QCOMPARE(cloud.ParentColor(), false);
    QCOMPARE(cloud.PlaceWordAtCenter(), true);
    QCOMPARE(cloud.Shadow(), true);
    QCOMPARE(cloud.UsePalette(), false);
    QCOMPARE(cloud.MaxWeight(), 0);
    QCOMPARE(cloud.MinWeight(), 2147483647);
    QCOMPARE(cloud.WordCount(), 0);
    QCOMPARE(cloud.HitWord(), nullptr);
    QCOMPARE(cloud.SpiralState().DirX, -99);
    QVERIFY(cloud.testAttribute(Qt::WA_OpaquePaintEvent));
    // Nothing to lay out.
    QCOMPARE(cloud.Generate(true), false);
}

void TestBasics::newWordDefaults()
{
    TzqWord w;
    QCOMPARE(w.ShadowOffset(), 1.0f);
    QCOMPARE(w.Raster().size(), QSize(1, 1));
    QCOMPARE(w.BackColor(), clWhite);
    QCOMPARE(w.Shadow(), true);
    QCOMPARE(w.AtCenter(), true);
    QCOMPARE(w.Placed(), false);
    QCOMPARE(w.Highlighted(), false);
}

void TestBasics::coverageSetter()
{
    TzqCloudEngine cloud;
    cloud.SetCoverage(0);
    QCOMPARE(cloud.CoverageFraction(), 0.01f);
    QCOMPARE(cloud.WorkingCoverage(), 0.01f);
    QCOMPARE(cloud.Coverage(), 1);
    cloud.SetCoverage(250);
    QCOMPARE(cloud.CoverageFraction(), 1.0f);
    QCOMPARE(cloud.Coverage(), 100);
    cloud.SetCoverage(45);
    QCOMPARE(cloud.CoverageFraction(), 0.45f);
    QCOMPARE(cloud.WorkingCoverage(), 0.45f);
    QCOMPARE(cloud.Coverage(), 45);

    // The same value changes nothing, not even a lowered working coverage.
    cloud.SetControlSize(QSize(60, 40));
    for (int i = 0; i < 40; ++i)
        cloud.AddWord(QStringLiteral("word%1").arg(i), 10);
    cloud.SetAutoResizeCoverage(false);
    cloud.Generate(true);
    cloud.SetAutoResizeCoverage(true);
    cloud.SetCoverageFraction(0.45f);
    QCOMPARE(cloud.WorkingCoverage(), 0.45f);
    cloud.SetCoverage(45);
    QCOMPARE(cloud.WorkingCoverage(), 0.45f);
}

void TestBasics::touchAndSharedEdges()
{
    const TzqRect a(0, 0, 10, 10);
    QVERIFY(TzqCloudEngine::Touch(a, TzqRect(10, 0, 20, 10)));  // shared vertical edge
    QVERIFY(TzqCloudEngine::Touch(a, TzqRect(0, 10, 10, 20)));  // shared horizontal edge
    QVERIFY(TzqCloudEngine::Touch(a, TzqRect(10, 10, 20, 20))); // shared corner
    QVERIFY(TzqCloudEngine::Touch(a, TzqRect(2, 2, 5, 5)));     // inside
    QVERIFY(!TzqCloudEngine::Touch(a, TzqRect(11, 0, 20, 10)));
    QVERIFY(!TzqCloudEngine::Touch(a, TzqRect(0, 11, 10, 20)));
    QVERIFY(!TzqCloudEngine::Touch(a, TzqRect(-10, -10, -1, 5)));
}

void TestBasics::inCloudRectangle()
{
    TzqCloudEngine cloud;
    cloud.SetControlSize(QSize(120, 100));
    QCOMPARE(cloud.GetCloudRect(), TzqRect(10, 10, 110, 90));
    QVERIFY(cloud.InCloud(TzqRect(10, 10, 110, 90))); // touching the edges from inside
    QVERIFY(cloud.InCloud(TzqRect(50, 50, 60, 60)));
    QVERIFY(!cloud.InCloud(TzqRect(9, 10, 50, 50)));
    QVERIFY(!cloud.InCloud(TzqRect(10, 10, 111, 50)));
    QVERIFY(!cloud.InCloud(TzqRect(10, 9, 50, 50)));
    QVERIFY(!cloud.InCloud(TzqRect(10, 10, 50, 91)));
}

void TestBasics::inCloudEllipseCornerRule()
{
    TzqCloudEngine cloud;
    cloud.SetCloudShape(csEllipse);
    cloud.SetControlSize(
        QSize(220, 120)); // cloud (10,10)-(210,110): rx 100, ry 50, centre (110,60)
    cloud.GetCloudRect();
    auto inside = [](double x, double y) {
        const double u = (x - 110) / 100.0, v = (y - 60) / 50.0;
        return u * u + v * v <= 1.0;
    };
    // Top-left and bottom-right corners inside, top-right outside: accepted.
    QVERIFY(inside(110, 12) && inside(205, 60) && !inside(205, 12));
    QVERIFY(cloud.InCloud(TzqRect(110, 12, 205, 60)));
    // Bottom-left outside: accepted as well.
    QVERIFY(inside(15, 60) && inside(110, 108) && !inside(15, 108));
    QVERIFY(cloud.InCloud(TzqRect(15, 60, 110, 108)));
    // Bottom-right just outside: refused.
    QVERIFY(!inside(210, 70));
    QVERIFY(!cloud.InCloud(TzqRect(110, 12, 210, 70)));
    // A box lying along the other diagonal: top-left outside.
    QVERIFY(!cloud.InCloud(TzqRect(15, 15, 110, 60)));
    // The corners of the cloud rectangle are outside the ellipse.
    QVERIFY(!cloud.InCloud(TzqRect(10, 10, 20, 20)));
    // Same box, rectangle shape: accepted.
    cloud.SetCloudShape(csRectangle);
    QVERIFY(cloud.InCloud(TzqRect(10, 10, 20, 20)));
}

void TestBasics::cloudGeometry()
{
    TzqCloudEngine cloud;
    cloud.SetControlSize(QSize(800, 600));
    QCOMPARE(cloud.CloudWidth(), 780);
    QCOMPARE(cloud.CloudHeight(), 580);
    QCOMPARE(cloud.CloudArea(), qint64(780) * 580);
    cloud.UpdateSteps();
    QCOMPARE(cloud.StepX(), 5); // Round(5.2)
    QCOMPARE(cloud.StepY(), 4); // Round(3.87)
    cloud.SetCloudShape(csEllipse);
    QCOMPARE(cloud.CloudArea(), TzqMath::Round(290.0 * (390.0 * 3.14159265358979323846)));

    cloud.SetControlSize(QSize(15, 12));
    QCOMPARE(cloud.CloudWidth(), 0);
    QCOMPARE(cloud.CloudHeight(), 0);
    QCOMPARE(cloud.GetCloudRect(), TzqRect(10, 10, 5, 2));
    cloud.UpdateSteps();
    QCOMPARE(cloud.StepX(), 1);
    QCOMPARE(cloud.StepY(), 1);
    cloud.AddWord(QStringLiteral("word"), 5);
    QCOMPARE(cloud.Generate(true), false);
}

void TestBasics::paletteTable()
{
    const int counts[TzqPaletteCount] = {22, 11, 14, 8, 12, 9,  14, 25, 13, 16, 15,
                                         15, 12, 8,  8, 4,  10, 12, 15, 12, 12};
    for (int p = 0; p < TzqPaletteCount; ++p)
        QCOMPARE(TzqPalettes::Colors(TzqColorPalette(p)).size(), counts[p]);
    QCOMPARE(TzqPalettes::Colors(cpExcel).first(), TColor(0xFF9999));
    QCOMPARE(TzqPalettes::Colors(cpSeawash).last(), TColor(0xC3F5FF));
    QCOMPARE(TzqPalettes::Colors(cpRainbow).at(10), TColor(0x11E7C3));
}

void TestBasics::paletteWrapsAround()
{
    TzqCloudEngine cloud;
    cloud.SetUsePalette(true);
    cloud.SetPalette(cpOnBlack);
    for (int i = 0; i < 30; ++i)
        cloud.AddWord(QStringLiteral("w%1").arg(i), 30 - i);
    cloud.AssignColors();
    const TzqArrayOfColor colors = TzqPalettes::Colors(cpOnBlack);
    QCOMPARE(cloud.Word(0)->TextColor(), TColor(0x5AE6C8));
    QCOMPARE(cloud.Word(4)->TextColor(), TColor(0x5AE6C8)); // word 4 starts again
    for (int i = 0; i < 30; ++i)
        QCOMPARE(cloud.Word(i)->TextColor(), colors.at(i % 4));
    cloud.SetBackgroundColor(0x123456);
    cloud.AssignColors();
    QCOMPARE(cloud.Word(29)->BackColor(), TColor(0x123456));
}

void TestBasics::blend()
{
    QCOMPARE(TzqGradient::Blend(0x808080, 0x000000, 1), TColor(0x7F7F7F));
    QCOMPARE(TzqGradient::Blend(0x808080, 0x000000, 100), TColor(0x000000));
    QCOMPARE(TzqGradient::Blend(0x808080, 0x000000, 0), TColor(0x808080));
    // Channels separately: red 255 -> 0 at 50 % is 127.5, rounded up.
    QCOMPARE(TzqGradient::Blend(0x0000FF, 0xFF0000, 50), TColor(0x800080));
    QCOMPARE(TzqGradient::Blend(0x000010, 0x000020, 25), TColor(0x000014));
}

void TestBasics::gradientEnds()
{
    TzqGradient g;
    g.BuildTable();
    QCOMPARE(g.Entry(100), TColor(0x000000));
    QCOMPARE(g.Entry(1), TColor(0x7F7F7F));
    QCOMPARE(g.Entry(0), g.Entry(1));
    QCOMPARE(g.Entry(250), g.Entry(100));

    TzqGradient three;
    three.StartColor = 0x0000FF;
    three.MiddleColor = 0xFF0000;
    three.EndColor = 0x00FF00;
    three.BuildTable();
    QCOMPARE(three.Entry(50), TColor(0xFF0000));
    QCOMPARE(three.Entry(100), TColor(0x00FF00));
    QCOMPARE(three.Entry(1), TzqGradient::Blend(0x0000FF, 0xFF0000, 2));
    QCOMPARE(three.Entry(51), TzqGradient::Blend(0xFF0000, 0x00FF00, 2));

    // Words: the heaviest takes the end colour, the lightest almost the start.
    TzqCloudEngine cloud;
    cloud.SetControlSize(QSize(400, 300));
    cloud.SetRandom(std::make_unique<TzqMtRandom>(5));
    cloud.AddWord(QStringLiteral("heavy"), 90);
    cloud.AddWord(QStringLiteral("middle"), 50);
    cloud.AddWord(QStringLiteral("light"), 10);
    QVERIFY(cloud.Generate(true));
    cloud.AssignColors();
    QCOMPARE(cloud.Word(0)->TextColor(), TColor(0x000000));
    QCOMPARE(cloud.Word(2)->TextColor(), TzqGradient::Blend(0x808080, 0x000000, 1));
    QCOMPARE(cloud.Word(1)->TextColor(), TzqGradient::Blend(0x808080, 0x000000, 50));
}

void TestBasics::equalWeightsTakeEndColour()
{
    TzqCloudEngine cloud;
    TzqGradient g;
    g.StartColor = 0x112233;
    g.EndColor = 0x445566;
    cloud.SetGradient(g);
    for (int i = 0; i < 5; ++i)
        cloud.AddWord(QStringLiteral("same%1").arg(i), 7);
    cloud.SetMaxWeight(7);
    cloud.SetMinWeight(7);
    cloud.AssignColors();
    for (int i = 0; i < 5; ++i)
        QCOMPARE(cloud.Word(i)->TextColor(), TColor(0x445566));
}

int runTestBasics(int argc, char **argv)
{
    TestBasics test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_basics.moc"
