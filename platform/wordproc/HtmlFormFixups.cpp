#include "platform/wordproc/HtmlFormFixups.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

namespace {

// Tables in the order their closing tags appear in the HTML: inner ones first.
void tablesPostOrder(QTextFrame *frame, QList<QTextTable *> *out)
{
    for (QTextFrame *child : frame->childFrames()) {
        tablesPostOrder(child, out);
        if (auto *table = qobject_cast<QTextTable *>(child))
            out->append(table);
    }
}

// The block that follows the table. Found in the document's block map: a
// cursor moved there would lay out the table's last block on the way.
QTextBlock blockAfter(const QTextTable *table)
{
    const QTextBlock last = table->document()->findBlock(table->lastPosition());
    const QTextBlock next = last.next();
    return next.isValid() ? next : last;
}

bool sameFrameNext(const QTextBlock &block, QTextBlock *next)
{
    const QTextBlock candidate = block.next();
    if (!candidate.isValid() || candidate.position() != block.position() + block.length())
        return false;
    // A frame starting between the two would hold the candidate.
    if (QTextCursor(block).currentFrame() != QTextCursor(candidate).currentFrame())
        return false;
    *next = candidate;
    return true;
}

QString tabText(const QTextBlock &block)
{
    QStringList stops;
    for (const QTextOption::Tab &tab : block.blockFormat().tabPositions())
        stops << QStringLiteral("%1/%2").arg(tab.position).arg(int(tab.type));
    return stops.join(u' ');
}

void clearCellBackgrounds(QTextTable *table)
{
    for (int r = 0; r < table->rows(); ++r) {
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.row() != r || cell.column() != c)
                continue;
            const QBrush cellBrush = cell.format().background();
            if (cellBrush.style() == Qt::NoBrush)
                continue;
            for (QTextFrame::iterator it = cell.begin(); it != cell.end(); ++it) {
                const QTextBlock block = it.currentBlock();
                if (!block.isValid())
                    continue;
                QTextCursor cursor(block);
                QTextBlockFormat bf = block.blockFormat();
                if (bf.background() == cellBrush) {
                    bf.clearBackground();
                    cursor.setBlockFormat(bf);
                }
                for (QTextBlock::iterator f = block.begin(); !f.atEnd(); ++f) {
                    const QTextFragment fragment = f.fragment();
                    QTextCharFormat cf = fragment.charFormat();
                    if (cf.background() != cellBrush)
                        continue;
                    cf.clearBackground();
                    QTextCursor select(cursor.document());
                    select.setPosition(fragment.position());
                    select.setPosition(fragment.position() + fragment.length(),
                                       QTextCursor::KeepAnchor);
                    select.setCharFormat(cf);
                }
            }
        }
    }
}

} // namespace

QString HtmlFormFixups::beforeSave(const QTextDocument *doc, const QString &html)
{
    QString out = html;
    // Empty paragraphs after tables that the export would drop.
    QList<QTextTable *> tables;
    tablesPostOrder(doc->rootFrame(), &tables);
    QList<int> keep;
    for (int i = 0; i < tables.size(); ++i) {
        const QTextBlock empty = blockAfter(tables.at(i));
        QTextBlock next;
        if (empty.isValid() && empty.length() == 1 && sameFrameNext(empty, &next))
            keep << i;
    }
    if (!keep.isEmpty()) {
        const QLatin1String close("</table>");
        const QString paragraph =
            QStringLiteral("<p style=\"-qt-paragraph-type:empty; margin-top:0px; "
                           "margin-bottom:0px; margin-left:0px; margin-right:0px;\"><br /></p>");
        QList<int> positions;
        for (int at = out.indexOf(close); at >= 0; at = out.indexOf(close, at + 1))
            positions << at + int(close.size());
        for (int k = int(keep.size()) - 1; k >= 0; --k)
            if (keep.at(k) < positions.size())
                out.insert(positions.at(keep.at(k)), paragraph);
    }
    // Tab stops by block number.
    QStringList tabs;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        if (!block.blockFormat().tabPositions().isEmpty())
            tabs << QString::number(block.blockNumber()) + u':' + tabText(block);
    if (!tabs.isEmpty()) {
        const int head = out.indexOf(QLatin1String("<head>"));
        if (head >= 0)
            out.insert(head + 6, QStringLiteral("<meta name=\"tessary-tabs\" content=\"%1\" />")
                                     .arg(tabs.join(u';')));
    }
    return out;
}

void HtmlFormFixups::afterLoad(QTextDocument *doc, const QString &html)
{
    QList<QTextTable *> tables;
    tablesPostOrder(doc->rootFrame(), &tables);
    for (QTextTable *table : tables) {
        clearCellBackgrounds(table);
        const QTextBlock empty = blockAfter(table);
        QTextBlock next;
        if (!empty.isValid() || empty.length() != 1 || !sameFrameNext(empty, &next))
            continue;
        const QTextBlockFormat blockFormat = next.blockFormat();
        const QTextCharFormat charFormat = next.charFormat();
        QTextList *list = next.textList();
        QTextCursor cursor(empty);
        cursor.deleteChar(); // joins the next paragraph into the empty one
        cursor.setBlockFormat(blockFormat);
        cursor.setBlockCharFormat(charFormat);
        if (list && cursor.block().textList() != list)
            list->add(cursor.block());
    }

    static const QRegularExpression meta(
        QStringLiteral("<meta name=\"tessary-tabs\" content=\"([^\"]*)\""));
    const QRegularExpressionMatch m = meta.match(html);
    if (!m.hasMatch())
        return;
    for (const QString &entry : m.captured(1).split(u';', Qt::SkipEmptyParts)) {
        const int colon = entry.indexOf(u':');
        const QTextBlock block = doc->findBlockByNumber(entry.left(colon).toInt());
        if (colon < 0 || !block.isValid())
            continue;
        QList<QTextOption::Tab> stops;
        for (const QString &stop : entry.mid(colon + 1).split(u' ', Qt::SkipEmptyParts)) {
            const QStringList parts = stop.split(u'/');
            QTextOption::Tab tab;
            tab.position = parts.value(0).toDouble();
            tab.type = QTextOption::TabType(qBound(0, parts.value(1).toInt(), 3));
            stops << tab;
        }
        QTextBlockFormat format = block.blockFormat();
        format.setTabPositions(stops);
        QTextCursor(block).setBlockFormat(format);
    }
}
