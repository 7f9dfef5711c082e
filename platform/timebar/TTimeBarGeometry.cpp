#include "platform/timebar/TTimeBar.h"

#include "platform/timebar/TTimeBarAnnotationLayout.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kLevelGap = 4;  // vertical space between two levels of boxes
constexpr double kBoxGap = 6; // horizontal space between two boxes of a level
} // namespace

// ---- Geometry --------------------------------------------------------------

void TTimeBar::updateMetrics()
{
    const QFontMetricsF notes(m_bar.AnnotationFont);
    m_boxHeight = int(std::ceil(notes.height())) + 6;
    m_advances.resize(0x300);
    for (int c = 0; c < 0x300; ++c)
        m_advances[c] = float(notes.horizontalAdvance(QChar(c)));
    const int lineH = QFontMetrics(m_appearance.DivisionFont).lineSpacing();
    m_barHeight = qMax(m_bar.Height, 14 + 2 * lineH);
}

// Latin text is measured from a table of character advances (shaping is what
// makes measuring thousands of annotations slow); other scripts are shaped.
int TTimeBar::textWidth(const QString &text) const
{
    double w = 0;
    for (const QChar c : text) {
        if (c.unicode() >= 0x300)
            return QFontMetrics(m_bar.AnnotationFont).horizontalAdvance(text);
        w += m_advances[c.unicode()];
    }
    return int(std::ceil(w)) + 1;
}

int TTimeBar::poleSpace() const
{
    return 16;
}

QRect TTimeBar::BarRect() const
{
    const int h = m_barHeight;
    const int top = qBound(0, m_verticalMargin, qMax(0, height() - h));
    const int left = m_horizontalMargin;
    return QRect(left, top, qMax(1, width() - 2 * left), h);
}

double TTimeBar::PositionToX(qint64 msecs) const
{
    const QRect bar = BarRect();
    return bar.left() + double(msecs - m_fromMs) / msPerPixel();
}

qint64 TTimeBar::XToMSecs(double x) const
{
    const QRect bar = BarRect();
    return m_fromMs + qint64(std::llround((x - bar.left()) * msPerPixel()));
}

void TTimeBar::EnsureLayout() const
{
    ensureOrder();
    const QRect bar = BarRect();
    const qint64 span = m_toMs - m_fromMs;
    if (m_layoutValid && m_layoutSpan == span && m_layoutWidth == bar.width() &&
        m_layoutHeight == height() && m_layoutBarTop == bar.top() &&
        m_place.size() == m_indicators.size())
        return;
    QElapsedTimer clock;
    clock.start();
    ensureWidths();

    const int n = int(m_indicators.size());
    m_place.resize(n);
    const double perPx = msPerPixel();
    const int boxH = BoxHeight();
    const int pitch = boxH + kLevelGap;
    const int topRoom = bar.top() - poleSpace() - boxH - 1;
    const int bottomRoom = height() - 1 - (bar.bottom() + 1) - poleSpace() - boxH;
    const int topCapacity = topRoom < 0 ? 0 : topRoom / pitch + 1;
    const int bottomCapacity = bottomRoom < 0 ? 0 : bottomRoom / pitch + 1;

    // Both sides are packed in the order of positions, in a pixel frame fixed to
    // MinimumRange, so that scrolling only translates the result.
    QVector<TTimeBarAnnotationLayout::Item> top, bottom;
    QVector<int> topIdx, bottomIdx;
    top.reserve(n);
    topIdx.reserve(n);
    for (int k = 0; k < n; ++k) {
        const int i = m_order[k];
        m_place[i] = Placement{-1, m_widths[i]};
        if (m_widths[i] <= 0 || !m_indicators[i].Position.isValid())
            continue;
        const TTimeBarAnnotationLayout::Item item{double(m_orderMs[k] - m_minMs) / perPx,
                                                  m_widths[i]};
        if (m_indicators[i].AnnotationPosition == apOnTop) {
            top.append(item);
            topIdx.append(i);
        } else {
            bottom.append(item);
            bottomIdx.append(i);
        }
    }
    const QVector<int> topLevels = TTimeBarAnnotationLayout::Place(top, topCapacity, kBoxGap);
    const QVector<int> bottomLevels =
        TTimeBarAnnotationLayout::Place(bottom, bottomCapacity, kBoxGap);
    for (int k = 0; k < topIdx.size(); ++k)
        m_place[topIdx[k]].level = topLevels[k];
    for (int k = 0; k < bottomIdx.size(); ++k)
        m_place[bottomIdx[k]].level = bottomLevels[k];

    m_layoutValid = true;
    m_layoutSpan = span;
    m_layoutWidth = bar.width();
    m_layoutHeight = height();
    m_layoutBarTop = bar.top();
    m_lastLayoutMs = clock.nsecsElapsed() / 1e6;
}

void TTimeBar::VisibleSlice(int *first, int *last) const
{
    ensureOrder();
    const double perPx = msPerPixel();
    const QRect bar = BarRect();
    // A box hangs to the right of its event, so events left of the view may show theirs.
    const qint64 lo = XToMSecs(-MaxAnnotationWidth - 16);
    const qint64 hi = m_fromMs + qint64((width() + 16 - bar.left()) * perPx);
    *first = int(std::lower_bound(m_orderMs.cbegin(), m_orderMs.cend(), lo) - m_orderMs.cbegin());
    *last = int(std::upper_bound(m_orderMs.cbegin(), m_orderMs.cend(), hi) - m_orderMs.cbegin());
}

QRectF TTimeBar::IndicatorRect(int index) const
{
    if (index < 0 || index >= m_indicators.size() || !m_indicators[index].Position.isValid())
        return QRectF();
    const TTimeBarIndicator &ind = m_indicators[index];
    const QRect bar = BarRect();
    const double x = PositionToX(ind.Position.toMSecsSinceEpoch());
    const double s = qMax(2, ind.Size);
    const double halfW = s * 0.65;
    if (ind.AnnotationPosition == apOnTop)
        return QRectF(x - halfW, bar.top() - s, 2 * halfW, s);
    return QRectF(x - halfW, bar.bottom() + 1, 2 * halfW, s);
}

QRectF TTimeBar::AnnotationRect(int index) const
{
    if (index < 0 || index >= m_indicators.size())
        return QRectF();
    EnsureLayout();
    const Placement &p = m_place[index];
    if (p.level < 0)
        return QRectF();
    const TTimeBarIndicator &ind = m_indicators[index];
    const QRect bar = BarRect();
    const double x = PositionToX(ind.Position.toMSecsSinceEpoch());
    const int boxH = BoxHeight();
    const int pitch = boxH + kLevelGap;
    double top;
    if (ind.AnnotationPosition == apOnTop)
        top = bar.top() - poleSpace() - p.level * pitch - boxH;
    else
        top = bar.bottom() + 1 + poleSpace() + p.level * pitch;
    return QRectF(std::floor(x) - 0.5, top, p.width, boxH);
}

int TTimeBar::IndicatorAt(const QPoint &p) const
{
    EnsureLayout();
    int first, last;
    VisibleSlice(&first, &last);
    // Later events are drawn over earlier ones: search from the last.
    for (int k = last - 1; k >= first; --k) {
        const int i = m_order[k];
        if (AnnotationRect(i).contains(p))
            return i;
    }
    for (int k = last - 1; k >= first; --k) {
        const int i = m_order[k];
        if (IndicatorRect(i).adjusted(-3, -3, 3, 3).contains(p))
            return i;
    }
    return -1;
}

QString TTimeBar::HintAt(const QPoint &p) const
{
    const int i = IndicatorAt(p);
    if (i < 0)
        return QString();
    const TTimeBarIndicator &ind = m_indicators[i];
    return ind.Hint.isEmpty() ? ind.Annotation : ind.Hint;
}
