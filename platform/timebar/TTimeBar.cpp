#include "platform/timebar/TTimeBar.h"

#include "platform/TessaryError.h"
#include "platform/imaging/PictureWriter.h"
#include "platform/timebar/TTimeBarAnnotationLayout.h"
#include "platform/timebar/TTimeBarRenderer.h"
#include "platform/timebar/TimeBarLogging.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHelpEvent>
#include <QImageWriter>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kLevelGap = 4;  // vertical space between two levels of boxes
constexpr double kBoxGap = 6; // horizontal space between two boxes of a level
constexpr qint64 kMinute = 60000;
constexpr qint64 kDay = 86400000;
} // namespace

TTimeBar::TTimeBar(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 120);

    m_fill = {QColor(0x00, 0x4E, 0x98), QColor(0xD2, 0xF0, 0xFF)};
    m_bar.Fill = {QColor(0xE3, 0xEF, 0xFF), QColor(0xAF, 0xD2, 0xFF)};
    m_bar.AnnotationFont = QFont(QStringLiteral("Tahoma"), 8);
    m_appearance.DivisionFont = QFont(QStringLiteral("Tahoma"), 8);
    m_appearance.SubDivisionFont = QFont(QStringLiteral("Tahoma"), 7);
    m_appearance.DivisionFormat = QStringLiteral(" MMM\nyyyy");
    updateMetrics();

    const QDate today = QDate::currentDate();
    const QDateTime start(QDate(today.year(), 1, 1), QTime(0, 0), Qt::UTC);
    m_minMs = m_fromMs = start.toMSecsSinceEpoch();
    m_maxMs = m_toMs = start.addYears(1).toMSecsSinceEpoch();

    m_hintTimer = new QTimer(this);
    m_hintTimer->setSingleShot(true);
    connect(m_hintTimer, &QTimer::timeout, this, &TTimeBar::showHint);
}

TTimeBar::~TTimeBar() = default;

QDateTime TTimeBar::Naive(const QDateTime &t)
{
    if (!t.isValid())
        return QDateTime();
    if (t.timeSpec() == Qt::UTC)
        return t;
    return QDateTime(t.date(), t.time(), Qt::UTC);
}

// ---- Appearance ------------------------------------------------------------

void TTimeBar::SetFill(const TTimeBarFill &fill)
{
    m_fill = fill;
    changed(false);
}

void TTimeBar::SetTimeLineBar(const TTimeBarBar &bar)
{
    const bool fontChanged = bar.AnnotationFont != m_bar.AnnotationFont;
    m_bar = bar;
    if (fontChanged)
        m_widthText.clear();
    updateMetrics();
    changed(true);
}

void TTimeBar::SetRangeAppearance(const TTimeBarRangeAppearance &appearance)
{
    const bool fontChanged = appearance.DivisionFont != m_appearance.DivisionFont;
    m_appearance = appearance;
    if (fontChanged) {
        updateMetrics();
        changed(true); // the bar's height follows the division font
    } else {
        changed(false);
    }
}

void TTimeBar::SetDefaultIndicator(const TTimeBarIndicator &indicator)
{
    m_default = indicator;
}

void TTimeBar::SetDivisions(TDivisionType type, int divisions, int subDivisions)
{
    m_divisionType = type;
    m_divisions = qMax(1, divisions);
    m_subDivisions = qMax(1, subDivisions);
    changed(false);
}

void TTimeBar::SetHorizontalMargin(int margin)
{
    m_horizontalMargin = qMax(0, margin);
    changed(true);
}

void TTimeBar::SetVerticalMargin(int margin)
{
    m_verticalMargin = margin;
    changed(true);
}

// ---- Range -----------------------------------------------------------------

QDateTime TTimeBar::MinimumRange() const
{
    return QDateTime::fromMSecsSinceEpoch(m_minMs, Qt::UTC);
}

QDateTime TTimeBar::MaximumRange() const
{
    return QDateTime::fromMSecsSinceEpoch(m_maxMs, Qt::UTC);
}

QDateTime TTimeBar::RangeFrom() const
{
    return QDateTime::fromMSecsSinceEpoch(m_fromMs, Qt::UTC);
}

QDateTime TTimeBar::RangeTo() const
{
    return QDateTime::fromMSecsSinceEpoch(m_toMs, Qt::UTC);
}

void TTimeBar::SetRangeLimits(const QDateTime &minimum, const QDateTime &maximum)
{
    if (!minimum.isValid())
        return;
    m_minMs = Naive(minimum).toMSecsSinceEpoch();
    m_maxMs = maximum.isValid() ? Naive(maximum).toMSecsSinceEpoch() : m_minMs;
    if (m_maxMs <= m_minMs)
        m_maxMs = m_minMs + kDay;
    changed(true);
}

void TTimeBar::SetRange(const QDateTime &from, const QDateTime &to)
{
    const qint64 f = from.isValid() ? Naive(from).toMSecsSinceEpoch() : m_fromMs;
    const qint64 t = to.isValid() ? Naive(to).toMSecsSinceEpoch() : m_toMs;
    SetRangeMSecs(f, t);
}

void TTimeBar::SetRangeMSecs(qint64 fromMs, qint64 toMs)
{
    if (toMs <= fromMs)
        toMs = fromMs + kMinute;
    const bool sameSpan = toMs - fromMs == m_toMs - m_fromMs;
    m_fromMs = fromMs;
    m_toMs = toMs;
    // Scrolling keeps the span, and with it the annotation layout.
    changed(!sameSpan);
}

double TTimeBar::msPerPixel() const
{
    const int w = qMax(1, BarRect().width());
    return double(m_toMs - m_fromMs) / w;
}

// ---- Indicators ------------------------------------------------------------

void TTimeBar::SetIndicator(int index, const TTimeBarIndicator &indicator)
{
    if (index < 0 || index >= m_indicators.size())
        return;
    TTimeBarIndicator &slot = m_indicators[index];
    const QDateTime pos = Naive(indicator.Position);
    const bool moved = pos != slot.Position;
    const bool relayout = moved || indicator.Annotation != slot.Annotation ||
                          indicator.AnnotationPosition != slot.AnnotationPosition;
    slot = indicator;
    slot.Position = pos;
    if (moved)
        invalidateOrder();
    changed(relayout);
}

int TTimeBar::AddIndicator()
{
    return AddIndicator(m_default);
}

int TTimeBar::AddIndicator(const TTimeBarIndicator &indicator)
{
    m_indicators.append(indicator);
    m_indicators.last().Position = Naive(indicator.Position);
    invalidateOrder();
    changed(true);
    return int(m_indicators.size()) - 1;
}

void TTimeBar::DeleteIndicator(int index)
{
    if (index < 0 || index >= m_indicators.size())
        return;
    m_indicators.remove(index);
    if (index < m_widthText.size()) {
        m_widthText.remove(index);
        m_widths.remove(index);
        m_labels.remove(index);
    }
    invalidateOrder();
    changed(true);
}

void TTimeBar::ClearIndicators()
{
    m_indicators.clear();
    m_widthText.clear();
    m_widths.clear();
    m_labels.clear();
    invalidateOrder();
    changed(true);
}

void TTimeBar::BeginUpdate()
{
    ++m_updateDepth;
}

void TTimeBar::EndUpdate()
{
    if (m_updateDepth > 0 && --m_updateDepth == 0)
        update();
}

void TTimeBar::invalidateOrder()
{
    m_orderValid = false;
}

void TTimeBar::changed(bool relayout)
{
    if (relayout) {
        m_layoutValid = false;
        m_widthsValid = false;
    }
    if (m_updateDepth == 0)
        update();
}

void TTimeBar::ensureOrder() const
{
    if (m_orderValid)
        return;
    const int n = int(m_indicators.size());
    m_order.resize(n);
    QVector<qint64> ms(n);
    for (int i = 0; i < n; ++i) {
        m_order[i] = i;
        const QDateTime &p = m_indicators[i].Position;
        ms[i] = p.isValid() ? p.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
    }
    std::stable_sort(m_order.begin(), m_order.end(), [&ms](int a, int b) { return ms[a] < ms[b]; });
    m_orderMs.resize(n);
    for (int k = 0; k < n; ++k)
        m_orderMs[k] = ms[m_order[k]];
    m_orderValid = true;
    m_layoutValid = false;
}

void TTimeBar::ensureWidths() const
{
    const int n = int(m_indicators.size());
    if (m_widthsValid && m_widthText.size() == n)
        return;
    if (m_widthText.size() != n) {
        m_widthText.resize(n);
        m_widths.resize(n);
        m_labels.resize(n);
        for (int i = 0; i < n; ++i)
            m_widthText[i] = QString(); // a null text: not measured yet
    }
    for (int i = 0; i < n; ++i) {
        const QString &text = m_indicators[i].Annotation;
        if (m_widthText[i].isNull() || m_widthText[i] != text) {
            m_widthText[i] = text.isNull() ? QString(QLatin1String("")) : text;
            m_labels[i] = QStaticText();
            m_widths[i] = text.isEmpty() ? 0 : qMin(MaxAnnotationWidth, textWidth(text) + 12);
        }
    }
    m_widthsValid = true;
}

const QVector<int> &TTimeBar::SortedIndexes() const
{
    ensureOrder();
    return m_order;
}

const QStaticText &TTimeBar::AnnotationLabel(int index) const
{
    ensureWidths();
    QStaticText &label = m_labels[index];
    if (label.text().isEmpty() && !m_indicators[index].Annotation.isEmpty()) {
        const QFontMetrics fm(m_bar.AnnotationFont);
        const QString &text = m_indicators[index].Annotation;
        const int room = m_widths[index] - 10;
        label.setText(m_widths[index] < MaxAnnotationWidth
                          ? text
                          : fm.elidedText(text, Qt::ElideRight, room));
        label.setTextFormat(Qt::PlainText);
        label.prepare(QTransform(), m_bar.AnnotationFont);
    }
    return label;
}

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

// ---- Pictures --------------------------------------------------------------

void TTimeBar::PaintTo(QPainter &painter) const
{
    EnsureLayout();
    TTimeBarRenderer(*this).Paint(painter);
}

QImage TTimeBar::ToImage() const
{
    QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintTo(painter);
    return image;
}

void TTimeBar::SaveToFile(const QString &fileName, const QString &format, int quality) const
{
    const QString f = format.toLower();
    const QImage image = ToImage();
    if (f == QLatin1String("gif")) {
        PictureWriter::writeGif(image, fileName);
        return;
    }
    QByteArray qtFormat;
    if (f == QLatin1String("png"))
        qtFormat = "png";
    else if (f == QLatin1String("jpg") || f == QLatin1String("jpeg"))
        qtFormat = "jpeg";
    else if (f == QLatin1String("bmp"))
        qtFormat = "bmp";
    else
        throw TessaryError(QCoreApplication::translate(
                               "TimeBar", "A timeline picture cannot be written as \"%1\".")
                               .arg(format));
    QImageWriter writer(fileName, qtFormat);
    writer.setQuality(quality);
    if (!writer.write(image))
        throw TessaryError(
            QCoreApplication::translate("TimeBar", "Cannot write the picture file %1: %2")
                .arg(QFileInfo(fileName).fileName(), writer.errorString()));
}

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
