#pragma once

#include <QObject>

class QAction;
class QActionGroup;
class QToolBar;
class QMenu;
class QWidget;

// The chart toolbar's buttons as actions. Each action's objectName is the name
// of the editor operation it runs, so the main window can find and place them
// in its own chart toolbar and Chart menu. Toggle buttons are checkable: a
// checked action is a pressed button.
class ChartActions : public QObject
{
    Q_OBJECT

public:
    enum Button
    {
        OpenChart,
        SaveChartBtn,
        CopyBitmap,
        CopyMetafile,
        PrintChartBtn,
        EditChartBtn,
        VBarBtn,
        HBarBtn,
        PieBtn,
        GroupBarBtn,
        GroupLineBtn,
        SwapSeriesBtn,
        View3D,
        ViewWalls,
        BaseLineBtn,
        RotationBtn,
        ZoomInBtn,
        ZoomOutBtn,
        AnimateBtn,
        ButtonCount
    };

    explicit ChartActions(QWidget *owner);

    QAction *action(Button b) const { return m_actions[b]; }
    // The operation name an action runs (its objectName).
    static const char *operationName(Button b);
    // A toolbar and a context menu showing the actions (the form's own, for use
    // without the main window).
    QToolBar *makeToolBar(QWidget *parent) const;
    QMenu *makeMenu(QWidget *parent) const;

private:
    QAction *m_actions[ButtonCount];
};
