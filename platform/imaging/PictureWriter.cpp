#include "platform/imaging/PictureWriter.h"

#include "platform/TessaryError.h"
#include "platform/imaging/Bmp24.h"
#include "platform/imaging/GifWriter.h"
#include "platform/imaging/ImagingLogging.h"
#include "platform/imaging/WorkingBitmap.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <functional>

namespace {

QString shortName(const QString &fileName)
{
    return QFileInfo(fileName).fileName();
}

void requirePicture(const QImage &picture, const QString &fileName)
{
    if (picture.isNull())
        throw TessaryError(
            QCoreApplication::translate("Imaging", "There is no picture to write to \"%1\".")
                .arg(shortName(fileName)));
}

// The picture without transparency: every format written here is opaque.
QImage opaque(const QImage &picture)
{
    if (picture.format() == WorkingBitmap::Format || !picture.hasAlphaChannel())
        return picture;
    return WorkingBitmap::fromImage(picture);
}

// Opens fileName for writing as a whole, lets write fill it, and commits.
void writeWhole(const QString &fileName, const std::function<void(QIODevice &)> &write)
{
    QSaveFile file(fileName);
    // Writing into the file in place (no rename) when the folder forbids
    // creating the scratch file is not attempted: the failure is reported.
    if (!file.open(QIODevice::WriteOnly))
        throw TessaryError(
            QCoreApplication::translate("Imaging", "Cannot write the picture file \"%1\": %2")
                .arg(shortName(fileName), file.errorString()));
    write(file);
    if (!file.commit())
        throw TessaryError(
            QCoreApplication::translate("Imaging", "Cannot write the picture file \"%1\": %2")
                .arg(shortName(fileName), file.errorString()));
}

void writeWithQt(const QImage &picture, const QString &fileName, const QByteArray &format,
                 int quality, bool progressive)
{
    requirePicture(picture, fileName);
    const QImage image = opaque(picture);
    writeWhole(fileName, [&](QIODevice &device) {
        QImageWriter writer(&device, format);
        writer.setQuality(quality);
        if (progressive)
            writer.setProgressiveScanWrite(true);
        if (!writer.write(image))
            throw TessaryError(
                QCoreApplication::translate("Imaging", "Cannot write the picture file \"%1\": %2")
                    .arg(shortName(fileName), writer.errorString()));
    });
}

} // namespace

QStringList PictureWriter::writableExtensions()
{
    return {QStringLiteral("png"), QStringLiteral("bmp"), QStringLiteral("jpg"),
            QStringLiteral("jpeg"), QStringLiteral("gif")};
}

void PictureWriter::writeFile(const QImage &picture, const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    if (ext == QLatin1String("png"))
        writePng(picture, fileName);
    else if (ext == QLatin1String("bmp"))
        writeBmp(picture, fileName);
    else if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        writeJpeg(picture, fileName);
    else if (ext == QLatin1String("gif"))
        writeGif(picture, fileName);
    else
        throw TessaryError(
            QCoreApplication::translate(
                "Imaging", "Pictures cannot be written as \".%1\" files; use .png, .bmp, .jpg or "
                           ".gif.")
                .arg(ext));
}

void PictureWriter::writePng(const QImage &picture, const QString &fileName)
{
    writeWithQt(picture, fileName, "png", -1, false);
}

void PictureWriter::writeJpeg(const QImage &picture, const QString &fileName, int quality,
                              bool progressive)
{
    writeWithQt(picture, fileName, "jpeg", qBound(0, quality, 100), progressive);
}

void PictureWriter::writeBmp(const QImage &picture, const QString &fileName)
{
    requirePicture(picture, fileName);
    const QByteArray bytes = Bmp24::encode(picture);
    writeWhole(fileName, [&](QIODevice &device) {
        if (device.write(bytes) != bytes.size())
            throw TessaryError(
                QCoreApplication::translate("Imaging", "Cannot write the picture file \"%1\": %2")
                    .arg(shortName(fileName), device.errorString()));
    });
}

void PictureWriter::writeGif(const QImage &picture, const QString &fileName)
{
    requirePicture(picture, fileName);
    const QByteArray bytes = GifWriter::encode(picture);
    writeWhole(fileName, [&](QIODevice &device) {
        if (device.write(bytes) != bytes.size())
            throw TessaryError(
                QCoreApplication::translate("Imaging", "Cannot write the picture file \"%1\": %2")
                    .arg(shortName(fileName), device.errorString()));
    });
}

QByteArray PictureWriter::pngBytes(const QImage &picture, int compressionQuality)
{
    QByteArray out;
    if (picture.isNull())
        return out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(compressionQuality);
    if (!writer.write(opaque(picture)))
        throw TessaryError(
            QCoreApplication::translate("Imaging", "Cannot make a PNG of the picture: %1")
                .arg(writer.errorString()));
    return out;
}
