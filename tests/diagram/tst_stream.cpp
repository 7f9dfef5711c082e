#include "tests/diagram/tst_stream.h"

#include "platform/diagramview/DiagramBlock.h"
#include "platform/diagramview/DiagramLink.h"
#include "platform/diagramview/DiagramStream.h"
#include "platform/diagramview/TatDiagram.h"
#include "tests/diagram/DiagramFixtures.h"

#include <QFile>
#include <QTest>

namespace {
DiagramDocument richDocument()
{
    DiagramDocument doc = makeDiagram(6, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 0}});
    for (int i = 0; i < 6; ++i) {
        doc.blocks[i].shape = BlockShape(i);
        doc.blocks[i].color = QColor(QColor::fromHsv(i * 50, 180, 220).rgb());
        doc.blocks[i].gradientStart = QColor(250, 250, 240);
        doc.blocks[i].borderColor = QColor(10, 20, 30);
        doc.blocks[i].borderWidth = 0.5 * i;
        doc.blocks[i].left = -12.25 + i;
        doc.links[i].style = LinkStyle(i % 5);
        doc.links[i].penWidth = i + 0.5;
        doc.links[i].penColor = QColor(i * 40, 100, 200);
    }
    doc.blocks[1].id = QStringLiteral("second");
    doc.blocks[2].texts[0].text = QStringLiteral("two\nlines é ü 中");
    doc.blocks[2].texts[0].font.setBold(true);
    doc.blocks[2].texts[0].font.setItalic(true);
    doc.blocks[2].texts[0].font.setPointSizeF(11.5);
    doc.blocks[2].texts[0].color = QColor(200, 0, 0);
    TextCell extra;
    extra.text = QStringLiteral("second cell");
    extra.font = defaultLabelFont(7);
    extra.visible = false;
    doc.blocks[2].texts.append(extra);
    doc.blocks[3].texts.clear();
    doc.links[2].texts[0].visible = false;
    doc.zoom = 150;
    doc.page = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                           QMarginsF(10, 12, 14, 16), QPageLayout::Millimeter);
    return doc;
}

void compareTexts(const QList<TextCell> &a, const QList<TextCell> &b)
{
    QCOMPARE(a.size(), b.size());
    for (int i = 0; i < a.size(); ++i) {
        QCOMPARE(a[i].text, b[i].text);
        QCOMPARE(a[i].font.family(), b[i].font.family());
        QCOMPARE(a[i].font.pointSizeF(), b[i].font.pointSizeF());
        QCOMPARE(a[i].font.bold(), b[i].font.bold());
        QCOMPARE(a[i].font.italic(), b[i].font.italic());
        QCOMPARE(a[i].color, b[i].color);
        QCOMPARE(a[i].visible, b[i].visible);
    }
}

void compareDocuments(const DiagramDocument &a, const DiagramDocument &b)
{
    QCOMPARE(a.blocks.size(), b.blocks.size());
    for (int i = 0; i < a.blocks.size(); ++i) {
        const BlockData &x = a.blocks[i];
        const BlockData &y = b.blocks[i];
        QCOMPARE(x.left, y.left);
        QCOMPARE(x.top, y.top);
        QCOMPARE(x.width, y.width);
        QCOMPARE(x.height, y.height);
        QCOMPARE(x.shape, y.shape);
        QCOMPARE(x.color, y.color);
        QCOMPARE(x.gradientStart, y.gradientStart);
        QCOMPARE(x.borderColor, y.borderColor);
        QCOMPARE(x.borderWidth, y.borderWidth);
        compareTexts(x.texts, y.texts);
    }
    QCOMPARE(a.links.size(), b.links.size());
    for (int i = 0; i < a.links.size(); ++i) {
        QCOMPARE(a.links[i].source, b.links[i].source);
        QCOMPARE(a.links[i].target, b.links[i].target);
        QCOMPARE(a.links[i].penWidth, b.links[i].penWidth);
        QCOMPARE(a.links[i].penColor, b.links[i].penColor);
        QCOMPARE(a.links[i].style, b.links[i].style);
        compareTexts(a.links[i].texts, b.links[i].texts);
    }
    QCOMPARE(a.zoom, b.zoom);
    QVERIFY(a.page.isEquivalentTo(b.page));
}
} // namespace

void TestDiagramStream::roundTripKeepsEverything()
{
    const DiagramDocument doc = richDocument();
    const QByteArray bytes = DiagramStream::write(doc);
    QVERIFY(bytes.startsWith("{"));
    QVERIFY(DiagramStream::isDiagramStream(bytes));
    const DiagramDocument back = DiagramStream::read(bytes);
    compareDocuments(doc, back);
    if (QTest::currentTestFailed())
        return;
    // Writing what was read gives the same bytes.
    QCOMPARE(DiagramStream::write(back), bytes);
}

void TestDiagramStream::sceneRoundTrip()
{
    // Through the canvas: what is loaded is saved back unchanged, ids aside.
    DiagramDocument doc = richDocument();
    doc.blocks[1].id.clear();
    TatDiagram view;
    view.setDocument(doc);
    QCOMPARE(view.BlockCount(), 6);
    QCOMPARE(view.LinkCount(), 6);
    QCOMPARE(view.Zoom(), 150);
    compareDocuments(DiagramStream::read(view.SaveToStream()), doc);
    // Empty diagram round trip.
    TatDiagram empty;
    const DiagramDocument none = DiagramStream::read(empty.SaveToStream());
    QVERIFY(none.blocks.isEmpty());
    QVERIFY(none.links.isEmpty());
}

void TestDiagramStream::sampleFileLoads()
{
    QFile file(sampleDiagramPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(DiagramStream::isDiagramStream(bytes));
    const DiagramDocument doc = DiagramStream::read(bytes);
    QCOMPARE(doc.blocks.size(), 30);
    QCOMPARE(doc.links.size(), 60);
    // Links name their blocks by id; the ids become indices.
    for (const LinkData &l : doc.links) {
        QVERIFY(l.source >= 0 && l.source < 30);
        QVERIFY(l.target >= 0 && l.target < 30);
        bool ok = false;
        l.texts.value(0).text.toDouble(&ok);
        QVERIFY(ok);
    }
    QCOMPARE(doc.blocks[0].shape, BlockShape::Ellipse);

    // The example of the documentation reads as it says.
    QFile example(QStringLiteral(TESSARY_DIAGRAM_DATA "/example.json"));
    QVERIFY(example.open(QIODevice::ReadOnly));
    const DiagramDocument small = DiagramStream::read(example.readAll());
    QCOMPARE(small.blocks.size(), 3);
    QCOMPARE(small.links.size(), 3);
    QCOMPARE(small.links[0].source, 0);
    QCOMPARE(small.links[0].target, 1);
    QCOMPARE(small.links[2].source, 2);
    QCOMPARE(small.links[1].style, LinkStyle::Dash);
    QCOMPARE(small.blocks[1].texts.value(0).text, QStringLiteral("value"));
    QCOMPARE(small.blocks[2].shape, BlockShape::RoundSquare);
    QVERIFY(small.blocks[0].texts[0].font.bold());
}

void TestDiagramStream::malformedStreamsAreRefusedAndLeaveTheDiagram_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray head = R"({"format":"tessary-diagram","version":1,)";
    QTest::newRow("bad json") << QByteArray(R"({"format":"tessary-diagram","blocks":[)")
                              << "not valid JSON";
    QTest::newRow("empty") << QByteArray() << "not valid JSON";
    QTest::newRow("array") << QByteArray("[1,2]") << "not a JSON object";
    QTest::newRow("other format") << QByteArray(R"({"format":"tessary-grid","version":1})")
                                  << "tessary-grid";
    QTest::newRow("newer version")
        << QByteArray(R"({"format":"tessary-diagram","version":2})") << "newer version";
    QTest::newRow("link to missing block")
        << head + R"("blocks":[{"left":0,"top":0}],"links":[{"source":0,"target":1}]})"
        << "link 0 has a target (1)";
    QTest::newRow("link to missing id")
        << head + R"("blocks":[{"id":"a"}],"links":[{"source":"a","target":"zz"}]})"
        << "\"zz\" that names no block";
    QTest::newRow("link without ends") << head + R"("blocks":[{}],"links":[{}]})"
                                       << "link 0 has no source";
    QTest::newRow("fractional index")
        << head + R"("blocks":[{},{}],"links":[{"source":0.5,"target":1}]})"
        << "not a block";
    QTest::newRow("negative width") << head + R"("blocks":[{"width":-5,"height":10}]})"
                                    << "negative width";
    QTest::newRow("negative height") << head + R"("blocks":[{},{"width":5,"height":-1}]})"
                                     << "block 1 has a negative height";
    QTest::newRow("huge size") << head + R"("blocks":[{"width":1e300}]})"
                               << "out of range";
    QTest::newRow("size not number") << head + R"("blocks":[{"width":"wide"}]})"
                                     << "not a number";
    QTest::newRow("negative link width")
        << head + R"("blocks":[{},{}],"links":[{"source":0,"target":1,"width":-2}]})"
        << "negative width";
    QTest::newRow("blocks not a list") << head + R"("blocks":{}})"
                                       << "\"blocks\" is not a list";
    QTest::newRow("block not object") << head + R"("blocks":[3]})"
                                      << "block 0 is not an object";
}

void TestDiagramStream::malformedStreamsAreRefusedAndLeaveTheDiagram()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    TatDiagram view;
    view.setDocument(makeDiagram(3, {{0, 1}, {1, 2}}));
    view.SetZoom(130);
    const QByteArray before = view.SaveToStream();
    try {
        view.LoadFromStream(bytes);
        QFAIL("a malformed stream was loaded");
    } catch (const DiagramStreamError &e) {
        QVERIFY2(e.message().startsWith(QLatin1String("The diagram cannot be read: ")),
                 qPrintable(e.message()));
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
    }
    QCOMPARE(view.SaveToStream(), before);
    QCOMPARE(view.BlockCount(), 3);
    QCOMPARE(view.Links(1)->source(), view.Blocks(1));
}

void TestDiagramStream::lenientAboutTheRest()
{
    const DiagramDocument doc = DiagramStream::read(
        R"({"format":"tessary-diagram","blocks":[{"shape":"hexagon","label":"only","color":"nocolour",
            "extra":[1,2]},{"shape":"DIAMOND"}],
            "links":[{"source":0,"target":1,"style":"wavy","color":"#ff0000","label":"0.5"}],
            "page":{"paper":"A5","orientation":"landscape","margins":[1,2]},"zoom":1e9})");
    QCOMPARE(doc.blocks.size(), 2);
    QCOMPARE(doc.blocks[0].shape, BlockShape::Rectangle);
    QCOMPARE(doc.blocks[1].shape, BlockShape::Diamond);
    QCOMPARE(doc.blocks[0].texts.value(0).text, QStringLiteral("only"));
    QCOMPARE(doc.blocks[0].color, BlockData().color);
    QCOMPARE(doc.blocks[0].width, 30.0);
    QCOMPARE(doc.links[0].style, LinkStyle::Solid);
    QCOMPARE(doc.links[0].penColor, QColor(255, 0, 0));
    QCOMPARE(doc.links[0].texts.value(0).text, QStringLiteral("0.5"));
    QCOMPARE(doc.links[0].texts.value(0).font.pointSizeF(), 5.0);
    QCOMPARE(doc.page.pageSize().id(), QPageSize::A5);
    QCOMPARE(doc.page.orientation(), QPageLayout::Landscape);
    QCOMPARE(doc.page.margins(QPageLayout::Millimeter), QMarginsF(25.4, 25.4, 25.4, 25.4));
    QCOMPARE(doc.zoom, TatDiagram::MaxZoom);
}
