#pragma once

#include "platform/wordproc/RtfModel.h"

// Places the paragraphs an RTF parser finishes into the document body or into the
// cells of (nested) tables, following the table level of each paragraph, the cell
// and row ends, and closing tables when a paragraph outside them arrives. Levels
// beyond kMaxLevel are folded into the deepest allowed one.
class RtfTableAssembler
{
public:
    static constexpr int kMaxLevel = 8;

    explicit RtfTableAssembler(std::vector<RtfModel::Block> *body);

    // level 0 = the body; 1 = a cell of an outer table; 2 = a cell of a table inside it...
    void addParagraph(RtfModel::Paragraph &&paragraph, int level);
    // Ends the current cell of the table at this level; the paragraph still open
    // becomes its last paragraph unless it is empty and the cell already has content.
    void endCell(RtfModel::Paragraph &&pending, int level);
    void endRow(const RtfModel::RowDef &def, int level);
    // Closes every table still open (a truncated file, or a table at the very end).
    void finish();

    int openLevels() const { return int(m_open.size()); }

private:
    struct OpenTable
    {
        RtfModel::Table table;
        std::vector<RtfModel::Cell> cells; // cells of the row being read
        RtfModel::Cell cell;               // the cell being read
        RtfModel::RowDef lastDef;
    };

    void openTo(int level);
    void closeDeeperThan(int level);
    std::vector<RtfModel::Block> &containerAt(int level);

    std::vector<RtfModel::Block> *m_body;
    std::vector<OpenTable> m_open; // m_open[0] is level 1
};
