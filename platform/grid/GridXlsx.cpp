#include "platform/grid/GridXlsx.h"

#include "platform/TessaryError.h"
#include "platform/grid/GridData.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <xlsxwriter.h>

namespace {

// Texts written as numbers: an optional minus, no leading zeros, a decimal
// point, at most 15 significant digits, so the value reads back as it was.
// The check runs on every cell, so it reads the characters itself instead of
// matching a regular expression, and converts from a small Latin-1 buffer.
bool plainNumber(const QString &text, double *value)
{
    const int n = int(text.size());
    if (n == 0 || n > 24)
        return false;
    const QChar *s = text.constData();
    char buf[32];
    int i = 0;
    if (s[0] == QLatin1Char('-'))
        buf[i++] = '-';
    const auto digit = [&](int k) {
        return k < n && s[k] >= QLatin1Char('0') && s[k] <= QLatin1Char('9');
    };
    const int intStart = i;
    while (digit(i)) {
        buf[i] = char(s[i].unicode());
        ++i;
    }
    const int intDigits = i - intStart;
    if (intDigits == 0 || intDigits > 15 || (intDigits > 1 && s[intStart] == QLatin1Char('0')))
        return false;
    if (i < n) {
        if (s[i] != QLatin1Char('.'))
            return false;
        buf[i++] = '.';
        const int fracStart = i;
        while (digit(i)) {
            buf[i] = char(s[i].unicode());
            ++i;
        }
        if (i == fracStart || i - fracStart > 14 || i < n)
            return false;
    }
    buf[i] = '\0';
    bool ok = false;
    *value = QByteArray::fromRawData(buf, i).toDouble(&ok);
    return ok;
}

lxw_color_t rgb(const QColor &c)
{
    return lxw_color_t((c.red() << 16) | (c.green() << 8) | c.blue());
}

class Writer
{
public:
    Writer(const GridData &grid, lxw_workbook *book) : m_grid(grid), m_book(book) {}

    lxw_format *format(int row, int column)
    {
        const bool fixed = m_grid.isFixed(row, column);
        const bool wrap =
            m_grid.multiLine() || m_grid.text(row, column).contains(QLatin1Char('\n'));
        const int key = (m_grid.formatIndex(row, column) << 2) | (fixed ? 1 : 0) | (wrap ? 2 : 0);
        const auto it = m_formats.constFind(key);
        if (it != m_formats.constEnd())
            return it.value();
        const CellFormat &f = m_grid.format(row, column);
        const QFont font = m_grid.fontFor(f, fixed);
        lxw_format *x = workbook_add_format(m_book);
        const QByteArray name = font.family().toUtf8();
        format_set_font_name(x, name.constData());
        format_set_font_size(x, font.pointSizeF() > 0 ? font.pointSizeF() : 8);
        if (font.bold())
            format_set_bold(x);
        if (font.italic())
            format_set_italic(x);
        if (font.underline())
            format_set_underline(x, LXW_UNDERLINE_SINGLE);
        if (font.strikeOut())
            format_set_font_strikeout(x);
        if (f.fontColor.isValid())
            format_set_font_color(x, rgb(f.fontColor));
        const QColor back = f.backColor.isValid() ? f.backColor
                            : fixed               ? QColor(0xE4, 0xE9, 0xF0)
                                                  : QColor();
        if (back.isValid()) {
            format_set_pattern(x, LXW_PATTERN_SOLID);
            format_set_bg_color(x, rgb(back));
        }
        format_set_align(x, f.alignment == CellFormat::Right    ? LXW_ALIGN_RIGHT
                            : f.alignment == CellFormat::Center ? LXW_ALIGN_CENTER
                                                                : LXW_ALIGN_LEFT);
        format_set_align(x, LXW_ALIGN_VERTICAL_CENTER);
        if (f.borderColor.isValid() || fixed) {
            format_set_border(x, LXW_BORDER_THIN);
            format_set_border_color(
                x, rgb(f.borderColor.isValid() ? f.borderColor : QColor(0xA0, 0xA0, 0xA0)));
        }
        if (wrap)
            format_set_text_wrap(x);
        m_formats.insert(key, x);
        return x;
    }

private:
    const GridData &m_grid;
    lxw_workbook *m_book;
    QHash<int, lxw_format *> m_formats;
};

} // namespace

namespace GridXlsx {

void write(const GridData &grid, const QString &fileName)
{
    const QByteArray path = QFile::encodeName(QDir::toNativeSeparators(fileName));
    const QByteArray tmp = QFile::encodeName(QDir::tempPath());
    lxw_workbook_options options = {};
    // Large tables are streamed row by row instead of being held in memory.
    options.constant_memory = 1;
    options.tmpdir = const_cast<char *>(tmp.constData());
    lxw_workbook *book = workbook_new_opt(path.constData(), &options);
    if (!book)
        throw TessaryError(
            QCoreApplication::translate("Grid", "Cannot create the spreadsheet %1.").arg(fileName));
    lxw_worksheet *sheet = workbook_add_worksheet(book, "Table");
    Writer writer(grid, book);

    for (int c = 0; c < grid.columnCount() && c < LXW_COL_MAX; ++c) {
        // Column widths are in characters of the default font, about 7 pixels each.
        const double width = qMax(0.0, (grid.columnWidth(c) - 5) / 7.0);
        lxw_row_col_options colOptions = {};
        colOptions.hidden = grid.isColumnHidden(c) ? 1 : 0;
        worksheet_set_column_opt(sheet, lxw_col_t(c), lxw_col_t(c), width, nullptr, &colOptions);
    }
    if (grid.fixedRows() > 0 || grid.fixedColumns() > 0)
        worksheet_freeze_panes(sheet, lxw_row_t(grid.fixedRows()), lxw_col_t(grid.fixedColumns()));

    const int rows = qMin(grid.rowCount(), int(LXW_ROW_MAX));
    const int columns = qMin(grid.columnCount(), int(LXW_COL_MAX));
    for (int r = 0; r < rows; ++r) {
        if (grid.rowHeight(r) != GridData::DefaultRowHeight)
            worksheet_set_row(sheet, lxw_row_t(r), grid.rowHeight(r) * 0.75, nullptr);
        for (int c = 0; c < columns; ++c) {
            const QString &text = grid.text(r, c);
            lxw_format *f = writer.format(r, c);
            double value = 0;
            if (text.isEmpty()) {
                worksheet_write_blank(sheet, lxw_row_t(r), lxw_col_t(c), f);
            } else if (!grid.isFixed(r, c) && plainNumber(text, &value)) {
                worksheet_write_number(sheet, lxw_row_t(r), lxw_col_t(c), value, f);
            } else {
                const QByteArray utf8 = text.left(32767).toUtf8();
                worksheet_write_string(sheet, lxw_row_t(r), lxw_col_t(c), utf8.constData(), f);
            }
        }
    }
    const lxw_error err = workbook_close(book);
    if (err != LXW_NO_ERROR)
        throw TessaryError(
            QCoreApplication::translate("Grid", "Cannot write the spreadsheet %1: %2.")
                .arg(fileName, QString::fromUtf8(lxw_strerror(err))));
}

} // namespace GridXlsx
