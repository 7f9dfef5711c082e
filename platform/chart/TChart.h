#pragma once

#include "platform/chart/ChartTypes.h"
#include "platform/chart/TChartAxis.h"
#include "platform/chart/TChartSeries.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <memory>
#include <vector>

class ChartRenderer;
class QPainter;

// The chart control: series, axes, legend, title, walls and a 3D view, drawn
// with QPainter by ChartRenderer. Zooms by dragging a rectangle when allowed,
// tells listeners before the series are drawn and after the chart is drawn (with
// the painter, for overlays), and reads and writes its own stream (ChartStream).
class TChart : public QWidget
{
    Q_OBJECT

public:
    enum class LegendPosition
    {
        Right,
        Bottom
    };

    explicit TChart(QWidget *parent = nullptr);
    ~TChart() override;

    // Series.
    int seriesCount() const { return int(m_series.size()); }
    TChartSeries *series(int index) const;
    TChartSeries *addSeries(SeriesKind kind);
    // Adds a series made elsewhere (for this chart); the chart takes it.
    TChartSeries *addSeries(std::unique_ptr<TChartSeries> series);
    void removeSeries(int index);
    void removeAllSeries();
    int indexOf(const TChartSeries *series) const;
    // Changes the kind of a series keeping its data, title and colours.
    void changeSeriesKind(int index, SeriesKind kind);

    // Axes.
    TChartAxis *axis(TChartAxis::Id id) const { return m_axes[size_t(id)].get(); }
    TChartAxis *leftAxis() const { return axis(TChartAxis::Left); }
    TChartAxis *rightAxis() const { return axis(TChartAxis::Right); }
    TChartAxis *bottomAxis() const { return axis(TChartAxis::Bottom); }
    TChartAxis *depthAxis() const { return axis(TChartAxis::Depth); }
    // The vertical axis a series draws against, its horizontal axis.
    TChartAxis *verticalAxisOf(const TChartSeries *series) const;
    TChartAxis *horizontalAxisOf(const TChartSeries *series) const;

    // Chart title, legend, background.
    QString title() const { return m_title; }
    void setTitle(const QString &title);
    bool legendVisible() const { return m_legendVisible; }
    void setLegendVisible(bool on);
    LegendPosition legendPosition() const { return m_legendPos; }
    void setLegendPosition(LegendPosition pos);
    QColor backgroundColor() const { return m_background; }
    void setBackgroundColor(const QColor &color);
    bool borderVisible() const { return m_border; }
    void setBorderVisible(bool on);
    QColor wallColor() const { return m_wallColor; }
    void setWallColor(const QColor &color);

    // View.
    bool view3D() const { return m_view3D; }
    void setView3D(bool on);
    bool walls() const { return m_walls; }
    void setWalls(bool on);
    bool backWallPen() const { return m_backWallPen; }
    void setBackWallPen(bool on);
    bool clipPoints() const { return m_clipPoints; }
    void setClipPoints(bool on);
    // Rotation and elevation in degrees; depth of 2D series in 3D, percent of the plot.
    int rotation() const { return m_rotation; }
    void setRotation(int degrees);
    int elevation() const { return m_elevation; }
    void setElevation(int degrees);
    int depth3D() const { return m_depth3D; }
    void setDepth3D(int percent);

    // Zoom.
    bool zoomAllowed() const { return m_zoomAllowed; }
    void setZoomAllowed(bool on);
    // Zooms to a rectangle of chart pixels (as a drag does); undoZoom goes back
    // to the view before the first zoom.
    void zoomToRect(const QRect &rect);
    void undoZoom();
    bool isZoomed() const { return !m_zoomStack.empty(); }
    // Zoom and pan of a 3D point cloud (1 = fit).
    double cloudZoom() const { return m_cloudZoom; }
    QPointF cloudPan() const { return m_cloudPan; }

    // Printing: margins in percent (left, top, right, bottom), resolution
    // (0 = screen scale, negative values print finer).
    QMargins printMargins() const { return m_printMargins; }
    void setPrintMargins(const QMargins &percent) { m_printMargins = percent; }
    int printResolution() const { return m_printResolution; }
    void setPrintResolution(int value) { m_printResolution = value; }

    // Drawing. draw() paints the whole chart into rect; the plot rectangle and
    // the axes' pixel mapping are those of the last drawing.
    void draw(QPainter &painter, const QRect &rect);
    QImage toImage(const QSize &size, const QColor &background = QColor());
    QRect plotRect() const { return m_plotRect; }
    // True when series 0 is a 3D point series: the chart is a projected cloud.
    bool isCloud() const;

    // Native stream (JSON, data included). Loading replaces everything; on a
    // malformed stream it throws TessaryError and leaves an empty chart.
    QByteArray saveToStream() const;
    void loadFromStream(const QByteArray &bytes);
    void saveToFile(const QString &fileName) const;
    void loadFromFile(const QString &fileName);
    // Back to an empty chart with default settings.
    void clearChart();

    // Model bookkeeping used by series and axes.
    void invalidate();
    void ensureRanges();

    QSize sizeHint() const override { return QSize(640, 420); }

signals:
    // Emitted while drawing, after axes, walls and grid and before the series.
    void beforeDrawSeries(QPainter *painter);
    // Emitted when the chart has been drawn.
    void afterDraw(QPainter *painter);
    void chartMousePressed(QMouseEvent *event);
    void chartMouseMoved(QMouseEvent *event);
    void chartMouseReleased(QMouseEvent *event);
    void zoomChanged();
    // Any change of content or view.
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct ZoomState
    {
        bool automatic[4];
        double min[4];
        double max[4];
        double cloudZoom;
        QPointF cloudPan;
    };
    void computeRanges();
    void resetSettings();

    std::vector<std::unique_ptr<TChartSeries>> m_series;
    std::unique_ptr<TChartAxis> m_axes[4];
    std::unique_ptr<ChartRenderer> m_renderer;
    QString m_title;
    bool m_legendVisible = true;
    LegendPosition m_legendPos = LegendPosition::Right;
    QColor m_background;
    bool m_border = false;
    QColor m_wallColor;
    bool m_view3D = false;
    bool m_walls = true;
    bool m_backWallPen = true;
    bool m_clipPoints = true;
    int m_rotation = 30;
    int m_elevation = 20;
    int m_depth3D = 12;
    bool m_zoomAllowed = false;
    std::vector<ZoomState> m_zoomStack;
    double m_cloudZoom = 1.0;
    QPointF m_cloudPan;
    QMargins m_printMargins{5, 5, 5, 5};
    int m_printResolution = 0;
    QRect m_plotRect;
    bool m_rangesDirty = true;
    bool m_inRanges = false;
    bool m_dragging = false;
    QPoint m_dragStart;
    QPoint m_dragNow;

    friend class ChartRenderer;
    friend class ChartStream;
};
