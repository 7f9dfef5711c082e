#pragma once

#include <QApplication>

// The application object. Errors that reach the event loop are shown in the
// standard error box instead of ending the program.
class TessaryApplication : public QApplication
{
    Q_OBJECT
public:
    TessaryApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
