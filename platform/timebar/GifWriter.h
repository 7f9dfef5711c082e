#pragma once

#include <QImage>
#include <QString>

// Writes a picture as a GIF file (giflib). The colours are reduced to a
// palette of at most 256 entries by median cut over a 15-bit colour histogram;
// a picture with no more than 256 distinct colours keeps them exactly.
class GifWriter
{
public:
    // Throws TessaryError when the file cannot be written.
    static void Write(const QImage &image, const QString &fileName);
    // The palette and the per-pixel indexes the writer would use (exposed for tests).
    static QVector<QRgb> Palette(const QImage &image, QByteArray *indexes);
};
