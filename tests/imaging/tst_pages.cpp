// Picture pages in a report: the store adds a page from a picture file through
// the image editor, stores the 24-bit bitmap, loads it back at the editor's
// zoom, and leaves a bare row when the file cannot be read.
#include "TestPictures.h"

#include "editors/picture/TImageEditor.h"
#include "editors/picture/TImageView.h"
#include "platform/TessaryError.h"
#include "platform/db/SqliteEngine.h"
#include "platform/imaging/Bmp24.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/TDM.h"
#include "tests/store/FakeStoreHost.h"
#include "tests/support/TestReport.h"

#include <QtTest>

using namespace TestPictures;

class TestPicturePages : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        PageModified = false;
        host = std::make_unique<FakeStoreHost>();
        dm = std::make_unique<TDM>(host.get(), std::make_unique<SqliteEngine>());
        editor = std::make_unique<TImageEditor>();
        dm->registerEditor(EditorSlot::Picture, editor.get());
        dm->DBCreate(testTempDir() + "/pictures.sup");
    }
    void cleanup()
    {
        dm.reset();
        editor.reset();
        host.reset();
    }

    void addRecordStoresTheFileAsBitmap()
    {
        const QString dir = testTempDir();
        QImage alpha(30, 20, QImage::Format_ARGB32);
        alpha.fill(qRgba(0, 0, 255, 0));
        for (int x = 0; x < 15; ++x)
            for (int y = 0; y < 20; ++y)
                alpha.setPixel(x, y, qRgb(250, 10, 10));
        writeFile(dir + "/logo.png", encode(alpha, "png"));
        const QImage photo = gradient(64, 48);
        writeFile(dir + "/photo.jpeg", encode(photo, "jpeg", 95));

        const qint32 logo = dm->AddRecord(PageKind::Picture, "logo", dir + "/logo.png");
        const qint32 shot = dm->AddRecord(PageKind::Picture, "photo", dir + "/photo.jpeg");
        QVERIFY(logo > 0 && shot > logo);
        QVERIFY(!PageModified);

        // Loading shows the stored bitmap at the editor's zoom.
        editor->ZoomIn(); // 110
        editor->clearContent();
        QVERIFY(dm->GetImage(logo));
        QCOMPARE(editor->picture().size(), QSize(30, 20));
        QCOMPARE(editor->picture().pixel(3, 3), qRgb(250, 10, 10));
        QCOMPARE(editor->picture().pixel(25, 3), qRgb(255, 255, 255));
        QCOMPARE(editor->imageView()->size(), QSize(33, 22));
        QCOMPARE(editor->saveContent().left(2), QByteArray("BM"));
        QVERIFY(dm->GetImage(shot));
        QVERIFY(meanChannelDiff(editor->picture(), photo) < 3);
        // The current row (id -1) loads as well.
        QVERIFY(dm->GetImage(-1));
        QCOMPARE(editor->picture().size(), QSize(64, 48));

        // A user change stored with SaveImage comes back.
        const QImage other = drawing(10, 12);
        editor->loadContent(Bmp24::encode(other), QString());
        dm->SaveImage(logo);
        editor->clearContent();
        QVERIFY(dm->GetImage(logo));
        QCOMPARE(maxChannelDiff(editor->picture(), other), 0);

        // A new picture page without a file stores what the editor holds.
        const qint32 copy = dm->AddRecord(PageKind::Picture, "copy");
        editor->clearContent();
        QVERIFY(dm->GetImage(copy));
        QCOMPARE(maxChannelDiff(editor->picture(), other), 0);
        // With the editor empty (another kind was shown), the page is empty.
        editor->clearContent();
        const qint32 blank = dm->AddRecord(PageKind::Picture, "blank");
        QVERIFY(dm->GetImage(blank));
        QVERIFY(editor->picture().isNull());
        // A row that does not exist leaves the editor as it is.
        editor->loadContent(Bmp24::encode(other), QString());
        QVERIFY(!dm->GetImage(999999));
        QCOMPARE(editor->picture().size(), QSize(10, 12));
    }

    void unreadableFileLeavesABareRow()
    {
        const QString dir = testTempDir();
        writeFile(dir + "/broken.jpg", QByteArray("\xff\xd8\xff\xe0 not really", 15));
        const qint32 before = dm->AddRecord(PageKind::Picture, "before");
        try {
            dm->AddRecord(PageKind::Picture, "broken", dir + "/broken.jpg");
            QFAIL("an unreadable picture did not stop the import");
        } catch (const TessaryError &e) {
            QVERIFY2(e.message().contains("broken.jpg"), qPrintable(e.message()));
        }
        // The row was posted before the file was read; it stays with empty content.
        editor->loadContent(Bmp24::encode(drawing(4, 4)), QString());
        QVERIFY(dm->GetImage(before + 1));
        QVERIFY(editor->picture().isNull());
    }

    void hostRowsOfEveryPictureForm()
    {
        // Rows a host wrote itself: a 24-bit BMP, a PNG, a JPEG, garbage.
        const QImage pic = drawing(21, 13);
        const qint32 bmp = dm->AddRecord(PageKind::Picture, "bmp");
        editor->loadContent(encode(pic, "bmp"), QString());
        dm->SaveImage(bmp);
        QVERIFY(dm->GetImage(bmp));
        QCOMPARE(maxChannelDiff(editor->picture(), pic), 0);
        editor->loadContent(encode(pic, "png"), QString());
        QCOMPARE(maxChannelDiff(editor->picture(), pic), 0);
        QVERIFY_THROWS_EXCEPTION(TessaryError, editor->loadContent("garbage", QString()));
        QVERIFY(editor->picture().isNull());
    }

private:
    std::unique_ptr<FakeStoreHost> host;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<TImageEditor> editor;
};

int runPageTests(int argc, char **argv)
{
    TestPicturePages t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_pages.moc"
