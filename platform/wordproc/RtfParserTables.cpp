// The table words of RtfParser: row and cell definitions, borders, shading and merging.
#include "platform/wordproc/RtfParser.h"

#include "platform/wordproc/RtfParserInput.h"
#include "platform/wordproc/RtfWords.h"

#include <QTextFormat>

#include <algorithm>

using namespace RtfModel;
using RtfInput::flag;
namespace W = RtfWords;

Border *RtfParser::currentBorder()
{
    switch (m_borderTarget) {
    case BorderTarget::Cell:
        return &m_cellDef.borders[m_borderSide];
    case BorderTarget::Row:
        return &m_rowDefs[m_rowDefLevel].borders[m_borderSide];
    default:
        return nullptr;
    }
}

void RtfParser::tableWord(int id, bool hasParam, int param)
{
    RowDef &row = m_rowDefs[m_rowDefLevel];
    auto startBorder = [&](BorderTarget target, BorderSide side) {
        m_borderTarget = target;
        m_borderSide = int(side);
        if (Border *b = currentBorder()) {
            *b = Border();
            b->present = true;
        }
        if (target == BorderTarget::Row)
            row.hasRowBorders = true;
    };
    switch (id) {
    case W::Trowd: {
        const ParaState &para = state().para;
        m_rowDefLevel = state().dest == Dest::NestTableProps
                            ? std::clamp(std::max(2, para.itap), 2, RtfTableAssembler::kMaxLevel)
                            : 1;
        m_rowDefs[m_rowDefLevel] = RowDef();
        m_cellDef = CellDef();
        m_borderTarget = BorderTarget::None;
        break;
    }
    case W::Trgaph:
        row.gapTwips = std::clamp(param, 0, 3000);
        break;
    case W::Trleft:
        row.leftTwips = std::clamp(param, -31680, 31680);
        break;
    case W::Trqc:
        row.alignment = Qt::AlignHCenter;
        break;
    case W::Trqr:
        row.alignment = Qt::AlignRight;
        break;
    case W::Trql:
        row.alignment = Qt::AlignLeft;
        break;
    case W::Trhdr:
        row.header = flag(hasParam, param);
        break;
    case W::Cellx:
        m_cellDef.rightTwips = std::clamp(param, -31680, 31680);
        if (row.cells.size() < 256)
            row.cells << m_cellDef;
        m_cellDef = CellDef();
        m_borderTarget = BorderTarget::None;
        break;
    case W::ClBrdrT:
        startBorder(BorderTarget::Cell, BorderSide::Top);
        break;
    case W::ClBrdrB:
        startBorder(BorderTarget::Cell, BorderSide::Bottom);
        break;
    case W::ClBrdrL:
        startBorder(BorderTarget::Cell, BorderSide::Left);
        break;
    case W::ClBrdrR:
        startBorder(BorderTarget::Cell, BorderSide::Right);
        break;
    case W::TrBrdrT:
        startBorder(BorderTarget::Row, BorderSide::Top);
        break;
    case W::TrBrdrB:
        startBorder(BorderTarget::Row, BorderSide::Bottom);
        break;
    case W::TrBrdrL:
        startBorder(BorderTarget::Row, BorderSide::Left);
        break;
    case W::TrBrdrR:
        startBorder(BorderTarget::Row, BorderSide::Right);
        break;
    case W::ParaBorder:
        m_borderTarget = BorderTarget::Para;
        break;
    case W::BrdrS:
    case W::BrdrOther:
    case W::BrdrDb:
    case W::BrdrDot:
    case W::BrdrDash:
        if (Border *b = currentBorder()) {
            b->present = true;
            b->style = id == W::BrdrDb     ? QTextFrameFormat::BorderStyle_Double
                       : id == W::BrdrDot  ? QTextFrameFormat::BorderStyle_Dotted
                       : id == W::BrdrDash ? QTextFrameFormat::BorderStyle_Dashed
                                           : QTextFrameFormat::BorderStyle_Solid;
        }
        break;
    case W::BrdrNone:
        if (Border *b = currentBorder())
            b->present = false;
        break;
    case W::BrdrW:
        if (Border *b = currentBorder())
            b->widthTwips = std::clamp(param, 0, 300);
        break;
    case W::BrdrCf:
        if (Border *b = currentBorder())
            b->colour = colour(param);
        break;
    case W::ClCbPat:
        m_cellDef.background = colour(param);
        break;
    case W::ClVertAlT:
        m_cellDef.verticalAlign = Qt::AlignTop;
        break;
    case W::ClVertAlC:
        m_cellDef.verticalAlign = Qt::AlignVCenter;
        break;
    case W::ClVertAlB:
        m_cellDef.verticalAlign = Qt::AlignBottom;
        break;
    case W::ClMgf:
        m_cellDef.mergeFirst = true;
        break;
    case W::ClMrg:
        m_cellDef.mergeContinue = true;
        break;
    case W::ClVmgf:
        m_cellDef.verticalMergeFirst = true;
        break;
    case W::ClVmrg:
        m_cellDef.verticalMergeContinue = true;
        break;
    default:
        break;
    }
}
