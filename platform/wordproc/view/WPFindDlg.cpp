#include "platform/wordproc/view/WPFindDlg.h"

#include "platform/wordproc/view/WPLanguage.h"
#include "platform/wordproc/view/WPView.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

WPFindDlg::WPFindDlg(WPView *view) : QDialog(view), m_view(view)
{
    setObjectName(QStringLiteral("WPFindDlg"));
    setModal(false);
    auto *grid = new QGridLayout(this);
    m_findLabel = new QLabel(this);
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("findText"));
    m_replaceLabel = new QLabel(this);
    m_replace = new QLineEdit(this);
    m_replace->setObjectName(QStringLiteral("replaceText"));
    m_case = new QCheckBox(this);
    m_case->setObjectName(QStringLiteral("matchCase"));
    m_words = new QCheckBox(this);
    m_words->setObjectName(QStringLiteral("wholeWords"));
    m_backwards = new QCheckBox(this);
    m_backwards->setObjectName(QStringLiteral("backwards"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    grid->addWidget(m_findLabel, 0, 0);
    grid->addWidget(m_find, 0, 1);
    grid->addWidget(m_replaceLabel, 1, 0);
    grid->addWidget(m_replace, 1, 1);
    grid->addWidget(m_case, 2, 1);
    grid->addWidget(m_words, 3, 1);
    grid->addWidget(m_backwards, 4, 1);
    grid->addWidget(m_status, 5, 0, 1, 2);
    auto *buttons = new QVBoxLayout;
    m_findButton = new QPushButton(this);
    m_findButton->setObjectName(QStringLiteral("findNext"));
    m_findButton->setDefault(true);
    m_replaceButton = new QPushButton(this);
    m_replaceButton->setObjectName(QStringLiteral("replace"));
    m_replaceAllButton = new QPushButton(this);
    m_replaceAllButton->setObjectName(QStringLiteral("replaceAll"));
    m_closeButton = new QPushButton(this);
    m_closeButton->setObjectName(QStringLiteral("close"));
    for (QPushButton *b : {m_findButton, m_replaceButton, m_replaceAllButton, m_closeButton})
        buttons->addWidget(b);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 6, 1);
    grid->setColumnMinimumWidth(1, 220);

    connect(m_findButton, &QPushButton::clicked, this, &WPFindDlg::findNext);
    connect(m_replaceButton, &QPushButton::clicked, this, &WPFindDlg::replace);
    connect(m_replaceAllButton, &QPushButton::clicked, this, &WPFindDlg::replaceAll);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(view->language(), &WPLanguage::languageChanged, this, &WPFindDlg::retranslate);
    retranslate();
}

void WPFindDlg::retranslate()
{
    const bool replacing = m_replace->isVisible();
    setWindowTitle(m_view->wpText(replacing ? QStringLiteral("Replace") : QStringLiteral("Find")));
    m_findLabel->setText(m_view->wpText(QStringLiteral("Find what:")));
    m_replaceLabel->setText(m_view->wpText(QStringLiteral("Replace with:")));
    m_case->setText(m_view->wpText(QStringLiteral("Match case")));
    m_words->setText(m_view->wpText(QStringLiteral("Whole words only")));
    m_backwards->setText(m_view->wpText(QStringLiteral("Search backwards")));
    m_findButton->setText(m_view->wpText(QStringLiteral("Find Next")));
    m_replaceButton->setText(m_view->wpText(QStringLiteral("Replace")));
    m_replaceAllButton->setText(m_view->wpText(QStringLiteral("Replace All")));
    m_closeButton->setText(m_view->wpText(QStringLiteral("Close")));
}

void WPFindDlg::showFor(bool replace)
{
    m_replaceLabel->setVisible(replace);
    m_replace->setVisible(replace);
    m_replaceButton->setVisible(replace);
    m_replaceAllButton->setVisible(replace);
    const QString selected = m_view->textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        m_find->setText(selected);
    m_status->clear();
    show();
    retranslate();
    raise();
    activateWindow();
    m_find->setFocus();
    m_find->selectAll();
}

QTextDocument::FindFlags WPFindDlg::flags() const
{
    QTextDocument::FindFlags f;
    if (m_case->isChecked())
        f |= QTextDocument::FindCaseSensitively;
    if (m_words->isChecked())
        f |= QTextDocument::FindWholeWords;
    if (m_backwards->isChecked())
        f |= QTextDocument::FindBackward;
    return f;
}

void WPFindDlg::report(bool found)
{
    m_status->setText(found ? QString()
                            : m_view->wpText(QStringLiteral("The text was not found."))
                                  .append(QLatin1Char(' '))
                                  .append(m_find->text()));
}

bool WPFindDlg::findNext()
{
    const bool found = m_view->findNext(m_find->text(), flags());
    report(found);
    return found;
}

bool WPFindDlg::replace()
{
    const bool found = m_view->replaceNext(m_find->text(), m_replace->text(), flags());
    report(found);
    return found;
}

int WPFindDlg::replaceAll()
{
    const int count = m_view->replaceAll(m_find->text(), m_replace->text(), flags());
    m_status->setText(m_view->wpText(QStringLiteral("Replaced: %1")).arg(count));
    return count;
}

QString WPFindDlg::status() const
{
    return m_status->text();
}
