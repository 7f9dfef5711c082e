#pragma once

#include "platform/wordproc/view/WPDialogBase.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

// The bullets dialog: list style, level and the text around numbers of the
// paragraphs of the selection.
class WPBulletDlg : public WPDialogBase
{
    Q_OBJECT
public:
    explicit WPBulletDlg(WPView *view);
    static bool execute(WPView *view);

private:
    void apply();

    QComboBox *m_style;
    QSpinBox *m_level;
    QLineEdit *m_prefix, *m_suffix;
};
