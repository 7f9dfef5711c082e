#include "platform/grid/GridStreamParser.h"

#include "platform/TessaryError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {
constexpr int MaxDepth = 64;
} // namespace

GridStreamParser::GridStreamParser(const QByteArray &bytes)
    : m_begin(bytes.constData()), m_p(bytes.constData()), m_end(bytes.constData() + bytes.size())
{
}

void GridStreamParser::fail(const char *what) const
{
    throw TessaryError(
        QCoreApplication::translate("Grid", "The stored table cannot be read: %1 at byte %2.")
            .arg(QLatin1String(what))
            .arg(m_p - m_begin));
}

void GridStreamParser::skipSpace()
{
    while (m_p < m_end && (*m_p == ' ' || *m_p == '\n' || *m_p == '\r' || *m_p == '\t'))
        ++m_p;
}

bool GridStreamParser::peek(char c)
{
    skipSpace();
    return m_p < m_end && *m_p == c;
}

void GridStreamParser::expect(char c)
{
    skipSpace();
    if (m_p >= m_end || *m_p != c) {
        char msg[32];
        qsnprintf(msg, sizeof msg, "'%c' expected", c);
        fail(msg);
    }
    ++m_p;
}

static void appendUtf8(QByteArray &out, uint cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

QString GridStreamParser::parseString()
{
    expect('"');
    const char *start = m_p;
    while (m_p < m_end && *m_p != '"' && *m_p != '\\')
        ++m_p;
    if (m_p < m_end && *m_p == '"') {
        const QString s = QString::fromUtf8(start, m_p - start);
        ++m_p;
        return s;
    }
    // Escapes: decode into UTF-8 first.
    QByteArray buf(start, m_p - start);
    const auto hex4 = [this]() -> uint {
        if (m_end - m_p < 4)
            fail("bad \\u escape");
        uint v = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = *m_p++;
            v <<= 4;
            if (c >= '0' && c <= '9')
                v |= uint(c - '0');
            else if (c >= 'a' && c <= 'f')
                v |= uint(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                v |= uint(c - 'A' + 10);
            else
                fail("bad \\u escape");
        }
        return v;
    };
    while (true) {
        if (m_p >= m_end)
            fail("unterminated string");
        const char c = *m_p++;
        if (c == '"')
            break;
        if (c != '\\') {
            buf += c;
            continue;
        }
        if (m_p >= m_end)
            fail("unterminated string");
        const char e = *m_p++;
        switch (e) {
        case '"':
        case '\\':
        case '/':
            buf += e;
            break;
        case 'b':
            buf += '\b';
            break;
        case 'f':
            buf += '\f';
            break;
        case 'n':
            buf += '\n';
            break;
        case 'r':
            buf += '\r';
            break;
        case 't':
            buf += '\t';
            break;
        case 'u': {
            uint cp = hex4();
            if (cp >= 0xD800 && cp < 0xDC00 && m_end - m_p >= 6 && m_p[0] == '\\' &&
                m_p[1] == 'u') {
                m_p += 2;
                const uint low = hex4();
                cp = (low >= 0xDC00 && low < 0xE000)
                         ? 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00)
                         : 0xFFFD;
            } else if (cp >= 0xD800 && cp < 0xE000) {
                cp = 0xFFFD;
            }
            appendUtf8(buf, cp);
            break;
        }
        default:
            fail("bad escape");
        }
    }
    return QString::fromUtf8(buf);
}

double GridStreamParser::parseNumber()
{
    skipSpace();
    const char *start = m_p;
    while (m_p < m_end && (std::isdigit(static_cast<unsigned char>(*m_p)) || *m_p == '-' ||
                           *m_p == '+' || *m_p == '.' || *m_p == 'e' || *m_p == 'E'))
        ++m_p;
    if (m_p == start)
        fail("value expected");
    bool ok = false;
    const double v = QByteArray::fromRawData(start, int(m_p - start)).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        fail("bad number");
    return v;
}

bool GridStreamParser::takeKey(const char *key, int length)
{
    skipSpace();
    if (m_end - m_p < length + 2 || m_p[0] != '"' || m_p[length + 1] != '"' ||
        qstrncmp(m_p + 1, key, uint(length)) != 0)
        return false;
    m_p += length + 2;
    return true;
}

int GridStreamParser::parseStyleNumber()
{
    // Style indexes are small integers; anything else (signs, fractions,
    // exponents, long digit runs) takes the general number path.
    const char *q = m_p;
    int value = 0;
    while (q < m_end && q - m_p < 9 && *q >= '0' && *q <= '9')
        value = value * 10 + (*q++ - '0');
    if (q > m_p &&
        (q == m_end || (*q != '.' && *q != 'e' && *q != 'E' && !(*q >= '0' && *q <= '9')))) {
        m_p = q;
        return value;
    }
    return int(qBound(-1.0, parseNumber(), 1e9));
}

void GridStreamParser::skipValue(int depth)
{
    if (depth > MaxDepth)
        fail("nesting too deep");
    skipSpace();
    if (m_p >= m_end)
        fail("value expected");
    const char c = *m_p;
    if (c == '"') {
        parseString();
    } else if (c == '{') {
        ++m_p;
        if (peek('}')) {
            ++m_p;
            return;
        }
        do {
            parseString();
            expect(':');
            skipValue(depth + 1);
        } while (peek(',') && ++m_p);
        expect('}');
    } else if (c == '[') {
        ++m_p;
        if (peek(']')) {
            ++m_p;
            return;
        }
        do {
            skipValue(depth + 1);
        } while (peek(',') && ++m_p);
        expect(']');
    } else if (m_end - m_p >= 4 && (!qstrncmp(m_p, "true", 4) || !qstrncmp(m_p, "null", 4))) {
        m_p += 4;
    } else if (m_end - m_p >= 5 && !qstrncmp(m_p, "false", 5)) {
        m_p += 5;
    } else {
        parseNumber();
    }
}

QJsonValue GridStreamParser::parseSmallValue()
{
    skipSpace();
    const char *start = m_p;
    skipValue();
    const QByteArray raw = "[" + QByteArray(start, int(m_p - start)) + "]";
    const QJsonDocument doc = QJsonDocument::fromJson(raw);
    return doc.array().isEmpty() ? QJsonValue() : doc.array().at(0);
}

QString GridStreamParser::parseCellText()
{
    skipSpace();
    if (m_p >= m_end)
        fail("value expected");
    const char c = *m_p;
    if (c == '"')
        return parseString();
    if (c == '{' || c == '[') {
        skipValue(1);
        return QString();
    }
    if (m_end - m_p >= 4 && !qstrncmp(m_p, "null", 4)) {
        m_p += 4;
        return QString();
    }
    if (m_end - m_p >= 4 && !qstrncmp(m_p, "true", 4)) {
        m_p += 4;
        return QStringLiteral("true");
    }
    if (m_end - m_p >= 5 && !qstrncmp(m_p, "false", 5)) {
        m_p += 5;
        return QStringLiteral("false");
    }
    return QString::number(parseNumber(), 'g', 15);
}

void GridStreamParser::parseCell(Cell &cell)
{
    if (!peek('{')) {
        cell.text = parseCellText();
        return;
    }
    ++m_p;
    if (peek('}')) {
        ++m_p;
        return;
    }
    do {
        // The two members every formatted cell has are matched on the bytes,
        // without making a string of the key.
        if (takeKey("text", 4)) {
            expect(':');
            cell.text = parseCellText();
            continue;
        }
        if (takeKey("style", 5)) {
            expect(':');
            skipSpace();
            if (m_p < m_end && (*m_p == '-' || std::isdigit(static_cast<unsigned char>(*m_p))))
                cell.style = parseStyleNumber();
            else
                skipValue(1);
            continue;
        }
        const QString key = parseString();
        expect(':');
        if (key == QLatin1String("text")) {
            cell.text = parseCellText();
        } else if (key == QLatin1String("style")) {
            skipSpace();
            if (m_p < m_end && (*m_p == '-' || std::isdigit(static_cast<unsigned char>(*m_p))))
                cell.style = parseStyleNumber();
            else
                skipValue(1);
        } else {
            cell.properties.insert(key, parseSmallValue());
        }
    } while (peek(',') && ++m_p);
    expect('}');
}

void GridStreamParser::parseCells()
{
    expect('[');
    if (peek(']')) {
        ++m_p;
        return;
    }
    // The row count comes before the cells in the streams this program writes,
    // so the list of rows is allocated once (a row takes at least three bytes,
    // which bounds what a false count can allocate). Each row is allocated
    // with the length of the one before it, as rows of a table are alike.
    const qint64 rowHint = qint64(members.value(QLatin1String("rows")).toDouble());
    cells.reserve(int(qBound(qint64(0), rowHint, qint64((m_end - m_p) / 3))));
    int columnHint = 0;
    do {
        cells.append(QVector<Cell>());
        if (!peek('[')) {
            skipValue(1); // a row that is not a list is an empty row
            continue;
        }
        ++m_p;
        QVector<Cell> &row = cells.last();
        if (peek(']')) {
            ++m_p;
            continue;
        }
        row.reserve(columnHint);
        do {
            row.append(Cell());
            parseCell(row.last());
        } while (peek(',') && ++m_p);
        expect(']');
        columnHint = int(row.size());
    } while (peek(',') && ++m_p);
    expect(']');
}

QVector<int> GridStreamParser::parseIntArray(int missing)
{
    QVector<int> out;
    if (!peek('[')) {
        skipValue();
        return out;
    }
    ++m_p;
    if (peek(']')) {
        ++m_p;
        return out;
    }
    do {
        skipSpace();
        if (m_p < m_end && (*m_p == '-' || std::isdigit(static_cast<unsigned char>(*m_p))))
            out.append(int(qBound(-1e9, parseNumber(), 1e9)));
        else {
            skipValue(1);
            out.append(missing);
        }
    } while (peek(',') && ++m_p);
    expect(']');
    return out;
}

void GridStreamParser::parse()
{
    // A UTF-8 byte-order mark is tolerated.
    if (m_end - m_p >= 3 && !qstrncmp(m_p, "\xEF\xBB\xBF", 3))
        m_p += 3;
    expect('{');
    if (!peek('}')) {
        do {
            const QString key = parseString();
            expect(':');
            if (key == QLatin1String("cells"))
                parseCells();
            else if (key == QLatin1String("columnWidths"))
                columnWidths = parseIntArray(INT_MIN);
            else if (key == QLatin1String("rowHeights"))
                rowHeights = parseIntArray(INT_MIN);
            else if (key == QLatin1String("hiddenColumns"))
                hiddenColumns = parseIntArray(-1);
            else
                members.insert(key, parseSmallValue());
        } while (peek(',') && ++m_p);
    }
    expect('}');
    skipSpace();
    if (m_p != m_end)
        fail("unexpected data after the end");
}
