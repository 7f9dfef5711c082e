#pragma once

#include "platform/diagramview/DiagramDocument.h"

#include <QGraphicsScene>
#include <QList>

class DiagramBlock;
class DiagramLink;

// The diagram's items: an ordered list of blocks and an ordered list of links
// (indices from 0), kept beside the scene's own item index, which culls what
// is not visible. Deleting a block deletes the links that end at it.
class DiagramScene : public QGraphicsScene
{
    Q_OBJECT
public:
    explicit DiagramScene(QObject *parent = nullptr);
    ~DiagramScene() override;

    int BlockCount() const { return int(m_blocks.size()); }
    DiagramBlock *Blocks(int index) const { return m_blocks.at(index); }
    int LinkCount() const { return int(m_links.size()); }
    DiagramLink *Links(int index) const { return m_links.at(index); }
    int indexOfBlock(const DiagramBlock *block) const;
    int indexOfLink(const DiagramLink *link) const;

    DiagramBlock *addBlock(const BlockData &data);
    // source and target are block indices; throws std::out_of_range for others.
    DiagramLink *addLink(const LinkData &data);
    void DeleteBlock(int index);
    void DeleteLink(int index);
    void clearDiagram();

    // Replaces all blocks and links by those of doc (zoom and page are the view's).
    void setContent(const DiagramDocument &doc);
    // Blocks and links as stored (zoom and page left at their defaults).
    DiagramDocument content() const;

    // The rectangle that holds every block and link.
    QRectF diagramRect() const;
    // Makes the scene rectangle hold the diagram with a margin, so that items
    // moved beyond the edges can be scrolled to.
    void fitSceneRect();

    // Size of selection handles in diagram units (constant on screen).
    double handleSize() const { return m_handleSize; }
    void setViewScale(double scale);

    // While exporting, selection handles are not drawn. Items keep no cached
    // pictures, so that vector output (SVG, printers) stays vector.
    bool isExporting() const { return m_exporting; }
    void setExporting(bool exporting);

    // Counts changes of what the diagram looks like (items added, removed,
    // moved or restyled; not selection). Pictures drawn from the diagram are
    // valid while it stays the same.
    quint64 generation() const { return m_generation; }
    void contentChanged() { ++m_generation; }

    // Blocks report user moves and resizes here; the view asks after a drag.
    void noteUserMove() { m_userMoved = true; }
    bool takeUserMove();

private:
    QList<DiagramBlock *> m_blocks;
    QList<DiagramLink *> m_links;
    double m_handleSize = 7;
    bool m_exporting = false;
    bool m_userMoved = false;
    quint64 m_generation = 0;
};
