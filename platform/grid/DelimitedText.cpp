#include "platform/grid/DelimitedText.h"

#include "platform/grid/GridData.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace DelimitedText {

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                      : QStringConverter::Utf16BE);
        return d.decode(bytes.mid(2));
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    QString s = utf8.decode(bytes);
    if (!utf8.hasError())
        return s;
    // Not UTF-8: an 8-bit file of the Windows Western code page.
    QStringDecoder w("windows-1252");
    if (w.isValid())
        return w.decode(bytes);
    return QString::fromLatin1(bytes);
}

ReadResult parse(const QString &text, QChar delimiter)
{
    ReadResult result;
    const QChar quote = QLatin1Char('"');
    const int n = text.size();
    const QChar *s = text.constData();
    int i = 0;
    int line = 1;
    QStringList record;
    QString field;
    field.reserve(64);
    bool recordStarted = false;

    while (i < n) {
        const QChar ch = s[i];
        if (ch == quote && field.isEmpty()) {
            // Quoted field: up to the closing quote; "" stands for one quote.
            const int startLine = line;
            ++i;
            bool closed = false;
            while (i < n) {
                if (s[i] == quote) {
                    if (i + 1 < n && s[i + 1] == quote) {
                        field += quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                if (s[i] == QLatin1Char('\n'))
                    ++line;
                field += s[i++];
            }
            if (!closed) {
                if (!record.isEmpty())
                    result.rows.append(record);
                result.warning = QCoreApplication::translate(
                                     "Grid", "Line %1: a quoted field is not closed. The "
                                             "rows before it were imported; the rest of "
                                             "the file was not.")
                                     .arg(startLine);
                return result;
            }
            recordStarted = true;
            // Text between the closing quote and the next delimiter is kept.
            while (i < n && s[i] != delimiter && s[i] != QLatin1Char('\n') &&
                   s[i] != QLatin1Char('\r'))
                field += s[i++];
            continue;
        }
        if (ch == delimiter) {
            record.append(field);
            field.clear();
            recordStarted = true;
            ++i;
            continue;
        }
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
            record.append(field);
            field.clear();
            result.rows.append(record);
            record.clear();
            recordStarted = false;
            if (ch == QLatin1Char('\r') && i + 1 < n && s[i + 1] == QLatin1Char('\n'))
                ++i;
            ++i;
            ++line;
            continue;
        }
        field += ch;
        recordStarted = true;
        ++i;
    }
    if (recordStarted || !field.isEmpty()) {
        record.append(field);
        result.rows.append(record);
    }
    return result;
}

QString load(const QByteArray &bytes, QChar delimiter, GridData &grid)
{
    ReadResult r = parse(decode(bytes), delimiter);
    int columns = 0;
    for (const QStringList &row : r.rows)
        columns = qMax(columns, int(row.size()));
    grid.reset(r.rows.size(), columns);
    for (int row = 0; row < r.rows.size(); ++row) {
        const QStringList &fields = r.rows[row];
        for (int c = 0; c < fields.size(); ++c)
            grid.setText(row, c, fields[c]);
    }
    return r.warning;
}

QString quoteField(const QString &field, QChar delimiter)
{
    const QChar quote = QLatin1Char('"');
    if (!field.contains(delimiter) && !field.contains(quote) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString q = field;
    q.replace(quote, QStringLiteral("\"\""));
    return quote + q + quote;
}

QByteArray write(const GridData &grid, QChar delimiter)
{
    QString out;
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (c)
                out += delimiter;
            out += quoteField(grid.text(r, c), delimiter);
        }
        out += QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

QByteArray writePlain(const GridData &grid)
{
    const auto flat = [](QString t) {
        t.replace(QLatin1String("\r\n"), QLatin1String(" "));
        t.replace(QLatin1Char('\n'), QLatin1Char(' '));
        t.replace(QLatin1Char('\r'), QLatin1Char(' '));
        t.replace(QLatin1Char('\t'), QLatin1Char(' '));
        return t;
    };
    QVector<int> widths(grid.columnCount(), 0);
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.columnCount(); ++c)
            widths[c] = qMax(widths[c], int(flat(grid.text(r, c)).size()));
    QString out;
    for (int r = 0; r < grid.rowCount(); ++r) {
        QString line;
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (c)
                line += QStringLiteral("  ");
            const QString t = flat(grid.text(r, c));
            const bool right = grid.format(r, c).alignment == CellFormat::Right;
            line += right ? t.rightJustified(widths[c]) : t.leftJustified(widths[c]);
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out += line + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

} // namespace DelimitedText
