#pragma once

#include "platform/wordproc/view/WPDialogBase.h"

#include <QColor>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QPushButton;

// The font dialog: name, size, styles, position and colours of the selection.
class WPFontDlg : public WPDialogBase
{
    Q_OBJECT
public:
    explicit WPFontDlg(WPView *view);
    // Shows the dialog for the selection and applies it when accepted.
    static bool execute(WPView *view);

private:
    void chooseColor(QColor *color, QPushButton *button);
    void updatePreview();
    void apply();

    QFontComboBox *m_name;
    QDoubleSpinBox *m_size;
    QCheckBox *m_bold, *m_italic, *m_underline, *m_strike, *m_noBack;
    QComboBox *m_position;
    QPushButton *m_textColor, *m_backColor;
    QLabel *m_preview;
    QColor m_text, m_back;
};
