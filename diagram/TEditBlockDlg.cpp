#include "diagram/TEditBlockDlg.h"

#include "diagram/ColorBox.h"
#include "platform/diagramview/DiagramBlock.h"
#include "platform/diagramview/DiagramLink.h"
#include "platform/diagramview/TatDiagram.h"
#include "platform/dialogs/Dialogs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
BlockShape shapeOfItem(int item)
{
    switch (item) {
    case TEditBlockDlg::Circle:
        return BlockShape::Ellipse;
    case TEditBlockDlg::Diamond:
        return BlockShape::Diamond;
    case TEditBlockDlg::RoundSquare:
        return BlockShape::RoundSquare;
    default:
        return BlockShape::Rectangle;
    }
}

QLabel *samplePanel(const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setFrameShape(QFrame::StyledPanel);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumHeight(36);
    return label;
}

QWidget *fontRow(QPushButton *button, QLabel *sample, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(button);
    layout->addWidget(sample, 1);
    return row;
}
} // namespace

TEditBlockDlg::TEditBlockDlg(TatDiagram *diagram, QWidget *parent)
    : QDialog(parent), m_diagram(diagram)
{
    setWindowTitle(tr("Diagram"));
    PageControl1 = new QTabWidget(this);

    TabNodes = new QWidget;
    SpinSize = new QSpinBox(TabNodes);
    SpinSize->setRange(0, 1000000);
    ColorBox1 = new ColorBox(TabNodes);
    cboxShape = new QComboBox(TabNodes);
    cboxShape->addItems({tr("Square"), tr("Circle"), tr("Diamond"), tr("Round Square")});
    edBlockText = new QPlainTextEdit(TabNodes);
    edBlockText->setTabChangesFocus(true);
    BtnFont = new QPushButton(tr("Font"), TabNodes);
    SampleFont1 = samplePanel(tr("Font"), TabNodes);
    auto *nodes = new QFormLayout(TabNodes);
    nodes->addRow(tr("Size:"), SpinSize);
    nodes->addRow(tr("Color:"), ColorBox1);
    nodes->addRow(tr("Shape:"), cboxShape);
    nodes->addRow(tr("Text:"), edBlockText);
    nodes->addRow(tr("Font:"), fontRow(BtnFont, SampleFont1, TabNodes));
    PageControl1->addTab(TabNodes, tr("Nodes"));

    TabLinks = new QWidget;
    SpinSize2 = new QSpinBox(TabLinks);
    SpinSize2->setRange(0, 1000);
    ColorBox2 = new ColorBox(TabLinks);
    PStyle = new QComboBox(TabLinks);
    PStyle->addItems({tr("Solid"), tr("Dash"), tr("Dot"), tr("Dash Dot"), tr("Dash Dot Dot")});
    edLinkText = new QPlainTextEdit(TabLinks);
    edLinkText->setTabChangesFocus(true);
    Button1 = new QPushButton(tr("Font"), TabLinks);
    SampleFont2 = samplePanel(tr("Sample font"), TabLinks);
    auto *links = new QFormLayout(TabLinks);
    links->addRow(tr("Size:"), SpinSize2);
    links->addRow(tr("Color:"), ColorBox2);
    links->addRow(tr("Style:"), PStyle);
    links->addRow(tr("Text:"), edLinkText);
    links->addRow(tr("Font:"), fontRow(Button1, SampleFont2, TabLinks));
    PageControl1->addTab(TabLinks, tr("Links"));

    CloseBtn = new QPushButton(tr("Close"), this);
    CloseBtn->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CloseBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(buttons);

    const auto apply = [this] { ApplyChanges(); };
    connect(SpinSize, &QSpinBox::valueChanged, this, apply);
    connect(ColorBox1, &ColorBox::colorChanged, this, apply);
    connect(cboxShape, &QComboBox::currentIndexChanged, this, apply);
    connect(edBlockText, &QPlainTextEdit::textChanged, this, apply);
    connect(SpinSize2, &QSpinBox::valueChanged, this, apply);
    connect(ColorBox2, &ColorBox::colorChanged, this, apply);
    connect(PStyle, &QComboBox::currentIndexChanged, this, apply);
    connect(edLinkText, &QPlainTextEdit::textChanged, this, apply);
    connect(BtnFont, &QPushButton::clicked, this, &TEditBlockDlg::BtnFontClick);
    connect(Button1, &QPushButton::clicked, this, &TEditBlockDlg::Button1Click);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TEditBlockDlg::SetFontDialogFont(const QFont &font)
{
    m_fontDialogFont = font;
    SampleFont1->setFont(font);
}

void TEditBlockDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TEditBlockDlg::paintLabelBox(QPlainTextEdit *box)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Base, box->isEnabled() ? palette().color(QPalette::Base)
                                                : palette().color(QPalette::Window));
    box->setPalette(p);
}

void TEditBlockDlg::FormActivate()
{
    if (parentWidget())
        setPalette(parentWidget()->palette());
    paintLabelBox(edBlockText);
    paintLabelBox(edLinkText);
    // The selected links are remembered and unselected, so that their handles
    // do not cover them while they are restyled.
    m_editedLinks.clear();
    for (int i = 0; i < m_diagram->LinkCount(); ++i) {
        DiagramLink *link = m_diagram->Links(i);
        if (link->isSelected()) {
            m_editedLinks.append(i);
            link->setSelected(false);
        }
    }
}

void TEditBlockDlg::ApplyChanges()
{
    if (!isVisible())
        return;
    for (int i = 0; i < m_diagram->BlockCount(); ++i) {
        DiagramBlock *block = m_diagram->Blocks(i);
        if (!block->isSelected())
            continue;
        // Blocks stay square.
        block->setSize(SpinSize->value(), SpinSize->value());
        if (edBlockText->isEnabled())
            block->setLabelText(edBlockText->toPlainText());
        block->setBlockShape(shapeOfItem(cboxShape->currentIndex()));
        block->setColor(ColorBox1->selected());
        block->setLabelFont(m_fontDialogFont);
    }
    for (int index : std::as_const(m_editedLinks)) {
        if (index >= m_diagram->LinkCount())
            continue;
        DiagramLink *link = m_diagram->Links(index);
        if (edLinkText->isEnabled())
            link->setLabelText(edLinkText->toPlainText());
        link->setPenWidth(SpinSize2->value());
        link->setPenColor(ColorBox2->selected());
        link->setLabelFont(SampleFont2->font());
        link->setPenStyle(LinkStyle(PStyle->currentIndex()));
    }
}

void TEditBlockDlg::BtnFontClick()
{
    if (const std::optional<QFont> font = dialogs().chooseFont(this, m_fontDialogFont))
        SetFontDialogFont(*font);
    ApplyChanges();
}

void TEditBlockDlg::Button1Click()
{
    // The link font goes through the same font dialog, so selected blocks take
    // it too.
    SetFontDialogFont(SampleFont2->font());
    if (const std::optional<QFont> font = dialogs().chooseFont(this, m_fontDialogFont)) {
        SetFontDialogFont(*font);
        SampleFont2->setFont(*font);
    }
    ApplyChanges();
}
