// The word-cloud page editor: pages loaded and stored, what a loaded page
// shows, files, pictures, printing and the copy menu.
#include "TestDocuments.h"
#include "TestWords.h"

#include "platform/TessaryError.h"
#include "store/PageState.h"
#include "tests/support/ScriptedDialogs.h"
#include "wordcloud/TWordCloudEditor.h"
#include "wordcloud/TzqPalettes.h"
#include "wordcloud/TzqWordCloud.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace TestDocuments;

namespace {

// A document laid out by the engine: count Zipf words in a window of size.
QByteArray laidOut(int count, const QSize &size, quint32 seed = 11)
{
    TzqCloudEngine cloud;
    cloud.SetRandom(std::make_unique<ScriptedRandom>(seed));
    cloud.SetControlSize(size);
    cloud.SetUsePalette(true);
    cloud.SetPalette(cpWindowsVista);
    cloud.SetShadow(false);
    TestWords::addZipfWords(cloud, count, seed, 300);
    cloud.Generate(true);
    return save(cloud);
}

void showAt(TWordCloudEditor &editor, const QSize &size)
{
    editor.resize(size);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QCOMPARE(editor.zqWordCloud1->size(), size);
}

// Every placed word's ink lies in its shown box, starts one pixel in from the
// box's left and top edges and fills most of its width; no two boxes share a
// pixel; there is no ink outside the boxes.
void checkWordsInBoxes(TWordCloudEditor &editor, double minFill)
{
    const QImage shot = editor.Snapshot();
    const TzqWordCloud &cloud = *editor.zqWordCloud1;
    const QRgb white = qRgb(255, 255, 255);
    QImage rest = shot;
    QVector<QRect> boxes;
    for (int i = 0; i < cloud.WordCount(); ++i) {
        const TzqWord *w = cloud.Word(i);
        if (!w->Placed() || w->StartingBounds().IsEmpty())
            continue;
        const QRect box = pixels(w->Bounds());
        const QRect ink = inkIn(shot, box, white);
        const QString what = QStringLiteral("%1 in %2,%3 %4x%5, ink %6,%7 %8x%9")
                                 .arg(w->Text())
                                 .arg(box.x())
                                 .arg(box.y())
                                 .arg(box.width())
                                 .arg(box.height())
                                 .arg(ink.x())
                                 .arg(ink.y())
                                 .arg(ink.width())
                                 .arg(ink.height());
        QVERIFY2(!ink.isEmpty(), qPrintable(what));
        QVERIFY2(qAbs(ink.left() - (box.left() + 1)) <= 1, qPrintable(what));
        QVERIFY2(qAbs(ink.top() - (box.top() + 1)) <= 1, qPrintable(what));
        if (box.width() >= 20) // the smallest words are mostly margin and shadow room
            QVERIFY2(ink.width() >= minFill * box.width(), qPrintable(what));
        for (const QRect &other : qAsConst(boxes))
            QVERIFY2(!other.intersects(box),
                     qPrintable(what + QStringLiteral(" overlaps %1,%2 %3x%4")
                                           .arg(other.x())
                                           .arg(other.y())
                                           .arg(other.width())
                                           .arg(other.height())));
        boxes << box;
        QPainter p(&rest);
        p.fillRect(box, Qt::white);
    }
    QVERIFY(boxes.size() > 0);
    QVERIFY2(inkIn(rest, rest.rect(), white).isEmpty(), "ink outside every box");
}

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void init() { PageModified = false; }

    void handWrittenShowsStoredArrangement();
    void handWrittenSavesBackWithDocumentedChanges();
    void loadedPageFitsOtherSizes();
    void badPageLeavesEditorAsItWas();
    void emptyContentEmptiesCloud();
    void loadFileAndSaveToFile();
    void renderImageLeavesControl();
    void saveCloudByFilter();
    void printWordCloud();
    void printRect();
    void copyMenuAndActions();
};

void TestEditor::handWrittenShowsStoredArrangement()
{
    TWordCloudEditor editor;
    showAt(editor, QSize(400, 300));
    editor.loadContent(handWritten(), QStringLiteral("a\tb\tWords"));
    QCOMPARE(PageModified, false);
    const TzqWordCloud &cloud = *editor.zqWordCloud1;
    QCOMPARE(cloud.WordCount(), 6);
    QCOMPARE(cloud.Stats().Layouts, 0);
    // At the size it was laid out at, every word stands in its stored box.
    const TzqCloudDocument doc = TzqCloudDocument::Read(handWritten());
    for (int i = 0; i < 6; ++i) {
        const TzqRect &b = cloud.Word(i)->Bounds();
        const auto &stored = *doc.Words[i].StartingBounds;
        QCOMPARE(b.Left, *stored[0]);
        QCOMPARE(b.Top, *stored[1]);
        QVERIFY(b.Right > *stored[2]);
        QVERIFY(b.Bottom > *stored[3]);
    }
    checkWordsInBoxes(editor, 0.6);
}

void TestEditor::handWrittenSavesBackWithDocumentedChanges()
{
    TWordCloudEditor editor;
    showAt(editor, QSize(500, 420));
    editor.loadContent(handWritten(), QString());
    editor.Snapshot(); // shown: the words take their palette colours
    const QByteArray saved = editor.saveContent();

    const QList<QByteArray> a = handWritten().split('\n');
    const QList<QByteArray> b = saved.split('\n');
    QCOMPARE(b.size(), a.size()); // same elements, one per line, in the same order
    const TzqArrayOfColor rainbow = TzqPalettes::Colors(cpRainbow);
    int word = -1;
    for (int i = 0; i < a.size(); ++i) {
        if (a[i].contains("<Word>"))
            ++word;
        if (a[i] == b[i])
            continue;
        if (a[i].contains("<Font>")) {
            QCOMPARE(a[i], QByteArray("\t<Font>Arial,1,0,10,1</Font>"));
            continue;
        }
        if (a[i].contains("<TextColor>")) {
            QCOMPARE(b[i], "\t\t\t<TextColor>" +
                               QByteArray::number(qint32(rainbow.at(word % rainbow.size()))) +
                               "</TextColor>");
            continue;
        }
        QVERIFY2(a[i].contains("\t\t\t<StartingBounds>"), a[i].constData());
        const QList<int> p = boxOfLine(a[i]);
        const QList<int> q = boxOfLine(b[i]);
        QCOMPARE(q[0], p[0]);
        QCOMPARE(q[1], p[1]);
        QVERIFY(q[2] > p[2]);
        QVERIFY(q[3] > p[3]);
    }
    QCOMPARE(word, 5);
}

void TestEditor::loadedPageFitsOtherSizes()
{
    // The hand-written page at another size, then a laid-out page of 200
    // words at the editor's size and at a smaller one.
    TWordCloudEditor editor;
    showAt(editor, QSize(600, 380));
    editor.loadContent(handWritten(), QString());
    checkWordsInBoxes(editor, 0.6);

    const QByteArray page = laidOut(200, QSize(846, 500));
    editor.resize(846, 500);
    editor.loadContent(page, QString());
    QCOMPARE(editor.zqWordCloud1->WordCount(), 200);
    checkWordsInBoxes(editor, 0.5);
    editor.resize(640, 400);
    QCOMPARE(editor.zqWordCloud1->size(), QSize(640, 400));
    checkWordsInBoxes(editor, 0.4);
    QCOMPARE(editor.zqWordCloud1->Stats().Layouts, 0);
}

void TestEditor::badPageLeavesEditorAsItWas()
{
    TWordCloudEditor editor;
    showAt(editor, QSize(400, 300));
    editor.loadContent(handWritten(), QString());
    const QImage shot = editor.Snapshot();
    const QByteArray before = editor.saveContent();
    const QByteArray bad[] = {
        QByteArray("<WordCloud version=\"1.0\"><Words><Word>"),
        QByteArray("<WordCloud version=\"1.0\"><Shadow>true</Shadow></WordCloud>"),
        QByteArray("<WordCloud version=\"1.0\"><Words><Word><Weight>1e9</Weight></Word></Words>"
                   "</WordCloud>"),
        QByteArray("<WordCloud version=\"2.0\"><Words/></WordCloud>"),
        QByteArray("\x89PNG\r\n\x1a\n", 8),
    };
    for (const QByteArray &bytes : bad) {
        bool refused = false;
        try {
            editor.loadContent(bytes, QString());
        } catch (const TessaryError &e) {
            refused = true;
            QVERIFY(!e.message().isEmpty());
            if (bytes.contains("2.0"))
                QVERIFY2(e.message().contains(QStringLiteral("version \"2.0\"")),
                         qPrintable(e.message()));
        }
        QVERIFY2(refused, bytes.constData());
        QCOMPARE(editor.saveContent(), before);
        QCOMPARE(editor.Snapshot(), shot);
    }
    QCOMPARE(PageModified, false);
}

void TestEditor::emptyContentEmptiesCloud()
{
    TWordCloudEditor editor;
    showAt(editor, QSize(300, 200));
    editor.loadContent(handWritten(), QString());
    editor.loadContent(QByteArray(), QString());
    QCOMPARE(editor.zqWordCloud1->WordCount(), 0);
    editor.loadContent(handWritten(), QString());
    editor.clearContent();
    QCOMPARE(editor.zqWordCloud1->WordCount(), 0);
    QVERIFY(editor.saveContent().contains("<Words/>"));
    const QImage blank = editor.Snapshot();
    QVERIFY(inkIn(blank, blank.rect(), qRgb(255, 255, 255)).isEmpty());
}

void TestEditor::loadFileAndSaveToFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString xml = dir.filePath(QStringLiteral("Cloud.XML"));
    {
        QFile f(xml);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(handWritten());
    }
    TWordCloudEditor editor; // never shown: pictures take the laid-out size
    editor.loadFile(xml);
    QCOMPARE(editor.zqWordCloud1->WordCount(), 6);
    QCOMPARE(editor.PictureSize(), QSize(400, 300));
    QCOMPARE(editor.saveExtensions(), (QStringList{"png", "bmp", "jpg", "svg", "xml"}));

    for (const QString &ext : editor.saveExtensions()) {
        const QString out = dir.filePath(QStringLiteral("out.") + ext);
        editor.saveToFile(out);
        QVERIFY2(QFileInfo(out).size() > 0, qPrintable(out));
        if (ext == QLatin1String("xml")) {
            TWordCloudEditor again;
            again.loadFile(out);
            QCOMPARE(again.zqWordCloud1->WordCount(), 6);
        } else if (ext == QLatin1String("svg")) {
            QFile f(out);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.readAll().contains("<svg"));
        } else {
            const QImage image(out);
            QCOMPARE(image.size(), QSize(400, 300));
            QVERIFY(!inkIn(image, image.rect(), qRgb(255, 255, 255)).isEmpty());
        }
    }
    QVERIFY_THROWS_EXCEPTION(TessaryError, editor.saveToFile(dir.filePath("out.gif")));
    QVERIFY_THROWS_EXCEPTION(TessaryError, editor.saveToFile("/nonexistent-folder/x.png"));
    QVERIFY_THROWS_EXCEPTION(TessaryError, editor.saveToFile("/nonexistent-folder/x.xml"));
    QVERIFY_THROWS_EXCEPTION(TessaryError, editor.loadFile(dir.filePath("words.txt")));
    QVERIFY_THROWS_EXCEPTION(TessaryError, editor.loadFile(dir.filePath("absent.xml")));
    QCOMPARE(editor.zqWordCloud1->WordCount(), 6);
}

void TestEditor::renderImageLeavesControl()
{
    TWordCloudEditor editor;
    showAt(editor, QSize(400, 300));
    editor.loadContent(handWritten(), QString());
    QVector<TzqRect> shown;
    for (int i = 0; i < editor.zqWordCloud1->WordCount(); ++i)
        shown << editor.zqWordCloud1->Word(i)->Bounds();
    const QImage small = editor.renderImage(QSize(200, 150));
    QCOMPARE(small.size(), QSize(200, 150));
    QVERIFY(!inkIn(small, small.rect(), qRgb(255, 255, 255)).isEmpty());
    for (int i = 0; i < shown.size(); ++i)
        QCOMPARE(editor.zqWordCloud1->Word(i)->Bounds(), shown[i]);
    QCOMPARE(editor.renderImage(QSize(400, 300)), editor.Snapshot());
}

void TestEditor::saveCloudByFilter()
{
    QTemporaryDir dir;
    ScriptedDialogsScope scripted;
    TWordCloudEditor editor;
    showAt(editor, QSize(320, 240));
    editor.loadContent(handWritten(), QString());

    // The JPEG filter with the name "cloud.png" writes "cloud.JPG", progressive.
    scripted->answer("saveFiltered",
                     QVariantList{dir.filePath("cloud.png"), int(TWordCloudEditor::JpegFilter)});
    editor.SaveCloud();
    QVERIFY(!QFile::exists(dir.filePath("cloud.png")));
    QFile jpeg(dir.filePath("cloud.JPG"));
    QVERIFY(jpeg.open(QIODevice::ReadOnly));
    const QByteArray bytes = jpeg.readAll();
    QVERIFY(bytes.startsWith("\xFF\xD8"));
    QVERIFY(bytes.contains(QByteArray("\xFF\xC2", 2))); // progressive frame
    QCOMPARE(QImage(dir.filePath("cloud.JPG")).size(), QSize(320, 240));
    QCOMPARE(editor.SaveFolder(), QFileInfo(dir.path()).absoluteFilePath());
    QCOMPARE(editor.SaveFileName(), QStringLiteral("cloud.JPG"));

    scripted->answer("saveFiltered",
                     QVariantList{dir.filePath("pic"), int(TWordCloudEditor::PngFilter)});
    editor.SaveCloud();
    const QImage png(dir.filePath("pic.PNG"));
    QCOMPARE(png.size(), QSize(320, 240));
    QVERIFY(!png.hasAlphaChannel());
    QCOMPARE(png.convertToFormat(QImage::Format_RGB32), editor.Snapshot());

    scripted->answer("saveFiltered",
                     QVariantList{dir.filePath("a.b.jpg"), int(TWordCloudEditor::BmpFilter)});
    editor.SaveCloud();
    QCOMPARE(QImage(dir.filePath("a.b.BMP")).size(), QSize(320, 240));

    scripted->answer("saveFiltered",
                     QVariantList{dir.filePath("vector"), int(TWordCloudEditor::SvgFilter)});
    editor.SaveCloud();
    QFile svg(dir.filePath("vector.SVG"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("<svg"));

    // Cancelled: nothing is written.
    const int files = QDir(dir.path()).entryList(QDir::Files).size();
    editor.SaveCloud();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), files);
    QCOMPARE(scripted->asked.filter("saveFiltered").size(), 5);
    QCOMPARE(PageModified, false);

    // A file that cannot be written is an error with the file's name.
    scripted->answer("saveFiltered", QVariantList{QStringLiteral("/nonexistent-folder/c.png"), 1});
    try {
        editor.SaveCloud();
        QFAIL("no error");
    } catch (const TessaryError &e) {
        QVERIFY2(e.message().contains(QStringLiteral("c.PNG")), qPrintable(e.message()));
    }
    // Through the action the error becomes a message.
    scripted->answer("saveFiltered", QVariantList{QStringLiteral("/nonexistent-folder/c.png"), 1});
    editor.CloudAction(QStringLiteral("SaveCloud"))->trigger();
    QVERIFY(scripted->asked.last().startsWith(QStringLiteral("message: Cannot write")));
}

void TestEditor::printWordCloud()
{
    QTemporaryDir dir;
    ScriptedDialogsScope scripted;
    TWordCloudEditor editor;
    showAt(editor, QSize(400, 300));
    editor.loadContent(handWritten(), QString());
    QPrinter *printer = editor.Printer();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(dir.filePath("wide.pdf"));
    printer->setPageOrientation(QPageLayout::Portrait);

    editor.PrintWordCloud(); // cancelled
    QVERIFY(!QFile::exists(dir.filePath("wide.pdf")));

    scripted->answer("print", true);
    editor.PrintWordCloud();
    QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);
    QFile pdf(dir.filePath("wide.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));

    editor.resize(300, 400);
    printer->setOutputFileName(dir.filePath("tall.pdf"));
    scripted->answer("print", true);
    editor.CloudAction(QStringLiteral("PrintWordCloud"))->trigger();
    QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(QFile::exists(dir.filePath("tall.pdf")));

    // A square picture prints upright.
    editor.resize(300, 300);
    scripted->answer("print", true);
    editor.PrintWordCloud();
    QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Portrait);
}

void TestEditor::printRect()
{
    // Margins: 4 % left and right, 1.5 % top (halves to even), as much at
    // the bottom; the picture keeps its proportions and is centred across.
    QCOMPARE(TWordCloudEditor::PrintRect(QSize(400, 300), QSize(1000, 700)),
             QRect(46, 10, 907, 680));
    QCOMPARE(TWordCloudEditor::PrintRect(QSize(300, 600), QSize(1000, 700)),
             QRect(330, 10, 340, 680));
    const QRect r = TWordCloudEditor::PrintRect(QSize(846, 500), QSize(9917, 7016));
    QCOMPARE(r.left(), 397);
    QCOMPARE(r.top(), 105);
    QVERIFY(r.right() <= 9917 - 397);
    QVERIFY(r.bottom() <= 7016 - 105);
    QVERIFY(qAbs(double(r.width()) / r.height() - 846.0 / 500.0) < 0.01);
    QVERIFY(TWordCloudEditor::PrintRect(QSize(), QSize(100, 100)).isEmpty());
}

void TestEditor::copyMenuAndActions()
{
    TWordCloudEditor editor;
    showAt(editor, QSize(300, 200));
    editor.loadContent(handWritten(), QString());
    QStringList names;
    for (QAction *a : editor.CloudActions())
        names << a->objectName();
    QCOMPARE(names, (QStringList{"SaveCloud", "PrintWordCloud", "CopyAsBitmap", "CopyAsMetafile",
                                 "ShowTagOptions", "CopyCloud"}));
    QCOMPARE(editor.CloudAction("CopyCloud")->menu(), editor.PopupMenu1);
    QCOMPARE(editor.PopupMenu1->actions(), (QList<QAction *>{editor.MenuItem1, editor.MenuItem2}));
    QCOMPARE(editor.MenuItem1->text(), QStringLiteral("Copy as bitmap"));
    QCOMPARE(editor.MenuItem2->text(), QStringLiteral("Copy as metafile"));

    QGuiApplication::clipboard()->clear();
    editor.MenuItem1->trigger();
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    QVERIFY(mime && mime->hasFormat(QStringLiteral("image/png")));
    QImage copied;
    QVERIFY(copied.loadFromData(mime->data(QStringLiteral("image/png")), "PNG"));
    QCOMPARE(copied.size(), QSize(300, 200));
    editor.MenuItem2->trigger();
    mime = QGuiApplication::clipboard()->mimeData();
    QVERIFY(mime && mime->data(QStringLiteral("image/svg+xml")).contains("<svg"));
    QCOMPARE(PageModified, false);
}

int runTestEditor(int argc, char **argv)
{
    TestEditor test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_editor.moc"
