#include "platform/wordproc/view/WPPageDlg.h"

#include "platform/wordproc/view/WPView.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPageSize>

namespace {
const QPageSize::PageSizeId kPapers[] = {QPageSize::A4,       QPageSize::Letter, QPageSize::Legal,
                                         QPageSize::A3,       QPageSize::A5,     QPageSize::B5,
                                         QPageSize::Executive};
}

WPPageDlg::WPPageDlg(WPView *view)
    : WPDialogBase(view, QStringLiteral("WPPageDlg"), QStringLiteral("Page setup"))
{
    const WPView::PageSettings &s = view->pageSettings();
    const QMarginsF margins = s.layout.margins(QPageLayout::Millimeter);
    m_paper = new QComboBox(this);
    for (QPageSize::PageSizeId id : kPapers) {
        m_paper->addItem(QPageSize::name(id), int(id));
        if (s.layout.pageSize().id() == id)
            m_paper->setCurrentIndex(m_paper->count() - 1);
    }
    addRow(QStringLiteral("Paper:"), m_paper, QStringLiteral("paper"));
    m_orientation = new QComboBox(this);
    m_orientation->addItems({tx(QStringLiteral("Portrait")), tx(QStringLiteral("Landscape"))});
    m_orientation->setCurrentIndex(s.layout.orientation() == QPageLayout::Landscape ? 1 : 0);
    addRow(QStringLiteral("Orientation:"), m_orientation, QStringLiteral("orientation"));
    m_left = addNumber(QStringLiteral("Left margin:"), QStringLiteral("marginLeft"), 0, 100,
                       margins.left(), 1, QStringLiteral("mm"));
    m_right = addNumber(QStringLiteral("Right margin:"), QStringLiteral("marginRight"), 0, 100,
                        margins.right(), 1, QStringLiteral("mm"));
    m_top = addNumber(QStringLiteral("Top margin:"), QStringLiteral("marginTop"), 0, 100,
                      margins.top(), 1, QStringLiteral("mm"));
    m_bottom = addNumber(QStringLiteral("Bottom margin:"), QStringLiteral("marginBottom"), 0, 100,
                         margins.bottom(), 1, QStringLiteral("mm"));
    m_header = addNumber(QStringLiteral("Header:"), QStringLiteral("headerMargin"), 0, 100,
                         s.headerMargin, 1, QStringLiteral("mm"));
    m_footer = addNumber(QStringLiteral("Footer:"), QStringLiteral("footerMargin"), 0, 100,
                         s.footerMargin, 1, QStringLiteral("mm"));
    addButtons();
}

void WPPageDlg::apply()
{
    WPView::PageSettings s = m_view->pageSettings();
    const auto id = QPageSize::PageSizeId(m_paper->currentData().toInt());
    s.layout = QPageLayout(
        QPageSize(id),
        m_orientation->currentIndex() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(m_left->value(), m_top->value(), m_right->value(), m_bottom->value()),
        QPageLayout::Millimeter);
    s.headerMargin = m_header->value();
    s.footerMargin = m_footer->value();
    m_view->setPageSettings(s);
}

bool WPPageDlg::execute(WPView *view)
{
    WPPageDlg dlg(view);
    if (!dlg.run())
        return false;
    dlg.apply();
    return true;
}
