#pragma once

class QPainter;
class QRectF;
class TTimeBar;
struct TTimeBarIndicator;

// Draws a time bar: background, bar, division scale, indicators, connector
// lines and annotation boxes. Only the events of the visible slice are drawn,
// and of several indicators that fall on the same pixel with the same look
// only one.
class TTimeBarRenderer
{
public:
    explicit TTimeBarRenderer(const TTimeBar &bar) : m_bar(bar) {}
    void Paint(QPainter &painter) const;

private:
    void paintBackground(QPainter &painter) const;
    void paintBar(QPainter &painter) const;
    void paintScale(QPainter &painter) const;
    void paintEvents(QPainter &painter) const;
    void paintShape(QPainter &painter, const TTimeBarIndicator &ind, const QRectF &r) const;

    const TTimeBar &m_bar;
};
