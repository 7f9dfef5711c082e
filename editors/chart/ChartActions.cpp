#include "editors/chart/ChartActions.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QMenu>
#include <QToolBar>
#include <QWidget>

namespace {
struct ButtonInfo
{
    const char *operation;
    const char *caption;
    const char *icon;
    bool checkable;
    const char *shortcut;
};

const ButtonInfo kButtons[ChartActions::ButtonCount] = {
    {"OpenChartClick", QT_TRANSLATE_NOOP("ChartActions", "Import chart..."), "document-open", false,
     ""},
    {"SaveChartClick", QT_TRANSLATE_NOOP("ChartActions", "Save chart..."), "document-save-as",
     false, "Ctrl+S"},
    {"Copyasbitmap1Click", QT_TRANSLATE_NOOP("ChartActions", "Copy as bitmap"), "edit-copy", false,
     "Ctrl+C"},
    {"CopyasMetafile1Click", QT_TRANSLATE_NOOP("ChartActions", "Copy as Metafile"),
     "image-x-generic", false, "Ctrl+Shift+C"},
    {"PrintChartClick", QT_TRANSLATE_NOOP("ChartActions", "Print..."), "document-print", false,
     "Ctrl+P"},
    {"EditChartClick", QT_TRANSLATE_NOOP("ChartActions", "Edit chart..."), "document-edit", false,
     "Ctrl+E"},
    {"SwitchVBar", QT_TRANSLATE_NOOP("ChartActions", "Vertical bars"), "office-chart-bar", true,
     ""},
    {"SwitchHBar", QT_TRANSLATE_NOOP("ChartActions", "Horizontal bars"), "office-chart-bar-stacked",
     true, ""},
    {"SwitchPie", QT_TRANSLATE_NOOP("ChartActions", "Pie"), "office-chart-pie", true, ""},
    {"SwitchGroupBars", QT_TRANSLATE_NOOP("ChartActions", "Grouped bars"), "office-chart-bar", true,
     ""},
    {"SwitchGroupLines", QT_TRANSLATE_NOOP("ChartActions", "Grouped lines"), "office-chart-line",
     true, ""},
    {"SwapSeries", QT_TRANSLATE_NOOP("ChartActions", "Swap series and categories"),
     "transform-rotate", false, ""},
    {"View3DClick", QT_TRANSLATE_NOOP("ChartActions", "3D"), "view-3D", true, ""},
    {"ViewWallsClick", QT_TRANSLATE_NOOP("ChartActions", "Walls"), "view-grid", true, ""},
    {"BLinesClick", QT_TRANSLATE_NOOP("ChartActions", "Base lines"), "format-align-vertical-bottom",
     true, ""},
    {"RotateBtnClick", QT_TRANSLATE_NOOP("ChartActions", "Rotate with the mouse"),
     "object-rotate-right", true, ""},
    {"ZoomInClick", QT_TRANSLATE_NOOP("ChartActions", "Zoom with the mouse"), "zoom-in", true, ""},
    {"ZoomOutClick", QT_TRANSLATE_NOOP("ChartActions", "Undo zoom"), "zoom-original", false, ""},
    {"AnimateClick", QT_TRANSLATE_NOOP("ChartActions", "Swing"), "media-playback-start", true, ""},
};
} // namespace

ChartActions::ChartActions(QWidget *owner) : QObject(owner)
{
    for (int i = 0; i < ButtonCount; ++i) {
        const ButtonInfo &b = kButtons[i];
        auto *a = new QAction(QIcon::fromTheme(QString::fromLatin1(b.icon)), tr(b.caption), owner);
        a->setObjectName(QString::fromLatin1(b.operation));
        a->setCheckable(b.checkable);
        if (*b.shortcut) {
            a->setShortcut(QKeySequence(QString::fromLatin1(b.shortcut)));
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        }
        owner->addAction(a);
        m_actions[i] = a;
    }
    m_actions[CopyMetafile]->setToolTip(tr("Copy as Metafile (SVG)"));
}

const char *ChartActions::operationName(Button b)
{
    return kButtons[b].operation;
}

QToolBar *ChartActions::makeToolBar(QWidget *parent) const
{
    auto *bar = new QToolBar(parent);
    bar->setObjectName(QStringLiteral("ChartBar"));
    bar->setIconSize(QSize(20, 20));
    const Button order[] = {SaveChartBtn,  CopyBitmap,  PrintChartBtn, EditChartBtn, ButtonCount,
                            VBarBtn,       HBarBtn,     PieBtn,        GroupBarBtn,  GroupLineBtn,
                            SwapSeriesBtn, ButtonCount, View3D,        ViewWalls,    BaseLineBtn,
                            RotationBtn,   ZoomInBtn,   ZoomOutBtn,    AnimateBtn};
    for (Button b : order) {
        if (b == ButtonCount)
            bar->addSeparator();
        else
            bar->addAction(m_actions[b]);
    }
    return bar;
}

QMenu *ChartActions::makeMenu(QWidget *parent) const
{
    auto *menu = new QMenu(parent);
    const Button order[] = {EditChartBtn,  ButtonCount, CopyBitmap,  CopyMetafile, SaveChartBtn,
                            PrintChartBtn, OpenChart,   ButtonCount, View3D,       RotationBtn,
                            ZoomInBtn,     ZoomOutBtn,  AnimateBtn};
    for (Button b : order) {
        if (b == ButtonCount)
            menu->addSeparator();
        else
            menu->addAction(m_actions[b]);
    }
    return menu;
}
