// tessary-cli import, save and render: files become pages through the
// program's own store and editors, and pages become files and pictures again.
// Every check runs the real tessary-cli process on real files.
#include "store/TDM.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestReport.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray pngBytes(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Share of the pixels that are not (nearly) white, and how many distinct colours there are.
double inkShare(const QImage &image, int *colours = nullptr)
{
    qint64 ink = 0;
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) < 240 || qGreen(p) < 240 || qBlue(p) < 240)
                ++ink;
            if (seen.size() < 1000)
                seen.insert(p);
        }
    if (colours)
        *colours = seen.size();
    return double(ink) / (double(image.width()) * image.height());
}

// The ids tessary-cli import printed, one per line.
QList<int> ids(const CliResult &r)
{
    QList<int> result;
    for (const QByteArray &line : r.out.split('\n'))
        if (!line.isEmpty())
            result << line.toInt();
    return result;
}

int rowCount(const QString &report)
{
    return int(runCli({"list", report}).out.count('\n')) - 1;
}

// One word of a word-cloud document as the checks compare it.
struct CloudWord
{
    QString text;
    int weight = 0;
    int fontSize = 0;
    QList<int> box;
};

struct Cloud
{
    QList<int> bounds;
    QList<CloudWord> words;
};

QList<int> boxOf(const QString &text)
{
    QList<int> box;
    for (const QString &part : text.split(QLatin1Char(';')))
        box << part.trimmed().toInt();
    return box;
}

// Reads a word-cloud document with Qt's XML reader, independently of the
// program's own reader.
Cloud readCloud(const QByteArray &xml)
{
    Cloud cloud;
    QXmlStreamReader r(xml);
    QStringList path;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            path << r.name().toString();
            if (path.join('/') == "WordCloud/Words/Word")
                cloud.words.append(CloudWord());
        } else if (r.isEndElement()) {
            path.removeLast();
        } else if (r.isCharacters() && !r.isWhitespace()) {
            const QString at = path.join('/');
            const QString text = r.text().toString();
            if (at == "WordCloud/StartingBounds")
                cloud.bounds = boxOf(text);
            else if (at == "WordCloud/Words/Word/Text")
                cloud.words.last().text = text;
            else if (at == "WordCloud/Words/Word/Weight")
                cloud.words.last().weight = text.toInt();
            else if (at == "WordCloud/Words/Word/FontSize")
                cloud.words.last().fontSize = text.toInt();
            else if (at == "WordCloud/Words/Word/StartingBounds")
                cloud.words.last().box = boxOf(text);
        }
    }
    return cloud;
}

const char kCloudXml[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<WordCloud version="1.0">
	<BackgroundColor>16777215</BackgroundColor>
	<Coverage>0.6</Coverage>
	<Shadow>false</Shadow>
	<Palette>7</Palette>
	<Font>Arial,1,0,10,1</Font>
	<StartingBounds>10;10;390;290</StartingBounds>
	<Words>
		<Word><Text>survey</Text><TextColor>0</TextColor><Weight>120</Weight><FontSize>36</FontSize><StartingBounds>125;120;275;162</StartingBounds></Word>
		<Word><Text>delivery</Text><TextColor>0</TextColor><Weight>64</Weight><FontSize>20</FontSize><StartingBounds>40;50;152;78</StartingBounds></Word>
		<Word><Text>café</Text><TextColor>0</TextColor><Weight>50</Weight><FontSize>18</FontSize><StartingBounds>240;60;306;88</StartingBounds></Word>
		<Word><Text>служба</Text><TextColor>0</TextColor><Weight>41</Weight><FontSize>16</FontSize><StartingBounds>40;190;140;214</StartingBounds></Word>
		<Word><Text>R&amp;D</Text><TextColor>0</TextColor><Weight>30</Weight><FontSize>14</FontSize><StartingBounds>260;200;320;222</StartingBounds></Word>
		<Word><Text>staff</Text><TextColor>0</TextColor><Weight>22</Weight><FontSize>12</FontSize><StartingBounds>170;235;216;255</StartingBounds></Word>
	</Words>
</WordCloud>
)";

// A CSV file as hosts and spreadsheets write it: byte-order mark, CR LF,
// quotes only where needed, a quoted comma, a doubled quote, a line break in
// a cell and text in several scripts.
const char kCsv[] = "\xEF\xBB\xBF"
                    "Region,Answer,Count\r\n"
                    "\"North, coast\",\"He said \"\"yes\"\"\",120\r\n"
                    "Zürich,\"two\nlines\",-3.5\r\n"
                    "Москва,東京,\r\n";

} // namespace

class TestCliPages : public QObject
{
    Q_OBJECT
private slots:
    void tablesRoundTrip()
    {
        const QString dir = testTempDir();
        const QString report = dir + "/t.sup";
        QCOMPARE(runCli({"new", report}).exitCode, 0);
        writeFile(dir + "/Answers by region.csv", kCsv);
        writeFile(dir + "/tabbed.tab", "a\tb\r\n1\t2\r\n");

        CliResult r = runCli({"import", report, dir + "/Answers by region.csv", dir + "/tabbed.tab",
                              "--folder", "Tables", "--comment", "From the survey\nwave 2"});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QVERIFY2(r.err.isEmpty(), r.err.constData());
        QCOMPARE(ids(r), QList<int>({3, 4}));
        // Titled with the file name, in the folder, with the comment.
        r = runCli({"tree", report});
        QVERIFY2(r.out.endsWith("  Tables  [folder, data -1]\n"
                                "    Answers by region  [table, data 3]\n"
                                "    tabbed  [table, data 4]\n"),
                 r.out.constData());
        // Placed by the import, PageInfo is the title, as the import command writes it.
        QVERIFY(runCli({"list", report}).out.contains("\ttable\tAnswers by region\t"));
        QCOMPARE(runCli({"cat", report, "4", "--comment"}).out,
                 QByteArray("From the survey\r\nwave 2"));
        // Tessary is told that the report changed.
        QVERIFY(readFile(dir + "/t.KVB").contains("SUP Modified=T"));

        // Back to CSV: cell for cell, byte for byte.
        r = runCli({"save", report, "3", "--to", dir + "/back.csv"});
        QVERIFY2(r.exitCode == 0 && r.err.isEmpty(), r.err.constData());
        QCOMPARE(r.out, QByteArray());
        QCOMPARE(readFile(dir + "/back.csv"), QByteArray(kCsv));
        // Through the grid's own file and a second import, still the same.
        QCOMPARE(runCli({"save", report, "3", "--to", dir + "/copy.grid2"}).exitCode, 0);
        QVERIFY(readFile(dir + "/copy.grid2").contains("\"format\""));
        r = runCli({"import", report, dir + "/copy.grid2", "--folder", "Tables"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(ids(r), QList<int>({5}));
        QCOMPARE(runCli({"save", report, "5", "--to", dir + "/again.csv"}).exitCode, 0);
        QCOMPARE(readFile(dir + "/again.csv"), QByteArray(kCsv));
        QCOMPARE(runCli({"save", report, "4", "--to", dir + "/tabbed.csv"}).exitCode, 0);
        QCOMPARE(readFile(dir + "/tabbed.csv"), QByteArray("\xEF\xBB\xBF"
                                                           "a,b\r\n1,2\r\n"));
        // Other writers of the table editor are reached by extension.
        QCOMPARE(runCli({"save", report, "3", "--to", dir + "/t.html"}).exitCode, 0);
        const QString html = QString::fromUtf8(readFile(dir + "/t.html"));
        QVERIFY(html.contains("Москва") && html.contains("<table", Qt::CaseInsensitive));
        QCOMPARE(runCli({"save", report, "3", "--to", dir + "/t.xlsx"}).exitCode, 0);
        QVERIFY(readFile(dir + "/t.xlsx").startsWith("PK\x03\x04"));

        // Without --folder the pages wait for Tessary's intake: the stored tree
        // is not touched, and --signal tells a running Tessary. (The next
        // writable open places them, as Tessary's own open does.)
        const QByteArray treeBefore = runCli({"tree", report}).out;
        QFile::remove(TDM::signalFilePath());
        r = runCli({"import", report, dir + "/tabbed.tab", "--signal"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(ids(r), QList<int>({6}));
        QCOMPARE(runCli({"tree", report}).out, treeBefore);
        QVERIFY(QFile::exists(TDM::signalFilePath()));
        QVERIFY(QFile::remove(TDM::signalFilePath()));
        QVERIFY(runCli({"list", report}).out.contains("\ttable\t\\t\\ttabbed\t"));
        QCOMPARE(runCli({"import", report, dir + "/tabbed.tab", "--folder", "Tables"}).exitCode, 0);
        QVERIFY(runCli({"tree", report})
                    .out.contains("  New items  [folder, data -1]\n    tabbed  [table, data 6]\n"));
    }

    void documentsRoundTrip()
    {
        const QString dir = testTempDir();
        const QString report = dir + "/d.sup";
        QCOMPARE(runCli({"new", report}).exitCode, 0);
        const QByteArray html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body>"
                                "<h1>Survey results</h1>"
                                "<p>Answers from <b>412</b> people, <i>weighted</i>. See "
                                "<a href=\"https://example.org/survey\">the survey</a>.</p>"
                                "<ul><li>Yes: 61 %</li><li>No: 39 % — Ελληνικά</li></ul>"
                                "<table border=\"1\"><tr><th>Answer</th><th>Count</th></tr>"
                                "<tr><td>Yes</td><td>251</td></tr></table>"
                                "<p><img src=\"data:image/png;base64," +
                                pngBytes(8, 8, qRgb(0, 160, 0)).toBase64() +
                                "\" width=\"32\" height=\"32\"></p></body></html>";
        writeFile(dir + "/Findings.html", html);
        const QByteArray rtf =
            "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 "
            "Plain {\\b bold} and {\\i italic}.\\par "
            "Gr\\'fc\\'dfe \\u1069?\\u1090?\\u1086? \\u26085?\\u26412?\\par}";
        writeFile(dir + "/Notes.rtf", rtf);

        CliResult r = runCli({"import", report, dir + "/Findings.html", dir + "/Notes.rtf"});
        QVERIFY2(r.exitCode == 0 && r.err.isEmpty(), r.err.constData());
        QCOMPARE(ids(r), QList<int>({3, 4}));

        // HTML out: the same text, heading, emphasis, link, list, table and picture.
        QTextDocument original;
        original.setHtml(QString::fromUtf8(html));
        QCOMPARE(runCli({"save", report, "3", "--to", dir + "/out.html"}).exitCode, 0);
        const QByteArray saved = readFile(dir + "/out.html");
        QVERIFY(saved.contains("data:image/png;base64,"));
        QVERIFY(saved.contains("href=\"https://example.org/survey\""));
        QTextDocument back;
        back.setHtml(QString::fromUtf8(saved));
        QCOMPARE(back.toPlainText(), original.toPlainText());
        QCOMPARE(back.firstBlock().blockFormat().headingLevel(), 1);
        QVERIFY(back.find("412").charFormat().fontWeight() >= QFont::Bold);
        QVERIFY(back.find("weighted").charFormat().fontItalic());
        bool list = false, table = false, picture = false;
        for (QTextBlock b = back.begin(); b.isValid(); b = b.next()) {
            list = list || b.textList();
            table = table || QTextCursor(b).currentTable();
            for (auto it = b.begin(); !it.atEnd(); ++it)
                picture = picture || it.fragment().charFormat().isImageFormat();
        }
        QVERIFY(list && table && picture);

        // Plain text out is the document's text.
        QCOMPARE(runCli({"save", report, "4", "--to", dir + "/notes.txt"}).exitCode, 0);
        const QString notes = QString::fromUtf8(readFile(dir + "/notes.txt"));
        QCOMPARE(notes.trimmed(), QString("Plain bold and italic.\nGrüße Это 日本"));

        // RTF out reads back as the same text with its emphasis, through a
        // second import, and through pandoc when it is installed.
        QCOMPARE(runCli({"save", report, "4", "--to", dir + "/Notes again.rtf"}).exitCode, 0);
        QVERIFY(readFile(dir + "/Notes again.rtf").startsWith("{\\rtf"));
        r = runCli({"import", report, dir + "/Notes again.rtf"});
        QCOMPARE(ids(r), QList<int>({5}));
        QCOMPARE(runCli({"save", report, "5", "--to", dir + "/again.html"}).exitCode, 0);
        QTextDocument again;
        again.setHtml(QString::fromUtf8(readFile(dir + "/again.html")));
        QCOMPARE(again.toPlainText().trimmed(), notes.trimmed());
        QVERIFY(again.find("bold").charFormat().fontWeight() >= QFont::Bold);
        QVERIFY(again.find("italic").charFormat().fontItalic());
        QVERIFY(!again.find("Plain").charFormat().fontItalic());
        const QString pandoc = QStandardPaths::findExecutable("pandoc");
        if (!pandoc.isEmpty()) {
            QProcess p;
            p.start(pandoc, {"-f", "rtf", "-t", "plain", dir + "/Notes again.rtf"});
            QVERIFY(p.waitForFinished(30000));
            const QString text = QString::fromUtf8(p.readAllStandardOutput());
            QVERIFY2(text.contains("bold and") && text.contains("Это") && text.contains("日本"),
                     qPrintable(text));
        }
    }

    void wordCloudsRoundTrip()
    {
        const QString dir = testTempDir();
        const QString report = dir + "/w.sup";
        QCOMPARE(runCli({"new", report}).exitCode, 0);
        writeFile(dir + "/Open answers.xml", kCloudXml);
        CliResult r = runCli({"import", report, dir + "/Open answers.xml", "--folder", "Clouds"});
        QVERIFY2(r.exitCode == 0 && r.err.isEmpty(), r.err.constData());
        QCOMPARE(ids(r), QList<int>({3}));
        QVERIFY(runCli({"tree", report}).out.contains("    Open answers  [wordcloud, data 3]\n"));
        // The same document stored as a host stores it.
        r = runCli({"add", report, "--kind", "wordcloud", "--info", "\t\tHost cloud", "--file",
                    dir + "/Open answers.xml"});
        QCOMPARE(r.out, QByteArray("4\n"));

        // The imported page holds the document: both pages write the same one,
        // but for the boxes, which grow by the documented pixel at every save
        // (the imported page was saved once more, when it was made).
        QCOMPARE(runCli({"save", report, "3", "--to", dir + "/imported.xml"}).exitCode, 0);
        QCOMPARE(runCli({"save", report, "4", "--to", dir + "/back.xml"}).exitCode, 0);
        const auto withoutBoxes = [](QByteArray xml) {
            return QString::fromUtf8(xml).remove(
                QRegularExpression(QStringLiteral("<StartingBounds>[^<]*</StartingBounds>")));
        };
        QCOMPARE(withoutBoxes(readFile(dir + "/imported.xml")),
                 withoutBoxes(readFile(dir + "/back.xml")));

        // Saved back with only the documented changes: words keep their order,
        // text, weight and size; boxes keep their left and top edges and grow
        // by at least one pixel; the cloud's rectangle stays.
        const Cloud before = readCloud(kCloudXml);
        const Cloud after = readCloud(readFile(dir + "/back.xml"));
        QCOMPARE(before.words.size(), 6);
        QCOMPARE(after.bounds, before.bounds);
        QCOMPARE(after.words.size(), before.words.size());
        for (int i = 0; i < before.words.size(); ++i) {
            const CloudWord &b = before.words[i];
            const CloudWord &a = after.words[i];
            QCOMPARE(a.text, b.text);
            QCOMPARE(a.weight, b.weight);
            QCOMPARE(a.fontSize, b.fontSize);
            QCOMPARE(a.box.size(), 4);
            QCOMPARE(a.box[0], b.box[0]);
            QCOMPARE(a.box[1], b.box[1]);
            QVERIFY2(a.box[2] > b.box[2] && a.box[3] > b.box[3], qPrintable(a.text));
        }

        // Pictures of the cloud: saved as PNG, and drawn at a requested size.
        QCOMPARE(runCli({"save", report, "4", "--to", dir + "/cloud.png"}).exitCode, 0);
        QVERIFY(!QImage(dir + "/cloud.png").isNull());
        r = runCli({"render", report, "4", "--to", dir + "/r.png", "--size", "640x480"});
        QVERIFY2(r.exitCode == 0 && r.err.isEmpty() && r.out.isEmpty(), r.err.constData());
        const QImage image(dir + "/r.png");
        QCOMPARE(image.size(), QSize(640, 480));
        int colours = 0;
        const double ink = inkShare(image, &colours);
        QVERIFY2(ink > 0.01 && ink < 0.9, qPrintable(QString::number(ink)));
        QVERIFY(colours > 3); // the Rainbow palette
    }

    void diagramsAreImportedFromTheirStream()
    {
        const QString dir = testTempDir();
        const QString report = dir + "/d.sup";
        QCOMPARE(runCli({"new", report}).exitCode, 0);
        const QString example =
            QStringLiteral(TESSARY_SOURCE_DIR "/tests/diagram/data/example.json");
        QVERIFY(QFile::copy(example, dir + "/Network.json"));
        CliResult r = runCli({"import", report, dir + "/Network.json", "--folder", "Diagrams"});
        QVERIFY2(r.exitCode == 0 && r.err.isEmpty(), r.err.constData());
        QVERIFY(runCli({"tree", report}).out.contains("Network  [diagram, data 3]"));
        QCOMPARE(runCli({"save", report, "3", "--to", dir + "/back.json"}).exitCode, 0);
        QVERIFY(readFile(dir + "/back.json").contains("tessary-diagram"));
        // JSON that is not a diagram is refused; its row stays, empty, for the intake.
        writeFile(dir + "/Other.json", R"({"format":"something-else","version":1})");
        r = runCli({"import", report, dir + "/Other.json"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err.count('\n'), 1);
        QCOMPARE(runCli({"cat", report, "4"}).out, QByteArray());
        QVERIFY(runCli({"list", report}).out.contains("Other"));
    }

    void picturesAndChartsRoundTrip()
    {
        const QString dir = testTempDir();
        const QString report = dir + "/p.sup";
        QCOMPARE(runCli({"new", report}).exitCode, 0);
        // A picture with distinct halves, so that a shifted or mirrored copy shows.
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(qRgb(200, 30, 30));
        for (int y = 0; y < 30; ++y)
            for (int x = 20; x < 40; ++x)
                picture.setPixel(x, y, qRgb(20, 40, 220 - y));
        QVERIFY(picture.save(dir + "/Logo.png"));
        const QByteArray bar =
            R"({"format":"tessary-chart","version":1,"title":"Respondents by region",
 "series":[{"kind":"bar","title":"Respondents","y":[412,287,356],
   "labels":["North","East","South"],"marks":{"visible":true,"style":"value"}}]})";
        writeFile(dir + "/By region.kcx", bar);

        CliResult r =
            runCli({"import", report, dir + "/Logo.png", dir + "/By region.kcx", "--folder", "P"});
        QVERIFY2(r.exitCode == 0 && r.err.isEmpty(), r.err.constData());
        QCOMPARE(ids(r), QList<int>({3, 4}));
        r = runCli({"tree", report});
        QVERIFY2(r.out.endsWith("    Logo  [picture, data 3]\n    By region  [chart, data 4]\n"),
                 r.out.constData());

        // The picture comes back pixel for pixel.
        QCOMPARE(runCli({"save", report, "3", "--to", dir + "/back.png"}).exitCode, 0);
        const QImage back = QImage(dir + "/back.png").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(back.size(), picture.size());
        QVERIFY(back == picture);

        // The chart keeps its series, and draws.
        QCOMPARE(runCli({"save", report, "4", "--to", dir + "/back.kcx"}).exitCode, 0);
        const QByteArray kcx = readFile(dir + "/back.kcx");
        QVERIFY2(kcx.contains("Respondents by region") && kcx.contains("412") &&
                     kcx.contains("South"),
                 kcx.constData());
        // Drawn as the editors show them: the picture at its size in the
        // corner, the chart with its bars, marks and legend.
        for (int id : {3, 4}) {
            const QString png = dir + QString("/r%1.png").arg(id);
            r = runCli({"render", report, QString::number(id), "--to", png, "--size", "400x300"});
            QVERIFY2(r.exitCode == 0 && r.err.isEmpty(), r.err.constData());
        }
        const QImage shownPicture(dir + "/r3.png");
        QCOMPARE(shownPicture.size(), QSize(400, 300));
        QCOMPARE(shownPicture.pixel(5, 5), picture.pixel(5, 5));
        QCOMPARE(shownPicture.pixel(30, 20), picture.pixel(30, 20));
        const QImage shownChart(dir + "/r4.png");
        QCOMPARE(shownChart.size(), QSize(400, 300));
        int colours = 0;
        const double ink = inkShare(shownChart, &colours);
        QVERIFY2(ink > 0.05 && colours > 20, qPrintable(QString::number(ink)));

        // Files the editors cannot read stop the import with one line.
        writeFile(dir + "/broken.kcx", "{\"format\":\"tessary-chart\"");
        writeFile(dir + "/broken.png", "\x89PNG not really");
        for (const QString &name : {QString("broken.kcx"), QString("broken.png")}) {
            r = runCli({"import", report, dir + "/" + name});
            QVERIFY2(r.exitCode == 1 && r.err.count('\n') == 1 && r.err.contains(name.toUtf8()),
                     r.err.constData());
        }
        // Each leaves its row, empty, as the import command does.
        QCOMPARE(rowCount(report), 7);
        QCOMPARE(runCli({"cat", report, "6"}).out, QByteArray());
    }

    void renderDrawsThePage()
    {
        const QString dir = testTempDir();
        const QString report = dir + "/r.sup";
        QCOMPARE(runCli({"new", report}).exitCode, 0);
        writeFile(dir + "/table.csv", "Region,Count\r\nNorth,120\r\nSouth,95\r\n");
        writeFile(dir + "/text.html", "<h1>A heading</h1><p>Some text in a paragraph.</p>");
        QCOMPARE(ids(runCli({"import", report, dir + "/table.csv", dir + "/text.html"})),
                 QList<int>({3, 4}));
        const QByteArray reportBefore = readFile(report);
        const QByteArray projectBefore = readFile(dir + "/r.KVB");
        QVERIFY(!reportBefore.isEmpty() && projectBefore.contains("SUP Modified=T"));
        for (int id : {3, 4}) {
            const QString png = dir + QString("/p%1.png").arg(id);
            const CliResult r = runCli({"render", report, QString::number(id), "--to", png});
            QVERIFY2(r.exitCode == 0 && r.err.isEmpty(), r.err.constData());
            const QImage image(png);
            QCOMPARE(image.size(), QSize(800, 600)); // the default size
            const double ink = inkShare(image);
            QVERIFY2(ink > 0.001 && ink < 0.95, qPrintable(QString::number(ink)));
        }
        // An empty document draws white.
        QCOMPARE(runCli({"render", report, "1", "--to", dir + "/empty.png", "--size", "300x200"})
                     .exitCode,
                 0);
        const QImage empty(dir + "/empty.png");
        QCOMPARE(empty.size(), QSize(300, 200));
        QCOMPARE(inkShare(empty), 0.0);
        // Drawing and saving pages only read the report.
        QCOMPARE(runCli({"save", report, "3", "--to", dir + "/t.csv"}).exitCode, 0);
        QCOMPARE(readFile(report), reportBefore);
        QCOMPARE(readFile(dir + "/r.KVB"), projectBefore);
    }

    void importStopsAtTheFirstBadFile()
    {
        const QString dir = testTempDir();
        const QString report = dir + "/b.sup";
        QCOMPARE(runCli({"new", report}).exitCode, 0);
        writeFile(dir + "/good.csv", "a,b\r\n");
        writeFile(dir + "/bad.grid2", "{\"format\": \"tessary-grid\", \"cells\": [[");
        writeFile(dir + "/later.csv", "c,d\r\n");
        QFile::remove(TDM::signalFilePath());
        const CliResult r = runCli({"import", report, dir + "/good.csv", dir + "/bad.grid2",
                                    dir + "/later.csv", "--folder", "F"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(ids(r), QList<int>({3}));
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY2(r.err.startsWith("tessary-cli import: ") && r.err.contains("bad.grid2"),
                 r.err.constData());
        // The page before stays, placed; the bad file's row stays, empty and
        // not in the tree, for the next intake to place.
        QCOMPARE(rowCount(report), 5);
        const QByteArray tree = runCli({"tree", report}).out;
        QCOMPARE(tree.count('\n'), 5);
        QVERIFY2(tree.endsWith("  Second document  [document, data 2]\n"
                               "  F  [folder, data -1]\n    good  [table, data 3]\n"),
                 tree.constData());
        QVERIFY(!QFile::exists(TDM::signalFilePath()));

        // A signal that waits for a running Tessary is left for it.
        writeFile(TDM::signalFilePath(), "");
        QCOMPARE(runCli({"import", report, dir + "/later.csv", "--folder", "F"}).exitCode, 0);
        QVERIFY(QFile::exists(TDM::signalFilePath()));
        QVERIFY(QFile::remove(TDM::signalFilePath()));
        // Opening the report placed the bad file's row under "New items".
        const QByteArray after = runCli({"tree", report}).out;
        QVERIFY2(after.contains("  New items  [folder, data -1]\n      [table, data 4]\n"),
                 after.constData());
    }

    void errorsAreOneLine()
    {
        const QString dir = testTempDir();
        const QString report = dir + "/e.sup";
        QCOMPARE(runCli({"new", report}).exitCode, 0);
        writeFile(dir + "/t.csv", "a,b\r\n");
        QCOMPARE(ids(runCli({"import", report, dir + "/t.csv"})), QList<int>({3}));
        QCOMPARE(runCli({"add", report, "--kind", "9", "--info", "\t\tN", "--stdin"}, "x").exitCode,
                 0); // 4: a kind without editor
        QCOMPARE(runCli({"add", report, "--kind", "4", "--info", "\t\tX", "--stdin"}, "x").exitCode,
                 0); // 5: a kind without editor
        QCOMPARE(runCli({"add", report, "--kind", "table", "--info", "\t\tBad", "--stdin"},
                        "not a table")
                     .exitCode,
                 0); // 6: damaged content
        writeFile(dir + "/x.xyz", "?");
        const QString out = dir + "/out.html";

        struct Case
        {
            QStringList args;
            int code;
            QByteArray message;
        };
        const QList<Case> cases = {
            {{"save", report, "99", "--to", out}, 1, "the report has no page 99"},
            {{"render", report, "99", "--to", dir + "/o.png"}, 1, "no page 99"},
            {{"save", report, "-1", "--to", out}, 1, "no page -1"},
            {{"save", report, "0", "--to", out}, 1, "outline row"},
            {{"save", report, "3", "--to", dir + "/o.png"}, 1, "cannot be written as .png"},
            {{"save", report, "3", "--to", dir + "/noextension"}, 1, "without extension"},
            {{"save", report, "4", "--to", out}, 1, "page 4 is of kind 9, which has no editor"},
            {{"render", report, "5", "--to", dir + "/o.png"}, 1, "of kind 4, which has no editor"},
            {{"save", report, "6", "--to", dir + "/o.csv"}, 1, "tessary-cli save: "},
            {{"save", dir + "/missing.sup", "1", "--to", out}, 1, "no such report"},
            {{"render", dir + "/missing.sup", "1", "--to", dir + "/o.png"}, 1, "no such report"},
            {{"import", dir + "/missing.sup", dir + "/t.csv"}, 1, "no such report"},
            {{"import", report, dir + "/x.xyz", dir + "/none.csv"}, 1, "none.csv: no such file"},
            {{"import", report, dir + "/none.csv"}, 1, "none.csv: no such file"},
            {{"save", report, "3"}, 2, "--to FILE is required"},
            {{"save", report, "x", "--to", out}, 2, "not a page id"},
            {{"save", report, "--to", out}, 2, "name a report and a page id"},
            {{"render", report, "3", "--to", dir + "/o.jpg"}, 2, "name a .png file"},
            {{"render", report, "3", "--to", dir + "/o.png", "--size", "800"}, 2, "not a size"},
            {{"render", report, "3", "--to", dir + "/o.png", "--size", "0x10"}, 2, "not a size"},
            {{"import", report}, 2, "at least one file"},
            {{"import", report, dir + "/t.csv", "--folder"}, 2, "needs a value"},
        };
        for (const Case &c : cases) {
            const CliResult r = runCli(c.args);
            const QString what = c.args.join(' ') + " -> " + QString::number(r.exitCode) + ": " +
                                 QString::fromUtf8(r.err);
            QVERIFY2(r.exitCode == c.code, qPrintable(what));
            QVERIFY2(r.err.contains(c.message), qPrintable(what));
            // One line for a failure; usage errors add where to read more.
            QVERIFY2(r.err.count('\n') == (c.code == 1 ? 1 : 2), qPrintable(what));
            QVERIFY2(r.out.isEmpty(), qPrintable(what));
        }
        QVERIFY(!QFile::exists(out));
        QVERIFY(!QFile::exists(dir + "/o.png"));
        QCOMPARE(rowCount(report), 7);
        QVERIFY(!QFile::exists(dir + "/missing.sup"));

        for (const char *command : {"import", "save", "render"}) {
            const CliResult r = runCli({command, "--help"});
            QVERIFY2(r.exitCode == 0 && r.out.startsWith("usage: tessary-cli ") && r.err.isEmpty(),
                     command);
        }
        // Help lists what each editor reads and writes.
        QVERIFY(runCli({"import", "--help"}).out.contains(".csv .tab .grid2"));
        QVERIFY(runCli({"save", "--help"}).out.contains("wordcloud  .png .bmp .jpg .svg .xml"));
    }
};

TESSARY_TEST(TestCliPages)
#include "tst_pages.moc"
