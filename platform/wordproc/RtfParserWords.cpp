// The control words of RtfParser: the dispatch by destination, characters and
// character formatting. Paragraph and table words have files of their own.
#include "platform/wordproc/RtfParser.h"

#include "platform/wordproc/RtfParserInput.h"
#include "platform/wordproc/RtfWords.h"

#include <QFont>
#include <QTextFormat>

#include <algorithm>

using namespace RtfModel;
using RtfInput::flag;
namespace W = RtfWords;

namespace {

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
