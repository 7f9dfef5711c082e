#pragma once

#include <QDialog>
#include <QPoint>

class GridControl;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The grid's find and replace dialog, bound to one grid. Find next searches
// from the current cell towards the end; at the end it says so ("No more
// occurences of text ...", or "Could not find text" when nothing was found)
// and starts again from the top. Replacing asks "Replace this occurence ?"
// for each cell while "Prompt on replace" is ticked. Messages and questions go
// through the dialogs seam.
class GridFindDialog : public QDialog
{
    Q_OBJECT

public:
    GridFindDialog(GridControl *grid, bool replace, QWidget *parent = nullptr);

    void setFindText(const QString &text);
    void setReplaceText(const QString &text);
    void setMatchCase(bool on);
    void setWholeCell(bool on);
    void setPromptOnReplace(bool on);

    // The buttons' actions; each returns whether a cell was found or changed.
    bool findNext();
    bool replaceCurrent();
    // Returns the number of cells changed.
    int replaceAll();

private:
    QString replaced(const QString &text) const;

    GridControl *m_grid;
    bool m_replace;
    QLineEdit *m_find;
    QLineEdit *m_with = nullptr;
    QCheckBox *m_case;
    QCheckBox *m_whole;
    QCheckBox *m_prompt = nullptr;
    bool m_foundOnce = false;
    QPoint m_last{-1, -1};
};
