#include "editors/picture/TImageView.h"

#include "editors/picture/PictureLogging.h"
#include "platform/imaging/WorkingBitmap.h"

#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

TImageView::TImageView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ImageView"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TImageView::setPicture(QImage picture)
{
    m_reduced = QImage();
    m_picture = std::move(picture);
    update();
}

void TImageView::clearPicture()
{
    m_reduced = QImage();
    m_picture = QImage();
    update();
}

const QImage &TImageView::reducedCopy(const QSize &size)
{
    if (m_reduced.size() != size) {
        m_reduced = QImage(); // free the old copy before making the new one
        QElapsedTimer timer;
        timer.start();
        m_reduced = WorkingBitmap::scaledDown(m_picture, size);
        qCDebug(lcPicture) << "Reduced" << m_picture.size() << "to" << size << "in"
                           << timer.elapsed() << "ms";
    }
    return m_reduced;
}

void TImageView::paintPicture(QPainter &painter, const QRect &target, const QRect &exposed)
{
    if (m_picture.isNull() || target.isEmpty())
        return;
    const QRect area = exposed.intersected(target);
    if (area.isEmpty())
        return;
    const QSize full = m_picture.size();
    if (target.size() == full) {
        painter.drawImage(area.topLeft(), m_picture, area.translated(-target.topLeft()));
        return;
    }
    const double sx = double(target.width()) / full.width();
    const double sy = double(target.height()) / full.height();
    if (sx < 0.5 && sy < 0.5) {
        // Far out: from the reduced copy (a quarter of the bitmap at most),
        // where every source pixel counts.
        const QImage &reduced = reducedCopy(target.size());
        painter.drawImage(area.topLeft(), reduced, area.translated(-target.topLeft()));
        return;
    }
    m_reduced = QImage();
    // Only the source pixels that reach the exposed area are drawn: a margin
    // of one pixel keeps the smooth filter's edges right.
    const bool smooth = sx < 1.0 || sy < 1.0;
    const int margin = smooth ? 1 : 0;
    const QRect rel = area.translated(-target.topLeft());
    const int x0 = qBound(0, int(std::floor(rel.left() / sx)) - margin, full.width() - 1);
    const int y0 = qBound(0, int(std::floor(rel.top() / sy)) - margin, full.height() - 1);
    const int x1 = qBound(x0 + 1, int(std::ceil((rel.right() + 1) / sx)) + margin, full.width());
    const int y1 = qBound(y0 + 1, int(std::ceil((rel.bottom() + 1) / sy)) + margin, full.height());
    const QRectF dest(target.left() + x0 * sx, target.top() + y0 * sy, (x1 - x0) * sx,
                      (y1 - y0) * sy);
    painter.save();
    painter.setClipRect(area);
    // Zoomed out: smooth (bilinear, enough down to half size); enlarged: pixel blocks.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    painter.drawImage(dest, m_picture.copy(x0, y0, x1 - x0, y1 - y0),
                      QRectF(0, 0, x1 - x0, y1 - y0));
    painter.restore();
}

void TImageView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintPicture(painter, rect(), event->rect());
}
