#include "editors/chart/TChartEditor.h"

#include "editors/chart/FittedCurve.h"
#include "platform/chart/TChart.h"
#include "store/TDM.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <cmath>

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
