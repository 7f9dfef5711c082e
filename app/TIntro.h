#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: a borderless box with the program's picture, its version and
// an OK button.
class TIntro : public QDialog
{
    Q_OBJECT
public:
    explicit TIntro(QWidget *parent = nullptr);

    // "Version " and the program's version as major.minor.release.
    static QString versionText();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    QLabel *m_version;
    QPushButton *m_ok;
};
