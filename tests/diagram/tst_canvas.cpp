#include "tests/diagram/tst_canvas.h"

#include "platform/diagramview/DiagramBlock.h"
#include "platform/diagramview/DiagramLink.h"
#include "platform/diagramview/DiagramScene.h"
#include "platform/diagramview/DiagramStream.h"
#include "platform/diagramview/TatDiagram.h"
#include "tests/diagram/DiagramFixtures.h"
#include "tests/support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>
#include <cmath>

namespace {
int nonWhitePixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xffffff) != 0xffffff;
    return n;
}

void showDiagram(TatDiagram &view, const DiagramDocument &doc)
{
    view.resize(800, 600);
    view.setDocument(doc);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
}
} // namespace

void TestDiagramCanvas::linksEndAtOutlinesAndFollowBlocks()
{
    DiagramDocument doc = makeDiagram(3, {{0, 1}, {1, 2}, {2, 2}});
    doc.blocks[0] = BlockData();
    doc.blocks[0].shape = BlockShape::Ellipse;
    doc.blocks[0].width = 40;
    doc.blocks[0].height = 40;
    doc.blocks[1].left = 200;
    doc.blocks[1].top = 0;
    doc.blocks[1].width = 40;
    doc.blocks[1].height = 40;
    doc.blocks[1].shape = BlockShape::Diamond;
    TatDiagram view;
    view.setDocument(doc);
    DiagramLink *link = view.Links(0);
    // Centres (20,20) and (220,20): the line runs from the circle's edge to the
    // diamond's left corner.
    QCOMPARE(link->line().p1(), QPointF(40, 20));
    QCOMPARE(link->line().p2(), QPointF(200, 20));
    view.Blocks(1)->setPos(0, 200);
    QCOMPARE(link->line().p1(), QPointF(20, 40));
    QCOMPARE(link->line().p2(), QPointF(20, 200));
    view.Blocks(1)->setSize(60, 60);
    // The end lies on the larger diamond: |dx| / 30 + |dy| / 30 = 1 from its centre.
    const QPointF end = link->line().p2() - view.Blocks(1)->center();
    QVERIFY(std::abs(std::abs(end.x()) / 30 + std::abs(end.y()) / 30 - 1) < 1e-9);
    // A block's links list knows its links, a loop link once.
    QCOMPARE(view.Blocks(1)->links().size(), 2);
    QCOMPARE(view.Blocks(2)->links().size(), 2);
    // Overlapping blocks: centre to centre.
    view.Blocks(1)->setPos(5, 5);
    QCOMPARE(link->line(), QLineF(view.Blocks(0)->center(), view.Blocks(1)->center()));
}

void TestDiagramCanvas::deletingBlockDeletesItsLinks()
{
    TatDiagram view;
    view.setDocument(makeDiagram(4, {{0, 1}, {1, 2}, {2, 3}, {3, 1}, {0, 3}}));
    view.DeleteBlock(1);
    QCOMPARE(view.BlockCount(), 3);
    QCOMPARE(view.LinkCount(), 2);
    QCOMPARE(view.Links(0)->labelText(), QStringLiteral("L2"));
    QCOMPARE(view.Links(1)->labelText(), QStringLiteral("L4"));
    QCOMPARE(view.diagramScene()->items().size(), 5);
    const DiagramDocument doc = view.document();
    QCOMPARE(doc.links[0].source, 1);
    QCOMPARE(doc.links[0].target, 2);
    view.DeleteLink(0);
    QCOMPARE(view.Blocks(1)->links().size(), 0);
    view.Clear();
    QCOMPARE(view.BlockCount(), 0);
    QVERIFY(view.diagramScene()->items().isEmpty());
}

void TestDiagramCanvas::zoomAndZoomToRect()
{
    TatDiagram view;
    showDiagram(view, makeDiagram(5, {{0, 1}}));
    QSignalSpy zoomed(&view, &TatDiagram::ZoomChanged);
    view.SetZoom(250);
    QCOMPARE(view.Zoom(), 250);
    QCOMPARE(view.transform().m11(), 2.5);
    QCOMPARE(zoomed.size(), 1);
    view.SetZoom(1);
    QCOMPARE(view.Zoom(), TatDiagram::MinZoom);
    view.SetZoom(100000);
    QCOMPARE(view.Zoom(), TatDiagram::MaxZoom);
    // Handles keep their size on screen.
    view.SetZoom(200);
    QCOMPARE(view.diagramScene()->handleSize(), 3.5);
    // A rectangle of 100 x 75 units fills an 800 x 600 view at 800 %, or less
    // when the viewport is smaller than the widget.
    const QSize vp = view.viewport()->size();
    view.ZoomToRect(QRectF(100, 0, 100, 75));
    const int expected =
        int(std::nearbyint(std::min(vp.width() / 100.0, vp.height() / 75.0) * 100));
    QCOMPARE(view.Zoom(), expected);
    const QPointF centre = view.mapToScene(view.viewport()->rect().center());
    QVERIFY2(std::abs(centre.x() - 150) < 2 && std::abs(centre.y() - 37.5) < 2,
             qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
    // Drawing a rectangle with the mouse in zoom-to-rectangle mode.
    view.SetZoom(100);
    view.SetMode(TatDiagram::Mode::ZoomRect);
    const QPoint a = view.mapFromScene(QPointF(0, 0));
    const QPoint b = view.mapFromScene(QPointF(200, 150));
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, a);
    QTest::mouseMove(view.viewport(), b);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, b);
    QVERIFY2(view.Zoom() > 250, qPrintable(QString::number(view.Zoom())));
}

void TestDiagramCanvas::modesAndWheel()
{
    TatDiagram view;
    showDiagram(view, makeDiagram(3, {}));
    QCOMPARE(view.mode(), TatDiagram::Mode::Select);
    QCOMPARE(view.dragMode(), QGraphicsView::RubberBandDrag);
    view.SetMode(TatDiagram::Mode::Pan);
    QCOMPARE(view.dragMode(), QGraphicsView::ScrollHandDrag);
    QCOMPARE(view.viewport()->cursor().shape(), Qt::PointingHandCursor);
    view.SetMode(TatDiagram::Mode::ZoomRect);
    QCOMPARE(view.dragMode(), QGraphicsView::NoDrag);
    QCOMPARE(view.viewport()->cursor().shape(), Qt::CrossCursor);
    view.SetMode(TatDiagram::Mode::Select);
    // The mouse wheel neither scrolls nor zooms.
    view.SetZoom(400);
    const int v = view.verticalScrollBar()->value();
    QWheelEvent wheel(QPointF(100, 100), view.mapToGlobal(QPointF(100, 100)), QPoint(),
                      QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &wheel);
    QCOMPARE(view.verticalScrollBar()->value(), v);
    QCOMPARE(view.Zoom(), 400);
}

void TestDiagramCanvas::mouseSelectMoveAndRubberBand()
{
    TatDiagram view;
    showDiagram(view, makeDiagram(3, {{0, 1}, {1, 2}}));
    QSignalSpy moved(&view, &TatDiagram::AfterMove);
    QSignalSpy clicked(&view, &TatDiagram::Click);
    QSignalSpy released(&view, &TatDiagram::DControlMouseUp);
    DiagramBlock *b1 = view.Blocks(1);
    const QPoint p = view.mapFromScene(b1->center());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, p);
    QVERIFY(b1->isSelected());
    QVERIFY(!view.Blocks(0)->isSelected());
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(released.size(), 1);
    QCOMPARE(released[0][2].value<QGraphicsItem *>(), b1);
    QCOMPARE(moved.size(), 0);
    // Dragging the block moves it; its links follow.
    const QPointF before = b1->pos();
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, p);
    QTest::mouseMove(view.viewport(), p + QPoint(20, 30));
    QTest::mouseMove(view.viewport(), p + QPoint(40, 50));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, p + QPoint(40, 50));
    QCOMPARE(b1->pos(), before + QPointF(40, 50));
    QCOMPARE(moved.size(), 1);
    QCOMPARE(view.Links(0)->line().p2().y() > 50, true);
    // Control-click adds to the selection.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      view.mapFromScene(view.Blocks(0)->center()));
    QVERIFY(view.Blocks(0)->isSelected() && b1->isSelected());
    // A rubber band from empty space over all items selects blocks and links.
    const QRectF all = view.diagramScene()->diagramRect();
    QTest::mousePress(view.viewport(), Qt::LeftButton, {},
                      view.mapFromScene(all.topLeft() - QPointF(10, 10)));
    QTest::mouseMove(view.viewport(), view.mapFromScene(all.center()));
    QTest::mouseMove(view.viewport(), view.mapFromScene(all.bottomRight() + QPointF(10, 10)));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {},
                        view.mapFromScene(all.bottomRight() + QPointF(10, 10)));
    QCOMPARE(view.diagramScene()->selectedItems().size(), 5);
    // Dragging a corner handle resizes.
    view.UnselectAll();
    view.Blocks(2)->setSelected(true);
    const QPoint corner = view.mapFromScene(
        view.Blocks(2)->pos() + QPointF(view.Blocks(2)->width(), view.Blocks(2)->height()));
    const double w = view.Blocks(2)->width();
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, corner);
    QTest::mouseMove(view.viewport(), corner + QPoint(10, 20));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, corner + QPoint(10, 20));
    QVERIFY2(std::abs(view.Blocks(2)->width() - (w + 10)) < 3,
             qPrintable(QString::number(view.Blocks(2)->width())));
}

void TestDiagramCanvas::keyboardActions()
{
    TatDiagram view;
    showDiagram(view, makeDiagram(3, {{0, 1}}));
    QSignalSpy modified(&view, &TatDiagram::Modified);
    view.Blocks(0)->setSelected(true);
    QTest::keyClick(&view, Qt::Key_Right);
    QCOMPARE(view.Blocks(0)->pos(), QPointF(1, 0));
    QTest::keyClick(&view, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(view.Blocks(0)->pos(), QPointF(1, 10));
    QTest::keyClick(&view, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(view.Blocks(0)->width(), 31.0);
    QCOMPARE(modified.size(), 3);
    QCOMPARE(view.Links(0)->line().p1().x(), 1 + 31.0);
    QTest::keyClick(&view, Qt::Key_Tab);
    QVERIFY(!view.Blocks(0)->isSelected());
    QVERIFY(view.Blocks(1)->isSelected());
    QTest::keyClick(&view, Qt::Key_Backtab);
    QVERIFY(view.Blocks(0)->isSelected());
    QTest::keyClick(&view, Qt::Key_Backtab);
    QVERIFY(view.Blocks(2)->isSelected());
    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(view.diagramScene()->selectedItems().size(), 4);
    QTest::keyClick(&view, Qt::Key_Escape);
    QVERIFY(view.diagramScene()->selectedItems().isEmpty());
    // Page keys scroll a zoomed-in diagram.
    view.SetZoom(1000);
    QTest::keyClick(&view, Qt::Key_Home);
    const int top = view.verticalScrollBar()->value();
    QTest::keyClick(&view, Qt::Key_PageDown);
    QVERIFY(view.verticalScrollBar()->value() > top);
    QTest::keyClick(&view, Qt::Key_End);
    QCOMPARE(view.horizontalScrollBar()->value(), view.horizontalScrollBar()->maximum());
}

void TestDiagramCanvas::linkLabelsToggle()
{
    TatDiagram view;
    view.setDocument(makeDiagram(3, {{0, 2}, {1, 2}}));
    const QRectF withLabel = view.Links(0)->boundingRect();
    view.SetLinkLabelsVisible(false);
    QVERIFY(!view.Links(0)->labelVisible());
    QVERIFY(!view.Links(1)->labelVisible());
    QVERIFY(view.Links(0)->boundingRect().height() < withLabel.height());
    view.SetLinkLabelsVisible(true);
    QVERIFY(view.Links(1)->labelVisible());
}

void TestDiagramCanvas::bitmapRendering()
{
    TatDiagram view;
    DiagramDocument doc = makeDiagram(3, {{0, 1}, {1, 2}});
    doc.blocks[0].color = Qt::red;
    view.setDocument(doc);
    const QRectF r = view.diagramScene()->diagramRect();
    const QImage at100 = view.ToBitmap(1.0);
    QCOMPARE(at100.width(), int(std::ceil(r.width() + 20)));
    const QImage at200 = view.ToBitmap(2.0);
    QVERIFY(std::abs(at200.width() - 2 * at100.width()) <= 2);
    QVERIFY(nonWhitePixels(at100) > 500);
    // The gradient ends in the block's colour: the bottom of block 0 is red.
    const QPoint bottom(int(10 + 15 - r.left()), int(10 + 28 - r.top()));
    const QColor c = at100.pixelColor(bottom);
    QVERIFY2(c.red() > 200 && c.green() < 60 && c.blue() < 60, qPrintable(c.name()));
    // Selection handles are left out of pictures.
    view.SelectAll();
    QCOMPARE(view.ToBitmap(1.0), at100);
    // A picture of a given size holds the whole diagram.
    const QImage fitted = view.ToImage(QSize(120, 90));
    QCOMPARE(fitted.size(), QSize(120, 90));
    QVERIFY(nonWhitePixels(fitted) > 100);
    // An empty diagram gives a small white picture.
    TatDiagram empty;
    QCOMPARE(nonWhitePixels(empty.ToBitmap(1.0)), 0);
}

void TestDiagramCanvas::svgRenderingHoldsBlocks()
{
    TatDiagram view;
    DiagramDocument doc = makeDiagram(4, {{0, 1}, {2, 3}});
    for (int i = 0; i < 4; ++i)
        doc.blocks[i].shape = BlockShape(i + 1);
    view.setDocument(doc);
    const QByteArray svg = view.ToSvg();
    QXmlStreamReader xml(svg);
    QStringList texts;
    int images = 0, paths = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("image"))
                ++images;
            if (xml.name() == QLatin1String("path") || xml.name() == QLatin1String("polyline") ||
                xml.name() == QLatin1String("rect") || xml.name() == QLatin1String("ellipse"))
                ++paths;
            if (xml.name() == QLatin1String("text"))
                texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    for (const char *label : {"B0", "B1", "B2", "B3", "L0", "L1"})
        QVERIFY2(texts.contains(label), qPrintable(texts.join(',')));
    // Vector drawing, not bitmaps of cached items.
    QCOMPARE(images, 0);
    QVERIFY(paths >= 6);
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QVERIFY(std::abs(renderer.viewBoxF().width() -
                     (view.diagramScene()->diagramRect().width() + 20)) < 1);
}

void TestDiagramCanvas::pageSettingsAndPrint()
{
    ScriptedDialogsScope scripted;
    TatDiagram view;
    view.setDocument(makeDiagram(3, {{0, 1}}));
    QCOMPARE(view.PageLayout().pageSize().id(), QPageSize::Letter);
    QCOMPARE(view.PageLayout().orientation(), QPageLayout::Portrait);
    QCOMPARE(view.PageLayout().margins(QPageLayout::Millimeter).left(), 25.4);
    QVERIFY(!view.PageSettings(nullptr));
    QVERIFY(!view.PrintPreview(nullptr));
    QCOMPARE(scripted->asked, QStringList({"printerSetup: ", "printPreview: "}));
    scripted->answer("printerSetup", true);
    QVERIFY(view.PageSettings(nullptr));
    // Printing from the preview draws the diagram.
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = QDir::temp().filePath("diagram-print.pdf");
    QFile::remove(pdf);
    printer.setOutputFileName(pdf);
    view.Print(&printer);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.size() > 1000);
}

void TestDiagramCanvas::sampleRendersWell()
{
    QFile file(sampleDiagramPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    TatDiagram view;
    view.LoadFromStream(file.readAll());
    QCOMPARE(view.BlockCount(), 30);
    const QImage at100 = view.ToBitmap(1.0);
    const QImage at250 = view.ToBitmap(2.5);
    const QByteArray svg = view.ToSvg();
    QVERIFY(at100.width() > 300 && at100.height() > 300);
    QVERIFY(nonWhitePixels(at100) > at100.width() * at100.height() / 20);
    QVERIFY(svg.contains("delivery"));
    // Kept in the test's temporary folder for looking at.
    QVERIFY(at100.save(QDir::temp().filePath("cooccurrence-100.png")));
    QVERIFY(at250.save(QDir::temp().filePath("cooccurrence-250.png")));
    QFile out(QDir::temp().filePath("cooccurrence.svg"));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(svg);
}

// A diagram far from the origin and larger than the view is shown from its
// top-left corner, also when the view is laid out after the load; once the
// user has scrolled, a later resize leaves the view where the user put it.
void TestDiagramCanvas::aLoadedDiagramShowsItsStart()
{
    DiagramDocument doc = makeDiagram(30, {{0, 29}});
    for (int i = 0; i < doc.blocks.size(); ++i) {
        doc.blocks[i].left = 3000 + (i % 6) * 400;
        doc.blocks[i].top = 2000 + (i / 6) * 300;
    }
    TatDiagram view;
    view.resize(120, 90); // as a view is before its window is laid out
    view.setDocument(doc);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const auto startInView = [&] {
        const QRectF r = view.scene()->itemsBoundingRect();
        return view.mapFromScene(r.topLeft());
    };
    view.resize(700, 500);
    QCoreApplication::processEvents();
    QPoint start = startInView();
    QVERIFY2(start.x() >= 0 && start.x() <= 30 && start.y() >= 0 && start.y() <= 30,
             qPrintable(QStringLiteral("%1,%2").arg(start.x()).arg(start.y())));
    // The user scrolls: a resize keeps the place the user scrolled to.
    view.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const int scrolled = view.horizontalScrollBar()->value();
    view.resize(650, 480);
    QCoreApplication::processEvents();
    QVERIFY(startInView().x() < -100);
    QVERIFY(std::abs(view.horizontalScrollBar()->value() - scrolled) < 60);
    // A new load shows the start again.
    view.setDocument(doc);
    start = startInView();
    QVERIFY(start.x() >= 0 && start.x() <= 30 && start.y() >= 0 && start.y() <= 30);
}
