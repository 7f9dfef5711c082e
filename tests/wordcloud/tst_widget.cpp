// The control: painting, word rasters, click highlighting, clipboard copies,
// resizing and colours taken from the parent.
#include "TestWords.h"

#include "wordcloud/TzqWord.h"
#include "wordcloud/TzqWordCloud.h"

#include <QClipboard>
#include <QMimeData>
#include <QtTest>

namespace {

void layOut(TzqWordCloud &cloud, int words = 12)
{
    cloud.SetRandom(std::make_unique<ScriptedRandom>(7));
    cloud.resize(400, 300);
    TestWords::addZipfWords(cloud, words, 21, 100);
    QVERIFY(cloud.Generate(true));
}

QPoint centreOf(const TzqRect &r)
{
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

struct PixelSpan
{
    int count = 0;
    int minX = 1 << 30;
    int minY = 1 << 30;
    int maxX = -1;
    int maxY = -1;
    void add(int x, int y)
    {
        ++count;
        minX = qMin(minX, x);
        minY = qMin(minY, y);
        maxX = qMax(maxX, x);
        maxY = qMax(maxY, y);
    }
};

PixelSpan spanNot(const QImage &image, QRgb background)
{
    PixelSpan s;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                s.add(x, y);
    return s;
}

PixelSpan spanOf(const QImage &image, QRgb color)
{
    PixelSpan s;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color)
                s.add(x, y);
    return s;
}

} // namespace

class TestWidget : public QObject
{
    Q_OBJECT

private slots:
    void paintShowsPlacedWords();
    void renderWordWithShadow();
    void clickHighlights();
    void noHighlightWithoutHandler();
    void copyAsBitmap();
    void copyAsMetafile();
    void resizeFitsArrangement();
    void parentColor();
    void shadowReachesEveryWord();
    void progressSignalCancels();
};

void TestWidget::paintShowsPlacedWords()
{
    TzqWordCloud cloud;
    cloud.SetBackgroundColor(0xE0FFFF); // light yellow in 0xBBGGRR
    cloud.SetUsePalette(true);
    cloud.SetPalette(cpSolid);
    layOut(cloud);
    const QImage shot = cloud.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shot.size(), QSize(400, 300));
    const QRgb background = qRgb(0xFF, 0xFF, 0xE0);
    QCOMPARE(shot.pixel(2, 2), background);
    // Every placed word leaves ink in its box; the screen shows its raster.
    for (int i = 0; i < cloud.WordCount(); ++i) {
        const TzqWord *w = cloud.Word(i);
        QVERIFY(w->Placed());
        const TzqRect &b = w->Bounds();
        QCOMPARE(w->Raster().size(), QSize(b.Width(), b.Height()));
        QCOMPARE(shot.copy(b.Left, b.Top, b.Width(), b.Height()), w->Raster());
        bool ink = false;
        for (int y = b.Top; y < b.Bottom && !ink; ++y)
            for (int x = b.Left; x < b.Right && !ink; ++x)
                ink = shot.pixel(x, y) != background;
        QVERIFY2(ink, qPrintable(w->Text()));
    }
    // Outside every box: background only.
    for (int y = 0; y < 300; y += 3)
        for (int x = 0; x < 400; x += 3) {
            bool inBox = false;
            for (int i = 0; i < cloud.WordCount(); ++i)
                inBox |= cloud.Word(i)->Bounds().Contains(x, y);
            if (!inBox)
                QCOMPARE(shot.pixel(x, y), background);
        }
    QCOMPARE(cloud.Word(0)->TextColor(), TColor(0xFF0000));
    QCOMPARE(cloud.Word(8)->TextColor(), TColor(0xFF0000)); // 8 colours, then again
}

void TestWidget::renderWordWithShadow()
{
    TzqWord w(QStringLiteral("Shade"), 60, 0x0000FF);
    w.SetWeight(60);
    w.BuildOutline();
    w.RenderWord();
    const QImage &raster = w.Raster();
    QCOMPARE(raster.format(), QImage::Format_ARGB32);
    QCOMPARE(raster.size(), QSize(w.Bounds().Width(), w.Bounds().Height()));
    QCOMPARE(raster.pixel(0, 0), qRgba(255, 255, 255, 255)); // BackColor white
    QVERIFY(spanOf(raster, qRgba(255, 0, 0, 255)).count > 100);
    QVERIFY(spanOf(raster, 0xFFC0C0C0u).count > 10);
    const PixelSpan withShadow = spanNot(raster, qRgba(255, 255, 255, 255));

    w.SetShadow(false);
    w.RenderWord();
    QCOMPARE(spanOf(w.Raster(), 0xFFC0C0C0u).count, 0);
    const PixelSpan plain = spanNot(w.Raster(), qRgba(255, 255, 255, 255));
    // The shadow reaches at least one pixel further right and down, not
    // further left or up; the word itself starts one pixel in.
    QVERIFY(withShadow.maxX >= plain.maxX + 1);
    QVERIFY(withShadow.maxY >= plain.maxY + 1);
    QCOMPARE(withShadow.minX, plain.minX);
    QCOMPARE(withShadow.minY, plain.minY);
    QVERIFY(plain.minX >= 1);

    // Highlighted: drawn in black.
    w.SetHighlighted(true);
    QVERIFY(spanOf(w.Raster(), qRgba(0, 0, 0, 255)).count > 100);
    QCOMPARE(spanOf(w.Raster(), qRgba(255, 0, 0, 255)).count, 0);
}

void TestWidget::clickHighlights()
{
    TzqWordCloud cloud;
    layOut(cloud);
    struct Click
    {
        Qt::MouseButton button;
        int x, y;
        TzqWord *word;
    };
    QList<Click> clicks;
    connect(&cloud, &TzqWordCloud::OnClickWord,
            [&clicks](TzqWordCloud *, Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y,
                      TzqWord *w) {
                clicks.append({b, x, y, w});
            });
    TzqWord *target = cloud.Word(1);
    const QPoint p = centreOf(target->Bounds());
    QTest::mouseClick(&cloud, Qt::LeftButton, Qt::NoModifier, p);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks[0].word, target);
    QCOMPARE(clicks[0].button, Qt::LeftButton);
    QCOMPARE(QPoint(clicks[0].x, clicks[0].y), p);
    QCOMPARE(cloud.HitWord(), target);
    for (int i = 0; i < cloud.WordCount(); ++i)
        QCOMPARE(cloud.Word(i)->Highlighted(), cloud.Word(i) == target);
    // Drawn in black while highlighted.
    cloud.grab();
    QVERIFY(spanOf(target->Raster(), qRgba(0, 0, 0, 255)).count > 0);

    // The box edge counts as inside.
    TzqWord *other = cloud.Word(0);
    QTest::mouseClick(&cloud, Qt::RightButton, Qt::NoModifier,
                      QPoint(other->Bounds().Right, other->Bounds().Bottom));
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(clicks[1].word, other);
    QCOMPARE(clicks[1].button, Qt::RightButton);
    QVERIFY(!target->Highlighted());

    // Empty space (the margin) clears every highlight and calls nobody.
    QTest::mouseClick(&cloud, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(cloud.HitWord(), nullptr);
    for (int i = 0; i < cloud.WordCount(); ++i)
        QVERIFY(!cloud.Word(i)->Highlighted());
}

void TestWidget::noHighlightWithoutHandler()
{
    TzqWordCloud cloud;
    layOut(cloud);
    QTest::mouseClick(&cloud, Qt::LeftButton, Qt::NoModifier, centreOf(cloud.Word(0)->Bounds()));
    QVERIFY(!cloud.Word(0)->Highlighted());
    QCOMPARE(cloud.HitWord(), nullptr);
}

void TestWidget::copyAsBitmap()
{
    TzqWordCloud cloud;
    layOut(cloud);
    cloud.CopyAsBitmap();
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    QVERIFY(mime);
    QVERIFY(mime->hasFormat(QStringLiteral("image/png")));
    QImage image;
    QVERIFY(image.loadFromData(mime->data(QStringLiteral("image/png")), "PNG"));
    QCOMPARE(image.size(), QSize(400, 300));
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32),
             cloud.ToImage().convertToFormat(QImage::Format_RGB32));
}

void TestWidget::copyAsMetafile()
{
    TzqWordCloud cloud;
    layOut(cloud);
    cloud.CopyAsMetafile();
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    QVERIFY(mime);
    QVERIFY(mime->hasFormat(QStringLiteral("image/svg+xml")));
    const QByteArray svg = mime->data(QStringLiteral("image/svg+xml"));
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("width=\"400"));
    QVERIFY(svg.contains("<image")); // the word rasters
}

void TestWidget::resizeFitsArrangement()
{
    TzqWordCloud cloud;
    cloud.setAttribute(Qt::WA_DontShowOnScreen);
    cloud.show();
    layOut(cloud);
    const TzqRect start = cloud.Word(0)->StartingBounds();
    QCOMPARE(cloud.Word(0)->Bounds(), start);
    cloud.resize(200, 300);
    QCOMPARE(cloud.ControlSize(), QSize(200, 300));
    QCOMPARE(cloud.Word(0)->StartingBounds(), start);
    QVERIFY(cloud.Word(0)->Bounds().Width() < start.Width());
    QVERIFY(cloud.Word(0)->Bounds().Right <= 190);
    cloud.resize(400, 300);
    QCOMPARE(cloud.Word(0)->Bounds(), start);
}

void TestWidget::parentColor()
{
    QWidget parent;
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(10, 20, 30));
    parent.setPalette(pal);
    auto *cloud = new TzqWordCloud(&parent);
    QCOMPARE(cloud->BackgroundColor(), clWhite);
    cloud->SetParentColor(true);
    QCOMPARE(cloud->BackgroundColor(), TzqRgb(10, 20, 30));
    cloud->SetBackgroundColor(0x00FF00);
    QCOMPARE(cloud->BackgroundColor(), TzqRgb(10, 20, 30)); // still the parent's
    cloud->SetParentColor(false);
    cloud->SetBackgroundColor(0x00FF00);
    QCOMPARE(cloud->BackgroundColor(), TColor(0x00FF00));
    QCOMPARE(cloud->palette().color(QPalette::Window), QColor(0, 255, 0));
}

void TestWidget::shadowReachesEveryWord()
{
    TzqWordCloud cloud;
    layOut(cloud, 5);
    cloud.SetShadow(false);
    for (int i = 0; i < cloud.WordCount(); ++i)
        QVERIFY(!cloud.Word(i)->Shadow());
    cloud.SetShadow(true);
    for (int i = 0; i < cloud.WordCount(); ++i)
        QVERIFY(cloud.Word(i)->Shadow());
}

void TestWidget::progressSignalCancels()
{
    TzqWordCloud cloud;
    cloud.SetAutoResizeCoverage(false);
    cloud.SetCoverage(20);
    cloud.SetRandom(std::make_unique<ScriptedRandom>(7));
    cloud.resize(400, 300);
    for (int i = 0; i < 4; ++i)
        cloud.AddWord(QStringLiteral("w%1").arg(i), 10);
    QList<int> seen;
    connect(&cloud, &TzqWordCloud::OnProgress, [&seen](TzqWordCloud *, int percent, bool *cancel) {
        seen.append(percent);
        if (percent >= 50)
            *cancel = true;
    });
    QVERIFY(!cloud.Generate(true));
    QCOMPARE(seen, (QList<int>{25, 50}));
    QCOMPARE(cloud.PlacedCount(), 2);
}

int runTestWidget(int argc, char **argv)
{
    TestWidget test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_widget.moc"
