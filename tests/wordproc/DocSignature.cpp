#include "DocSignature.h"

#include "platform/wordproc/DocumentImages.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

namespace {

struct Context
{
    const QTextDocument *doc;
    QList<const QTextList *> lists;
    QStringList out;
};

QString colourText(const QBrush &b)
{
    return b.style() == Qt::NoBrush ? QStringLiteral("none") : b.color().name();
}

QString charSignature(Context &ctx, const QTextCharFormat &f)
{
    QStringList p;
    const QStringList families = f.fontFamilies().toStringList();
    p << (families.isEmpty() ? ctx.doc->defaultFont().family() : families.first());
    double size = f.fontPointSize();
    if (size <= 0) {
        size = ctx.doc->defaultFont().pointSizeF();
        if (f.hasProperty(QTextFormat::FontSizeAdjustment)) {
            static const double scale[] = {0.7, 0.8, 1.0, 1.2, 1.5, 2, 2.4};
            size *= scale[qBound(0, f.intProperty(QTextFormat::FontSizeAdjustment) + 2, 6)];
        }
    }
    p << QString::number(size, 'f', 1);
    if (f.fontWeight() >= QFont::DemiBold)
        p << QStringLiteral("bold");
    if (f.fontItalic())
        p << QStringLiteral("italic");
    if (f.fontUnderline())
        p << QStringLiteral("underline");
    if (f.fontStrikeOut())
        p << QStringLiteral("strike");
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        p << QStringLiteral("sub");
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        p << QStringLiteral("super");
    if (f.foreground().style() != Qt::NoBrush)
        p << QStringLiteral("fg=") + f.foreground().color().name();
    if (f.background().style() != Qt::NoBrush)
        p << QStringLiteral("bg=") + f.background().color().name();
    if (f.isAnchor() && !f.anchorHref().isEmpty())
        p << QStringLiteral("href=") + f.anchorHref();
    return p.join(u',');
}

QString imageSignature(Context &ctx, const QTextImageFormat &f)
{
    const QByteArray bytes = DocumentImages::bytes(ctx.doc, f.name());
    QImage image = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
    const QByteArray hash = QCryptographicHash::hash(
        QByteArray(reinterpret_cast<const char *>(image.constBits()), int(image.sizeInBytes())),
        QCryptographicHash::Md5);
    return QStringLiteral("IMG %1x%2 shown %3x%4 %5")
        .arg(image.width())
        .arg(image.height())
        .arg(qRound(f.width()))
        .arg(qRound(f.height()))
        .arg(QString::fromLatin1(hash.toHex().left(8)));
}

void blockSignature(Context &ctx, const QTextBlock &block, const QString &indent)
{
    const QTextBlockFormat f = block.blockFormat();
    QStringList p;
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    p << (a & Qt::AlignHCenter   ? QStringLiteral("C")
          : a & Qt::AlignRight   ? QStringLiteral("R")
          : a & Qt::AlignJustify ? QStringLiteral("J")
                                 : QStringLiteral("L"));
    if (f.headingLevel())
        p << QStringLiteral("h%1").arg(f.headingLevel());
    if (const QTextList *list = block.textList()) {
        if (!ctx.lists.contains(list))
            ctx.lists << list;
        p << QStringLiteral("list%1 style%2 indent%3")
                 .arg(ctx.lists.indexOf(list))
                 .arg(int(list->format().style()))
                 .arg(list->format().indent());
    } else {
        const double left = f.leftMargin() + f.indent() * ctx.doc->indentWidth();
        if (left)
            p << QStringLiteral("left=%1").arg(left);
        if (f.textIndent())
            p << QStringLiteral("first=%1").arg(f.textIndent());
    }
    if (f.rightMargin())
        p << QStringLiteral("right=%1").arg(f.rightMargin());
    if (f.topMargin())
        p << QStringLiteral("top=%1").arg(f.topMargin());
    if (f.bottomMargin())
        p << QStringLiteral("bottom=%1").arg(f.bottomMargin());
    for (const QTextOption::Tab &tab : f.tabPositions())
        p << QStringLiteral("tab%1@%2").arg(int(tab.type)).arg(tab.position);
    if (f.background().style() != Qt::NoBrush)
        p << QStringLiteral("shade=") + f.background().color().name();
    QString line = indent + QStringLiteral("P[") + p.join(u' ') + QStringLiteral("]");
    QString lastSig;
    QString text;
    auto flush = [&]() {
        if (!text.isEmpty())
            line += QStringLiteral(" {") + lastSig + QStringLiteral("}\"") + text + u'"';
        text.clear();
    };
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat cf = fragment.charFormat();
        if (cf.isImageFormat()) {
            flush();
            line += u' ' + imageSignature(ctx, cf.toImageFormat());
            if (cf.isAnchor())
                line += QStringLiteral(" href=") + cf.anchorHref();
            continue;
        }
        const QString sig = charSignature(ctx, cf);
        if (sig != lastSig)
            flush();
        lastSig = sig;
        text += fragment.text();
    }
    flush();
    ctx.out << line;
}

void frameSignature(Context &ctx, QTextFrame::iterator it, QTextFrame::iterator end,
                    const QString &indent);

QString border(const QTextTableFormat &tf, const QTextTableCellFormat &cf,
               QTextFormat::Property width, QTextFormat::Property style,
               QTextFormat::Property brush)
{
    const double w = cf.hasProperty(width) ? cf.doubleProperty(width) : tf.border();
    const int s = cf.hasProperty(style) ? cf.intProperty(style) : int(tf.borderStyle());
    const QBrush b = cf.hasProperty(brush) ? cf.brushProperty(brush) : tf.borderBrush();
    if (w <= 0 || s == QTextFrameFormat::BorderStyle_None)
        return QStringLiteral("-");
    return QStringLiteral("%1/%2/%3").arg(w).arg(s).arg(colourText(b));
}

void tableSignature(Context &ctx, const QTextTable *table, const QString &indent)
{
    const QTextTableFormat tf = table->format();
    ctx.out << indent + QStringLiteral("TABLE %1x%2 headers=%3")
                            .arg(table->rows())
                            .arg(table->columns())
                            .arg(tf.headerRowCount());
    for (int r = 0; r < table->rows(); ++r) {
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.row() != r || cell.column() != c)
                continue;
            const QTextTableCellFormat cf = cell.format().toTableCellFormat();
            ctx.out << indent + QStringLiteral(" CELL %1,%2 span %3x%4 bg=%5 borders %6 %7 %8 %9")
                                    .arg(r)
                                    .arg(c)
                                    .arg(cell.rowSpan())
                                    .arg(cell.columnSpan())
                                    .arg(colourText(cf.background()))
                                    .arg(border(tf, cf, QTextFormat::TableCellTopBorder,
                                                QTextFormat::TableCellTopBorderStyle,
                                                QTextFormat::TableCellTopBorderBrush),
                                         border(tf, cf, QTextFormat::TableCellLeftBorder,
                                                QTextFormat::TableCellLeftBorderStyle,
                                                QTextFormat::TableCellLeftBorderBrush),
                                         border(tf, cf, QTextFormat::TableCellBottomBorder,
                                                QTextFormat::TableCellBottomBorderStyle,
                                                QTextFormat::TableCellBottomBorderBrush),
                                         border(tf, cf, QTextFormat::TableCellRightBorder,
                                                QTextFormat::TableCellRightBorderStyle,
                                                QTextFormat::TableCellRightBorderBrush));
            frameSignature(ctx, cell.begin(), cell.end(), indent + QStringLiteral("  "));
        }
    }
}

void frameSignature(Context &ctx, QTextFrame::iterator it, QTextFrame::iterator end,
                    const QString &indent)
{
    for (; it != end; ++it) {
        if (QTextFrame *child = it.currentFrame()) {
            if (auto *table = qobject_cast<QTextTable *>(child))
                tableSignature(ctx, table, indent);
            else
                frameSignature(ctx, child->begin(), child->end(), indent);
        } else {
            blockSignature(ctx, it.currentBlock(), indent);
        }
    }
}

} // namespace

QStringList docSignature(const QTextDocument *doc)
{
    Context ctx{doc, {}, {}};
    frameSignature(ctx, doc->rootFrame()->begin(), doc->rootFrame()->end(), QString());
    return ctx.out;
}

QByteArray pngBytes(int width, int height, unsigned rgb)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(rgb));
    QPainter(&image).fillRect(0, 0, width / 2, height / 2, Qt::white);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

QByteArray jpegBytes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 128));
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return out;
}

void buildEditorDocument(QTextDocument *doc)
{
    doc->setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    QTextCursor c(doc);
    QTextBlockFormat heading;
    heading.setHeadingLevel(1);
    QTextCharFormat headingChars;
    headingChars.setFontWeight(QFont::Bold);
    headingChars.setFontPointSize(20);
    c.setBlockFormat(heading);
    c.insertText(QStringLiteral("Quarterly results"), headingChars);

    QTextCharFormat plain;
    c.insertBlock(QTextBlockFormat(), plain);
    auto run = [&](const QString &text, auto change) {
        QTextCharFormat f;
        change(f);
        c.insertText(text, f);
    };
    run(QStringLiteral("Plain, "), [](QTextCharFormat &) {});
    run(QStringLiteral("bold, "), [](QTextCharFormat &f) { f.setFontWeight(QFont::Bold); });
    run(QStringLiteral("italic, "), [](QTextCharFormat &f) { f.setFontItalic(true); });
    run(QStringLiteral("underlined, "), [](QTextCharFormat &f) { f.setFontUnderline(true); });
    run(QStringLiteral("struck, "), [](QTextCharFormat &f) { f.setFontStrikeOut(true); });
    run(QStringLiteral("H"), [](QTextCharFormat &) {});
    run(QStringLiteral("2"),
        [](QTextCharFormat &f) { f.setVerticalAlignment(QTextCharFormat::AlignSubScript); });
    run(QStringLiteral("O and x"), [](QTextCharFormat &) {});
    run(QStringLiteral("2"),
        [](QTextCharFormat &f) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); });
    run(QStringLiteral(" red on yellow"), [](QTextCharFormat &f) {
        f.setForeground(QColor(200, 0, 0));
        f.setBackground(QColor(255, 255, 0));
    });
    run(QStringLiteral(" serif 14"), [](QTextCharFormat &f) {
        f.setFontFamilies({QStringLiteral("DejaVu Serif")});
        f.setFontPointSize(14);
    });
    run(QStringLiteral(" Zażółć gęślą jaźń — 日本 € \\ {braces}"), [](QTextCharFormat &) {});

    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setTopMargin(6);
    centred.setBottomMargin(12);
    c.insertBlock(centred, plain);
    c.insertText(QStringLiteral("Centred with space above and below"), plain);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    c.insertBlock(right, plain);
    c.insertText(QStringLiteral("Right aligned"), plain);
    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);
    justified.setLeftMargin(30);
    justified.setRightMargin(20);
    justified.setTextIndent(-10);
    c.insertBlock(justified, plain);
    c.insertText(QStringLiteral("Justified, indented left and right with a hanging first line "
                                "that is long enough to wrap across more than one line."),
                 plain);
    QTextBlockFormat tabs;
    tabs.setTabPositions({QTextOption::Tab(100, QTextOption::LeftTab),
                          QTextOption::Tab(300, QTextOption::RightTab)});
    c.insertBlock(tabs, plain);
    c.insertText(QStringLiteral("Name\tLeft\tRight"), plain);

    // Bullets with a second level, then numbering.
    c.insertBlock(QTextBlockFormat(), plain);
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    bullets.setIndent(1);
    QTextList *level1 = c.createList(bullets);
    c.insertText(QStringLiteral("First bullet"), plain);
    c.insertBlock(QTextBlockFormat(), plain);
    level1->add(c.block());
    c.insertText(QStringLiteral("Second bullet"), plain);
    c.insertBlock(QTextBlockFormat(), plain);
    QTextListFormat sub;
    sub.setStyle(QTextListFormat::ListCircle);
    sub.setIndent(2);
    c.createList(sub);
    c.insertText(QStringLiteral("Sub bullet"), plain);
    c.insertBlock(QTextBlockFormat(), plain);
    level1->add(c.block());
    c.insertText(QStringLiteral("Third bullet"), plain);
    c.insertBlock(QTextBlockFormat(), plain);
    QTextListFormat numbers;
    numbers.setStyle(QTextListFormat::ListDecimal);
    numbers.setIndent(1);
    QTextList *numbered = c.createList(numbers);
    c.insertText(QStringLiteral("Step one"), plain);
    c.insertBlock(QTextBlockFormat(), plain);
    numbered->add(c.block());
    c.insertText(QStringLiteral("Step two"), plain);
    c.insertBlock(QTextBlockFormat(), plain);
    QTextListFormat letters;
    letters.setStyle(QTextListFormat::ListLowerAlpha);
    letters.setIndent(2);
    c.createList(letters);
    c.insertText(QStringLiteral("Sub step"), plain);
    c.insertBlock(QTextBlockFormat(), plain);
    if (QTextList *list = c.currentList())
        list->remove(c.block());
    c.setBlockFormat(QTextBlockFormat());
    c.insertText(QStringLiteral("After the lists"), plain);

    // A table with a header row, borders, a background, a merged cell, a cell with its
    // own top border and a nested table.
    QTextTableFormat tf;
    tf.setBorder(1);
    tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    tf.setBorderBrush(QColor(0, 0, 0));
    tf.setCellSpacing(0);
    tf.setCellPadding(4);
    tf.setBorderCollapse(true);
    tf.setHeaderRowCount(1);
    QTextTable *table = c.insertTable(3, 3, tf);
    const char *texts[3][3] = {
        {"Region", "Sales", "Share"}, {"North", "1 200", "40 %"}, {"Total", "", "100 %"}};
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int r = 0; r < 3; ++r)
        for (int col = 0; col < 3; ++col)
            table->cellAt(r, col).firstCursorPosition().insertText(QString::fromUtf8(texts[r][col]),
                                                                   r == 0 ? bold : plain);
    table->mergeCells(2, 0, 1, 2);
    QTextTableCellFormat shaded = table->cellAt(1, 1).format().toTableCellFormat();
    shaded.setBackground(QColor(220, 230, 255));
    table->cellAt(1, 1).setFormat(shaded);
    QTextTableCellFormat topped = table->cellAt(0, 2).format().toTableCellFormat();
    topped.setTopBorder(3);
    topped.setTopBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    topped.setTopBorderBrush(QColor(255, 0, 0));
    table->cellAt(0, 2).setFormat(topped);
    QTextCursor inner = table->cellAt(1, 0).lastCursorPosition();
    QTextTableFormat innerFormat = tf;
    innerFormat.setHeaderRowCount(0);
    QTextTable *nested = inner.insertTable(2, 2, innerFormat);
    for (int r = 0; r < 2; ++r)
        for (int col = 0; col < 2; ++col)
            nested->cellAt(r, col).firstCursorPosition().insertText(
                QStringLiteral("n%1%2").arg(r).arg(col), plain);
    c = table->lastCursorPosition();
    c.movePosition(QTextCursor::NextBlock);

    // Pictures and a link.
    c.insertText(QStringLiteral("Pictures: "), plain);
    QTextImageFormat png;
    png.setName(DocumentImages::add(doc, pngBytes(20, 10, 0x3366cc)));
    png.setWidth(40);
    png.setHeight(20);
    c.insertImage(png);
    c.insertText(QStringLiteral(" and "), plain);
    QTextImageFormat jpeg;
    jpeg.setName(DocumentImages::add(doc, jpegBytes(16, 12)));
    jpeg.setWidth(16);
    jpeg.setHeight(12);
    c.insertImage(jpeg);
    c.insertBlock(QTextBlockFormat(), plain);
    c.insertText(QStringLiteral("See "), plain);
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("https://example.org/report?id=7&lang=en"));
    link.setForeground(QColor(0, 0, 255));
    link.setFontUnderline(true);
    c.insertText(QStringLiteral("the full report"), link);
    c.insertText(QStringLiteral(" online."), plain);
}
