#pragma once

#include "platform/diagramview/DiagramLabel.h"
#include "platform/diagramview/DiagramTypes.h"

#include <QGraphicsItem>
#include <QLineF>
#include <QList>
#include <QPainterPath>
#include <QPen>

class DiagramBlock;
class DiagramScene;

// A link between two blocks: a straight line from the outline of its source to
// the outline of its target, drawn with the link's pen, and text cells of
// which the first is the label, drawn at the middle of the line on a light
// ground. Its coordinates are scene coordinates; it follows its blocks when
// they move or change size.
class DiagramLink : public QGraphicsItem
{
public:
    enum
    {
        Type = UserType + 2
    };

    DiagramLink(DiagramBlock *source, DiagramBlock *target);
    ~DiagramLink() override;

    int type() const override { return Type; }
    QRectF boundingRect() const override { return isSelected() ? m_selectedBounds : m_bounds; }
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // The pen the line is drawn with where device pixels are lod units of the
    // diagram: a line no wider than a pixel is drawn as a hairline.
    const QPen &penAt(double lod) const { return m_penWidth * lod <= 1.0 ? m_hairPen : m_pen; }
    // The label on its light ground, when visible and readable at lod.
    void paintLabel(QPainter *painter, double lod) const;
    // Height of one line of the label, in diagram units.
    double labelLineHeight() const { return m_label.lineHeight(); }
    // The selection handles at both ends of the line.
    void paintHandles(QPainter *painter) const;

    // What the link draws, without selection handles, in scene coordinates.
    QRectF contentRect() const { return m_bounds; }

    DiagramBlock *source() const { return m_source; }
    DiagramBlock *target() const { return m_target; }
    // Forgets both blocks; called before the link is deleted.
    void detach();

    double penWidth() const { return m_penWidth; }
    QColor penColor() const { return m_penColor; }
    LinkStyle penStyle() const { return m_style; }
    void setPenWidth(double width);
    void setPenColor(const QColor &color);
    void setPenStyle(LinkStyle style);

    const QList<TextCell> &texts() const { return m_texts; }
    void setTexts(const QList<TextCell> &texts);
    QString labelText() const { return m_texts.value(0).text; }
    QFont labelFont() const;
    bool labelVisible() const { return !m_texts.isEmpty() && m_texts.first().visible; }
    void setLabelText(const QString &text);
    void setLabelFont(const QFont &font);
    void setLabelFontSize(double pointSize);
    void setLabelVisible(bool visible);

    // The drawn line, from outline to outline.
    QLineF line() const { return m_line; }
    // Recomputes the line after a block moved or changed.
    void updateGeometry();
    void zoomChanged();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    DiagramScene *diagramScene() const;
    void ensureLabel();
    void styleChanged();

    DiagramBlock *m_source;
    DiagramBlock *m_target;
    double m_penWidth = 1;
    QColor m_penColor = Qt::black;
    LinkStyle m_style = LinkStyle::Solid;
    QList<TextCell> m_texts;

    // Computed when something above changes.
    QPen m_pen;
    QPen m_hairPen; // the same line one device pixel wide, for small zooms
    QLineF m_line;
    DiagramLabel m_label;
    QRectF m_labelRect;
    QRectF m_bounds;
    QRectF m_selectedBounds;
    mutable QPainterPath m_shape; // hit area, made on first use
    mutable bool m_shapeValid = false;
};
