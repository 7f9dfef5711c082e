#include "platform/wordproc/RtfWriter.h"

#include "platform/wordproc/DocumentImages.h"
#include "platform/wordproc/RtfWriterOutput.h"

#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>

// Paragraphs and what they hold: paragraph formats, runs of characters with their
// formats, text as \uN with code-page fallbacks, and pictures.

using namespace RtfOutput;

void RtfWriter::writeBlock(const QTextBlock &block, int itap, const char *ending)
{
    const QTextBlockFormat f = block.blockFormat();
    m_out += "\\pard\\plain";
    if (itap > 0) {
        m_out += "\\intbl";
        appendNumber(m_out, "itap", itap);
    }
    const Qt::Alignment align = f.alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignHCenter)
        m_out += "\\qc";
    else if (align & (Qt::AlignRight | Qt::AlignTrailing))
        m_out += "\\qr";
    else if (align & Qt::AlignJustify)
        m_out += "\\qj";
    else
        m_out += "\\ql";
    const QTextList *list = block.textList();
    if (list) {
        const int level = std::clamp(list->format().indent() - 1, 0, 8);
        appendNumber(m_out, "ls", listIndex(list));
        appendNumber(m_out, "ilvl", level);
        appendNumber(m_out, "li", 600 * (level + 1));
        appendNumber(m_out, "fi", -300);
    } else {
        const int left = twips(f.leftMargin() + f.indent() * m_doc->indentWidth());
        if (left)
            appendNumber(m_out, "li", left);
        if (f.textIndent() != 0)
            appendNumber(m_out, "fi", twips(f.textIndent()));
    }
    if (f.rightMargin() != 0)
        appendNumber(m_out, "ri", twips(f.rightMargin()));
    if (f.topMargin() != 0)
        appendNumber(m_out, "sb", twips(f.topMargin()));
    if (f.bottomMargin() != 0)
        appendNumber(m_out, "sa", twips(f.bottomMargin()));
    switch (f.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        if (f.lineHeight() > 0 && f.lineHeight() != 100) {
            appendNumber(m_out, "sl", std::lround(f.lineHeight() * 2.4));
            m_out += "\\slmult1";
        }
        break;
    case QTextBlockFormat::FixedHeight:
        appendNumber(m_out, "sl", -twips(f.lineHeight()));
        m_out += "\\slmult0";
        break;
    case QTextBlockFormat::MinimumHeight:
        appendNumber(m_out, "sl", twips(f.lineHeight()));
        m_out += "\\slmult0";
        break;
    default:
        break;
    }
    for (const QTextOption::Tab &tab : f.tabPositions()) {
        if (tab.type == QTextOption::RightTab)
            m_out += "\\tqr";
        else if (tab.type == QTextOption::CenterTab)
            m_out += "\\tqc";
        else if (tab.type == QTextOption::DelimiterTab)
            m_out += "\\tqdec";
        appendNumber(m_out, "tx", twips(tab.position));
    }
    if (f.background().style() != Qt::NoBrush)
        appendNumber(m_out, "cbpat", colourIndex(f.background().color()));
    if (f.headingLevel() >= 1 && f.headingLevel() <= 6) {
        appendNumber(m_out, "s", f.headingLevel());
        appendNumber(m_out, "outlinelevel", f.headingLevel() - 1);
    }
    if (f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        m_out += "\\pagebb";
    if (list) {
        // The marker as text, for readers that do not know list tables.
        m_out += "{\\listtext\\pard\\plain ";
        const QString marker = list->itemText(block);
        writeText(marker.isEmpty() ? QString(QChar(0x2022)) : marker);
        m_out += "\\tab}";
    }
    // The paragraph mark carries the block's character format (size of an empty line).
    writeCharFormat(block.charFormat());
    m_out += ' ';
    writeRuns(block);
    m_out += ending;
    m_out += "\r\n";
}

void RtfWriter::writeRuns(const QTextBlock &block)
{
    QString openLink;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const QTextCharFormat format = fragment.charFormat();
        const QString href = format.isAnchor() ? format.anchorHref() : QString();
        if (href != openLink) {
            if (!openLink.isEmpty())
                m_out += "}}}";
            if (!href.isEmpty()) {
                m_out += "{\\field{\\*\\fldinst{HYPERLINK \"";
                QString escaped = href;
                escaped.replace(u'"', QLatin1String("%22"));
                writeText(escaped);
                m_out += "\"}}{\\fldrslt{";
            }
            openLink = href;
        }
        if (format.isImageFormat()) {
            const QString text = fragment.text();
            for (int i = 0; i < text.size(); ++i)
                writeImage(format);
            continue;
        }
        m_out += "{\\plain";
        writeCharFormat(format);
        m_out += ' ';
        writeText(fragment.text());
        m_out += '}';
    }
    if (!openLink.isEmpty())
        m_out += "}}}";
}

void RtfWriter::writeCharFormat(const QTextCharFormat &f)
{
    const QStringList families = f.fontFamilies().toStringList();
    appendNumber(m_out, "f", fontIndex(families.isEmpty() ? QString() : families.first()));
    double points = f.fontPointSize();
    if (points <= 0 && f.hasProperty(QTextFormat::FontPixelSize))
        points = f.intProperty(QTextFormat::FontPixelSize) * 0.75;
    if (points <= 0) {
        points = m_defaultPointSize;
        if (f.hasProperty(QTextFormat::FontSizeAdjustment)) {
            static const double scale[] = {0.7, 0.8, 1.0, 1.2, 1.5, 2, 2.4};
            points *= scale[std::clamp(f.intProperty(QTextFormat::FontSizeAdjustment) + 2, 0, 6)];
        }
    }
    appendNumber(m_out, "fs", std::lround(std::clamp(points, 1.0, 1638.0) * 2));
    if (f.fontWeight() >= QFont::DemiBold)
        m_out += "\\b";
    if (f.fontItalic())
        m_out += "\\i";
    switch (f.underlineStyle()) {
    case QTextCharFormat::NoUnderline:
        break;
    case QTextCharFormat::DotLine:
        m_out += "\\uld";
        break;
    case QTextCharFormat::DashUnderline:
    case QTextCharFormat::DashDotLine:
    case QTextCharFormat::DashDotDotLine:
        m_out += "\\uldash";
        break;
    case QTextCharFormat::WaveUnderline:
    case QTextCharFormat::SpellCheckUnderline:
        m_out += "\\ulwave";
        break;
    default:
        m_out += "\\ul";
        break;
    }
    if (f.fontStrikeOut())
        m_out += "\\strike";
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        m_out += "\\sub";
    else if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        m_out += "\\super";
    if (f.fontCapitalization() == QFont::AllUppercase)
        m_out += "\\caps";
    else if (f.fontCapitalization() == QFont::SmallCaps)
        m_out += "\\scaps";
    if (f.foreground().style() != Qt::NoBrush)
        appendNumber(m_out, "cf", colourIndex(f.foreground().color()));
    if (f.background().style() != Qt::NoBrush) {
        const int i = colourIndex(f.background().color());
        m_out += "\\chshdng0";
        appendNumber(m_out, "chcbpat", i);
        appendNumber(m_out, "cb", i);
    }
}

void RtfWriter::writeText(const QString &text)
{
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c >= 0x20 && c < 0x80) {
            if (c == '\\' || c == '{' || c == '}')
                m_out += '\\';
            m_out += char(c);
            continue;
        }
        switch (c) {
        case u'\t':
            m_out += "\\tab ";
            continue;
        case 0x2028:
        case u'\n':
            m_out += "\\line ";
            continue;
        case 0x00A0:
            m_out += "\\~";
            continue;
        case 0x00AD:
            m_out += "\\-";
            continue;
        case 0x2011:
            m_out += "\\_";
            continue;
        case QChar::ObjectReplacementCharacter:
            continue;
        default:
            break;
        }
        if (c < 0x20)
            continue;
        appendNumber(m_out, "u", qint16(c));
        const unsigned char fallback = fallbackByte(c);
        if (fallback) {
            static const char hex[] = "0123456789abcdef";
            m_out += "\\'";
            m_out += hex[fallback >> 4];
            m_out += hex[fallback & 15];
        } else {
            m_out += '?';
        }
    }
}

void RtfWriter::writeImage(const QTextCharFormat &format)
{
    const QTextImageFormat image = format.toImageFormat();
    QByteArray kind;
    const QByteArray data = DocumentImages::bytes(m_doc, image.name(), &kind);
    if (data.isEmpty())
        return;
    const QSize natural = QImage::fromData(data).size();
    const double width = image.width() > 0 ? image.width() : natural.width();
    const double height = image.height() > 0    ? image.height()
                          : natural.width() > 0 ? width * natural.height() / natural.width()
                                                : natural.height();
    m_out += kind == "jpeg" ? "{\\pict\\jpegblip" : "{\\pict\\pngblip";
    appendNumber(m_out, "picw", natural.width());
    appendNumber(m_out, "pich", natural.height());
    appendNumber(m_out, "picwgoal", twips(width));
    appendNumber(m_out, "pichgoal", twips(height));
    m_out += "\r\n";
    const QByteArray hex = data.toHex();
    for (int i = 0; i < hex.size(); i += 128) {
        m_out += QByteArrayView(hex).sliced(i, std::min<qsizetype>(128, hex.size() - i));
        m_out += "\r\n";
    }
    m_out += '}';
}
