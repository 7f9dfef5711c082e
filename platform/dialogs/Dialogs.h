#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

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
    virtual std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) = 0;
    virtual std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) = 0;
    // Print and printer set-up dialogs on the given printer; false when cancelled.
    virtual bool print(QWidget *parent, QPrinter *printer) = 0;
    virtual bool printerSetup(QWidget *parent, QPrinter *printer) = 0;
    // Save dialog whose chosen filter matters: *filterIndex (1-based) is the
    // filter shown first and receives the one the user chose. No extension is
    // added to the name; the caller decides by the filter.
    virtual QString saveFileAs(QWidget *parent, const QString &caption, const QString &folder,
                               const QString &filter, int *filterIndex) = 0;
    // Modal print preview of the pages paint draws on the printer; printing is
    // started from the preview. False when it was closed without printing.
    virtual bool printPreview(QWidget *parent, QPrinter *printer,
                              const std::function<void(QPrinter *)> &paint) = 0;
};

// The one dialogs object of the program. Never null: a Qt implementation is
// installed on first use unless another one was installed before.
Dialogs &dialogs();
// Installs d (taking ownership) and returns the previous implementation.
std::unique_ptr<Dialogs> installDialogs(std::unique_ptr<Dialogs> d);

// Converts "Label|*.a;*.b|Label2|*.c" into Qt's "Label (*.a *.b);;Label2 (*.c)".
QString qtFileFilter(const QString &filter);
