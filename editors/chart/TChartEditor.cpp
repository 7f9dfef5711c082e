#include "editors/chart/TChartEditor.h"

#include "platform/TessaryError.h"
#include "platform/chart/TChart.h"
#include "platform/dialogs/Dialogs.h"
#include "store/PageState.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

TChartEditor::TChartEditor(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TChartEditor"));
    m_actions = new ChartActions(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolBar = m_actions->makeToolBar(this);
    layout->addWidget(m_toolBar);
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("CPanel"));
    auto *panelLayout = new QVBoxLayout(m_panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_panel, 1);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &TChartEditor::Timer1Timer);
    m_coin = [] { return QRandomGenerator::global()->bounded(2) == 1; };

    using B = ChartActions;
    const std::pair<B::Button, void (TChartEditor::*)()> wiring[] = {
        {B::OpenChart, &TChartEditor::OpenChartClick},
        {B::SaveChartBtn, &TChartEditor::SaveChartClick},
        {B::CopyBitmap, &TChartEditor::Copyasbitmap1Click},
        {B::CopyMetafile, &TChartEditor::CopyasMetafile1Click},
        {B::PrintChartBtn, &TChartEditor::PrintChartClick},
        {B::EditChartBtn, &TChartEditor::EditChartClick},
        {B::VBarBtn, &TChartEditor::SwitchVBar},
        {B::HBarBtn, &TChartEditor::SwitchHBar},
        {B::PieBtn, &TChartEditor::SwitchPie},
        {B::GroupBarBtn, &TChartEditor::SwitchGroupBars},
        {B::GroupLineBtn, &TChartEditor::SwitchGroupLines},
        {B::SwapSeriesBtn, &TChartEditor::SwapSeries},
        {B::View3D, &TChartEditor::View3DClick},
        {B::ViewWalls, &TChartEditor::ViewWallsClick},
        {B::BaseLineBtn, &TChartEditor::BLinesClick},
        {B::RotationBtn, &TChartEditor::RotateBtnClick},
        {B::ZoomInBtn, &TChartEditor::ZoomInClick},
        {B::ZoomOutBtn, &TChartEditor::ZoomOutClick},
        {B::AnimateBtn, &TChartEditor::AnimateClick},
    };
    for (const auto &w : wiring) {
        auto op = w.second;
        connect(button(w.first), &QAction::triggered, this, [this, op] {
            // Errors of the chart engine (a bad file, an axis range it refuses)
            // are shown, and the editor goes on.
            try {
                (this->*op)();
            } catch (const TessaryError &e) {
                dialogs().message(this, e.message(), Dialogs::Icon::Error);
            }
        });
    }
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        QMenu *menu = m_actions->makeMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(mapToGlobal(pos));
    });
    installChart(new TChart);
    InitializeChart();
}

TChartEditor::~TChartEditor() = default;

void TChartEditor::setModified()
{
    PageModified = true;
}

void TChartEditor::installChart(TChart *chart)
{
    if (m_chart)
        delete m_chart.data();
    m_chart = chart;
    chart->setObjectName(QStringLiteral("ChartView"));
    chart->setParent(m_panel);
    chart->setContextMenuPolicy(Qt::NoContextMenu);
    m_panel->layout()->addWidget(chart);
    chart->show();
}

void TChartEditor::hookChart()
{
    TChart *c = m_chart;
    connect(c, &TChart::chartMousePressed, this,
            [this](QMouseEvent *e) { ChartViewMouseDown(e->button(), e->position().toPoint()); });
    connect(c, &TChart::chartMouseMoved, this,
            [this](QMouseEvent *e) { ChartViewMouseMove(e->position().toPoint()); });
    connect(c, &TChart::chartMouseReleased, this,
            [this](QMouseEvent *e) { ChartViewMouseUp(e->button(), e->position().toPoint()); });
    connect(c, &TChart::beforeDrawSeries, this, &TChartEditor::OnBeforeDraw);
    connect(c, &TChart::afterDraw, this, &TChartEditor::ChartViewAfterDraw);
}

void TChartEditor::InitializeChart()
{
    using B = ChartActions;
    TChart *c = m_chart;
    SavedChartColor = c->backgroundColor();
    // A chart read from a stream carries no handlers: hook it after every load.
    disconnect(c, nullptr, this, nullptr);
    hookChart();
    const TChartSeries *s0 = c->series(0);
    const SeriesKind k0 = s0 ? s0->kind() : SeriesKind::Bar;
    const bool is3DPoint = s0 && k0 == SeriesKind::Point3D;
    button(B::ZoomInBtn)->setVisible(s0 && (is3DPoint || k0 == SeriesKind::Point));
    button(B::ZoomOutBtn)->setVisible(button(B::ZoomInBtn)->isVisible());
    button(B::RotationBtn)->setVisible(is3DPoint || c->view3D());
    button(B::RotationBtn)->setChecked(RotateMode);
    button(B::AnimateBtn)->setVisible(is3DPoint);
    m_timer->setInterval(100);
    if (button(B::AnimateBtn)->isVisible() && button(B::AnimateBtn)->isChecked())
        m_timer->start();
    else
        m_timer->stop();
    button(B::ViewWalls)->setVisible(is3DPoint);
    button(B::ViewWalls)->setChecked(is3DPoint && c->walls());
    button(B::BaseLineBtn)->setVisible(is3DPoint);
    button(B::BaseLineBtn)->setChecked(is3DPoint && s0->baseLinesVisible());
    QApplication::processEvents();
    button(B::View3D)->setVisible(true);
    button(B::View3D)->setChecked(c->view3D());
    const bool multi = c->seriesCount() > 1 && (k0 == SeriesKind::Bar || k0 == SeriesKind::Line);
    button(B::SwapSeriesBtn)->setVisible(multi);
    const bool single = c->seriesCount() == 1 && (k0 == SeriesKind::Bar || k0 == SeriesKind::Pie ||
                                                  k0 == SeriesKind::HorizBar);
    for (B::Button b : {B::HBarBtn, B::VBarBtn, B::PieBtn})
        button(b)->setVisible(single);
    button(B::VBarBtn)->setChecked(single && k0 == SeriesKind::Bar);
    button(B::HBarBtn)->setChecked(single && k0 == SeriesKind::HorizBar);
    button(B::PieBtn)->setChecked(single && k0 == SeriesKind::Pie);
    button(B::GroupBarBtn)->setVisible(multi);
    button(B::GroupLineBtn)->setVisible(multi);
    button(B::GroupBarBtn)->setChecked(multi && k0 == SeriesKind::Bar);
    button(B::GroupLineBtn)->setChecked(multi && k0 != SeriesKind::Bar);
    PageModified = false;
    emit toolbarChanged();
}

void TChartEditor::pressKindButton(ChartActions::Button pressed)
{
    using B = ChartActions;
    for (B::Button b : {B::VBarBtn, B::HBarBtn, B::PieBtn})
        button(b)->setChecked(b == pressed);
    emit toolbarChanged();
}

// ---- Kind switches ----------------------------------------------------------

void TChartEditor::SwitchVBar()
{
    TChart *c = m_chart;
    if (c->seriesCount() < 1)
        return;
    c->changeSeriesKind(0, SeriesKind::Bar);
    TChartSeries *s = c->series(0);
    s->setColorEachPoint(false);
    s->setMarksVisible(false);
    c->bottomAxis()->setLabelsAngle(0);
    TChartAxis *left = c->leftAxis();
    const TChartAxis *right = c->rightAxis();
    left->setAutomatic(false);
    // The right axis keeps the value scale of a stored chart.
    const double lo = right->minimum(), hi = right->maximum(), step = right->increment();
    left->setMinimum(lo);
    left->setMaximum(hi);
    left->setIncrement(step);
    left->setInverted(false);
    c->bottomAxis()->setGridVisible(false);
    left->setGridVisible(true);
    c->bottomAxis()->setAutomatic(true);
    setModified();
    pressKindButton(ChartActions::VBarBtn);
}

void TChartEditor::SwitchHBar()
{
    TChart *c = m_chart;
    if (c->seriesCount() < 1)
        return;
    c->changeSeriesKind(0, SeriesKind::HorizBar);
    TChartSeries *s = c->series(0);
    s->setColorEachPoint(false);
    s->setMarksVisible(false);
    c->leftAxis()->setAutomatic(true);
    TChartAxis *bottom = c->bottomAxis();
    const TChartAxis *right = c->rightAxis();
    bottom->setAutomatic(false);
    const double lo = right->minimum(), hi = right->maximum(), step = right->increment();
    bottom->setMinimum(lo);
    bottom->setMaximum(hi);
    bottom->setIncrement(step);
    bottom->setGridVisible(true);
    c->leftAxis()->setGridVisible(false);
    c->leftAxis()->setInverted(true); // first category at the top
    bottom->setLabelsAngle(0);
    setModified();
    pressKindButton(ChartActions::HBarBtn);
}

void TChartEditor::SwitchPie()
{
    TChart *c = m_chart;
    if (c->seriesCount() < 1)
        return;
    c->changeSeriesKind(0, SeriesKind::Pie);
    TChartSeries *s = c->series(0);
    s->setColorEachPoint(true);
    ChartMarks m = s->marks();
    m.visible = true;
    m.style = MarkStyle::LabelPercent;
    m.transparent = true;
    s->setMarks(m);
    s->setCircled(true);
    c->bottomAxis()->setLabelsAngle(0);
    s->setPercentFormat(QStringLiteral(" ##0.0%"));
    setModified();
    pressKindButton(ChartActions::PieBtn);
}

void TChartEditor::SwitchGroupBars()
{
    TChart *c = m_chart;
    for (int i = 0; i < c->seriesCount(); ++i) {
        c->series(i)->setPenWidth(1);
        c->changeSeriesKind(i, SeriesKind::Bar);
        c->bottomAxis()->setAutomatic(true);
        c->leftAxis()->setEndPosition(100);
    }
    button(ChartActions::GroupBarBtn)->setChecked(true);
    button(ChartActions::GroupLineBtn)->setChecked(false);
    emit toolbarChanged();
}

void TChartEditor::SwitchGroupLines()
{
    static const PointerStyle styles[7] = {PointerStyle::Circle,   PointerStyle::Rectangle,
                                           PointerStyle::Triangle, PointerStyle::Cross,
                                           PointerStyle::Star,     PointerStyle::DownTriangle,
                                           PointerStyle::DiagCross};
    TChart *c = m_chart;
    for (int i = 0; i < c->seriesCount(); ++i) {
        c->changeSeriesKind(i, SeriesKind::Line);
        TChartSeries *s = c->series(i);
        ChartPointer p = s->pointer();
        p.visible = true;
        p.style = styles[(i + 1) % 7];
        p.horizSize = 3;
        p.vertSize = 3;
        s->setPointer(p);
        s->setPenWidth(2);
    }
    TChartAxis *bottom = c->bottomAxis();
    const double lo = bottom->minimum(), hi = bottom->maximum();
    const double margin = qMin((hi - lo) / 40.0, 1.0);
    bottom->setAutomatic(false);
    bottom->setMinimum(lo - margin);
    bottom->setMaximum(hi + margin);
    c->leftAxis()->setEndPosition(99);
    button(ChartActions::GroupBarBtn)->setChecked(false);
    button(ChartActions::GroupLineBtn)->setChecked(true);
    emit toolbarChanged();
}

void TChartEditor::SwapSeries()
{
    TChart *c = m_chart;
    const int S = c->seriesCount();
    if (S < 2)
        return;
    const TChartSeries *names = c->series(1);
    const int P = names->count();
    for (int p = 1; p <= P; ++p) {
        TChartSeries *n = c->addSeries(SeriesKind::Bar);
        c->bottomAxis()->setAutomatic(true);
        ChartMarks m = n->marks();
        m.visible = false;
        m.arrowLength = 5;
        m.style = MarkStyle::Value;
        m.frameVisible = true;
        m.arrowVisible = true;
        n->setMarks(m);
        n->setTitle(c->series(1)->label(p - 1));
        for (int s = 1; s <= S; ++s) {
            const TChartSeries *old = c->series(s - 1);
            n->add(p - 1 < old->count() ? old->value(p - 1) : qQNaN(), old->title());
        }
    }
    const QString bottomTitle = c->bottomAxis()->title();
    c->bottomAxis()->setTitle(c->rightAxis()->title());
    c->rightAxis()->setTitle(bottomTitle);
    // The new series take the colours the series at their positions had.
    QColor table[101];
    for (int i = 0; i < c->seriesCount() && i < 101; ++i)
        table[i] = c->series(i)->color();
    for (int k = 0; k < S; ++k)
        c->removeSeries(0);
    for (int i = 0; i < P && i < 101; ++i)
        c->series(i)->setColor(table[i]);
}
