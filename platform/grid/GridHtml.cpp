#include "platform/grid/GridHtml.h"

#include "platform/grid/GridData.h"

#include <QStringList>

namespace {

QString escaped(const QString &text)
{
    QString t = text.toHtmlEscaped();
    t.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
    t.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    t.replace(QLatin1Char('\r'), QLatin1String("<br>"));
    return t;
}

QString cssFontFamily(const QString &name)
{
    QString n = name;
    n.remove(QLatin1Char('"'));
    n.remove(QLatin1Char(';'));
    return QStringLiteral("'%1'").arg(n.remove(QLatin1Char('\'')));
}

} // namespace

namespace GridHtml {

QColor headerBackground()
{
    return QColor(0xE4, 0xE9, 0xF0);
}

QString table(const GridData &grid, int top, int left, int bottom, int right,
              const QVector<double> &widthPercents)
{
    // The width of each shown column, as CSS/attribute text.
    QStringList widths;
    for (int c = left; c <= right; ++c) {
        if (grid.isColumnHidden(c))
            continue;
        const int shown = widths.size();
        widths << (shown < widthPercents.size()
                       ? QString::number(widthPercents.at(shown), 'f', 1) + QLatin1Char('%')
                       : QString::number(grid.columnWidth(c)) + QStringLiteral("px"));
    }
    QString out;
    out += QStringLiteral("<table style=\"border-collapse:collapse\" border=\"1\" "
                          "cellspacing=\"0\" cellpadding=\"3\">\n");
    for (const QString &w : widths)
        out += QStringLiteral("<col width=\"%1\">")
                   .arg(w.endsWith(QLatin1String("px")) ? w.chopped(2) : w);
    out += QLatin1Char('\n');
    for (int r = top; r <= bottom; ++r) {
        out += QStringLiteral("<tr>");
        int shown = -1;
        for (int c = left; c <= right; ++c) {
            if (grid.isColumnHidden(c))
                continue;
            ++shown;
            const CellFormat &f = grid.format(r, c);
            const bool fixed = grid.isFixed(r, c);
            const QFont font = grid.fontFor(f, fixed);
            QString style = QStringLiteral("font-family:%1;font-size:%2pt;")
                                .arg(cssFontFamily(font.family()))
                                .arg(font.pointSize());
            const bool bold = font.bold();
            style +=
                bold ? QStringLiteral("font-weight:bold;") : QStringLiteral("font-weight:normal;");
            if (f.fontStyle & CellFormat::Italic)
                style += QStringLiteral("font-style:italic;");
            if (f.fontStyle & (CellFormat::Underline | CellFormat::StrikeOut)) {
                style += QStringLiteral("text-decoration:");
                if (f.fontStyle & CellFormat::Underline)
                    style += QStringLiteral(" underline");
                if (f.fontStyle & CellFormat::StrikeOut)
                    style += QStringLiteral(" line-through");
                style += QLatin1Char(';');
            }
            if (f.fontColor.isValid())
                style += QStringLiteral("color:%1;").arg(f.fontColor.name());
            const QColor back = f.backColor.isValid() ? f.backColor
                                : fixed               ? headerBackground()
                                                      : QColor();
            if (back.isValid())
                style += QStringLiteral("background-color:%1;").arg(back.name());
            style += QStringLiteral("text-align:%1;").arg(CellFormat::alignmentName(f.alignment));
            style += QStringLiteral("border:1px solid %1;")
                         .arg(f.borderColor.isValid() ? f.borderColor.name()
                                                      : QStringLiteral("#a0a0a0"));
            if (r == top)
                style += QStringLiteral("width:%1;").arg(widths.at(shown));
            if (!grid.multiLine())
                style += QStringLiteral("white-space:nowrap;");

            QString content = escaped(grid.text(r, c));
            if (f.fontStyle & CellFormat::Underline)
                content = QStringLiteral("<u>%1</u>").arg(content);
            if (f.fontStyle & CellFormat::Italic)
                content = QStringLiteral("<i>%1</i>").arg(content);
            if (bold)
                content = QStringLiteral("<b>%1</b>").arg(content);
            const QString tag = fixed ? QStringLiteral("th") : QStringLiteral("td");
            QString attrs = QStringLiteral(" style=\"%1\"").arg(style);
            if (f.alignment != CellFormat::Left)
                attrs +=
                    QStringLiteral(" align=\"%1\"").arg(CellFormat::alignmentName(f.alignment));
            else
                attrs += QStringLiteral(" align=\"left\"");
            if (back.isValid())
                attrs += QStringLiteral(" bgcolor=\"%1\"").arg(back.name());
            out += QStringLiteral("<%1%2>%3</%1>").arg(tag, attrs, content);
        }
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</table>\n");
    return out;
}

QByteArray document(const GridData &grid, const QString &title,
                    const QVector<double> &widthPercents)
{
    QString out = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                                 "<title>%1</title>\n</head>\n<body>\n")
                      .arg(title.toHtmlEscaped());
    if (!title.isEmpty())
        out += QStringLiteral("<h2>%1</h2>\n").arg(title.toHtmlEscaped());
    if (grid.rowCount() > 0 && grid.columnCount() > 0)
        out += table(grid, 0, 0, grid.rowCount() - 1, grid.columnCount() - 1, widthPercents);
    out += QStringLiteral("</body>\n</html>\n");
    return out.toUtf8();
}

} // namespace GridHtml
