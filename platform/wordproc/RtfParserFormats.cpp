// The formats and lists of RtfParser: block and character formats from the group state,
// list membership, and lists recognised from typed markers.
#include "platform/wordproc/RtfParser.h"

#include <QFont>
#include <QTextFormat>

#include <algorithm>

using namespace RtfModel;

QTextBlockFormat RtfParser::blockFormat(const ParaState &para) const
{
    QTextBlockFormat f;
    if (para.align == 1)
        f.setAlignment(Qt::AlignHCenter);
    else if (para.align == 2)
        f.setAlignment(Qt::AlignRight);
    else if (para.align == 3)
        f.setAlignment(Qt::AlignJustify);
    if (para.li)
        f.setLeftMargin(para.li / 15.0);
    if (para.ri)
        f.setRightMargin(para.ri / 15.0);
    if (para.fi)
        f.setTextIndent(para.fi / 15.0);
    if (para.sb)
        f.setTopMargin(para.sb / 15.0);
    if (para.sa)
        f.setBottomMargin(para.sa / 15.0);
    if (para.sl > 0 && para.slMult)
        f.setLineHeight(para.sl * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (para.sl > 0)
        f.setLineHeight(para.sl / 15.0, QTextBlockFormat::MinimumHeight);
    else if (para.sl < 0)
        f.setLineHeight(-para.sl / 15.0, QTextBlockFormat::FixedHeight);
    if (!para.tabs.isEmpty())
        f.setTabPositions(para.tabs);
    const QColor bg = colour(para.bg);
    if (bg.isValid())
        f.setBackground(bg);
    int heading = para.outline >= 0 && para.outline < 6 ? para.outline + 1 : 0;
    if (!heading)
        heading = m_styleHeading.value(para.style, 0);
    if (heading)
        f.setHeadingLevel(heading);
    if (para.pageBreakBefore)
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return f;
}

QTextCharFormat RtfParser::charFormat(const CharState &ch)
{
    if (m_hasCachedFormat && ch == m_cachedState)
        return m_cachedFormat;
    QTextCharFormat f;
    const auto font = m_fonts.constFind(ch.font >= 0 ? ch.font : m_defaultFont);
    if (font != m_fonts.constEnd() && !font->name.isEmpty())
        f.setFontFamilies(QStringList{font->name});
    f.setFontPointSize(ch.halfPoints / 2.0);
    if (ch.bold)
        f.setFontWeight(QFont::Bold);
    if (ch.italic)
        f.setFontItalic(true);
    if (ch.underline != QTextCharFormat::NoUnderline) {
        if (ch.underline == QTextCharFormat::SingleUnderline)
            f.setFontUnderline(true);
        else
            f.setUnderlineStyle(QTextCharFormat::UnderlineStyle(ch.underline));
    }
    if (ch.strike)
        f.setFontStrikeOut(true);
    if (ch.vert)
        f.setVerticalAlignment(ch.vert < 0 ? QTextCharFormat::AlignSubScript
                                           : QTextCharFormat::AlignSuperScript);
    if (ch.caps)
        f.setFontCapitalization(ch.caps == 1 ? QFont::AllUppercase : QFont::SmallCaps);
    const QColor fg = colour(ch.fg);
    if (fg.isValid())
        f.setForeground(fg);
    const QColor bg = colour(ch.bg);
    if (bg.isValid())
        f.setBackground(bg);
    if (ch.link >= 0 && ch.link < int(m_fields.size())) {
        f.setAnchor(true);
        f.setAnchorHref(m_fields[size_t(ch.link)].href);
    }
    m_cachedState = ch;
    m_cachedFormat = f;
    m_hasCachedFormat = true;
    return f;
}

void RtfParser::assignList(Paragraph &paragraph, const ParaState &para)
{
    if (para.ls > 0) {
        if (!m_doc.lists.contains(para.ls)) {
            const auto def = m_listDefs.constFind(m_listOfOverride.value(para.ls, -1));
            m_doc.lists.insert(para.ls, def != m_listDefs.constEnd() ? *def : ListDef());
        }
        paragraph.listId = para.ls;
        paragraph.listLevel = para.ilvl;
    } else if (para.pnKind) {
        const int key = 1000000 + (para.pnKind == 1 ? 0 : 1 + int(-para.pnStyle));
        if (!m_doc.lists.contains(key)) {
            ListDef def;
            for (ListLevel &l : def.levels) {
                l.style = para.pnKind == 1 ? QTextListFormat::ListDisc : para.pnStyle;
                l.start = para.pnStart;
            }
            m_doc.lists.insert(key, def);
        }
        paragraph.listId = key;
        paragraph.listLevel = para.pnLevel;
    } else {
        return;
    }
    // A list indents its items itself.
    paragraph.format.clearProperty(QTextFormat::BlockLeftMargin);
    paragraph.format.clearProperty(QTextFormat::TextIndent);
}

// Writers that have no list markup type the marker, a tab and the text with a hanging
// indent ("•<tab>item", "2.<tab>item"); such paragraphs become list items again.
void RtfParser::recogniseTypedMarker(Paragraph &paragraph, const ParaState &para)
{
    if (para.fi >= 0 || paragraph.runs.isEmpty() || paragraph.runs.front().isImage)
        return;
    QString &text = paragraph.runs.front().text;
    const int tab = text.indexOf(u'\t');
    if (tab < 1 || tab > 4)
        return;
    const QString marker = text.left(tab);
    QTextListFormat::Style style;
    int number = 1;
    static const QString bullets = QStringLiteral("\u2022\u25E6\u25AA\u25A0\u2013\u00B7-*o");
    if (marker.size() == 1 && bullets.contains(marker.at(0))) {
        const int b = bullets.indexOf(marker.at(0));
        style = b == 1 || b == 8   ? QTextListFormat::ListCircle
                : b == 2 || b == 3 ? QTextListFormat::ListSquare
                                   : QTextListFormat::ListDisc;
    } else if (marker.endsWith(u'.') || marker.endsWith(u')')) {
        const QString body = marker.chopped(1);
        bool ok = false;
        number = body.toInt(&ok);
        if (ok && number >= 0) {
            style = QTextListFormat::ListDecimal;
        } else if (body.size() == 1 && body.at(0).isLetter() && body.at(0).unicode() < 128) {
            style = body.at(0).isUpper() ? QTextListFormat::ListUpperAlpha
                                         : QTextListFormat::ListLowerAlpha;
            number = body.at(0).toLower().unicode() - 'a' + 1;
        } else {
            return;
        }
    } else {
        return;
    }
    const int level = std::clamp(para.li / 360 - 1, 0, 8);
    if (m_typedListKey) {
        const ListDef &def = m_doc.lists[m_typedListKey];
        if (def.levels[level].start > 0 && def.levels[level].style != style)
            m_typedListKey = 0; // a different kind of list starts here
    }
    if (!m_typedListKey) {
        m_typedListKey = 2000000 + ++m_typedListCount;
        ListDef def;
        def.endsAtOtherParagraph = true;
        for (ListLevel &l : def.levels)
            l.start = 0; // not seen yet
        m_doc.lists.insert(m_typedListKey, def);
    }
    ListLevel &l = m_doc.lists[m_typedListKey].levels[level];
    if (l.start == 0) {
        l.style = style;
        l.start = std::max(1, number);
    }
    text.remove(0, tab + 1);
    if (text.isEmpty())
        paragraph.runs.removeFirst();
    paragraph.listId = m_typedListKey;
    paragraph.listLevel = level;
    paragraph.format.clearProperty(QTextFormat::BlockLeftMargin);
    paragraph.format.clearProperty(QTextFormat::TextIndent);
    paragraph.format.clearProperty(QTextFormat::TabPositions);
}
