#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// Reads pictures into working bitmaps (24 bits per pixel, transparency over
// white). The decoders are Qt's image plugins (JPEG, PNG, GIF, BMP, SVG and,
// where the image-formats plugins are installed, TIFF, WebP and others) and
// LibreOffice for metafiles. EXIF orientation is applied while decoding.
class PictureReader
{
public:
    // Reads fileName with the decoder named by format ("jpeg", "gif", "png", …)
    // and nothing else: content of another format is an error. An empty format
    // is the generic reader, which picks the decoder by the file's extension.
    // Throws TessaryError with the file's name and the decoder's reason.
    static QImage readFile(const QString &fileName, const QByteArray &format = QByteArray());

    // Reads picture bytes as a host or this program stored them: a BMP of any
    // depth, or PNG, JPEG or GIF bytes, told apart by their content. Empty bytes
    // give a null image. Throws TessaryError on bytes that are no picture.
    static QImage readBytes(const QByteArray &bytes);

    // The decoder the generic reader uses for fileName's extension; empty when
    // the extension names no known picture format. "metafile" for .wmf/.emf.
    static QByteArray formatForExtension(const QString &fileName);

    // Extensions (lower case, without dot) the generic reader knows.
    static QStringList readableExtensions();

    // Filter for an open dialog in the "Label|patterns|…" form: all pictures
    // first, then one entry per format.
    static QString openFilter();
};
