// The timeline text: records, colours, dates under several locales, the
// description tab rule, per-line errors and the round trip through a time bar.
#include "TimelineTestData.h"

#include "platform/TessaryError.h"
#include "platform/timebar/BgrColor.h"
#include "platform/timebar/TTimeBar.h"
#include "tests/support/TestReport.h"
#include "timeline/TTimeLineOptionsDlg.h"
#include "timeline/TimeLineColors.h"
#include "timeline/TimeLineDates.h"
#include "timeline/TimeLineText.h"

#include <QFile>
#include <QtTest>

namespace {

const QLocale kUK(QLocale::English, QLocale::UnitedKingdom); // dd/MM/yyyy
const QLocale kUS(QLocale::English, QLocale::UnitedStates);  // M/d/yy, written M/d/yyyy

QString problemsText(const TimeLineDocument &doc)
{
    QStringList all;
    for (const TimeLineProblem &p : doc.Problems)
        all << QStringLiteral("%1: %2").arg(p.Line).arg(p.Message);
    return all.join(QLatin1Char('\n'));
}

} // namespace

class TestTimeLineText : public QObject
{
    Q_OBJECT
private slots:
    void writesRecordsInOrder()
    {
        TimeLineDocument doc;
        doc.BackColor = 0x984E00;
        doc.BackColorTo = 0xFFFFFF;
        doc.BarColor = 0xC0C0C0;
        doc.BarColorTo = 0x00FF0000;
        doc.IndicatorColor = 0xAAD9FF;
        doc.IndicatorRounded = false;
        doc.TimelineFont = QStringLiteral(" Arial Bold 10");
        doc.EventFont = QStringLiteral(" Tahoma 8");
        doc.ImageWidth = 24;
        doc.ImageHeight = 20;
        doc.MinimumRange = at(2020, 1, 1);
        doc.MaximumRange = at(2021, 12, 31, 18, 30, 15);
        doc.RangeFrom = at(2020, 6, 1);
        doc.RangeTo = at(2020, 12, 1);
        TimeLineEvent e;
        e.Annotation = QStringLiteral("Start");
        e.Hint = QStringLiteral("The start");
        e.Position = at(2020, 3, 4, 13, 5, 7);
        e.Description = QStringLiteral("d1\tp2\tx\t2:14");
        e.ImageIndex = 3;
        e.AnnotationColor = 0x123456;
        doc.Events << e;

        const QString text = TimeLineText::Write(doc, kUK);
        QVERIFY(text.endsWith(QLatin1String("\r\n")));
        QCOMPARE(text.count(QLatin1String("\r\n")), 9);
        const QStringList lines = textLines(text);
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[0], QStringLiteral("BackGround\t$00984E00\tclWhite"));
        QCOMPARE(lines[1], QStringLiteral("LineBar\tclSilver\tclBlue"));
        QCOMPARE(lines[2], QStringLiteral("Indicator\t$00AAD9FF\tFalse"));
        QCOMPARE(lines[3], QStringLiteral("Timeline Font\t Arial Bold 10"));
        QCOMPARE(lines[4], QStringLiteral("Event font\t Tahoma 8"));
        QCOMPARE(lines[5], QStringLiteral("Image\t24\t20"));
        // Midnight is written as a date alone, other times with the long time.
        QCOMPARE(lines[6], QStringLiteral("Max Range\t01/01/2020\t31/12/2021 18:30:15"));
        QCOMPARE(lines[7], QStringLiteral("Range\t01/06/2020\t01/12/2020"));
        QCOMPARE(
            lines[8],
            QStringLiteral("Event\tStart\tThe start\t04/03/2020 13:05:07\td1\bp2\bx\b2:14\t3\t%1")
                .arg(0x123456));
    }

    void descriptionsKeepTheirTabs()
    {
        TTimeBar bar;
        QStringList descriptions = {QStringLiteral("a\tb"),
                                    QStringLiteral("line one\nline two\t!")};
        TTimeBarIndicator ind = bar.DefaultIndicator();
        ind.Position = at(2021, 5, 1);
        ind.Tag = 0;
        bar.AddIndicator(ind);
        ind.Tag = 1;
        ind.Annotation = QStringLiteral("Tab\tin annotation");
        bar.AddIndicator(ind);
        QString text;
        TTimeLineOptionsDlg::SaveTimeLineToString(bar, descriptions, text, kUK);
        const QStringList lines = textLines(text);
        // "a" TAB "b" is stored as "a", a backspace and "b" in field 5.
        QCOMPARE(TimeLineText::Field(lines[8], 5), QStringLiteral("a\bb"));
        QCOMPARE(TimeLineText::Field(lines[8], 1), QStringLiteral("Event"));
        // A line break stays inside its record; the annotation loses its tab.
        QCOMPARE(lines.size(), 10);
        QCOMPARE(TimeLineText::Field(lines[9], 2), QStringLiteral("Tab in annotation"));

        TTimeBar back;
        QStringList read;
        const TimeLineDocument doc =
            TTimeLineOptionsDlg::LoadTimeLinefromString(back, read, text, kUK);
        QVERIFY2(doc.Problems.isEmpty(), qPrintable(problemsText(doc)));
        QCOMPARE(read, descriptions);
        QCOMPARE(back.Indicator(0).Tag, 0);
        QCOMPARE(back.Indicator(1).Tag, 1);
    }

    void fieldsAndColours()
    {
        QCOMPARE(TimeLineText::Field(QStringLiteral("a\tb\tc"), 1), QStringLiteral("a"));
        QCOMPARE(TimeLineText::Field(QStringLiteral("a\tb\tc"), 3), QStringLiteral("c"));
        QCOMPARE(TimeLineText::Field(QStringLiteral("a\tb\tc"), 4), QString());
        QCOMPARE(TimeLineText::Field(QStringLiteral("a\t\tc"), 2), QString());
        QCOMPARE(TimeLineText::Field(QStringLiteral("Range\t1"), 3), QString());

        QCOMPARE(TimeLineColors::ColorToName(0xFFFFFF), QStringLiteral("clWhite"));
        QCOMPARE(TimeLineColors::ColorToName(0xC0C0C0), QStringLiteral("clSilver"));
        QCOMPARE(TimeLineColors::ColorToName(0x000000), QStringLiteral("clBlack"));
        QCOMPARE(TimeLineColors::ColorToName(0x984E00), QStringLiteral("$00984E00"));
        QCOMPARE(TimeLineColors::ColorToName(0x1FFFFFFF), QStringLiteral("clNone"));
        quint32 v = 0;
        QVERIFY(TimeLineColors::NameToColor(QStringLiteral("clSilver"), &v));
        QCOMPARE(v, 0xC0C0C0u);
        QVERIFY(TimeLineColors::NameToColor(QStringLiteral("CLWHITE"), &v));
        QCOMPARE(v, 0xFFFFFFu);
        QVERIFY(TimeLineColors::NameToColor(QStringLiteral("$00984E00"), &v));
        QCOMPARE(v, 0x984E00u);
        QVERIFY(TimeLineColors::NameToColor(QStringLiteral("11196927"), &v));
        QCOMPARE(v, 0xAAD9FFu);
        QVERIFY(TimeLineColors::NameToColor(QStringLiteral(" 255 "), &v));
        QCOMPARE(v, 0xFFu);
        for (const char *bad : {"", "purple", "$", "$xyz", "12a", "99999999999"})
            QVERIFY2(!TimeLineColors::NameToColor(QString::fromLatin1(bad), &v), bad);

        QCOMPARE(BgrColor::toColor(0x984E00), QColor(0x00, 0x4E, 0x98));
        QCOMPARE(BgrColor::fromColor(QColor(0xFF, 0xD9, 0xAA)), 0xAAD9FFu);
        QVERIFY(!BgrColor::toColor(BgrColor::None).isValid());
    }

    void recordsInAnyOrderAndOneTabRange()
    {
        // An event before the ranges; a Range line with only one tab sets
        // RangeFrom and is reported for its missing end; the rest loads.
        const QString text = QStringLiteral("Event\tFirst\th1\t2021-03-01\tdesc one\t0\t\r\n"
                                            "Max Range\t2021-01-01\t2021-12-31\r\n"
                                            "Range\t2021-02-01\r\n"
                                            "Event\tSecond\th2\t2021-02-15 10:30\tdesc two\t0\t\r\n"
                                            "BackGround\tclRed\tclYellow\r\n");
        TTimeBar bar;
        bar.SetRange(at(2021, 1, 1), at(2021, 1, 11)); // a ten-day view before loading
        QStringList descriptions = {QStringLiteral("old")};
        const TimeLineDocument doc =
            TTimeLineOptionsDlg::LoadTimeLinefromString(bar, descriptions, text, kUK);
        QCOMPARE(doc.Problems.size(), 1);
        QCOMPARE(doc.Problems[0].Line, 3);
        QVERIFY(doc.Problems[0].Message.startsWith(QLatin1String("Line 3:")));
        QVERIFY(doc.Problems[0].Message.contains(QLatin1String("end of the visible range")));
        QCOMPARE(bar.RangeFrom(), at(2021, 2, 1));
        QCOMPARE(bar.RangeTo(), at(2021, 2, 11)); // the span shown before
        QCOMPARE(bar.MinimumRange(), at(2021, 1, 1));
        QCOMPARE(bar.MaximumRange(), at(2021, 12, 31));
        QCOMPARE(bar.IndicatorCount(), 2);
        QCOMPARE(bar.Indicator(0).Annotation, QStringLiteral("First"));
        QCOMPARE(bar.Indicator(1).Annotation, QStringLiteral("Second"));
        QCOMPARE(bar.Indicator(1).Position, at(2021, 2, 15, 10, 30));
        QCOMPARE(bar.Indicator(0).Tag, 0);
        QCOMPARE(bar.Indicator(1).Tag, 1);
        QCOMPARE(descriptions, (QStringList{"desc one", "desc two"}));
        QCOMPARE(bar.Fill().Color, QColor(Qt::red));
        QCOMPARE(bar.Fill().ColorTo, QColor(Qt::yellow));
    }

    void localeMismatchIsReportedPerLine()
    {
        // Written with day/month/year, read where month/day/year is the rule.
        TimeLineDocument doc;
        doc.MinimumRange = at(2021, 1, 1);
        doc.MaximumRange = at(2021, 12, 31);
        for (const QDateTime &t : {at(2021, 12, 25), at(2021, 4, 3), at(2021, 7, 7, 9, 15)}) {
            TimeLineEvent e;
            e.Annotation = t.toString(Qt::ISODate);
            e.Position = t;
            doc.Events << e;
        }
        const QString text = TimeLineText::Write(doc, kUK);
        QVERIFY(text.contains(QLatin1String("25/12/2021")));
        const TimeLineDocument read = TimeLineText::Read(text, kUS);

        // 31/12/2021 (lines 7 and 8, the ends of the ranges) and 25/12/2021
        // (line 9) are no dates here: named, not read.
        // 03/04/2021 (line 10) reads as 4 March here: named with both readings.
        // 07/07/2021 (line 11) reads the same either way: no message.
        QStringList byLine;
        for (const TimeLineProblem &p : read.Problems)
            byLine << QString::number(p.Line);
        QCOMPARE(byLine, (QStringList{"7", "8", "9", "10"}));
        QVERIFY(read.Problems[0].Message.contains(QLatin1String("end of the total range")));
        const QString line9 = read.Problems[2].Message;
        QVERIFY2(line9.startsWith(QLatin1String("Line 9:")), qPrintable(line9));
        QVERIFY2(line9.contains(QLatin1String("\"25/12/2021\"")), qPrintable(line9));
        QVERIFY2(line9.contains(QLatin1String("other date settings")), qPrintable(line9));
        QVERIFY2(line9.contains(QLatin1String("M/d/yyyy")), qPrintable(line9));
        const QString line10 = read.Problems[3].Message;
        QVERIFY2(line10.contains(QLatin1String("2021-03-04")) &&
                     line10.contains(QLatin1String("2021-04-03")),
                 qPrintable(line10));
        QCOMPARE(read.Events.size(), 2);
        QCOMPARE(read.Events[1].Position, at(2021, 7, 7, 9, 15));

        // The same text under the settings it was written with reads cleanly.
        const TimeLineDocument same = TimeLineText::Read(text, kUK);
        QVERIFY2(same.Problems.isEmpty(), qPrintable(problemsText(same)));
        QCOMPARE(same.Events.size(), 3);
        QCOMPARE(same.Events[1].Position, at(2021, 4, 3));
    }

    void isoDatesReadEverywhere()
    {
        const QString text = QStringLiteral("Max Range\t2019-01-01\t2024-12-31\r\n"
                                            "Range\t2020-01-01T00:00:00\t2021-06-30T12:00:00Z\r\n"
                                            "Event\tA\t\t2020-03-04T13:05:07\t\t0\t\r\n"
                                            "Event\tB\t\t2020-03-04 13:05\t\t0\t\r\n"
                                            "Event\tC\t\t2020-03-04T13:05:07.250+02:00\t\t0\t\r\n");
        for (const QLocale &l : {QLocale::c(), kUK, kUS, QLocale(QLocale::German, QLocale::Germany),
                                 QLocale(QLocale::Japanese, QLocale::Japan)}) {
            const TimeLineDocument doc = TimeLineText::Read(text, l);
            QVERIFY2(doc.Problems.isEmpty(), qPrintable(l.name() + ": " + problemsText(doc)));
            QCOMPARE(*doc.MinimumRange, at(2019, 1, 1));
            QCOMPARE(*doc.RangeTo, at(2021, 6, 30, 12));
            QCOMPARE(doc.Events.size(), 3);
            QCOMPARE(doc.Events[0].Position, at(2020, 3, 4, 13, 5, 7));
            QCOMPARE(doc.Events[1].Position, at(2020, 3, 4, 13, 5));
            QCOMPARE(doc.Events[2].Position, at(2020, 3, 4, 13, 5, 7).addMSecs(250));
        }
        QVERIFY(!TimeLineDates::ParseIso(QStringLiteral("2021-02-30")).isValid());
        QVERIFY(!TimeLineDates::ParseIso(QStringLiteral("2021-02-01T25:00")).isValid());
    }

    void localeDatesRoundTrip()
    {
        const QList<QDateTime> times = {at(1999, 12, 31), at(2000, 1, 1, 0, 0, 1),
                                        at(2021, 3, 4, 13, 5, 7), at(2024, 2, 29, 23, 59, 59),
                                        at(1850, 7, 14, 6, 0)};
        for (const QLocale &l :
             {QLocale::c(), kUK, kUS, QLocale(QLocale::German, QLocale::Germany),
              QLocale(QLocale::French, QLocale::France), QLocale(QLocale::Polish, QLocale::Poland),
              QLocale(QLocale::Spanish, QLocale::Spain),
              QLocale(QLocale::Japanese, QLocale::Japan)}) {
            const TimeLineDates dates(l);
            for (const QDateTime &t : times) {
                const QString s = dates.Format(t);
                QCOMPARE(dates.Parse(s), t);
            }
        }
        // US settings write four-digit years; text in their own two-digit form
        // still reads, 00-49 in this century.
        const TimeLineDates us(kUS);
        QCOMPARE(us.Format(at(2021, 3, 4)), QStringLiteral("3/4/2021"));
        QCOMPARE(us.Parse(QStringLiteral("3/4/21")), at(2021, 3, 4));
        QCOMPARE(us.Parse(QStringLiteral("3/4/87 1:05:07 PM")), at(1987, 3, 4, 13, 5, 7));
        QVERIFY(!us.Parse(QStringLiteral("13/4/2021")).isValid());
        QVERIFY(!us.Parse(QString()).isValid());
        QCOMPARE(TimeLineDates(QLocale::c()).Parse(QStringLiteral("4 mar 2021")), at(2021, 3, 4));
    }

    void malformedLinesAreNamed()
    {
        const QString text = QStringLiteral("BackGround\tpurple\tclWhite\r\n"        // 1 bad colour
                                            "Event\tGood 1\t\t2021-05-01\t\t0\t\r\n" // 2
                                            "Event\tNo date\r\n" // 3 missing date
                                            "Event\tBad date\t\t2021-13-45\t\t0\t\r\n" // 4
                                            "Weird\tstuff\r\n"                         // 5 unknown
                                            "\r\n" // 6 empty: fine
                                            "Event\tBad colour\t\t2021-05-03\t\t0\tpink\r\n" // 7
                                            "LineBar\tclRed\r\n" // 8 second colour
                                            "Event\tGood 2\t\t2021-05-02\t\t7\t255\r\n"); // 9
        TTimeBar bar;
        const QColor before = bar.Fill().Color;
        QStringList descriptions;
        const TimeLineDocument doc =
            TTimeLineOptionsDlg::LoadTimeLinefromString(bar, descriptions, text, QLocale::c());
        QStringList lines;
        for (const TimeLineProblem &p : doc.Problems) {
            lines << QString::number(p.Line);
            QVERIFY2(p.Message.startsWith(QStringLiteral("Line %1:").arg(p.Line)),
                     qPrintable(p.Message));
        }
        QCOMPARE(lines, (QStringList{"1", "3", "4", "5", "7", "8"}));
        QCOMPARE(bar.Fill().Color, before); // the bad BackGround line changed nothing
        QCOMPARE(bar.TimeLineBar().Fill.Color, QColor(Qt::red)); // set before the failure
        QCOMPARE(bar.IndicatorCount(), 3);
        QCOMPARE(bar.Indicator(0).Annotation, QStringLiteral("Good 1"));
        QCOMPARE(bar.Indicator(1).Annotation, QStringLiteral("Bad colour"));
        QCOMPARE(bar.Indicator(1).AnnotationColor, bar.DefaultIndicator().AnnotationColor);
        QCOMPARE(bar.Indicator(2).AnnotationColor, QColor(Qt::red));
        QCOMPARE(bar.Indicator(2).AnnotationImageIndex, 7);
        QCOMPARE(descriptions.size(), 3);
        // Without ranges in the text the total range covers the events.
        QVERIFY(bar.MinimumRange() < at(2021, 5, 1) && bar.MaximumRange() > at(2021, 5, 3));
    }

    void fontAndImageRecordsAreIgnoredAndEmptyTextKeepsTheLook()
    {
        TTimeBar bar;
        TTimeBarFill fill{QColor(1, 2, 3), QColor(4, 5, 6)};
        bar.SetFill(fill);
        bar.SetRangeLimits(at(2000, 1, 1), at(2001, 1, 1));
        bar.SetRange(at(2000, 2, 1), at(2000, 3, 1));
        const QFont dates = bar.RangeAppearance().DivisionFont;
        const QFont notes = bar.TimeLineBar().AnnotationFont;
        bar.AddIndicator();
        QStringList descriptions = {QStringLiteral("x")};

        TimeLineDocument doc = TTimeLineOptionsDlg::LoadTimeLinefromString(
            bar, descriptions,
            QStringLiteral("Timeline Font\t Courier Bold Italic 30\r\nTimeline font\t Arial 5\r\n"
                           "Event font\t Courier 40\r\nImage\t64\t64\r\n"),
            QLocale::c());
        QVERIFY(doc.Problems.isEmpty());
        QCOMPARE(doc.Records, 4);
        QCOMPARE(bar.RangeAppearance().DivisionFont, dates);
        QCOMPARE(bar.TimeLineBar().AnnotationFont, notes);

        doc =
            TTimeLineOptionsDlg::LoadTimeLinefromString(bar, descriptions, QString(), QLocale::c());
        QCOMPARE(doc.Records, 0);
        QCOMPARE(bar.IndicatorCount(), 0);
        QVERIFY(descriptions.isEmpty());
        QCOMPARE(bar.Fill().Color, fill.Color);
        QCOMPARE(bar.Fill().ColorTo, fill.ColorTo);
        QCOMPARE(bar.RangeFrom(), at(2000, 2, 1));
        QCOMPARE(bar.RangeTo(), at(2000, 3, 1));
        QCOMPARE(bar.MinimumRange(), at(2000, 1, 1));
    }

    void timeBarRoundTripsUnderEveryLocale()
    {
        TTimeBar bar;
        bar.SetFill({QColor(0x00, 0x4E, 0x98), QColor(Qt::white)});
        TTimeBarBar b = bar.TimeLineBar();
        b.Fill = {QColor(0x11, 0x22, 0x33), QColor(0xC0, 0xC0, 0xC0)};
        bar.SetTimeLineBar(b);
        TTimeBarIndicator def = bar.DefaultIndicator();
        def.AnnotationColor = QColor(0x10, 0x20, 0x30);
        def.AnnotationRounded = false;
        bar.SetDefaultIndicator(def);
        bar.SetRangeLimits(at(2018, 1, 1), at(2024, 12, 31, 12));
        bar.SetRange(at(2019, 6, 1, 8, 30), at(2020, 6, 1));
        QStringList descriptions;
        for (int i = 0; i < 12; ++i) {
            TTimeBarIndicator ind = bar.DefaultIndicator();
            ind.Annotation = QStringLiteral("Ev %1 – ünïcödé").arg(i);
            ind.Hint = QStringLiteral("Hint %1").arg(i);
            ind.Position = at(2018 + i / 2, 1 + i, 1 + i * 2, i, i * 3, i);
            ind.Tag = i;
            ind.AnnotationImageIndex = i - 1;
            ind.AnnotationColor = i % 3 ? def.AnnotationColor : QColor(200, 100, i);
            bar.AddIndicator(ind);
            descriptions << QStringLiteral("doc %1\tpara\t%2\t2:%1").arg(i).arg(i * 10);
        }
        for (const QLocale &l : {QLocale::c(), kUK, kUS, QLocale(QLocale::German, QLocale::Germany),
                                 QLocale(QLocale::Polish, QLocale::Poland)}) {
            QString text;
            TTimeLineOptionsDlg::SaveTimeLineToString(bar, descriptions, text, l);
            TTimeBar back;
            QStringList read;
            const TimeLineDocument doc =
                TTimeLineOptionsDlg::LoadTimeLinefromString(back, read, text, l);
            QVERIFY2(doc.Problems.isEmpty(), qPrintable(l.name() + ": " + problemsText(doc)));
            QCOMPARE(back.Fill().Color, bar.Fill().Color);
            QCOMPARE(back.Fill().ColorTo, bar.Fill().ColorTo);
            QCOMPARE(back.TimeLineBar().Fill.Color, b.Fill.Color);
            QCOMPARE(back.TimeLineBar().Fill.ColorTo, b.Fill.ColorTo);
            QCOMPARE(back.DefaultIndicator().AnnotationColor, def.AnnotationColor);
            QCOMPARE(back.DefaultIndicator().AnnotationRounded, false);
            QCOMPARE(back.MinimumRange(), bar.MinimumRange());
            QCOMPARE(back.MaximumRange(), bar.MaximumRange());
            QCOMPARE(back.RangeFrom(), bar.RangeFrom());
            QCOMPARE(back.RangeTo(), bar.RangeTo());
            QCOMPARE(back.IndicatorCount(), bar.IndicatorCount());
            for (int i = 0; i < bar.IndicatorCount(); ++i) {
                const TTimeBarIndicator &x = bar.Indicator(i), &y = back.Indicator(i);
                QCOMPARE(y.Annotation, x.Annotation);
                QCOMPARE(y.Hint, x.Hint);
                QCOMPARE(y.Position, x.Position);
                QCOMPARE(y.AnnotationImageIndex, x.AnnotationImageIndex);
                QCOMPARE(y.AnnotationColor, x.AnnotationColor);
                QCOMPARE(read.value(y.Tag), descriptions.value(x.Tag));
            }
            // Written twice, the same text.
            QString again;
            TTimeLineOptionsDlg::SaveTimeLineToString(back, read, again, l);
            QCOMPARE(again, text);
        }
    }

    void filesAndEncodings()
    {
        const QString dir = testTempDir();
        TTimeBar bar;
        TTimeBarIndicator ind = bar.DefaultIndicator();
        ind.Annotation = QStringLiteral("Zürich");
        ind.Position = at(2022, 8, 1);
        bar.AddIndicator(ind);
        const QStringList descriptions = {QStringLiteral("naïve\tdescription")};
        const QString file = dir + QStringLiteral("/t.txt");
        TTimeLineOptionsDlg::SaveTimeLineToFile(bar, descriptions, file, kUK);
        TTimeBar back;
        QStringList read;
        TTimeLineOptionsDlg::LoadTimeLineFromFile(back, read, file, kUK);
        QCOMPARE(back.IndicatorCount(), 1);
        QCOMPARE(back.Indicator(0).Annotation, QStringLiteral("Zürich"));
        QCOMPARE(read, descriptions);

        QVERIFY_THROWS_EXCEPTION(TessaryError,
                                 TTimeLineOptionsDlg::LoadTimeLineFromFile(
                                     back, read, dir + QStringLiteral("/missing.txt")));
        QVERIFY_THROWS_EXCEPTION(TessaryError,
                                 TTimeLineOptionsDlg::SaveTimeLineToFile(
                                     bar, read, dir + QStringLiteral("/no/such/dir/t.txt")));
        // Text from an 8-bit program is read as Latin-1; a byte order mark is skipped.
        QCOMPARE(TimeLineText::Decode(QByteArray("Z\xFCrich")), QStringLiteral("Zürich"));
        QCOMPARE(TimeLineText::Decode(QByteArray("\xEF\xBB\xBFZ\xC3\xBCrich")),
                 QStringLiteral("Zürich"));
    }

    void garbageNeverStopsTheReader()
    {
        // Random bytes and cut lines: reading ends, and what is read is consistent.
        QRandomGenerator gen(7);
        const QByteArray good = QByteArray("Max Range\t2020-01-01\t2021-01-01\r\n"
                                           "Event\tA\tB\t2020-05-05\tx\by\t1\t255\r\n");
        for (int round = 0; round < 200; ++round) {
            QByteArray bytes = good;
            const int cuts = 1 + gen.bounded(6);
            for (int c = 0; c < cuts; ++c) {
                const int pos = gen.bounded(bytes.size() + 1);
                bytes.insert(pos, char(gen.bounded(256)));
            }
            if (round % 3 == 0)
                bytes.truncate(gen.bounded(bytes.size() + 1));
            const TimeLineDocument doc = TimeLineText::Read(TimeLineText::Decode(bytes), kUK);
            QVERIFY(doc.Events.size() <= 1);
            for (const TimeLineProblem &p : doc.Problems)
                QVERIFY(p.Line >= 1 && p.Line <= bytes.count('\n') + bytes.count('\r') + 1);
        }
    }
};

int runTimeLineTextTests(int argc, char **argv)
{
    TestTimeLineText t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_timelinetext.moc"
