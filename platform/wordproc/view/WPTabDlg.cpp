#include "platform/wordproc/view/WPTabDlg.h"

#include "platform/wordproc/view/WPView.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

namespace {
const QTextOption::TabType kKinds[] = {QTextOption::LeftTab, QTextOption::RightTab,
                                       QTextOption::CenterTab, QTextOption::DelimiterTab};
const char *const kKindNames[] = {"Left", "Right", "Center", "Decimal"};
} // namespace

WPTabDlg::WPTabDlg(WPView *view)
    : WPDialogBase(view, QStringLiteral("WPTabDlg"), QStringLiteral("Tab stops")),
      m_tabs(view->tabStops())
{
    m_list = new QListWidget(this);
    m_list->setMinimumHeight(110);
    addRow(QStringLiteral("Tab stops:"), m_list, QStringLiteral("tabList"));
    m_position = addNumber(QStringLiteral("Position:"), QStringLiteral("position"), 0, 50, 2.5, 2,
                           QStringLiteral("cm"));
    m_kind = new QComboBox(this);
    for (const char *name : kKindNames)
        m_kind->addItem(tx(QString::fromLatin1(name)));
    addRow(QStringLiteral("Alignment:"), m_kind, QStringLiteral("kind"));
    auto *row = new QHBoxLayout;
    auto *add = new QPushButton(tx(QStringLiteral("Set")), this);
    add->setObjectName(QStringLiteral("add"));
    auto *remove = new QPushButton(tx(QStringLiteral("Clear")), this);
    remove->setObjectName(QStringLiteral("remove"));
    auto *clear = new QPushButton(tx(QStringLiteral("Clear All")), this);
    clear->setObjectName(QStringLiteral("clearAll"));
    row->addWidget(add);
    row->addWidget(remove);
    row->addWidget(clear);
    form()->addRow(row);
    addButtons();
    connect(add, &QPushButton::clicked, this, &WPTabDlg::addTab);
    connect(remove, &QPushButton::clicked, this, &WPTabDlg::removeTab);
    connect(clear, &QPushButton::clicked, this, [this] {
        m_tabs.clear();
        refresh();
    });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0 && r < m_tabs.size()) {
            m_position->setValue(pixelsToCm(m_tabs[r].position));
            for (int k = 0; k < 4; ++k) {
                if (kKinds[k] == m_tabs[r].type)
                    m_kind->setCurrentIndex(k);
            }
        }
    });
    refresh();
}

void WPTabDlg::addTab()
{
    const qreal position = cmToPixels(m_position->value());
    const QTextOption::TabType type = kKinds[qBound(0, m_kind->currentIndex(), 3)];
    // A stop at the same place (within half a millimetre) is replaced.
    for (int i = m_tabs.size() - 1; i >= 0; --i) {
        if (qAbs(m_tabs[i].position - position) < 2)
            m_tabs.removeAt(i);
    }
    QTextOption::Tab tab(position, type, type == QTextOption::DelimiterTab ? QChar('.') : QChar());
    m_tabs.append(tab);
    std::sort(m_tabs.begin(), m_tabs.end(),
              [](const QTextOption::Tab &a, const QTextOption::Tab &b) {
                  return a.position < b.position;
              });
    refresh();
}

void WPTabDlg::removeTab()
{
    const qreal position = cmToPixels(m_position->value());
    for (int i = m_tabs.size() - 1; i >= 0; --i) {
        if (qAbs(m_tabs[i].position - position) < 2)
            m_tabs.removeAt(i);
    }
    refresh();
}

void WPTabDlg::refresh()
{
    m_list->clear();
    for (const QTextOption::Tab &tab : m_tabs) {
        int k = 0;
        while (k < 3 && kKinds[k] != tab.type)
            ++k;
        m_list->addItem(QStringLiteral("%1 cm  %2")
                            .arg(pixelsToCm(tab.position), 0, 'f', 2)
                            .arg(tx(QString::fromLatin1(kKindNames[k]))));
    }
}

bool WPTabDlg::execute(WPView *view)
{
    WPTabDlg dlg(view);
    if (!dlg.run())
        return false;
    view->setTabStops(dlg.tabs());
    return true;
}
