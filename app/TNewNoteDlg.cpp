#include "app/TNewNoteDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TNewNoteDlg::TNewNoteDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NewNoteDlg"));
    setWindowTitle(tr("New Item"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("Title"));
    form->addRow(tr("&Title:"), m_title);
    layout->addLayout(form);

    auto *content = new QGroupBox(tr("Content"), this);
    auto *contentLayout = new QVBoxLayout(content);
    m_document = new QRadioButton(tr("&Document"), content);
    m_folder = new QRadioButton(tr("&Folder"), content);
    m_document->setChecked(true);
    contentLayout->addWidget(m_document);
    contentLayout->addWidget(m_folder);
    layout->addWidget(content);

    auto *place = new QGroupBox(tr("Position"), this);
    auto *placeLayout = new QVBoxLayout(place);
    m_after = new QRadioButton(tr("&After current item"), place);
    m_under = new QRadioButton(tr("&Under current item"), place);
    m_under->setChecked(true);
    placeLayout->addWidget(m_after);
    placeLayout->addWidget(m_under);
    layout->addWidget(place);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_title, &QLineEdit::textChanged, this, &TNewNoteDlg::updateOk);
    updateOk();
}

void TNewNoteDlg::prepare(bool rootSelected)
{
    if (rootSelected) {
        m_after->setEnabled(false);
        m_under->setChecked(true);
    } else {
        m_after->setEnabled(true);
    }
    m_title->setText(tr("{untitled}"));
    m_title->selectAll();
    m_title->setFocus();
    updateOk();
}

QString TNewNoteDlg::title() const
{
    return m_title->text();
}
void TNewNoteDlg::setTitle(const QString &title)
{
    m_title->setText(title);
}
bool TNewNoteDlg::folder() const
{
    return m_folder->isChecked();
}
void TNewNoteDlg::setFolder(bool folder)
{
    (folder ? m_folder : m_document)->setChecked(true);
}
bool TNewNoteDlg::underCurrent() const
{
    return m_under->isChecked() || !m_after->isEnabled();
}
void TNewNoteDlg::setUnderCurrent(bool under)
{
    (under ? m_under : m_after)->setChecked(true);
}
bool TNewNoteDlg::afterAllowed() const
{
    return m_after->isEnabled();
}
bool TNewNoteDlg::okEnabled() const
{
    return m_ok->isEnabled();
}

void TNewNoteDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    updateOk();
    m_title->setFocus();
    m_title->selectAll();
}

void TNewNoteDlg::updateOk()
{
    m_ok->setEnabled(!m_title->text().trimmed().isEmpty());
}
