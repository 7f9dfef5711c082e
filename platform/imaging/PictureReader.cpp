#include "platform/imaging/PictureReader.h"

#include "platform/TessaryError.h"
#include "platform/imaging/Bmp24.h"
#include "platform/HugePages.h"
#include "platform/imaging/ImagingLogging.h"
#include "platform/imaging/MetafileConverter.h"
#include "platform/imaging/WorkingBitmap.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// Pictures of up to about a gigabyte decoded (Qt's default stops at 256 MB,
// which a 64-megapixel photograph already exceeds).
void raiseAllocationLimit()
{
    static const bool done = [] {
        if (QImageReader::allocationLimit() < 1024)
            QImageReader::setAllocationLimit(1024);
        return true;
    }();
    Q_UNUSED(done);
}

bool hasDecoder(const QByteArray &format)
{
    return QImageReader::supportedImageFormats().contains(format);
}

struct FormatEntry
{
    const char *label;
    const char *format; // Qt's decoder key; "metafile" for LibreOffice
    QStringList extensions;
};

QList<FormatEntry> formatEntries()
{
    return {
        {QT_TRANSLATE_NOOP("Imaging", "JPEG Image File"), "jpeg", {"jpg", "jpeg", "jpe", "jfif"}},
        {QT_TRANSLATE_NOOP("Imaging", "Portable Network Graphics"), "png", {"png"}},
        {QT_TRANSLATE_NOOP("Imaging", "GIF Image"), "gif", {"gif"}},
        {QT_TRANSLATE_NOOP("Imaging", "Bitmaps"), "bmp", {"bmp", "dib"}},
        {QT_TRANSLATE_NOOP("Imaging", "Icons"), "ico", {"ico", "cur"}},
        {QT_TRANSLATE_NOOP("Imaging", "Scalable Vector Graphics"), "svg", {"svg", "svgz"}},
        {QT_TRANSLATE_NOOP("Imaging", "TIFF Image"), "tiff", {"tif", "tiff"}},
        {QT_TRANSLATE_NOOP("Imaging", "WebP Image"), "webp", {"webp"}},
        {QT_TRANSLATE_NOOP("Imaging", "Targa Image"), "tga", {"tga"}},
        {QT_TRANSLATE_NOOP("Imaging", "Metafiles"), "metafile", {"wmf", "emf"}},
    };
}

} // namespace

QByteArray PictureReader::formatForExtension(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix.isEmpty())
        return QByteArray();
    if (MetafileConverter::isMetafile(fileName))
        return QByteArrayLiteral("metafile");
    // The file-type names of the table first (".jpe", ".dib"), then any other
    // key a Qt decoder answers to (".ppm", ".xpm", ".wbmp", …).
    for (const FormatEntry &e : formatEntries()) {
        if (e.extensions.contains(suffix)) {
            const QByteArray fmt(e.format);
            return fmt == "bmp" || hasDecoder(fmt) ? fmt : QByteArray();
        }
    }
    const QByteArray key = suffix.toLatin1();
    return hasDecoder(key) ? key : QByteArray();
}

QImage PictureReader::readFile(const QString &fileName, const QByteArray &format)
{
    raiseAllocationLimit();
    const QFileInfo info(fileName);
    QByteArray decoder = format;
    if (decoder.isEmpty()) {
        decoder = formatForExtension(fileName);
        if (decoder.isEmpty())
            throw TessaryError(QCoreApplication::translate(
                                   "Imaging", "Unknown picture file extension (.%1) of \"%2\".")
                                   .arg(info.suffix(), info.fileName()));
    }
    if (decoder == "metafile")
        return WorkingBitmap::fromImage(MetafileConverter::render(fileName));
    if (!hasDecoder(decoder))
        throw TessaryError(
            QCoreApplication::translate("Imaging", "No %1 decoder is installed to read \"%2\".")
                .arg(QString::fromLatin1(decoder).toUpper(), info.fileName()));

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw TessaryError(
            QCoreApplication::translate("Imaging", "Cannot open the picture file \"%1\": %2")
                .arg(info.fileName(), file.errorString()));
    QImageReader reader(&file, decoder);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(true);
    // A large picture is decoded into a bitmap made beforehand in huge pages:
    // the decoders fill a given image of the right size and format.
    // The size is asked only of a file that starts like a picture of its
    // kind: on a damaged header some decoders print their own complaint,
    // which the read below reports properly.
    QImage image;
    const bool probe = reader.canRead();
    const QSize size = probe ? reader.size() : QSize();
    const QImage::Format pixelFormat = probe ? reader.imageFormat() : QImage::Format_Invalid;
    const qint64 pixels = size.isValid() ? qint64(size.width()) * size.height() : 0;
    const int depth = pixelFormat == QImage::Format_Invalid ? 0 : QImage(1, 1, pixelFormat).depth();
    const qint64 bytes = pixels * depth / 8;
    // Within the reader's own limit, which a given image would bypass.
    const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    if (pixels >= 1024 * 1024 && bytes > 0 && (limit <= 0 || bytes <= limit)) {
        image = QImage(size, pixelFormat);
        HugePages::advise(image.bits(), image.sizeInBytes());
    }
    if (!reader.read(&image))
        image = QImage();
    if (image.isNull())
        throw TessaryError(
            QCoreApplication::translate("Imaging", "Cannot read \"%1\" as a %2 picture: %3")
                .arg(info.fileName(), QString::fromLatin1(decoder).toUpper(),
                     reader.errorString()));
    qCDebug(lcImaging) << "Read" << fileName << "as" << decoder << image.size() << image.format();
    return WorkingBitmap::fromImage(std::move(image));
}

QImage PictureReader::readBytes(const QByteArray &bytes)
{
    raiseAllocationLimit();
    if (bytes.isEmpty())
        return QImage();
    QImage image = Bmp24::decode(bytes);
    if (!image.isNull())
        return image;

    QByteArray copy = bytes; // shares the data; QBuffer wants a non-const array
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QByteArray detected = reader.format();
    // Only raster formats a host may store are accepted; text formats such as
    // SVG or XPM would turn arbitrary bytes into a picture.
    static const QList<QByteArray> accepted = {"bmp", "png", "jpeg", "jpg", "gif", "tiff", "webp"};
    if (detected.isEmpty() || !accepted.contains(detected))
        throw TessaryError(QCoreApplication::translate(
            "Imaging",
            "The stored picture is not in a known picture format (BMP, PNG, JPEG or GIF)."));
    image = reader.read();
    if (image.isNull())
        throw TessaryError(
            QCoreApplication::translate("Imaging", "The stored %1 picture cannot be read: %2")
                .arg(QString::fromLatin1(detected).toUpper(), reader.errorString()));
    return WorkingBitmap::fromImage(std::move(image));
}

QStringList PictureReader::readableExtensions()
{
    QStringList out;
    for (const FormatEntry &e : formatEntries()) {
        const QByteArray fmt(e.format);
        if (fmt == "metafile" || fmt == "bmp" || hasDecoder(fmt))
            out << e.extensions;
    }
    return out;
}

QString PictureReader::openFilter()
{
    QStringList all;
    QStringList entries;
    for (const FormatEntry &e : formatEntries()) {
        const QByteArray fmt(e.format);
        if (fmt != "metafile" && fmt != "bmp" && !hasDecoder(fmt))
            continue;
        QStringList patterns;
        for (const QString &ext : e.extensions)
            patterns << QStringLiteral("*.") + ext;
        all << patterns;
        const QString joined = patterns.join(QLatin1Char(';'));
        entries << QStringLiteral("%1 (%2)|%2")
                       .arg(QCoreApplication::translate("Imaging", e.label), joined);
    }
    const QString joined = all.join(QLatin1Char(';'));
    entries.prepend(QCoreApplication::translate("Imaging", "All pictures (%1)|%1").arg(joined));
    return entries.join(QLatin1Char('|'));
}
