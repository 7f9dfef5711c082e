#pragma once

#include "platform/wordproc/view/WPDialogBase.h"

#include <QColor>

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;

// The borders dialog: which sides of the selected table cells have a border,
// its width and colour.
class WPBorderDlg : public WPDialogBase
{
    Q_OBJECT
public:
    explicit WPBorderDlg(WPView *view);
    // Outside a table it says where borders can be set and returns false.
    static bool execute(WPView *view);

private:
    void apply();

    QCheckBox *m_top, *m_bottom, *m_left, *m_right;
    QDoubleSpinBox *m_width;
    QPushButton *m_colorButton;
    QColor m_color = Qt::black;
};
