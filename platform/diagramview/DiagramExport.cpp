#include "platform/diagramview/DiagramExport.h"

#include "platform/diagramview/DiagramScene.h"

#include <QBuffer>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>
#include <cmath>

namespace {
constexpr int UnitsPerInch = 96;

QRectF sourceRect(DiagramScene *scene)
{
    QRectF r = scene->diagramRect();
    if (r.isNull())
        r = QRectF(0, 0, 1, 1);
    return r.adjusted(-DiagramExport::Margin, -DiagramExport::Margin, DiagramExport::Margin,
                      DiagramExport::Margin);
}

// Selection handles are left out while the scene draws for an export.
class ExportGuard
{
public:
    explicit ExportGuard(DiagramScene *scene) : m_scene(scene) { scene->setExporting(true); }
    ~ExportGuard() { m_scene->setExporting(false); }

private:
    DiagramScene *m_scene;
};
} // namespace

void DiagramExport::render(DiagramScene *scene, QPainter *painter, const QRectF &target)
{
    ExportGuard guard(scene);
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                            QPainter::SmoothPixmapTransform);
    painter->fillRect(target, Qt::white);
    scene->render(painter, target, sourceRect(scene), Qt::KeepAspectRatio);
}

QImage DiagramExport::toBitmap(DiagramScene *scene, double scale)
{
    const QRectF source = sourceRect(scene);
    scale = std::max(scale, 1e-3);
    const double longest = std::max(source.width(), source.height()) * scale;
    if (longest > MaxBitmapSide)
        scale *= MaxBitmapSide / longest;
    const QSize size(std::max(1, int(std::ceil(source.width() * scale))),
                     std::max(1, int(std::ceil(source.height() * scale))));
    return toImage(scene, size);
}

QImage DiagramExport::toImage(DiagramScene *scene, const QSize &size)
{
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(UnitsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(UnitsPerInch / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    render(scene, &painter, QRectF(QPointF(), QSizeF(image.size())));
    return image;
}

QByteArray DiagramExport::toSvg(DiagramScene *scene)
{
    const QRectF source = sourceRect(scene);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(UnitsPerInch);
    generator.setSize(source.size().toSize());
    generator.setViewBox(QRectF(QPointF(), source.size()));
    generator.setTitle(QStringLiteral("Diagram"));
    QPainter painter(&generator);
    render(scene, &painter, QRectF(QPointF(), source.size()));
    painter.end();
    return bytes;
}

void DiagramExport::print(DiagramScene *scene, QPrinter *printer)
{
    QPainter painter(printer);
    if (!painter.isActive())
        return;
    // The painter starts at the top left corner of the printable area.
    const QRect area = printer->pageLayout().paintRectPixels(printer->resolution());
    render(scene, &painter, QRectF(QPointF(), QSizeF(area.size())));
}
