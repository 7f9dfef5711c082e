#include "platform/grid/GridFindDialog.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/grid/GridControl.h"
#include "platform/grid/GridModel.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

GridFindDialog::GridFindDialog(GridControl *grid, bool replace, QWidget *parent)
    : QDialog(parent), m_grid(grid), m_replace(replace)
{
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    auto *form = new QFormLayout;
    m_find = new QLineEdit(this);
    form->addRow(tr("Find what:"), m_find);
    if (replace) {
        m_with = new QLineEdit(this);
        form->addRow(tr("Replace with:"), m_with);
    }
    m_case = new QCheckBox(tr("Match case"), this);
    m_whole = new QCheckBox(tr("Whole cell only"), this);
    form->addRow(m_case);
    form->addRow(m_whole);
    if (replace) {
        m_prompt = new QCheckBox(tr("Prompt on replace"), this);
        m_prompt->setChecked(true);
        form->addRow(m_prompt);
    }
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *next = buttons->addButton(tr("Find next"), QDialogButtonBox::ActionRole);
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, [this] { findNext(); });
    if (replace) {
        QPushButton *one = buttons->addButton(tr("Replace"), QDialogButtonBox::ActionRole);
        QPushButton *all = buttons->addButton(tr("Replace all"), QDialogButtonBox::ActionRole);
        connect(one, &QPushButton::clicked, this, [this] { replaceCurrent(); });
        connect(all, &QPushButton::clicked, this, [this] { replaceAll(); });
    }
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *box = new QVBoxLayout(this);
    box->addLayout(form);
    box->addWidget(buttons);
}

void GridFindDialog::setFindText(const QString &text)
{
    m_find->setText(text);
    m_foundOnce = false;
}

void GridFindDialog::setReplaceText(const QString &text)
{
    if (m_with)
        m_with->setText(text);
}

void GridFindDialog::setMatchCase(bool on)
{
    m_case->setChecked(on);
}

void GridFindDialog::setWholeCell(bool on)
{
    m_whole->setChecked(on);
}

void GridFindDialog::setPromptOnReplace(bool on)
{
    if (m_prompt)
        m_prompt->setChecked(on);
}

bool GridFindDialog::findNext()
{
    const QString text = m_find->text();
    if (text.isEmpty())
        return false;
    QPoint from = m_grid->currentCell();
    if (from.x() < 0 || (!m_foundOnce && m_last == QPoint(-2, -2)))
        from = QPoint(-1, -1);
    // The current cell is searched too when the search starts afresh.
    if (!m_foundOnce && from.x() >= 0)
        from.rx() -= 1;
    const QPoint hit = m_grid->findText(text, from, m_case->isChecked(), m_whole->isChecked());
    if (hit.x() < 0) {
        dialogs().message(this, m_foundOnce ? tr("No more occurences of text ") + QLatin1Char('"') +
                                                  text + QLatin1Char('"')
                                            : tr("Could not find text"));
        m_foundOnce = false;
        m_last = QPoint(-2, -2); // the next search starts from the top
        return false;
    }
    m_foundOnce = true;
    m_last = hit;
    m_grid->setCurrentCell(hit.y(), hit.x());
    m_grid->scrollTo(m_grid->gridModel()->cellIndex(hit.y(), hit.x()));
    return true;
}

QString GridFindDialog::replaced(const QString &text) const
{
    const QString what = m_find->text();
    const QString with = m_with ? m_with->text() : QString();
    const Qt::CaseSensitivity cs = m_case->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (m_whole->isChecked())
        return text.compare(what, cs) == 0 ? with : text;
    QString out = text;
    return out.replace(what, with, cs);
}

bool GridFindDialog::replaceCurrent()
{
    const QPoint cur = m_grid->currentCell();
    const GridData &g = m_grid->grid();
    if (m_foundOnce && cur == m_last && cur.x() >= 0) {
        const QString before = g.text(cur.y(), cur.x());
        const QString after = replaced(before);
        if (after != before &&
            (!m_prompt->isChecked() || dialogs().confirm(this, tr("Replace this occurence ?"))))
            m_grid->gridModel()->setTexts({CellText{cur.y(), cur.x(), before, after}},
                                          tr("Replace"));
    }
    return findNext();
}

int GridFindDialog::replaceAll()
{
    const QString text = m_find->text();
    if (text.isEmpty())
        return 0;
    const GridData &g = m_grid->grid();
    QVector<CellText> changes;
    bool any = false;
    QPoint at(-1, -1);
    while (true) {
        at = m_grid->findText(text, at, m_case->isChecked(), m_whole->isChecked());
        if (at.x() < 0)
            break;
        any = true;
        const QString before = g.text(at.y(), at.x());
        const QString after = replaced(before);
        if (after == before)
            continue;
        if (m_prompt && m_prompt->isChecked()) {
            m_grid->setCurrentCell(at.y(), at.x());
            if (!dialogs().confirm(this, tr("Replace this occurence ?")))
                continue;
        }
        changes.append({at.y(), at.x(), before, after});
    }
    if (!any)
        dialogs().message(this, tr("Could not find text"));
    m_grid->gridModel()->setTexts(changes, tr("Replace all"));
    m_foundOnce = false;
    return changes.size();
}
