#pragma once

#include <QDialog>

class QFileDialog;
class QLineEdit;
class QPushButton;

// The dialog that opens a report: a file dialog for report files, and under
// it a field for the address of a report on a server, so that both kinds of
// report are opened from the same place. chosen() is the file's path or the
// address typed, whichever the user opened.
class ReportOpenDialog : public QDialog
{
    Q_OBJECT
public:
    ReportOpenDialog(QWidget *parent, const QString &caption, const QString &folder,
                     const QString &qtFilter, const QString &address);

    QString chosen() const { return m_chosen; }

    QFileDialog *fileDialog() const { return m_files; }
    QLineEdit *addressField() const { return m_address; }
    QPushButton *openAddressButton() const { return m_openAddress; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void openAddress();
    void retranslate();

    QFileDialog *m_files = nullptr;
    QLineEdit *m_address = nullptr;
    QPushButton *m_openAddress = nullptr;
    class QLabel *m_addressLabel = nullptr;
    QString m_chosen;
};
