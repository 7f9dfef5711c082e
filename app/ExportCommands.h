#pragma once

#include "export/HtmlExport.h"

#include <QObject>
#include <QString>
#include <functional>

class HtmlRtfLibrary;
class QImage;
class QProgressBar;
class QToolButton;
class QUrl;
class QWidget;
class TSelectItemDlg;
class TTessaryM;

// The main window's export commands: File > Export > "HTML..." (HTML1Click)
// with the page selection dialog, progress in the status bar and a cancel
// button, and the window's picture-saving routine (SavePicture) that the
// diagram editor's save button uses.
class ExportCommands : public QObject
{
    Q_OBJECT
public:
    explicit ExportCommands(TTessaryM *window);

    // The page selection dialog shared by the exports (made on first use).
    TSelectItemDlg *selectItemDlg();
    // Connects an editor form's picture-saving request (the diagram editor's).
    void bindEditor(QWidget *form);

    void HTML1Click();
    // File > Export > "MS Word..." (tag 1), "Rich Text..." (tag 2) and "Word document
    // (.docx)..." (tag 3): the chosen pages as HTML in the temporary folder, then
    // converted. Returns the file written (empty when stopped or failed).
    QString ExportMSWordClick(int tag);
    // Replaces our own HTML-to-RTF converter (tests); not owned.
    void setWordLibrary(HtmlRtfLibrary *library) { m_wordLibrary = library; }

    // Opens a written document with the system's program for it; tests replace it.
    std::function<bool(const QUrl &)> openUrl;

    QProgressBar *progressBar() const { return ProgressBar1; }
    QToolButton *cancelButton() const { return m_cancelButton; }
    // The folder the picture save dialog opens in (the last one chosen).
    QString pictureFolder() const { return m_pictureFolder; }

public slots:
    // Asks for a file and writes picture as PNG, JPEG or BMP by the filter chosen.
    void SavePicture(const QImage &picture);

private:
    // Refills the page selection dialog from the report and runs it; true on OK.
    bool selectPages();
    // The ticked pages as HTML into file, with progress and cancel in the status
    // bar (left shown; endProgress hides it). Names left-out pages in a message.
    HtmlExport::Result createHtml(const QString &file);
    void showProgress(const HtmlExportProgress &p);
    void endProgress();

    TTessaryM *m_window;
    TSelectItemDlg *m_selectItemDlg = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QToolButton *m_cancelButton = nullptr;
    QString m_pictureFolder;
    QString m_exportFolder;
    bool m_cancel = false;
    HtmlRtfLibrary *m_wordLibrary = nullptr;
};
