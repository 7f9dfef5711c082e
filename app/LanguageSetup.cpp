#include "app/LanguageSetup.h"

#include "editors/document/TWPEditor.h"
#include "platform/TessaryError.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/i18n/HelpSet.h"
#include "platform/i18n/LanguageRuntime.h"
#include "platform/ini/IniFile.h"
#include "platform/paths/Paths.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>

namespace {
const QString kSection = QStringLiteral("OPTIONS");
const QString kKey = QStringLiteral("Language");

bool isTableLanguage(int id)
{
    return id == 9 || id == 12 || id == 1045 || id == 3082;
}
} // namespace

LanguageSetup::LanguageSetup(QMainWindow *window, QMenu *languageMenu)
    : QObject(window), m_window(window), m_menu(languageMenu)
{
    languageRuntime().setUserFolder(paths().UserDataFolder);
}

QString LanguageSetup::hostSettingsPath()
{
    const QString folder = languageRuntime().userFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("Vendral3.INI");
}

int LanguageSetup::readLanguage()
{
    const QString path = hostSettingsPath();
    if (path.isEmpty())
        return EnglishLanguageId;
    return IniFile(path).readInteger(kSection, kKey, EnglishLanguageId);
}

void LanguageSetup::startUp()
{
    int id = EnglishLanguageId;
    try {
        languageRuntime().setLanguageFolder(paths().ProgramFolder);
        id = readLanguage();
        languageRuntime().setLanguage(id);
        languageRuntime().fillMenu(m_menu);
        for (QAction *a : m_menu->actions()) {
            if (a->text() == QLatin1String("French"))
                a->setText(QStringLiteral("Français"));
            else if (a->text().contains(QLatin1String("Spanish")))
                a->setText(QStringLiteral("Español"));
        }
        switchComponents(id);
    } catch (const std::exception &) {
        dialogs().message(m_window,
                          id == 12 ? QStringLiteral("Problème d'initialisation du fichier de "
                                                    "traduction")
                                   : QStringLiteral("Problem initializing language file"),
                          Dialogs::Icon::Error);
    }
    // Until the user switches, help comes in the language read when there is
    // a help set for it, else in English.
    const LanguageInfo *l = languageById(languageRuntime().currentLanguage());
    const QStringList roots = HelpSet::defaultRoots(paths().ProgramFolder);
    QString help = HelpSet::locate(l ? l->helpFile : QStringLiteral("Tessary.CHM"), roots);
    if (help.isEmpty())
        help = HelpSet::locate(QStringLiteral("Tessary.CHM"), roots);
    HelpSet::setCurrent(help);
    languageRuntime().setLanguageSwitched([this] { LangSwitched(); });
}

void LanguageSetup::switchComponents(int id)
{
    const LanguageInfo *l = languageById(isTableLanguage(id) ? id : EnglishLanguageId);
    // The chart engine's dialogs and messages are part of the program's
    // translations and follow the runtime; the word processor has its own.
    for (TWPEditor *wp : m_window->findChildren<TWPEditor *>())
        wp->SetLanguage(l->wpCode);
}

void LanguageSetup::LangSwitched()
{
    const int id = languageRuntime().currentLanguage();
    if (isTableLanguage(id)) {
        const LanguageInfo *l = languageById(id);
        const QString help =
            HelpSet::locate(l->helpFile, HelpSet::defaultRoots(paths().ProgramFolder));
        if (!help.isEmpty())
            HelpSet::setCurrent(help);
        switchComponents(id);
    }
    const QString path = hostSettingsPath();
    if (!path.isEmpty()) {
        try {
            IniFile ini(path);
            ini.writeInteger(kSection, kKey, id);
            ini.updateFile();
        } catch (const std::exception &e) {
            const auto *te = dynamic_cast<const TessaryError *>(&e);
            dialogs().message(m_window, te ? te->message() : QString::fromLocal8Bit(e.what()),
                              Dialogs::Icon::Error);
        }
    }
    // Redraw the window in the new language, in the state it had.
    const bool wasNormal = !m_window->isMaximized() && !m_window->isFullScreen();
    m_window->showMinimized();
    QApplication::processEvents();
    if (wasNormal)
        m_window->showNormal();
    else
        m_window->showMaximized();
}
