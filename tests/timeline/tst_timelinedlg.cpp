// The timeline viewer: the division scale, zooming and scrolling, the
// annotation layouts, selection with its timer, the event menu, pictures, the
// options dialog, the page content and the store's timeline operations.
#include "TimelineTestData.h"

#include "../store/FakeStoreHost.h"
#include "platform/TessaryError.h"
#include "platform/db/SqliteEngine.h"
#include "platform/paths/Paths.h"
#include "platform/timebar/TTimeBar.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/TDM.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestReport.h"
#include "timeline/TColorBox.h"
#include "timeline/TTimeLineDlg.h"
#include "timeline/TTimeLineOptionsDlg.h"
#include "timeline/TimeLineText.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

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

// Five events given out of order, with descriptions that name them.
QString fiveEvents()
{
    TimeLineDocument doc;
    doc.MinimumRange = at(2020, 1, 1);
    doc.MaximumRange = at(2021, 1, 1);
    doc.RangeFrom = at(2020, 1, 1);
    doc.RangeTo = at(2021, 1, 1);
    const int months[] = {5, 1, 9, 3, 7};
    for (int m : months) {
        TimeLineEvent e;
        e.Annotation = QStringLiteral("Month %1").arg(m);
        e.Hint = QStringLiteral("hint %1").arg(m);
        e.Position = at(2020, m, 15);
        e.Description =
            QStringLiteral("doc\tpara\tx\t%1").arg(m == 3 ? QStringLiteral("2:17") : QString());
        doc.Events << e;
    }
    return TimeLineText::Write(doc, QLocale::c());
}

} // namespace

class TestTimeLineDlg : public QObject
{
    Q_OBJECT

    std::unique_ptr<TTimeLineDlg> dlg;

private slots:
    void init()
    {
        PageModified = false;
        dlg = std::make_unique<TTimeLineDlg>();
        dlg->setLocale(QLocale::c());
        dlg->resize(900, 560);
    }
    void cleanup() { dlg.reset(); }

    void adjustScaleFollowsTheSpan_data()
    {
        QTest::addColumn<double>("days");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("divisions");
        QTest::addColumn<int>("subDivisions");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("subFormat"); // "unchanged": the row names none
        const QString sd = QLocale::c().dateFormat(QLocale::ShortFormat);
        const QString td = QStringLiteral("  hh:mm\n") + sd;
        const QString my = QStringLiteral(" MMM\nyyyy");
        const QString keep = QStringLiteral("unchanged");
        QTest::newRow("2 hours") << 2 / 24.0 << int(dtMinute) << 15 << 15
                                 << QStringLiteral("  hh:mm") << keep;
        QTest::newRow("10 hours") << 10 / 24.0 << int(dtHour) << 24 << 1 << td
                                  << QStringLiteral("hh:mm");
        QTest::newRow("14 hours") << 14 / 24.0 << int(dtHour) << 24 << 2 << td
                                  << QStringLiteral("hh:mm");
        QTest::newRow("1.5 days") << 1.49 << int(dtHour) << 24 << 2 << td
                                  << QStringLiteral("hh:mm");
        QTest::newRow("2.5 days, halves to even")
            << 2.5 << int(dtHour) << 24 << 6 << td << QStringLiteral("hh:mm");
        QTest::newRow("3.5 days, halves to even") << 3.5 << int(dtDay) << 1 << 1 << sd << keep;
        QTest::newRow("12 days") << 12.0 << int(dtDay) << 1 << 1 << sd << keep;
        QTest::newRow("13 days") << 13.0 << int(dtDay) << 2 << 2 << sd << QString();
        QTest::newRow("29 days") << 29.0 << int(dtDay) << 2 << 2 << sd << QString();
        QTest::newRow("30 days") << 30.0 << int(dtDay) << 3 << 3 << sd << keep;
        QTest::newRow("200 days") << 200.0 << int(dtDay) << 20 << 20 << sd << keep;
        QTest::newRow("201 days") << 201.0 << int(dtMonth) << 1 << 1 << my << keep;
        QTest::newRow("365.5 days") << 365.5 << int(dtMonth) << 1 << 1 << my << keep;
        QTest::newRow("547 days") << 547.0 << int(dtMonth) << 1 << 1 << my << keep;
        QTest::newRow("548 days") << 548.0 << int(dtMonth) << 3 << 3 << my << keep;
        QTest::newRow("3 years") << 3 * 365.0 << int(dtMonth) << 3 << 3 << my << keep;
        QTest::newRow("4 years") << 4 * 365.0 << int(dtMonth) << 6 << 6 << my << keep;
        QTest::newRow("7 years") << 7 * 365.0 << int(dtMonth) << 6 << 6 << my << keep;
        QTest::newRow("8 years") << 8 * 365.0 << int(dtMonth) << 12 << 12 << QStringLiteral("yyyy")
                                 << keep;
        QTest::newRow("23 years") << 23 * 365.0 << int(dtMonth) << 12 << 12
                                  << QStringLiteral("yyyy") << keep;
        QTest::newRow("24 years") << 24 * 365.0 << int(dtYear) << 2 << 2 << QStringLiteral("yyyy")
                                  << QStringLiteral(" ");
        QTest::newRow("1000 years") << 1000 * 365.0 << int(dtYear) << 83 << 83
                                    << QStringLiteral("yyyy") << QStringLiteral(" ");
        QTest::newRow("1001 years: unchanged") << 1001 * 365.0 << -1 << 0 << 0 << QString() << keep;
    }
    void adjustScaleFollowsTheSpan()
    {
        QFETCH(double, days);
        QFETCH(int, type);
        QFETCH(int, divisions);
        QFETCH(int, subDivisions);
        QFETCH(QString, format);
        QFETCH(QString, subFormat);
        TTimeBar *t = dlg->TimeLine;
        // A marker state that a row leaves alone when it names nothing.
        TTimeBarRangeAppearance look = t->RangeAppearance();
        look.DivisionFormat = QStringLiteral("marker");
        look.SubDivisionFormat = QStringLiteral("unchanged");
        t->SetRangeAppearance(look);
        t->SetDivisions(dtMinute, 7, 7);
        const qint64 span = qint64(days * 86400000.0);
        const qint64 start = at(1500, 1, 1).toMSecsSinceEpoch();
        t->SetRangeLimits(QDateTime::fromMSecsSinceEpoch(start, Qt::UTC),
                          QDateTime::fromMSecsSinceEpoch(start + span * 4, Qt::UTC));
        t->SetRangeMSecs(start, start + span);
        dlg->AdjustScale();
        if (type < 0) {
            QCOMPARE(t->DivisionType(), dtMinute);
            QCOMPARE(t->Divisions(), 7);
            QCOMPARE(t->RangeAppearance().DivisionFormat, QStringLiteral("marker"));
        } else {
            QCOMPARE(int(t->DivisionType()), type);
            QCOMPARE(t->Divisions(), divisions);
            QCOMPARE(t->SubDivisions(), subDivisions);
            QCOMPARE(t->RangeAppearance().DivisionFormat, format);
        }
        QCOMPARE(t->RangeAppearance().SubDivisionFormat, subFormat);
        // The page size is the visible share of the total range in thousandths.
        QCOMPARE(dlg->Scrollbar->pageStep(), 250);
        QVERIFY(!PageModified);
    }

    void zoomingInAndOut()
    {
        dlg->loadContent(fiveEvents().toUtf8(), QString());
        TTimeBar *t = dlg->TimeLine;
        // The whole span in view: nothing to zoom out to.
        QVERIFY(!dlg->ZoomOutBtn->isEnabled());
        const qint64 from = t->FromMSecs();
        const qint64 span = t->ToMSecs() - from;
        dlg->ZoomIn();
        QVERIFY(PageModified);
        QCOMPARE(t->FromMSecs(), from);
        const double expected = span * std::pow(0.95, 10);
        QVERIFY(qAbs(double(t->ToMSecs() - from) - expected) < 10);
        QVERIFY(dlg->ZoomOutBtn->isEnabled());
        QCOMPARE(t->DivisionType(), dtMonth); // about 219 days

        // Zooming out near the end shifts the start back instead of passing the end.
        PageModified = false;
        const qint64 max = t->MaximumMSecs();
        const qint64 shortSpan = qint64(20) * 86400000;
        t->SetRangeMSecs(max - shortSpan - 86400000, max - 86400000);
        dlg->ZoomOut();
        QVERIFY(PageModified);
        QCOMPARE(t->ToMSecs(), max);
        QVERIFY(t->FromMSecs() < max - shortSpan - 86400000);
        QVERIFY(qAbs(double(t->ToMSecs() - t->FromMSecs()) - shortSpan * std::pow(1.052632, 10)) <
                double(shortSpan) / 1000);

        // Out to the whole range and past its start: the button goes off.
        for (int i = 0; i < 12 && dlg->ZoomOutBtn->isEnabled(); ++i)
            dlg->ZoomOut();
        QCOMPARE(t->ToMSecs(), max);
        QVERIFY(t->FromMSecs() <= t->MinimumMSecs());
        QVERIFY(!dlg->ZoomOutBtn->isEnabled());
    }

    void scrollBarAndDragAgree()
    {
        dlg->loadContent(fiveEvents().toUtf8(), QString());
        TTimeBar *t = dlg->TimeLine;
        t->SetRange(at(2020, 1, 1), at(2020, 3, 1));
        dlg->AdjustScale();
        const qint64 span = t->ToMSecs() - t->FromMSecs();
        const qint64 total = t->MaximumMSecs() - t->MinimumMSecs();
        QCOMPARE(dlg->Scrollbar->pageStep(), int(std::lround(double(span) / total * 1000)));
        PageModified = false;
        dlg->Scrollbar->setValue(500);
        QCOMPARE(t->FromMSecs(), t->MinimumMSecs() + total / 2);
        QCOMPARE(t->ToMSecs() - t->FromMSecs(), span);
        QVERIFY(!PageModified); // scrolling is no change of the page

        // The control reports a drag: the scroll bar follows without moving the view back.
        t->SetRangeMSecs(t->MinimumMSecs() + total / 4, t->MinimumMSecs() + total / 4 + span);
        dlg->TimeLineScrolled(t->RangeFrom());
        QCOMPARE(dlg->Scrollbar->value(), 250);
        QCOMPARE(t->FromMSecs(), t->MinimumMSecs() + total / 4);
        QVERIFY(!PageModified);
    }

    void layoutsPlaceTheEvents()
    {
        dlg->loadContent(fiveEvents().toUtf8(), QString());
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        TTimeBar *t = dlg->TimeLine;
        const int h = t->height();
        // Layout 1 (the default) sorts the events and alternates them.
        QCOMPARE(dlg->PositionMode, 1);
        QCOMPARE(t->VerticalMargin(), (h - 20) / 2);
        for (int i = 0; i < 5; ++i) {
            const TTimeBarIndicator &ind = t->Indicator(i);
            QCOMPARE(ind.Position, at(2020, 1 + 2 * i, 15));
            QCOMPARE(ind.AnnotationPosition, i % 2 == 0 ? apOnTop : apAtBottom);
            QCOMPARE(ind.Shape, i % 2 == 0 ? isTriangleDown : isTriangleUp);
            // Each event keeps its own description.
            QCOMPARE(ind.Annotation, QStringLiteral("Month %1").arg(1 + 2 * i));
            QVERIFY(dlg->Descriptions.value(ind.Tag).endsWith(
                1 + 2 * i == 3 ? QLatin1String("2:17") : QLatin1String("\t")));
        }
        dlg->SetPositionMode(0);
        QVERIFY(PageModified);
        QVERIFY(dlg->Pos0->isChecked());
        QCOMPARE(t->VerticalMargin(), h - 60);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(t->Indicator(i).AnnotationPosition, apOnTop);
            QCOMPARE(t->Indicator(i).Shape, isTriangleDown);
        }
        dlg->SetPositionMode(2);
        QCOMPARE(t->VerticalMargin(), 5);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(t->Indicator(i).AnnotationPosition, apAtBottom);
            QCOMPARE(t->Indicator(i).Shape, isTriangleUp);
        }
        // A resize recomputes only the margin.
        dlg->SetPositionMode(0);
        dlg->resize(dlg->width(), dlg->height() + 100);
        QCOMPARE(t->height(), h + 100);
        QCOMPARE(t->VerticalMargin(), h + 100 - 60);
        // Clicking a layout button does the same as SetPositionMode.
        PageModified = false;
        dlg->Pos2->click();
        QCOMPARE(dlg->PositionMode, 2);
        QVERIFY(PageModified);
    }

    void selectionHighlightAndTimer()
    {
        dlg->loadContent(fiveEvents().toUtf8(), QString());
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        TTimeBar *t = dlg->TimeLine;
        const QColor own = t->Indicator(2).AnnotationColor;
        const QPoint onEvent = t->AnnotationRect(2).center().toPoint();
        QVERIFY(!t->AnnotationRect(2).isEmpty());

        click(t, onEvent);
        QCOMPARE(dlg->Selected, 2);
        QVERIFY(dlg->ClickFlag);
        QVERIFY(dlg->Timer1->isActive());
        QCOMPARE(dlg->Timer1->interval(), 10);
        QCOMPARE(t->Indicator(2).AnnotationColor, QColor(0x00, 0x4E, 0x98));
        QCOMPARE(t->Indicator(2).Color, QColor(0x00, 0x4E, 0x98));
        QCOMPARE(t->Indicator(2).AnnotationTextColor, QColor(Qt::white));
        QCOMPARE(t->Indicator(2).Size, 12);
        // The timer finds the click flag set: the selection stays.
        dlg->Timer1Timer();
        QVERIFY(!dlg->Timer1->isActive());
        QCOMPARE(dlg->Selected, 2);
        QVERIFY(!PageModified);

        // The same event again: its menu opens.
        click(t, onEvent);
        QVERIFY(dlg->PopupMenu1->isVisible());
        dlg->PopupMenu1->hide();
        dlg->Timer1Timer();

        // Another event: the first is restored, the second highlighted.
        click(t, t->AnnotationRect(0).center().toPoint());
        QCOMPARE(dlg->Selected, 0);
        QCOMPARE(t->Indicator(2).AnnotationColor, own);
        QCOMPARE(t->Indicator(2).Size, 8);
        QCOMPARE(t->Indicator(2).AnnotationTextColor, QColor(Qt::black));
        dlg->Timer1Timer();

        // A right click with an event selected opens its menu.
        click(t, QPoint(t->width() / 2, 3), Qt::RightButton);
        QVERIFY(dlg->PopupMenu1->isVisible());
        dlg->PopupMenu1->hide();

        // A click beside the events drops the selection when the timer fires.
        click(t, QPoint(t->width() / 2, 3));
        QVERIFY(!dlg->ClickFlag);
        QCOMPARE(dlg->Selected, 0);
        dlg->Timer1Timer();
        QCOMPARE(dlg->Selected, -1);
        QCOMPARE(t->Indicator(0).AnnotationColor, own);
        QCOMPARE(t->Indicator(0).Size, 8);
        QVERIFY(!PageModified);
    }

    void eventMenu()
    {
        ScriptedDialogsScope scripted;
        dlg->loadContent(fiveEvents().toUtf8(), QString());
        TTimeBar *t = dlg->TimeLine;
        // Event 1 is March: field 4 of its description is "2:17".
        dlg->IndicatorClick(1);
        emit dlg->PopupMenu1->aboutToShow();
        QVERIFY(dlg->ShowLocation1->isEnabled());
        QVERIFY(dlg->Position1->isEnabled());
        QVERIFY(!dlg->Above1->isChecked());
        QVERIFY(dlg->Below1->isChecked());
        QSignalSpy location(dlg.get(), &TTimeLineDlg::ShowLocationRequested);
        dlg->ShowLocation1->trigger();
        QCOMPARE(location.count(), 1);
        QCOMPARE(location[0][0].toString(), QStringLiteral("2:17"));
        QVERIFY(!PageModified);

        // Event 0: field 4 is empty; a description of fewer fields is the same.
        dlg->IndicatorClick(0);
        emit dlg->PopupMenu1->aboutToShow();
        QVERIFY(!dlg->ShowLocation1->isEnabled());
        QVERIFY(dlg->Above1->isChecked());
        dlg->Descriptions[t->Indicator(0).Tag] = QStringLiteral("only\ttwo");
        emit dlg->PopupMenu1->aboutToShow();
        QVERIFY(!dlg->ShowLocation1->isEnabled());
        dlg->Descriptions[t->Indicator(0).Tag] = QStringLiteral("a\tb\tc\t1:3");
        emit dlg->PopupMenu1->aboutToShow();
        QVERIFY(!dlg->ShowLocation1->isEnabled());

        // Below, then a new colour, then delete.
        dlg->Below1->trigger();
        QVERIFY(PageModified);
        QCOMPARE(t->Indicator(0).AnnotationPosition, apAtBottom);
        QCOMPARE(t->Indicator(0).Shape, isTriangleUp);
        PageModified = false;
        scripted->answer(QStringLiteral("color"), QVariant()); // cancelled
        dlg->ChangeColor1->trigger();
        QVERIFY(!PageModified);
        scripted->answer(QStringLiteral("color"), QColor(Qt::green));
        dlg->ChangeColor1->trigger();
        QVERIFY(PageModified);
        QCOMPARE(t->Indicator(0).AnnotationColor, QColor(Qt::green));
        QCOMPARE(t->Indicator(0).ColorTo, QColor(Qt::green));
        // Deselected, it keeps the chosen colour.
        dlg->ClickFlag = false;
        dlg->Timer1Timer();
        QCOMPARE(t->Indicator(0).AnnotationColor, QColor(Qt::green));

        dlg->IndicatorClick(4);
        PageModified = false;
        dlg->Delete1->trigger();
        QVERIFY(PageModified);
        QCOMPARE(t->IndicatorCount(), 4);
        QCOMPARE(t->Indicator(3).Annotation, QStringLiteral("Month 7"));

        // Outside layout 1 the side cannot be chosen.
        dlg->SetPositionMode(0);
        dlg->IndicatorClick(1);
        emit dlg->PopupMenu1->aboutToShow();
        QVERIFY(!dlg->Position1->isEnabled());
    }

    void picturesAndPrint()
    {
        ScriptedDialogsScope scripted;
        dlg->loadContent(fiveEvents().toUtf8(), QString());
        const QString dir = testTempDir();
        scripted->answer(QStringLiteral("save"), dir + QStringLiteral("/tl.gif"));
        dlg->SaveChart();
        QCOMPARE(QImage(dir + QStringLiteral("/tl.gif")).size(), dlg->TimeLine->size());
        scripted->answer(QStringLiteral("save"), dir + QStringLiteral("/tl.weird"));
        dlg->SaveChart();
        QVERIFY(QFile::exists(dir + QStringLiteral("/tl.png")));
        QVERIFY(!QFile::exists(dir + QStringLiteral("/tl.weird")));
        scripted->answer(QStringLiteral("save"), QVariant());
        dlg->SaveChart(); // cancelled: nothing
        QVERIFY(!PageModified);

        QApplication::clipboard()->clear();
        dlg->CopyChart();
        QString temp = paths().TempFolder;
        if (temp.isEmpty())
            temp = QDir::tempPath() + QLatin1Char('/');
        QVERIFY(QFile::exists(temp + QStringLiteral("Temp.bmp")));
        QCOMPARE(QApplication::clipboard()->image().size(), dlg->TimeLine->size());

        dlg->PrintChart();
        QVERIFY(scripted->asked.contains(QStringLiteral("message: Not available yet!")));
    }

    void optionsDialog()
    {
        ScriptedDialogsScope scripted;
        dlg->loadContent(fiveEvents().toUtf8(), QString());
        TTimeBar *t = dlg->TimeLine;
        TTimeBarIndicator ind = t->Indicator(3);
        ind.AnnotationColor = ind.Color = ind.ColorTo = QColor(Qt::magenta);
        t->SetIndicator(3, ind);

        TTimeLineOptionsDlg options(t);
        QCOMPARE(options.windowTitle(), QStringLiteral("Timeline Options"));
        QCOMPARE(options.BkColor->Color(), QColor(0x00, 0x4E, 0x98));
        QCOMPARE(options.IndicatorColor->Color(), QColor(0xFF, 0xD9, 0xAA));
        QVERIFY(options.isRoundCorners->isChecked());
        QCOMPARE(options.AnnotationFont->text(),
                 TTimeLineOptionsDlg::FontDescription(t->TimeLineBar().AnnotationFont));

        // A new default colour: events in the old default follow, others keep theirs.
        scripted->answer(QStringLiteral("color"), QColor(Qt::cyan));
        QVERIFY(options.IndicatorColor->ChooseColor());
        QCOMPARE(t->DefaultIndicator().AnnotationColor, QColor(Qt::cyan));
        QCOMPARE(t->Indicator(0).AnnotationColor, QColor(Qt::cyan));
        QCOMPARE(t->Indicator(0).Color, QColor(Qt::cyan));
        QCOMPARE(t->Indicator(3).AnnotationColor, QColor(Qt::magenta));
        scripted->answer(QStringLiteral("color"), QColor(Qt::darkRed));
        QVERIFY(options.BkColorTo->ChooseColor());
        QCOMPARE(t->Fill().ColorTo, QColor(Qt::darkRed));
        options.isRoundCorners->setChecked(false);
        QVERIFY(!t->DefaultIndicator().AnnotationRounded);
        for (int i = 0; i < t->IndicatorCount(); ++i)
            QVERIFY(!t->Indicator(i).AnnotationRounded);

        QFont big(QStringLiteral("DejaVu Sans"), 14);
        big.setBold(true);
        scripted->answer(QStringLiteral("font"), big);
        options.TimeLineFontClick();
        QCOMPARE(t->RangeAppearance().DivisionFont, big);
        QCOMPARE(t->RangeAppearance().SubDivisionFont, big);
        QCOMPARE(options.TimeLineFont->text(), QStringLiteral(" DejaVu Sans Bold 14"));
        QFont notes(QStringLiteral("DejaVu Serif"), 11);
        notes.setItalic(true);
        scripted->answer(QStringLiteral("font"), notes);
        const int boxBefore = t->BoxHeight();
        options.AnnotationFontClick();
        QCOMPARE(t->TimeLineBar().AnnotationFont, notes);
        QVERIFY(t->BoxHeight() > boxBefore);
        QCOMPARE(options.AnnotationFont->text(), QStringLiteral(" DejaVu Serif Italic 11"));
        scripted->answer(QStringLiteral("font"), QVariant());
        options.AnnotationFontClick(); // cancelled
        QCOMPARE(t->TimeLineBar().AnnotationFont, notes);
        // The sample panel opens the dialog as its button does.
        QFont small(QStringLiteral("DejaVu Sans"), 7);
        scripted->answer(QStringLiteral("font"), small);
        sendMouse(options.AnnotationFont, QEvent::MouseButtonRelease, QPoint(2, 2), Qt::LeftButton,
                  Qt::NoButton);
        QCOMPARE(t->TimeLineBar().AnnotationFont, small);

        // From the viewer: modal, then the page is modified.
        PageModified = false;
        QTimer::singleShot(0, dlg.get(), [this] {
            QVERIFY(dlg->OptionsDialog);
            dlg->OptionsDialog->CloseBtn->click();
        });
        dlg->ShowOptions();
        QVERIFY(PageModified);
        QVERIFY(!dlg->OptionsDialog);
    }

    void pageContent()
    {
        ScriptedDialogsScope scripted;
        QVERIFY(dlg->saveExtensions().contains(QStringLiteral("gif")));
        QVERIFY(dlg->saveExtensions().contains(QStringLiteral("txt")));
        dlg->loadContent(fiveEvents().toUtf8(), QStringLiteral("info"));
        QVERIFY(!PageModified);
        QVERIFY(dlg->LoadProblems.isEmpty());
        QCOMPARE(dlg->TimeLine->IndicatorCount(), 5);
        // Selected and highlighted: stored in its own colour.
        dlg->IndicatorClick(1);
        const QByteArray saved = dlg->saveContent();
        QVERIFY(!saved.contains(QByteArray::number(0x984E00)));
        TTimeLineDlg other;
        other.setLocale(QLocale::c());
        other.loadContent(saved, QString());
        QCOMPARE(other.saveContent(), [&] {
            dlg->ClickFlag = false;
            dlg->Timer1Timer();
            return dlg->saveContent();
        }());
        QVERIFY(!PageModified);

        // Not a timeline at all: refused; an empty page is an empty timeline.
        QVERIFY_THROWS_EXCEPTION(TessaryError, dlg->loadContent("hello\nworld", QString()));
        dlg->loadContent(QByteArray(), QString());
        QCOMPARE(dlg->TimeLine->IndicatorCount(), 0);

        // A bad line: named, the rest loads, and a shown viewer says so.
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        QByteArray bad = fiveEvents().toUtf8();
        bad.replace("15 Jul 2020", "15 Jux 2020");
        dlg->loadContent(bad, QString());
        QCOMPARE(dlg->TimeLine->IndicatorCount(), 4);
        QCOMPARE(dlg->LoadProblems.size(), 1);
        QCOMPARE(dlg->LoadProblems[0].Line, 13);
        QVERIFY(scripted->asked.join('\n').contains(QLatin1String("Line 13:")));
        QVERIFY(!PageModified);

        dlg->clearContent();
        QCOMPARE(dlg->TimeLine->IndicatorCount(), 0);
        QVERIFY(dlg->Descriptions.isEmpty());
    }

    void filesAndRendering()
    {
        const QString dir = testTempDir();
        dlg->loadContent(fiveEvents().toUtf8(), QString());
        dlg->saveToFile(dir + QStringLiteral("/t.txt"));
        dlg->saveToFile(dir + QStringLiteral("/t.jpg"));
        dlg->saveToFile(dir + QStringLiteral("/t.bmp"));
        QCOMPARE(QImage(dir + QStringLiteral("/t.jpg")).size(), dlg->TimeLine->size());
        QVERIFY_THROWS_EXCEPTION(TessaryError, dlg->saveToFile(dir + QStringLiteral("/t.doc")));

        TTimeLineDlg other;
        other.setLocale(QLocale::c());
        other.loadFile(dir + QStringLiteral("/t.txt"));
        QCOMPARE(other.TimeLine->IndicatorCount(), 5);
        QCOMPARE(other.saveContent(), dlg->saveContent());
        QVERIFY_THROWS_EXCEPTION(TessaryError,
                                 other.loadFile(dir + QStringLiteral("/missing.txt")));
        QFile junk(dir + QStringLiteral("/junk.txt"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("just some words\r\nand more\r\n");
        junk.close();
        QVERIFY_THROWS_EXCEPTION(TessaryError, other.loadFile(dir + QStringLiteral("/junk.txt")));

        const QSize before = dlg->TimeLine->size();
        const QImage image = dlg->renderImage(QSize(700, 350));
        QCOMPARE(image.size(), QSize(700, 350));
        QCOMPARE(dlg->TimeLine->size(), before);
        // Drawn: more than the background.
        QSet<QRgb> colours;
        for (int y = 0; y < 350; y += 5)
            for (int x = 0; x < 700; x += 5)
                colours.insert(image.pixel(x, y));
        QVERIFY(colours.size() > 20);
    }

    void storeKeepsTheTimeline()
    {
        FakeStoreHost host;
        TDM dm(&host, std::make_unique<SqliteEngine>());
        dm.registerEditor(EditorSlot::Timeline, dlg.get());
        dm.DBCreate(testTempDir() + QStringLiteral("/timeline.sup"));
        const qint32 id = dm.AddRecord(PageKind::Timeline, QStringLiteral("a\tb\tEvents"));
        dlg->loadContent(fiveEvents().toUtf8(), QString());
        dlg->SetPositionMode(2);
        dm.SaveTimeLine(id);
        const QByteArray stored = dlg->saveContent();
        dlg->clearContent();
        QVERIFY(dm.GetTimeLine(id));
        QCOMPARE(dlg->TimeLine->IndicatorCount(), 5);
        QCOMPARE(dlg->saveContent(), stored);
        // The layout comes from the pressed button.
        QCOMPARE(dlg->PositionMode, 2);
        QCOMPARE(dlg->TimeLine->Indicator(0).AnnotationPosition, apAtBottom);
        // A missing page empties the timeline.
        QVERIFY(!dm.GetTimeLine(id + 100));
        QCOMPARE(dlg->TimeLine->IndicatorCount(), 0);
    }
};

int runTimeLineDlgTests(int argc, char **argv)
{
    TestTimeLineDlg t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_timelinedlg.moc"
