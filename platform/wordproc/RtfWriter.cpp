#include "platform/wordproc/RtfWriter.h"

#include "platform/wordproc/DocumentImages.h"
#include "platform/wordproc/RtfCodePage.h"

#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTextWidthTwips = 9360; // 6.5 inches: a letter or A4 page less its margins

int twips(double pixels)
{
    return int(std::lround(std::clamp(pixels, -2112.0, 2112.0) * 15.0));
}

void appendNumber(QByteArray &out, const char *word, long long value)
{
    out += '\\';
    out += word;
    out += QByteArray::number(value);
}

// The byte of a Windows-1252 character, 0 when the character has none.
unsigned char cp1252Byte(char16_t c)
{
    if (c >= 0xA0 && c <= 0xFF)
        return static_cast<unsigned char>(c);
    static const char16_t high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (int i = 0; i < 32; ++i)
        if (high[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return 0;
}

// The font charset that names a Windows code page, for readers that go by the font.
int charsetOfCodePage(int codePage)
{
    switch (codePage) {
    case 1250:
        return 238;
    case 1251:
        return 204;
    case 1253:
        return 161;
    case 1254:
        return 162;
    case 1255:
        return 177;
    case 1256:
        return 178;
    case 1257:
        return 186;
    case 1258:
        return 163;
    default:
        return 0;
    }
}

int nfcOf(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListDecimal:
        return 0;
    case QTextListFormat::ListUpperRoman:
        return 1;
    case QTextListFormat::ListLowerRoman:
        return 2;
    case QTextListFormat::ListUpperAlpha:
        return 3;
    case QTextListFormat::ListLowerAlpha:
        return 4;
    default:
        return 23;
    }
}

const char *borderStyleWord(QTextFrameFormat::BorderStyle style)
{
    switch (style) {
    case QTextFrameFormat::BorderStyle_Double:
        return "\\brdrdb";
    case QTextFrameFormat::BorderStyle_Dotted:
        return "\\brdrdot";
    case QTextFrameFormat::BorderStyle_Dashed:
    case QTextFrameFormat::BorderStyle_DotDash:
    case QTextFrameFormat::BorderStyle_DotDotDash:
        return "\\brdrdash";
    case QTextFrameFormat::BorderStyle_Groove:
        return "\\brdrgroove";
    case QTextFrameFormat::BorderStyle_Ridge:
        return "\\brdrridge";
    case QTextFrameFormat::BorderStyle_Inset:
        return "\\brdrinset";
    case QTextFrameFormat::BorderStyle_Outset:
        return "\\brdroutset";
    default:
        return "\\brdrs";
    }
}

} // namespace

QByteArray RtfWriter::write(const QTextDocument *doc)
{
    return write(doc, 1033);
}

QByteArray RtfWriter::write(const QTextDocument *doc, int languageId)
{
    RtfWriter writer(doc);
    return writer.run(languageId);
}

QByteArray RtfWriter::write(const QTextDocument *doc, int languageId, int codePage)
{
    RtfWriter writer(doc);
    writer.setCodePage(codePage);
    return writer.run(languageId);
}

void RtfWriter::setCodePage(int codePage)
{
    m_highBytes.clear();
    m_codePage = 1252;
    if (codePage == 1252 || codePage <= 0 || !RtfCodePage::isSingleByte(codePage))
        return;
    // The table of the code page's upper half, read through the same decoders as the reader.
    RtfCodePage decoder;
    QHash<char16_t, unsigned char> table;
    for (int b = 0x80; b <= 0xFF; ++b) {
        const char byte = char(b);
        const QString text = decoder.decode(&byte, 1, codePage);
        if (text.size() == 1 && text.at(0) != QChar::ReplacementCharacter)
            table.insert(text.at(0).unicode(), static_cast<unsigned char>(b));
    }
    // A code page the decoders do not know reads as Windows-1252: keep that then.
    const char probe = char(0xC0);
    if (codePage != 1252 && decoder.decode(&probe, 1, codePage) == QString(QChar(0xC0)) &&
        decoder.decode("\x80", 1, codePage) == QString(QChar(0x20AC)))
        return;
    m_codePage = codePage;
    m_highBytes = table;
}

unsigned char RtfWriter::fallbackByte(char16_t c) const
{
    if (m_codePage == 1252)
        return cp1252Byte(c);
    return m_highBytes.value(c, 0);
}

RtfWriter::RtfWriter(const QTextDocument *doc) : m_doc(doc)
{
    const QFont font = doc->defaultFont();
    m_defaultFamily = font.family();
    m_defaultPointSize = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    if (m_defaultPointSize <= 0)
        m_defaultPointSize = 12;
    m_fonts << m_defaultFamily;
}

QByteArray RtfWriter::run(int languageId)
{
    m_out.reserve(m_doc->characterCount() * 2 + 1024);
    writeFrame(m_doc->rootFrame());
    QByteArray result = header(languageId);
    result += m_out;
    result += "}\r\n";
    return result;
}

QByteArray RtfWriter::header(int languageId) const
{
    QByteArray h = "{\\rtf1\\ansi\\ansicpg" + QByteArray::number(m_codePage) + "\\deff0";
    appendNumber(h, "deflang", languageId);
    h += "\\uc1\r\n{\\fonttbl";
    for (int i = 0; i < m_fonts.size(); ++i) {
        h += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset" +
             QByteArray::number(charsetOfCodePage(m_codePage)) + ' ';
        for (QChar c : m_fonts.at(i)) {
            if (c.unicode() < 0x80 && c != u'\\' && c != u'{' && c != u'}' && c != u';')
                h += char(c.unicode());
            else
                h += "\\u" + QByteArray::number(qint16(c.unicode())) + '?';
        }
        h += ";}";
    }
    h += "}\r\n{\\colortbl;";
    for (const QColor &c : m_colours)
        h += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) +
             "\\blue" + QByteArray::number(c.blue()) + ';';
    h += "}\r\n{\\stylesheet{\\s0 Normal;}";
    for (int level = 1; level <= 6; ++level)
        h += "{\\s" + QByteArray::number(level) + "\\outlinelevel" + QByteArray::number(level - 1) +
             "\\b heading " + QByteArray::number(level) + ";}";
    h += "}\r\n";
    if (!m_lists.isEmpty()) {
        h += "{\\*\\listtable";
        for (int i = 0; i < m_lists.size(); ++i) {
            const QTextListFormat format = m_lists.at(i)->format();
            const int nfc = nfcOf(format.style());
            h += "{\\list\\listtemplateid" + QByteArray::number(i + 1);
            for (int level = 0; level < 9; ++level) {
                h += "{\\listlevel";
                appendNumber(h, "levelnfc", nfc);
                appendNumber(h, "levelnfcn", nfc);
                h += "\\leveljc0\\levelfollow0\\levelstartat1";
                if (nfc == 23) {
                    const char *bullet = format.style() == QTextListFormat::ListCircle ? "o"
                                         : format.style() == QTextListFormat::ListSquare
                                             ? "\\u9642 ?"
                                             : "\\u8226 ?";
                    h += "{\\leveltext\\'01";
                    h += bullet;
                    h += ";}{\\levelnumbers;}";
                } else {
                    h += "{\\leveltext\\'02\\'0" + QByteArray::number(level) +
                         ".;}{\\levelnumbers\\'01;}";
                }
                appendNumber(h, "fi", -300);
                appendNumber(h, "li", 600 * (level + 1));
                h += '}';
            }
            h += "\\listid" + QByteArray::number(i + 1) + "}";
        }
        h += "}\r\n{\\*\\listoverridetable";
        for (int i = 0; i < m_lists.size(); ++i)
            h += "{\\listoverride\\listid" + QByteArray::number(i + 1) +
                 "\\listoverridecount0\\ls" + QByteArray::number(i + 1) + "}";
        h += "}\r\n";
    }
    h += "\\viewkind4\r\n";
    return h;
}

int RtfWriter::fontIndex(const QString &family)
{
    const QString name = family.isEmpty() ? m_defaultFamily : family;
    int i = m_fonts.indexOf(name);
    if (i < 0) {
        m_fonts << name;
        i = int(m_fonts.size()) - 1;
    }
    return i;
}

int RtfWriter::colourIndex(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    for (int i = 0; i < m_colours.size(); ++i)
        if (m_colours.at(i).rgb() == rgb.rgb())
            return i + 1;
    m_colours << rgb;
    return int(m_colours.size());
}

int RtfWriter::listIndex(const QTextList *list)
{
    int i = m_lists.indexOf(list);
    if (i < 0) {
        m_lists << list;
        i = int(m_lists.size()) - 1;
    }
    return i + 1;
}

void RtfWriter::writeFrame(const QTextFrame *frame)
{
    for (QTextFrame::iterator it = frame->begin(); !it.atEnd(); ++it) {
        if (const QTextFrame *child = it.currentFrame()) {
            if (const auto *table = qobject_cast<const QTextTable *>(child))
                writeTable(table, 1, kTextWidthTwips);
            else
                writeFrame(child);
        } else {
            writeBlock(it.currentBlock(), 0, "\\par");
        }
    }
}

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

QByteArray RtfWriter::rowDefinition(const QTextTable *table, int row, const QList<int> &rights)
{
    const QTextTableFormat tf = table->format();
    QByteArray d = "\\trowd";
    const int pad = twips(tf.cellPadding());
    appendNumber(d, "trgaph", pad);
    appendNumber(d, "trleft", -pad);
    if (tf.alignment() & Qt::AlignHCenter)
        d += "\\trqc";
    else if (tf.alignment() & Qt::AlignRight)
        d += "\\trqr";
    if (row < tf.headerRowCount())
        d += "\\trhdr";
    for (int c = 0; c < table->columns();) {
        const QTextTableCell cell = table->cellAt(row, c);
        const int span = std::max(1, cell.columnSpan());
        const int lastColumn = std::min(int(rights.size()) - 1, cell.column() + span - 1);
        if (cell.row() != row)
            d += "\\clvmrg";
        else if (cell.rowSpan() > 1)
            d += "\\clvmgf";
        const QTextTableCellFormat cf = cell.format().toTableCellFormat();
        struct Side
        {
            const char *word;
            QTextFormat::Property width, style, brush;
        };
        static const Side sides[] = {
            {"\\clbrdrt", QTextFormat::TableCellTopBorder, QTextFormat::TableCellTopBorderStyle,
             QTextFormat::TableCellTopBorderBrush},
            {"\\clbrdrl", QTextFormat::TableCellLeftBorder, QTextFormat::TableCellLeftBorderStyle,
             QTextFormat::TableCellLeftBorderBrush},
            {"\\clbrdrb", QTextFormat::TableCellBottomBorder,
             QTextFormat::TableCellBottomBorderStyle, QTextFormat::TableCellBottomBorderBrush},
            {"\\clbrdrr", QTextFormat::TableCellRightBorder, QTextFormat::TableCellRightBorderStyle,
             QTextFormat::TableCellRightBorderBrush}};
        for (const Side &side : sides) {
            double width = tf.border();
            auto style = tf.borderStyle();
            QBrush brush = tf.borderBrush();
            if (cf.hasProperty(side.width))
                width = cf.doubleProperty(side.width);
            if (cf.hasProperty(side.style))
                style = QTextFrameFormat::BorderStyle(cf.intProperty(side.style));
            if (cf.hasProperty(side.brush))
                brush = cf.brushProperty(side.brush);
            if (width <= 0 || style == QTextFrameFormat::BorderStyle_None)
                continue;
            d += side.word;
            d += borderStyleWord(style);
            appendNumber(d, "brdrw", std::clamp(twips(width), 1, 255));
            if (brush.style() != Qt::NoBrush)
                appendNumber(d, "brdrcf", colourIndex(brush.color()));
        }
        if (cf.background().style() != Qt::NoBrush)
            appendNumber(d, "clcbpat", colourIndex(cf.background().color()));
        if (cf.verticalAlignment() == QTextCharFormat::AlignMiddle)
            d += "\\clvertalc";
        else if (cf.verticalAlignment() == QTextCharFormat::AlignBottom)
            d += "\\clvertalb";
        appendNumber(d, "cellx", rights.value(std::max(0, lastColumn)));
        c = std::max(c + 1, cell.isValid() ? cell.column() + span : c + 1);
    }
    return d;
}

void RtfWriter::writeTable(const QTextTable *table, int itap, int availableTwips)
{
    const int columns = table->columns();
    if (columns <= 0 || table->rows() <= 0)
        return;
    // Column widths: fixed and percentage constraints as given, the rest share what is left.
    const QList<QTextLength> constraints = table->format().columnWidthConstraints();
    QList<int> widths(columns, 0);
    int used = 0, open = 0;
    for (int c = 0; c < columns; ++c) {
        const QTextLength length = constraints.value(c);
        if (length.type() == QTextLength::FixedLength)
            widths[c] = std::max(60, twips(length.rawValue()));
        else if (length.type() == QTextLength::PercentageLength)
            widths[c] = std::max(60, int(availableTwips * length.rawValue() / 100.0));
        else
            ++open;
        used += widths[c];
    }
    for (int c = 0; c < columns; ++c)
        if (widths[c] == 0)
            widths[c] = std::max(360, (availableTwips - used) / std::max(1, open));
    // Cell boundaries are measured like the row's left edge (\trleft, minus the padding).
    QList<int> rights;
    int x = -twips(table->format().cellPadding());
    for (int w : widths)
        rights << (x += w);

    const bool nested = itap > 1;
    for (int r = 0; r < table->rows(); ++r) {
        const QByteArray definition = rowDefinition(table, r, rights);
        if (!nested) {
            m_out += definition;
            m_out += "\r\n";
        }
        for (int c = 0; c < columns;) {
            const QTextTableCell cell = table->cellAt(r, c);
            const int span = std::max(1, cell.columnSpan());
            const int width = rights.value(std::min(columns, cell.column() + span) - 1) -
                              (cell.column() > 0 ? rights.value(cell.column() - 1) : 0);
            if (cell.row() != r) {
                // The continuation of a cell merged from the row above: empty.
                m_out += "\\pard\\plain\\intbl";
                appendNumber(m_out, "itap", itap);
                m_out += nested ? "\\nestcell\r\n" : "\\cell\r\n";
            } else {
                writeCellContent(cell, itap, width);
            }
            c = std::max(c + 1, cell.column() + span);
        }
        if (nested) {
            m_out += "{\\*\\nesttableprops";
            m_out += definition;
            m_out += "\\nestrow}{\\nonesttables\\par}\r\n";
        } else {
            m_out += definition;
            m_out += "\\row\r\n";
        }
    }
}

void RtfWriter::writeCellContent(const QTextTableCell &cell, int itap, int widthTwips)
{
    struct Item
    {
        QTextBlock block;
        const QTextTable *table = nullptr;
    };
    QList<Item> items;
    for (QTextFrame::iterator it = cell.begin(); it != cell.end(); ++it) {
        if (const QTextFrame *frame = it.currentFrame()) {
            if (const auto *table = qobject_cast<const QTextTable *>(frame))
                items.append({QTextBlock(), table});
        } else {
            items.append({it.currentBlock(), nullptr});
        }
    }
    const char *cellEnd = itap > 1 ? "\\nestcell" : "\\cell";
    if (items.isEmpty() || items.last().table) {
        items.append({QTextBlock(), nullptr});
    }
    for (int i = 0; i < items.size(); ++i) {
        const bool last = i == items.size() - 1;
        const Item &item = items.at(i);
        if (item.table) {
            writeTable(item.table, itap + 1, std::max(720, widthTwips - 240));
        } else if (item.block.isValid()) {
            writeBlock(item.block, itap, last ? cellEnd : "\\par");
        } else {
            m_out += "\\pard\\plain\\intbl";
            appendNumber(m_out, "itap", itap);
            m_out += cellEnd;
            m_out += "\r\n";
        }
    }
}
