#include "platform/grid/GridPrinter.h"

#include "platform/grid/GridData.h"
#include "platform/grid/GridPaint.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {
constexpr int FooterHeight = 24;
constexpr qreal ScreenDpi = 96.0;
} // namespace

GridPrinter::GridPrinter(const GridData &grid) : m_grid(grid) {}

int GridPrinter::titleHeight(const Settings &s) const
{
    if (s.title.isEmpty())
        return 0;
    const QFontMetrics fm(s.titleFont);
    return fm.height() * (s.title.count(QLatin1Char('\n')) + 1) + s.titleSpacing;
}

QVector<GridPrinter::Page> GridPrinter::paginate(const QSize &area, const Settings &s) const
{
    const GridData &g = m_grid;
    const int fr = g.fixedRows();
    const int fc = g.fixedColumns();
    int fixedWidth = 0;
    for (int c = 0; c < fc && c < g.columnCount(); ++c)
        fixedWidth += g.isColumnHidden(c) ? 0 : g.columnWidth(c);
    int fixedHeight = 0;
    for (int r = 0; r < fr && r < g.rowCount(); ++r)
        fixedHeight += g.rowHeight(r);

    // Bands of columns across and of rows down, each at least one wide.
    QVector<QPair<int, int>> columnBands;
    int start = fc, width = fixedWidth;
    for (int c = fc; c < g.columnCount(); ++c) {
        const int w = g.isColumnHidden(c) ? 0 : g.columnWidth(c);
        if (c > start && width + w > area.width()) {
            columnBands.append({start, c - 1});
            start = c;
            width = fixedWidth;
        }
        width += w;
    }
    if (start < g.columnCount() || columnBands.isEmpty())
        columnBands.append({start, g.columnCount() - 1});

    const int bodyHeight = area.height() - titleHeight(s) - FooterHeight - fixedHeight;
    QVector<QPair<int, int>> rowBands;
    start = fr;
    int height = 0;
    for (int r = fr; r < g.rowCount(); ++r) {
        const int h = g.rowHeight(r);
        if (r > start && height + h > bodyHeight) {
            rowBands.append({start, r - 1});
            start = r;
            height = 0;
        }
        height += h;
    }
    if (start < g.rowCount() || rowBands.isEmpty())
        rowBands.append({start, g.rowCount() - 1});

    QVector<Page> pages;
    for (const auto &cb : columnBands)
        for (const auto &rb : rowBands)
            pages.append({rb.first, rb.second, cb.first, cb.second});
    return pages;
}

int GridPrinter::print(QPagedPaintDevice *device, const Settings &s) const
{
    QPainter painter(device);
    if (!painter.isActive())
        return 0;
    // Draw in screen pixels (96 per inch), as the grid measures itself.
    const qreal scale = device->logicalDpiX() / ScreenDpi;
    const QRect paint = painter.viewport();
    const QSize area(int(paint.width() / scale), int(paint.height() / scale));
    const QVector<Page> pages = paginate(area, s);
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device->newPage();
        painter.save();
        painter.scale(scale, scale);
        paintPage(&painter, pages[i], i + 1, pages.size(), area, s);
        painter.restore();
    }
    return pages.size();
}

void GridPrinter::paintPage(QPainter *p, const Page &page, int number, int count, const QSize &area,
                            const Settings &s) const
{
    const GridData &g = m_grid;
    int y = 0;
    if (!s.title.isEmpty()) {
        p->setFont(s.titleFont);
        p->setPen(Qt::black);
        const int th = titleHeight(s) - s.titleSpacing;
        p->drawText(QRect(0, 0, area.width(), th), Qt::AlignHCenter | Qt::AlignTop, s.title);
        y = th + s.titleSpacing;
    }
    // Rows and columns of this page, fixed ones first.
    QVector<int> rows, columns;
    for (int r = 0; r < g.fixedRows() && r < g.rowCount(); ++r)
        rows << r;
    for (int r = page.firstRow; r <= page.lastRow; ++r)
        rows << r;
    for (int c = 0; c < g.fixedColumns() && c < g.columnCount(); ++c)
        columns << c;
    for (int c = page.firstColumn; c <= page.lastColumn; ++c)
        columns << c;

    const int flags = s.cellLines ? GridPaint::GridLines : 0;
    int tableWidth = 0;
    const int top = y;
    for (const int r : rows) {
        int x = 0;
        const int h = g.rowHeight(r);
        for (const int c : columns) {
            if (g.isColumnHidden(c))
                continue;
            const int w = g.columnWidth(c);
            GridPaint::paintCell(p, QRect(x, y, w, h), g, r, c, flags);
            x += w;
        }
        tableWidth = x;
        y += h;
    }
    p->setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p->setBrush(Qt::NoBrush);
    if (!rows.isEmpty() && tableWidth > 0)
        p->drawRect(QRect(0, top, tableWidth - 1, y - top - 1));

    QFont footer(QStringLiteral("Arial"), 8);
    p->setFont(footer);
    p->setPen(Qt::black);
    p->drawText(QRect(0, area.height() - FooterHeight, area.width() / 2, FooterHeight),
                Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("%1/%2").arg(number).arg(count));
}
