#pragma once

#include "platform/i18n/Languages.h"

#include <QObject>
#include <QString>
#include <functional>

class QMenu;
class QTranslator;
class QWidget;
class RecordingTranslator;

// The localization runtime: the translated texts of every form and message for
// French, Spanish and Polish (compiled from translations/*.ts and embedded),
// the current language, the language menu, and switching every open form at
// run time. One instance, reached through languageRuntime().
//
// Switching installs the language's translations, puts every text that open
// forms set when they were built into the new language, then sends
// QEvent::LanguageChange so that forms with composed texts (counts, shortcut
// hints) compose them again in their changeEvent, and finally calls the
// language-switched callback.
class LanguageRuntime : public QObject
{
    Q_OBJECT
public:
    explicit LanguageRuntime(QObject *parent = nullptr);
    ~LanguageRuntime() override;

    // The folder of the user's data (the host's settings file lives there).
    void setUserFolder(const QString &folder) { m_userFolder = folder; }
    QString userFolder() const { return m_userFolder; }
    // The folder that may hold the language files (translations/tessary_xx.qm);
    // a file there takes the place of the one built into the program.
    void setLanguageFolder(const QString &folder) { m_languageFolder = folder; }
    QString languageFolder() const { return m_languageFolder; }

    // Identifiers of the languages that can be chosen: English and every
    // language whose translations are found.
    QList<int> availableLanguages() const;

    // Makes the language of the identifier current and switches every open
    // form to it. Throws TessaryError when the identifier names no language or
    // its translations cannot be loaded; the language in force stays then.
    void setLanguage(int id);
    // The current language identifier (9, 12, 1045 or 3082).
    int currentLanguage() const { return m_current; }
    const LanguageInfo &currentInfo() const;

    // Fills a menu with one checkable entry per available language, captioned
    // with the language's English name; choosing one switches to it and calls
    // the language-switched callback.
    void fillMenu(QMenu *menu);
    // Called after the user switched the language through the menu.
    void setLanguageSwitched(std::function<void()> callback) { m_switched = std::move(callback); }

    // The text in the current language of a text that a form shows, whatever
    // language it was shown in; the text itself when it did not come from a
    // translation. Contexts of the widget and its parents are preferred.
    QString retranslated(const QString &shown, const QObject *owner = nullptr) const;
    // True when the text is the current language's translation of a source
    // text (which may read the same as the source: "Options", "Excel").
    bool isCurrentTranslation(const QString &shown) const;
    // Puts every text of the widget, its children and their actions into the
    // current language.
    void retranslateWidget(QWidget *root) const;

signals:
    // After every change of language, the menu's or setLanguage's.
    void languageChanged(int id);

private:
    QString retranslatedText(QObject *o, const QByteArray &key, const QString &shown) const;
    std::unique_ptr<QTranslator> loadTranslations(const LanguageInfo &l) const;
    void chooseFromMenu(int id);
    void updateMenuChecks();

    RecordingTranslator *m_translator = nullptr;
    QTranslator *m_qtTranslator = nullptr;
    QString m_userFolder;
    QString m_languageFolder;
    int m_current = EnglishLanguageId;
    QList<QMenu *> m_menus;
    std::function<void()> m_switched;
};

// The program's runtime; made on first use, it needs a QCoreApplication.
LanguageRuntime &languageRuntime();
