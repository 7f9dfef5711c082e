#include "store/TreeJson.h"

#include "platform/treeview/TreeStream.h"
#include "store/ReportTree.h"

#include <QStringDecoder>
#include <QUtf8StringView>
#include <climits>
#include <cstring>

namespace {

void appendNumber(QByteArray &out, qint64 n)
{
    char buffer[24];
    char *end = buffer + sizeof buffer;
    char *p = end;
    const bool negative = n < 0;
    quint64 u = negative ? quint64(0) - quint64(n) : quint64(n);
    do {
        *--p = char('0' + u % 10);
        u /= 10;
    } while (u);
    if (negative)
        *--p = '-';
    out.append(p, end - p);
}

void appendUnicodeEscape(QByteArray &out, char16_t c)
{
    static const char hex[] = "0123456789abcdef";
    const char e[6] = {'\\',       'u', hex[(c >> 12) & 15], hex[(c >> 8) & 15], hex[(c >> 4) & 15],
                       hex[c & 15]};
    out.append(e, 6);
}

// Deepest nesting the reader takes itself; deeper streams go to the general reader.
constexpr int kMaxDepth = 10000;

// A reader of the stream exactly as this program writes it. Every method
// returns false at the first thing it does not expect; nothing is thrown.
class FastReader
{
public:
    FastReader(const char *begin, const char *end) : p(begin), e(end) {}

    bool document(std::vector<std::unique_ptr<ReportNode>> &top)
    {
        ws();
        if (!take('{'))
            return false;
        bool format = false, version = false, nodes = false;
        ReportNode holder;
        for (bool first = true;; first = false) {
            ws();
            if (take('}'))
                break;
            if (!first && !(take(',') && (ws(), true)))
                return false;
            QByteArray key;
            if (!plainKey(key) || !(ws(), take(':')))
                return false;
            ws();
            if (key == "format" && !format) {
                QString f;
                if (!string(f) || f != QLatin1String("tessary-tree"))
                    return false;
                format = true;
            } else if (key == "version" && !version) {
                qint64 v = 0;
                if (!integer(v) || v != 1)
                    return false;
                version = true;
            } else if (key == "nodes" && !nodes) {
                if (!nodeList(holder))
                    return false;
                nodes = true;
            } else {
                return false;
            }
        }
        ws();
        if (p != e || !format || !version || !nodes)
            return false;
        for (auto &n : holder.children)
            n->parent = nullptr;
        top = std::move(holder.children);
        return true;
    }

private:
    void ws()
    {
        while (p < e && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t'))
            ++p;
    }
    bool take(char c)
    {
        if (p < e && *p == c) {
            ++p;
            return true;
        }
        return false;
    }
    bool literal(const char *word)
    {
        const size_t n = std::strlen(word);
        if (size_t(e - p) < n || std::memcmp(p, word, n) != 0)
            return false;
        p += n;
        return true;
    }
    // A key of plain ASCII letters.
    bool plainKey(QByteArray &key)
    {
        if (!take('"'))
            return false;
        const char *start = p;
        while (p < e && ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z')))
            ++p;
        if (!take('"'))
            return false;
        key = QByteArray::fromRawData(start, p - 1 - start);
        return true;
    }
    bool integer(qint64 &v)
    {
        const char *start = p;
        const bool negative = take('-');
        const char *digits = p;
        quint64 u = 0;
        while (p < e && *p >= '0' && *p <= '9' && p - digits < 15)
            u = u * 10 + quint64(*p++ - '0');
        if (p == digits ||
            (p < e && (*p == '.' || *p == 'e' || *p == 'E' || (*p >= '0' && *p <= '9'))))
            return false;
        if (*digits == '0' && p - digits > 1)
            return false;
        v = negative ? -qint64(u) : qint64(u);
        return p > start;
    }
    static int hexValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }
    bool string(QString &out)
    {
        if (!take('"'))
            return false;
        // The common case: plain ASCII without escapes.
        const char *start = p;
        while (p < e && *p != '"' && *p != '\\' && uchar(*p) >= 0x20 && uchar(*p) < 0x80)
            ++p;
        if (p < e && *p == '"') {
            out = QString::fromLatin1(start, p - start);
            ++p;
            return true;
        }
        p = start;
        QByteArray utf8;
        while (true) {
            if (p >= e)
                return false;
            const char c = *p++;
            if (c == '"')
                break;
            if (uchar(c) < 0x20)
                return false;
            if (c != '\\') {
                utf8.append(c);
                continue;
            }
            if (p >= e)
                return false;
            const char x = *p++;
            switch (x) {
            case '"':
            case '\\':
            case '/':
                utf8.append(x);
                break;
            case 'b':
                utf8.append('\b');
                break;
            case 'f':
                utf8.append('\f');
                break;
            case 'n':
                utf8.append('\n');
                break;
            case 'r':
                utf8.append('\r');
                break;
            case 't':
                utf8.append('\t');
                break;
            case 'u': {
                if (e - p < 4)
                    return false;
                int v = 0;
                for (int i = 0; i < 4; ++i) {
                    const int h = hexValue(*p++);
                    if (h < 0)
                        return false;
                    v = v * 16 + h;
                }
                // Surrogates, escaped alone or in pairs, are left to the general reader.
                if (v >= 0xD800 && v < 0xE000)
                    return false;
                utf8.append(QString(QChar(char16_t(v))).toUtf8());
                break;
            }
            default:
                return false;
            }
        }
        if (!QUtf8StringView(utf8).isValidUtf8())
            return false;
        // A byte order mark at the start of a text is a character of the text.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                         QStringDecoder::Flag::Stateless);
        out = decoder.decode(utf8);
        return true;
    }
    bool colour(quint32 &c)
    {
        qint64 v = 0;
        if (!integer(v) || v < 0 || v > 4294967295LL)
            return false;
        c = quint32(v);
        return true;
    }

    // A list of nodes, the children of parent; iterative, so that deep trees
    // cannot exhaust the stack.
    bool nodeList(ReportNode &outer)
    {
        if (!take('['))
            return false;
        struct Level
        {
            ReportNode *parent;
            bool first;
        };
        std::vector<Level> stack{{&outer, true}};
        while (!stack.empty()) {
            ws();
            Level &level = stack.back();
            if (take(']')) {
                // The list closes: the rest of its node's fields follow.
                ReportNode *done = level.parent;
                stack.pop_back();
                if (!stack.empty() && !nodeFields(*done, true))
                    return false;
                continue;
            }
            if (!level.first && !(take(',') && (ws(), true)))
                return false;
            level.first = false;
            if (!take('{'))
                return false;
            auto node = std::make_unique<ReportNode>();
            ReportNode *raw = node.get();
            raw->parent = level.parent;
            raw->row = level.parent->childCount();
            level.parent->children.push_back(std::move(node));
            m_seen = 0;
            // Fields up to a list of children, or the whole node.
            bool opened = false;
            if (!nodeFields(*raw, false, &opened))
                return false;
            if (opened) {
                if (int(stack.size()) > kMaxDepth)
                    return false;
                m_pendingSeen.push_back(m_seen);
                stack.push_back({raw, true});
            }
        }
        return true;
    }

    enum Seen : unsigned
    {
        Text = 1,
        Kind = 2,
        Data = 4,
        Own = 8,
        Back = 16,
        RowBack = 32,
        Children = 64
    };

    // Reads fields of node until its "}" (afterChildren: the list of children
    // just closed) or until a list of children opens (*opened).
    bool nodeFields(ReportNode &node, bool afterChildren, bool *opened = nullptr)
    {
        unsigned seen = m_seen;
        bool first = true;
        if (afterChildren) {
            seen = m_pendingSeen.back();
            m_pendingSeen.pop_back();
            first = false;
        }
        while (true) {
            ws();
            if (take('}')) {
                // kind and data are required; without them the general reader names the damage.
                return (seen & Kind) && (seen & Data);
            }
            if (!first && !(take(',') && (ws(), true)))
                return false;
            first = false;
            QByteArray key;
            if (!plainKey(key) || !(ws(), take(':')))
                return false;
            ws();
            unsigned bit = 0;
            if (key == "text") {
                bit = Text;
                if (!string(node.text))
                    return false;
            } else if (key == "kind") {
                bit = Kind;
                qint64 v = 0;
                if (!integer(v) || v < INT_MIN || v > INT_MAX)
                    return false;
                node.kind = int(v);
            } else if (key == "data") {
                bit = Data;
                qint64 v = 0;
                if (!integer(v) || v < INT_MIN || v > INT_MAX)
                    return false;
                node.data = qint32(v);
            } else if (key == "ownColours") {
                bit = Own;
                if (literal("true"))
                    node.ownColours = true;
                else if (literal("false"))
                    node.ownColours = false;
                else
                    return false;
            } else if (key == "backColour") {
                bit = Back;
                if (!colour(node.backColour))
                    return false;
            } else if (key == "rowBackColour") {
                bit = RowBack;
                if (!colour(node.rowBackColour))
                    return false;
            } else if (key == "children" && !afterChildren) {
                bit = Children;
                if (seen & bit)
                    return false;
                if (!take('['))
                    return false;
                m_seen = seen | bit;
                if (opened)
                    *opened = true;
                return true;
            } else {
                return false;
            }
            if (seen & bit)
                return false; // a key given twice
            seen |= bit;
        }
    }

    const char *p;
    const char *e;
    unsigned m_seen = 0;
    std::vector<unsigned> m_pendingSeen;
};

} // namespace

namespace TreeJson {

void appendString(QByteArray &out, const QString &text)
{
    out.append('"');
    const char16_t *s = reinterpret_cast<const char16_t *>(text.utf16());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i];
        if (c < 0x80) {
            switch (c) {
            case u'"':
                out.append("\\\"", 2);
                break;
            case u'\\':
                out.append("\\\\", 2);
                break;
            case u'\b':
                out.append("\\b", 2);
                break;
            case u'\f':
                out.append("\\f", 2);
                break;
            case u'\n':
                out.append("\\n", 2);
                break;
            case u'\r':
                out.append("\\r", 2);
                break;
            case u'\t':
                out.append("\\t", 2);
                break;
            default:
                if (c < 0x20)
                    appendUnicodeEscape(out, c);
                else
                    out.append(char(c));
            }
        } else if (c < 0x800) {
            const char b[2] = {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
            out.append(b, 2);
        } else if (c >= 0xD800 && c < 0xE000) {
            // A pair becomes one four-byte character; a surrogate alone is escaped.
            if (c < 0xDC00 && i + 1 < n && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
                const char32_t u = 0x10000 + ((char32_t(c) - 0xD800) << 10) + (s[i + 1] - 0xDC00);
                const char b[4] = {char(0xF0 | (u >> 18)), char(0x80 | ((u >> 12) & 0x3F)),
                                   char(0x80 | ((u >> 6) & 0x3F)), char(0x80 | (u & 0x3F))};
                out.append(b, 4);
                ++i;
            } else {
                appendUnicodeEscape(out, c);
            }
        } else {
            const char b[3] = {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)),
                               char(0x80 | (c & 0x3F))};
            out.append(b, 3);
        }
    }
    out.append('"');
}

void appendHead(QByteArray &out, const ReportNode &node)
{
    out.append('{');
    if (node.backColour != NoColour) {
        out.append("\"backColour\":");
        appendNumber(out, node.backColour);
        out.append(',');
    }
    if (node.childCount())
        out.append("\"children\":[");
}

void appendTail(QByteArray &out, const ReportNode &node)
{
    if (node.childCount())
        out.append("],");
    out.append("\"data\":");
    appendNumber(out, node.data);
    out.append(",\"kind\":");
    appendNumber(out, node.kind);
    if (node.ownColours)
        out.append(",\"ownColours\":true");
    if (node.rowBackColour != NoColour) {
        out.append(",\"rowBackColour\":");
        appendNumber(out, node.rowBackColour);
    }
    out.append(",\"text\":");
    appendString(out, node.text);
    out.append('}');
}

void appendLeaf(QByteArray &out, const ReportNode &node)
{
    appendHead(out, node);
    appendTail(out, node);
}

QByteArray documentHead()
{
    return QByteArrayLiteral("{\"format\":\"tessary-tree\",\"nodes\":[");
}

QByteArray documentTail()
{
    return QByteArrayLiteral("],\"version\":1}");
}

QByteArray write(const ReportNode &top)
{
    QByteArray out = documentHead();
    std::vector<std::pair<const ReportNode *, int>> stack{{&top, 0}};
    while (!stack.empty()) {
        const ReportNode *parent = stack.back().first;
        const int next = stack.back().second;
        if (next >= parent->childCount()) {
            stack.pop_back();
            if (!stack.empty())
                appendTail(out, *parent);
            continue;
        }
        ++stack.back().second;
        if (next > 0)
            out.append(',');
        const ReportNode *c = parent->child(next);
        if (c->childCount()) {
            appendHead(out, *c);
            stack.push_back({c, 0});
        } else {
            appendLeaf(out, *c);
        }
    }
    out.append(documentTail());
    return out;
}

std::optional<std::vector<std::unique_ptr<ReportNode>>> read(const QByteArray &bytes)
{
    std::vector<std::unique_ptr<ReportNode>> top;
    FastReader reader(bytes.constData(), bytes.constData() + bytes.size());
    if (!reader.document(top))
        return std::nullopt;
    return top;
}

} // namespace TreeJson
