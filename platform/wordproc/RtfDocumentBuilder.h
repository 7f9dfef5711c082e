#pragma once

#include "platform/wordproc/RtfModel.h"

#include <QHash>
#include <QPair>

class QTextCursor;
class QTextDocument;
class QTextList;

// Writes an RtfModel::Document into a QTextDocument through one QTextCursor: paragraphs
// with their runs, lists as QTextList objects (one per list and level), tables with
// merged cells, column widths and cell borders, pictures as image resources.
class RtfDocumentBuilder
{
public:
    explicit RtfDocumentBuilder(QTextDocument *doc);
    void build(const RtfModel::Document &model);

private:
    using ListScope = QHash<QPair<int, int>, QTextList *>;

    void insertBlocks(QTextCursor &cursor, const std::vector<RtfModel::Block> &blocks, int depth);
    void insertParagraph(QTextCursor &cursor, const RtfModel::Paragraph &paragraph, bool &fresh,
                         ListScope &lists);
    void insertTable(QTextCursor &cursor, const RtfModel::Table &table, int depth);

    QTextDocument *m_doc;
    const RtfModel::Document *m_model = nullptr;
};
