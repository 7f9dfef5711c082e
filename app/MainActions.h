#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class QWidget;

// Creates every menu, menu command and toolbar of the main window once, each
// action named with its command name (objectName), so that the window and its
// command classes wire them in one place and tests can find them by name.
// Commands of editors that are not built yet stay disabled.
class MainActions : public QObject
{
    Q_OBJECT
public:
    MainActions(QMainWindow *window, QWidget *treeBarHost, QWidget *kindBarHost);

    QAction *action(const QString &name) const;
    QMenu *menu(const QString &name) const;
    QToolBar *toolBar(const QString &name) const;
    QList<QToolBar *> toolBars() const { return m_toolBars.values(); }
    QList<QAction *> allActions() const { return m_actions.values(); }

    // Puts every command and menu into the current language.
    void retranslateUi();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *make(const QString &name, const char *text, const QString &shortcut = QString());
    void retranslateAction(QAction *a);
    QToolBar *makeBar(const QString &name, QWidget *host, const QStringList &actions);
    QMenu *makeMenu(QWidget *parent, const QString &name, const char *title,
                    const QStringList &actions);
    void buildActions();
    void buildMenus(QMainWindow *window);
    void buildToolBars(QWidget *treeBarHost, QWidget *kindBarHost);

    QMainWindow *m_window;
    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QHash<QString, QToolBar *> m_toolBars;
    QHash<QAction *, const char *> m_sources;  // source text of each command
    QHash<QString, const char *> m_menuTitles; // source title of each menu
};
