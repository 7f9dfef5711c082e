// The chart editor: toolbar rules, kind switches, swapping, saving, loading.
#include "ChartTestUtil.h"

#include "editors/chart/TChartEditor.h"
#include "platform/TessaryError.h"
#include "platform/chart/TChart.h"
#include "store/PageState.h"
#include "tests/support/ScriptedDialogs.h"

#include <QAction>
#include <QClipboard>
#include <QImageReader>
#include <QMimeData>
#include <QtTest>

namespace {
using B = ChartActions;

void load(TChartEditor &ed, TChart &source, const QString &info = QString())
{
    ed.loadContent(source.saveToStream(), info);
}

bool shown(TChartEditor &ed, B::Button b)
{
    return ed.button(b)->isVisible();
}
bool down(TChartEditor &ed, B::Button b)
{
    return ed.button(b)->isChecked();
}
} // namespace

class TestChartEditor : public QObject
{
    Q_OBJECT

private slots:
    void buttonsFollowTheChartKind();
    void actionsCarryOperationNames();
    void barAndPieSwitches();
    void swapThreeByFour();
    void groupedBarsAndLines();
    void viewSwitches();
    void saveNamesAndFormats();
    void loadingBadChartsLeavesAnEmptyChart();
    void contentRoundTrip();
    void copyPrintAndEdit();
};

void TestChartEditor::buttonsFollowTheChartKind()
{
    TChartEditor ed;
    TChart c;
    TChartSeries *s = c.addSeries(SeriesKind::Point3D);
    s->addXYZ(1, 2, 3);
    s->setBaseLinesVisible(true);
    c.setWalls(true);
    PageModified = true;
    QSignalSpy spy(&ed, &TChartEditor::toolbarChanged);
    load(ed, c);
    QVERIFY(!PageModified);
    QVERIFY(spy.count() >= 1);
    for (B::Button b : {B::ZoomInBtn, B::ZoomOutBtn, B::RotationBtn, B::AnimateBtn, B::ViewWalls,
                        B::BaseLineBtn, B::View3D})
        QVERIFY2(shown(ed, b), B::operationName(b));
    QVERIFY(down(ed, B::ViewWalls));
    QVERIFY(down(ed, B::BaseLineBtn));
    for (B::Button b :
         {B::SwapSeriesBtn, B::VBarBtn, B::HBarBtn, B::PieBtn, B::GroupBarBtn, B::GroupLineBtn})
        QVERIFY2(!shown(ed, b), B::operationName(b));

    ChartTestUtil::oneBarSeries(c, {1, 2, 3}, {"a", "b", "c"});
    load(ed, c);
    for (B::Button b : {B::VBarBtn, B::HBarBtn, B::PieBtn})
        QVERIFY(shown(ed, b));
    QVERIFY(down(ed, B::VBarBtn));
    QVERIFY(!down(ed, B::HBarBtn) && !down(ed, B::PieBtn));
    for (B::Button b : {B::ZoomInBtn, B::RotationBtn, B::AnimateBtn, B::ViewWalls, B::BaseLineBtn,
                        B::SwapSeriesBtn, B::GroupBarBtn, B::GroupLineBtn})
        QVERIFY2(!shown(ed, b), B::operationName(b));
    QVERIFY(shown(ed, B::View3D));

    c.changeSeriesKind(0, SeriesKind::Pie);
    load(ed, c);
    QVERIFY(down(ed, B::PieBtn) && !down(ed, B::VBarBtn));
    c.changeSeriesKind(0, SeriesKind::HorizBar);
    c.setView3D(true);
    load(ed, c);
    QVERIFY(down(ed, B::HBarBtn));
    QVERIFY(shown(ed, B::RotationBtn)); // 3D view turns
    QVERIFY(down(ed, B::View3D));

    ChartTestUtil::manySeries(c, 3, 4, false);
    load(ed, c);
    for (B::Button b : {B::SwapSeriesBtn, B::GroupBarBtn, B::GroupLineBtn})
        QVERIFY(shown(ed, b));
    QVERIFY(down(ed, B::GroupLineBtn) && !down(ed, B::GroupBarBtn));
    for (B::Button b : {B::VBarBtn, B::HBarBtn, B::PieBtn, B::ZoomInBtn, B::AnimateBtn})
        QVERIFY(!shown(ed, b));
    ChartTestUtil::manySeries(c, 2, 4, true);
    load(ed, c);
    QVERIFY(down(ed, B::GroupBarBtn) && !down(ed, B::GroupLineBtn));

    // A scatter: zoom, no rotation unless in 3D.
    c.clearChart();
    c.addSeries(SeriesKind::Point)->addXY(1, 1);
    load(ed, c);
    QVERIFY(shown(ed, B::ZoomInBtn) && shown(ed, B::ZoomOutBtn));
    QVERIFY(!shown(ed, B::RotationBtn) && !shown(ed, B::AnimateBtn));
    // The rotation button keeps the rotation mode across pages.
    ed.RotateMode = true;
    c.setView3D(true);
    load(ed, c);
    QVERIFY(shown(ed, B::RotationBtn) && down(ed, B::RotationBtn));
    ed.RotateMode = false;
}

void TestChartEditor::actionsCarryOperationNames()
{
    TChartEditor ed;
    QStringList names;
    for (int i = 0; i < B::ButtonCount; ++i)
        names << ed.button(B::Button(i))->objectName();
    for (const char *op :
         {"SwitchVBar", "SwitchHBar", "SwitchPie", "SwitchGroupBars", "SwitchGroupLines",
          "SwapSeries", "View3DClick", "ViewWallsClick", "BLinesClick", "RotateBtnClick",
          "ZoomInClick", "AnimateClick", "SaveChartClick", "PrintChartClick", "EditChartClick",
          "Copyasbitmap1Click", "CopyasMetafile1Click", "OpenChartClick"})
        QVERIFY2(names.contains(QLatin1String(op)), op);
    QVERIFY(ed.findChild<QAction *>(QStringLiteral("SwitchPie")));
    QVERIFY(ed.findChild<TChart *>(QStringLiteral("ChartView")));
    // Triggering an action runs its operation.
    TChart c;
    ChartTestUtil::oneBarSeries(c, {1, 3}, {"a", "b"});
    load(ed, c);
    ed.button(B::PieBtn)->trigger();
    QCOMPARE(ed.ChartView()->series(0)->kind(), SeriesKind::Pie);
    QVERIFY(PageModified);
}

void TestChartEditor::barAndPieSwitches()
{
    TChartEditor ed;
    TChart c;
    ChartTestUtil::oneBarSeries(c, {10, 30, 60}, {"Apples", "Pears", "Plums"});
    c.rightAxis()->setMinMax(0, 80);
    c.rightAxis()->setIncrement(20);
    c.leftAxis()->setInverted(true);
    load(ed, c);
    TChart *v = ed.ChartView();

    ed.SwitchPie();
    const TChartSeries *s = v->series(0);
    QCOMPARE(s->kind(), SeriesKind::Pie);
    QVERIFY(s->colorEachPoint() && s->circled());
    QVERIFY(s->marks().visible && s->marks().transparent);
    QCOMPARE(s->marks().style, MarkStyle::LabelPercent);
    QCOMPARE(s->percentFormat(), QStringLiteral(" ##0.0%"));
    QCOMPARE(s->markText(0), QStringLiteral("Apples 10.0%"));
    QCOMPARE(s->markText(2), QStringLiteral("Plums 60.0%"));
    QVERIFY(PageModified);
    QVERIFY(down(ed, B::PieBtn) && !down(ed, B::VBarBtn));

    PageModified = false;
    ed.SwitchHBar();
    QCOMPARE(s->kind(), SeriesKind::HorizBar);
    QVERIFY(!s->colorEachPoint() && !s->marks().visible);
    QVERIFY(v->leftAxis()->automatic() && v->leftAxis()->inverted());
    QVERIFY(!v->leftAxis()->gridVisible() && v->bottomAxis()->gridVisible());
    QVERIFY(!v->bottomAxis()->automatic());
    QCOMPARE(v->bottomAxis()->minimum(), 0.0);
    QCOMPARE(v->bottomAxis()->maximum(), 80.0);
    QCOMPARE(v->bottomAxis()->increment(), 20.0);
    QVERIFY(PageModified);

    PageModified = false;
    ed.SwitchVBar();
    QCOMPARE(s->kind(), SeriesKind::Bar);
    QVERIFY(!v->leftAxis()->automatic() && !v->leftAxis()->inverted());
    QCOMPARE(v->leftAxis()->minimum(), 0.0);
    QCOMPARE(v->leftAxis()->maximum(), 80.0);
    QCOMPARE(v->leftAxis()->increment(), 20.0);
    QVERIFY(v->leftAxis()->gridVisible() && !v->bottomAxis()->gridVisible());
    QVERIFY(v->bottomAxis()->automatic());
    QCOMPARE(v->bottomAxis()->labelsAngle(), 0);
    QVERIFY(PageModified);
    QVERIFY(down(ed, B::VBarBtn));
}

void TestChartEditor::swapThreeByFour()
{
    TChartEditor ed;
    TChart c;
    ChartTestUtil::manySeries(c, 3, 4, true); // values 10k + c
    c.bottomAxis()->setTitle(QStringLiteral("Bottom"));
    c.rightAxis()->setTitle(QStringLiteral("Right"));
    load(ed, c);
    TChart *v = ed.ChartView();
    QList<QColor> old;
    for (int i = 0; i < 3; ++i)
        old << v->series(i)->color();
    PageModified = false;
    ed.SwapSeries();
    QVERIFY(!PageModified);
    QCOMPARE(v->seriesCount(), 4);
    for (int p = 0; p < 4; ++p) {
        const TChartSeries *s = v->series(p);
        QCOMPARE(s->kind(), SeriesKind::Bar);
        QCOMPARE(s->title(), QStringLiteral("C%1").arg(p + 1));
        QCOMPARE(s->count(), 3);
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(s->value(k), 10.0 * (k + 1) + p);
            QCOMPARE(s->label(k), QStringLiteral("S%1").arg(k + 1));
        }
        QVERIFY(!s->marks().visible);
        QCOMPARE(s->marks().arrowLength, 5);
        QCOMPARE(s->marks().style, MarkStyle::Value);
    }
    for (int i = 0; i < 3; ++i)
        QCOMPARE(v->series(i)->color(), old[i]);
    // The fourth takes the colour the first new series had when it was added.
    QCOMPARE(v->series(3)->color(), chartPaletteColor(3));
    QCOMPARE(v->bottomAxis()->title(), QStringLiteral("Right"));
    QCOMPARE(v->rightAxis()->title(), QStringLiteral("Bottom"));
}

void TestChartEditor::groupedBarsAndLines()
{
    TChartEditor ed;
    TChart c;
    ChartTestUtil::manySeries(c, 8, 101, true);
    load(ed, c);
    TChart *v = ed.ChartView();
    PageModified = false;
    ed.SwitchGroupLines();
    QVERIFY(!PageModified);
    // Lines over categories 0 .. 100: the margin is capped at 1.
    QCOMPARE(v->bottomAxis()->minimum(), -1.0);
    QCOMPARE(v->bottomAxis()->maximum(), 101.0);
    QVERIFY(!v->bottomAxis()->automatic());
    QCOMPARE(v->leftAxis()->endPosition(), 99.0);
    const PointerStyle expected[8] = {PointerStyle::Rectangle,    PointerStyle::Triangle,
                                      PointerStyle::Cross,        PointerStyle::Star,
                                      PointerStyle::DownTriangle, PointerStyle::DiagCross,
                                      PointerStyle::Circle,       PointerStyle::Rectangle};
    for (int i = 0; i < 8; ++i) {
        const TChartSeries *s = v->series(i);
        QCOMPARE(s->kind(), SeriesKind::Line);
        QVERIFY(s->pointer().visible);
        QCOMPARE(s->pointer().style, expected[i]);
        QCOMPARE(s->pointer().horizSize, 3);
        QCOMPARE(s->pointer().vertSize, 3);
        QCOMPARE(s->penWidth(), 2);
    }
    ed.SwitchGroupBars();
    QVERIFY(!PageModified);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(v->series(i)->kind(), SeriesKind::Bar);
        QCOMPARE(v->series(i)->penWidth(), 1);
    }
    QVERIFY(v->bottomAxis()->automatic());
    QCOMPARE(v->leftAxis()->endPosition(), 100.0);

    ChartTestUtil::manySeries(c, 3, 21, false);
    load(ed, c);
    ed.SwitchGroupLines();
    QCOMPARE(ed.ChartView()->bottomAxis()->minimum(), -0.5);
    QCOMPARE(ed.ChartView()->bottomAxis()->maximum(), 20.5);
}

void TestChartEditor::viewSwitches()
{
    TChartEditor ed;
    TChart c;
    c.setBackgroundColor(QColor(230, 240, 250));
    for (int k = 0; k < 3; ++k) {
        TChartSeries *s = c.addSeries(SeriesKind::Point3D);
        s->addXYZ(k, k, k);
    }
    load(ed, c);
    TChart *v = ed.ChartView();
    QCOMPARE(ed.SavedChartColor, QColor(230, 240, 250));
    ed.button(B::ViewWalls)->setChecked(false);
    ed.ViewWallsClick();
    QVERIFY(!v->walls() && !v->backWallPen() && !v->clipPoints() && v->borderVisible());
    QVERIFY(!v->series(0)->marks().clip);
    QCOMPARE(v->backgroundColor(), QColor(Qt::white));
    ed.button(B::ViewWalls)->setChecked(true);
    ed.ViewWallsClick();
    QVERIFY(v->walls() && v->backWallPen() && v->clipPoints() && !v->borderVisible());
    QCOMPARE(v->backgroundColor(), QColor(230, 240, 250));

    ed.button(B::BaseLineBtn)->setChecked(true);
    PageModified = false;
    ed.BLinesClick();
    QVERIFY(v->series(0)->baseLinesVisible() && v->series(1)->baseLinesVisible());
    QVERIFY(!v->series(2)->baseLinesVisible()); // the first two series only
    QVERIFY(PageModified);

    ed.button(B::View3D)->setChecked(true);
    ed.View3DClick();
    QVERIFY(v->view3D());
    QVERIFY(shown(ed, B::RotationBtn));

    ed.RotateMode = true;
    ed.button(B::ZoomInBtn)->setChecked(true);
    PageModified = false;
    ed.ZoomInClick();
    QVERIFY(!ed.RotateMode && v->zoomAllowed() && PageModified);
    QCOMPARE(v->cursor().shape(), Qt::SizeAllCursor);
    ed.button(B::RotationBtn)->setChecked(true);
    ed.RotateBtnClick();
    QVERIFY(ed.RotateMode && !v->zoomAllowed());
    QCOMPARE(v->cursor().shape(), Qt::ClosedHandCursor);
    ed.button(B::RotationBtn)->setChecked(false);
    ed.RotateBtnClick();
    QVERIFY(!ed.RotateMode);
}

void TestChartEditor::saveNamesAndFormats()
{
    QCOMPARE(TChartEditor::chartSaveName(QStringLiteral("/d/chart"), 5),
             QStringLiteral("/d/chart.PNG"));
    QCOMPARE(TChartEditor::chartSaveName(QStringLiteral("/d/chart.txt"), 5),
             QStringLiteral("/d/chart.txt"));
    QCOMPARE(TChartEditor::chartSaveName(QStringLiteral("/d.x/chart"), 1),
             QStringLiteral("/d.x/chart.KCX"));
    QCOMPARE(TChartEditor::chartSaveName(QStringLiteral("c"), 2), QStringLiteral("c.BMP"));
    QCOMPARE(TChartEditor::chartSaveName(QStringLiteral("c"), 3), QStringLiteral("c.SVG"));
    QCOMPARE(TChartEditor::chartSaveName(QStringLiteral("c"), 4), QStringLiteral("c.PDF"));
    QCOMPARE(TChartEditor::chartSaveName(QStringLiteral("c"), 6), QStringLiteral("c.JPG"));
    QVERIFY(TChartEditor::saveFilter().contains(QStringLiteral("*.KCX")));
    QVERIFY(!TChartEditor::saveFilter().contains(QStringLiteral("WMF")));

    QTemporaryDir dir;
    TChartEditor ed;
    ed.resize(500, 350);
    TChart c;
    ChartTestUtil::oneBarSeries(c, {1, 2, 3}, {"a", "b", "c"});
    load(ed, c);
    ScriptedDialogsScope d;
    d->answer(QStringLiteral("saveAs"), QVariantList{dir.filePath(QStringLiteral("chart")), 5});
    ed.SaveChartClick();
    QCOMPARE(QImageReader(dir.filePath(QStringLiteral("chart.PNG"))).format(), QByteArray("png"));
    d->answer(QStringLiteral("saveAs"), QVariantList{dir.filePath(QStringLiteral("chart.txt")), 5});
    ed.SaveChartClick();
    QCOMPARE(QImageReader(dir.filePath(QStringLiteral("chart.txt")), nullptr).format(),
             QByteArray("png"));
    d->answer(QStringLiteral("saveAs"), QVariantList{dir.filePath(QStringLiteral("k")), 1});
    ed.SaveChartClick();
    TChart back;
    back.loadFromFile(dir.filePath(QStringLiteral("k.KCX")));
    QCOMPARE(back.series(0)->value(2), 3.0);
    d->answer(QStringLiteral("saveAs"), QVariantList{dir.filePath(QStringLiteral("v")), 3});
    ed.SaveChartClick();
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("v.SVG"))).size() > 500);
    d->answer(QStringLiteral("saveAs"), QVariantList{dir.filePath(QStringLiteral("v")), 4});
    ed.SaveChartClick();
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("v.PDF"))).size() > 500);
    d->answer(QStringLiteral("saveAs"), QVariantList{dir.filePath(QStringLiteral("b")), 2});
    ed.SaveChartClick();
    QCOMPARE(QImageReader(dir.filePath(QStringLiteral("b.BMP"))).format(), QByteArray("bmp"));
    d->answer(QStringLiteral("saveAs"), QVariantList{dir.filePath(QStringLiteral("j")), 6});
    ed.SaveChartClick();
    QCOMPARE(QImageReader(dir.filePath(QStringLiteral("j.JPG"))).format(), QByteArray("jpeg"));
    // Cancelled: nothing written.
    const int files = QDir(dir.path()).count();
    ed.SaveChartClick();
    QCOMPARE(int(QDir(dir.path()).count()), files);

    // The store's side: extensions and files by extension.
    QVERIFY(ed.saveExtensions().contains(QStringLiteral("kcx")));
    ed.saveToFile(dir.filePath(QStringLiteral("s.png")));
    QVERIFY(!QImage(dir.filePath(QStringLiteral("s.png"))).isNull());
    QVERIFY_THROWS_EXCEPTION(TessaryError, ed.saveToFile(dir.filePath(QStringLiteral("s.wmf"))));
}

void TestChartEditor::loadingBadChartsLeavesAnEmptyChart()
{
    TChartEditor ed;
    TChart c;
    ChartTestUtil::oneBarSeries(c, {1, 2}, {});
    load(ed, c);
    QVERIFY_THROWS_EXCEPTION(TessaryError, ed.loadContent("{\"format\":\"tessary-chart\"", "x"));
    QVERIFY(ed.ChartView());
    QCOMPARE(ed.ChartView()->seriesCount(), 0);
    QVERIFY(!ed.renderImage(QSize(200, 100)).isNull());
    TChart back;
    back.loadFromStream(ed.saveContent());

    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.kcx"));
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("TPF0 binary junk from elsewhere");
    f.close();
    load(ed, c);
    try {
        ed.LoadChart(bad);
        QFAIL("a bad chart file was accepted");
    } catch (const TessaryError &e) {
        QVERIFY(e.message().contains(QStringLiteral("not a chart")));
    }
    QCOMPARE(ed.ChartView()->seriesCount(), 0);
    QVERIFY_THROWS_EXCEPTION(TessaryError,
                             ed.loadFile(dir.filePath(QStringLiteral("missing.kcx"))));
    QCOMPARE(ed.ChartView()->seriesCount(), 0);

    // Through the open command: the error is shown, the editor goes on.
    ScriptedDialogsScope d;
    d->answer(QStringLiteral("open"), bad);
    ed.button(B::OpenChart)->trigger();
    QVERIFY(d->asked.last().startsWith(QStringLiteral("message: ")));
    QCOMPARE(ed.ChartView()->seriesCount(), 0);

    // A good file through the same command.
    const QString good = dir.filePath(QStringLiteral("good.kcx"));
    c.saveToFile(good);
    d->answer(QStringLiteral("open"), good);
    ed.OpenChartClick();
    QCOMPARE(ed.ChartView()->seriesCount(), 1);
    ed.clearContent();
    QCOMPARE(ed.ChartView()->seriesCount(), 0);
    QCOMPARE(ed.ChartInfo(), QStringLiteral("None"));
}

void TestChartEditor::contentRoundTrip()
{
    TChartEditor ed;
    TChart c;
    ChartTestUtil::manySeries(c, 3, 5, false);
    c.setTitle(QStringLiteral("Trip"));
    c.setView3D(true);
    c.setRotation(40);
    const QByteArray bytes = c.saveToStream();
    ed.loadContent(bytes, QStringLiteral("S\ta\tTitle\tmodel"));
    QCOMPARE(ed.ChartInfo(), QStringLiteral("S\ta\tTitle\tmodel"));
    QCOMPARE(ed.saveContent(), bytes);
    // What the user changed is stored.
    ed.SwitchGroupBars();
    TChart back;
    back.loadFromStream(ed.saveContent());
    QCOMPARE(back.series(2)->kind(), SeriesKind::Bar);
    QCOMPARE(back.rotation(), 40);
}

void TestChartEditor::copyPrintAndEdit()
{
    TChartEditor ed;
    ed.resize(400, 300);
    TChart c;
    ChartTestUtil::oneBarSeries(c, {1, 2}, {"a", "b"});
    load(ed, c);
    ed.Copyasbitmap1Click();
    QVERIFY(QApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("image/png")));
    QCOMPARE(ed.ChartView()->backgroundColor(), ed.palette().color(QPalette::Button));
    ed.CopyasMetafile1Click();
    QVERIFY(QApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("image/svg+xml")));

    ScriptedDialogsScope d;
    const QString printed = QDir::temp().filePath(QStringLiteral("scripted-print.pdf"));
    QFile::remove(printed);
    d->answer(QStringLiteral("printPreview"), true);
    ed.PrintChartClick();
    QCOMPARE(ed.ChartView()->printMargins(), QMargins(5, 5, 5, 5));
    QCOMPARE(ed.ChartView()->printResolution(), -30);
    QVERIFY(QFileInfo(printed).size() > 1000);

    // The editing dialog: whatever the user does, the page counts as changed.
    PageModified = false;
    QTimer::singleShot(0, [] {
        if (QWidget *w = QApplication::activeModalWidget())
            QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection);
    });
    ed.EditChartClick();
    QVERIFY(PageModified);
    QCOMPARE(ed.ChartView()->seriesCount(), 1);
}

int runChartEditorTests(int argc, char **argv)
{
    TestChartEditor t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_charteditor.moc"
