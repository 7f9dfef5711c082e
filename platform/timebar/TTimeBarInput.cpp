#include "platform/timebar/TTimeBar.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

// ---- Events ----------------------------------------------------------------

void TTimeBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintTo(painter);
}

void TTimeBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_layoutValid = false;
}

void TTimeBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LocaleChange)
        update();
    QWidget::changeEvent(event);
}

void TTimeBar::mousePressEvent(QMouseEvent *event)
{
    m_hintTimer->stop();
    QToolTip::hideText();
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    m_dragging = false;
    m_pressPos = event->position().toPoint();
    m_pressFromMs = m_fromMs;
    m_pressIndicator = IndicatorAt(m_pressPos);
}

void TTimeBar::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    emit TimeLineMouseMove(event->globalPosition().toPoint());
    if (m_pressed && (event->buttons() & Qt::LeftButton)) {
        if (!m_dragging &&
            (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            m_dragging = true;
            setCursor(Qt::ClosedHandCursor);
        }
        if (m_dragging) {
            const double dx = pos.x() - m_pressPos.x();
            scrollTo(m_pressFromMs - qint64(std::llround(dx * msPerPixel())));
        }
        return;
    }
    const int over = IndicatorAt(pos);
    setCursor(over >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (over != m_hintIndicator) {
        m_hintIndicator = over;
        QToolTip::hideText();
        m_hintTimer->stop();
        if (over >= 0)
            m_hintTimer->start(qMax(0, m_hintDelay));
    }
    m_hintPos = pos;
}

void TTimeBar::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const bool wasDrag = m_dragging;
    const int pressed = m_pressIndicator;
    m_pressed = m_dragging = false;
    m_pressIndicator = -1;
    if (wasDrag)
        setCursor(Qt::ArrowCursor);
    emit TimeLineMouseUp(event->button(), pos);
    if (event->button() == Qt::LeftButton && !wasDrag && pressed >= 0 &&
        IndicatorAt(pos) == pressed)
        emit IndicatorClick(pressed);
}

void TTimeBar::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    const int steps = delta.y() != 0 ? delta.y() : -delta.x();
    if (steps == 0) {
        event->ignore();
        return;
    }
    const qint64 span = m_toMs - m_fromMs;
    scrollTo(m_fromMs - qint64(double(span) * 0.1 * steps / 120.0));
    event->accept();
}

void TTimeBar::scrollTo(qint64 fromMs)
{
    const qint64 span = m_toMs - m_fromMs;
    // Keep the view inside the total range where it fits; a view wider than the
    // total range does not scroll.
    if (span >= m_maxMs - m_minMs)
        return;
    fromMs = qBound(m_minMs, fromMs, m_maxMs - span);
    if (fromMs == m_fromMs)
        return;
    SetRangeMSecs(fromMs, fromMs + span);
    emit RangeScrolled(RangeFrom());
}

void TTimeBar::leaveEvent(QEvent *event)
{
    m_hintTimer->stop();
    m_hintIndicator = -1;
    QWidget::leaveEvent(event);
}

bool TTimeBar::event(QEvent *event)
{
    // Hints come from the control's own delay timer, not from the style's.
    if (event->type() == QEvent::ToolTip)
        return true;
    return QWidget::event(event);
}

void TTimeBar::showHint()
{
    const QString hint = HintAt(m_hintPos);
    if (!hint.isEmpty())
        QToolTip::showText(mapToGlobal(m_hintPos), hint, this);
}
