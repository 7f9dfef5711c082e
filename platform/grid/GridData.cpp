#include "platform/grid/GridData.h"

#include "platform/grid/GridSort.h"

#include <algorithm>
#include <optional>

GridData::GridData()
{
    clear();
}

void GridData::clear()
{
    m_formats = {CellFormat()};
    m_formatIndex.clear();
    m_formatIndex.insert(CellFormat(), 0);
    m_fixedRows = 1;
    m_fixedColumns = 0;
    m_wordWrap = false;
    m_multiLine = false;
    m_fontName = QStringLiteral("Tahoma");
    m_fontSize = 8;
    m_widths.clear();
    m_heights.clear();
    m_hidden.clear();
    m_rows.clear();
    m_columns = 0;
    setSize(5, 5);
}

void GridData::reset(int rows, int columns)
{
    m_rows.clear();
    m_columns = 0;
    m_widths.clear();
    m_heights.clear();
    m_hidden.clear();
    setSize(rows, columns);
}

void GridData::setSize(int rows, int columns)
{
    rows = qMax(0, rows);
    columns = qMax(0, columns);
    const int oldRows = m_rows.size();
    m_rows.resize(rows);
    for (int r = 0; r < rows; ++r) {
        if (r >= oldRows || m_rows[r].size() != columns)
            m_rows[r].resize(columns);
    }
    m_columns = columns;
    const int oldWidths = m_widths.size();
    m_widths.resize(columns);
    for (int c = oldWidths; c < columns; ++c)
        m_widths[c] = DefaultColumnWidth;
    m_hidden.resize(columns);
    const int oldHeights = m_heights.size();
    m_heights.resize(rows);
    for (int r = oldHeights; r < rows; ++r)
        m_heights[r] = r < m_fixedRows ? HeaderRowHeight : DefaultRowHeight;
}

bool GridData::isValidCell(int row, int column) const
{
    return row >= 0 && row < m_rows.size() && column >= 0 && column < m_columns;
}

const QString &GridData::text(int row, int column) const
{
    static const QString empty;
    if (!isValidCell(row, column))
        return empty;
    return m_rows[row][column].text;
}

void GridData::setText(int row, int column, const QString &text)
{
    if (isValidCell(row, column))
        m_rows[row][column].text = text;
}

const CellFormat &GridData::format(int row, int column) const
{
    return m_formats.at(formatIndex(row, column));
}

int GridData::formatIndex(int row, int column) const
{
    return isValidCell(row, column) ? m_rows[row][column].format : 0;
}

void GridData::setFormatIndex(int row, int column, int index)
{
    if (isValidCell(row, column) && index >= 0 && index < m_formats.size())
        m_rows[row][column].format = index;
}

void GridData::setFormat(int row, int column, const CellFormat &format)
{
    if (isValidCell(row, column))
        m_rows[row][column].format = internFormat(format);
}

int GridData::internFormat(const CellFormat &format)
{
    const auto it = m_formatIndex.constFind(format);
    if (it != m_formatIndex.constEnd())
        return it.value();
    m_formats.append(format);
    m_formatIndex.insert(format, m_formats.size() - 1);
    return m_formats.size() - 1;
}

void GridData::setFixedRows(int n)
{
    m_fixedRows = qBound(0, n, 1);
}

void GridData::setFixedColumns(int n)
{
    m_fixedColumns = qBound(0, n, 1);
}

void GridData::setColumnWidth(int column, int width)
{
    if (column >= 0 && column < m_columns)
        m_widths[column] = qMax(0, width);
}

void GridData::setRowHeight(int row, int height)
{
    if (row >= 0 && row < m_rows.size())
        m_heights[row] = qMax(0, height);
}

void GridData::setColumnHidden(int column, bool hidden)
{
    if (column >= 0 && column < m_columns)
        m_hidden[column] = hidden;
}

void GridData::showAllColumns()
{
    std::fill(m_hidden.begin(), m_hidden.end(), false);
}

void GridData::setDefaultFont(const QString &name, int pointSize)
{
    if (!name.trimmed().isEmpty())
        m_fontName = name.trimmed();
    if (pointSize > 0)
        m_fontSize = qBound(1, pointSize, 400);
}

QFont GridData::fontFor(const CellFormat &f, bool fixed) const
{
    QFont font(f.fontName.isEmpty() ? m_fontName : f.fontName);
    font.setPointSize(f.fontSize > 0 ? f.fontSize : m_fontSize);
    font.setBold(fixed || (f.fontStyle & CellFormat::Bold));
    font.setItalic(f.fontStyle & CellFormat::Italic);
    font.setUnderline(f.fontStyle & CellFormat::Underline);
    font.setStrikeOut(f.fontStyle & CellFormat::StrikeOut);
    return font;
}

QFont GridData::cellFont(int row, int column) const
{
    return fontFor(format(row, column), isFixed(row, column));
}

void GridData::removeRows(int row, int count)
{
    if (row < 0 || count <= 0 || row >= m_rows.size())
        return;
    count = qMin(count, int(m_rows.size()) - row);
    m_rows.remove(row, count);
    m_heights.remove(row, count);
}

void GridData::removeColumns(int column, int count)
{
    if (column < 0 || count <= 0 || column >= m_columns)
        return;
    count = qMin(count, m_columns - column);
    for (auto &r : m_rows)
        r.remove(column, count);
    m_widths.remove(column, count);
    m_hidden.remove(column, count);
    m_columns -= count;
}

void GridData::insertRows(int row, int count)
{
    if (count <= 0)
        return;
    row = qBound(0, row, int(m_rows.size()));
    m_rows.insert(row, count, QVector<Cell>(m_columns));
    m_heights.insert(row, count, DefaultRowHeight);
}

void GridData::sortRows(int column, bool ascending, int fromRow)
{
    if (column < 0 || column >= m_columns || fromRow >= m_rows.size() - 1)
        return;
    fromRow = qMax(0, fromRow);
    struct Key
    {
        int row;
        bool empty;
        std::optional<double> number;
        const QString *text;
    };
    QVector<Key> keys;
    keys.reserve(m_rows.size() - fromRow);
    for (int r = fromRow; r < m_rows.size(); ++r) {
        const QString &t = m_rows[r][column].text;
        const bool empty = t.trimmed().isEmpty();
        keys.append({r, empty, empty ? std::nullopt : GridSort::number(t), &t});
    }
    const auto less = [ascending](const Key &a, const Key &b) {
        if (a.empty || b.empty)
            return !a.empty && b.empty; // empty cells last in both directions
        int c;
        if (a.number && b.number)
            c = *a.number < *b.number ? -1 : (*a.number > *b.number ? 1 : 0);
        else if (a.number || b.number)
            c = a.number ? -1 : 1;
        else
            c = GridSort::compare(*a.text, *b.text);
        return ascending ? c < 0 : c > 0;
    };
    std::stable_sort(keys.begin(), keys.end(), less);
    QVector<QVector<Cell>> sorted;
    QVector<int> heights;
    sorted.reserve(keys.size());
    heights.reserve(keys.size());
    for (const Key &k : keys) {
        sorted.append(std::move(m_rows[k.row]));
        heights.append(m_heights[k.row]);
    }
    for (int i = 0; i < sorted.size(); ++i) {
        m_rows[fromRow + i] = std::move(sorted[i]);
        m_heights[fromRow + i] = heights[i];
    }
}

QVector<QStringList> GridData::texts(int top, int left, int bottom, int right) const
{
    QVector<QStringList> out;
    for (int r = qMax(0, top); r <= bottom && r < rowCount(); ++r) {
        QStringList line;
        for (int c = qMax(0, left); c <= right && c < m_columns; ++c)
            line << m_rows[r][c].text;
        out << line;
    }
    return out;
}
