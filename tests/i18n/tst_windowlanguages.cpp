// The main window in its four languages: start-up from the host's settings
// file, switching through the Language menu, every visible text translated and
// none cut short, the host's file, the help file and the window's state.
#include "WidgetTexts.h"

#include "app/HelpCommands.h"
#include "app/LanguageSetup.h"
#include "app/MainActions.h"
#include "app/TIntro.h"
#include "app/TNewNoteDlg.h"
#include "app/TTessaryM.h"
#include "app/TTreeView.h"
#include "diagram/TDiagramEditor.h"
#include "diagram/TEditBlockDlg.h"
#include "diagram/TSizingDlg.h"
#include "editors/document/TWPEditor.h"
#include "export/PageEditors.h"
#include "platform/chart/ChartEditDialog.h"
#include "platform/chart/TChart.h"
#include "platform/db/SqliteEngine.h"
#include "platform/grid/GridControl.h"
#include "platform/grid/GridFindDialog.h"
#include "platform/i18n/HelpSet.h"
#include "platform/i18n/LanguageRuntime.h"
#include "platform/i18n/THelpWindow.h"
#include "platform/ini/IniFile.h"
#include "platform/paths/Paths.h"
#include "store/TDM.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestMain.h"
#include "timeline/TTimeLineDlg.h"
#include "timeline/TTimeLineOptionsDlg.h"
#include "wordcloud/TTagOptionsDlg.h"
#include "wordcloud/TzqWordCloud.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace {
// The window with its real editors and the store, on scripted dialogs.
struct Window
{
    ScriptedDialogsScope dialogs;
    std::unique_ptr<TTessaryM> window;
    std::unique_ptr<TDM> dm;

    Window()
    {
        window = std::make_unique<TTessaryM>();
        dm = std::make_unique<TDM>(window.get(), std::make_unique<SqliteEngine>());
        window->createEditors();
        window->show();
        QCoreApplication::processEvents(); // the first activation runs from the event loop
    }
    ~Window()
    {
        window->hide();
        dm.reset();
        window.reset();
    }
    QAction *action(const char *name) { return window->actions()->action(name); }
    QMenu *menu(const char *name) { return window->actions()->menu(name); }
    // Picks a language in File, Language as the user does.
    void choose(const QString &code)
    {
        QAction *entry = menu("Language1")->findChild<QAction *>("Language_" + code);
        QVERIFY2(entry, qPrintable(code));
        entry->trigger();
        QCoreApplication::processEvents();
    }
};

void writeHostFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QString shotsFolder()
{
    return qEnvironmentVariable("TESSARY_I18N_SHOTS");
}

void shoot(QWidget *w, const QString &name)
{
    if (shotsFolder().isEmpty())
        return;
    QDir().mkpath(shotsFolder());
    w->grab().save(shotsFolder() + "/" + name + ".png");
}
} // namespace

class TestWindowLanguages : public QObject
{
    Q_OBJECT
    QTemporaryDir tmp;
    QString dir;

private slots:
    void init()
    {
        dir = tmp.path() + "/" + QTest::currentTestFunction();
        QDir().mkpath(dir);
        paths().UserDataFolder = dir + "/";
        paths().ProgramFolder = dir + "/";
        paths().SettingsPath = dir + "/Tessary.INI";
        HelpSet::setRoots({});
    }
    void cleanup()
    {
        languageRuntime().setLanguageSwitched(nullptr);
        languageRuntime().setLanguage(EnglishLanguageId);
        HelpSet::setRoots({});
    }

    void startsInTheLanguageOfTheHostsFile()
    {
        writeHostFile(dir + "/Vendral3.INI", "[OPTIONS]\r\nLanguage=12\r\n");
        Window w;
        QCOMPARE(languageRuntime().currentLanguage(), 12);
        QCOMPARE(w.action("Quit1")->text(), QString("Quitter"));
        QVERIFY(w.action("Moveup1")->toolTip().startsWith("Monter (Ctrl+"));
        QCOMPARE(w.menu("File1")->title(), QString("&Fichier"));
        QStringList entries;
        for (QAction *a : w.menu("Language1")->actions())
            entries << a->text();
        QCOMPARE(entries, QStringList({"English", "Français", "Polish", "Español"}));
        QVERIFY(w.menu("Language1")->isEnabled());
        QVERIFY(w.menu("Language1")->actions().at(1)->isChecked());
        auto *wp = w.window->findChild<TWPEditor *>();
        QVERIFY(wp);
        QCOMPARE(wp->language(), QString("FR"));
        QCOMPARE(HelpSet::current(), QString(":/help/fr/"));
        QVERIFY(w.dialogs->asked.isEmpty());
    }

    void withoutALanguageKeyItStartsInEnglish()
    {
        writeHostFile(dir + "/Vendral3.INI", "[OPTIONS]\r\nOther=3\r\n");
        Window w;
        QCOMPARE(languageRuntime().currentLanguage(), 9);
        QCOMPARE(w.action("Quit1")->text(), QString("Quit"));
        QCOMPARE(w.window->findChild<TWPEditor *>()->language(), QString("EN"));
        QCOMPARE(HelpSet::current(), QString(":/help/en/"));
        QVERIFY(w.dialogs->asked.isEmpty());
        // Starting writes nothing into the host's file.
        QCOMPARE(IniFile(dir + "/Vendral3.INI").hasKey("OPTIONS", "Language"), false);
    }

    void aLanguageThatCannotBeSetIsReportedAndStartUpGoesOn()
    {
        writeHostFile(dir + "/Vendral3.INI", "[OPTIONS]\r\nLanguage=7\r\n");
        {
            Window w;
            QCOMPARE(w.dialogs->asked,
                     QStringList({"message: Problem initializing language file"}));
            QCOMPARE(languageRuntime().currentLanguage(), 9);
            QCOMPARE(w.action("Quit1")->text(), QString("Quit"));
        }
        // A French user whose language file is damaged is told in French.
        writeHostFile(dir + "/Vendral3.INI", "[OPTIONS]\r\nLanguage=12\r\n");
        QDir(dir).mkdir("translations");
        writeHostFile(dir + "/translations/tessary_fr.qm", "damaged");
        Window w;
        QCOMPARE(w.dialogs->asked,
                 QStringList({"message: Problème d'initialisation du fichier de traduction"}));
        QCOMPARE(languageRuntime().currentLanguage(), 9);
        QVERIFY(w.window->isVisible());
    }

    void everyTextIsTranslatedInEveryLanguage()
    {
        Window w;
        // Dialogs the window and its editors make, open during the switch.
        std::vector<std::unique_ptr<QWidget>> dialogs;
        dialogs.emplace_back(new TNewNoteDlg(w.window.get()));
        dialogs.emplace_back(new TIntro(w.window.get()));
        auto *help = new THelpWindow(w.window.get());
        help->showTopic(":/help/en/", HelpSet::MainWindow);
        dialogs.emplace_back(help);
        if (auto *chart = w.window->findChild<TChart *>())
            dialogs.emplace_back(new ChartEditDialog(chart, w.window.get()));
        if (auto *cloud = w.window->findChild<TzqWordCloud *>())
            dialogs.emplace_back(new TTagOptionsDlg(cloud, w.window.get()));
        if (auto *grid = w.window->findChild<GridControl *>())
            dialogs.emplace_back(new GridFindDialog(grid, true, w.window.get()));
        // The diagram editor and the timeline viewer, made as a page of their
        // kind first needs them, and their dialogs.
        auto *diagram = qobject_cast<TDiagramEditor *>(
            w.window->pageEditors()->editor(EditorSlot::Diagram).form);
        auto *timeline = qobject_cast<TTimeLineDlg *>(
            w.window->pageEditors()->editor(EditorSlot::Timeline).form);
        QVERIFY(diagram && timeline);
        dialogs.emplace_back(new TEditBlockDlg(diagram->atDiagram1, w.window.get()));
        dialogs.emplace_back(new TSizingDlg(diagram->atDiagram1, w.window.get()));
        dialogs.emplace_back(new TTimeLineOptionsDlg(timeline->TimeLine, w.window.get()));
        QVERIFY(dialogs.size() >= 9);
        for (auto &d : dialogs)
            d->show();
        QCoreApplication::processEvents();

        QList<WidgetText> english = collectTexts(w.window.get());
        for (auto &d : dialogs)
            english += collectTexts(d.get());
        QVERIFY(english.size() > 300);

        const QList<QPair<QString, int>> languages{{"fr", 12}, {"pl", 1045}, {"es", 3082}};
        for (const auto &[code, id] : languages) {
            w.choose(code);
            QCOMPARE(languageRuntime().currentLanguage(), id);
            QStringList untranslated;
            for (const WidgetText &e : english) {
                if (!e.object)
                    continue;
                const QString now = e.object->property(e.property.toLatin1()).isValid()
                                        ? e.object->property(e.property.toLatin1()).toString()
                                        : QString();
                QString shown = now;
                if (e.property.startsWith("item") || e.property.startsWith("tab")) {
                    for (const WidgetText &n : collectTexts(qobject_cast<QWidget *>(e.object)))
                        if (n.object == e.object && n.property == e.property)
                            shown = n.text;
                }
                // The About box composes "Version " and the build's number;
                // a command's tooltip is its text without "..." and "&".
                auto *action = qobject_cast<QAction *>(e.object);
                const bool tipOfText = action && e.property == "toolTip" &&
                                       QString(action->text()).remove('&').remove("...") == shown &&
                                       languageRuntime().isCurrentTranslation(action->text());
                // A label showing a font's name in that font.
                auto *widget = qobject_cast<QWidget *>(e.object);
                const bool fontName = widget && widget->font().family() == shown.trimmed();
                if (shown == e.text && !sameInEveryLanguage(e.text) && !tipOfText && !fontName &&
                    shown != TIntro::versionText() &&
                    !languageRuntime().isCurrentTranslation(shown))
                    untranslated << e.where();
            }
            untranslated.removeDuplicates();
            QVERIFY2(untranslated.isEmpty(), qPrintable(code + ": " + untranslated.join("\n")));
            // No label or button is cut short.
            QStringList clipped;
            for (auto &d : dialogs) {
                d->adjustSize();
                clipped += clippedTexts(d.get());
            }
            clipped += clippedTexts(w.window.get());
            QVERIFY2(clipped.isEmpty(), qPrintable(code + ": " + clipped.join("\n")));
            if (code != "es") {
                shoot(w.window.get(), "main-" + code);
                shoot(dialogs.at(0).get(), "newitem-" + code);
                if (dialogs.size() > 3)
                    shoot(dialogs.at(3).get(), "chartedit-" + code);
                if (dialogs.size() > 4)
                    shoot(dialogs.at(4).get(), "tagoptions-" + code);
                for (auto &d : dialogs) {
                    const QString name = d->metaObject()->className();
                    if (name == "TEditBlockDlg" || name == "TSizingDlg" ||
                        name == "TTimeLineOptionsDlg")
                        shoot(d.get(), name + "-" + code);
                }
            }
        }
        // Back in English every text is what it was.
        w.choose("en");
        QStringList changed;
        for (const WidgetText &e : english) {
            if (!e.object || e.property.startsWith("item") || e.property.startsWith("tab"))
                continue;
            const QString now = e.object->property(e.property.toLatin1()).toString();
            if (now != e.text)
                changed << e.where() + " now \"" + now + "\"";
        }
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join("\n")));
    }

    void switchingWritesTheHostsFileSetsTheHelpFileAndKeepsTheState()
    {
        writeHostFile(dir + "/Vendral3.INI",
                      "; the host's settings\r\n[OPTIONS]\r\nLanguage=9\r\nUnits=2\r\n[RECENT]\r\n"
                      "File1=C:\\data\\survey.kvb\r\n");
        // Only an English help set where help is looked for.
        const QString helpRoot = dir + "/helproot/";
        QDir().mkpath(helpRoot + "en");
        writeHostFile(helpRoot + "en/index.html", "<html><body>en</body></html>");
        HelpSet::setRoots({helpRoot});
        Window w;
        QCOMPARE(HelpSet::current(), helpRoot + "en/");
        w.window->showMaximized();
        QCoreApplication::processEvents();
        QVERIFY(w.window->isMaximized());

        // French without a French help set: the help file stays.
        w.choose("fr");
        QCOMPARE(IniFile(dir + "/Vendral3.INI").readInteger("OPTIONS", "Language", 0), 12);
        QCOMPARE(HelpSet::current(), helpRoot + "en/");
        QCOMPARE(w.window->findChild<TWPEditor *>()->language(), QString("FR"));
        QVERIFY(w.window->isMaximized());
        QVERIFY(!w.window->isMinimized());

        // Spanish with its help set.
        QDir().mkpath(helpRoot + "es");
        writeHostFile(helpRoot + "es/index.html", "<html><body>es</body></html>");
        w.choose("es");
        QCOMPARE(HelpSet::current(), helpRoot + "es/");
        QCOMPARE(w.window->findChild<TWPEditor *>()->language(), QString("ES"));

        // Polish reads the English help.
        w.window->showNormal();
        QCoreApplication::processEvents();
        w.choose("pl");
        QCOMPARE(HelpSet::current(), helpRoot + "en/");
        QCOMPARE(w.window->findChild<TWPEditor *>()->language(), QString("PL"));
        QVERIFY(!w.window->isMaximized());
        QVERIFY(!w.window->isMinimized());
        QVERIFY(w.window->isVisible());

        // The host reads the same key; its other lines are untouched.
        QFile f(dir + "/Vendral3.INI");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("; the host's settings\r\n[OPTIONS]\r\nLanguage=1045\r\n"
                                         "Units=2\r\n[RECENT]\r\nFile1=C:\\data\\survey.kvb\r\n"));
        QVERIFY(w.dialogs->asked.isEmpty());
    }

    void helpOpensAtThePageOfTheWindowWithTheFocus()
    {
        writeHostFile(dir + "/Vendral3.INI", "[OPTIONS]\r\nLanguage=3082\r\n");
        Window w;
        w.action("Helptopics1")->trigger();
        THelpWindow *help = w.window->helpCommands()->helpWindow();
        QVERIFY(help);
        QCOMPARE(help->helpFolder(), QString(":/help/es/"));
        QCOMPARE(help->currentPage(), QString("main.html"));
        QTest::keyClick(w.window->commentBox(), Qt::Key_F1);
        QCOMPARE(help->currentPage(), QString("comment.html"));
        QCOMPARE(HelpCommands::helpContextOf(w.window->commentBox()), 1280);
        QCOMPARE(HelpCommands::helpContextOf(w.window->mainTree()), 1130);
        TNewNoteDlg dlg(w.window.get());
        dlg.show();
        QTest::keyClick(&dlg, Qt::Key_F1);
        QCOMPARE(w.window->helpCommands()->helpWindow()->currentPage(), QString("newitem.html"));
        if (auto *wp = w.window->findChild<TWPEditor *>())
            QCOMPARE(HelpCommands::helpContextOf(wp), 1400);
        if (auto *grid = w.window->findChild<GridControl *>())
            QCOMPARE(HelpCommands::helpContextOf(grid), 1410);
        shoot(w.window->helpCommands()->helpWindow(), "help-newitem-es");
        w.window->helpCommands()->showHelp(1450);
        shoot(w.window->helpCommands()->helpWindow(), "help-wordcloud-es");
        // The About box shows the build's version.
        QVERIFY(TIntro::versionText().startsWith("Versión "));
        QCOMPARE(TIntro::versionText().count('.'), 2);
        w.dialogs->answer("dialog", true);
        w.action("About1")->trigger();
        QCOMPARE(w.dialogs->asked.last(), QString("dialog: Intro"));
        QCOMPARE(HelpCommands::homePage().left(8), QString("https://"));
    }
};

TESSARY_TEST(TestWindowLanguages)
#include "tst_windowlanguages.moc"
