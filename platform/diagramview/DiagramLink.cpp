#include "platform/diagramview/DiagramLink.h"

#include "platform/diagramview/DiagramBlock.h"
#include "platform/diagramview/DiagramScene.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QStyleOptionGraphicsItem>
#include <cmath>

namespace {
// Below this scale links are drawn without antialiasing.
constexpr double MinSmoothLinkScale = 0.5;
const QColor LabelGround(255, 255, 255, 210);
} // namespace

DiagramLink::DiagramLink(DiagramBlock *source, DiagramBlock *target)
    : m_source(source), m_target(target)
{
    setFlags(ItemIsSelectable);
    setZValue(0);
    m_source->attachLink(this);
    if (m_target != m_source)
        m_target->attachLink(this);
    styleChanged();
}

DiagramLink::~DiagramLink()
{
    detach();
}

void DiagramLink::detach()
{
    if (m_source)
        m_source->detachLink(this);
    if (m_target && m_target != m_source)
        m_target->detachLink(this);
    m_source = m_target = nullptr;
}

DiagramScene *DiagramLink::diagramScene() const
{
    return static_cast<DiagramScene *>(scene());
}

QPainterPath DiagramLink::shape() const
{
    if (!m_shapeValid) {
        QPainterPath path;
        path.moveTo(m_line.p1());
        path.lineTo(m_line.p2());
        QPainterPathStroker stroker;
        stroker.setWidth(std::max(m_penWidth, 6.0));
        m_shape = stroker.createStroke(path);
        m_shape.setFillRule(Qt::WindingFill);
        if (labelVisible() && !m_labelRect.isEmpty())
            m_shape.addRect(m_labelRect);
        m_shapeValid = true;
    }
    return m_shape;
}

void DiagramLink::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    // A line no wider than a pixel is drawn as a hairline, which the raster
    // engine draws much faster than a thin stroke (dashes included).
    const double lod = option->levelOfDetailFromTransform(painter->worldTransform());
    painter->setPen(penAt(lod));
    // Zoomed far out, thousands of links show at once: drawn without
    // antialiasing a line costs a fraction of a smooth one. Pictures written
    // to files keep smooth lines.
    const DiagramScene *s = diagramScene();
    const bool exporting = s && s->isExporting();
    const bool smooth = painter->testRenderHint(QPainter::Antialiasing);
    const bool rough = smooth && lod < MinSmoothLinkScale && !exporting;
    if (rough)
        painter->setRenderHint(QPainter::Antialiasing, false);
    painter->drawLine(m_line);
    if (rough)
        painter->setRenderHint(QPainter::Antialiasing, true);
    paintLabel(painter, lod);
    if (isSelected() && !exporting)
        paintHandles(painter);
}

void DiagramLink::paintLabel(QPainter *painter, double lod) const
{
    if (!labelVisible() || m_label.isEmpty() || !m_label.readableAt(lod))
        return;
    painter->setPen(Qt::NoPen);
    painter->setBrush(LabelGround);
    painter->drawRect(m_labelRect);
    m_label.draw(painter, m_labelRect, m_texts.first().color);
}

void DiagramLink::paintHandles(QPainter *painter) const
{
    const DiagramScene *s = diagramScene();
    const double h = s ? s->handleSize() : 6.0;
    painter->setPen(QPen(Qt::black, 0));
    painter->setBrush(QColor(0x30, 0x80, 0xe0));
    for (const QPointF &p : {m_line.p1(), m_line.p2()})
        painter->drawRect(QRectF(p.x() - h / 2, p.y() - h / 2, h, h));
}

void DiagramLink::setPenWidth(double width)
{
    m_penWidth = std::max(0.0, width);
    styleChanged();
}

void DiagramLink::setPenColor(const QColor &color)
{
    m_penColor = color;
    styleChanged();
}

void DiagramLink::setPenStyle(LinkStyle style)
{
    m_style = style;
    styleChanged();
}

void DiagramLink::setTexts(const QList<TextCell> &texts)
{
    m_texts = texts;
    styleChanged();
}

QFont DiagramLink::labelFont() const
{
    return m_texts.isEmpty() ? defaultLabelFont(5) : m_texts.first().font;
}

void DiagramLink::ensureLabel()
{
    if (m_texts.isEmpty()) {
        TextCell cell;
        cell.font = defaultLabelFont(5);
        m_texts.append(cell);
    }
}

void DiagramLink::setLabelText(const QString &text)
{
    ensureLabel();
    m_texts.first().text = text;
    styleChanged();
}

void DiagramLink::setLabelFont(const QFont &font)
{
    ensureLabel();
    m_texts.first().font = font;
    styleChanged();
}

void DiagramLink::setLabelFontSize(double pointSize)
{
    ensureLabel();
    m_texts.first().font.setPointSizeF(std::max(1.0, pointSize));
    styleChanged();
}

void DiagramLink::setLabelVisible(bool visible)
{
    ensureLabel();
    if (m_texts.first().visible == visible)
        return;
    m_texts.first().visible = visible;
    styleChanged();
}

void DiagramLink::styleChanged()
{
    // A cosmetic pen of width 0 is drawn one pixel wide at every zoom.
    m_pen = QPen(m_penColor, m_penWidth, toPenStyle(m_style), Qt::FlatCap);
    m_hairPen = QPen(m_penColor, 0, toPenStyle(m_style), Qt::FlatCap);
    if (m_texts.isEmpty())
        m_label.set(QString(), QFont());
    else
        m_label.set(m_texts.first().text, m_texts.first().font);
    updateGeometry();
}

void DiagramLink::updateGeometry()
{
    if (!m_source || !m_target)
        return;
    prepareGeometryChange();
    m_shapeValid = false;
    const QPointF c1 = m_source->center();
    const QPointF c2 = m_target->center();
    const QLineF centres(c1, c2);
    const double length = centres.length();
    m_line = centres;
    if (length > 1e-9) {
        const QPointF dir = (c2 - c1) / length;
        const double d1 = m_source->outlineDistance(dir);
        const double d2 = m_target->outlineDistance(dir);
        if (d1 + d2 < length)
            m_line = QLineF(c1 + dir * d1, c2 - dir * d2);
    }
    m_labelRect = QRectF(QPointF(), m_label.size() + QSizeF(2, 0));
    m_labelRect.moveCenter(m_line.center());

    const double margin = m_penWidth / 2 + 1;
    m_bounds =
        QRectF(m_line.p1(), m_line.p2()).normalized().adjusted(-margin, -margin, margin, margin);
    if (labelVisible() && !m_label.isEmpty())
        m_bounds = m_bounds.united(m_labelRect);
    const double h = (diagramScene() ? diagramScene()->handleSize() : 6.0) / 2 + 1;
    m_selectedBounds =
        m_bounds.united(QRectF(m_line.p1(), m_line.p2()).normalized().adjusted(-h, -h, h, h));
    if (DiagramScene *s = diagramScene())
        s->contentChanged();
    update();
}

void DiagramLink::zoomChanged()
{
    if (isSelected())
        updateGeometry();
}

QVariant DiagramLink::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemSelectedChange)
        prepareGeometryChange();
    else if (change == ItemSceneHasChanged)
        updateGeometry();
    return QGraphicsItem::itemChange(change, value);
}
