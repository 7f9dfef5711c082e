// The grid widget: fixed row and column as headers, editing with undo and
// redo, clipboard formats, find, layout and printing.
#include "GridTestUtil.h"

#include "platform/grid/GridControl.h"
#include "platform/grid/GridHeaderView.h"
#include "platform/grid/GridHtmlReader.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/GridPrinter.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

class TestGridControl : public QObject
{
    Q_OBJECT

private slots:
    void fixedCellsAreHeaders();
    void editingUndoRedo();
    void clipboardFormats();
    void pasteTabSeparated();
    void pasteHtmlTable();
    void findText();
    void layoutFollowsUser();
    void printingPages();
};

void TestGridControl::fixedCellsAreHeaders()
{
    GridControl view;
    makeCrosstab(view.grid());
    view.refresh();
    GridModel *m = view.gridModel();
    QCOMPARE(m->rowCount(), 4);
    QCOMPARE(m->columnCount(), 3);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString("Yes"));
    QCOMPARE(m->headerData(0, Qt::Vertical).toString(), QString("North"));
    QCOMPARE(m->data(m->index(0, 0)).toString(), QString("120"));
    QVERIFY(!view.horizontalHeader()->isHidden());
    QVERIFY(!view.verticalHeader()->isHidden());
    QCOMPARE(static_cast<GridHeaderView *>(view.verticalHeader())->extent(), 110);
    QCOMPARE(view.horizontalHeader()->sectionSize(0), GridData::DefaultColumnWidth);

    view.setFixedColumns(0);
    QCOMPARE(m->columnCount(), 4);
    QVERIFY(view.verticalHeader()->isHidden());
    QCOMPARE(m->data(m->index(0, 0)).toString(), QString("North"));
    view.setFixedRows(0);
    QCOMPARE(m->rowCount(), 5);
    QVERIFY(view.horizontalHeader()->isHidden());
    QCOMPARE(view.selectionRect(), QRect());
    view.selectCells(1, 1, 2, 3);
    QCOMPARE(view.selectionRect(), QRect(QPoint(1, 1), QPoint(3, 2)));
    QCOMPARE(view.selectedCells().size(), 6);
}

void TestGridControl::editingUndoRedo()
{
    GridControl view;
    makeCrosstab(view.grid());
    view.refresh();
    QSignalSpy changed(&view, &GridControl::contentChanged);
    GridModel *m = view.gridModel();
    QVERIFY(m->setData(m->index(0, 0), "121"));
    QCOMPARE(view.grid().text(1, 1), QString("121"));
    QCOMPARE(changed.count(), 1);
    // Setting the same text again is no change and no undo step.
    QVERIFY(m->setData(m->index(0, 0), "121"));
    QCOMPARE(view.undoStack()->count(), 1);
    view.selectCells(1, 1, 2, 2);
    view.clearSelectedCells();
    QCOMPARE(view.grid().text(2, 2), QString());
    QCOMPARE(view.undoStack()->count(), 2);
    view.undoStack()->undo();
    QCOMPARE(view.grid().text(2, 2), QString("105"));
    QCOMPARE(view.grid().text(1, 1), QString("121"));
    view.undoStack()->undo();
    QCOMPARE(view.grid().text(1, 1), QString("120"));
    view.undoStack()->redo();
    QCOMPARE(view.grid().text(1, 1), QString("121"));
    // Keyboard: Delete clears, Ctrl+Z undoes.
    view.setCurrentCell(3, 3);
    QTest::keyClick(&view, Qt::Key_Delete);
    QCOMPARE(view.grid().text(3, 3), QString());
    QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(view.grid().text(3, 3), QString("1000"));
    // Sorting restructures the table: the history of edits is dropped.
    view.sortRows();
    QCOMPARE(view.undoStack()->count(), 0);
}

void TestGridControl::clipboardFormats()
{
    GridControl view;
    makeCrosstab(view.grid());
    view.grid().setText(2, 2, "two\nlines");
    view.refresh();
    view.selectCells(1, 1, 2, 2);
    view.copyToClipboard();
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    QVERIFY(mime);
    QCOMPARE(mime->text(), QString("120\t80\n95\t\"two\nlines\"\n"));
    const QString html = mime->html();
    QVERIFY(html.contains("<table"));
    QCOMPARE(html.count("<tr>"), 2);
    QVERIFY(html.contains("text-align:right"));
    QVERIFY(html.contains("two<br>lines"));

    view.copyWholeGrid();
    const QString all = QApplication::clipboard()->mimeData()->html();
    QCOMPARE(all.count("<tr>"), 5);
    QCOMPARE(all.count("<th"), 4 + 4); // header row and fixed column
    QVERIFY(all.contains("background-color:#1f4e79"));

    view.selectCells(1, 1, 1, 2);
    view.cutToClipboard();
    QCOMPARE(QApplication::clipboard()->text(), QString("120\t80\n"));
    QCOMPARE(view.grid().text(1, 1), QString());
    view.undoStack()->undo();
    QCOMPARE(view.grid().text(1, 1), QString("120"));
}

void TestGridControl::pasteTabSeparated()
{
    GridControl view;
    view.grid().reset(3, 3);
    view.refresh();
    QApplication::clipboard()->setText("a\tb\tc\n\"x\ty\"\t\"multi\nline\"\n");
    view.setCurrentCell(1, 1);
    view.pasteFromClipboard();
    // The table grows to take what is pasted.
    QCOMPARE(view.grid().rowCount(), 3);
    QCOMPARE(view.grid().columnCount(), 4);
    QCOMPARE(view.grid().text(1, 3), QString("c"));
    QCOMPARE(view.grid().text(2, 1), QString("x\ty"));
    QCOMPARE(view.grid().text(2, 2), QString("multi\nline"));
    view.undoStack()->undo();
    QCOMPARE(view.grid().text(2, 2), QString());
    // One value fills the selection.
    QApplication::clipboard()->setText("7");
    view.selectCells(1, 0, 2, 1);
    view.pasteFromClipboard();
    QCOMPARE(view.grid().text(1, 0), QString("7"));
    QCOMPARE(view.grid().text(2, 1), QString("7"));
    QCOMPARE(view.grid().text(0, 0), QString());
}

void TestGridControl::pasteHtmlTable()
{
    // As a spreadsheet puts a copied range on the clipboard: a style sheet, a
    // comment, entities, a merged header, line breaks and an empty cell.
    const QString html = QStringLiteral(
        "<html><head><style>td { color: red }</style></head><body>"
        "<!-- copied --><table border=1>\n"
        "<tr><th colspan=\"2\">Region &amp; year</th><th>Total</th></tr>\n"
        "<tr><td rowspan='2'>North</td><td>2024</td><td align=right>1&nbsp;200</td></tr>\n"
        "<tr><td>  2025\n </td><td><p>one</p><p>two<br>three</p></td></tr>\n"
        "<tr><td>&lt;x&gt; &#233;t&#xE9;</td><td>&nbsp;</td><td><b>bold</b> <i>it</i></td>\n"
        "</table><table><tr><td>second table</td></tr></table></body></html>");
    GridControl view;
    view.grid().reset(3, 3);
    view.refresh();
    auto *mime = new QMimeData;
    mime->setHtml(html);
    mime->setText(QStringLiteral("plain text that must not be used"));
    QApplication::clipboard()->setMimeData(mime);
    view.setCurrentCell(1, 1);
    view.pasteFromClipboard();
    const GridData &g = view.grid();
    // The table grows to take the four rows and three columns.
    QCOMPARE(g.rowCount(), 5);
    QCOMPARE(g.columnCount(), 4);
    QCOMPARE(g.text(1, 1), QString("Region & year"));
    QCOMPARE(g.text(1, 2), QString());
    QCOMPARE(g.text(1, 3), QString("Total"));
    QCOMPARE(g.text(2, 1), QString("North"));
    QCOMPARE(g.text(2, 3), QString("1 200"));
    QCOMPARE(g.text(3, 1), QString()); // under the merged cell
    QCOMPARE(g.text(3, 2), QString("2025"));
    QCOMPARE(g.text(3, 3), QString("one\ntwo\nthree"));
    QCOMPARE(g.text(4, 1), QString::fromUtf8("<x> été"));
    QCOMPARE(g.text(4, 2), QString());
    QCOMPARE(g.text(4, 3), QString("bold it"));
    QCOMPARE(g.text(0, 0), QString());
    // One undo takes the whole paste back.
    view.undoStack()->undo();
    QCOMPARE(g.text(1, 1), QString());
    QCOMPARE(g.text(3, 3), QString());
    view.undoStack()->redo();
    QCOMPARE(g.text(3, 3), QString("one\ntwo\nthree"));

    // HTML without a table: the plain text is pasted.
    mime = new QMimeData;
    mime->setHtml(QStringLiteral("<p>just words</p>"));
    mime->setText(QStringLiteral("a\tb"));
    QApplication::clipboard()->setMimeData(mime);
    view.setCurrentCell(1, 1);
    view.pasteFromClipboard();
    QCOMPARE(g.text(1, 1), QString("a"));
    QCOMPARE(g.text(1, 2), QString("b"));

    // What the grid copies pastes back cell for cell, line breaks included.
    view.grid().setText(2, 2, QStringLiteral("multi\nline"));
    view.selectCells(1, 1, 2, 3);
    view.copyToClipboard();
    QVERIFY(QApplication::clipboard()->mimeData()->hasHtml());
    view.setCurrentCell(3, 1);
    view.pasteFromClipboard();
    QCOMPARE(g.text(4, 2), QString("multi\nline"));
    QCOMPARE(g.text(3, 3), g.text(1, 3));

    // Bad markup loads what it can and never fails.
    QCOMPARE(GridHtmlReader::readTable(QStringLiteral("<td>a<td>b<tr><td>c")),
             QVector<QStringList>({{"a", "b"}, {"c"}}));
    const QVector<QStringList> cut =
        GridHtmlReader::readTable(QStringLiteral("<table><tr><td>x</td><td colspan=99999"));
    QCOMPARE(cut.size(), 1);
    QCOMPARE(cut[0].size(), 1001); // the span is limited
    QCOMPARE(cut[0][0], QString("x"));
    QVERIFY(
        GridHtmlReader::readTable(QStringLiteral("no table < here &bogus; <!-- open")).isEmpty());
    QCOMPARE(GridHtmlReader::readTable(
                 QStringLiteral("<table><tr><td>out<table><tr><td>in1<td>in2</table>end</td>"
                                "<td>&#0;&#xD800;&amp</td></table>")),
             QVector<QStringList>({{"out\nin1 in2\nend", "&#0;&#xD800;&amp"}}));
}

void TestGridControl::findText()
{
    GridControl view;
    makeCrosstab(view.grid());
    view.refresh();
    QCOMPARE(view.findText("200", QPoint(-1, -1), false, true), QPoint(3, 1));
    QCOMPARE(view.findText("200", QPoint(3, 1), false, true), QPoint(3, 2));
    QCOMPARE(view.findText("200", QPoint(3, 2), false, true), QPoint(-1, -1));
    QCOMPARE(view.findText("0", QPoint(-1, -1), false, false), QPoint(1, 1));
    // Fixed cells are not searched.
    QCOMPARE(view.findText("Region", QPoint(-1, -1), false, false), QPoint(-1, -1));
    QCOMPARE(view.findText("north", QPoint(-1, -1), true, false), QPoint(-1, -1));
    QCOMPARE(view.findText("", QPoint(-1, -1), false, false), QPoint(-1, -1));
}

void TestGridControl::layoutFollowsUser()
{
    GridControl view;
    makeCrosstab(view.grid());
    view.grid().setColumnHidden(2, true);
    view.grid().setRowHeight(2, 40);
    view.refresh();
    QVERIFY(view.isColumnHidden(1));
    QCOMPARE(view.rowHeight(1), 40);
    QSignalSpy changed(&view, &GridControl::contentChanged);
    view.horizontalHeader()->resizeSection(0, 99);
    QCOMPARE(view.grid().columnWidth(1), 99);
    view.verticalHeader()->resizeSection(0, 33);
    QCOMPARE(view.grid().rowHeight(1), 33);
    QCOMPARE(changed.count(), 2);
    view.showAllColumns();
    QVERIFY(!view.isColumnHidden(1));
}

void TestGridControl::printingPages()
{
    GridData g;
    g.reset(301, 12);
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < g.columnCount(); ++c)
            g.setText(r, c, QStringLiteral("r%1c%2").arg(r).arg(c));
    g.setColumnWidth(0, 500);
    GridPrinter printer(g);
    GridPrinter::Settings s;
    s.title = "Title";
    // 12 columns of 64 px and one of 500 px across 900 px: two bands.
    const auto pages = printer.paginate(QSize(900, 600), s);
    QVERIFY(pages.size() > 2);
    QCOMPARE(pages.size() % 2, 0);
    QCOMPARE(pages.first().firstRow, 1);
    QCOMPARE(pages.first().firstColumn, 0);
    QCOMPARE(pages.last().lastRow, 300);
    QCOMPARE(pages.last().lastColumn, 11);
    // Rows follow on from page to page without gaps.
    for (int i = 1; i < pages.size() / 2; ++i)
        QCOMPARE(pages[i].firstRow, pages[i - 1].lastRow + 1);
    // A narrow page still holds at least one column and one row per page.
    QVERIFY(!printer.paginate(QSize(10, 10), s).isEmpty());

    QTemporaryDir dir;
    const QString pdf = dir.filePath("t.pdf");
    {
        QPdfWriter w(pdf);
        w.setPageOrientation(QPageLayout::Landscape);
        QVERIFY(printer.print(&w, s) > 1);
    }
    QVERIFY(readFileBytes(pdf).startsWith("%PDF"));
}

int runGridControlTests(int argc, char **argv)
{
    TestGridControl t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_gridcontrol.moc"
