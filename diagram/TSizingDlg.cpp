#include "diagram/TSizingDlg.h"

#include "platform/TessaryError.h"
#include "platform/diagramview/DiagramBlock.h"
#include "platform/diagramview/DiagramLink.h"
#include "platform/diagramview/TatDiagram.h"
#include "platform/dialogs/Dialogs.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

namespace {
QSlider *slider(int minimum, int maximum, int value, QWidget *parent)
{
    auto *s = new QSlider(Qt::Horizontal, parent);
    s->setRange(minimum, maximum);
    s->setValue(value);
    s->setMinimumWidth(200);
    return s;
}

// A label as a decimal number: in the user's locale format, else in the
// C locale's, since hosts often write a plain "0.5".
double labelNumber(const QString &label)
{
    const QString text = label.trimmed();
    bool ok = false;
    double v = QLocale().toDouble(text, &ok);
    if (!ok)
        v = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(v))
        throw TessaryError(
            QCoreApplication::translate("TSizingDlg", "\"%1\" is not a valid number.").arg(label));
    return v;
}
} // namespace

TSizingDlg::Sizes &TSizingDlg::kept()
{
    static Sizes sizes;
    return sizes;
}

TSizingDlg::TSizingDlg(TatDiagram *diagram, QWidget *parent) : QDialog(parent), m_diagram(diagram)
{
    setWindowTitle(tr("Sizing"));
    const Sizes &k = kept();
    NodeSize = slider(1, 100, k.nodeSize, this);
    NodeTextSize = slider(3, 30, k.nodeTextSize, this);
    EdgeTextSize = slider(3, 30, k.edgeTextSize, this);
    EdgeSize = slider(1, 40, 10, this);
    CloseBtn = new QPushButton(tr("Close"), this);
    CloseBtn->setDefault(true);

    auto *form = new QFormLayout;
    form->addRow(tr("Node:"), NodeSize);
    form->addRow(tr("Node Text:"), NodeTextSize);
    form->addRow(tr("Link Text:"), EdgeTextSize);
    form->addRow(tr("Link:"), EdgeSize);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CloseBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    for (QSlider *s : {NodeSize, NodeTextSize, EdgeTextSize, EdgeSize})
        connect(s, &QSlider::valueChanged, this, [this, s] { sliderChanged(s); });
    connect(CloseBtn, &QPushButton::clicked, this, &TSizingDlg::CloseBtnClick);
}

void TSizingDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TSizingDlg::FormActivate()
{
    if (parentWidget())
        setPalette(parentWidget()->palette());
    // Opening the dialog shows the kept values; it changes nothing.
    const Sizes &k = kept();
    const QSignalBlocker b1(NodeSize), b2(NodeTextSize), b3(EdgeTextSize);
    NodeSize->setValue(k.nodeSize);
    NodeTextSize->setValue(k.nodeTextSize);
    EdgeTextSize->setValue(k.edgeTextSize);
}

void TSizingDlg::sliderChanged(QSlider *slider)
{
    try {
        ApplyChanges(slider);
    } catch (const TessaryError &e) {
        dialogs().message(this, e.message(), Dialogs::Icon::Error);
    }
}

void TSizingDlg::ApplyChanges(QObject *sender)
{
    Sizes &k = kept();
    k.nodeSize = NodeSize->value();
    k.nodeTextSize = NodeTextSize->value();
    k.edgeTextSize = EdgeTextSize->value();
    k.edgeScale = EdgeSize->value() / 10.0;
    if (!isVisible())
        return;
    if (sender == NodeSize) {
        for (int i = 0; i < m_diagram->BlockCount(); ++i) {
            DiagramBlock *block = m_diagram->Blocks(i);
            block->setSize(k.nodeSize, k.nodeSize);
            block->setLabelFontSize(k.nodeTextSize);
        }
    } else if (sender == NodeTextSize) {
        for (int i = 0; i < m_diagram->BlockCount(); ++i)
            m_diagram->Blocks(i)->setLabelFontSize(k.nodeTextSize);
    } else if (sender == EdgeTextSize) {
        for (int i = 0; i < m_diagram->LinkCount(); ++i)
            m_diagram->Links(i)->setLabelFontSize(k.edgeTextSize);
    } else if (sender == EdgeSize) {
        for (int i = 0; i < m_diagram->LinkCount(); ++i) {
            DiagramLink *link = m_diagram->Links(i);
            int w = GetEdgeSize(labelNumber(link->labelText()));
            if (w == 0) {
                link->setPenColor(QColor(192, 192, 192));
                w = 1;
            } else {
                link->setPenColor(QColor(128, 128, 128));
            }
            link->setPenWidth(w);
        }
    }
}

int TSizingDlg::GetEdgeSize(double v)
{
    const double w = 0.4 * v * 10 * (1 - 0.01) * kept().edgeScale * 1.0;
    // std::nearbyint rounds half to even in the default rounding mode.
    const double r = std::nearbyint(w);
    return int(std::clamp(r, -1.0e6, 1.0e6));
}

void TSizingDlg::CloseBtnClick()
{
    accept();
}
