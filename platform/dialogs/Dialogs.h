#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QWidget;
class QPrinter;

// Every message box, confirmation, input box and common dialog of the program
// goes through this interface. The program installs the Qt implementation;
// tests install a scripted one that records what was asked and answers from a
// queue. Nothing else in the program opens these dialogs directly.
class Dialogs
{
public:
    enum class Icon
    {
        Information,
        Warning,
        Error
    };

    virtual ~Dialogs() = default;

    virtual void message(QWidget *parent, const QString &text, Icon icon = Icon::Information) = 0;
    // Yes/No question; true for Yes.
    virtual bool confirm(QWidget *parent, const QString &text) = 0;
    // Text input; nullopt when cancelled.
    virtual std::optional<QString> inputText(QWidget *parent, const QString &caption,
                                             const QString &prompt, const QString &value) = 0;
    // File dialogs; empty result when cancelled. filter uses the "Label|*.a;*.b|..." form.
    virtual QString openFile(QWidget *parent, const QString &caption, const QString &folder,
                             const QString &filter, int filterIndex = 1) = 0;
    virtual QStringList openFiles(QWidget *parent, const QString &caption, const QString &folder,
                                  const QString &filter, int filterIndex = 1) = 0;
    virtual QString saveFile(QWidget *parent, const QString &caption, const QString &folder,
                             const QString &filter, const QString &defaultExtension) = 0;
    // A save dialog that also reports the filter chosen: filterIndex (1-based)
    // names the filter shown first and receives the one the user chose. The
    // default asks saveFile and leaves filterIndex as it was.
    virtual QString saveFileFiltered(QWidget *parent, const QString &caption, const QString &folder,
                                     const QString &filter, int &filterIndex);
    // Opens a report: a report file, or a report on a server named by its
    // address (the field beside the file list starts with address). The
    // result is the path or the address; empty when cancelled. The default
    // asks openFile.
    virtual QString openReport(QWidget *parent, const QString &caption, const QString &folder,
                               const QString &filter, const QString &address);
    virtual std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) = 0;
    virtual std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) = 0;
    // Print and printer set-up dialogs on the given printer; false when cancelled.
    virtual bool print(QWidget *parent, QPrinter *printer) = 0;
    virtual bool printerSetup(QWidget *parent, QPrinter *printer) = 0;
    // Print preview: paint draws the pages on the printer it is given; true when
    // the user printed from the preview.
    virtual bool printPreview(QWidget *parent, QPrinter *printer,
                              const std::function<void(QPrinter *)> &paint) = 0;
    // Runs one of the program's own modal dialogs (a QDialog with its fields);
    // true when the user accepted it.
    virtual bool runDialog(QDialog *dialog) = 0;
};

// The one dialogs object of the program. Never null: a Qt implementation is
// installed on first use unless another one was installed before.
Dialogs &dialogs();
// Installs d (taking ownership) and returns the previous implementation.
std::unique_ptr<Dialogs> installDialogs(std::unique_ptr<Dialogs> d);

// Converts "Label|*.a;*.b|Label2|*.c" into Qt's "Label (*.a *.b);;Label2 (*.c)".
QString qtFileFilter(const QString &filter);
