// The working bitmap, the stored BMP form and the writers: exact bytes where a
// format fixes them, pixels after round trips, and damaged input.
#include "TestPictures.h"

#include "platform/TessaryError.h"
#include "platform/imaging/Bmp24.h"
#include "platform/imaging/GifWriter.h"
#include "platform/imaging/PictureReader.h"
#include "platform/imaging/PictureWriter.h"
#include "platform/imaging/RowBands.h"
#include "platform/imaging/WorkingBitmap.h"
#include "tests/support/TestReport.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <QtTest>
#include <algorithm>
#include <mutex>
#include <thread>
#include <vector>

using namespace TestPictures;

namespace {

quint32 le32(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(b.constData()) + at);
}
quint16 le16(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar *>(b.constData()) + at);
}

QImage readWithQt(const QByteArray &bytes, const char *format = nullptr)
{
    QByteArray copy = bytes;
    QBuffer buf(&copy);
    buf.open(QIODevice::ReadOnly);
    QImageReader r(&buf, format);
    return r.read();
}

} // namespace

class TestCodecs : public QObject
{
    Q_OBJECT
private slots:
    void workingBitmapIs24BitOverWhite()
    {
        QImage argb(4, 1, QImage::Format_ARGB32);
        argb.setPixel(0, 0, qRgba(10, 20, 30, 255)); // opaque: kept
        argb.setPixel(1, 0, qRgba(0, 0, 0, 0));      // transparent: white
        argb.setPixel(2, 0, qRgba(0, 0, 0, 128));    // half black over white
        argb.setPixel(3, 0, qRgba(255, 0, 0, 51));   // faint red over white
        const QImage w = WorkingBitmap::fromImage(argb);
        QCOMPARE(w.format(), QImage::Format_RGB888);
        QCOMPARE(w.depth(), 24);
        QCOMPARE(w.pixel(0, 0), qRgb(10, 20, 30));
        QCOMPARE(w.pixel(1, 0), qRgb(255, 255, 255));
        QCOMPARE(w.pixel(2, 0), qRgb(127, 127, 127));
        QCOMPARE(w.pixel(3, 0), qRgb(255, 204, 204));

        // Palette pictures with a transparent entry, grey scale, 16 bits per channel.
        QImage indexed(2, 1, QImage::Format_Indexed8);
        indexed.setColorTable({qRgba(0, 0, 0, 0), qRgb(0, 128, 0)});
        indexed.setPixel(0, 0, 0);
        indexed.setPixel(1, 0, 1);
        const QImage wi = WorkingBitmap::fromImage(indexed);
        QCOMPARE(wi.format(), QImage::Format_RGB888);
        QCOMPARE(wi.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(wi.pixel(1, 0), qRgb(0, 128, 0));
        QImage grey(1, 1, QImage::Format_Grayscale8);
        grey.fill(77);
        QCOMPARE(WorkingBitmap::fromImage(grey).pixel(0, 0), qRgb(77, 77, 77));
        QImage deep(1, 1, QImage::Format_RGBA64);
        deep.fill(QColor::fromRgba64(65535, 0, 0, 0));
        QCOMPARE(WorkingBitmap::fromImage(deep).pixel(0, 0), qRgb(255, 255, 255));

        QVERIFY(WorkingBitmap::fromImage(QImage()).isNull());
    }

    void reductionAveragesWhatEachPixelCovers()
    {
        // A one-pixel checkerboard halved is an even grey, not black or white.
        QImage checker(64, 64, QImage::Format_RGB888);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                checker.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        const QImage half = WorkingBitmap::scaledDown(checker, QSize(32, 32));
        QCOMPARE(half.size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QVERIFY(qAbs(qRed(half.pixel(x, y)) - 128) <= 1);

        // Three columns into two: the middle column is shared half and half.
        QImage three(3, 1, QImage::Format_RGB888);
        three.setPixel(0, 0, qRgb(0, 0, 0));
        three.setPixel(1, 0, qRgb(200, 100, 50));
        three.setPixel(2, 0, qRgb(90, 90, 90));
        const QImage two = WorkingBitmap::scaledDown(three, QSize(2, 1));
        // Each target pixel covers 1.5 source pixels: 1 of its own and 0.5 of the middle.
        QCOMPARE(two.pixel(0, 0), qRgb(67, 33, 17));
        QCOMPARE(two.pixel(1, 0), qRgb(127, 93, 77));

        // A plain colour stays exactly that colour at any reduction; the mean is kept.
        QImage plain(997, 613, QImage::Format_RGB888);
        plain.fill(QColor(12, 200, 99));
        const QImage small = WorkingBitmap::scaledDown(plain, QSize(101, 77));
        QCOMPARE(small.size(), QSize(101, 77));
        QCOMPARE(small.pixel(0, 0), qRgb(12, 200, 99));
        QCOMPARE(small.pixel(100, 76), qRgb(12, 200, 99));
        QCOMPARE(small.pixel(50, 40), qRgb(12, 200, 99));
        const QImage photo = WorkingBitmap::fromImage(gradient(300, 200));
        const QImage one = WorkingBitmap::scaledDown(photo, QSize(1, 1));
        double mean[3] = {0, 0, 0};
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x) {
                const QRgb p = photo.pixel(x, y);
                mean[0] += qRed(p);
                mean[1] += qGreen(p);
                mean[2] += qBlue(p);
            }
        QVERIFY(qAbs(qRed(one.pixel(0, 0)) - mean[0] / 60000) <= 1);
        QVERIFY(qAbs(qGreen(one.pixel(0, 0)) - mean[1] / 60000) <= 1);
        QVERIFY(qAbs(qBlue(one.pixel(0, 0)) - mean[2] / 60000) <= 1);

        // Larger in a direction: Qt's smooth scaling, same size asked.
        QCOMPARE(WorkingBitmap::scaledDown(three, QSize(6, 1)).size(), QSize(6, 1));
        QVERIFY(WorkingBitmap::scaledDown(three, QSize(0, 1)).isNull());
    }

    void bmpFileImageIs24BitsBottomUpPadded()
    {
        // Widths 1 to 5 cover every row padding (3, 2, 1, 0, 1 bytes).
        for (int w = 1; w <= 5; ++w) {
            const QImage pic = WorkingBitmap::fromImage(gradient(w, 3));
            const QByteArray bmp = Bmp24::encode(pic);
            const int stride = (w * 3 + 3) / 4 * 4;
            QCOMPARE(bmp.left(2), QByteArray("BM"));
            QCOMPARE(int(le32(bmp, 2)), bmp.size());
            QCOMPARE(bmp.size(), 54 + stride * 3);
            QCOMPARE(int(le32(bmp, 10)), 54);
            QCOMPARE(int(le32(bmp, 14)), 40);
            QCOMPARE(int(le32(bmp, 18)), w);
            QCOMPARE(int(le32(bmp, 22)), 3); // positive: bottom-up
            QCOMPARE(int(le16(bmp, 26)), 1);
            QCOMPARE(int(le16(bmp, 28)), 24);
            QCOMPARE(int(le32(bmp, 30)), 0);
            // The first stored row is the bottom one, blue-green-red.
            const QRgb bottomLeft = pic.pixel(0, 2);
            QCOMPARE(uchar(bmp[54]), uchar(qBlue(bottomLeft)));
            QCOMPARE(uchar(bmp[55]), uchar(qGreen(bottomLeft)));
            QCOMPARE(uchar(bmp[56]), uchar(qRed(bottomLeft)));
            for (int pad = w * 3; pad < stride; ++pad)
                QCOMPARE(bmp[54 + pad], '\0');
            // Our decoder and Qt's both read it back exactly.
            QCOMPARE(Bmp24::decode(bmp), pic);
            QCOMPARE(maxChannelDiff(readWithQt(bmp, "bmp"), pic), 0);
        }
        QVERIFY(Bmp24::encode(QImage()).isEmpty());
        // A picture with transparency is stored over white.
        QImage clear(2, 2, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        QCOMPARE(Bmp24::decode(Bmp24::encode(clear)).pixel(1, 1), qRgb(255, 255, 255));
    }

    void bmpDecoderTakesHostForms()
    {
        const QImage pic = WorkingBitmap::fromImage(drawing(37, 21));
        QByteArray bmp = Bmp24::encode(pic);

        // Top-down rows (negative height), as some writers store them.
        QByteArray topDown = bmp.left(54);
        qToLittleEndian(qint32(-21), reinterpret_cast<uchar *>(topDown.data()) + 22);
        const int stride = (37 * 3 + 3) / 4 * 4;
        for (int row = 20; row >= 0; --row)
            topDown += bmp.mid(54 + row * stride, stride);
        QCOMPARE(Bmp24::decode(topDown), pic);

        // A larger info header (V5, 124 bytes) with the pixels after it.
        QByteArray v5 = bmp.left(14);
        QByteArray info = bmp.mid(14, 40);
        qToLittleEndian(quint32(124), reinterpret_cast<uchar *>(info.data()));
        info += QByteArray(84, '\0');
        v5 += info + bmp.mid(54);
        qToLittleEndian(quint32(14 + 124), reinterpret_cast<uchar *>(v5.data()) + 10);
        QCOMPARE(Bmp24::decode(v5), pic);

        // A wrong pixel offset: the pixels are taken right after the header.
        QByteArray badOffset = bmp;
        qToLittleEndian(quint32(999999), reinterpret_cast<uchar *>(badOffset.data()) + 10);
        QCOMPARE(Bmp24::decode(badOffset), pic);

        // Pixel data cut short: the rows present are shown, the rest white.
        const QByteArray cut = bmp.left(54 + stride * 5 + 7);
        const QImage partial = Bmp24::decode(cut);
        QCOMPARE(partial.size(), pic.size());
        QCOMPARE(partial.pixel(3, 20), pic.pixel(3, 20)); // bottom rows come first
        QCOMPARE(partial.pixel(3, 16), pic.pixel(3, 16));
        QCOMPARE(partial.pixel(3, 15), qRgb(255, 255, 255));
        QCOMPARE(partial.pixel(36, 0), qRgb(255, 255, 255));

        // Other BMP forms are left to the generic decoder, which reads them.
        QImage pal(5, 4, QImage::Format_Indexed8);
        pal.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
        pal.fill(1);
        pal.setPixel(0, 0, 0);
        const QByteArray bmp8 = encode(pal, "bmp");
        QVERIFY(int(le16(bmp8, 28)) < 24); // Qt stores two colours in 4 bits
        QVERIFY(Bmp24::decode(bmp8).isNull());
        const QImage read8 = PictureReader::readBytes(bmp8);
        QCOMPARE(read8.format(), QImage::Format_RGB888);
        QCOMPARE(read8.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(read8.pixel(4, 3), qRgb(0, 0, 255));
        QVERIFY(Bmp24::decode(QByteArray("GIF89a")).isNull());
    }

    // Pictures of several megabytes are converted in bands of rows side by
    // side: every byte must be where a plain row-by-row conversion puts it.
    void largeBitmapsConvertInBands()
    {
        const int w = 1201, h = 1403; // rows of 3603 bytes + 1 byte of padding, 5 MB
        QImage pic = WorkingBitmap::fromImage(gradient(w, h));
        for (int y = 0; y < h; y += 97)
            pic.setPixel((y * 13) % w, y, qRgb(y % 256, 255 - y % 256, (y * 7) % 256));
        const int stride = (w * 3 + 3) / 4 * 4;
        QByteArray expected(54 + stride * h, '\0');
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb c = pic.pixel(x, h - 1 - y);
                char *p = expected.data() + 54 + qsizetype(stride) * y + 3 * x;
                p[0] = char(qBlue(c));
                p[1] = char(qGreen(c));
                p[2] = char(qRed(c));
            }
        const QByteArray bmp = Bmp24::encode(pic);
        QCOMPARE(bmp.size(), expected.size());
        QVERIFY(bmp.mid(54) == expected.mid(54));
        QCOMPARE(Bmp24::decode(bmp), pic);

        // Top-down rows.
        QByteArray topDown = bmp.left(54);
        qToLittleEndian(qint32(-h), reinterpret_cast<uchar *>(topDown.data()) + 22);
        for (int row = h - 1; row >= 0; --row)
            topDown += bmp.mid(54 + qsizetype(row) * stride, stride);
        QCOMPARE(Bmp24::decode(topDown), pic);

        // Cut short inside the last band: rows present, then white.
        const int present = h - 50;
        const QImage partial = Bmp24::decode(bmp.left(54 + stride * present + stride / 2));
        QCOMPARE(partial.copy(0, h - present, w, present), pic.copy(0, h - present, w, present));
        QImage white(w, h - present, WorkingBitmap::Format);
        white.fill(Qt::white);
        QCOMPARE(partial.copy(0, 0, w, h - present), white);
    }

    // Large pictures are decoded into a bitmap prepared beforehand and turned
    // into the working bitmap in bands: the pixels must be Qt's own.
    void largePicturesReadAsQtReadsThem()
    {
        const int w = 1280, h = 1000; // above a megapixel
        QImage photo = gradient(w, h).convertToFormat(QImage::Format_RGB32);
        photo.setDotsPerMeterX(5000);
        photo.setDotsPerMeterY(4000);
        photo.setText(QStringLiteral("Author"), QStringLiteral("bench"));
        const QImage working = WorkingBitmap::fromImage(photo);
        QCOMPARE(working.format(), WorkingBitmap::Format);
        QCOMPARE(working, photo.convertToFormat(WorkingBitmap::Format));
        QCOMPARE(working.dotsPerMeterX(), 5000);
        QCOMPARE(working.dotsPerMeterY(), 4000);
        QCOMPARE(working.text(QStringLiteral("Author")), QStringLiteral("bench"));
        // A small one takes the same way.
        const QImage small = photo.copy(0, 0, 3, 2);
        QCOMPARE(WorkingBitmap::fromImage(small), small.convertToFormat(WorkingBitmap::Format));

        // Translucent: over white, in bands.
        QImage glass(w, h, QImage::Format_ARGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                glass.setPixel(x, y, qRgba(x % 256, y % 256, (x + y) % 256, (x * y) % 256));
        const QImage over = WorkingBitmap::fromImage(glass);
        for (const QPoint &at : {QPoint(0, 0), QPoint(w - 1, h - 1), QPoint(640, 500),
                                 QPoint(17, 999), QPoint(1279, 3)}) {
            const QRgb q = glass.pixel(at);
            const int a = qAlpha(q);
            auto onWhite = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
            const QRgb got = over.pixel(at);
            QVERIFY2(qAbs(qRed(got) - onWhite(qRed(q))) <= 1 &&
                         qAbs(qGreen(got) - onWhite(qGreen(q))) <= 1 &&
                         qAbs(qBlue(got) - onWhite(qBlue(q))) <= 1,
                     qPrintable(QStringLiteral("at %1,%2").arg(at.x()).arg(at.y())));
        }

        // Files: JPEG and PNG read as Qt reads them.
        const QString dir = testTempDir();
        for (const char *format : {"jpeg", "png"}) {
            const QString file = dir + QStringLiteral("/large.") + QLatin1String(format);
            QVERIFY(photo.save(file, format, 90));
            const QImage read = PictureReader::readFile(file, format);
            QImageReader qt(file, format);
            QCOMPARE(read, qt.read().convertToFormat(WorkingBitmap::Format));
        }
        // A file that cannot be decoded is still an error.
        const QString broken = dir + QStringLiteral("/broken.jpg");
        {
            QFile f(broken);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QFile good(dir + QStringLiteral("/large.jpeg"));
            QVERIFY(good.open(QIODevice::ReadOnly));
            f.write(good.read(600)); // the header with the size, no picture
        }
        QImage partial;
        try {
            partial = PictureReader::readFile(broken, "jpeg");
        } catch (const TessaryError &) {
        }
        QVERIFY(partial.isNull() || partial.size() == QSize(w, h));
    }

    // A large reduction is computed in bands of target rows: each pixel must
    // still be the average of exactly the source area it covers.
    void largeReductionsAverageInBands()
    {
        const int sw = 1000, sh = 1501; // 4.5 MB: several bands
        QImage pic(sw, sh, WorkingBitmap::Format);
        for (int y = 0; y < sh; ++y) {
            uchar *line = pic.scanLine(y);
            for (int x = 0; x < sw; ++x) {
                line[3 * x] = uchar((x * 7 + y * 3) % 256);
                line[3 * x + 1] = uchar((x ^ y) & 0xFF);
                line[3 * x + 2] = uchar(y % 2 ? 255 : 0); // stripes: every row counts
            }
        }
        for (const QSize &size : {QSize(333, 217), QSize(1000, 700), QSize(7, 1501), QSize(1, 1)}) {
            const QImage small = WorkingBitmap::scaledDown(pic, size);
            QCOMPARE(small.size(), size);
            const double rx = double(sw) / size.width(), ry = double(sh) / size.height();
            int worst = 0;
            for (int ty = 0; ty < size.height(); ++ty) { // every row: the bands meet somewhere
                for (int tx = 0; tx < size.width(); tx += qMax(1, size.width() / 23)) {
                    // The covered area [tx*rx, (tx+1)*rx) x [ty*ry, (ty+1)*ry).
                    double sum[3] = {0, 0, 0}, area = 0;
                    const double x0 = tx * rx, x1 = (tx + 1) * rx;
                    const double y0 = ty * ry, y1 = (ty + 1) * ry;
                    for (int y = int(y0); y < sh && y < y1; ++y) {
                        const double hy = qMin<double>(y + 1, y1) - qMax<double>(y, y0);
                        const uchar *line = pic.constScanLine(y);
                        for (int x = int(x0); x < sw && x < x1; ++x) {
                            const double a = hy * (qMin<double>(x + 1, x1) - qMax<double>(x, x0));
                            for (int c = 0; c < 3; ++c)
                                sum[c] += a * line[3 * x + c];
                            area += a;
                        }
                    }
                    const QRgb got = small.pixel(tx, ty);
                    const int want[3] = {int(sum[0] / area + 0.5), int(sum[1] / area + 0.5),
                                         int(sum[2] / area + 0.5)};
                    worst = qMax(worst, qAbs(qRed(got) - want[0]));
                    worst = qMax(worst, qAbs(qGreen(got) - want[1]));
                    worst = qMax(worst, qAbs(qBlue(got) - want[2]));
                }
            }
            QVERIFY2(worst <= 1, qPrintable(QStringLiteral("%1 x %2: off by %3")
                                                .arg(size.width())
                                                .arg(size.height())
                                                .arg(worst)));
        }
    }

    void rowBandsCoverEveryRowOnce()
    {
        const int processors = int(qMax(1u, std::thread::hardware_concurrency()));
        for (int rows : {0, 1, 2, 3, 7, 1000, 4097}) {
            for (qint64 bytesPerRow : {qint64(1), qint64(3000), qint64(1) << 20}) {
                std::vector<int> visits(size_t(rows), 0);
                std::mutex lock;
                int calls = 0;
                bool inRange = true;
                RowBands::run(rows, bytesPerRow, [&](int first, int end) {
                    {
                        const std::lock_guard<std::mutex> guard(lock);
                        ++calls;
                        inRange = inRange && first >= 0 && first < end && end <= rows;
                    }
                    for (int r = qMax(first, 0); r < qMin(end, rows); ++r)
                        ++visits[size_t(r)];
                });
                const QString what =
                    QStringLiteral("%1 rows of %2 bytes").arg(rows).arg(bytesPerRow);
                QVERIFY2(inRange, qPrintable(what));
                QVERIFY2(std::all_of(visits.begin(), visits.end(), [](int v) { return v == 1; }),
                         qPrintable(what));
                // Small work stays on one thread; a megabyte a row is split
                // over the processors (never more bands than rows).
                const int bands = rows == 0 ? 0
                                  : rows * bytesPerRow < (1 << 20)
                                      ? 1
                                      : qMin(qMin(processors, 8), rows);
                if (rows * bytesPerRow < (1 << 20) || bytesPerRow == (qint64(1) << 20))
                    QVERIFY2(calls == bands,
                             qPrintable(what + QStringLiteral(": %1 calls").arg(calls)));
            }
        }
    }

    void damagedBmpHeadersAreErrors()
    {
        const QByteArray bmp = Bmp24::encode(WorkingBitmap::fromImage(drawing(8, 8)));
        auto expectError = [](const QByteArray &bytes, const char *what) {
            try {
                Bmp24::decode(bytes);
                QFAIL(what);
            } catch (const TessaryError &e) {
                QVERIFY2(!e.message().isEmpty(), what);
            }
        };
        expectError(bmp.left(10), "header cut in the file header");
        expectError(bmp.left(30), "header cut in the info header");
        QByteArray zeroWidth = bmp;
        qToLittleEndian(qint32(0), reinterpret_cast<uchar *>(zeroWidth.data()) + 18);
        expectError(zeroWidth, "zero width");
        QByteArray negativeWidth = bmp;
        qToLittleEndian(qint32(-8), reinterpret_cast<uchar *>(negativeWidth.data()) + 18);
        expectError(negativeWidth, "negative width");
        QByteArray huge = bmp;
        qToLittleEndian(qint32(2000000000), reinterpret_cast<uchar *>(huge.data()) + 18);
        qToLittleEndian(qint32(2000000000), reinterpret_cast<uchar *>(huge.data()) + 22);
        expectError(huge, "impossible size");
        QByteArray planes = bmp;
        qToLittleEndian(quint16(3), reinterpret_cast<uchar *>(planes.data()) + 26);
        expectError(planes, "three planes");
        // Through readBytes the same errors arrive as TessaryError.
        QVERIFY_THROWS_EXCEPTION(TessaryError, PictureReader::readBytes(bmp.left(30)));
    }

    void storedBytesOfOtherFormats()
    {
        const QImage pic = drawing(40, 30);
        QVERIFY(PictureReader::readBytes(QByteArray()).isNull());
        QCOMPARE(maxChannelDiff(PictureReader::readBytes(encode(pic, "png")), pic), 0);
        const QImage photo = gradient(40, 30);
        QVERIFY(meanChannelDiff(PictureReader::readBytes(encode(photo, "jpeg", 95)), photo) < 3);
        QCOMPARE(maxChannelDiff(PictureReader::readBytes(GifWriter::encode(pic)), pic), 0);
        QCOMPARE(PictureReader::readBytes(encode(pic, "png")).format(), QImage::Format_RGB888);

        // Bytes that are no picture, a text format, and a PNG cut in its header.
        QVERIFY_THROWS_EXCEPTION(TessaryError,
                                 PictureReader::readBytes(QByteArray("just some text")));
        QVERIFY_THROWS_EXCEPTION(TessaryError, PictureReader::readBytes(QByteArray(
                                                   "<svg xmlns='http://www.w3.org/2000/svg' "
                                                   "width='4' height='4'/>")));
        QVERIFY_THROWS_EXCEPTION(TessaryError,
                                 PictureReader::readBytes(encode(pic, "png").left(20)));
        QVERIFY_THROWS_EXCEPTION(TessaryError,
                                 PictureReader::readBytes(encode(pic, "jpeg").left(4)));
        try {
            PictureReader::readBytes(QByteArray(100, '\x07'));
            QFAIL("no error for bytes that are no picture");
        } catch (const TessaryError &e) {
            QVERIFY(e.message().contains(QLatin1String("not in a known picture format")));
        }
    }

    void gifKeepsFewColoursExactlyAndReducesPhotographs()
    {
        const QString dir = testTempDir();
        const QImage lines = drawing(120, 90);
        PictureWriter::writeGif(lines, dir + "/lines.gif");
        const QByteArray bytes = readFile(dir + "/lines.gif");
        QCOMPARE(bytes.left(6), QByteArray("GIF89a"));
        QCOMPARE(int(le16(bytes, 6)), 120);
        QCOMPARE(int(le16(bytes, 8)), 90);
        QVERIFY(uchar(bytes[10]) & 0x80); // global colour table
        QCOMPARE(maxChannelDiff(readWithQt(bytes, "gif"), lines), 0);
        // The colour table has the size of the next power of two (5 colours: 8 entries).
        QImage five(5, 1, QImage::Format_RGB32);
        for (int i = 0; i < 5; ++i)
            five.setPixel(i, 0, qRgb(i * 50, 255 - i * 40, 7 * i));
        const QByteArray fiveGif = GifWriter::encode(five);
        QCOMPARE(uchar(bytes[10]) & 0x80, 0x80);
        QCOMPARE(1 << ((uchar(fiveGif[10]) & 7) + 1), 8);
        QCOMPARE(maxChannelDiff(readWithQt(fiveGif, "gif"), five), 0);

        // A photograph of thousands of colours: close, not exact.
        const QImage photo = gradient(200, 150);
        PictureWriter::writeGif(photo, dir + "/photo.gif");
        const QImage back = PictureReader::readFile(dir + "/photo.gif");
        QCOMPARE(back.size(), photo.size());
        const double mean = meanChannelDiff(back, photo);
        qInfo("GIF of a photograph: mean difference %.2f, largest %d", mean,
              maxChannelDiff(back, photo));
        QVERIFY2(mean < 4.0, qPrintable(QString::number(mean)));
        QVERIFY2(maxChannelDiff(back, photo) < 24,
                 qPrintable(QString::number(maxChannelDiff(back, photo))));

        QVERIFY_THROWS_EXCEPTION(TessaryError, GifWriter::encode(QImage()));
        QVERIFY_THROWS_EXCEPTION(TessaryError,
                                 GifWriter::encode(QImage(65536, 1, QImage::Format_RGB888)));
        QImage one(1, 1, QImage::Format_RGB888);
        one.fill(Qt::black);
        QCOMPARE(maxChannelDiff(readWithQt(GifWriter::encode(one), "gif"), one), 0);
    }

    void jpegQualityAndProgressiveScan()
    {
        const QString dir = testTempDir();
        const QImage photo = gradient(64, 48);
        PictureWriter::writeJpeg(photo, dir + "/q90.jpg", 90, false);
        PictureWriter::writeJpeg(photo, dir + "/q50p.jpg", 50, true);
        const QByteArray q90 = readFile(dir + "/q90.jpg");
        const QByteArray q50p = readFile(dir + "/q50p.jpg");
        // Baseline: start of frame 0; progressive: start of frame 2.
        QVERIFY(jpegMarkers(q90).contains(0xC0));
        QVERIFY(!jpegMarkers(q90).contains(0xC2));
        QVERIFY(jpegMarkers(q50p).contains(0xC2));
        QVERIFY(!jpegMarkers(q50p).contains(0xC0));
        // The luminance DC step of the standard table (16) scaled by quality:
        // 90 gives 16 × 20 % = 3, 50 keeps 16.
        QCOMPARE(jpegFirstQuantStep(q90), 3);
        QCOMPARE(jpegFirstQuantStep(q50p), 16);
        QVERIFY(meanChannelDiff(PictureReader::readFile(dir + "/q90.jpg"), photo) < 3.0);
        QVERIFY(meanChannelDiff(PictureReader::readFile(dir + "/q50p.jpg"), photo) < 6.0);
        // writeFile takes the format from the extension: quality 90, baseline.
        PictureWriter::writeFile(photo, dir + "/by-ext.JPEG");
        QCOMPARE(jpegFirstQuantStep(readFile(dir + "/by-ext.JPEG")), 3);
        QVERIFY(jpegMarkers(readFile(dir + "/by-ext.JPEG")).contains(0xC0));
    }

    void writersByExtensionAndFailures()
    {
        const QString dir = testTempDir();
        const QImage pic = WorkingBitmap::fromImage(drawing(30, 20));
        PictureWriter::writeFile(pic, dir + "/a.png");
        PictureWriter::writeFile(pic, dir + "/a.bmp");
        PictureWriter::writeFile(pic, dir + "/a.gif");
        QCOMPARE(readFile(dir + "/a.bmp"), Bmp24::encode(pic));
        const QImage png = readWithQt(readFile(dir + "/a.png"), "png");
        QVERIFY(!png.hasAlphaChannel());
        QCOMPARE(maxChannelDiff(png, pic), 0);
        QCOMPARE(readFile(dir + "/a.gif").left(3), QByteArray("GIF"));

        auto expectError = [](const std::function<void()> &f, const QString &part) {
            try {
                f();
                QFAIL("no error");
            } catch (const TessaryError &e) {
                QVERIFY2(e.message().contains(part), qPrintable(e.message()));
            }
        };
        expectError([&] { PictureWriter::writeFile(pic, dir + "/a.tga"); }, ".tga");
        expectError([&] { PictureWriter::writeFile(QImage(), dir + "/none.png"); }, "none.png");
        expectError([&] { PictureWriter::writePng(pic, dir + "/no/such/folder/x.png"); }, "x.png");
        QVERIFY(!QFile::exists(dir + "/none.png"));

        // A failed write leaves the earlier file as it was.
        const QByteArray before = readFile(dir + "/a.png");
        expectError(
            [&] {
                PictureWriter::writeGif(QImage(70000, 1, QImage::Format_RGB888), dir + "/a.png");
            },
            "65535");
        QCOMPARE(readFile(dir + "/a.png"), before);
        QCOMPARE(PictureWriter::writableExtensions(),
                 QStringList({"png", "bmp", "jpg", "jpeg", "gif"}));
    }
};

int runCodecTests(int argc, char **argv)
{
    TestCodecs t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_codecs.moc"
