#include "platform/grid/GridPaint.h"

#include "platform/grid/GridData.h"
#include "platform/grid/GridHtml.h"

#include <QPainter>

namespace GridPaint {

void paintCell(QPainter *painter, const QRect &rect, const GridData &grid, int row, int column,
               int flags)
{
    const CellFormat &f = grid.format(row, column);
    const bool fixed = grid.isFixed(row, column);
    painter->save();
    painter->setClipRect(rect);
    if (fixed) {
        QColor back = f.backColor.isValid() ? f.backColor : GridHtml::headerBackground();
        if (flags & Highlight)
            back = back.darker(112);
        painter->fillRect(rect, back);
        // A thin shade along the bottom gives header cells their raised look.
        painter->setPen(back.darker(125));
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        painter->drawLine(rect.topRight(), rect.bottomRight());
    } else if (f.backColor.isValid()) {
        painter->fillRect(rect, f.backColor);
    }
    if (flags & Selected)
        painter->fillRect(rect, QColor(0x33, 0x7A, 0xE0, 70));
    if ((flags & GridLines) && !fixed) {
        painter->setPen(QColor(0xC8, 0xC8, 0xC8));
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    }
    if (f.borderColor.isValid()) {
        painter->setPen(f.borderColor);
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
    }
    const QString &text = grid.text(row, column);
    if (!text.isEmpty()) {
        painter->setFont(grid.fontFor(f, fixed));
        painter->setPen(f.fontColor.isValid() ? f.fontColor : QColor(Qt::black));
        int align = int(f.qtAlignment());
        if (grid.wordWrap())
            align |= Qt::TextWordWrap;
        else if (!text.contains(QLatin1Char('\n')) || !grid.multiLine())
            align |= Qt::TextSingleLine;
        painter->drawText(rect.adjusted(3, 1, -3, -1), align, text);
    }
    painter->restore();
}

} // namespace GridPaint
