// Times the chart engine: loading a chart from its stream and drawing it, and
// the frame time while the view turns, for
//   - 10 line series × 1,000 points (and the same as bars), 1200 × 800,
//   - a 3D cloud of 100,000 points, 1200 × 800.
// Times are medians (and the slowest frame) in milliseconds of the thread's
// CPU time, which other programs on a busy machine do not inflate; the wall
// time of the turning frames is printed beside it. Targets: a 2D frame under
// 16 ms, a cloud frame under 50 ms.
//
//   bench_chart [--frames N] [--samples DIR]
//     --samples  also draw the sample charts into DIR (PNG, 2D and 3D) and
//                write their chart files (.kcx) there
#include "SampleCharts.h"
#include "platform/HeapTuning.h"

#include "platform/chart/ChartExport.h"
#include "platform/chart/TChart.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <vector>

namespace {
QTextStream out(stdout);

// CPU time of this thread in milliseconds.
double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void drawFrame(TChart &chart, QImage &image)
{
    image.fill(Qt::white);
    QPainter p(&image);
    chart.draw(p, image.rect());
}

void timeChart(const QString &name, TChart &source, int frames, bool use3D)
{
    const QByteArray stream = source.saveToStream();
    QImage image(1200, 800, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> load, first, turn, wall;
    TChart chart;
    for (int r = 0; r < 5; ++r) {
        const double t0 = cpuMs();
        chart.loadFromStream(stream);
        const double t1 = cpuMs();
        drawFrame(chart, image);
        load.push_back(t1 - t0);
        first.push_back(cpuMs() - t1);
    }
    chart.setView3D(use3D);
    drawFrame(chart, image);
    for (int f = 0; f < frames; ++f) {
        chart.setRotation(chart.rotation() + 3);
        chart.setElevation(15 + (f % 20));
        QElapsedTimer t;
        t.start();
        const double t0 = cpuMs();
        drawFrame(chart, image);
        turn.push_back(cpuMs() - t0);
        wall.push_back(t.nsecsElapsed() / 1e6);
    }
    out << qSetFieldWidth(34) << Qt::left << name << qSetFieldWidth(0)
        << QStringLiteral("stream %1 KB  load %2 ms  first draw %3 ms  turning frame %4 ms (max "
                          "%5, wall %6)\n")
               .arg(stream.size() / 1024)
               .arg(median(load), 0, 'f', 1)
               .arg(median(first), 0, 'f', 1)
               .arg(median(turn), 0, 'f', 1)
               .arg(*std::max_element(turn.begin(), turn.end()), 0, 'f', 1)
               .arg(median(wall), 0, 'f', 1);
    out.flush();
}

void writeSamples(const QString &dir)
{
    QDir().mkpath(dir);
    TChart chart;
    chart.resize(900, 560);
    auto save = [&](const QString &name) {
        chart.setView3D(false);
        ChartExport::saveByExtension(chart, dir + "/" + name + ".png", QSize(900, 560));
        chart.saveToFile(dir + "/" + name + ".kcx");
        if (!chart.isCloud()) {
            chart.setView3D(true);
            ChartExport::saveByExtension(chart, dir + "/" + name + "-3d.png", QSize(900, 560));
            chart.setView3D(false);
        }
    };
    SampleCharts::barChart(chart);
    save("bar");
    SampleCharts::pieChart(chart);
    save("pie");
    SampleCharts::lineChart(chart);
    save("lines");
    QString info;
    SampleCharts::scatterChart(chart, &info);
    save("scatter");
    QFile infoFile(dir + "/scatter.pageinfo");
    if (infoFile.open(QIODevice::WriteOnly))
        infoFile.write(info.toUtf8());
    SampleCharts::cloudChart(chart, 600);
    save("cloud");
    SampleCharts::cloudChart(chart, 100000);
    ChartExport::saveByExtension(chart, dir + "/cloud-100k.png", QSize(1200, 800));
    out << "samples written to " << dir << "\n";
}
} // namespace

int main(int argc, char **argv)
{
    HeapTuning::keepPictureBuffersInHeap();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    int frames = 60;
    const int fi = int(args.indexOf(QStringLiteral("--frames")));
    if (fi > 0 && fi + 1 < args.size())
        frames = qMax(1, args.at(fi + 1).toInt());
    const int si = int(args.indexOf(QStringLiteral("--samples")));
    if (si > 0 && si + 1 < args.size())
        writeSamples(args.at(si + 1));

    TChart chart;
    SampleCharts::manyLines(chart, 10, 1000, false);
    timeChart(QStringLiteral("10 lines x 1,000 points, 2D"), chart, frames, false);
    timeChart(QStringLiteral("10 lines x 1,000 points, 3D"), chart, frames, true);
    SampleCharts::manyLines(chart, 10, 1000, true);
    timeChart(QStringLiteral("10 bar series x 1,000 points, 2D"), chart, frames, false);
    timeChart(QStringLiteral("10 bar series x 1,000 points, 3D"), chart, frames, true);
    SampleCharts::cloudChart(chart, 100000);
    timeChart(QStringLiteral("3D cloud, 100,000 points"), chart, frames, false);
    return 0;
}
