#pragma once

#include "platform/wordproc/view/WPDialogBase.h"

#include <QTextOption>

class QComboBox;
class QDoubleSpinBox;
class QListWidget;

// The tab-stop dialog: the tab stops of the paragraphs of the selection, each
// a position and a kind (left, right, centred, decimal).
class WPTabDlg : public WPDialogBase
{
    Q_OBJECT
public:
    explicit WPTabDlg(WPView *view);
    static bool execute(WPView *view);

    QList<QTextOption::Tab> tabs() const { return m_tabs; }

protected:
    // The list shows the kinds of the stops in the dialog's language.
    void languageSwitched() override { refresh(); }

private:
    void addTab();
    void removeTab();
    void refresh();

    QList<QTextOption::Tab> m_tabs;
    QListWidget *m_list;
    QDoubleSpinBox *m_position;
    QComboBox *m_kind;
};
