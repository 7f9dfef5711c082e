#pragma once

#include "platform/timebar/TTimeBarTypes.h"

#include <QPoint>
#include <QRectF>
#include <QStaticText>
#include <QVector>
#include <QWidget>

class QTimer;

// The time-bar control: a horizontal bar with a division scale of dates, the
// events of a timeline as indicators on its edges and their annotation boxes
// above or below it. It shows the part RangeFrom..RangeTo of the total range
// MinimumRange..MaximumRange; the user scrolls by dragging the bar or with the
// wheel. Annotation boxes are packed into levels so that they never cover each
// other (TTimeBarAnnotationLayout); a box that finds no room is left out and
// its event is still shown, with its hint on hover. Only what is visible is
// drawn. Date-times are wall-clock values kept as Qt::UTC.
class TTimeBar : public QWidget
{
    Q_OBJECT

public:
    explicit TTimeBar(QWidget *parent = nullptr);
    ~TTimeBar() override;

    // A date-time with the same wall-clock fields, as the control keeps it.
    static QDateTime Naive(const QDateTime &t);

    // ---- Appearance
    const TTimeBarFill &Fill() const { return m_fill; }
    void SetFill(const TTimeBarFill &fill);
    const TTimeBarBar &TimeLineBar() const { return m_bar; }
    void SetTimeLineBar(const TTimeBarBar &bar);
    const TTimeBarRangeAppearance &RangeAppearance() const { return m_appearance; }
    void SetRangeAppearance(const TTimeBarRangeAppearance &appearance);
    // The template of new indicators.
    const TTimeBarIndicator &DefaultIndicator() const { return m_default; }
    void SetDefaultIndicator(const TTimeBarIndicator &indicator);

    TDivisionType DivisionType() const { return m_divisionType; }
    int Divisions() const { return m_divisions; }
    int SubDivisions() const { return m_subDivisions; }
    void SetDivisions(TDivisionType type, int divisions, int subDivisions);

    // Space left and right of the bar, and from the top of the control to the bar.
    int HorizontalMargin() const { return m_horizontalMargin; }
    void SetHorizontalMargin(int margin);
    int VerticalMargin() const { return m_verticalMargin; }
    void SetVerticalMargin(int margin);
    // Milliseconds the pointer rests on an event before its hint shows.
    int HintDelay() const { return m_hintDelay; }
    void SetHintDelay(int msecs) { m_hintDelay = msecs; }
    // Widest annotation box in pixels; longer annotations are elided.
    static constexpr int MaxAnnotationWidth = 220;

    // ---- Range
    QDateTime MinimumRange() const;
    QDateTime MaximumRange() const;
    QDateTime RangeFrom() const;
    QDateTime RangeTo() const;
    qint64 MinimumMSecs() const { return m_minMs; }
    qint64 MaximumMSecs() const { return m_maxMs; }
    qint64 FromMSecs() const { return m_fromMs; }
    qint64 ToMSecs() const { return m_toMs; }
    // The total range; an empty or reversed one is widened to one day.
    void SetRangeLimits(const QDateTime &minimum, const QDateTime &maximum);
    // The visible range; an empty or reversed one is widened to one minute.
    void SetRange(const QDateTime &from, const QDateTime &to);
    void SetRangeMSecs(qint64 fromMs, qint64 toMs);

    // ---- Indicators
    int IndicatorCount() const { return int(m_indicators.size()); }
    const TTimeBarIndicator &Indicator(int index) const { return m_indicators.at(index); }
    void SetIndicator(int index, const TTimeBarIndicator &indicator);
    // Appends a copy of the default indicator, or the given one; returns its index.
    int AddIndicator();
    int AddIndicator(const TTimeBarIndicator &indicator);
    void DeleteIndicator(int index);
    void ClearIndicators();
    // Batches changes: no layout and no repaint until the matching EndUpdate.
    void BeginUpdate();
    void EndUpdate();

    // ---- Geometry and hit-testing (widget co-ordinates)
    QRect BarRect() const;
    double PositionToX(qint64 msecs) const;
    qint64 XToMSecs(double x) const;
    // The event whose annotation box or indicator is at p (the one drawn on
    // top), or -1.
    int IndicatorAt(const QPoint &p) const;
    // The indicator's shape, and its annotation box (empty when the box is not shown).
    QRectF IndicatorRect(int index) const;
    QRectF AnnotationRect(int index) const;
    // What the hover hint of the event at p says (empty over no event).
    QString HintAt(const QPoint &p) const;
    // Events in the order of their positions, and the slice [first, last) of
    // that order that can show inside the control.
    const QVector<int> &SortedIndexes() const;
    void VisibleSlice(int *first, int *last) const;
    // Annotation layout: lays out again when needed and says how long the last
    // layout took, in milliseconds.
    void EnsureLayout() const;
    double LastLayoutMSecs() const { return m_lastLayoutMs; }
    int BoxHeight() const { return m_boxHeight; }
    // The annotation as drawn in its box (elided to the box), laid out once.
    const QStaticText &AnnotationLabel(int index) const;

    // ---- Pictures
    void PaintTo(QPainter &painter) const;
    // The control drawn at its current size.
    QImage ToImage() const;
    // Writes ToImage() to fileName as "png", "jpg"/"jpeg", "bmp" or "gif".
    // Throws TessaryError when the format is unknown or the file cannot be written.
    void SaveToFile(const QString &fileName, const QString &format, int quality = 100) const;

signals:
    // An event was clicked (reported on the release of the left button, after
    // TimeLineMouseUp, when the pointer stayed on it and the bar was not dragged).
    void IndicatorClick(int index);
    // A mouse button was released over the control.
    void TimeLineMouseUp(Qt::MouseButton button, const QPoint &pos);
    // The pointer moved; globalPos is in screen co-ordinates.
    void TimeLineMouseMove(const QPoint &globalPos);
    // The user scrolled by dragging the bar or with the wheel; start is the new RangeFrom.
    void RangeScrolled(const QDateTime &start);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Placement
    {
        int level = -1; // -1: box not shown
        int width = 0;
    };

    void changed(bool relayout);
    void invalidateOrder();
    void ensureOrder() const;
    void ensureWidths() const;
    void updateMetrics();
    int textWidth(const QString &text) const;
    void scrollTo(qint64 fromMs);
    void showHint();
    double msPerPixel() const;
    int poleSpace() const;

    TTimeBarFill m_fill;
    TTimeBarBar m_bar;
    TTimeBarRangeAppearance m_appearance;
    TTimeBarIndicator m_default;
    TDivisionType m_divisionType = dtMonth;
    int m_divisions = 1;
    int m_subDivisions = 1;
    int m_horizontalMargin = 12;
    int m_verticalMargin = 200;
    int m_hintDelay = 800;
    qint64 m_minMs = 0, m_maxMs = 0, m_fromMs = 0, m_toMs = 0;
    QVector<TTimeBarIndicator> m_indicators;
    int m_updateDepth = 0;

    // Caches, rebuilt on demand.
    mutable QVector<int> m_order;      // indexes sorted by position
    mutable QVector<qint64> m_orderMs; // their positions
    mutable bool m_orderValid = false;
    mutable QVector<QString> m_widthText; // annotation each width was measured for
    mutable QVector<int> m_widths;
    mutable QVector<QStaticText> m_labels; // empty text: not prepared yet
    mutable bool m_widthsValid = false;
    mutable QVector<Placement> m_place;
    mutable bool m_layoutValid = false;
    mutable qint64 m_layoutSpan = -1;
    mutable int m_layoutWidth = -1, m_layoutHeight = -1, m_layoutBarTop = -1;
    mutable double m_lastLayoutMs = 0;
    int m_barHeight = 42;
    int m_boxHeight = 20;
    QVector<float> m_advances; // advance of each character below U+0300 in the annotation font

    // Mouse state.
    int m_pressIndicator = -1;
    bool m_pressed = false;
    bool m_dragging = false;
    QPoint m_pressPos;
    qint64 m_pressFromMs = 0;
    QTimer *m_hintTimer = nullptr;
    QPoint m_hintPos;
    int m_hintIndicator = -1;
};
