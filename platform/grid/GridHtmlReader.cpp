#include "platform/grid/GridHtmlReader.h"

#include <QHash>

namespace {

constexpr int MaxSpan = 1000;
constexpr int MaxColumns = 16384;

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r') || c == QLatin1Char('\f');
}

bool isNameChar(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
           c == QLatin1Char(':') || c == QLatin1Char('_');
}

// The value of attribute name in the text between a tag's name and its '>'.
QString attribute(const QString &attrs, const QString &name)
{
    int i = 0;
    const int n = int(attrs.size());
    while (i < n) {
        while (i < n && !isNameChar(attrs[i]))
            ++i;
        const int start = i;
        while (i < n && isNameChar(attrs[i]))
            ++i;
        const QString key = attrs.mid(start, i - start).toLower();
        while (i < n && isSpace(attrs[i]))
            ++i;
        QString value;
        if (i < n && attrs[i] == QLatin1Char('=')) {
            ++i;
            while (i < n && isSpace(attrs[i]))
                ++i;
            if (i < n && (attrs[i] == QLatin1Char('"') || attrs[i] == QLatin1Char('\''))) {
                const QChar quote = attrs[i++];
                const int v = i;
                while (i < n && attrs[i] != quote)
                    ++i;
                value = attrs.mid(v, i - v);
                ++i;
            } else {
                const int v = i;
                while (i < n && !isSpace(attrs[i]))
                    ++i;
                value = attrs.mid(v, i - v);
            }
        }
        if (!key.isEmpty() && key == name)
            return value;
        if (key.isEmpty())
            ++i;
    }
    return QString();
}

int spanOf(const QString &attrs, const QString &name)
{
    bool ok = false;
    const int v = attribute(attrs, name).trimmed().toInt(&ok);
    return ok ? qBound(1, v, MaxSpan) : 1;
}

// Decodes the entity that starts at html[i] ('&'); returns its text and
// moves i past it, or returns "&" for anything that is not an entity.
QString entity(const QString &html, int &i)
{
    static const QHash<QString, QChar> named = {
        {QStringLiteral("amp"), QLatin1Char('&')},   {QStringLiteral("lt"), QLatin1Char('<')},
        {QStringLiteral("gt"), QLatin1Char('>')},    {QStringLiteral("quot"), QLatin1Char('"')},
        {QStringLiteral("apos"), QLatin1Char('\'')}, {QStringLiteral("nbsp"), QChar(0xA0)},
        {QStringLiteral("euro"), QChar(0x20AC)},     {QStringLiteral("copy"), QChar(0xA9)},
        {QStringLiteral("deg"), QChar(0xB0)},        {QStringLiteral("shy"), QChar(0xAD)},
    };
    const int n = int(html.size());
    int j = i + 1;
    while (j < n && j - i < 12 && html[j] != QLatin1Char(';') &&
           (isNameChar(html[j]) || html[j] == QLatin1Char('#')))
        ++j;
    if (j >= n || html[j] != QLatin1Char(';')) {
        ++i;
        return QStringLiteral("&");
    }
    const QString name = html.mid(i + 1, j - i - 1);
    QString out;
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const bool hex =
            name.size() > 1 && (name[1] == QLatin1Char('x') || name[1] == QLatin1Char('X'));
        const uint code = hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF))
            out = QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1);
    } else {
        const auto it = named.constFind(name);
        if (it != named.constEnd())
            out = QString(*it);
    }
    if (out.isEmpty()) {
        ++i;
        return QStringLiteral("&");
    }
    i = j + 1;
    return out;
}

class TableReader
{
public:
    QVector<QStringList> rows;

    void read(const QString &html)
    {
        const int n = int(html.size());
        int i = 0;
        while (i < n && !m_done) {
            const QChar c = html[i];
            if (c == QLatin1Char('&')) {
                const QString t = entity(html, i);
                for (const QChar ch : t)
                    text(ch);
                continue;
            }
            if (c != QLatin1Char('<')) {
                text(c);
                ++i;
                continue;
            }
            if (html.mid(i, 4) == QLatin1String("<!--")) {
                const int end = int(html.indexOf(QLatin1String("-->"), i + 4));
                i = end < 0 ? n : end + 3;
                continue;
            }
            int j = i + 1;
            const bool closing = j < n && html[j] == QLatin1Char('/');
            if (closing)
                ++j;
            const int nameStart = j;
            while (j < n && isNameChar(html[j]))
                ++j;
            if (j == nameStart) {
                if (j < n && (html[j] == QLatin1Char('!') || html[j] == QLatin1Char('?'))) {
                    const int end = int(html.indexOf(QLatin1Char('>'), j));
                    i = end < 0 ? n : end + 1;
                } else {
                    text(c); // a lone '<' is text
                    ++i;
                }
                continue;
            }
            const QString name = html.mid(nameStart, j - nameStart).toLower();
            int end = j;
            QChar quote;
            while (end < n && (!quote.isNull() || html[end] != QLatin1Char('>'))) {
                if (!quote.isNull() && html[end] == quote)
                    quote = QChar();
                else if (quote.isNull() &&
                         (html[end] == QLatin1Char('"') || html[end] == QLatin1Char('\'')))
                    quote = html[end];
                ++end;
            }
            const QString attrs = html.mid(j, end - j);
            i = end < n ? end + 1 : n;
            if (!closing && (name == QLatin1String("script") || name == QLatin1String("style") ||
                             name == QLatin1String("title"))) {
                // Their content is not text of the page.
                const int close =
                    int(html.indexOf(QLatin1String("</") + name, i, Qt::CaseInsensitive));
                i = close < 0 ? n : close;
                continue;
            }
            tag(name, closing, attrs);
        }
        closeRow();
    }

private:
    void text(QChar c)
    {
        if (!m_inCell)
            return;
        if (isSpace(c)) {
            m_space = true;
            return;
        }
        if (m_space && !m_cell.isEmpty() && !m_cell.endsWith(QLatin1Char('\n')))
            m_cell += QLatin1Char(' ');
        m_space = false;
        m_cell += c;
    }

    void lineBreak()
    {
        if (!m_inCell)
            return;
        m_cell += QLatin1Char('\n');
        m_space = false;
    }

    // A paragraph ends: a line break unless the cell is empty or ends one already.
    void blockEnd()
    {
        if (m_inCell && !m_cell.isEmpty() && !m_cell.endsWith(QLatin1Char('\n')))
            lineBreak();
    }

    void tag(const QString &name, bool closing, const QString &attrs)
    {
        const bool table = name == QLatin1String("table");
        const bool row = name == QLatin1String("tr");
        const bool cell = name == QLatin1String("td") || name == QLatin1String("th");
        if (table) {
            if (closing) {
                if (m_depth == 1) {
                    closeRow();
                    m_done = true;
                }
                m_depth = qMax(0, m_depth - 1);
                blockEnd();
            } else {
                ++m_depth;
                blockEnd();
            }
            return;
        }
        if ((row || cell) && m_depth == 0)
            m_depth = 1; // a fragment of rows without its <table>
        if (m_depth > 1) {
            // A table inside a cell: its cells are words, its rows lines.
            if (row && closing)
                blockEnd();
            else if (cell && !closing)
                m_space = true;
            else if (name == QLatin1String("br"))
                lineBreak();
            return;
        }
        if (row) {
            closeRow();
            if (!closing)
                openRow();
            return;
        }
        if (cell) {
            closeCell();
            if (!closing) {
                if (!m_rowOpen)
                    openRow();
                openCell(spanOf(attrs, QStringLiteral("colspan")),
                         spanOf(attrs, QStringLiteral("rowspan")));
            }
            return;
        }
        if (name == QLatin1String("br"))
            lineBreak();
        else if (name == QLatin1String("p") || name == QLatin1String("div") ||
                 name == QLatin1String("li"))
            blockEnd();
    }

    void openRow()
    {
        m_row = QStringList();
        m_rowOpen = true;
        m_column = 0;
        m_covered = m_spans;
        for (int &s : m_spans)
            if (s > 0)
                --s;
    }

    void closeRow()
    {
        if (!m_rowOpen)
            return;
        closeCell();
        rows.append(m_row);
        m_rowOpen = false;
    }

    bool covered(int column) const { return column < m_covered.size() && m_covered[column] > 0; }

    void openCell(int colspan, int rowspan)
    {
        while (covered(m_column) && m_column < MaxColumns) {
            m_row << QString();
            ++m_column;
        }
        m_inCell = true;
        m_cell.clear();
        m_space = false;
        m_colspan = qMin(colspan, MaxColumns - m_column);
        m_rowspan = rowspan;
    }

    void closeCell()
    {
        if (!m_inCell)
            return;
        m_inCell = false;
        QString t = m_cell;
        t.replace(QChar(0xA0), QLatin1Char(' '));
        t.remove(QChar(0xAD));
        // Line breaks and spaces at the ends belong to the markup, not the value.
        int a = 0;
        int b = int(t.size());
        while (a < b && (t[a] == QLatin1Char(' ') || t[a] == QLatin1Char('\n')))
            ++a;
        while (b > a && (t[b - 1] == QLatin1Char(' ') || t[b - 1] == QLatin1Char('\n')))
            --b;
        if (m_column >= MaxColumns)
            return;
        m_row << t.mid(a, b - a);
        for (int k = 1; k < m_colspan; ++k)
            m_row << QString();
        if (m_rowspan > 1) {
            if (m_spans.size() < m_column + m_colspan)
                m_spans.resize(m_column + m_colspan);
            for (int k = 0; k < m_colspan; ++k)
                m_spans[m_column + k] = m_rowspan - 1;
        }
        m_column += qMax(1, m_colspan);
    }

    int m_depth = 0;
    bool m_done = false;
    bool m_rowOpen = false;
    bool m_inCell = false;
    bool m_space = false;
    QString m_cell;
    QStringList m_row;
    int m_column = 0;
    int m_colspan = 1;
    int m_rowspan = 1;
    QVector<int> m_spans;   // rows still covered below, per column
    QVector<int> m_covered; // the same, as it was when the row opened
};

} // namespace

namespace GridHtmlReader {

QVector<QStringList> readTable(const QString &html)
{
    TableReader reader;
    reader.read(html);
    // Rows after the last one with a value are markup, not data.
    while (!reader.rows.isEmpty()) {
        bool empty = true;
        for (const QString &t : reader.rows.last())
            empty = empty && t.isEmpty();
        if (!empty)
            break;
        reader.rows.removeLast();
    }
    return reader.rows;
}

} // namespace GridHtmlReader
