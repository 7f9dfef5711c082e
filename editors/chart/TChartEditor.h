#pragma once

#include "editors/chart/ChartActions.h"
#include "platform/chart/TChart.h"
#include "store/PageContent.h"

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>

class QMouseEvent;
class QPainter;
class QTimer;
class QToolBar;

// The chart page editor: shows the page's chart (ChartView, in the panel
// CPanel), switches its kind and view, transposes it, rotates, zooms and swings
// it, overlays the fitted curve the host described in the page information,
// and copies, prints and saves it. Operations carry the names the main
// window's chart toolbar and Chart menu call; the buttons are ChartActions.
class TChartEditor : public QWidget, public PageContent
{
    Q_OBJECT

public:
    explicit TChartEditor(QWidget *parent = nullptr);
    ~TChartEditor() override;

    // PageContent.
    QByteArray saveContent() override;
    void loadContent(const QByteArray &bytes, const QString &pageInfo) override;
    void clearContent() override;
    void loadFile(const QString &fileName) override;
    QStringList saveExtensions() const override;
    void saveToFile(const QString &fileName) override;
    QImage renderImage(const QSize &size) override;

    TChart *ChartView() const { return m_chart; }
    QWidget *CPanel() const { return m_panel; }
    QString ChartInfo() const { return m_chartInfo; }
    void setChartInfo(const QString &info) { m_chartInfo = info; }
    ChartActions *actions() const { return m_actions; }
    QAction *button(ChartActions::Button b) const { return m_actions->action(b); }
    QToolBar *toolBar() const { return m_toolBar; }

    // Operations.
    void InitializeChart();
    void LoadChart(const QString &fileName);
    void OpenChartClick();
    void SaveChartClick();
    void SaveChartToDisk(TChart *chart);
    void Copyasbitmap1Click();
    void CopyasMetafile1Click();
    void PrintChartClick();
    void EditChartClick();
    void SwitchVBar();
    void SwitchHBar();
    void SwitchPie();
    void SwitchGroupBars();
    void SwitchGroupLines();
    void SwapSeries();
    void View3DClick();
    void ViewWallsClick();
    void BLinesClick();
    void ZoomInClick();
    void ZoomOutClick();
    void RotateBtnClick();
    void AnimateClick();
    void Timer1Timer();
    void ChartViewMouseDown(Qt::MouseButton button, const QPoint &pos);
    void ChartViewMouseMove(const QPoint &pos);
    void ChartViewMouseUp(Qt::MouseButton button, const QPoint &pos);
    void OnBeforeDraw(QPainter *canvas);
    void ChartViewAfterDraw(QPainter *canvas);
    void DrawFittedCurve(QPainter *canvas, const QString &descriptor);

    // The save dialog's filter, and the name written for a chosen name and
    // filter (1-based): a name without any extension gets the filter's.
    static QString saveFilter();
    static QString chartSaveName(const QString &name, int filterIndex);
    // Writes the chart in the format of a save filter entry.
    static void writeChart(TChart *chart, const QString &fileName, int filterIndex);

    // Editor state, kept across pages.
    bool RotateMode = false;
    bool RotateDragging = false;
    QColor SavedChartColor;
    int animationA() const { return m_a; }
    int animationB() const { return m_b; }
    int animationLimit() const { return m_la; }
    QTimer *Timer1() const { return m_timer; }
    // The fair coin of the swinging animation (tests give their own).
    void setCoin(std::function<bool()> coin) { m_coin = std::move(coin); }

signals:
    // The visibility or pressed state of the toolbar buttons changed.
    void toolbarChanged();

private:
    void installChart(TChart *chart);
    void hookChart();
    void setModified();
    void pressKindButton(ChartActions::Button b);

    ChartActions *m_actions = nullptr;
    QToolBar *m_toolBar = nullptr;
    QWidget *m_panel = nullptr;
    QPointer<TChart> m_chart;
    QString m_chartInfo = QStringLiteral("None");
    QTimer *m_timer = nullptr;
    int m_x0 = 0;
    int m_y0 = 0;
    int m_baseRotation = 0;
    int m_baseElevation = 0;
    int m_a = 0;
    int m_b = 0;
    bool m_aUp = false;
    bool m_bUp = false;
    int m_la = 13;
    std::function<bool()> m_coin;
};
