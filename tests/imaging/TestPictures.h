#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Pictures and files for the imaging tests, made in the test so that every
// expected pixel is known.
namespace TestPictures {

// A smooth photograph-like picture: colour gradients and a soft highlight.
QImage gradient(int width, int height);
// A line drawing: white background, a few coloured lines and boxes (few colours).
QImage drawing(int width, int height);
// Left half red, right half blue (for checking orientation).
QImage halves(int width, int height);

// The same JPEG with an EXIF APP1 segment carrying only the orientation tag,
// inserted right after the start-of-image marker (big-endian TIFF header).
QByteArray withExifOrientation(const QByteArray &jpeg, int orientation);

QByteArray encode(const QImage &image, const char *format, int quality = -1);
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// Markers of a JPEG stream up to the start of scan (0xC0, 0xC2, 0xDB, …).
QList<int> jpegMarkers(const QByteArray &jpeg);
// The first value of the first quantization table (the luminance DC step).
int jpegFirstQuantStep(const QByteArray &jpeg);

// Largest difference of any channel between two pictures of the same size
// (-1 when the sizes differ), and the mean absolute difference.
int maxChannelDiff(const QImage &a, const QImage &b);
double meanChannelDiff(const QImage &a, const QImage &b);

// A file of the named shell script, made executable.
QString writeScript(const QString &path, const QString &body);

} // namespace TestPictures
