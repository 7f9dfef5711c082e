// The control words of RtfParser: formatting, tables, lists and paragraph ends.
#include "platform/wordproc/RtfParser.h"

#include "platform/wordproc/RtfWords.h"

#include <QFont>
#include <QTextFormat>

#include <algorithm>

using namespace RtfModel;
namespace W = RtfWords;

namespace {

bool flag(bool hasParam, int param)
{
    return !hasParam || param != 0;
}

QTextListFormat::Style styleOfNfc(int nfc)
{
    switch (nfc) {
    case 1:
        return QTextListFormat::ListUpperRoman;
    case 2:
        return QTextListFormat::ListLowerRoman;
    case 3:
        return QTextListFormat::ListUpperAlpha;
    case 4:
        return QTextListFormat::ListLowerAlpha;
    case 23:
    case 255:
        return QTextListFormat::ListDisc;
    default:
        return QTextListFormat::ListDecimal;
    }
}

bool isCharacterWord(int id)
{
    return id == W::Line || id == W::Tab || id == W::Emdash || id == W::Endash || id == W::Bullet ||
           id == W::Lquote || id == W::Rquote || id == W::Ldblquote || id == W::Rdblquote ||
           id == W::Emspace || id == W::Enspace || id == W::Qmspace || id == W::Zwj ||
           id == W::Zwnj;
}

} // namespace

void RtfParser::word(int id, bool hasParam, int param, const char *&p, const char *end)
{
    GroupState &st = state();
    if (id == W::Bin) {
        // \binN: N raw bytes follow, whatever the destination.
        const int n = int(std::min<long long>(std::max(param, 0), end - p));
        if (st.dest == Dest::Pict)
            m_picture.data.append(p, n);
        p += n;
        m_starred = false;
        return;
    }
    if (m_starred) {
        m_starred = false;
        if (!openDestination(id)) {
            st.dest = Dest::Skip;
            st.ownsDest = true;
        }
        return;
    }
    if (st.dest == Dest::Skip)
        return;
    if (isCharacterWord(id)) {
        if (consumeSkip())
            return;
    } else if (id != W::U) {
        m_skip = 0;
    }
    if (openDestination(id))
        return;

    switch (id) {
    case W::Field:
        if (m_fields.size() < 1000000) {
            m_fields.emplace_back();
            st.field = int(m_fields.size()) - 1;
        }
        return;
    case W::AnsiCpg:
        if (param > 0)
            m_ansiCodePage = param;
        return;
    case W::Mac:
        m_ansiCodePage = 10000;
        return;
    case W::Pc:
        m_ansiCodePage = 437;
        return;
    case W::Pca:
        m_ansiCodePage = 850;
        return;
    case W::Deff:
        m_defaultFont = param;
        return;
    case W::Uc:
        st.uc = std::clamp(param, 0, 16);
        return;
    case W::U: {
        m_skip = 0;
        const int code = param < 0 ? param + 65536 : param;
        if (code > 0 && code <= 0xFFFF)
            charOut(QChar(char16_t(code)));
        m_skip = st.uc;
        return;
    }
    case W::Par:
    case W::Page:
    case W::Sect:
    case W::Cell:
    case W::NestCell:
    case W::Row:
    case W::NestRow:
        if (st.dest == Dest::Body || st.dest == Dest::FieldResult ||
            (st.dest == Dest::NestTableProps && (id == W::NestRow || id == W::Row))) {
            if (id == W::Sect && m_paragraph.isEmpty())
                return;
            if (id == W::Row || id == W::NestRow) {
                flushText();
                m_paragraph = Paragraph();
                const ParaState &para = st.para;
                const int level = id == W::Row ? 1
                                               : std::clamp(std::max(2, para.itap), 2,
                                                            RtfTableAssembler::kMaxLevel);
                m_tables.endRow(m_rowDefs[level], level);
            } else {
                endParagraph(id == W::Cell       ? ParEnd::Cell
                             : id == W::NestCell ? ParEnd::NestCell
                             : id == W::Page     ? ParEnd::Page
                                                 : ParEnd::Par);
            }
        }
        return;
    case W::Line:
        charOut(QChar(0x2028));
        return;
    case W::Tab:
        charOut(QChar(u'\t'));
        return;
    case W::Emdash:
        charOut(QChar(0x2014));
        return;
    case W::Endash:
        charOut(QChar(0x2013));
        return;
    case W::Bullet:
        charOut(QChar(0x2022));
        return;
    case W::Lquote:
        charOut(QChar(0x2018));
        return;
    case W::Rquote:
        charOut(QChar(0x2019));
        return;
    case W::Ldblquote:
        charOut(QChar(0x201C));
        return;
    case W::Rdblquote:
        charOut(QChar(0x201D));
        return;
    case W::Emspace:
        charOut(QChar(0x2003));
        return;
    case W::Enspace:
        charOut(QChar(0x2002));
        return;
    case W::Qmspace:
        charOut(QChar(0x2005));
        return;
    case W::Zwj:
        charOut(QChar(0x200D));
        return;
    case W::Zwnj:
        charOut(QChar(0x200C));
        return;
    default:
        break;
    }

    // Words whose meaning depends on the table being read.
    switch (st.dest) {
    case Dest::FontTable:
        if (id == W::F) {
            if (!m_fontName.isEmpty())
                commitFont();
            m_fontId = param;
            m_fontCodePage = 0;
        } else if (id == W::FCharset) {
            m_fontCodePage = RtfCodePage::codePageOfCharset(param);
        }
        return;
    case Dest::ColorTable:
        if (id == W::Red || id == W::Green || id == W::Blue) {
            const int v = std::clamp(param, 0, 255);
            (id == W::Red ? m_red : id == W::Green ? m_green : m_blue) = v;
            m_colourSet = true;
        }
        return;
    case Dest::StyleSheet:
        if (id == W::S)
            m_styleId = param;
        else if (id == W::Cs || id == W::Ds || id == W::Ts)
            m_styleId = -1;
        else if (id == W::OutlineLevel)
            m_styleOutline = param;
        return;
    case Dest::List:
    case Dest::ListLevel:
        if (id == W::ListId && st.dest == Dest::List)
            m_listId = param;
        else if (id == W::LevelNfc && m_listLevel >= 0 && m_listLevel < 9) {
            m_levelNfc = param;
            m_list.levels[m_listLevel].style = styleOfNfc(param);
        } else if (id == W::LevelStartAt && m_listLevel >= 0 && m_listLevel < 9)
            m_list.levels[m_listLevel].start = std::clamp(param, 0, 1000000);
        return;
    case Dest::ListOverride:
        if (id == W::ListId)
            m_overrideList = param;
        else if (id == W::Ls)
            m_overrideLs = param;
        return;
    case Dest::Pict:
        switch (id) {
        case W::PngBlip:
            m_picture.kind = 1;
            break;
        case W::JpegBlip:
            m_picture.kind = 2;
            break;
        case W::DiBitmap:
            m_picture.kind = 3;
            break;
        case W::OtherPicture:
            m_picture.kind = 4;
            break;
        case W::PicW:
            m_picture.picw = param;
            break;
        case W::PicH:
            m_picture.pich = param;
            break;
        case W::PicWGoal:
            m_picture.goalw = param;
            break;
        case W::PicHGoal:
            m_picture.goalh = param;
            break;
        case W::PicScaleX:
            m_picture.scalex = param;
            break;
        case W::PicScaleY:
            m_picture.scaley = param;
            break;
        default:
            break;
        }
        return;
    case Dest::Body:
    case Dest::FieldResult:
    case Dest::NestTableProps:
    case Dest::Pn:
        charWord(id, hasParam, param);
        paraWord(id, hasParam, param);
        tableWord(id, hasParam, param);
        return;
    default:
        return;
    }
}

void RtfParser::charWord(int id, bool hasParam, int param)
{
    CharState &ch = state().ch;
    switch (id) {
    case W::Plain: {
        const int link = ch.link;
        ch = CharState();
        ch.link = link;
        break;
    }
    case W::B:
        ch.bold = flag(hasParam, param);
        break;
    case W::I:
        ch.italic = flag(hasParam, param);
        break;
    case W::Ul:
        ch.underline =
            flag(hasParam, param) ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline;
        break;
    case W::UlDouble:
        ch.underline = QTextCharFormat::SingleUnderline;
        break;
    case W::UlNone:
        ch.underline = QTextCharFormat::NoUnderline;
        break;
    case W::UlDotted:
        ch.underline = QTextCharFormat::DotLine;
        break;
    case W::UlDash:
        ch.underline = QTextCharFormat::DashUnderline;
        break;
    case W::UlWave:
        ch.underline = QTextCharFormat::WaveUnderline;
        break;
    case W::Strike:
        ch.strike = flag(hasParam, param);
        break;
    case W::Sub:
        ch.vert = -1;
        break;
    case W::Super:
        ch.vert = 1;
        break;
    case W::NoSuperSub:
        ch.vert = 0;
        break;
    case W::Up:
        ch.vert = (!hasParam || param > 0) ? 1 : 0;
        break;
    case W::Dn:
        ch.vert = (!hasParam || param > 0) ? -1 : 0;
        break;
    case W::F:
        ch.font = param;
        break;
    case W::Fs:
        ch.halfPoints = param > 0 ? std::clamp(param, 2, 3276) : 24;
        break;
    case W::Cf:
        ch.fg = param;
        break;
    case W::Cb:
    case W::Highlight:
    case W::ChCbPat:
        ch.bg = param;
        break;
    case W::V:
        ch.hidden = flag(hasParam, param);
        break;
    case W::Caps:
        ch.caps = flag(hasParam, param) ? 1 : 0;
        break;
    case W::Scaps:
        ch.caps = flag(hasParam, param) ? 2 : 0;
        break;
    default:
        break;
    }
}

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
