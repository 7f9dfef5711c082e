#include "platform/diagramview/DiagramBlock.h"

#include "platform/diagramview/DiagramLink.h"
#include "platform/diagramview/DiagramScene.h"

#include <QGraphicsSceneMouseEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <cmath>

namespace {
// Below this scale small blocks are drawn without antialiasing.
constexpr double MinSmoothScale = 0.5;
} // namespace

DiagramBlock::DiagramBlock()
{
    setFlags(ItemIsSelectable | ItemIsMovable | ItemSendsGeometryChanges);
    setZValue(1);
    // No item cache: with the plain fills and hairlines of small zooms, drawing
    // directly is cheaper than refilling 2,000 cached pictures at each zoom step,
    // and scrolling only draws the strip that comes into view.
    layoutChanged();
}

DiagramBlock::~DiagramBlock() = default;

DiagramScene *DiagramBlock::diagramScene() const
{
    return static_cast<DiagramScene *>(scene());
}

double DiagramBlock::handleSize() const
{
    const DiagramScene *s = diagramScene();
    return s ? s->handleSize() : 6.0;
}

QRectF DiagramBlock::boundingRect() const
{
    if (!isSelected())
        return m_bounds;
    const double h = handleSize() / 2 + 1;
    return m_bounds.adjusted(-h, -h, h, h);
}

QPainterPath DiagramBlock::shape() const
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill); // the label's rectangle may lie inside the block's
    path.addRect(blockRect());
    if (!m_labelRect.isEmpty())
        path.addRect(m_labelRect);
    if (isSelected()) {
        for (const QRectF &r : handleRects())
            path.addRect(r);
    }
    return path;
}

void DiagramBlock::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    const double lod = option->levelOfDetailFromTransform(painter->worldTransform());
    // Zoomed far out, a block a few pixels wide is drawn without antialiasing,
    // which costs a fraction; pictures written to files keep smooth edges.
    const DiagramScene *s = diagramScene();
    const bool exporting = s && s->isExporting();
    paintContent(painter, lod, exporting || lod >= MinSmoothScale);
    if (isSelected() && !exporting)
        paintHandles(painter);
}

bool DiagramBlock::showsGradient(double lod) const
{
    return std::min(m_width, m_height) * lod >= MinGradientPixels;
}

void DiagramBlock::paintContent(QPainter *painter, double lod, bool smooth) const
{
    paintShape(painter, lod, smooth);
    if (labelReadableAt(lod))
        paintLabel(painter);
}

void DiagramBlock::paintShape(QPainter *painter, double lod, bool smooth) const
{
    if (m_shape == BlockShape::None)
        return;
    // Small on screen, the gradient would not show: a plain fill is much
    // cheaper; a border no wider than a pixel is drawn as a hairline.
    const bool small = !showsGradient(lod);
    painter->setPen(m_borderWidth * lod <= 1.0 ? m_hairBorderPen : m_borderPen);
    painter->setBrush(small ? m_flatFill : m_fill);
    const bool rough = small && !smooth && painter->testRenderHint(QPainter::Antialiasing);
    if (rough)
        painter->setRenderHint(QPainter::Antialiasing, false);
    painter->drawPath(m_outline);
    if (rough)
        painter->setRenderHint(QPainter::Antialiasing, true);
}

void DiagramBlock::paintLabel(QPainter *painter) const
{
    if (!m_texts.isEmpty())
        m_label.draw(painter, m_labelRect, m_texts.first().color);
}

void DiagramBlock::paintHandles(QPainter *painter) const
{
    painter->setPen(QPen(Qt::black, 0));
    painter->setBrush(QColor(0x30, 0x80, 0xe0));
    for (const QRectF &r : handleRects())
        painter->drawRect(r);
}

QList<QRectF> DiagramBlock::handleRects() const
{
    const double h = handleSize();
    const QRectF r = blockRect();
    const double xs[] = {r.left(), r.center().x(), r.right()};
    const double ys[] = {r.top(), r.center().y(), r.bottom()};
    QList<QRectF> rects;
    for (int iy = 0; iy < 3; ++iy) {
        for (int ix = 0; ix < 3; ++ix) {
            if (ix != 1 || iy != 1)
                rects.append(QRectF(xs[ix] - h / 2, ys[iy] - h / 2, h, h));
        }
    }
    return rects;
}

void DiagramBlock::setSize(double width, double height)
{
    width = std::max(0.0, width);
    height = std::max(0.0, height);
    if (width == m_width && height == m_height)
        return;
    m_width = width;
    m_height = height;
    layoutChanged();
    updateLinks();
}

double DiagramBlock::outlineDistance(const QPointF &dir) const
{
    const double dx = std::abs(dir.x());
    const double dy = std::abs(dir.y());
    double hw = m_width / 2;
    double hh = m_height / 2;
    if (m_shape == BlockShape::RoundSquare)
        hw = hh = std::min(hw, hh);
    if (hw <= 0 || hh <= 0)
        return 0;
    switch (m_shape) {
    case BlockShape::Ellipse:
        return 1.0 / std::sqrt((dx / hw) * (dx / hw) + (dy / hh) * (dy / hh));
    case BlockShape::Diamond:
        return 1.0 / (dx / hw + dy / hh);
    default: {
        const double tx = dx > 1e-12 ? hw / dx : 1e300;
        const double ty = dy > 1e-12 ? hh / dy : 1e300;
        return std::min(tx, ty);
    }
    }
}

void DiagramBlock::setBlockShape(BlockShape shape)
{
    if (shape == m_shape)
        return;
    m_shape = shape;
    layoutChanged();
    updateLinks();
}

void DiagramBlock::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    layoutChanged();
}

void DiagramBlock::setGradientStart(const QColor &color)
{
    if (color == m_gradientStart)
        return;
    m_gradientStart = color;
    layoutChanged();
}

void DiagramBlock::setBorder(const QColor &color, double width)
{
    m_borderColor = color;
    m_borderWidth = std::max(0.0, width);
    layoutChanged();
}

void DiagramBlock::setTexts(const QList<TextCell> &texts)
{
    m_texts = texts;
    layoutChanged();
}

QFont DiagramBlock::labelFont() const
{
    return m_texts.isEmpty() ? defaultLabelFont(8) : m_texts.first().font;
}

void DiagramBlock::ensureLabel()
{
    if (m_texts.isEmpty()) {
        TextCell cell;
        cell.font = defaultLabelFont(8);
        m_texts.append(cell);
    }
}

void DiagramBlock::setLabelText(const QString &text)
{
    ensureLabel();
    m_texts.first().text = text;
    layoutChanged();
}

void DiagramBlock::setLabelFont(const QFont &font)
{
    ensureLabel();
    m_texts.first().font = font;
    layoutChanged();
}

void DiagramBlock::setLabelFontSize(double pointSize)
{
    ensureLabel();
    m_texts.first().font.setPointSizeF(std::max(1.0, pointSize));
    layoutChanged();
}

void DiagramBlock::setLabelVisible(bool visible)
{
    ensureLabel();
    m_texts.first().visible = visible;
    layoutChanged();
}

void DiagramBlock::layoutChanged()
{
    prepareGeometryChange();
    const QRectF r = blockRect();
    m_outline = QPainterPath();
    switch (m_shape) {
    case BlockShape::None:
        break;
    case BlockShape::Rectangle:
        m_outline.addRect(r);
        break;
    case BlockShape::Ellipse:
        m_outline.addEllipse(r);
        break;
    case BlockShape::RoundRect: {
        const double radius = std::min(m_width, m_height) * 0.2;
        m_outline.addRoundedRect(r, radius, radius);
        break;
    }
    case BlockShape::Diamond:
        m_outline.moveTo(r.center().x(), r.top());
        m_outline.lineTo(r.right(), r.center().y());
        m_outline.lineTo(r.center().x(), r.bottom());
        m_outline.lineTo(r.left(), r.center().y());
        m_outline.closeSubpath();
        break;
    case BlockShape::RoundSquare: {
        const double side = std::min(m_width, m_height);
        QRectF square(0, 0, side, side);
        square.moveCenter(r.center());
        m_outline.addRoundedRect(square, side * 0.3, side * 0.3);
        break;
    }
    }
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, m_gradientStart);
    gradient.setColorAt(1, m_color);
    m_fill = QBrush(gradient);
    m_flatFill = QBrush(QColor((m_gradientStart.red() + m_color.red()) / 2,
                               (m_gradientStart.green() + m_color.green()) / 2,
                               (m_gradientStart.blue() + m_color.blue()) / 2));
    m_borderPen = m_borderWidth > 0 ? QPen(m_borderColor, m_borderWidth) : QPen(Qt::NoPen);
    m_hairBorderPen = m_borderWidth > 0 ? QPen(m_borderColor, 0) : QPen(Qt::NoPen);

    if (m_texts.isEmpty())
        m_label.set(QString(), QFont());
    else
        m_label.set(m_texts.first().text, m_texts.first().font);
    m_labelRect = QRectF(QPointF(), m_label.size());
    m_labelRect.moveCenter(r.center());

    const double margin = m_borderWidth / 2 + 1;
    m_bounds = r.adjusted(-margin, -margin, margin, margin);
    if (!m_label.isEmpty())
        m_bounds = m_bounds.united(m_labelRect.adjusted(-1, -1, 1, 1));
    if (DiagramScene *s = diagramScene())
        s->contentChanged();
    update();
}

void DiagramBlock::zoomChanged()
{
    if (isSelected())
        prepareGeometryChange();
}

void DiagramBlock::updateLinks()
{
    for (DiagramLink *link : std::as_const(m_links))
        link->updateGeometry();
}

QVariant DiagramBlock::itemChange(GraphicsItemChange change, const QVariant &value)
{
    switch (change) {
    case ItemSelectedChange:
        prepareGeometryChange();
        break;
    case ItemPositionHasChanged:
        updateLinks();
        if (DiagramScene *s = diagramScene()) {
            s->contentChanged();
            s->noteUserMove();
        }
        break;
    default:
        break;
    }
    return QGraphicsItem::itemChange(change, value);
}

void DiagramBlock::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    m_resizeHandle = -1;
    if (event->button() == Qt::LeftButton && isSelected()) {
        const QList<QRectF> handles = handleRects();
        for (int i = 0; i < handles.size(); ++i) {
            if (handles[i].contains(event->pos())) {
                m_resizeHandle = i;
                m_resizeStart = QRectF(pos(), QSizeF(m_width, m_height));
                event->accept();
                return;
            }
        }
    }
    QGraphicsItem::mousePressEvent(event);
}

void DiagramBlock::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_resizeHandle < 0) {
        QGraphicsItem::mouseMoveEvent(event);
        return;
    }
    // Handles are numbered row by row without the centre: 0 1 2 / 3 4 / 5 6 7.
    static const int column[] = {0, 1, 2, 0, 2, 0, 1, 2};
    static const int row[] = {0, 0, 0, 1, 1, 2, 2, 2};
    const QPointF p = event->scenePos();
    QRectF r = m_resizeStart;
    if (column[m_resizeHandle] == 0)
        r.setLeft(std::min(p.x(), r.right() - 1));
    else if (column[m_resizeHandle] == 2)
        r.setRight(std::max(p.x(), r.left() + 1));
    if (row[m_resizeHandle] == 0)
        r.setTop(std::min(p.y(), r.bottom() - 1));
    else if (row[m_resizeHandle] == 2)
        r.setBottom(std::max(p.y(), r.top() + 1));
    setPos(r.topLeft());
    setSize(r.width(), r.height());
    if (DiagramScene *s = diagramScene())
        s->noteUserMove();
}

void DiagramBlock::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_resizeHandle >= 0) {
        m_resizeHandle = -1;
        event->accept();
        return;
    }
    QGraphicsItem::mouseReleaseEvent(event);
}
