#pragma once

#include <QDialog>
#include <QTextDocument>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class WPView;

// The find and replace dialog. It stays open beside the text (not modal):
// Find Next selects the next match, Replace replaces the selected match and
// finds the next one, Replace All replaces every match and says how many.
class WPFindDlg : public QDialog
{
    Q_OBJECT
public:
    explicit WPFindDlg(WPView *view);

    // Shows the dialog with or without its replace part.
    void showFor(bool replace);
    bool findNext();
    bool replace();
    int replaceAll();
    QString status() const;

private:
    QTextDocument::FindFlags flags() const;
    void retranslate();
    void report(bool found);

    WPView *m_view;
    QLabel *m_findLabel, *m_replaceLabel, *m_status;
    QLineEdit *m_find, *m_replace;
    QCheckBox *m_case, *m_words, *m_backwards;
    QPushButton *m_findButton, *m_replaceButton, *m_replaceAllButton, *m_closeButton;
};
