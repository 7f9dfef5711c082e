#pragma once

#include <QFont>
#include <QString>
#include <QVector>

class GridData;
class QPagedPaintDevice;
class QPainter;

// Prints a grid on pages: a title at the top centre of every page, the fixed
// row and column repeated on every page, the page number as "page/pages" at
// the bottom left. Columns that do not fit across go to further pages, which
// follow the pages of the first columns.
class GridPrinter
{
public:
    struct Settings
    {
        QString title;
        QFont titleFont = QFont(QStringLiteral("Arial"), 14, QFont::Bold);
        int titleSpacing = 10;
        // Lines between cells; otherwise only a frame around the table.
        bool cellLines = true;
    };

    struct Page
    {
        int firstRow, lastRow;       // data rows (below the fixed rows)
        int firstColumn, lastColumn; // data columns (right of the fixed columns)
    };

    explicit GridPrinter(const GridData &grid);

    // The pages for a printable area of the given size in grid pixels.
    QVector<Page> paginate(const QSize &area, const Settings &settings) const;
    // Paints every page on device (a QPrinter or a QPdfWriter); returns the number of pages.
    int print(QPagedPaintDevice *device, const Settings &settings) const;

private:
    int titleHeight(const Settings &settings) const;
    void paintPage(QPainter *painter, const Page &page, int number, int count, const QSize &area,
                   const Settings &settings) const;

    const GridData &m_grid;
};
