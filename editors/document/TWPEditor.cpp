#include "editors/document/TWPEditor.h"

#include "editors/document/DocumentFiles.h"
#include "editors/document/DocumentLog.h"
#include "platform/TessaryError.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/paths/Paths.h"
#include "platform/wordproc/DocumentForm.h"
#include "platform/wordproc/view/WPBorderDlg.h"
#include "platform/wordproc/view/WPBulletDlg.h"
#include "platform/wordproc/view/WPFindDlg.h"
#include "platform/wordproc/view/WPFontDlg.h"
#include "platform/wordproc/view/WPLanguage.h"
#include "platform/wordproc/view/WPPageDlg.h"
#include "platform/wordproc/view/WPParagraphDlg.h"
#include "platform/wordproc/view/WPRuler.h"
#include "platform/wordproc/view/WPTabDlg.h"
#include "platform/wordproc/view/WPTableDlg.h"
#include "platform/wordproc/view/WPTables.h"
#include "platform/wordproc/view/WPToolBar.h"
#include "platform/wordproc/view/WPView.h"
#include "store/PageState.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextList>
#include <QToolBar>
#include <QVBoxLayout>

// Keeps the content changes of a load from marking the page modified.
class TWPEditor::LoadGuard
{
public:
    explicit LoadGuard(TWPEditor *e) : m_editor(e) { ++m_editor->m_loading; }
    ~LoadGuard() { --m_editor->m_loading; }

private:
    TWPEditor *m_editor;
};

static void initDocumentResources()
{
    // The translations of the dialogs live in this static library's resources.
    Q_INIT_RESOURCE(document);
}

// Commands carry Breeze icons. Without a desktop theme (offscreen, a bare
// window manager) Breeze becomes the theme, looked up in the system's icon
// folders, which platforms without a desktop theme do not search.
static void useBreezeIcons()
{
    const QString breeze = QStringLiteral("breeze");
    if (QIcon::fallbackThemeName().isEmpty() ||
        QIcon::fallbackThemeName() == QLatin1String("hicolor"))
        QIcon::setFallbackThemeName(breeze);
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(breeze);
    QStringList paths = QIcon::themeSearchPaths();
    QStringList folders =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                  QStandardPaths::LocateDirectory);
    folders << QStringLiteral("/usr/local/share/icons") << QStringLiteral("/usr/share/icons");
    for (const QString &folder : std::as_const(folders)) {
        if (!paths.contains(folder) && QFileInfo::exists(folder + QLatin1Char('/') + breeze))
            paths << folder;
    }
    QIcon::setThemeSearchPaths(paths);
}

TWPEditor::TWPEditor(QWidget *parent) : QWidget(parent)
{
    initDocumentResources();
    useBreezeIcons();
    setObjectName(QStringLiteral("TWPEditor"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_panel1 = new QWidget(this);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setFixedHeight(33);
    m_panel1->hide();
    layout->addWidget(m_panel1);

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("WPPanel"));
    auto *inner = new QVBoxLayout(panel);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(0);
    m_view = new WPView(panel);
    m_toolBar = new WPToolBar(m_view, panel);
    m_ruler = new WPRuler(m_view, panel);
    inner->addWidget(m_toolBar);
    inner->addWidget(m_ruler);
    inner->addWidget(m_view, 1);
    layout->addWidget(panel, 1);

    createActions();
    createPopup();
    // The toolbar holds the font boxes and the Create Table button.
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(QStringLiteral("WPACreateTable1")));
    if (QWidget *button = m_toolBar->widgetForAction(action(QStringLiteral("WPACreateTable1"))))
        button->setObjectName(QStringLiteral("WPToolButton1"));

    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_popup->popup(m_view->viewport()->mapToGlobal(pos)); });
    connect(m_view, &WPView::contentChanged, this, [this] {
        if (!m_loading)
            PageModified = true;
    });
    connect(m_view, &WPView::caretFormatChanged, this, &TWPEditor::followCaret);
    connect(m_view, &WPView::paragraphChanged, this, &TWPEditor::updateActions);
    connect(m_view, &QTextEdit::selectionChanged, this, &TWPEditor::updateActions);
    connect(m_view, &QTextEdit::undoAvailable, this, &TWPEditor::updateActions);
    connect(m_view, &QTextEdit::redoAvailable, this, &TWPEditor::updateActions);
    setFocusProxy(m_view);
    updateActions();
}

TWPEditor::~TWPEditor()
{
    delete m_printer;
}

// --- commands ---------------------------------------------------------------

void TWPEditor::retranslateUi()
{
    for (QAction *a : std::as_const(m_actionOrder))
        if (!a->isSeparator())
            a->setToolTip(QString(a->text()).remove(QStringLiteral("...")));
}

void TWPEditor::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void TWPEditor::followCaret(const QTextCharFormat &format)
{
    const QColor font = format.foreground().style() != Qt::NoBrush ? format.foreground().color()
                                                                   : QColor(Qt::black);
    const QColor back = format.background().style() != Qt::NoBrush ? format.background().color()
                                                                   : QColor(0xFF, 0xFF, 0xFF);
    if (font != m_fontColor || back != m_backColor) {
        m_fontColor = font;
        m_backColor = back;
        emit caretColorsChanged(font, back);
    }
    updateActions();
}

void TWPEditor::updateActions()
{
    const QTextCursor c = m_view->textCursor();
    const QTextCharFormat f = m_view->currentCharFormat();
    auto check = [this](const char *name, bool on) {
        if (QAction *a = action(QString::fromLatin1(name)))
            a->setChecked(on);
    };
    check("WPABold1", f.fontWeight() >= QFont::Bold);
    check("WPAItalic1", f.fontItalic());
    check("WPAUnderline1", f.fontUnderline());
    check("WPAStrikeout1", f.fontStrikeOut());
    check("WPASubscript1", f.verticalAlignment() == QTextCharFormat::AlignSubScript);
    check("WPASuperscript1", f.verticalAlignment() == QTextCharFormat::AlignSuperScript);
    const Qt::Alignment al = c.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    check("WPACenter1", al & Qt::AlignHCenter);
    check("WPARight1", (al & Qt::AlignRight) && !(al & Qt::AlignLeft));
    check("WPAJustified1", al & Qt::AlignJustify);
    check("WPALeft1", !(al & (Qt::AlignHCenter | Qt::AlignRight | Qt::AlignJustify)));
    const QTextList *list = c.currentList();
    const bool numbered = list && list->format().style() < QTextListFormat::ListSquare;
    check("WPABullets1", list && !numbered);
    check("WPANumbers1", numbered);
    const bool inTable = c.currentTable() != nullptr;
    for (const char *n : {"WPAInsRow1", "WPADelRow1", "WPASelectRow1", "WPAInsCol1", "WPADelCol1",
                          "WPASelectColumn1", "WPABTop1", "WPABBottom1", "WPABLeft1", "WPABRight1",
                          "WPABAllOn1", "WPABAllOff1"})
        action(QString::fromLatin1(n))->setEnabled(inTable);
    const bool selected = c.hasSelection();
    action(QStringLiteral("WPACopy1"))->setEnabled(selected);
    action(QStringLiteral("WPACut1"))->setEnabled(selected && !m_view->isReadOnly());
    action(QStringLiteral("WPADeleteText1"))->setEnabled(selected && !m_view->isReadOnly());
    action(QStringLiteral("WPAUndo1"))->setEnabled(m_view->document()->isUndoAvailable());
    action(QStringLiteral("WPARedo1"))->setEnabled(m_view->document()->isRedoAvailable());
    emit actionsChanged();
}

void TWPEditor::setFontColor(const QColor &color)
{
    m_view->setCharColor(color);
}

void TWPEditor::setBackGroundColor(const QColor &color)
{
    // White from the selector means no background colour.
    m_view->setCharBackground(color == QColor(Qt::white) ? QColor() : color);
}

// --- page content -----------------------------------------------------------

QByteArray TWPEditor::saveContent()
{
    return DocumentForm::save(m_view->document());
}

void TWPEditor::afterLoad()
{
    QTextDocument *doc = m_view->document();
    doc->clearUndoRedoStacks();
    doc->setModified(false);
    m_view->moveCursor(QTextCursor::Start);
    followCaret(m_view->currentCharFormat());
}

void TWPEditor::loadContent(const QByteArray &bytes, const QString &)
{
    LoadGuard guard(this);
    clearContent();
    // No text form (HTML, RTF, plain text) holds NUL bytes: such content is
    // damaged or belongs to another kind of page.
    if (bytes.contains('\0'))
        throw TessaryError(tr("The page does not hold a document: its content is not text."));
    QStringList warnings;
    try {
        DocumentForm::load(bytes, m_view->document(), &warnings);
    } catch (const TessaryError &) {
        afterLoad();
        throw;
    }
    for (const QString &w : std::as_const(warnings))
        qCWarning(lcDocument) << "stored document:" << w;
    afterLoad();
}

void TWPEditor::clearContent()
{
    LoadGuard guard(this);
    m_view->clear();
    m_view->setCurrentCharFormat(QTextCharFormat());
    m_view->document()->setBaseUrl(QUrl());
    afterLoad();
}

void TWPEditor::loadFile(const QString &fileName)
{
    LoadGuard guard(this);
    clearContent();
    QStringList warnings;
    try {
        DocumentFiles::load(fileName, m_view->document(), &warnings);
    } catch (const TessaryError &) {
        afterLoad();
        throw;
    }
    afterLoad();
    if (!warnings.isEmpty()) {
        // A damaged file loads what it can and says so.
        dialogs().message(
            this,
            tr("The file %1 is damaged; what could be read was loaded:\n%2")
                .arg(QFileInfo(fileName).fileName(), warnings.mid(0, 5).join(QLatin1Char('\n'))),
            Dialogs::Icon::Warning);
    }
}

QStringList TWPEditor::saveExtensions() const
{
    return DocumentFiles::saveExtensions();
}

void TWPEditor::saveToFile(const QString &fileName)
{
    DocumentFiles::save(fileName, m_view);
}

QImage TWPEditor::renderImage(const QSize &size)
{
    return DocumentFiles::render(m_view->document(), size);
}

// --- commands of this form ------------------------------------------------

void TWPEditor::WPImport()
{
    const QString file = dialogs().openFile(
        this, tr("Import"), m_lastFolder,
        tr("Documents|*.rtf;*.html;*.htm;*.txt;*.docx;*.odt;*.doc;*.wpd|Rich text (RTF)|*.rtf|"
           "HTML|*.html;*.htm|Plain text|*.txt|Word (DOCX)|*.docx|OpenDocument text|*.odt|"
           "Word 97-2003|*.doc|WordPerfect|*.wpd|All files|*"));
    if (file.isEmpty())
        return;
    m_lastFolder = QFileInfo(file).absolutePath();
    const QByteArray before = saveContent();
    try {
        loadFile(file);
    } catch (const TessaryError &e) {
        // The page keeps its text when the file cannot be read.
        loadContent(before, QString());
        dialogs().message(this, e.message(), Dialogs::Icon::Error);
        return;
    }
    m_lastFile = file;
    PageModified = true; // the page now holds the file's text
}

void TWPEditor::WPExport()
{
    const QString file = dialogs().saveFile(
        this, tr("Export"), m_lastFolder,
        tr("Rich text (RTF)|*.rtf|HTML|*.html;*.htm|Plain text|*.txt|Word (DOCX)|*.docx|"
           "OpenDocument text|*.odt|PDF|*.pdf"),
        QStringLiteral("rtf"));
    if (file.isEmpty())
        return;
    m_lastFolder = QFileInfo(file).absolutePath();
    try {
        saveToFile(file);
        m_lastFile = file;
    } catch (const TessaryError &e) {
        dialogs().message(this, e.message(), Dialogs::Icon::Error);
    }
}

void TWPEditor::WPSave()
{
    if (m_lastFile.isEmpty() ||
        !saveExtensions().contains(QFileInfo(m_lastFile).suffix().toLower())) {
        WPExport();
        return;
    }
    try {
        saveToFile(m_lastFile);
    } catch (const TessaryError &e) {
        dialogs().message(this, e.message(), Dialogs::Icon::Error);
    }
}

void TWPEditor::WPNew()
{
    m_view->clear();
    m_view->setCurrentCharFormat(QTextCharFormat());
    m_lastFile.clear();
    PageModified = true;
}

void TWPEditor::WPFont()
{
    WPFontDlg::execute(m_view);
}

void TWPEditor::WPParagraph()
{
    WPParagraphDlg::execute(m_view);
}

void TWPEditor::WPBullets()
{
    WPBulletDlg::execute(m_view);
}

void TWPEditor::WPTabStops()
{
    WPTabDlg::execute(m_view);
}

void TWPEditor::WPPageSetup()
{
    WPPageDlg::execute(m_view);
}

void TWPEditor::WPBorders()
{
    WPBorderDlg::execute(m_view);
}

void TWPEditor::WPCreateTable()
{
    WPTableDlg::execute(m_view);
}

WPFindDlg *TWPEditor::findDialog()
{
    if (!m_find)
        m_find = new WPFindDlg(m_view);
    return m_find;
}

void TWPEditor::WPFind()
{
    findDialog()->showFor(false);
}

void TWPEditor::WPReplace()
{
    findDialog()->showFor(true);
}

QPrinter *TWPEditor::printer()
{
    if (!m_printer) {
        m_printer = new QPrinter(QPrinter::HighResolution);
        m_printer->setPageLayout(m_view->pageSettings().layout);
    }
    return m_printer;
}

void TWPEditor::WPPrint()
{
    QPrinter *p = printer();
    p->setPageLayout(m_view->pageSettings().layout);
    if (dialogs().print(this, p))
        m_view->printDocument(p);
}

void TWPEditor::WPPrintPreview()
{
    QPrinter *p = printer();
    p->setPageLayout(m_view->pageSettings().layout);
    dialogs().printPreview(this, p, [this](QPrinter *target) { m_view->printDocument(target); });
}

void TWPEditor::WPPrinterSetup()
{
    // The printer's paper and margins become the page settings of the text.
    QPrinter *p = printer();
    p->setPageLayout(m_view->pageSettings().layout);
    if (dialogs().printerSetup(this, p)) {
        WPView::PageSettings s = m_view->pageSettings();
        s.layout = p->pageLayout();
        m_view->setPageSettings(s);
    }
}

void TWPEditor::WPInsertPicture()
{
    const QString file = dialogs().openFile(
        this, tr("Insert picture"), m_lastFolder,
        tr("Pictures|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.svg;*.tif;*.tiff;*.webp|All files|*"));
    if (file.isEmpty())
        return;
    m_lastFolder = QFileInfo(file).absolutePath();
    try {
        m_view->insertPicture(file);
    } catch (const TessaryError &e) {
        dialogs().message(this, e.message(), Dialogs::Icon::Error);
    }
}

void TWPEditor::WPInsertLink()
{
    const QTextCursor c = m_view->textCursor();
    const QString current = c.charFormat().anchorHref();
    const auto url = dialogs().inputText(this, tr("Hyperlink"), tr("Address:"),
                                         current.isEmpty() ? QStringLiteral("https://") : current);
    if (!url || url->trimmed().isEmpty())
        return;
    m_view->insertHyperlink(url->trimmed(), QString());
}

// --- language ---------------------------------------------------------------

void TWPEditor::SetLanguage(const QString &code)
{
    WPLanguage *lang = m_view->language();
    if (!lang->hasEntries()) {
        // A WP.XML beside the program overrides the one built in.
        QFile file(paths().ProgramFolder + QStringLiteral("WP.XML"));
        if (paths().ProgramFolder.isEmpty() || !file.exists())
            file.setFileName(QStringLiteral(":/document/WP.XML"));
        if (file.open(QIODevice::ReadOnly))
            lang->load(file.readAll());
        else
            qCWarning(lcDocument) << "no translations of the word processor's dialogs";
    }
    if (!lang->setLanguage(code))
        qCDebug(lcDocument) << "language not in WP.XML:" << code;
}

QString TWPEditor::language() const
{
    return m_view->language()->language();
}
