#include "TestPictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>
#include <cmath>

namespace TestPictures {

QImage gradient(int width, int height)
{
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double dx = x - width * 0.35;
            const double dy = y - height * 0.4;
            const double glow = std::exp(-(dx * dx + dy * dy) / (0.08 * width * height + 1));
            const int r = int(255.0 * x / qMax(1, width - 1) * 0.7 + 70 * glow);
            const int g = int(200.0 * y / qMax(1, height - 1) * 0.8 + 60 * glow);
            const int b = int(150 + 80 * std::sin(x * 0.01 + y * 0.013));
            line[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
        }
    }
    return img;
}

QImage drawing(int width, int height)
{
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(20, 40, 160), 3));
    p.drawRect(width / 8, height / 8, width / 2, height / 2);
    p.setPen(QPen(QColor(200, 30, 30), 2));
    for (int i = 0; i < 6; ++i)
        p.drawLine(0, i * height / 6, width - 1, height - 1 - i * height / 7);
    p.fillRect(width * 2 / 3, height * 2 / 3, width / 5, height / 5, QColor(30, 150, 60));
    return img;
}

QImage halves(int width, int height)
{
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(QColor(0, 0, 255));
    QPainter p(&img);
    p.fillRect(0, 0, width / 2, height, QColor(255, 0, 0));
    return img;
}

QByteArray withExifOrientation(const QByteArray &jpeg, int orientation)
{
    QByteArray tiff;
    auto put16 = [&](quint16 v) {
        uchar b[2];
        qToBigEndian(v, b);
        tiff.append(reinterpret_cast<const char *>(b), 2);
    };
    auto put32 = [&](quint32 v) {
        uchar b[4];
        qToBigEndian(v, b);
        tiff.append(reinterpret_cast<const char *>(b), 4);
    };
    tiff.append("MM", 2);
    put16(42);
    put32(8);      // offset of the first IFD
    put16(1);      // one entry
    put16(0x0112); // Orientation
    put16(3);      // SHORT
    put32(1);      // one value
    put16(quint16(orientation));
    put16(0); // padding of the 4-byte value field
    put32(0); // no next IFD

    QByteArray app1("Exif\0\0", 6);
    app1 += tiff;
    QByteArray segment;
    segment.append(char(0xFF));
    segment.append(char(0xE1));
    uchar len[2];
    qToBigEndian(quint16(app1.size() + 2), len);
    segment.append(reinterpret_cast<const char *>(len), 2);
    segment += app1;
    QByteArray out = jpeg;
    out.insert(2, segment);
    return out;
}

QByteArray encode(const QImage &image, const char *format, int quality)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, format);
    w.setQuality(quality);
    w.write(image);
    return out;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<int> jpegMarkers(const QByteArray &jpeg)
{
    QList<int> markers;
    int i = 2;
    while (i + 4 <= jpeg.size() && uchar(jpeg[i]) == 0xFF) {
        const int marker = uchar(jpeg[i + 1]);
        markers << marker;
        if (marker == 0xDA)
            break;
        const int len = (uchar(jpeg[i + 2]) << 8) | uchar(jpeg[i + 3]);
        i += 2 + len;
    }
    return markers;
}

int jpegFirstQuantStep(const QByteArray &jpeg)
{
    int i = 2;
    while (i + 5 <= jpeg.size() && uchar(jpeg[i]) == 0xFF) {
        const int marker = uchar(jpeg[i + 1]);
        const int len = (uchar(jpeg[i + 2]) << 8) | uchar(jpeg[i + 3]);
        if (marker == 0xDB)
            return uchar(jpeg[i + 5]); // after the precision/table-id byte
        if (marker == 0xDA)
            break;
        i += 2 + len;
    }
    return -1;
}

int maxChannelDiff(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int worst = 0;
    for (int r = 0; r < x.height(); ++r) {
        const QRgb *p = reinterpret_cast<const QRgb *>(x.constScanLine(r));
        const QRgb *q = reinterpret_cast<const QRgb *>(y.constScanLine(r));
        for (int c = 0; c < x.width(); ++c) {
            worst = qMax(worst, qAbs(qRed(p[c]) - qRed(q[c])));
            worst = qMax(worst, qAbs(qGreen(p[c]) - qGreen(q[c])));
            worst = qMax(worst, qAbs(qBlue(p[c]) - qBlue(q[c])));
        }
    }
    return worst;
}

double meanChannelDiff(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return 1e9;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int r = 0; r < x.height(); ++r) {
        const QRgb *p = reinterpret_cast<const QRgb *>(x.constScanLine(r));
        const QRgb *q = reinterpret_cast<const QRgb *>(y.constScanLine(r));
        for (int c = 0; c < x.width(); ++c)
            sum += qAbs(qRed(p[c]) - qRed(q[c])) + qAbs(qGreen(p[c]) - qGreen(q[c])) +
                   qAbs(qBlue(p[c]) - qBlue(q[c]));
    }
    return sum / (3.0 * x.width() * x.height());
}

QString writeScript(const QString &path, const QString &body)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
        f.write("#!/bin/sh\n");
        f.write(body.toUtf8());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return path;
}

} // namespace TestPictures
