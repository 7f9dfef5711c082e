#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;
class QPushButton;

// The "New Item" dialog: the title of a new page or folder, and where it goes
// (after the selected node or as its last child). OK is enabled only while the
// title is not blank. The placement choice is kept between uses.
class TNewNoteDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TNewNoteDlg(QWidget *parent = nullptr);

    // Resets the title to "{untitled}" (selected, focused); with the root
    // selected only "Under current item" is possible.
    void prepare(bool rootSelected);

    QString title() const;
    void setTitle(const QString &title);
    bool folder() const;
    void setFolder(bool folder);
    bool underCurrent() const;
    void setUnderCurrent(bool under);
    bool afterAllowed() const;
    bool okEnabled() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void updateOk();

    QLineEdit *m_title;
    QRadioButton *m_document;
    QRadioButton *m_folder;
    QRadioButton *m_after;
    QRadioButton *m_under;
    QPushButton *m_ok;
};
