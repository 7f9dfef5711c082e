#include "timeline/TTimeLineDlg.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/timebar/TTimeBar.h"
#include "timeline/TimeLineText.h"

#include <QMenu>
#include <QTimer>
#include <cmath>

namespace {
// The highlight of the selected event.
const QColor kHighlight(0x00, 0x4E, 0x98);
} // namespace

// ---- Selection -------------------------------------------------------------------

void TTimeLineDlg::highlightEvent(int index)
{
    if (index < 0 || index >= TimeLine->IndicatorCount())
        return;
    TTimeBarIndicator ind = TimeLine->Indicator(index);
    ind.AnnotationColor = ind.Color = ind.ColorTo = kHighlight;
    ind.AnnotationTextColor = Qt::white;
    ind.Size = 12;
    TimeLine->SetIndicator(index, ind);
}

void TTimeLineDlg::restoreEvent(int index)
{
    if (index < 0 || index >= TimeLine->IndicatorCount())
        return;
    TTimeBarIndicator ind = TimeLine->Indicator(index);
    ind.AnnotationColor = SavedAnnotationColor;
    ind.AnnotationTextColor = SavedTextColor;
    ind.AnnotationLineColor = ind.BorderColor = Qt::black;
    ind.Size = 8;
    ind.Color = ind.ColorTo = ind.AnnotationColor;
    TimeLine->SetIndicator(index, ind);
}

void TTimeLineDlg::IndicatorClick(int index)
{
    ClickFlag = true;
    if (index < 0 || index >= TimeLine->IndicatorCount())
        return;
    if (index == Selected) {
        QPoint at = MousePos;
        if (at.isNull())
            at = TimeLine->mapToGlobal(TimeLine->IndicatorRect(index).center().toPoint());
        PopupMenu1->popup(QPoint(at.x(), at.y() + 40));
        return;
    }
    if (Selected >= 0)
        restoreEvent(Selected);
    Selected = index;
    SavedAnnotationColor = TimeLine->Indicator(index).AnnotationColor;
    SavedTextColor = TimeLine->Indicator(index).AnnotationTextColor;
    highlightEvent(index);
}

void TTimeLineDlg::TimeLineMouseUp(Qt::MouseButton button, const QPoint &)
{
    if (button == Qt::LeftButton) {
        ClickFlag = false;
        Timer1->start();
    } else if (button == Qt::RightButton && Selected >= 0) {
        IndicatorClick(Selected);
    }
}

void TTimeLineDlg::Timer1Timer()
{
    Timer1->stop();
    if (!ClickFlag && Selected >= 0) {
        restoreEvent(Selected);
        Selected = -1;
    }
}

// ---- Event menu ------------------------------------------------------------------

void TTimeLineDlg::PopupMenu1Popup()
{
    const bool any = Selected >= 0 && Selected < TimeLine->IndicatorCount();
    for (QAction *a : {Delete1, ChangeColor1})
        a->setEnabled(any);
    if (!any) {
        ShowLocation1->setEnabled(false);
        Position1->setEnabled(false);
        return;
    }
    const TTimeBarIndicator &ind = TimeLine->Indicator(Selected);
    const QString location = TimeLineText::Field(Descriptions.value(ind.Tag), 4);
    ShowLocation1->setEnabled(!location.isEmpty() && location.startsWith(QLatin1Char('2')));
    Above1->setChecked(ind.AnnotationPosition == apOnTop);
    Below1->setChecked(ind.AnnotationPosition != apOnTop);
    Position1->setEnabled(PositionMode == 1);
}

void TTimeLineDlg::DeleteSelected()
{
    if (Selected < 0 || Selected >= TimeLine->IndicatorCount())
        return;
    TimeLine->DeleteIndicator(Selected);
    // The number would now name the next event, which is not highlighted.
    Selected = -1;
    modified();
}

void TTimeLineDlg::SetSelectedAbove(bool above)
{
    if (Selected < 0 || Selected >= TimeLine->IndicatorCount())
        return;
    TTimeBarIndicator ind = TimeLine->Indicator(Selected);
    ind.AnnotationPosition = above ? apOnTop : apAtBottom;
    ind.Shape = above ? isTriangleDown : isTriangleUp;
    TimeLine->SetIndicator(Selected, ind);
    modified();
}

void TTimeLineDlg::ChangeSelectedColor()
{
    if (Selected < 0 || Selected >= TimeLine->IndicatorCount())
        return;
    // The event shows the highlight: the dialog starts from its own colour.
    const std::optional<QColor> c = dialogs().chooseColor(this, SavedAnnotationColor);
    if (!c || !c->isValid())
        return;
    SavedAnnotationColor = *c;
    TTimeBarIndicator ind = TimeLine->Indicator(Selected);
    ind.AnnotationColor = ind.Color = ind.ColorTo = *c;
    TimeLine->SetIndicator(Selected, ind);
    modified();
}

void TTimeLineDlg::ShowLocation()
{
    if (Selected < 0 || Selected >= TimeLine->IndicatorCount())
        return;
    const QString location =
        TimeLineText::Field(Descriptions.value(TimeLine->Indicator(Selected).Tag), 4);
    emit ShowLocationRequested(location);
}
