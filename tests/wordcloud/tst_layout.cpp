// The layout: sizing, the spiral, collisions, coverage retries and fitting.
#include "TestWords.h"

#include "wordcloud/TzqCloudEngine.h"
#include "wordcloud/TzqMath.h"
#include "wordcloud/TzqMtRandom.h"
#include "wordcloud/TzqWord.h"

#include <QtTest>
#include <random>

namespace {

QStringList g_log;
QtMessageHandler g_previous = nullptr;

void captureLog(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (context.category && QByteArray(context.category) == "tessary.wordcloud")
        g_log.append(message);
    else if (g_previous)
        g_previous(type, context, message);
}

ScriptedRandom *useScripted(TzqCloudEngine &cloud, quint32 seed = 1)
{
    auto random = std::make_unique<ScriptedRandom>(seed);
    ScriptedRandom *raw = random.get();
    cloud.SetRandom(std::move(random));
    return raw;
}

// Every placed box inside the cloud and no two placed boxes touching.
void checkArrangement(TzqCloudEngine &cloud)
{
    QVector<TzqRect> boxes;
    for (int i = 0; i < cloud.WordCount(); ++i) {
        const TzqWord *w = cloud.Word(i);
        if (!w->Placed())
            continue;
        QVERIFY2(cloud.InCloud(w->Bounds()), qPrintable(w->Text()));
        boxes.append(w->Bounds());
    }
    QCOMPARE(boxes.size(), cloud.PlacedCount());
    for (int i = 0; i < boxes.size(); ++i)
        for (int j = i + 1; j < boxes.size(); ++j)
            QVERIFY2(!TzqCloudEngine::Touch(boxes[i], boxes[j]),
                     qPrintable(QStringLiteral("boxes %1 and %2 touch").arg(i).arg(j)));
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { g_log.clear(); }

    void fontSizeKeepsCentre();
    void buildOutlineGrowsBox();
    void findFontSizeHalves();
    void singleWordCentredInside();
    void weightCap();
    void weightsUpTo1024Unchanged();
    void equalWeightsEqualSizes();
    void spiralLegs();
    void anticlockwiseIsReversedClockwise();
    void continueRuleUsesPreviousWord();
    void coverageRetrySequence();
    void coverageRetryStopsAtZero();
    void noRetryWithoutAutoResize();
    void progressCancels();
    void arrangementsValid_data();
    void arrangementsValid();
    void fastWalkEqualsListWalk();
    void fitToAreaHalfWidth();
};

void TestLayout::initTestCase()
{
    // Coverage retries are debug messages, off unless turned on.
    QLoggingCategory::setFilterRules(QStringLiteral("tessary.wordcloud.debug=true"));
    g_previous = qInstallMessageHandler(captureLog);
}

void TestLayout::cleanupTestCase()
{
    qInstallMessageHandler(g_previous);
    QLoggingCategory::setFilterRules(QString());
}

void TestLayout::fontSizeKeepsCentre()
{
    TzqWord w(QStringLiteral("Centre"), 20);
    w.SetWeight(20);
    const TzqRect first = w.StartingBounds();
    QCOMPARE(first.Left, 0);
    QCOMPARE(first.Top, 0);
    const QSize e20 = w.TextExtent(20);
    QCOMPARE(first.Width(), e20.width() + 1); // Ceil(0.4)
    QCOMPARE(first.Height(), int(TzqMath::Round(e20.height() * 0.75)) + 1);
    QCOMPARE(w.ShadowOffset(), 0.4f);
    QCOMPARE(w.Bounds(), first);
    QCOMPARE(w.TextRect(), QRectF(0, 0, first.Width(), first.Height()));

    w.SetBounds(TzqRect(100, 100, 100 + first.Width(), 100 + first.Height()));
    w.SetFontSize(60);
    const QSize e60 = w.TextExtent(60);
    const int nw = e60.width() + 2; // Ceil(1.2)
    const int nh = int(TzqMath::Round(e60.height() * 0.75)) + 2;
    const int dx = int(TzqMath::Round((nw - first.Width()) / 2.0));
    const int dy = int(TzqMath::Round((nh - first.Height()) / 2.0));
    QCOMPARE(w.StartingBounds(),
             TzqRect(100 - dx, 100 - dy, 100 + first.Width() + dx, 100 + first.Height() + dy));
    QCOMPARE(w.FontSize(), 60);
    QCOMPARE(w.Font().pointSize(), 60);
}

void TestLayout::buildOutlineGrowsBox()
{
    TzqWord w(QStringLiteral("Glyph"), 40);
    w.SetWeight(40);
    const TzqRect before = w.StartingBounds();
    w.BuildOutline();
    QVERIFY(!w.Outline().isEmpty());
    const TzqRect after = w.StartingBounds();
    QCOMPARE(after.Left, before.Left);
    QCOMPARE(after.Top, before.Top);
    QVERIFY(after.Right >= before.Right + 1); // Ceil(0.8)
    QVERIFY(after.Bottom >= before.Bottom + 1);
    // The drawn outline starts one pixel in; the shadow sits off >= 1 pixel.
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (const QPolygonF &p : w.DrawOutline()) {
        const QRectF b = p.boundingRect();
        minX = qMin(minX, b.left());
        minY = qMin(minY, b.top());
        maxX = qMax(maxX, b.right());
        maxY = qMax(maxY, b.bottom());
    }
    QCOMPARE(minX, 1.0);
    QCOMPARE(minY, 1.0);
    QVERIFY(maxX + 1 <= after.Width());
    QVERIFY(maxY + 1 <= after.Height());
    const QPointF shift = w.ShadowOutline().first().first() - w.DrawOutline().first().first();
    QCOMPARE(shift, QPointF(1, 1)); // RoundHalfEven(0.8) = 1
    // Scaling: offsets follow the scale, at least 1.
    TzqWord big(QStringLiteral("Big"), 300);
    big.SetWeight(300); // shadow offset 6
    big.BuildOutline();
    big.ScaleOutline(0.25); // 1.5 rounds to 2
    QCOMPARE(big.ShadowOutline().first().first() - big.DrawOutline().first().first(),
             QPointF(2, 2));
    big.ScaleOutline(0.75); // 4.5 rounds to 4
    QCOMPARE(big.ShadowOutline().first().first() - big.DrawOutline().first().first(),
             QPointF(4, 4));
}

void TestLayout::findFontSizeHalves()
{
    TzqCloudEngine cloud;
    TzqWord w(QStringLiteral("halving"), 10);
    w.SetWeight(10);
    w.SetFontSize(37);
    const qint64 desired = w.StartingBounds().Area();
    w.SetFontSize(5);
    const int found = cloud.FindFontSize(w, desired, 512, 0, 1024);
    w.SetFontSize(found);
    QCOMPARE(w.StartingBounds().Area(), desired);
    QCOMPARE(cloud.FindFontSize(w, 0, 512, 0, 1024), 1);
    QCOMPARE(cloud.FindFontSize(w, desired, 1, 0, 1024), 1);
    QCOMPARE(cloud.FindFontSize(w, desired, 20, 20, 40), 20);
}

void TestLayout::singleWordCentredInside()
{
    TzqCloudEngine cloud;
    useScripted(cloud);
    cloud.SetControlSize(QSize(400, 300));
    cloud.SetCoverage(100);
    cloud.AddWord(QStringLiteral("Cloud"), 50);
    QVERIFY(cloud.Generate(true));
    QCOMPARE(cloud.PlacedCount(), 1);
    const TzqWord *w = cloud.Word(0);
    QVERIFY(w->Placed());
    const TzqRect b = w->Bounds();
    const TzqRect c = cloud.CloudRect();
    QVERIFY(cloud.InCloud(b));
    // Centred: the same gap on both sides, to a pixel.
    QVERIFY(qAbs((b.Left - c.Left) - (c.Right - b.Right)) <= 1);
    QVERIFY(qAbs((b.Top - c.Top) - (c.Bottom - b.Bottom)) <= 1);
    // The font size is the largest whose measured box is 10 pixels smaller
    // than the cloud in both directions.
    TzqWord probe(QStringLiteral("Cloud"), 1);
    probe.SetFont(cloud.Font());
    probe.SetFontSize(w->FontSize());
    QVERIFY(probe.StartingBounds().Width() + 10 <= cloud.CloudWidth());
    QVERIFY(probe.StartingBounds().Height() + 10 <= cloud.CloudHeight());
    probe.SetFontSize(w->FontSize() + 1);
    QVERIFY(probe.StartingBounds().Width() + 10 > cloud.CloudWidth() ||
            probe.StartingBounds().Height() + 10 > cloud.CloudHeight());
    // Starts where the cloud rectangle's centre is.
    const int cx = int(TzqMath::Round((c.Right - c.Left) / 2.0)) + c.Left;
    const int cy = int(TzqMath::Round((c.Bottom - c.Top) / 2.0)) + c.Top;
    QCOMPARE(b.Left, cx - b.Width() / 2);
    QCOMPARE(b.Top, cy - b.Height() / 2);
}

void TestLayout::weightCap()
{
    TzqCloudEngine cloud;
    useScripted(cloud);
    cloud.SetControlSize(QSize(800, 600));
    cloud.AddWord(QStringLiteral("light"), 11);
    cloud.AddWord(QStringLiteral("heavy"), 2048);
    cloud.AddWord(QStringLiteral("middle"), 1001);
    cloud.Generate(true);
    QCOMPARE(cloud.Word(0)->Text(), QStringLiteral("heavy"));
    QCOMPARE(cloud.Word(0)->Weight(), 1024);
    QCOMPARE(cloud.Word(1)->Weight(), 501); // Ceil(500.5)
    QCOMPARE(cloud.Word(2)->Weight(), 6);   // Ceil(5.5)
    QCOMPARE(cloud.MaxWeight(), 1024);
    QCOMPARE(cloud.MinWeight(), 6);
}

void TestLayout::weightsUpTo1024Unchanged()
{
    TzqCloudEngine cloud;
    useScripted(cloud);
    cloud.SetControlSize(QSize(800, 600));
    cloud.AddWord(QStringLiteral("top"), 1024);
    cloud.AddWord(QStringLiteral("low"), 7);
    cloud.Generate(true);
    QCOMPARE(cloud.Word(0)->Weight(), 1024);
    QCOMPARE(cloud.Word(1)->Weight(), 7);
}

void TestLayout::equalWeightsEqualSizes()
{
    TzqCloudEngine cloud;
    useScripted(cloud);
    cloud.SetControlSize(QSize(600, 400));
    cloud.AddWord(QStringLiteral("anchor"), 100);
    cloud.AddWord(QStringLiteral("same"), 40);
    cloud.AddWord(QStringLiteral("same"), 40);
    QVERIFY(cloud.Generate(true));
    QCOMPARE(cloud.Word(1)->FontSize(), cloud.Word(2)->FontSize());
}

// Walks of a box that never fits: every position is tested and the walk ends
// after CloudArea moves. With a 3 x 2 cloud and steps of 1 the six moves
// are right, down, left, left, up, up when starting to the right.
void TestLayout::spiralLegs()
{
    for (auto test :
         {TzqCloudEngine::CollisionTest::BoxList, TzqCloudEngine::CollisionTest::Occupancy}) {
        TzqCloudEngine cloud;
        cloud.SetCollisionTest(test);
        ScriptedRandom *random = useScripted(cloud);
        cloud.SetControlSize(QSize(23, 22));
        cloud.GetCloudRect();
        cloud.UpdateSteps();
        QCOMPARE(cloud.CloudArea(), 6);
        TzqPlacedSet placed;
        placed.Reset(cloud.CloudRect());

        TzqWord w(QStringLiteral("big"), 1);
        w.SetBounds(TzqRect(100, 100, 200, 200));
        random->queue({0});
        QVERIFY(!cloud.PlaceWord(w, placed, false, true));
        QCOMPARE(w.StartingBounds(), TzqRect(99, 99, 199, 199));
        QCOMPARE(cloud.SpiralState(), (TzqSpiralState{3, 0, 1, 0}));

        // Starting downwards the legs are 1, 2, 2, 3.
        w.SetBounds(TzqRect(100, 100, 200, 200));
        random->queue({1});
        QVERIFY(!cloud.PlaceWord(w, placed, false, true));
        QCOMPARE(w.StartingBounds(), TzqRect(99, 99, 199, 199));
        QCOMPARE(cloud.SpiralState(), (TzqSpiralState{3, 1, 1, 0}));
    }
}

void TestLayout::anticlockwiseIsReversedClockwise()
{
    for (int start = 0; start < 4; ++start) {
        TzqCloudEngine cloud;
        ScriptedRandom *random = useScripted(cloud);
        cloud.SetControlSize(QSize(250, 180));
        cloud.GetCloudRect();
        cloud.UpdateSteps();
        TzqPlacedSet placed;
        placed.Reset(cloud.CloudRect());
        TzqWord w(QStringLiteral("wide"), 1);
        const TzqRect origin(0, 0, 400, 50); // wider than the cloud: never fits
        w.SetBounds(origin);
        random->queue({start});
        QVERIFY(!cloud.PlaceWord(w, placed, false, true));
        const TzqRect cw = w.StartingBounds();
        const TzqSpiralState cwState = cloud.SpiralState();
        w.SetBounds(origin);
        random->queue({start});
        QVERIFY(!cloud.PlaceWord(w, placed, false, false));
        const TzqRect acw = w.StartingBounds();
        QVERIFY(cw != origin);
        QCOMPARE(acw.Left - origin.Left, -(cw.Left - origin.Left));
        QCOMPARE(acw.Top - origin.Top, -(cw.Top - origin.Top));
        QCOMPARE(cloud.SpiralState(), cwState);
    }

    // In a cloud, the anticlockwise placement of a second word mirrors the
    // clockwise one about the first word's start when the first word is
    // centred and the second starts at the centre too.
    auto secondWord = [](TzqWordDirection direction) {
        TzqCloudEngine cloud;
        useScripted(cloud, 9)->queue({0, 0});
        cloud.SetControlSize(QSize(420, 320));
        cloud.SetContinueFromLastWord(false);
        cloud.SetDirection(direction);
        cloud.AddWord(QStringLiteral("ABCDEFG"), 100);
        cloud.AddWord(QStringLiteral("HIJ"), 100);
        cloud.Generate(true);
        return cloud.Word(1)->StartingBounds();
    };
    const TzqRect a = secondWord(wdClockWise);
    const TzqRect b = secondWord(wdAntiClockWise);
    QCOMPARE(a.Width(), b.Width());
    QVERIFY(a != b);
}

void TestLayout::continueRuleUsesPreviousWord()
{
    TzqCloudEngine cloud;
    useScripted(cloud, 3);
    cloud.SetControlSize(QSize(800, 600));
    TestWords::addZipfWords(cloud, 60, 5);
    QVERIFY(cloud.Generate(true));
    checkArrangement(cloud);
    // Without continuing every word walks from the centre: a different layout.
    TzqCloudEngine plain;
    useScripted(plain, 3);
    plain.SetControlSize(QSize(800, 600));
    plain.SetContinueFromLastWord(false);
    TestWords::addZipfWords(plain, 60, 5);
    QVERIFY(plain.Generate(true));
    checkArrangement(plain);
    bool differs = false;
    for (int i = 0; i < 60; ++i)
        differs |= cloud.Word(i)->StartingBounds() != plain.Word(i)->StartingBounds();
    QVERIFY(differs);
}

void TestLayout::coverageRetrySequence()
{
    TzqCloudEngine cloud;
    useScripted(cloud, 4);
    cloud.SetControlSize(QSize(300, 200));
    for (int i = 0; i < 300; ++i)
        cloud.AddWord(QStringLiteral("word%1").arg(i), 50);
    const bool all = cloud.Generate(true);
    QVERIFY(all);
    QVERIFY2(g_log.size() >= 2, qPrintable(g_log.join(QLatin1Char('|'))));
    QCOMPARE(cloud.Stats().Layouts, g_log.size() + 1);
    for (int i = 0; i < g_log.size(); ++i) {
        QVERIFY(g_log[i].startsWith(QStringLiteral("Coverage Too High: ")));
        const double value = g_log[i].mid(19).toDouble();
        QVERIFY2(qAbs(value - (0.6 - 0.05 * i)) < 1e-6, qPrintable(g_log[i]));
    }
    QCOMPARE(g_log[1], QStringLiteral("Coverage Too High: 0.55"));
    QVERIFY(qAbs(cloud.WorkingCoverage() - (0.6 - 0.05 * g_log.size())) < 1e-6);
    QCOMPARE(cloud.Coverage(), 60); // the setting is untouched
    QCOMPARE(cloud.PlacedCount(), 300);
    checkArrangement(cloud);
}

void TestLayout::coverageRetryStopsAtZero()
{
    TzqCloudEngine cloud;
    useScripted(cloud, 4);
    cloud.SetControlSize(QSize(40, 30)); // 20 x 10 cloud
    for (int i = 0; i < 100; ++i)
        cloud.AddWord(QStringLiteral("w%1").arg(i), 10);
    QVERIFY(!cloud.Generate(true));
    QVERIFY(cloud.WorkingCoverage() <= 0.0f);
    QVERIFY(g_log.size() >= 12);
    QCOMPARE(g_log.first(), QStringLiteral("Coverage Too High: 0.6"));
    QVERIFY(cloud.PlacedCount() < 100);
    checkArrangement(cloud);
}

void TestLayout::noRetryWithoutAutoResize()
{
    TzqCloudEngine cloud;
    useScripted(cloud, 4);
    cloud.SetAutoResizeCoverage(false);
    cloud.SetControlSize(QSize(40, 30));
    for (int i = 0; i < 100; ++i)
        cloud.AddWord(QStringLiteral("w%1").arg(i), 10);
    QVERIFY(!cloud.Generate(true));
    QCOMPARE(g_log, QStringList{QStringLiteral("Coverage Too High: 0.6")});
    QCOMPARE(cloud.WorkingCoverage(), 0.6f);
    QCOMPARE(cloud.Stats().Layouts, 1);
    // Words after the first that found no place stay unplaced.
    int placed = 0;
    for (int i = 0; i < cloud.WordCount(); ++i) {
        if (cloud.Word(i)->Placed()) {
            QCOMPARE(i, placed);
            ++placed;
        }
    }
    QCOMPARE(placed, cloud.PlacedCount());
}

class CancellingCloud : public TzqCloudEngine
{
public:
    QList<int> percents;
    int cancelAt = 0;

protected:
    void Progress(int percentDone, bool &cancel) override
    {
        percents.append(percentDone);
        if (percents.size() == cancelAt)
            cancel = true;
    }
};

void TestLayout::progressCancels()
{
    CancellingCloud cloud;
    useScripted(cloud);
    cloud.cancelAt = 3;
    cloud.SetAutoResizeCoverage(false);
    cloud.SetControlSize(QSize(800, 600));
    for (int i = 0; i < 8; ++i)
        cloud.AddWord(QStringLiteral("word%1").arg(i), 10);
    const bool all = cloud.Generate(true);
    QVERIFY(!all);
    QCOMPARE(cloud.percents, (QList<int>{13, 25, 38}));
    QCOMPARE(cloud.PlacedCount(), 3); // the word that cancelled is still placed
    QVERIFY(cloud.Cancel());
    QVERIFY(cloud.Word(2)->Placed());
    QVERIFY(!cloud.Word(3)->Placed());
}

void TestLayout::arrangementsValid_data()
{
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("shape");
    QTest::addColumn<bool>("atCenter");
    QTest::newRow("10 rectangle") << 10 << int(csRectangle) << true;
    QTest::newRow("200 rectangle") << 200 << int(csRectangle) << true;
    QTest::newRow("1000 rectangle") << 1000 << int(csRectangle) << true;
    QTest::newRow("10 ellipse") << 10 << int(csEllipse) << true;
    QTest::newRow("200 ellipse") << 200 << int(csEllipse) << true;
    QTest::newRow("1000 ellipse") << 1000 << int(csEllipse) << true;
    QTest::newRow("200 random start") << 200 << int(csRectangle) << false;
}

void TestLayout::arrangementsValid()
{
    QFETCH(int, words);
    QFETCH(int, shape);
    QFETCH(bool, atCenter);
    TzqCloudEngine cloud;
    useScripted(cloud, quint32(words));
    cloud.SetControlSize(QSize(800, 600));
    cloud.SetCloudShape(TzqCloudShape(shape));
    cloud.SetPlaceWordAtCenter(atCenter);
    TestWords::addZipfWords(cloud, words, 11);
    QVERIFY(cloud.Generate(true));
    QCOMPARE(cloud.PlacedCount(), words);
    checkArrangement(cloud);
}

// The occupancy walk must give exactly the arrangement of the plain list walk.
void TestLayout::fastWalkEqualsListWalk()
{
    std::mt19937 gen(2024);
    auto pick = [&gen](int lo, int hi) { return lo + int(gen() % unsigned(hi - lo + 1)); };
    for (int round = 0; round < 40; ++round) {
        const QSize size(pick(120, 900), pick(90, 700));
        const int words = pick(3, round % 5 == 0 ? 400 : 150);
        const int coverage = pick(20, 110);
        const auto shape = TzqCloudShape(pick(0, 1));
        const auto direction = TzqWordDirection(pick(0, 2));
        const bool atCenter = pick(0, 3) != 0;
        const bool cont = pick(0, 3) != 0;
        const quint32 seed = quint32(gen());
        const quint32 wordSeed = quint32(gen());
        const int maxWeight = pick(5, 3000);

        auto layout = [&](TzqCloudEngine &cloud, TzqCloudEngine::CollisionTest test) {
            cloud.SetCollisionTest(test);
            useScripted(cloud, seed);
            cloud.SetControlSize(size);
            cloud.SetCoverage(coverage);
            cloud.SetCloudShape(shape);
            cloud.SetDirection(direction);
            cloud.SetPlaceWordAtCenter(atCenter);
            cloud.SetContinueFromLastWord(cont);
            TestWords::addZipfWords(cloud, words, wordSeed, maxWeight);
            return cloud.Generate(true);
        };
        TzqCloudEngine fast, list;
        const bool fastAll = layout(fast, TzqCloudEngine::CollisionTest::Occupancy);
        const bool listAll = layout(list, TzqCloudEngine::CollisionTest::BoxList);
        const QByteArray where = QStringLiteral("round %1: %2x%3, %4 words, coverage %5")
                                     .arg(round)
                                     .arg(size.width())
                                     .arg(size.height())
                                     .arg(words)
                                     .arg(coverage)
                                     .toUtf8();
        QVERIFY2(fastAll == listAll, where.constData());
        QVERIFY2(fast.PlacedCount() == list.PlacedCount(), where.constData());
        QVERIFY2(fast.WorkingCoverage() == list.WorkingCoverage(), where.constData());
        QVERIFY2(fast.SpiralState() == list.SpiralState(), where.constData());
        QVERIFY2(fast.Stats().Positions == list.Stats().Positions, where.constData());
        QVERIFY2(fast.Stats().Layouts == list.Stats().Layouts, where.constData());
        for (int i = 0; i < words; ++i) {
            QVERIFY2(fast.Word(i)->Text() == list.Word(i)->Text(), where.constData());
            QVERIFY2(fast.Word(i)->StartingBounds() == list.Word(i)->StartingBounds(),
                     where.constData());
            QVERIFY2(fast.Word(i)->Placed() == list.Word(i)->Placed(), where.constData());
        }
        checkArrangement(fast);
    }
}

void TestLayout::fitToAreaHalfWidth()
{
    TzqCloudEngine cloud;
    useScripted(cloud, 6);
    cloud.SetControlSize(QSize(800, 600));
    TestWords::addZipfWords(cloud, 40, 3);
    QVERIFY(cloud.Generate(true));
    const TzqRect layout = cloud.LayoutRect();
    QCOMPARE(layout, TzqRect(10, 10, 790, 590));
    QVector<TzqRect> starts;
    for (int i = 0; i < cloud.WordCount(); ++i)
        starts.append(cloud.Word(i)->StartingBounds());

    cloud.SetControlSize(QSize(400, 600));
    const double s = qMin(380.0 / 780.0, 580.0 / 580.0);
    const int nw = int(TzqMath::Round(780 * s));
    const int nh = int(TzqMath::Round(580 * s));
    QCOMPARE(nw, 380);
    const int left = int(TzqMath::Round((380 - nw) / 2.0)) + 10;
    const int top = int(TzqMath::Round((580 - nh) / 2.0)) + 10;
    QCOMPARE(top, 159); // centred vertically
    for (int i = 0; i < cloud.WordCount(); ++i) {
        const TzqWord *w = cloud.Word(i);
        const TzqRect &sb = starts[i];
        QCOMPARE(w->StartingBounds(), sb); // unchanged
        // Every edge is mapped alike.
        const TzqRect b = w->Bounds();
        QCOMPARE(b.Left, int(TzqMath::Round((sb.Left - 10) / 780.0 * nw)) + left);
        QCOMPARE(b.Top, int(TzqMath::Round((sb.Top - 10) / 580.0 * nh)) + top);
        QCOMPARE(b.Right, int(TzqMath::Round((sb.Right - 10) / 780.0 * nw)) + left);
        QCOMPARE(b.Bottom, int(TzqMath::Round((sb.Bottom - 10) / 580.0 * nh)) + top);
        QVERIFY(qAbs(b.Width() - sb.Width() * s) <= 1);
        QVERIFY(b.Left >= 10 && b.Right <= 390);
    }
    // Boxes that were apart share no pixel at the new size.
    for (int i = 0; i < cloud.WordCount(); ++i)
        for (int j = i + 1; j < cloud.WordCount(); ++j) {
            const TzqRect a = cloud.Word(i)->Bounds();
            const TzqRect b = cloud.Word(j)->Bounds();
            QVERIFY(a.Right <= b.Left || b.Right <= a.Left || a.Bottom <= b.Top ||
                    b.Bottom <= a.Top);
        }
    QCOMPARE(cloud.LayoutRect(), layout);

    // Back to the laid-out size: the arrangement is the laid-out one again.
    cloud.SetControlSize(QSize(800, 600));
    for (int i = 0; i < cloud.WordCount(); ++i)
        QCOMPARE(cloud.Word(i)->Bounds(), starts[i]);
}

int runTestLayout(int argc, char **argv)
{
    TestLayout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_layout.moc"
