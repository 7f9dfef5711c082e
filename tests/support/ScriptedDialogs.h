#pragma once

#include "platform/dialogs/Dialogs.h"

#include <QList>
#include <QVariant>

// A Dialogs implementation for tests: every call is recorded in asked (as
// "kind: text"), and answered from the queue of answers given with answer().
// A call with no queued answer is answered as if the user cancelled (No for
// confirmations) and recorded in unanswered, so that a test can check that the
// program asked exactly what it expected.
class ScriptedDialogs : public Dialogs
{
public:
    // Kinds: "message", "confirm", "input", "open", "openMany", "save", "color", "font",
    // "print", "printerSetup", "saveFiltered", "printPreview", "dialog" ("saveAs" and
    // "preview" are taken as other names of two of them). Answers: bool for
    // confirm/print/printerSetup/printPreview, QString for input/open/save, QStringList for
    // openMany, QColor for color, QFont for font, a QVariantList {file name, filter index}
    // (or just the file name) for saveFiltered; an invalid QVariant means "cancel".
    // A "printPreview" answered true draws the pages on the printer (as the preview does)
    // and counts as printed. A "dialog" (recorded with the dialog's object name) is
    // answered with a bool (accept as it stands / cancel), or with a QVariantMap of
    // child object name -> value, or a QVariantList of name, value, name, value...
    // when the order matters: each named field gets the value through its user
    // property (a spin box's value, a check box's checked state, a combo box's or
    // line edit's text), or a click when the value is the string "click", and the
    // dialog is accepted.
    void answer(const QString &kind, const QVariant &value);

    QStringList asked;
    QStringList unanswered;
    // What the last filtered save dialog was opened with.
    QString lastSaveFolder;
    QString lastSaveFilter;
    int lastSaveFilterIndex = 0;
    // What the last dialog for several files was opened with.
    QString lastOpenFolder;
    QString lastOpenFilter;
    int lastOpenFilterIndex = 0;

    void message(QWidget *parent, const QString &text, Icon icon) override;
    bool confirm(QWidget *parent, const QString &text) override;
    std::optional<QString> inputText(QWidget *parent, const QString &caption, const QString &prompt,
                                     const QString &value) override;
    QString openFile(QWidget *parent, const QString &caption, const QString &folder,
                     const QString &filter, int filterIndex) override;
    QStringList openFiles(QWidget *parent, const QString &caption, const QString &folder,
                          const QString &filter, int filterIndex) override;
    QString saveFile(QWidget *parent, const QString &caption, const QString &folder,
                     const QString &filter, const QString &defaultExtension) override;
    QString saveFileFiltered(QWidget *parent, const QString &caption, const QString &folder,
                             const QString &filter, int &filterIndex) override;
    std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) override;
    std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) override;
    bool print(QWidget *parent, QPrinter *printer) override;
    bool printerSetup(QWidget *parent, QPrinter *printer) override;
    bool printPreview(QWidget *parent, QPrinter *printer,
                      const std::function<void(QPrinter *)> &paint) override;
    bool runDialog(QDialog *dialog) override;

private:
    QVariant take(const QString &kind, const QString &text);
    QList<QPair<QString, QVariant>> m_answers;
};

// Installs a fresh ScriptedDialogs for the lifetime of this object and puts the
// previous implementation back afterwards.
class ScriptedDialogsScope
{
public:
    ScriptedDialogsScope();
    ~ScriptedDialogsScope();
    ScriptedDialogs &operator*() { return *m_dialogs; }
    ScriptedDialogs *operator->() { return m_dialogs; }

private:
    ScriptedDialogs *m_dialogs;
    std::unique_ptr<Dialogs> m_previous;
};
