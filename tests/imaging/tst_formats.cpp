// Reading picture files: every format the platform offers, the decoder chosen
// by name or extension, EXIF orientation, unreadable and cut files, and
// metafiles through the LibreOffice converter.
#include "TestPictures.h"

#include "platform/TessaryError.h"
#include "platform/imaging/MetafileConverter.h"
#include "platform/imaging/PictureReader.h"
#include "platform/imaging/PictureWriter.h"
#include "tests/support/TestReport.h"

#include <QDir>
#include <QImageReader>
#include <QtTest>

using namespace TestPictures;

namespace {

QString readError(const QString &file, const QByteArray &format = QByteArray())
{
    try {
        PictureReader::readFile(file, format);
    } catch (const TessaryError &e) {
        return e.message();
    }
    return QString();
}

bool hasQtFormat(const char *f)
{
    return QImageReader::supportedImageFormats().contains(QByteArray(f));
}

// Restores the converter program and PATH after a test changed them.
struct ConverterScope
{
    QByteArray path = qgetenv("PATH");
    int timeout = MetafileConverter::timeout();
    ~ConverterScope()
    {
        MetafileConverter::setProgram(QString());
        MetafileConverter::setTimeout(timeout);
        qputenv("PATH", path);
    }
};

} // namespace

class TestFormats : public QObject
{
    Q_OBJECT
private slots:
    void everyOfferedFormatReads()
    {
        const QString dir = testTempDir();
        const QImage pic = drawing(48, 32);
        const QImage photo = gradient(48, 32);
        struct Case
        {
            const char *ext;
            const char *format;
            bool lossy;
        };
        const QList<Case> cases = {
            {"png", "png", false},   {"bmp", "bmp", false},  {"jpg", "jpeg", true},
            {"jpeg", "jpeg", true},  {"jpe", "jpeg", true},  {"tif", "tiff", false},
            {"tiff", "tiff", false}, {"webp", "webp", true}, {"ico", "ico", false}};
        for (const Case &c : cases) {
            if (!hasQtFormat(c.format))
                continue; // plugin not installed on this machine
            const QString file = dir + "/pic." + c.ext;
            // Lossless formats keep a drawing exactly; lossy ones a photograph closely.
            const QImage &source = c.lossy ? photo : pic;
            writeFile(file, encode(source, c.format, c.lossy ? 95 : -1));
            const QImage read = PictureReader::readFile(file);
            QVERIFY2(read.format() == QImage::Format_RGB888, c.ext);
            if (c.lossy)
                QVERIFY2(meanChannelDiff(read, source) < 3, c.ext);
            else
                QVERIFY2(maxChannelDiff(read, source) == 0, c.ext);
        }
        // TIFF and WebP come with the image-formats plugins this program installs.
        QVERIFY(hasQtFormat("tiff"));
        QVERIFY(hasQtFormat("webp"));
        QVERIFY(PictureReader::readableExtensions().contains("tif"));
        QVERIFY(PictureReader::readableExtensions().contains("webp"));

        // GIF (written by our encoder) and SVG (drawn at its own size, over white).
        PictureWriter::writeGif(pic, dir + "/pic.gif");
        QCOMPARE(maxChannelDiff(PictureReader::readFile(dir + "/pic.gif"), pic), 0);
        writeFile(dir + "/pic.svg",
                  "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'>"
                  "<rect x='0' y='0' width='20' height='20' fill='#00ff00'/></svg>");
        const QImage svg = PictureReader::readFile(dir + "/pic.svg");
        QCOMPARE(svg.size(), QSize(40, 20));
        QCOMPARE(svg.pixel(5, 5), qRgb(0, 255, 0));
        QCOMPARE(svg.pixel(35, 5), qRgb(255, 255, 255)); // transparent part: white

        // Upper-case extensions pick the same decoder.
        writeFile(dir + "/UPPER.PNG", encode(pic, "png"));
        QCOMPARE(maxChannelDiff(PictureReader::readFile(dir + "/UPPER.PNG"), pic), 0);
    }

    void metafilePageIsCutToItsDrawing()
    {
        // A drawing placed on a white page comes back as the drawing alone.
        QImage page(300, 400, QImage::Format_RGB32);
        page.fill(Qt::white);
        for (int y = 120; y <= 150; ++y)
            for (int x = 40; x <= 99; ++x)
                page.setPixel(x, y, (x + y) % 2 ? qRgb(200, 0, 0) : qRgb(0, 0, 200));
        page.setPixel(250, 300, qRgb(0, 0, 0)); // a lone dot still belongs to the drawing
        QImage cut = MetafileConverter::cropToDrawing(page);
        QCOMPARE(cut.size(), QSize(250 - 40 + 1, 300 - 120 + 1));
        QCOMPARE(cut.pixel(0, 0), page.pixel(40, 120));
        QCOMPARE(cut.pixel(cut.width() - 1, cut.height() - 1), qRgb(0, 0, 0));
        // A transparent page: transparency is the page colour.
        QImage clear(50, 50, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        clear.setPixel(10, 20, qRgb(1, 2, 3));
        cut = MetafileConverter::cropToDrawing(clear);
        QCOMPARE(cut.size(), QSize(1, 1));
        QCOMPARE(cut.pixel(0, 0), qRgb(1, 2, 3));
        // Nothing drawn, or drawn to the edges: unchanged.
        QImage blank(20, 10, QImage::Format_RGB32);
        blank.fill(Qt::white);
        QCOMPARE(MetafileConverter::cropToDrawing(blank).size(), QSize(20, 10));
        QVERIFY(MetafileConverter::cropToDrawing(QImage()).isNull());
    }

    void decoderNamedOrByExtension()
    {
        const QString dir = testTempDir();
        const QImage pic = drawing(20, 10);
        // PNG bytes in a file named .bmp: a named PNG decoder reads it; the
        // generic reader goes by the extension and the BMP decoder refuses it.
        writeFile(dir + "/really-png.bmp", encode(pic, "png"));
        QCOMPARE(maxChannelDiff(PictureReader::readFile(dir + "/really-png.bmp", "png"), pic), 0);
        QVERIFY(!readError(dir + "/really-png.bmp").isEmpty());
        // A named JPEG decoder refuses a PNG.
        QVERIFY(readError(dir + "/really-png.bmp", "jpeg").contains("really-png.bmp"));

        QCOMPARE(PictureReader::formatForExtension("a.JPG"), QByteArray("jpeg"));
        QCOMPARE(PictureReader::formatForExtension("a.jpe"), QByteArray("jpeg"));
        QCOMPARE(PictureReader::formatForExtension("x/y.Tif"), QByteArray("tiff"));
        QCOMPARE(PictureReader::formatForExtension("a.wmf"), QByteArray("metafile"));
        QCOMPARE(PictureReader::formatForExtension("a.EMF"), QByteArray("metafile"));
        QCOMPARE(PictureReader::formatForExtension("a.ppm"), QByteArray("ppm"));
        QCOMPARE(PictureReader::formatForExtension("noext"), QByteArray());
        QCOMPARE(PictureReader::formatForExtension("a.xls"), QByteArray());

        writeFile(dir + "/table.xls", "not a picture");
        const QString unknown = readError(dir + "/table.xls");
        QVERIFY2(unknown.contains("Unknown picture file extension (.xls)"), qPrintable(unknown));
        writeFile(dir + "/noextension", encode(pic, "png"));
        QVERIFY(readError(dir + "/noextension").contains("Unknown picture file extension"));
    }

    void filterListsAllPicturesFirst()
    {
        const QString filter = PictureReader::openFilter();
        const QStringList parts = filter.split('|');
        QVERIFY(parts.size() >= 10);
        QVERIFY(parts.size() % 2 == 0);
        QVERIFY(parts[0].startsWith("All pictures ("));
        for (const char *p : {"*.jpg", "*.jpeg", "*.png", "*.gif", "*.bmp", "*.wmf", "*.emf",
                              "*.svg", "*.tif", "*.webp"})
            QVERIFY2(parts[1].split(';').contains(p), p);
        QVERIFY(parts.contains("*.wmf;*.emf"));
    }

    void exifOrientationIsApplied()
    {
        const QString dir = testTempDir();
        // 40 × 20: red left half, blue right half.
        const QByteArray plain = encode(halves(40, 20), "jpeg", 95);
        auto isRed = [](QRgb p) { return qRed(p) > 200 && qBlue(p) < 60; };
        auto isBlue = [](QRgb p) { return qBlue(p) > 200 && qRed(p) < 60; };

        writeFile(dir + "/o1.jpg", withExifOrientation(plain, 1));
        const QImage o1 = PictureReader::readFile(dir + "/o1.jpg");
        QCOMPARE(o1.size(), QSize(40, 20));
        QVERIFY(isRed(o1.pixel(2, 10)) && isBlue(o1.pixel(37, 10)));

        // 6: shown turned a quarter clockwise; the left (red) half goes to the top.
        writeFile(dir + "/o6.jpg", withExifOrientation(plain, 6));
        const QImage o6 = PictureReader::readFile(dir + "/o6.jpg");
        QCOMPARE(o6.size(), QSize(20, 40));
        QVERIFY(isRed(o6.pixel(10, 2)));
        QVERIFY(isBlue(o6.pixel(10, 37)));

        // 8: a quarter anticlockwise; red goes to the bottom.
        writeFile(dir + "/o8.jpg", withExifOrientation(plain, 8));
        const QImage o8 = PictureReader::readFile(dir + "/o8.jpg");
        QCOMPARE(o8.size(), QSize(20, 40));
        QVERIFY(isBlue(o8.pixel(10, 2)));
        QVERIFY(isRed(o8.pixel(10, 37)));

        // 3: half a turn; red goes to the right.
        writeFile(dir + "/o3.jpg", withExifOrientation(plain, 3));
        const QImage o3 = PictureReader::readFile(dir + "/o3.jpg");
        QCOMPARE(o3.size(), QSize(40, 20));
        QVERIFY(isBlue(o3.pixel(2, 10)) && isRed(o3.pixel(37, 10)));

        // The orientation is applied to stored JPEG bytes as well.
        QCOMPARE(PictureReader::readBytes(withExifOrientation(plain, 6)).size(), QSize(20, 40));
    }

    void unreadableFilesGiveClearErrors()
    {
        const QString dir = testTempDir();
        const QImage pic = gradient(64, 64);

        QString e = readError(dir + "/missing.png");
        QVERIFY2(e.contains("missing.png"), qPrintable(e));
        writeFile(dir + "/empty.jpg", QByteArray());
        e = readError(dir + "/empty.jpg");
        QVERIFY2(e.contains("empty.jpg") && e.contains("JPEG"), qPrintable(e));
        writeFile(dir + "/text.png", "This is a text file, not a picture.\n");
        QVERIFY(readError(dir + "/text.png").contains("text.png"));
        writeFile(dir + "/noise.gif", QByteArray(4000, '\x5a'));
        QVERIFY(readError(dir + "/noise.gif").contains("noise.gif"));
        QVERIFY(readError(dir).contains(QDir(dir).dirName()));

        // Files cut in their headers are errors.
        const QByteArray png = encode(pic, "png");
        const QByteArray jpg = encode(pic, "jpeg");
        writeFile(dir + "/cut.png", png.left(30));
        QVERIFY(readError(dir + "/cut.png").contains("cut.png"));
        writeFile(dir + "/cut.jpg", jpg.left(100));
        QVERIFY(readError(dir + "/cut.jpg").contains("cut.jpg"));
        writeFile(dir + "/cut.bmp", encode(pic, "bmp").left(20));
        QVERIFY(readError(dir + "/cut.bmp").contains("cut.bmp"));
        PictureWriter::writeGif(pic, dir + "/whole.gif");
        writeFile(dir + "/cut.gif", readFile(dir + "/whole.gif").left(12));
        QVERIFY(readError(dir + "/cut.gif").contains("cut.gif"));

        // Cut in the pixel data: never a crash; either what could be decoded,
        // at full size, or a clear error.
        for (const QString &name :
             {QStringLiteral("half.png"), QStringLiteral("half.jpg"), QStringLiteral("half.gif")}) {
            const QByteArray whole = name.endsWith("png")   ? png
                                     : name.endsWith("jpg") ? jpg
                                                            : readFile(dir + "/whole.gif");
            writeFile(dir + "/" + name, whole.left(whole.size() / 2));
            try {
                const QImage partial = PictureReader::readFile(dir + "/" + name);
                QCOMPARE(partial.size(), pic.size());
            } catch (const TessaryError &err) {
                QVERIFY2(err.message().contains(name), qPrintable(err.message()));
            }
        }
    }

    void metafileWithoutLibreOfficeNamesThePackage()
    {
        ConverterScope scope;
        const QString dir = testTempDir();
        writeFile(dir + "/chart.wmf", QByteArray("\xd7\xcd\xc6\x9a", 4) + QByteArray(40, '\0'));
        MetafileConverter::setProgram(QString());
        qputenv("PATH", QFile::encodeName(dir)); // no soffice on this search path
        QVERIFY(MetafileConverter::program().isEmpty());
        const QString e = readError(dir + "/chart.wmf");
        QVERIFY2(e.contains("LibreOffice") && e.contains("libreoffice-draw") &&
                     e.contains("chart.wmf"),
                 qPrintable(e));
    }

    void metafileThroughTheConverter()
    {
        ConverterScope scope;
        const QString dir = testTempDir();
        // A stand-in converter that behaves like soffice --convert-to png: it
        // writes <base>.png into --outdir and records its arguments.
        QImage drawn(30, 20, QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        for (int x = 5; x < 20; ++x)
            for (int y = 4; y < 16; ++y)
                drawn.setPixel(x, y, qRgb(0, 0, 200));
        drawn.setPixel(15, 10, qRgba(0, 0, 0, 0)); // a transparent hole inside the drawing
        writeFile(dir + "/drawn.png", encode(drawn, "png"));
        const QString script = writeScript(
            dir + "/fake-soffice",
            QStringLiteral(
                "printf '%s\\n' \"$@\" > '%1/args.txt'\n"
                "out=''; prev=''; for a in \"$@\"; do\n"
                "  [ \"$prev\" = --outdir ] && out=\"$a\"; prev=\"$a\"; last=\"$a\"; done\n"
                "base=$(basename \"$last\"); base=${base%.*}\n"
                "cp '%1/drawn.png' \"$out/$base.png\"\n")
                .arg(dir));
        MetafileConverter::setProgram(script);
        writeFile(dir + "/figure.v2.emf", QByteArray(100, '\x01'));
        const QImage img = PictureReader::readFile(dir + "/figure.v2.emf");
        QCOMPARE(img.format(), QImage::Format_RGB888);
        QCOMPARE(img.size(), QSize(15, 12)); // the page around the drawing is cut away
        QCOMPARE(img.pixel(0, 0), qRgb(0, 0, 200));
        QCOMPARE(img.pixel(10, 6), qRgb(255, 255, 255)); // transparent: white
        const QStringList args = QString::fromUtf8(readFile(dir + "/args.txt")).split('\n');
        QVERIFY(args.contains("--headless"));
        QVERIFY(args.contains("--convert-to"));
        QVERIFY(args.contains("png"));
        QVERIFY(args[0].startsWith("-env:UserInstallation=file:///"));
        QVERIFY(args.contains(QFileInfo(dir + "/figure.v2.emf").absoluteFilePath()));
        // The scratch folder with the profile is gone afterwards.
        const QString profile =
            QUrl(args[0].mid(QStringLiteral("-env:UserInstallation=").size())).toLocalFile();
        QVERIFY(!profile.isEmpty());
        QVERIFY(!QFileInfo::exists(profile));

        // A converter that exits without writing anything (as LibreOffice does
        // on files it cannot read) gives an error with its message.
        MetafileConverter::setProgram(
            writeScript(dir + "/silent", "echo 'Error: source file could not be loaded' >&2\n"));
        QString e = readError(dir + "/figure.v2.emf");
        QVERIFY2(e.contains("could not convert") && e.contains("could not be loaded"),
                 qPrintable(e));

        // A converter that hangs is stopped after the time-out.
        MetafileConverter::setProgram(writeScript(dir + "/hang", "exec sleep 30\n"));
        MetafileConverter::setTimeout(300);
        e = readError(dir + "/figure.v2.emf");
        QVERIFY2(e.contains("did not convert"), qPrintable(e));

        // A converter that cannot be started.
        MetafileConverter::setProgram(dir + "/no-such-program");
        e = readError(dir + "/figure.v2.emf");
        QVERIFY2(e.contains("could not be started"), qPrintable(e));
    }
};

int runFormatTests(int argc, char **argv)
{
    TestFormats t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_formats.moc"
