#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Reads the cell texts of the first HTML table in a text, as spreadsheets,
// word processors and browsers put a copied table on the clipboard. The
// reader is tolerant: unclosed cells and rows end at the next one, unknown
// tags are dropped, entities are decoded, <br> and paragraphs become line
// breaks, white space is collapsed as a browser shows it, colspan and rowspan
// leave their covered cells empty so that the rest keeps its place, and a
// table inside a cell gives its text to that cell. It never fails: text
// without a table gives no rows.
namespace GridHtmlReader {

QVector<QStringList> readTable(const QString &html);

} // namespace GridHtmlReader
