#include "platform/wordproc/RtfTableAssembler.h"

#include <algorithm>

using namespace RtfModel;

RtfTableAssembler::RtfTableAssembler(std::vector<Block> *body) : m_body(body) {}

std::vector<Block> &RtfTableAssembler::containerAt(int level)
{
    if (level <= 0 || m_open.empty())
        return *m_body;
    return m_open[size_t(std::min<int>(level, int(m_open.size())) - 1)].cell.blocks;
}

void RtfTableAssembler::openTo(int level)
{
    level = std::clamp(level, 0, kMaxLevel);
    closeDeeperThan(level);
    while (int(m_open.size()) < level)
        m_open.emplace_back();
}

void RtfTableAssembler::closeDeeperThan(int level)
{
    while (int(m_open.size()) > level) {
        OpenTable open = std::move(m_open.back());
        m_open.pop_back();
        // A row that was never ended (a truncated file) still shows what it holds.
        if (!open.cell.blocks.empty())
            open.cells.push_back(std::move(open.cell));
        if (!open.cells.empty()) {
            Row row;
            row.def = open.lastDef;
            row.cells = std::move(open.cells);
            open.table.rows.push_back(std::move(row));
        }
        if (open.table.rows.empty())
            continue;
        Block block;
        block.table = std::make_unique<Table>(std::move(open.table));
        containerAt(int(m_open.size())).push_back(std::move(block));
    }
}

void RtfTableAssembler::addParagraph(Paragraph &&paragraph, int level)
{
    openTo(level);
    Block block;
    block.paragraph = std::move(paragraph);
    containerAt(level).push_back(std::move(block));
}

void RtfTableAssembler::endCell(Paragraph &&pending, int level)
{
    level = std::clamp(level, 1, kMaxLevel);
    openTo(level);
    OpenTable &open = m_open[size_t(level - 1)];
    if (!pending.isEmpty() || open.cell.blocks.empty()) {
        Block block;
        block.paragraph = std::move(pending);
        open.cell.blocks.push_back(std::move(block));
    }
    open.cells.push_back(std::move(open.cell));
    open.cell = Cell();
}

void RtfTableAssembler::endRow(const RowDef &def, int level)
{
    level = std::clamp(level, 1, kMaxLevel);
    if (int(m_open.size()) < level)
        return; // a row end without any cell: nothing to close
    closeDeeperThan(level);
    OpenTable &open = m_open[size_t(level - 1)];
    // Text after the last cell end of a row belongs to no cell; it is dropped.
    open.cell = Cell();
    if (open.cells.empty())
        return;
    Row row;
    row.def = def;
    row.cells = std::move(open.cells);
    open.cells.clear();
    open.lastDef = def;
    open.table.rows.push_back(std::move(row));
}

void RtfTableAssembler::finish()
{
    closeDeeperThan(0);
}
