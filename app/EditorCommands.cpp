#include "app/EditorCommands.h"

#include "app/MainActions.h"
#include "store/PageContent.h"

#include <QAction>
#include <QHash>
#include <QWidget>

namespace {
// The window's commands whose editor action has another name.
const QHash<QString, QString> &otherNames()
{
    static const QHash<QString, QString> n{
        // Table editor.
        {"GridSaveBtn", "SaveBtnClick"},
        {"GridPrintBtn", "PrintBtnClick"},
        {"GridFindBtn", "FindClick"},
        {"GridReplaceBtn", "ReplaceClick"},
        {"GridCutBtn", "Cut1Click"},
        {"GridCopyBtn", "Copy1Click"},
        {"GridPasteBtn", "Paste1Click"},
        {"GridClear", "ClearSelection"},
        {"GridLeftBtn", "Center1Click"},
        {"GridCenterBtn", "Center2Click"},
        {"GridRightBtn", "Right1Click"},
        {"GridFontBtn", "Font1Click"},
        {"Multilines", "isMultilinesClick"},
        {"GridFontColor2", "FontColorClick"},
        {"GridBackGroundColor2", "BackColorClick"},
        {"TableExport", "SaveBtnClick"},
        {"TablePrint", "PrintBtnClick"},
        {"TableCut", "Cut1Click"},
        {"TableCopy", "Copy1Click"},
        {"TablePaste", "Paste1Click"},
        {"Row1", "EntireRowClick"},
        {"Column1", "EntireColumnClick"},
        {"Left1", "Center1Click"},
        {"Center1", "Center2Click"},
        {"Right1", "Right1Click"},
        {"Font2", "Font1Click"},
        {"Fixedrow1", "Fixedrow1Click"},
        {"Fixedcolumn1", "Fixedcolumn1Click"},
        // Word-cloud editor.
        {"BtnSaveCloud", "SaveCloud"},
        {"BtnPrintCloud", "PrintWordCloud"},
        {"BtnCloudPhoto", "CopyCloud"},
        {"BtnCloudOptions", "ShowTagOptions"},
        // Chart editor.
        {"SaveChartBtn", "SaveChartClick"},
        {"PrintChartBtn", "PrintChartClick"},
        {"EditChartBtn", "EditChartClick"},
        {"PhotoBtn", "Copyasbitmap1Click"},
        {"SwapSeriesBtn", "SwapSeries"},
        {"ZoomInBtn", "ZoomInClick"},
        {"ZoomOutBtn", "ZoomOutClick"},
        {"RotationBtn", "RotateBtnClick"},
        {"View3D", "View3DClick"},
        {"VBarBtn", "SwitchVBar"},
        {"HBarBtn", "SwitchHBar"},
        {"PieBtn", "SwitchPie"},
        {"GroupBarBtn", "SwitchGroupBars"},
        {"GroupLineBtn", "SwitchGroupLines"},
        {"ViewWalls", "ViewWallsClick"},
        {"BaseLineBtn", "BLinesClick"},
        {"AnimateBtn", "AnimateClick"},
        {"ChartExport", "SaveChartClick"},
        {"ChartPrint", "PrintChartClick"},
        {"ChartEdit", "EditChartClick"},
        {"ChartImport", "OpenChartClick"},
        {"Asbitmap1", "Copyasbitmap1Click"},
        {"AsMetafile1", "CopyasMetafile1Click"},
        // Picture editor.
        {"SaveImageBtn", "SavePicture"},
        {"CutImageBtn", "CopyToClipboard"},
        {"ZoomInImageBtn", "ZoomIn"},
        {"ZoomOutImageBtn", "ZoomOut"},
        // Document editor.
        {"WPBullets", "WPABullets1"},
        {"WPUndoBtn", "WPAUndo1"},
        {"WPRedoBtn", "WPARedo1"},
    };
    return n;
}
} // namespace

EditorCommands::EditorCommands(MainActions *actions, QObject *parent)
    : QObject(parent), m_actions(actions)
{
}

int EditorCommands::bind(EditorSlot, QWidget *form)
{
    QHash<QString, QAction *> own;
    for (QAction *a : form->findChildren<QAction *>())
        if (!a->objectName().isEmpty())
            own.insert(a->objectName(), a);
    // Cancel is the window's own command: it reloads the shown page.
    static const QStringList windowOwn = {"CancelBtn", "CancelChartBtn", "BtnCloudCancel",
                                          "btnDiagramCancel"};
    int bound = 0;
    for (QAction *command : m_actions->allActions()) {
        const QString name = command->objectName();
        if (windowOwn.contains(name))
            continue;
        QAction *editorAction = own.value(otherNames().value(name, name));
        if (!editorAction)
            continue;
        bindPair(command, editorAction);
        ++bound;
    }
    return bound;
}

void EditorCommands::bindPair(QAction *command, QAction *editorAction)
{
    auto follow = [command, editorAction] {
        command->setEnabled(editorAction->isEnabled());
        command->setCheckable(editorAction->isCheckable());
        command->setChecked(editorAction->isChecked());
        if (command->icon().isNull())
            command->setIcon(editorAction->icon());
    };
    follow();
    connect(editorAction, &QAction::changed, command, follow);
    connect(editorAction, &QAction::toggled, command, follow);
    connect(command, &QAction::triggered, editorAction, [editorAction, command] {
        // A checkable command has toggled itself; the editor's action does the work.
        if (editorAction->isCheckable())
            editorAction->setChecked(!command->isChecked());
        editorAction->trigger();
    });
}
