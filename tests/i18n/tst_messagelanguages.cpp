// Messages and the word processor's dialogs in the four languages: errors of
// the libraries and parsers reach the user in the language of the moment, the
// timeline's line messages are whole translated sentences, and the word
// processor's dialogs, open or not, follow a language switch with complete
// texts.
#include "WidgetTexts.h"

#include "app/TTessaryM.h"
#include "editors/document/TWPEditor.h"
#include "platform/TessaryError.h"
#include "platform/db/SqliteEngine.h"
#include "platform/diagramview/DiagramStream.h"
#include "platform/dialogs/QtDialogs.h"
#include "platform/grid/GridData.h"
#include "platform/grid/GridStream.h"
#include "platform/i18n/LanguageRuntime.h"
#include "platform/imaging/Bmp24.h"
#include "platform/imaging/PictureReader.h"
#include "platform/ini/IniFile.h"
#include "platform/paths/Paths.h"
#include "platform/treeview/TreeStream.h"
#include "platform/wordproc/view/WPBorderDlg.h"
#include "platform/wordproc/view/WPBulletDlg.h"
#include "platform/wordproc/view/WPFindDlg.h"
#include "platform/wordproc/view/WPFontDlg.h"
#include "platform/wordproc/view/WPLanguage.h"
#include "platform/wordproc/view/WPPageDlg.h"
#include "platform/wordproc/view/WPParagraphDlg.h"
#include "platform/wordproc/view/WPTabDlg.h"
#include "platform/wordproc/view/WPTableDlg.h"
#include "platform/wordproc/view/WPView.h"
#include "store/TDM.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestMain.h"
#include "timeline/TimeLineText.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
// The message of the error that work throws; empty when it throws none.
template <typename Work> QString errorOf(Work work)
{
    try {
        work();
    } catch (const TessaryError &e) {
        return e.message();
    }
    return QString();
}

const QList<QPair<QString, int>> kLanguages{{"fr", 12}, {"pl", 1045}, {"es", 3082}};

// Words of the English messages that no translation keeps.
bool hasEnglishWords(const QString &text)
{
    static const QRegularExpression english(
        QStringLiteral("\\b(the|of|cannot|unknown|picture|is not|not a|missing|read|written|"
                       "line)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return english.match(text).hasMatch();
}
} // namespace

class TestMessageLanguages : public QObject
{
    Q_OBJECT
    QTemporaryDir tmp;

private slots:
    void cleanup() { languageRuntime().setLanguage(EnglishLanguageId); }

    void errorsOfLibrariesComeInTheCurrentLanguage()
    {
        // Each library's error, made for real, in English and then in each
        // language: translated, with its arguments in place.
        const QString missingReport = tmp.filePath("none.SUP");
        const QString unwritable = tmp.filePath("file-not-folder");
        {
            QFile f(unwritable);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const QList<std::function<void()>> works{
            [] {
                GridData grid;
                GridStream::read(QByteArray("not a table"), grid);
            },
            [] { Bmp24::decode(QByteArray("BM\x01", 3)); },
            [missingReport] {
                SqliteEngine engine;
                engine.connect(missingReport, true);
            },
            [] {
                DiagramStream::read(QByteArray("{\"format\":\"tessary-diagram\",\"version\":9}"));
            },
            [] { TreeStream::read(QByteArray("[1,2]")); },
            [unwritable] {
                IniFile ini(unwritable + "/sub/Settings.INI");
                ini.writeInteger("OPTIONS", "Language", 12);
                ini.updateFile();
            },
            [this] { PictureReader::readFile(tmp.filePath("scan.xyz")); },
        };
        QStringList english;
        for (const auto &work : works) {
            english << errorOf(work);
            QVERIFY2(!english.last().isEmpty(), qPrintable(QString::number(english.size())));
            QVERIFY2(hasEnglishWords(english.last()), qPrintable(english.last()));
        }
        QVERIFY(english.at(2).contains(QDir::toNativeSeparators(missingReport)) ||
                english.at(2).contains(missingReport));
        for (const auto &[code, id] : kLanguages) {
            languageRuntime().setLanguage(id);
            for (int i = 0; i < works.size(); ++i) {
                const QString shown = errorOf(works.at(i));
                QVERIFY2(shown != english.at(i), qPrintable(code + ": " + shown));
                QVERIFY2(!hasEnglishWords(shown), qPrintable(code + ": " + shown));
                QVERIFY2(!shown.contains("%1") && !shown.contains("%2"), qPrintable(shown));
            }
            // The report's name stays in the message, whatever the language.
            QVERIFY(errorOf(works.at(2)).contains("none.SUP"));
        }
    }

    void timelineLineMessagesAreWholeTranslatedSentences()
    {
        // Every kind of bad line: missing and wrong colours and dates of every
        // field, an unknown record, a wrong annotation colour.
        const QString text = QStringLiteral("BackGround\t\r\n"
                                            "BackGround\tclRed\tpurple-ish\r\n"
                                            "LineBar\tnocolour\r\n"
                                            "Indicator\t\tTrue\r\n"
                                            "Max Range\t\r\n"
                                            "Max Range\t2020-01-01\tsoon\r\n"
                                            "Range\tyesterday\r\n"
                                            "Range\t2020-01-01\t\r\n"
                                            "Event\tA\tB\t\tdesc\r\n"
                                            "Event\tA\tB\tnever\tdesc\r\n"
                                            "Event\tA\tB\t2020-03-04\tdesc\t0\tgreenish\r\n"
                                            "Whatever\tx\r\n");
        const TimeLineDocument en = TimeLineText::Read(text, QLocale(QLocale::English));
        QCOMPARE(en.Problems.size(), 12);
        for (const auto &[code, id] : kLanguages) {
            languageRuntime().setLanguage(id);
            const TimeLineDocument doc = TimeLineText::Read(text, QLocale(QLocale::English));
            QCOMPARE(doc.Problems.size(), en.Problems.size());
            for (int i = 0; i < doc.Problems.size(); ++i) {
                const QString m = doc.Problems[i].Message;
                QCOMPARE(doc.Problems[i].Line, en.Problems[i].Line);
                QVERIFY2(m != en.Problems[i].Message, qPrintable(m));
                QVERIFY2(!hasEnglishWords(m), qPrintable(code + ": " + m));
                // The line number leads every message and the record names,
                // being words of the file, stay as they are.
                QVERIFY2(m.contains(QString::number(doc.Problems[i].Line)), qPrintable(m));
            }
            QVERIFY(doc.Problems[0].Message.contains("BackGround"));
            QVERIFY(doc.Problems[1].Message.contains("\"purple-ish\""));
            QVERIFY(doc.Problems.last().Message.contains("\"Whatever\""));
        }
        languageRuntime().setLanguage(12);
        const TimeLineDocument fr = TimeLineText::Read(text, QLocale(QLocale::English));
        QCOMPARE(fr.Problems[8].Message, QString("Ligne 9 : la date de l'événement est absente."));
        QCOMPARE(fr.Problems[2].Message,
                 QString("Ligne 3 : la première couleur de l'enregistrement LineBar, "
                         "\"nocolour\", n'est pas une couleur."));
    }

    void wordProcessorDialogsFollowTheLanguage()
    {
        ScriptedDialogsScope scripted;
        QTemporaryDir dir;
        paths().ProgramFolder = dir.path() + "/";
        TWPEditor editor;
        WPView *view = editor.view();
        editor.SetLanguage("EN");
        WPLanguage *lang = view->language();
        QVERIFY(lang->hasLanguage("FR") && lang->hasLanguage("ES") && lang->hasLanguage("PL"));

        // Every dialog of the word processor, open while the language changes.
        std::vector<std::unique_ptr<QDialog>> dialogs;
        dialogs.emplace_back(new WPFontDlg(view));
        dialogs.emplace_back(new WPParagraphDlg(view));
        dialogs.emplace_back(new WPBulletDlg(view));
        dialogs.emplace_back(new WPTabDlg(view));
        dialogs.emplace_back(new WPPageDlg(view));
        dialogs.emplace_back(new WPBorderDlg(view));
        dialogs.emplace_back(new WPTableDlg(view));
        auto *find = new WPFindDlg(view);
        dialogs.emplace_back(find);
        // A tab stop, so that the tab list shows a kind.
        auto *tabs = dialogs.at(3)->findChild<QListWidget *>("tabList");
        QVERIFY(tabs);
        QTest::mouseClick(dialogs.at(3)->findChild<QPushButton *>("add"), Qt::LeftButton);
        QCOMPARE(tabs->count(), 1);
        QVERIFY(tabs->item(0)->text().endsWith("Left"));
        for (auto &d : dialogs)
            d->show();
        find->showFor(true);
        QCoreApplication::processEvents();

        QList<WidgetText> english;
        for (auto &d : dialogs)
            english += collectTexts(d.get());
        QVERIFY(english.size() > 60);

        const QStringList codes{"FR", "PL", "ES"};
        for (const QString &code : codes) {
            editor.SetLanguage(code);
            QCOMPARE(editor.language(), code);
            QStringList wrong;
            for (const WidgetText &e : english) {
                if (!e.object)
                    continue;
                QString shown;
                for (const WidgetText &n : collectTexts(qobject_cast<QWidget *>(e.object)))
                    if (n.object == e.object && n.property == e.property)
                        shown = n.text;
                const QString english = e.text.trimmed();
                // Font names, the font sample and numbering samples are data,
                // paper names are Qt's own; everything else is in WP.XML and
                // shown in the new language.
                static const QRegularExpression numbering("^([A-Za-z]+\\.\\s*)+$");
                if (sameInEveryLanguage(english) || english.startsWith("AaBb") ||
                    numbering.match(english).hasMatch() || e.object->objectName() == "paper")
                    continue;
                if (!lang->translates(english))
                    wrong << e.where() + " has no translation";
                else if (shown.trimmed() != lang->text(english))
                    wrong << e.where() + " shows \"" + shown + "\"";
            }
            QVERIFY2(wrong.isEmpty(), qPrintable(code + ":\n" + wrong.join("\n")));
            QVERIFY2(!tabs->item(0)->text().endsWith("Left"), qPrintable(tabs->item(0)->text()));
            QCOMPARE(tabs->item(0)->text().section("  ", 1), lang->text("Left"));
            // The suffixes of the number boxes follow too.
            auto *size = dialogs.at(0)->findChild<QDoubleSpinBox *>("fontSize");
            QVERIFY(size);
            QCOMPARE(size->suffix(), " " + lang->text("pt"));
            QStringList clipped;
            for (auto &d : dialogs) {
                d->adjustSize();
                clipped += clippedTexts(d.get());
            }
            QVERIFY2(clipped.isEmpty(), qPrintable(code + ": " + clipped.join("\n")));
            if (!qEnvironmentVariable("TESSARY_I18N_SHOTS").isEmpty() && code == "PL")
                for (auto &d : dialogs)
                    d->grab().save(qEnvironmentVariable("TESSARY_I18N_SHOTS") + "/" +
                                   d->objectName() + "-pl.png");
        }
        // Back in English every caption is what it was.
        editor.SetLanguage("EN");
        QStringList changed;
        for (const WidgetText &e : english) {
            QString shown;
            for (const WidgetText &n : collectTexts(qobject_cast<QWidget *>(e.object)))
                if (n.object == e.object && n.property == e.property)
                    shown = n.text;
            if (shown != e.text)
                changed << e.where() + " now \"" + shown + "\"";
        }
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join("\n")));
        // A dialog opened in a language starts in it.
        editor.SetLanguage("PL");
        WPFontDlg font(view);
        QCOMPARE(font.windowTitle(), lang->text("Font"));
        QVERIFY(font.windowTitle() != "Font");
    }

    void wordProcessorTextsExistInEveryLanguage()
    {
        QFile xml(":/document/WP.XML");
        QVERIFY(xml.open(QIODevice::ReadOnly));
        const QByteArray bytes = xml.readAll();
        WPLanguage lang;
        QVERIFY(lang.load(bytes));
        // The English texts of each language's entries are the same set.
        QMap<QString, QStringList> keys;
        QXmlStreamReader r(bytes);
        QString code;
        while (!r.atEnd()) {
            r.readNext();
            if (!r.isStartElement())
                continue;
            if (r.name() == QLatin1String("t"))
                keys[code] << r.attributes().value("en").toString();
            else if (r.name() != QLatin1String("loc"))
                code = r.name().toString();
        }
        QCOMPARE(keys.keys(), QStringList({"ES", "FR", "PL"}));
        for (auto &k : keys)
            std::sort(k.begin(), k.end());
        QCOMPARE(keys["FR"], keys["ES"]);
        QCOMPARE(keys["FR"], keys["PL"]);
        QVERIFY(keys["FR"].size() >= 80);
        // Each language's texts are its own (units and a few words such as
        // "Normal" read the same).
        for (const QString &c : {QString("FR"), QString("ES"), QString("PL")}) {
            QVERIFY(lang.setLanguage(c));
            int same = 0;
            for (const QString &en : keys[c])
                same += lang.text(en) == en;
            QVERIFY2(same <= 8, qPrintable(c + ": " + QString::number(same)));
        }
        // A text shown before a switch maps back to its English source.
        QVERIFY(lang.setLanguage("FR"));
        QVERIFY(lang.setLanguage("PL"));
        QCOMPARE(lang.englishBefore("Police"), QString("Font"));
        QCOMPARE(lang.englishBefore("Font"), QString("Font"));
        QCOMPARE(lang.englishBefore("Negrita"), QString("Bold")); // any language
        QCOMPARE(lang.englishBefore("DejaVu Sans"), QString());
        QVERIFY(lang.translates("Font"));
        QVERIFY(!lang.translates("DejaVu Sans"));
    }

    // A picture of a real message box with a long Polish message, to look at
    // (TESSARY_I18N_SHOTS names the folder); never shown otherwise.
    void aLongPolishMessageInItsBox()
    {
        const QString folder = qEnvironmentVariable("TESSARY_I18N_SHOTS");
        if (folder.isEmpty())
            QSKIP("pictures are taken on request only (TESSARY_I18N_SHOTS)");
        languageRuntime().setLanguage(1045);
        const TimeLineDocument doc = TimeLineText::Read(
            "Max Range\t2020-01-01\tsoon\r\nRange\t\r\nEvent\tA\tB\t2020-03-04\tx\t0\tgreenish\r\n"
            "Whatever\r\n",
            QLocale(QLocale::English));
        QStringList lines;
        for (const TimeLineProblem &p : doc.Problems)
            lines << p.Message;
        const QString text =
            QCoreApplication::translate(
                "TTimeLineDlg", "Some lines of %1 could not be read; the rest is loaded.\n\n%2")
                .arg("harmonogram-badania.txt", lines.join('\n'));
        QVERIFY(text.startsWith("Nie"));
        bool taken = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box || !box->isVisible())
                return;
            QDir().mkpath(folder);
            taken = box->grab().save(folder + "/message-long-pl.png");
            box->close();
        });
        poll.start(20);
        QtDialogs().message(nullptr, text, Dialogs::Icon::Warning);
        QVERIFY(taken);
    }
};

TESSARY_TEST(TestMessageLanguages)
#include "tst_messagelanguages.moc"
