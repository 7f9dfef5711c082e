#pragma once

#include <QString>

class TChart;

// One axis of the chart: its range (automatic or fixed), ticks, grid, labels
// and title, and the mapping between its values and the pixels of the last
// drawing. Values read from an automatic axis are those the chart computed from
// its series, so an editor can copy a range from one axis to another.
class TChartAxis
{
public:
    enum Id
    {
        Left,
        Right,
        Bottom,
        Depth
    };

    TChartAxis(TChart *chart, Id id);

    Id id() const { return m_id; }
    bool isHorizontal() const { return m_id == Bottom; }

    bool automatic() const { return m_automatic; }
    void setAutomatic(bool on);
    // The current range: the computed one when automatic, else the fixed one.
    double minimum() const;
    double maximum() const;
    // Fixing one end makes nothing automatic by itself; throws TessaryError when
    // the new minimum lies above the maximum (or the maximum below the minimum).
    void setMinimum(double value);
    void setMaximum(double value);
    void setMinMax(double minimum, double maximum);
    // Distance between labels; 0 lets the axis choose a nice step.
    double increment() const { return m_increment; }
    void setIncrement(double value);
    bool inverted() const { return m_inverted; }
    void setInverted(bool on);
    bool gridVisible() const { return m_grid; }
    void setGridVisible(bool on);
    int labelsAngle() const { return m_labelsAngle; }
    void setLabelsAngle(int degrees);
    bool labelsVisible() const { return m_labelsVisible; }
    void setLabelsVisible(bool on);
    // Part of the plot's length the axis spans, in percent (start 0, end 100).
    double startPosition() const { return m_startPos; }
    void setStartPosition(double percent);
    double endPosition() const { return m_endPos; }
    void setEndPosition(double percent);
    QString title() const { return m_title; }
    void setTitle(const QString &title);
    bool visible() const { return m_visible; }
    void setVisible(bool on);

    // Pixel of a value along the axis in the last drawing (x for the bottom
    // axis, y for the vertical ones), and the value at a pixel.
    double calcPosValue(double value) const;
    double calcValue(double pixel) const;
    // Pixel extent of the axis in the last drawing (start maps the minimum
    // unless inverted).
    double startPixel() const { return m_pixStart; }
    double endPixel() const { return m_pixEnd; }

    // Nice label step for a range shown over the given number of labels at most.
    static double niceStep(double range, int maxLabels);

    // Used by the chart: computed range and pixel placement.
    void setAutoRange(double minimum, double maximum);
    void setPixelRange(double start, double end);
    double fixedMinimum() const { return m_min; }
    double fixedMaximum() const { return m_max; }

private:
    void changed();

    TChart *m_chart;
    Id m_id;
    bool m_automatic = true;
    double m_min = 0;
    double m_max = 0;
    double m_autoMin = 0;
    double m_autoMax = 1;
    double m_increment = 0;
    bool m_inverted = false;
    bool m_grid = true;
    int m_labelsAngle = 0;
    bool m_labelsVisible = true;
    double m_startPos = 0;
    double m_endPos = 100;
    QString m_title;
    bool m_visible = true;
    double m_pixStart = 0;
    double m_pixEnd = 1;
};
