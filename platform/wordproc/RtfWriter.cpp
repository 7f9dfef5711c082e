#include "platform/wordproc/RtfWriter.h"

#include "platform/wordproc/RtfCodePage.h"
#include "platform/wordproc/RtfWriterOutput.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include <algorithm>

using namespace RtfOutput;

namespace {

constexpr int kTextWidthTwips = 9360; // 6.5 inches: a letter or A4 page less its margins

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
