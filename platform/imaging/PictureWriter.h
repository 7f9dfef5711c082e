#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// Writes pictures to files: PNG (no transparent colour), BMP (24 bits per
// pixel), JPEG (quality and progressive scan) and GIF (palette of at most 256
// colours). Files are written whole or not at all (a failed write leaves an
// existing file as it was). Failures throw TessaryError naming the file.
class PictureWriter
{
public:
    // Extensions (lower case, without dot) writeFile accepts.
    static QStringList writableExtensions();

    // Writes in the format the extension of fileName names (png, bmp, jpg,
    // jpeg, gif); JPEG with quality 90, not progressive.
    static void writeFile(const QImage &picture, const QString &fileName);

    static void writePng(const QImage &picture, const QString &fileName);
    static void writeBmp(const QImage &picture, const QString &fileName);
    static void writeJpeg(const QImage &picture, const QString &fileName, int quality = 90,
                          bool progressive = false);
    static void writeGif(const QImage &picture, const QString &fileName);

    // The picture as PNG bytes. compressionQuality as QImageWriter takes it
    // (-1 default; higher is faster and larger).
    static QByteArray pngBytes(const QImage &picture, int compressionQuality = -1);
};
