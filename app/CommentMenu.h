#pragma once

#include <QObject>

class QMenu;
class QPlainTextEdit;

// The comment box's pop-up menu: cut, copy, paste, delete and select all, with
// cut, copy and delete enabled for a selection and paste for text on the clipboard.
class CommentMenu : public QObject
{
    Q_OBJECT
public:
    explicit CommentMenu(QPlainTextEdit *comment);
    QMenu *menu() const { return PopupMenu2; }
    // Sets the enabled state of the entries as the menu shows it.
    void updateEntries();

private:
    QPlainTextEdit *m_comment;
    QMenu *PopupMenu2;
};
