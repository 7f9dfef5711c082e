#pragma once

#include "store/PageContent.h"
#include "timeline/TimeLineDocument.h"

#include <QColor>
#include <QPoint>
#include <QWidget>

class QAction;
class QMenu;
class QScrollBar;
class QTimer;
class QToolButton;
class TTimeBar;
class TTimeLineOptionsDlg;

// The timeline viewer ("Timeline"): a time bar with the page's events, zoomed
// and scrolled by the user, with three annotation layouts, a selected event
// that is highlighted and has its own menu (delete, above/below, colour), and
// the picture commands. Its content is the timeline text.
class TTimeLineDlg : public QWidget, public PageContent
{
    Q_OBJECT

public:
    explicit TTimeLineDlg(QWidget *parent = nullptr);
    ~TTimeLineDlg() override;

    // ---- PageContent
    QByteArray saveContent() override;
    void loadContent(const QByteArray &bytes, const QString &pageInfo) override;
    void clearContent() override;
    void loadFile(const QString &fileName) override;
    QStringList saveExtensions() const override;
    void saveToFile(const QString &fileName) override;
    QImage renderImage(const QSize &size) override;

    // ---- Operations
    void FormActivate();
    void FormClose();
    // The division scale for the visible span, and the scroll bar's page size.
    void AdjustScale();
    void RefreshButtons();
    // Animated zoom: ten steps of 5 % in or out.
    void ZoomIn();
    void ZoomOut();
    void ScrollbarChange(int position);
    // The user dragged the bar: the scroll bar follows.
    void TimeLineScrolled(const QDateTime &start);
    // Layout buttons: PositionMode := mode, PositionClick, modified.
    void SetPositionMode(int mode);
    // Applies PositionMode: the bar's margin and every event's side and shape.
    void PositionClick();
    // The events in the order of their positions (then annotation and hint).
    void SortIndicators();
    void IndicatorClick(int index);
    void TimeLineMouseUp(Qt::MouseButton button, const QPoint &pos);
    void Timer1Timer();
    // Event menu.
    void PopupMenu1Popup();
    void DeleteSelected();
    void SetSelectedAbove(bool above);
    void ChangeSelectedColor();
    // Field 4 of the selected event's description; nothing follows it yet.
    void ShowLocation();
    // Pictures and options.
    void CopyChart();
    void SaveChart();
    void PrintChart();
    void ShowOptions();

    // ---- State
    TTimeBar *TimeLine = nullptr;
    QScrollBar *Scrollbar = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QMenu *Position1 = nullptr;
    QAction *Delete1 = nullptr;
    QAction *Above1 = nullptr;
    QAction *Below1 = nullptr;
    QAction *ChangeColor1 = nullptr;
    QAction *ShowLocation1 = nullptr;
    QTimer *Timer1 = nullptr;
    QToolButton *ZoomInBtn = nullptr;
    QToolButton *ZoomOutBtn = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *TrackingBtn = nullptr;
    QToolButton *Pos0 = nullptr;
    QToolButton *Pos1 = nullptr;
    QToolButton *Pos2 = nullptr;
    QToolButton *CopyChart2 = nullptr;
    QToolButton *SaveChart2 = nullptr;
    QToolButton *BitBtn3 = nullptr;

    QStringList Descriptions;
    int PositionMode = 1;
    int Selected = -1;
    bool ClickFlag = false;
    QColor SavedAnnotationColor;
    QColor SavedTextColor;
    QPoint MousePos; // last pointer position over the bar, screen co-ordinates
    // The lines of the last loaded text that could not be read.
    QVector<TimeLineProblem> LoadProblems;
    // The options dialog while ShowOptions runs (for tests), else null.
    TTimeLineOptionsDlg *OptionsDialog = nullptr;

signals:
    // "Show location..." was chosen; location is field 4 of the description.
    void ShowLocationRequested(const QString &location);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolPanel(QWidget *panel);
    void buildMenu();
    void modified();
    void restoreEvent(int index);
    void highlightEvent(int index);
    void setScroll(int position, int pageSize);
    int marginFor(int height) const;
    void applyMargin();
    void afterLoad(const TimeLineDocument &doc, const QString &source);
    void zoomSteps(double factor);

    bool m_zooming = false;
};
