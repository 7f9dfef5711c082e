#include "export/WordExport.h"

#include "export/HtmlRtfLibrary.h"
#include "export/WordExportLog.h"
#include "platform/TessaryError.h"
#include "platform/convert/ToolProcess.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/wordproc/DocumentForm.h"
#include "platform/wordproc/ReportHtml.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

namespace WordExport {

namespace {

ToolProcess pandoc()
{
    return ToolProcess(QStringLiteral("pandoc"), {QStringLiteral("pandoc")},
                       QStringLiteral("pandoc"));
}

// The file name with the extension of its last path element replaced (or appended).
QString withExtension(const QString &fileName, const QString &extension)
{
    const int slash = int(std::max(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\')));
    const int dot = int(fileName.lastIndexOf(u'.'));
    if (dot > slash)
        return fileName.left(dot) + extension;
    return fileName + extension;
}

} // namespace

QString saveFilter()
{
    return QCoreApplication::translate("WordExport",
                                       "MS Word (*.doc)|*.doc|Rich Text Format (*.rtf)|*.rtf|"
                                       "Word document (*.docx)|*.docx");
}

QString targetFileName(const QString &fileName, int filterIndex)
{
    const QString upper = fileName.toUpper();
    switch (filterIndex) {
    case 1:
        return upper.contains(QLatin1String(".DOC"))
                   ? fileName
                   : withExtension(fileName, QStringLiteral(".doc"));
    case 2:
        return upper.contains(QLatin1String(".RTF"))
                   ? fileName
                   : withExtension(fileName, QStringLiteral(".rtf"));
    case 3:
        return upper.contains(QLatin1String(".DOCX"))
                   ? fileName
                   : withExtension(fileName, QStringLiteral(".docx"));
    default:
        return fileName;
    }
}

Format formatOfFilter(int filterIndex)
{
    switch (filterIndex) {
    case 1:
        return Format::Doc;
    case 3:
        return Format::Docx;
    default:
        return Format::Rtf;
    }
}

Format formatOfFile(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("docx"))
        return Format::Docx;
    if (suffix == QLatin1String("doc"))
        return Format::Doc;
    return Format::Rtf;
}

HtmlToRtfOptions optionsFor(const QString &targetPath, int codePageIndex)
{
    HtmlToRtfOptions options = HtmlToRtf::defaultOptions();
    HtmlToRtf::setTarget(options, targetPath);
    options.codePageIndex = codePageIndex;
    return options;
}

int convertHtmlToRtf(const QString &htmlPath, const QString &targetPath, int codePageIndex,
                     HtmlRtfLibrary &library)
{
    const int index =
        codePageIndex == -1 ? HtmlToRtf::detectCodePageOfFile(htmlPath) : codePageIndex;
    const HtmlToRtfOptions options = optionsFor(targetPath, index);
    const int result =
        library.htmltortf_file(htmlPath.toLocal8Bit(), targetPath.toLocal8Bit(), options);
    library.flushlist();
    if (result != 0)
        qCWarning(lcWordExport) << "conversion of" << htmlPath << "to" << targetPath
                                << "ended with code" << result;
    return result;
}

int ConvertHTMLToRTF(const QString &htmlPath, const QString &targetPath, int codePageIndex,
                     HtmlRtfLibrary *library)
{
    std::unique_ptr<HtmlRtfLibrary> own;
    if (!library) {
        own = makeOwnHtmlRtfLibrary();
        library = own.get();
    }
    const int result = convertHtmlToRtf(htmlPath, targetPath, codePageIndex, *library);
    if (result != 0)
        dialogs().message(nullptr, HtmlToRtf::resultMessage(result), Dialogs::Icon::Error);
    return result;
}

bool docxAvailable()
{
    return pandoc().available();
}

void writeDocx(const QString &htmlPath, const QString &targetPath, int timeoutMs)
{
    const QFileInfo source(htmlPath);
    const QString what = QFileInfo(targetPath).fileName();
    QFile in(htmlPath);
    if (!in.open(QIODevice::ReadOnly))
        throw TessaryError(
            QCoreApplication::translate("WordExport", "The HTML file \"%1\" cannot be read.")
                .arg(htmlPath));
    const QByteArray raw = in.readAll();
    in.close();

    // The bytes in the character set the file declares, as the RTF conversion reads them.
    QString text;
    const int index = HtmlToRtf::detectCodePage(QString::fromLatin1(raw));
    if (index >= 1 && index <= HtmlToRtf::codePageNames().size()) {
        QStringDecoder decoder(HtmlToRtf::codePageNames().at(index - 1).toLatin1().constData());
        text = decoder.isValid() ? decoder.decode(raw) : DocumentForm::decodeText(raw);
    } else {
        text = DocumentForm::decodeText(raw);
    }
    const QString baseFolder = source.absolutePath();
    const QString html = ReportHtml::forPandoc(ReportHtml::clean(text).html, baseFolder);

    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/tessary-docx-XXXXXX"));
    if (!work.isValid())
        throw TessaryError(QCoreApplication::translate(
                               "WordExport", "No temporary folder could be made for \"%1\": %2")
                               .arg(what, work.errorString()));
    const QString cleaned = work.filePath(QStringLiteral("report.html"));
    QFile file(cleaned);
    const QByteArray bytes = html.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw TessaryError(QCoreApplication::translate(
                               "WordExport", "The document could not be prepared for \"%1\".")
                               .arg(what));
    file.close();

    const QString target = QFileInfo(targetPath).absoluteFilePath();
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    pandoc().run({QStringLiteral("-f"), QStringLiteral("html"), QStringLiteral("-t"),
                  QStringLiteral("docx"), QStringLiteral("--resource-path=") + baseFolder,
                  QStringLiteral("-o"), partial, cleaned},
                 work.path(), timeoutMs, what);
    if (QFileInfo(partial).size() <= 0) {
        QFile::remove(partial);
        throw TessaryError(
            QCoreApplication::translate("WordExport", "pandoc wrote no file \"%1\".").arg(what));
    }
    QFile::remove(target);
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        throw TessaryError(
            QCoreApplication::translate("WordExport", "The file \"%1\" could not be written.")
                .arg(targetPath));
    }
}

void exportHtmlToWordFile(const QString &htmlPath, const QString &targetPath, Format format)
{
    if (format == Format::Docx) {
        writeDocx(htmlPath, targetPath);
        return;
    }
    std::unique_ptr<HtmlRtfLibrary> library = makeOwnHtmlRtfLibrary();
    const int result = convertHtmlToRtf(htmlPath, targetPath, -1, *library);
    if (result != 0)
        throw TessaryError(
            QStringLiteral("\"%1\": %2")
                .arg(QFileInfo(targetPath).fileName(), HtmlToRtf::resultMessage(result)));
}

} // namespace WordExport
