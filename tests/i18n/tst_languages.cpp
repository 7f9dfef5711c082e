// The localization runtime on its own: the language table, switching and the
// language menu, texts mapped back to their sources, the translations'
// completeness, the help sets and the help window.
#include "platform/TessaryError.h"
#include "platform/i18n/HelpSet.h"
#include "platform/i18n/LanguageRuntime.h"
#include "platform/i18n/Languages.h"
#include "platform/i18n/THelpWindow.h"
#include "tests/support/TestMain.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

class TestLanguages : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        languageRuntime().setLanguage(EnglishLanguageId);
        HelpSet::setRoots({});
    }

    void identifiersMapToLanguages()
    {
        QCOMPARE(languageById(9)->code, QString("en"));
        QCOMPARE(languageById(1033)->code, QString("en")); // English (United States)
        QCOMPARE(languageById(12)->code, QString("fr"));
        QCOMPARE(languageById(1036)->code, QString("fr")); // French (France)
        QCOMPARE(languageById(1045)->code, QString("pl"));
        QCOMPARE(languageById(21)->code, QString("pl"));
        QCOMPARE(languageById(3082)->code, QString("es"));
        QCOMPARE(languageById(1034)->code, QString("es")); // Spanish, traditional sort
        QCOMPARE(languageById(12)->id, 12);
        QCOMPARE(languageById(1036)->id, 12);
        QVERIFY(!languageById(7));    // German: no translations
        QVERIFY(!languageById(1031)); // German (Germany)
        QVERIFY(!languageById(0));
        QVERIFY(!languageById(-12));
        QCOMPARE(languageById(3082)->wpCode, QString("ES"));
        QCOMPARE(languageById(1045)->helpFile, QString("Tessary.CHM"));
        QCOMPARE(languageById(12)->helpFile, QString("VENDRALFR.CHM"));
    }

    void switchingTranslatesTextsAndKeepsTheLanguageOnFailure()
    {
        LanguageRuntime &rt = languageRuntime();
        QCOMPARE(rt.availableLanguages(), QList<int>({9, 12, 1045, 3082}));
        rt.setLanguage(12);
        QCOMPARE(rt.currentLanguage(), 12);
        QCOMPARE(QCoreApplication::translate("MainActions", "Quit"), QString("Quitter"));
        QCOMPARE(QCoreApplication::translate("TTessaryM", "Cannot save data!"),
                 QString("Impossible d'enregistrer les données !"));
        rt.setLanguage(1045);
        QCOMPARE(QCoreApplication::translate("MainActions", "Quit"), QString("Zakończ"));
        rt.setLanguage(1034); // another Spanish identifier is Spanish
        QCOMPARE(rt.currentLanguage(), 3082);
        QCOMPARE(QCoreApplication::translate("MainActions", "Quit"), QString("Salir"));
        // An identifier without translations changes nothing.
        QVERIFY_THROWS_EXCEPTION(TessaryError, rt.setLanguage(7));
        QCOMPARE(rt.currentLanguage(), 3082);
        QCOMPARE(QCoreApplication::translate("MainActions", "Quit"), QString("Salir"));
        rt.setLanguage(9);
        QCOMPARE(QCoreApplication::translate("MainActions", "Quit"), QString("Quit"));
    }

    void aLanguageFileBesideTheProgramIsUsedAndABadOneIsAnError()
    {
        QTemporaryDir dir;
        LanguageRuntime &rt = languageRuntime();
        rt.setLanguageFolder(dir.path() + "/");
        QDir(dir.path()).mkdir("translations");
        QFile bad(dir.path() + "/translations/tessary_fr.qm");
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("this is no language file");
        bad.close();
        QVERIFY_THROWS_EXCEPTION(TessaryError, rt.setLanguage(12));
        QCOMPARE(rt.currentLanguage(), 9);
        QVERIFY(bad.remove());
        rt.setLanguage(12); // the built-in one again
        QCOMPARE(rt.currentLanguage(), 12);
        rt.setLanguageFolder(QString());
    }

    void textsSetOnceFollowTheLanguage()
    {
        LanguageRuntime &rt = languageRuntime();
        QWidget form;
        form.setWindowTitle(QCoreApplication::translate("TNewNoteDlg", "New Item"));
        auto *label =
            new QLabel(QCoreApplication::translate("TTimeLineOptionsDlg", "Colors"), &form);
        auto *data = new QLabel(QStringLiteral("Population 2024"), &form); // not a caption
        auto *menu = new QMenu(QCoreApplication::translate("MainActions", "&File"), &form);
        QAction *a = menu->addAction(QCoreApplication::translate("MainActions", "Quit"));
        a->setToolTip(QCoreApplication::translate("TTessaryM", "Cannot save data!"));
        rt.setLanguage(12);
        QCOMPARE(form.windowTitle(), QString("Nouvel élément"));
        QCOMPARE(label->text(), QString("Couleurs"));
        QCOMPARE(data->text(), QString("Population 2024"));
        QCOMPARE(menu->title(), QString("&Fichier"));
        QCOMPARE(a->text(), QString("Quitter"));
        QCOMPARE(a->toolTip(), QString("Impossible d'enregistrer les données !"));
        // From French to Polish: the French text is mapped back to its source.
        rt.setLanguage(1045);
        QCOMPARE(label->text(), QString("Kolory"));
        QCOMPARE(a->text(), QString("Zakończ"));
        QVERIFY(rt.isCurrentTranslation("Kolory"));
        QVERIFY(!rt.isCurrentTranslation("Couleurs"));
        rt.setLanguage(9);
        QCOMPARE(label->text(), QString("Colors"));
        QCOMPARE(menu->title(), QString("&File"));
        QCOMPARE(form.windowTitle(), QString("New Item"));
    }

    void theMenuOffersEveryLanguageAndCallsBack()
    {
        LanguageRuntime &rt = languageRuntime();
        QMenu menu;
        menu.setEnabled(false);
        rt.fillMenu(&menu);
        QVERIFY(menu.isEnabled());
        QStringList names;
        for (QAction *a : menu.actions())
            names << a->text();
        QCOMPARE(names, QStringList({"English", "French", "Polish", "Spanish"}));
        QVERIFY(menu.actions().at(0)->isChecked());
        int calls = 0;
        int seen = 0;
        rt.setLanguageSwitched([&] {
            ++calls;
            seen = rt.currentLanguage();
        });
        menu.actions().at(3)->trigger();
        QCOMPARE(calls, 1);
        QCOMPARE(seen, 3082);
        QVERIFY(menu.actions().at(3)->isChecked());
        QVERIFY(!menu.actions().at(0)->isChecked());
        // The names stay as they are in every language.
        QCOMPARE(menu.actions().at(1)->text(), QString("French"));
        rt.setLanguageSwitched(nullptr);
        // A second fill gives the same entries, not twice as many.
        rt.fillMenu(&menu);
        QCOMPARE(menu.actions().size(), 4);
    }

    void helpSetsAreFoundByHelpFile()
    {
        const QStringList builtIn = HelpSet::defaultRoots(QString());
        QCOMPARE(HelpSet::locate("Tessary.CHM", builtIn), QString(":/help/en/"));
        QCOMPARE(HelpSet::locate("VENDRALFR.CHM", builtIn), QString(":/help/fr/"));
        QCOMPARE(HelpSet::locate("vendrales.chm", builtIn), QString(":/help/es/"));
        QCOMPARE(HelpSet::locate("OTHER.CHM", builtIn), QString());
        // A help set beside the program comes first.
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("help/fr");
        QFile index(dir.path() + "/help/fr/index.html");
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("<html><body>local</body></html>");
        index.close();
        const QStringList roots = HelpSet::defaultRoots(dir.path() + "/");
        QCOMPARE(HelpSet::locate("VENDRALFR.CHM", roots), dir.path() + "/help/fr/");
        QCOMPARE(HelpSet::locate("Tessary.CHM", roots), QString(":/help/en/"));
        // Every page of every context exists in every language.
        for (const QString lang : {"en", "fr", "es"})
            for (const HelpSet::Topic &t : HelpSet::topics())
                QVERIFY2(QFile::exists(":/help/" + lang + "/" + t.page),
                         qPrintable(lang + "/" + t.page));
        QCOMPARE(HelpSet::pageOf(1320), QString("newitem.html"));
        QCOMPARE(HelpSet::pageOf(1280), QString("comment.html"));
        QCOMPARE(HelpSet::pageOf(999), QString("main.html"));
    }

    void theHelpWindowShowsFollowsLinksAndSearches()
    {
        THelpWindow help;
        help.showTopic(":/help/fr/", HelpSet::NewItemDialog);
        QCOMPARE(help.currentPage(), QString("newitem.html"));
        QVERIFY(help.browser()->toPlainText().contains("Nouvel élément"));
        auto *contents = help.findChild<QListWidget *>("HelpContents");
        QCOMPARE(contents->count(), HelpSet::topics().size());
        QCOMPARE(contents->currentItem()->data(Qt::UserRole).toString(), QString("newitem.html"));
        // Links between pages stay in the window.
        emit help.browser()->anchorClicked(QUrl("main.html"));
        QCOMPARE(help.currentPage(), QString("main.html"));
        help.showPage("nothing.html"); // a missing page leaves the one shown
        QCOMPARE(help.currentPage(), QString("main.html"));
        const QStringList found = help.search("nuage mots");
        QVERIFY(found.contains("wordcloud.html"));
        QVERIFY(!found.contains("table.html"));
        QVERIFY(help.search("xyzzy-nowhere").isEmpty());
        QVERIFY(help.search("   ").isEmpty());
    }
};

TESSARY_TEST(TestLanguages)
#include "tst_languages.moc"
