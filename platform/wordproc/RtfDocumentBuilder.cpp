#include "platform/wordproc/RtfDocumentBuilder.h"

#include "platform/wordproc/DocumentImages.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

#include <algorithm>

using namespace RtfModel;

namespace {

constexpr int kEdgeTolerance = 20; // twips: cell edges closer than this are one column edge
constexpr int kMaxGridColumns = 64;
constexpr int kFullWidthTwips = 8500; // about the text width of a letter or A4 page

struct GridCell
{
    const Cell *cell = nullptr;
    const CellDef *def = nullptr;
    const RowDef *rowDef = nullptr;
    int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
};

double borderPixels(const Border &b)
{
    return std::max(1.0, b.widthTwips / 15.0);
}

bool sameBorder(const Border &a, const Border &b)
{
    return a.present == b.present && a.style == b.style && a.widthTwips == b.widthTwips &&
           a.colour == b.colour;
}

// The border of one side of a cell: the cell's own, else the row's.
Border sideBorder(const GridCell &g, BorderSide side)
{
    const int s = int(side);
    if (g.def && g.def->borders[s].present)
        return g.def->borders[s];
    if (g.rowDef && g.rowDef->hasRowBorders)
        return g.rowDef->borders[s];
    return Border();
}

} // namespace

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument *doc) : m_doc(doc) {}

void RtfDocumentBuilder::build(const Document &model)
{
    m_model = &model;
    QTextCursor cursor(m_doc);
    // One edit block: the document rescans its frames once at the end, not per table.
    // Inside it the table structure is not up to date, so cell formats and merges are
    // applied after it.
    cursor.beginEditBlock();
    insertBlocks(cursor, model.blocks, 0, false);
    cursor.endEditBlock();
    for (const PendingCell &cell : m_pendingCells)
        cell.table->cellAt(cell.row, cell.column).setFormat(cell.format);
    for (const PendingCell &cell : m_pendingCells)
        if (cell.rowSpan > 1 || cell.columnSpan > 1)
            cell.table->mergeCells(cell.row, cell.column, cell.rowSpan, cell.columnSpan);
    m_pendingCells.clear();
}

void RtfDocumentBuilder::insertBlocks(QTextCursor &cursor, const std::vector<Block> &blocks,
                                      int depth, bool atCellStart)
{
    bool fresh = true; // the cursor's block is empty and not used yet
    bool keepMark = atCellStart;
    ListScope lists;
    for (const Block &block : blocks) {
        if (block.isTable()) {
            // A table inserted at the end of a paragraph's block goes after that block.
            insertTable(cursor, *block.table, depth + 1);
            fresh = true;
            keepMark = false;
        } else {
            insertParagraph(cursor, block.paragraph, fresh, lists, keepMark);
            keepMark = false;
        }
    }
}

void RtfDocumentBuilder::insertParagraph(QTextCursor &cursor, const Paragraph &paragraph,
                                         bool &fresh, ListScope &lists, bool keepMark)
{
    if (fresh) {
        cursor.setBlockFormat(paragraph.format);
        // The character format of a cell's first block is where the table keeps the
        // cell's own format (spans, borders, background): it is not replaced.
        if (!keepMark)
            cursor.setBlockCharFormat(paragraph.markFormat);
        fresh = false;
    } else {
        cursor.insertBlock(paragraph.format, paragraph.markFormat);
    }
    for (const Run &run : paragraph.runs) {
        if (!run.isImage) {
            cursor.insertText(run.text, run.format);
            continue;
        }
        const QString name = DocumentImages::add(m_doc, run.imageBytes);
        if (name.isEmpty())
            continue;
        QTextImageFormat image;
        image.merge(run.format);
        image.setName(name);
        image.setWidth(run.imageWidth);
        image.setHeight(run.imageHeight);
        cursor.insertImage(image);
    }

    if (!paragraph.listId) {
        for (auto it = lists.begin(); it != lists.end();) {
            const ListDef def = m_model->lists.value(it.key().first);
            it = def.endsAtOtherParagraph ? lists.erase(it) : std::next(it);
        }
        return;
    }
    const int level = std::clamp(paragraph.listLevel, 0, 8);
    // An item of a level restarts the numbering of the levels below it.
    for (auto it = lists.begin(); it != lists.end();)
        it = (it.key().first == paragraph.listId && it.key().second > level) ? lists.erase(it)
                                                                             : std::next(it);
    const QPair<int, int> key(paragraph.listId, level);
    if (QTextList *list = lists.value(key)) {
        list->add(cursor.block());
        return;
    }
    const ListDef def = m_model->lists.value(paragraph.listId);
    QTextListFormat format;
    format.setStyle(def.levels[level].style);
    format.setIndent(level + 1);
    lists.insert(key, cursor.createList(format));
}

void RtfDocumentBuilder::insertTable(QTextCursor &cursor, const Table &table, int depth)
{
    const int rowCount = int(table.rows.size());
    // Column edges: the union of every row's cell boundaries.
    std::vector<int> edges;
    int maxCells = 0;
    for (const Row &row : table.rows) {
        maxCells = std::max(maxCells, int(row.cells.size()));
        int previous = row.def.leftTwips;
        for (int i = 0; i < int(row.cells.size()); ++i) {
            int right = i < row.def.cells.size() ? row.def.cells.at(i).rightTwips : 0;
            if (right <= previous)
                right = previous + 1440; // no usable boundary: an inch wide
            edges.push_back(right);
            previous = right;
        }
    }
    std::sort(edges.begin(), edges.end());
    std::vector<int> columns; // right edge of each grid column
    for (int e : edges)
        if (columns.empty() || e - columns.back() > kEdgeTolerance)
            columns.push_back(e);
    const bool byIndex = int(columns.size()) > kMaxGridColumns;
    const int columnCount =
        std::max(1, byIndex ? std::min(maxCells, kMaxGridColumns) : int(columns.size()));

    // Place every cell on the grid.
    std::vector<GridCell> cells;
    std::vector<int> openVertical(size_t(columnCount), -1); // index into cells per column
    for (int r = 0; r < rowCount; ++r) {
        const Row &row = table.rows[size_t(r)];
        int previous = row.def.leftTwips;
        int column = 0;
        for (int i = 0; i < int(row.cells.size()) && column < columnCount; ++i) {
            const CellDef *def = i < row.def.cells.size() ? &row.def.cells.at(i) : nullptr;
            int right = def ? def->rightTwips : 0;
            if (right <= previous)
                right = previous + 1440;
            int span = 1;
            if (!byIndex) {
                span = 0;
                while (column + span < columnCount &&
                       columns[size_t(column + span)] <= right + kEdgeTolerance)
                    ++span;
                span = std::max(1, span);
            }
            previous = right;
            if (def && def->mergeContinue && !cells.empty() && cells.back().row == r) {
                cells.back().columnSpan += span;
                column += span;
                continue;
            }
            if (def && def->verticalMergeContinue && openVertical[size_t(column)] >= 0) {
                GridCell &top = cells[size_t(openVertical[size_t(column)])];
                if (top.column == column && top.row + top.rowSpan == r) {
                    top.rowSpan += 1;
                    column += span;
                    continue;
                }
            }
            GridCell g;
            g.cell = &row.cells[size_t(i)];
            g.def = def;
            g.rowDef = &row.def;
            g.row = r;
            g.column = column;
            g.columnSpan = std::min(span, columnCount - column);
            cells.push_back(g);
            openVertical[size_t(column)] =
                (def && def->verticalMergeFirst) ? int(cells.size()) - 1 : -1;
            column += span;
        }
    }

    QTextTableFormat format;
    format.setCellSpacing(0);
    format.setBorderCollapse(true);
    const RowDef &first = table.rows.front().def;
    format.setCellPadding(std::clamp(first.gapTwips / 15.0, 0.0, 50.0));
    format.setAlignment(first.alignment);
    int headers = 0;
    while (headers < rowCount && table.rows[size_t(headers)].def.header)
        ++headers;
    format.setHeaderRowCount(headers);
    if (!byIndex) {
        // A table as wide as the text of a page follows the width of the view instead.
        const int left = std::min(first.leftTwips, columns.front() - 1);
        const int total = columns.back() - left;
        const bool fullWidth = total >= kFullWidthTwips;
        QList<QTextLength> widths;
        int previous = left;
        for (int right : columns) {
            const int width = std::max(1, right - previous);
            widths << (fullWidth ? QTextLength(QTextLength::PercentageLength, 100.0 * width / total)
                                 : QTextLength(QTextLength::FixedLength, width / 15.0));
            previous = right;
        }
        format.setColumnWidthConstraints(widths);
    }
    // One border for the whole table when every side of every cell has the same.
    const Border reference = cells.empty() ? Border() : sideBorder(cells.front(), BorderSide::Top);
    bool uniform = reference.present;
    for (const GridCell &g : cells)
        for (BorderSide side :
             {BorderSide::Top, BorderSide::Left, BorderSide::Bottom, BorderSide::Right})
            uniform = uniform && sameBorder(sideBorder(g, side), reference);
    if (uniform) {
        format.setBorder(borderPixels(reference));
        format.setBorderStyle(reference.style);
        if (reference.colour.isValid())
            format.setBorderBrush(reference.colour);
    } else {
        format.setBorder(0);
    }

    QTextTable *qtable = cursor.insertTable(std::max(1, rowCount), columnCount, format);
    for (const GridCell &g : cells) {
        QTextTableCell cell = qtable->cellAt(g.row, g.column);
        QTextTableCellFormat cf;
        if (g.def && g.def->background.isValid())
            cf.setBackground(g.def->background);
        if (g.def && g.def->verticalAlign != Qt::AlignTop)
            cf.setVerticalAlignment(g.def->verticalAlign == Qt::AlignVCenter
                                        ? QTextCharFormat::AlignMiddle
                                        : QTextCharFormat::AlignBottom);
        if (!uniform) {
            const Border top = sideBorder(g, BorderSide::Top);
            const Border left = sideBorder(g, BorderSide::Left);
            const Border bottom = sideBorder(g, BorderSide::Bottom);
            const Border right = sideBorder(g, BorderSide::Right);
            if (top.present) {
                cf.setTopBorder(borderPixels(top));
                cf.setTopBorderStyle(top.style);
                if (top.colour.isValid())
                    cf.setTopBorderBrush(top.colour);
            }
            if (left.present) {
                cf.setLeftBorder(borderPixels(left));
                cf.setLeftBorderStyle(left.style);
                if (left.colour.isValid())
                    cf.setLeftBorderBrush(left.colour);
            }
            if (bottom.present) {
                cf.setBottomBorder(borderPixels(bottom));
                cf.setBottomBorderStyle(bottom.style);
                if (bottom.colour.isValid())
                    cf.setBottomBorderBrush(bottom.colour);
            }
            if (right.present) {
                cf.setRightBorder(borderPixels(right));
                cf.setRightBorderStyle(right.style);
                if (right.colour.isValid())
                    cf.setRightBorderBrush(right.colour);
            }
        }
        m_pendingCells.push_back({qtable, g.row, g.column, g.rowSpan, g.columnSpan, cf});
        QTextCursor inner = cell.firstCursorPosition();
        insertBlocks(inner, g.cell->blocks, depth, true);
    }
    cursor = qtable->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}
