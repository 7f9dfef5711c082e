// The chart leaving the program: picture and vector files, the SVG's bars,
// the clipboard, printing.
#include "ChartTestUtil.h"

#include "platform/TessaryError.h"
#include "platform/chart/ChartExport.h"
#include "platform/chart/TChart.h"
#include "tests/support/ScriptedDialogs.h"

#include <QClipboard>
#include <QImageReader>
#include <QMimeData>
#include <QPrinter>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
// Counts the rectangles the SVG draws with a given stroke colour (the engine
// outlines each bar in its colour, darkened).
int countRects(const QByteArray &svg, const QString &stroke, bool *wellFormed)
{
    QXmlStreamReader xml(svg);
    QStringList strokes;
    int count = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString s = xml.attributes().value(QStringLiteral("stroke")).toString();
            strokes.append(s.isEmpty() && !strokes.isEmpty() ? strokes.last() : s);
            if (xml.name() == QLatin1String("rect") && strokes.last() == stroke)
                ++count;
        } else if (xml.isEndElement()) {
            strokes.removeLast();
        }
    }
    *wellFormed = !xml.hasError();
    return count;
}
} // namespace

class TestChartExport : public QObject
{
    Q_OBJECT

private slots:
    void svgParsesAndHoldsEveryBar();
    void filesOfEveryFormat();
    void clipboardBitmapAndSvg();
    void printingAndPreview();
};

void TestChartExport::svgParsesAndHoldsEveryBar()
{
    TChart chart;
    ChartTestUtil::manySeries(chart, 2, 5, true);
    chart.series(0)->setColor(QColor(0x33, 0x66, 0x99));
    chart.series(1)->setColor(QColor(0x99, 0x33, 0x66));
    const QByteArray svg = ChartExport::svg(chart, QSize(640, 400));
    bool ok = false;
    QCOMPARE(countRects(svg, QColor(0x33, 0x66, 0x99).darker(140).name(), &ok), 5);
    QVERIFY(ok);
    QCOMPARE(countRects(svg, QColor(0x99, 0x33, 0x66).darker(140).name(), &ok), 5);
    QVERIFY(svg.contains("<svg"));
    // One more category, one more bar per series.
    chart.series(0)->add(3, QStringLiteral("C6"));
    QCOMPARE(countRects(ChartExport::svg(chart, QSize(640, 400)),
                        QColor(0x33, 0x66, 0x99).darker(140).name(), &ok),
             6);
}

void TestChartExport::filesOfEveryFormat()
{
    QTemporaryDir dir;
    TChart chart;
    ChartTestUtil::oneBarSeries(chart, {4, 8, 15, 16, 23, 42}, {"a", "b", "c", "d", "e", "f"});
    chart.setTitle(QStringLiteral("Numbers"));
    for (const QString ext : {"png", "jpg", "jpeg", "bmp"}) {
        const QString f = dir.filePath(QStringLiteral("c.") + ext);
        ChartExport::saveByExtension(chart, f, QSize(320, 240));
        QImageReader r(f);
        QCOMPARE(r.size(), QSize(320, 240));
        const QImage img = r.read();
        QVERIFY(!img.isNull());
        QVERIFY(!img.hasAlphaChannel());
    }
    const QString svg = dir.filePath(QStringLiteral("c.svg"));
    ChartExport::saveByExtension(chart, svg, QSize(320, 240));
    QFile s(svg);
    QVERIFY(s.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(s.readAll());
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY(!xml.hasError());
    const QString pdf = dir.filePath(QStringLiteral("c.pdf"));
    ChartExport::saveByExtension(chart, pdf);
    QFile p(pdf);
    QVERIFY(p.open(QIODevice::ReadOnly));
    QVERIFY(p.read(5) == "%PDF-");
    QVERIFY(p.size() > 1000);
    const QString kcx = dir.filePath(QStringLiteral("c.kcx"));
    ChartExport::saveByExtension(chart, kcx);
    TChart back;
    back.loadFromFile(kcx);
    QCOMPARE(back.series(0)->value(5), 42.0);
    QVERIFY_THROWS_EXCEPTION(
        TessaryError, ChartExport::saveByExtension(chart, dir.filePath(QStringLiteral("c.doc"))));
    QVERIFY_THROWS_EXCEPTION(
        TessaryError, ChartExport::saveByExtension(chart, QStringLiteral("/no/such/dir/c.png")));
}

void TestChartExport::clipboardBitmapAndSvg()
{
    TChart chart;
    ChartTestUtil::oneBarSeries(chart, {1, 2}, {"a", "b"});
    ChartExport::copyBitmap(chart, QSize(300, 200));
    const QMimeData *m = QApplication::clipboard()->mimeData();
    QVERIFY(m->hasFormat(QStringLiteral("image/png")));
    QImage img;
    QVERIFY(img.loadFromData(m->data(QStringLiteral("image/png")), "PNG"));
    QCOMPARE(img.size(), QSize(300, 200));
    ChartExport::copySvg(chart, QSize(300, 200));
    m = QApplication::clipboard()->mimeData();
    QVERIFY(m->hasFormat(QStringLiteral("image/svg+xml")));
    QXmlStreamReader xml(m->data(QStringLiteral("image/svg+xml")));
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY(!xml.hasError());
}

void TestChartExport::printingAndPreview()
{
    QTemporaryDir dir;
    TChart chart;
    ChartTestUtil::oneBarSeries(chart, {1, 2, 3}, {"a", "b", "c"});
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("p.pdf")));
    chart.setPrintMargins(QMargins(5, 5, 5, 5));
    chart.setPrintResolution(-30);
    ChartExport::print(chart, &printer);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("p.pdf"))).size() > 1000);

    ScriptedDialogsScope d;
    const QString scripted = QDir::temp().filePath(QStringLiteral("scripted-print.pdf"));
    QFile::remove(scripted);
    d->answer(QStringLiteral("printPreview"), false);
    QVERIFY(!ChartExport::printPreview(chart, nullptr));
    QVERIFY(!QFile::exists(scripted));
    d->answer(QStringLiteral("printPreview"), true);
    QVERIFY(ChartExport::printPreview(chart, nullptr));
    QVERIFY(QFileInfo(scripted).size() > 1000);
    QVERIFY(d->unanswered.isEmpty());
}

int runChartExportTests(int argc, char **argv)
{
    TestChartExport t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_chartexport.moc"
