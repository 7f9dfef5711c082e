#include "app/MainActions.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHash>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>

namespace {
struct ActionDef
{
    const char *name;
    const char *text;
    const char *shortcut;
};

// Commands the main window handles itself (file, tree, search) and the commands
// of the editors; the editors' commands are enabled when their editors exist.
const ActionDef kActions[] = {
    {"New1", "New...", "Ctrl+N"},
    {"Save1", "Open...", "Ctrl+O"},
    {"OpenAddress1", "Open server report...", ""},
    {"HTML1", "HTML...", ""},
    {"ExportMSWord", "MS Word...", ""},
    {"RTF1", "Rich Text...", ""},
    {"Printersetup1", "Printer setup...", ""},
    {"Properties2", "Properties...", ""},
    {"Quit1", "Quit", "Ctrl+Q"},
    {"NodeNew", "New...", "Ins"},
    {"NodeImport", "Import files...", ""},
    {"NodeDelete", "Delete", "Del"},
    {"NodeRename", "Rename...", "F2"},
    {"NodeExpand", "Expand all", ""},
    {"NodeCollapse", "Collapse all", ""},
    {"Moveup1", "Move up", "Ctrl+Up"},
    {"Movedown1", "Move down", "Ctrl+Down"},
    {"Promote1", "Promote", "Ctrl+Left"},
    {"Demote1", "Demote", "Ctrl+Right"},
    {"White1", "White", ""},
    {"Red1", "Red", ""},
    {"Yellow1", "Yellow", ""},
    {"Green1", "Green", ""},
    {"Blue1", "Blue", ""},
    {"Custom1", "Custom...", ""},
    {"UpBtn", "Move up", ""},
    {"DnBtn", "Move Down", ""},
    {"LeftBtn", "Move Left", ""},
    {"RightBtn", "Move right", ""},
    {"NewNodeBtn", "Insert item", ""},
    {"DeleteNodebtn", "Delete item", ""},
    {"ImportNode", "Import file", ""},
    {"Find1", "Find...", "Ctrl+F"},
    {"Replace1", "Replace...", "Ctrl+H"},
    {"Globalfind1", "Global find...", "Ctrl+Shift+F"},
    {"Help2", "Contents", "F1"},
    {"About1", "About...", ""},
    // Document editor.
    {"WPImport", "Import...", ""},
    {"WPExport", "Export...", ""},
    {"WPAPrint1", "Print...", ""},
    {"WPAReplace1", "Replace", ""},
    {"WPASearch1", "Search", ""},
    {"WPAUndo1", "Undo", ""},
    {"WPARedo1", "Redo", ""},
    {"WPACut1", "Cut", ""},
    {"WPACopy1", "Copy", ""},
    {"WPAPaste1", "Paste", ""},
    {"WPADeleteText1", "Delete", ""},
    {"WPASellAll1", "Select all", ""},
    {"WPABold1", "Bold", ""},
    {"WPAItalic1", "Italic", ""},
    {"WPAUnderline1", "Underline", ""},
    {"WPAStrikeout1", "Strikeout", ""},
    {"WPABLeft1", "Left border", ""},
    {"WPACenter1", "Center", ""},
    {"WPABRight1", "Right border", ""},
    {"WPBullets", "Bullets", ""},
    {"WPANumbers1", "Numbers", ""},
    {"WPUndoBtn", "&Undo", ""},
    {"WPRedoBtn", "&Redo", ""},
    {"WPFontColor", "Text color", ""},
    {"WPBackGroundColor", "Background color", ""},
    {"WPFont", "Font...", ""},
    {"WPParagraph", "Paragraph...", ""},
    {"WPTabStops", "Tab stops...", ""},
    {"WPPageSetup", "Page setup...", ""},
    {"WPACreateTable1", "Create table...", ""},
    {"WPASelectRow1", "Select row", ""},
    {"WPAInsRow1", "Insert row", ""},
    {"WPADelRow1", "Delete row", ""},
    {"WPASelectColumn1", "Select column", ""},
    {"WPAInsCol1", "Insert column", ""},
    {"WPADelCol1", "Delete column", ""},
    {"WPABAllOn1", "All borders", ""},
    {"WPABAllOff1", "No borders", ""},
    {"WPABTop1", "Top border", ""},
    {"WPABBottom1", "Bottom border", ""},
    // Table editor.
    {"GridSaveBtn", "Save", ""},
    {"GridPrintBtn", "Print", ""},
    {"GridFindBtn", "Find", ""},
    {"GridReplaceBtn", "Replace", ""},
    {"GridCutBtn", "Cut", ""},
    {"GridCopyBtn", "Copy", ""},
    {"GridPasteBtn", "Paste", ""},
    {"GridClear", "Clear", ""},
    {"GridLeftBtn", "Left", ""},
    {"GridCenterBtn", "Center", ""},
    {"GridRightBtn", "Right", ""},
    {"GridBold", "Bold", ""},
    {"GridItalic", "Italic", ""},
    {"GridUnderline", "Underline", ""},
    {"GridFontBtn", "Font", ""},
    {"Multilines", "Multi-line", ""},
    {"GridFontColor2", "Font color", ""},
    {"GridBackGroundColor2", "Background", ""},
    {"CancelBtn", "Cancel", ""},
    {"TableExport", "Save to disk...", ""},
    {"TablePrint", "Print...", ""},
    {"TableCut", "Cut", ""},
    {"TableCopy", "Copy", ""},
    {"TablePaste", "Paste", ""},
    {"Row1", "Select row", ""},
    {"Column1", "Select column", ""},
    {"Left1", "Align left", ""},
    {"Center1", "Center", ""},
    {"Right1", "Align right", ""},
    {"Font2", "Font...", ""},
    {"Fixedrow1", "Fixed row", ""},
    {"Fixedcolumn1", "Fixed column", ""},
    {"TableImport", "Import...", ""},
    // Chart editor.
    {"SaveChartBtn", "Save", ""},
    {"PrintChartBtn", "Print", ""},
    {"EditChartBtn", "Edit", ""},
    {"PhotoBtn", "Picture", ""},
    {"SwapSeriesBtn", "Swap", ""},
    {"ZoomInBtn", "Zoom in", ""},
    {"ZoomOutBtn", "Zoom out", ""},
    {"RotationBtn", "Rotate", ""},
    {"View3D", "3D", ""},
    {"VBarBtn", "Bars", ""},
    {"HBarBtn", "Horizontal bars", ""},
    {"PieBtn", "Pie", ""},
    {"GroupBarBtn", "Grouped bars", ""},
    {"GroupLineBtn", "Grouped lines", ""},
    {"ViewWalls", "Walls", ""},
    {"BaseLineBtn", "Base lines", ""},
    {"AnimateBtn", "Animate", ""},
    {"CancelChartBtn", "Cancel", ""},
    {"ChartExport", "Save to disk...", ""},
    {"ChartPrint", "Print...", ""},
    {"ChartEdit", "Edit chart...", ""},
    {"ChartImport", "Open chart file...", ""},
    {"Asbitmap1", "Copy as bitmap", ""},
    {"AsMetafile1", "Copy as metafile", ""},
    // Picture editor.
    {"SaveImageBtn", "Save", ""},
    {"CutImageBtn", "Copy", ""},
    {"ZoomInImageBtn", "Zoom in", ""},
    {"ZoomOutImageBtn", "Zoom out", ""},
    // Diagram editor.
    {"btnDiagramSave", "Save", ""},
    {"btnDiagramPrint", "Print", ""},
    {"BtnDiagramPhoto", "Picture", ""},
    {"btnDiagramZoomIn", "Zoom in", ""},
    {"btnDiagramZoomOut", "Zoom out", ""},
    {"btnDiagramSelect", "Select", ""},
    {"btnDiagramDrag", "Pan", ""},
    {"btnDiagramRange", "Zoom to area", ""},
    {"btnDiagramText", "Labels", ""},
    {"btnDiagramSizing", "Sizing", ""},
    {"btnDiagramCancel", "Cancel", ""},
    // Word-cloud editor.
    {"BtnSaveCloud", "Save", ""},
    {"BtnPrintCloud", "Print", ""},
    {"BtnCloudPhoto", "Picture", ""},
    {"BtnCloudOptions", "Options", ""},
    {"BtnCloudCancel", "Cancel", ""},
};

// Icons of the commands, by their freedesktop names (Breeze is the fallback
// theme, so they show on any desktop).
const QHash<QString, QString> &iconNames()
{
    static const QHash<QString, QString> n{{"New1", "document-new"},
                                           {"Save1", "document-open"},
                                           {"OpenAddress1", "network-server-database"},
                                           {"HTML1", "text-html"},
                                           {"ExportMSWord", "x-office-document"},
                                           {"RTF1", "application-rtf"},
                                           {"Printersetup1", "document-print"},
                                           {"Properties2", "document-properties"},
                                           {"Quit1", "application-exit"},
                                           {"NodeNew", "list-add"},
                                           {"NodeImport", "document-import"},
                                           {"NodeDelete", "edit-delete"},
                                           {"NodeRename", "edit-rename"},
                                           {"NodeExpand", "expand-all"},
                                           {"NodeCollapse", "collapse-all"},
                                           {"Moveup1", "go-up"},
                                           {"Movedown1", "go-down"},
                                           {"Promote1", "go-previous"},
                                           {"Demote1", "go-next"},
                                           {"Custom1", "color-management"},
                                           {"UpBtn", "go-up"},
                                           {"DnBtn", "go-down"},
                                           {"LeftBtn", "go-previous"},
                                           {"RightBtn", "go-next"},
                                           {"NewNodeBtn", "list-add"},
                                           {"DeleteNodebtn", "edit-delete"},
                                           {"ImportNode", "document-import"},
                                           {"Find1", "edit-find"},
                                           {"Replace1", "edit-find-replace"},
                                           {"Globalfind1", "edit-find"},
                                           {"Help2", "help-contents"},
                                           {"About1", "help-about"},
                                           {"WPImport", "document-import"},
                                           {"WPExport", "document-export"},
                                           {"WPAPrint1", "document-print"},
                                           {"WPAReplace1", "edit-find-replace"},
                                           {"WPASearch1", "edit-find"},
                                           {"WPAUndo1", "edit-undo"},
                                           {"WPARedo1", "edit-redo"},
                                           {"WPACut1", "edit-cut"},
                                           {"WPACopy1", "edit-copy"},
                                           {"WPAPaste1", "edit-paste"},
                                           {"WPADeleteText1", "edit-delete"},
                                           {"WPASellAll1", "edit-select-all"},
                                           {"WPABold1", "format-text-bold"},
                                           {"WPAItalic1", "format-text-italic"},
                                           {"WPAUnderline1", "format-text-underline"},
                                           {"WPAStrikeout1", "format-text-strikethrough"},
                                           {"WPABLeft1", "format-justify-left"},
                                           {"WPACenter1", "format-justify-center"},
                                           {"WPABRight1", "format-justify-right"},
                                           {"WPBullets", "format-list-unordered"},
                                           {"WPANumbers1", "format-list-ordered"},
                                           {"WPUndoBtn", "edit-undo"},
                                           {"WPRedoBtn", "edit-redo"},
                                           {"WPFontColor", "format-text-color"},
                                           {"WPBackGroundColor", "format-fill-color"},
                                           {"WPFont", "preferences-desktop-font"},
                                           {"WPParagraph", "format-indent-more"},
                                           {"WPTabStops", "format-indent-less"},
                                           {"WPPageSetup", "document-page-setup"},
                                           {"WPACreateTable1", "insert-table"},
                                           {"WPASelectRow1", "edit-table-insert-row-below"},
                                           {"WPAInsRow1", "edit-table-insert-row-below"},
                                           {"WPADelRow1", "edit-table-delete-row"},
                                           {"WPASelectColumn1", "edit-table-insert-column-right"},
                                           {"WPAInsCol1", "edit-table-insert-column-right"},
                                           {"WPADelCol1", "edit-table-delete-column"},
                                           {"WPABAllOn1", "format-border-set-all"},
                                           {"WPABAllOff1", "format-border-set-none"},
                                           {"WPABTop1", "format-border-set-top"},
                                           {"WPABBottom1", "format-border-set-bottom"},
                                           {"GridSaveBtn", "document-save-as"},
                                           {"GridPrintBtn", "document-print"},
                                           {"GridFindBtn", "edit-find"},
                                           {"GridReplaceBtn", "edit-find-replace"},
                                           {"GridCutBtn", "edit-cut"},
                                           {"GridCopyBtn", "edit-copy"},
                                           {"GridPasteBtn", "edit-paste"},
                                           {"GridClear", "edit-clear"},
                                           {"GridLeftBtn", "format-justify-left"},
                                           {"GridCenterBtn", "format-justify-center"},
                                           {"GridRightBtn", "format-justify-right"},
                                           {"GridBold", "format-text-bold"},
                                           {"GridItalic", "format-text-italic"},
                                           {"GridUnderline", "format-text-underline"},
                                           {"GridFontBtn", "preferences-desktop-font"},
                                           {"Multilines", "format-text-blockquote"},
                                           {"GridFontColor2", "format-text-color"},
                                           {"GridBackGroundColor2", "format-fill-color"},
                                           {"CancelBtn", "dialog-cancel"},
                                           {"TableExport", "document-save-as"},
                                           {"TablePrint", "document-print"},
                                           {"TableCut", "edit-cut"},
                                           {"TableCopy", "edit-copy"},
                                           {"TablePaste", "edit-paste"},
                                           {"Left1", "format-justify-left"},
                                           {"Center1", "format-justify-center"},
                                           {"Right1", "format-justify-right"},
                                           {"Font2", "preferences-desktop-font"},
                                           {"TableImport", "document-import"},
                                           {"SaveChartBtn", "document-save-as"},
                                           {"PrintChartBtn", "document-print"},
                                           {"EditChartBtn", "document-edit"},
                                           {"PhotoBtn", "camera-photo"},
                                           {"SwapSeriesBtn", "transform-rotate"},
                                           {"ZoomInBtn", "zoom-in"},
                                           {"ZoomOutBtn", "zoom-out"},
                                           {"RotationBtn", "object-rotate-right"},
                                           {"View3D", "view-3D"},
                                           {"VBarBtn", "office-chart-bar"},
                                           {"HBarBtn", "office-chart-bar-stacked"},
                                           {"PieBtn", "office-chart-pie"},
                                           {"GroupBarBtn", "office-chart-bar"},
                                           {"GroupLineBtn", "office-chart-line"},
                                           {"ViewWalls", "office-chart-area"},
                                           {"BaseLineBtn", "format-align-vertical-bottom"},
                                           {"AnimateBtn", "media-playback-start"},
                                           {"CancelChartBtn", "dialog-cancel"},
                                           {"ChartExport", "document-save-as"},
                                           {"ChartPrint", "document-print"},
                                           {"ChartEdit", "document-edit"},
                                           {"ChartImport", "document-open"},
                                           {"Asbitmap1", "image-x-generic"},
                                           {"AsMetafile1", "image-svg+xml"},
                                           {"SaveImageBtn", "document-save-as"},
                                           {"CutImageBtn", "edit-copy"},
                                           {"ZoomInImageBtn", "zoom-in"},
                                           {"ZoomOutImageBtn", "zoom-out"},
                                           {"btnDiagramSave", "document-save-as"},
                                           {"btnDiagramPrint", "document-print"},
                                           {"BtnDiagramPhoto", "camera-photo"},
                                           {"btnDiagramZoomIn", "zoom-in"},
                                           {"btnDiagramZoomOut", "zoom-out"},
                                           {"btnDiagramSelect", "edit-select"},
                                           {"btnDiagramDrag", "transform-move"},
                                           {"btnDiagramRange", "zoom-select"},
                                           {"btnDiagramText", "insert-text"},
                                           {"btnDiagramSizing", "transform-scale"},
                                           {"btnDiagramCancel", "dialog-cancel"},
                                           {"BtnSaveCloud", "document-save-as"},
                                           {"BtnPrintCloud", "document-print"},
                                           {"BtnCloudPhoto", "camera-photo"},
                                           {"BtnCloudOptions", "configure"},
                                           {"BtnCloudCancel", "dialog-cancel"},
                                           {"Row1", "edit-select-all"},
                                           {"Column1", "edit-select-all"},
                                           {"Fixedrow1", "object-locked"},
                                           {"Fixedcolumn1", "object-locked"}};
    return n;
}

// A small tile of the colour for the colour commands of the tree.
QIcon colourTile(const QColor &c)
{
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.setBrush(c);
    painter.drawRect(1, 1, 13, 13);
    return QIcon(p);
}

// Commands that work now; every other command waits for its editor.
const QStringList kLiveActions = {
    "New1",      "Save1",      "OpenAddress1",  "Quit1",      "Printersetup1", "Properties2",
    "NodeNew",   "NodeDelete", "NodeRename",    "NodeExpand", "NodeCollapse",  "Moveup1",
    "Movedown1", "Promote1",   "Demote1",       "White1",     "Red1",          "Yellow1",
    "Green1",    "Blue1",      "Custom1",       "UpBtn",      "DnBtn",         "LeftBtn",
    "RightBtn",  "NewNodeBtn", "DeleteNodebtn", "About1",     "NodeImport",    "ImportNode"};
} // namespace

MainActions::MainActions(QMainWindow *window, QWidget *treeBarHost, QWidget *kindBarHost)
    : QObject(window), m_window(window)
{
    buildActions();
    buildMenus(window);
    buildToolBars(treeBarHost, kindBarHost);
}

QAction *MainActions::make(const QString &name, const QString &text, const QString &shortcut)
{
    auto *a = new QAction(tr(text.toUtf8().constData()), m_window);
    a->setObjectName(name);
    if (!shortcut.isEmpty())
        a->setShortcut(QKeySequence(shortcut));
    const QString icon = iconNames().value(name);
    if (!icon.isEmpty())
        a->setIcon(QIcon::fromTheme(icon));
    // The tooltip names the command and its shortcut.
    QString tip = a->text();
    tip.remove(QLatin1Char('&'));
    if (tip.endsWith(QLatin1String("...")))
        tip.chop(3);
    if (!shortcut.isEmpty())
        tip += QStringLiteral(" (%1)").arg(a->shortcut().toString(QKeySequence::NativeText));
    a->setToolTip(tip);
    a->setEnabled(kLiveActions.contains(name));
    m_actions.insert(name, a);
    return a;
}

void MainActions::buildActions()
{
    for (const ActionDef &d : kActions)
        make(QString::fromLatin1(d.name), QString::fromLatin1(d.text),
             QString::fromLatin1(d.shortcut));
    action("White1")->setIcon(colourTile(Qt::white));
    action("Red1")->setIcon(colourTile(Qt::red));
    action("Yellow1")->setIcon(colourTile(Qt::yellow));
    action("Green1")->setIcon(colourTile(Qt::green));
    action("Blue1")->setIcon(colourTile(QColor(0x00, 0xFF, 0xFF)));
    for (const char *toggle : {"GridBold", "GridItalic", "GridUnderline", "Multilines", "View3D",
                               "ViewWalls", "BaseLineBtn", "AnimateBtn", "RotationBtn",
                               "btnDiagramText", "Fixedrow1", "Fixedcolumn1"})
        action(toggle)->setCheckable(true);
}

QAction *MainActions::action(const QString &name) const
{
    QAction *a = m_actions.value(name);
    Q_ASSERT_X(a, "MainActions::action", qPrintable(name));
    return a;
}

QMenu *MainActions::menu(const QString &name) const
{
    return m_menus.value(name);
}

QToolBar *MainActions::toolBar(const QString &name) const
{
    return m_toolBars.value(name);
}

QMenu *MainActions::makeMenu(QWidget *parent, const QString &name, const QString &title,
                             const QStringList &actions)
{
    auto *m = new QMenu(tr(title.toUtf8().constData()), parent);
    m->setObjectName(name);
    for (const QString &a : actions) {
        if (a == QLatin1String("-"))
            m->addSeparator();
        else if (m_menus.contains(a))
            m->addMenu(m_menus.value(a));
        else
            m->addAction(action(a));
    }
    m_menus.insert(name, m);
    return m;
}

void MainActions::buildMenus(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    makeMenu(window, "Export1", "Export", {"HTML1", "ExportMSWord", "RTF1"});
    QMenu *language = makeMenu(window, "Language1", "Language", {});
    language->setEnabled(false);
    bar->addMenu(makeMenu(window, "File1", "&File",
                          {"New1", "Save1", "OpenAddress1", "-", "Export1", "-", "Printersetup1",
                           "Language1", "Properties2", "-", "Quit1"}));
    makeMenu(window, "Changecolor2", "Change color",
             {"White1", "Red1", "Yellow1", "Green1", "Blue1", "Custom1"});
    bar->addMenu(makeMenu(window, "Nodes1", "&Items",
                          {"NodeNew", "NodeImport", "NodeDelete", "NodeRename", "Changecolor2", "-",
                           "NodeExpand", "NodeCollapse", "-", "Moveup1", "Movedown1", "Promote1",
                           "Demote1"}));
    makeMenu(window, "WPTableMenu", "Table",
             {"WPACreateTable1", "WPASelectRow1", "WPAInsRow1", "WPADelRow1", "WPASelectColumn1",
              "WPAInsCol1", "WPADelCol1", "-", "WPABAllOn1", "WPABAllOff1", "WPABTop1",
              "WPABBottom1", "WPABLeft1", "WPABRight1"});
    bar->addMenu(
        makeMenu(window, "DocMenu", "&Document",
                 {"WPAUndo1", "WPARedo1", "-", "WPACut1", "WPACopy1", "WPAPaste1", "WPADeleteText1",
                  "WPASellAll1", "-", "WPFont", "WPParagraph", "WPBullets", "WPTabStops",
                  "WPTableMenu", "-", "WPPageSetup", "WPImport", "WPExport", "WPAPrint1"}));
    bar->addMenu(makeMenu(window, "ChartMenu", "&Chart",
                          {"ChartExport", "ChartPrint", "ChartEdit", "ChartImport", "-",
                           "Asbitmap1", "AsMetafile1"}));
    bar->addMenu(makeMenu(window, "TableMenu", "&Table",
                          {"TableExport", "TablePrint", "-", "TableCut", "TableCopy", "TablePaste",
                           "-", "Row1", "Column1", "-", "Left1", "Center1", "Right1", "Font2", "-",
                           "Fixedrow1", "Fixedcolumn1", "TableImport"}));
    bar->addMenu(makeMenu(window, "Search1", "&Search", {"Find1", "Replace1", "Globalfind1"}));
    bar->addMenu(makeMenu(window, "Help1", "&Help", {"Help2", "About1"}));
    for (const char *kindMenu : {"DocMenu", "ChartMenu", "TableMenu"})
        menu(kindMenu)->menuAction()->setVisible(false);
}

QToolBar *MainActions::makeBar(const QString &name, QWidget *host, const QStringList &actions)
{
    auto *bar = new QToolBar(host);
    bar->setObjectName(name);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const QString &a : actions)
        bar->addAction(action(a));
    host->layout()->addWidget(bar);
    m_toolBars.insert(name, bar);
    return bar;
}

void MainActions::buildToolBars(QWidget *treeBarHost, QWidget *kindBarHost)
{
    makeBar("ElToolBar1", treeBarHost,
            {"UpBtn", "DnBtn", "LeftBtn", "RightBtn", "NewNodeBtn", "DeleteNodebtn", "ImportNode"})
        ->setToolButtonStyle(Qt::ToolButtonIconOnly);
    makeBar("WPBar", kindBarHost,
            {"WPImport",         "WPAPrint1", "WPAReplace1",   "WPASearch1",  "WPExport",
             "WPACut1",          "WPACopy1",  "WPAPaste1",     "WPABold1",    "WPAItalic1",
             "WPAUnderline1",    "WPABLeft1", "WPACenter1",    "WPABRight1",  "WPBullets",
             "WPUndoBtn",        "WPRedoBtn", "WPAStrikeout1", "WPANumbers1", "WPFontColor",
             "WPBackGroundColor"});
    makeBar("GridBar", kindBarHost,
            {"GridSaveBtn", "GridPrintBtn", "GridFindBtn", "GridReplaceBtn", "GridCutBtn",
             "GridCopyBtn", "GridPasteBtn", "GridClear", "GridLeftBtn", "GridCenterBtn",
             "GridRightBtn", "GridBold", "GridItalic", "GridUnderline", "GridFontBtn", "Multilines",
             "GridFontColor2", "GridBackGroundColor2", "CancelBtn"});
    makeBar("ChartBar", kindBarHost,
            {"SaveChartBtn", "PrintChartBtn", "EditChartBtn", "PhotoBtn", "SwapSeriesBtn",
             "ZoomInBtn", "ZoomOutBtn", "RotationBtn", "View3D", "VBarBtn", "HBarBtn", "PieBtn",
             "GroupBarBtn", "GroupLineBtn", "ViewWalls", "BaseLineBtn", "AnimateBtn",
             "CancelChartBtn"});
    makeBar("ImageBar", kindBarHost,
            {"SaveImageBtn", "CutImageBtn", "ZoomInImageBtn", "ZoomOutImageBtn"});
    makeBar("DiagramBar", kindBarHost,
            {"btnDiagramSave", "btnDiagramPrint", "BtnDiagramPhoto", "btnDiagramZoomIn",
             "btnDiagramZoomOut", "btnDiagramSelect", "btnDiagramDrag", "btnDiagramRange",
             "btnDiagramText", "btnDiagramSizing", "btnDiagramCancel"});
    makeBar(
        "CloudBar", kindBarHost,
        {"BtnSaveCloud", "BtnPrintCloud", "BtnCloudPhoto", "BtnCloudOptions", "BtnCloudCancel"});
    for (QToolBar *bar : m_toolBars)
        if (bar->objectName() != QLatin1String("ElToolBar1"))
            bar->setVisible(false);
}
