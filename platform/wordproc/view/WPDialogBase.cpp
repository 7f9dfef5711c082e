#include "platform/wordproc/view/WPDialogBase.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/wordproc/view/WPView.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

WPDialogBase::WPDialogBase(WPView *view, const QString &objectName, const QString &title)
    : QDialog(view), m_view(view), m_outer(new QVBoxLayout(this)), m_form(new QFormLayout)
{
    setObjectName(objectName);
    setWindowTitle(tx(title));
    m_form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    m_outer->addLayout(m_form);
}

bool WPDialogBase::run()
{
    return dialogs().runDialog(this);
}

QString WPDialogBase::tx(const QString &english) const
{
    return m_view->wpText(english);
}

void WPDialogBase::addRow(const QString &label, QWidget *field, const QString &name)
{
    field->setObjectName(name);
    m_form->addRow(tx(label), field);
}

QDoubleSpinBox *WPDialogBase::addNumber(const QString &label, const QString &name, qreal min,
                                        qreal max, qreal value, int decimals, const QString &suffix)
{
    auto *box = new QDoubleSpinBox(this);
    box->setDecimals(decimals);
    box->setRange(min, max);
    box->setValue(value);
    if (!suffix.isEmpty())
        box->setSuffix(QLatin1Char(' ') + tx(suffix));
    addRow(label, box, name);
    return box;
}

void WPDialogBase::addButtons()
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tx(QStringLiteral("OK")));
    buttons->button(QDialogButtonBox::Cancel)->setText(tx(QStringLiteral("Cancel")));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_outer->addWidget(buttons);
}
