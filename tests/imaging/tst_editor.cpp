// The image editor form: stored forms in and out, reading files by the whole
// path, zoom steps and their status text, saving with the dialog's entries,
// the pop-up "Open file", the clipboard and what the form draws.
#include "TestPictures.h"

#include "editors/picture/TImageEditor.h"
#include "editors/picture/TImageView.h"
#include "platform/TessaryError.h"
#include "platform/imaging/Bmp24.h"
#include "platform/imaging/MetafileConverter.h"
#include "platform/imaging/WorkingBitmap.h"
#include "store/PageState.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestReport.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

using namespace TestPictures;

namespace {

// A 24-bit BMP as a host writes it, built byte by byte: bottom-up rows padded
// to four bytes, image size field left 0 (allowed for uncompressed bitmaps),
// a resolution of 2835 pixels per metre.
QByteArray hostBmp(const QImage &pic)
{
    const int w = pic.width();
    const int h = pic.height();
    const int stride = (w * 3 + 3) & ~3;
    QByteArray b(54 + stride * h, '\0');
    uchar *p = reinterpret_cast<uchar *>(b.data());
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian(quint32(b.size()), p + 2);
    qToLittleEndian(quint32(54), p + 10);
    qToLittleEndian(quint32(40), p + 14);
    qToLittleEndian(qint32(w), p + 18);
    qToLittleEndian(qint32(h), p + 22);
    qToLittleEndian(quint16(1), p + 26);
    qToLittleEndian(quint16(24), p + 28);
    qToLittleEndian(quint32(2835), p + 38);
    qToLittleEndian(quint32(2835), p + 42);
    for (int y = 0; y < h; ++y) {
        uchar *row = p + 54 + stride * (h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const QRgb c = pic.pixel(x, y);
            row[x * 3] = uchar(qBlue(c));
            row[x * 3 + 1] = uchar(qGreen(c));
            row[x * 3 + 2] = uchar(qRed(c));
        }
    }
    return b;
}

int bmpBits(const QByteArray &bmp)
{
    return bmp.size() >= 30
               ? qFromLittleEndian<quint16>(reinterpret_cast<const uchar *>(bmp.constData()) + 28)
               : -1;
}

QImage readImage(const QString &file)
{
    QImageReader r(file);
    return r.read();
}

} // namespace

class TestImageEditor : public QObject
{
    Q_OBJECT
private slots:
    void init() { PageModified = false; }

    void hostBitmapIsShown()
    {
        TImageEditor ed;
        const QImage pic = drawing(75, 41); // odd width: row padding
        ed.loadContent(hostBmp(pic), QStringLiteral("a\tb\tPicture"));
        QCOMPARE(ed.picture().format(), QImage::Format_RGB888);
        QCOMPARE(maxChannelDiff(ed.picture(), pic), 0);
        QCOMPARE(ed.imageView()->size(), QSize(75, 41)); // zoom 100 applied
        QVERIFY(!PageModified);
        const QImage shown = ed.renderImage(QSize(100, 60));
        QCOMPARE(maxChannelDiff(shown.copy(0, 0, 75, 41), pic), 0);
        QCOMPARE(shown.pixel(90, 50), ed.palette().color(QPalette::Window).rgb());
        // The stored form written back is the same 24-bit bitmap.
        const QByteArray stored = ed.saveContent();
        QCOMPARE(bmpBits(stored), 24);
        QCOMPARE(maxChannelDiff(Bmp24::decode(stored), pic), 0);
        QCOMPARE(stored.mid(54), hostBmp(pic).mid(54));
    }

    void hostPngAndJpegBytesAreAccepted()
    {
        TImageEditor ed;
        const QImage pic = drawing(30, 20);
        ed.loadContent(encode(pic, "png"), QString());
        QCOMPARE(maxChannelDiff(ed.picture(), pic), 0);
        ed.loadContent(encode(gradient(30, 20), "jpeg", 95), QString());
        QCOMPARE(ed.picture().size(), QSize(30, 20));
        QCOMPARE(bmpBits(ed.saveContent()), 24);

        // Malformed bytes: an error, and the picture is empty afterwards.
        QVERIFY_THROWS_EXCEPTION(TessaryError,
                                 ed.loadContent(QByteArray("definitely not a picture"), {}));
        QVERIFY(ed.picture().isNull());
        QVERIFY(ed.saveContent().isEmpty());
        // Empty content (a bare row) shows an empty page.
        ed.loadContent(encode(pic, "png"), QString());
        ed.loadContent(QByteArray(), QString());
        QVERIFY(ed.picture().isNull());
        QCOMPARE(ed.imageView()->size(), QSize(0, 0));
    }

    void transparentPngStoresOverWhiteAndSavesBackAsPng()
    {
        const QString dir = testTempDir();
        QImage png(40, 30, QImage::Format_ARGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                png.setPixel(x, y, qRgba(x * 6, y * 8, 100, (x * 7 + y * 3) % 256));
        writeFile(dir + "/alpha.png", encode(png, "png"));
        QImage expected(40, 30, QImage::Format_RGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                const QRgb p = qPremultiply(png.pixel(x, y));
                const int rest = 255 - qAlpha(p);
                expected.setPixel(x, y, qRgb(qRed(p) + rest, qGreen(p) + rest, qBlue(p) + rest));
            }

        TImageEditor ed;
        ed.loadFile(dir + "/alpha.png");
        const QByteArray stored = ed.saveContent();
        QCOMPARE(stored.left(2), QByteArray("BM"));
        QCOMPARE(bmpBits(stored), 24);
        QCOMPARE(maxChannelDiff(Bmp24::decode(stored), expected), 0);

        TImageEditor shown;
        shown.loadContent(stored, QString());
        shown.saveToFile(dir + "/back.png");
        const QImage back = readImage(dir + "/back.png");
        QVERIFY(!back.hasAlphaChannel());
        QCOMPARE(maxChannelDiff(back, expected), 0);

        // The other save formats by extension; unknown ones are refused.
        QCOMPARE(shown.saveExtensions(), QStringList({"png", "bmp", "jpg", "gif"}));
        shown.saveToFile(dir + "/back.bmp");
        QCOMPARE(readFile(dir + "/back.bmp"), stored);
        shown.saveToFile(dir + "/back.gif");
        QCOMPARE(readImage(dir + "/back.gif").size(), QSize(40, 30));
        shown.saveToFile(dir + "/back.jpg");
        QCOMPARE(jpegFirstQuantStep(readFile(dir + "/back.jpg")), 3);
        QVERIFY_THROWS_EXCEPTION(TessaryError, shown.saveToFile(dir + "/back.xls"));
        QVERIFY(!QFile::exists(dir + "/back.xls"));
    }

    void wholePathChoosesTheDecoder()
    {
        QCOMPARE(TImageEditor::decoderForPath("/a/b/photo.jpg"), QByteArray("jpeg"));
        QCOMPARE(TImageEditor::decoderForPath("/a/b/photo.JPEG"), QByteArray("jpeg"));
        QCOMPARE(TImageEditor::decoderForPath("/a/b/photo.jpe"), QByteArray("jpeg"));
        QCOMPARE(TImageEditor::decoderForPath("/a/b/anim.Gif"), QByteArray("gif"));
        QCOMPARE(TImageEditor::decoderForPath("/a/b/x.png"), QByteArray("png"));
        QCOMPARE(TImageEditor::decoderForPath("/a/b/x.bmp"), QByteArray());
        QCOMPARE(TImageEditor::decoderForPath("/a/b/x.wmf"), QByteArray());
        // The whole upper-cased path is searched, folders included, in order.
        QCOMPARE(TImageEditor::decoderForPath("/shots.jpgs/x.bmp"), QByteArray("jpeg"));
        QCOMPARE(TImageEditor::decoderForPath("/my.gifs/x.png"), QByteArray("gif"));
        QCOMPARE(TImageEditor::decoderForPath("/x.png.d/y.gif"), QByteArray("gif"));
        QCOMPARE(TImageEditor::decoderForPath("/x.png.d/y.tif"), QByteArray("png"));

        const QString base = testTempDir();
        const QString dir = base + "/Holiday.JPgs";
        QVERIFY(QDir().mkpath(dir));
        const QImage pic = gradient(24, 16);
        // A JPEG named .bmp inside that folder reads as JPEG.
        writeFile(dir + "/photo.bmp", encode(pic, "jpeg", 95));
        TImageEditor ed;
        ed.LoadPictureFile(dir + "/photo.bmp");
        QCOMPARE(ed.picture().size(), QSize(24, 16));
        QVERIFY(meanChannelDiff(ed.picture(), pic) < 4);
        // A real bitmap there is not a JPEG: an error, and the picture is empty.
        writeFile(dir + "/real.bmp", encode(pic, "bmp"));
        try {
            ed.LoadPictureFile(dir + "/real.bmp");
            QFAIL("a bitmap in a .jp folder was not decoded as JPEG");
        } catch (const TessaryError &e) {
            QVERIFY(e.message().contains("real.bmp"));
            QVERIFY(e.message().contains("JPEG"));
        }
        QVERIFY(ed.picture().isNull());
        // Outside such a folder the same bitmap reads by its extension.
        writeFile(base + "/plain.bmp", encode(pic, "bmp"));
        ed.LoadPictureFile(base + "/plain.bmp");
        QCOMPARE(maxChannelDiff(ed.picture(), pic), 0);
    }

    void loadingKeepsTheControlSizeUntilSetZoom()
    {
        const QString dir = testTempDir();
        writeFile(dir + "/small.png", encode(drawing(20, 10), "png"));
        writeFile(dir + "/big.png", encode(drawing(60, 50), "png"));
        TImageEditor ed;
        ed.LoadPictureFile(dir + "/small.png");
        QCOMPARE(ed.imageView()->size(), QSize(0, 0));
        ed.SetZoom();
        QCOMPARE(ed.imageView()->size(), QSize(20, 10));
        ed.LoadPictureFile(dir + "/big.png");
        QCOMPARE(ed.imageView()->size(), QSize(20, 10)); // stretched until the next SetZoom
        ed.SetZoom();
        QCOMPARE(ed.imageView()->size(), QSize(60, 50));
        QVERIFY(!PageModified); // reading a file for the store is no user change
    }

    void zoomStepsAndStatusText()
    {
        TImageEditor ed;
        QSignalSpy status(&ed, &TImageEditor::statusText);
        ed.loadContent(Bmp24::encode(drawing(200, 120)), QString());
        QCOMPARE(ed.Zoom(), 100);
        QCOMPARE(status.count(), 0); // a page load sizes the control silently

        // Zooming in from 100 five times gives 150: the control is 1.5 times the bitmap.
        for (int i = 0; i < 5; ++i)
            ed.ZoomIn();
        QCOMPARE(ed.Zoom(), 150);
        QCOMPARE(ed.imageView()->size(), QSize(300, 180));
        QCOMPARE(status.count(), 5);
        QCOMPARE(status.at(0).at(0).toString(), QStringLiteral(" 110%"));
        QCOMPARE(status.last().at(0).toString(), QStringLiteral(" 150%"));

        // Down to 30, then 20; further zoom-outs keep 20 and still show the text.
        while (ed.Zoom() > 30)
            ed.ZoomOut();
        QCOMPARE(ed.Zoom(), 30);
        QCOMPARE(ed.imageView()->size(), QSize(60, 36));
        status.clear();
        ed.ZoomOut();
        QCOMPARE(ed.Zoom(), 20);
        ed.ZoomOut();
        ed.ZoomOut();
        QCOMPARE(ed.Zoom(), 20);
        QCOMPARE(ed.imageView()->size(), QSize(40, 24));
        QCOMPARE(status.count(), 3);
        for (const QList<QVariant> &args : status)
            QCOMPARE(args.at(0).toString(), QStringLiteral(" 20%"));

        // The zoom belongs to the form, not the page: the next page shows at 20.
        ed.loadContent(Bmp24::encode(drawing(25, 15)), QString());
        QCOMPARE(ed.Zoom(), 20);
        QCOMPARE(ed.imageView()->size(), QSize(5, 3));
        // Sizes round half to even: 25 × 50 % = 12.5 → 12, 15 × 50 % = 7.5 → 8.
        for (int i = 0; i < 3; ++i)
            ed.ZoomIn();
        QCOMPARE(ed.Zoom(), 50);
        QCOMPARE(ed.imageView()->size(), QSize(12, 8));
        // 25 × 30 % = 7.5 → 8, 15 × 30 % = 4.5 → 4.
        ed.ZoomOut();
        ed.ZoomOut();
        QCOMPARE(ed.imageView()->size(), QSize(8, 4));
        // Zooming an empty page gives an empty control and still the text.
        ed.clearContent();
        status.clear();
        ed.ZoomIn();
        QCOMPARE(ed.imageView()->size(), QSize(0, 0));
        QCOMPARE(status.count(), 1);
        QVERIFY(!PageModified);
    }

    void savePictureByFilterEntry()
    {
        ScriptedDialogsScope d;
        const QString dir = testTempDir();
        TImageEditor ed;
        const QImage pic = drawing(32, 24);
        ed.loadContent(Bmp24::encode(pic), QString());

        // BMP chosen while the typed name ends in .png: a bitmap named .BMP.
        d->answer("saveAs", QVariantList{dir + "/typed.png", 2});
        ed.SavePicture(ed.picture());
        QCOMPARE(d->lastSaveFilter, TImageEditor::SaveFilter);
        QCOMPARE(d->lastSaveFilterIndex, 1);
        QVERIFY(d->lastSaveFolder.isEmpty());
        QVERIFY(!QFile::exists(dir + "/typed.png"));
        QVERIFY(QFile::exists(dir + "/typed.BMP"));
        QCOMPARE(readFile(dir + "/typed.BMP"), Bmp24::encode(pic));

        // PNG without an extension typed: .PNG appended; the folder is remembered.
        const QString sub = dir + "/sub.dir";
        QDir().mkpath(sub);
        d->answer("saveAs", QVariantList{sub + "/plain", 1});
        ed.SavePicture(ed.picture());
        QCOMPARE(d->lastSaveFolder, dir);
        QVERIFY(QFile::exists(sub + "/plain.PNG"));
        QCOMPARE(maxChannelDiff(readImage(sub + "/plain.PNG"), pic), 0);
        QVERIFY(!readImage(sub + "/plain.PNG").hasAlphaChannel());

        // JPEG: quality 90, baseline; the dot in the folder name is not an extension.
        d->answer("saveAs", QVariantList{sub + "/photo.jpeg", 3});
        ed.SavePicture(ed.picture());
        QCOMPARE(d->lastSaveFolder, sub);
        const QByteArray jpg = readFile(sub + "/photo.JPG");
        QCOMPARE(jpegFirstQuantStep(jpg), 3);
        QVERIFY(jpegMarkers(jpg).contains(0xC0));

        // Cancelled: nothing written, folder kept.
        const int files = QDir(sub).count();
        ed.SavePicture(ed.picture());
        QCOMPARE(QDir(sub).count(), files);
        QCOMPARE(d->unanswered.size(), 1);

        // A write error is shown in an error box; the page is not affected.
        d->asked.clear();
        d->answer("saveAs", QVariantList{dir + "/no/such/folder/x.png", 1});
        ed.SavePicture(ed.picture());
        QCOMPARE(d->asked.size(), 2);
        QVERIFY2(d->asked[1].startsWith("message: ") && d->asked[1].contains("x.PNG"),
                 qPrintable(d->asked[1]));
        QCOMPARE(maxChannelDiff(ed.picture(), pic), 0);
        QVERIFY(!PageModified);

        QCOMPARE(TImageEditor::changeFileExt("/a.b/c", ".X"), QStringLiteral("/a.b/c.X"));
        QCOMPARE(TImageEditor::changeFileExt("/a/c.d.e", ".X"), QStringLiteral("/a/c.d.X"));
        QCOMPARE(TImageEditor::changeFileExt("c.", ".X"), QStringLiteral("c.X"));
        QCOMPARE(TImageEditor::changeFileExt("C:\\p.q\\r", ".X"), QStringLiteral("C:\\p.q\\r.X"));
    }

    void openFilePopup()
    {
        ScriptedDialogsScope d;
        const QString dir = testTempDir();
        TImageEditor ed;
        QCOMPARE(ed.popupMenu()->actions().size(), 1);
        QCOMPARE(ed.popupMenu()->actions()[0]->text(), QStringLiteral("Open file"));
        QCOMPARE(ed.popupMenu()->actions()[0], ed.action("Load1"));

        // Cancelled: nothing happens.
        ed.Load1Click();
        QVERIFY(ed.picture().isNull());
        QVERIFY(!PageModified);

        writeFile(dir + "/pic.gif", QByteArray());
        const QImage pic = drawing(16, 12);
        writeFile(dir + "/pic.png", encode(pic, "png"));
        d->answer("open", dir + "/pic.png");
        ed.action("Load1")->trigger();
        QCOMPARE(maxChannelDiff(ed.picture(), pic), 0);
        QVERIFY(PageModified);

        // An unreadable file: the error is shown, the picture left empty, no change marked.
        PageModified = false;
        d->asked.clear();
        d->answer("open", dir + "/pic.gif");
        ed.Load1Click();
        QCOMPARE(d->asked.size(), 2);
        QVERIFY(d->asked[1].startsWith("message: ") && d->asked[1].contains("pic.gif"));
        QVERIFY(ed.picture().isNull());
        QVERIFY(!PageModified);
    }

    void actionsClipboardAndEmptying()
    {
        TImageEditor ed;
        for (const char *name : {"Load1", "SavePicture", "CopyToClipboard", "ZoomIn", "ZoomOut"})
            QVERIFY2(ed.action(name), name);
        QVERIFY(!ed.action("SavePicture")->isEnabled());
        QVERIFY(!ed.action("CopyToClipboard")->isEnabled());

        const QImage pic = gradient(50, 40);
        ed.loadContent(Bmp24::encode(pic), QString());
        QVERIFY(ed.action("SavePicture")->isEnabled());
        QGuiApplication::clipboard()->clear();
        ed.action("CopyToClipboard")->trigger();
        const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
        QVERIFY(mime && mime->hasFormat("image/png"));
        QImage fromPng;
        QVERIFY(fromPng.loadFromData(mime->data("image/png"), "png"));
        QCOMPARE(maxChannelDiff(fromPng, pic), 0);
        QCOMPARE(maxChannelDiff(QGuiApplication::clipboard()->image(), pic), 0);

        QSignalSpy status(&ed, &TImageEditor::statusText);
        ed.action("ZoomOut")->trigger();
        QCOMPARE(ed.Zoom(), 90);
        ed.action("ZoomIn")->trigger();
        QCOMPARE(ed.Zoom(), 100);
        QCOMPARE(status.count(), 2);

        // The form's own keys, with the focus inside it.
        ed.show();
        ed.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ed));
        ed.scrollBox()->setFocus();
        QTest::keyClick(ed.scrollBox(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(ed.Zoom(), 90);
        QTest::keyClick(ed.scrollBox(), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(ed.Zoom(), 100);
        QCOMPARE(status.count(), 4);
        QVERIFY(ed.action("Load1")->shortcuts().isEmpty()); // Ctrl+O belongs to the main window

        // Showing another kind empties the picture and frees it; the size stays.
        const QSize size = ed.imageView()->size();
        ed.clearContent();
        QVERIFY(ed.picture().isNull());
        QVERIFY(ed.imageView()->reducedCopySize().isEmpty());
        QCOMPARE(ed.imageView()->size(), size);
        QVERIFY(ed.saveContent().isEmpty());
        QVERIFY(!ed.action("CopyToClipboard")->isEnabled());
        QVERIFY(!PageModified);
    }

    void metafilePageStoresItsRendering()
    {
        const QString dir = testTempDir();
        QImage drawn(12, 8, QImage::Format_ARGB32);
        drawn.fill(qRgba(0, 0, 0, 0));
        drawn.setPixel(1, 1, qRgb(9, 8, 7));
        drawn.setPixel(10, 6, qRgb(9, 8, 7));
        writeFile(dir + "/drawn.png", encode(drawn, "png"));
        MetafileConverter::setProgram(writeScript(
            dir + "/soffice",
            QStringLiteral("for a in \"$@\"; do [ \"$p\" = --outdir ] && o=\"$a\"; p=\"$a\"; "
                           "l=\"$a\"; done\n"
                           "b=$(basename \"$l\"); cp '%1/drawn.png' \"$o/${b%.*}.png\"\n")
                .arg(dir)));
        writeFile(dir + "/logo.wmf", QByteArray(64, '\x02'));
        TImageEditor ed;
        ed.loadFile(dir + "/logo.wmf");
        MetafileConverter::setProgram(QString());
        const QByteArray stored = ed.saveContent();
        QCOMPARE(stored.left(2), QByteArray("BM"));
        QCOMPARE(bmpBits(stored), 24);
        const QImage back = Bmp24::decode(stored);
        QCOMPARE(back.size(), QSize(10, 6)); // cut to the drawing
        QCOMPARE(back.pixel(0, 0), qRgb(9, 8, 7));
        QCOMPARE(back.pixel(4, 4), qRgb(255, 255, 255));
    }

    void drawsSmoothWhenReducedAndBlocksWhenEnlarged()
    {
        TImageEditor ed;
        ed.resize(150, 100);
        // A one-pixel checkerboard with a red square at the top left.
        QImage checker(120, 80, QImage::Format_RGB888);
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 120; ++x)
                checker.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                checker.setPixel(x, y, qRgb(255, 0, 0));
        ed.loadContent(Bmp24::encode(checker), QString());

        ed.ZoomOut();
        for (int i = 0; i < 4; ++i)
            ed.ZoomOut(); // 50 %
        QCOMPARE(ed.imageView()->size(), QSize(60, 40));
        const QImage half = ed.renderImage(QSize(200, 150));
        const QRgb mid = half.pixel(40, 30);
        QVERIFY2(qAbs(qRed(mid) - 128) <= 2 && qAbs(qGreen(mid) - 128) <= 2, "not averaged");
        QCOMPARE(half.pixel(2, 2), qRgb(255, 0, 0));
        QCOMPARE(half.pixel(100, 100), ed.palette().color(QPalette::Window).rgb());
        QVERIFY(ed.imageView()->reducedCopySize().isEmpty()); // filtered from the bitmap

        // Below half size a reduced copy averages every source pixel.
        ed.ZoomOut();
        ed.ZoomOut(); // 30 %
        QCOMPARE(ed.imageView()->size(), QSize(36, 24));
        const QImage third = ed.renderImage(QSize(200, 150));
        for (const QPoint &pt : {QPoint(10, 10), QPoint(20, 15), QPoint(35, 23)}) {
            const QRgb c = third.pixel(pt);
            // 3⅓ × 3⅓ source pixels each: near grey, never black or white.
            QVERIFY2(qAbs(qRed(c) - 128) <= 12 && qRed(c) == qBlue(c), "not averaged");
        }
        QCOMPARE(third.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(ed.imageView()->reducedCopySize(), QSize(36, 24));

        for (int i = 0; i < 17; ++i)
            ed.ZoomIn(); // 200 %
        QCOMPARE(ed.imageView()->size(), QSize(240, 160));
        const QImage twice = ed.renderImage(QSize(240, 160));
        // Each source pixel is a 2 × 2 block of its own colour.
        for (int y = 20; y < 30; ++y)
            for (int x = 20; x < 30; ++x)
                QCOMPARE(twice.pixel(x, y), checker.pixel(x / 2, y / 2));

        // The scroll box shows scroll bars when the picture is larger than it.
        ed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ed));
        QVERIFY(ed.scrollBox()->horizontalScrollBar()->maximum() > 0);
        QVERIFY(ed.scrollBox()->verticalScrollBar()->maximum() > 0);
        ed.scrollBox()->horizontalScrollBar()->setValue(40);
        QCOMPARE(ed.imageView()->pos().x(), -40);
        for (int i = 0; i < 15; ++i)
            ed.ZoomOut(); // 50 %
        QCOMPARE(ed.scrollBox()->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(ed.imageView()->pos(), QPoint(0, 0));

        // Rendered at two zooms for a look (kept in the test's folder): a
        // photograph with a drawing on it, reduced to 50 % and enlarged to 150 %.
        const QString dir = testTempDir();
        QImage sample = gradient(600, 400);
        {
            QPainter p(&sample);
            p.drawImage(QRect(40, 40, 240, 160), drawing(240, 160));
            p.setPen(QPen(Qt::black, 1));
            p.drawText(QRect(320, 60, 260, 40), Qt::AlignLeft, "Sample 600 x 400");
        }
        ed.resize(520, 360);
        ed.loadContent(Bmp24::encode(sample), QString());
        while (ed.Zoom() > 50)
            ed.ZoomOut();
        QCoreApplication::processEvents();
        QCOMPARE(ed.scrollBox()->horizontalScrollBar()->maximum(), 0);
        ed.grab().save(dir + "/editor-zoom-50.png");
        while (ed.Zoom() < 150)
            ed.ZoomIn();
        QCoreApplication::processEvents();
        QVERIFY(ed.scrollBox()->verticalScrollBar()->maximum() > 0);
        ed.grab().save(dir + "/editor-zoom-150.png");
        qInfo("editor pictures: %s", qPrintable(dir));
    }
};

int runEditorTests(int argc, char **argv)
{
    TestImageEditor t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_editor.moc"
