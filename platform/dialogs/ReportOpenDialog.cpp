#include "platform/dialogs/ReportOpenDialog.h"

#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ReportOpenDialog::ReportOpenDialog(QWidget *parent, const QString &caption, const QString &folder,
                                   const QString &qtFilter, const QString &address)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setObjectName(QStringLiteral("ReportOpenDialog"));

    // Qt's own file dialog, embedded as a widget: a platform dialog cannot
    // carry the address field.
    m_files = new QFileDialog(this, caption, folder, qtFilter);
    m_files->setWindowFlags(Qt::Widget);
    m_files->setOption(QFileDialog::DontUseNativeDialog, true);
    m_files->setFileMode(QFileDialog::ExistingFile);
    m_files->setAcceptMode(QFileDialog::AcceptOpen);
    connect(m_files, &QFileDialog::fileSelected, this, [this](const QString &file) {
        m_chosen = file;
        accept();
    });
    connect(m_files, &QFileDialog::rejected, this, &QDialog::reject);

    m_addressLabel = new QLabel(this);
    m_address = new QLineEdit(address, this);
    m_address->setObjectName(QStringLiteral("ServerAddress"));
    m_address->setClearButtonEnabled(true);
    m_address->setPlaceholderText(QStringLiteral("postgresql://host/database?report=NAME"));
    m_addressLabel->setBuddy(m_address);
    m_openAddress = new QPushButton(this);
    m_openAddress->setObjectName(QStringLiteral("OpenAddress"));
    m_openAddress->setIcon(QIcon::fromTheme(QStringLiteral("network-server-database")));
    m_openAddress->setAutoDefault(false);
    m_openAddress->setEnabled(!address.trimmed().isEmpty());
    connect(m_address, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_openAddress->setEnabled(!text.trimmed().isEmpty()); });
    connect(m_address, &QLineEdit::returnPressed, this, &ReportOpenDialog::openAddress);
    connect(m_openAddress, &QPushButton::clicked, this, &ReportOpenDialog::openAddress);

    auto *server = new QHBoxLayout;
    server->addWidget(m_addressLabel);
    server->addWidget(m_address, 1);
    server->addWidget(m_openAddress);
    // The address row lines up with the file dialog's own rows.
    const QMargins inner = m_files->layout() ? m_files->layout()->contentsMargins() : QMargins();
    server->setContentsMargins(inner.left(), 0, inner.right(), inner.bottom());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_files, 1);
    layout->addLayout(server);
    retranslate();
}

void ReportOpenDialog::openAddress()
{
    const QString address = m_address->text().trimmed();
    if (address.isEmpty())
        return;
    m_chosen = address;
    accept();
}

void ReportOpenDialog::retranslate()
{
    m_addressLabel->setText(tr("Report on a &server:"));
    m_address->setToolTip(
        tr("The address of a report kept on a PostgreSQL server: "
           "postgresql://[user@]host[:port]/database?report=NAME. The password comes "
           "from ~/.pgpass or PGPASSWORD."));
    m_openAddress->setText(tr("Open &address"));
}

void ReportOpenDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
