#pragma once

#include "platform/chart/ChartTypes.h"

#include <QColor>
#include <QString>
#include <vector>

class TChart;

// A series of the chart: its kind, its points and how they are drawn. Every
// change tells the chart, which recomputes its axes and repaints.
class TChartSeries
{
public:
    // The vertical axis a series is drawn against.
    enum class ValueAxis
    {
        Left,
        Right
    };

    TChartSeries(TChart *chart, SeriesKind kind);

    TChart *chart() const { return m_chart; }
    SeriesKind kind() const { return m_kind; }
    // Used by the chart's kind change, which keeps data, title and colours.
    void setKindInternal(SeriesKind kind);

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    bool colorEachPoint() const { return m_colorEach; }
    void setColorEachPoint(bool on);
    bool active() const { return m_active; }
    void setActive(bool on);
    ValueAxis valueAxis() const { return m_valueAxis; }
    void setValueAxis(ValueAxis axis);

    // Points.
    int count() const { return int(m_points.size()); }
    const ChartPoint &point(int index) const { return m_points[size_t(index)]; }
    const std::vector<ChartPoint> &points() const { return m_points; }
    double value(int index) const { return m_points[size_t(index)].y; }
    double xValue(int index) const { return m_points[size_t(index)].x; }
    double zValue(int index) const { return m_points[size_t(index)].z; }
    QString label(int index) const { return m_points[size_t(index)].label; }
    // The colour a point is drawn in.
    QColor pointColor(int index) const;
    void setPointColor(int index, const QColor &color);
    void setValue(int index, double value);
    // Adds a point at the next category (x = its index); returns its index.
    int add(double value, const QString &label = QString(), const QColor &color = QColor());
    int addXY(double x, double y, const QString &label = QString(), const QColor &color = QColor());
    int addXYZ(double x, double y, double z, const QString &label = QString(),
               const QColor &color = QColor());
    void clear();
    void reserve(int count) { m_points.reserve(size_t(count)); }
    // Replaces all points at once (fast path of the stream reader).
    void setPoints(std::vector<ChartPoint> points);
    // Changes each time the points change; painters cache on it.
    quint64 revision() const { return m_revision; }

    // Sum of the absolute values, the share of one point in percent.
    double total() const;
    double percent(int index) const;

    // Marks.
    const ChartMarks &marks() const { return m_marks; }
    void setMarks(const ChartMarks &marks);
    void setMarksVisible(bool on);
    void setMarkStyle(MarkStyle style);
    void setMarksTransparent(bool on);
    void setMarksClip(bool on);
    // The text of point index's mark in the current style.
    QString markText(int index) const;

    int penWidth() const { return m_penWidth; }
    void setPenWidth(int width);
    const ChartPointer &pointer() const { return m_pointer; }
    void setPointer(const ChartPointer &pointer);

    // Pies.
    QString percentFormat() const { return m_percentFormat; }
    void setPercentFormat(const QString &format);
    bool circled() const { return m_circled; }
    void setCircled(bool on);
    // Formats a percentage with a pattern such as " ##0.0%": the text before
    // the digits is kept, the decimals after the point are counted.
    static QString formatPercent(double percent, const QString &format);

    // 3D points: vertical lines from each point down to the floor.
    bool baseLinesVisible() const { return m_baseLines; }
    void setBaseLinesVisible(bool on);

private:
    void changed(bool data = false);

    TChart *m_chart;
    SeriesKind m_kind;
    QString m_title;
    QColor m_color;
    bool m_colorEach = false;
    bool m_active = true;
    ValueAxis m_valueAxis = ValueAxis::Left;
    std::vector<ChartPoint> m_points;
    quint64 m_revision = 1;
    ChartMarks m_marks;
    int m_penWidth = 2;
    ChartPointer m_pointer;
    QString m_percentFormat = QStringLiteral("##0.#%");
    bool m_circled = false;
    bool m_baseLines = false;
};
