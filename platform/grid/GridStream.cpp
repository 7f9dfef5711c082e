#include "platform/grid/GridStream.h"

#include "platform/TessaryError.h"
#include "platform/grid/GridData.h"
#include "platform/grid/GridStreamParser.h"

#include <climits>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int MaxRows = 10000000;
constexpr int MaxColumns = 100000;
constexpr qint64 MaxCells = 20000000;
constexpr int MissingNumber = INT_MIN;

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

void readInto(GridStreamParser &p, GridData &grid)
{
    const QJsonObject &root = p.members;
    if (root.value("format").toString() != QLatin1String("tessary-grid"))
        throw TessaryError(
            QCoreApplication::translate("Grid", "The bytes are not a stored table."));
    const int version = root.value("version").toInt(0);
    if (version < 1)
        throw TessaryError(
            QCoreApplication::translate("Grid", "The stored table has no valid version number."));
    if (version > 1)
        throw TessaryError(
            QCoreApplication::translate(
                "Grid", "The stored table was written by a newer version (%1) of the program.")
                .arg(version));

    qint64 rows = qMax<qint64>(qint64(root.value("rows").toDouble(0)), p.cells.size());
    qint64 columns = qint64(root.value("columns").toDouble(0));
    for (const auto &row : p.cells)
        columns = qMax<qint64>(columns, row.size());
    if (rows > MaxRows || columns > MaxColumns || rows * columns > MaxCells || rows < 0 ||
        columns < 0)
        throw TessaryError(QCoreApplication::translate(
                               "Grid", "The stored table is too large (%1 rows, %2 columns).")
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
    QVector<CellFormat> styleFormats;
    for (const QJsonValue &s : root.value("styles").toArray()) {
        CellFormat f;
        applyStyle(f, s.toObject());
        styleFormats.append(f);
        styleIndex.append(grid.internFormat(f));
    }

    for (int r = 0; r < p.cells.size(); ++r) {
        auto &row = p.cells[r];
        for (int c = 0; c < row.size(); ++c) {
            GridStreamParser::Cell &cell = row[c];
            grid.setText(r, c, cell.text);
            const int s = cell.style;
            if (cell.properties.isEmpty()) {
                if (s >= 0 && s < styleIndex.size())
                    grid.setFormatIndex(r, c, styleIndex[s]);
            } else {
                CellFormat f = s >= 0 && s < styleFormats.size() ? styleFormats[s] : CellFormat();
                applyStyle(f, cell.properties);
                grid.setFormat(r, c, f);
            }
        }
        row.clear();
        row.squeeze();
    }

    for (int c = 0; c < p.columnWidths.size() && c < columns; ++c) {
        if (p.columnWidths[c] != MissingNumber)
            grid.setColumnWidth(c, qBound(0, p.columnWidths[c], 10000));
    }
    for (int r = 0; r < p.rowHeights.size() && r < rows; ++r) {
        if (p.rowHeights[r] != MissingNumber)
            grid.setRowHeight(r, qBound(0, p.rowHeights[r], 10000));
    }
    for (const int h : p.hiddenColumns)
        grid.setColumnHidden(h, true);
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
    try {
        GridStreamParser parser(bytes);
        parser.parse();
        readInto(parser, grid);
    } catch (...) {
        grid.clear();
        throw;
    }
}

} // namespace GridStream
