// The lexer of RtfParser: the byte loop, control symbols, groups and destinations.
#include "platform/wordproc/RtfParser.h"

#include "platform/wordproc/RtfParserInput.h"
#include "platform/wordproc/RtfWords.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>

using namespace RtfModel;
using RtfInput::hexValue;
namespace W = RtfWords;

namespace {

bool isAlpha(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The target of a HYPERLINK field instruction: HYPERLINK "url" or HYPERLINK \l "bookmark",
// with switches such as \o "tip" ignored.
QString hyperlinkOf(const QString &instruction)
{
    QStringList tokens;
    const int n = instruction.size();
    for (int i = 0; i < n;) {
        const QChar c = instruction.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (c == u'"') {
            const int close = instruction.indexOf(u'"', i + 1);
            const int stop = close < 0 ? n : close;
            tokens << instruction.mid(i + 1, stop - i - 1);
            i = stop + 1;
        } else {
            int j = i;
            while (j < n && !instruction.at(j).isSpace())
                ++j;
            tokens << instruction.mid(i, j - i);
            i = j;
        }
    }
    if (tokens.isEmpty() || tokens.first().compare(u"HYPERLINK", Qt::CaseInsensitive) != 0)
        return QString();
    QString url;
    QString bookmark;
    for (int i = 1; i < tokens.size(); ++i) {
        const QString &t = tokens.at(i);
        if (t == u"\\l" && i + 1 < tokens.size()) {
            bookmark = tokens.at(++i);
        } else if (t.startsWith(u'\\')) {
            if ((t == u"\\o" || t == u"\\t") && i + 1 < tokens.size())
                ++i; // the switch's argument
        } else if (url.isEmpty()) {
            url = t;
        }
    }
    if (!bookmark.isEmpty())
        url += u'#' + bookmark;
    return url.trimmed();
}

} // namespace

bool RtfParser::CharState::operator==(const CharState &o) const
{
    return font == o.font && halfPoints == o.halfPoints && fg == o.fg && bg == o.bg &&
           link == o.link && underline == o.underline && vert == o.vert && caps == o.caps &&
           bold == o.bold && italic == o.italic && strike == o.strike && hidden == o.hidden;
}

RtfParser::RtfParser() : m_tables(&m_doc.blocks) {}

Document RtfParser::parse(const QByteArray &rtf)
{
    m_stack.clear();
    m_stack.reserve(64);
    m_stack.emplace_back();
    m_stack.back().dest = Dest::Skip; // outside the document group
    const char *p = rtf.constData();
    const char *const end = p + rtf.size();
    bool opened = false;
    while (p < end && !m_done) {
        const char c = *p;
        if (c == '{') {
            flushText();
            if (!opened) {
                opened = true;
                m_stack.emplace_back();
                m_stack.back().dest = Dest::Body;
            } else {
                pushGroup();
            }
            ++p;
        } else if (c == '}') {
            flushText();
            popGroup();
            ++p;
        } else if (c == '\\') {
            p = controlWord(p + 1, end);
        } else if (c == '\r' || c == '\n') {
            ++p;
        } else {
            const char *start = p++;
            while (p < end && *p != '{' && *p != '}' && *p != '\\' && *p != '\r' && *p != '\n')
                ++p;
            m_starred = false;
            bytesOut(start, int(p - start));
        }
    }
    flushText();
    if (m_done) {
        while (p < end && (*p == ' ' || *p == '\r' || *p == '\n' || *p == '\t' || *p == '\0'))
            ++p;
        if (p < end)
            m_warnings << QCoreApplication::translate(
                "WordProcessor", "Data after the end of the RTF document was ignored.");
    }
    if (!m_done)
        m_warnings << QCoreApplication::translate(
            "WordProcessor", "The RTF data ends before all its groups are closed; "
                             "it may be truncated. What could be read was loaded.");
    if (!m_paragraph.isEmpty())
        endParagraph(ParEnd::Par);
    m_tables.finish();
    return std::move(m_doc);
}

const char *RtfParser::controlWord(const char *p, const char *end)
{
    if (p >= end)
        return p;
    const char c = *p;
    if (isAlpha(c)) {
        const char *name = p;
        while (p < end && isAlpha(*p))
            ++p;
        const int length = int(p - name);
        bool negative = false;
        bool hasParam = false;
        long long value = 0;
        if (p + 1 < end && *p == '-' && isDigit(p[1])) {
            negative = true;
            ++p;
        }
        while (p < end && isDigit(*p)) {
            hasParam = true;
            if (value < 100000000000LL)
                value = value * 10 + (*p - '0');
            ++p;
        }
        if (p < end && *p == ' ')
            ++p;
        if (negative)
            value = -value;
        const int param = int(std::clamp<long long>(value, INT_MIN, INT_MAX));
        flushText();
        const W::Id id = length <= 32 ? W::lookup(name, length) : W::Unknown;
        word(id, hasParam, param, p, end);
        return p;
    }
    ++p;
    switch (c) {
    case '\'': {
        const int hi = p < end ? hexValue(p[0]) : -1;
        const int lo = p + 1 < end ? hexValue(p[1]) : -1;
        if (hi < 0 || lo < 0)
            return p;
        const char byte = char(hi * 16 + lo);
        p += 2;
        if (!consumeSkip())
            bytesOut(&byte, 1);
        return p;
    }
    case '\\':
    case '{':
    case '}':
        if (!consumeSkip())
            bytesOut(&c, 1);
        return p;
    case '*':
        m_starred = true;
        return p;
    case '~':
        charOut(QChar(0x00A0));
        return p;
    case '-':
        charOut(QChar(0x00AD));
        return p;
    case '_':
        charOut(QChar(0x2011));
        return p;
    case '\r':
    case '\n':
        flushText();
        m_skip = 0;
        if (state().dest == Dest::Body || state().dest == Dest::FieldResult)
            endParagraph(ParEnd::Par);
        return p;
    case '\t':
        charOut(QChar(u'\t'));
        return p;
    default:
        consumeSkip();
        return p;
    }
}

bool RtfParser::consumeSkip()
{
    if (m_skip <= 0)
        return false;
    --m_skip;
    return true;
}

void RtfParser::pushGroup()
{
    m_skip = 0;
    if (int(m_stack.size()) >= kMaxDepth) {
        ++m_overflowDepth;
        warnOnce(QCoreApplication::translate(
                     "WordProcessor", "Groups nested deeper than %1 levels were read as one level.")
                     .arg(kMaxDepth));
        return;
    }
    m_stack.push_back(m_stack.back());
    m_stack.back().ownsDest = false;
}

void RtfParser::popGroup()
{
    m_skip = 0;
    m_starred = false;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.size() <= 1) {
        warnOnce(QCoreApplication::translate(
            "WordProcessor", "The RTF data has a closing brace without an opening one."));
        return;
    }
    GroupState closed = std::move(m_stack.back());
    m_stack.pop_back();
    closeDestination(closed);
    if (m_stack.size() == 1)
        m_done = true; // the document group is closed; anything after it is not RTF
}

void RtfParser::closeDestination(const GroupState &closed)
{
    if (closed.dest == Dest::FontTable && !m_fontName.isEmpty())
        commitFont();
    if (closed.dest == Dest::StyleSheet && (!m_styleName.isEmpty() || m_styleId >= 0))
        commitStyle();
    if (!closed.ownsDest)
        return;
    switch (closed.dest) {
    case Dest::List:
        m_listDefs.insert(m_listId, m_list);
        break;
    case Dest::ListLevelText:
        if (m_levelNfc == 23 && m_listLevel >= 0 && m_listLevel < 9) {
            QString text = m_levelText;
            text.remove(u';');
            text.removeIf([](QChar ch) { return ch.unicode() < 0x20; });
            text = text.trimmed();
            const QChar last = text.isEmpty() ? QChar() : text.back();
            QTextListFormat::Style style = QTextListFormat::ListDisc;
            if (last == u'o' || last == QChar(0x25E6))
                style = QTextListFormat::ListCircle;
            else if (last == QChar(0xF0A7) || last == u'§' || last == QChar(0x25AA) ||
                     last == QChar(0x25A0))
                style = QTextListFormat::ListSquare;
            m_list.levels[m_listLevel].style = style;
        }
        break;
    case Dest::ListOverride:
        m_listOfOverride.insert(m_overrideLs, m_overrideList);
        break;
    case Dest::Pict:
        if ((state().dest == Dest::Body || state().dest == Dest::FieldResult) && !state().ch.hidden)
            addPicture();
        m_picture = Picture();
        break;
    case Dest::FieldInst:
        if (closed.field >= 0 && closed.field < int(m_fields.size())) {
            Field &field = m_fields[size_t(closed.field)];
            field.href = hyperlinkOf(m_codePages.decode(field.instruction.constData(),
                                                        field.instruction.size(), m_ansiCodePage));
        }
        break;
    case Dest::Pn: {
        ParaState &para = state().para;
        para.pnKind = closed.para.pnKind;
        para.pnLevel = closed.para.pnLevel;
        para.pnStart = closed.para.pnStart;
        para.pnStyle = closed.para.pnStyle;
        break;
    }
    default:
        break;
    }
}

bool RtfParser::openDestination(int id)
{
    GroupState &st = state();
    Dest dest;
    switch (id) {
    case W::FontTbl:
        dest = Dest::FontTable;
        m_fontId = -1;
        m_fontName.clear();
        break;
    case W::ColorTbl:
        dest = Dest::ColorTable;
        m_colours.clear();
        m_colourSet = false;
        break;
    case W::StyleSheet:
        dest = Dest::StyleSheet;
        m_styleId = -1;
        m_styleOutline = -1;
        m_styleName.clear();
        break;
    case W::ListTable:
        dest = Dest::ListTable;
        break;
    case W::List:
        if (st.dest != Dest::ListTable)
            return false;
        dest = Dest::List;
        m_list = ListDef();
        m_listId = 0;
        m_listLevel = -1;
        break;
    case W::ListLevel:
        if (st.dest != Dest::List)
            return false;
        dest = Dest::ListLevel;
        m_listLevel = std::min(m_listLevel + 1, 9);
        m_levelNfc = 0;
        break;
    case W::LevelText:
        dest = Dest::ListLevelText;
        m_levelText.clear();
        break;
    case W::ListOverrideTable:
        dest = Dest::ListOverrideTable;
        break;
    case W::ListOverride:
        dest = Dest::ListOverride;
        m_overrideList = 0;
        m_overrideLs = 0;
        break;
    case W::Pict:
        dest = Dest::Pict;
        m_picture = Picture();
        break;
    case W::FldInst:
        dest = Dest::FieldInst;
        break;
    case W::FldRslt:
        dest = Dest::FieldResult;
        if (st.field >= 0 && st.field < int(m_fields.size()) &&
            !m_fields[size_t(st.field)].href.isEmpty())
            st.ch.link = st.field;
        break;
    case W::NestTableProps:
        dest = Dest::NestTableProps;
        break;
    case W::Pn:
        dest = Dest::Pn;
        break;
    case W::ShpPict:
        return true; // its \pict is the picture to show
    case W::PnText:
    case W::ListText:
    case W::NonShpPict:
    case W::NoNestTables:
    case W::SkippedDestination:
        dest = Dest::Skip;
        break;
    default:
        return false;
    }
    st.dest = dest;
    st.ownsDest = true;
    return true;
}

void RtfParser::warnOnce(const QString &text)
{
    if (!m_warnings.contains(text))
        m_warnings << text;
}
