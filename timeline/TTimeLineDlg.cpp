#include "timeline/TTimeLineDlg.h"

#include "platform/timebar/TTimeBar.h"
#include "store/PageState.h"
#include "timeline/TimeLineScaleRule.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

QToolButton *toolButton(QWidget *parent, const char *icon, const QString &hint)
{
    auto *b = new QToolButton(parent);
    b->setIcon(QIcon::fromTheme(QString::fromLatin1(icon)));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setIconSize(QSize(22, 22));
    b->setFixedSize(34, 34);
    return b;
}

} // namespace

TTimeLineDlg::TTimeLineDlg(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(tr("Timeline"));
    setFocusPolicy(Qt::StrongFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *panel = new QWidget(this);
    panel->setFixedHeight(41);
    buildToolPanel(panel);
    layout->addWidget(panel);

    TimeLine = new TTimeBar(this);
    TTimeBarIndicator def = TimeLine->DefaultIndicator();
    def.AnnotationColor = def.Color = def.ColorTo = QColor(0xFF, 0xD9, 0xAA);
    def.Shape = isTriangleDown;
    def.Size = 8;
    def.ShowTickMark = false;
    TimeLine->SetDefaultIndicator(def);
    TimeLine->SetVerticalMargin(200);
    TimeLine->installEventFilter(this);
    layout->addWidget(TimeLine, 1);

    Scrollbar = new QScrollBar(Qt::Horizontal, this);
    setScroll(0, 20);
    layout->addWidget(Scrollbar);

    Timer1 = new QTimer(this);
    Timer1->setInterval(10);
    buildMenu();

    connect(TimeLine, &TTimeBar::IndicatorClick, this, &TTimeLineDlg::IndicatorClick);
    connect(TimeLine, &TTimeBar::TimeLineMouseUp, this, &TTimeLineDlg::TimeLineMouseUp);
    connect(TimeLine, &TTimeBar::TimeLineMouseMove, this,
            [this](const QPoint &global) { MousePos = global; });
    connect(TimeLine, &TTimeBar::RangeScrolled, this, &TTimeLineDlg::TimeLineScrolled);
    connect(Scrollbar, &QScrollBar::valueChanged, this, &TTimeLineDlg::ScrollbarChange);
    connect(Timer1, &QTimer::timeout, this, &TTimeLineDlg::Timer1Timer);
    AdjustScale();
    RefreshButtons();
}

TTimeLineDlg::~TTimeLineDlg() = default;

void TTimeLineDlg::buildToolPanel(QWidget *panel)
{
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 3, 4, 3);
    row->setSpacing(2);
    ZoomInBtn = toolButton(panel, "zoom-in", tr("Zoom in"));
    ZoomOutBtn = toolButton(panel, "zoom-out", tr("Zoom out"));
    SpeedButton1 = toolButton(panel, "configure", tr("Timeline options"));
    TrackingBtn = toolButton(panel, "view-refresh", tr("Synchronize timeline with main window"));
    TrackingBtn->setCheckable(true);
    TrackingBtn->setChecked(true);
    Pos0 = toolButton(panel, "go-up", tr("Annotations above the bar"));
    Pos1 = toolButton(panel, "distribute-vertical-center", tr("Annotations above and below"));
    Pos2 = toolButton(panel, "go-down", tr("Annotations below the bar"));
    if (Pos1->icon().isNull())
        Pos1->setIcon(QIcon::fromTheme(QStringLiteral("align-vertical-center")));
    const QList<QToolButton *> layouts = {Pos0, Pos1, Pos2};
    for (int tag = 0; tag < 3; ++tag) {
        QToolButton *b = layouts[tag];
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setProperty("Tag", tag);
        connect(b, &QToolButton::clicked, this, [this, tag] { SetPositionMode(tag); });
    }
    Pos1->setChecked(true);
    CopyChart2 = toolButton(panel, "edit-copy", tr("Copy to clipboard"));
    SaveChart2 = toolButton(panel, "document-save", tr("Save to file"));
    BitBtn3 = toolButton(panel, "document-print", tr("Print "));

    for (QToolButton *b : {ZoomInBtn, ZoomOutBtn, SpeedButton1, TrackingBtn})
        row->addWidget(b);
    row->addSpacing(10);
    for (QToolButton *b : layouts)
        row->addWidget(b);
    row->addStretch();
    for (QToolButton *b : {CopyChart2, SaveChart2, BitBtn3})
        row->addWidget(b);

    connect(ZoomInBtn, &QToolButton::clicked, this, &TTimeLineDlg::ZoomIn);
    connect(ZoomOutBtn, &QToolButton::clicked, this, &TTimeLineDlg::ZoomOut);
    connect(SpeedButton1, &QToolButton::clicked, this, &TTimeLineDlg::ShowOptions);
    connect(CopyChart2, &QToolButton::clicked, this, &TTimeLineDlg::CopyChart);
    connect(SaveChart2, &QToolButton::clicked, this, &TTimeLineDlg::SaveChart);
    connect(BitBtn3, &QToolButton::clicked, this, &TTimeLineDlg::PrintChart);
}

void TTimeLineDlg::buildMenu()
{
    PopupMenu1 = new QMenu(this);
    Delete1 = PopupMenu1->addAction(tr("Delete"), this, &TTimeLineDlg::DeleteSelected);
    Position1 = PopupMenu1->addMenu(tr("Position"));
    auto *sides = new QActionGroup(this);
    Above1 = Position1->addAction(tr("Above"), this, [this] { SetSelectedAbove(true); });
    Below1 = Position1->addAction(tr("Below"), this, [this] { SetSelectedAbove(false); });
    for (QAction *a : {Above1, Below1}) {
        a->setCheckable(true);
        sides->addAction(a);
    }
    ChangeColor1 =
        PopupMenu1->addAction(tr("Change color..."), this, &TTimeLineDlg::ChangeSelectedColor);
    ShowLocation1 =
        PopupMenu1->addAction(tr("Show location..."), this, &TTimeLineDlg::ShowLocation);
    ShowLocation1->setEnabled(false);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TTimeLineDlg::PopupMenu1Popup);
}

void TTimeLineDlg::modified()
{
    PageModified = true;
}

// ---- Opening and closing -----------------------------------------------------

void TTimeLineDlg::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    FormActivate();
}

void TTimeLineDlg::closeEvent(QCloseEvent *event)
{
    FormClose();
    QWidget::closeEvent(event);
}

void TTimeLineDlg::FormActivate()
{
    TimeLine->SetHintDelay(800);
    SortIndicators();
    PositionClick();
}

void TTimeLineDlg::FormClose()
{
    TimeLine->SetHintDelay(100);
    Descriptions.clear();
}

// ---- Division scale, zoom and scrolling ----------------------------------------

void TTimeLineDlg::AdjustScale()
{
    const double span = double(TimeLine->ToMSecs() - TimeLine->FromMSecs()) / 86400000.0;
    const std::optional<TimeLineScaleRow> row =
        TimeLineScaleRule::ForSpan(span, locale().dateFormat(QLocale::ShortFormat));
    if (row) {
        TTimeBarRangeAppearance look = TimeLine->RangeAppearance();
        look.DivisionFormat = row->Format;
        if (row->SubFormat)
            look.SubDivisionFormat = *row->SubFormat;
        TimeLine->SetRangeAppearance(look);
        TimeLine->SetDivisions(row->Type, row->Divisions, row->SubDivisions);
    }
    const double total = double(TimeLine->MaximumMSecs() - TimeLine->MinimumMSecs()) / 86400000.0;
    setScroll(Scrollbar->value(), int(std::lround(span / total * 1000.0)));
}

void TTimeLineDlg::RefreshButtons()
{
    // Disabled while the whole total range is in view.
    ZoomOutBtn->setEnabled(!(TimeLine->FromMSecs() <= TimeLine->MinimumMSecs() &&
                             TimeLine->ToMSecs() >= TimeLine->MaximumMSecs()));
}

void TTimeLineDlg::zoomSteps(double factor)
{
    if (m_zooming)
        return;
    m_zooming = true;
    for (int step = 0; step < 10; ++step) {
        const qint64 from = TimeLine->FromMSecs();
        const qint64 span = TimeLine->ToMSecs() - from;
        const qint64 t = from + qint64(std::llround(double(span) * factor));
        const qint64 max = TimeLine->MaximumMSecs();
        if (factor > 1 && t > max)
            TimeLine->SetRangeMSecs(from - (t - max), max);
        else
            TimeLine->SetRangeMSecs(from, t);
        // Each step is drawn at once: the zoom is animated.
        TimeLine->repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    m_zooming = false;
    RefreshButtons();
    AdjustScale();
    modified();
}

void TTimeLineDlg::ZoomIn()
{
    zoomSteps(0.95);
}

void TTimeLineDlg::ZoomOut()
{
    zoomSteps(1.052632);
}

void TTimeLineDlg::setScroll(int position, int pageSize)
{
    pageSize = qBound(1, pageSize, 1000);
    const QSignalBlocker block(Scrollbar);
    Scrollbar->setRange(0, 1000 - pageSize);
    Scrollbar->setPageStep(pageSize);
    Scrollbar->setSingleStep(qMax(1, pageSize / 10));
    Scrollbar->setValue(position);
}

void TTimeLineDlg::ScrollbarChange(int position)
{
    const qint64 min = TimeLine->MinimumMSecs(), max = TimeLine->MaximumMSecs();
    const qint64 span = TimeLine->ToMSecs() - TimeLine->FromMSecs();
    const qint64 from = min + qint64(std::llround(double(max - min) * position / 1000.0));
    TimeLine->SetRangeMSecs(from, from + span);
    RefreshButtons();
}

void TTimeLineDlg::TimeLineScrolled(const QDateTime &start)
{
    const double total = double(TimeLine->MaximumMSecs() - TimeLine->MinimumMSecs());
    const double span = double(TimeLine->ToMSecs() - TimeLine->FromMSecs());
    const double pos =
        double(TTimeBar::Naive(start).toMSecsSinceEpoch() - TimeLine->MinimumMSecs());
    setScroll(int(std::lround(pos / total * 1000.0)), int(std::lround(span / total * 1000.0)));
    RefreshButtons();
}

// ---- Layouts -------------------------------------------------------------------

int TTimeLineDlg::marginFor(int height) const
{
    switch (PositionMode) {
    case 0:
        return height - 60;
    case 2:
        return 5;
    default:
        return (height - 20) / 2;
    }
}

void TTimeLineDlg::applyMargin()
{
    TimeLine->SetVerticalMargin(marginFor(TimeLine->height()));
}

bool TTimeLineDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TimeLine && event->type() == QEvent::Resize)
        applyMargin();
    return QWidget::eventFilter(watched, event);
}

void TTimeLineDlg::SetPositionMode(int mode)
{
    PositionMode = qBound(0, mode, 2);
    QToolButton *buttons[3] = {Pos0, Pos1, Pos2};
    buttons[PositionMode]->setChecked(true);
    PositionClick();
    modified();
}

void TTimeLineDlg::PositionClick()
{
    applyMargin();
    TimeLine->BeginUpdate();
    if (PositionMode == 1)
        SortIndicators();
    for (int i = 0; i < TimeLine->IndicatorCount(); ++i) {
        TTimeBarIndicator ind = TimeLine->Indicator(i);
        const bool above = PositionMode == 0 || (PositionMode == 1 && i % 2 == 0);
        ind.AnnotationPosition = above ? apOnTop : apAtBottom;
        ind.Shape = above ? isTriangleDown : isTriangleUp;
        TimeLine->SetIndicator(i, ind);
    }
    TimeLine->EndUpdate();
}

void TTimeLineDlg::SortIndicators()
{
    // Sorting moves events to other indexes: the selection goes first.
    if (Selected >= 0) {
        restoreEvent(Selected);
        Selected = -1;
    }
    QVector<TTimeBarIndicator> all;
    all.reserve(TimeLine->IndicatorCount());
    for (int i = 0; i < TimeLine->IndicatorCount(); ++i)
        all.append(TimeLine->Indicator(i));
    // Whole events move, so that each keeps its description (Tag) and colours.
    std::stable_sort(all.begin(), all.end(),
                     [](const TTimeBarIndicator &a, const TTimeBarIndicator &b) {
                         if (a.Position != b.Position)
                             return a.Position < b.Position;
                         const int c = a.Annotation.compare(b.Annotation, Qt::CaseInsensitive);
                         if (c != 0)
                             return c < 0;
                         return a.Hint.compare(b.Hint, Qt::CaseInsensitive) < 0;
                     });
    TimeLine->BeginUpdate();
    for (int i = 0; i < all.size(); ++i)
        TimeLine->SetIndicator(i, all[i]);
    TimeLine->EndUpdate();
}

// ---- Keyboard --------------------------------------------------------------------

void TTimeLineDlg::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        ZoomIn();
        break;
    case Qt::Key_Minus:
        ZoomOut();
        break;
    case Qt::Key_Left:
        Scrollbar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        Scrollbar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Delete:
        DeleteSelected();
        break;
    case Qt::Key_Escape:
        ClickFlag = false;
        Timer1Timer();
        break;
    case Qt::Key_Menu:
        if (Selected >= 0)
            IndicatorClick(Selected);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
