// The RTF reader on hand-written files: code pages, Unicode escapes, formatting,
// lists, nested tables, pictures, links, and bad input.
#include "DocSignature.h"
#include "platform/TessaryError.h"
#include "platform/wordproc/DocumentImages.h"
#include "platform/wordproc/RtfReader.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(WORDPROC_FIXTURES "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

QStringList blockTexts(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        out << b.text();
    return out;
}

QTextBlock blockWithText(const QTextDocument &doc, const QString &text)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.text() == text)
            return b;
    return QTextBlock();
}

// The format of the fragment holding exactly this text in the block.
QTextCharFormat formatOf(const QTextBlock &block, const QString &text)
{
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().text() == text)
            return it.fragment().charFormat();
    return QTextCharFormat();
}

QList<QTextTable *> topTables(const QTextDocument &doc)
{
    QList<QTextTable *> tables;
    for (QTextFrame *f : doc.rootFrame()->childFrames())
        if (auto *t = qobject_cast<QTextTable *>(f))
            tables << t;
    return tables;
}

QString cellText(QTextTable *table, int row, int column)
{
    QTextTableCell cell = table->cellAt(row, column);
    QTextCursor c = cell.firstCursorPosition();
    c.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return c.selectedText();
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT
private slots:
    void codePages();
    void unicodeEscapes();
    void formatting();
    void listsAndLinks();
    void nestedTable();
    void pictures();
    void badInput();
    void mutatedInputNeverCrashes();
};

void TestRtfReader::codePages()
{
    QTextDocument doc;
    QStringList warnings;
    RtfReader::read(fixture(QStringLiteral("cp1250.rtf")), &doc, &warnings);
    QCOMPARE(blockTexts(doc), (QStringList{QStringLiteral("Zażółć gęślą jaźń"),
                                           QStringLiteral("éč in the document code page"),
                                           QStringLiteral("Привет")}));
    QVERIFY(warnings.isEmpty());
    QCOMPARE(
        formatOf(doc.begin(), QStringLiteral("Zażółć gęślą jaźń")).fontFamilies().toStringList(),
        QStringList{QStringLiteral("Arial")});

    RtfReader::read(fixture(QStringLiteral("cp1252.rtf")), &doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("café € 5 “quoted” naïve"));
    // The same bytes under another \ansicpg decode by that code page.
    QByteArray cyrillic = fixture(QStringLiteral("cp1252.rtf"));
    cyrillic.replace("ansicpg1252", "ansicpg1251");
    RtfReader::read(cyrillic, &doc);
    QVERIFY(doc.toPlainText().startsWith(QStringLiteral("cafй")));
}

void TestRtfReader::unicodeEscapes()
{
    QTextDocument doc;
    RtfReader::read(fixture(QStringLiteral("unicode.rtf")), &doc);
    QCOMPARE(doc.toPlainText(),
             QStringLiteral("€uro 日本 textЖzh ") + QChar(0xF0B7) + QStringLiteral("xλλ"));
    // A surrogate pair written as two escapes, and special characters.
    RtfReader::read("{\\rtf1\\uc1 a\\u-10179?\\u-8704?b\\tab c\\line d\\~e\\emdash\\bullet}", &doc);
    QCOMPARE(doc.toRawText(), QStringLiteral("a\U0001F600b\tc\u2028d\u00A0e\u2014\u2022"));
}

void TestRtfReader::formatting()
{
    QTextDocument doc;
    QStringList warnings;
    RtfReader::read(fixture(QStringLiteral("formatting.rtf")), &doc, &warnings);
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));
    const QStringList texts = blockTexts(doc);
    QCOMPARE(texts.first(), QStringLiteral("Section title"));
    QVERIFY(!doc.toPlainText().contains(QStringLiteral("must not show")));
    QVERIFY(!doc.toPlainText().contains(QStringLiteral("Not body text")));
    QCOMPARE(texts.last(), QStringLiteral("kept"));

    const QTextBlock title = doc.begin();
    QCOMPARE(title.blockFormat().headingLevel(), 2);
    QCOMPARE(formatOf(title, QStringLiteral("Section title")).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(title, QStringLiteral("Section title")).fontPointSize(), 16.0);

    const QTextBlock styled = title.next();
    QCOMPARE(styled.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(styled.blockFormat().topMargin(), 16.0);
    QCOMPARE(styled.blockFormat().bottomMargin(), 8.0);
    QCOMPARE(formatOf(styled, QStringLiteral("bold")).fontWeight(), int(QFont::Bold));
    QVERIFY(formatOf(styled, QStringLiteral("italic")).fontItalic());
    QVERIFY(!formatOf(styled, QStringLiteral("italic")).hasProperty(QTextFormat::FontWeight));
    QVERIFY(formatOf(styled, QStringLiteral("under")).fontUnderline());
    QVERIFY(formatOf(styled, QStringLiteral("gone")).fontStrikeOut());
    QCOMPARE(formatOf(styled, QStringLiteral("2")).verticalAlignment(),
             QTextCharFormat::AlignSubScript);
    QCOMPARE(formatOf(styled, QStringLiteral("3")).verticalAlignment(),
             QTextCharFormat::AlignSuperScript);
    QCOMPARE(formatOf(styled, QStringLiteral("red")).foreground().color(), QColor(255, 0, 0));
    QCOMPARE(formatOf(styled, QStringLiteral("marked")).background().color(), QColor(255, 255, 0));
    const QTextCharFormat mono = formatOf(styled, QStringLiteral("mono14"));
    QCOMPARE(mono.fontFamilies().toStringList(), QStringList{QStringLiteral("Courier New")});
    QCOMPARE(mono.fontPointSize(), 14.0);
    QCOMPARE(formatOf(styled, QStringLiteral("H")).fontPointSize(), 12.0);

    const QTextBlockFormat indented =
        blockWithText(doc, QStringLiteral("right indented")).blockFormat();
    QCOMPARE(indented.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(indented.leftMargin(), 48.0);
    QCOMPARE(indented.rightMargin(), 24.0);
    QCOMPARE(indented.textIndent(), -24.0);
    QCOMPARE(blockWithText(doc, QStringLiteral("justified")).blockFormat().alignment() &
                 Qt::AlignHorizontal_Mask,
             Qt::AlignJustify);
}

void TestRtfReader::listsAndLinks()
{
    QTextDocument doc;
    RtfReader::read(fixture(QStringLiteral("formatting.rtf")), &doc);
    const QTextBlock apple = blockWithText(doc, QStringLiteral("apple"));
    const QTextBlock sub = blockWithText(doc, QStringLiteral("sub a"));
    const QTextBlock pear = blockWithText(doc, QStringLiteral("pear"));
    QVERIFY(apple.textList() && sub.textList() && pear.textList());
    QCOMPARE(apple.textList(), pear.textList());
    QVERIFY(sub.textList() != apple.textList());
    QCOMPARE(apple.textList()->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(apple.textList()->format().indent(), 1);
    QCOMPARE(sub.textList()->format().style(), QTextListFormat::ListLowerAlpha);
    QCOMPARE(sub.textList()->format().indent(), 2);
    QCOMPARE(apple.textList()->count(), 2);

    const QTextBlock oldOne = blockWithText(doc, QStringLiteral("old one"));
    const QTextBlock oldTwo = blockWithText(doc, QStringLiteral("old two"));
    QVERIFY(oldOne.textList());
    QCOMPARE(oldOne.textList(), oldTwo.textList());
    QCOMPARE(oldOne.textList()->format().style(), QTextListFormat::ListDecimal);
    QCOMPARE(oldTwo.textList()->itemText(oldTwo), QStringLiteral("2."));

    const QTextBlock see = blockWithText(doc, QStringLiteral("See the site now."));
    QVERIFY(see.isValid());
    const QTextCharFormat link = formatOf(see, QStringLiteral("the site"));
    QVERIFY(link.isAnchor());
    QCOMPARE(link.anchorHref(), QStringLiteral("https://example.com/x?a=1"));
    QCOMPARE(link.foreground().color(), QColor(0, 0, 255));
    QVERIFY(!formatOf(see, QStringLiteral(" now.")).isAnchor());
}

void TestRtfReader::nestedTable()
{
    QTextDocument doc;
    QStringList warnings;
    RtfReader::read(fixture(QStringLiteral("nested.rtf")), &doc, &warnings);
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));
    QCOMPARE(doc.begin().text(), QStringLiteral("Before the table"));
    QCOMPARE(doc.lastBlock().text(), QStringLiteral("After the table"));
    const QList<QTextTable *> tables = topTables(doc);
    QCOMPARE(tables.size(), 1);
    QTextTable *outer = tables.first();
    QCOMPARE(outer->rows(), 2);
    QCOMPARE(outer->columns(), 2);
    QCOMPARE(cellText(outer, 0, 1), QStringLiteral("Outer B"));
    QCOMPARE(outer->cellAt(1, 0).columnSpan(), 2);
    QCOMPARE(cellText(outer, 1, 0), QStringLiteral("Wide cell"));

    const QTextTableCellFormat b = outer->cellAt(0, 1).format().toTableCellFormat();
    QCOMPARE(b.background().color(), QColor(200, 200, 200));
    QCOMPARE(b.topBorder(), 2.0);
    QCOMPARE(b.topBorderStyle(), QTextFrameFormat::BorderStyle_Double);
    QCOMPARE(b.topBorderBrush().color(), QColor(255, 0, 0));
    QVERIFY(!b.hasProperty(QTextFormat::TableCellBottomBorder));
    const QTextTableCellFormat a = outer->cellAt(0, 0).format().toTableCellFormat();
    QCOMPARE(a.leftBorder(), 1.0);
    QCOMPARE(a.bottomBorderStyle(), QTextFrameFormat::BorderStyle_Solid);
    const QList<QTextLength> widths = outer->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    QCOMPARE(widths.at(1).type(), QTextLength::FixedLength);
    QCOMPARE(qRound(widths.at(1).rawValue()), qRound(4000 / 15.0));

    // The first cell: a paragraph, the nested table, a paragraph.
    QTextTableCell first = outer->cellAt(0, 0);
    QStringList items;
    QTextTable *inner = nullptr;
    for (QTextFrame::iterator it = first.begin(); it != first.end(); ++it) {
        if (auto *t = qobject_cast<QTextTable *>(it.currentFrame())) {
            inner = t;
            items << QStringLiteral("<table>");
        } else if (it.currentBlock().isValid()) {
            items << it.currentBlock().text();
        }
    }
    QCOMPARE(items, (QStringList{QStringLiteral("Outer A"), QStringLiteral("<table>"),
                                 QStringLiteral("after inner")}));
    QVERIFY(inner);
    QCOMPARE(inner->rows(), 2);
    QCOMPARE(inner->columns(), 2);
    QCOMPARE(cellText(inner, 0, 0), QStringLiteral("Inner 1"));
    QCOMPARE(cellText(inner, 1, 1), QStringLiteral("Inner 4"));
    QCOMPARE(inner->cellAt(0, 1).format().toTableCellFormat().bottomBorder(), 1.0);
}

void TestRtfReader::pictures()
{
    const QByteArray png = pngBytes(4, 3, 0xff0000);
    const QByteArray jpeg = jpegBytes(10, 8);
    QByteArray rtf =
        "{\\rtf1 A{\\*\\shppict{\\pict\\pngblip\\picw4\\pich3\\picwgoal1200\\pichgoal900\n";
    rtf += png.toHex() + "}}{\\nonshppict{\\pict\\wmetafile8 0102}}B";
    rtf += "{\\pict\\jpegblip\\picscalex50\\picscaley50 " + jpeg.toHex() + "}C";
    rtf += "{\\pict\\pngblip\\bin" + QByteArray::number(png.size()) + ' ' + png + "}D";
    rtf += "{\\pict\\wmetafile8\\picw100 0102}E}";
    QTextDocument doc;
    QStringList warnings;
    RtfReader::read(rtf, &doc, &warnings);
    QList<QTextImageFormat> images;
    for (QTextBlock::iterator it = doc.begin().begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            images << it.fragment().charFormat().toImageFormat();
    QCOMPARE(images.size(), 3);
    QCOMPARE(images[0].width(), 80.0);
    QCOMPARE(images[0].height(), 60.0);
    QCOMPARE(images[1].width(), 5.0);
    QCOMPARE(images[1].height(), 4.0);
    QCOMPARE(images[2].width(), 4.0);
    QByteArray format;
    QCOMPARE(DocumentImages::bytes(&doc, images[0].name(), &format), png);
    QCOMPARE(format, QByteArray("png"));
    QCOMPARE(DocumentImages::bytes(&doc, images[1].name(), &format), jpeg);
    QCOMPARE(format, QByteArray("jpeg"));
    const QImage shown =
        doc.resource(QTextDocument::ImageResource, QUrl(images[0].name())).value<QImage>();
    QCOMPARE(shown.size(), QSize(4, 3));
    QCOMPARE(QColor(shown.pixel(3, 2)), QColor(255, 0, 0));
    QCOMPARE(doc.toPlainText().remove(QChar::ObjectReplacementCharacter), QStringLiteral("ABCDE"));
    QCOMPARE(warnings.size(), 1); // the metafile outside a \nonshppict is left out, said once
    QVERIFY(warnings.first().contains(QStringLiteral("metafile")));
}

void TestRtfReader::badInput()
{
    QTextDocument doc;
    for (const QByteArray &notRtf : {QByteArray(), QByteArray("Hello"), QByteArray("<html>"),
                                     QByteArray("{\\rt"), QByteArray("PK\x03\x04")}) {
        try {
            RtfReader::read(notRtf, &doc);
            QFAIL("not RTF was accepted");
        } catch (const TessaryError &e) {
            QVERIFY(e.message().contains(QStringLiteral("not RTF")));
        }
    }

    // Truncated: what was read is there, and a warning says so.
    const QByteArray full = fixture(QStringLiteral("formatting.rtf"));
    const int cut = full.indexOf("justified") + 5;
    QStringList warnings;
    RtfReader::read(full.left(cut), &doc, &warnings);
    QVERIFY(doc.toPlainText().contains(QStringLiteral("right indented")));
    QVERIFY(doc.toPlainText().endsWith(QStringLiteral("justi")));
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().contains(QStringLiteral("truncated")));

    // Unbalanced the other way: more closing braces than opening ones.
    warnings.clear();
    RtfReader::read("{\\rtf1 one\\par two}}}", &doc, &warnings);
    QCOMPARE(blockTexts(doc), (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
    QCOMPARE(warnings.size(), 1);

    // Deep nesting stays within bounds and keeps the text.
    warnings.clear();
    const int depth = 200000;
    RtfReader::read("{\\rtf1 " + QByteArray(depth, '{') + "\\b deep" + QByteArray(depth, '}') +
                        " after}",
                    &doc, &warnings);
    QCOMPARE(doc.toPlainText(), QStringLiteral("deep after"));
    QCOMPARE(warnings.size(), 1);

    // Table words out of place, huge numbers, broken hex and pictures.
    warnings.clear();
    RtfReader::read("{\\rtf1\\cell\\row\\nestrow\\nestcell\\cellx99999999999\\trowd\\intbl"
                    "\\itap99 x\\nestcell\\fs-5\\f-3\\cf999\\ls77\\ilvl40 y\\'zz\\'4"
                    "{\\pict\\pngblip 89504e47}{\\pict\\jpegblip\\bin99999999}",
                    &doc, &warnings);
    QVERIFY(doc.toPlainText().contains(u'x'));
    QVERIFY(!warnings.isEmpty());
}

void TestRtfReader::mutatedInputNeverCrashes()
{
    const QByteArray seeds[] = {fixture(QStringLiteral("formatting.rtf")),
                                fixture(QStringLiteral("nested.rtf")),
                                fixture(QStringLiteral("unicode.rtf"))};
    QRandomGenerator random(20240617);
    static const char tokens[][10] = {"{",          "}",      "\\",      "\\cell",  "\\row",
                                      "\\nestcell", "\\par",  "\\intbl", "\\itap3", "\\trowd",
                                      "\\cellx500", "\\pict", "\\u-1",   "\\'",     "\\bin5",
                                      "\\*",        "\\ls2",  "\\field"};
    int loaded = 0;
    for (int round = 0; round < 600; ++round) {
        QByteArray data = seeds[round % 3];
        const int edits = 1 + int(random.bounded(8));
        for (int e = 0; e < edits && data.size() > 8; ++e) {
            const int at = 6 + int(random.bounded(std::max(1, int(data.size()) - 6)));
            switch (random.bounded(4)) {
            case 0:
                data[std::min(at, int(data.size()) - 1)] = char(random.bounded(256));
                break;
            case 1:
                data.insert(std::min(at, int(data.size())), tokens[random.bounded(18)]);
                break;
            case 2:
                data.remove(std::min(at, int(data.size()) - 1), int(random.bounded(20)));
                break;
            default:
                data.truncate(std::min(at, int(data.size())));
                break;
            }
        }
        QTextDocument doc;
        QStringList warnings;
        RtfReader::read(data, &doc, &warnings); // never throws: the prefix is RTF
        loaded += doc.characterCount() > 0;
    }
    QCOMPARE(loaded, 600);
}

int runRtfReaderTests(int argc, char **argv)
{
    TestRtfReader t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_rtfreader.moc"
