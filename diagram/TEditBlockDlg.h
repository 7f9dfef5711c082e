#pragma once

#include <QDialog>
#include <QFont>
#include <QList>

class ColorBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TatDiagram;

// The block and link dialog: restyles the selected blocks (size, colour, shape,
// label, label font) and the links that were selected when it opened (width,
// colour, line style, label, label font). Every change of a control is applied
// to the diagram at once. The diagram editor fills the controls before it
// shows the dialog.
class TEditBlockDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TEditBlockDlg(TatDiagram *diagram, QWidget *parent = nullptr);

    // Shape list entries, in order.
    enum ShapeItem
    {
        Square,
        Circle,
        Diamond,
        RoundSquare
    };

    void FormActivate();
    void ApplyChanges();
    void BtnFontClick();
    void Button1Click();

    // The indices of the links selected when the dialog was activated.
    const QList<int> &EditedLinks() const { return m_editedLinks; }
    // The font held by the dialog's font dialog; block labels take it.
    QFont FontDialogFont() const { return m_fontDialogFont; }
    void SetFontDialogFont(const QFont &font);

    QTabWidget *PageControl1;
    QWidget *TabNodes;
    QWidget *TabLinks;
    QSpinBox *SpinSize;
    ColorBox *ColorBox1;
    QComboBox *cboxShape;
    QPlainTextEdit *edBlockText;
    QPushButton *BtnFont;
    QLabel *SampleFont1;
    QSpinBox *SpinSize2;
    ColorBox *ColorBox2;
    QComboBox *PStyle;
    QPlainTextEdit *edLinkText;
    QPushButton *Button1;
    QLabel *SampleFont2;
    QPushButton *CloseBtn;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void paintLabelBox(QPlainTextEdit *box);

    TatDiagram *m_diagram;
    QList<int> m_editedLinks;
    QFont m_fontDialogFont;
};
