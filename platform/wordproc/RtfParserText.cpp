// The text of RtfParser: the bytes and characters of each destination (body text, font,
// colour and style tables, field instructions, picture data, list level text) decoded into
// runs or the tables they belong to, and the pictures that end up in the text.
#include "platform/wordproc/RtfParser.h"

#include "platform/wordproc/RtfParserInput.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <algorithm>

using namespace RtfModel;
using RtfInput::hexValue;

namespace {

// A device-independent bitmap as RTF stores it (no file header) made into a PNG.
QByteArray pngFromDib(const QByteArray &dib)
{
    if (dib.size() < 40)
        return QByteArray();
    auto u32 = [&](int at) {
        return quint32(quint8(dib[at])) | quint32(quint8(dib[at + 1])) << 8 |
               quint32(quint8(dib[at + 2])) << 16 | quint32(quint8(dib[at + 3])) << 24;
    };
    const quint32 headerSize = u32(0);
    if (headerSize < 12 || headerSize > quint32(dib.size()))
        return QByteArray();
    const int bitCount = quint8(dib[14]) | quint8(dib[15]) << 8;
    quint32 colours = headerSize >= 40 ? u32(32) : 0;
    if (colours == 0 && bitCount <= 8)
        colours = 1u << std::max(1, bitCount);
    quint32 offset = 14 + headerSize + std::min<quint32>(colours, 256) * 4;
    if (headerSize >= 40 && u32(16) == 3)
        offset += 12; // bit-field masks
    QByteArray file("BM");
    const quint32 size = quint32(dib.size()) + 14;
    for (quint32 v : {size, quint32(0), offset})
        for (int k = 0; k < 4; ++k)
            file.append(char((v >> (8 * k)) & 0xFF));
    file.append(dib);
    QImage image;
    if (!image.loadFromData(file, "BMP"))
        return QByteArray();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

} // namespace

void RtfParser::bytesOut(const char *bytes, int length)
{
    if (m_skip > 0) {
        const int n = std::min(m_skip, length);
        bytes += n;
        length -= n;
        m_skip -= n;
    }
    if (length <= 0)
        return;
    GroupState &st = state();
    switch (st.dest) {
    case Dest::Body:
    case Dest::FieldResult:
        if (!st.ch.hidden)
            m_pending.append(bytes, length);
        break;
    case Dest::FontTable:
        for (int i = 0; i < length; ++i) {
            if (bytes[i] == ';')
                commitFont();
            else if (m_fontName.size() < 256)
                m_fontName.append(bytes[i]);
        }
        break;
    case Dest::ColorTable:
        for (int i = 0; i < length; ++i) {
            if (bytes[i] != ';')
                continue;
            if (m_colours.size() < 4096)
                m_colours << (m_colourSet ? QColor(m_red, m_green, m_blue) : QColor());
            m_red = m_green = m_blue = 0;
            m_colourSet = false;
        }
        break;
    case Dest::StyleSheet:
        for (int i = 0; i < length; ++i) {
            if (bytes[i] == ';')
                commitStyle();
            else if (m_styleName.size() < 256)
                m_styleName.append(bytes[i]);
        }
        break;
    case Dest::FieldInst:
        if (st.field >= 0 && st.field < int(m_fields.size())) {
            QByteArray &instruction = m_fields[size_t(st.field)].instruction;
            if (instruction.size() < 65536)
                instruction.append(bytes, length);
        }
        break;
    case Dest::Pict:
        for (int i = 0; i < length; ++i) {
            const int v = hexValue(bytes[i]);
            if (v < 0)
                continue;
            if (m_picture.nibble < 0) {
                m_picture.nibble = v;
            } else {
                m_picture.data.append(char(m_picture.nibble * 16 + v));
                m_picture.nibble = -1;
            }
        }
        break;
    case Dest::ListLevelText:
        m_levelText += QString::fromLatin1(bytes, length);
        break;
    default:
        break;
    }
}

void RtfParser::charOut(QChar c)
{
    if (consumeSkip())
        return;
    GroupState &st = state();
    switch (st.dest) {
    case Dest::Body:
    case Dest::FieldResult:
        if (st.ch.hidden)
            return;
        flushText();
        textOut(QString(c));
        break;
    case Dest::ListLevelText:
        m_levelText += c;
        break;
    case Dest::FieldInst:
        if (st.field >= 0 && st.field < int(m_fields.size()))
            m_fields[size_t(st.field)].instruction.append(QString(c).toUtf8());
        break;
    case Dest::FontTable:
        m_fontName.append(QString(c).toLatin1());
        break;
    default:
        break;
    }
}

int RtfParser::currentCodePage() const
{
    const CharState &ch = m_stack.back().ch;
    const auto it = m_fonts.constFind(ch.font >= 0 ? ch.font : m_defaultFont);
    if (it != m_fonts.constEnd() && it->codePage != 0)
        return it->codePage;
    return m_ansiCodePage;
}

void RtfParser::flushText()
{
    if (m_pending.isEmpty())
        return;
    QString text = m_codePages.decode(m_pending.constData(), m_pending.size(), currentCodePage());
    m_pending.clear();
    // Control characters other than the tab are not text in RTF.
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() < 0x20 && text.at(i) != u'\t') {
            text.removeIf([](QChar ch) { return ch.unicode() < 0x20 && ch != u'\t'; });
            break;
        }
    }
    textOut(text);
}

void RtfParser::textOut(const QString &text)
{
    if (text.isEmpty())
        return;
    const CharState &ch = state().ch;
    if (!m_paragraph.runs.isEmpty() && !m_paragraph.runs.back().isImage && m_lastRunState == ch) {
        m_paragraph.runs.back().text += text;
        return;
    }
    Run run;
    run.text = text;
    run.format = charFormat(ch);
    m_paragraph.runs.push_back(std::move(run));
    m_lastRunState = ch;
}

void RtfParser::commitFont()
{
    if (m_fontId >= 0) {
        Font font;
        font.name = m_codePages
                        .decode(m_fontName.constData(), m_fontName.size(),
                                m_fontCodePage ? m_fontCodePage : m_ansiCodePage)
                        .trimmed();
        font.codePage = m_fontCodePage;
        if (m_fonts.size() < 4096 || m_fonts.contains(m_fontId))
            m_fonts.insert(m_fontId, font);
    }
    m_fontName.clear();
    m_fontId = -1;
    m_fontCodePage = 0;
}

void RtfParser::commitStyle()
{
    const QString name = QString::fromLatin1(m_styleName).trimmed().toLower();
    int level = m_styleOutline >= 0 && m_styleOutline < 6 ? m_styleOutline + 1 : 0;
    if (!level && name.startsWith(u"heading ")) {
        const int n = name.mid(8).toInt();
        if (n >= 1 && n <= 6)
            level = n;
    }
    if (m_styleId >= 0 && level > 0 && m_styleHeading.size() < 4096)
        m_styleHeading.insert(m_styleId, level);
    m_styleName.clear();
    m_styleId = -1;
    m_styleOutline = -1;
}

QColor RtfParser::colour(int index) const
{
    if (index < 0 || index >= m_colours.size())
        return QColor();
    return m_colours.at(index);
}

void RtfParser::addPicture()
{
    Picture &pic = m_picture;
    QByteArray bytes = pic.data;
    if (pic.kind == 3)
        bytes = pngFromDib(bytes);
    if (pic.kind == 0 || pic.kind == 4) {
        warnOnce(QCoreApplication::translate("WordProcessor",
                                             "Pictures stored as metafiles were left out."));
        return;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize natural = reader.size();
    if (bytes.isEmpty() || !natural.isValid() || natural.isEmpty()) {
        warnOnce(QCoreApplication::translate("WordProcessor",
                                             "A picture that could not be decoded was left out."));
        return;
    }
    double width = pic.goalw > 0 ? pic.goalw / 15.0 : natural.width();
    double height = pic.goalh > 0 ? pic.goalh / 15.0 : natural.height();
    width *= std::clamp(pic.scalex, 1, 1000) / 100.0;
    height *= std::clamp(pic.scaley, 1, 1000) / 100.0;
    Run run;
    run.isImage = true;
    run.imageBytes = bytes;
    run.imageWidth = std::clamp(width, 1.0, 20000.0);
    run.imageHeight = std::clamp(height, 1.0, 20000.0);
    run.format = charFormat(state().ch);
    m_paragraph.runs.push_back(std::move(run));
}
