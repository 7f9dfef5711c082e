#include "platform/diagramview/DiagramScene.h"

#include "platform/diagramview/DiagramBlock.h"
#include "platform/diagramview/DiagramLink.h"

#include <QHash>
#include <stdexcept>

namespace {
constexpr double HandlePixels = 7;
constexpr double SceneMargin = 200;
} // namespace

DiagramScene::DiagramScene(QObject *parent) : QGraphicsScene(parent)
{
    setItemIndexMethod(BspTreeIndex);
    setBackgroundBrush(Qt::white);
}

DiagramScene::~DiagramScene()
{
    clearDiagram();
}

int DiagramScene::indexOfBlock(const DiagramBlock *block) const
{
    return int(m_blocks.indexOf(const_cast<DiagramBlock *>(block)));
}

int DiagramScene::indexOfLink(const DiagramLink *link) const
{
    return int(m_links.indexOf(const_cast<DiagramLink *>(link)));
}

DiagramBlock *DiagramScene::addBlock(const BlockData &data)
{
    auto *block = new DiagramBlock;
    block->setSize(data.width, data.height);
    block->setBlockShape(data.shape);
    block->setColor(data.color);
    block->setGradientStart(data.gradientStart);
    block->setBorder(data.borderColor, data.borderWidth);
    block->setTexts(data.texts);
    block->setPos(data.left, data.top);
    addItem(block);
    m_blocks.append(block);
    contentChanged();
    return block;
}

DiagramLink *DiagramScene::addLink(const LinkData &data)
{
    if (data.source < 0 || data.source >= m_blocks.size() || data.target < 0 ||
        data.target >= m_blocks.size())
        throw std::out_of_range("link end is not a block");
    auto *link = new DiagramLink(m_blocks.at(data.source), m_blocks.at(data.target));
    link->setPenWidth(data.penWidth);
    link->setPenColor(data.penColor);
    link->setPenStyle(data.style);
    link->setTexts(data.texts);
    addItem(link);
    m_links.append(link);
    contentChanged();
    return link;
}

void DiagramScene::DeleteLink(int index)
{
    DiagramLink *link = m_links.takeAt(index);
    link->detach();
    removeItem(link);
    delete link;
    contentChanged();
}

void DiagramScene::DeleteBlock(int index)
{
    DiagramBlock *block = m_blocks.at(index);
    for (int i = int(m_links.size()) - 1; i >= 0; --i) {
        if (m_links[i]->source() == block || m_links[i]->target() == block)
            DeleteLink(i);
    }
    m_blocks.removeAt(index);
    removeItem(block);
    delete block;
    contentChanged();
}

void DiagramScene::clearDiagram()
{
    // Links let go of their blocks first, so that the order in which the scene
    // deletes its items does not matter.
    for (DiagramLink *link : std::as_const(m_links))
        link->detach();
    m_links.clear();
    m_blocks.clear();
    clear();
    m_userMoved = false;
    contentChanged();
}

void DiagramScene::setContent(const DiagramDocument &doc)
{
    clearDiagram();
    // The whole scene is to be repainted: the items added below need not each
    // mark their own area (thousands of areas cost more than the load).
    update();
    m_blocks.reserve(doc.blocks.size());
    for (const BlockData &b : doc.blocks)
        addBlock(b);
    m_links.reserve(doc.links.size());
    for (const LinkData &l : doc.links)
        addLink(l);
    fitSceneRect();
}

DiagramDocument DiagramScene::content() const
{
    DiagramDocument doc;
    QHash<const DiagramBlock *, int> index;
    doc.blocks.reserve(m_blocks.size());
    for (int i = 0; i < m_blocks.size(); ++i) {
        const DiagramBlock *block = m_blocks[i];
        index.insert(block, i);
        BlockData b;
        b.left = block->pos().x();
        b.top = block->pos().y();
        b.width = block->width();
        b.height = block->height();
        b.shape = block->blockShape();
        b.color = block->color();
        b.gradientStart = block->gradientStart();
        b.borderColor = block->borderColor();
        b.borderWidth = block->borderWidth();
        b.texts = block->texts();
        doc.blocks.append(b);
    }
    doc.links.reserve(m_links.size());
    for (const DiagramLink *link : m_links) {
        LinkData l;
        l.source = index.value(link->source(), -1);
        l.target = index.value(link->target(), -1);
        l.penWidth = link->penWidth();
        l.penColor = link->penColor();
        l.style = link->penStyle();
        l.texts = link->texts();
        doc.links.append(l);
    }
    return doc;
}

QRectF DiagramScene::diagramRect() const
{
    QRectF r;
    for (const DiagramBlock *b : m_blocks)
        r = r.united(b->contentRect());
    for (const DiagramLink *l : m_links)
        r = r.united(l->contentRect());
    return r;
}

void DiagramScene::setExporting(bool exporting)
{
    m_exporting = exporting;
}

void DiagramScene::fitSceneRect()
{
    const QRectF r = diagramRect();
    setSceneRect(r.isNull() ? QRectF(0, 0, 100, 100)
                            : r.adjusted(-SceneMargin, -SceneMargin, SceneMargin, SceneMargin));
}

void DiagramScene::setViewScale(double scale)
{
    m_handleSize = HandlePixels / std::max(scale, 1e-3);
    for (QGraphicsItem *item : selectedItems()) {
        if (item->type() == DiagramBlock::Type)
            static_cast<DiagramBlock *>(item)->zoomChanged();
        else if (item->type() == DiagramLink::Type)
            static_cast<DiagramLink *>(item)->zoomChanged();
    }
}

bool DiagramScene::takeUserMove()
{
    const bool moved = m_userMoved;
    m_userMoved = false;
    return moved;
}
