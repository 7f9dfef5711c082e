// Round trips of the editor's documents through the stored form and through RTF, RTF
// written by pandoc, and the stored form's detection and bad input.
#include "DocSignature.h"
#include "platform/TessaryError.h"
#include "platform/wordproc/DocumentForm.h"
#include "platform/wordproc/DocumentImages.h"
#include "platform/wordproc/RtfReader.h"
#include "platform/wordproc/RtfWriter.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

namespace {

QString diff(const QStringList &a, const QStringList &b)
{
    QStringList out;
    for (int i = 0; i < std::max(a.size(), b.size()); ++i)
        if (a.value(i) != b.value(i))
            out << QStringLiteral("line %1:\n  was %2\n  now %3")
                       .arg(i)
                       .arg(a.value(i), b.value(i));
    return out.join(u'\n');
}

QByteArray runPandoc(const QByteArray &input, const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("pandoc"), args);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        qFatal("pandoc failed: %s", p.readAllStandardError().constData());
    return p.readAllStandardOutput();
}

// Where two byte strings first differ, with some context, for failure messages.
QByteArray firstDifference(const QByteArray &a, const QByteArray &b)
{
    int i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    return "at " + QByteArray::number(i) + ":\n  " + a.mid(std::max(0, i - 80), 200) + "\n  " +
           b.mid(std::max(0, i - 80), 200);
}

QTextBlock blockWithText(const QTextDocument &doc, const QString &text)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.text() == text)
            return b;
    return QTextBlock();
}

} // namespace

class TestRoundTrip : public QObject
{
    Q_OBJECT
private slots:
    void editorDocumentHasEverything();
    void storedFormRoundTrip();
    void rtfRoundTrip();
    void rtfFixturesRoundTrip();
    void rtfOfStoredFormRoundTrip();
    void pandocRtfLoads();
    void detection();
    void storedFormBadInput();
    void storedFormForHosts();
};

void TestRoundTrip::editorDocumentHasEverything()
{
    // Guards the round-trip tests: the sample really holds what they claim to keep.
    QTextDocument doc;
    buildEditorDocument(&doc);
    const QString sig = docSignature(&doc).join(u'\n');
    for (const char *needle : {"h1",
                               "bold",
                               "italic",
                               "underline",
                               "strike",
                               "sub",
                               "super",
                               "fg=#c80000",
                               "bg=#ffff00",
                               "DejaVu Serif,14.0",
                               "list0 style-1",
                               "list1 style-2 indent2",
                               "style-4",
                               "TABLE 3x3 headers=1",
                               "TABLE 2x2",
                               "span 1x2",
                               "bg=#dce6ff",
                               "3/3/#ff0000",
                               "IMG 20x10",
                               "IMG 16x12",
                               "href=https://example.org/report?id=7&lang=en",
                               "tab1@300",
                               "first=-10",
                               "C top=6 bottom=12"})
        QVERIFY2(sig.contains(QLatin1String(needle)), needle);
}

void TestRoundTrip::storedFormRoundTrip()
{
    QTextDocument doc;
    buildEditorDocument(&doc);
    const QByteArray stored = DocumentForm::save(&doc);
    QVERIFY(stored.contains("data:image/png;base64,"));
    QVERIFY(stored.contains("data:image/jpeg;base64,"));
    QVERIFY(!stored.contains("src=\"image-"));
    QCOMPARE(DocumentForm::detect(stored), DocumentForm::Kind::Html);

    QTextDocument back;
    back.setDefaultFont(doc.defaultFont());
    QStringList warnings;
    DocumentForm::load(stored, &back, &warnings);
    QVERIFY(warnings.isEmpty());
    QVERIFY2(docSignature(&doc) == docSignature(&back),
             qPrintable(diff(docSignature(&doc), docSignature(&back))));
    // Nothing drifts from one save to the next: once stored and loaded, the stored
    // bytes stay the same however often the page is loaded and stored again.
    const QByteArray second = DocumentForm::save(&back);
    QTextDocument third;
    third.setDefaultFont(doc.defaultFont());
    DocumentForm::load(second, &third);
    const QByteArray again = DocumentForm::save(&third);
    QVERIFY2(again == second, firstDifference(second, again).constData());
    QCOMPARE(docSignature(&third), docSignature(&doc));

    // The pictures are really there to draw.
    QImage canvas(600, 1400, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    back.setTextWidth(600);
    back.drawContents(&painter);
    painter.end();
    int blue = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            blue += canvas.pixel(x, y) == qRgb(0x33, 0x66, 0xcc);
    QVERIFY2(blue >= 40 * 20 * 3 / 4 - 40, qPrintable(QString::number(blue)));
}

void TestRoundTrip::rtfRoundTrip()
{
    QTextDocument doc;
    buildEditorDocument(&doc);
    const QByteArray rtf = RtfWriter::write(&doc);
    QVERIFY(rtf.startsWith("{\\rtf1"));
    QVERIFY(rtf.contains("\\trowd") && rtf.contains("\\cellx") && rtf.contains("\\clbrdrt"));
    QVERIFY(rtf.contains("\\nestrow") && rtf.contains("\\pngblip") && rtf.contains("\\jpegblip"));
    QVERIFY(rtf.contains("HYPERLINK") && rtf.contains("\\listtable"));
    QTextDocument back;
    back.setDefaultFont(doc.defaultFont());
    QStringList warnings;
    RtfReader::read(rtf, &back, &warnings);
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));
    QVERIFY2(docSignature(&doc) == docSignature(&back),
             qPrintable(diff(docSignature(&doc), docSignature(&back))));
    // A table as wide as the page follows the view's width.
    QTextTable *table = nullptr;
    for (QTextFrame *f : back.rootFrame()->childFrames())
        table = table ? table : qobject_cast<QTextTable *>(f);
    QVERIFY(table);
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 3);
    for (const QTextLength &w : widths) {
        QCOMPARE(w.type(), QTextLength::PercentageLength);
        QCOMPARE(qRound(w.rawValue()), 33);
    }
    // Written again, the RTF is the same: a second round trip changes nothing.
    const QByteArray again = RtfWriter::write(&back);
    QVERIFY2(again == rtf, firstDifference(rtf, again).constData());
}

void TestRoundTrip::rtfFixturesRoundTrip()
{
    // What the reader makes of the hand-written files writes out and reads back the same.
    for (const char *name : {"formatting.rtf", "nested.rtf", "cp1250.rtf", "unicode.rtf"}) {
        QFile file(QStringLiteral(WORDPROC_FIXTURES "/") + QLatin1String(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTextDocument doc;
        RtfReader::read(file.readAll(), &doc);
        QTextDocument back;
        RtfReader::read(RtfWriter::write(&doc), &back);
        QVERIFY2(docSignature(&doc) == docSignature(&back),
                 qPrintable(name + diff(docSignature(&doc), docSignature(&back))));
    }
}

void TestRoundTrip::rtfOfStoredFormRoundTrip()
{
    // A document as it comes back from the report (parsed HTML) goes to RTF and back.
    QTextDocument doc;
    buildEditorDocument(&doc);
    QTextDocument stored;
    stored.setDefaultFont(doc.defaultFont());
    DocumentForm::load(DocumentForm::save(&doc), &stored);
    QTextDocument back;
    back.setDefaultFont(doc.defaultFont());
    RtfReader::read(RtfWriter::write(&stored), &back);
    QVERIFY2(docSignature(&stored) == docSignature(&back),
             qPrintable(diff(docSignature(&stored), docSignature(&back))));
}

void TestRoundTrip::pandocRtfLoads()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pandoc")).isEmpty())
        QSKIP("pandoc is not installed");
    const QByteArray markdown =
        "# Title\n\nSome **bold** and *italic* text with a [link](http://example.com).\n\n"
        "- one\n- two\n    - nested\n\n1. first\n2. second\n\n| A | B |\n|---|---|\n| 1 | 2 |\n\n"
        "Café ünïcode – “quotes” ł ż 日本\n";
    const QByteArray rtf =
        runPandoc(markdown, {QStringLiteral("-f"), QStringLiteral("markdown"), QStringLiteral("-t"),
                             QStringLiteral("rtf"), QStringLiteral("-s")});
    QTextDocument doc;
    QStringList warnings;
    DocumentForm::load(rtf, &doc, &warnings);
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));

    const QTextBlock title = blockWithText(doc, QStringLiteral("Title"));
    QVERIFY(title.isValid());
    QCOMPARE(title.blockFormat().headingLevel(), 1);
    QCOMPARE(title.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(title.begin().fragment().charFormat().fontPointSize(), 18.0);

    const QTextBlock text =
        blockWithText(doc, QStringLiteral("Some bold and italic text with a link."));
    QVERIFY(text.isValid());
    QMap<QString, QTextCharFormat> formats;
    for (QTextBlock::iterator it = text.begin(); !it.atEnd(); ++it)
        formats.insert(it.fragment().text(), it.fragment().charFormat());
    QCOMPARE(formats.value(QStringLiteral("bold")).fontWeight(), int(QFont::Bold));
    QVERIFY(formats.value(QStringLiteral("italic")).fontItalic());
    QCOMPARE(formats.value(QStringLiteral("link")).anchorHref(),
             QStringLiteral("http://example.com"));
    QVERIFY(formats.value(QStringLiteral("link")).fontUnderline());

    // Typed bullets and numbers become lists again, with the nesting kept.
    const QTextBlock one = blockWithText(doc, QStringLiteral("one"));
    const QTextBlock two = blockWithText(doc, QStringLiteral("two"));
    const QTextBlock nested = blockWithText(doc, QStringLiteral("nested"));
    const QTextBlock first = blockWithText(doc, QStringLiteral("first"));
    const QTextBlock second = blockWithText(doc, QStringLiteral("second"));
    QVERIFY(one.textList() && nested.textList() && first.textList());
    QCOMPARE(one.textList(), two.textList());
    QCOMPARE(one.textList()->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(nested.textList()->format().indent(), 2);
    QCOMPARE(first.textList(), second.textList());
    QVERIFY(first.textList() != one.textList());
    QCOMPARE(first.textList()->format().style(), QTextListFormat::ListDecimal);
    QCOMPARE(second.textList()->itemText(second), QStringLiteral("2."));

    QTextTable *table = nullptr;
    for (QTextFrame *f : doc.rootFrame()->childFrames())
        table = table ? table : qobject_cast<QTextTable *>(f);
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    QCOMPARE(table->cellAt(1, 1).firstCursorPosition().block().text(), QStringLiteral("2"));
    QCOMPARE(table->cellAt(0, 0).format().toTableCellFormat().bottomBorder(), 1.0);

    QVERIFY(blockWithText(doc, QStringLiteral("Café ünïcode – “quotes” ł ż 日本")).isValid());
}

void TestRoundTrip::detection()
{
    using DocumentForm::Kind;
    QCOMPARE(DocumentForm::detect("{\\rtf1 x}"), Kind::Rtf);
    QCOMPARE(DocumentForm::detect("\xEF\xBB\xBF \r\n{\\rtf1 x}"), Kind::Rtf);
    QCOMPARE(DocumentForm::detect("<!DOCTYPE html><p>x</p>"), Kind::Html);
    QCOMPARE(DocumentForm::detect("  <html><body>x</body></html>"), Kind::Html);
    QCOMPARE(DocumentForm::detect("<p>x"), Kind::Html);
    QCOMPARE(DocumentForm::detect("a < b and <b> is not a tag at the start"), Kind::PlainText);
    QCOMPARE(DocumentForm::detect(""), Kind::PlainText);
    QCOMPARE(DocumentForm::detect("< 3 apples"), Kind::PlainText);
    const QString utf16 = QStringLiteral("<p>hé</p>");
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2);
    QCOMPARE(DocumentForm::detect(bytes), Kind::Html);

    QTextDocument doc;
    DocumentForm::load(bytes, &doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("hé"));
    DocumentForm::load("Line one\nLine <two> & three\n", &doc);
    QCOMPARE(doc.blockCount(), 3);
    QCOMPARE(doc.begin().next().text(), QStringLiteral("Line <two> & three"));
    DocumentForm::load("caf\xE9 \x80", &doc); // not UTF-8: Windows-1252
    QCOMPARE(doc.toPlainText(), QStringLiteral("café €"));
    DocumentForm::load("{\\rtf1 {\\b strong}}", &doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("strong"));
}

void TestRoundTrip::storedFormBadInput()
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("unchanged"));
    const QByteArray bad[] = {
        QByteArray("PK\x03\x04\x14\x00\x06\x00", 8), QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"),
        QByteArray("%PDF-1.4\n"), pngBytes(2, 2, 0), QByteArray("text with a \0 zero", 18)};
    for (const QByteArray &bytes : bad) {
        try {
            DocumentForm::load(bytes, &doc);
            QFAIL("binary data was loaded as a document");
        } catch (const TessaryError &e) {
            QVERIFY(e.message().contains(QStringLiteral("cannot be read")));
        }
        QCOMPARE(doc.toPlainText(), QStringLiteral("unchanged"));
    }
    // Broken HTML loads what it can; a broken picture is named in a warning.
    QStringList warnings;
    DocumentForm::load("<p>open <b>bold <table><tr><td>cell</p><img src=\"data:image/png;base64,"
                       "!!notbase64\"><img src='data:image/png;base64,AAAA'>",
                       &doc, &warnings);
    QVERIFY(doc.toPlainText().contains(QStringLiteral("cell")));
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().contains(QStringLiteral("picture")));
    // RTF that is cut short loads with a warning.
    warnings.clear();
    DocumentForm::load("{\\rtf1 {\\b cut", &doc, &warnings);
    QCOMPARE(doc.toPlainText(), QStringLiteral("cut"));
    QCOMPARE(warnings.size(), 1);
}

void TestRoundTrip::storedFormForHosts()
{
    // The example a host can copy (docs/report-format.md) loads as described there.
    const QByteArray html =
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body>"
        "<h1>Survey results</h1>"
        "<p>Answers from <b>412</b> people, <i>weighted</i>. See "
        "<a href=\"https://example.org/survey\">the survey</a>.</p>"
        "<ul><li>Yes: 61 %</li><li>No: 39 %</li></ul>"
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"
        "<tr><th>Answer</th><th>Count</th></tr><tr><td>Yes</td><td>251</td></tr></table>"
        "<p><img src=\"data:image/png;base64," +
        pngBytes(8, 8, 0x00ff00).toBase64() + "\" width=\"32\" height=\"32\"></p></body></html>";
    QTextDocument doc;
    QStringList warnings;
    DocumentForm::load(html, &doc, &warnings);
    QVERIFY(warnings.isEmpty());
    const QString sig = docSignature(&doc).join(u'\n');
    QVERIFY2(sig.contains(QStringLiteral("h1")), qPrintable(sig));
    QVERIFY(sig.contains(QStringLiteral("href=https://example.org/survey")));
    QVERIFY(sig.contains(QStringLiteral("list0 style-1")));
    QVERIFY(sig.contains(QStringLiteral("TABLE 2x2")));
    QVERIFY(sig.contains(QStringLiteral("IMG 8x8 shown 32x32")));
}

int runRoundTripTests(int argc, char **argv)
{
    TestRoundTrip t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_roundtrip.moc"
