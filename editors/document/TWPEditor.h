#pragma once

#include "store/PageContent.h"

#include <QColor>
#include <QHash>
#include <QWidget>

class QAction;
class QMenu;
class QPrinter;
class QToolBar;
class QTextCharFormat;
class WPFindDlg;
class WPRuler;
class WPToolBar;
class WPView;

// The document editor: the word-processor control with its ruler and toolbar,
// the named commands that the main window's document toolbar and menu and the
// pop-up menu call, the page-modified mark, the dialogs' language, import and
// export. It is the page editor of the document kinds.
class TWPEditor : public QWidget, public PageContent
{
    Q_OBJECT
public:
    explicit TWPEditor(QWidget *parent = nullptr);
    ~TWPEditor() override;

    // PageContent: the stored form is the self-contained HTML of DocumentForm.
    QByteArray saveContent() override;
    void loadContent(const QByteArray &bytes, const QString &pageInfo) override;
    void clearContent() override;
    void loadFile(const QString &fileName) override;
    QStringList saveExtensions() const override;
    void saveToFile(const QString &fileName) override;
    QImage renderImage(const QSize &size) override;

    WPView *view() const { return m_view; }
    WPRuler *ruler() const { return m_ruler; }
    WPToolBar *toolBar() const { return m_toolBar; }
    // The command named name (its object name), or null.
    QAction *action(const QString &name) const { return m_actions.value(name); }
    // Every command in the order of the command list.
    QList<QAction *> wpActions() const { return m_actionOrder; }
    // The pop-up menu of the text (MemoPopup2).
    QMenu *popupMenu() const { return m_popup; }
    // A toolbar of the usual formatting commands, for the main window's
    // document toolbar (the caller owns it through parent).
    QToolBar *createFormatBar(QWidget *parent) const;

    // The colours at the caret: text colour, and background colour or white.
    QColor WPFontColor() const { return m_fontColor; }
    QColor WPBackGroundColor() const { return m_backColor; }
    // The colour selectors of the main window set the selection's colours.
    void setFontColor(const QColor &color);
    void setBackGroundColor(const QColor &color);

    // Commands of this form.
    void WPImport();
    void WPExport();
    void WPFont();
    void WPParagraph();
    void WPBullets();
    void WPTabStops();
    void WPPageSetup();
    void WPBorders();
    void WPCreateTable();
    void WPFind();
    void WPReplace();
    void WPPrint();
    void WPPrintPreview();
    void WPPrinterSetup();
    void WPInsertPicture();
    void WPInsertLink();
    void WPNew();
    void WPSave();

    // Switches the word processor's dialogs to language code (EN, FR, ES, PL);
    // a language the translations do not hold changes nothing.
    void SetLanguage(const QString &code);
    QString language() const;
    WPFindDlg *findDialog();

    // The stored form's default name and the folder of the last import/export.
    QString lastFolder() const { return m_lastFolder; }

signals:
    // The colours at the caret changed (WPFontColor, WPBackGroundColor).
    void caretColorsChanged(const QColor &fontColor, const QColor &backColor);
    // The enabled or checked state of the commands may have changed.
    void actionsChanged();

protected:
    void changeEvent(QEvent *event) override;

private:
    // Texts composed from translated ones: the commands' tooltips.
    void retranslateUi();
    class LoadGuard;
    void createActions();
    void createPopup();
    QAction *addAction(const char *name, const QString &caption, const char *category,
                       const char *icon, void (TWPEditor::*slot)());
    QAction *addViewAction(const char *name, const QString &caption, const char *category,
                           const char *icon, const std::function<void()> &run);
    void followCaret(const QTextCharFormat &format);
    void updateActions();
    void loadHtmlFile(const QByteArray &html, const QString &fileName);
    void afterLoad();
    QPrinter *printer();

    WPView *m_view;
    WPRuler *m_ruler;
    WPToolBar *m_toolBar;
    QWidget *m_panel1;
    QMenu *m_popup = nullptr;
    WPFindDlg *m_find = nullptr;
    QPrinter *m_printer = nullptr;
    QHash<QString, QAction *> m_actions;
    QList<QAction *> m_actionOrder;
    QColor m_fontColor = Qt::black;
    QColor m_backColor = Qt::white;
    QString m_lastFolder;
    QString m_lastFile;
    int m_loading = 0;
};
