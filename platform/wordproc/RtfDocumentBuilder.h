#pragma once

#include "platform/wordproc/RtfModel.h"

#include <QHash>
#include <QPair>
#include <QTextTableCellFormat>

class QTextCursor;
class QTextDocument;
class QTextList;
class QTextTable;

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

    void insertBlocks(QTextCursor &cursor, const std::vector<RtfModel::Block> &blocks, int depth,
                      bool atCellStart);
    void insertParagraph(QTextCursor &cursor, const RtfModel::Paragraph &paragraph, bool &fresh,
                         ListScope &lists, bool keepMark);
    void insertTable(QTextCursor &cursor, const RtfModel::Table &table, int depth);

    struct PendingCell
    {
        QTextTable *table;
        int row, column, rowSpan, columnSpan;
        QTextTableCellFormat format;
    };

    QTextDocument *m_doc;
    std::vector<PendingCell> m_pendingCells;
    const RtfModel::Document *m_model = nullptr;
};
