#pragma once

#include <QObject>
#include <QString>

class QMenu;
class QMainWindow;

// The interface language of the main window: read from the host's settings
// file at the first activation, applied to the localization runtime, the word
// processor and the chart engine, offered in the File menu's Language entry,
// and written back to the host's file after every switch, so that the host and
// this program share it.
class LanguageSetup : public QObject
{
    Q_OBJECT
public:
    LanguageSetup(QMainWindow *window, QMenu *languageMenu);

    // The host's settings file: "Vendral3.INI" in UserDataFolder.
    static QString hostSettingsPath();
    // "Language" of section "OPTIONS" of the host's file, 9 when missing.
    static int readLanguage();

    // First activation: set the language read, fill the Language menu, switch
    // the word processor and chart engine; a failure shows a message (in
    // French for a French user) and start-up goes on. Installs LangSwitched.
    void startUp();
    // After the user picked a language: help file, word processor and chart
    // engine, the identifier written to the host's file, the window redrawn
    // in its state.
    void LangSwitched();

private:
    void switchComponents(int id);

    QMainWindow *m_window;
    QMenu *m_menu;
};
