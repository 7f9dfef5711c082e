// External converters (pandoc, LibreOffice) and the HTML-to-RTF converter with its
// option block and result codes.
#include "DocSignature.h"
#include "export/HtmlRtfLibrary.h"
#include "export/WordExport.h"
#include "platform/TessaryError.h"
#include "platform/convert/Converters.h"
#include "platform/convert/HtmlToRtf.h"
#include "platform/wordproc/DocumentForm.h"
#include "platform/wordproc/DocumentImages.h"
#include "platform/wordproc/RtfReader.h"
#include "tests/support/TestReport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void writeScript(const QString &path, const QByteArray &body)
{
    writeFile(path, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
}

// PATH is replaced for one scope and put back after.
class PathOverride
{
public:
    explicit PathOverride(const QString &path) : m_old(qgetenv("PATH"))
    {
        qputenv("PATH", path.toLocal8Bit());
    }
    ~PathOverride() { qputenv("PATH", m_old); }

private:
    QByteArray m_old;
};

QString messageOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const TessaryError &e) {
        return e.message();
    }
    return QString();
}

// The text of one zip member, by Python's zipfile (the member must exist).
QByteArray zipMember(const QString &zip, const QString &member)
{
    QProcess p;
    p.start(QStringLiteral("python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import sys,zipfile;sys.stdout.buffer.write("
                            "zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]))"),
             zip, member});
    p.waitForFinished(30000);
    return p.exitCode() == 0 ? p.readAllStandardOutput() : QByteArray();
}

qint32 wordAt(const QByteArray &block, int offset)
{
    return qint32(quint8(block[offset]) | quint8(block[offset + 1]) << 8 |
                  quint8(block[offset + 2]) << 16 | quint32(quint8(block[offset + 3])) << 24);
}

} // namespace

class TestConverters : public QObject
{
    Q_OBJECT
private slots:
    void docxRoundTripThroughPandoc();
    void odtAndPdfExport();
    void malformedDocx();
    void missingTools();
    void timeout();
    void libreOfficeOutputIsEmbedded();
    void optionBlock();
    void codePageDetection();
    void convertHtmlToRtf();
    void resultCodes();
};

void TestConverters::docxRoundTripThroughPandoc()
{
    if (!Converters::pandocAvailable())
        QSKIP("pandoc is not installed");
    const QString dir = testTempDir();
    // A DOCX made by pandoc from markdown, as a user's file.
    const QString source = dir + QStringLiteral("/source.docx");
    {
        QProcess p;
        p.start(QStringLiteral("pandoc"),
                {QStringLiteral("-f"), QStringLiteral("markdown"), QStringLiteral("-o"), source});
        p.write("# Annual report\n\nThe **net result** rose.\n\n| Year | Result |\n|---|---|\n"
                "| 2023 | 10 |\n| 2024 | 12 |\n");
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(60000) && p.exitCode() == 0);
    }
    // DOCX -> page (HTML) -> editor.
    QTextDocument doc;
    DocumentForm::load(Converters::importToHtml(source), &doc);
    QCOMPARE(doc.begin().text(), QStringLiteral("Annual report"));
    QCOMPARE(doc.begin().blockFormat().headingLevel(), 1);
    bool boldFound = false;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text() == QStringLiteral("net result"))
                boldFound = it.fragment().charFormat().fontWeight() >= QFont::DemiBold;
    QVERIFY(boldFound);
    QTextTable *table = nullptr;
    for (QTextFrame *f : doc.rootFrame()->childFrames())
        table = table ? table : qobject_cast<QTextTable *>(f);
    QVERIFY(table);
    QCOMPARE(table->rows(), 3);

    // Editor -> stored HTML -> DOCX.
    const QString target = dir + QStringLiteral("/back.docx");
    Converters::exportHtml(DocumentForm::save(&doc), target);
    const QByteArray xml = zipMember(target, QStringLiteral("word/document.xml"));
    QVERIFY(!xml.isEmpty());
    QVERIFY(xml.contains("w:val=\"Heading1\""));
    QVERIFY(xml.contains("<w:b />") || xml.contains("<w:b/>"));
    QVERIFY(xml.contains("<w:tbl>"));
    QVERIFY(xml.contains("net result") && xml.contains("2024"));
    // And it reads back as the same document.
    QTextDocument again;
    DocumentForm::load(Converters::importToHtml(target), &again);
    QCOMPARE(again.begin().blockFormat().headingLevel(), 1);
    QVERIFY(again.toPlainText().contains(QStringLiteral("net result")));
}

void TestConverters::odtAndPdfExport()
{
    const QString dir = testTempDir();
    QTextDocument doc;
    buildEditorDocument(&doc);
    const QByteArray html = DocumentForm::save(&doc);
    const QString pdf = dir + QStringLiteral("/doc.pdf");
    Converters::exportHtml(html, pdf);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    for (const char *suffix : {"rtf", "txt", "html"}) {
        const QString path = dir + QStringLiteral("/doc.") + QLatin1String(suffix);
        Converters::exportHtml(html, path);
        QTextDocument back;
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        DocumentForm::load(f.readAll(), &back);
        QVERIFY(back.toPlainText().contains(QStringLiteral("Quarterly results")));
    }
    QVERIFY(messageOf([&] {
                Converters::exportHtml(html, dir + QStringLiteral("/x.xyz"));
            }).contains(QStringLiteral(".xyz")));
    if (!Converters::pandocAvailable())
        QSKIP("pandoc is not installed");
    const QString odt = dir + QStringLiteral("/doc.odt");
    Converters::exportHtml(html, odt);
    const QByteArray content = zipMember(odt, QStringLiteral("content.xml"));
    QVERIFY(content.contains("Quarterly results"));
    QVERIFY(content.contains("<table:table "));
    QTextDocument back;
    DocumentForm::load(Converters::importToHtml(odt), &back);
    QVERIFY(back.toPlainText().contains(QStringLiteral("Step two")));
}

void TestConverters::malformedDocx()
{
    if (!Converters::pandocAvailable())
        QSKIP("pandoc is not installed");
    const QString dir = testTempDir();
    const QString broken = dir + QStringLiteral("/broken.docx");
    writeFile(broken, "PK\x03\x04 this is not really a zip archive");
    const QString message = messageOf([&] { Converters::importToHtml(broken); });
    QVERIFY2(message.startsWith(QStringLiteral("pandoc could not convert \"broken.docx\"")),
             qPrintable(message));
    QVERIFY(messageOf([&] {
                Converters::importToHtml(dir + QStringLiteral("/none.docx"));
            }).contains(QStringLiteral("does not exist")));
    const QString other = dir + QStringLiteral("/table.xls");
    writeFile(other, "x");
    QVERIFY(messageOf([&] { Converters::importToHtml(other); }).contains(QStringLiteral(".xls")));
}

void TestConverters::missingTools()
{
    const QString dir = testTempDir();
    const QString docx = dir + QStringLiteral("/a.docx");
    const QString doc = dir + QStringLiteral("/a.doc");
    writeFile(docx, "x");
    writeFile(doc, "x");
    PathOverride path(dir + QStringLiteral("/empty-bin"));
    QVERIFY(!Converters::pandocAvailable());
    QVERIFY(!Converters::libreOfficeAvailable());
    QCOMPARE(messageOf([&] { Converters::importToHtml(docx); }),
             QStringLiteral("pandoc is needed to convert \"a.docx\" but is not installed. "
                            "Install the Debian package \"pandoc\"."));
    QVERIFY(messageOf([&] {
                Converters::importToHtml(doc);
            }).contains(QStringLiteral("\"libreoffice-writer\"")));
    QVERIFY(messageOf([&] {
                Converters::exportHtml("<p>x</p>", dir + QStringLiteral("/o.odt"));
            }).contains(QStringLiteral("Install the Debian package \"pandoc\"")));
}

void TestConverters::timeout()
{
    const QString dir = testTempDir();
    const QString bin = dir + QStringLiteral("/bin");
    QDir().mkpath(bin);
    writeScript(bin + QStringLiteral("/pandoc"), "exec /bin/sleep 30\n");
    writeScript(bin + QStringLiteral("/soffice"), "echo 'fatal: no display' >&2\nexit 3\n");
    const QString docx = dir + QStringLiteral("/slow.docx");
    const QString doc = dir + QStringLiteral("/old.doc");
    writeFile(docx, "x");
    writeFile(doc, "x");
    PathOverride path(bin);
    QVERIFY(Converters::pandocAvailable());
    QElapsedTimer timer;
    timer.start();
    const QString message = messageOf([&] { Converters::importToHtml(docx, 300); });
    QCOMPARE(message, QStringLiteral("pandoc did not finish converting \"slow.docx\" within "
                                     "0.3 seconds and was stopped."));
    QVERIFY(timer.elapsed() < 20000); // stopped, not waited for
    QCOMPARE(messageOf([&] { Converters::importToHtml(doc, 5000); }),
             QStringLiteral("LibreOffice could not convert \"old.doc\": fatal: no display"));
}

void TestConverters::libreOfficeOutputIsEmbedded()
{
    // A stand-in for soffice that writes what LibreOffice writes: an HTML file that
    // links its picture. The converter must give HTML with the picture inside.
    const QString dir = testTempDir();
    const QString bin = dir + QStringLiteral("/bin");
    QDir().mkpath(bin);
    writeFile(dir + QStringLiteral("/pic.png"), pngBytes(6, 4, 0x0000ff));
    writeScript(bin + QStringLiteral("/soffice"),
                "for a; do case \"$prev\" in --outdir) out=\"$a\";; esac; prev=\"$a\"; done\n"
                "case \"$*\" in *UserInstallation=file://*) ;; *) exit 9;; esac\n"
                "/bin/cp '" +
                    dir.toLocal8Bit() +
                    "/pic.png' \"$out/letter_html_1.png\"\n"
                    "printf '<html><body><p>Dear <b>reader</b></p><img src=\"letter_html_1.png\">"
                    "</body></html>' > \"$out/letter.html\"\n");
    writeScript(bin + QStringLiteral("/pandoc"), "exit 0\n");
    const QString letter = dir + QStringLiteral("/letter.wpd");
    writeFile(letter, "x");
    PathOverride path(bin);
    QVERIFY(Converters::libreOfficeAvailable());
    const QByteArray html = Converters::importToHtml(letter, 10000);
    QVERIFY(html.contains("src=\"data:image/png;base64,"));
    QTextDocument doc;
    QStringList warnings;
    DocumentForm::load(html, &doc, &warnings);
    QVERIFY(warnings.isEmpty());
    QVERIFY(docSignature(&doc).join(u'\n').contains(QStringLiteral("IMG 6x4")));
    // A tool that reports success but writes nothing is a failure.
    const QString empty = dir + QStringLiteral("/empty.doc");
    writeFile(empty, "x");
    writeScript(bin + QStringLiteral("/soffice"), "exit 0\n");
    QCOMPARE(messageOf([&] { Converters::importToHtml(empty, 10000); }),
             QStringLiteral("LibreOffice could not convert \"empty.doc\": it wrote no document."));
}

void TestConverters::optionBlock()
{
    HtmlToRtfOptions options = HtmlToRtf::defaultOptions();
    HtmlToRtf::setTarget(options, QStringLiteral("/tmp/Report.doc"));
    options.codePageIndex = -1;
    QByteArray block = HtmlToRtf::toBytes(options);
    QCOMPARE(block.size(), 1072);
    for (int offset = 0; offset <= 36; offset += 4)
        QCOMPARE(wordAt(block, offset), 1);
    for (int offset = 40; offset <= 52; offset += 4)
        QCOMPARE(wordAt(block, offset), 10);
    QCOMPARE(wordAt(block, 56), 1);
    QCOMPARE(wordAt(block, 60), 0);
    QCOMPARE(wordAt(block, 64), 0);
    QCOMPARE(wordAt(block, 68), 0);
    QCOMPARE(wordAt(block, 72), 10);
    QCOMPARE(wordAt(block, 76), 0);
    QCOMPARE(wordAt(block, 80), 1033);
    QCOMPARE(wordAt(block, 84), -1);
    QCOMPARE(wordAt(block, 88), 2);
    QCOMPARE(wordAt(block, 92), 1);
    QCOMPARE(wordAt(block, 96), 0);
    QCOMPARE(wordAt(block, 100), 0);
    QCOMPARE(block.mid(104, 1056 - 104), QByteArray(1056 - 104, '\0'));
    QCOMPARE(wordAt(block, 1056), 5);
    QCOMPARE(wordAt(block, 1060), 2);
    QCOMPARE(wordAt(block, 1064), 1);
    QCOMPARE(wordAt(block, 1068), 0);

    HtmlToRtf::setTarget(options, QStringLiteral("Report.rtf"));
    block = HtmlToRtf::toBytes(options);
    QCOMPARE(wordAt(block, 88), 0);
    QCOMPARE(wordAt(block, 96), 1);
    // ".DOC" anywhere, in any case.
    HtmlToRtf::setTarget(options, QStringLiteral("my.docs/Report.rtf"));
    QCOMPARE(options.docTarget, 2);
    QCOMPARE(options.rtfTarget, 0);
}

void TestConverters::codePageDetection()
{
    using HtmlToRtf::detectCodePage;
    QCOMPARE(detectCodePage(QStringLiteral("<html><p>x</p></html>")), 0);
    QCOMPARE(detectCodePage(QStringLiteral("<meta charset=\"utf-8\">")), 5);
    QCOMPARE(detectCodePage(QStringLiteral("<meta http-equiv=\"Content-Type\" "
                                           "content=\"text/html; charset=windows-1250\">")),
             8);
    QCOMPARE(detectCodePage(QStringLiteral("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>"
                                           "<meta charset=\"utf-8\">")),
             1);
    QCOMPARE(detectCodePage(QStringLiteral("<meta charset=\"x-unknown\">")), -1);
    QCOMPARE(detectCodePage(QStringLiteral("charset=KOI8-R; more")), 3);
    QCOMPARE(detectCodePage(QStringLiteral("charset=WINDOWS-1258")), 0); // no end found
    QCOMPARE(detectCodePage(QStringLiteral("<meta charset=\"\">")), 0);
    QCOMPARE(HtmlToRtf::codePageNames().size(), 13);
    QCOMPARE(HtmlToRtf::codePageNames().at(8), QStringLiteral("WINDOWS-1252"));
}

void TestConverters::convertHtmlToRtf()
{
    // HTML as the HTML export writes it: pictures in a folder beside the file.
    const QString dir = testTempDir();
    QDir().mkpath(dir + QStringLiteral("/temp_files"));
    writeFile(dir + QStringLiteral("/temp_files/1.png"), pngBytes(12, 6, 0xff8800));
    writeFile(dir + QStringLiteral("/temp_files/2.jpg"), jpegBytes(8, 8));
    const QString html = dir + QStringLiteral("/temp.html");
    writeFile(html, "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                    "charset=windows-1250\"></head><body><h1>Zpr\xE1vy</h1>"
                    "<p>\xB3\xF3\x9F \xE8 <b>tu\xE8n\xFD</b></p>"
                    "<table border=\"1\"><tr><td>a</td><td>b</td></tr></table>"
                    "<p><img src=\"temp_files/1.png\" width=\"24\" height=\"12\">"
                    "<img src=\"temp_files/2.jpg\"></p></body></html>");
    const QString target = dir + QStringLiteral("/Report.doc");
    QCOMPARE(WordExport::ConvertHTMLToRTF(html, target, -1), 0);
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray rtf = file.readAll();
    QVERIFY(rtf.startsWith("{\\rtf1"));
    QVERIFY(rtf.contains("\\deflang1033"));
    QVERIFY(rtf.contains("\\trowd") && rtf.contains("\\clbrdrt") && rtf.contains("\\cellx"));
    QVERIFY(rtf.contains("\\pngblip") && rtf.contains("\\jpegblip"));
    QTextDocument doc;
    RtfReader::read(rtf, &doc);
    QCOMPARE(doc.begin().text(), QStringLiteral("Zprávy"));
    QCOMPARE(doc.begin().blockFormat().headingLevel(), 1);
    QVERIFY(doc.begin().begin().fragment().charFormat().fontWeight() >= QFont::DemiBold);
    QVERIFY(doc.toPlainText().contains(QStringLiteral("łóź č tučný")));
    const QString sig = docSignature(&doc).join(u'\n');
    QVERIFY2(sig.contains(QStringLiteral("IMG 12x6 shown 24x12")), qPrintable(sig));
    QVERIFY(sig.contains(QStringLiteral("IMG 8x8")));
    QVERIFY(sig.contains(QStringLiteral("TABLE 1x2")));
}

void TestConverters::resultCodes()
{
    const QString dir = testTempDir();
    const auto library = makeOwnHtmlRtfLibrary();
    QCOMPARE(WordExport::convertHtmlToRtf(dir + QStringLiteral("/missing.html"),
                                          dir + QStringLiteral("/x.rtf"), -1, *library),
             3);
    const QString html = dir + QStringLiteral("/a.html");
    writeFile(html, "<p>x</p>");
    QCOMPARE(WordExport::convertHtmlToRtf(html, dir + QStringLiteral("/no/such/folder/x.rtf"), -1,
                                          *library),
             4);
    QCOMPARE(WordExport::convertHtmlToRtf(html, dir + QStringLiteral("/ok.rtf"), 0, *library), 0);
    QCOMPARE(HtmlToRtf::resultMessage(0), QString());
    QCOMPARE(HtmlToRtf::resultMessage(2), QStringLiteral("Not enough memory"));
    QCOMPARE(HtmlToRtf::resultMessage(3), QStringLiteral("Can't create HTML file"));
    QCOMPARE(HtmlToRtf::resultMessage(4), QStringLiteral("Can't open RTF file"));
    QCOMPARE(HtmlToRtf::resultMessage(5), QStringLiteral("RTF file has zero length"));
    QCOMPARE(HtmlToRtf::resultMessage(1), QStringLiteral("Unknown Error"));
    QCOMPARE(HtmlToRtf::resultMessage(42), QStringLiteral("Unknown Error"));
}

int runConverterTests(int argc, char **argv)
{
    TestConverters t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_convert.moc"
