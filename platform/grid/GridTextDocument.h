#pragma once

#include <QString>
#include <memory>

class GridData;
class QTextDocument;

// The grid as a rich-text document holding one table with the cells' fonts,
// colours, backgrounds, alignment and column widths (hidden columns left
// out), preceded by the title when there is one. The RTF writer turns it into
// a word-processor document.
namespace GridTextDocument {

std::unique_ptr<QTextDocument> build(const GridData &grid, const QString &title = QString());

} // namespace GridTextDocument
