#include "platform/grid/GridDocx.h"

#include "platform/TessaryError.h"
#include "platform/grid/GridData.h"
#include "platform/grid/GridHtml.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace GridDocx {

void runPandoc(const QStringList &arguments, int timeoutMs)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(QStringLiteral("pandoc"), arguments);
    if (!p.waitForStarted(10000))
        throw TessaryError(QCoreApplication::translate(
            "Grid", "The word-processor document cannot be written: pandoc "
                    "is not installed (install the package \"pandoc\")."));
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(2000);
        throw TessaryError(QCoreApplication::translate(
                               "Grid", "The word-processor document cannot be written: pandoc "
                                       "did not finish within %1 seconds.")
                               .arg(timeoutMs / 1000));
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        const QString err = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        throw TessaryError(
            QCoreApplication::translate("Grid",
                                        "The word-processor document cannot be written: pandoc "
                                        "failed (%1).")
                .arg(err.isEmpty()
                         ? QCoreApplication::translate("Grid", "exit code %1").arg(p.exitCode())
                         : err.left(300)));
    }
}

void write(const GridData &grid, const QString &fileName, const QString &title)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        throw TessaryError(QCoreApplication::translate(
            "Grid", "Cannot create a scratch folder for the document."));
    const QString html = dir.filePath(QStringLiteral("table.html"));
    QFile f(html);
    if (!f.open(QIODevice::WriteOnly) || f.write(GridHtml::document(grid, title)) < 0)
        throw TessaryError(
            QCoreApplication::translate("Grid", "Cannot write the scratch file %1.").arg(html));
    f.close();
    const QString out = dir.filePath(QStringLiteral("table.docx"));
    runPandoc({QStringLiteral("-f"), QStringLiteral("html"), QStringLiteral("-t"),
               QStringLiteral("docx"), QStringLiteral("-o"), out, html});
    if (!QFileInfo::exists(out))
        throw TessaryError(QCoreApplication::translate("Grid", "pandoc wrote no document."));
    QFile::remove(fileName);
    if (!QFile::copy(out, fileName))
        throw TessaryError(
            QCoreApplication::translate("Grid", "Cannot create the file %1.").arg(fileName));
}

} // namespace GridDocx
