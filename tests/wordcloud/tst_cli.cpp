// tessary-cli wordcloud, called in-process.
#include "cli/Commands.h"
#include "wordcloud/TzqCloudDocument.h"

#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int rc;
    QString out;
    QString err;
};

Run wordcloud(const QStringList &args)
{
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.rc = cmdWordCloud(args, out, err);
    out.flush();
    err.flush();
    return r;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void help();
    void usageErrors_data();
    void usageErrors();
    void missingWordFile();
    void malformedLineIsNamed();
    void writesDocument();
    void weightsMakeSmallWordsLegible();
    void fontAndQuietOutput();
    void writesPng();
    void writesJpegAndSvg();
    void seedRepeats();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
    QString m_words;
};

void TestCli::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_words = path(QStringLiteral("words.txt"));
    QFile f(m_words);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("# a comment\nanalysis\t120\n\nreport\t60\nwörter\t30\r\ncloud\t15\n");
}

void TestCli::help()
{
    const Run r = wordcloud({QStringLiteral("--help")});
    QCOMPARE(r.rc, 0);
    QVERIFY(r.out.contains(QStringLiteral("usage: tessary-cli wordcloud")));
    QVERIFY(r.out.contains(QStringLiteral("--palette")));
}

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("message");
    QTest::newRow("bad size") << QStringList{"--size", "800by600"} << "bad size";
    QTest::newRow("zero size") << QStringList{"--size", "0x600"} << "bad size";
    QTest::newRow("unknown palette") << QStringList{"--palette", "Neon"} << "unknown palette";
    QTest::newRow("bad gradient") << QStringList{"--gradient", "#808080,nothing,#000000"}
                                  << "bad gradient";
    QTest::newRow("bad shape") << QStringList{"--shape", "star"} << "unknown shape";
    QTest::newRow("bad coverage") << QStringList{"--coverage", "lots"} << "bad coverage";
    QTest::newRow("unknown option") << QStringList{"--colour", "red"} << "unknown option";
    QTest::newRow("bad weights") << QStringList{"--weights", "linear"} << "unknown weights";
    QTest::newRow("bad font") << QStringList{"--font", "Arial,Bold"} << "bad font";
    QTest::newRow("bad target") << QStringList{"--to", "cloud.gif"} << "must end in";
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, message);
    QStringList args{"--words", m_words, "--size", "300x200", "--to", path("u.png")};
    for (int i = 0; i + 1 < extra.size(); i += 2) {
        const int at = args.indexOf(extra[i]);
        if (at >= 0)
            args[at + 1] = extra[i + 1];
        else
            args << extra[i] << extra[i + 1];
    }
    const Run r = wordcloud(args);
    QCOMPARE(r.rc, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(!QFile::exists(path("u.png")));

    QCOMPARE(wordcloud({"--words", m_words, "--to", path("u.png")}).rc, 2); // no size
}

void TestCli::missingWordFile()
{
    const Run r =
        wordcloud({"--words", path("absent.txt"), "--size", "300x200", "--to", path("m.png")});
    QCOMPARE(r.rc, 1);
    QVERIFY2(r.err.contains(QStringLiteral("no such word file")), qPrintable(r.err));
}

void TestCli::malformedLineIsNamed()
{
    const QString bad = path(QStringLiteral("bad.txt"));
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("alpha\t10\nbeta\t20\ngamma 30\n");
    f.close();
    Run r = wordcloud({"--words", bad, "--size", "300x200", "--to", path("b.png")});
    QCOMPARE(r.rc, 1);
    QVERIFY2(r.err.contains(QStringLiteral("line 3")), qPrintable(r.err));
    QVERIFY(r.err.contains(QStringLiteral("gamma 30")));

    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("alpha\tten\n");
    f.close();
    r = wordcloud({"--words", bad, "--size", "300x200", "--to", path("b.png")});
    QCOMPARE(r.rc, 1);
    QVERIFY(r.err.contains(QStringLiteral("line 1")));
}

void TestCli::writesDocument()
{
    const QString out = path(QStringLiteral("page.xml"));
    const Run r = wordcloud({"--words", m_words, "--size", "400x300", "--to", out, "--palette",
                             "Metro", "--seed", "3", "--font", "DejaVu Sans"});
    QCOMPARE(r.rc, 0);
    QVERIFY(r.err.isEmpty());
    QFile f(out);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray xml = f.readAll();
    QVERIFY(
        xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<WordCloud version=\"1.0\">"));
    const TzqCloudDocument doc = TzqCloudDocument::Read(xml);
    QVERIFY(doc.VersionSupported);
    QCOMPARE(*doc.Palette, 16);
    QCOMPARE(doc.Font->Name, QStringLiteral("DejaVu Sans"));
    QVERIFY(*doc.StartingBounds == (TzqCloudDocument::BoxItems{10, 10, 390, 290}));
    QCOMPARE(doc.Words.size(), 4);
    QCOMPARE(doc.Words[0].Text, QStringLiteral("analysis")); // heaviest first
    QCOMPARE(doc.Words[2].Text, QString::fromUtf8("wörter"));
    for (const auto &w : doc.Words) {
        QVERIFY(w.StartingBounds.has_value());
        QVERIFY(*w.FontSize > 0);
    }
}

// Real word counts span a wide range: as counts, many of 200 words come out
// under 8 px; sqrt and log keep every word readable.
void TestCli::weightsMakeSmallWordsLegible()
{
    const QString words = path(QStringLiteral("counts.txt"));
    {
        QFile f(words);
        QVERIFY(f.open(QIODevice::WriteOnly));
        for (int rank = 1; rank <= 200; ++rank)
            f.write(QStringLiteral("word%1\t%2\n").arg(rank).arg(qMax(2, 1200 / rank)).toUtf8());
    }
    auto under8 = [&](const QString &mode) {
        const Run r =
            wordcloud({"--words", words, "--size", "800x600", "--to",
                       path(mode + QStringLiteral(".png")), "--weights", mode, "--seed", "1"});
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("type (\\d+) to (\\d+) px, (\\d+) words? under 8 px"))
                .match(r.out);
        if (r.rc != 0 || !m.hasMatch())
            return -1;
        return m.captured(3).toInt();
    };
    const int counts = under8(QStringLiteral("count"));
    const int roots = under8(QStringLiteral("sqrt"));
    const int logs = under8(QStringLiteral("log"));
    QVERIFY2(counts > 50, qPrintable(QString::number(counts)));
    QVERIFY2(roots >= 0 && roots < counts / 4, qPrintable(QString::number(roots)));
    QCOMPARE(logs, 0);
}

void TestCli::fontAndQuietOutput()
{
    // A cloud too small for its words: the coverage falls to its end, and
    // the report stays plain: no log lines, no negative zero.
    const QString many = path(QStringLiteral("many.txt"));
    {
        QFile f(many);
        QVERIFY(f.open(QIODevice::WriteOnly));
        for (int i = 0; i < 150; ++i)
            f.write(QStringLiteral("w%1\t10\n").arg(i).toUtf8());
    }
    const Run r = wordcloud({"--words", many, "--size", "40x30", "--to", path("tiny.png"), "--font",
                             "NoSuchFontFamily"});
    QCOMPARE(r.rc, 0);
    QVERIFY2(r.out.contains(QStringLiteral("(the rest did not fit)")), qPrintable(r.out));
    QVERIFY2(r.out.contains(QStringLiteral("coverage 0% (asked 60%)")), qPrintable(r.out));
    QVERIFY(!r.out.contains(QStringLiteral("-0")));
    QVERIFY(!r.out.contains(QStringLiteral("Coverage Too High")));
    QVERIFY2(r.out.contains(QStringLiteral("font NoSuchFontFamily is drawn with ")),
             qPrintable(r.out));
    QVERIFY(r.err.isEmpty());
}

void TestCli::writesPng()
{
    const QString out = path(QStringLiteral("cloud.png"));
    const Run r = wordcloud({"--words", m_words, "--size", "320x240", "--to", out, "--palette",
                             "Rainbow", "--shape", "ellipse", "--seed", "5"});
    QCOMPARE(r.rc, 0);
    QVERIFY2(r.out.contains(QStringLiteral("placed 4 of 4 words")), qPrintable(r.out));
    QVERIFY2(r.out.contains(QRegularExpression(QStringLiteral("coverage \\d+% \\(asked 60%\\)"))),
             qPrintable(r.out));
    QImage image(out);
    QCOMPARE(image.size(), QSize(320, 240));
    QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
    bool ink = false;
    for (int y = 0; y < 240 && !ink; ++y)
        for (int x = 0; x < 320 && !ink; ++x)
            ink = image.pixel(x, y) != qRgb(255, 255, 255);
    QVERIFY(ink);
}

void TestCli::writesJpegAndSvg()
{
    Run r = wordcloud({"--words", m_words, "--size", "300x200", "--to", path("c.jpg"), "--gradient",
                       "#0000ff,none,red", "--random-start", "--coverage", "40"});
    QCOMPARE(r.rc, 0);
    QCOMPARE(QImage(path("c.jpg")).size(), QSize(300, 200));
    r = wordcloud({"--words", m_words, "--size", "300x200", "--to", path("c.svg")});
    QCOMPARE(r.rc, 0);
    QFile svg(path("c.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("<svg"));
}

void TestCli::seedRepeats()
{
    const QStringList base{"--words", m_words, "--size", "300x200", "--seed", "42", "--to"};
    QCOMPARE(wordcloud(base + QStringList{path("s1.png")}).rc, 0);
    QCOMPARE(wordcloud(base + QStringList{path("s2.png")}).rc, 0);
    QCOMPARE(QImage(path("s1.png")), QImage(path("s2.png")));
}

int runTestCli(int argc, char **argv)
{
    TestCli test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cli.moc"
