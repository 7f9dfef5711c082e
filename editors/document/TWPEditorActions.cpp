#include "editors/document/TWPEditor.h"

#include "platform/wordproc/view/WPFindDlg.h"
#include "platform/wordproc/view/WPLanguage.h"
#include "platform/wordproc/view/WPTables.h"
#include "platform/wordproc/view/WPToolBar.h"
#include "platform/wordproc/view/WPView.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTextList>
#include <QToolBar>

// The editor's actions, its pop-up menu and the formatting bar the main
// window shows for document pages.
QAction *TWPEditor::addViewAction(const char *name, const QString &caption, const char *category,
                                  const char *icon, const std::function<void()> &run)
{
    auto *a = new QAction(caption, this);
    a->setObjectName(QString::fromLatin1(name));
    a->setProperty("category", QString::fromLatin1(category));
    if (icon && *icon)
        a->setIcon(QIcon::fromTheme(QString::fromLatin1(icon)));
    a->setToolTip(QString(caption).remove(QStringLiteral("...")));
    connect(a, &QAction::triggered, this, [run] { run(); });
    m_actions.insert(a->objectName(), a);
    m_actionOrder.append(a);
    return a;
}

QAction *TWPEditor::addAction(const char *name, const QString &caption, const char *category,
                              const char *icon, void (TWPEditor::*slot)())
{
    return addViewAction(name, caption, category, icon, [this, slot] { (this->*slot)(); });
}

void TWPEditor::createActions()
{
    WPView *v = m_view;
    const char *ed = "WPEditor";
    addAction("WPImport", tr("Import..."), ed, "document-import", &TWPEditor::WPImport);
    addAction("WPExport", tr("Export..."), ed, "document-export", &TWPEditor::WPExport);
    addAction("WPFont", tr("Fonts..."), ed, "preferences-desktop-font", &TWPEditor::WPFont);
    addAction("WPParagraph", tr("Paragraphs..."), ed, "format-line-spacing-normal",
              &TWPEditor::WPParagraph);
    addAction("WPBullets", tr("Bullets..."), ed, "format-list-unordered", &TWPEditor::WPBullets);
    addAction("WPTabStops", tr("Tab stops..."), ed, "format-indent-more", &TWPEditor::WPTabStops);
    addAction("WPPageSetup", tr("Page setup"), ed, "document-properties", &TWPEditor::WPPageSetup);
    addAction("WPBorders", tr("Borders..."), ed, "format-border-style", &TWPEditor::WPBorders);
    addAction("WPInsertPicture", tr("Picture..."), ed, "insert-image", &TWPEditor::WPInsertPicture);
    addAction("WPInsertLink", tr("Hyperlink..."), ed, "insert-link", &TWPEditor::WPInsertLink);
    addAction("WPPrintPreview", tr("Print Preview"), ed, "document-print-preview",
              &TWPEditor::WPPrintPreview);

    const char *edit = "WPT_Edit";
    addViewAction("WPAUndo1", tr("Undo"), edit, "edit-undo", [v] {
        v->undo();
    })->setShortcut(QKeySequence::Undo);
    addViewAction("WPARedo1", tr("Redo"), edit, "edit-redo", [v] {
        v->redo();
    })->setShortcut(QKeySequence::Redo);
    addViewAction("WPACopy1", tr("Copy"), edit, "edit-copy", [v] {
        v->copy();
    })->setShortcut(QKeySequence::Copy);
    addViewAction("WPACut1", tr("Cut"), edit, "edit-cut", [v] {
        v->cut();
    })->setShortcut(QKeySequence::Cut);
    addViewAction("WPAPaste1", tr("Paste"), edit, "edit-paste", [v] {
        v->paste();
    })->setShortcut(QKeySequence::Paste);
    addAction("WPASearch1", tr("Find"), edit, "edit-find", &TWPEditor::WPFind)
        ->setShortcut(QKeySequence::Find);
    addAction("WPAReplace1", tr("Replace"), edit, "edit-find-replace", &TWPEditor::WPReplace)
        ->setShortcut(QKeySequence::Replace);
    addViewAction("WPASellAll1", tr("Select All"), edit, "edit-select-all", [v] {
        v->selectAll();
    })->setShortcut(QKeySequence::SelectAll);
    addViewAction("WPADeleteText1", tr("Delete Text"), edit, "edit-delete",
                  [v] { v->textCursor().removeSelectedText(); });

    const char *par = "WPT_ParAttr";
    auto *align = new QActionGroup(this);
    const struct
    {
        const char *name;
        QString caption;
        const char *icon;
        Qt::Alignment alignment;
    } alignments[] = {
        {"WPALeft1", tr("Left"), "format-justify-left", Qt::AlignLeft | Qt::AlignAbsolute},
        {"WPACenter1", tr("Center"), "format-justify-center", Qt::AlignHCenter},
        {"WPARight1", tr("Right"), "format-justify-right", Qt::AlignRight | Qt::AlignAbsolute},
        {"WPAJustified1", tr("Justified"), "format-justify-fill", Qt::AlignJustify},
    };
    for (const auto &a : alignments) {
        const Qt::Alignment al = a.alignment;
        QAction *act = addViewAction(a.name, a.caption, par, a.icon,
                                     [v, al] { v->setParagraphAlignment(al); });
        act->setCheckable(true);
        align->addAction(act);
    }
    addViewAction("WPABullets1", tr("Bullets"), par, "format-list-unordered", [v] {
        v->toggleBullets();
    })->setCheckable(true);
    addViewAction("WPANumbers1", tr("Numbers"), par, "format-list-ordered", [v] {
        v->toggleNumbers();
    })->setCheckable(true);
    addViewAction("WPADecIndent1", tr("Prior Level"), par, "format-indent-less",
                  [v] { v->changeLevel(-1); });
    addViewAction("WPAIncIndent1", tr("Next Level"), par, "format-indent-more",
                  [v] { v->changeLevel(+1); });

    const char *file = "WPT_File";
    addAction("WPAOpen1", tr("Open"), file, "document-open", &TWPEditor::WPImport);
    addAction("WPASave1", tr("Save"), file, "document-save", &TWPEditor::WPSave);
    addAction("WPANew1", tr("New"), file, "document-new", &TWPEditor::WPNew);

    const char *chr = "WPT_CharAttr";
    auto charAction = [&](const char *name, const QString &caption, const char *icon,
                          void (WPView::*set)(bool), const QKeySequence &key) {
        QAction *a = addViewAction(name, caption, chr, icon, [] {});
        a->setCheckable(true);
        a->setShortcut(key);
        disconnect(a, &QAction::triggered, this, nullptr);
        connect(a, &QAction::triggered, this, [v, set](bool on) { (v->*set)(on); });
    };
    charAction("WPABold1", tr("Bold"), "format-text-bold", &WPView::setBold, QKeySequence::Bold);
    charAction("WPAItalic1", tr("Italic"), "format-text-italic", &WPView::setItalic,
               QKeySequence::Italic);
    charAction("WPAUnderline1", tr("Underlined"), "format-text-underline", &WPView::setUnderline,
               QKeySequence::Underline);
    charAction("WPAStrikeout1", tr("Strike Out"), "format-text-strikethrough",
               &WPView::setStrikeOut, QKeySequence());
    charAction("WPASubscript1", tr("Subscript"), "format-text-subscript", &WPView::setSubscript,
               QKeySequence());
    charAction("WPASuperscript1", tr("Superscript"), "format-text-superscript",
               &WPView::setSuperscript, QKeySequence());

    const char *print = "WPT_Print";
    addAction("WPAPrint1", tr("Print"), print, "document-print", &TWPEditor::WPPrint)
        ->setShortcut(QKeySequence::Print);
    addAction("WPAPrinterSetup1", tr("Printer Setup"), print, "document-print-frame",
              &TWPEditor::WPPrinterSetup);

    const char *tab = "WPT_Table";
    addAction("WPACreateTable1", tr("Create Table"), tab, "insert-table",
              &TWPEditor::WPCreateTable);
    addViewAction("WPAInsRow1", tr("Insert Row"), tab, "edit-table-insert-row-below",
                  [v] { v->insertRow(); });
    addViewAction("WPADelRow1", tr("Delete Row"), tab, "edit-table-delete-row",
                  [v] { v->deleteRow(); });
    addViewAction("WPASelectRow1", tr("Select Row"), tab, "", [v] { v->selectRow(); });
    addViewAction("WPAInsCol1", tr("Insert Column"), tab, "edit-table-insert-column-right",
                  [v] { v->insertColumn(); });
    addViewAction("WPADelCol1", tr("Delete Column"), tab, "edit-table-delete-column",
                  [v] { v->deleteColumn(); });
    addViewAction("WPASelectColumn1", tr("Select Column"), tab, "", [v] { v->selectColumn(); });
    addViewAction("WPABTop1", tr("Top Borders"), tab, "format-border-set-top",
                  [v] { v->toggleCellBorders(WPTables::Top); });
    addViewAction("WPABBottom1", tr("Bottom Borders"), tab, "format-border-set-bottom",
                  [v] { v->toggleCellBorders(WPTables::Bottom); });
    addViewAction("WPABLeft1", tr("Left Borders"), tab, "format-border-set-left",
                  [v] { v->toggleCellBorders(WPTables::Left); });
    addViewAction("WPABRight1", tr("Right Borders"), tab, "format-border-set-right",
                  [v] { v->toggleCellBorders(WPTables::Right); });
    addViewAction("WPABAllOn1", tr("Switch Borders On"), tab, "format-border-set-all",
                  [v] { v->setCellBorders(WPTables::AllSides, true); });
    addViewAction("WPABAllOff1", tr("Switch Borders Off"), tab, "format-border-set-none",
                  [v] { v->setCellBorders(WPTables::AllSides, false); });

    // The shortcuts work while the text has the focus, not in the whole window.
    for (QAction *a : std::as_const(m_actionOrder)) {
        if (!a->shortcut().isEmpty()) {
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            QWidget::addAction(a);
        }
    }
}

void TWPEditor::createPopup()
{
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("MemoPopup2"));
    auto add = [this](QMenu *menu, const char *name) {
        menu->addAction(action(QString::fromLatin1(name)));
    };
    for (const char *n : {"WPACut1", "WPACopy1", "WPAPaste1"})
        add(m_popup, n);
    m_popup->addSeparator();
    add(m_popup, "WPASearch1");
    add(m_popup, "WPAReplace1");
    m_popup->addSeparator();
    for (const char *n : {"WPFont", "WPParagraph", "WPBorders", "WPTabStops", "WPBullets"})
        add(m_popup, n);
    QMenu *table = m_popup->addMenu(QIcon::fromTheme(QStringLiteral("table")), tr("Table"));
    table->setObjectName(QStringLiteral("MemoPopup2Table"));
    add(table, "WPACreateTable1");
    table->addSeparator();
    for (const char *n : {"WPASelectRow1", "WPAInsRow1", "WPADelRow1"})
        add(table, n);
    table->addSeparator();
    for (const char *n : {"WPASelectColumn1", "WPAInsCol1", "WPADelCol1"})
        add(table, n);
    table->addSeparator();
    add(table, "WPABAllOn1");
    add(table, "WPABAllOff1");
    table->addSeparator();
    for (const char *n : {"WPABTop1", "WPABBottom1", "WPABLeft1", "WPABRight1"})
        add(table, n);
    add(m_popup, "WPPageSetup");
    m_popup->addSeparator();
    for (const char *n : {"WPImport", "WPExport", "WPAPrint1"})
        add(m_popup, n);
}

QToolBar *TWPEditor::createFormatBar(QWidget *parent) const
{
    auto *bar = new QToolBar(parent);
    bar->setObjectName(QStringLiteral("WPBar"));
    bar->setIconSize(QSize(16, 16));
    const char *groups[][7] = {
        {"WPAUndo1", "WPARedo1", nullptr},
        {"WPACut1", "WPACopy1", "WPAPaste1", nullptr},
        {"WPABold1", "WPAItalic1", "WPAUnderline1", "WPAStrikeout1", "WPASubscript1",
         "WPASuperscript1", nullptr},
        {"WPALeft1", "WPACenter1", "WPARight1", "WPAJustified1", nullptr},
        {"WPABullets1", "WPANumbers1", "WPADecIndent1", "WPAIncIndent1", nullptr},
        {"WPACreateTable1", "WPInsertPicture", "WPInsertLink", nullptr},
        {"WPASearch1", "WPAPrint1", nullptr},
    };
    bool first = true;
    for (const auto &group : groups) {
        if (!first)
            bar->addSeparator();
        first = false;
        for (const char *const *n = group; *n; ++n)
            bar->addAction(action(QString::fromLatin1(*n)));
    }
    return bar;
}
