#include "app/MainActions.h"

#include <QAction>
#include <QEvent>
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
    {"New1", QT_TRANSLATE_NOOP("MainActions", "New..."), "Ctrl+N"},
    {"Save1", QT_TRANSLATE_NOOP("MainActions", "Open..."), "Ctrl+O"},
    {"OpenAddress1", QT_TRANSLATE_NOOP("MainActions", "Open server report..."), ""},
    {"HTML1", QT_TRANSLATE_NOOP("MainActions", "HTML..."), ""},
    {"ExportMSWord", QT_TRANSLATE_NOOP("MainActions", "MS Word..."), ""},
    {"RTF1", QT_TRANSLATE_NOOP("MainActions", "Rich Text..."), ""},
    {"ExportDocx", QT_TRANSLATE_NOOP("MainActions", "Word document (.docx)..."), ""},
    {"Printersetup1", QT_TRANSLATE_NOOP("MainActions", "Printer setup..."), ""},
    {"Properties2", QT_TRANSLATE_NOOP("MainActions", "Properties..."), ""},
    {"Quit1", QT_TRANSLATE_NOOP("MainActions", "Quit"), "Ctrl+Q"},
    {"NodeNew", QT_TRANSLATE_NOOP("MainActions", "New..."), "Ins"},
    {"NodeImport", QT_TRANSLATE_NOOP("MainActions", "Import files..."), ""},
    {"NodeDelete", QT_TRANSLATE_NOOP("MainActions", "Delete"), "Del"},
    {"NodeRename", QT_TRANSLATE_NOOP("MainActions", "Rename..."), "F2"},
    {"NodeExpand", QT_TRANSLATE_NOOP("MainActions", "Expand all"), ""},
    {"NodeCollapse", QT_TRANSLATE_NOOP("MainActions", "Collapse all"), ""},
    {"Moveup1", QT_TRANSLATE_NOOP("MainActions", "Move up"), "Ctrl+Up"},
    {"Movedown1", QT_TRANSLATE_NOOP("MainActions", "Move down"), "Ctrl+Down"},
    {"Promote1", QT_TRANSLATE_NOOP("MainActions", "Promote"), "Ctrl+Left"},
    {"Demote1", QT_TRANSLATE_NOOP("MainActions", "Demote"), "Ctrl+Right"},
    {"White1", QT_TRANSLATE_NOOP("MainActions", "White"), ""},
    {"Red1", QT_TRANSLATE_NOOP("MainActions", "Red"), ""},
    {"Yellow1", QT_TRANSLATE_NOOP("MainActions", "Yellow"), ""},
    {"Green1", QT_TRANSLATE_NOOP("MainActions", "Green"), ""},
    {"Blue1", QT_TRANSLATE_NOOP("MainActions", "Blue"), ""},
    {"Custom1", QT_TRANSLATE_NOOP("MainActions", "Custom..."), ""},
    {"UpBtn", QT_TRANSLATE_NOOP("MainActions", "Move up"), ""},
    {"DnBtn", QT_TRANSLATE_NOOP("MainActions", "Move Down"), ""},
    {"LeftBtn", QT_TRANSLATE_NOOP("MainActions", "Move Left"), ""},
    {"RightBtn", QT_TRANSLATE_NOOP("MainActions", "Move right"), ""},
    {"NewNodeBtn", QT_TRANSLATE_NOOP("MainActions", "Insert item"), ""},
    {"DeleteNodebtn", QT_TRANSLATE_NOOP("MainActions", "Delete item"), ""},
    {"ImportNode", QT_TRANSLATE_NOOP("MainActions", "Import file"), ""},
    {"Find1", QT_TRANSLATE_NOOP("MainActions", "Find..."), "Ctrl+F"},
    {"Replace1", QT_TRANSLATE_NOOP("MainActions", "Replace..."), "Ctrl+H"},
    {"Globalfind1", QT_TRANSLATE_NOOP("MainActions", "Global find..."), "Ctrl+Shift+F"},
    {"Helptopics1", QT_TRANSLATE_NOOP("MainActions", "Help Topics"), ""},
    {"Webpage1", QT_TRANSLATE_NOOP("MainActions", "Orvane Home Page"), ""},
    {"About1", QT_TRANSLATE_NOOP("MainActions", "About..."), ""},
    // Document editor.
    {"WPImport", QT_TRANSLATE_NOOP("MainActions", "Import..."), ""},
    {"WPExport", QT_TRANSLATE_NOOP("MainActions", "Export..."), ""},
    {"WPAPrint1", QT_TRANSLATE_NOOP("MainActions", "Print..."), ""},
    {"WPAReplace1", QT_TRANSLATE_NOOP("MainActions", "Replace"), ""},
    {"WPASearch1", QT_TRANSLATE_NOOP("MainActions", "Search"), ""},
    {"WPAUndo1", QT_TRANSLATE_NOOP("MainActions", "Undo"), ""},
    {"WPARedo1", QT_TRANSLATE_NOOP("MainActions", "Redo"), ""},
    {"WPACut1", QT_TRANSLATE_NOOP("MainActions", "Cut"), ""},
    {"WPACopy1", QT_TRANSLATE_NOOP("MainActions", "Copy"), ""},
    {"WPAPaste1", QT_TRANSLATE_NOOP("MainActions", "Paste"), ""},
    {"WPADeleteText1", QT_TRANSLATE_NOOP("MainActions", "Delete"), ""},
    {"WPASellAll1", QT_TRANSLATE_NOOP("MainActions", "Select all"), ""},
    {"WPABold1", QT_TRANSLATE_NOOP("MainActions", "Bold"), ""},
    {"WPAItalic1", QT_TRANSLATE_NOOP("MainActions", "Italic"), ""},
    {"WPAUnderline1", QT_TRANSLATE_NOOP("MainActions", "Underline"), ""},
    {"WPAStrikeout1", QT_TRANSLATE_NOOP("MainActions", "Strikeout"), ""},
    {"WPABLeft1", QT_TRANSLATE_NOOP("MainActions", "Left border"), ""},
    {"WPACenter1", QT_TRANSLATE_NOOP("MainActions", "Center"), ""},
    {"WPABRight1", QT_TRANSLATE_NOOP("MainActions", "Right border"), ""},
    {"WPBullets", QT_TRANSLATE_NOOP("MainActions", "Bullets"), ""},
    {"WPANumbers1", QT_TRANSLATE_NOOP("MainActions", "Numbers"), ""},
    {"WPUndoBtn", QT_TRANSLATE_NOOP("MainActions", "&Undo"), ""},
    {"WPRedoBtn", QT_TRANSLATE_NOOP("MainActions", "&Redo"), ""},
    {"WPFontColor", QT_TRANSLATE_NOOP("MainActions", "Text color"), ""},
    {"WPBackGroundColor", QT_TRANSLATE_NOOP("MainActions", "Background color"), ""},
    {"WPFont", QT_TRANSLATE_NOOP("MainActions", "Font..."), ""},
    {"WPParagraph", QT_TRANSLATE_NOOP("MainActions", "Paragraph..."), ""},
    {"WPTabStops", QT_TRANSLATE_NOOP("MainActions", "Tab stops..."), ""},
    {"WPPageSetup", QT_TRANSLATE_NOOP("MainActions", "Page setup..."), ""},
    {"WPACreateTable1", QT_TRANSLATE_NOOP("MainActions", "Create table..."), ""},
    {"WPASelectRow1", QT_TRANSLATE_NOOP("MainActions", "Select row"), ""},
    {"WPAInsRow1", QT_TRANSLATE_NOOP("MainActions", "Insert row"), ""},
    {"WPADelRow1", QT_TRANSLATE_NOOP("MainActions", "Delete row"), ""},
    {"WPASelectColumn1", QT_TRANSLATE_NOOP("MainActions", "Select column"), ""},
    {"WPAInsCol1", QT_TRANSLATE_NOOP("MainActions", "Insert column"), ""},
    {"WPADelCol1", QT_TRANSLATE_NOOP("MainActions", "Delete column"), ""},
    {"WPABAllOn1", QT_TRANSLATE_NOOP("MainActions", "All borders"), ""},
    {"WPABAllOff1", QT_TRANSLATE_NOOP("MainActions", "No borders"), ""},
    {"WPABTop1", QT_TRANSLATE_NOOP("MainActions", "Top border"), ""},
    {"WPABBottom1", QT_TRANSLATE_NOOP("MainActions", "Bottom border"), ""},
    // Table editor.
    {"GridSaveBtn", QT_TRANSLATE_NOOP("MainActions", "Save"), ""},
    {"GridPrintBtn", QT_TRANSLATE_NOOP("MainActions", "Print"), ""},
    {"GridFindBtn", QT_TRANSLATE_NOOP("MainActions", "Find"), ""},
    {"GridReplaceBtn", QT_TRANSLATE_NOOP("MainActions", "Replace"), ""},
    {"GridCutBtn", QT_TRANSLATE_NOOP("MainActions", "Cut"), ""},
    {"GridCopyBtn", QT_TRANSLATE_NOOP("MainActions", "Copy"), ""},
    {"GridPasteBtn", QT_TRANSLATE_NOOP("MainActions", "Paste"), ""},
    {"GridClear", QT_TRANSLATE_NOOP("MainActions", "Clear"), ""},
    {"GridLeftBtn", QT_TRANSLATE_NOOP("MainActions", "Left"), ""},
    {"GridCenterBtn", QT_TRANSLATE_NOOP("MainActions", "Center"), ""},
    {"GridRightBtn", QT_TRANSLATE_NOOP("MainActions", "Right"), ""},
    {"GridBold", QT_TRANSLATE_NOOP("MainActions", "Bold"), ""},
    {"GridItalic", QT_TRANSLATE_NOOP("MainActions", "Italic"), ""},
    {"GridUnderline", QT_TRANSLATE_NOOP("MainActions", "Underline"), ""},
    {"GridFontBtn", QT_TRANSLATE_NOOP("MainActions", "Font"), ""},
    {"Multilines", QT_TRANSLATE_NOOP("MainActions", "Multi-line"), ""},
    {"GridFontColor2", QT_TRANSLATE_NOOP("MainActions", "Font color"), ""},
    {"GridBackGroundColor2", QT_TRANSLATE_NOOP("MainActions", "Background"), ""},
    {"CancelBtn", QT_TRANSLATE_NOOP("MainActions", "Cancel"), ""},
    {"TableExport", QT_TRANSLATE_NOOP("MainActions", "Save to disk..."), ""},
    {"TablePrint", QT_TRANSLATE_NOOP("MainActions", "Print..."), ""},
    {"TableCut", QT_TRANSLATE_NOOP("MainActions", "Cut"), ""},
    {"TableCopy", QT_TRANSLATE_NOOP("MainActions", "Copy"), ""},
    {"TablePaste", QT_TRANSLATE_NOOP("MainActions", "Paste"), ""},
    {"Row1", QT_TRANSLATE_NOOP("MainActions", "Select row"), ""},
    {"Column1", QT_TRANSLATE_NOOP("MainActions", "Select column"), ""},
    {"Left1", QT_TRANSLATE_NOOP("MainActions", "Align left"), ""},
    {"Center1", QT_TRANSLATE_NOOP("MainActions", "Center"), ""},
    {"Right1", QT_TRANSLATE_NOOP("MainActions", "Align right"), ""},
    {"Font2", QT_TRANSLATE_NOOP("MainActions", "Font..."), ""},
    {"Fixedrow1", QT_TRANSLATE_NOOP("MainActions", "Fixed row"), ""},
    {"Fixedcolumn1", QT_TRANSLATE_NOOP("MainActions", "Fixed column"), ""},
    {"TableImport", QT_TRANSLATE_NOOP("MainActions", "Import..."), ""},
    // Chart editor.
    {"SaveChartBtn", QT_TRANSLATE_NOOP("MainActions", "Save"), ""},
    {"PrintChartBtn", QT_TRANSLATE_NOOP("MainActions", "Print"), ""},
    {"EditChartBtn", QT_TRANSLATE_NOOP("MainActions", "Edit"), ""},
    {"PhotoBtn", QT_TRANSLATE_NOOP("MainActions", "Picture"), ""},
    {"SwapSeriesBtn", QT_TRANSLATE_NOOP("MainActions", "Swap"), ""},
    {"ZoomInBtn", QT_TRANSLATE_NOOP("MainActions", "Zoom in"), ""},
    {"ZoomOutBtn", QT_TRANSLATE_NOOP("MainActions", "Zoom out"), ""},
    {"RotationBtn", QT_TRANSLATE_NOOP("MainActions", "Rotate"), ""},
    {"View3D", QT_TRANSLATE_NOOP("MainActions", "3D"), ""},
    {"VBarBtn", QT_TRANSLATE_NOOP("MainActions", "Bars"), ""},
    {"HBarBtn", QT_TRANSLATE_NOOP("MainActions", "Horizontal bars"), ""},
    {"PieBtn", QT_TRANSLATE_NOOP("MainActions", "Pie"), ""},
    {"GroupBarBtn", QT_TRANSLATE_NOOP("MainActions", "Grouped bars"), ""},
    {"GroupLineBtn", QT_TRANSLATE_NOOP("MainActions", "Grouped lines"), ""},
    {"ViewWalls", QT_TRANSLATE_NOOP("MainActions", "Walls"), ""},
    {"BaseLineBtn", QT_TRANSLATE_NOOP("MainActions", "Base lines"), ""},
    {"AnimateBtn", QT_TRANSLATE_NOOP("MainActions", "Animate"), ""},
    {"CancelChartBtn", QT_TRANSLATE_NOOP("MainActions", "Cancel"), ""},
    {"ChartExport", QT_TRANSLATE_NOOP("MainActions", "Save to disk..."), ""},
    {"ChartPrint", QT_TRANSLATE_NOOP("MainActions", "Print..."), ""},
    {"ChartEdit", QT_TRANSLATE_NOOP("MainActions", "Edit chart..."), ""},
    {"ChartImport", QT_TRANSLATE_NOOP("MainActions", "Open chart file..."), ""},
    {"Asbitmap1", QT_TRANSLATE_NOOP("MainActions", "Copy as bitmap"), ""},
    {"AsMetafile1", QT_TRANSLATE_NOOP("MainActions", "Copy as metafile"), ""},
    // Picture editor.
    {"SaveImageBtn", QT_TRANSLATE_NOOP("MainActions", "Save"), ""},
    {"CutImageBtn", QT_TRANSLATE_NOOP("MainActions", "Copy"), ""},
    {"ZoomInImageBtn", QT_TRANSLATE_NOOP("MainActions", "Zoom in"), ""},
    {"ZoomOutImageBtn", QT_TRANSLATE_NOOP("MainActions", "Zoom out"), ""},
    // Diagram editor.
    {"btnDiagramSave", QT_TRANSLATE_NOOP("MainActions", "Save"), ""},
    {"btnDiagramPrint", QT_TRANSLATE_NOOP("MainActions", "Print"), ""},
    {"BtnDiagramPhoto", QT_TRANSLATE_NOOP("MainActions", "Picture"), ""},
    {"btnDiagramZoomIn", QT_TRANSLATE_NOOP("MainActions", "Zoom in"), ""},
    {"btnDiagramZoomOut", QT_TRANSLATE_NOOP("MainActions", "Zoom out"), ""},
    {"btnDiagramSelect", QT_TRANSLATE_NOOP("MainActions", "Select"), ""},
    {"btnDiagramDrag", QT_TRANSLATE_NOOP("MainActions", "Pan"), ""},
    {"btnDiagramRange", QT_TRANSLATE_NOOP("MainActions", "Zoom to area"), ""},
    {"btnDiagramText", QT_TRANSLATE_NOOP("MainActions", "Labels"), ""},
    {"btnDiagramSizing", QT_TRANSLATE_NOOP("MainActions", "Sizing"), ""},
    {"btnDiagramCancel", QT_TRANSLATE_NOOP("MainActions", "Cancel"), ""},
    // Word-cloud editor.
    {"BtnSaveCloud", QT_TRANSLATE_NOOP("MainActions", "Save"), ""},
    {"BtnPrintCloud", QT_TRANSLATE_NOOP("MainActions", "Print"), ""},
    {"BtnCloudPhoto", QT_TRANSLATE_NOOP("MainActions", "Picture"), ""},
    {"BtnCloudOptions", QT_TRANSLATE_NOOP("MainActions", "Options"), ""},
    {"BtnCloudCancel", QT_TRANSLATE_NOOP("MainActions", "Cancel"), ""},
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
                                           {"ExportDocx", "x-office-document"},
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
                                           {"Helptopics1", "help-contents"},
                                           {"Webpage1", "internet-web-browser"},
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
    "New1",        "Save1",      "OpenAddress1",  "Quit1",      "Printersetup1", "Properties2",
    "NodeNew",     "NodeDelete", "NodeRename",    "NodeExpand", "NodeCollapse",  "Moveup1",
    "Movedown1",   "Promote1",   "Demote1",       "White1",     "Red1",          "Yellow1",
    "Green1",      "Blue1",      "Custom1",       "UpBtn",      "DnBtn",         "LeftBtn",
    "RightBtn",    "NewNodeBtn", "DeleteNodebtn", "About1",     "NodeImport",    "ImportNode",
    "Helptopics1", "Webpage1"};
} // namespace

MainActions::MainActions(QMainWindow *window, QWidget *treeBarHost, QWidget *kindBarHost)
    : QObject(window), m_window(window)
{
    buildActions();
    buildMenus(window);
    buildToolBars(treeBarHost, kindBarHost);
    // Shortcut hints are composed into the tooltips: they are composed again
    // in the new language after a switch.
    window->installEventFilter(this);
}

QAction *MainActions::make(const QString &name, const char *text, const QString &shortcut)
{
    auto *a = new QAction(m_window);
    a->setObjectName(name);
    if (!shortcut.isEmpty())
        a->setShortcut(QKeySequence(shortcut));
    const QString icon = iconNames().value(name);
    if (!icon.isEmpty())
        a->setIcon(QIcon::fromTheme(icon));
    m_sources.insert(a, text);
    retranslateAction(a);
    a->setEnabled(kLiveActions.contains(name));
    m_actions.insert(name, a);
    return a;
}

void MainActions::retranslateAction(QAction *a)
{
    a->setText(tr(m_sources.value(a)));
    // The tooltip names the command and its shortcut.
    QString tip = a->text();
    tip.remove(QLatin1Char('&'));
    if (tip.endsWith(QLatin1String("...")))
        tip.chop(3);
    if (!a->shortcut().isEmpty())
        tip += QStringLiteral(" (%1)").arg(a->shortcut().toString(QKeySequence::NativeText));
    a->setToolTip(tip);
}

void MainActions::retranslateUi()
{
    for (QAction *a : std::as_const(m_actions))
        retranslateAction(a);
    for (auto it = m_menuTitles.cbegin(); it != m_menuTitles.cend(); ++it)
        if (QMenu *m = m_menus.value(it.key()))
            m->setTitle(tr(it.value()));
}

bool MainActions::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::LanguageChange)
        retranslateUi();
    return QObject::eventFilter(watched, event);
}

void MainActions::buildActions()
{
    for (const ActionDef &d : kActions)
        make(QString::fromLatin1(d.name), d.text, QString::fromLatin1(d.shortcut));
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

QMenu *MainActions::makeMenu(QWidget *parent, const QString &name, const char *title,
                             const QStringList &actions)
{
    auto *m = new QMenu(tr(title), parent);
    m_menuTitles.insert(name, title);
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
    makeMenu(window, "Export1", QT_TR_NOOP("Export"),
             {"HTML1", "ExportMSWord", "RTF1", "ExportDocx"});
    QMenu *language = makeMenu(window, "Language1", QT_TR_NOOP("Language"), {});
    language->setEnabled(false);
    bar->addMenu(makeMenu(window, "File1", QT_TR_NOOP("&File"),
                          {"New1", "Save1", "OpenAddress1", "-", "Export1", "-", "Printersetup1",
                           "Language1", "Properties2", "-", "Quit1"}));
    makeMenu(window, "Changecolor2", QT_TR_NOOP("Change color"),
             {"White1", "Red1", "Yellow1", "Green1", "Blue1", "Custom1"});
    bar->addMenu(makeMenu(window, "Nodes1", QT_TR_NOOP("&Items"),
                          {"NodeNew", "NodeImport", "NodeDelete", "NodeRename", "Changecolor2", "-",
                           "NodeExpand", "NodeCollapse", "-", "Moveup1", "Movedown1", "Promote1",
                           "Demote1"}));
    makeMenu(window, "WPTableMenu", QT_TR_NOOP("Table"),
             {"WPACreateTable1", "WPASelectRow1", "WPAInsRow1", "WPADelRow1", "WPASelectColumn1",
              "WPAInsCol1", "WPADelCol1", "-", "WPABAllOn1", "WPABAllOff1", "WPABTop1",
              "WPABBottom1", "WPABLeft1", "WPABRight1"});
    bar->addMenu(
        makeMenu(window, "DocMenu", QT_TR_NOOP("&Document"),
                 {"WPAUndo1", "WPARedo1", "-", "WPACut1", "WPACopy1", "WPAPaste1", "WPADeleteText1",
                  "WPASellAll1", "-", "WPFont", "WPParagraph", "WPBullets", "WPTabStops",
                  "WPTableMenu", "-", "WPPageSetup", "WPImport", "WPExport", "WPAPrint1"}));
    bar->addMenu(makeMenu(window, "ChartMenu", QT_TR_NOOP("&Chart"),
                          {"ChartExport", "ChartPrint", "ChartEdit", "ChartImport", "-",
                           "Asbitmap1", "AsMetafile1"}));
    bar->addMenu(makeMenu(window, "TableMenu", QT_TR_NOOP("&Table"),
                          {"TableExport", "TablePrint", "-", "TableCut", "TableCopy", "TablePaste",
                           "-", "Row1", "Column1", "-", "Left1", "Center1", "Right1", "Font2", "-",
                           "Fixedrow1", "Fixedcolumn1", "TableImport"}));
    bar->addMenu(
        makeMenu(window, "Search1", QT_TR_NOOP("&Search"), {"Find1", "Replace1", "Globalfind1"}));
    bar->addMenu(
        makeMenu(window, "Help1", QT_TR_NOOP("&Help"), {"Helptopics1", "Webpage1", "-", "About1"}));
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
