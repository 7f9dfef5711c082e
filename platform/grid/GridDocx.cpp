#include "platform/grid/GridDocx.h"

#include "platform/TessaryError.h"
#include "platform/grid/GridData.h"
#include "platform/grid/GridHtml.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QProcess>
#include <QRegularExpression>
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

QVector<double> columnPercents(const GridData &grid)
{
    // The converter drops the cells' fonts: a table is set in the document's
    // 12-point body font on a page whose text is 6.5 inches (624 pixels at
    // 96 dpi) wide, with about 0.08 inch of cell margin on each side.
    const double textWidth = 624.0;
    const double margin = 16.0;
    // Enough rows to find the long words of a table a reader goes through; a
    // 100,000-row table is not measured to its end.
    const int measuredRows = qMin(grid.rowCount(), 2000);
    QFont plain(QStringLiteral("Cambria"));
    plain.setPointSizeF(12.0);
    QFont bold = plain;
    bold.setBold(true);
    const QFontMetricsF plainMetrics(plain);
    const QFontMetricsF boldMetrics(bold);

    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    QVector<double> wanted;
    for (int c = 0; c < grid.columnCount(); ++c) {
        if (grid.isColumnHidden(c))
            continue;
        double widest = grid.columnWidth(c);
        for (int r = 0; r < measuredRows; ++r) {
            const QString text = grid.text(r, c);
            if (text.isEmpty())
                continue;
            const bool strong = grid.isFixed(r, c) || grid.fontFor(grid.format(r, c), false).bold();
            const QFontMetricsF &fm = strong ? boldMetrics : plainMetrics;
            const QStringList pieces =
                text.split(grid.multiLine() ? spaces : lineBreaks, Qt::SkipEmptyParts);
            for (const QString &piece : pieces)
                widest = qMax(widest, fm.horizontalAdvance(piece) + margin);
        }
        wanted << widest;
    }
    double total = 0;
    for (double w : wanted)
        total += w;
    const double scale = total > textWidth ? textWidth / total : 1.0;
    QVector<double> percents;
    for (double w : wanted)
        percents << w * scale * 100.0 / textWidth;
    return percents;
}

void write(const GridData &grid, const QString &fileName, const QString &title)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        throw TessaryError(QCoreApplication::translate(
            "Grid", "Cannot create a scratch folder for the document."));
    const QString html = dir.filePath(QStringLiteral("table.html"));
    QFile f(html);
    if (!f.open(QIODevice::WriteOnly) ||
        f.write(GridHtml::document(grid, title, columnPercents(grid))) < 0)
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
