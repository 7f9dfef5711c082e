// The paragraphs of RtfParser: paragraph formatting words, old-style numbering and
// the end of a paragraph, handed to the table assembler with its format and list.
#include "platform/wordproc/RtfParser.h"

#include "platform/wordproc/RtfParserInput.h"
#include "platform/wordproc/RtfWords.h"

#include <QTextFormat>

#include <algorithm>

using namespace RtfModel;
using RtfInput::flag;
namespace W = RtfWords;

void RtfParser::paraWord(int id, bool hasParam, int param)
{
    ParaState &para = state().para;
    const int twips = std::clamp(param, -31680, 31680);
    switch (id) {
    case W::Pard: {
        // The old-style numbering of a {\pn} group inside this paragraph survives \pard
        // only when \pard comes first, which is how writers place it.
        para = ParaState();
        m_tabType = 0;
        break;
    }
    case W::Ql:
        para.align = 0;
        break;
    case W::Qc:
        para.align = 1;
        break;
    case W::Qr:
        para.align = 2;
        break;
    case W::Qj:
        para.align = 3;
        break;
    case W::Li:
        para.li = twips;
        break;
    case W::Ri:
        para.ri = twips;
        break;
    case W::Fi:
        para.fi = twips;
        break;
    case W::Sb:
        para.sb = std::max(0, twips);
        break;
    case W::Sa:
        para.sa = std::max(0, twips);
        break;
    case W::Sl:
        para.sl = twips;
        break;
    case W::SlMult:
        para.slMult = flag(hasParam, param);
        break;
    case W::InTbl:
        para.intbl = true;
        break;
    case W::Itap:
        para.itap = std::clamp(param, 0, RtfTableAssembler::kMaxLevel);
        break;
    case W::Ls:
        para.ls = param;
        break;
    case W::Ilvl:
        para.ilvl = std::clamp(param, 0, 8);
        break;
    case W::OutlineLevel:
        para.outline = param;
        break;
    case W::S:
        para.style = param;
        break;
    case W::Tqr:
        m_tabType = 1;
        break;
    case W::Tqc:
        m_tabType = 2;
        break;
    case W::Tqdec:
        m_tabType = 3;
        break;
    case W::Tx:
        if (para.tabs.size() < 64) {
            QTextOption::Tab tab;
            tab.position = std::max(0, twips) / 15.0;
            tab.type = m_tabType == 1   ? QTextOption::RightTab
                       : m_tabType == 2 ? QTextOption::CenterTab
                       : m_tabType == 3 ? QTextOption::DelimiterTab
                                        : QTextOption::LeftTab;
            if (m_tabType == 3)
                tab.delimiter = QLatin1Char('.');
            para.tabs << tab;
        }
        m_tabType = 0;
        break;
    case W::CbPat:
        para.bg = param;
        break;
    case W::PageBb:
        para.pageBreakBefore = flag(hasParam, param);
        break;
    case W::PnLvlBlt:
        para.pnKind = 1;
        para.pnLevel = 0;
        break;
    case W::PnLvlBody:
        para.pnKind = 2;
        para.pnLevel = 0;
        break;
    case W::PnLvl:
        if (!para.pnKind)
            para.pnKind = 2;
        para.pnLevel = std::clamp(param - 1, 0, 8);
        break;
    case W::PnDec:
        para.pnStyle = QTextListFormat::ListDecimal;
        break;
    case W::PnUcLtr:
        para.pnStyle = QTextListFormat::ListUpperAlpha;
        break;
    case W::PnLcLtr:
        para.pnStyle = QTextListFormat::ListLowerAlpha;
        break;
    case W::PnUcRm:
        para.pnStyle = QTextListFormat::ListUpperRoman;
        break;
    case W::PnLcRm:
        para.pnStyle = QTextListFormat::ListLowerRoman;
        break;
    case W::PnStart:
        para.pnStart = std::clamp(param, 0, 1000000);
        break;
    default:
        break;
    }
}

void RtfParser::endParagraph(ParEnd how)
{
    flushText();
    const ParaState &para = state().para;
    const int level = (para.intbl || para.itap > 0)
                          ? std::clamp(std::max(1, para.itap), 1, RtfTableAssembler::kMaxLevel)
                          : 0;
    Paragraph paragraph = takeParagraph();
    switch (how) {
    case ParEnd::Par:
    case ParEnd::Page:
        m_tables.addParagraph(std::move(paragraph), level);
        m_pageBreakPending = how == ParEnd::Page;
        break;
    case ParEnd::Cell:
        m_tables.endCell(std::move(paragraph), 1);
        break;
    case ParEnd::NestCell:
        m_tables.endCell(std::move(paragraph), std::max(2, level));
        break;
    }
}

Paragraph RtfParser::takeParagraph()
{
    const GroupState &st = state();
    Paragraph paragraph;
    paragraph.runs = std::move(m_paragraph.runs);
    m_paragraph = Paragraph();
    paragraph.format = blockFormat(st.para);
    paragraph.markFormat = charFormat(st.ch);
    if (m_pageBreakPending) {
        paragraph.format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        m_pageBreakPending = false;
    }
    assignList(paragraph, st.para);
    if (!paragraph.listId)
        recogniseTypedMarker(paragraph, st.para);
    if (!paragraph.listId || paragraph.listId < 2000000)
        m_typedListKey = 0;
    return paragraph;
}
