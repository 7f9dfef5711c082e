#include "platform/chart/ChartExport.h"

#include "platform/TessaryError.h"
#include "platform/chart/TChart.h"
#include "platform/dialogs/Dialogs.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

QSize ChartExport::pictureSize(const TChart &chart, QSize size)
{
    if (size.isValid() && !size.isEmpty())
        return size;
    if (chart.width() > 50 && chart.height() > 50 && chart.isVisible())
        return chart.size();
    return QSize(900, 560);
}

QStringList ChartExport::extensions()
{
    return {QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
            QStringLiteral("bmp"), QStringLiteral("svg"), QStringLiteral("pdf"),
            QStringLiteral("kcx")};
}

void ChartExport::saveByExtension(TChart &chart, const QString &fileName, QSize size)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    if (ext == QLatin1String("png"))
        saveImage(chart, fileName, "png", size);
    else if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        saveImage(chart, fileName, "jpeg", size);
    else if (ext == QLatin1String("bmp"))
        saveImage(chart, fileName, "bmp", size);
    else if (ext == QLatin1String("svg"))
        saveSvg(chart, fileName, size);
    else if (ext == QLatin1String("pdf"))
        savePdf(chart, fileName);
    else if (ext == QLatin1String("kcx"))
        chart.saveToFile(fileName);
    else
        throw TessaryError(QObject::tr("A chart cannot be written as \"%1\".").arg(ext));
}

void ChartExport::saveImage(TChart &chart, const QString &fileName, const char *format, QSize size)
{
    // 24-bit picture, no transparency: the chart is drawn onto its own background.
    const QImage image =
        chart.toImage(pictureSize(chart, size)).convertToFormat(QImage::Format_RGB888);
    QImageWriter writer(fileName, format);
    if (qstrcmp(format, "jpeg") == 0)
        writer.setQuality(92);
    if (!writer.write(image))
        throw TessaryError(
            QObject::tr("Cannot write the picture %1: %2").arg(fileName, writer.errorString()));
}

QByteArray ChartExport::svg(TChart &chart, QSize size)
{
    size = pictureSize(chart, size);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator gen;
    gen.setOutputDevice(&buffer);
    gen.setSize(size);
    gen.setViewBox(QRect(QPoint(0, 0), size));
    gen.setTitle(chart.title());
    gen.setDescription(QObject::tr("Chart"));
    QPainter p(&gen);
    chart.draw(p, QRect(QPoint(0, 0), size));
    p.end();
    return bytes;
}

void ChartExport::saveSvg(TChart &chart, const QString &fileName, QSize size)
{
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(svg(chart, size)) < 0 || !f.flush())
        throw TessaryError(
            QObject::tr("Cannot write the picture %1: %2").arg(fileName, f.errorString()));
}

void ChartExport::savePdf(TChart &chart, const QString &fileName)
{
    {
        QFile probe(fileName);
        if (!probe.open(QIODevice::WriteOnly))
            throw TessaryError(
                QObject::tr("Cannot write the document %1: %2").arg(fileName, probe.errorString()));
    }
    QPdfWriter writer(fileName);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setResolution(300);
    writer.setTitle(chart.title());
    writer.setCreator(QStringLiteral("Tessary"));
    QPainter p(&writer);
    if (!p.isActive())
        throw TessaryError(QObject::tr("Cannot write the document %1.").arg(fileName));
    // Drawn at about screen scale, then scaled to the page: text keeps its proportions.
    const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
    const double scale = writer.resolution() / 96.0;
    const QSize logical(int(page.width() / scale), int(page.height() / scale));
    p.scale(scale, scale);
    chart.draw(p, QRect(QPoint(0, 0), logical));
    p.end();
}

void ChartExport::copyBitmap(TChart &chart, QSize size)
{
    const QImage image = chart.toImage(pictureSize(chart, size));
    auto *mime = new QMimeData;
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    image.save(&buf, "PNG");
    mime->setData(QStringLiteral("image/png"), png);
    mime->setImageData(image);
    QApplication::clipboard()->setMimeData(mime);
}

void ChartExport::copySvg(TChart &chart, QSize size)
{
    auto *mime = new QMimeData;
    mime->setData(QStringLiteral("image/svg+xml"), svg(chart, size));
    QApplication::clipboard()->setMimeData(mime);
}

void ChartExport::print(TChart &chart, QPrinter *printer)
{
    QPainter p(printer);
    if (!p.isActive())
        throw TessaryError(QObject::tr("The printer could not be started."));
    const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
    const QMargins m = chart.printMargins();
    const QRect area(QPoint(page.width() * m.left() / 100, page.height() * m.top() / 100),
                     QPoint(page.width() * (100 - m.right()) / 100 - 1,
                            page.height() * (100 - m.bottom()) / 100 - 1));
    // Resolution 0 draws at screen scale; negative values draw finer (more
    // logical pixels on the page, so text and lines come out smaller).
    double scale = printer->resolution() / 96.0;
    if (chart.printResolution() < 0)
        scale /= 1.0 + qMin(100, -chart.printResolution()) / 100.0;
    else if (chart.printResolution() > 0)
        scale *= 1.0 + qMin(100, chart.printResolution()) / 100.0;
    p.translate(area.topLeft());
    p.scale(scale, scale);
    chart.draw(p, QRect(0, 0, int(area.width() / scale), int(area.height() / scale)));
    p.end();
}

bool ChartExport::printPreview(TChart &chart, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(chart.title().isEmpty() ? QObject::tr("Chart") : chart.title());
    return dialogs().printPreview(parent, &printer,
                                  [&chart](QPrinter *target) { print(chart, target); });
}
