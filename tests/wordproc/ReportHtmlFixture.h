#pragma once

#include <QString>
#include <QStringList>

// An HTML file as the report export writes it, in folder: "Rep.htm" with a document
// page (the word processor's HTML, bold and coloured text), a table page (the grid's
// HTML document), a chart page (JPEG) and a picture page (a BMP file), each under its
// centred H3 title; the pictures in "Rep_files".
struct ReportHtmlFixture
{
    static QString write(const QString &folder);
    // The four page titles, in order.
    static QStringList titles();
    // The table's cells, row by row (3 rows of 3).
    static QStringList cells();
};
