#include "platform/grid/GridMeasure.h"

#include "platform/grid/GridData.h"

#include <QFontMetrics>
#include <QHash>

namespace {

constexpr int CellMarginX = 4; // text inset, left plus right, as the view draws it
constexpr int CellMarginY = 4;

// Font metrics are cached per format, since most cells share a handful.
class MetricsCache
{
public:
    explicit MetricsCache(const GridData &grid) : m_grid(grid) {}
    const QFontMetrics &metrics(int row, int column)
    {
        const int key =
            (m_grid.formatIndex(row, column) << 1) | (m_grid.isFixed(row, column) ? 1 : 0);
        auto it = m_cache.find(key);
        if (it == m_cache.end())
            it = m_cache.insert(key, QFontMetrics(m_grid.cellFont(row, column)));
        return it.value();
    }

private:
    const GridData &m_grid;
    QHash<int, QFontMetrics> m_cache;
};

int textHeight(const GridData &grid, MetricsCache &cache, int row, int column)
{
    const QFontMetrics &fm = cache.metrics(row, column);
    const QString &text = grid.text(row, column);
    if (text.isEmpty())
        return fm.height() + CellMarginY;
    const int width = qMax(1, grid.columnWidth(column) - CellMarginX);
    const int flags = grid.wordWrap() ? int(Qt::TextWordWrap) : 0;
    return fm.boundingRect(0, 0, width, 100000, flags, text).height() + CellMarginY;
}

} // namespace

namespace GridMeasure {

int cellTextHeight(const GridData &grid, int row, int column)
{
    MetricsCache cache(grid);
    return textHeight(grid, cache, row, column);
}

int cellTextWidth(const GridData &grid, int row, int column)
{
    const QFontMetrics fm(grid.cellFont(row, column));
    int w = 0;
    for (const QString &line : grid.text(row, column).split(QLatin1Char('\n')))
        w = qMax(w, fm.horizontalAdvance(line));
    return w + CellMarginX + 4;
}

void sizeRowsToContent(GridData &grid, int first, int last)
{
    MetricsCache cache(grid);
    for (int r = qMax(0, first); r <= last && r < grid.rowCount(); ++r) {
        int h = 0;
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (!grid.isColumnHidden(c))
                h = qMax(h, textHeight(grid, cache, r, c));
        }
        grid.setRowHeight(r, h);
    }
}

void fitColumnWidths(GridData &grid, int minWidth, int maxWidth, int sampleRows)
{
    MetricsCache cache(grid);
    const int rows = grid.rowCount();
    const int step = rows > sampleRows && sampleRows > 0 ? rows / sampleRows : 1;
    for (int c = 0; c < grid.columnCount(); ++c) {
        int w = minWidth;
        for (int r = 0; r < rows; r += (r < grid.fixedRows() ? 1 : step)) {
            const QFontMetrics &fm = cache.metrics(r, c);
            for (const QString &line : grid.text(r, c).split(QLatin1Char('\n')))
                w = qMax(w, fm.horizontalAdvance(line) + CellMarginX + 6);
            if (w >= maxWidth)
                break;
        }
        grid.setColumnWidth(c, qMin(w, maxWidth));
    }
}

} // namespace GridMeasure
