#pragma once

#include "platform/diagramview/DiagramLabel.h"
#include "platform/diagramview/DiagramTypes.h"

#include <QBrush>
#include <QGraphicsItem>
#include <QList>
#include <QPainterPath>
#include <QPen>

class DiagramLink;
class DiagramScene;

// A block of the diagram: a shape of a given width and height with a gradient
// fill that ends in the block's colour, and text cells of which the first is
// the label, drawn centred on the block. The item's position is the block's
// top left corner; its geometry, fill and label layout are computed when they
// change, never while painting.
class DiagramBlock : public QGraphicsItem
{
public:
    enum
    {
        Type = UserType + 1
    };

    DiagramBlock();
    ~DiagramBlock() override;

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // The block as drawn without selection handles, in item coordinates, for a
    // painter whose device pixels are lod units of the diagram. Zoomed far out
    // (smooth false) small blocks are drawn without antialiasing.
    void paintContent(QPainter *painter, double lod, bool smooth) const;
    // The two parts of the content: the filled outline and the label.
    void paintShape(QPainter *painter, double lod, bool smooth) const;
    void paintLabel(QPainter *painter) const;
    bool labelReadableAt(double lod) const
    {
        return labelVisible() && !m_label.isEmpty() && m_label.readableAt(lod);
    }
    // The selection handles, in item coordinates.
    void paintHandles(QPainter *painter) const;
    // The plain colour that stands for the gradient when the block is small.
    QColor flatColor() const { return m_flatFill.color(); }
    // Whether the block fills with its gradient at this level of detail:
    // smaller than MinGradientPixels on screen, it is filled with flatColor().
    bool showsGradient(double lod) const;
    static constexpr double MinGradientPixels = 12.0;
    // Height of one line of the label, in diagram units.
    double labelLineHeight() const { return m_label.lineHeight(); }

    // What the block draws, without selection handles, in scene coordinates.
    QRectF contentRect() const { return m_bounds.translated(pos()); }

    double width() const { return m_width; }
    double height() const { return m_height; }
    void setSize(double width, double height);
    QRectF blockRect() const { return QRectF(0, 0, m_width, m_height); }
    QPointF center() const { return pos() + QPointF(m_width / 2, m_height / 2); }
    // Distance from the centre to the outline along the unit vector dir.
    double outlineDistance(const QPointF &dir) const;

    BlockShape blockShape() const { return m_shape; }
    void setBlockShape(BlockShape shape);
    // End colour of the fill gradient.
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    QColor gradientStart() const { return m_gradientStart; }
    void setGradientStart(const QColor &color);
    QColor borderColor() const { return m_borderColor; }
    double borderWidth() const { return m_borderWidth; }
    void setBorder(const QColor &color, double width);

    const QList<TextCell> &texts() const { return m_texts; }
    void setTexts(const QList<TextCell> &texts);
    // The label is the first text cell; setting a part of it creates the cell.
    QString labelText() const { return m_texts.value(0).text; }
    QFont labelFont() const;
    bool labelVisible() const { return m_texts.isEmpty() || m_texts.first().visible; }
    void setLabelText(const QString &text);
    void setLabelFont(const QFont &font);
    void setLabelFontSize(double pointSize);
    void setLabelVisible(bool visible);

    // Links that end at this block; kept by the links themselves.
    const QList<DiagramLink *> &links() const { return m_links; }
    void attachLink(DiagramLink *link) { m_links.append(link); }
    void detachLink(DiagramLink *link) { m_links.removeOne(link); }

    // Recomputes the handle margin after the zoom changed.
    void zoomChanged();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    DiagramScene *diagramScene() const;
    double handleSize() const;
    QList<QRectF> handleRects() const;
    void layoutChanged();
    void updateLinks();
    void ensureLabel();

    double m_width = 30;
    double m_height = 30;
    BlockShape m_shape = BlockShape::Rectangle;
    QColor m_color = Qt::white;
    QColor m_gradientStart = Qt::white;
    QColor m_borderColor = Qt::black;
    double m_borderWidth = 1;
    QList<TextCell> m_texts;
    QList<DiagramLink *> m_links;

    // Computed when something above changes.
    QPainterPath m_outline;
    QBrush m_fill;
    QBrush m_flatFill; // plain middle colour of the gradient, for small zooms
    QPen m_borderPen;
    QPen m_hairBorderPen; // the border one device pixel wide, for small zooms
    DiagramLabel m_label;
    QRectF m_labelRect;
    QRectF m_bounds;
    int m_resizeHandle = -1; // handle being dragged, -1 for none
    QRectF m_resizeStart;    // block rect in scene coordinates when the drag began
};
