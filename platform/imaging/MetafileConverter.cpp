#include "platform/imaging/MetafileConverter.h"

#include "platform/TessaryError.h"
#include "platform/imaging/ImagingLogging.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace {

QString &programOverride()
{
    static QString path;
    return path;
}

int &timeoutMs()
{
    static int ms = 120000;
    return ms;
}

QString tail(const QByteArray &output)
{
    const QString text = QString::fromLocal8Bit(output).trimmed();
    return text.size() > 300 ? text.right(300) : text;
}

} // namespace

bool MetafileConverter::isMetafile(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == QLatin1String("wmf") || suffix == QLatin1String("emf");
}

QString MetafileConverter::program()
{
    if (!programOverride().isEmpty())
        return programOverride();
    for (const char *name : {"soffice", "libreoffice"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

void MetafileConverter::setProgram(const QString &path)
{
    programOverride() = path;
}

void MetafileConverter::setTimeout(int milliseconds)
{
    timeoutMs() = qMax(1, milliseconds);
}

int MetafileConverter::timeout()
{
    return timeoutMs();
}

QImage MetafileConverter::render(const QString &fileName)
{
    const QFileInfo source(fileName);
    if (!source.isFile())
        throw TessaryError(
            QCoreApplication::translate("Imaging", "The picture file \"%1\" does not exist.")
                .arg(source.fileName()));
    const QString exe = program();
    if (exe.isEmpty())
        throw TessaryError(
            QCoreApplication::translate(
                "Imaging",
                "Windows metafiles such as \"%1\" are read through LibreOffice, which is "
                "not installed. Install the package libreoffice-draw (Debian: apt "
                "install libreoffice-draw) and import the file again.")
                .arg(source.fileName()));

    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/tessary-metafile-XXXXXX"));
    if (!work.isValid())
        throw TessaryError(QCoreApplication::translate(
                               "Imaging", "Cannot make a scratch folder for converting \"%1\": %2")
                               .arg(source.fileName(), work.errorString()));
    const QString outDir = work.filePath(QStringLiteral("out"));
    QDir().mkpath(outDir);
    const QString profile =
        QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString();

    QProcess proc;
    proc.setProgram(exe);
    proc.setArguments({QStringLiteral("-env:UserInstallation=") + profile,
                       QStringLiteral("--headless"), QStringLiteral("--norestore"),
                       QStringLiteral("--convert-to"), QStringLiteral("png"),
                       QStringLiteral("--outdir"), outDir, source.absoluteFilePath()});
    qCDebug(lcImaging) << "Converting metafile:" << exe << proc.arguments();
    proc.start();
    if (!proc.waitForStarted(10000))
        throw TessaryError(
            QCoreApplication::translate("Imaging", "LibreOffice (%1) could not be started: %2")
                .arg(exe, proc.errorString()));
    if (!proc.waitForFinished(timeoutMs())) {
        proc.kill();
        proc.waitForFinished(5000);
        throw TessaryError(QCoreApplication::translate(
                               "Imaging", "LibreOffice did not convert \"%1\" within %2 seconds.")
                               .arg(source.fileName())
                               .arg(timeoutMs() / 1000.0));
    }
    // LibreOffice exits with 0 even when it converted nothing: the output file decides.
    const QString png = QDir(outDir).filePath(source.completeBaseName() + QStringLiteral(".png"));
    QImageReader reader(png, "png");
    QImage image = QFileInfo::exists(png) ? reader.read() : QImage();
    if (image.isNull()) {
        QString detail = tail(proc.readAllStandardError());
        if (detail.isEmpty())
            detail = tail(proc.readAllStandardOutput());
        throw TessaryError(
            QCoreApplication::translate("Imaging",
                                        "LibreOffice could not convert the metafile \"%1\"%2")
                .arg(source.fileName(),
                     detail.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + detail));
    }
    return cropToDrawing(image);
}

QImage MetafileConverter::cropToDrawing(const QImage &page)
{
    if (page.isNull())
        return page;
    const QImage img = page.convertToFormat(QImage::Format_ARGB32);
    const QRgb background = img.pixel(0, 0);
    const int w = img.width();
    const int h = img.height();
    int left = w, right = -1, top = h, bottom = -1;
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        int first = -1;
        int last = -1;
        for (int x = 0; x < w; ++x)
            if (line[x] != background) {
                first = x;
                break;
            }
        if (first < 0)
            continue;
        for (int x = w - 1; x >= first; --x)
            if (line[x] != background) {
                last = x;
                break;
            }
        left = qMin(left, first);
        right = qMax(right, last);
        top = qMin(top, y);
        bottom = y;
    }
    if (right < 0)
        return page;
    return page.copy(QRect(QPoint(left, top), QPoint(right, bottom)));
}
