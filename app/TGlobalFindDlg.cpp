#include "app/TGlobalFindDlg.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// The search state of the dialog's unit: one for the program, kept while it runs.
GlobalFindState gSearchState;
} // namespace

GlobalFindState &TGlobalFindDlg::searchState()
{
    return gSearchState;
}

TGlobalFindDlg::TGlobalFindDlg(GlobalFindHost &host, QWidget *parent)
    : QDialog(parent), m_find(host, gSearchState, this)
{
    setObjectName(QStringLiteral("GlobalFindDlg"));
    setWindowTitle(tr("Global search"));
    setModal(true);

    m_textLabel = new QLabel(tr("Text to find:"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(260);
    m_textLabel->setBuddy(Edit1);
    isCaseSensitive = new QCheckBox(tr("Case sensitive"), this);
    isCaseSensitive->setObjectName(QStringLiteral("isCaseSensitive"));
    isWholeWord = new QCheckBox(tr("Whole word only"), this);
    isWholeWord->setObjectName(QStringLiteral("isWholeWord"));

    m_direction = new QGroupBox(tr("Tree Direction:"), this);
    isForward = new QRadioButton(tr("Down"), m_direction);
    isForward->setObjectName(QStringLiteral("isForward"));
    isForward->setChecked(true);
    isBackward = new QRadioButton(tr("Up"), m_direction);
    isBackward->setObjectName(QStringLiteral("isBackward"));
    auto *directionLayout = new QVBoxLayout(m_direction);
    directionLayout->addWidget(isForward);
    directionLayout->addWidget(isBackward);
    directionLayout->addStretch();

    m_scope = new QGroupBox(tr("Scope:"), this);
    IsDoc = new QCheckBox(tr("Documents"), m_scope);
    IsDoc->setObjectName(QStringLiteral("IsDoc"));
    IsDoc->setChecked(true);
    isTables = new QCheckBox(tr("Tables"), m_scope);
    isTables->setObjectName(QStringLiteral("isTables"));
    IsNotes = new QCheckBox(tr("Comments"), m_scope);
    IsNotes->setObjectName(QStringLiteral("IsNotes"));
    isNodes = new QCheckBox(tr("Item titles"), m_scope);
    isNodes->setObjectName(QStringLiteral("isNodes"));
    auto *scopeLayout = new QVBoxLayout(m_scope);
    for (QCheckBox *box : {IsDoc, isTables, IsNotes, isNodes})
        scopeLayout->addWidget(box);

    FindBtn = new QPushButton(tr("Find Next"), this);
    FindBtn->setObjectName(QStringLiteral("FindBtn"));
    FindBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_textLabel, 0, 0);
    grid->addWidget(Edit1, 0, 1, 1, 2);
    grid->addWidget(isCaseSensitive, 1, 1, 1, 2);
    grid->addWidget(isWholeWord, 2, 1, 1, 2);
    grid->addWidget(m_direction, 3, 1);
    grid->addWidget(m_scope, 3, 2);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(FindBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 3, 4, 1);
    grid->setColumnStretch(2, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(Edit1, &QLineEdit::textChanged, this, &TGlobalFindDlg::RefreshButtons);
    for (QCheckBox *box : {IsDoc, isTables, IsNotes, isNodes})
        connect(box, &QCheckBox::clicked, this, &TGlobalFindDlg::RefreshButtons);
    connect(FindBtn, &QPushButton::clicked, this, &TGlobalFindDlg::FindBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    RefreshButtons();
}

void TGlobalFindDlg::RefreshButtons()
{
    const bool scope =
        IsDoc->isChecked() || isTables->isChecked() || IsNotes->isChecked() || isNodes->isChecked();
    FindBtn->setEnabled(!Edit1->text().trimmed().isEmpty() && scope);
}

GlobalFindOptions TGlobalFindDlg::currentOptions() const
{
    GlobalFindOptions o;
    o.text = Edit1->text();
    o.caseSensitive = isCaseSensitive->isChecked();
    o.wholeWord = isWholeWord->isChecked();
    o.down = !isBackward->isChecked();
    o.documents = IsDoc->isChecked();
    o.tables = isTables->isChecked();
    o.comments = IsNotes->isChecked();
    o.titles = isNodes->isChecked();
    return o;
}

void TGlobalFindDlg::FindBtnClick()
{
    if (!FindBtn->isEnabled())
        return;
    m_find.options = currentOptions();
    // The button stays disabled while the walk shows pages behind the dialog.
    struct Reenable
    {
        TGlobalFindDlg *dialog;
        ~Reenable() { dialog->RefreshButtons(); }
    } reenable{this};
    FindBtn->setEnabled(false);
    m_find.FindBtnClick();
}

void TGlobalFindDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    RefreshButtons();
    Edit1->setFocus();
    Edit1->selectAll();
}

void TGlobalFindDlg::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        RefreshButtons();
}
