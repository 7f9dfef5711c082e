#pragma once

#include <QDialog>

class QObject;
class QPushButton;
class QSlider;
class TatDiagram;

// The sizing dialog: four sliders that resize all blocks, all block labels,
// all link labels and all link widths of the diagram at once. Link widths
// follow the number each link's label carries. The slider values are kept for
// the whole run.
class TSizingDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TSizingDlg(TatDiagram *diagram, QWidget *parent = nullptr);

    // The values kept from one opening to the next.
    struct Sizes
    {
        int nodeSize = 30;
        int nodeTextSize = 8;
        int edgeTextSize = 5;
        double edgeScale = 1.0;
    };
    static const Sizes &KeptSizes() { return kept(); }
    // Back to the values of a new start.
    static void ResetKeptSizes() { kept() = Sizes(); }

    void FormActivate();
    // Keeps the four values, then applies the one sender stands for. Throws
    // TessaryError when a link label is not a number (links before it have
    // their new width).
    void ApplyChanges(QObject *sender);
    // Link width for a label value v at the kept link scale, rounded half to even.
    static int GetEdgeSize(double v);
    void CloseBtnClick();

    QSlider *NodeSize;
    QSlider *NodeTextSize;
    QSlider *EdgeTextSize;
    QSlider *EdgeSize;
    QPushButton *CloseBtn;

protected:
    void showEvent(QShowEvent *event) override;

private:
    static Sizes &kept();
    void sliderChanged(QSlider *slider);

    TatDiagram *m_diagram;
};
