// Our HTML-to-RTF conversion of the report export's HTML: the cleaning of that HTML,
// tables, pictures and headings read back by our RTF reader, code pages, bad input.
#include "ReportHtmlFixture.h"
#include "platform/wordproc/HtmlToRtfWriter.h"
#include "platform/wordproc/ReportHtml.h"
#include "platform/wordproc/RtfReader.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

QList<QTextTable *> tablesOf(QTextDocument *doc)
{
    QList<QTextTable *> tables;
    for (QTextFrame *frame : doc->rootFrame()->childFrames())
        if (auto *table = qobject_cast<QTextTable *>(frame))
            tables << table;
    return tables;
}

int imageCount(const QTextDocument &doc)
{
    int count = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                ++count;
    return count;
}

QTextBlock blockWithText(const QTextDocument &doc, const QString &text)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.text().trimmed() == text)
            return b;
    return QTextBlock();
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestHtmlToRtf : public QObject
{
    Q_OBJECT
private slots:
    void cleaningTheExportHtml();
    void cleaningBadHtml();
    void reportBecomesRtfWithTableHeadingsAndPictures();
    void codePagesAndUnicode();
};

void TestHtmlToRtf::cleaningTheExportHtml()
{
    const QString html = QStringLiteral(
        "<HTML><HEAD>\n<BASEFONT FACE=\"Liberation Sans, Arial\" SIZE=\"4\" COLOR=\"#102030\">\n"
        "</HEAD><BODY>\n<P>&nbsp;</P>\n<H3><CENTER>T1</CENTER></H3>\n"
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\n<html><head><meta name=\"qrichtext\" "
        "content=\"1\" /><title>inner</title><style type=\"text/css\">p { margin: 9px; }</style>"
        "</head><body style=\" font-family:'Sans'; font-size:10pt;\">\n<p>a &lt; b and 1 < 2</p>"
        "</body></html>\n<P>&nbsp;</P>\n<H3 class=\"x\"><CENTER>T2</CENTER></H3>\n"
        "<H2><CENTER>one</CENTER> two</H2>\n<!-- a comment <b> -->\n"
        "<CENTER><IMG SRC=\"./Rep_files/CHART3.JPG\"/></CENTER>\n</BODY>");
    const ReportHtml::Cleaned c = ReportHtml::clean(html);
    QCOMPARE(c.baseFont.family, QStringLiteral("Liberation Sans"));
    QCOMPARE(c.baseFont.pointSize, 14.0);
    QCOMPARE(c.baseFont.colour, QColor(0x10, 0x20, 0x30));
    // One document; heads, titles, styles, doctypes, comments and BASEFONT are gone.
    QCOMPARE(c.html.count(QLatin1String("<html>"), Qt::CaseInsensitive), 1);
    QCOMPARE(c.html.count(QLatin1String("<body>"), Qt::CaseInsensitive), 1);
    QCOMPARE(c.html.count(QLatin1String("</body>"), Qt::CaseInsensitive), 1);
    for (const char *gone :
         {"inner", "DOCTYPE", "<style", "margin: 9px", "BASEFONT", "qrichtext", "a comment"})
        QVERIFY2(!c.html.contains(QLatin1String(gone), Qt::CaseInsensitive), gone);
    // The body's style lives on as a div around the document's content.
    QVERIFY(c.html.contains(
        QStringLiteral("<div style=\" font-family:'Sans'; font-size:10pt;\">\n<p>a &lt; b and "
                       "1 < 2</p></div>")));
    // Headings made of one centred block become centred headings; mixed ones stay.
    QVERIFY(c.html.contains(QStringLiteral("<h3 align=\"center\">T1</h3>")));
    QVERIFY(c.html.contains(QStringLiteral("<h3 class=\"x\" align=\"center\">T2</h3>")));
    QVERIFY(c.html.contains(QStringLiteral("<H2><CENTER>one</CENTER> two</H2>")));
    QVERIFY(
        c.html.contains(QStringLiteral("<CENTER><IMG SRC=\"./Rep_files/CHART3.JPG\"/></CENTER>")));

    // Sizes 1..7, relative sizes, colours without '#', no BASEFONT at all.
    QCOMPARE(ReportHtml::pointSizeOfHtmlSize(1), 8.0);
    QCOMPARE(ReportHtml::pointSizeOfHtmlSize(7), 36.0);
    QCOMPARE(ReportHtml::pointSizeOfHtmlSize(0), 0.0);
    QCOMPARE(
        ReportHtml::clean(QStringLiteral("<basefont size=+1 color=ff0000>x")).baseFont.pointSize,
        14.0);
    QCOMPARE(ReportHtml::clean(QStringLiteral("<basefont size=+1 color=ff0000>x")).baseFont.colour,
             QColor(Qt::red));
    const ReportHtml::Cleaned none = ReportHtml::clean(QStringLiteral("<p>x</p>"));
    QVERIFY(none.baseFont.family.isEmpty());
    QCOMPARE(none.baseFont.pointSize, 0.0);
    QVERIFY(!none.baseFont.colour.isValid());
}

void TestHtmlToRtf::cleaningBadHtml()
{
    // Unterminated tags, quotes, comments and heads end the cleaning, never hang it,
    // and keep the text before them.
    const QStringList bad = {QStringLiteral("<p>text <b"),
                             QStringLiteral("<p a=\"unterminated>text</p>"),
                             QStringLiteral("before<!-- never closed"),
                             QStringLiteral("before<head><title>x"),
                             QStringLiteral("<"),
                             QStringLiteral("<<<>>><//>< >"),
                             QStringLiteral("</body></body></html><body style=x>")};
    for (const QString &html : bad) {
        const ReportHtml::Cleaned c = ReportHtml::clean(html);
        QVERIFY2(c.html.startsWith(QLatin1String("<html>")), qPrintable(html));
        QVERIFY2(c.html.endsWith(QLatin1String("</html>\n")), qPrintable(html));
        const QByteArray rtf = HtmlToRtfWriter::convert(html, QString(), {});
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(rtf.endsWith("}\r\n"));
    }
    QVERIFY(
        ReportHtml::clean(QStringLiteral("<p>text <b")).html.contains(QLatin1String("text <b")));
    QVERIFY(ReportHtml::clean(QStringLiteral("before<head><title>x"))
                .html.contains(QLatin1String("before")));
    // A head never closed: its title goes, the document after it stays.
    const QString unclosed =
        ReportHtml::clean(QStringLiteral("<head><title>t</title><p>kept</p>")).html;
    QVERIFY(unclosed.contains(QLatin1String("<p>kept</p>")));
    QVERIFY(!unclosed.contains(QLatin1String(">t<")));
    // A picture that does not exist or is no picture is left out, the rest stays.
    QTemporaryDir dir;
    QFile junk(dir.filePath(QStringLiteral("junk.jpg")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    const QByteArray rtf = HtmlToRtfWriter::convert(
        QStringLiteral("<p>A<img src=\"missing.png\">B<img src=\"junk.jpg\">C</p>"), dir.path(),
        {});
    QVERIFY(!rtf.contains("\\pict"));
    QTextDocument back;
    RtfReader::read(rtf, &back);
    QCOMPARE(back.toPlainText().remove(QChar::ObjectReplacementCharacter).trimmed(),
             QStringLiteral("ABC"));
}

void TestHtmlToRtf::reportBecomesRtfWithTableHeadingsAndPictures()
{
    QTemporaryDir dir;
    const QString htmlPath = ReportHtmlFixture::write(dir.path());
    QHash<QString, QByteArray> cache;
    const QByteArray rtf =
        HtmlToRtfWriter::convert(QString::fromUtf8(readAll(htmlPath)), dir.path(), {}, &cache);
    QCOMPARE(cache.size(), 2); // both picture files were read
    // RTF tables, both pictures (the BMP as PNG), centred outline-levelled headings.
    for (const char *word : {"\\trowd", "\\cellx", "\\cell", "\\row", "\\jpegblip", "\\pngblip",
                             "\\outlinelevel2", "\\qc", "\\ansicpg1252", "\\deflang1033"})
        QVERIFY2(rtf.contains(word), word);
    QCOMPARE(rtf.count("\\row\r\n"), 3);
    QCOMPARE(rtf.count("{\\pict"), 2);
    // The default font comes from BASEFONT; the document's colour survives.
    QVERIFY(rtf.contains("\\fcharset0 Arial;"));
    QVERIFY(rtf.contains("\\red192\\green0\\blue0;"));

    QTextDocument doc;
    QStringList warnings;
    RtfReader::read(rtf, &doc, &warnings);
    const QList<QTextTable *> tables = tablesOf(&doc);
    QCOMPARE(tables.size(), 1);
    QTextTable *table = tables.first();
    QCOMPARE(table->rows(), 3);
    QCOMPARE(table->columns(), 3);
    const QStringList cells = ReportHtmlFixture::cells();
    for (int i = 0; i < cells.size(); ++i) {
        const QTextTableCell cell = table->cellAt(i / 3, i % 3);
        QTextCursor cursor = cell.firstCursorPosition();
        cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        QCOMPARE(cursor.selectedText(), cells.at(i));
    }
    QCOMPARE(imageCount(doc), 2);
    for (const QString &title : ReportHtmlFixture::titles()) {
        const QTextBlock heading = blockWithText(doc, title);
        QVERIFY2(heading.isValid(), qPrintable(title));
        QCOMPARE(heading.blockFormat().headingLevel(), 3);
        QVERIFY(heading.blockFormat().alignment() & Qt::AlignHCenter);
        bool bold = false;
        for (auto it = heading.begin(); !it.atEnd(); ++it)
            bold = bold || it.fragment().charFormat().fontWeight() >= QFont::Bold;
        QVERIFY2(bold, qPrintable(title));
    }
    // The document page's formatting and text outside ASCII.
    const QString text = doc.toPlainText();
    QVERIFY(text.contains(QStringLiteral("Revenue grew by 12% in Z\u00fcrich and Gen\u00e8ve.")));
    const QTextBlock revenue = doc.find(QStringLiteral("12%")).block();
    bool boldRun = false;
    for (auto it = revenue.begin(); !it.atEnd(); ++it)
        if (it.fragment().text() == QLatin1String("12%"))
            boldRun = it.fragment().charFormat().fontWeight() >= QFont::Bold;
    QVERIFY(boldRun);
}

void TestHtmlToRtf::codePagesAndUnicode()
{
    const QString html =
        QStringLiteral("<p>\u041f\u0440\u0438\u0432\u0435\u0442 Z\u00fcrich \u20ac "
                       "\u4e2d</p>");
    HtmlToRtfWriter::Options cyrillic;
    cyrillic.codePage = 1251;
    const QByteArray rtf1251 = HtmlToRtfWriter::convert(html, QString(), cyrillic);
    QVERIFY(rtf1251.startsWith("{\\rtf1\\ansi\\ansicpg1251"));
    QVERIFY(rtf1251.contains("\\fcharset204 "));
    QVERIFY(rtf1251.contains("\\u1055\\'cf")); // П is 0xCF in Windows-1251
    QVERIFY(rtf1251.contains("\\u252?"));      // ü has no byte there
    QVERIFY(rtf1251.contains("\\u8364\\'88")); // € is 0x88 in Windows-1251
    QVERIFY(rtf1251.contains("\\u20013?"));    // 中 has none anywhere
    const QByteArray rtf1252 = HtmlToRtfWriter::convert(html, QString(), {});
    QVERIFY(rtf1252.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    QVERIFY(rtf1252.contains("\\u252\\'fc"));
    QVERIFY(rtf1252.contains("\\u1055?"));
    QVERIFY(rtf1252.contains("\\u8364\\'80"));
    HtmlToRtfWriter::Options central;
    central.codePage = 1250;
    central.languageId = 1045;
    const QByteArray rtf1250 =
        HtmlToRtfWriter::convert(QStringLiteral("<p>\u0141\u00f3d\u017a</p>"), QString(), central);
    QVERIFY(rtf1250.contains("\\ansicpg1250"));
    QVERIFY(rtf1250.contains("\\deflang1045"));
    QVERIFY(rtf1250.contains("\\u321\\'a3")); // Ł
    // Whatever the code page, every reader gets the text back from \uN.
    for (const QByteArray &rtf : {rtf1251, rtf1252}) {
        QTextDocument back;
        RtfReader::read(rtf, &back);
        QCOMPARE(back.toPlainText().trimmed(),
                 QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442 "
                                "Z\u00fcrich \u20ac \u4e2d"));
    }
    // Code pages for character set names.
    QCOMPARE(HtmlToRtfWriter::rtfCodePageOf(QStringLiteral("WINDOWS-1251")), 1251);
    QCOMPARE(HtmlToRtfWriter::rtfCodePageOf(QStringLiteral("windows-1258")), 1258);
    QCOMPARE(HtmlToRtfWriter::rtfCodePageOf(QStringLiteral("KOI8-R")), 1251);
    QCOMPARE(HtmlToRtfWriter::rtfCodePageOf(QStringLiteral("ISO-8859-5")), 1251);
    QCOMPARE(HtmlToRtfWriter::rtfCodePageOf(QStringLiteral("ISO-8859-1")), 1252);
    QCOMPARE(HtmlToRtfWriter::rtfCodePageOf(QStringLiteral("UTF-8")), 1252);
    QCOMPARE(HtmlToRtfWriter::rtfCodePageOf(QStringLiteral("WINDOWS-12510")), 1252);
    QCOMPARE(HtmlToRtfWriter::rtfCodePageOf(QString()), 1252);
}

int runHtmlToRtfTests(int argc, char **argv)
{
    TestHtmlToRtf t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_htmltortf.moc"
