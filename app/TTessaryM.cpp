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
#include "platform/dialogs/Dialogs.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportTree.h"
#include "store/TDM.h"

#include <QAction>
#include <QApplication>
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
#include <utility>

namespace {
// The comment box's pale yellow (0x00C4FFFF as the report stores colours).
const QColor kCommentColour(0xFF, 0xFF, 0xC4);
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
