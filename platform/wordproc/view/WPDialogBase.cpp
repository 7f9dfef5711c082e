#include "platform/wordproc/view/WPDialogBase.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/wordproc/view/WPLanguage.h"
#include "platform/wordproc/view/WPView.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

WPDialogBase::WPDialogBase(WPView *view, const QString &objectName, const QString &title)
    : QDialog(view), m_view(view), m_outer(new QVBoxLayout(this)), m_form(new QFormLayout)
{
    setObjectName(objectName);
    setWindowTitle(tx(title));
    m_form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    m_outer->addLayout(m_form);
    connect(view->language(), &WPLanguage::languageChanged, this, &WPDialogBase::retranslateTexts);
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

QString WPDialogBase::retranslated(QObject *owner, const char *key, const QString &shown) const
{
    const QString trimmed = shown.trimmed();
    if (trimmed.isEmpty())
        return shown;
    // The English text is remembered at the first switch, so that texts that
    // read the same in one language keep their own source afterwards.
    const QByteArray memoName = QByteArray("_wp_") + key;
    const QStringList memo = owner->property(memoName.constData()).toStringList();
    QString english;
    if (memo.size() == 2 && memo.at(0) == trimmed)
        english = memo.at(1);
    else
        english = m_view->language()->englishBefore(trimmed);
    if (english.isEmpty())
        return shown; // data, not a caption (a font name, a number)
    const QString now = tx(english);
    owner->setProperty(memoName.constData(), QStringList{now, english});
    // Keep the spacing around the text (spin box suffixes start with one).
    const int lead = int(shown.indexOf(trimmed));
    return shown.left(lead) + now + shown.mid(lead + trimmed.size());
}

void WPDialogBase::retranslateTexts()
{
    QList<QWidget *> widgets = findChildren<QWidget *>();
    widgets.prepend(this);
    for (QWidget *w : widgets) {
        if (w->isWindow())
            w->setWindowTitle(retranslated(w, "windowTitle", w->windowTitle()));
        if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            b->setText(retranslated(b, "text", b->text()));
        } else if (auto *l = qobject_cast<QLabel *>(w)) {
            l->setText(retranslated(l, "text", l->text()));
        } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
            g->setTitle(retranslated(g, "title", g->title()));
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            if (c->isEditable())
                continue;
            for (int i = 0; i < c->count(); ++i) {
                const QByteArray key = "item" + QByteArray::number(i);
                c->setItemText(i, retranslated(c, key.constData(), c->itemText(i)));
            }
        } else if (auto *d = qobject_cast<QDoubleSpinBox *>(w)) {
            d->setSuffix(retranslated(d, "suffix", d->suffix()));
        }
    }
    languageSwitched();
}
