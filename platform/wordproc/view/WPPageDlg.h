#pragma once

#include "platform/wordproc/view/WPDialogBase.h"

class QComboBox;
class QDoubleSpinBox;

// The page set-up dialog: paper, orientation, margins and the header and
// footer distances of the view's page settings. It leaves the printer alone.
class WPPageDlg : public WPDialogBase
{
    Q_OBJECT
public:
    explicit WPPageDlg(WPView *view);
    static bool execute(WPView *view);

private:
    void apply();

    QComboBox *m_paper, *m_orientation;
    QDoubleSpinBox *m_left, *m_right, *m_top, *m_bottom, *m_header, *m_footer;
};
