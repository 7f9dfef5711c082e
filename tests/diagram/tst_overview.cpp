#include "tests/diagram/tst_overview.h"

#include "platform/diagramview/DiagramBlock.h"
#include "platform/diagramview/DiagramLink.h"
#include "platform/diagramview/DiagramScene.h"
#include "platform/diagramview/TatDiagram.h"
#include "tests/diagram/DiagramFixtures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTest>
#include <cmath>

namespace {
const QColor Palette[] = {QColor(220, 40, 40), QColor(30, 150, 60), QColor(40, 70, 210),
                          QColor(230, 160, 20), QColor(150, 40, 170)};

// A grid of blocks of every shape and of saturated colours, without labels,
// joined to their right and lower neighbours.
DiagramDocument gridDiagram(int columns, int rows, double side)
{
    DiagramDocument doc;
    for (int i = 0; i < columns * rows; ++i) {
        BlockData b;
        b.left = (i % columns) * side * 3;
        b.top = (i / columns) * side * 3;
        b.width = b.height = side;
        b.shape = BlockShape(1 + i % 5);
        b.color = Palette[i % 5];
        doc.blocks.append(b);
    }
    for (int i = 0; i < columns * rows; ++i) {
        LinkData l;
        l.source = i;
        l.penColor = QColor(90, 90, 90);
        l.style = i % 2 ? LinkStyle::Dash : LinkStyle::Solid;
        if (i % columns + 1 < columns) {
            l.target = i + 1;
            doc.links.append(l);
        }
        if (i + columns < columns * rows) {
            l.target = i + columns;
            doc.links.append(l);
        }
    }
    return doc;
}

void showDiagram(TatDiagram &view, const DiagramDocument &doc)
{
    view.resize(800, 600);
    view.setDocument(doc);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
}

QImage grabView(TatDiagram &view)
{
    return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool near(QRgb pixel, const QColor &colour, int tolerance)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
           std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

// How many pixels of rect (viewport coordinates) have about the colour.
int pixelsOf(const QImage &image, const QRect &rect, const QColor &colour, int tolerance = 40)
{
    int n = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += near(image.pixel(x, y), colour, tolerance);
    return n;
}

QRect deviceRect(TatDiagram &view, const DiagramBlock *block)
{
    return view.mapFromScene(QRectF(block->pos(), QSizeF(block->width(), block->height())))
        .boundingRect()
        .adjusted(-1, -1, 1, 1);
}

int nonWhite(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xffffff) != 0xffffff;
    return n;
}

// Share of the pixels that differ clearly between two pictures of one size.
double differingShare(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 1.0;
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            differing += std::abs(qRed(p) - qRed(q)) > 60 || std::abs(qGreen(p) - qGreen(q)) > 60 ||
                         std::abs(qBlue(p) - qBlue(q)) > 60;
        }
    return double(differing) / (qint64(a.width()) * a.height());
}
} // namespace

void TestDiagramOverview::everyBlockShowsWhenZoomedFarOut()
{
    // Blocks 30 units wide: 3 pixels at 10 % (dots), 1.5 at 5 % (dots kept at
    // two pixels), 9 at 30 % (shapes in plain colours).
    TatDiagram view;
    showDiagram(view, gridDiagram(12, 8, 30));
    for (int zoom : {5, 10, 30}) {
        view.SetZoom(zoom);
        QVERIFY(view.drawsOverview());
        view.centerOn(view.diagramScene()->diagramRect().center());
        const QImage image = grabView(view);
        for (int i = 0; i < view.BlockCount(); ++i) {
            const DiagramBlock *block = view.Blocks(i);
            QVERIFY2(pixelsOf(image, deviceRect(view, block), block->flatColor()) >= 1,
                     qPrintable(QStringLiteral("block %1 at %2 %").arg(i).arg(zoom)));
        }
        // The links show between the blocks: grey pixels outside them.
        QVERIFY(pixelsOf(image, image.rect(), QColor(90, 90, 90), 20) > view.LinkCount());
    }
}

void TestDiagramOverview::overviewLooksLikeItemDrawing()
{
    TatDiagram view;
    showDiagram(view, gridDiagram(10, 6, 40));
    for (int zoom : {20, 45}) {
        view.SetZoom(zoom);
        view.centerOn(view.diagramScene()->diagramRect().center());
        QVERIFY(view.drawsOverview());
        const QImage overview = grabView(view);
        view.SetOverviewDrawing(false);
        QVERIFY(!view.drawsOverview());
        const QImage items = grabView(view);
        view.SetOverviewDrawing(true);
        QVERIFY2(nonWhite(items) > 2000, "the diagram is in view");
        const double share = differingShare(overview, items);
        QVERIFY2(share < 0.01, qPrintable(QString::number(share)));
    }
}

void TestDiagramOverview::fullZoomDrawsItemsUnchanged()
{
    TatDiagram view;
    showDiagram(view, makeDiagram(4, {{0, 1}, {1, 2}, {2, 3}}));
    view.Blocks(1)->setColor(QColor(200, 30, 30));
    QCOMPARE(view.Zoom(), 100);
    QVERIFY(!view.drawsOverview());
    QCOMPARE(view.viewportUpdateMode(), QGraphicsView::SmartViewportUpdate);
    const QImage normal = grabView(view);
    view.SetOverviewDrawing(false);
    QCOMPARE(grabView(view), normal);
    view.SetOverviewDrawing(true);
    // The gradient still runs from white at the top to the colour at the foot,
    // and the labels are drawn.
    const QRect r = deviceRect(view, view.Blocks(1)).adjusted(3, 3, -3, -3);
    const QRgb top = normal.pixel(r.center().x(), r.top());
    const QRgb foot = normal.pixel(r.center().x(), r.bottom());
    QVERIFY2(qGreen(top) > qGreen(foot) + 60, qPrintable(QString::number(qGreen(top))));
    QVERIFY(pixelsOf(normal, r, Qt::black, 60) > 3);
    // Below 50 % the view repaints whole; back at 100 % by areas again.
    view.SetZoom(40);
    QCOMPARE(view.viewportUpdateMode(), QGraphicsView::FullViewportUpdate);
    view.SetZoom(100);
    QCOMPARE(view.viewportUpdateMode(), QGraphicsView::SmartViewportUpdate);
    QCOMPARE(grabView(view), normal);
}

void TestDiagramOverview::handlesAndChangesShowAtSmallZoom()
{
    TatDiagram view;
    showDiagram(view, gridDiagram(4, 3, 40));
    view.SetZoom(25);
    view.centerOn(view.diagramScene()->diagramRect().center());
    const QColor handle(0x30, 0x80, 0xe0);
    DiagramBlock *block = view.Blocks(5);
    const QImage before = grabView(view);
    QCOMPARE(pixelsOf(before, before.rect(), handle, 10), 0);

    block->setSelected(true);
    view.Links(0)->setSelected(true);
    const QImage selected = grabView(view);
    const QRect area = deviceRect(view, block).adjusted(-6, -6, 6, 6);
    QVERIFY(pixelsOf(selected, area, handle, 10) >= 8);
    const QLineF line = view.Links(0)->line();
    const QPoint end = view.mapFromScene(line.p1());
    QVERIFY(pixelsOf(selected, QRect(end - QPoint(5, 5), QSize(11, 11)), handle, 10) >= 4);

    // Moved, the block shows at its new place and nothing stays at the old
    // one, also once the view keeps a picture (the second paint unchanged).
    view.UnselectAll();
    const QRect oldArea = deviceRect(view, block);
    block->moveBy(0, 60);
    grabView(view);
    const QImage moved = grabView(view);
    QVERIFY(pixelsOf(moved, deviceRect(view, block), block->flatColor()) >= 4);
    QCOMPARE(pixelsOf(moved, oldArea, block->flatColor()), 0);
    // A change of colour drops the kept picture.
    block->setColor(QColor(20, 20, 20));
    block->setGradientStart(QColor(20, 20, 20));
    const QImage recoloured = grabView(view);
    QVERIFY(pixelsOf(recoloured, deviceRect(view, block), QColor(20, 20, 20), 10) >= 4);
    // Deleting a block removes it and its links from the picture.
    const QRect deletedArea = deviceRect(view, block).adjusted(1, 1, -1, -1);
    view.DeleteBlock(5);
    const QImage deleted = grabView(view);
    QCOMPARE(pixelsOf(deleted, deletedArea, QColor(20, 20, 20), 10), 0);
}

void TestDiagramOverview::rubberBandDrawnOnTop()
{
    TatDiagram view;
    showDiagram(view, gridDiagram(6, 4, 40));
    view.SetZoom(20);
    const QImage before = grabView(view);
    QWidget *viewport = view.viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(400, 300));
    QMouseEvent move(QEvent::MouseMove, QPointF(700, 550), viewport->mapToGlobal(QPointF(700, 550)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QVERIFY(!view.rubberBandRect().isEmpty());
    const QImage during = grabView(view);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(700, 550));
    // The band tints or frames the area it covers; outside it nothing changed.
    QVERIFY(differingShare(during.copy(450, 350, 200, 150), before.copy(450, 350, 200, 150)) > 0 ||
            during.copy(400, 300, 301, 251) != before.copy(400, 300, 301, 251));
    QCOMPARE(during.copy(0, 0, 390, 290), before.copy(0, 0, 390, 290));
}

void TestDiagramOverview::sampleZoomedOut()
{
    QFile file(sampleDiagramPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    TatDiagram view;
    view.resize(800, 600);
    view.LoadFromStream(file.readAll());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    for (int zoom : {20, 40}) {
        view.SetZoom(zoom);
        view.centerOn(view.diagramScene()->diagramRect().center());
        const QImage image = grabView(view);
        for (int i = 0; i < view.BlockCount(); ++i) {
            const DiagramBlock *block = view.Blocks(i);
            const QColor colour =
                block->showsGradient(zoom / 100.0) ? block->color() : block->flatColor();
            QVERIFY2(pixelsOf(image, deviceRect(view, block), colour, 60) >= 1,
                     qPrintable(QStringLiteral("block %1 at %2 %").arg(i).arg(zoom)));
        }
        // Kept in the test's temporary folder for looking at.
        QVERIFY(image.save(
            QDir::temp().filePath(QStringLiteral("cooccurrence-view-%1.png").arg(zoom))));
    }
}
