#pragma once

#include <QObject>
#include <QPointer>

class QMainWindow;
class QWidget;
class THelpWindow;

// The Help menu and context help: "Help Topics" opens the help at the main
// window's page, F1 anywhere opens the page of the window or dialog that has
// the focus, "Orvane Home Page" opens the maker's site in the browser and
// "About..." shows the About box.
class HelpCommands : public QObject
{
    Q_OBJECT
public:
    explicit HelpCommands(QMainWindow *window);

    // The help context of a widget: its own "helpContext" property, or that of
    // the first of its parents that has one, or the one of its form's class;
    // the main window's context when none is found.
    static int helpContextOf(const QWidget *widget);

    void Helptopics1Click();
    void Webpage1Click();
    void About1Click();
    // Opens the help window at a context's page of the help file in force.
    void showHelp(int context);

    // The help window, once opened (nullptr before).
    THelpWindow *helpWindow() const;

    // The address of the maker's home page.
    static QString homePage();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMainWindow *m_window;
    QPointer<THelpWindow> m_help;
};
