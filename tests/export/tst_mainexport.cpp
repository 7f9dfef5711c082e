// The main window's export commands: File > Export > HTML and SavePicture,
// with the real editors and scripted dialogs.
#include "app/ExportCommands.h"
#include "app/MainActions.h"
#include "app/TTessaryM.h"
#include "diagram/TDiagramEditor.h"
#include "editors/document/TWPEditor.h"
#include "export/PageEditors.h"
#include "export/TSelectItemDlg.h"
#include "platform/db/SqliteEngine.h"
#include "platform/wordproc/view/WPView.h"
#include "store/PageKind.h"
#include "store/PageState.h"
#include "store/ReportTree.h"
#include "store/TDM.h"
#include "tests/export/ExportTestUtil.h"
#include "tests/export/ReportBuilder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestReport.h"

#include <QAction>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QProgressBar>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QtTest>

namespace {
struct Window
{
    ScriptedDialogsScope dialogs;
    std::unique_ptr<TTessaryM> window;
    std::unique_ptr<TDM> dm;
    QList<QUrl> opened;

    explicit Window(const QString &report)
    {
        PageModified = CommentModified = false;
        ShownItemIndex = QPersistentModelIndex();
        window = std::make_unique<TTessaryM>();
        dm = std::make_unique<TDM>(window.get(), std::make_unique<SqliteEngine>());
        window->createEditors();
        window->exportCommands()->openUrl = [this](const QUrl &url) {
            opened << url;
            return true;
        };
        dm->DBOpen(report);
    }
    ~Window()
    {
        dm.reset();
        window.reset();
    }
    QString documentText() const
    {
        auto *wp = qobject_cast<TWPEditor *>(window->editorForm(EditorSlot::Document));
        return wp->view()->document()->toPlainText();
    }
};
} // namespace

class MainExportTest : public QObject
{
    Q_OBJECT
    QString m_dir;
    QString m_report;

private slots:
    void init()
    {
        m_dir = testTempDir();
        m_report = m_dir + "/r.SUP";
        ReportBuilder b(m_report);
        b.page(PageKind::Document, "Alpha", ReportBuilder::document("<p>alpha text</p>"));
        const int f = b.folder("Figures");
        b.page(PageKind::Chart, "Bars", ReportBuilder::chart("Bars"), f);
        b.page(PageKind::Table, "Counts", ReportBuilder::table(3, 3), f);
        b.page(PageKind::Document, "Omega", ReportBuilder::document("<p>omega text</p>"));
        b.finish();
    }

    void cancellingTheSelectionAsksForNoFile()
    {
        Window w(m_report);
        QVERIFY(w.window->actions()->action("HTML1")->isEnabled());
        w.dialogs->answer("dialog", false);
        w.window->actions()->action("HTML1")->trigger();
        QCOMPARE(w.dialogs->asked, QStringList{"dialog: SelectItemDlg"});
        QVERIFY(w.dialogs->unanswered.isEmpty());
        // Cancelling the file dialog ends it too, without asking more.
        w.dialogs->asked.clear();
        w.dialogs->answer("dialog", true);
        w.window->exportCommands()->HTML1Click();
        QCOMPARE(w.dialogs->asked, (QStringList{"dialog: SelectItemDlg", "save: Export to HTML"}));
        QVERIFY(w.opened.isEmpty());
    }

    void exportWritesTheFileAndShowsThePageAgain()
    {
        Window w(m_report);
        ReportTree *tree = w.dm->tree();
        tree->selectNode(tree->nodeAt(1));
        QVERIFY(w.documentText().contains("alpha text"));
        const QString out = m_dir + "/Out.html";
        w.dialogs->answer("dialog", true);
        w.dialogs->answer("save", out);
        w.dialogs->answer("confirm", true);
        w.window->actions()->action("HTML1")->trigger();
        QCOMPARE(w.dialogs->asked, (QStringList{"dialog: SelectItemDlg", "save: Export to HTML",
                                                "confirm: Do you want to view the document?"}));
        const QString text = readText(out);
        QCOMPARE(headings(text), (QStringList{"Alpha", "Bars", "Counts", "Omega"}));
        for (const QString &src : imageSources(text))
            QVERIFY2(QFileInfo::exists(m_dir + "/" + src), qPrintable(src));
        QCOMPARE(w.opened, QList<QUrl>{QUrl::fromLocalFile(out)});
        // The selected page is shown again, not the last exported one.
        QVERIFY(w.documentText().contains("alpha text"));
        QCOMPARE(tree->node(ShownItemIndex), tree->nodeAt(1));
        QVERIFY(!PageModified);
        ExportCommands *commands = w.window->exportCommands();
        QVERIFY(commands->progressBar()->isHidden());
        QVERIFY(commands->cancelButton()->isHidden());
        QVERIFY(w.window->statusPanel(0)->text().isEmpty());
        QVERIFY(w.window->centralWidget()->isEnabled());

        // A second export starts from a fully ticked copy again, and No
        // leaves the file unopened.
        commands->selectItemDlg()->setTicked(1, false);
        w.dialogs->asked.clear();
        w.dialogs->answer("dialog", true);
        w.dialogs->answer("save", m_dir + "/Again.htm");
        commands->HTML1Click();
        QCOMPARE(headings(readText(m_dir + "/Again.htm")).size(), 4);
        QCOMPARE(w.opened.size(), 1);
        QCOMPARE(commands->selectItemDlg()->windowTitle(), QString("Exporting 4 item(s)"));
    }

    void wordExportWritesRtfDocAndDocx()
    {
        Window w(m_report);
        ReportTree *tree = w.dm->tree();
        tree->selectNode(tree->nodeAt(1));
        ExportCommands *commands = w.window->exportCommands();

        // "Rich Text...": the filter preselected by the entry, ".rtf" added to a bare name.
        w.dialogs->answer("dialog", true);
        w.dialogs->answer("saveFiltered", QVariantList{m_dir + "/Word", 2});
        w.dialogs->answer("confirm", false);
        w.window->actions()->action("RTF1")->trigger();
        QCOMPARE(w.dialogs->lastSaveFilterIndex, 2);
        const QString rtf = readText(m_dir + "/Word.rtf");
        QVERIFY(rtf.startsWith("{\\rtf1"));
        for (const char *title : {"Alpha", "Bars", "Counts", "Omega"})
            QVERIFY2(rtf.contains(title), title);
        QVERIFY(rtf.contains("\\trowd")); // the table page is a real table
        QVERIFY(rtf.contains("\\pict"));  // the chart is embedded
        QVERIFY(w.opened.isEmpty());
        // The scratch HTML went; the selected page is shown again.
        QVERIFY(w.documentText().contains("alpha text"));
        QVERIFY(commands->progressBar()->isHidden());
        QVERIFY(w.window->centralWidget()->isEnabled());

        // "MS Word...": a name that holds ".DOC" keeps it; Yes opens the file.
        w.dialogs->answer("dialog", true);
        w.dialogs->answer("saveFiltered", QVariantList{m_dir + "/Report.Doc", 1});
        w.dialogs->answer("confirm", true);
        w.window->actions()->action("ExportMSWord")->trigger();
        QVERIFY(readText(m_dir + "/Report.Doc").startsWith("{\\rtf1"));
        QCOMPARE(w.opened, QList<QUrl>{QUrl::fromLocalFile(m_dir + "/Report.Doc")});

        // "Word document (.docx)...": a real DOCX through pandoc.
        w.dialogs->answer("dialog", true);
        w.dialogs->answer("saveFiltered", QVariantList{m_dir + "/Report", 3});
        w.dialogs->answer("confirm", false);
        w.window->actions()->action("ExportDocx")->trigger();
        QFile docx(m_dir + "/Report.docx");
        QVERIFY(docx.open(QIODevice::ReadOnly));
        QVERIFY(docx.read(2) == "PK");

        // Cancelling the selection asks for no file.
        w.dialogs->asked.clear();
        w.dialogs->answer("dialog", false);
        w.window->actions()->action("RTF1")->trigger();
        QCOMPARE(w.dialogs->asked, QStringList{"dialog: SelectItemDlg"});
    }

    void damagedPagesAreNamedInTheMessage()
    {
        ReportBuilder b(m_report);
        b.page(PageKind::Document, "Good", ReportBuilder::document("<p>good</p>"));
        b.page(PageKind::Chart, "Broken chart", "no chart at all");
        b.finish();
        Window w(m_report);
        w.dialogs->answer("dialog", true);
        w.dialogs->answer("save", m_dir + "/D.htm");
        w.window->exportCommands()->HTML1Click();
        QCOMPARE(w.dialogs->asked.size(), 4);
        QVERIFY(w.dialogs->asked[2].startsWith("message: "));
        QVERIFY(w.dialogs->asked[2].contains("Broken chart"));
        QCOMPARE(headings(readText(m_dir + "/D.htm")), QStringList{"Good"});
    }

    void savePictureWritesTheChosenFormat()
    {
        Window w(m_report);
        ExportCommands *commands = w.window->exportCommands();
        QImage picture(64, 48, QImage::Format_ARGB32);
        picture.fill(QColor(200, 30, 30, 128));

        w.dialogs->answer("saveFiltered", QVariantList{m_dir + "/a/pic.xyz", 2});
        QDir().mkpath(m_dir + "/a");
        commands->SavePicture(picture);
        QCOMPARE(w.dialogs->lastSaveFilter,
                 QString("Portable Network Graphics (*.png)|*.png|JPEG Image File (*.jpg)|*.jpg|"
                         "Bitmaps (*.bmp)|*.bmp"));
        QFile jpeg(m_dir + "/a/pic.JPG");
        QVERIFY(jpeg.open(QIODevice::ReadOnly));
        // Progressive JPEG: a start-of-frame marker of the progressive kind.
        QVERIFY(jpeg.readAll().contains(QByteArray("\xFF\xC2", 2)));
        QCOMPARE(commands->pictureFolder(), m_dir + "/a");

        QDir().mkpath(m_dir + "/b");
        w.dialogs->answer("saveFiltered", QVariantList{m_dir + "/b/pic", 1});
        commands->SavePicture(picture);
        QCOMPARE(w.dialogs->lastSaveFolder, m_dir + "/a");
        const QImage png(m_dir + "/b/pic.PNG");
        QVERIFY(!png.isNull());
        QVERIFY(!png.hasAlphaChannel());

        w.dialogs->answer("saveFiltered", QVariantList{m_dir + "/b/pic.png", 3});
        commands->SavePicture(picture);
        QImageReader bmp(m_dir + "/b/pic.BMP");
        QCOMPARE(bmp.format(), QByteArray("bmp"));
        QCOMPARE(bmp.size(), QSize(64, 48));

        // Cancel writes nothing and keeps the folder.
        commands->SavePicture(picture);
        QCOMPARE(commands->pictureFolder(), m_dir + "/b");
    }

    void theDiagramEditorSavesThroughTheWindow()
    {
        Window w(m_report);
        QWidget *form = w.window->pageEditors()->editor(EditorSlot::Diagram).form;
        auto *diagram = qobject_cast<TDiagramEditor *>(form);
        QVERIFY(diagram);
        QImage picture(20, 20, QImage::Format_RGB32);
        picture.fill(Qt::green);
        w.dialogs->answer("saveFiltered", QVariantList{m_dir + "/diagram.png", 1});
        emit diagram->SavePicture(picture);
        QCOMPARE(w.dialogs->asked, QStringList{"saveFiltered: Save picture"});
        QCOMPARE(QImage(m_dir + "/diagram.PNG").pixelColor(5, 5), QColor(Qt::green));
    }
};

TESSARY_TEST(MainExportTest)
#include "tst_mainexport.moc"
