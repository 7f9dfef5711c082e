#include "platform/dialogs/QtDialogs.h"

#include "platform/dialogs/ReportOpenDialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {
QString programTitle()
{
    const QString name = QGuiApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Tessary") : name;
}

QString nthFilter(const QString &filter, int index)
{
    return qtFileFilter(filter).split(QStringLiteral(";;")).value(index - 1);
}
} // namespace

void QtDialogs::message(QWidget *parent, const QString &text, Icon icon)
{
    const QString title = programTitle();
    switch (icon) {
    case Icon::Information:
        QMessageBox::information(parent, title, text);
        break;
    case Icon::Warning:
        QMessageBox::warning(parent, title, text);
        break;
    case Icon::Error:
        QMessageBox::critical(parent, title, text);
        break;
    }
}

bool QtDialogs::confirm(QWidget *parent, const QString &text)
{
    return QMessageBox::question(parent, programTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::inputText(QWidget *parent, const QString &caption,
                                            const QString &prompt, const QString &value)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtDialogs::openFile(QWidget *parent, const QString &caption, const QString &folder,
                            const QString &filter, int filterIndex)
{
    QString selected = nthFilter(filter, filterIndex);
    return QFileDialog::getOpenFileName(parent, caption, folder, qtFileFilter(filter), &selected);
}

QStringList QtDialogs::openFiles(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter, int filterIndex)
{
    QString selected = nthFilter(filter, filterIndex);
    return QFileDialog::getOpenFileNames(parent, caption, folder, qtFileFilter(filter), &selected);
}

QString QtDialogs::openReport(QWidget *parent, const QString &caption, const QString &folder,
                              const QString &filter, const QString &address)
{
    ReportOpenDialog dlg(parent, caption, folder, qtFileFilter(filter), address);
    return dlg.exec() == QDialog::Accepted ? dlg.chosen() : QString();
}

QString QtDialogs::saveFile(QWidget *parent, const QString &caption, const QString &folder,
                            const QString &filter, const QString &defaultExtension)
{
    QFileDialog dlg(parent, caption, folder, qtFileFilter(filter));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    QString suffix = defaultExtension;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dlg.setDefaultSuffix(suffix);                            // "report" becomes "report.SUP"
    dlg.setOption(QFileDialog::DontConfirmOverwrite, false); // asks before replacing a file
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().first();
}

QString QtDialogs::saveFileFiltered(QWidget *parent, const QString &caption, const QString &folder,
                                    const QString &filter, int &filterIndex)
{
    const QStringList filters = qtFileFilter(filter).split(QStringLiteral(";;"));
    QFileDialog dlg(parent, caption, folder);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setNameFilters(filters);
    dlg.selectNameFilter(filters.value(filterIndex - 1));
    dlg.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    const int chosen = filters.indexOf(dlg.selectedNameFilter());
    if (chosen >= 0)
        filterIndex = chosen + 1;
    return dlg.selectedFiles().first();
}

std::optional<QColor> QtDialogs::chooseColor(QWidget *parent, const QColor &initial)
{
    // Qt's colour dialog always shows its custom-colour part: it opens "full".
    const QColor c = QColorDialog::getColor(initial, parent);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QFont> QtDialogs::chooseFont(QWidget *parent, const QFont &initial)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return f;
}

bool QtDialogs::print(QWidget *parent, QPrinter *printer)
{
    QPrintDialog dlg(printer, parent);
    return dlg.exec() == QDialog::Accepted;
}

// Printer set-up is the page set-up dialog: paper, orientation and margins of the
// printer; choosing the printer itself happens in the print dialog.
bool QtDialogs::printerSetup(QWidget *parent, QPrinter *printer)
{
    QPageSetupDialog dlg(printer, parent);
    return dlg.exec() == QDialog::Accepted;
}

bool QtDialogs::printPreview(QWidget *parent, QPrinter *printer,
                             const std::function<void(QPrinter *)> &paint)
{
    QPrintPreviewDialog dlg(printer, parent);
    QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg,
                     [&paint](QPrinter *p) { paint(p); });
    return dlg.exec() == QDialog::Accepted;
}

bool QtDialogs::runDialog(QDialog *dialog)
{
    return dialog->exec() == QDialog::Accepted;
}
