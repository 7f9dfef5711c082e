#pragma once

#include "platform/wordproc/view/WPDialogBase.h"

class QCheckBox;
class QSpinBox;

// The create-table dialog: number of rows and columns, borders on or off.
class WPTableDlg : public WPDialogBase
{
    Q_OBJECT
public:
    explicit WPTableDlg(WPView *view);
    static bool execute(WPView *view);

private:
    QSpinBox *m_rows, *m_columns;
    QCheckBox *m_borders;
};
