// TGridEditor: files and printing.
#include "editors/table/TGridEditor.h"

#include "platform/TessaryError.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/grid/GridControl.h"
#include "platform/grid/GridFiles.h"
#include "platform/grid/GridMeasure.h"
#include "platform/grid/GridPrinter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>

namespace {

// The name with its extension (if any) replaced by ext.
QString withExtension(const QString &name, const QString &ext)
{
    const QFileInfo fi(name);
    const QString suffix = fi.suffix();
    QString base = name;
    if (!suffix.isEmpty())
        base.chop(suffix.size() + 1);
    return base + ext;
}

} // namespace

QString TGridEditor::saveFilter()
{
    // Entry n writes GridFiles::Format n.
    return tr("ASCII file (*.txt)|*.TXT|Tab delimited (*.tab)|*.TAB|"
              "Comma delimited (*.csv)|*.CSV|Excel (*.xlsx)|*.XLSX;*.XLS|"
              "MS Word (*.doc)|*.DOC|HTML file (*.htm;*.html)|*.HTM;*.HTML|"
              "XML file (*.xml)|*.XML|Word document (*.docx)|*.DOCX|"
              "Rich text (*.rtf)|*.RTF|Table file (*.grid2)|*.GRID2");
}

QStringList TGridEditor::saveExtensions() const
{
    return {"txt", "tab",  "csv", "xlsx", "xls", "rtf",
            "doc", "docx", "htm", "html", "xml", "grid2"};
}

void TGridEditor::writeFile(GridControl *grid, int format, const QString &fileName)
{
    if (format == GridFiles::Xml) {
        // The first row names the fields and stays the header row afterwards.
        grid->setFixedRows(1);
    }
    GridFiles::write(grid->grid(), GridFiles::Format(format), fileName);
}

void TGridEditor::SaveTableToDisk(const QString &initialName, GridControl *grid)
{
    int filter = GridFiles::PlainText;
    const QString chosen =
        dialogs().saveFileFiltered(this, tr("Export table"), initialName, saveFilter(), filter);
    if (chosen.isEmpty())
        return;
    // A typed extension overrides the filter entry; ".HTML" and unknown ones do not.
    const QString ext = QFileInfo(chosen).suffix().toUpper();
    static const QHash<QString, int> byExtension = {
        {"TXT", GridFiles::PlainText},      {"TAB", GridFiles::TabDelimited},
        {"CSV", GridFiles::CommaDelimited}, {"XLS", GridFiles::Spreadsheet},
        {"XLSX", GridFiles::Spreadsheet},   {"DOC", GridFiles::WordDocument},
        {"HTM", GridFiles::Html},           {"XML", GridFiles::Xml},
        {"DOCX", GridFiles::Docx},          {"RTF", GridFiles::RichText},
        {"GRID2", GridFiles::Native}};
    filter = byExtension.value(ext, filter);
    if (filter < GridFiles::PlainText || filter > GridFiles::Native)
        filter = GridFiles::PlainText;
    // The dialog disappears before a long export starts.
    QCoreApplication::processEvents();
    const QString out = withExtension(QFileInfo(chosen).absoluteFilePath(),
                                      GridFiles::extensionOf(GridFiles::Format(filter)));
    writeFile(grid, filter, out);
}

void TGridEditor::SaveBtnClick()
{
    SaveTableToDisk(QString(), GridView);
}

void TGridEditor::saveToFile(const QString &fileName)
{
    const GridFiles::Format format = GridFiles::formatForExtension(QFileInfo(fileName).suffix());
    if (format == GridFiles::None)
        throw TessaryError(
            tr("Tables cannot be written as \"%1\".").arg(QFileInfo(fileName).suffix()));
    // Spreadsheets are always Office Open XML files, named ".xlsx".
    const QString out =
        format == GridFiles::Spreadsheet ? withExtension(fileName, ".xlsx") : fileName;
    writeFile(GridView, format, out);
}

void TGridEditor::loadFile(const QString &fileName)
{
    GridData &g = GridView->grid();
    g.clear();
    m_importWarning.clear();
    QString warning;
    try {
        warning = GridFiles::read(g, fileName);
    } catch (const TessaryError &) {
        g.clear();
        afterLoad();
        throw;
    }
    const QString upper = fileName.toUpper();
    if (upper.contains(QLatin1String(".CSV")) || upper.contains(QLatin1String(".TAB"))) {
        GridMeasure::fitColumnWidths(g, 40, 320);
    } else {
        g.showAllColumns();
        g.setFixedColumns(0);
        for (int c = 0; c < g.columnCount(); ++c) {
            if (g.columnWidth(c) < 4)
                g.setColumnWidth(c, 20);
        }
    }
    afterLoad();
    if (!warning.isEmpty()) {
        m_importWarning = warning;
        dialogs().message(this, QFileInfo(fileName).fileName() + QStringLiteral(": ") + warning,
                          Dialogs::Icon::Warning);
    }
}

// ---- Printing ------------------------------------------------------------------------

QPrinter *TGridEditor::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageOrientation(QPageLayout::Landscape);
    }
    return m_printer.get();
}

void TGridEditor::PrintTheGrid(const QString &title, GridControl *grid)
{
    const auto answer = dialogs().inputText(this, tr("Printing title"), tr("Title:"), title);
    if (!answer)
        return;
    QPrinter *p = printer();
    const QPageLayout::Orientation before = p->pageLayout().orientation();
    GridPrinter::Settings s;
    s.title = *answer;
    // Without multi-line cells only the table's outline is drawn.
    s.cellLines = grid->grid().multiLine();
    if (dialogs().print(this, p))
        GridPrinter(grid->grid()).print(p, s);
    p->setPageOrientation(before);
}

void TGridEditor::PrintBtnClick()
{
    PrintTheGrid(QString(), GridView);
}

void TGridEditor::PreviewTheGrid(const QString &title, GridControl *grid)
{
    const auto answer = dialogs().inputText(this, tr("Printing title"), tr("Title:"), title);
    if (!answer)
        return;
    QPrinter *p = printer();
    const QPageLayout::Orientation before = p->pageLayout().orientation();
    GridPrinter::Settings s;
    s.title = *answer;
    s.cellLines = grid->grid().multiLine();
    const GridData &data = grid->grid();
    dialogs().printPreview(this, p,
                           [&data, &s](QPrinter *target) { GridPrinter(data).print(target, s); });
    p->setPageOrientation(before);
}

void TGridEditor::PreviewBtnClick()
{
    PreviewTheGrid(QString(), GridView);
}

void TGridEditor::PrintSetupClick()
{
    dialogs().printerSetup(this, printer());
}
