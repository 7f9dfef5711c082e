#include "platform/convert/Converters.h"

#include "platform/TessaryError.h"
#include "platform/convert/ConvertLogging.h"
#include "platform/convert/ToolProcess.h"
#include "platform/wordproc/DocumentForm.h"
#include "platform/wordproc/DocumentImages.h"
#include "platform/wordproc/ReportHtml.h"
#include "platform/wordproc/RtfWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUrl>

namespace Converters {

namespace {

ToolProcess pandoc()
{
    return ToolProcess(QStringLiteral("pandoc"), {QStringLiteral("pandoc")},
                       QStringLiteral("pandoc"));
}

ToolProcess libreOffice()
{
    return ToolProcess(QStringLiteral("LibreOffice"),
                       {QStringLiteral("soffice"), QStringLiteral("libreoffice")},
                       QStringLiteral("libreoffice-writer"));
}

QTemporaryDir makeWorkDir()
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tessary-convert-XXXXXX"));
    if (!dir.isValid())
        throw TessaryError(
            QCoreApplication::translate("Converters",
                                        "No temporary folder could be made for a conversion: %1")
                .arg(dir.errorString()));
    return dir;
}

QByteArray readFile(const QString &path, const QString &what)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TessaryError(
            QCoreApplication::translate("Converters", "The conversion of \"%1\" produced no file.")
                .arg(what));
    return file.readAll();
}

// Qt writes character styles as CSS on spans, which pandoc does not read; the same
// styles as elements (<strong>, <em>, <u>, <del>, <sub>, <sup>) survive the conversion.
QString semanticHtml(const QString &html)
{
    const QString out = ReportHtml::spanStylesAsElements(html);
    // A heading is bold by its style already.
    static const QRegularExpression heading(QStringLiteral("<h([1-6])([^>]*)>(.*?)</h\\1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QString result;
    qsizetype copied = 0;
    auto h = heading.globalMatch(out);
    while (h.hasNext()) {
        const QRegularExpressionMatch m = h.next();
        QString inner = m.captured(3);
        inner.remove(QLatin1String("<strong>")).remove(QLatin1String("</strong>"));
        result += QStringView(out).mid(copied, m.capturedStart(3) - copied);
        result += inner;
        copied = m.capturedEnd(3);
    }
    result += QStringView(out).mid(copied);
    return result;
}

QString lowerSuffix(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toLower();
}

} // namespace

bool pandocAvailable()
{
    return pandoc().available();
}

bool libreOfficeAvailable()
{
    return libreOffice().available();
}

QByteArray importToHtml(const QString &fileName, int timeoutMs)
{
    const QFileInfo info(fileName);
    const QString what = info.fileName();
    if (!info.isFile())
        throw TessaryError(
            QCoreApplication::translate("Converters", "The file \"%1\" does not exist.")
                .arg(fileName));
    const QString suffix = info.suffix().toLower();
    QTemporaryDir work = makeWorkDir();
    if (suffix == QLatin1String("docx") || suffix == QLatin1String("odt")) {
        const QString out = work.filePath(QStringLiteral("out.html"));
        pandoc().run({QStringLiteral("-f"), suffix, QStringLiteral("-t"), QStringLiteral("html5"),
                      QStringLiteral("-s"), QStringLiteral("--self-contained"),
                      QStringLiteral("--metadata"),
                      QStringLiteral("pagetitle=") + info.completeBaseName(), QStringLiteral("-o"),
                      out, info.absoluteFilePath()},
                     work.path(), timeoutMs, what);
        return readFile(out, what);
    }
    if (suffix == QLatin1String("doc") || suffix == QLatin1String("wpd")) {
        const QString outDir = work.filePath(QStringLiteral("out"));
        QDir().mkpath(outDir);
        const QString profile = QUrl::fromLocalFile(work.filePath(QStringLiteral("profile")))
                                    .toString(QUrl::FullyEncoded);
        libreOffice().run({QStringLiteral("--headless"), QStringLiteral("--norestore"),
                           QStringLiteral("--nologo"), QStringLiteral("--nolockcheck"),
                           QStringLiteral("-env:UserInstallation=") + profile,
                           QStringLiteral("--convert-to"), QStringLiteral("html"),
                           QStringLiteral("--outdir"), outDir, info.absoluteFilePath()},
                          work.path(), timeoutMs, what);
        // LibreOffice reports success even when it wrote nothing: look for the file.
        const QString out = outDir + u'/' + info.completeBaseName() + QStringLiteral(".html");
        if (!QFileInfo::exists(out))
            throw TessaryError(
                QCoreApplication::translate(
                    "Converters", "LibreOffice could not convert \"%1\": it wrote no document.")
                    .arg(what));
        const QString html = DocumentForm::decodeText(readFile(out, what));
        return DocumentImages::embedFiles(html, outDir).toUtf8();
    }
    throw TessaryError(QCoreApplication::translate(
                           "Converters", "Files of type \".%1\" cannot be converted to a document.")
                           .arg(suffix));
}

void exportHtml(const QByteArray &html, const QString &fileName, int timeoutMs)
{
    const QString suffix = lowerSuffix(fileName);
    const QString what = QFileInfo(fileName).fileName();
    const QString target = QFileInfo(fileName).absoluteFilePath();
    if (suffix == QLatin1String("docx") || suffix == QLatin1String("odt")) {
        QTemporaryDir work = makeWorkDir();
        const QString in = work.filePath(QStringLiteral("in.html"));
        QFile file(in);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(semanticHtml(DocumentForm::decodeText(html)).toUtf8()) < 0)
            throw TessaryError(QCoreApplication::translate(
                "Converters", "The document could not be written for conversion."));
        file.close();
        pandoc().run({QStringLiteral("-f"), QStringLiteral("html"), QStringLiteral("-t"), suffix,
                      QStringLiteral("-o"), target, in},
                     work.path(), timeoutMs, what);
        if (!QFileInfo::exists(target))
            throw TessaryError(
                QCoreApplication::translate("Converters", "pandoc wrote no file \"%1\".")
                    .arg(what));
        return;
    }
    if (suffix == QLatin1String("pdf")) {
        QTextDocument doc;
        DocumentForm::load(html, &doc);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        doc.print(&printer);
        if (QFileInfo(target).size() <= 0)
            throw TessaryError(QCoreApplication::translate(
                                   "Converters", "The PDF file \"%1\" could not be written.")
                                   .arg(what));
        return;
    }
    QByteArray bytes;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm")) {
        bytes = html;
    } else if (suffix == QLatin1String("rtf")) {
        QTextDocument doc;
        DocumentForm::load(html, &doc);
        bytes = RtfWriter::write(&doc);
    } else if (suffix == QLatin1String("txt")) {
        QTextDocument doc;
        DocumentForm::load(html, &doc);
        bytes = doc.toPlainText().toUtf8();
    } else {
        throw TessaryError(QCoreApplication::translate(
                               "Converters", "Documents cannot be written as \".%1\" files.")
                               .arg(suffix));
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TessaryError(
            QCoreApplication::translate("Converters", "The file \"%1\" could not be written: %2")
                .arg(what, file.errorString()));
}

} // namespace Converters
