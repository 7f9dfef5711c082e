// tessary-cli export run as a separate process on real report files,
// among them the sample report the build makes.
#include "store/PageKind.h"
#include "store/ReportTree.h"
#include "tests/export/ExportTestUtil.h"
#include "tests/export/ReportBuilder.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestReport.h"

#include <QFileInfo>
#include <QProcess>
#include <QtTest>

class CliExportTest : public QObject
{
    Q_OBJECT
    QString m_dir;

private slots:
    void init() { m_dir = testTempDir(); }

    void exportsEveryPageOrTheChosenOnes()
    {
        const QString report = m_dir + "/r.SUP";
        ReportBuilder b(report);
        b.page(PageKind::Document, "Intro", ReportBuilder::document("<p>intro</p>"));
        const qint32 chart = b.page(PageKind::Chart, "Bars", ReportBuilder::chart("Bars"));
        const qint32 table = b.page(PageKind::Table, "Counts", ReportBuilder::table(2, 2));
        b.finish();

        CliResult r = runCli({"export", report, "--to", m_dir + "/all.html"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.isEmpty(), r.err.constData());
        QCOMPARE(headings(readText(m_dir + "/all.html")), (QStringList{"Intro", "Bars", "Counts"}));
        QVERIFY(QFileInfo::exists(m_dir + "/all_files/CHART2.JPG"));

        r = runCli({"export", report, "--to", m_dir + "/some.htm", "--pages",
                    QStringLiteral("%1,%2").arg(table).arg(chart)});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(headings(readText(m_dir + "/some.htm")), (QStringList{"Bars", "Counts"}));

        r = runCli({"export", report, "--to", m_dir + "/x.htm", "--pages", "777"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains("no page 777"));
        QVERIFY(!QFileInfo::exists(m_dir + "/x.htm"));

        // Word-processor files: RTF content (also in ".doc") and a real DOCX.
        r = runCli({"export", report, "--to", m_dir + "/w.rtf"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(readText(m_dir + "/w.rtf").startsWith("{\\rtf1"));
        QVERIFY(readText(m_dir + "/w.rtf").contains("\\trowd"));
        r = runCli({"export", report, "--to", m_dir + "/w.doc"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(readText(m_dir + "/w.doc").startsWith("{\\rtf1"));
        r = runCli({"export", report, "--to", m_dir + "/w.docx"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(QFileInfo(m_dir + "/w.docx").size() > 0);
        QVERIFY(!QFileInfo::exists(m_dir + "/w_files")); // the HTML stayed in a scratch folder
        r = runCli({"export", report, "--to", m_dir + "/x.pdf"});
        QCOMPARE(r.exitCode, 2);
        r = runCli({"export", report});
        QCOMPARE(r.exitCode, 2);
        r = runCli({"export", report, "--to", m_dir + "/x.htm", "--pages", "a,b"});
        QCOMPARE(r.exitCode, 2);
        r = runCli({"export", m_dir + "/missing.SUP", "--to", m_dir + "/x.htm"});
        QCOMPARE(r.exitCode, 1);
        r = runCli({"export", "--help"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("--pages"));
    }

    void damagedPagesAreNamedAndTheRestWritten()
    {
        const QString report = m_dir + "/r.SUP";
        ReportBuilder b(report);
        b.page(PageKind::Document, "Fine", ReportBuilder::document("<p>fine</p>"));
        const qint32 bad = b.page(PageKind::Table, "Damaged table", "{{{");
        b.finish();
        const CliResult r = runCli({"export", report, "--to", m_dir + "/d.htm"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains(QStringLiteral("Damaged table (page %1)").arg(bad).toUtf8()));
        QCOMPARE(r.err.count('\n'), 1);
        QCOMPARE(headings(readText(m_dir + "/d.htm")), QStringList{"Fine"});
    }

    void theSampleReportExportsWithEveryPicture()
    {
        const QString sample = m_dir + "/Sample.SUP";
        QProcess make;
        make.start("bash", {QStringLiteral(TESSARY_SOURCE_DIR) + "/scripts/make-sample",
                            qEnvironmentVariable("TESSARY_CLI"), sample});
        QVERIFY(make.waitForFinished(120000));
        QVERIFY2(make.exitCode() == 0, make.readAllStandardError().constData());

        const QString out = m_dir + "/Sample export.html";
        const CliResult r = runCli({"export", sample, "--to", out});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        const QString text = decodeReferences(readText(out));
        const QStringList sources = imageSources(text);
        QVERIFY(sources.size() >= 6);
        for (const QString &src : sources)
            QVERIFY2(QFileInfo::exists(m_dir + "/" + src), qPrintable(src));

        // Every page of an exported kind is a heading, in tree order; the
        // others are not.
        QStringList expected;
        {
            HeadlessStore store(sample);
            for (const ReportNode *n : store.dm->tree()->nodesInOrder())
                if ((n->kind >= PageKind::Document && n->kind <= PageKind::HostDocument7))
                    expected << n->text.toHtmlEscaped();
        }
        QVERIFY(expected.size() >= 10);
        QCOMPARE(headings(text), expected);
        QCOMPARE(text.count("<HTML>"), 1);
        QCOMPARE(text.count("</BODY>"), 1);
    }
};

TESSARY_TEST(CliExportTest)
#include "tst_cliexport.moc"
