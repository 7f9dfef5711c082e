#pragma once

#include <QByteArray>
#include <QDialog>

class TChart;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;
class QTableWidget;
class QPushButton;

// The chart-editing dialog: chart title, background, border and legend; the
// series' titles, kinds, colours and visibility; each axis's range, step,
// title, grid, inversion and label angle; the 3D view. Every change shows on the
// chart at once; Cancel puts the chart back as it was when the dialog opened.
class ChartEditDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ChartEditDialog(TChart *chart, QWidget *parent = nullptr);

    // The tabs, for callers that open the dialog on a given page.
    enum Page
    {
        ChartPage,
        SeriesPage,
        AxesPage,
        ViewPage
    };
    void showPage(Page page);

    void reject() override;

private:
    QWidget *makeChartPage();
    QWidget *makeSeriesPage();
    QWidget *makeAxesPage();
    QWidget *makeViewPage();
    void loadSeries();
    void loadAxis();
    void applyAxisRange();
    void pickColor(QPushButton *button, const QColor &current,
                   const std::function<void(QColor)> &set);
    static void paintSwatch(QPushButton *button, const QColor &color);

    TChart *m_chart;
    QByteArray m_original;
    bool m_loading = false;
    class QTabWidget *m_tabs = nullptr;

    QLineEdit *m_title = nullptr;
    QPushButton *m_background = nullptr;
    QCheckBox *m_border = nullptr;
    QCheckBox *m_legend = nullptr;
    QComboBox *m_legendPos = nullptr;

    QTableWidget *m_series = nullptr;

    QComboBox *m_axisChoice = nullptr;
    QLineEdit *m_axisTitle = nullptr;
    QCheckBox *m_axisAuto = nullptr;
    QLineEdit *m_axisMin = nullptr;
    QLineEdit *m_axisMax = nullptr;
    QLineEdit *m_axisStep = nullptr;
    QCheckBox *m_axisInverted = nullptr;
    QCheckBox *m_axisGrid = nullptr;
    QCheckBox *m_axisVisible = nullptr;
    QSpinBox *m_axisAngle = nullptr;
    QLabel *m_axisError = nullptr;

    QCheckBox *m_view3D = nullptr;
    QCheckBox *m_walls = nullptr;
    QCheckBox *m_wallPen = nullptr;
    QSlider *m_rotation = nullptr;
    QSlider *m_elevation = nullptr;
    QSpinBox *m_depth = nullptr;
};
