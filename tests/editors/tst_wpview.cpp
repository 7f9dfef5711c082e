#include "tests/editors/tst_wpview.h"

#include "platform/TessaryError.h"
#include "platform/wordproc/RtfReader.h"
#include "platform/wordproc/view/WPBorderDlg.h"
#include "platform/wordproc/view/WPBulletDlg.h"
#include "platform/wordproc/view/WPFindDlg.h"
#include "platform/wordproc/view/WPFontDlg.h"
#include "platform/wordproc/view/WPLanguage.h"
#include "platform/wordproc/view/WPPageDlg.h"
#include "platform/wordproc/view/WPParagraphDlg.h"
#include "platform/wordproc/view/WPRuler.h"
#include "platform/wordproc/view/WPTabDlg.h"
#include "platform/wordproc/view/WPTableDlg.h"
#include "platform/wordproc/view/WPTables.h"
#include "platform/wordproc/view/WPView.h"
#include "tests/editors/EditorTestUtil.h"
#include "tests/support/ScriptedDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextList>
#include <QTextTable>
#include <QVBoxLayout>

using namespace EditorTestUtil;

namespace {
QTextCharFormat formatAt(const WPView &view, int position)
{
    QTextCursor c(view.document());
    c.setPosition(position + 1); // the format of the character before the cursor
    return c.charFormat();
}
} // namespace

void TestWPView::initTestCase()
{
    QIcon::setFallbackThemeName(QStringLiteral("breeze"));
}

void TestWPView::characterStyles()
{
    WPView view;
    setTextAndSelect(&view, QStringLiteral("one two three"), 4, 7);
    view.setBold(true);
    view.setItalic(true);
    view.setUnderline(true);
    view.setStrikeOut(true);
    view.setFontName(QStringLiteral("DejaVu Serif"));
    view.setFontSize(17);
    view.setCharColor(QColor(200, 0, 0));
    view.setCharBackground(QColor(255, 255, 0));
    const QTextCharFormat two = formatAt(view, 5);
    QCOMPARE(two.fontWeight(), int(QFont::Bold));
    QVERIFY(two.fontItalic());
    QVERIFY(two.fontUnderline());
    QVERIFY(two.fontStrikeOut());
    QCOMPARE(two.fontFamilies().toStringList().value(0), QStringLiteral("DejaVu Serif"));
    QCOMPARE(two.fontPointSize(), 17.0);
    QCOMPARE(two.foreground().color(), QColor(200, 0, 0));
    QCOMPARE(two.background().color(), QColor(255, 255, 0));
    // The words around keep their format.
    QVERIFY(formatAt(view, 1).fontWeight() != QFont::Bold);
    QVERIFY(!formatAt(view, 9).fontItalic());
    QVERIFY(formatAt(view, 9).background().style() == Qt::NoBrush);

    // Sub- and superscript exclude each other; no colour removes the background.
    view.setSubscript(true);
    QCOMPARE(formatAt(view, 5).verticalAlignment(), QTextCharFormat::AlignSubScript);
    view.setSuperscript(true);
    QCOMPARE(formatAt(view, 5).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    view.setSuperscript(false);
    QCOMPARE(formatAt(view, 5).verticalAlignment(), QTextCharFormat::AlignNormal);
    view.setCharBackground(QColor());
    QCOMPARE(formatAt(view, 5).background().style(), Qt::NoBrush);
    QVERIFY(formatAt(view, 5).fontItalic()); // other properties stay

    // A selection across two differently formatted parts keeps each part's font.
    select(&view, 0, 13);
    view.setItalic(false);
    QVERIFY(!formatAt(view, 5).fontItalic());
    QCOMPARE(formatAt(view, 5).fontPointSize(), 17.0);
    QVERIFY(formatAt(view, 1).fontPointSize() != 17.0);
    // One undo step per command.
    view.undo();
    QVERIFY(formatAt(view, 5).fontItalic());
}

void TestWPView::typingFormatWithoutSelection()
{
    WPView view;
    view.show();
    QTest::keyClicks(&view, QStringLiteral("ab"));
    view.setBold(true);
    QTest::keyClicks(&view, QStringLiteral("CD"));
    view.setBold(false);
    QTest::keyClicks(&view, QStringLiteral("ef"));
    QCOMPARE(view.toPlainText(), QStringLiteral("abCDef"));
    QVERIFY(formatAt(view, 1).fontWeight() != QFont::Bold);
    QCOMPARE(formatAt(view, 2).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatAt(view, 3).fontWeight(), int(QFont::Bold));
    QVERIFY(formatAt(view, 4).fontWeight() != QFont::Bold);
}

void TestWPView::paragraphsAndDialog()
{
    ScriptedDialogsScope dialogs;
    WPView view;
    view.setPlainText(QStringLiteral("first\nsecond\nthird"));
    select(&view, 2, 9); // first and second paragraph
    view.setParagraphAlignment(Qt::AlignHCenter);
    QCOMPARE(view.document()->findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(view.document()->findBlockByNumber(1).blockFormat().alignment(), Qt::AlignHCenter);
    QVERIFY(view.document()->findBlockByNumber(2).blockFormat().alignment() != Qt::AlignHCenter);

    dialogs->answer("dialog", QVariantMap{{"alignment", "Justified"},
                                          {"leftIndent", 1.5},
                                          {"rightIndent", 0.5},
                                          {"firstIndent", -0.5},
                                          {"spaceBefore", 6.0},
                                          {"spaceAfter", 12.0},
                                          {"lineSpacing", 150.0}});
    QVERIFY(WPParagraphDlg::execute(&view));
    QCOMPARE(dialogs->asked.last(), QStringLiteral("dialog: WPParagraphDlg"));
    QVERIFY(dialogs->unanswered.isEmpty());
    const QTextBlockFormat f = view.document()->findBlockByNumber(1).blockFormat();
    QCOMPARE(f.alignment(), Qt::AlignJustify);
    QCOMPARE(qRound(f.leftMargin()), qRound(1.5 / 2.54 * 96));
    QCOMPARE(qRound(f.rightMargin()), qRound(0.5 / 2.54 * 96));
    QCOMPARE(qRound(f.textIndent()), qRound(-0.5 / 2.54 * 96));
    QCOMPARE(qRound(f.topMargin()), 8);     // 6 pt
    QCOMPARE(qRound(f.bottomMargin()), 16); // 12 pt
    QCOMPARE(f.lineHeight(), 150.0);
    QCOMPARE(f.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
    QCOMPARE(view.document()->findBlockByNumber(2).blockFormat().leftMargin(), 0.0);

    // Cancel changes nothing.
    QVERIFY(!WPParagraphDlg::execute(&view));
    QCOMPARE(view.document()->findBlockByNumber(1).blockFormat().alignment(), Qt::AlignJustify);
}

void TestWPView::listsAndLevels()
{
    WPView view;
    view.setPlainText(QStringLiteral("a\nb\nc\nd"));
    select(&view, 0, 7);
    view.toggleBullets();
    QTextList *list = view.document()->findBlockByNumber(0).textList();
    QVERIFY(list);
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->format().style(), QTextListFormat::ListDisc);

    // "b" and "c" one level deeper: a sub-list of their own, circles.
    select(&view, 2, 5);
    view.changeLevel(+1);
    QTextList *sub = view.document()->findBlockByNumber(1).textList();
    QVERIFY(sub && sub != list);
    QCOMPARE(sub->format().indent(), 2);
    QCOMPARE(sub->format().style(), QTextListFormat::ListCircle);
    QCOMPARE(view.document()->findBlockByNumber(2).textList(), sub);
    QCOMPARE(view.document()->findBlockByNumber(3).textList(), list); // "d" continues the first
    QCOMPARE(list->count(), 2);

    // Back up one level: they rejoin the first list.
    view.changeLevel(-1);
    QCOMPARE(view.document()->findBlockByNumber(1).textList(), list);
    QCOMPARE(list->count(), 4);

    // Numbers replace bullets; toggling again takes the paragraphs out.
    select(&view, 0, 7);
    view.toggleNumbers();
    QTextList *numbered = view.document()->findBlockByNumber(0).textList();
    QCOMPARE(numbered->format().style(), QTextListFormat::ListDecimal);
    QCOMPARE(numbered->itemText(view.document()->findBlockByNumber(2)), QStringLiteral("3."));
    view.toggleNumbers();
    QVERIFY(!view.document()->findBlockByNumber(0).textList());
    QVERIFY(!view.document()->findBlockByNumber(3).textList());

    // A numbered sub-level counts on its own (1., a., b., 2.).
    view.toggleNumbers();
    select(&view, 2, 5);
    view.changeLevel(+1);
    QTextList *level2 = view.document()->findBlockByNumber(1).textList();
    QCOMPARE(level2->format().style(), QTextListFormat::ListLowerAlpha);
    QCOMPARE(level2->itemText(view.document()->findBlockByNumber(2)), QStringLiteral("b."));
    QTextList *level1 = view.document()->findBlockByNumber(3).textList();
    QCOMPARE(level1->itemText(view.document()->findBlockByNumber(3)), QStringLiteral("2."));

    // Prior level on the first level leaves the list; on a plain paragraph it
    // changes the indent.
    select(&view, 6, 6);
    view.changeLevel(-1);
    QVERIFY(!view.document()->findBlockByNumber(3).textList());
    view.changeLevel(+1);
    QCOMPARE(view.document()->findBlockByNumber(3).blockFormat().indent(), 1);
    view.changeLevel(-1);
    view.changeLevel(-1);
    QCOMPARE(view.document()->findBlockByNumber(3).blockFormat().indent(), 0);
}

void TestWPView::bulletDialog()
{
    ScriptedDialogsScope dialogs;
    WPView view;
    view.setPlainText(QStringLiteral("x\ny"));
    select(&view, 0, 3);
    dialogs->answer("dialog", QVariantMap{{"style", "A. B. C."}, {"level", 2}, {"suffix", ")"}});
    QVERIFY(WPBulletDlg::execute(&view));
    QTextList *list = view.document()->findBlockByNumber(1).textList();
    QVERIFY(list);
    QCOMPARE(list->format().style(), QTextListFormat::ListUpperAlpha);
    QCOMPARE(list->format().indent(), 2);
    QCOMPARE(list->itemText(view.document()->findBlockByNumber(1)), QStringLiteral("B)"));
    dialogs->answer("dialog", QVariantMap{{"style", "None"}});
    QVERIFY(WPBulletDlg::execute(&view));
    QVERIFY(!view.document()->findBlockByNumber(0).textList());
    QVERIFY(dialogs->unanswered.isEmpty());
}

void TestWPView::tabStopsDialogAndRuler()
{
    ScriptedDialogsScope dialogs;
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *view = new WPView(&window);
    auto *ruler = new WPRuler(view, &window);
    layout->addWidget(ruler);
    layout->addWidget(view);
    window.resize(700, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    view->setPlainText(QStringLiteral("a\tb\tc"));

    dialogs->answer("dialog", QVariantList{"position", 2.5, "add", "click", "position", 6.0, "kind",
                                           "Right", "add", "click", "position", 4.0, "kind",
                                           "Center", "add", "click"});
    QVERIFY(WPTabDlg::execute(view));
    QVERIFY(dialogs->unanswered.isEmpty());
    QList<QTextOption::Tab> tabs = view->tabStops();
    QCOMPARE(tabs.size(), 3);
    QCOMPARE(qRound(tabs[0].position), qRound(2.5 / 2.54 * 96));
    QCOMPARE(tabs[0].type, QTextOption::LeftTab);
    QCOMPARE(tabs[1].type, QTextOption::CenterTab);
    QCOMPARE(tabs[2].type, QTextOption::RightTab);

    // Clearing one stop by position, then all.
    dialogs->answer("dialog", QVariantList{"position", 4.0, "remove", "click"});
    QVERIFY(WPTabDlg::execute(view));
    QCOMPARE(view->tabStops().size(), 2);
    dialogs->answer("dialog", QVariantList{"clearAll", "click"});
    QVERIFY(WPTabDlg::execute(view));
    QVERIFY(view->tabStops().isEmpty());

    // A click on the ruler's scale sets a left tab stop there.
    const qreal at = 3 / 2.54 * 96;
    QCOMPARE(qRound(ruler->toDocument(ruler->toRuler(at))), qRound(at));
    QTest::mouseClick(ruler, Qt::LeftButton, {}, QPoint(qRound(ruler->toRuler(at)), 14));
    tabs = view->tabStops();
    QCOMPARE(tabs.size(), 1);
    QVERIFY(qAbs(tabs[0].position - at) <= 1);

    // Dragging the left indent marker sets the paragraph's left margin; the
    // first line keeps its place.
    const int leftX = qRound(ruler->toRuler(0));
    const int to = qRound(ruler->toRuler(2 / 2.54 * 96));
    QTest::mousePress(ruler, Qt::LeftButton, {}, QPoint(leftX, 22));
    QMouseEvent move(QEvent::MouseMove, QPointF(to, 22), ruler->mapToGlobal(QPointF(to, 22)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ruler, &move);
    QTest::mouseRelease(ruler, Qt::LeftButton, {}, QPoint(to, 22));
    const QTextBlockFormat f = view->textCursor().blockFormat();
    QVERIFY2(qAbs(f.leftMargin() - 2 / 2.54 * 96) <= 1.5,
             qPrintable(QString::number(f.leftMargin())));
    QVERIFY(qAbs(f.leftMargin() + f.textIndent()) <= 1.5);
    QImage shot = window.grab().toImage();
    QVERIFY(!shot.isNull());
}

void TestWPView::tablesRowsAndColumns()
{
    ScriptedDialogsScope dialogs;
    WPView view;
    view.setPlainText(QStringLiteral("before"));
    view.moveCursor(QTextCursor::End);
    dialogs->answer("dialog", QVariantMap{{"rows", 3}, {"columns", 2}});
    QVERIFY(WPTableDlg::execute(&view));
    QTextTable *table = view.textCursor().currentTable();
    QVERIFY(table);
    QCOMPARE(table->rows(), 3);
    QCOMPARE(table->columns(), 2);
    QCOMPARE(table->cellAt(view.textCursor()).row(), 0);
    // Fill the cells with their coordinates.
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c)
            table->cellAt(r, c).firstCursorPosition().insertText(
                QStringLiteral("%1%2").arg(r).arg(c));

    view.setTextCursor(table->cellAt(1, 0).firstCursorPosition());
    QVERIFY(view.insertRow());
    QCOMPARE(table->rows(), 4);
    QCOMPARE(table->cellAt(view.textCursor()).row(), 2); // the caret is in the new row
    QVERIFY(table->cellAt(2, 0).firstCursorPosition().block().text().isEmpty());
    QCOMPARE(table->cellAt(3, 1).firstCursorPosition().block().text(), QStringLiteral("21"));

    // A column right of the caret's (column 0).
    QVERIFY(view.insertColumn());
    QCOMPARE(table->columns(), 3);
    QCOMPARE(table->cellAt(view.textCursor()).column(), 1);
    QCOMPARE(table->cellAt(0, 1).firstCursorPosition().block().text(), QString());
    QCOMPARE(table->cellAt(0, 2).firstCursorPosition().block().text(), QStringLiteral("01"));
    QCOMPARE(table->format().columnWidthConstraints().size(), 3);

    view.setTextCursor(table->cellAt(0, 1).firstCursorPosition());
    QVERIFY(view.selectColumn());
    int row, col, rows, cols;
    QVERIFY(WPTables::coveredCells(view.textCursor(), &row, &col, &rows, &cols));
    QCOMPARE(QList<int>({row, col, rows, cols}), QList<int>({0, 1, 4, 1}));
    QVERIFY(view.deleteColumn());
    QCOMPARE(table->columns(), 2);
    QCOMPARE(table->cellAt(0, 1).firstCursorPosition().block().text(), QStringLiteral("01"));
    QCOMPARE(table->cellAt(0, 0).firstCursorPosition().block().text(), QStringLiteral("00"));

    view.setTextCursor(table->cellAt(3, 0).firstCursorPosition());
    QVERIFY(view.selectRow());
    QVERIFY(WPTables::coveredCells(view.textCursor(), &row, &col, &rows, &cols));
    QCOMPARE(QList<int>({row, col, rows, cols}), QList<int>({3, 0, 1, 2}));
    QVERIFY(view.deleteRow());
    QCOMPARE(table->rows(), 3);
    QCOMPARE(table->cellAt(2, 0).firstCursorPosition().block().text(), QString());

    // Deleting every row deletes the table and keeps the text before it.
    view.setTextCursor(table->cellAt(0, 0).firstCursorPosition());
    QTextCursor all = view.textCursor();
    all.setPosition(table->cellAt(2, 1).lastCursorPosition().position(), QTextCursor::KeepAnchor);
    view.setTextCursor(all);
    QVERIFY(view.deleteRow());
    QVERIFY(!view.textCursor().currentTable());
    QVERIFY(view.toPlainText().startsWith(QStringLiteral("before")));
    QVERIFY(!view.toPlainText().contains(QStringLiteral("00")));

    // Outside a table the commands do nothing.
    view.moveCursor(QTextCursor::Start);
    QVERIFY(!view.insertRow());
    QVERIFY(!view.deleteColumn());
    QVERIFY(!view.setCellBorders(WPTables::AllSides, true));
}

void TestWPView::tableBorders()
{
    ScriptedDialogsScope dialogs;
    WPView view;
    view.createTable(2, 2, false);
    QTextTable *table = view.textCursor().currentTable();
    auto cell = [&](int r, int c) { return table->cellAt(r, c).format().toTableCellFormat(); };
    QCOMPARE(cell(0, 0).topBorder(), 0.0);

    // All on for the whole table, then top off for row 0 only.
    QTextCursor c = table->cellAt(0, 0).firstCursorPosition();
    c.setPosition(table->cellAt(1, 1).lastCursorPosition().position(), QTextCursor::KeepAnchor);
    view.setTextCursor(c);
    QVERIFY(view.setCellBorders(WPTables::AllSides, true));
    for (int r = 0; r < 2; ++r)
        for (int k = 0; k < 2; ++k) {
            QCOMPARE(cell(r, k).topBorder(), 1.0);
            QCOMPARE(cell(r, k).leftBorder(), 1.0);
            QCOMPARE(cell(r, k).bottomBorderStyle(), QTextFrameFormat::BorderStyle_Solid);
        }
    view.setTextCursor(table->cellAt(0, 0).firstCursorPosition());
    QVERIFY(view.toggleCellBorders(WPTables::Top));
    QCOMPARE(cell(0, 0).topBorder(), 0.0);
    QCOMPARE(cell(0, 1).topBorder(), 1.0); // only the cell at the caret
    QCOMPARE(cell(0, 0).bottomBorder(), 1.0);
    QVERIFY(view.toggleCellBorders(WPTables::Top));
    QCOMPARE(cell(0, 0).topBorder(), 1.0);
    QVERIFY(view.toggleCellBorders(WPTables::Left | WPTables::Right));
    QCOMPARE(cell(0, 0).leftBorder(), 0.0);
    QCOMPARE(cell(0, 0).rightBorder(), 0.0);
    QVERIFY(view.setCellBorders(WPTables::AllSides, false));
    QCOMPARE(cell(0, 0).bottomBorder(), 0.0);
    QCOMPARE(cell(1, 1).bottomBorder(), 1.0);

    // The borders dialog: top and bottom, 2 px, red.
    dialogs->answer("color", QColor(Qt::red));
    dialogs->answer("dialog", QVariantList{"top", true, "bottom", true, "left", false, "right",
                                           false, "width", 2.0, "color", "click"});
    QVERIFY(WPBorderDlg::execute(&view));
    QCOMPARE(cell(0, 0).topBorder(), 2.0);
    QCOMPARE(cell(0, 0).bottomBorder(), 2.0);
    QCOMPARE(cell(0, 0).leftBorder(), 0.0);
    QCOMPARE(cell(0, 0).topBorderBrush().color(), QColor(Qt::red));
    QVERIFY(table->format().borderCollapse());

    // Outside a table the dialog says why it does not open.
    view.moveCursor(QTextCursor::End);
    const int before = dialogs->asked.size();
    QVERIFY(!WPBorderDlg::execute(&view));
    QCOMPARE(dialogs->asked.size(), before + 1);
    QVERIFY(dialogs->asked.last().startsWith(QStringLiteral("message: Place the cursor")));
}

void TestWPView::picturesAndLinks()
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("square.png"));
    writeTestPicture(png);
    WPView view;
    view.setPlainText(QStringLiteral("see "));
    view.moveCursor(QTextCursor::End);
    view.insertPicture(png);
    view.insertPicture(png);
    QCOMPARE(pictureCount(view.document()), 2);
    // Each picture has its own resource name and the resource is the picture.
    QStringList names;
    for (QTextBlock b = view.document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                names << it.fragment().charFormat().toImageFormat().name();
    QCOMPARE(names.size(), 2);
    QVERIFY(names[0] != names[1]);
    const QImage stored = qvariant_cast<QImage>(
        view.document()->resource(QTextDocument::ImageResource, QUrl(names[0])));
    QCOMPARE(stored.size(), QSize(40, 30));
    QCOMPARE(QColor(stored.pixel(20, 15)), QColor(Qt::red));

    // A file that is not a picture is refused with its name in the message.
    const QString bad = dir.filePath(QStringLiteral("notapicture.png"));
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("garbage");
    f.close();
    try {
        view.insertPicture(bad);
        QFAIL("no error for a bad picture");
    } catch (const TessaryError &e) {
        QVERIFY(e.message().contains(QStringLiteral("notapicture.png")));
    }
    QCOMPARE(pictureCount(view.document()), 2);

    view.insertHyperlink(QStringLiteral("https://example.org/x"), QStringLiteral("the site"));
    QCOMPARE(links(view.document()), QStringList{QStringLiteral("https://example.org/x")});
    QVERIFY(view.toPlainText().endsWith(QStringLiteral("the site")));
    // What is typed after the link is not part of it.
    view.textCursor().insertText(QStringLiteral(" more"));
    const QTextCharFormat after = formatAt(view, view.toPlainText().size() - 1);
    QVERIFY(!after.isAnchor());
    QVERIFY(!after.fontUnderline());
}

void TestWPView::findAndReplace()
{
    WPView view;
    view.setPlainText(QStringLiteral("cat Cat concat cat"));
    view.moveCursor(QTextCursor::Start);
    QVERIFY(view.findNext(QStringLiteral("cat"), {}));
    QCOMPARE(view.textCursor().selectionStart(), 0);
    QVERIFY(view.findNext(QStringLiteral("cat"), {}));
    QCOMPARE(view.textCursor().selectionStart(), 4); // case-insensitive by default
    QVERIFY(view.findNext(QStringLiteral("cat"), QTextDocument::FindCaseSensitively));
    QCOMPARE(view.textCursor().selectionStart(), 11);
    QVERIFY(view.findNext(QStringLiteral("cat"), QTextDocument::FindWholeWords));
    QCOMPARE(view.textCursor().selectionStart(), 15);
    // Wraps around to the start.
    QVERIFY(view.findNext(QStringLiteral("cat"), QTextDocument::FindWholeWords));
    QCOMPARE(view.textCursor().selectionStart(), 0);
    QVERIFY(!view.findNext(QStringLiteral("dog"), {}));
    QVERIFY(!view.findNext(QString(), {}));

    // Replace the current match and move on.
    QVERIFY(view.replaceNext(QStringLiteral("cat"), QStringLiteral("dog"),
                             QTextDocument::FindWholeWords));
    QCOMPARE(view.toPlainText(), QStringLiteral("dog Cat concat cat"));
    QCOMPARE(view.textCursor().selectedText(), QStringLiteral("Cat"));
    QCOMPARE(view.replaceAll(QStringLiteral("cat"), QStringLiteral("dog"),
                             QTextDocument::FindWholeWords | QTextDocument::FindCaseSensitively),
             1);
    QCOMPARE(view.toPlainText(), QStringLiteral("dog Cat concat dog"));
    QCOMPARE(view.replaceAll(QStringLiteral("cat"), QStringLiteral("CAT"), {}), 2);
    QCOMPARE(view.toPlainText(), QStringLiteral("dog CAT conCAT dog"));
    // A replacement containing the searched text does not loop.
    QCOMPARE(view.replaceAll(QStringLiteral("dog"), QStringLiteral("dogdog"), {}), 2);
    QCOMPARE(view.toPlainText(), QStringLiteral("dogdog CAT conCAT dogdog"));
    // Replace All is one undo step.
    view.undo();
    QCOMPARE(view.toPlainText(), QStringLiteral("dog CAT conCAT dog"));
}

void TestWPView::findDialog()
{
    WPView view;
    view.setPlainText(QStringLiteral("alpha beta alpha"));
    view.moveCursor(QTextCursor::Start);
    WPFindDlg dlg(&view);
    dlg.showFor(true);
    QVERIFY(dlg.isVisible());
    QVERIFY(!dlg.isModal());
    dlg.findChild<QLineEdit *>(QStringLiteral("findText"))->setText(QStringLiteral("alpha"));
    dlg.findChild<QLineEdit *>(QStringLiteral("replaceText"))->setText(QStringLiteral("gamma"));
    dlg.findChild<QPushButton *>(QStringLiteral("findNext"))->click();
    QCOMPARE(view.textCursor().selectionStart(), 0);
    dlg.findChild<QPushButton *>(QStringLiteral("replace"))->click();
    QCOMPARE(view.toPlainText(), QStringLiteral("gamma beta alpha"));
    QCOMPARE(view.textCursor().selectionStart(), 11);
    dlg.findChild<QPushButton *>(QStringLiteral("replaceAll"))->click();
    QCOMPARE(view.toPlainText(), QStringLiteral("gamma beta gamma"));
    QVERIFY(dlg.status().contains(QLatin1Char('1')));
    dlg.findChild<QLineEdit *>(QStringLiteral("findText"))->setText(QStringLiteral("zeta"));
    QVERIFY(!dlg.findNext());
    QVERIFY(dlg.status().contains(QStringLiteral("not found")));
    // Find only: no replace part.
    dlg.showFor(false);
    QVERIFY(!dlg.findChild<QLineEdit *>(QStringLiteral("replaceText"))->isVisible());
    dlg.findChild<QPushButton *>(QStringLiteral("close"))->click();
    QVERIFY(!dlg.isVisible());
}

void TestWPView::clipboardFormats()
{
    WPView view;
    view.setPlainText(QStringLiteral("plain bold end"));
    select(&view, 6, 10);
    view.setBold(true);
    select(&view, 0, 14);
    view.copy();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasText());
    QCOMPARE(data->text(), QStringLiteral("plain bold end"));
    QVERIFY(data->hasHtml());
    QVERIFY(data->html().contains(QStringLiteral("bold")));
    QVERIFY(data->html().contains(QStringLiteral("font-weight")));
    const QByteArray rtf = data->data(QStringLiteral("text/rtf"));
    QVERIFY(rtf.startsWith("{\\rtf"));
    // The RTF on the clipboard reads back to the same text.
    QTextDocument back;
    RtfReader::read(rtf, &back);
    QCOMPARE(back.toPlainText().trimmed(), QStringLiteral("plain bold end"));

    // Paste puts the bold word back with its format.
    WPView target;
    target.paste();
    QCOMPARE(target.toPlainText(), QStringLiteral("plain bold end"));
    QCOMPARE(formatAt(target, 7).fontWeight(), int(QFont::Bold));
    QVERIFY(formatAt(target, 1).fontWeight() != QFont::Bold);
}

void TestWPView::pasteRtf()
{
    // RTF alone on the clipboard (as another word processor may put it).
    auto *data = new QMimeData;
    data->setData(
        QStringLiteral("text/rtf"),
        QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Caf\\'e9 \\u8364? ok\\par}"));
    QGuiApplication::clipboard()->setMimeData(data);
    WPView view;
    QVERIFY(view.canPaste());
    view.paste();
    QVERIFY2(view.toPlainText().contains(QStringLiteral("Café €")), qPrintable(view.toPlainText()));
    // A picture alone on the clipboard becomes a picture.
    auto *pic = new QMimeData;
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::green);
    pic->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(pic);
    view.paste();
    QCOMPARE(pictureCount(view.document()), 1);
}

void TestWPView::fontDialog()
{
    ScriptedDialogsScope dialogs;
    WPView view;
    setTextAndSelect(&view, QStringLiteral("some words"), 0, 4);
    dialogs->answer("color", QColor(0, 128, 0));
    dialogs->answer("color", QColor(255, 200, 0));
    dialogs->answer("dialog",
                    QVariantList{"fontName", "DejaVu Sans Mono", "fontSize", 21.0, "bold", true,
                                 "italic", true, "underline", true, "position", "Superscript",
                                 "textColor", "click", "backColor", "click"});
    QVERIFY(WPFontDlg::execute(&view));
    QVERIFY2(dialogs->unanswered.isEmpty(), qPrintable(dialogs->unanswered.join(", ")));
    QTextCharFormat f = formatAt(view, 1);
    QCOMPARE(f.fontFamilies().toStringList().value(0), QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(f.fontPointSize(), 21.0);
    QCOMPARE(f.fontWeight(), int(QFont::Bold));
    QVERIFY(f.fontItalic());
    QVERIFY(f.fontUnderline());
    QVERIFY(!f.fontStrikeOut());
    QCOMPARE(f.verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(f.foreground().color(), QColor(0, 128, 0));
    QCOMPARE(f.background().color(), QColor(255, 200, 0));
    QVERIFY(formatAt(view, 6).fontPointSize() != 21.0);

    // The dialog opens with the selection's font; no background removes it.
    dialogs->answer("dialog", QVariantMap{{"noBackColor", true}});
    QVERIFY(WPFontDlg::execute(&view));
    f = formatAt(view, 1);
    QCOMPARE(f.fontPointSize(), 21.0);
    QVERIFY(f.fontItalic());
    QCOMPARE(f.background().style(), Qt::NoBrush);
}

void TestWPView::pageSetupAndPrinting()
{
    ScriptedDialogsScope dialogs;
    QTemporaryDir dir;
    WPView view;
    for (int i = 0; i < 80; ++i)
        view.append(QStringLiteral("Line %1 of a document long enough for two pages.").arg(i));
    dialogs->answer("dialog", QVariantMap{{"paper", QPageSize::name(QPageSize::Letter)},
                                          {"orientation", "Landscape"},
                                          {"marginLeft", 30.0},
                                          {"marginTop", 15.0},
                                          {"headerMargin", 8.0}});
    QVERIFY(WPPageDlg::execute(&view));
    const WPView::PageSettings s = view.pageSettings();
    QCOMPARE(s.layout.pageSize().id(), QPageSize::Letter);
    QCOMPARE(s.layout.orientation(), QPageLayout::Landscape);
    QCOMPARE(s.layout.margins(QPageLayout::Millimeter).left(), 30.0);
    QCOMPARE(s.layout.margins(QPageLayout::Millimeter).top(), 15.0);
    QCOMPARE(s.headerMargin, 8.0);

    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    view.writePdf(pdf);
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    // Letter landscape: the media box is 792 x 612 points; several pages.
    const int box = bytes.indexOf("/MediaBox");
    QVERIFY2(bytes.mid(box, 40).startsWith("/MediaBox [0 0 792.000000 612.000000]"),
             bytes.mid(box, 40).constData());
    QVERIFY(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") +
                bytes.count("/Type /Page>") >=
            2);

    // Print preview draws through the seam's printer.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString previewPdf = dir.filePath(QStringLiteral("preview.pdf"));
    printer.setOutputFileName(previewPdf);
    dialogs->answer("preview", true);
    QVERIFY(
        ::dialogs().printPreview(&view, &printer, [&view](QPrinter *p) { view.printDocument(p); }));
    QVERIFY(QFileInfo(previewPdf).size() > 1000);
}

void TestWPView::dialogLanguage()
{
    WPLanguage lang;
    QVERIFY(!lang.hasEntries());
    QVERIFY(!lang.load("<notloc/>"));
    QVERIFY(!lang.load("<loc><FR><t en='Bold'>Gras</t>")); // unbalanced
    QVERIFY(!lang.hasEntries());
    QVERIFY(lang.load("<loc><FR><t en='Bold'>Gras</t><t en='Font'>Police</t></FR>"
                      "<ES><t en='Bold'>Negrita</t></ES></loc>"));
    QVERIFY(lang.hasLanguage(QStringLiteral("fr")));
    QCOMPARE(lang.text(QStringLiteral("Bold")), QStringLiteral("Bold"));
    QVERIFY(lang.setLanguage(QStringLiteral("FR")));
    QCOMPARE(lang.text(QStringLiteral("Bold")), QStringLiteral("Gras"));
    QCOMPARE(lang.text(QStringLiteral("Italic")), QStringLiteral("Italic")); // untranslated
    QSignalSpy spy(&lang, &WPLanguage::languageChanged);
    QVERIFY(!lang.setLanguage(QStringLiteral("DE")));
    QCOMPARE(lang.language(), QStringLiteral("FR"));
    QCOMPARE(spy.count(), 0);
    QVERIFY(lang.setLanguage(QStringLiteral("ES")));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(lang.text(QStringLiteral("Bold")), QStringLiteral("Negrita"));
    QVERIFY(lang.setLanguage(QStringLiteral("EN")));
    QCOMPARE(lang.text(QStringLiteral("Bold")), QStringLiteral("Bold"));
}
