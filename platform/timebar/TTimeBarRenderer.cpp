#include "platform/timebar/TTimeBarRenderer.h"

#include "platform/timebar/TTimeBar.h"
#include "platform/timebar/TTimeBarScale.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

QColor orFallback(const QColor &c, const QColor &fallback)
{
    return c.isValid() ? c : fallback;
}

QBrush verticalGradient(const QRectF &r, const QColor &from, const QColor &to)
{
    if (!to.isValid() || to == from)
        return QBrush(from);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return QBrush(g);
}

} // namespace

void TTimeBarRenderer::Paint(QPainter &painter) const
{
    painter.save();
    painter.setClipRect(m_bar.rect());
    paintBackground(painter);
    paintBar(painter);
    paintScale(painter);
    paintEvents(painter);
    painter.restore();
}

void TTimeBarRenderer::paintBackground(QPainter &painter) const
{
    const TTimeBarFill &fill = m_bar.Fill();
    const QRectF r = m_bar.rect();
    painter.fillRect(r, verticalGradient(r, orFallback(fill.Color, Qt::white), fill.ColorTo));
}

void TTimeBarRenderer::paintBar(QPainter &painter) const
{
    const TTimeBarBar &bar = m_bar.TimeLineBar();
    const QRectF r = QRectF(m_bar.BarRect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(orFallback(bar.BorderColor, Qt::darkGray), 1));
    painter.setBrush(verticalGradient(r, orFallback(bar.Fill.Color, Qt::white), bar.Fill.ColorTo));
    painter.drawRoundedRect(r, 4, 4);
    // A soft highlight along the top edge gives the bar some depth.
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1));
    painter.drawLine(QPointF(r.left() + 4, r.top() + 1.5), QPointF(r.right() - 4, r.top() + 1.5));
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void TTimeBarRenderer::paintScale(QPainter &painter) const
{
    const TTimeBarRangeAppearance &look = m_bar.RangeAppearance();
    const QRect bar = m_bar.BarRect();
    const qint64 from = m_bar.FromMSecs(), to = m_bar.ToMSecs();
    const QLocale locale = m_bar.locale();
    painter.save();
    painter.setClipRect(bar.adjusted(1, 1, -1, -1));

    const QVector<qint64> majors = TTimeBarScale::Ticks(
        from, to, m_bar.DivisionType(), m_bar.Divisions(), qMax(2, bar.width() / 4));
    const QVector<qint64> minors = TTimeBarScale::Ticks(
        from, to, m_bar.DivisionType(), m_bar.SubDivisions(), qMax(2, bar.width() / 3));

    // Tick lines: sub-divisions short at both edges, divisions longer with a
    // faint line across the bar.
    painter.setPen(QPen(look.SubDivisionColor, 1));
    for (qint64 ms : minors) {
        if (std::binary_search(majors.cbegin(), majors.cend(), ms))
            continue;
        const int x = int(std::floor(m_bar.PositionToX(ms)));
        painter.drawLine(x, bar.top() + 1, x, bar.top() + 5);
        painter.drawLine(x, bar.bottom() - 4, x, bar.bottom());
    }
    QColor faint = look.DivisionColor;
    faint.setAlpha(45);
    for (qint64 ms : majors) {
        const int x = int(std::floor(m_bar.PositionToX(ms)));
        painter.setPen(QPen(faint, 1));
        painter.drawLine(x, bar.top() + 10, x, bar.bottom() - 7);
        painter.setPen(QPen(look.DivisionColor, 1));
        painter.drawLine(x, bar.top() + 1, x, bar.top() + 9);
        painter.drawLine(x, bar.bottom() - 6, x, bar.bottom());
    }

    // Labels: divisions first, then sub-divisions wherever they fit.
    QVector<QRect> taken;
    auto drawLabel = [&](qint64 ms, const QString &format, const QFont &font, const QColor &color) {
        const QDateTime t = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
        const QStringList lines = TTimeBarScale::LabelLines(t, format, locale);
        if (lines.isEmpty())
            return;
        const QFontMetrics fm(font);
        int w = 0;
        for (const QString &l : lines)
            w = qMax(w, fm.horizontalAdvance(l));
        const int x = int(std::floor(m_bar.PositionToX(ms))) + 3;
        const QRect r(x, bar.top() + 10, w, fm.lineSpacing() * int(lines.size()));
        for (const QRect &o : taken)
            if (r.adjusted(-4, 0, 4, 0).intersects(o))
                return;
        taken.append(r);
        painter.setFont(font);
        painter.setPen(color);
        int y = r.top() + fm.ascent();
        for (const QString &l : lines) {
            painter.drawText(x, y, l);
            y += fm.lineSpacing();
        }
    };
    for (qint64 ms : majors)
        drawLabel(ms, look.DivisionFormat, look.DivisionFont, look.DivisionFontColor);
    if (!look.SubDivisionFormat.trimmed().isEmpty())
        for (qint64 ms : minors)
            if (!std::binary_search(majors.cbegin(), majors.cend(), ms))
                drawLabel(ms, look.SubDivisionFormat, look.SubDivisionFont,
                          look.SubDivisionFontColor);
    painter.restore();
}

void TTimeBarRenderer::paintShape(QPainter &painter, const TTimeBarIndicator &ind,
                                  const QRectF &r) const
{
    const QColor base = orFallback(ind.Color, orFallback(ind.AnnotationColor, Qt::yellow));
    painter.setBrush(verticalGradient(r, base, orFallback(ind.ColorTo, base)));
    painter.setPen(QPen(orFallback(ind.BorderColor, Qt::black), 1));
    const double cx = r.center().x();
    switch (ind.Shape) {
    case isTriangleDown:
    case isTriangleUp: {
        // The tip touches the bar; the triangle points at it.
        const bool down = ind.AnnotationPosition == apOnTop;
        const double tipY = down ? r.bottom() : r.top();
        const double baseY = down ? r.top() : r.bottom();
        const bool pointsDown = ind.Shape == isTriangleDown;
        const double apex = pointsDown == down ? tipY : baseY;
        const double flat = pointsDown == down ? baseY : tipY;
        const QPointF pts[3] = {{r.left(), flat}, {r.right(), flat}, {cx, apex}};
        painter.drawPolygon(pts, 3);
        break;
    }
    case isDiamond: {
        const QPointF pts[4] = {{cx, r.top()},
                                {r.right(), r.center().y()},
                                {cx, r.bottom()},
                                {r.left(), r.center().y()}};
        painter.drawPolygon(pts, 4);
        break;
    }
    case isCircle:
        painter.drawEllipse(r);
        break;
    case isSquare:
        painter.drawRect(r);
        break;
    }
}

void TTimeBarRenderer::paintEvents(QPainter &painter) const
{
    int first, last;
    m_bar.VisibleSlice(&first, &last);
    if (first >= last)
        return;
    const QVector<int> &order = m_bar.SortedIndexes();
    const QRect bar = m_bar.BarRect();
    const QFont font = m_bar.TimeLineBar().AnnotationFont;
    const QFontMetrics fm(font);
    const QRectF view = m_bar.rect();

    // Connector lines of the shown boxes.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int k = first; k < last; ++k) {
        const int i = order[k];
        const QRectF box = m_bar.AnnotationRect(i);
        if (box.isEmpty() || !box.intersects(view))
            continue;
        const TTimeBarIndicator &ind = m_bar.Indicator(i);
        const double x = std::floor(m_bar.PositionToX(ind.Position.toMSecsSinceEpoch())) + 0.5;
        painter.setPen(QPen(orFallback(ind.AnnotationLineColor, Qt::black), 1));
        if (ind.AnnotationPosition == apOnTop)
            painter.drawLine(QPointF(x, box.bottom()), QPointF(x, bar.top() - ind.Size));
        else
            painter.drawLine(QPointF(x, box.top()), QPointF(x, bar.bottom() + 1 + ind.Size));
    }

    // Indicators: one shape per pixel column and look.
    painter.setRenderHint(QPainter::Antialiasing, true);
    int lastX[2] = {INT_MIN, INT_MIN};
    const TTimeBarIndicator *lastInd[2] = {nullptr, nullptr};
    for (int k = first; k < last; ++k) {
        const int i = order[k];
        const TTimeBarIndicator &ind = m_bar.Indicator(i);
        const QRectF r = m_bar.IndicatorRect(i);
        if (r.isEmpty() || r.right() < 0 || r.left() > view.right())
            continue;
        const int side = ind.AnnotationPosition == apOnTop ? 0 : 1;
        const int px = int(std::floor(r.center().x()));
        const TTimeBarIndicator *prev = lastInd[side];
        if (prev && px == lastX[side] && prev->Shape == ind.Shape && prev->Size == ind.Size &&
            prev->Color == ind.Color && prev->ColorTo == ind.ColorTo &&
            prev->BorderColor == ind.BorderColor)
            continue;
        lastX[side] = px;
        lastInd[side] = &ind;
        paintShape(painter, ind, r);
        if (ind.ShowTickMark) {
            painter.setPen(QPen(orFallback(ind.BorderColor, Qt::black), 1));
            painter.drawLine(QPointF(r.center().x(), bar.top()),
                             QPointF(r.center().x(), bar.bottom()));
        }
    }

    // Annotation boxes with their text.
    painter.setFont(font);
    for (int k = first; k < last; ++k) {
        const int i = order[k];
        const QRectF box = m_bar.AnnotationRect(i);
        if (box.isEmpty() || !box.intersects(view))
            continue;
        const TTimeBarIndicator &ind = m_bar.Indicator(i);
        const QColor fill = orFallback(ind.AnnotationColor, Qt::white);
        const QRectF r = box.adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(QPen(orFallback(ind.AnnotationLineColor, Qt::black), 1));
        painter.setBrush(verticalGradient(r, fill.lighter(112), fill));
        if (ind.AnnotationRounded)
            painter.drawRoundedRect(r, 4, 4);
        else
            painter.drawRect(r);
        painter.setPen(orFallback(ind.AnnotationTextColor, Qt::black));
        const QStaticText &label = m_bar.AnnotationLabel(i);
        painter.drawStaticText(
            QPointF(box.left() + 6, box.top() + (box.height() - fm.height()) / 2.0), label);
    }
}
