#include "platform/wordproc/view/WPBulletDlg.h"

#include "platform/wordproc/view/WPView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextList>

namespace {
struct StyleEntry
{
    const char *label;
    QTextListFormat::Style style;
};
const StyleEntry kStyles[] = {
    {"None", QTextListFormat::ListStyleUndefined},
    {"Bullet", QTextListFormat::ListDisc},
    {"Circle", QTextListFormat::ListCircle},
    {"Square", QTextListFormat::ListSquare},
    {"1. 2. 3.", QTextListFormat::ListDecimal},
    {"a. b. c.", QTextListFormat::ListLowerAlpha},
    {"A. B. C.", QTextListFormat::ListUpperAlpha},
    {"i. ii. iii.", QTextListFormat::ListLowerRoman},
    {"I. II. III.", QTextListFormat::ListUpperRoman},
};
} // namespace

WPBulletDlg::WPBulletDlg(WPView *view)
    : WPDialogBase(view, QStringLiteral("WPBulletDlg"), QStringLiteral("Bullets and Numbering"))
{
    const QTextList *list = view->textCursor().currentList();
    m_style = new QComboBox(this);
    int current = 0;
    for (int i = 0; i < int(std::size(kStyles)); ++i) {
        m_style->addItem(tx(QString::fromLatin1(kStyles[i].label)));
        if (list && list->format().style() == kStyles[i].style)
            current = i;
    }
    m_style->setCurrentIndex(current);
    addRow(QStringLiteral("Style:"), m_style, QStringLiteral("style"));
    m_level = new QSpinBox(this);
    m_level->setRange(1, 9);
    m_level->setValue(list ? list->format().indent() : 1);
    addRow(QStringLiteral("Level:"), m_level, QStringLiteral("level"));
    m_prefix = new QLineEdit(list ? list->format().numberPrefix() : QString(), this);
    addRow(QStringLiteral("Text before:"), m_prefix, QStringLiteral("prefix"));
    m_suffix = new QLineEdit(list ? list->format().numberSuffix() : QStringLiteral("."), this);
    addRow(QStringLiteral("Text after:"), m_suffix, QStringLiteral("suffix"));
    addButtons();
}

void WPBulletDlg::apply()
{
    const QTextListFormat::Style style = kStyles[qMax(0, m_style->currentIndex())].style;
    m_view->setListStyle(style);
    if (style == QTextListFormat::ListStyleUndefined)
        return;
    if (QTextList *list = m_view->textCursor().currentList()) {
        QTextListFormat f = list->format();
        f.setIndent(m_level->value());
        f.setNumberPrefix(m_prefix->text());
        f.setNumberSuffix(m_suffix->text());
        list->setFormat(f);
    }
}

bool WPBulletDlg::execute(WPView *view)
{
    WPBulletDlg dlg(view);
    if (!dlg.run())
        return false;
    dlg.apply();
    return true;
}
