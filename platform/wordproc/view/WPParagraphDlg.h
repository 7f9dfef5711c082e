#pragma once

#include "platform/wordproc/view/WPDialogBase.h"

class QComboBox;
class QDoubleSpinBox;

// The paragraph dialog: alignment, indents, spacing and line height of the
// paragraphs of the selection.
class WPParagraphDlg : public WPDialogBase
{
    Q_OBJECT
public:
    explicit WPParagraphDlg(WPView *view);
    static bool execute(WPView *view);

private:
    void apply();

    QComboBox *m_alignment;
    QDoubleSpinBox *m_left, *m_right, *m_first, *m_before, *m_after, *m_line;
};
