#include "platform/diagramview/DiagramOverview.h"

#include "platform/diagramview/DiagramBlock.h"
#include "platform/diagramview/DiagramLink.h"
#include "platform/diagramview/DiagramLogging.h"
#include "platform/diagramview/DiagramScene.h"

#include <QLineF>
#include <QRegion>
#include <QVector>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace {
// The lines of one pen, drawn in one call.
struct PenBatch
{
    QPen pen;
    QVector<QLineF> lines;
};

// Pens are told apart by colour, style and width.
struct PenKey
{
    QRgb rgba;
    int style;
    double width;
    bool operator==(const PenKey &other) const
    {
        return rgba == other.rgba && style == other.style && width == other.width;
    }
};

struct PenKeyHash
{
    size_t operator()(const PenKey &key) const
    {
        quint64 bits;
        std::memcpy(&bits, &key.width, sizeof bits);
        return std::hash<quint64>()((quint64(key.rgba) << 8 ^ quint64(key.style)) ^ bits * 31);
    }
};

void drawLinks(QPainter *painter, const DiagramScene *scene, const QRectF &sceneRect, double scale)
{
    std::vector<PenBatch> batches;
    std::unordered_map<PenKey, size_t, PenKeyHash> index;
    std::vector<const DiagramLink *> labelled;
    for (int i = 0; i < scene->LinkCount(); ++i) {
        const DiagramLink *link = scene->Links(i);
        if (!link->isVisible() || !link->contentRect().intersects(sceneRect))
            continue;
        const QPen &pen = link->penAt(scale);
        const PenKey key{pen.color().rgba(), int(pen.style()), pen.widthF()};
        auto found = index.find(key);
        if (found == index.end()) {
            found = index.emplace(key, batches.size()).first;
            batches.push_back(PenBatch{pen, {}});
        }
        batches[found->second].lines.append(link->line());
        if (link->labelVisible())
            labelled.push_back(link);
    }
    // Lines: thousands of them at once; antialiasing would cost several
    // times the drawing and shows nothing at this size.
    const bool smooth = painter->testRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::Antialiasing, false);
    for (const PenBatch &batch : batches) {
        painter->setPen(batch.pen);
        painter->drawLines(batch.lines);
    }
    painter->setRenderHint(QPainter::Antialiasing, smooth);
    // Labels above every line, where they can be read.
    for (const DiagramLink *link : labelled)
        link->paintLabel(painter, scale);
}

// Blocks filled with a plain colour, gathered by fill and border so that the
// painter's state changes once per group, not once per block.
struct BlockBatch
{
    QColor fill;
    QPen border;
    QVector<QRectF> rects;
    std::vector<const DiagramBlock *> shaped;
};

struct BlockKey
{
    QRgb fill;
    QRgb border;
    double borderWidth;
    bool operator==(const BlockKey &other) const
    {
        return fill == other.fill && border == other.border && borderWidth == other.borderWidth;
    }
};

struct BlockKeyHash
{
    size_t operator()(const BlockKey &key) const
    {
        quint64 bits;
        std::memcpy(&bits, &key.borderWidth, sizeof bits);
        return std::hash<quint64>()((quint64(key.fill) << 32 ^ quint64(key.border)) ^ bits * 31);
    }
};

// The outline of a small block in scene coordinates, with the painter's own
// primitives (the raster engine has fast paths for rectangles and ellipses
// without antialiasing).
void drawShape(QPainter *painter, const DiagramBlock *block)
{
    const QRectF r(block->pos(), QSizeF(block->width(), block->height()));
    switch (block->blockShape()) {
    case BlockShape::None:
        break;
    case BlockShape::Rectangle:
        painter->drawRect(r);
        break;
    case BlockShape::Ellipse:
        painter->drawEllipse(r);
        break;
    case BlockShape::RoundRect: {
        const double radius = std::min(r.width(), r.height()) * 0.2;
        painter->drawRoundedRect(r, radius, radius);
        break;
    }
    case BlockShape::Diamond: {
        const QPointF c = r.center();
        const QPointF points[] = {
            {c.x(), r.top()}, {r.right(), c.y()}, {c.x(), r.bottom()}, {r.left(), c.y()}};
        painter->drawPolygon(points, 4);
        break;
    }
    case BlockShape::RoundSquare: {
        const double side = std::min(r.width(), r.height());
        QRectF square(0, 0, side, side);
        square.moveCenter(r.center());
        painter->drawRoundedRect(square, side * 0.3, side * 0.3);
        break;
    }
    }
}

void drawBlocks(QPainter *painter, const DiagramScene *scene, const QRectF &sceneRect, double scale)
{
    const QTransform base = painter->worldTransform();
    const bool smooth = painter->testRenderHint(QPainter::Antialiasing);
    std::vector<BlockBatch> batches;
    std::unordered_map<BlockKey, size_t, BlockKeyHash> index;
    std::vector<const DiagramBlock *> rich; // blocks with gradients, drawn one by one
    std::vector<const DiagramBlock *> labelled;
    for (int i = 0; i < scene->BlockCount(); ++i) {
        const DiagramBlock *block = scene->Blocks(i);
        if (!block->isVisible() || !block->contentRect().intersects(sceneRect))
            continue;
        labelled.push_back(block);
        if (block->blockShape() == BlockShape::None)
            continue;
        if (block->showsGradient(scale)) {
            rich.push_back(block);
            continue;
        }
        const double bw = block->borderWidth();
        const QColor borderColor = bw > 0 ? block->borderColor() : QColor(Qt::transparent);
        const BlockKey key{block->flatColor().rgba(), borderColor.rgba(),
                           bw * scale <= 1.0 ? 0 : bw};
        auto found = index.find(key);
        if (found == index.end()) {
            found = index.emplace(key, batches.size()).first;
            BlockBatch batch;
            batch.fill = block->flatColor();
            batch.border = bw > 0 ? QPen(borderColor, key.borderWidth) : QPen(Qt::NoPen);
            batches.push_back(batch);
        }
        BlockBatch &batch = batches[found->second];
        const double side = std::max(block->width(), block->height()) * scale;
        if (side < DiagramOverview::TinyBlockPixels || block->blockShape() == BlockShape::Rectangle)
            batch.rects.append(QRectF(block->pos(), QSizeF(block->width(), block->height())));
        else
            batch.shaped.push_back(block);
    }

    painter->setRenderHint(QPainter::Antialiasing, false);
    for (const BlockBatch &batch : batches) {
        painter->setPen(batch.border);
        painter->setBrush(batch.fill);
        if (!batch.rects.isEmpty())
            painter->drawRects(batch.rects);
        for (const DiagramBlock *block : batch.shaped)
            drawShape(painter, block);
    }
    painter->setRenderHint(QPainter::Antialiasing, smooth);

    // Blocks large enough to show their gradient, then the labels above all
    // blocks, both in the blocks' own coordinates.
    for (const DiagramBlock *block : rich) {
        const QPointF p = block->pos();
        painter->setWorldTransform(QTransform::fromTranslate(p.x(), p.y()) * base);
        block->paintShape(painter, scale, false);
    }
    for (const DiagramBlock *block : labelled) {
        if (!block->labelReadableAt(scale))
            continue;
        const QPointF p = block->pos();
        painter->setWorldTransform(QTransform::fromTranslate(p.x(), p.y()) * base);
        block->paintLabel(painter);
    }
    painter->setWorldTransform(base);
}
} // namespace

void DiagramOverview::drawContent(QPainter *painter, const DiagramScene *scene,
                                  const QRectF &sceneRect, double scale)
{
    drawLinks(painter, scene, sceneRect, scale);
    drawBlocks(painter, scene, sceneRect, scale);
}

void DiagramOverview::drawHandles(QPainter *painter, const DiagramScene *scene,
                                  const QRectF &sceneRect)
{
    const QTransform base = painter->worldTransform();
    for (int i = 0; i < scene->LinkCount(); ++i) {
        const DiagramLink *link = scene->Links(i);
        if (link->isSelected() && link->isVisible() &&
            link->sceneBoundingRect().intersects(sceneRect))
            link->paintHandles(painter);
    }
    for (int i = 0; i < scene->BlockCount(); ++i) {
        const DiagramBlock *block = scene->Blocks(i);
        if (!block->isSelected() || !block->isVisible() ||
            !block->sceneBoundingRect().intersects(sceneRect))
            continue;
        const QPointF p = block->pos();
        painter->setWorldTransform(QTransform::fromTranslate(p.x(), p.y()) * base);
        block->paintHandles(painter);
    }
    painter->setWorldTransform(base);
}

void DiagramOverview::clear()
{
    m_picture = QImage();
    m_lastKeyValid = false;
}

bool DiagramOverview::buildPicture(const DiagramScene *scene, const Key &key,
                                   const QBrush &background, QPainter::RenderHints hints)
{
    // The picture's pixels lie on the grid of the zoomed scene, as the view's
    // do while it scrolls by whole pixels, so that it is copied without
    // resampling.
    const QRectF zoomed(key.sceneRect.topLeft() * key.scale, key.sceneRect.size() * key.scale);
    const QPoint origin(int(std::floor(zoomed.left())), int(std::floor(zoomed.top())));
    const QSize logical(int(std::ceil(zoomed.right())) - origin.x(),
                        int(std::ceil(zoomed.bottom())) - origin.y());
    const QSize size(int(std::ceil(logical.width() * key.pixelRatio)),
                     int(std::ceil(logical.height() * key.pixelRatio)));
    if (size.isEmpty() || qint64(size.width()) * size.height() > MaxCachePixels)
        return false;
    m_picture = QImage(size, QImage::Format_RGB32);
    m_picture.setDevicePixelRatio(key.pixelRatio);
    QPainter painter(&m_picture);
    painter.setRenderHints(hints);
    painter.fillRect(QRect(QPoint(), logical), background);
    painter.translate(-origin.x(), -origin.y());
    painter.scale(key.scale, key.scale);
    drawContent(&painter, scene, key.sceneRect, key.scale);
    m_pictureOrigin = origin;
    m_pictureKey = key;
    qCDebug(lcDiagramView) << "overview picture" << size << "at scale" << key.scale;
    return true;
}

void DiagramOverview::paint(QPainter *painter, const DiagramScene *scene,
                            const QTransform &viewTransform, const QRect &exposed,
                            const QBrush &background, double scale, double pixelRatio)
{
    const Key key{scene->generation(), scale, pixelRatio, scene->sceneRect()};
    const QRectF exposedScene =
        viewTransform.inverted().mapRect(QRectF(exposed).adjusted(-2, -2, 2, 2));

    bool usePicture = !m_picture.isNull() && m_pictureKey == key;
    if (!usePicture) {
        m_picture = QImage();
        // A picture shown a second time unchanged is worth keeping.
        if (m_lastKeyValid && m_lastKey == key)
            usePicture = buildPicture(scene, key, background, painter->renderHints());
    }
    m_lastKey = key;
    m_lastKeyValid = true;

    painter->setWorldTransform(QTransform());
    if (usePicture) {
        const QPointF at = viewTransform.map(QPointF(m_pictureOrigin) / scale);
        const QRect target(QPoint(int(std::lround(at.x())), int(std::lround(at.y()))),
                           m_picture.deviceIndependentSize().toSize());
        const QRegion outside = QRegion(exposed).subtracted(target);
        for (const QRect &r : outside)
            painter->fillRect(r, background);
        const QRect part = exposed.intersected(target);
        if (!part.isEmpty()) {
            const QRectF source(QPointF(part.topLeft() - target.topLeft()) * pixelRatio,
                                QSizeF(part.size()) * pixelRatio);
            painter->drawImage(QRectF(part), m_picture, source);
        }
    } else {
        painter->fillRect(exposed, background);
        painter->setWorldTransform(viewTransform);
        drawContent(painter, scene, exposedScene, scale);
    }
    painter->setWorldTransform(viewTransform);
    drawHandles(painter, scene, exposedScene);
}
