// Timeline figures: reading and drawing a timeline of many events, the
// annotation layout, the frame time while scrolling and during the animated
// zoom. Times are medians (and maxima for frames) in milliseconds of the
// thread's processor time, which stays meaningful on a busy machine; the
// wall-clock time follows in brackets.
//
//   bench_timeline [--events N] [--pictures DIR]
//     --events    number of events of the large timeline (default 5000)
//     --pictures  also write the sample timeline (a few dozen events over
//                 several years) as PNG at two zoom levels, and the large one
#include "platform/HeapTuning.h"
#include "platform/timebar/TTimeBar.h"
#include "timeline/TTimeLineDlg.h"
#include "timeline/TTimeLineOptionsDlg.h"
#include "timeline/TimeLineText.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTextStream>
#include <algorithm>
#ifdef Q_OS_UNIX
#include <time.h>
#endif

namespace {

QTextStream out(stdout);

// Processor time of this thread, in milliseconds (wall-clock where not available).
double cpuMs()
{
#ifdef Q_OS_UNIX
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
#else
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.nsecsElapsed() / 1e6;
#endif
}

// Both clocks at once.
struct Stopwatch
{
    QElapsedTimer wall;
    double cpu0 = 0;
    void restart()
    {
        wall.restart();
        cpu0 = cpuMs();
    }
    double cpu() const { return cpuMs() - cpu0; }
    double wallMs() const { return wall.nsecsElapsed() / 1e6; }
    QString text() const
    {
        return QStringLiteral("%1 ms (%2 ms wall)").arg(cpu(), 0, 'f', 2).arg(wallMs(), 0, 'f', 2);
    }
};

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

// A large timeline: events spread over ten years, in clusters as real data is.
QString largeTimeline(int count)
{
    QRandomGenerator gen(20240611);
    const QDateTime start(QDate(2014, 1, 1), QTime(0, 0), Qt::UTC);
    const qint64 span = start.msecsTo(start.addYears(10));
    TimeLineDocument doc;
    doc.MinimumRange = start;
    doc.MaximumRange = start.addYears(10);
    doc.RangeFrom = start;
    doc.RangeTo = start.addYears(10);
    const QStringList words = {"Survey",  "Interview", "Coding",   "Report",    "Review",
                               "Release", "Meeting",   "Workshop", "Fieldwork", "Analysis"};
    for (int i = 0; i < count; ++i) {
        const qint64 cluster = qint64(gen.bounded(200)) * (span / 200);
        const qint64 offset = qint64(gen.generateDouble() * double(span / 150));
        TimeLineEvent e;
        e.Position = start.addMSecs(qMin(span - 1, cluster + offset));
        e.Position = QDateTime(e.Position.date(), QTime(e.Position.time().hour(), 0), Qt::UTC);
        e.Annotation = QStringLiteral("%1 %2").arg(words[i % words.size()]).arg(i);
        e.Hint = QStringLiteral("Event %1 of the large timeline").arg(i);
        e.Description = QStringLiteral("doc%1\tpara\t%2\t2:%3").arg(i).arg(i * 7).arg(i % 97);
        doc.Events.append(e);
    }
    return TimeLineText::Write(doc, QLocale::c());
}

struct SampleEvent
{
    int y, m, d;
    const char *annotation;
    const char *hint;
};

// The sample: a research project over five and a half years.
const SampleEvent kSample[] = {
    {2019, 1, 14, "Project kick-off", "Team assembled, aims agreed"},
    {2019, 2, 4, "Ethics approval", "Approved by the board with minor changes"},
    {2019, 3, 18, "Pilot interviews", "Six pilot interviews in two sites"},
    {2019, 4, 29, "Guide revised", "Interview guide, version 2"},
    {2019, 6, 10, "Fieldwork wave 1", "42 interviews, urban sites"},
    {2019, 9, 2, "Transcription done", "All wave 1 transcripts checked"},
    {2019, 10, 21, "Codebook v1", "First codebook, 58 codes"},
    {2019, 12, 9, "Steering meeting", "Progress review with funders"},
    {2020, 1, 27, "Coding round 1", "Two coders, double coding of 20 %"},
    {2020, 3, 16, "Lockdown", "Fieldwork suspended"},
    {2020, 4, 20, "Remote protocol", "Interviews move to video calls"},
    {2020, 6, 1, "Fieldwork wave 2", "31 remote interviews"},
    {2020, 9, 14, "Interim report", "Submitted to funders"},
    {2020, 11, 2, "Agreement check", "Kappa 0.81 across coders"},
    {2021, 1, 18, "Codebook v2", "Merged and split codes, 64 codes"},
    {2021, 3, 8, "Survey design", "Questionnaire drafted from themes"},
    {2021, 4, 26, "Survey pilot", "120 respondents"},
    {2021, 6, 7, "Survey launch", "Online panel, 2,400 invitations"},
    {2021, 8, 30, "Survey closed", "1,312 complete responses"},
    {2021, 10, 11, "Crosstabs", "First tables by region and age"},
    {2021, 12, 6, "Conference talk", "Early findings presented"},
    {2022, 2, 14, "Mixed-methods model", "Themes linked to survey scales"},
    {2022, 4, 4, "Fieldwork wave 3", "Follow-up interviews, 25 cases"},
    {2022, 6, 20, "Word clouds", "Term frequencies by group"},
    {2022, 9, 5, "Paper 1 submitted", "Journal of Field Studies"},
    {2022, 11, 28, "Reviews received", "Major revision"},
    {2023, 1, 16, "Paper 1 revised", "Responses to four reviewers"},
    {2023, 3, 27, "Paper 1 accepted", "Published online in May"},
    {2023, 5, 22, "Workshop", "Results discussed with practitioners"},
    {2023, 8, 14, "Data archived", "Anonymised transcripts deposited"},
    {2023, 10, 9, "Paper 2 submitted", "Comparative article"},
    {2024, 1, 22, "Final survey wave", "Panel follow-up"},
    {2024, 3, 11, "Paper 2 accepted", "Special issue"},
    {2024, 5, 6, "Final report", "Delivered to funders"},
    {2024, 6, 17, "Closing event", "Public presentation"},
};

void writePictures(const QString &dir)
{
    QDir().mkpath(dir);
    TimeLineDocument doc;
    const QDateTime first(QDate(2018, 11, 1), QTime(0, 0), Qt::UTC);
    const QDateTime last(QDate(2024, 9, 1), QTime(0, 0), Qt::UTC);
    doc.MinimumRange = first;
    doc.MaximumRange = last;
    doc.RangeFrom = first;
    doc.RangeTo = last;
    for (const SampleEvent &s : kSample) {
        TimeLineEvent e;
        e.Position = QDateTime(QDate(s.y, s.m, s.d), QTime(0, 0), Qt::UTC);
        e.Annotation = QString::fromUtf8(s.annotation);
        e.Hint = QString::fromUtf8(s.hint);
        doc.Events.append(e);
    }
    const QString text = TimeLineText::Write(doc, QLocale::c());
    {
        QFile f(dir + QStringLiteral("/sample-timeline.txt"));
        if (f.open(QIODevice::WriteOnly))
            f.write(text.toUtf8());
    }
    TTimeLineDlg dlg;
    dlg.resize(1200, 520);
    dlg.loadContent(text.toUtf8(), QString());
    const QSize size(1200, 480);
    dlg.renderImage(size).save(dir + QStringLiteral("/sample-overview.png"));
    // Two years in view, from the start of 2020.
    dlg.TimeLine->SetRange(QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC),
                           QDateTime(QDate(2022, 1, 1), QTime(0, 0), Qt::UTC));
    dlg.AdjustScale();
    dlg.renderImage(size).save(dir + QStringLiteral("/sample-zoomed.png"));
    dlg.TimeLine->SetRange(QDateTime(QDate(2021, 5, 20), QTime(0, 0), Qt::UTC),
                           QDateTime(QDate(2021, 9, 10), QTime(0, 0), Qt::UTC));
    dlg.AdjustScale();
    dlg.renderImage(size).save(dir + QStringLiteral("/sample-months.png"));
    dlg.SetPositionMode(0);
    dlg.TimeLine->SetRange(first, last);
    dlg.AdjustScale();
    dlg.renderImage(size).save(dir + QStringLiteral("/sample-above.png"));
    out << "pictures written to " << dir << "\n";
}

} // namespace

int main(int argc, char **argv)
{
    HeapTuning::keepPictureBuffersInHeap();
    QApplication app(argc, argv);
    int count = 5000;
    QString pictures;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QLatin1String("--events") && i + 1 < argc)
            count = QString::fromLocal8Bit(argv[++i]).toInt();
        else if (a == QLatin1String("--pictures") && i + 1 < argc)
            pictures = QString::fromLocal8Bit(argv[++i]);
    }
    if (!pictures.isEmpty())
        writePictures(pictures);

    const QString text = largeTimeline(count);
    Stopwatch clock;
    TTimeLineDlg dlg;
    dlg.setLocale(QLocale::c());
    dlg.resize(1400, 760);
    const QSize size(1400, 700);
    dlg.TimeLine->resize(size);

    clock.restart();
    dlg.loadContent(text.toUtf8(), QString());
    const QString openMs = clock.text();

    QImage frame(size, QImage::Format_RGB32);
    auto draw = [&] {
        QPainter p(&frame);
        dlg.TimeLine->PaintTo(p);
    };
    clock.restart();
    draw();
    const QString firstDrawMs = clock.text();

    out << "events: " << dlg.TimeLine->IndicatorCount() << ", control " << size.width() << "x"
        << size.height() << "\n";
    out << "open (read text, build events, sort, layout " << dlg.PositionMode << "): " << openMs
        << "\n";
    out << "first draw, whole range: " << firstDrawMs << "\n";

    // Annotation layout from scratch at several zoom levels.
    const qint64 min = dlg.TimeLine->MinimumMSecs();
    for (int days : {3650, 365, 30}) {
        QVector<double> times;
        for (int r = 0; r < 7; ++r) {
            dlg.TimeLine->SetRangeMSecs(min, min + qint64(days) * 86400000 + r); // new span
            dlg.TimeLine->EnsureLayout();
            times.append(dlg.TimeLine->LastLayoutMSecs());
        }
        out << "annotation layout, " << days << " days in view: " << median(times) << " ms\n";
    }

    // Scrolling: the span stays, the view moves 3 pixels per frame.
    for (int days : {3650 / 4, 365, 30}) {
        dlg.TimeLine->SetRangeMSecs(min, min + qint64(days) * 86400000);
        dlg.AdjustScale();
        draw();
        const double perPx = double(days) * 86400000 / dlg.TimeLine->BarRect().width();
        QVector<double> times, walls;
        for (int f = 0; f < 300; ++f) {
            clock.restart();
            dlg.TimeLine->SetRangeMSecs(min + qint64(f * 3 * perPx),
                                        min + qint64(f * 3 * perPx) + qint64(days) * 86400000);
            draw();
            times.append(clock.cpu());
            walls.append(clock.wallMs());
        }
        out << "scroll frame, " << days << " days in view: median " << median(times) << " ms, max "
            << *std::max_element(times.cbegin(), times.cend()) << " ms (median " << median(walls)
            << " ms wall)\n";
    }

    // Zoom animation: every step changes the span, so each frame lays out again.
    dlg.TimeLine->SetRangeMSecs(min, min + qint64(3650) * 86400000);
    QVector<double> zoom, zoomWall;
    for (int step = 0; step < 40; ++step) {
        clock.restart();
        const qint64 from = dlg.TimeLine->FromMSecs();
        const qint64 span = dlg.TimeLine->ToMSecs() - from;
        dlg.TimeLine->SetRangeMSecs(from, from + qint64(span * 0.95));
        draw();
        zoom.append(clock.cpu());
        zoomWall.append(clock.wallMs());
    }
    out << "zoom frame (layout and draw): median " << median(zoom) << " ms, max "
        << *std::max_element(zoom.cbegin(), zoom.cend()) << " ms (median " << median(zoomWall)
        << " ms wall)\n";

    clock.restart();
    const QByteArray saved = dlg.saveContent();
    out << "write text: " << clock.text() << ", " << saved.size() << " bytes\n";
    return 0;
}
