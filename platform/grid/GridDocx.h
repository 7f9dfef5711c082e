#pragma once

#include <QString>
#include <QVector>

class GridData;

// Writes the grid as a word-processor document (".docx") by converting its
// HTML table with pandoc, run as a child process with a time limit.
namespace GridDocx {

// Throws TessaryError when pandoc is missing, fails or does not finish in time.
void write(const GridData &grid, const QString &fileName, const QString &title = QString());

// The share of the page's text width (in percent) each shown column gets in
// the document: wide enough for the column's longest word (its whole text
// when the grid does not wrap) in the document's table font, never narrower
// than the column is in the grid, and scaled down together when the table
// would be wider than the page.
QVector<double> columnPercents(const GridData &grid);

// Runs pandoc on inputFile; exposed for other writers of the grid.
void runPandoc(const QStringList &arguments, int timeoutMs = 60000);

} // namespace GridDocx
