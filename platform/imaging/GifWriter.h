#pragma once

#include <QByteArray>
#include <QImage>

// GIF89a through giflib: one frame, no transparency. A picture with at most 256
// colours keeps them exactly (line drawings, charts); a photograph is reduced
// to 256 colours by median cut (MedianCut).
class GifWriter
{
public:
    // The GIF file image of the picture. Throws TessaryError for an empty
    // picture, one wider or higher than 65535 pixels, or an encoder failure.
    static QByteArray encode(const QImage &picture);
};
