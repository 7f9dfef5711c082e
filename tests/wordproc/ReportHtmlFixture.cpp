#include "ReportHtmlFixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

QStringList ReportHtmlFixture::titles()
{
    return {QStringLiteral("Sales by region"), QStringLiteral("Frequency table"),
            QStringLiteral("Chart of answers"), QStringLiteral("Logo picture")};
}

QStringList ReportHtmlFixture::cells()
{
    return {QStringLiteral("Answer"), QStringLiteral("Count"), QStringLiteral("Percent"),
            QStringLiteral("Yes"),    QStringLiteral("120"),   QStringLiteral("60.0"),
            QStringLiteral("No"),     QStringLiteral("80"),    QStringLiteral("40.0")};
}

QString ReportHtmlFixture::write(const QString &folder)
{
    QDir(folder).mkpath(QStringLiteral("Rep_files"));
    QImage chart(320, 200, QImage::Format_RGB32);
    chart.fill(Qt::white);
    {
        QPainter p(&chart);
        p.fillRect(40, 60, 60, 130, QColor(0x30, 0x60, 0xC0));
        p.fillRect(140, 100, 60, 90, QColor(0xC0, 0x40, 0x30));
    }
    chart.save(folder + QStringLiteral("/Rep_files/CHART3.JPG"), "JPEG", 90);
    QImage logo(64, 48, QImage::Format_RGB888);
    logo.fill(QColor(0x20, 0xA0, 0x40));
    logo.save(folder + QStringLiteral("/Rep_files/CHART5.BMP"), "BMP");

    QTextDocument doc;
    doc.setHtml(QStringLiteral("<p>Revenue grew by <b>12%</b> in <span style=\"color:#c00000\">"
                               "Z\u00fcrich</span> and <i>Gen\u00e8ve</i>.</p>"));
    const QString documentPart = doc.toHtml();

    // The table page as the grid writes a whole table: its own HTML document, fixed
    // cells as <th>, formatting as inline CSS and as <b>, column widths.
    const QStringList c = cells();
    QString tablePart = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                                       "<title></title>\n</head>\n<body>\n"
                                       "<table style=\"border-collapse:collapse\" border=\"1\" "
                                       "cellspacing=\"0\" cellpadding=\"3\">\n"
                                       "<col width=\"90\"><col width=\"70\"><col width=\"70\">\n");
    for (int r = 0; r < 3; ++r) {
        tablePart += QStringLiteral("<tr>");
        for (int col = 0; col < 3; ++col) {
            const QString text = c.at(r * 3 + col);
            if (r == 0)
                tablePart += QStringLiteral(
                                 "<th style=\"font-family:'Arial';font-size:10pt;font-weight:bold;"
                                 "background-color:#e4e9f0;text-align:left;border:1px solid "
                                 "#a0a0a0;width:90px;white-space:nowrap;\" align=\"left\" "
                                 "bgcolor=\"#e4e9f0\"><b>%1</b></th>")
                                 .arg(text);
            else
                tablePart +=
                    QStringLiteral("<td style=\"font-family:'Arial';font-size:10pt;font-weight:"
                                   "normal;text-align:%2;border:1px solid #a0a0a0;white-space:"
                                   "nowrap;\" align=\"%2\">%1</td>")
                        .arg(text, col == 0 ? QStringLiteral("left") : QStringLiteral("right"));
        }
        tablePart += QStringLiteral("</tr>\n");
    }
    tablePart += QStringLiteral("</table>\n</body>\n</html>\n");

    const QStringList t = titles();
    QString html = QStringLiteral("<HTML><HEAD>\n<BASEFONT FACE=\"Arial\" SIZE=\"3\" "
                                  "COLOR=\"#000000\">\n</HEAD><BODY>\n");
    auto heading = [&](const QString &title) {
        html += QStringLiteral("<P>&nbsp;</P>\n<H3><CENTER>") + title +
                QStringLiteral("</CENTER></H3>\n");
    };
    heading(t.at(0));
    html += documentPart + u'\n';
    heading(t.at(1));
    html += u'\n' + tablePart;
    heading(t.at(2));
    html += QStringLiteral("\n<CENTER><IMG SRC=\"./Rep_files/CHART3.JPG\"/></CENTER>\n");
    heading(t.at(3));
    html += QStringLiteral("\n<CENTER><IMG SRC=\"./Rep_files/CHART5.BMP\"/></CENTER>\n</BODY>\n");

    const QString path = folder + QStringLiteral("/Rep.htm");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(html.toUtf8());
    return path;
}
