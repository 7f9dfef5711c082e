#pragma once

#include "export/GlobalFind.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The global search dialog: the text to find, case and whole-word options, the
// direction of the tree walk and the scope (document text, table cells,
// comments, node captions). Each "Find Next" runs one step of GlobalFind on
// the main window (through GlobalFindHost); the search state lives with the
// dialog's class, so it carries over from press to press and from one
// opening to the next. The dialog is made once and shown modally.
class TGlobalFindDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TGlobalFindDlg(GlobalFindHost &host, QWidget *parent = nullptr);

    // The search state kept between presses and openings.
    static GlobalFindState &searchState();

    // Enables "Find Next" when the trimmed text is not empty and a scope is checked.
    void RefreshButtons();
    // One search step with the dialog's settings.
    void FindBtnClick();
    // The options the dialog's controls stand for.
    GlobalFindOptions currentOptions() const;
    GlobalFind &finder() { return m_find; }

    QLineEdit *Edit1;
    QCheckBox *isCaseSensitive;
    QCheckBox *isWholeWord;
    QRadioButton *isForward;
    QRadioButton *isBackward;
    QCheckBox *IsDoc;
    QCheckBox *isTables;
    QCheckBox *IsNotes;
    QCheckBox *isNodes;
    QPushButton *FindBtn;
    QPushButton *CancelBtn;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    GlobalFind m_find;
    QLabel *m_textLabel;
    QGroupBox *m_direction;
    QGroupBox *m_scope;
};
