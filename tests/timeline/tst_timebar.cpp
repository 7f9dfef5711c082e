// The time-bar control: the division scale, the packing of annotation boxes,
// hit-testing, hints, dragging and clicking, and pictures in every format.
#include "TimelineTestData.h"

#include "platform/TessaryError.h"
#include "platform/timebar/TTimeBar.h"
#include "platform/timebar/TTimeBarAnnotationLayout.h"
#include "platform/timebar/TTimeBarScale.h"
#include "tests/support/TestReport.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>
#include <algorithm>

namespace {

void sendMouse(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void click(QWidget *w, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonPress, pos, button, button);
    sendMouse(w, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

// Events at seeded random times, in clusters.
void addRandomEvents(TTimeBar &bar, int count, quint32 seed, const QDateTime &from, int days)
{
    QRandomGenerator gen(seed);
    bar.BeginUpdate();
    for (int i = 0; i < count; ++i) {
        TTimeBarIndicator ind = bar.DefaultIndicator();
        const qint64 cluster = qint64(gen.bounded(40)) * days / 40 * 86400000;
        ind.Position = from.addMSecs(cluster + qint64(gen.generateDouble() * days / 30 * 86400000));
        QString text = QStringLiteral("Event %1").arg(i);
        text += QString(gen.bounded(25), QLatin1Char('x'));
        ind.Annotation = text;
        ind.AnnotationPosition = i % 3 == 0 ? apAtBottom : apOnTop;
        bar.AddIndicator(ind);
    }
    bar.EndUpdate();
}

// No two shown boxes intersect, and every box lies on its side of the bar.
QString checkBoxes(const TTimeBar &bar)
{
    int first, last;
    bar.VisibleSlice(&first, &last);
    QVector<QPair<QRectF, int>> boxes;
    const QRect barRect = bar.BarRect();
    for (int k = first; k < last; ++k) {
        const int i = bar.SortedIndexes()[k];
        const QRectF r = bar.AnnotationRect(i);
        if (r.isEmpty())
            continue;
        if (bar.Indicator(i).AnnotationPosition == apOnTop ? r.bottom() > barRect.top()
                                                           : r.top() < barRect.bottom())
            return QStringLiteral("box %1 on the wrong side").arg(i);
        if (r.top() < 0 || r.bottom() > bar.height())
            return QStringLiteral("box %1 outside the control").arg(i);
        boxes.append({r, i});
    }
    std::sort(boxes.begin(), boxes.end(),
              [](const auto &a, const auto &b) { return a.first.left() < b.first.left(); });
    for (int a = 0; a < boxes.size(); ++a)
        for (int b = a + 1; b < boxes.size() && boxes[b].first.left() <= boxes[a].first.right();
             ++b)
            if (boxes[a].first.intersects(boxes[b].first))
                return QStringLiteral("boxes of events %1 and %2 overlap")
                    .arg(boxes[a].second)
                    .arg(boxes[b].second);
    return boxes.isEmpty() ? QStringLiteral("no box shown") : QString();
}

} // namespace

class TestTimeBar : public QObject
{
    Q_OBJECT
private slots:
    void divisionTicksFollowTheCalendar()
    {
        const qint64 from = at(2020, 2, 10).toMSecsSinceEpoch();
        const qint64 to = at(2022, 2, 10).toMSecsSinceEpoch();
        QVector<qint64> t = TTimeBarScale::Ticks(from, to, dtMonth, 3, 1000);
        QCOMPARE(t.size(), 8);
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(t[0], Qt::UTC), at(2020, 4, 1));
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(t[1], Qt::UTC), at(2020, 7, 1));
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(t[3], Qt::UTC), at(2021, 1, 1));

        t = TTimeBarScale::Ticks(at(2021, 3, 4, 13, 7).toMSecsSinceEpoch(),
                                 at(2021, 3, 4, 14, 0).toMSecsSinceEpoch(), dtMinute, 15, 100);
        QCOMPARE(t.size(), 4); // 13:15, 13:30, 13:45, 14:00
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(t[0], Qt::UTC), at(2021, 3, 4, 13, 15));
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(t[3], Qt::UTC), at(2021, 3, 4, 14, 0));

        t = TTimeBarScale::Ticks(at(2021, 3, 4, 10).toMSecsSinceEpoch(),
                                 at(2021, 3, 6, 10).toMSecsSinceEpoch(), dtHour, 24, 100);
        QCOMPARE(t.size(), 2); // midnights only
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(t[0], Qt::UTC), at(2021, 3, 5));

        t = TTimeBarScale::Ticks(at(1900, 1, 1).toMSecsSinceEpoch(),
                                 at(2000, 1, 1).toMSecsSinceEpoch(), dtYear, 12, 100);
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(t[0], Qt::UTC), at(1908, 1, 1));
        QCOMPARE(t.size(), 8);

        // A scale that would flood the bar takes larger steps.
        int used = 0;
        t = TTimeBarScale::Ticks(at(2000, 1, 1).toMSecsSinceEpoch(),
                                 at(2010, 1, 1).toMSecsSinceEpoch(), dtMinute, 15, 50, &used);
        QVERIFY(t.size() <= 51);
        QVERIFY(used > 15);
        QVERIFY(TTimeBarScale::Ticks(to, from, dtDay, 1, 10).isEmpty());

        QCOMPARE(TTimeBarScale::LabelLines(at(2021, 3, 4, 13, 5),
                                           QStringLiteral("  hh:mm\ndd/MM/yyyy"), QLocale::c()),
                 (QStringList{"13:05", "04/03/2021"}));
        QCOMPARE(
            TTimeBarScale::LabelLines(at(2021, 3, 4), QStringLiteral(" MMM\nyyyy"), QLocale::c()),
            (QStringList{"Mar", "2021"}));
        QVERIFY(
            TTimeBarScale::LabelLines(at(2021, 3, 4), QStringLiteral(" "), QLocale::c()).isEmpty());
    }

    void packingRules()
    {
        using Item = TTimeBarAnnotationLayout::Item;
        // Close events make a staircase that descends to the right.
        QCOMPARE(TTimeBarAnnotationLayout::Place({Item{0, 50}, Item{30, 50}, Item{60, 50}}, 5, 6),
                 (QVector<int>{2, 1, 0}));
        // Far apart events all sit next to the bar.
        QCOMPARE(TTimeBarAnnotationLayout::Place({Item{0, 50}, Item{100, 50}, Item{200, 50}}, 5, 6),
                 (QVector<int>{0, 0, 0}));
        // Two events at one column: flags on one pole.
        QCOMPARE(TTimeBarAnnotationLayout::Place({Item{10, 40}, Item{10, 40}}, 5, 6),
                 (QVector<int>{1, 0}));
        // Above the capacity a box takes the lowest level where it fits...
        QCOMPARE(TTimeBarAnnotationLayout::Place({Item{0, 50}, Item{30, 50}, Item{60, 50}}, 2, 6),
                 (QVector<int>{0, 1, 0}));
        // ... and is left out when it fits nowhere.
        QCOMPARE(TTimeBarAnnotationLayout::Place({Item{0, 50}, Item{30, 50}}, 1, 6),
                 (QVector<int>{-1, 0}));
        QCOMPARE(TTimeBarAnnotationLayout::Place({Item{0, 50}}, 0, 6), (QVector<int>{-1}));

        // With room enough no connector runs through a box and no boxes overlap.
        QRandomGenerator gen(11);
        QVector<Item> items;
        double x = 0;
        for (int i = 0; i < 400; ++i) {
            x += gen.bounded(60);
            items.append(Item{x, 20 + int(gen.bounded(120))});
        }
        const QVector<int> levels = TTimeBarAnnotationLayout::Place(items, 400, 6);
        for (int i = 0; i < items.size(); ++i) {
            QVERIFY(levels[i] >= 0);
            for (int j = 0; j < items.size(); ++j) {
                if (i == j)
                    continue;
                const bool covers =
                    items[j].x < items[i].x && items[i].x < items[j].x + items[j].width;
                QVERIFY2(!(covers && levels[j] < levels[i]), "a connector runs through a box");
                if (levels[i] == levels[j] && i < j)
                    QVERIFY2(items[i].x + items[i].width + 6 <= items[j].x, "boxes overlap");
            }
        }
    }

    void annotationBoxesNeverOverlap()
    {
        TTimeBar bar;
        bar.resize(1000, 520);
        bar.SetRangeLimits(at(2020, 1, 1), at(2022, 1, 1));
        addRandomEvents(bar, 1500, 3, at(2020, 1, 1), 730);
        for (int margin : {520 - 60, (520 - 20) / 2, 5}) {
            bar.SetVerticalMargin(margin);
            for (int days : {730, 90, 14, 2}) {
                for (int offset : {0, 200, 650}) {
                    const QDateTime from = at(2020, 1, 1).addDays(offset);
                    bar.SetRange(from, from.addDays(days));
                    const QString why = checkBoxes(bar);
                    QVERIFY2(why.isEmpty() || why == QLatin1String("no box shown"),
                             qPrintable(QStringLiteral("margin %1, %2 days at +%3: %4")
                                            .arg(margin)
                                            .arg(days)
                                            .arg(offset)
                                            .arg(why)));
                }
            }
        }
        bar.SetVerticalMargin(250);
        bar.SetRange(at(2020, 3, 1), at(2020, 6, 1));
        QVERIFY(checkBoxes(bar).isEmpty());
    }

    void scrollingOnlyMovesTheBoxes()
    {
        TTimeBar bar;
        bar.resize(900, 400);
        bar.SetVerticalMargin(190);
        bar.SetRangeLimits(at(2020, 1, 1), at(2022, 1, 1));
        addRandomEvents(bar, 300, 5, at(2020, 1, 1), 730);
        bar.SetRange(at(2020, 6, 1), at(2020, 9, 1));
        QVector<QRectF> before;
        for (int i = 0; i < bar.IndicatorCount(); ++i)
            before.append(bar.AnnotationRect(i));
        const qint64 span = bar.ToMSecs() - bar.FromMSecs();
        const double perPx = double(span) / bar.BarRect().width();
        const qint64 shift = qint64(perPx * 40);
        bar.SetRangeMSecs(bar.FromMSecs() + shift, bar.ToMSecs() + shift);
        for (int i = 0; i < bar.IndicatorCount(); ++i) {
            const QRectF now = bar.AnnotationRect(i);
            QCOMPARE(now.isEmpty(), before[i].isEmpty());
            if (now.isEmpty())
                continue;
            QCOMPARE(now.top(), before[i].top());
            QVERIFY(qAbs(now.left() - (before[i].left() - 40)) <= 1.0);
        }
    }

    void hitTestingAndHints()
    {
        TTimeBar bar;
        bar.resize(800, 400);
        bar.SetVerticalMargin(180);
        bar.SetRangeLimits(at(2021, 1, 1), at(2022, 1, 1));
        bar.SetRange(at(2021, 1, 1), at(2022, 1, 1));
        TTimeBarIndicator a = bar.DefaultIndicator();
        a.Annotation = QStringLiteral("Spring");
        a.Hint = QStringLiteral("The spring event");
        a.Position = at(2021, 4, 1);
        TTimeBarIndicator b = a;
        b.Annotation = QStringLiteral("Autumn");
        b.Hint.clear();
        b.Position = at(2021, 10, 1);
        b.AnnotationPosition = apAtBottom;
        b.Shape = isTriangleUp;
        QCOMPARE(bar.AddIndicator(a), 0);
        QCOMPARE(bar.AddIndicator(b), 1);

        const QRectF boxA = bar.AnnotationRect(0), boxB = bar.AnnotationRect(1);
        QVERIFY(!boxA.isEmpty() && !boxB.isEmpty());
        QVERIFY(boxA.bottom() <= bar.BarRect().top());
        QVERIFY(boxB.top() >= bar.BarRect().bottom());
        QCOMPARE(bar.IndicatorAt(boxA.center().toPoint()), 0);
        QCOMPARE(bar.IndicatorAt(boxB.center().toPoint()), 1);
        QCOMPARE(bar.IndicatorAt(bar.IndicatorRect(0).center().toPoint()), 0);
        QCOMPARE(bar.IndicatorAt(bar.IndicatorRect(1).center().toPoint()), 1);
        // The indicator sits on the bar at its date.
        const double x = bar.PositionToX(at(2021, 4, 1).toMSecsSinceEpoch());
        QVERIFY(qAbs(bar.IndicatorRect(0).center().x() - x) < 0.01);
        QVERIFY(qAbs(bar.XToMSecs(x) - at(2021, 4, 1).toMSecsSinceEpoch()) < 86400000 / 10);
        QCOMPARE(bar.IndicatorAt(QPoint(5, 5)), -1);
        QCOMPARE(bar.IndicatorAt(bar.BarRect().center()), -1);
        QCOMPARE(bar.HintAt(boxA.center().toPoint()), QStringLiteral("The spring event"));
        QCOMPARE(bar.HintAt(boxB.center().toPoint()),
                 QStringLiteral("Autumn")); // no hint: the annotation
        QCOMPARE(bar.HintAt(QPoint(5, 5)), QString());
        // Out of view: no hit.
        bar.SetRange(at(2021, 6, 1), at(2021, 8, 1));
        QVERIFY(bar.AnnotationRect(0).right() < 0);
        QCOMPARE(bar.IndicatorAt(QPoint(2, int(boxA.center().y()))), -1);

        bar.DeleteIndicator(0);
        QCOMPARE(bar.IndicatorCount(), 1);
        QCOMPARE(bar.Indicator(0).Annotation, QStringLiteral("Autumn"));
        bar.ClearIndicators();
        QCOMPARE(bar.IndicatorAt(boxB.center().toPoint()), -1);
    }

    void rangesStayNonEmpty()
    {
        TTimeBar bar;
        bar.SetRangeLimits(at(2021, 1, 1), at(2021, 1, 1));
        QCOMPARE(bar.MaximumRange(), at(2021, 1, 2));
        bar.SetRange(at(2021, 5, 1), at(2021, 4, 1));
        QCOMPARE(bar.RangeTo(), at(2021, 5, 1, 0, 1));
        bar.SetRange(QDateTime(QDate(2021, 5, 1), QTime(12, 0), Qt::LocalTime), at(2021, 5, 3));
        QCOMPARE(bar.RangeFrom(), at(2021, 5, 1, 12)); // the wall-clock time is kept
    }

    void dragScrollsAndClickReportsTheEvent()
    {
        TTimeBar bar;
        bar.resize(800, 400);
        bar.SetVerticalMargin(180);
        bar.SetRangeLimits(at(2020, 1, 1), at(2022, 1, 1));
        bar.SetRange(at(2021, 1, 1), at(2021, 7, 1));
        TTimeBarIndicator a = bar.DefaultIndicator();
        a.Annotation = QStringLiteral("Here");
        a.Position = at(2021, 3, 1);
        bar.AddIndicator(a);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));

        QStringList order;
        connect(&bar, &TTimeBar::TimeLineMouseUp, this, [&order] { order << "up"; });
        connect(&bar, &TTimeBar::IndicatorClick, this,
                [&order](int i) { order << QStringLiteral("click %1").arg(i); });
        QSignalSpy scrolled(&bar, &TTimeBar::RangeScrolled);

        // A click on the event: the release first, then the click.
        click(&bar, bar.AnnotationRect(0).center().toPoint());
        QCOMPARE(order, (QStringList{"up", "click 0"}));
        order.clear();
        click(&bar, QPoint(400, 20));
        QCOMPARE(order, QStringList{"up"});
        QCOMPARE(scrolled.count(), 0);

        // Dragging the bar 100 pixels to the left shows later dates.
        const qint64 span = bar.ToMSecs() - bar.FromMSecs();
        const double perPx = double(span) / bar.BarRect().width();
        const QPoint start = bar.BarRect().center();
        sendMouse(&bar, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&bar, QEvent::MouseMove, start - QPoint(50, 0), Qt::NoButton, Qt::LeftButton);
        sendMouse(&bar, QEvent::MouseMove, start - QPoint(100, 0), Qt::NoButton, Qt::LeftButton);
        sendMouse(&bar, QEvent::MouseButtonRelease, start - QPoint(100, 0), Qt::LeftButton,
                  Qt::NoButton);
        QCOMPARE(scrolled.count(), 2);
        const qint64 moved = bar.FromMSecs() - at(2021, 1, 1).toMSecsSinceEpoch();
        QVERIFY(qAbs(moved - qint64(100 * perPx)) <= qint64(perPx));
        QCOMPARE(bar.ToMSecs() - bar.FromMSecs(), span);
        QCOMPARE(scrolled.last().at(0).toDateTime(), bar.RangeFrom());

        // A drag that starts on the event scrolls and clicks nothing.
        order.clear();
        const QPoint onEvent = bar.AnnotationRect(0).center().toPoint();
        sendMouse(&bar, QEvent::MouseButtonPress, onEvent, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&bar, QEvent::MouseMove, onEvent + QPoint(30, 0), Qt::NoButton, Qt::LeftButton);
        sendMouse(&bar, QEvent::MouseButtonRelease, onEvent + QPoint(30, 0), Qt::LeftButton,
                  Qt::NoButton);
        QCOMPARE(order, QStringList{"up"});

        // The view never leaves the total range.
        sendMouse(&bar, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&bar, QEvent::MouseMove, start + QPoint(5000, 0), Qt::NoButton, Qt::LeftButton);
        sendMouse(&bar, QEvent::MouseButtonRelease, start + QPoint(5000, 0), Qt::LeftButton,
                  Qt::NoButton);
        QCOMPARE(bar.RangeFrom(), bar.MinimumRange());
        QCOMPARE(bar.ToMSecs() - bar.FromMSecs(), span);
        // A right click reports its release only.
        order.clear();
        click(&bar, onEvent, Qt::RightButton);
        QCOMPARE(order, QStringList{"up"});
    }

    void picturesInEveryFormat()
    {
        TTimeBar bar;
        bar.resize(640, 300);
        bar.SetVerticalMargin(130);
        bar.SetRangeLimits(at(2020, 1, 1), at(2021, 1, 1));
        bar.SetRange(at(2020, 1, 1), at(2021, 1, 1));
        addRandomEvents(bar, 30, 9, at(2020, 1, 1), 360);
        const QImage shown = bar.ToImage();
        QCOMPARE(shown.size(), QSize(640, 300));
        const QString dir = testTempDir();
        for (const char *format : {"png", "jpg", "jpeg", "bmp", "gif"}) {
            const QString file = dir + QStringLiteral("/bar.") + QLatin1String(format);
            bar.SaveToFile(file, QLatin1String(format));
            QImageReader reader(file);
            const QImage read = reader.read();
            QVERIFY2(!read.isNull(), qPrintable(file + ": " + reader.errorString()));
            QCOMPARE(read.size(), shown.size());
            // The background near the top left keeps its colour (within the
            // losses of JPEG and of the GIF palette).
            const QColor a = shown.pixelColor(3, 3), b = read.pixelColor(3, 3);
            QVERIFY2(qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) +
                             qAbs(a.blue() - b.blue()) <
                         40,
                     format);
        }
        const QByteArray png = [&] {
            QFile f(dir + QStringLiteral("/bar.png"));
            f.open(QIODevice::ReadOnly);
            return f.read(8);
        }();
        QCOMPARE(png, QByteArray("\x89PNG\r\n\x1a\n"));
        QVERIFY_THROWS_EXCEPTION(
            TessaryError, bar.SaveToFile(dir + QStringLiteral("/bar.tif"), QStringLiteral("tif")));
        QVERIFY_THROWS_EXCEPTION(TessaryError, bar.SaveToFile(dir + QStringLiteral("/none/bar.gif"),
                                                              QStringLiteral("gif")));
        QVERIFY_THROWS_EXCEPTION(TessaryError, bar.SaveToFile(dir + QStringLiteral("/none/bar.png"),
                                                              QStringLiteral("png")));
    }
};

int runTimeBarTests(int argc, char **argv)
{
    TestTimeBar t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_timebar.moc"
