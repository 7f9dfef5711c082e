#pragma once

#include "store/PageContent.h"
#include "store/StoreHost.h"

#include <QHash>
#include <QMainWindow>

class EditorCommands;
class ExportCommands;
class GlobalFindCommand;
class HelpCommands;
class LanguageSetup;
class MainActions;
class PageEditors;
class QLabel;
class QPlainTextEdit;
class QPrinter;
class QSplitter;
class QStatusBar;
class QTimer;
class TreeCommands;
class TTreeView;
class TDM;
class ReportTree;

// The main window: the report tree on the left, the editor of the selected page
// on the right with the comment box below, menus, one toolbar per page kind and
// the intake timer. It owns no page data: pages live in the store and in the
// editor that shows them.
class TTessaryM : public QMainWindow, public StoreHost
{
    Q_OBJECT
public:
    explicit TTessaryM(QWidget *parent = nullptr);
    ~TTessaryM() override;

    // The report named on the command line (opened at the first activation).
    void setCommandLineFile(const QString &file) { m_commandLineFile = file; }

    // Docks an editor form for a group of page kinds and registers its content
    // with the store.
    void dockEditor(EditorSlot slot, QWidget *form, PageContent *content);
    // Makes the program's editor forms: those shown most at once, the others
    // (diagrams, timelines) when a page of their kind is first shown.
    void createEditors();
    QWidget *editorForm(EditorSlot slot) const { return m_editorForms.value(int(slot)); }

    TTreeView *mainTree() const { return MainTree; }
    QPlainTextEdit *commentBox() const { return Comment; }

    // Opens a report handed over by a later copy of the program, as soon as no
    // dialog is open (a dialog's command holds nodes the open would free).
    void requestOpen(const QString &fileName);

    // StoreHost
    void attachTree(ReportTree *tree) override;
    void setReportCaption(const QString &caption) override;
    QString commentText() const override;
    void setCommentText(const QString &text) override;
    void setStatusText(const QString &text) override;
    void reportProblem(const QString &text) override;
    void ShowNode() override;
    void CheckButtons() override;
    void hideKindMenus() override;
    void needEditor(EditorSlot slot) override;

    void ShowEditorNo(int kind);
    void SaveModif();
    void RefreshToolButtons();
    void FormActivate();
    void FormDestroy();
    void Timer1Timer();
    void Panel1Click();
public slots:
    void CancelBtnClick();

public:
    void New1Click();
    void Save1Click();
    // File, Open server report: a report named by its server address.
    void OpenAddress1Click();
    void Quit1Click();
    void Printersetup1Click();
    void Globalfind1Click();
    GlobalFindCommand *globalFind() const { return m_globalFind; }

    MainActions *actions() const { return m_actions; }
    HelpCommands *helpCommands() const { return m_help; }
    LanguageSetup *languageSetup() const { return m_language; }
    TreeCommands *treeCommands() const { return m_treeCommands; }
    ExportCommands *exportCommands() const { return m_exportCommands; }
    // The editor forms (null until createEditors).
    PageEditors *pageEditors() const { return m_pageEditors.get(); }
    QTimer *timer() const { return Timer1; }
    QLabel *statusPanel(int i) const { return m_statusPanels[i]; }

    // Shows an error that ended a command in the application's standard error box.
    static void showStandardError(const std::exception &e, QWidget *parent = nullptr);
    // Runs a command and shows what it throws in the standard error box.
    template <typename F> void guarded(F &&f)
    {
        try {
            f();
        } catch (const std::exception &e) {
            showStandardError(e, this);
        }
    }

signals:
    // The first activation finished: the start report is open and its page shown.
    void startUpFinished();

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void wireCommands();
    void restorePlacement();
    void openStartReport();
    void openRequested();
    TDM *store() const;

    QWidget *Panel1 = nullptr;
    QWidget *Panel2 = nullptr;
    QWidget *Panel3 = nullptr;
    QWidget *LeftPanel = nullptr;
    TTreeView *MainTree = nullptr;
    QSplitter *Splitter1 = nullptr;
    QWidget *RightPanel = nullptr;
    QWidget *TopRightPanel = nullptr;
    QWidget *BottomRightPanel = nullptr;
    QPlainTextEdit *Comment = nullptr;
    QSplitter *AdvSplitter1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *m_statusPanels[2] = {nullptr, nullptr};
    QTimer *Timer1 = nullptr;
    QWidget *m_emptyPane = nullptr;
    std::unique_ptr<QPrinter> m_printer;

    MainActions *m_actions = nullptr;
    TreeCommands *m_treeCommands = nullptr;
    ExportCommands *m_exportCommands = nullptr;
    GlobalFindCommand *m_globalFind = nullptr;
    std::unique_ptr<PageEditors> m_pageEditors;
    EditorCommands *m_editorCommands = nullptr;
    HelpCommands *m_help = nullptr;
    LanguageSetup *m_language = nullptr;
    QHash<int, QWidget *> m_editorForms;
    QHash<int, PageContent *> m_editorContents;
    QString m_commandLineFile;
    QString m_requestedFile;
    QString m_lastAddress; // the server address opened last
    QTimer *m_requestTimer = nullptr;
    QLabel *m_emptyPaneText = nullptr;
    bool FirstActivation = true;
    bool m_closed = false;
    bool m_intakeRunning = false;
};
