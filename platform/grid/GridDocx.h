#pragma once

#include <QString>

class GridData;

// Writes the grid as a word-processor document (".docx") by converting its
// HTML table with pandoc, run as a child process with a time limit.
namespace GridDocx {

// Throws TessaryError when pandoc is missing, fails or does not finish in time.
void write(const GridData &grid, const QString &fileName, const QString &title = QString());

// Runs pandoc on inputFile; exposed for other writers of the grid.
void runPandoc(const QStringList &arguments, int timeoutMs = 60000);

} // namespace GridDocx
