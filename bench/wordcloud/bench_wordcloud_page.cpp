// Times a word-cloud page in its editor at the size the main window gives
// it (846 x 500): loading a stored document and showing it (no layout), and
// laying it out again as the options dialog does (a shape change at the
// page's coverage, and a font change, which starts again from 99 %).
// Times are the median over the runs, in milliseconds.
//
//   bench_wordcloud_page [--runs N] [--png DOC.xml OUT.png [WxH]]
//     --png  load a document into the editor and write what it shows
#include "platform/HeapTuning.h"
#include "wordcloud/TWordCloudEditor.h"
#include "wordcloud/TzqCloudDocument.h"
#include "wordcloud/TzqMtRandom.h"
#include "wordcloud/TzqWordCloud.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

namespace {

const QSize kEditorSize(846, 500);

// Count words of n pseudo-words with counts that fall off as 1/rank, as word
// counts of real text do; turned into weights by their square roots, as a
// host asking for a legible cloud does.
QByteArray makeDocument(int n, quint32 seed)
{
    TzqCloudEngine cloud;
    cloud.SetRandom(std::make_unique<TzqMtRandom>(seed));
    cloud.SetControlSize(kEditorSize);
    cloud.SetUsePalette(true);
    cloud.SetPalette(cpVictorian);
    std::mt19937 gen(seed);
    for (int rank = 1; rank <= n; ++rank) {
        const int len = 3 + int(gen() % 8);
        QString text;
        for (int j = 0; j < len; ++j)
            text += QChar(QLatin1Char(char('a' + gen() % 26)));
        const double count = std::max(2.0, 5000.0 / rank);
        cloud.AddWord(text, int(std::lround(std::sqrt(count / 5000.0) * 1000.0)));
    }
    cloud.Generate(true);
    return TzqCloudDocument::Write(cloud);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeMs(const std::function<void()> &f)
{
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

int writePng(const QString &doc, const QString &png, const QSize &size)
{
    QFile f(doc);
    if (!f.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "cannot read " << doc << "\n";
        return 1;
    }
    TWordCloudEditor editor;
    editor.resize(size);
    editor.show();
    QApplication::processEvents();
    editor.loadContent(f.readAll(), QString());
    if (!editor.Snapshot().save(png)) {
        QTextStream(stderr) << "cannot write " << png << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    HeapTuning::keepPictureBuffersInHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int pngAt = args.indexOf(QStringLiteral("--png"));
    if (pngAt > 0 && pngAt + 2 < args.size()) {
        QSize size = kEditorSize;
        if (pngAt + 3 < args.size()) {
            const QStringList wh = args.at(pngAt + 3).split(QLatin1Char('x'));
            if (wh.size() == 2)
                size = QSize(wh[0].toInt(), wh[1].toInt());
        }
        return writePng(args.at(pngAt + 1), args.at(pngAt + 2), size);
    }
    int runs = 5;
    const int runsAt = args.indexOf(QStringLiteral("--runs"));
    if (runsAt > 0 && runsAt + 1 < args.size())
        runs = qMax(1, args.at(runsAt + 1).toInt());

    TWordCloudEditor editor;
    editor.resize(kEditorSize);
    editor.show();
    QApplication::processEvents();
    TzqWordCloud *cloud = editor.zqWordCloud1;
    // Warm the font caches once, untimed.
    editor.loadContent(makeDocument(200, 1), QString());
    cloud->repaint();

    QTextStream out(stdout);
    out << "word-cloud page in its editor at " << kEditorSize.width() << "x" << kEditorSize.height()
        << ", median of " << runs << " runs (ms)\n";
    out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
               .arg(QStringLiteral("words"), 6)
               .arg(QStringLiteral("doc KiB"), 8)
               .arg(QStringLiteral("load+show"), 10)
               .arg(QStringLiteral("re-layout"), 10)
               .arg(QStringLiteral("font change"), 12)
               .arg(QStringLiteral("layouts / placed"), 17);
    for (int n : {200, 2000}) {
        std::vector<double> load, layout, font;
        int layouts = 0, placed = 0;
        qint64 bytes = 0;
        for (int r = 0; r < runs; ++r) {
            const QByteArray doc = makeDocument(n, quint32(100 + r));
            bytes = doc.size();
            load.push_back(timeMs([&] {
                editor.loadContent(doc, QString());
                cloud->repaint();
            }));
            // A shape change: the same coverage, laid out and painted again.
            layout.push_back(timeMs([&] {
                cloud->SetCloudShape(csEllipse);
                cloud->Generate(true);
                cloud->repaint();
            }));
            cloud->SetCloudShape(csRectangle);
            // A font change: from 99 % down in steps until every word fits.
            editor.loadContent(doc, QString());
            font.push_back(timeMs([&] {
                cloud->SetCoverage(99);
                cloud->Generate(true);
                cloud->repaint();
            }));
            layouts = cloud->Stats().Layouts;
            placed = cloud->PlacedCount();
            cloud->SetCoverage(60);
        }
        out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                   .arg(n, 6)
                   .arg(bytes / 1024.0, 8, 'f', 0)
                   .arg(median(load), 10, 'f', 1)
                   .arg(median(layout), 10, 'f', 1)
                   .arg(median(font), 12, 'f', 1)
                   .arg(QStringLiteral("%1 / %2").arg(layouts).arg(placed), 17);
        out.flush();
    }
    return 0;
}
