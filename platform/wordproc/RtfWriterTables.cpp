#include "platform/wordproc/RtfWriter.h"

#include "platform/wordproc/RtfWriterOutput.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>

// Tables: row definitions with cell borders, shading and merged cells, column widths,
// and cell content including nested tables.

using namespace RtfOutput;

namespace {

const char *borderStyleWord(QTextFrameFormat::BorderStyle style)
{
    switch (style) {
    case QTextFrameFormat::BorderStyle_Double:
        return "\\brdrdb";
    case QTextFrameFormat::BorderStyle_Dotted:
        return "\\brdrdot";
    case QTextFrameFormat::BorderStyle_Dashed:
    case QTextFrameFormat::BorderStyle_DotDash:
    case QTextFrameFormat::BorderStyle_DotDotDash:
        return "\\brdrdash";
    case QTextFrameFormat::BorderStyle_Groove:
        return "\\brdrgroove";
    case QTextFrameFormat::BorderStyle_Ridge:
        return "\\brdrridge";
    case QTextFrameFormat::BorderStyle_Inset:
        return "\\brdrinset";
    case QTextFrameFormat::BorderStyle_Outset:
        return "\\brdroutset";
    default:
        return "\\brdrs";
    }
}

} // namespace

QByteArray RtfWriter::rowDefinition(const QTextTable *table, int row, const QList<int> &rights)
{
    const QTextTableFormat tf = table->format();
    QByteArray d = "\\trowd";
    const int pad = twips(tf.cellPadding());
    appendNumber(d, "trgaph", pad);
    appendNumber(d, "trleft", -pad);
    if (tf.alignment() & Qt::AlignHCenter)
        d += "\\trqc";
    else if (tf.alignment() & Qt::AlignRight)
        d += "\\trqr";
    if (row < tf.headerRowCount())
        d += "\\trhdr";
    for (int c = 0; c < table->columns();) {
        const QTextTableCell cell = table->cellAt(row, c);
        const int span = std::max(1, cell.columnSpan());
        const int lastColumn = std::min(int(rights.size()) - 1, cell.column() + span - 1);
        if (cell.row() != row)
            d += "\\clvmrg";
        else if (cell.rowSpan() > 1)
            d += "\\clvmgf";
        const QTextTableCellFormat cf = cell.format().toTableCellFormat();
        struct Side
        {
            const char *word;
            QTextFormat::Property width, style, brush;
        };
        static const Side sides[] = {
            {"\\clbrdrt", QTextFormat::TableCellTopBorder, QTextFormat::TableCellTopBorderStyle,
             QTextFormat::TableCellTopBorderBrush},
            {"\\clbrdrl", QTextFormat::TableCellLeftBorder, QTextFormat::TableCellLeftBorderStyle,
             QTextFormat::TableCellLeftBorderBrush},
            {"\\clbrdrb", QTextFormat::TableCellBottomBorder,
             QTextFormat::TableCellBottomBorderStyle, QTextFormat::TableCellBottomBorderBrush},
            {"\\clbrdrr", QTextFormat::TableCellRightBorder, QTextFormat::TableCellRightBorderStyle,
             QTextFormat::TableCellRightBorderBrush}};
        for (const Side &side : sides) {
            double width = tf.border();
            auto style = tf.borderStyle();
            QBrush brush = tf.borderBrush();
            if (cf.hasProperty(side.width))
                width = cf.doubleProperty(side.width);
            if (cf.hasProperty(side.style))
                style = QTextFrameFormat::BorderStyle(cf.intProperty(side.style));
            if (cf.hasProperty(side.brush))
                brush = cf.brushProperty(side.brush);
            if (width <= 0 || style == QTextFrameFormat::BorderStyle_None)
                continue;
            d += side.word;
            d += borderStyleWord(style);
            appendNumber(d, "brdrw", std::clamp(twips(width), 1, 255));
            if (brush.style() != Qt::NoBrush)
                appendNumber(d, "brdrcf", colourIndex(brush.color()));
        }
        if (cf.background().style() != Qt::NoBrush)
            appendNumber(d, "clcbpat", colourIndex(cf.background().color()));
        if (cf.verticalAlignment() == QTextCharFormat::AlignMiddle)
            d += "\\clvertalc";
        else if (cf.verticalAlignment() == QTextCharFormat::AlignBottom)
            d += "\\clvertalb";
        appendNumber(d, "cellx", rights.value(std::max(0, lastColumn)));
        c = std::max(c + 1, cell.isValid() ? cell.column() + span : c + 1);
    }
    return d;
}

void RtfWriter::writeTable(const QTextTable *table, int itap, int availableTwips)
{
    const int columns = table->columns();
    if (columns <= 0 || table->rows() <= 0)
        return;
    // Column widths: fixed and percentage constraints as given, the rest share what is left.
    const QList<QTextLength> constraints = table->format().columnWidthConstraints();
    QList<int> widths(columns, 0);
    int used = 0, open = 0;
    for (int c = 0; c < columns; ++c) {
        const QTextLength length = constraints.value(c);
        if (length.type() == QTextLength::FixedLength)
            widths[c] = std::max(60, twips(length.rawValue()));
        else if (length.type() == QTextLength::PercentageLength)
            widths[c] = std::max(60, int(availableTwips * length.rawValue() / 100.0));
        else
            ++open;
        used += widths[c];
    }
    for (int c = 0; c < columns; ++c)
        if (widths[c] == 0)
            widths[c] = std::max(360, (availableTwips - used) / std::max(1, open));
    // Cell boundaries are measured like the row's left edge (\trleft, minus the padding).
    QList<int> rights;
    int x = -twips(table->format().cellPadding());
    for (int w : widths)
        rights << (x += w);

    const bool nested = itap > 1;
    for (int r = 0; r < table->rows(); ++r) {
        const QByteArray definition = rowDefinition(table, r, rights);
        if (!nested) {
            m_out += definition;
            m_out += "\r\n";
        }
        for (int c = 0; c < columns;) {
            const QTextTableCell cell = table->cellAt(r, c);
            const int span = std::max(1, cell.columnSpan());
            const int width = rights.value(std::min(columns, cell.column() + span) - 1) -
                              (cell.column() > 0 ? rights.value(cell.column() - 1) : 0);
            if (cell.row() != r) {
                // The continuation of a cell merged from the row above: empty.
                m_out += "\\pard\\plain\\intbl";
                appendNumber(m_out, "itap", itap);
                m_out += nested ? "\\nestcell\r\n" : "\\cell\r\n";
            } else {
                writeCellContent(cell, itap, width);
            }
            c = std::max(c + 1, cell.column() + span);
        }
        if (nested) {
            m_out += "{\\*\\nesttableprops";
            m_out += definition;
            m_out += "\\nestrow}{\\nonesttables\\par}\r\n";
        } else {
            m_out += definition;
            m_out += "\\row\r\n";
        }
    }
}

void RtfWriter::writeCellContent(const QTextTableCell &cell, int itap, int widthTwips)
{
    struct Item
    {
        QTextBlock block;
        const QTextTable *table = nullptr;
    };
    QList<Item> items;
    for (QTextFrame::iterator it = cell.begin(); it != cell.end(); ++it) {
        if (const QTextFrame *frame = it.currentFrame()) {
            if (const auto *table = qobject_cast<const QTextTable *>(frame))
                items.append({QTextBlock(), table});
        } else {
            items.append({it.currentBlock(), nullptr});
        }
    }
    const char *cellEnd = itap > 1 ? "\\nestcell" : "\\cell";
    if (items.isEmpty() || items.last().table) {
        items.append({QTextBlock(), nullptr});
    }
    for (int i = 0; i < items.size(); ++i) {
        const bool last = i == items.size() - 1;
        const Item &item = items.at(i);
        if (item.table) {
            writeTable(item.table, itap + 1, std::max(720, widthTwips - 240));
        } else if (item.block.isValid()) {
            writeBlock(item.block, itap, last ? cellEnd : "\\par");
        } else {
            m_out += "\\pard\\plain\\intbl";
            appendNumber(m_out, "itap", itap);
            m_out += cellEnd;
            m_out += "\r\n";
        }
    }
}
