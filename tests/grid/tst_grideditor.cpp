// The table editor's operations and their rules, its stored content and files.
#include "GridTestUtil.h"

#include "editors/table/TGridEditor.h"
#include "platform/TessaryError.h"
#include "platform/grid/GridControl.h"
#include "platform/grid/GridFindDialog.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/GridStream.h"
#include "store/PageState.h"
#include "tests/support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A table of `rows` rows and 3 columns whose cells say where they are.
void fill(GridData &g, int rows, int fixedRows)
{
    g.clear();
    g.setFixedRows(fixedRows);
    g.reset(rows, 3);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 3; ++c)
            g.setText(r, c, QStringLiteral("%1%2").arg(QChar('A' + c)).arg(r + 1));
}

} // namespace

class TestGridEditor : public QObject
{
    Q_OBJECT

private slots:
    void init() { PageModified = false; }
    void storedContent();
    void deleteRowsAndColumns();
    void alignmentWholeColumnRule();
    void formattingAndButtons();
    void copyWithHeaders();
    void multiLineHeights();
    void headerDoubleClickSorting();
    void fixedRowAndColumnToggles();
    void saveDialogFormats();
    void saveToFileByExtension();
    void importFiles();
    void printingAndPreview();
    void findAndReplace();
    void actionsAndRender();
};

void TestGridEditor::storedContent()
{
    TGridEditor ed;
    makeCrosstab(ed.GridView->grid());
    ed.GridView->grid().setWordWrap(true);
    ed.GridView->grid().setColumnHidden(2, true);
    const QByteArray bytes = GridStream::write(ed.GridView->grid());
    ed.LastSortColumn = 3;
    ed.loadContent(bytes, QString());
    // Loading shows hidden columns, presses Multilines for wrapped grids, resets the sort.
    QVERIFY(!ed.GridView->grid().isColumnHidden(2));
    QVERIFY(ed.action("isMultilinesClick")->isChecked());
    QCOMPARE(ed.LastSortColumn, -1);
    QVERIFY(!PageModified);
    QCOMPARE(ed.GridView->grid().text(4, 3), QString("1400"));
    GridStream::read(ed.saveContent(), ed.CGrid->grid());
    QCOMPARE(ed.CGrid->grid().text(3, 1), QString("-12,5"));

    bool thrown = false;
    try {
        ed.loadContent("{broken", QString());
    } catch (const TessaryError &) {
        thrown = true;
    }
    QVERIFY(thrown);
    QCOMPARE(ed.GridView->grid().text(0, 0), QString());
    QCOMPARE(ed.GridView->grid().rowCount(), 5);
    ed.loadContent(bytes, QString());
    ed.clearContent();
    QCOMPARE(ed.GridView->grid().text(0, 0), QString());
    QVERIFY(!ed.action("isMultilinesClick")->isChecked());

    // A user edit sets PageModified.
    ed.GridView->gridModel()->setData(ed.GridView->gridModel()->index(0, 0), "x");
    QVERIFY(PageModified);
}

void TestGridEditor::deleteRowsAndColumns()
{
    ScriptedDialogsScope dlg;
    TGridEditor ed;
    fill(ed.GridView->grid(), 10, 0);
    ed.GridView->refresh();
    // Rows 3 to 5 (1-based) go, exactly those.
    ed.GridView->selectCells(2, 0, 4, 1);
    ed.EntireRowClick();
    QCOMPARE(ed.GridView->grid().rowCount(), 7);
    QCOMPARE(ed.GridView->grid().text(1, 0), QString("A2"));
    QCOMPARE(ed.GridView->grid().text(2, 0), QString("A6"));
    QVERIFY(PageModified);
    QVERIFY(dlg->asked.isEmpty());

    PageModified = false;
    fill(ed.GridView->grid(), 10, 0);
    ed.GridView->refresh();
    ed.GridView->selectCells(0, 0, 9, 0);
    ed.EntireRowClick();
    QCOMPARE(dlg->asked, QStringList({"message: Cannot delete all rows"}));
    QCOMPARE(ed.GridView->grid().rowCount(), 10);
    QVERIFY(!PageModified);

    ed.GridView->selectCells(0, 0, 0, 2);
    ed.EntireColumnClick();
    QCOMPARE(dlg->asked.last(), QString("message: Cannot delete all collumns"));
    QCOMPARE(ed.GridView->grid().columnCount(), 3);
    ed.GridView->selectCells(3, 1, 3, 1);
    ed.EntireColumnClick();
    QCOMPARE(ed.GridView->grid().columnCount(), 2);
    QCOMPARE(ed.GridView->grid().text(0, 1), QString("C1"));
}

void TestGridEditor::alignmentWholeColumnRule()
{
    TGridEditor ed;
    fill(ed.GridView->grid(), 6, 1);
    ed.GridView->refresh();
    // A click on the header cell selects the column below it.
    ed.GridViewClickCell(1, 0);
    QCOMPARE(ed.GridView->selectionRect(), QRect(QPoint(1, 1), QPoint(1, 5)));
    ed.Center2Click();
    for (int r = 0; r < 6; ++r)
        QCOMPARE(ed.GridView->grid().format(r, 1).alignment, int(CellFormat::Center));
    QCOMPARE(ed.GridView->grid().format(0, 2).alignment, int(CellFormat::Left));
    QVERIFY(PageModified);
    // Part of a column: the header cell keeps its alignment.
    ed.GridView->selectCells(1, 2, 3, 2);
    ed.Right1Click();
    QCOMPARE(ed.GridView->grid().format(2, 2).alignment, int(CellFormat::Right));
    QCOMPARE(ed.GridView->grid().format(0, 2).alignment, int(CellFormat::Left));
    QCOMPARE(ed.GridView->grid().format(4, 2).alignment, int(CellFormat::Left));
}

void TestGridEditor::formattingAndButtons()
{
    ScriptedDialogsScope dlg;
    TGridEditor ed;
    fill(ed.GridView->grid(), 5, 1);
    ed.GridView->refresh();
    ed.GridView->selectCells(1, 0, 2, 1);
    ed.AddFontStyle(0);
    ed.AddFontStyle(2);
    ed.SetFontColor(QColor(Qt::red));
    ed.SetBackColor(QColor(Qt::yellow));
    const GridData &g = ed.GridView->grid();
    QCOMPARE(g.format(2, 1).fontStyle, CellFormat::Bold | CellFormat::Underline);
    QCOMPARE(g.format(1, 0).backColor, QColor(Qt::yellow));
    QCOMPARE(g.format(3, 0).fontStyle, 0);
    ed.RemoveFontStyle(0);
    QCOMPARE(g.format(2, 1).fontStyle, int(CellFormat::Underline));

    // The buttons follow the current cell.
    QSignalSpy shown(&ed, &TGridEditor::cellFormatShown);
    ed.AddFontStyle(1);
    ed.GridView->setCurrentCell(3, 2);
    ed.GridView->setCurrentCell(1, 1);
    QVERIFY(!ed.action("GridBold")->isChecked());
    QVERIFY(ed.action("GridItalic")->isChecked());
    QVERIFY(ed.action("GridUnderline")->isChecked());
    QVERIFY(ed.action("Center1Click")->isChecked());
    QCOMPARE(shown.last().at(4).value<QColor>(), QColor(Qt::red));
    QCOMPARE(shown.last().at(5).value<QColor>(), QColor(Qt::yellow));
    // Pressing a style button adds the style to the selection.
    ed.action("GridBold")->setChecked(true);
    QVERIFY(g.format(1, 1).fontStyle & CellFormat::Bold);
    ed.action("GridBold")->setChecked(false);
    QVERIFY(!(g.format(1, 1).fontStyle & CellFormat::Bold));

    // Font dialog: filled from the first cell; cancelled still marks the page.
    PageModified = false;
    ed.Font1Click();
    QVERIFY(PageModified);
    QCOMPARE(g.format(1, 1).fontName, QString());
    QFont f("DejaVu Serif", 12);
    f.setItalic(true);
    dlg->answer("font", f);
    ed.Font1Click();
    QCOMPARE(g.format(1, 1).fontName, QString("DejaVu Serif"));
    QCOMPARE(g.format(1, 1).fontSize, 12);
    QCOMPARE(g.format(1, 1).fontStyle, int(CellFormat::Italic));
    QCOMPARE(g.format(1, 1).fontColor, QColor(Qt::red));
}

void TestGridEditor::copyWithHeaders()
{
    TGridEditor ed;
    fill(ed.GridView->grid(), 6, 1);
    ed.GridView->refresh();
    // C3:D4 in a table with columns A..D.
    GridData &g = ed.GridView->grid();
    g.setSize(6, 4);
    for (int r = 0; r < 6; ++r)
        g.setText(r, 3, QStringLiteral("D%1").arg(r + 1));
    g.setColumnWidth(3, 77);
    ed.GridView->refresh();
    ed.GridView->selectCells(2, 2, 3, 3);
    ed.CopyFormattedClick();
    const GridData &c = ed.CGrid->grid();
    QCOMPARE(c.rowCount(), 3);
    QCOMPARE(c.columnCount(), 2);
    QCOMPARE(c.columnWidth(1), 77);
    QCOMPARE(QApplication::clipboard()->text(), QString("C1\tD1\nC3\tD3\nC4\tD4\n"));
    QVERIFY(QApplication::clipboard()->mimeData()->html().contains("<th"));

    // With a fixed column too: the corner stays empty and row labels come along.
    ed.GridView->setFixedColumns(1);
    ed.GridView->selectCells(2, 2, 3, 3);
    ed.CopyFormattedClick();
    QCOMPARE(QApplication::clipboard()->text(), QString("\tC1\tD1\nA3\tC3\tD3\nA4\tC4\tD4\n"));
}

void TestGridEditor::multiLineHeights()
{
    TGridEditor ed;
    GridData &g = ed.GridView->grid();
    g.reset(4, 2);
    g.setText(0, 0, "Header");
    QString tall;
    for (int i = 0; i < 40; ++i)
        tall += QStringLiteral("word%1 ").arg(i);
    g.setText(1, 0, tall);
    g.setText(2, 0, "short");
    ed.GridView->refresh();
    ed.action("isMultilinesClick")->setChecked(true);
    ed.isMultilinesClick();
    QVERIFY(g.wordWrap());
    QVERIFY(g.multiLine());
    QCOMPARE(g.rowHeight(1), 150);
    QVERIFY(g.rowHeight(2) >= 15 && g.rowHeight(2) < 40);
    QVERIFY(g.rowHeight(3) >= 15);
    QCOMPARE(ed.GridView->rowHeight(0), 150);
    QVERIFY(PageModified);
    ed.action("isMultilinesClick")->setChecked(false);
    ed.isMultilinesClick();
    QVERIFY(!g.wordWrap());
    QVERIFY(g.rowHeight(1) < 40);
}

void TestGridEditor::headerDoubleClickSorting()
{
    TGridEditor ed;
    GridData &g = ed.GridView->grid();
    g.reset(6, 2);
    const QStringList v = {"n", "3", "-1,5", "", "20", "x"};
    for (int r = 0; r < 6; ++r) {
        g.setText(r, 1, v[r]);
        g.setText(r, 0, QString::number(r));
    }
    ed.GridView->refresh();
    const auto col = [&g](int c) {
        QStringList out;
        for (int r = 1; r < g.rowCount(); ++r)
            out << g.text(r, c);
        return out;
    };
    ed.GridViewDblClickCell(1, 0);
    QCOMPARE(col(1), QStringList({"-1,5", "3", "20", "x", ""}));
    QCOMPARE(ed.LastSortColumn, 1);
    QVERIFY(PageModified);
    ed.GridViewDblClickCell(1, 0);
    QCOMPARE(col(1), QStringList({"x", "20", "3", "-1,5", ""}));
    ed.GridViewDblClickCell(1, 0);
    QCOMPARE(col(1), QStringList({"-1,5", "3", "20", "x", ""}));
    // Another header sorts in the current direction (ascending now).
    ed.GridViewDblClickCell(0, 0);
    QCOMPARE(col(0), QStringList({"1", "2", "3", "4", "5"}));
    // A double-click below the header does not sort but marks the page.
    PageModified = false;
    ed.GridViewDblClickCell(1, 3);
    QCOMPARE(col(0), QStringList({"1", "2", "3", "4", "5"}));
    QVERIFY(PageModified);
}

void TestGridEditor::fixedRowAndColumnToggles()
{
    TGridEditor ed;
    fill(ed.GridView->grid(), 4, 1);
    ed.GridView->refresh();
    ed.PopupMenu1Popup();
    QVERIFY(ed.action("Fixedrow1Click")->isChecked());
    QVERIFY(!ed.action("Fixedcolumn1Click")->isChecked());
    ed.Fixedrow1Click();
    QCOMPARE(ed.GridView->grid().fixedRows(), 0);
    ed.Fixedcolumn1Click();
    QCOMPARE(ed.GridView->grid().fixedColumns(), 1);
    ed.PopupMenu1Popup();
    QVERIFY(!ed.action("Fixedrow1Click")->isChecked());
    QVERIFY(ed.action("Fixedcolumn1Click")->isChecked());
    // Through the menu's action: the same toggle.
    ed.action("Fixedrow1Click")->trigger();
    QCOMPARE(ed.GridView->grid().fixedRows(), 1);
    QVERIFY(!PageModified);
}

void TestGridEditor::saveDialogFormats()
{
    ScriptedDialogsScope dlg;
    QTemporaryDir dir;
    TGridEditor ed;
    makeCrosstab(ed.GridView->grid());
    ed.GridView->refresh();
    // Comma-delimited entry, but the typed ".xls" chooses the spreadsheet.
    dlg->answer("saveFiltered", QVariantList{dir.filePath("table.xls"), 3});
    ed.SaveTableToDisk("table", ed.GridView);
    QVERIFY(QFileInfo::exists(dir.filePath("table.xlsx")));
    QVERIFY(readFileBytes(dir.filePath("table.xlsx")).startsWith("PK"));
    // No extension: the entry decides.
    dlg->answer("saveFiltered", QVariantList{dir.filePath("table"), 3});
    ed.SaveTableToDisk("table", ed.GridView);
    QVERIFY(readFileBytes(dir.filePath("table.CSV")).contains("Region,Yes,No,Total\r\n"));
    // ".html" does not override the entry; the entry's extension is used.
    dlg->answer("saveFiltered", QVariantList{dir.filePath("page.html"), 2});
    ed.SaveTableToDisk(QString(), ed.GridView);
    QVERIFY(readFileBytes(dir.filePath("page.TAB")).contains("Region\tYes"));
    // Cancel writes nothing.
    const int before = QDir(dir.path()).count();
    ed.SaveTableToDisk(QString(), ed.GridView);
    QCOMPARE(int(QDir(dir.path()).count()), before);

    // XML: the first row names the fields and stays the header row.
    GridData &g = ed.GridView->grid();
    g.clear();
    g.setFixedRows(0);
    g.reset(2, 3);
    g.setText(0, 0, "Category");
    g.setText(0, 1, "# of cases");
    g.setText(0, 2, "%");
    g.setText(1, 0, "A");
    ed.GridView->refresh();
    dlg->answer("saveFiltered", dir.filePath("t.XML"));
    ed.SaveTableToDisk(QString(), ed.GridView);
    const QByteArray xml = readFileBytes(dir.filePath("t.xml"));
    QVERIFY(xml.contains("<Category>A</Category>"));
    QVERIFY(xml.contains("<no_of_cases></no_of_cases>") || xml.contains("<no_of_cases/>"));
    QVERIFY(xml.contains("<_"));
    QCOMPARE(g.fixedRows(), 1);
}

void TestGridEditor::saveToFileByExtension()
{
    TGridEditor ed;
    makeCrosstab(ed.GridView->grid());
    ed.GridView->refresh();
    QTemporaryDir dir;
    for (const QString &ext : ed.saveExtensions()) {
        const QString name = dir.filePath("out." + ext);
        ed.saveToFile(name);
        const QString written = ext == "xls" ? dir.filePath("out.xlsx") : name;
        QVERIFY2(QFileInfo(written).size() > 0, qPrintable(ext));
    }
    QVERIFY(!QFileInfo::exists(dir.filePath("out.xls")));
    QVERIFY(readFileBytes(dir.filePath("out.doc")).startsWith("{\\rtf"));
    const QString keep = qEnvironmentVariable("TESSARY_GRID_KEEP");
    if (!keep.isEmpty()) {
        for (const char *ext : {"rtf", "docx", "xlsx", "htm"})
            QFile::copy(dir.filePath(QStringLiteral("out.") + ext), keep + "/out." + ext);
    }
    // The native file loads back as the same table.
    TGridEditor other;
    other.loadFile(dir.filePath("out.grid2"));
    QCOMPARE(other.GridView->grid().text(3, 1), QString("-12,5"));
    QCOMPARE(other.GridView->grid().fixedColumns(), 0); // files are loaded without one
    bool thrown = false;
    try {
        ed.saveToFile(dir.filePath("out.pdf"));
    } catch (const TessaryError &e) {
        thrown = e.message().contains("pdf");
    }
    QVERIFY(thrown);
}

void TestGridEditor::importFiles()
{
    ScriptedDialogsScope dlg;
    QTemporaryDir dir;
    TGridEditor ed;
    writeFileBytes(dir.filePath("a.csv"), "h1,h2\n1,2\n3,\"open\n4,5\n");
    ed.loadFile(dir.filePath("a.csv"));
    QCOMPARE(ed.GridView->grid().rowCount(), 3);
    QCOMPARE(ed.GridView->grid().text(1, 1), QString("2"));
    QCOMPARE(dlg->asked.size(), 1);
    QVERIFY(dlg->asked.first().startsWith("message: a.csv: Line 3"));
    QVERIFY(!ed.lastImportWarning().isEmpty());
    // Columns are widened to their texts.
    writeFileBytes(dir.filePath("b.tab"), "a very long header text\tx\n1\t2\n");
    ed.loadFile(dir.filePath("b.tab"));
    QCOMPARE(ed.GridView->grid().text(0, 0), QString("a very long header text"));
    QVERIFY(ed.GridView->grid().columnWidth(0) > 100);
    QCOMPARE(dlg->asked.size(), 1);
    // Not a table: an error, and an empty grid.
    writeFileBytes(dir.filePath("c.grid2"), "garbage");
    bool thrown = false;
    try {
        ed.loadFile(dir.filePath("c.grid2"));
    } catch (const TessaryError &) {
        thrown = true;
    }
    QVERIFY(thrown);
    QCOMPARE(ed.GridView->grid().text(0, 0), QString());
}

void TestGridEditor::printingAndPreview()
{
    ScriptedDialogsScope dlg;
    QTemporaryDir dir;
    TGridEditor ed;
    makeCrosstab(ed.GridView->grid());
    ed.GridView->refresh();
    QCOMPARE(ed.printer()->pageLayout().orientation(), QPageLayout::Landscape);
    ed.printer()->setOutputFormat(QPrinter::PdfFormat);
    ed.printer()->setOutputFileName(dir.filePath("p.pdf"));
    // Cancelling the title prompt prints nothing.
    ed.PrintTheGrid("Crosstab", ed.GridView);
    QCOMPARE(dlg->asked, QStringList({"input: Printing title"}));
    QVERIFY(!QFileInfo::exists(dir.filePath("p.pdf")));
    dlg->answer("input", "My title");
    dlg->answer("print", true);
    ed.PrintTheGrid("Crosstab", ed.GridView);
    QVERIFY(readFileBytes(dir.filePath("p.pdf")).startsWith("%PDF"));
    QCOMPARE(ed.printer()->pageLayout().orientation(), QPageLayout::Landscape);

    ed.printer()->setOutputFileName(dir.filePath("preview.pdf"));
    dlg->answer("input", "");
    dlg->answer("preview", true);
    ed.PreviewBtnClick();
    QVERIFY(dlg->asked.contains("printPreview: "));
    QVERIFY(readFileBytes(dir.filePath("preview.pdf")).startsWith("%PDF"));
}

void TestGridEditor::findAndReplace()
{
    ScriptedDialogsScope dlg;
    TGridEditor ed;
    makeCrosstab(ed.GridView->grid());
    ed.GridView->refresh();
    GridFindDialog find(ed.GridView, false);
    find.setFindText("zzz");
    QVERIFY(!find.findNext());
    QCOMPARE(dlg->asked.last(), QString("message: Could not find text"));
    find.setFindText("200");
    find.setWholeCell(true);
    QVERIFY(find.findNext());
    QCOMPARE(ed.GridView->currentCell(), QPoint(3, 1));
    QVERIFY(find.findNext());
    QCOMPARE(ed.GridView->currentCell(), QPoint(3, 2));
    QVERIFY(!find.findNext());
    QCOMPARE(dlg->asked.last(), QString("message: No more occurences of text \"200\""));
    // Then the search starts again from the top.
    QVERIFY(find.findNext());
    QCOMPARE(ed.GridView->currentCell(), QPoint(3, 1));

    GridFindDialog repl(ed.GridView, true);
    repl.setFindText("200");
    repl.setReplaceText("two hundred");
    dlg->answer("confirm", true);
    dlg->answer("confirm", false);
    QCOMPARE(repl.replaceAll(), 1);
    QCOMPARE(dlg->asked.count("confirm: Replace this occurence ?"), 2);
    QCOMPARE(ed.GridView->grid().text(1, 3), QString("two hundred"));
    QCOMPARE(ed.GridView->grid().text(2, 3), QString("200"));
    QVERIFY(PageModified);
    ed.UndoClick();
    QCOMPARE(ed.GridView->grid().text(1, 3), QString("200"));
    repl.setPromptOnReplace(false);
    repl.setWholeCell(false);
    repl.setFindText("0");
    repl.setReplaceText("o");
    QCOMPARE(repl.replaceAll(), 8);
    QCOMPARE(ed.GridView->grid().text(4, 3), QString("14oo"));
}

void TestGridEditor::actionsAndRender()
{
    TGridEditor ed;
    for (const char *name :
         {"SaveBtnClick",      "PrintBtnClick",      "Cut1Click",         "Copy1Click",
          "Paste1Click",       "CopyFormattedClick", "ClearSelection",    "EntireRowClick",
          "EntireColumnClick", "Font1Click",         "Center1Click",      "Center2Click",
          "Right1Click",       "GridBold",           "GridItalic",        "GridUnderline",
          "Fixedrow1Click",    "Fixedcolumn1Click",  "isMultilinesClick", "FindClick",
          "ReplaceClick",      "UndoClick",          "RedoClick",         "GridBarDblClick"}) {
        QAction *a = ed.action(name);
        QVERIFY2(a && a->objectName() == name, name);
    }
    // Hidden columns come back and narrow ones widen to 30 pixels.
    GridData &g = ed.GridView->grid();
    makeCrosstab(g);
    g.setColumnHidden(1, true);
    g.setColumnWidth(2, 5);
    ed.GridView->refresh();
    ed.action("GridBarDblClick")->trigger();
    QVERIFY(!g.isColumnHidden(1));
    QCOMPARE(g.columnWidth(2), 30);
    QVERIFY(PageModified);

    makeCrosstab(g);
    for (int c = 0; c < 4; ++c)
        g.setColumnWidth(c, c == 0 ? 120 : 80);
    ed.GridView->refresh();
    const QImage img = ed.renderImage(QSize(420, 160));
    QCOMPARE(img.size(), QSize(420, 160));
    const QString png = qEnvironmentVariable("TESSARY_GRID_PNG");
    if (!png.isEmpty())
        img.save(png);
    // The header's dark blue is there, and so is black text on white.
    QVERIFY(img.pixelColor(125, 3) == QColor(0x1F, 0x4E, 0x79));
    int dark = 0;
    for (int x = 120; x < 400; ++x)
        for (int y = 20; y < 110; ++y)
            dark += qGray(img.pixel(x, y)) < 100;
    QVERIFY(dark > 50);
}

int runGridEditorTests(int argc, char **argv)
{
    TestGridEditor t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_grideditor.moc"
