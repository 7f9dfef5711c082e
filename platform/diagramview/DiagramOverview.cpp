#include "platform/diagramview/DiagramOverview.h"

#include "platform/diagramview/DiagramBlock.h"
#include "platform/diagramview/DiagramLink.h"
#include "platform/diagramview/DiagramLogging.h"
#include "platform/diagramview/DiagramScene.h"

#include <QLineF>
#include <QPolygonF>
#include <QRegion>
#include <QVector>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace {
// Pens are told apart by colour, style and width; fills by colour and border.
struct StyleKey
{
    QRgb colour;
    QRgb second;
    double width;
    bool operator==(const StyleKey &other) const
    {
        return colour == other.colour && second == other.second && width == other.width;
    }
};

struct StyleKeyHash
{
    size_t operator()(const StyleKey &key) const
    {
        quint64 bits;
        std::memcpy(&bits, &key.width, sizeof bits);
        return std::hash<quint64>()((quint64(key.colour) << 32 ^ quint64(key.second)) ^ bits * 31);
    }
};

// The rectangle of a rounded rectangle with its corners cut straight: a few
// pixels wide on screen it looks the same and fills without curves.
QPolygonF cutCorners(const QRectF &r, double radius)
{
    const double c = std::min(radius, std::min(r.width(), r.height()) / 2);
    return QPolygonF({{r.left() + c, r.top()},
                      {r.right() - c, r.top()},
                      {r.right(), r.top() + c},
                      {r.right(), r.bottom() - c},
                      {r.right() - c, r.bottom()},
                      {r.left() + c, r.bottom()},
                      {r.left(), r.bottom() - c},
                      {r.left(), r.top() + c}});
}

QRectF unite(const QRectF &a, const QRectF &b)
{
    return a.isNull() ? b : a.united(b);
}
} // namespace

// What a frame needs of the items, in plain arrays in drawing order.
struct DiagramOverview::DisplayList
{
    struct LinkGroup
    {
        QPen pen;     // the link's own pen
        QPen hairPen; // the same one device pixel wide
        double width;
        QVector<QLineF> lines;
        QVector<QRectF> bounds;
    };
    struct BlockEntry
    {
        QRectF rect;   // the block in scene coordinates
        QRectF bounds; // what it draws, label included
        BlockShape shape;
        double minSide;
        double maxSide;
        const DiagramBlock *block;
    };
    struct BlockGroup
    {
        QColor fill; // the plain colour of small blocks
        QColor border;
        double borderWidth;
        std::vector<BlockEntry> blocks;
    };
    struct Label
    {
        QRectF bounds;
        const QGraphicsItem *item;
    };

    std::vector<LinkGroup> linkGroups;
    QRectF linkBounds;
    std::vector<BlockGroup> blockGroups;
    QRectF blockBounds;
    std::vector<Label> linkLabels;
    std::vector<Label> blockLabels;
    // The tallest label line: no label is drawn below the scale that makes
    // it readable.
    double linkLabelHeight = 0;
    double blockLabelHeight = 0;

    explicit DisplayList(const DiagramScene *scene)
    {
        std::unordered_map<StyleKey, size_t, StyleKeyHash> index;
        for (int i = 0; i < scene->LinkCount(); ++i) {
            const DiagramLink *link = scene->Links(i);
            const StyleKey key{link->penColor().rgba(), QRgb(link->penStyle()), link->penWidth()};
            auto found = index.find(key);
            if (found == index.end()) {
                found = index.emplace(key, linkGroups.size()).first;
                linkGroups.push_back(
                    LinkGroup{link->penAt(1e9), link->penAt(0), link->penWidth(), {}, {}});
            }
            LinkGroup &group = linkGroups[found->second];
            group.lines.append(link->line());
            group.bounds.append(link->contentRect());
            linkBounds = unite(linkBounds, link->contentRect());
            if (link->labelVisible() && !link->labelText().isEmpty()) {
                linkLabels.push_back(Label{link->contentRect(), link});
                linkLabelHeight = std::max(linkLabelHeight, link->labelLineHeight());
            }
        }
        index.clear();
        for (int i = 0; i < scene->BlockCount(); ++i) {
            const DiagramBlock *block = scene->Blocks(i);
            const QRectF bounds = block->contentRect();
            blockBounds = unite(blockBounds, bounds);
            if (block->labelVisible() && !block->labelText().isEmpty()) {
                blockLabels.push_back(Label{bounds, block});
                blockLabelHeight = std::max(blockLabelHeight, block->labelLineHeight());
            }
            if (block->blockShape() == BlockShape::None)
                continue;
            const double bw = block->borderWidth();
            const QColor border = bw > 0 ? block->borderColor() : QColor(Qt::transparent);
            const StyleKey key{block->flatColor().rgba(), border.rgba(), bw};
            auto found = index.find(key);
            if (found == index.end()) {
                found = index.emplace(key, blockGroups.size()).first;
                blockGroups.push_back(BlockGroup{block->flatColor(), border, bw, {}});
            }
            const QRectF rect(block->pos(), QSizeF(block->width(), block->height()));
            blockGroups[found->second].blocks.push_back(
                BlockEntry{rect, bounds, block->blockShape(), std::min(rect.width(), rect.height()),
                           std::max(rect.width(), rect.height()), block});
        }
    }
};

DiagramOverview::DiagramOverview() = default;
DiagramOverview::~DiagramOverview() = default;

const DiagramOverview::DisplayList &DiagramOverview::displayList(const DiagramScene *scene)
{
    if (!m_list || m_listScene != scene || m_listGeneration != scene->generation()) {
        m_list = std::make_unique<DisplayList>(scene);
        m_listScene = scene;
        m_listGeneration = scene->generation();
    }
    return *m_list;
}

void DiagramOverview::drawContent(QPainter *painter, const DiagramScene *scene,
                                  const QRectF &sceneRect, double scale)
{
    const DisplayList &list = displayList(scene);
    const QTransform base = painter->worldTransform();
    const bool smooth = painter->testRenderHint(QPainter::Antialiasing);

    // Lines: thousands of them at once; antialiasing would cost several
    // times the drawing and shows nothing at this size. Everything is drawn
    // without looking at each line when all of it is in view.
    painter->setRenderHint(QPainter::Antialiasing, false);
    const bool allLinks = sceneRect.contains(list.linkBounds);
    QVector<QLineF> visible;
    for (const DisplayList::LinkGroup &group : list.linkGroups) {
        painter->setPen(group.width * scale <= 1.0 ? group.hairPen : group.pen);
        if (allLinks) {
            painter->drawLines(group.lines);
            continue;
        }
        visible.clear();
        for (int i = 0; i < group.lines.size(); ++i) {
            if (group.bounds[i].intersects(sceneRect))
                visible.append(group.lines[i]);
        }
        if (!visible.isEmpty())
            painter->drawLines(visible);
    }

    // Blocks in plain colours, by group; those large enough to show their
    // gradient afterwards, one by one.
    const bool allBlocks = sceneRect.contains(list.blockBounds);
    std::vector<const DiagramBlock *> rich;
    QVector<QRectF> rects;
    QVector<QRectF> tiny;
    // A tiny block is a dot of its colour at least two pixels wide, so that
    // none disappears however far the view is zoomed out.
    const double minDot = 2.0 / scale;
    for (const DisplayList::BlockGroup &group : list.blockGroups) {
        const double bw = group.borderWidth;
        painter->setPen(bw <= 0 ? QPen(Qt::NoPen) : QPen(group.border, bw * scale <= 1.0 ? 0 : bw));
        painter->setBrush(group.fill);
        rects.clear();
        tiny.clear();
        for (const DisplayList::BlockEntry &entry : group.blocks) {
            if (!allBlocks && !entry.bounds.intersects(sceneRect))
                continue;
            if (entry.minSide * scale >= DiagramBlock::MinGradientPixels) {
                rich.push_back(entry.block);
                continue;
            }
            if (entry.maxSide * scale < TinyBlockPixels) {
                QRectF dot(0, 0, std::max(entry.rect.width(), minDot),
                           std::max(entry.rect.height(), minDot));
                dot.moveCenter(entry.rect.center());
                tiny.append(dot);
                continue;
            }
            if (entry.shape == BlockShape::Rectangle) {
                rects.append(entry.rect);
                continue;
            }
            const QRectF &r = entry.rect;
            switch (entry.shape) {
            case BlockShape::Ellipse:
                painter->drawEllipse(r);
                break;
            case BlockShape::RoundRect:
                painter->drawPolygon(cutCorners(r, entry.minSide * 0.2 * 0.6));
                break;
            case BlockShape::Diamond: {
                const QPointF c = r.center();
                const QPointF points[] = {
                    {c.x(), r.top()}, {r.right(), c.y()}, {c.x(), r.bottom()}, {r.left(), c.y()}};
                painter->drawPolygon(points, 4);
                break;
            }
            case BlockShape::RoundSquare: {
                QRectF square(0, 0, entry.minSide, entry.minSide);
                square.moveCenter(r.center());
                painter->drawPolygon(cutCorners(square, entry.minSide * 0.3 * 0.6));
                break;
            }
            default:
                break;
            }
        }
        if (!rects.isEmpty())
            painter->drawRects(rects);
        if (!tiny.isEmpty()) {
            painter->setPen(Qt::NoPen);
            painter->drawRects(tiny);
        }
    }
    painter->setRenderHint(QPainter::Antialiasing, smooth);
    for (const DiagramBlock *block : rich) {
        const QPointF p = block->pos();
        painter->setWorldTransform(QTransform::fromTranslate(p.x(), p.y()) * base);
        block->paintShape(painter, scale, false);
    }
    painter->setWorldTransform(base);

    // Labels above every line and block, where they can be read.
    if (list.linkLabelHeight * scale >= MinLabelPixels) {
        for (const DisplayList::Label &label : list.linkLabels) {
            const auto *link = static_cast<const DiagramLink *>(label.item);
            if ((allLinks || label.bounds.intersects(sceneRect)) &&
                link->labelLineHeight() * scale >= MinLabelPixels)
                link->paintLabel(painter, scale);
        }
    }
    if (list.blockLabelHeight * scale >= MinLabelPixels) {
        for (const DisplayList::Label &label : list.blockLabels) {
            if (!allBlocks && !label.bounds.intersects(sceneRect))
                continue;
            const auto *block = static_cast<const DiagramBlock *>(label.item);
            if (block->labelLineHeight() * scale < MinLabelPixels)
                continue;
            const QPointF p = block->pos();
            painter->setWorldTransform(QTransform::fromTranslate(p.x(), p.y()) * base);
            block->paintLabel(painter);
        }
        painter->setWorldTransform(base);
    }
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
    m_list.reset();
    m_picture = QImage();
    m_lastKeyValid = false;
}

bool DiagramOverview::buildPicture(const DiagramScene *scene, const Key &key,
                                   const QBrush &background, QPainter::RenderHints hints,
                                   const QSize &viewSize)
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
    const qint64 pixels = qint64(size.width()) * size.height();
    const qint64 viewPixels = qint64(viewSize.width()) * viewSize.height();
    if (size.isEmpty() || pixels > MaxCachePixels || pixels > MaxCacheViews * viewPixels)
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
                            const QTransform &viewTransform, const QRegion &exposedRegion,
                            const QBrush &background, double scale, double pixelRatio)
{
    const QRect exposed = exposedRegion.boundingRect();
    const Key key{scene->generation(), scale, pixelRatio, scene->sceneRect()};
    const QRect viewRect = painter->viewport();
    const QRectF exposedScene =
        viewTransform.inverted().mapRect(QRectF(exposed).adjusted(-2, -2, 2, 2));

    bool usePicture = !m_picture.isNull() && m_pictureKey == key;
    if (!usePicture) {
        m_picture = QImage();
        // A picture shown a second time unchanged is worth keeping (not for
        // the strips that scrolling uncovers: those are drawn directly).
        if (m_lastKeyValid && m_lastKey == key && exposedRegion.rectCount() == 1 &&
            exposed.contains(viewRect))
            usePicture = buildPicture(scene, key, background, painter->renderHints(),
                                      viewRect.size() * pixelRatio);
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
