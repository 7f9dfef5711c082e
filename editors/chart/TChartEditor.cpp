#include "editors/chart/TChartEditor.h"

#include "editors/chart/FittedCurve.h"
#include "platform/TessaryError.h"
#include "platform/chart/ChartEditDialog.h"
#include "platform/chart/ChartExport.h"
#include "platform/chart/TChart.h"
#include "platform/dialogs/Dialogs.h"
#include "store/PageState.h"
#include "store/TDM.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

namespace {
// Extensions of the save filter's entries, in order.
const char *const kSaveExtensions[] = {".KCX", ".BMP", ".SVG", ".PDF", ".PNG", ".JPG"};
} // namespace

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

// ---- Loading, storing, files --------------------------------------------------

void TChartEditor::LoadChart(const QString &fileName)
{
    auto *chart = new TChart;
    try {
        chart->loadFromFile(fileName);
    } catch (...) {
        // The previous chart is gone either way: leave a valid, empty one.
        installChart(chart);
        throw;
    }
    installChart(chart);
    QApplication::processEvents();
}

void TChartEditor::OpenChartClick()
{
    const QString name =
        dialogs().openFile(this, tr("Import chart"), QString(), tr("Vendral chart|*.KCX;*.kcx"), 1);
    if (name.isEmpty())
        return;
    LoadChart(name);
    InitializeChart();
}

QByteArray TChartEditor::saveContent()
{
    return m_chart->saveToStream();
}

void TChartEditor::loadContent(const QByteArray &bytes, const QString &pageInfo)
{
    m_chartInfo = pageInfo;
    auto *chart = new TChart;
    try {
        chart->loadFromStream(bytes);
    } catch (...) {
        installChart(chart);
        InitializeChart();
        throw;
    }
    installChart(chart);
    InitializeChart();
}

void TChartEditor::clearContent()
{
    m_chartInfo = QStringLiteral("None");
    installChart(new TChart);
    InitializeChart();
}

void TChartEditor::loadFile(const QString &fileName)
{
    m_chartInfo = QStringLiteral("None");
    try {
        LoadChart(fileName);
    } catch (...) {
        InitializeChart();
        throw;
    }
    InitializeChart();
}

QStringList TChartEditor::saveExtensions() const
{
    return ChartExport::extensions();
}

void TChartEditor::saveToFile(const QString &fileName)
{
    ChartExport::saveByExtension(*m_chart, fileName);
}

QImage TChartEditor::renderImage(const QSize &size)
{
    return m_chart->toImage(size);
}

QString TChartEditor::saveFilter()
{
    // The metafile entries of the host's dialog are vector files here.
    return tr("Vendral Chart (*.KCX)|*.KCX|Windows Bitmap (*.BMP)|*.BMP|"
              "SVG picture (*.SVG)|*.SVG|PDF document (*.PDF)|*.PDF|"
              "PNG file (*.PNG)|*.PNG|JPeg file (*.JPG)|*.JPG;*.JPEG");
}

QString TChartEditor::chartSaveName(const QString &name, int filterIndex)
{
    if (filterIndex < 1 || filterIndex > 6)
        filterIndex = 1;
    if (QFileInfo(name).suffix().isEmpty())
        return name + QLatin1String(kSaveExtensions[filterIndex - 1]);
    return name;
}

void TChartEditor::writeChart(TChart *chart, const QString &fileName, int filterIndex)
{
    const QSize size =
        ChartExport::pictureSize(*chart, chart->isVisible() ? chart->size() : QSize());
    switch (filterIndex) {
    case 2:
        ChartExport::saveImage(*chart, fileName, "bmp", size);
        break;
    case 3:
        ChartExport::saveSvg(*chart, fileName, size);
        break;
    case 4:
        ChartExport::savePdf(*chart, fileName);
        break;
    case 5:
        ChartExport::saveImage(*chart, fileName, "png", size);
        break;
    case 6:
        ChartExport::saveImage(*chart, fileName, "jpeg", size);
        break;
    default:
        chart->saveToFile(fileName);
        break;
    }
}

void TChartEditor::SaveChartToDisk(TChart *chart)
{
    int filterIndex = 1;
    const QString chosen =
        dialogs().saveFileFiltered(this, tr("Save chart"), QString(), saveFilter(), filterIndex);
    if (chosen.isEmpty())
        return;
    writeChart(chart, chartSaveName(chosen, filterIndex), filterIndex);
}

void TChartEditor::SaveChartClick()
{
    SaveChartToDisk(m_chart);
}

void TChartEditor::Copyasbitmap1Click()
{
    m_chart->setBackgroundColor(Qt::white);
    ChartExport::copyBitmap(*m_chart, m_chart->size());
    m_chart->setBackgroundColor(palette().color(QPalette::Button));
}

void TChartEditor::CopyasMetafile1Click()
{
    m_chart->setBackgroundColor(Qt::white);
    ChartExport::copySvg(*m_chart, m_chart->size());
    m_chart->setBackgroundColor(palette().color(QPalette::Button));
}

void TChartEditor::PrintChartClick()
{
    m_chart->setPrintMargins(QMargins(5, 5, 5, 5));
    m_chart->setPrintResolution(-30);
    ChartExport::printPreview(*m_chart, this);
    m_chart->update();
}

void TChartEditor::EditChartClick()
{
    ChartEditDialog dlg(m_chart, window());
    dlg.exec();
    PageModified = true;
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

// ---- View ---------------------------------------------------------------------

void TChartEditor::View3DClick()
{
    m_chart->setView3D(button(ChartActions::View3D)->isChecked());
    button(ChartActions::RotationBtn)->setVisible(m_chart->view3D());
    setModified();
    emit toolbarChanged();
}

void TChartEditor::ViewWallsClick()
{
    const bool w = button(ChartActions::ViewWalls)->isChecked();
    TChart *c = m_chart;
    c->setWalls(w);
    c->setBackWallPen(w);
    if (TChartSeries *s = c->series(0))
        s->setMarksClip(w);
    c->setClipPoints(w);
    if (w) {
        c->setBackgroundColor(SavedChartColor);
        c->setBorderVisible(false);
    } else {
        c->setBackgroundColor(Qt::white);
        c->setBorderVisible(true);
    }
    setModified();
}

void TChartEditor::BLinesClick()
{
    const bool on = button(ChartActions::BaseLineBtn)->isChecked();
    for (int i = 0; i < 2 && i < m_chart->seriesCount(); ++i)
        if (m_chart->series(i)->kind() == SeriesKind::Point3D)
            m_chart->series(i)->setBaseLinesVisible(on);
    setModified();
}

void TChartEditor::ZoomInClick()
{
    RotateMode = false;
    button(ChartActions::RotationBtn)->setChecked(false);
    m_chart->setZoomAllowed(button(ChartActions::ZoomInBtn)->isChecked());
    m_chart->setCursor(Qt::SizeAllCursor);
    m_chart->update();
    setModified();
}

void TChartEditor::ZoomOutClick()
{
    m_chart->undoZoom();
}

void TChartEditor::RotateBtnClick()
{
    RotateMode = button(ChartActions::RotationBtn)->isChecked();
    m_chart->setZoomAllowed(false);
    button(ChartActions::ZoomInBtn)->setChecked(false);
    if (RotateMode)
        m_chart->setCursor(Qt::ClosedHandCursor);
    else
        m_chart->unsetCursor();
    m_chart->update();
}

void TChartEditor::ChartViewMouseDown(Qt::MouseButton, const QPoint &pos)
{
    if (!RotateMode || !button(ChartActions::RotationBtn)->isVisible())
        return;
    QApplication::setOverrideCursor(Qt::ClosedHandCursor);
    m_x0 = pos.x();
    m_y0 = pos.y();
    m_baseRotation = m_chart->rotation();
    m_baseElevation = m_chart->elevation();
    RotateDragging = true;
}

void TChartEditor::ChartViewMouseMove(const QPoint &pos)
{
    if (!RotateMode || !RotateDragging)
        return;
    const double w = qMax(1, m_chart->width());
    const double h = qMax(1, m_chart->height());
    // Rounded to nearest, halves to even (the default rounding mode).
    m_chart->setRotation(int(std::nearbyint((pos.x() - m_x0) / w * 100.0)) + m_baseRotation);
    m_chart->setElevation(int(std::nearbyint((m_y0 - pos.y()) / h * 100.0)) + m_baseElevation);
}

void TChartEditor::ChartViewMouseUp(Qt::MouseButton, const QPoint &)
{
    if (!RotateMode)
        return;
    m_a = 0;
    m_b = 0;
    m_baseRotation = m_chart->rotation();
    m_baseElevation = m_chart->elevation();
    if (RotateDragging)
        QApplication::restoreOverrideCursor();
    RotateDragging = false;
    setModified();
}

void TChartEditor::AnimateClick()
{
    if (button(ChartActions::AnimateBtn)->isChecked()) {
        m_baseRotation = m_chart->rotation();
        m_baseElevation = m_chart->elevation();
        m_la = 13;
        m_a = 0;
        m_b = 0;
    }
    if (button(ChartActions::AnimateBtn)->isChecked())
        m_timer->start();
    else
        m_timer->stop();
}

void TChartEditor::Timer1Timer()
{
    if (RotateDragging)
        return;
    if (std::abs(m_a) >= m_la) {
        m_aUp = !m_aUp;
        m_la = 25;
    }
    m_a += m_aUp ? 1 : -1;
    if (m_a == 0)
        m_aUp = m_coin();
    if (std::abs(m_b) >= 25)
        m_bUp = !m_bUp;
    m_b += m_bUp ? 1 : -1;
    if (m_b == 0)
        m_bUp = m_coin();
    m_chart->setRotation(m_baseRotation + m_a);
    m_chart->setElevation(m_baseElevation + m_b);
}

// ---- Overlays -----------------------------------------------------------------

void TChartEditor::OnBeforeDraw(QPainter *canvas)
{
    TChart *c = m_chart;
    if (c->seriesCount() != 2)
        return;
    const TChartSeries *a = c->series(0), *b = c->series(1);
    if (!a->active() || !b->active() || a->kind() != SeriesKind::Point ||
        b->kind() != SeriesKind::Point)
        return;
    const QRect plot = c->plotRect();
    canvas->save();
    canvas->setPen(QPen(Qt::red, 1));
    canvas->setClipRect(plot.adjusted(0, 0, 1, 1));
    const double x0 = c->horizontalAxisOf(a)->calcPosValue(0);
    const double y0 = c->verticalAxisOf(a)->calcPosValue(0);
    canvas->drawLine(QPointF(x0, plot.top()), QPointF(x0, plot.bottom()));
    canvas->drawLine(QPointF(plot.left(), y0), QPointF(plot.right(), y0));
    canvas->setClipping(false);
    canvas->restore();
}

void TChartEditor::ChartViewAfterDraw(QPainter *canvas)
{
    canvas->save();
    canvas->setClipRect(m_chart->plotRect().adjusted(0, 0, 1, 1));
    const QString descriptor = FittedCurve::descriptorOf(m_chartInfo);
    if (TDM::tabField(descriptor, 1) == QLatin1String("12"))
        DrawFittedCurve(canvas, descriptor);
    canvas->setClipping(false);
    canvas->restore();
}

void TChartEditor::DrawFittedCurve(QPainter *canvas, const QString &descriptor)
{
    FittedCurve curve;
    if (!FittedCurve::parse(descriptor, &curve) || m_chart->seriesCount() == 0)
        return;
    TChart *c = m_chart;
    canvas->save();
    canvas->setClipRect(c->plotRect().adjusted(0, 0, 1, 1));
    canvas->setRenderHint(QPainter::Antialiasing, true);
    canvas->setPen(QPen(QColor(0, 0, 255), 1, Qt::SolidLine));
    const TChartSeries *s0 = c->series(0);
    const TChartAxis *hx = c->horizontalAxisOf(s0);
    const TChartAxis *vy = c->verticalAxisOf(s0);
    QPointF last;
    bool first = true;
    for (const QPointF &pt :
         curve.samples(c->bottomAxis()->minimum(), c->bottomAxis()->maximum())) {
        QPointF px(hx->calcPosValue(pt.x()), vy->calcPosValue(pt.y()));
        if (!std::isfinite(px.x()) || !std::isfinite(px.y()))
            continue;
        // Far outside the plot the clip hides the line anyway; keep coordinates sane.
        px = QPointF(qBound(-1e6, px.x(), 1e6), qBound(-1e6, px.y(), 1e6));
        if (!first)
            canvas->drawLine(last, px);
        last = px;
        first = false;
    }
    canvas->restore();
}
