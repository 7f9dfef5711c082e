// Times the document editor on a long page: about 200 printed pages (some
// 500 KB of text) of headings, paragraphs with styles, lists and tables.
// Prints load (stored form into the editor), show (layout and first paint),
// store (editor to stored form), and RTF read and write of the same document.
#include "editors/document/TWPEditor.h"
#include "platform/HeapTuning.h"
#include "platform/wordproc/DocumentForm.h"
#include "platform/wordproc/RtfReader.h"
#include "platform/wordproc/RtfWriter.h"
#include "platform/wordproc/view/WPView.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <cstdio>
#include <ctime>

namespace {
void buildDocument(QTextDocument *doc)
{
    QTextCursor c(doc);
    QTextCharFormat plain, bold, heading;
    bold.setFontWeight(QFont::Bold);
    heading.setFontWeight(QFont::Bold);
    heading.setFontPointSize(16);
    const QString sentence = QStringLiteral(
        "The respondents of the northern region answered the questions on their daily "
        "habits with more detail than those of the other regions, ");
    for (int section = 0; section < 260; ++section) {
        c.insertText(QStringLiteral("Section %1").arg(section + 1), heading);
        c.insertBlock(QTextBlockFormat(), plain);
        for (int p = 0; p < 4; ++p) {
            c.insertText(sentence + sentence, plain);
            c.insertText(QStringLiteral("which matters"), bold);
            c.insertText(QStringLiteral(" for the weighting. ") + sentence, plain);
            c.insertBlock();
        }
        QTextListFormat list;
        list.setStyle(QTextListFormat::ListDisc);
        c.createList(list);
        for (int i = 0; i < 3; ++i) {
            c.insertText(QStringLiteral("Item %1 of the list in section %2").arg(i).arg(section));
            if (i < 2)
                c.insertBlock();
        }
        c.insertBlock(QTextBlockFormat(), plain);
        QTextTableFormat tf;
        tf.setBorderCollapse(true);
        tf.setBorder(1);
        QTextTable *t = c.insertTable(5, 4, tf);
        for (int r = 0; r < 5; ++r)
            for (int k = 0; k < 4; ++k)
                t->cellAt(r, k).firstCursorPosition().insertText(
                    r == 0 ? QStringLiteral("Column %1").arg(k) : QString::number(r * 17 + k * 3));
        c = t->lastCursorPosition();
        c.movePosition(QTextCursor::NextBlock);
    }
}

// Processor time of this thread, which other programs on a busy machine do
// not inflate as they do the wall clock.
class CpuTimer
{
public:
    void start() { m_start = now(); }
    void restart() { m_start = now(); }
    double elapsedMs() const { return now() - m_start; }

private:
    static double now()
    {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
    }
    double m_start = 0;
};

double ms(CpuTimer &t)
{
    return t.elapsedMs();
}
} // namespace

int main(int argc, char **argv)
{
    HeapTuning::keepPictureBuffersInHeap();
    QApplication app(argc, argv);
    QTextDocument source;
    buildDocument(&source);
    TWPEditor editor;
    editor.resize(900, 700);

    // The stored form of the long document, made by the editor itself.
    editor.view()->setDocument(&source);
    const QByteArray stored = editor.saveContent();
    editor.view()->setDocument(new QTextDocument(editor.view()));
    TWPEditor shown;
    shown.resize(900, 700);

    std::printf("times are processor times of the main thread (the machine may be shared)\n");
    CpuTimer t;
    t.start();
    {
        QTextDocument detached;
        DocumentForm::load(stored, &detached);
        std::printf("stored form into a detached document %8.1f ms\n", ms(t));
        t.restart();
        detached.setTextWidth(860);
        detached.documentLayout()->documentSize();
        std::printf("its layout %8.1f ms\n", ms(t));
    }
    t.restart();
    shown.loadContent(stored, QString());
    const double load = ms(t);

    t.restart();
    shown.show();
    QAbstractTextDocumentLayout *layout = shown.view()->document()->documentLayout();
    const QSizeF size = layout->documentSize(); // the whole layout
    shown.grab();
    const double show = ms(t);

    t.restart();
    const QByteArray again = shown.saveContent();
    const double store = ms(t);

    t.restart();
    const QByteArray rtf = RtfWriter::write(shown.view()->document());
    const double rtfWrite = ms(t);

    QTextDocument fromRtf;
    t.restart();
    RtfReader::read(rtf, &fromRtf);
    const double rtfRead = ms(t);

    // A4 with 2 cm margins holds about 970 pixels of text height at 96 dpi.
    const int pages = qRound(size.height() / 970.0 * 860.0 / 642.0);
    std::printf("document: %d KB of text, %lld KB stored, %lld KB RTF, about %d pages\n",
                int(source.characterCount() / 1024), (long long)(again.size() / 1024),
                (long long)(rtf.size() / 1024), pages);
    std::printf("load  %8.1f ms\nshow  %8.1f ms\nstore %8.1f ms\n", load, show, store);
    std::printf("rtf write %8.1f ms\nrtf read  %8.1f ms\n", rtfWrite, rtfRead);
    return 0;
}
