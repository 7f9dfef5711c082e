// Lays out Zipf-weighted word lists with the word-cloud engine and prints the
// time per layout (coverage retries included), the spiral positions walked,
// the collision queries, the words placed and the final coverage. Times are
// the median over the runs (each run its own words and seed); the counts are
// those of the last run.
//
//   bench_wordcloud [--list] [--runs N] [--words N]
//     --list   also time the plain list walk, for comparison
//     --words  only lists of N words
//
// Weights are 1000 / rank^s. Lists with s = 1 are laid out at the default
// coverage (60 %); flatter lists (s = 0.5) start from 100 %, where the
// coverage retries do most of the work.
#include "wordcloud/TzqCloudEngine.h"
#include "wordcloud/TzqMtRandom.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

void addZipfWords(TzqCloudEngine &cloud, int count, quint32 seed, double exponent)
{
    std::mt19937 gen(seed);
    for (int i = 1; i <= count; ++i) {
        const int len = 3 + int(gen() % 8);
        QString text;
        for (int j = 0; j < len; ++j)
            text += QChar(QLatin1Char(char('a' + gen() % 26)));
        cloud.AddWord(text, qMax(1, int(1000.0 / std::pow(i, exponent) + 0.5)));
    }
}

struct Result
{
    double ms = 0;
    TzqLayoutStats stats;
    int placed = 0;
    int words = 0;
    float coverage = 0;
};

Result run(int words, QSize size, TzqCloudEngine::CollisionTest test, int runs, int coverage,
           double exponent)
{
    Result result;
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        TzqCloudEngine cloud;
        cloud.SetCollisionTest(test);
        cloud.SetRandom(std::make_unique<TzqMtRandom>(quint32(1000 + r)));
        cloud.SetControlSize(size);
        cloud.SetCoverage(coverage);
        addZipfWords(cloud, words, quint32(77 + r), exponent);
        QElapsedTimer timer;
        timer.start();
        cloud.Generate(true);
        times.push_back(timer.nsecsElapsed() / 1e6);
        result.stats = cloud.Stats();
        result.placed = cloud.PlacedCount();
        result.words = cloud.WordCount();
        result.coverage = cloud.WorkingCoverage();
    }
    std::sort(times.begin(), times.end());
    result.ms = times[times.size() / 2];
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The layout reports every coverage retry; the table shows their number.
    QLoggingCategory::setFilterRules(QStringLiteral("tessary.wordcloud.info=false"));
    const QStringList args = app.arguments();
    const bool withList = args.contains(QStringLiteral("--list"));
    int runs = 5;
    const int runsAt = args.indexOf(QStringLiteral("--runs"));
    if (runsAt > 0 && runsAt + 1 < args.size())
        runs = qMax(1, args.at(runsAt + 1).toInt());

    // One untimed layout first, so that the process-wide font cache is warm
    // for every row alike.
    run(200, QSize(800, 600), TzqCloudEngine::CollisionTest::Occupancy, 1, 60, 1.0);

    QTextStream out(stdout);
    out << "word-cloud layout, Zipf weights, median of " << runs << " runs\n";
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10\n")
               .arg(QStringLiteral("walk"), -9)
               .arg(QStringLiteral("size"), -10)
               .arg(QStringLiteral("s"), 3)
               .arg(QStringLiteral("from"), 5)
               .arg(QStringLiteral("words"), 6)
               .arg(QStringLiteral("ms"), 9)
               .arg(QStringLiteral("layouts"), 8)
               .arg(QStringLiteral("positions"), 11)
               .arg(QStringLiteral("queries"), 10)
               .arg(QStringLiteral("placed / coverage"));
    const QSize sizes[] = {QSize(800, 600), QSize(1600, 1200)};
    QList<int> counts = {50, 200, 1000};
    const int onlyAt = args.indexOf(QStringLiteral("--words"));
    if (onlyAt > 0 && onlyAt + 1 < args.size())
        counts = {args.at(onlyAt + 1).toInt()};
    for (int listPass = 0; listPass < (withList ? 2 : 1); ++listPass) {
        const auto test = listPass ? TzqCloudEngine::CollisionTest::BoxList
                                   : TzqCloudEngine::CollisionTest::Occupancy;
        struct Scenario
        {
            double exponent;
            int coverage;
        };
        for (const Scenario &sc : {Scenario{1.0, 60}, Scenario{0.5, 100}}) {
            const int coverage = sc.coverage;
            for (const QSize &size : sizes) {
                for (int n : counts) {
                    const Result r = run(n, size, test, runs, coverage, sc.exponent);
                    out << QStringLiteral("%1 %2 %3 %4% %5 %6 %7 %8 %9 %10/%11 %12%\n")
                               .arg(listPass ? QStringLiteral("list") : QStringLiteral("bitmap"),
                                    -9)
                               .arg(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()),
                                    -10)
                               .arg(sc.exponent, 3, 'f', 1)
                               .arg(coverage, 4)
                               .arg(n, 6)
                               .arg(r.ms, 9, 'f', 1)
                               .arg(r.stats.Layouts, 8)
                               .arg(r.stats.Positions, 11)
                               .arg(r.stats.BoxTests, 10)
                               .arg(r.placed)
                               .arg(r.words)
                               .arg(double(r.coverage) * 100.0, 0, 'f', 0);
                    out.flush();
                }
            }
        }
    }
    return 0;
}
