#include "platform/grid/GridStream.h"

#include "platform/TessaryError.h"
#include "platform/grid/GridData.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int MaxRows = 10000000;
constexpr int MaxColumns = 100000;
constexpr qint64 MaxCells = 20000000;

void appendJsonString(QByteArray &out, const QString &s)
{
    out += '"';
    const QByteArray u = s.toUtf8();
    for (const char ch : u) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                qsnprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

QString colorName(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

QJsonObject styleObject(const CellFormat &f)
{
    QJsonObject o;
    if (!f.fontName.isEmpty())
        o.insert("font", f.fontName);
    if (f.fontSize > 0)
        o.insert("size", f.fontSize);
    if (f.fontColor.isValid())
        o.insert("color", colorName(f.fontColor));
    if (f.fontStyle & CellFormat::Bold)
        o.insert("bold", true);
    if (f.fontStyle & CellFormat::Italic)
        o.insert("italic", true);
    if (f.fontStyle & CellFormat::Underline)
        o.insert("underline", true);
    if (f.fontStyle & CellFormat::StrikeOut)
        o.insert("strikeout", true);
    if (f.backColor.isValid())
        o.insert("background", colorName(f.backColor));
    if (f.alignment != CellFormat::Left)
        o.insert("align", CellFormat::alignmentName(f.alignment));
    if (f.borderColor.isValid())
        o.insert("border", colorName(f.borderColor));
    return o;
}

// A colour as "#RRGGBB" or as the number 0x00BBGGRR (0x1FFFFFFF: none).
QColor readColor(const QJsonValue &v)
{
    if (v.isString()) {
        const QColor c(v.toString().trimmed());
        return c.isValid() ? c : QColor();
    }
    if (v.isDouble()) {
        const qint64 n = qint64(v.toDouble());
        if (n < 0 || n > 0xFFFFFF)
            return QColor();
        return QColor(int(n & 0xFF), int((n >> 8) & 0xFF), int((n >> 16) & 0xFF));
    }
    return QColor();
}

void setStyleBit(CellFormat &f, const QJsonObject &o, const char *key, int bit)
{
    const auto it = o.constFind(QLatin1String(key));
    if (it == o.constEnd())
        return;
    if (it->toBool())
        f.fontStyle |= bit;
    else
        f.fontStyle &= ~bit;
}

// Applies the style members present in o to f.
void applyStyle(CellFormat &f, const QJsonObject &o)
{
    if (o.contains("font"))
        f.fontName = o.value("font").toString().trimmed();
    if (o.contains("size"))
        f.fontSize = qBound(0, o.value("size").toInt(), 400);
    if (o.contains("color"))
        f.fontColor = readColor(o.value("color"));
    setStyleBit(f, o, "bold", CellFormat::Bold);
    setStyleBit(f, o, "italic", CellFormat::Italic);
    setStyleBit(f, o, "underline", CellFormat::Underline);
    setStyleBit(f, o, "strikeout", CellFormat::StrikeOut);
    if (o.contains("background"))
        f.backColor = readColor(o.value("background"));
    if (o.contains("align"))
        f.alignment = CellFormat::alignmentFromName(o.value("align").toString());
    if (o.contains("border"))
        f.borderColor = readColor(o.value("border"));
}

QString cellText(const QJsonValue &v)
{
    if (v.isString())
        return v.toString();
    if (v.isDouble())
        return QString::number(v.toDouble(), 'g', 15);
    if (v.isBool())
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return QString();
}

void readInto(const QJsonObject &root, GridData &grid)
{
    if (root.value("format").toString() != QLatin1String("tessary-grid"))
        throw TessaryError(QStringLiteral("The bytes are not a stored table."));
    const int version = root.value("version").toInt(0);
    if (version < 1)
        throw TessaryError(QStringLiteral("The stored table has no valid version number."));
    if (version > 1)
        throw TessaryError(
            QStringLiteral("The stored table was written by a newer version (%1) of the program.")
                .arg(version));

    const QJsonArray cells = root.value("cells").toArray();
    qint64 rows = qMax<qint64>(root.value("rows").toInt(0), cells.size());
    qint64 columns = root.value("columns").toInt(0);
    for (const QJsonValue &row : cells)
        columns = qMax<qint64>(columns, row.toArray().size());
    if (rows > MaxRows || columns > MaxColumns || rows * columns > MaxCells)
        throw TessaryError(QStringLiteral("The stored table is too large (%1 rows, %2 columns).")
                               .arg(rows)
                               .arg(columns));

    grid.clear();
    grid.setFixedRows(root.value("fixedRows").toInt(1));
    grid.setFixedColumns(root.value("fixedColumns").toInt(0));
    const QJsonObject font = root.value("font").toObject();
    grid.setDefaultFont(font.value("name").toString(), font.value("size").toInt(0));
    grid.setWordWrap(root.value("wordWrap").toBool(false));
    grid.setMultiLine(root.value("multiLine").toBool(grid.wordWrap()));
    grid.reset(int(rows), int(columns));

    // Style table: index i of "styles" becomes a format of the grid.
    QVector<int> styleIndex;
    const QJsonArray styles = root.value("styles").toArray();
    styleIndex.reserve(styles.size());
    QVector<CellFormat> styleFormats;
    for (const QJsonValue &s : styles) {
        CellFormat f;
        applyStyle(f, s.toObject());
        styleFormats.append(f);
        styleIndex.append(grid.internFormat(f));
    }

    for (int r = 0; r < cells.size(); ++r) {
        const QJsonArray row = cells.at(r).toArray();
        for (int c = 0; c < row.size(); ++c) {
            const QJsonValue v = row.at(c);
            if (!v.isObject()) {
                grid.setText(r, c, cellText(v));
                continue;
            }
            const QJsonObject o = v.toObject();
            grid.setText(r, c, cellText(o.value("text")));
            const int s = o.value("style").toInt(-1);
            const bool inlineStyle = o.size() > (o.contains("text") ? 1 : 0) + (s >= 0 ? 1 : 0);
            if (s >= 0 && s < styleIndex.size() && !inlineStyle) {
                grid.setFormatIndex(r, c, styleIndex[s]);
            } else if (inlineStyle || s >= 0) {
                CellFormat f = s >= 0 && s < styleFormats.size() ? styleFormats[s] : CellFormat();
                applyStyle(f, o);
                grid.setFormat(r, c, f);
            }
        }
    }

    const QJsonArray widths = root.value("columnWidths").toArray();
    for (int c = 0; c < widths.size() && c < columns; ++c)
        grid.setColumnWidth(c, qBound(0, widths.at(c).toInt(GridData::DefaultColumnWidth), 10000));
    const QJsonArray heights = root.value("rowHeights").toArray();
    for (int r = 0; r < heights.size() && r < rows; ++r)
        grid.setRowHeight(r, qBound(0, heights.at(r).toInt(GridData::DefaultRowHeight), 10000));
    for (const QJsonValue &h : root.value("hiddenColumns").toArray())
        grid.setColumnHidden(h.toInt(-1), true);
}

} // namespace

namespace GridStream {

QByteArray write(const GridData &grid)
{
    QByteArray out;
    out.reserve(64 + grid.rowCount() * grid.columnCount() * 8);
    out += "{\"format\":\"tessary-grid\",\"version\":1";
    out += ",\"rows\":" + QByteArray::number(grid.rowCount());
    out += ",\"columns\":" + QByteArray::number(grid.columnCount());
    out += ",\"fixedRows\":" + QByteArray::number(grid.fixedRows());
    out += ",\"fixedColumns\":" + QByteArray::number(grid.fixedColumns());
    out += ",\"font\":{\"name\":";
    appendJsonString(out, grid.fontName());
    out += ",\"size\":" + QByteArray::number(grid.fontSize()) + "}";
    out += ",\"wordWrap\":";
    out += grid.wordWrap() ? "true" : "false";
    out += ",\"multiLine\":";
    out += grid.multiLine() ? "true" : "false";

    out += ",\n\"columnWidths\":[";
    for (int c = 0; c < grid.columnCount(); ++c) {
        if (c)
            out += ',';
        out += QByteArray::number(grid.columnWidth(c));
    }
    out += "],\n\"rowHeights\":[";
    for (int r = 0; r < grid.rowCount(); ++r) {
        if (r)
            out += ',';
        out += QByteArray::number(grid.rowHeight(r));
    }
    out += "],\n\"hiddenColumns\":[";
    bool first = true;
    for (int c = 0; c < grid.columnCount(); ++c) {
        if (!grid.isColumnHidden(c))
            continue;
        if (!first)
            out += ',';
        first = false;
        out += QByteArray::number(c);
    }
    out += "],\n\"styles\":[";
    for (int i = 0; i < grid.formatTableSize(); ++i) {
        if (i)
            out += ',';
        out += QJsonDocument(styleObject(grid.formatAt(i))).toJson(QJsonDocument::Compact);
    }
    out += "],\n\"cells\":[";
    for (int r = 0; r < grid.rowCount(); ++r) {
        out += r ? ",\n[" : "\n[";
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (c)
                out += ',';
            const int f = grid.formatIndex(r, c);
            if (f == 0) {
                appendJsonString(out, grid.text(r, c));
            } else {
                out += "{\"text\":";
                appendJsonString(out, grid.text(r, c));
                out += ",\"style\":" + QByteArray::number(f) + "}";
            }
        }
        out += ']';
    }
    out += "]}\n";
    return out;
}

void read(const QByteArray &bytes, GridData &grid)
{
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject()) {
        grid.clear();
        if (err.error != QJsonParseError::NoError)
            throw TessaryError(QStringLiteral("The stored table cannot be read: %1 at byte %2.")
                                   .arg(err.errorString())
                                   .arg(err.offset));
        throw TessaryError(QStringLiteral("The bytes are not a stored table."));
    }
    try {
        readInto(doc.object(), grid);
    } catch (...) {
        grid.clear();
        throw;
    }
}

} // namespace GridStream
