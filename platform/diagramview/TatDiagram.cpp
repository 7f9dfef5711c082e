#include "platform/diagramview/TatDiagram.h"

#include "platform/diagramview/DiagramBlock.h"
#include "platform/diagramview/DiagramExport.h"
#include "platform/diagramview/DiagramLink.h"
#include "platform/diagramview/DiagramLogging.h"
#include "platform/diagramview/DiagramScene.h"
#include "platform/diagramview/DiagramStream.h"
#include "platform/dialogs/Dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QRubberBand>
#include <QScrollBar>
#include <QStyleOptionRubberBand>
#include <cmath>

TatDiagram::TatDiagram(QWidget *parent) : QGraphicsView(parent), m_scene(new DiagramScene(this))
{
    qRegisterMetaType<QGraphicsItem *>();
    setScene(m_scene);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
    setOptimizationFlags(DontSavePainterState);
    setViewportUpdateMode(SmartViewportUpdate);
    // Caching the background buys nothing: it is plain white.
    setCacheMode(CacheNone);
    setTransformationAnchor(AnchorViewCenter);
    setResizeAnchor(AnchorViewCenter);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundBrush(Qt::white);
    SetMode(Mode::Select);
    // Moving a scroll bar is the user's own scrolling.
    for (QScrollBar *bar : {horizontalScrollBar(), verticalScrollBar()})
        connect(bar, &QAbstractSlider::actionTriggered, this, [this] { m_showStart = false; });
}

TatDiagram::~TatDiagram() = default;

int TatDiagram::BlockCount() const
{
    return m_scene->BlockCount();
}

DiagramBlock *TatDiagram::Blocks(int index) const
{
    return m_scene->Blocks(index);
}

int TatDiagram::LinkCount() const
{
    return m_scene->LinkCount();
}

DiagramLink *TatDiagram::Links(int index) const
{
    return m_scene->Links(index);
}

void TatDiagram::DeleteBlock(int index)
{
    m_scene->DeleteBlock(index);
}

void TatDiagram::DeleteLink(int index)
{
    m_scene->DeleteLink(index);
}

void TatDiagram::Clear()
{
    m_scene->clearDiagram();
    m_scene->fitSceneRect();
}

void TatDiagram::SetZoom(int percent)
{
    percent = std::clamp(percent, MinZoom, MaxZoom);
    m_showStart = false;
    const bool changed = percent != m_zoom;
    m_zoom = percent;
    const double scale = percent / 100.0;
    setTransform(QTransform::fromScale(scale, scale));
    m_scene->setViewScale(scale);
    updateDrawingMode();
    if (changed)
        emit ZoomChanged(m_zoom);
}

void TatDiagram::ZoomToRect(const QRectF &rect)
{
    const QRectF r = rect.normalized();
    if (r.width() < 1e-6 || r.height() < 1e-6)
        return;
    const QSize view = viewport()->size();
    const double scale = std::min(view.width() / r.width(), view.height() / r.height());
    SetZoom(int(std::nearbyint(scale * 100)));
    centerOn(r.center());
}

void TatDiagram::SetMode(Mode mode)
{
    m_mode = mode;
    m_zoomDragging = false;
    if (m_zoomBand)
        m_zoomBand->hide();
    switch (mode) {
    case Mode::Select:
        setDragMode(RubberBandDrag);
        viewport()->unsetCursor();
        break;
    case Mode::Pan:
        setDragMode(ScrollHandDrag);
        viewport()->setCursor(Qt::PointingHandCursor);
        break;
    case Mode::ZoomRect:
        setDragMode(NoDrag);
        viewport()->setCursor(Qt::CrossCursor);
        break;
    }
}

bool TatDiagram::drawsOverview() const
{
    return m_overviewDrawing && m_zoom < DiagramOverview::MaxScale * 100;
}

void TatDiagram::SetOverviewDrawing(bool on)
{
    m_overviewDrawing = on;
    updateDrawingMode();
    viewport()->update();
}

void TatDiagram::updateDrawingMode()
{
    if (!drawsOverview())
        m_overview.clear();
    const ViewportUpdateMode mode = drawsOverview() ? FullViewportUpdate : SmartViewportUpdate;
    if (viewportUpdateMode() != mode)
        setViewportUpdateMode(mode);
}

void TatDiagram::paintEvent(QPaintEvent *event)
{
    if (!drawsOverview()) {
        QGraphicsView::paintEvent(event);
        return;
    }
    QPainter painter(viewport());
    painter.setRenderHints(renderHints());
    m_overview.paint(&painter, m_scene, viewportTransform(), event->region(), backgroundBrush(),
                     m_zoom / 100.0, viewport()->devicePixelRatioF());
    // The rubber band of a selection being drawn, as the view draws it.
    const QRect band = rubberBandRect();
    if (!band.isEmpty()) {
        painter.setWorldTransform(QTransform());
        QStyleOptionRubberBand option;
        option.initFrom(viewport());
        option.rect = band;
        option.shape = QRubberBand::Rectangle;
        QStyleHintReturnMask mask;
        if (viewport()->style()->styleHint(QStyle::SH_RubberBand_Mask, &option, viewport(), &mask))
            painter.setClipRegion(mask.region, Qt::IntersectClip);
        viewport()->style()->drawControl(QStyle::CE_RubberBand, &option, &painter, viewport());
    }
}

void TatDiagram::scrollContentsBy(int dx, int dy)
{
    // Repainting all of the viewport on a change does not extend to
    // scrolling: the pixels still in view are moved, and only the strip that
    // comes into view is drawn.
    if (viewportUpdateMode() == FullViewportUpdate && drawsOverview()) {
        setViewportUpdateMode(SmartViewportUpdate);
        QGraphicsView::scrollContentsBy(dx, dy);
        setViewportUpdateMode(FullViewportUpdate);
        return;
    }
    QGraphicsView::scrollContentsBy(dx, dy);
}

void TatDiagram::UnselectAll()
{
    m_scene->clearSelection();
}

void TatDiagram::SelectAll()
{
    for (int i = 0; i < m_scene->BlockCount(); ++i)
        m_scene->Blocks(i)->setSelected(true);
    for (int i = 0; i < m_scene->LinkCount(); ++i)
        m_scene->Links(i)->setSelected(true);
}

void TatDiagram::SetLinkLabelsVisible(bool visible)
{
    for (int i = 0; i < m_scene->LinkCount(); ++i)
        m_scene->Links(i)->setLabelVisible(visible);
}

DiagramDocument TatDiagram::document() const
{
    DiagramDocument doc = m_scene->content();
    doc.zoom = m_zoom;
    doc.page = m_pageLayout;
    return doc;
}

void TatDiagram::setDocument(const DiagramDocument &doc)
{
    // Every new item asks the scene to repaint its area; thousands of small
    // areas, gathered into the region to repaint, would cost the first frame
    // longer than the load itself. The scene's deferred work is done here,
    // while the whole viewport is to be repainted anyway.
    setViewportUpdateMode(FullViewportUpdate);
    m_scene->setContent(doc);
    QCoreApplication::sendPostedEvents(m_scene, QEvent::MetaCall);
    m_pageLayout = doc.page;
    SetZoom(doc.zoom);
    m_showStart = true;
    showDiagramStart();
}

void TatDiagram::showDiagramStart()
{
    const QRectF r = m_scene->diagramRect();
    if (r.isNull())
        return;
    const QRectF view = mapToScene(viewport()->rect()).boundingRect();
    const qreal margin = 10.0 / qMax(0.01, transform().m11());
    const QPointF start = r.topLeft() - QPointF(margin, margin);
    // While the view's own scrolling is told of this, it is not the user's.
    const bool keep = m_showStart;
    centerOn(start + QPointF(view.width() / 2, view.height() / 2));
    m_showStart = keep;
}

void TatDiagram::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    if (m_showStart)
        showDiagramStart();
}

QByteArray TatDiagram::SaveToStream() const
{
    return DiagramStream::write(document());
}

void TatDiagram::LoadFromStream(const QByteArray &bytes)
{
    // Read everything first: a refused stream must leave the diagram as it is.
    const DiagramDocument doc = DiagramStream::read(bytes);
    setDocument(doc);
    qCDebug(lcDiagramView) << "loaded" << doc.blocks.size() << "blocks" << doc.links.size()
                           << "links";
}

bool TatDiagram::PageSettings(QWidget *parent)
{
    QPrinter printer;
    printer.setPageLayout(m_pageLayout);
    if (!dialogs().printerSetup(parent, &printer))
        return false;
    m_pageLayout = printer.pageLayout();
    return true;
}

bool TatDiagram::PrintPreview(QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_pageLayout);
    return dialogs().printPreview(parent, &printer, [this](QPrinter *p) { Print(p); });
}

void TatDiagram::Print(QPrinter *printer)
{
    DiagramExport::print(m_scene, printer);
}

QImage TatDiagram::ToBitmap(double scale) const
{
    return DiagramExport::toBitmap(m_scene, scale);
}

QByteArray TatDiagram::ToSvg() const
{
    return DiagramExport::toSvg(m_scene);
}

QImage TatDiagram::ToImage(const QSize &size) const
{
    return DiagramExport::toImage(m_scene, size);
}

void TatDiagram::CopyAsBitmap()
{
    QApplication::clipboard()->setImage(ToBitmap(m_zoom / 100.0));
}

void TatDiagram::CopyAsMetafile()
{
    auto *mime = new QMimeData;
    mime->setData(QStringLiteral("image/svg+xml"), ToSvg());
    QApplication::clipboard()->setMimeData(mime);
}

void TatDiagram::mousePressEvent(QMouseEvent *event)
{
    m_showStart = false;
    emit Click();
    if (m_mode == Mode::ZoomRect && event->button() == Qt::LeftButton) {
        if (!m_zoomBand)
            m_zoomBand = new QRubberBand(QRubberBand::Rectangle, viewport());
        m_zoomOrigin = event->position().toPoint();
        m_zoomBand->setGeometry(QRect(m_zoomOrigin, QSize()));
        m_zoomBand->show();
        m_zoomDragging = true;
        event->accept();
        return;
    }
    QGraphicsView::mousePressEvent(event);
}

void TatDiagram::mouseMoveEvent(QMouseEvent *event)
{
    if (m_zoomDragging) {
        m_zoomBand->setGeometry(QRect(m_zoomOrigin, event->position().toPoint()).normalized());
        event->accept();
        return;
    }
    QGraphicsView::mouseMoveEvent(event);
}

void TatDiagram::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_zoomDragging && event->button() == Qt::LeftButton) {
        m_zoomDragging = false;
        m_zoomBand->hide();
        const QRect band = QRect(m_zoomOrigin, pos).normalized();
        // A click without a drag zooms in one step around the clicked point.
        if (band.width() < 4 || band.height() < 4) {
            const QPointF centre = mapToScene(pos);
            SetZoom(int(std::nearbyint(m_zoom * 1.1)));
            centerOn(centre);
        } else {
            ZoomToRect(mapToScene(band).boundingRect());
        }
        event->accept();
    } else {
        QGraphicsView::mouseReleaseEvent(event);
        if (m_scene->takeUserMove()) {
            m_scene->fitSceneRect();
            emit AfterMove();
            emit Modified();
        }
    }
    QGraphicsItem *item = itemAt(pos);
    emit DControlMouseUp(event->button(), pos, item);
}

// Tab and Shift+Tab walk the blocks instead of moving the keyboard focus away.
bool TatDiagram::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QGraphicsView::event(event);
}

void TatDiagram::wheelEvent(QWheelEvent *event)
{
    m_showStart = false;
    event->accept();
}

void TatDiagram::focusInEvent(QFocusEvent *event)
{
    QGraphicsView::focusInEvent(event);
    emit Enter();
}

QList<DiagramBlock *> TatDiagram::selectedBlocks() const
{
    QList<DiagramBlock *> blocks;
    for (int i = 0; i < m_scene->BlockCount(); ++i) {
        if (m_scene->Blocks(i)->isSelected())
            blocks.append(m_scene->Blocks(i));
    }
    return blocks;
}

void TatDiagram::moveSelection(double dx, double dy)
{
    const QList<DiagramBlock *> blocks = selectedBlocks();
    if (blocks.isEmpty())
        return;
    for (DiagramBlock *b : blocks)
        b->moveBy(dx, dy);
    m_scene->takeUserMove();
    m_scene->fitSceneRect();
    emit AfterMove();
    emit Modified();
}

void TatDiagram::resizeSelection(double dw, double dh)
{
    const QList<DiagramBlock *> blocks = selectedBlocks();
    if (blocks.isEmpty())
        return;
    for (DiagramBlock *b : blocks)
        b->setSize(std::max(1.0, b->width() + dw), std::max(1.0, b->height() + dh));
    emit Modified();
}

void TatDiagram::selectNeighbour(int step)
{
    const int count = m_scene->BlockCount();
    if (count == 0)
        return;
    int current = -1;
    for (int i = 0; i < count; ++i) {
        if (m_scene->Blocks(i)->isSelected()) {
            current = i;
            if (step < 0)
                break;
        }
    }
    const int next = current < 0 ? (step > 0 ? 0 : count - 1) : (current + step + count) % count;
    UnselectAll();
    m_scene->Blocks(next)->setSelected(true);
    ensureVisible(m_scene->Blocks(next)->sceneBoundingRect());
}

void TatDiagram::keyPressEvent(QKeyEvent *event)
{
    m_showStart = false;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const double step = ctrl ? 10 : 1;
    QScrollBar *vertical = verticalScrollBar();
    QScrollBar *horizontal = horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_Escape:
        if (m_zoomDragging) {
            m_zoomDragging = false;
            m_zoomBand->hide();
        }
        UnselectAll();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int key = event->key();
        const double dx = key == Qt::Key_Left ? -step : key == Qt::Key_Right ? step : 0;
        const double dy = key == Qt::Key_Up ? -step : key == Qt::Key_Down ? step : 0;
        if (shift)
            resizeSelection(dx, dy);
        else
            moveSelection(dx, dy);
        break;
    }
    case Qt::Key_PageUp:
        (ctrl ? horizontal : vertical)->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        (ctrl ? horizontal : vertical)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Home:
        horizontal->setValue(horizontal->minimum());
        vertical->setValue(vertical->minimum());
        break;
    case Qt::Key_End:
        horizontal->setValue(horizontal->maximum());
        vertical->setValue(vertical->maximum());
        break;
    case Qt::Key_Tab:
        selectNeighbour(1);
        break;
    case Qt::Key_Backtab:
        selectNeighbour(-1);
        break;
    case Qt::Key_A:
        if (ctrl) {
            SelectAll();
            break;
        }
        [[fallthrough]];
    default:
        QGraphicsView::keyPressEvent(event);
        return;
    }
    event->accept();
}
