// Loads and draws a diagram of 2,000 blocks and 5,000 links in a 1200 x 800
// view and prints the load time and the frame times while zooming and panning.
// Run offscreen: QT_QPA_PLATFORM=offscreen bench_diagram [blocks] [links]

#include "platform/HeapTuning.h"
#include "platform/diagramview/DiagramScene.h"
#include "platform/diagramview/DiagramStream.h"
#include "platform/diagramview/TatDiagram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
// Blocks on a jittered grid with labels; links mostly between neighbours, as
// a laid-out network has them, with numeric labels.
QByteArray makeStream(int blocks, int links)
{
    QRandomGenerator rng(42);
    DiagramDocument doc;
    const int columns = int(std::ceil(std::sqrt(blocks * 1.5)));
    const QColor colours[] = {QColor("#f4a261"), QColor("#2a9d8f"), QColor("#e76f51"),
                              QColor("#8ab17d"), QColor("#6d8bd6")};
    for (int i = 0; i < blocks; ++i) {
        BlockData b;
        b.left = (i % columns) * 90 + rng.bounded(40);
        b.top = (i / columns) * 90 + rng.bounded(40);
        b.width = b.height = 24 + rng.bounded(20);
        b.shape = BlockShape(1 + i % 5);
        b.color = colours[i % 5];
        TextCell label;
        label.text = QStringLiteral("word%1").arg(i);
        label.font = defaultLabelFont(8);
        b.texts.append(label);
        doc.blocks.append(b);
    }
    for (int i = 0; i < links; ++i) {
        LinkData l;
        l.source = rng.bounded(blocks);
        const int offsets[] = {1, -1, columns, -columns, columns + 1, columns - 1};
        l.target =
            std::clamp(l.source + offsets[rng.bounded(6)] * (1 + rng.bounded(2)), 0, blocks - 1);
        const double strength = rng.bounded(100) / 100.0;
        l.penWidth = std::max(1.0, std::round(3.96 * strength));
        l.penColor = QColor(128, 128, 128);
        l.style = LinkStyle(i % 3 == 0 ? 1 : 0);
        TextCell label;
        label.text = QString::number(strength, 'f', 2);
        label.font = defaultLabelFont(6);
        l.texts.append(label);
        doc.links.append(l);
    }
    return DiagramStream::write(doc);
}

// Processor time of this program in milliseconds: on a shared machine the wall
// clock also counts the time other programs had the processor.
double cpuMs()
{
    return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
}

struct Frames
{
    std::vector<double> ms;
    void add(double v) { ms.push_back(v); }
    void print(const char *what) const
    {
        std::vector<double> s = ms;
        std::sort(s.begin(), s.end());
        double sum = 0;
        for (double v : s)
            sum += v;
        std::printf("%-34s frames %3zu  mean %6.2f ms  median %6.2f ms  max %6.2f ms\n", what,
                    s.size(), sum / s.size(), s[s.size() / 2], s.back());
    }
};

// Counts the paint events of the viewport, to be sure each frame was drawn.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Processor time of the whole viewport drawn anew.
double paintOnce(TatDiagram &view)
{
    const double start = cpuMs();
    view.viewport()->repaint();
    return cpuMs() - start;
}

// Processor time of the frame the view draws by itself after a change (after
// scrolling it only draws the strip that came into view).
double nextFrame(QApplication &app)
{
    const double start = cpuMs();
    app.processEvents();
    return cpuMs() - start;
}
} // namespace

int main(int argc, char **argv)
{
    HeapTuning::keepPictureBuffersInHeap();
    QApplication app(argc, argv);
    const int blocks = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int links = argc > 2 ? std::atoi(argv[2]) : 5000;
    const QByteArray stream = makeStream(blocks, links);
    std::printf("diagram: %d blocks, %d links, stream %lld bytes, view 1200 x 800\n", blocks, links,
                static_cast<long long>(stream.size()));

    TatDiagram view;
    view.resize(1200, 800);
    PaintCounter counter;
    view.viewport()->installEventFilter(&counter);
    view.show();
    app.processEvents();

    std::printf("times are processor times of this program (the machine may be shared)\n");
    QElapsedTimer t;
    t.start();
    const double c0 = cpuMs();
    const DiagramDocument doc = DiagramStream::read(stream);
    const double parse = cpuMs() - c0;
    view.setDocument(doc);
    const double load = cpuMs() - c0;
    const double first = paintOnce(view);
    std::printf("load: parse %.1f ms, parse + build %.1f ms, first frame %.1f ms, total %.1f ms "
                "(wall clock %.1f ms)\n",
                parse, load, first, load + first, t.nsecsElapsed() / 1e6);

    // Zooming from the whole diagram in to 300 % and back, by steps of 10 %.
    view.ZoomToRect(view.diagramScene()->diagramRect());
    const int fitZoom = view.Zoom();
    Frames zoomOut, zoomMid, zoomIn;
    for (int z = fitZoom; z <= 300; z = std::max(z + 1, int(std::nearbyint(z * 1.1)))) {
        view.SetZoom(z);
        (z < 50 ? zoomOut : z < 120 ? zoomMid : zoomIn).add(nextFrame(app));
    }
    for (int z = 300; z >= fitZoom; z = std::min(z - 1, int(std::nearbyint(z * 0.9)))) {
        view.SetZoom(z);
        (z < 50 ? zoomOut : z < 120 ? zoomMid : zoomIn).add(nextFrame(app));
    }
    std::printf("whole diagram fits at %d %%\n", fitZoom);
    zoomOut.print("zoom, below 50 % (all visible):");
    zoomMid.print("zoom, 50 % to 120 %:");
    zoomIn.print("zoom, 120 % to 300 %:");

    // The same zoomed-out steps drawn item by item, for comparison.
    view.SetOverviewDrawing(false);
    Frames itemByItem;
    for (int z = fitZoom; z < 50; z = std::max(z + 1, int(std::nearbyint(z * 1.1)))) {
        view.SetZoom(z);
        itemByItem.add(nextFrame(app));
    }
    view.SetOverviewDrawing(true);
    itemByItem.print("  same, drawn item by item:");

    // Panning at 100 % and at the zoom that shows the whole width.
    for (int zoom : {100, 40}) {
        view.SetZoom(zoom);
        paintOnce(view);
        Frames pan, full;
        QScrollBar *h = view.horizontalScrollBar();
        QScrollBar *v = view.verticalScrollBar();
        for (int i = 0; i < 120; ++i) {
            h->setValue(h->value() + (i < 60 ? 25 : -25));
            v->setValue(v->value() + (i % 60 < 30 ? 15 : -15));
            pan.add(nextFrame(app));
            full.add(paintOnce(view));
        }
        const QByteArray what = QByteArray("pan at ") + QByteArray::number(zoom) + " %:";
        pan.print(what.constData());
        const QByteArray whole =
            QByteArray("  whole view redrawn at ") + QByteArray::number(zoom) + " %:";
        full.print(whole.constData());
    }

    std::printf("viewport paint events: %d\n", counter.paints);

    // Selecting everything and moving it by the keyboard: all links follow.
    view.SetZoom(100);
    double c = cpuMs();
    view.SelectAll();
    view.UnselectAll();
    std::printf("select and unselect all: %.1f ms\n", cpuMs() - c);
    c = cpuMs();
    const QByteArray saved = view.SaveToStream();
    std::printf("save stream: %.1f ms (%lld bytes)\n", cpuMs() - c,
                static_cast<long long>(saved.size()));
    c = cpuMs();
    const QImage bitmap = view.ToBitmap(0.25);
    std::printf("bitmap of the whole diagram at 25 %% (%d x %d): %.1f ms\n", bitmap.width(),
                bitmap.height(), cpuMs() - c);
    return 0;
}
