#include "platform/grid/GridTextDocument.h"

#include "platform/grid/GridData.h"
#include "platform/grid/GridHtml.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace GridTextDocument {

std::unique_ptr<QTextDocument> build(const GridData &grid, const QString &title)
{
    auto doc = std::make_unique<QTextDocument>();
    QTextCursor cursor(doc.get());
    if (!title.isEmpty()) {
        QTextCharFormat tf;
        tf.setFontFamilies({QStringLiteral("Arial")});
        tf.setFontPointSize(14);
        tf.setFontWeight(QFont::Bold);
        QTextBlockFormat bf;
        bf.setAlignment(Qt::AlignHCenter);
        bf.setBottomMargin(8);
        cursor.setBlockFormat(bf);
        cursor.insertText(title, tf);
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    }
    QVector<int> columns;
    for (int c = 0; c < grid.columnCount(); ++c) {
        if (!grid.isColumnHidden(c))
            columns << c;
    }
    if (grid.rowCount() == 0 || columns.isEmpty())
        return doc;

    QTextTableFormat table;
    table.setBorder(1);
    table.setBorderBrush(QColor(0xA0, 0xA0, 0xA0));
    table.setBorderCollapse(true);
    table.setCellPadding(3);
    table.setCellSpacing(0);
    table.setHeaderRowCount(grid.fixedRows());
    QVector<QTextLength> widths;
    for (const int c : columns)
        widths << QTextLength(QTextLength::FixedLength, grid.columnWidth(c));
    table.setColumnWidthConstraints(widths);
    QTextTable *t = cursor.insertTable(grid.rowCount(), columns.size(), table);

    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int i = 0; i < columns.size(); ++i) {
            const int c = columns[i];
            const CellFormat &f = grid.format(r, c);
            const bool fixed = grid.isFixed(r, c);
            QTextTableCell cell = t->cellAt(r, i);

            QTextCharFormat ch;
            ch.setFont(grid.fontFor(f, fixed));
            ch.setForeground(f.fontColor.isValid() ? f.fontColor : QColor(Qt::black));
            QTextBlockFormat bf;
            bf.setAlignment(f.alignment == CellFormat::Right    ? Qt::AlignRight
                            : f.alignment == CellFormat::Center ? Qt::AlignHCenter
                                                                : Qt::AlignLeft);
            QTextCursor cc = cell.firstCursorPosition();
            cc.setBlockFormat(bf);
            QString text = grid.text(r, c);
            text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
            cc.insertText(text, ch);
            // The cell's own format last: it lives on the character that opens the cell.
            QTextCharFormat cf = cell.format();
            const QColor back = f.backColor.isValid() ? f.backColor
                                : fixed               ? GridHtml::headerBackground()
                                                      : QColor();
            if (back.isValid())
                cf.setBackground(QBrush(back));
            cell.setFormat(cf);
        }
    }
    return doc;
}

} // namespace GridTextDocument
