#include "platform/timebar/TTimeBar.h"

#include "platform/TessaryError.h"
#include "platform/imaging/PictureWriter.h"
#include "platform/timebar/TTimeBarRenderer.h"
#include "platform/timebar/TimeBarLogging.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {
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
