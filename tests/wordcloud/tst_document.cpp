// The stored XML document: the writer's exact form, the reading rules, the
// round trips and the documents that are refused.
#include "TestDocuments.h"
#include "TestWords.h"

#include "wordcloud/TzqCloudDocument.h"
#include "wordcloud/TzqCloudEngine.h"
#include "wordcloud/TzqPalettes.h"
#include "wordcloud/TzqWord.h"

#include <QtTest>

using namespace TestDocuments;

namespace {

// A small document whose options are all given; words and extra elements
// are spliced in.
QByteArray document(const QByteArray &options, const QByteArray &words,
                    const QByteArray &version = "1.0")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<WordCloud version=\"" + version + "\">" +
           options + "<Words>" + words + "</Words></WordCloud>";
}

QByteArray word(const QByteArray &text, int weight, const QByteArray &box,
                const QByteArray &extra = QByteArray())
{
    return "<Word><Text>" + text + "</Text><TextColor>0</TextColor><Weight>" +
           QByteArray::number(weight) + "</Weight><FontSize>20</FontSize><StartingBounds>" + box +
           "</StartingBounds>" + extra + "</Word>";
}

// A cloud laid out at 800 x 600 from 40 Zipf words.
void layOut(TzqCloudEngine &cloud, int words = 40)
{
    cloud.SetRandom(std::make_unique<ScriptedRandom>(3));
    cloud.SetControlSize(QSize(800, 600));
    TestWords::addZipfWords(cloud, words, 9, 200);
    QVERIFY(cloud.Generate(true));
}

QStringList texts(const TzqCloudEngine &cloud)
{
    QStringList t;
    for (int i = 0; i < cloud.WordCount(); ++i)
        t << cloud.Word(i)->Text();
    return t;
}

} // namespace

class TestDocument : public QObject
{
    Q_OBJECT

private slots:
    void writerExactForm();
    void writerPaletteAndNumbers();
    void coverageSettingNotWorkingCoverage();
    void readsOptionsAndWords();
    void loadingDoesNotLayOut();
    void paletteAndGradientRules();
    void fontFieldsAndDefaults();
    void boxesItemsAndDefaults();
    void singleWordKeepsMinWeight();
    void saveAfterLoadGrowsBoxesOnly();
    void roundTripOfLaidOutCloud();
    void otherVersionGivesEmptyCloud();
    void readerIsLenientWhereAllowed();
    void malformed_data();
    void malformed();
};

void TestDocument::writerExactForm()
{
    TzqCloudEngine cloud;
    cloud.SetControlSize(QSize(400, 300));
    cloud.SetLayoutRect(TzqRect(10, 10, 390, 290));
    TzqWord *a = cloud.AddWord(QStringLiteral("alpha"), 50, 0x0000FF);
    a->SetStoredFontSize(24);
    a->SetBounds(TzqRect(100, 100, 180, 130));
    TzqWord *b = cloud.AddWord(QStringLiteral("Zürich & <co>"), -3, 0x80000008);
    b->SetBounds(TzqRect(-5, 7, 40, 20));
    const QByteArray expected = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<WordCloud version=\"1.0\">\n"
                                "\t<BackgroundColor>16777215</BackgroundColor>\n"
                                "\t<Coverage>0.6</Coverage>\n"
                                "\t<Shadow>true</Shadow>\n"
                                "\t<Gradient>\n"
                                "\t\t<StartColor>8421504</StartColor>\n"
                                "\t\t<MiddleColor>536870911</MiddleColor>\n"
                                "\t\t<EndColor>0</EndColor>\n"
                                "\t</Gradient>\n"
                                "\t<Font>Arial,1,-2147483640,10,0</Font>\n"
                                "\t<StartingBounds>10;10;390;290</StartingBounds>\n"
                                "\t<Words>\n"
                                "\t\t<Word>\n"
                                "\t\t\t<Text>alpha</Text>\n"
                                "\t\t\t<TextColor>255</TextColor>\n"
                                "\t\t\t<Weight>50</Weight>\n"
                                "\t\t\t<FontSize>24</FontSize>\n"
                                "\t\t\t<StartingBounds>100;100;180;130</StartingBounds>\n"
                                "\t\t</Word>\n"
                                "\t\t<Word>\n"
                                "\t\t\t<Text>Z\xc3\xbcrich &amp; &lt;co&gt;</Text>\n"
                                "\t\t\t<TextColor>-2147483640</TextColor>\n"
                                "\t\t\t<Weight>-3</Weight>\n"
                                "\t\t\t<FontSize>10</FontSize>\n"
                                "\t\t\t<StartingBounds>-5;7;40;20</StartingBounds>\n"
                                "\t\t</Word>\n"
                                "\t</Words>\n"
                                "</WordCloud>\n";
    const QByteArray written = save(cloud);
    QCOMPARE(written, expected);
    QCOMPARE(TzqCloudDocument::Write(cloud), expected);

    // An empty cloud still has its Words element.
    TzqCloudEngine empty;
    QVERIFY(save(empty).contains("\t<Words/>\n"));
}

void TestDocument::writerPaletteAndNumbers()
{
    TzqCloudEngine cloud;
    cloud.SetUsePalette(true);
    cloud.SetPalette(cpSeawash);
    cloud.SetShadow(false);
    cloud.SetBackgroundColor(0x80000005); // a system colour
    QFont f(QStringLiteral("DejaVu Serif"), 17);
    f.setBold(true);
    f.setItalic(true);
    f.setUnderline(true);
    f.setStrikeOut(true);
    cloud.SetFont(f);
    cloud.SetFontCharset(238);
    cloud.SetFontColor(0x00FF00);
    const QByteArray xml = save(cloud);
    QVERIFY(xml.contains("\t<Palette>20</Palette>\n"));
    QVERIFY(!xml.contains("Gradient"));
    QVERIFY(xml.contains("<Shadow>false</Shadow>"));
    QVERIFY(xml.contains("<BackgroundColor>-2147483643</BackgroundColor>"));
    QVERIFY(xml.contains("<Font>DejaVu Serif,238,65280,17,15</Font>"));
    // Palette comes after Shadow and before Font.
    QVERIFY(xml.indexOf("<Shadow>") < xml.indexOf("<Palette>"));
    QVERIFY(xml.indexOf("<Palette>") < xml.indexOf("<Font>"));

    // And reads back the same.
    TzqCloudEngine back;
    load(back, xml);
    QCOMPARE(back.UsePalette(), true);
    QCOMPARE(back.Palette(), cpSeawash);
    QCOMPARE(back.Shadow(), false);
    QCOMPARE(back.BackgroundColor(), TColor(0x80000005));
    QCOMPARE(back.Font().family(), QStringLiteral("DejaVu Serif"));
    QVERIFY(back.Font().bold() && back.Font().italic() && back.Font().underline() &&
            back.Font().strikeOut());
    QCOMPARE(back.FontCharset(), 238);
    QCOMPARE(back.FontColor(), TColor(0x00FF00));
    QCOMPARE(back.FontPointSize(), 17);
    QCOMPARE(save(back), xml);
}

void TestDocument::coverageSettingNotWorkingCoverage()
{
    TzqCloudEngine cloud;
    cloud.SetRandom(std::make_unique<ScriptedRandom>(4));
    cloud.SetControlSize(QSize(300, 200));
    for (int i = 0; i < 300; ++i)
        cloud.AddWord(QStringLiteral("word%1").arg(i), 50);
    QVERIFY(cloud.Generate(true));
    QVERIFY(cloud.WorkingCoverage() < 0.56f); // lowered at least once
    QByteArray xml = save(cloud);
    QVERIFY(xml.contains("<Coverage>0.6</Coverage>"));
    QVERIFY(!xml.contains("0.55"));

    cloud.SetCoverage(37);
    QVERIFY(save(cloud).contains("<Coverage>0.37</Coverage>"));

    // Reading sets the fraction only; the working coverage stays.
    TzqCloudEngine other;
    other.SetCoverage(80);
    load(other, document("<Coverage>0.123456789</Coverage>", word("a", 1, "0;0;5;5")));
    QCOMPARE(other.CoverageFraction(), 0.123456789f);
    QCOMPARE(other.WorkingCoverage(), 0.8f);
    QCOMPARE(other.Coverage(), 12);
    QVERIFY(save(other).contains("<Coverage>0.123457</Coverage>"));
}

void TestDocument::readsOptionsAndWords()
{
    TzqCloudEngine cloud;
    cloud.SetControlSize(QSize(400, 300));
    const bool loaded = load(cloud, handWritten());
    QVERIFY(loaded);
    QCOMPARE(cloud.WordCount(), 6);
    QCOMPARE(texts(cloud), (QStringList{"survey", "delivery", QString::fromUtf8("café"), "service",
                                        "R&D", "staff"}));
    QCOMPARE(cloud.BackgroundColor(), clWhite);
    QCOMPARE(cloud.CoverageFraction(), 0.6f);
    QCOMPARE(cloud.Shadow(), false);
    QCOMPARE(cloud.UsePalette(), true);
    QCOMPARE(cloud.Palette(), cpRainbow);
    QCOMPARE(cloud.Font().family(), QStringLiteral("Arial"));
    QCOMPARE(cloud.Font().bold(), true);
    QCOMPARE(cloud.FontCharset(), 1);
    QCOMPARE(cloud.FontColor(), TColor(0));
    QCOMPARE(cloud.LayoutRect(), TzqRect(10, 10, 390, 290));
    QCOMPARE(cloud.MaxWeight(), 120);
    QCOMPARE(cloud.MinWeight(), 22);
    for (int i = 0; i < cloud.WordCount(); ++i) {
        const TzqWord *w = cloud.Word(i);
        QVERIFY(w->Placed());
        QCOMPARE(w->Shadow(), false);
        QCOMPARE(w->BackColor(), clWhite);
        QCOMPARE(w->ShadowOffset(), 1.0f); // a loaded word keeps the new-word offset
        QVERIFY(!w->Outline().isEmpty());
        QCOMPARE(w->Font().bold(), true);
    }
    const TzqWord *survey = cloud.Word(0);
    QCOMPARE(survey->Weight(), 120);
    QCOMPARE(survey->FontSize(), 36);
    QCOMPARE(survey->StartingBounds().Left, 125);
    QCOMPARE(survey->StartingBounds().Top, 120);
    QVERIFY(survey->StartingBounds().Right >= 276);
    QVERIFY(survey->StartingBounds().Bottom >= 163);
}

void TestDocument::loadingDoesNotLayOut()
{
    TzqCloudEngine cloud;
    layOut(cloud);
    const QByteArray xml = save(cloud);
    QVector<TzqRect> stored;
    for (int i = 0; i < cloud.WordCount(); ++i)
        stored << cloud.Word(i)->StartingBounds();

    // Loaded at the same size: every word where it was, one pixel grown.
    TzqCloudEngine same;
    same.SetRandom(std::make_unique<ScriptedRandom>(99));
    same.SetControlSize(QSize(800, 600));
    QVERIFY(load(same, xml));
    QCOMPARE(same.Stats().Layouts, 0);
    QCOMPARE(same.LayoutRect(), cloud.LayoutRect());
    QCOMPARE(same.WordCount(), stored.size());
    for (int i = 0; i < stored.size(); ++i) {
        const TzqRect &b = same.Word(i)->Bounds();
        QCOMPARE(b.Left, stored[i].Left);
        QCOMPARE(b.Top, stored[i].Top);
        QCOMPARE(b.Right, stored[i].Right + 1);
        QCOMPARE(b.Bottom, stored[i].Bottom + 1);
        QCOMPARE(same.Word(i)->FontSize(), cloud.Word(i)->FontSize());
    }

    // At half the size the arrangement is scaled about the same proportions.
    TzqCloudEngine half;
    half.SetControlSize(QSize(410, 310)); // cloud 390 x 290 of 780 x 580
    QVERIFY(load(half, xml));
    for (int i = 0; i < stored.size(); ++i) {
        const TzqRect &b = half.Word(i)->Bounds();
        QVERIFY(qAbs((b.Left - 10) * 2 - (stored[i].Left - 10)) <= 2);
        QVERIFY(qAbs((b.Top - 10) * 2 - (stored[i].Top - 10)) <= 2);
        // Each side of a box is rounded on its own: up to a pixel each.
        QVERIFY(qAbs(b.Width() * 2 - (stored[i].Width() + 1)) <= 4);
    }
}

void TestDocument::paletteAndGradientRules()
{
    TzqGradient custom;
    custom.StartColor = 0x111111;
    custom.MiddleColor = 0x222222;
    custom.EndColor = 0x333333;
    const QByteArray words = word("a", 5, "0;0;10;10");

    // Neither palette nor gradient: the gradient is kept and used.
    TzqCloudEngine cloud;
    cloud.SetUsePalette(true);
    cloud.SetGradient(custom);
    load(cloud, document("", words));
    QCOMPARE(cloud.UsePalette(), false);
    QVERIFY(cloud.Gradient() == custom);

    // Both: the palette wins and the gradient is ignored.
    load(cloud, document("<Palette>15</Palette><Gradient><StartColor>1</StartColor>"
                         "<MiddleColor>2</MiddleColor><EndColor>3</EndColor></Gradient>",
                         words));
    QCOMPARE(cloud.UsePalette(), true);
    QCOMPARE(cloud.Palette(), cpOnBlack);
    QVERIFY(cloud.Gradient() == custom);

    // A gradient alone: each colour that is present.
    load(cloud, document("<Gradient><EndColor>255</EndColor><StartColor>-2147483640</StartColor>"
                         "</Gradient>",
                         words));
    QCOMPARE(cloud.UsePalette(), false);
    QCOMPARE(cloud.Gradient().StartColor, TColor(0x80000008));
    QCOMPARE(cloud.Gradient().MiddleColor, TColor(0x222222));
    QCOMPARE(cloud.Gradient().EndColor, TColor(255));

    // Unsigned spelling of a colour reads the same as the signed one.
    load(cloud, document("<BackgroundColor>2147483656</BackgroundColor>", words));
    QCOMPARE(cloud.BackgroundColor(), TColor(0x80000008));
}

void TestDocument::fontFieldsAndDefaults()
{
    TzqCloudEngine cloud;
    QFont f(QStringLiteral("DejaVu Sans"), 14);
    f.setBold(true);
    cloud.SetFont(f);
    load(cloud, document("<Font>Arial</Font>", word("a", 5, "0;0;10;10")));
    QCOMPARE(cloud.Font().family(), QStringLiteral("Arial"));
    QCOMPARE(cloud.FontCharset(), 0);
    QCOMPARE(cloud.FontColor(), TColor(0));
    QCOMPARE(cloud.FontPointSize(), 0);
    QCOMPARE(cloud.Font().bold(), false);
    QVERIFY(save(cloud).contains("<Font>Arial,0,0,0,0</Font>"));

    // A word without FontSize takes the font's size.
    load(cloud, document("<Font>Liberation Serif,1,0,22,2</Font>",
                         "<Word><Text>x</Text><StartingBounds>0;0;9;9</StartingBounds></Word>"));
    QCOMPARE(cloud.Word(0)->FontSize(), 22);
    QCOMPARE(cloud.Word(0)->Font().italic(), true);
    QCOMPARE(cloud.Word(0)->Font().family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(cloud.Word(0)->TextColor(), clBlack);
}

void TestDocument::boxesItemsAndDefaults()
{
    TzqCloudEngine cloud;
    cloud.SetControlSize(QSize(500, 400));
    cloud.SetLayoutRect(TzqRect(1, 2, 3, 4));

    // Three items: an empty box and no outline, nothing drawn.
    load(cloud, document("<StartingBounds>1;2;3</StartingBounds>",
                         word("short", 5, "10;20;30") + word("ok", 4, "100;100;140;130")));
    QCOMPARE(cloud.LayoutRect(), TzqRect(1, 2, 3, 4)); // three items: not read
    const TzqWord *shortBox = cloud.Word(0);
    QVERIFY(shortBox->Placed());
    QCOMPARE(shortBox->StartingBounds(), TzqRect());
    QVERIFY(shortBox->Outline().isEmpty());
    QImage image(500, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    cloud.PaintTo(painter, image.rect());
    painter.end();
    QVERIFY(shortBox->Raster().isNull() || shortBox->Raster().size().isEmpty());
    QVERIFY(!cloud.Word(1)->Outline().isEmpty());

    // White space separates too; a non-numeric item takes the cloud rectangle's value.
    load(cloud,
         document("<StartingBounds> 5 ; x 300\t200 </StartingBounds>", word("w", 5, "7 8;x;20")));
    QCOMPARE(cloud.LayoutRect(), TzqRect(5, 10, 300, 200));
    // In a word a non-numeric item counts as 0 (before the box is grown).
    const TzqRect b = cloud.Word(0)->StartingBounds();
    QCOMPARE(b.Left, 7);
    QCOMPARE(b.Top, 8);
    QVERIFY(b.Right > b.Left); // grown from 0 to hold the glyphs
}

void TestDocument::singleWordKeepsMinWeight()
{
    TzqCloudEngine cloud;
    cloud.SetMinWeight(77);
    load(cloud, document("", word("only", 40, "0;0;50;20")));
    QCOMPARE(cloud.MaxWeight(), 40);
    QCOMPARE(cloud.MinWeight(), 77);
    load(cloud, document("", word("a", 40, "0;0;50;20") + word("b", 9, "60;0;90;20")));
    QCOMPARE(cloud.MinWeight(), 9);
}

void TestDocument::saveAfterLoadGrowsBoxesOnly()
{
    TzqCloudEngine cloud;
    cloud.SetControlSize(QSize(640, 480)); // another size than the document's
    QVERIFY(load(cloud, handWritten()));
    const TzqCloudDocument before = TzqCloudDocument::Read(handWritten());
    const TzqCloudDocument after = TzqCloudDocument::Read(save(cloud));
    QCOMPARE(after.Version, QStringLiteral("1.0"));
    QCOMPARE(*after.BackgroundColor, *before.BackgroundColor);
    QCOMPARE(*after.Coverage, *before.Coverage);
    QCOMPARE(*after.Shadow, *before.Shadow);
    QCOMPARE(*after.Palette, *before.Palette);
    QCOMPARE(after.HasGradient, false);
    QCOMPARE(after.Font->Name, before.Font->Name);
    QCOMPARE(after.Font->Style, before.Font->Style);
    QVERIFY(*after.StartingBounds == *before.StartingBounds); // unchanged, whatever the size
    QCOMPARE(after.Words.size(), before.Words.size());
    for (int i = 0; i < before.Words.size(); ++i) {
        const auto &w0 = before.Words[i];
        const auto &w1 = after.Words[i];
        QCOMPARE(w1.Text, w0.Text);
        QCOMPARE(w1.Weight, w0.Weight);
        QCOMPARE(*w1.FontSize, *w0.FontSize);
        const auto &b0 = *w0.StartingBounds;
        const auto &b1 = *w1.StartingBounds;
        QCOMPARE(*b1[0], *b0[0]);
        QCOMPARE(*b1[1], *b0[1]);
        QVERIFY2(*b1[2] >= *b0[2] + 1, qPrintable(w0.Text));
        QVERIFY2(*b1[3] >= *b0[3] + 1, qPrintable(w0.Text));
    }
}

void TestDocument::roundTripOfLaidOutCloud()
{
    TzqCloudEngine cloud;
    layOut(cloud);
    cloud.SetUsePalette(true);
    cloud.SetPalette(cpMetro);
    const QByteArray first = save(cloud);

    TzqCloudEngine back;
    back.SetControlSize(QSize(800, 600));
    QVERIFY(load(back, first));
    const QByteArray second = save(back);
    // Everything but the right and bottom box edges, one pixel each, is the same.
    const QList<QByteArray> a = first.split('\n');
    const QList<QByteArray> b = second.split('\n');
    QCOMPARE(a.size(), b.size());
    int boxes = 0;
    for (int i = 0; i < a.size(); ++i) {
        if (a[i] == b[i])
            continue;
        QVERIFY2(a[i].contains("<StartingBounds>"), a[i].constData());
        const QList<int> p = boxOfLine(a[i]);
        const QList<int> q = boxOfLine(b[i]);
        QCOMPARE(q[0], p[0]);
        QCOMPARE(q[1], p[1]);
        QCOMPARE(q[2], p[2] + 1);
        QCOMPARE(q[3], p[3] + 1);
        ++boxes;
    }
    QCOMPARE(boxes, cloud.WordCount());
}

void TestDocument::otherVersionGivesEmptyCloud()
{
    TzqCloudEngine cloud;
    cloud.SetControlSize(QSize(400, 300));
    QVERIFY(load(cloud, handWritten()));
    cloud.SetShadow(true);
    const bool loaded =
        load(cloud, document("<Shadow>false</Shadow>", word("a", 1, "0;0;5;5"), "2.0"));
    QVERIFY(!loaded);
    QCOMPARE(cloud.WordCount(), 0);
    QCOMPARE(cloud.Shadow(), true);                           // nothing more is read
    QVERIFY(!load(cloud, "<WordCloud><Words/></WordCloud>")); // no version at all
    const TzqCloudDocument doc = TzqCloudDocument::Read(document("", "", "1.00"));
    QCOMPARE(doc.VersionSupported, false);
    QCOMPARE(doc.Version, QStringLiteral("1.00"));
}

void TestDocument::readerIsLenientWhereAllowed()
{
    // Any order, unknown elements, comments, deep nesting and an empty word list.
    const QByteArray xml = "<?xml version='1.0'?><!-- host 3.2 --><WordCloud version='1.0'>"
                           "<Words><Word><StartingBounds>0;0;30;12</StartingBounds>"
                           "<Note><a><b><c><d>deep</d></c></b></a></Note>"
                           "<Weight> 12 </Weight><Text> two words </Text></Word>"
                           "<Other/></Words>"
                           "<Extra>ignored</Extra><Shadow>FALSE</Shadow>"
                           "<Coverage>5e-1</Coverage></WordCloud>";
    TzqCloudEngine cloud;
    QVERIFY(load(cloud, xml));
    QCOMPARE(cloud.WordCount(), 1);
    QCOMPARE(cloud.Word(0)->Text(), QStringLiteral(" two words "));
    QCOMPARE(cloud.Word(0)->Weight(), 12);
    QCOMPARE(cloud.Shadow(), false);
    QCOMPARE(cloud.CoverageFraction(), 0.5f);

    QVERIFY(!load(cloud, document("", "")));
    QCOMPARE(cloud.WordCount(), 0);

    // Latin-1 declared documents are decoded as declared.
    QByteArray latin = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><WordCloud version=\"1.0\">"
                       "<Words><Word><Text>caf\xe9</Text></Word></Words></WordCloud>";
    QVERIFY(load(cloud, latin));
    QCOMPARE(cloud.Word(0)->Text(), QString::fromUtf8("café"));
}

void TestDocument::malformed_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("message");
    const QByteArray ok = word("a", 1, "0;0;5;5");
    QTest::newRow("empty") << QByteArray() << "not well-formed XML";
    QTest::newRow("not xml") << QByteArray("analysis\t12\n") << "not well-formed XML";
    QTest::newRow("truncated") << document("", ok).left(120) << "not well-formed XML";
    QTest::newRow("mismatched") << QByteArray("<WordCloud version=\"1.0\"><Words></Word>")
                                << "line 1";
    QTest::newRow("other root") << QByteArray("<html><body/></html>") << "<html>, not <WordCloud>";
    QTest::newRow("no Words") << QByteArray("<WordCloud version=\"1.0\"><Shadow>true</Shadow>"
                                            "</WordCloud>")
                              << "no <Words> element";
    QTest::newRow("weight text")
        << document("", word("a", 1, "0;0;5;5").replace("<Weight>1<", "<Weight>ten<"))
        << "<Weight> of word 1 (line 2) is \"ten\", not a whole number";
    QTest::newRow("weight range")
        << document("", ok + word("b", 1, "0;0;5;5").replace("<Weight>1<", "<Weight>3000000000<"))
        << "<Weight> of word 2";
    QTest::newRow("font size range")
        << document("", word("a", 1, "0;0;5;5").replace("<FontSize>20<", "<FontSize>5000<"))
        << "outside 0 to 4096";
    QTest::newRow("negative font size")
        << document("", word("a", 1, "0;0;5;5").replace("<FontSize>20<", "<FontSize>-2<"))
        << "<FontSize>";
    QTest::newRow("colour") << document("", QByteArray(ok).replace("<TextColor>0<",
                                                                   "<TextColor>#ff0000<"))
                            << "<TextColor>";
    QTest::newRow("background") << document("<BackgroundColor>white</BackgroundColor>", ok)
                                << "<BackgroundColor>";
    QTest::newRow("palette range") << document("<Palette>21</Palette>", ok) << "outside 0 to 20";
    QTest::newRow("gradient colour")
        << document("<Gradient><MiddleColor>none</MiddleColor></Gradient>", ok)
        << "<MiddleColor> of <Gradient>";
    QTest::newRow("coverage range") << document("<Coverage>1.5</Coverage>", ok) << "outside 0 to 1";
    QTest::newRow("coverage text")
        << document("<Coverage>60%</Coverage>", ok) << "not a decimal number";
    QTest::newRow("coverage nan") << document("<Coverage>nan</Coverage>", ok)
                                  << "not a decimal number";
    QTest::newRow("shadow") << document("<Shadow>maybe</Shadow>", ok)
                            << "not \"true\" or \"false\"";
    QTest::newRow("font field") << document("<Font>Arial,1,0,big,0</Font>", ok)
                                << "the font (size)";
    QTest::newRow("font style") << document("<Font>Arial,1,0,10,16</Font>", ok)
                                << "outside 0 to 15";
    QTest::newRow("box range") << document("", word("a", 1, "0;0;5;100001")) << "100001";
    QTest::newRow("cloud box range")
        << document("<StartingBounds>0;0;-9999999;5</StartingBounds>", ok) << "-9999999";
}

void TestDocument::malformed()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, message);
    TzqCloudEngine cloud;
    cloud.SetControlSize(QSize(400, 300));
    QVERIFY(load(cloud, handWritten()));
    const QByteArray before = save(cloud);
    const TzqRect firstBox = cloud.Word(0)->Bounds();
    try {
        load(cloud, xml);
        QFAIL("the document was accepted");
    } catch (const TzqDocumentError &e) {
        QVERIFY2(e.message().startsWith(QStringLiteral("The word-cloud document cannot be read: ")),
                 qPrintable(e.message()));
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
    }
    // The cloud is as it was.
    QCOMPARE(cloud.WordCount(), 6);
    QCOMPARE(cloud.Word(0)->Bounds(), firstBox);
    QCOMPARE(save(cloud), before);
}

int runTestDocument(int argc, char **argv)
{
    TestDocument test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_document.moc"
