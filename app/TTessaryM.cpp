#include "app/TTessaryM.h"

#include "app/CommentMenu.h"
#include "app/EditorCommands.h"
#include "app/ExportCommands.h"
#include "app/GlobalFindCommand.h"
#include "app/HelpCommands.h"
#include "app/KindIcons.h"
#include "app/LanguageSetup.h"
#include "app/MainActions.h"
#include "app/TTreeView.h"
#include "app/TreeCommands.h"
#include "app/WindowSettings.h"
#include "export/PageEditors.h"
#include "platform/TessaryError.h"
#include "platform/db/ReportAddress.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/paths/Paths.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportTree.h"
#include "store/TDM.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSplitter>
#include <QStackedLayout>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdio>
#include <utility>

namespace {
// The comment box's pale yellow (0x00C4FFFF as the report stores colours).
const QColor kCommentColour(0xFF, 0xFF, 0xC4);

bool isDocumentKind(int k)
{
    return k == PageKind::Document || k == PageKind::HostDocument5 ||
           k == PageKind::HostDocument6 || k == PageKind::HostDocument7;
}
} // namespace

TTessaryM::TTessaryM(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TessaryM"));
    setWindowTitle(QStringLiteral("Tessary"));
    resize(1096, 603);
    buildLayout();
    m_actions = new MainActions(this, Panel2, Panel3);
    m_treeCommands = new TreeCommands(this);
    m_exportCommands = new ExportCommands(this);
    wireCommands();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TTessaryM::Timer1Timer);
    Timer1->start();
}

TTessaryM::~TTessaryM() = default;

TDM *TTessaryM::store() const
{
    return TDM::instance();
}

void TTessaryM::buildLayout()
{
    auto *central = new QWidget(this);
    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    Panel1 = new QWidget(central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(30);
    Panel1->installEventFilter(this);
    auto *top = new QHBoxLayout(Panel1);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(0);
    Panel2 = new QWidget(Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setLayout(new QHBoxLayout);
    Panel2->layout()->setContentsMargins(0, 0, 0, 0);
    Panel3 = new QWidget(Panel1);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setLayout(new QHBoxLayout);
    Panel3->layout()->setContentsMargins(0, 0, 0, 0);
    top->addWidget(Panel2);
    top->addWidget(Panel3, 1);
    outer->addWidget(Panel1);

    Splitter1 = new QSplitter(Qt::Horizontal, central);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    LeftPanel = new QWidget(Splitter1);
    LeftPanel->setObjectName(QStringLiteral("LeftPanel"));
    LeftPanel->setMinimumWidth(200);
    auto *left = new QVBoxLayout(LeftPanel);
    left->setContentsMargins(0, 0, 0, 0);
    MainTree = new TTreeView(LeftPanel);
    MainTree->setObjectName(QStringLiteral("MainTree"));
    left->addWidget(MainTree);

    AdvSplitter1 = new QSplitter(Qt::Vertical, Splitter1);
    AdvSplitter1->setObjectName(QStringLiteral("AdvSplitter1"));
    AdvSplitter1->setChildrenCollapsible(false);
    RightPanel = AdvSplitter1;
    TopRightPanel = new QWidget(AdvSplitter1);
    TopRightPanel->setObjectName(QStringLiteral("TopRightPanel"));
    // One editor form at a time fills the pane.
    auto *editors = new QStackedLayout(TopRightPanel);
    editors->setContentsMargins(0, 0, 0, 0);
    m_emptyPane = new QWidget(TopRightPanel);
    m_emptyPane->setObjectName(QStringLiteral("EmptyPane"));
    auto *emptyLayout = new QVBoxLayout(m_emptyPane);
    m_emptyPaneText = new QLabel(m_emptyPane);
    m_emptyPaneText->setAlignment(Qt::AlignCenter);
    m_emptyPaneText->setWordWrap(true);
    m_emptyPaneText->setEnabled(false);
    emptyLayout->addWidget(m_emptyPaneText);
    editors->addWidget(m_emptyPane);
    BottomRightPanel = new QWidget(AdvSplitter1);
    BottomRightPanel->setObjectName(QStringLiteral("BottomRightPanel"));
    auto *bottom = new QVBoxLayout(BottomRightPanel);
    bottom->setContentsMargins(0, 0, 0, 0);
    Comment = new QPlainTextEdit(BottomRightPanel);
    Comment->setObjectName(QStringLiteral("Comment"));
    Comment->setTabChangesFocus(false);
    QPalette pal = Comment->palette();
    pal.setColor(QPalette::Base, kCommentColour);
    pal.setColor(QPalette::Text, Qt::black);
    Comment->setPalette(pal);
    Comment->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Comment->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Comment->setPlaceholderText(tr("Comment on this page"));
    Comment->setToolTip(tr("Your comment on the selected page; it is stored with the page."));
    // At least three lines of text stay visible.
    Comment->setMinimumHeight(Comment->fontMetrics().lineSpacing() * 3 + 2 * Comment->frameWidth() +
                              8);
    BottomRightPanel->setMinimumHeight(Comment->minimumHeight());
    bottom->addWidget(Comment);
    new CommentMenu(Comment);
    AdvSplitter1->setStretchFactor(0, 1);
    AdvSplitter1->setSizes({500, Comment->minimumHeight()});
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({250, 846});
    outer->addWidget(Splitter1, 1);
    setCentralWidget(central);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    for (QLabel *&panel : m_statusPanels) {
        panel = new QLabel(StatusBar1);
        panel->setFixedWidth(150);
        StatusBar1->addWidget(panel);
    }
    setStatusBar(StatusBar1);

    connect(Splitter1, &QSplitter::splitterMoved, this,
            [this] { Panel2->setFixedWidth(Splitter1->sizes().value(0)); });
    connect(Comment, &QPlainTextEdit::textChanged, this, [] { CommentModified = true; });
}

void TTessaryM::wireCommands()
{
    auto on = [this](const char *name, void (TTessaryM::*slot)()) {
        connect(m_actions->action(name), &QAction::triggered, this,
                [this, slot] { guarded([this, slot] { (this->*slot)(); }); });
    };
    on("New1", &TTessaryM::New1Click);
    on("Save1", &TTessaryM::Save1Click);
    on("OpenAddress1", &TTessaryM::OpenAddress1Click);
    on("Quit1", &TTessaryM::Quit1Click);
    on("Printersetup1", &TTessaryM::Printersetup1Click);
    on("Properties2", &TTessaryM::Printersetup1Click);
    for (const char *cancel : {"CancelBtn", "CancelChartBtn", "BtnCloudCancel", "btnDiagramCancel"})
        on(cancel, &TTessaryM::CancelBtnClick);
    m_help = new HelpCommands(this);
    connect(m_actions->action("Helptopics1"), &QAction::triggered, m_help,
            &HelpCommands::Helptopics1Click);
    connect(m_actions->action("Webpage1"), &QAction::triggered, m_help,
            &HelpCommands::Webpage1Click);
    connect(m_actions->action("About1"), &QAction::triggered, m_help, &HelpCommands::About1Click);
    m_language = new LanguageSetup(this, m_actions->menu("Language1"));
    m_treeCommands->wire();
    m_globalFind = new GlobalFindCommand(this);
}

void TTessaryM::dockEditor(EditorSlot slot, QWidget *form, PageContent *content)
{
    form->setParent(TopRightPanel);
    form->setWindowFlags(Qt::Widget);
    TopRightPanel->layout()->addWidget(form);
    form->hide();
    m_editorForms.insert(int(slot), form);
    m_editorContents.insert(int(slot), content);
    if (store())
        store()->registerEditor(slot, content);
}

void TTessaryM::attachTree(ReportTree *tree)
{
    tree->setKindIcons(KindIcons::all());
    MainTree->setReportTree(tree);
    connect(tree->selection(), &QItemSelectionModel::selectionChanged, this,
            [this] { guarded([this] { ShowNode(); }); });
}

void TTessaryM::createEditors()
{
    if (m_pageEditors)
        return;
    m_pageEditors = std::make_unique<PageEditors>(TopRightPanel);
    m_editorCommands = new EditorCommands(m_actions, this);
    m_pageEditors->onMade = [this](EditorSlot slot, QWidget *form, PageContent *content) {
        dockEditor(slot, form, content);
        m_editorCommands->bind(slot, form);
        m_exportCommands->bindEditor(form);
        // A form's own bar that the window has too is hidden: the window shows its own.
        for (QToolBar *bar : form->findChildren<QToolBar *>())
            if (m_actions->toolBar(bar->objectName()))
                bar->hide();
        // Editors that report a status line (the picture's zoom) show it in the
        // first panel; editors that ask for their page again get it reloaded.
        if (form->metaObject()->indexOfSignal("statusText(QString)") >= 0)
            connect(form, SIGNAL(statusText(QString)), m_statusPanels[0], SLOT(setText(QString)));
        if (form->metaObject()->indexOfSignal("ShowNodeRequested()") >= 0)
            connect(form, SIGNAL(ShowNodeRequested()), this, SLOT(CancelBtnClick()));
    };
    for (EditorSlot slot : {EditorSlot::Document, EditorSlot::Chart, EditorSlot::Table,
                            EditorSlot::Picture, EditorSlot::WordCloud})
        if (PageEditors::hasEditor(slot))
            m_pageEditors->editor(slot);
}

void TTessaryM::setReportCaption(const QString &caption)
{
    setWindowTitle(caption);
}

QString TTessaryM::commentText() const
{
    return Comment->toPlainText();
}

void TTessaryM::setCommentText(const QString &text)
{
    Comment->setPlainText(text);
    QTextCursor c = Comment->textCursor();
    c.movePosition(QTextCursor::Start);
    Comment->setTextCursor(c);
}

void TTessaryM::setStatusText(const QString &text)
{
    m_statusPanels[1]->setText(text);
    m_statusPanels[1]->repaint();
}

void TTessaryM::reportProblem(const QString &text)
{
    dialogs().message(this, text, Dialogs::Icon::Warning);
}

void TTessaryM::needEditor(EditorSlot slot)
{
    // Editors made on first use (diagrams, timelines) are made for an import too.
    if (m_pageEditors && PageEditors::hasEditor(slot))
        m_pageEditors->editor(slot);
}

void TTessaryM::hideKindMenus()
{
    for (const char *name : {"DocMenu", "ChartMenu", "TableMenu"})
        m_actions->menu(name)->menuAction()->setVisible(false);
}

// ---- Page display ----------------------------------------------------------

void TTessaryM::ShowNode()
{
    ReportTree *tree = store() ? store()->tree() : nullptr;
    SaveModif();
    ReportNode *node = tree ? tree->selectedNode() : nullptr;
    int kind = node ? node->kind : -1;
    ShowEditorNo(kind);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // A tick of the intake timer or a hand-over may have changed the tree
    // meanwhile: take the selection and its kind afresh.
    node = tree ? tree->selectedNode() : nullptr;
    if ((node ? node->kind : -1) != kind) {
        kind = node ? node->kind : -1;
        ShowEditorNo(kind);
    }
    if (node) {
        // A page its editor cannot read is reported and shown empty; the
        // comment and the rest of the report stay usable.
        try {
            store()->loadPage(kind, node->data);
        } catch (const std::exception &e) {
            if (PageContent *content = m_editorContents.value(int(editorSlotForKind(kind))))
                content->clearContent();
            showStandardError(e, this);
        }
        node = tree->selectedNode(); // the error box ran events too
    }

    Comment->clear();
    if (node && node->kind != PageKind::Folder) {
        Comment->setEnabled(true);
        // The report root keeps its comment in the outline row (id 0).
        try {
            store()->GetComment(node->kind == PageKind::Root ? 0 : node->data);
        } catch (const std::exception &e) {
            showStandardError(e, this);
        }
    } else {
        Comment->setEnabled(false);
    }
    PageModified = false;
    CommentModified = false;
    ShownItemIndex = node ? QPersistentModelIndex(tree->indexOf(node)) : QPersistentModelIndex();
    CheckButtons();
}

void TTessaryM::ShowEditorNo(int kind)
{
    const bool doc = isDocumentKind(kind);
    const bool findable = doc || kind == PageKind::Table;
    m_actions->action("Find1")->setEnabled(findable);
    m_actions->action("Replace1")->setEnabled(findable);

    const EditorSlot slot = editorSlotForKind(kind);
    // Diagram and timeline forms are made when a page of theirs is first shown.
    if (m_pageEditors && !m_editorForms.contains(int(slot)) && PageEditors::hasEditor(slot)) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_pageEditors->editor(slot);
        QApplication::restoreOverrideCursor();
    }
    bool shown = false;
    for (auto it = m_editorForms.cbegin(); it != m_editorForms.cend(); ++it) {
        const bool visible = it.key() == int(slot);
        if (visible)
            static_cast<QStackedLayout *>(TopRightPanel->layout())->setCurrentWidget(it.value());
        shown = shown || visible;
    }
    if (!shown)
        static_cast<QStackedLayout *>(TopRightPanel->layout())->setCurrentWidget(m_emptyPane);
    if (!shown) {
        QString line;
        if (kind == PageKind::Root)
            line = tr("This is the report itself. Select a page in the tree to show it here.");
        else if (kind == PageKind::Folder)
            line = tr("A folder holds pages; select one of them to show it here.");
        else if (kind >= 0)
            line = tr("Pages of this kind cannot be shown: there is no editor for them.");
        m_emptyPaneText->setText(line);
    }

    m_actions->toolBar("WPBar")->setVisible(doc);
    m_actions->menu("DocMenu")->menuAction()->setVisible(doc);
    m_actions->toolBar("GridBar")->setVisible(kind == PageKind::Table);
    m_actions->menu("TableMenu")->menuAction()->setVisible(kind == PageKind::Table);
    m_actions->toolBar("ChartBar")->setVisible(kind == PageKind::Chart);
    m_actions->menu("ChartMenu")->menuAction()->setVisible(kind == PageKind::Chart);
    m_actions->toolBar("CloudBar")->setVisible(kind == PageKind::WordCloud);
    m_actions->toolBar("ImageBar")->setVisible(kind == PageKind::Picture);
    m_actions->toolBar("DiagramBar")->setVisible(kind == PageKind::Diagram);

    if (doc) {
        if (QWidget *form = editorForm(EditorSlot::Document))
            form->setFocus();
    }
    if (kind != PageKind::Chart) {
        if (PageContent *picture = store() ? store()->editor(EditorSlot::Picture) : nullptr)
            picture->clearContent();
    }
}

void TTessaryM::SaveModif()
{
    // The page being left is stored into the row of the node that showed it,
    // found by identity: nodes added or moved since cannot redirect it.
    ReportTree *tree = store() ? store()->tree() : nullptr;
    ReportNode *node = tree && ShownItemIndex.isValid() ? tree->node(ShownItemIndex) : nullptr;
    if (node) {
        const int kind = node->kind;
        const qint32 id = node->data;
        if (PageModified) {
            store()->MarkReportModified();
            try {
                store()->savePage(kind, id);
            } catch (const std::exception &e) {
                const EditorSlot slot = editorSlotForKind(kind);
                if (slot == EditorSlot::Diagram || slot == EditorSlot::WordCloud)
                    showStandardError(e, this);
                else
                    dialogs().message(this, tr("Cannot save data!"), Dialogs::Icon::Error);
            }
        }
        if (CommentModified && kind != PageKind::Folder) {
            try {
                store()->SaveComment(kind == PageKind::Root ? 0 : id);
            } catch (const std::exception &e) {
                showStandardError(e, this);
            }
        }
    }
    PageModified = false;
    CommentModified = false;
}

void TTessaryM::CancelBtnClick()
{
    PageModified = false;
    ShowNode();
}

void TTessaryM::CheckButtons()
{
    ReportTree *tree = store() ? store()->tree() : nullptr;
    ReportNode *node = tree ? tree->selectedNode() : nullptr;
    const bool page = node && node != tree->root();
    const int sibling = page ? node->row : 0;
    const int siblings = page ? tree->siblingCountOf(node) : 0;
    const bool up = page && sibling >= 1;
    const bool down = page && sibling + 1 < siblings;
    const bool promote = page && ReportTree::level(node) > 1;
    const bool demote = page && sibling >= 1;
    const QList<QPair<const char *, bool>> states = {
        {"UpBtn", up},           {"Moveup1", up},       {"DnBtn", down},      {"Movedown1", down},
        {"LeftBtn", promote},    {"Promote1", promote}, {"RightBtn", demote}, {"Demote1", demote},
        {"DeleteNodebtn", page}, {"NodeDelete", page}};
    for (const auto &s : states)
        m_actions->action(s.first)->setEnabled(s.second);
    if (page)
        m_statusPanels[0]->setText(QStringLiteral("%1/%2").arg(sibling + 1).arg(siblings));
    else if (!node)
        m_statusPanels[0]->clear();
    RefreshToolButtons();
}

void TTessaryM::RefreshToolButtons()
{
    for (QToolBar *bar : m_actions->toolBars()) {
        for (QToolButton *button : bar->findChildren<QToolButton *>())
            button->setAutoRaise(button->isEnabled());
    }
}

// ---- Intake ----------------------------------------------------------------

void TTessaryM::Timer1Timer()
{
    if (m_intakeRunning || !store() || store()->databaseFileName().isEmpty())
        return;
    if (!store()->signalPending())
        return;
    // An error box runs events, and with them further ticks: one intake at a
    // time, and one message per signal rather than one per second.
    m_intakeRunning = true;
    try {
        store()->GetNewPages();
    } catch (const std::exception &e) {
        QFile::remove(TDM::signalFilePath());
        showStandardError(e, this);
    }
    m_intakeRunning = false;
    CheckButtons();
}

void TTessaryM::Panel1Click()
{
    if (store())
        guarded([this] { store()->GetNewPages(); });
}

bool TTessaryM::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Panel1 && event->type() == QEvent::MouseButtonPress)
        Panel1Click();
    return QMainWindow::eventFilter(watched, event);
}

// ---- File commands ---------------------------------------------------------

void TTessaryM::New1Click()
{
    const QString file = dialogs().saveFile(this, tr("New report"), paths().ProgramFolder,
                                            tr("Output manager|*.sup"), QStringLiteral("SUP"));
    if (!file.isEmpty())
        store()->DBCreate(file);
}

void TTessaryM::Save1Click()
{
    // One dialog for both kinds of report: a file, or a server report's
    // address typed in the field under the file list.
    const QString chosen = dialogs().openReport(this, tr("Open report"), paths().ProgramFolder,
                                                tr("Output manager|*.sup"), m_lastAddress);
    if (chosen.isEmpty())
        return;
    if (ReportAddress::isServer(chosen)) {
        m_lastAddress = chosen;
        ReportAddress::parse(chosen); // a malformed address is refused with its fault
    }
    store()->DBOpen(chosen);
}

void TTessaryM::OpenAddress1Click()
{
    // A report on a server is named by its address; the password comes from
    // libpq's own sources (~/.pgpass, PGPASSWORD), never from here.
    const std::optional<QString> address = dialogs().inputText(
        this, tr("Open server report"),
        tr("Address (postgresql://[user@]host[:port]/database?report=NAME):"), m_lastAddress);
    if (!address || address->trimmed().isEmpty())
        return;
    m_lastAddress = address->trimmed();
    // A malformed address is refused with a message saying what is wrong.
    if (ReportAddress::isServer(m_lastAddress))
        ReportAddress::parse(m_lastAddress);
    store()->DBOpen(m_lastAddress);
}

void TTessaryM::Quit1Click()
{
    close();
}

void TTessaryM::requestOpen(const QString &fileName)
{
    m_requestedFile = fileName;
    if (!m_requestTimer) {
        m_requestTimer = new QTimer(this);
        m_requestTimer->setInterval(200);
        connect(m_requestTimer, &QTimer::timeout, this, &TTessaryM::openRequested);
    }
    m_requestTimer->start();
    openRequested();
}

void TTessaryM::openRequested()
{
    // A dialog's command holds nodes of the open report; the hand-over waits
    // until no dialog is open and no page is being shown.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget() ||
        (store() && store()->StoreClosing()))
        return;
    m_requestTimer->stop();
    const QString file = std::exchange(m_requestedFile, QString());
    if (file.isEmpty() || !store() || m_closed)
        return;
    guarded([&] { store()->DBOpen(file); });
    CheckButtons();
}

void TTessaryM::Globalfind1Click()
{
    m_globalFind->Globalfind1Click();
}

void TTessaryM::Printersetup1Click()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    dialogs().printerSetup(this, m_printer.get());
}

// ---- Window life -------------------------------------------------------------

void TTessaryM::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Opening the report runs from the event loop, so that a quit request
    // arriving meanwhile (or during a start-up error box) ends the program.
    if (FirstActivation)
        QTimer::singleShot(0, this, &TTessaryM::FormActivate);
}

bool TTessaryM::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !FirstActivation)
        FormActivate();
    return QMainWindow::event(event);
}

void TTessaryM::FormActivate()
{
    if (!FirstActivation)
        return;
    FirstActivation = false;
    m_language->startUp();
    // Editors made before the store registers with it now.
    if (store()) {
        for (auto it = m_editorContents.cbegin(); it != m_editorContents.cend(); ++it)
            store()->registerEditor(EditorSlot(it.key()), it.value());
    }
    restorePlacement();
    if (store())
        guarded([this] { openStartReport(); });
    Panel2->setFixedWidth(Splitter1->sizes().value(0));
    CheckButtons();
    emit startUpFinished();
}

void TTessaryM::restorePlacement()
{
    if (paths().SettingsPath.isEmpty())
        return;
    const WindowPlacement p = WindowSettings::read(paths().SettingsPath, geometry());
    setGeometry(p.left, p.top, p.width, p.height);
    Splitter1->setSizes({p.treeWidth, qMax(1, width() - p.treeWidth)});
    AdvSplitter1->setSizes({qMax(1, AdvSplitter1->height() - p.commentHeight), p.commentHeight});
}

void TTessaryM::openStartReport()
{
    const QString sample = paths().ProgramFolder + QStringLiteral("Sample.SUP");
    if (ReportAddress::isServer(m_commandLineFile)) {
        store()->DBOpen(m_commandLineFile);
        return;
    }
    if (!m_commandLineFile.isEmpty() && !QFileInfo(m_commandLineFile).isFile())
        dialogs().message(
            this,
            tr("The report %1 does not exist.").arg(QDir::toNativeSeparators(m_commandLineFile)),
            Dialogs::Icon::Error);
    if (!m_commandLineFile.isEmpty() && QFileInfo(m_commandLineFile).isFile())
        store()->DBOpen(m_commandLineFile);
    else if (QFileInfo(sample).isFile())
        store()->DBOpen(sample);
}

void TTessaryM::FormDestroy()
{
    if (paths().SettingsPath.isEmpty())
        return;
    WindowPlacement p;
    p.state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    const QRect g = normalGeometry().isValid() ? normalGeometry() : geometry();
    p.left = g.left();
    p.top = g.top();
    p.width = g.width();
    p.height = g.height();
    p.commentHeight = BottomRightPanel->height();
    p.treeWidth = LeftPanel->width();
    try {
        WindowSettings::write(paths().SettingsPath, p);
    } catch (const std::exception &e) {
        qWarning("Cannot write the window settings: %s", e.what());
    }
}

void TTessaryM::closeEvent(QCloseEvent *event)
{
    // Closing is never refused: what cannot be stored is reported, not kept.
    if (!m_closed) {
        m_closed = true;
        Timer1->stop();
        SaveModif();
        try {
            if (store())
                store()->CloseFile();
        } catch (const std::exception &e) {
            const auto *te = dynamic_cast<const TessaryError *>(&e);
            const QString why = te ? te->message() : QString::fromLocal8Bit(e.what());
            const QString text = tr("The report tree could not be stored: %1").arg(why);
            std::fprintf(stderr, "tessary: %s\n", text.toLocal8Bit().constData());
            dialogs().message(this, text, Dialogs::Icon::Error);
        }
        FormDestroy();
    }
    event->accept();
}

void TTessaryM::showStandardError(const std::exception &e, QWidget *parent)
{
    const auto *te = dynamic_cast<const TessaryError *>(&e);
    const QString text = te ? te->message() : QString::fromLocal8Bit(e.what());
    dialogs().message(parent, text, Dialogs::Icon::Error);
}
