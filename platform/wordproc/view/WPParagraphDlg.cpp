#include "platform/wordproc/view/WPParagraphDlg.h"

#include "platform/wordproc/view/WPView.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QTextBlockFormat>

namespace {
const Qt::Alignment kAlignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                     Qt::AlignJustify};
}

WPParagraphDlg::WPParagraphDlg(WPView *view)
    : WPDialogBase(view, QStringLiteral("WPParagraphDlg"), QStringLiteral("Paragraph"))
{
    const QTextBlockFormat f = view->textCursor().blockFormat();
    m_alignment = new QComboBox(this);
    m_alignment->addItems({tx(QStringLiteral("Left")), tx(QStringLiteral("Center")),
                           tx(QStringLiteral("Right")), tx(QStringLiteral("Justified"))});
    int index = 0;
    for (int i = 0; i < 4; ++i) {
        if (f.alignment() & kAlignments[i] & Qt::AlignHorizontal_Mask)
            index = i;
    }
    m_alignment->setCurrentIndex(index);
    addRow(QStringLiteral("Alignment:"), m_alignment, QStringLiteral("alignment"));
    m_left = addNumber(QStringLiteral("Left indent:"), QStringLiteral("leftIndent"), 0, 30,
                       pixelsToCm(f.leftMargin()), 2, QStringLiteral("cm"));
    m_right = addNumber(QStringLiteral("Right indent:"), QStringLiteral("rightIndent"), 0, 30,
                        pixelsToCm(f.rightMargin()), 2, QStringLiteral("cm"));
    m_first = addNumber(QStringLiteral("First line:"), QStringLiteral("firstIndent"), -30, 30,
                        pixelsToCm(f.textIndent()), 2, QStringLiteral("cm"));
    m_before = addNumber(QStringLiteral("Space before:"), QStringLiteral("spaceBefore"), 0, 200,
                         f.topMargin() * 0.75, 1, QStringLiteral("pt"));
    m_after = addNumber(QStringLiteral("Space after:"), QStringLiteral("spaceAfter"), 0, 200,
                        f.bottomMargin() * 0.75, 1, QStringLiteral("pt"));
    const qreal line =
        f.lineHeightType() == QTextBlockFormat::ProportionalHeight ? f.lineHeight() : 100.0;
    m_line = addNumber(QStringLiteral("Line spacing:"), QStringLiteral("lineSpacing"), 50, 400,
                       line, 0, QStringLiteral("%"));
    addButtons();
}

void WPParagraphDlg::apply()
{
    const Qt::Alignment alignment = kAlignments[qBound(0, m_alignment->currentIndex(), 3)];
    const qreal left = cmToPixels(m_left->value()), right = cmToPixels(m_right->value());
    const qreal first = cmToPixels(m_first->value());
    const qreal before = m_before->value() / 0.75, after = m_after->value() / 0.75;
    const qreal line = m_line->value();
    m_view->changeBlockFormat([&](QTextBlockFormat &f) {
        f.setAlignment(alignment);
        f.setLeftMargin(left);
        f.setRightMargin(right);
        f.setTextIndent(first);
        f.setTopMargin(before);
        f.setBottomMargin(after);
        f.setLineHeight(line, QTextBlockFormat::ProportionalHeight);
    });
}

bool WPParagraphDlg::execute(WPView *view)
{
    WPParagraphDlg dlg(view);
    if (!dlg.run())
        return false;
    dlg.apply();
    return true;
}
