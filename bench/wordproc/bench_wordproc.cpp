// Times of the document file layer on a 200-page document (about 500 KB of text with a
// table, a list and a link on every page): RTF write and read, stored form save and
// load, and the first layout (what showing the page costs).
#include "platform/HeapTuning.h"
#include "platform/wordproc/DocumentForm.h"
#include "platform/wordproc/RtfParser.h"
#include "platform/wordproc/RtfReader.h"
#include "platform/wordproc/RtfWriter.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

#include <cstdio>

namespace {

const char kWords[] = "analysis respondents share weighted regional sample growth quarter "
                      "survey result measured average variance confidence interval segment ";

void buildDocument(QTextDocument *doc, int pages)
{
    QTextCursor c(doc);
    QTextCharFormat plain, bold, italic, link;
    bold.setFontWeight(QFont::Bold);
    italic.setFontItalic(true);
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("https://example.org/page"));
    link.setFontUnderline(true);
    link.setForeground(Qt::blue);
    const QString words = QString::fromLatin1(kWords);
    for (int page = 0; page < pages; ++page) {
        QTextBlockFormat heading;
        heading.setHeadingLevel(2);
        QTextCharFormat headingChars = bold;
        headingChars.setFontPointSize(16);
        if (page > 0)
            c.insertBlock(heading, headingChars);
        else
            c.setBlockFormat(heading);
        c.insertText(QStringLiteral("Section %1").arg(page + 1), headingChars);
        for (int p = 0; p < 6; ++p) {
            c.insertBlock(QTextBlockFormat(), plain);
            for (int s = 0; s < 2; ++s) {
                c.insertText(words, plain);
                c.insertText(QStringLiteral("important "), bold);
                c.insertText(words.left(60), italic);
            }
            c.insertText(QStringLiteral("details"), link);
            c.insertText(QStringLiteral("."), plain);
        }
        c.insertBlock(QTextBlockFormat(), plain);
        QTextListFormat bullets;
        bullets.setStyle(QTextListFormat::ListDisc);
        QTextList *list = c.createList(bullets);
        c.insertText(QStringLiteral("First finding of section %1").arg(page + 1), plain);
        for (int i = 0; i < 2; ++i) {
            c.insertBlock(QTextBlockFormat(), plain);
            list->add(c.block());
            c.insertText(QStringLiteral("Further finding number %1").arg(i + 2), plain);
        }
        c.insertBlock(QTextBlockFormat(), plain);
        list->remove(c.block());
        c.setBlockFormat(QTextBlockFormat());
        QTextTableFormat tf;
        tf.setBorder(1);
        tf.setCellPadding(3);
        tf.setCellSpacing(0);
        tf.setBorderCollapse(true);
        tf.setHeaderRowCount(1);
        QTextTable *table = c.insertTable(6, 4, tf);
        for (int r = 0; r < 6; ++r)
            for (int col = 0; col < 4; ++col)
                table->cellAt(r, col).firstCursorPosition().insertText(
                    r == 0 ? QStringLiteral("Column %1").arg(col + 1)
                           : QString::number((page * 31 + r * 7 + col * 3) % 1000),
                    r == 0 ? bold : plain);
        c = table->lastCursorPosition();
        c.movePosition(QTextCursor::NextBlock);
    }
}

template <typename F> double timed(F f)
{
    QElapsedTimer timer;
    timer.start();
    f();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    HeapTuning::keepPictureBuffersInHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextDocument doc;
    const double build = timed([&] { buildDocument(&doc, 200); });
    const int characters = doc.characterCount();

    QByteArray rtf;
    const double rtfWrite = timed([&] { rtf = RtfWriter::write(&doc); });
    const double rtfParse = timed([&] {
        RtfParser parser;
        parser.parse(rtf);
    });
    QTextDocument fromRtf;
    const double rtfRead = timed([&] { RtfReader::read(rtf, &fromRtf); });

    QByteArray html;
    const double save = timed([&] { html = DocumentForm::save(&doc); });
    const double setHtml = timed([&] {
        QTextDocument plain;
        plain.setHtml(QString::fromUtf8(html));
    });
    QTextDocument fromHtml;
    const double load = timed([&] { DocumentForm::load(html, &fromHtml); });
    const double show = timed([&] {
        fromHtml.setTextWidth(700);
        fromHtml.documentLayout()->documentSize();
    });

    std::printf("document: 200 pages, %d characters of text, %d tables\n", characters,
                int(fromRtf.rootFrame()->childFrames().size()));
    std::printf("build with QTextCursor      %8.1f ms\n", build);
    std::printf("RTF write                   %8.1f ms  (%lld KB)\n", rtfWrite,
                static_cast<long long>(rtf.size() / 1024));
    std::printf("RTF read                    %8.1f ms  (of which parsing %.1f ms)\n", rtfRead,
                rtfParse);
    std::printf("stored form save (HTML)     %8.1f ms  (%lld KB)\n", save,
                static_cast<long long>(html.size() / 1024));
    std::printf("stored form load (HTML)     %8.1f ms  (of which Qt's HTML import %.1f ms)\n", load,
                setHtml);
    std::printf("first layout (show)         %8.1f ms\n", show);
    return fromRtf.characterCount() == characters ? 0 : 1;
}
