// The HTML export on real report files with the real page editors, headless.
#include "export/HtmlExport.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "tests/export/ExportTestUtil.h"
#include "tests/export/ReportBuilder.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestReport.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QtTest>

namespace {
const QString kFiveLines = QStringLiteral("<HTML><HEAD>\n"
                                          "<BASEFONT FACE=\"Arial\" SIZE=\"3\" COLOR=\"#000000\">\n"
                                          "</HEAD><BODY>\n"
                                          "</BODY>\n"
                                          "</HTML>\n");

HtmlExport::Result exportTicked(const QString &report, const QString &out,
                                const QList<int> &ticked = {}, bool all = false)
{
    HeadlessStore store(report);
    HtmlExport html(*store.dm, store.editors.get());
    if (!all)
        html.isTicked = [ticked](int i) { return ticked.contains(i); };
    return html.CreateHTML(out);
}
} // namespace

class HtmlExportTest : public QObject
{
    Q_OBJECT
    QString m_dir;

private slots:
    void init() { m_dir = testTempDir(); }

    void nothingTickedWritesTheFiveLines()
    {
        const QString report = m_dir + "/r.SUP";
        ReportBuilder b(report);
        b.page(PageKind::Document, "Doc", ReportBuilder::document("<p>text</p>"));
        b.page(PageKind::Chart, "Chart", ReportBuilder::chart("c"));
        b.finish();
        const QString out = m_dir + "/Empty.htm";
        const HtmlExport::Result r = exportTicked(report, out, {});
        QVERIFY(r.written);
        QCOMPARE(r.pages, 0);
        QCOMPARE(readText(out), kFiveLines);
        // The picture folder is made even when nothing goes into it.
        QVERIFY(QFileInfo(m_dir + "/Empty_files").isDir());
        QVERIFY(QDir(m_dir + "/Empty_files").isEmpty());
    }

    void oneChartGivesTheExactLines()
    {
        const QString report = m_dir + "/r.SUP";
        ReportBuilder b(report);
        b.page(PageKind::Document, "A", ReportBuilder::document("<p>a</p>"));
        b.page(PageKind::Document, "B", ReportBuilder::document("<p>b</p>"));
        b.page(PageKind::Chart, "Sales", ReportBuilder::chart("Sales"));
        b.finish();
        const QString out = m_dir + "/Rep.htm";
        const HtmlExport::Result r = exportTicked(report, out, {3});
        QCOMPARE(r.pages, 1);
        QVERIFY(r.failed.isEmpty());
        QCOMPARE(readText(out),
                 QStringLiteral("<HTML><HEAD>\n"
                                "<BASEFONT FACE=\"Arial\" SIZE=\"3\" COLOR=\"#000000\">\n"
                                "</HEAD><BODY>\n"
                                "<P>&nbsp;</P>\n"
                                "<H3><CENTER>Sales</CENTER></H3>\n"
                                "\n"
                                "<CENTER><IMG SRC=\"./Rep_files/CHART3.JPG\"/></CENTER>\n"
                                "</BODY>\n"));
        QImageReader reader(m_dir + "/Rep_files/CHART3.JPG");
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage picture = reader.read();
        QVERIFY(!picture.isNull());
        QVERIFY(picture.width() > 100);
        QCOMPARE(r.pictures,
                 QStringList{QDir::toNativeSeparators(m_dir + "/Rep_files/CHART3.JPG")});
    }

    void tableThenDocumentKeepsOnlyTheLastClosing()
    {
        const QString report = m_dir + "/r.SUP";
        ReportBuilder b(report);
        b.page(PageKind::Table, "Counts", ReportBuilder::table(3, 2, "cell"));
        b.page(PageKind::HostDocument5, "Notes", ReportBuilder::document("<p>Hello notes</p>"));
        b.finish();
        const QString out = m_dir + "/t.html";
        const HtmlExport::Result r = exportTicked(report, out, {}, true);
        QCOMPARE(r.pages, 2);
        const QString text = readText(out);
        QCOMPARE(headings(text), (QStringList{"Counts", "Notes"}));
        // The table's "</BODY></HTML>" was cut when the document was joined.
        QCOMPARE(text.count("</BODY>"), 1);
        QCOMPARE(text.count("</HTML>"), 1);
        QVERIFY(text.endsWith("</BODY></HTML>\n"));
        QVERIFY(text.indexOf("cell2_1") > 0);
        QVERIFY(text.indexOf("cell2_1") < text.indexOf("Hello notes"));
        // Only the first part's head was kept: one <HEAD> in the file.
        QCOMPARE(text.count("<HEAD>"), 1);

        // The other way round the table's closing lines end the file.
        const QString report2 = m_dir + "/r2.SUP";
        ReportBuilder b2(report2);
        b2.page(PageKind::Document, "Notes", ReportBuilder::document("<p>Hello notes</p>"));
        b2.page(PageKind::Table, "Counts", ReportBuilder::table(2, 2));
        b2.finish();
        exportTicked(report2, m_dir + "/t2.html", {}, true);
        const QString text2 = readText(m_dir + "/t2.html");
        QCOMPARE(text2.count("</BODY>"), 1);
        QVERIFY(text2.endsWith("</table>\n</BODY></HTML>\n"));
    }

    void timelinesDiagramsAndCloudsNeverAppear()
    {
        const QString report = m_dir + "/r.SUP";
        ReportBuilder b(report);
        // Their contents are not even valid: they must never be loaded.
        b.page(PageKind::Timeline, "Timeline page", "not a timeline");
        b.page(PageKind::Diagram, "Diagram page", "not a diagram");
        b.page(PageKind::WordCloud, "Cloud page", "not a cloud");
        b.page(PageKind::Document, "Only doc", ReportBuilder::document("<p>x</p>"));
        b.page(PageKind::NoEditor9, "Kind nine", "x");
        b.finish();
        const QString out = m_dir + "/k.htm";
        const HtmlExport::Result r = exportTicked(report, out, {}, true);
        QVERIFY2(r.failed.isEmpty(), qPrintable(r.failed.join('\n')));
        QCOMPARE(r.pages, 1);
        const QString text = readText(out);
        QCOMPARE(headings(text), QStringList{"Only doc"});
        for (const char *title :
             {"Timeline page", "Diagram page", "Cloud page", "Kind nine", "Project name"})
            QVERIFY2(!text.contains(title), title);
    }

    void pictureNamesFollowTheAbsoluteIndex()
    {
        const QString report = m_dir + "/r.SUP";
        ReportBuilder b(report);
        const int folder = b.folder("Figures");
        b.page(PageKind::Chart, "Bars", ReportBuilder::chart("Bars"), folder);
        b.page(PageKind::Picture, "Photo", ReportBuilder::picture(QSize(40, 30), Qt::blue), folder);
        b.page(PageKind::Chart, "More bars", ReportBuilder::chart("More", 9));
        b.finish();

        const QString all = m_dir + "/all.htm";
        HtmlExport::Result r = exportTicked(report, all, {}, true);
        QCOMPARE(r.pages, 3);
        QVERIFY(QFileInfo::exists(m_dir + "/all_files/CHART2.JPG"));
        QVERIFY(QFileInfo::exists(m_dir + "/all_files/CHART4.JPG"));
        QImageReader bmp(m_dir + "/all_files/CHART3.BMP");
        QCOMPARE(bmp.format(), QByteArray("bmp"));
        const QImage photo = bmp.read();
        QCOMPARE(photo.size(), QSize(40, 30));
        QCOMPARE(photo.pixelColor(39, 29), QColor(Qt::blue));
        QCOMPARE(imageSources(readText(all)),
                 (QStringList{"./all_files/CHART2.JPG", "./all_files/CHART3.BMP",
                              "./all_files/CHART4.JPG"}));

        // Fewer ticks: the same page keeps its name.
        const QString some = m_dir + "/some.htm";
        r = exportTicked(report, some, {3, 4});
        QCOMPARE(imageSources(readText(some)),
                 (QStringList{"./some_files/CHART3.BMP", "./some_files/CHART4.JPG"}));
        QVERIFY(!QFileInfo::exists(m_dir + "/some_files/CHART2.JPG"));
    }

    void theOutputFolderPathIsRemoved()
    {
        const QString outDir = m_dir + "/Out";
        QDir().mkpath(outDir);
        const QString report = m_dir + "/r.SUP";
        ReportBuilder b(report);
        b.page(PageKind::Document, "Paths",
               ReportBuilder::document(
                   QStringLiteral("<p>See %1/notes.txt and %1/%1/x.</p>").arg(outDir)));
        b.finish();
        const QString out = outDir + "/P.htm";
        exportTicked(report, out, {}, true);
        const QString text = readText(out);
        QVERIFY(!text.contains(outDir + "/"));
        QVERIFY(text.contains("See notes.txt and x."));

        QCOMPARE(HtmlExport::replaceRepeatedly("aabb", "ab", ""), QString());
        QCOMPARE(HtmlExport::replaceRepeatedly("xabyab", "ab", "-"), QString("x-y-"));
        // A replacement that holds the search text is made once only.
        QCOMPARE(HtmlExport::replaceRepeatedly("ab ab", "ab", "[ab]"), QString("[ab] ab"));
        QCOMPARE(HtmlExport::replaceRepeatedly("none", "", "x"), QString("none"));
        QCOMPARE(HtmlExport::asciiHtml(QString::fromUtf8("é\xF0\x9F\x98\x80<")),
                 QString("&#233;&#128512;<"));
    }

    void damagedPagesAreLeftOutAndNamed()
    {
        const QString report = m_dir + "/r.SUP";
        ReportBuilder b(report);
        b.page(PageKind::Document, "Before", ReportBuilder::document("<p>first</p>"));
        const qint32 chart = b.page(PageKind::Chart, "Broken chart", "this is no chart");
        const qint32 table = b.page(PageKind::Table, "Broken table", "{\"format\":");
        b.missingPage(PageKind::Document, "Gone", 9999);
        b.page(PageKind::Document, "After", ReportBuilder::document("<p>last</p>"));
        b.finish();
        const QString out = m_dir + "/d.htm";
        const HtmlExport::Result r = exportTicked(report, out, {}, true);
        QVERIFY(r.written);
        QCOMPARE(r.pages, 2);
        QCOMPARE(r.failed.size(), 3);
        QVERIFY(r.failed[0].startsWith(QStringLiteral("Broken chart (page %1)").arg(chart)));
        QVERIFY(r.failed[1].startsWith(QStringLiteral("Broken table (page %1)").arg(table)));
        QVERIFY(r.failed[2].startsWith("Gone (page 9999)"));
        for (const char *name : {"Broken chart", "Broken table", "Gone"})
            QVERIFY(r.problems().contains(name));
        const QString text = readText(out);
        QCOMPARE(headings(text), (QStringList{"Before", "After"}));
        QVERIFY(text.contains("first") && text.contains("last"));
        QVERIFY(!QFileInfo::exists(m_dir + QStringLiteral("/d_files/CHART2.JPG")));
    }

    void progressCountsTickedNodesAndCancelStops()
    {
        const QString report = m_dir + "/r.SUP";
        ReportBuilder b(report);
        const int f = b.folder("F");
        for (int i = 0; i < 4; ++i)
            b.page(PageKind::Document, QStringLiteral("Page %1").arg(i),
                   ReportBuilder::document("<p>p</p>"), f);
        b.finish();
        // Nodes: root 0, folder 1, pages 2..5; the scale is 5, its half 2.
        QList<HtmlExportProgress> seen;
        {
            HeadlessStore store(report);
            HtmlExport html(*store.dm, store.editors.get());
            html.isTicked = [](int i) { return i != 3; };
            html.onProgress = [&](const HtmlExportProgress &p) { seen << p; };
            PageModified = true;
            const HtmlExport::Result r = html.CreateHTML(m_dir + "/p.htm");
            QCOMPARE(r.pages, 3);
            QVERIFY(!PageModified);
        }
        QCOMPARE(seen.size(), 5);
        QList<int> values;
        for (const HtmlExportProgress &p : seen) {
            values << p.value;
            QCOMPARE(p.maximum, 5);
            QCOMPARE(p.textColour, p.value >= 2 ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::black));
        }
        QCOMPARE(values, (QList<int>{0, 1, 2, 4, 5}));
        QCOMPARE(seen[2].text, QString(" Page 0"));

        // Cancelling after the third page writes no file.
        HeadlessStore store(report);
        HtmlExport html(*store.dm, store.editors.get());
        int calls = 0;
        html.onProgress = [&](const HtmlExportProgress &) { ++calls; };
        html.isCancelled = [&] { return calls == 3; };
        const HtmlExport::Result r = html.CreateHTML(m_dir + "/c.htm");
        QVERIFY(r.cancelled);
        QVERIFY(!r.written);
        QCOMPARE(calls, 3);
        QVERIFY(!QFileInfo::exists(m_dir + "/c.htm"));
    }

    void documentPicturesAndTextReadBack()
    {
        const QString report = m_dir + "/r.SUP";
        ReportBuilder b(report);
        b.page(PageKind::Document, QString::fromUtf8("Résumé <1>"),
               ReportBuilder::pngDocument(QString::fromUtf8("Zürich – ok")));
        b.page(PageKind::Document, "Same picture", ReportBuilder::pngDocument("again"));
        b.finish();
        const QString out = m_dir + "/pics.htm";
        const HtmlExport::Result r = exportTicked(report, out, {}, true);
        QCOMPARE(r.pages, 2);
        const QByteArray bytes = [&] {
            QFile f(out);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        // Plain ASCII: characters beyond it are character references.
        for (char c : bytes)
            QVERIFY(uchar(c) < 0x80);
        const QString text = decodeReferences(QString::fromLatin1(bytes));
        QCOMPARE(headings(text).first(), QString::fromUtf8("Résumé &lt;1&gt;"));
        QVERIFY(text.contains(QString::fromUtf8("Zürich – ok")));
        const QStringList sources = imageSources(text);
        QCOMPARE(sources.size(), 2);
        // The same picture is one file, named relative to the HTML file.
        QCOMPARE(sources[0], sources[1]);
        QVERIFY(!QFileInfo(sources[0]).isAbsolute());
        QVERIFY(sources[0].startsWith("pics_files/"));
        QCOMPARE(QImage(m_dir + "/" + sources[0]).size(), QSize(24, 16));
    }
};

TESSARY_TEST(HtmlExportTest)
#include "tst_htmlexport.moc"
