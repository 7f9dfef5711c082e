// tessary-cli import by the import command's rules: timeline text files, the
// extension groups with their shortened extensions, files outside every group,
// and pictures a host stores itself as 24-bit bitmaps.
#include "tests/support/TestMain.h"
#include "tests/support/TestReport.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<int> ids(const CliResult &r)
{
    QList<int> result;
    for (const QByteArray &line : r.out.split('\n'))
        if (!line.isEmpty())
            result << line.toInt();
    return result;
}

// A 24-bit BMP as a host writes it by hand: rows padded to four bytes,
// bottom-up (or top-down with a negative height), pixels in blue-green-red.
QByteArray hostBitmap(const QImage &image, bool topDown)
{
    const int w = image.width(), h = image.height();
    const int stride = (w * 3 + 3) & ~3;
    QByteArray bytes(54 + stride * h, '\0');
    auto *p = reinterpret_cast<uchar *>(bytes.data());
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size()), p + 2);
    qToLittleEndian<quint32>(54, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(w, p + 18);
    qToLittleEndian<qint32>(topDown ? -h : h, p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(24, p + 28);
    for (int y = 0; y < h; ++y) {
        uchar *row = p + 54 + stride * (topDown ? y : h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            row[x * 3] = uchar(qBlue(c));
            row[x * 3 + 1] = uchar(qGreen(c));
            row[x * 3 + 2] = uchar(qRed(c));
        }
        for (int pad = w * 3; pad < stride; ++pad)
            row[pad] = 0xEE; // hosts need not zero the padding
    }
    return bytes;
}

QImage pattern(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 40 % 256, y * 60 % 256, (x + y) * 25 % 256));
    return image;
}

const char kTimeline[] =
    "BackGround\t$00984E00\t$00FFF0D2\r\n"
    "LineBar\t$00FFEFE3\t$00FFD2AF\r\n"
    "Indicator\t$00AAD9FF\tTrue\r\n"
    "Max Range\t2019-01-01\t2024-12-31\r\n"
    "Event\tProject kick-off\tTeam assembled\t2019-01-14\tkickoff\b\b1\b2:14\t-1"
    "\t\r\n"
    "Event\tSurvey launch\tOnline panel\t2021-06-07T09:30:00\tsurvey\t-1\t255\r\n";

// A placeable Windows metafile of 200 x 100 units at 96 units an inch: a red
// rectangle on the left half, a blue one on the right, no outlines. Written
// record by record from the file format's documented layout.
QByteArray twoRectangleMetafile()
{
    QByteArray out;
    auto u16 = [&out](int v) {
        const quint16 le = qToLittleEndian<quint16>(quint16(v));
        out.append(reinterpret_cast<const char *>(&le), 2);
    };
    auto u32 = [&out](quint32 v) {
        const quint32 le = qToLittleEndian<quint32>(v);
        out.append(reinterpret_cast<const char *>(&le), 4);
    };
    // Placeable header: key, handle, bounding box, units an inch, reserved, checksum.
    u32(0x9AC6CDD7u);
    u16(0);
    u16(0);
    u16(0);
    u16(200);
    u16(100);
    u16(96);
    u32(0);
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= qFromLittleEndian<quint16>(out.constData() + i);
    u16(sum);
    const int headerAt = int(out.size());
    // Metafile header; the size is filled in at the end.
    u16(1);
    u16(9);
    u16(0x0300);
    u32(0);
    u16(3); // objects
    u32(8); // largest record, in words
    u16(0);
    auto record = [&](int function, const QList<int> &words) {
        u32(quint32(3 + words.size()));
        u16(function);
        for (int w : words)
            u16(w);
    };
    record(0x020B, {0, 0});                 // window origin (y, x)
    record(0x020C, {100, 200});             // window extent (y, x)
    record(0x02FA, {5, 0, 0, 0, 0});        // null pen (object 0)
    record(0x02FC, {0, 0x00FF, 0x0000, 0}); // solid red brush (object 1)
    record(0x02FC, {0, 0x0000, 0x00FF, 0}); // solid blue brush (object 2)
    record(0x012D, {0});                    // select the pen
    record(0x012D, {1});                    // select red
    record(0x041B, {100, 100, 0, 0});       // rectangle (bottom, right, top, left)
    record(0x012D, {2});                    // select blue
    record(0x041B, {100, 200, 0, 100});     // rectangle
    record(0x0000, {});                     // end of file
    qToLittleEndian<quint32>(quint32((out.size() - headerAt) / 2),
                             reinterpret_cast<uchar *>(out.data()) + headerAt + 6);
    return out;
}

// tessary-cli given more time: LibreOffice's first start with a new profile is slow.
CliResult runCliPatiently(const QStringList &args)
{
    CliResult r;
    QProcess p;
    p.start(qEnvironmentVariable("TESSARY_CLI"), args);
    if (!p.waitForStarted(30000) || !p.waitForFinished(600000)) {
        p.kill();
        r.err = "tessary-cli did not finish";
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

} // namespace

class TestCliImport : public QObject
{
    Q_OBJECT
private slots:
    void timelineTextFilesBecomeTimelines()
    {
        const QString dir = testTempDir();
        const QString report = dir + "/t.sup";
        QCOMPARE(runCli({"new", report}).exitCode, 0);
        writeFile(dir + "/Milestones.tml", kTimeline);
        writeFile(dir + "/History.txt", kTimeline);
        writeFile(dir + "/Plain.txt", "Event\tDate\tPlace\r\nOpening\t2020\tParis\r\n");
        const CliResult r = runCli({"import", report, dir + "/Milestones.tml", dir + "/History.txt",
                                    dir + "/Plain.txt", "--folder", "T"});
        QVERIFY2(r.exitCode == 0 && r.err.isEmpty(), r.err.constData());
        QCOMPARE(ids(r), QList<int>({3, 4, 5}));
        const QByteArray tree = runCli({"tree", report}).out;
        QVERIFY2(tree.contains("    Milestones  [timeline, data 3]\n"
                               "    History  [timeline, data 4]\n"
                               "    Plain  [document, data 5]\n"),
                 tree.constData());
        // The timelines hold their events and write them back as text, with
        // the description's tabs kept as backspaces.
        for (int id : {3, 4}) {
            const QString back = dir + QString("/back%1.tml").arg(id);
            const CliResult s = runCli({"save", report, QString::number(id), "--to", back});
            QVERIFY2(s.exitCode == 0 && s.err.isEmpty(), s.err.constData());
            const QByteArray text = readFile(back);
            QVERIFY2(text.contains("Event\tProject kick-off\tTeam assembled\t") &&
                         text.contains("kickoff\b\b1\b2:14") && text.contains("Survey launch"),
                     text.constData());
        }
        // The plain text is a document holding the text.
        QCOMPARE(runCli({"save", report, "5", "--to", dir + "/plain.txt"}).exitCode, 0);
        QVERIFY(readFile(dir + "/plain.txt").contains("Opening\t2020\tParis"));
    }

    void extensionsOutsideTheGroupsAndShortenedOnes()
    {
        const QString dir = testTempDir();
        const QString report = dir + "/x.sup";
        QCOMPARE(runCli({"new", report}).exitCode, 0);
        writeFile(dir + "/sheet.xls", "binary spreadsheet");
        writeFile(dir + "/README", "no extension");
        QImage photo = pattern(12, 9);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(photo.save(&buffer, "JPEG", 95));
        writeFile(dir + "/photo.jpe", jpeg);
        const CliResult r = runCli({"import", report, dir + "/sheet.xls", dir + "/README",
                                    dir + "/photo.jpe", "--folder", "F"});
        QVERIFY2(r.exitCode == 0 && r.err.isEmpty(), r.err.constData());
        const QByteArray tree = runCli({"tree", report}).out;
        QVERIFY2(tree.contains("    sheet  [document, data 3]\n    README  [document, data 4]\n"
                               "    photo  [picture, data 5]\n"),
                 tree.constData());
        // The spreadsheet is an empty document titled with its base name.
        QCOMPARE(runCli({"save", report, "3", "--to", dir + "/sheet.txt"}).exitCode, 0);
        QVERIFY(readFile(dir + "/sheet.txt").trimmed().isEmpty());
        QVERIFY(runCli({"cat", report, "5"}).out.startsWith("BM"));
        // ".grid" is inside the table group: the grid's own file format is read.
        writeFile(dir + "/t.csv", "Region,Count\r\nNorth,12\r\n");
        QCOMPARE(ids(runCli({"import", report, dir + "/t.csv"})), QList<int>({6}));
        QCOMPARE(runCli({"save", report, "6", "--to", dir + "/copy.grid2"}).exitCode, 0);
        QVERIFY(QFile::rename(dir + "/copy.grid2", dir + "/copy.grid"));
        const CliResult g = runCli({"import", report, dir + "/copy.grid", "--folder", "F"});
        QVERIFY2(g.exitCode == 0 && g.err.isEmpty(), g.err.constData());
        QVERIFY(runCli({"tree", report}).out.contains("    copy  [table, data 7]\n"));
        QCOMPARE(runCli({"save", report, "7", "--to", dir + "/back.csv"}).exitCode, 0);
        QVERIFY(readFile(dir + "/back.csv").contains("North"));
    }

    void aHostsBitmapIsShownAndSavedAsItIs()
    {
        const QString dir = testTempDir();
        const QString report = dir + "/b.sup";
        QCOMPARE(runCli({"new", report}).exitCode, 0);
        const QImage image = pattern(5, 3); // 15 bytes a row: padded to 16
        for (bool topDown : {false, true}) {
            const QByteArray bmp = hostBitmap(image, topDown);
            writeFile(dir + "/host.bmp", bmp);
            const CliResult add = runCli({"add", report, "--kind", "3", "--info",
                                          "\t\tHost picture", "--file", dir + "/host.bmp"});
            QVERIFY2(add.exitCode == 0, add.err.constData());
            const QString id = QString::fromLatin1(add.out.trimmed());
            const QString png = dir + "/shown.png";
            const CliResult render = runCli({"render", report, id, "--to", png, "--size", "20x10"});
            QVERIFY2(render.exitCode == 0 && render.err.isEmpty(), render.err.constData());
            const QImage shown(png);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 5; ++x)
                    QVERIFY2(shown.pixel(x, y) == image.pixel(x, y),
                             qPrintable(QString("%1,%2 top-down %3").arg(x).arg(y).arg(topDown)));
            // Saved as BMP it comes back as a picture of the same pixels.
            QCOMPARE(runCli({"save", report, id, "--to", dir + "/back.bmp"}).exitCode, 0);
            const QImage back(dir + "/back.bmp");
            QCOMPARE(back.size(), QSize(5, 3));
            QCOMPARE(back.convertToFormat(QImage::Format_RGB32), image);
        }
    }

    void aTransparentPngIsStoredOverWhiteAndSavedBackAsPng()
    {
        const QString dir = testTempDir();
        const QString report = dir + "/a.sup";
        QCOMPARE(runCli({"new", report}).exitCode, 0);
        QImage alpha(6, 4, QImage::Format_ARGB32);
        alpha.fill(qRgba(0, 0, 0, 0));
        for (int x = 0; x < 3; ++x)
            for (int y = 0; y < 4; ++y)
                alpha.setPixel(x, y, qRgba(20, 120, 220, 255));
        QVERIFY(alpha.save(dir + "/logo.png"));
        QCOMPARE(ids(runCli({"import", report, dir + "/logo.png", "--folder", "P"})),
                 QList<int>({3}));
        const QByteArray stored = runCli({"cat", report, "3"}).out;
        QVERIFY(stored.startsWith("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(stored.constData() + 28), quint16(24));
        QCOMPARE(runCli({"save", report, "3", "--to", dir + "/back.png"}).exitCode, 0);
        QVERIFY(readFile(dir + "/back.png").startsWith("\x89PNG"));
        const QImage back(dir + "/back.png");
        QVERIFY(!back.hasAlphaChannel());
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x)
                QCOMPARE(back.pixel(x, y), x < 3 ? qRgb(20, 120, 220) : qRgb(255, 255, 255));
    }

    void aMetafileIsStoredAsItsRendering()
    {
        // LibreOffice draws metafiles with its drawing program; an installation
        // of the word processor alone cannot load them.
        QString office = QStandardPaths::findExecutable("soffice");
        if (office.isEmpty())
            office = QStandardPaths::findExecutable("libreoffice");
        if (office.isEmpty())
            QSKIP("LibreOffice is not installed: metafiles cannot be drawn here");
        const QString program = QFileInfo(QFileInfo(office).canonicalFilePath()).absolutePath();
        if (!QFile::exists(program + "/../share/registry/draw.xcd"))
            QSKIP("LibreOffice Draw is not installed (Debian: libreoffice-draw-nogui): "
                  "metafiles cannot be drawn here");
        const QString dir = testTempDir();
        const QString report = dir + "/m.sup";
        QCOMPARE(runCli({"new", report}).exitCode, 0);
        writeFile(dir + "/Shapes.wmf", twoRectangleMetafile());
        const CliResult r =
            runCliPatiently({"import", report, dir + "/Shapes.wmf", "--folder", "P"});
        QVERIFY2(r.exitCode == 0 && r.err.isEmpty(), r.err.constData());
        QVERIFY(runCli({"tree", report}).out.contains("    Shapes  [picture, data 3]\n"));
        const QByteArray stored = runCli({"cat", report, "3"}).out;
        QVERIFY(stored.startsWith("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(stored.constData() + 28), quint16(24));
        QCOMPARE(runCli({"save", report, "3", "--to", dir + "/shapes.png"}).exitCode, 0);
        const QImage shown(dir + "/shapes.png");
        // The red rectangle lies left of the blue one, both of the same size;
        // the page LibreOffice draws on is cut away to the drawing.
        QRect red, blue;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb p = shown.pixel(x, y);
                if (qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60)
                    red |= QRect(x, y, 1, 1);
                else if (qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60)
                    blue |= QRect(x, y, 1, 1);
            }
        QVERIFY2(!red.isEmpty() && !blue.isEmpty(),
                 qPrintable(QString("%1 x %2").arg(shown.width()).arg(shown.height())));
        QVERIFY(red.right() <= blue.left());
        QVERIFY(qAbs(red.width() - blue.width()) <= 2);
        QVERIFY(qAbs(red.height() - blue.height()) <= 2);
        QVERIFY(qAbs(red.width() - red.height()) <= 2); // each is square
        QVERIFY2(red.united(blue).adjusted(-3, -3, 3, 3).contains(shown.rect()),
                 qPrintable(QString("%1 x %2").arg(shown.width()).arg(shown.height())));
    }
};

TESSARY_TEST(TestCliImport)
#include "tst_import.moc"
