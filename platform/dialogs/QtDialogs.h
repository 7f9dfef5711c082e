#pragma once

#include "platform/dialogs/Dialogs.h"

// Dialogs shown with Qt's standard dialog classes.
class QtDialogs : public Dialogs
{
public:
    void message(QWidget *parent, const QString &text, Icon icon) override;
    bool confirm(QWidget *parent, const QString &text) override;
    std::optional<QString> inputText(QWidget *parent, const QString &caption, const QString &prompt,
                                     const QString &value) override;
    QString openFile(QWidget *parent, const QString &caption, const QString &folder,
                     const QString &filter, int filterIndex) override;
    QStringList openFiles(QWidget *parent, const QString &caption, const QString &folder,
                          const QString &filter, int filterIndex) override;
    QString saveFile(QWidget *parent, const QString &caption, const QString &folder,
                     const QString &filter, const QString &defaultExtension) override;
    QString saveFileFiltered(QWidget *parent, const QString &caption, const QString &folder,
                             const QString &filter, int &filterIndex) override;
    QString openReport(QWidget *parent, const QString &caption, const QString &folder,
                       const QString &filter, const QString &address) override;
    std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) override;
    std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) override;
    bool print(QWidget *parent, QPrinter *printer) override;
    bool printerSetup(QWidget *parent, QPrinter *printer) override;
    bool printPreview(QWidget *parent, QPrinter *printer,
                      const std::function<void(QPrinter *)> &paint) override;
    bool runDialog(QDialog *dialog) override;
};
