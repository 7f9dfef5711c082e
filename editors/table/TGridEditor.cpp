#include "editors/table/TGridEditor.h"

#include "editors/table/TableLogging.h"
#include "platform/TessaryError.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/grid/GridControl.h"
#include "platform/grid/GridFindDialog.h"
#include "platform/grid/GridMeasure.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/GridStream.h"
#include "store/PageState.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QPrinter>
#include <QUndoStack>
#include <QVBoxLayout>

TGridEditor::TGridEditor(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TGridEditor"));
    GridView = new GridControl(this);
    GridView->setObjectName(QStringLiteral("GridView"));
    CGrid = new GridControl(this);
    CGrid->setObjectName(QStringLiteral("CGrid"));
    CGrid->hide();
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(GridView);

    connect(GridView, &GridControl::contentChanged, this, [] { PageModified = true; });
    connect(GridView, &GridControl::cellSelected, this, &TGridEditor::GridViewSelectCell);
    connect(GridView, &GridControl::cellClicked, this, &TGridEditor::GridViewClickCell);
    connect(GridView, &GridControl::cellDoubleClicked, this, &TGridEditor::GridViewDblClickCell);

    addOperation(
        "SaveBtnClick", tr("Export..."), [this] { SaveBtnClick(); }, "document-save-as");
    addOperation(
        "PrintBtnClick", tr("Print..."), [this] { PrintBtnClick(); }, "document-print");
    addOperation(
        "PreviewBtnClick", tr("Print preview..."), [this] { PreviewBtnClick(); },
        "document-print-preview");
    addOperation("PrintSetupClick", tr("Print setup..."), [this] { PrintSetupClick(); });
    addOperation(
        "Cut1Click", tr("Cut"), [this] { Cut1Click(); }, "edit-cut");
    addOperation(
        "Copy1Click", tr("Copy"), [this] { Copy1Click(); }, "edit-copy");
    addOperation(
        "Paste1Click", tr("Paste"), [this] { Paste1Click(); }, "edit-paste");
    addOperation("CopyFormattedClick", tr("Copy + Headers"), [this] { CopyFormattedClick(); });
    addOperation(
        "ClearSelection", tr("Clear"), [this] { ClearSelection(); }, "edit-clear");
    addOperation("EntireRowClick", tr("Entire row"), [this] { EntireRowClick(); });
    addOperation("EntireColumnClick", tr("Entire column"), [this] { EntireColumnClick(); });
    addOperation(
        "Font1Click", tr("Font..."), [this] { Font1Click(); }, "preferences-desktop-font");
    addOperation(
        "FontColorClick", tr("Font color..."), [this] { FontColorClick(); }, "format-text-color");
    addOperation(
        "BackColorClick", tr("Background color..."), [this] { BackColorClick(); },
        "format-fill-color");
    m_alignGroup = new QActionGroup(this);
    m_alignGroup->addAction(addOperation(
        "Center1Click", tr("Left"), [this] { Center1Click(); }, "format-justify-left"));
    m_alignGroup->addAction(addOperation(
        "Center2Click", tr("Center"), [this] { Center2Click(); }, "format-justify-center"));
    m_alignGroup->addAction(addOperation(
        "Right1Click", tr("Right"), [this] { Right1Click(); }, "format-justify-right"));
    for (QAction *a : m_alignGroup->actions())
        a->setCheckable(true);

    // Bold, italic and underline add their style when pressed and remove it when released.
    const char *styles[] = {"GridBold", "GridItalic", "GridUnderline"};
    const char *styleIcons[] = {"format-text-bold", "format-text-italic", "format-text-underline"};
    const QString styleTexts[] = {tr("Bold"), tr("Italic"), tr("Underline")};
    for (int s = 0; s < 3; ++s) {
        QAction *a = addOperation(styles[s], styleTexts[s], nullptr, styleIcons[s]);
        a->setCheckable(true);
        connect(a, &QAction::toggled, this, [this, s](bool on) {
            if (m_showingFormat)
                return;
            on ? AddFontStyle(s) : RemoveFontStyle(s);
        });
    }
    QAction *fr = addOperation("Fixedrow1Click", tr("Fixed row"), [this] { Fixedrow1Click(); });
    fr->setCheckable(true);
    QAction *fc =
        addOperation("Fixedcolumn1Click", tr("Fixed column"), [this] { Fixedcolumn1Click(); });
    fc->setCheckable(true);
    QAction *ml = addOperation(
        "isMultilinesClick", tr("Multi-line cells"), [this] { isMultilinesClick(); },
        "format-text-direction-ltr");
    ml->setCheckable(true);
    QAction *find = addOperation(
        "FindClick", tr("Find..."), [this] { FindClick(); }, "edit-find");
    find->setShortcut(QKeySequence::Find);
    QAction *repl = addOperation(
        "ReplaceClick", tr("Replace..."), [this] { ReplaceClick(); }, "edit-find-replace");
    repl->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    addOperation(
        "UndoClick", tr("Undo"), [this] { UndoClick(); }, "edit-undo");
    addOperation(
        "RedoClick", tr("Redo"), [this] { RedoClick(); }, "edit-redo");
    addOperation("GridBarDblClick", tr("Show all columns"), [this] { GridBarDblClick(); });
    for (QAction *a : {find, repl}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
    }

    buildMenu();
    GridView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(GridView, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        PopupMenu1Popup();
        m_popup->popup(GridView->viewport()->mapToGlobal(pos));
    });
    clearContent();
}

TGridEditor::~TGridEditor() = default;

QAction *TGridEditor::addOperation(const QString &name, const QString &text,
                                   const std::function<void()> &run, const QString &icon)
{
    auto *a = new QAction(text, this);
    a->setObjectName(name);
    if (!icon.isEmpty())
        a->setIcon(QIcon::fromTheme(icon));
    if (run)
        connect(a, &QAction::triggered, this, [run] { run(); });
    m_actions.insert(name, a);
    return a;
}

QAction *TGridEditor::action(const QString &name) const
{
    return m_actions.value(name);
}

void TGridEditor::buildMenu()
{
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    m_popup->addAction(action("SaveBtnClick"));
    m_popup->addAction(action("PrintBtnClick"));
    m_popup->addAction(action("PreviewBtnClick"));
    m_popup->addAction(action("PrintSetupClick"));
    m_popup->addSeparator();
    m_popup->addAction(action("UndoClick"));
    m_popup->addAction(action("RedoClick"));
    m_popup->addSeparator();
    m_popup->addAction(action("Cut1Click"));
    m_popup->addAction(action("Copy1Click"));
    m_popup->addAction(action("CopyFormattedClick"));
    m_popup->addAction(action("Paste1Click"));
    m_popup->addAction(action("ClearSelection"));
    QMenu *del = m_popup->addMenu(tr("Delete"));
    del->addAction(action("EntireRowClick"));
    del->addAction(action("EntireColumnClick"));
    m_popup->addSeparator();
    m_popup->addAction(action("Font1Click"));
    m_popup->addAction(action("FontColorClick"));
    m_popup->addAction(action("BackColorClick"));
    QMenu *align = m_popup->addMenu(tr("Alignment"));
    align->addAction(action("Center1Click"));
    align->addAction(action("Center2Click"));
    align->addAction(action("Right1Click"));
    QMenu *table = m_popup->addMenu(tr("Table"));
    table->addAction(action("Fixedrow1Click"));
    table->addAction(action("Fixedcolumn1Click"));
    table->addAction(action("isMultilinesClick"));
    table->addAction(action("GridBarDblClick"));
    m_popup->addSeparator();
    m_popup->addAction(action("FindClick"));
    m_popup->addAction(action("ReplaceClick"));
}

// ---- Stored content ----------------------------------------------------------

QByteArray TGridEditor::saveContent()
{
    return GridStream::write(GridView->grid());
}

void TGridEditor::afterLoad()
{
    GridView->grid().showAllColumns();
    GridView->setSortColumn(0);
    GridView->setSortAscending(true);
    GridView->refresh();
    action("isMultilinesClick")->setChecked(GridView->grid().wordWrap());
    emit multilinesShown(GridView->grid().wordWrap());
    LastSortColumn = -1;
}

void TGridEditor::loadContent(const QByteArray &bytes, const QString &)
{
    GridView->beginUpdate();
    try {
        GridStream::read(bytes, GridView->grid());
    } catch (const TessaryError &) {
        afterLoad();
        GridView->endUpdate();
        throw;
    }
    afterLoad();
    GridView->endUpdate();
}

void TGridEditor::clearContent()
{
    GridView->beginUpdate();
    GridView->grid().clear();
    afterLoad();
    GridView->endUpdate();
}

QImage TGridEditor::renderImage(const QSize &size)
{
    // A grid of its own, so that the shown one keeps its size and scroll position.
    GridControl view;
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.grid() = GridView->grid();
    view.refresh();
    view.resize(size);
    view.show();
    QImage image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    view.hide();
    return image;
}

// ---- Selection formatting ------------------------------------------------------

void TGridEditor::formatSelection(const std::function<void(CellFormat &)> &change)
{
    GridData &g = GridView->grid();
    QVector<QPoint> cells = GridView->selectedCells();
    if (cells.isEmpty() && GridView->currentCell().x() >= 0)
        cells << GridView->currentCell();
    for (const QPoint &p : cells) {
        CellFormat f = g.format(p.y(), p.x());
        change(f);
        g.setFormat(p.y(), p.x(), f);
    }
    if (!cells.isEmpty()) {
        const QRect r = GridView->selectionRect();
        GridView->cellsChanged(0, r.left(), r.bottom(), r.right());
    }
    PageModified = true;
}

void TGridEditor::SetAlignment(int alignment)
{
    formatSelection([alignment](CellFormat &f) { f.alignment = alignment; });
    // A whole column below the header selected: its header cell follows.
    const QVector<QPoint> cells = GridView->selectedCells();
    GridData &g = GridView->grid();
    if (!cells.isEmpty() && cells.size() == g.rowCount() - 1 &&
        cells.first().x() == cells.last().x()) {
        CellFormat f = g.format(0, cells.first().x());
        f.alignment = alignment;
        g.setFormat(0, cells.first().x(), f);
        GridView->cellsChanged(0, cells.first().x(), 0, cells.first().x());
    }
}

void TGridEditor::Center1Click()
{
    SetAlignment(CellFormat::Left);
}

void TGridEditor::Center2Click()
{
    SetAlignment(CellFormat::Center);
}

void TGridEditor::Right1Click()
{
    SetAlignment(CellFormat::Right);
}

void TGridEditor::AddFontStyle(int style)
{
    formatSelection([style](CellFormat &f) { f.fontStyle |= (1 << style); });
}

void TGridEditor::RemoveFontStyle(int style)
{
    formatSelection([style](CellFormat &f) { f.fontStyle &= ~(1 << style); });
}

void TGridEditor::SetFontColor(const QColor &color)
{
    formatSelection([color](CellFormat &f) { f.fontColor = color; });
}

void TGridEditor::SetBackColor(const QColor &color)
{
    formatSelection([color](CellFormat &f) { f.backColor = color; });
}

void TGridEditor::FontColorClick()
{
    const QPoint cur = GridView->currentCell();
    const QColor now = GridView->grid().format(cur.y(), cur.x()).fontColor;
    if (const auto c = dialogs().chooseColor(this, now.isValid() ? now : QColor(Qt::black)))
        SetFontColor(*c);
}

void TGridEditor::BackColorClick()
{
    const QPoint cur = GridView->currentCell();
    const QColor now = GridView->grid().format(cur.y(), cur.x()).backColor;
    if (const auto c = dialogs().chooseColor(this, now.isValid() ? now : QColor(Qt::white)))
        SetBackColor(*c);
}

void TGridEditor::Font1Click()
{
    const GridData &g = GridView->grid();
    const QVector<QPoint> cells = GridView->selectedCells();
    const QPoint first = cells.isEmpty() ? GridView->currentCell() : cells.first();
    const QFont initial = g.cellFont(first.y(), first.x());
    if (const auto font = dialogs().chooseFont(this, initial)) {
        const QFont f = *font;
        formatSelection([&f](CellFormat &c) {
            c.fontName = f.family();
            c.fontSize = f.pointSize() > 0 ? f.pointSize() : c.fontSize;
            int style = 0;
            if (f.bold())
                style |= CellFormat::Bold;
            if (f.italic())
                style |= CellFormat::Italic;
            if (f.underline())
                style |= CellFormat::Underline;
            if (f.strikeOut())
                style |= CellFormat::StrikeOut;
            c.fontStyle = style;
        });
    }
    PageModified = true;
}

void TGridEditor::GridViewSelectCell(int column, int row)
{
    const CellFormat &f = GridView->grid().format(row, column);
    m_showingFormat = true;
    action("GridBold")->setChecked(f.fontStyle & CellFormat::Bold);
    action("GridItalic")->setChecked(f.fontStyle & CellFormat::Italic);
    action("GridUnderline")->setChecked(f.fontStyle & CellFormat::Underline);
    action("Center1Click")->setChecked(f.alignment == CellFormat::Left);
    action("Center2Click")->setChecked(f.alignment == CellFormat::Center);
    action("Right1Click")->setChecked(f.alignment == CellFormat::Right);
    m_showingFormat = false;
    emit cellFormatShown(f.fontStyle & CellFormat::Bold, f.fontStyle & CellFormat::Italic,
                         f.fontStyle & CellFormat::Underline, f.alignment,
                         f.fontColor.isValid() ? f.fontColor : QColor(Qt::black),
                         f.backColor.isValid() ? f.backColor : QColor(Qt::white));
}

// ---- Structure -------------------------------------------------------------------

void TGridEditor::EntireRowClick()
{
    const QRect r = GridView->selectionRect();
    if (!r.isValid())
        return;
    const int n = r.bottom() - r.top() + 1;
    if (n < GridView->grid().rowCount()) {
        GridView->removeRows(r.top(), n);
        PageModified = true;
    } else {
        dialogs().message(this, tr("Cannot delete all rows"), Dialogs::Icon::Warning);
    }
}

void TGridEditor::EntireColumnClick()
{
    const QRect r = GridView->selectionRect();
    if (!r.isValid())
        return;
    const int n = r.right() - r.left() + 1;
    if (n < GridView->grid().columnCount()) {
        GridView->removeColumns(r.left(), n);
        PageModified = true;
    } else {
        dialogs().message(this, tr("Cannot delete all collumns"), Dialogs::Icon::Warning);
    }
}

// The check mark follows the grid, so a call from the menu (which has already
// toggled the mark) and a direct call toggle the same way.
void TGridEditor::Fixedrow1Click()
{
    const bool on = GridView->grid().fixedRows() == 0;
    action("Fixedrow1Click")->setChecked(on);
    GridView->setFixedRows(on ? 1 : 0);
}

void TGridEditor::Fixedcolumn1Click()
{
    const bool on = GridView->grid().fixedColumns() == 0;
    action("Fixedcolumn1Click")->setChecked(on);
    GridView->setFixedColumns(on ? 1 : 0);
}

void TGridEditor::PopupMenu1Popup()
{
    action("Fixedrow1Click")->setChecked(GridView->grid().fixedRows() > 0);
    action("Fixedcolumn1Click")->setChecked(GridView->grid().fixedColumns() > 0);
    action("UndoClick")->setEnabled(GridView->undoStack()->canUndo());
    action("RedoClick")->setEnabled(GridView->undoStack()->canRedo());
}

void TGridEditor::isMultilinesClick()
{
    const bool on = action("isMultilinesClick")->isChecked();
    GridData &g = GridView->grid();
    g.setMultiLine(on);
    GridView->beginUpdate();
    g.setWordWrap(on);
    GridMeasure::sizeRowsToContent(g, g.fixedRows(), g.rowCount() - 1);
    for (int r = 1; r < g.rowCount(); ++r) {
        if (g.rowHeight(r) >= 151)
            g.setRowHeight(r, 150);
        else if (g.rowHeight(r) < 15)
            g.setRowHeight(r, 15);
    }
    GridView->applyLayout();
    GridView->endUpdate();
    emit multilinesShown(on);
    PageModified = true;
}

void TGridEditor::GridViewClickCell(int column, int row)
{
    const GridData &g = GridView->grid();
    if (row < g.fixedRows() && g.rowCount() > g.fixedRows())
        GridView->selectCells(g.fixedRows(), column, g.rowCount() - 1, column);
}

void TGridEditor::GridViewDblClickCell(int column, int row)
{
    if (row == 0) {
        // The grid takes the clicked header as its sort column when the header
        // is clicked, so the direction turns only on the header sorted last.
        GridView->setSortColumn(column);
        if (GridView->sortColumn() == LastSortColumn)
            GridView->setSortAscending(!GridView->sortAscending());
        GridView->sortRows();
        LastSortColumn = column;
    }
    PageModified = true;
}

void TGridEditor::GridBarDblClick()
{
    GridData &g = GridView->grid();
    g.showAllColumns();
    for (int c = 0; c < g.columnCount(); ++c) {
        if (g.columnWidth(c) < 30)
            g.setColumnWidth(c, 30);
    }
    GridView->applyLayout();
    PageModified = true;
}

// ---- Clipboard --------------------------------------------------------------------

void TGridEditor::Cut1Click()
{
    GridView->cutToClipboard();
}

void TGridEditor::Copy1Click()
{
    GridView->copyToClipboard();
}

void TGridEditor::Paste1Click()
{
    GridView->pasteFromClipboard();
}

void TGridEditor::ClearSelection()
{
    GridView->clearSelectedCells();
}

void TGridEditor::UndoClick()
{
    GridView->undoStack()->undo();
}

void TGridEditor::RedoClick()
{
    GridView->undoStack()->redo();
}

void TGridEditor::MoveToCGrid()
{
    const QRect sel = GridView->selectionRect();
    if (!sel.isValid())
        return;
    const GridData &src = GridView->grid();
    GridData &dst = CGrid->grid();
    const int L = sel.left(), T = sel.top(), R = sel.right(), B = sel.bottom();
    const int FR = src.fixedRows(), FC = src.fixedColumns();
    dst.clear();
    dst.setFixedRows(FR);
    dst.setFixedColumns(FC);
    dst.reset(B - T + FR + 1, R - L + FC + 1);
    for (int r = 0; r < FR; ++r) {
        dst.setRowHeight(r, src.rowHeight(r));
        for (int c = L; c <= R; ++c) {
            dst.setColumnWidth(c - L + FC, src.columnWidth(c));
            dst.setText(r, c - L + FC, src.text(r, c));
        }
    }
    for (int c = 0; c < FC; ++c) {
        dst.setColumnWidth(c, src.columnWidth(c));
        for (int r = T; r <= B; ++r) {
            dst.setRowHeight(r - T + FR, src.rowHeight(r));
            dst.setText(r - T + FR, c, src.text(r, c));
        }
    }
    for (int c = L; c <= R; ++c)
        for (int r = T; r <= B; ++r)
            dst.setText(r - T + FR, c - L + FC, src.text(r, c));
    CGrid->refresh();
}

void TGridEditor::CopyFormattedClick()
{
    MoveToCGrid();
    CGrid->copyWholeGrid();
}

// ---- Find and replace ---------------------------------------------------------------

void TGridEditor::FindClick()
{
    if (!m_find)
        m_find = new GridFindDialog(GridView, false, this);
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

void TGridEditor::ReplaceClick()
{
    if (!m_replace)
        m_replace = new GridFindDialog(GridView, true, this);
    m_replace->show();
    m_replace->raise();
    m_replace->activateWindow();
}
