#include "platform/grid/GridControl.h"

#include "platform/grid/DelimitedText.h"
#include "platform/grid/GridDelegate.h"
#include "platform/grid/GridHeaderView.h"
#include "platform/grid/GridHtml.h"
#include "platform/grid/GridHtmlReader.h"
#include "platform/grid/GridMeasure.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/GridPaint.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QUndoStack>

GridControl::GridControl(QWidget *parent) : QTableView(parent)
{
    m_undo = new QUndoStack(this);
    m_model = new GridModel(&m_data, m_undo, this);
    m_top = new GridHeaderView(Qt::Horizontal, m_model, this);
    m_left = new GridHeaderView(Qt::Vertical, m_model, this);
    setHorizontalHeader(m_top);
    setVerticalHeader(m_left);
    setModel(m_model);
    m_delegate = new GridDelegate(m_model, this);
    setItemDelegate(m_delegate);

    m_top->setSectionResizeMode(QHeaderView::Interactive);
    m_left->setSectionResizeMode(QHeaderView::Interactive);
    m_top->setDefaultSectionSize(GridData::DefaultColumnWidth);
    m_left->setDefaultSectionSize(GridData::DefaultRowHeight);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setShowGrid(true);

    connect(m_top, &QHeaderView::sectionResized, this, &GridControl::onColumnResized);
    connect(m_left, &QHeaderView::sectionResized, this, &GridControl::onRowResized);
    connect(m_top, &QHeaderView::sectionClicked, this,
            [this](int s) { emit cellClicked(s + m_data.fixedColumns(), 0); });
    connect(m_top, &QHeaderView::sectionDoubleClicked, this,
            [this](int s) { emit cellDoubleClicked(s + m_data.fixedColumns(), 0); });
    connect(m_left, &QHeaderView::sectionClicked, this,
            [this](int s) { emit cellClicked(0, s + m_data.fixedRows()); });
    connect(m_left, &QHeaderView::sectionDoubleClicked, this,
            [this](int s) { emit cellDoubleClicked(0, s + m_data.fixedRows()); });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &i) {
        emit cellClicked(m_model->gridColumn(i), m_model->gridRow(i));
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &i) {
        emit cellDoubleClicked(m_model->gridColumn(i), m_model->gridRow(i));
    });
    connect(m_model, &GridModel::textsChanged, this, &GridControl::contentChanged);

    // The corner above the fixed column and left of the fixed row shows its cell.
    m_corner = findChild<QAbstractButton *>();
    if (m_corner)
        m_corner->installEventFilter(this);
    applyLayout();
}

GridControl::~GridControl() = default;

void GridControl::refresh()
{
    m_model->beginChange();
    m_model->endChange();
    m_undo->clear();
    applyLayout();
}

void GridControl::applyLayout()
{
    m_applying = true;
    const int fr = m_data.fixedRows();
    const int fc = m_data.fixedColumns();
    m_top->setVisible(fr > 0);
    if (fr > 0)
        m_top->setExtent(m_data.rowHeight(0));
    const bool leftShown = fc > 0 && !m_data.isColumnHidden(0);
    m_left->setVisible(leftShown);
    if (leftShown)
        m_left->setExtent(m_data.columnWidth(0));
    for (int c = fc; c < m_data.columnCount(); ++c) {
        const int s = c - fc;
        if (m_top->sectionSize(s) != m_data.columnWidth(c) && m_data.columnWidth(c) > 0)
            m_top->resizeSection(s, m_data.columnWidth(c));
        setColumnHidden(s, m_data.isColumnHidden(c) || m_data.columnWidth(c) == 0);
    }
    for (int r = fr; r < m_data.rowCount(); ++r) {
        const int s = r - fr;
        if (m_left->sectionSize(s) != m_data.rowHeight(r))
            m_left->resizeSection(s, m_data.rowHeight(r));
    }
    m_applying = false;
    updateGeometries();
    viewport()->update();
    if (m_corner)
        m_corner->update();
}

void GridControl::cellsChanged(int top, int left, int bottom, int right)
{
    m_model->cellsChanged(top, left, bottom, right);
    m_top->viewport()->update();
    m_left->viewport()->update();
    if (m_corner)
        m_corner->update();
}

void GridControl::beginUpdate()
{
    if (m_updateDepth++ == 0)
        setUpdatesEnabled(false);
}

void GridControl::endUpdate()
{
    if (m_updateDepth > 0 && --m_updateDepth == 0)
        setUpdatesEnabled(true);
}

void GridControl::clearGrid()
{
    m_data.clear();
    refresh();
}

void GridControl::onColumnResized(int section, int, int newSize)
{
    if (m_applying)
        return;
    m_data.setColumnWidth(section + m_data.fixedColumns(), newSize);
    emit contentChanged();
}

void GridControl::onRowResized(int section, int, int newSize)
{
    if (m_applying)
        return;
    m_data.setRowHeight(section + m_data.fixedRows(), newSize);
    emit contentChanged();
}

// ---- Selection ---------------------------------------------------------------

QRect GridControl::selectionRect() const
{
    const QItemSelection sel = selectionModel()->selection();
    const int fr = m_data.fixedRows();
    const int fc = m_data.fixedColumns();
    if (sel.isEmpty()) {
        const QModelIndex cur = currentIndex();
        if (!cur.isValid())
            return QRect();
        return QRect(QPoint(cur.column() + fc, cur.row() + fr), QSize(1, 1));
    }
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const QItemSelectionRange &r : sel) {
        top = qMin(top, r.top());
        left = qMin(left, r.left());
        bottom = qMax(bottom, r.bottom());
        right = qMax(right, r.right());
    }
    return QRect(QPoint(left + fc, top + fr), QPoint(right + fc, bottom + fr));
}

QVector<QPoint> GridControl::selectedCells() const
{
    QVector<QPoint> cells;
    const QRect r = selectionRect();
    if (!r.isValid())
        return cells;
    cells.reserve(r.width() * r.height());
    for (int row = r.top(); row <= r.bottom(); ++row)
        for (int c = r.left(); c <= r.right(); ++c)
            cells.append(QPoint(c, row));
    return cells;
}

QPoint GridControl::currentCell() const
{
    const QModelIndex cur = currentIndex();
    if (!cur.isValid())
        return QPoint(-1, -1);
    return QPoint(m_model->gridColumn(cur), m_model->gridRow(cur));
}

void GridControl::setCurrentCell(int row, int column)
{
    const QModelIndex i = m_model->cellIndex(row, column);
    if (i.isValid())
        selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
}

void GridControl::selectCells(int top, int left, int bottom, int right)
{
    const QModelIndex a =
        m_model->cellIndex(qMax(top, m_data.fixedRows()), qMax(left, m_data.fixedColumns()));
    const QModelIndex b = m_model->cellIndex(bottom, right);
    if (!a.isValid() || !b.isValid())
        return;
    selectionModel()->setCurrentIndex(a, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(a, b), QItemSelectionModel::ClearAndSelect);
}

void GridControl::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        emit cellSelected(m_model->gridColumn(current), m_model->gridRow(current));
}

// ---- Clipboard -----------------------------------------------------------------

QMimeData *GridControl::mimeData(int top, int left, int bottom, int right) const
{
    QString text;
    for (int r = top; r <= bottom; ++r) {
        QStringList fields;
        for (int c = left; c <= right; ++c) {
            if (!m_data.isColumnHidden(c))
                fields << DelimitedText::quoteField(m_data.text(r, c), QLatin1Char('\t'));
        }
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    auto *mime = new QMimeData;
    mime->setText(text);
    const QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>") +
                         GridHtml::table(m_data, top, left, bottom, right) +
                         QStringLiteral("</body></html>");
    mime->setHtml(html);
    return mime;
}

void GridControl::copyToClipboard()
{
    const QRect r = selectionRect();
    if (!r.isValid())
        return;
    QGuiApplication::clipboard()->setMimeData(mimeData(r.top(), r.left(), r.bottom(), r.right()));
}

void GridControl::copyWholeGrid()
{
    if (m_data.rowCount() == 0 || m_data.columnCount() == 0)
        return;
    QGuiApplication::clipboard()->setMimeData(
        mimeData(0, 0, m_data.rowCount() - 1, m_data.columnCount() - 1));
}

void GridControl::cutToClipboard()
{
    copyToClipboard();
    clearSelectedCells();
}

void GridControl::clearSelectedCells()
{
    QVector<CellText> changes;
    for (const QPoint &p : selectedCells())
        changes.append({p.y(), p.x(), m_data.text(p.y(), p.x()), QString()});
    m_model->setTexts(changes, tr("Clear"));
}

void GridControl::pasteFromClipboard()
{
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    if (!mime)
        return;
    // A table copied from a spreadsheet, a word processor or a browser comes
    // as HTML too; its cells are exact where the plain text is not (line
    // breaks, tabs inside cells, merged cells).
    QVector<QStringList> rows;
    if (mime->hasHtml())
        rows = GridHtmlReader::readTable(mime->html());
    if (rows.isEmpty() && mime->hasText())
        rows = DelimitedText::parse(mime->text(), QLatin1Char('\t')).rows;
    if (rows.isEmpty())
        return;
    QRect sel = selectionRect();
    if (!sel.isValid())
        sel = QRect(m_data.fixedColumns(), m_data.fixedRows(), 1, 1);
    QVector<CellText> changes;
    if (rows.size() == 1 && rows[0].size() == 1) {
        // One value fills the whole selection.
        for (const QPoint &p : selectedCells())
            changes.append({p.y(), p.x(), m_data.text(p.y(), p.x()), rows[0][0]});
        if (changes.isEmpty())
            changes.append({sel.top(), sel.left(), m_data.text(sel.top(), sel.left()), rows[0][0]});
        m_model->setTexts(changes, tr("Paste"));
        return;
    }
    int width = 0;
    for (const QStringList &r : rows)
        width = qMax(width, int(r.size()));
    const int needRows = sel.top() + rows.size();
    const int needColumns = sel.left() + width;
    if (needRows > m_data.rowCount() || needColumns > m_data.columnCount()) {
        // The table grows to take what is pasted.
        m_model->beginChange();
        m_data.setSize(qMax(needRows, m_data.rowCount()), qMax(needColumns, m_data.columnCount()));
        m_model->endChange();
        applyLayout();
    }
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            changes.append({sel.top() + r, sel.left() + c,
                            m_data.text(sel.top() + r, sel.left() + c), rows[r][c]});
    m_model->setTexts(changes, tr("Paste"));
    selectCells(sel.top(), sel.left(), needRows - 1, needColumns - 1);
}

// ---- Structure -------------------------------------------------------------------

void GridControl::setFixedRows(int n)
{
    m_model->beginChange();
    m_data.setFixedRows(n);
    m_model->endChange();
    applyLayout();
}

void GridControl::setFixedColumns(int n)
{
    m_model->beginChange();
    m_data.setFixedColumns(n);
    m_model->endChange();
    applyLayout();
}

void GridControl::removeRows(int row, int count)
{
    m_model->beginChange();
    m_data.removeRows(row, count);
    m_model->endChange();
    m_undo->clear();
    applyLayout();
}

void GridControl::removeColumns(int column, int count)
{
    m_model->beginChange();
    m_data.removeColumns(column, count);
    m_model->endChange();
    m_undo->clear();
    applyLayout();
}

void GridControl::showAllColumns()
{
    m_data.showAllColumns();
    applyLayout();
}

void GridControl::setGridWordWrap(bool on)
{
    m_data.setWordWrap(on);
    viewport()->update();
}

void GridControl::sizeRowsToContent(int first, int last)
{
    GridMeasure::sizeRowsToContent(m_data, first, last);
    applyLayout();
}

void GridControl::sortRows()
{
    if (m_sortColumn < 0 || m_sortColumn >= m_data.columnCount())
        return;
    m_model->beginChange();
    m_data.sortRows(m_sortColumn, m_sortAscending, m_data.fixedRows());
    m_model->endChange();
    m_undo->clear();
    applyLayout();
}

QPoint GridControl::findText(const QString &text, QPoint after, bool matchCase,
                             bool wholeCell) const
{
    if (text.isEmpty())
        return QPoint(-1, -1);
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const int fr = m_data.fixedRows();
    const int fc = m_data.fixedColumns();
    int row = qMax(after.y(), fr);
    int column = after.y() < fr ? fc : after.x() + 1;
    for (; row < m_data.rowCount(); ++row, column = fc) {
        for (column = qMax(column, fc); column < m_data.columnCount(); ++column) {
            const QString &t = m_data.text(row, column);
            const bool hit = wholeCell ? t.compare(text, cs) == 0 : t.contains(text, cs);
            if (hit)
                return QPoint(column, row);
        }
    }
    return QPoint(-1, -1);
}

// ---- Events ------------------------------------------------------------------------

void GridControl::keyPressEvent(QKeyEvent *event)
{
    if (state() != QAbstractItemView::EditingState) {
        if (event->matches(QKeySequence::Copy)) {
            copyToClipboard();
            return;
        }
        if (event->matches(QKeySequence::Cut)) {
            cutToClipboard();
            return;
        }
        if (event->matches(QKeySequence::Paste)) {
            pasteFromClipboard();
            return;
        }
        if (event->matches(QKeySequence::Undo)) {
            m_undo->undo();
            return;
        }
        if (event->matches(QKeySequence::Redo)) {
            m_undo->redo();
            return;
        }
        if (event->key() == Qt::Key_Delete) {
            clearSelectedCells();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

bool GridControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_corner && event->type() == QEvent::Paint) {
        QPainter p(m_corner);
        GridPaint::paintCell(&p, m_corner->rect(), m_data, 0, 0);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}
