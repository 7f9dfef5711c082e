// The grid's data, sorting, native stream and file formats, each read back by
// an independent reader (Python's csv, xml.etree, zipfile and html.parser).
#include "GridTestUtil.h"

#include "platform/TessaryError.h"
#include "platform/grid/DelimitedText.h"
#include "platform/grid/GridData.h"
#include "platform/grid/GridDocx.h"
#include "platform/grid/GridFiles.h"
#include "platform/grid/GridSort.h"
#include "platform/grid/GridStream.h"
#include "platform/grid/GridXml.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char *CsvReader = R"(
import csv, sys, json
with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:
    print(json.dumps(list(csv.reader(f, delimiter=sys.argv[2]))))
)";

const char *XmlReader = R"(
import sys, json, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
print(json.dumps({"root": root.tag,
                  "rows": [[[c.tag, c.text or ""] for c in row] for row in root],
                  "rowtags": [r.tag for r in root]}))
)";

const char *XlsxReader = R"(
import sys, json, zipfile, xml.etree.ElementTree as ET
z = zipfile.ZipFile(sys.argv[1])
m = '{http://schemas.openxmlformats.org/spreadsheetml/2006/main}'
ss = []
if 'xl/sharedStrings.xml' in z.namelist():
    for si in ET.fromstring(z.read('xl/sharedStrings.xml')).iter(m + 'si'):
        ss.append(''.join(t.text or '' for t in si.iter(m + 't')))
sheet = ET.fromstring(z.read('xl/worksheets/sheet1.xml'))
cells = {}
for c in sheet.iter(m + 'c'):
    t = c.get('t'); v = c.find(m + 'v')
    if t == 's': val = ss[int(v.text)]
    elif t == 'inlineStr': val = ''.join(x.text or '' for x in c.iter(m + 't'))
    elif v is not None: val = v.text
    else: val = None
    cells[c.get('r')] = {'v': val, 't': t or ''}
cols = [{'min': c.get('min'), 'width': c.get('width'), 'hidden': c.get('hidden') or '0'}
        for c in sheet.iter(m + 'col')]
pane = sheet.find('.//' + m + 'pane')
print(json.dumps({'cells': cells, 'styles': z.read('xl/styles.xml').decode(), 'cols': cols,
                  'pane': dict(pane.attrib) if pane is not None else None}))
)";

const char *HtmlReader = R"(
import sys, json
from html.parser import HTMLParser
class P(HTMLParser):
    def __init__(s):
        super().__init__(); s.rows = []; s.cell = None; s.styles = []; s.tags = []
    def handle_starttag(s, tag, attrs):
        if tag == 'tr': s.rows.append([])
        if tag in ('td', 'th'):
            s.cell = ''; s.styles.append(dict(attrs).get('style', '')); s.tags.append(tag)
        if tag == 'br' and s.cell is not None: s.cell += '\n'
    def handle_endtag(s, tag):
        if tag in ('td', 'th'): s.rows[-1].append(s.cell); s.cell = None
    def handle_data(s, d):
        if s.cell is not None: s.cell += d
p = P(); p.feed(open(sys.argv[1], encoding='utf-8').read())
print(json.dumps({'rows': p.rows, 'styles': p.styles, 'tags': p.tags}))
)";

const char *DocxReader = R"PY(
import sys, json, zipfile, re
d = zipfile.ZipFile(sys.argv[1]).read('word/document.xml').decode()
print(json.dumps({'tbl': '<w:tbl>' in d, 'texts': re.findall(r'<w:t[^>]*>([^<]*)</w:t>', d),
                  'bold': '<w:b' in d,
                  'cols': [int(w) for w in re.findall(r'<w:gridCol w:w="([0-9]+)"', d)]}))
)PY";

QStringList column(const GridData &g, int c)
{
    QStringList out;
    for (int r = 0; r < g.rowCount(); ++r)
        out << g.text(r, c);
    return out;
}

QStringList toStrings(const QJsonArray &a)
{
    QStringList out;
    for (const QJsonValue &v : a)
        out << v.toString();
    return out;
}

} // namespace

class TestGridFormats : public QObject
{
    Q_OBJECT

private slots:
    void numbersAndSorting();
    void nativeStreamRoundTrip();
    void nativeStreamBadInput();
    void csvRoundTripIsByteIdentical();
    void csvUnclosedQuoteKeepsRowsBefore();
    void csvOtherEncodingsAndEndings();
    void delimitedAndPlainWriters();
    void xmlFieldNamesAndWriter();
    void xlsxWriter();
    void htmlWriter();
    void docxAndRtfWriters();
};

void TestGridFormats::numbersAndSorting()
{
    QCOMPARE(*GridSort::number("-12,5"), -12.5);
    QCOMPARE(*GridSort::number(" 3.25 "), 3.25);
    QCOMPARE(*GridSort::number("1,234.5"), 1234.5);
    QCOMPARE(*GridSort::number("1.234,5"), 1234.5);
    QCOMPARE(*GridSort::number("45.2%"), 45.2);
    QCOMPARE(*GridSort::number(QString::fromUtf8("\u22127")), -7.0);
    QVERIFY(!GridSort::number("abc"));
    QVERIFY(!GridSort::number("1,2,3"));
    QVERIFY(!GridSort::number("-"));
    QVERIFY(!GridSort::number(""));

    GridData g;
    g.reset(9, 2);
    const QStringList values = {"Head", "10", "", "-3", "2,5", "apple", "100", "", "Banana"};
    for (int r = 0; r < values.size(); ++r) {
        g.setText(r, 0, values[r]);
        g.setText(r, 1, QString::number(r));
        g.setRowHeight(r, 20 + r);
    }
    g.sortRows(0, true, 1);
    QCOMPARE(column(g, 0),
             QStringList({"Head", "-3", "2,5", "10", "100", "apple", "Banana", "", ""}));
    // Rows move whole, heights with them; equal keys keep their order.
    QCOMPARE(g.text(1, 1), QString("3"));
    QCOMPARE(g.rowHeight(1), 23);
    QCOMPARE(g.text(7, 1), QString("2"));
    QCOMPARE(g.text(8, 1), QString("7"));
    g.sortRows(0, false, 1);
    QCOMPARE(column(g, 0),
             QStringList({"Head", "Banana", "apple", "100", "10", "2,5", "-3", "", ""}));
    // The fixed row stays where it is.
    QCOMPARE(g.text(0, 0), QString("Head"));
}

void TestGridFormats::nativeStreamRoundTrip()
{
    GridData g;
    makeCrosstab(g);
    g.setText(2, 0, QString::fromUtf8("Süd \"quoted\"\nline\ttab \u4e2d\u6587"));
    g.setColumnWidth(2, 91);
    g.setRowHeight(3, 44);
    g.setColumnHidden(3, true);
    g.setWordWrap(true);
    g.setMultiLine(true);
    CellFormat f;
    f.fontName = "DejaVu Serif";
    f.fontSize = 11;
    f.fontStyle = CellFormat::Italic | CellFormat::Underline;
    f.borderColor = QColor(Qt::red);
    g.setFormat(3, 2, f);
    const QByteArray bytes = GridStream::write(g);
    QVERIFY(bytes.startsWith("{\"format\":\"tessary-grid\",\"version\":1"));

    GridData back;
    GridStream::read(bytes, back);
    QCOMPARE(back.rowCount(), 5);
    QCOMPARE(back.columnCount(), 4);
    QCOMPARE(back.fixedRows(), 1);
    QCOMPARE(back.fixedColumns(), 1);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(back.text(r, c), g.text(r, c));
            QVERIFY(back.format(r, c) == g.format(r, c));
        }
    QCOMPARE(back.columnWidth(0), 110);
    QCOMPARE(back.columnWidth(2), 91);
    QCOMPARE(back.rowHeight(3), 44);
    QVERIFY(back.isColumnHidden(3));
    QVERIFY(!back.isColumnHidden(2));
    QVERIFY(back.wordWrap());
    QVERIFY(back.multiLine());
    QCOMPARE(back.format(0, 1).backColor, QColor(0x1F, 0x4E, 0x79));
    QCOMPARE(back.format(1, 1).alignment, int(CellFormat::Right));
    // The same content gives the same bytes.
    QCOMPARE(GridStream::write(back), bytes);

    // What a host may write: cells as strings, numbers or objects with inline
    // properties, colours as "#RRGGBB" or as 0x00BBGGRR numbers, sizes omitted.
    const QByteArray host = R"({"format":"tessary-grid","version":1,"fixedRows":1,
        "styles":[{}, {"bold":true,"background":"#dde4ee"}],
        "cells":[[{"text":"Item","style":1},{"text":"n","style":1,"align":"right"}],
                 ["a", 12.5], [null, {"text":"7","color":255,"align":"right"}]]})";
    GridData h;
    GridStream::read(host, h);
    QCOMPARE(h.rowCount(), 3);
    QCOMPARE(h.columnCount(), 2);
    QCOMPARE(h.text(1, 1), QString("12.5"));
    QCOMPARE(h.text(2, 0), QString());
    QVERIFY(h.format(0, 0).fontStyle & CellFormat::Bold);
    QVERIFY(h.format(0, 1).fontStyle & CellFormat::Bold);
    QCOMPARE(h.format(0, 1).alignment, int(CellFormat::Right));
    QCOMPARE(h.format(0, 1).backColor, QColor("#dde4ee"));
    QCOMPARE(h.format(2, 1).fontColor, QColor(255, 0, 0));
    QCOMPARE(h.rowHeight(1), GridData::DefaultRowHeight);
    QCOMPARE(h.fontName(), QString("Tahoma"));
}

void TestGridFormats::nativeStreamBadInput()
{
    const QList<QByteArray> bad = {
        "",
        "not json",
        "[1,2]",
        "{\"format\":\"tessary-chart\",\"version\":1}",
        "{\"format\":\"tessary-grid\"}",
        "{\"format\":\"tessary-grid\",\"version\":2,\"cells\":[]}",
        "{\"format\":\"tessary-grid\",\"version\":1,\"rows\":2000000000,\"columns\":100}",
        "{\"format\":\"tessary-grid\",\"version\":1,\"cells\":[[\"a\"]",
    };
    for (const QByteArray &b : bad) {
        GridData g;
        makeCrosstab(g);
        bool thrown = false;
        try {
            GridStream::read(b, g);
        } catch (const TessaryError &e) {
            thrown = true;
            QVERIFY(!e.message().isEmpty());
        }
        QVERIFY2(thrown, b.constData());
        // The grid is left empty, not half-loaded.
        QCOMPARE(g.text(0, 0), QString());
        QCOMPARE(g.fixedColumns(), 0);
    }
    // Wrong types inside a valid stream are read as far as they make sense.
    GridData g;
    GridStream::read(R"({"format":"tessary-grid","version":1,"cells":[["a",true,{"style":99}],
        "oops", [[1]]],"columnWidths":["x",-5],"hiddenColumns":[77],"styles":"no"})",
                     g);
    QCOMPARE(g.rowCount(), 3);
    QCOMPARE(g.text(0, 1), QString("true"));
    QCOMPARE(g.columnWidth(1), 0);
}

void TestGridFormats::csvRoundTripIsByteIdentical()
{
    const QByteArray csv =
        QByteArray("\xEF\xBB\xBF") +
        QString::fromUtf8("Name,City,Note,Amount\r\n"
                          "\"Smith, John\",Kraków,\"He said \"\"hi\"\"\",12.5\r\n"
                          "Иванов,Москва,\"two\r\nlines\",-3\r\n"
                          "王,北京,,\"1,5\"\r\n"
                          ",,,\r\n")
            .toUtf8();
    QTemporaryDir dir;
    const QString in = dir.filePath("in.csv");
    writeFileBytes(in, csv);
    GridData g;
    QCOMPARE(GridFiles::read(g, in), QString());
    QCOMPARE(g.rowCount(), 5);
    QCOMPARE(g.columnCount(), 4);
    QCOMPARE(g.text(1, 0), QString("Smith, John"));
    QCOMPARE(g.text(1, 1), QString::fromUtf8("Kraków"));
    QCOMPARE(g.text(1, 2), QString("He said \"hi\""));
    QCOMPARE(g.text(2, 0), QString::fromUtf8("Иванов"));
    QCOMPARE(g.text(2, 2), QString("two\r\nlines"));
    QCOMPARE(g.text(3, 1), QString::fromUtf8("北京"));
    QCOMPARE(g.text(3, 3), QString("1,5"));
    QCOMPARE(g.text(4, 3), QString());

    const QString out = dir.filePath("out.csv");
    GridFiles::write(g, GridFiles::CommaDelimited, out);
    QCOMPARE(readFileBytes(out), csv);

    const QJsonArray rows = runPython(CsvReader, {out, ","}).toArray();
    QCOMPARE(rows.size(), 5);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4; ++c)
            QCOMPARE(rows[r].toArray()[c].toString(), g.text(r, c));
}

void TestGridFormats::csvUnclosedQuoteKeepsRowsBefore()
{
    GridData g;
    const QString warning = DelimitedText::load("a,b\r\n1,2\r\n3,\"open\r\n4,5\r\n", ',', g);
    QVERIFY(warning.contains("Line 3"));
    QVERIFY(warning.contains("not closed"));
    QCOMPARE(g.rowCount(), 3);
    QCOMPARE(g.text(1, 1), QString("2"));
    QCOMPARE(g.text(2, 0), QString("3"));
    QCOMPARE(g.text(2, 1), QString());
    // A quote opened on the first line keeps nothing but says where.
    const auto r = DelimitedText::parse("\"abc", ',');
    QVERIFY(r.rows.isEmpty());
    QVERIFY(r.warning.contains("Line 1"));
}

void TestGridFormats::csvOtherEncodingsAndEndings()
{
    // No BOM, LF and lone CR endings, no final line break, text after a closing quote.
    GridData g;
    QCOMPARE(DelimitedText::load("x;y\n\"a\"b;c\rd;\"e\n\"", ';', g), QString());
    QCOMPARE(g.rowCount(), 3);
    QCOMPARE(g.text(1, 0), QString("ab"));
    QCOMPARE(g.text(2, 0), QString("d"));
    QCOMPARE(g.text(2, 1), QString("e\n"));
    // Windows-1252 bytes that are not UTF-8.
    QCOMPARE(DelimitedText::decode("caf\xE9 \x80"), QString::fromUtf8("café €"));
    // UTF-16 with a byte-order mark.
    QByteArray u16("\xFF\xFE");
    u16 += QByteArray(reinterpret_cast<const char *>(u"a\tb"), 6);
    QCOMPARE(DelimitedText::decode(u16), QString("a\tb"));
    // Ragged rows: the grid is as wide as the longest.
    DelimitedText::load("1\n1,2,3\n", ',', g);
    QCOMPARE(g.columnCount(), 3);
    QCOMPARE(g.text(0, 2), QString());
}

void TestGridFormats::delimitedAndPlainWriters()
{
    GridData g;
    makeCrosstab(g);
    g.setText(1, 0, "Tab\there");
    QTemporaryDir dir;
    const QString tab = dir.filePath("t.tab");
    GridFiles::write(g, GridFiles::TabDelimited, tab);
    const QJsonArray rows = runPython(CsvReader, {tab, "\t"}).toArray();
    QCOMPARE(rows.size(), 5);
    QCOMPARE(rows[1].toArray()[0].toString(), QString("Tab\there"));
    QCOMPARE(toStrings(rows[3].toArray()), QStringList({"East", "-12,5", "3.25", "1000"}));

    const QString txt = dir.filePath("t.txt");
    GridFiles::write(g, GridFiles::PlainText, txt);
    const QStringList lines = QString::fromUtf8(readFileBytes(txt)).split("\r\n");
    QCOMPARE(lines.size(), 6); // five lines and the empty rest after the last break
    QCOMPARE(lines[0], QString("Region    Yes    No    Total"));
    // Right-aligned cells end at their column's edge.
    QCOMPARE(lines[3], QString("East      -12,5  3.25   1000"));
}

void TestGridFormats::xmlFieldNamesAndWriter()
{
    QCOMPARE(GridXml::XmlFieldName("Category"), QString("Category"));
    QCOMPARE(GridXml::XmlFieldName("# of cases"), QString("no_of_cases"));
    QCOMPARE(GridXml::XmlFieldName("%"), QString("_"));
    QCOMPARE(GridXml::XmlFieldName("1st  value"), QString("1st_value"));
    QCOMPARE(GridXml::XmlFieldName(QString::fromUtf8("Zażółć gęślą")), QString("Za_g_l_"));
    QCOMPARE(GridXml::XmlFieldName("a.b-c:d_e"), QString("a.b-c:d_e"));
    QCOMPARE(GridXml::elementName("1st"), QString("_1st"));
    QCOMPARE(GridXml::elementName("a:b"), QString("a_b"));
    QCOMPARE(GridXml::elementName(""), QString("_"));

    GridData g;
    g.reset(3, 4);
    const QStringList head = {"Category", "# of cases", "%", "Hidden"};
    for (int c = 0; c < 4; ++c)
        g.setText(0, c, head[c]);
    g.setText(1, 0, "A & <B>");
    g.setText(1, 1, "12");
    g.setText(1, 2, "40.5");
    g.setText(2, 0, QString::fromUtf8("Ωmega\x01"));
    g.setColumnHidden(3, true);
    QTemporaryDir dir;
    const QString xml = dir.filePath("t.xml");
    GridFiles::write(g, GridFiles::Xml, xml);
    const QJsonObject o = runPython(XmlReader, {xml}).toObject();
    QCOMPARE(o.value("root").toString(), QString("Table"));
    QCOMPARE(toStrings(o.value("rowtags").toArray()), QStringList({"Row", "Row"}));
    const QJsonArray row1 = o.value("rows").toArray()[0].toArray();
    QCOMPARE(row1.size(), 3);
    QCOMPARE(toStrings(row1[0].toArray()), QStringList({"Category", "A & <B>"}));
    QCOMPARE(toStrings(row1[1].toArray()), QStringList({"no_of_cases", "12"}));
    QCOMPARE(toStrings(row1[2].toArray()), QStringList({"_", "40.5"}));
    QCOMPARE(o.value("rows").toArray()[1].toArray()[0].toArray()[1].toString(),
             QString::fromUtf8("Ωmega"));
}

void TestGridFormats::xlsxWriter()
{
    GridData g;
    makeCrosstab(g);
    g.setColumnHidden(2, true);
    g.setText(2, 0, QString::fromUtf8("Süd\nline two"));
    QTemporaryDir dir;
    const QString file = dir.filePath("t.xlsx");
    GridFiles::write(g, GridFiles::Spreadsheet, file);
    const QJsonObject o = runPython(XlsxReader, {file}).toObject();
    const QJsonObject cells = o.value("cells").toObject();
    QCOMPARE(cells.value("A1").toObject().value("v").toString(), QString("Region"));
    QCOMPARE(cells.value("A3").toObject().value("v").toString(),
             QString::fromUtf8("Süd\nline two"));
    // Plain numbers are numbers; a decimal comma stays text as typed.
    QCOMPARE(cells.value("B2").toObject().value("t").toString(), QString());
    QCOMPARE(cells.value("B2").toObject().value("v").toString(), QString("120"));
    QCOMPARE(cells.value("C4").toObject().value("v").toString(), QString("3.25"));
    QCOMPARE(cells.value("B4").toObject().value("v").toString(), QString("-12,5"));
    const QString styles = o.value("styles").toString();
    QVERIFY(styles.contains("<b/>"));
    QVERIFY(styles.contains("FF1F4E79")); // header background
    QVERIFY(styles.contains("FFFFFFFF")); // white header text
    QVERIFY(styles.contains("horizontal=\"right\""));
    QVERIFY(styles.contains("horizontal=\"center\""));
    QVERIFY(styles.contains("Tahoma"));
    const QJsonArray cols = o.value("cols").toArray();
    QVERIFY(cols.size() >= 4);
    QCOMPARE(cols[0].toObject().value("width").toString().toDouble() > 14, true); // 110 px
    QCOMPARE(cols[2].toObject().value("hidden").toString(), QString("1"));
    QCOMPARE(o.value("pane").toObject().value("topLeftCell").toString(), QString("B2"));

    // A folder that does not exist is an error with a message, not a crash.
    bool thrown = false;
    try {
        GridFiles::write(g, GridFiles::Spreadsheet, dir.filePath("no/such/t.xlsx"));
    } catch (const TessaryError &e) {
        thrown = e.message().contains("t.xlsx");
    }
    QVERIFY(thrown);
}

void TestGridFormats::htmlWriter()
{
    GridData g;
    makeCrosstab(g);
    g.setText(1, 0, "<North> & \"co\"\nsecond");
    QTemporaryDir dir;
    const QString file = dir.filePath("t.htm");
    GridFiles::write(g, GridFiles::Html, file, "Crosstab");
    const QJsonObject o = runPython(HtmlReader, {file}).toObject();
    const QJsonArray rows = o.value("rows").toArray();
    QCOMPARE(rows.size(), 5);
    QCOMPARE(toStrings(rows[0].toArray()), QStringList({"Region", "Yes", "No", "Total"}));
    QCOMPARE(rows[1].toArray()[0].toString(), QString("<North> & \"co\"\nsecond"));
    QCOMPARE(rows[3].toArray()[1].toString(), QString("-12,5"));
    const QJsonArray styles = o.value("styles").toArray();
    QVERIFY(styles[1].toString().contains("font-weight:bold"));
    QVERIFY(styles[1].toString().contains("background-color:#1f4e79"));
    QVERIFY(styles[1].toString().contains("color:#ffffff"));
    QVERIFY(styles[5].toString().contains("text-align:right"));
    QVERIFY(styles[5].toString().contains("font-weight:normal"));
    QCOMPARE(o.value("tags").toArray()[0].toString(), QString("th"));
    QCOMPARE(o.value("tags").toArray()[5].toString(), QString("td"));
}

void TestGridFormats::docxAndRtfWriters()
{
    GridData g;
    makeCrosstab(g);
    g.setText(2, 0, QString::fromUtf8("Süd"));
    // A narrow column whose bold header is one long word.
    g.setText(0, 2, QStringLiteral("Dissatisfaction"));
    for (int c = 0; c < 4; ++c)
        g.setColumnWidth(c, 40);
    QTemporaryDir dir;
    const QString docx = dir.filePath("t.docx");
    GridFiles::write(g, GridFiles::Docx, docx);
    const QJsonObject o = runPython(DocxReader, {docx}).toObject();
    QVERIFY(o.value("tbl").toBool());
    QVERIFY(o.value("bold").toBool());
    const QStringList texts = toStrings(o.value("texts").toArray());
    for (const char *t : {"Region", "Total", "-12,5", "1400"})
        QVERIFY2(texts.contains(t), t);
    QVERIFY(texts.contains(QString::fromUtf8("Süd")));
    // The long word's column is widened to hold it (well past 40 pixels, 600
    // twips), and more than the short-worded columns beside it.
    const QJsonArray cols = o.value("cols").toArray();
    QCOMPARE(cols.size(), 4);
    QVERIFY2(cols[2].toInt() > 1400, qPrintable(QString::number(cols[2].toInt())));
    QVERIFY(cols[2].toInt() > cols[1].toInt() && cols[2].toInt() > cols[3].toInt());

    // Column shares: hidden columns get none; a table wider than the page is
    // scaled to the page's width, keeping the proportions.
    g.setColumnHidden(1, true);
    QCOMPARE(GridDocx::columnPercents(g).size(), 3);
    g.setColumnHidden(1, false);
    for (int c = 0; c < 4; ++c)
        g.setColumnWidth(c, c == 0 ? 1000 : 500);
    const QVector<double> wide = GridDocx::columnPercents(g);
    QCOMPARE(wide.size(), 4);
    QVERIFY(qAbs(wide[0] + wide[1] + wide[2] + wide[3] - 100.0) < 0.01);
    QVERIFY(qAbs(wide[0] - 2 * wide[1]) < 0.01);

    const QString rtf = dir.filePath("t.rtf");
    GridFiles::write(g, GridFiles::RichText, rtf);
    const QByteArray bytes = readFileBytes(rtf);
    QVERIFY(bytes.startsWith("{\\rtf"));
    // A real table: five rows of four cells, the header shaded, repeated on each page.
    QCOMPARE(bytes.count("\\row"), 5);
    QCOMPARE(bytes.count("\\cell "), 0);
    QCOMPARE(bytes.count("}\\cell"), 20);
    QVERIFY(bytes.contains("\\trhdr"));
    QVERIFY(bytes.contains("\\clcbpat"));
    QVERIFY(bytes.contains("\\red31\\green78\\blue121"));
    QVERIFY(bytes.contains("\\qr"));
    for (const char *t : {"Region", "-12,5", "1400", "S\\u252\\'fcd"})
        QVERIFY2(bytes.contains(t), t);
}

int runGridFormatsTests(int argc, char **argv)
{
    TestGridFormats t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_gridformats.moc"
