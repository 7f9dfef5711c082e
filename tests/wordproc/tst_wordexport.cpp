// Word-processor export: the converter's option block and call order, code page
// detection, result messages, target names, the export command with fakes, DOCX
// through pandoc, and the files opened by LibreOffice where it is installed.
#include "ReportHtmlFixture.h"
#include "WordExportChecks.h"
#include "app/WordExportCommand.h"
#include "export/HtmlRtfLibrary.h"
#include "export/WordExport.h"
#include "platform/TessaryError.h"
#include "platform/wordproc/RtfReader.h"
#include "store/PageState.h"
#include "tests/support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace WordExportChecks;

namespace {

qint32 wordAt(const QByteArray &block, int offset)
{
    return qint32(quint32(quint8(block[offset])) | quint32(quint8(block[offset + 1])) << 8 |
                  quint32(quint8(block[offset + 2])) << 16 |
                  quint32(quint8(block[offset + 3])) << 24);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A converter that records its calls and answers with a given result code; with
// code 0 it writes a small RTF file like the real one.
class FakeLibrary : public HtmlRtfLibrary
{
public:
    int result = 0;
    QStringList calls;
    QByteArray html, rtf;
    HtmlToRtfOptions options{};

    int htmltortf_file(const QByteArray &htmlPath, const QByteArray &rtfPath,
                       HtmlToRtfOptions o) override
    {
        calls << QStringLiteral("htmltortf_file");
        html = htmlPath;
        rtf = rtfPath;
        options = o;
        if (result == 0) {
            QFile f(QString::fromLocal8Bit(rtfPath));
            if (f.open(QIODevice::WriteOnly))
                f.write("{\\rtf1 fake}");
        }
        return result;
    }
    int flushlist() override
    {
        calls << QStringLiteral("flushlist");
        return 0;
    }
};

} // namespace

class TestWordExport : public QObject
{
    Q_OBJECT
private slots:
    void optionBlock();
    void codePageDetection();
    void targetNames();
    void callOrderAndResultMessages();
    void ownConverterResults();
    void exportCommandWithFakes();
    void exportCommandStops();
    void docxOfReport();
    void docxWithoutPandoc();
    void filesOpenInLibreOffice();
};

void TestWordExport::optionBlock()
{
    // The fixed values of every word, then the target-dependent ones.
    const QByteArray doc =
        HtmlToRtf::toBytes(WordExport::optionsFor(QStringLiteral("/x/Report.doc"), 9));
    QCOMPARE(doc.size(), 1072);
    for (int offset = 0; offset <= 36; offset += 4)
        QCOMPARE(wordAt(doc, offset), 1);
    for (int offset = 40; offset <= 52; offset += 4)
        QCOMPARE(wordAt(doc, offset), 10);
    const QList<QPair<int, qint32>> fixed = {
        {56, 1}, {60, 0}, {64, 0}, {68, 0},  {72, 10},  {76, 0},   {80, 1033}, {84, 9},
        {88, 2}, {92, 1}, {96, 0}, {100, 0}, {1056, 5}, {1060, 2}, {1064, 1},  {1068, 0}};
    for (const auto &[offset, value] : fixed)
        QVERIFY2(wordAt(doc, offset) == value, qPrintable(QString::number(offset)));
    QCOMPARE(doc.mid(104, 952), QByteArray(952, '\0')); // three empty text fields and 2 bytes

    const QByteArray rtf =
        HtmlToRtf::toBytes(WordExport::optionsFor(QStringLiteral("Report.rtf"), -1));
    QCOMPARE(wordAt(rtf, 84), -1);
    QCOMPARE(rtf.mid(84, 4), QByteArray("\xFF\xFF\xFF\xFF", 4));
    QCOMPARE(wordAt(rtf, 88), 0);
    QCOMPARE(wordAt(rtf, 96), 1);
    // ".DOC" anywhere in the name, in any case, counts.
    for (const char *name : {"report.Doc", "my.docs/Report.rtf", "A.DOCX"}) {
        const QByteArray b = HtmlToRtf::toBytes(WordExport::optionsFor(QLatin1String(name), 0));
        QVERIFY2(wordAt(b, 88) == 2 && wordAt(b, 96) == 0, name);
    }
    const QByteArray plain =
        HtmlToRtf::toBytes(WordExport::optionsFor(QStringLiteral("Report.do"), 0));
    QCOMPARE(wordAt(plain, 88), 0);
    QCOMPARE(wordAt(plain, 96), 1);
}

void TestWordExport::codePageDetection()
{
    using HtmlToRtf::detectCodePage;
    QCOMPARE(detectCodePage(QStringLiteral("<html><body>no declaration</body></html>")), 0);
    QCOMPARE(detectCodePage(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")), 5);
    QCOMPARE(detectCodePage(QStringLiteral("<meta charset=\"windows-1251\">")), 4);
    QCOMPARE(detectCodePage(QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                           "charset=windows-1252\">")),
             9);
    // encoding=" is preferred to charset=", which is preferred to charset= alone.
    QCOMPARE(
        detectCodePage(QStringLiteral("<meta content=\"charset=koi8-r\"><meta charset=\"utf-8\">"
                                      "<?xml encoding=\"iso-8859-5\"?>")),
        2);
    QCOMPARE(detectCodePage(QStringLiteral("charset=koi8-r <meta charset=\"windows-1250\">")), 8);
    // Without a closing quote a ";" ends the name; without either there is none.
    QCOMPARE(detectCodePage(QStringLiteral("charset=windows-1258; more")), 13);
    QCOMPARE(detectCodePage(QStringLiteral("charset=windows-1258")), 0);
    // A known name in any case; an unknown one is -1; an empty one 0.
    QCOMPARE(detectCodePage(QStringLiteral("<meta charset=\"Iso-8859-1\">")), 1);
    QCOMPARE(detectCodePage(QStringLiteral("<meta charset=\"x-mac-roman\">")), -1);
    QCOMPARE(detectCodePage(QStringLiteral("<meta charset=\"\">")), 0);
    const QStringList names = HtmlToRtf::codePageNames();
    QCOMPARE(names.size(), 13);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(detectCodePage(QStringLiteral("<meta charset=\"%1\">").arg(names.at(i).toLower())),
                 i + 1);

    // ConvertHTMLToRTF with -1 passes the index detected in the file; others as given.
    QTemporaryDir dir;
    const QString html = dir.filePath(QStringLiteral("a.html"));
    writeFile(html, "<html><head><meta charset=\"windows-1257\"></head><body>x</body></html>");
    FakeLibrary fake;
    WordExport::convertHtmlToRtf(html, dir.filePath(QStringLiteral("a.rtf")), -1, fake);
    QCOMPARE(fake.options.codePageIndex, 12);
    WordExport::convertHtmlToRtf(html, dir.filePath(QStringLiteral("a.rtf")), 3, fake);
    QCOMPARE(fake.options.codePageIndex, 3);
    WordExport::convertHtmlToRtf(dir.filePath(QStringLiteral("missing.html")),
                                 dir.filePath(QStringLiteral("a.rtf")), -1, fake);
    QCOMPARE(fake.options.codePageIndex, 0);
}

void TestWordExport::targetNames()
{
    using WordExport::targetFileName;
    QCOMPARE(targetFileName(QStringLiteral("/out/Report"), 1), QStringLiteral("/out/Report.doc"));
    QCOMPARE(targetFileName(QStringLiteral("/out/Report"), 2), QStringLiteral("/out/Report.rtf"));
    QCOMPARE(targetFileName(QStringLiteral("/out/Report"), 3), QStringLiteral("/out/Report.docx"));
    QCOMPARE(targetFileName(QStringLiteral("/out/Report.txt"), 1),
             QStringLiteral("/out/Report.doc"));
    QCOMPARE(targetFileName(QStringLiteral("/out/Report.rtf"), 1),
             QStringLiteral("/out/Report.doc"));
    QCOMPARE(targetFileName(QStringLiteral("/out/Report.doc"), 2),
             QStringLiteral("/out/Report.rtf"));
    // A name that contains the extension anywhere, in any case, is kept.
    QCOMPARE(targetFileName(QStringLiteral("/out/Report.DoC"), 1),
             QStringLiteral("/out/Report.DoC"));
    QCOMPARE(targetFileName(QStringLiteral("/out/my.docs/Report"), 1),
             QStringLiteral("/out/my.docs/Report"));
    QCOMPARE(targetFileName(QStringLiteral("/out/Report.Rtf.bak"), 2),
             QStringLiteral("/out/Report.Rtf.bak"));
    // The extension is the last one of the file name, never of a folder.
    QCOMPARE(targetFileName(QStringLiteral("/out.v2/Report"), 2),
             QStringLiteral("/out.v2/Report.rtf"));
    QCOMPARE(targetFileName(QStringLiteral("C:\\out.v2\\Report"), 1),
             QStringLiteral("C:\\out.v2\\Report.doc"));
    QCOMPARE(targetFileName(QStringLiteral("/out/a.b.c"), 2), QStringLiteral("/out/a.b.rtf"));
    QCOMPARE(targetFileName(QStringLiteral("/out/Report.doc"), 3),
             QStringLiteral("/out/Report.docx"));
    QCOMPARE(targetFileName(QStringLiteral("/out/Report"), 7), QStringLiteral("/out/Report"));
    QCOMPARE(WordExport::formatOfFilter(1), WordExport::Format::Doc);
    QCOMPARE(WordExport::formatOfFilter(2), WordExport::Format::Rtf);
    QCOMPARE(WordExport::formatOfFilter(3), WordExport::Format::Docx);
    QCOMPARE(WordExport::formatOfFile(QStringLiteral("a.DOCX")), WordExport::Format::Docx);
    QCOMPARE(WordExport::formatOfFile(QStringLiteral("a.Doc")), WordExport::Format::Doc);
    QCOMPARE(WordExport::formatOfFile(QStringLiteral("a.rtf")), WordExport::Format::Rtf);
    QCOMPARE(WordExport::saveFilter(),
             QStringLiteral("MS Word (*.doc)|*.doc|Rich Text Format (*.rtf)|"
                            "*.rtf|Word document (*.docx)|*.docx"));
}

void TestWordExport::callOrderAndResultMessages()
{
    QTemporaryDir dir;
    const QString html = dir.filePath(QStringLiteral("in.html"));
    writeFile(html, "<p>x</p>");
    const QString target = dir.filePath(QStringLiteral("Report.doc"));
    const QList<QPair<int, QString>> codes = {{0, QString()},
                                              {1, QStringLiteral("Unknown Error")},
                                              {2, QStringLiteral("Not enough memory")},
                                              {3, QStringLiteral("Can't create HTML file")},
                                              {4, QStringLiteral("Can't open RTF file")},
                                              {5, QStringLiteral("RTF file has zero length")},
                                              {6, QStringLiteral("Unknown Error")},
                                              {-7, QStringLiteral("Unknown Error")}};
    for (const auto &[code, message] : codes) {
        ScriptedDialogsScope scripted;
        FakeLibrary fake;
        fake.result = code;
        QCOMPARE(WordExport::ConvertHTMLToRTF(html, target, -1, &fake), code);
        // htmltortf_file once, then flushlist, whatever the result.
        QCOMPARE(fake.calls,
                 QStringList({QStringLiteral("htmltortf_file"), QStringLiteral("flushlist")}));
        QCOMPARE(fake.html, html.toLocal8Bit());
        QCOMPARE(fake.rtf, target.toLocal8Bit());
        QCOMPARE(fake.options.docTarget, 2);
        QCOMPARE(fake.options.rtfTarget, 0);
        QCOMPARE(fake.options.codePageIndex, 0);
        if (message.isEmpty())
            QVERIFY(scripted->asked.isEmpty());
        else
            QCOMPARE(scripted->asked, QStringList(QStringLiteral("message: ") + message));
    }
    // Without a display the same codes are errors, never dialogs.
    ScriptedDialogsScope scripted;
    QString error;
    try {
        WordExport::exportHtmlToWordFile(dir.filePath(QStringLiteral("missing.html")), target,
                                         WordExport::Format::Doc);
    } catch (const TessaryError &e) {
        error = e.message();
    }
    QCOMPARE(error, QStringLiteral("\"Report.doc\": Can't create HTML file"));
    QVERIFY(scripted->asked.isEmpty());
}

void TestWordExport::ownConverterResults()
{
    QTemporaryDir dir;
    const QString html = ReportHtmlFixture::write(dir.path());
    ScriptedDialogsScope scripted;
    // 0: written, RTF content even for ".doc".
    const QString doc = dir.filePath(QStringLiteral("Report.doc"));
    QCOMPARE(WordExport::ConvertHTMLToRTF(html, doc, -1), 0);
    QVERIFY(readAll(doc).startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    // 3: the HTML cannot be read; 4: the RTF cannot be created.
    QCOMPARE(WordExport::ConvertHTMLToRTF(dir.filePath(QStringLiteral("none.html")),
                                          dir.filePath(QStringLiteral("x.rtf")), -1),
             3);
    QCOMPARE(WordExport::ConvertHTMLToRTF(html, dir.filePath(QStringLiteral("no/such/x.rtf")), -1),
             4);
    QCOMPARE(scripted->asked, QStringList({QStringLiteral("message: Can't create HTML file"),
                                           QStringLiteral("message: Can't open RTF file")}));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.rtf"))));

    // A Windows-1251 file: detected, decoded, declared, readable.
    const QString cyr = dir.filePath(QStringLiteral("cyr.html"));
    QByteArray bytes = "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                       "charset=windows-1251\"></head><body><h3>\xCF\xF0\xE8\xE2\xE5\xF2</h3>"
                       "</body></html>";
    writeFile(cyr, bytes);
    const QString rtfPath = dir.filePath(QStringLiteral("cyr.rtf"));
    QCOMPARE(WordExport::ConvertHTMLToRTF(cyr, rtfPath, -1), 0);
    const QByteArray rtf = readAll(rtfPath);
    QVERIFY(rtf.contains("\\ansicpg1251"));
    QVERIFY(rtf.contains("\\u1055\\'cf"));
    QTextDocument back;
    RtfReader::read(rtf, &back);
    QCOMPARE(back.toPlainText().trimmed(), QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442"));
    // Index 0 (no detection): UTF-8 when valid, else Windows-1252.
    QCOMPARE(WordExport::ConvertHTMLToRTF(cyr, rtfPath, 0), 0);
    QTextDocument latin;
    RtfReader::read(readAll(rtfPath), &latin);
    QCOMPARE(latin.toPlainText().trimmed(), QStringLiteral("\u00cf\u00f0\u00e8\u00e2\u00e5\u00f2"));
}

void TestWordExport::exportCommandWithFakes()
{
    QTemporaryDir dir;
    const QString temp = dir.filePath(QStringLiteral("tmp"));
    QDir().mkpath(temp);
    const QString fixtureFolder = dir.filePath(QStringLiteral("fixture"));
    QDir().mkpath(fixtureFolder);
    const QByteArray reportHtml = readAll(ReportHtmlFixture::write(fixtureFolder));

    for (int tag = 1; tag <= 3; ++tag) {
        if (tag == 3 && !WordExport::docxAvailable())
            continue;
        ScriptedDialogsScope scripted;
        QStringList events;
        QString createdAt, opened;
        WordExportCommand::Hooks hooks;
        hooks.saveModif = [&] { events << QStringLiteral("saveModif"); };
        hooks.selectPages = [&] {
            events << QStringLiteral("selectPages");
            PageModified = true; // rendering pages touched the editors
            return true;
        };
        hooks.createHtml = [&](const QString &file) {
            events << QStringLiteral("createHtml");
            createdAt = file;
            // The pictures beside the scratch file, as the HTML export puts them.
            QDir().mkpath(temp + QStringLiteral("/Rep_files"));
            for (const char *name : {"CHART3.JPG", "CHART5.BMP"})
                QFile::copy(fixtureFolder + QStringLiteral("/Rep_files/") + QLatin1String(name),
                            temp + QStringLiteral("/Rep_files/") + QLatin1String(name));
            writeFile(file, reportHtml);
            return true;
        };
        hooks.showNode = [&] { events << QStringLiteral("showNode"); };
        hooks.showProgress = [&](bool on) {
            events << (on ? QStringLiteral("progress on") : QStringLiteral("progress off"));
        };
        hooks.clearStatus = [&] { events << QStringLiteral("clearStatus"); };
        hooks.openDocument = [&](const QString &file) { opened = file; };
        WordExportCommand command(hooks);
        command.setTempFolder(temp);
        scripted->answer(QStringLiteral("saveFiltered"),
                         QVariantList{dir.filePath(QStringLiteral("Report")), tag});
        scripted->answer(QStringLiteral("confirm"), true);
        const QString written = command.ExportMSWordClick(tag);

        const QString expected = dir.filePath(QStringLiteral("Report") +
                                              QStringList{".doc", ".rtf", ".docx"}.at(tag - 1));
        QCOMPARE(written, expected);
        QCOMPARE(opened, expected);
        QCOMPARE(scripted->lastSaveFilterIndex, tag);
        QCOMPARE(scripted->lastSaveFilter, WordExport::saveFilter());
        QCOMPARE(createdAt, temp + QStringLiteral("/temp.html"));
        QVERIFY(!QFile::exists(createdAt)); // the scratch file is gone
        QVERIFY(!PageModified);
        QCOMPARE(events, QStringList({"saveModif", "selectPages", "progress on", "createHtml",
                                      "showNode", "clearStatus", "progress off"}));
        QCOMPARE(scripted->asked.last(),
                 QStringLiteral("confirm: Do you want to view the document?"));
        QCOMPARE(scripted->asked.size(), 2);
        const QByteArray bytes = readAll(expected);
        if (tag == 3) {
            QVERIFY(bytes.startsWith("PK"));
        } else {
            QVERIFY(bytes.startsWith("{\\rtf1"));
            QVERIFY(bytes.contains("\\trowd"));
            QCOMPARE(bytes.count("{\\pict"), 2); // the pictures were found beside temp.html
        }
    }

    // A conversion that fails shows its message, and the export still cleans up and asks.
    ScriptedDialogsScope scripted;
    FakeLibrary fake;
    fake.result = 4;
    int shown = 0;
    WordExportCommand::Hooks hooks;
    hooks.selectPages = [] { return true; };
    hooks.createHtml = [&](const QString &file) {
        writeFile(file, "<p>x</p>");
        return true;
    };
    hooks.showNode = [&] { ++shown; };
    bool opened = false;
    hooks.openDocument = [&](const QString &) { opened = true; };
    WordExportCommand command(hooks);
    command.setTempFolder(temp);
    command.setLibrary(&fake);
    scripted->answer(QStringLiteral("saveFiltered"),
                     QVariantList{dir.filePath(QStringLiteral("Failing.DOC.rtf")), 2});
    QVERIFY(command.ExportMSWordClick(2).isEmpty());
    QCOMPARE(fake.calls,
             QStringList({QStringLiteral("htmltortf_file"), QStringLiteral("flushlist")}));
    // The name holds ".RTF", so filter 2 keeps it; it also holds ".DOC", which the block says.
    QCOMPARE(fake.rtf, dir.filePath(QStringLiteral("Failing.DOC.rtf")).toLocal8Bit());
    QCOMPARE(fake.options.docTarget, 2);
    QCOMPARE(scripted->asked.mid(1), QStringList({QStringLiteral("message: Can't open RTF file"),
                                                  QStringLiteral("confirm: Do you want to view the "
                                                                 "document?")}));
    QCOMPARE(shown, 1);
    QVERIFY(!opened); // the confirmation was answered No
    QVERIFY(!QFile::exists(temp + QStringLiteral("/temp.html")));
}

void TestWordExport::exportCommandStops()
{
    QTemporaryDir dir;
    // The selection dialog cancelled: no save dialog, nothing created.
    {
        ScriptedDialogsScope scripted;
        bool created = false;
        QStringList progress;
        WordExportCommand::Hooks hooks;
        hooks.selectPages = [] { return false; };
        hooks.createHtml = [&](const QString &) { return created = true; };
        hooks.showProgress = [&](bool on) { progress << (on ? "on" : "off"); };
        WordExportCommand command(hooks);
        command.setTempFolder(dir.path());
        QVERIFY(command.ExportMSWordClick(1).isEmpty());
        QVERIFY(!created);
        QVERIFY(scripted->asked.isEmpty());
        QCOMPARE(progress, QStringList({"on", "off"}));
    }
    // The save dialog cancelled: nothing created, nothing asked after it.
    {
        ScriptedDialogsScope scripted;
        bool created = false;
        WordExportCommand::Hooks hooks;
        hooks.selectPages = [] { return true; };
        hooks.createHtml = [&](const QString &) { return created = true; };
        WordExportCommand command(hooks);
        command.setTempFolder(dir.path());
        QVERIFY(command.ExportMSWordClick(2).isEmpty());
        QVERIFY(!created);
        QCOMPARE(scripted->asked.size(), 1);
        QCOMPARE(scripted->lastSaveFilterIndex, 2);
    }
    // The HTML export failed with an error: its message, no conversion, no question.
    {
        ScriptedDialogsScope scripted;
        FakeLibrary fake;
        int shown = 0;
        WordExportCommand::Hooks hooks;
        hooks.selectPages = [] { return true; };
        hooks.createHtml = [&](const QString &file) -> bool {
            writeFile(file, "<p>partial");
            throw TessaryError(QStringLiteral("Page \"Sales\" is damaged."));
        };
        hooks.showNode = [&] { ++shown; };
        WordExportCommand command(hooks);
        command.setTempFolder(dir.path());
        command.setLibrary(&fake);
        scripted->answer(QStringLiteral("saveFiltered"),
                         QVariantList{dir.filePath(QStringLiteral("R")), 1});
        QVERIFY(command.ExportMSWordClick(1).isEmpty());
        QVERIFY(fake.calls.isEmpty());
        QCOMPARE(scripted->asked.mid(1),
                 QStringList(QStringLiteral("message: Page \"Sales\" is damaged.")));
        QCOMPARE(shown, 1);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temp.html"))));
    }
}

void TestWordExport::docxOfReport()
{
    if (!WordExport::docxAvailable())
        QSKIP("pandoc is not installed");
    if (!haveTool(QStringLiteral("unzip")))
        QSKIP("unzip is not installed");
    QTemporaryDir dir;
    const QString html = ReportHtmlFixture::write(dir.path());
    const QString docx = dir.filePath(QStringLiteral("Report.docx"));
    WordExport::exportHtmlToWordFile(html, docx, WordExport::Format::Docx);
    const QString xml = QString::fromUtf8(zipMember(docx, QStringLiteral("word/document.xml")));
    QVERIFY(!xml.isEmpty());
    // The table page is a real table with every cell.
    QCOMPARE(xml.count(QLatin1String("<w:tbl>")), 1);
    QCOMPARE(xml.count(QLatin1String("<w:tr>")) + xml.count(QLatin1String("<w:tr ")), 3);
    for (const QString &cell : ReportHtmlFixture::cells())
        QVERIFY2(xml.contains(QStringLiteral(">%1</w:t>").arg(cell)), qPrintable(cell));
    // Every title is a heading, and nothing of the inner documents' heads came through.
    for (const QString &title : ReportHtmlFixture::titles()) {
        const QRegularExpression heading(
            QStringLiteral("<w:pStyle w:val=\"Heading3\" />.{0,400}>%1<")
                .arg(QRegularExpression::escape(title)));
        QVERIFY2(heading.match(xml).hasMatch(), qPrintable(title));
    }
    QVERIFY(!xml.contains(QLatin1String("w:val=\"Title\"")));
    // Bold from the word processor's CSS, and text outside ASCII.
    QVERIFY(xml.contains(QStringLiteral("<w:b />")));
    QVERIFY(xml.contains(QStringLiteral("Z\u00fcrich")));
    // Both pictures embedded: the chart's JPEG as it is, the BMP picture as PNG.
    QStringList media;
    for (const QString &m : zipMembers(docx))
        if (m.startsWith(QLatin1String("word/media/")))
            media << m;
    QCOMPARE(media.size(), 2);
    QCOMPARE(media.filter(QRegularExpression(QStringLiteral("\\.jpe?g$"))).size(), 1);
    QCOMPARE(media.filter(QRegularExpression(QStringLiteral("\\.png$"))).size(), 1);
    QCOMPARE(xml.count(QLatin1String("<a:blip r:embed=")), 2);
}

void TestWordExport::docxWithoutPandoc()
{
    QTemporaryDir dir;
    const QString html = ReportHtmlFixture::write(dir.path());
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit());
    QString error;
    try {
        WordExport::writeDocx(html, dir.filePath(QStringLiteral("R.docx")));
    } catch (const TessaryError &e) {
        error = e.message();
    }
    const bool available = WordExport::docxAvailable();
    qputenv("PATH", oldPath);
    QVERIFY(!available);
    QVERIFY2(error.contains(QLatin1String("pandoc")), qPrintable(error));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("R.docx"))));

    // pandoc that fails: its error, no file left behind.
    const QString fakeBin = dir.filePath(QStringLiteral("bin"));
    QDir().mkpath(fakeBin);
    const QString script = fakeBin + QStringLiteral("/pandoc");
    writeFile(script, "#!/bin/sh\necho 'pandoc: out of luck' >&2\nexit 3\n");
    QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
    qputenv("PATH", fakeBin.toLocal8Bit() + ":/usr/bin:/bin");
    error.clear();
    try {
        WordExport::writeDocx(html, dir.filePath(QStringLiteral("R.docx")));
    } catch (const TessaryError &e) {
        error = e.message();
    }
    qputenv("PATH", oldPath);
    QVERIFY2(error.contains(QLatin1String("out of luck")), qPrintable(error));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("R.docx"))));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("R.docx.part"))));
}

void TestWordExport::filesOpenInLibreOffice()
{
    if (!haveTool(QStringLiteral("soffice")) || !haveTool(QStringLiteral("pdftotext")))
        QSKIP("LibreOffice (soffice) or pdftotext is not installed");
    QTemporaryDir dir;
    const QString html = ReportHtmlFixture::write(dir.path());
    QStringList files = {dir.filePath(QStringLiteral("Report.rtf")),
                         dir.filePath(QStringLiteral("Report2.doc"))};
    WordExport::exportHtmlToWordFile(html, files.at(0), WordExport::Format::Rtf);
    WordExport::exportHtmlToWordFile(html, files.at(1), WordExport::Format::Doc);
    if (WordExport::docxAvailable()) {
        files << dir.filePath(QStringLiteral("Report3.docx"));
        WordExport::exportHtmlToWordFile(html, files.last(), WordExport::Format::Docx);
    }
    const QString out = dir.filePath(QStringLiteral("pdf"));
    QDir().mkpath(out);
    const QStringList pdfs = toPdf(files, out);
    for (int i = 0; i < files.size(); ++i) {
        const QString &file = files.at(i);
        const QString &pdf = pdfs.at(i);
        QVERIFY2(!pdf.isEmpty(), qPrintable(file));
        const QString text = pdfText(pdf);
        for (const QString &title : ReportHtmlFixture::titles())
            QVERIFY2(text.contains(title), qPrintable(file + QStringLiteral(": ") + title));
        for (const QString &cell : ReportHtmlFixture::cells())
            QVERIFY2(text.contains(cell), qPrintable(file + QStringLiteral(": ") + cell));
        QVERIFY2(text.contains(QStringLiteral("Z\u00fcrich")), qPrintable(file));
        // The chart and the picture page are pictures of the document, not links.
        if (haveTool(QStringLiteral("pdfimages")))
            QVERIFY2(pdfImageCount(pdf) >= 2, qPrintable(file));
    }
}

int runWordExportTests(int argc, char **argv)
{
    TestWordExport t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_wordexport.moc"
