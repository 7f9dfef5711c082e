#include "tests/editors/tst_wpeditor.h"

#include "editors/document/TWPEditor.h"
#include "platform/TessaryError.h"
#include "platform/convert/Converters.h"
#include "platform/wordproc/RtfReader.h"
#include "platform/wordproc/view/WPFindDlg.h"
#include "platform/wordproc/view/WPTables.h"
#include "platform/wordproc/view/WPView.h"
#include "store/PageState.h"
#include "tests/editors/EditorTestUtil.h"
#include "tests/support/ScriptedDialogs.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextList>
#include <QTextTable>
#include <QToolBar>
#include <QVBoxLayout>

using namespace EditorTestUtil;

namespace {
const QString kData = QStringLiteral(TESSARY_EDITORS_DATA);

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QTextCharFormat formatOf(const QTextDocument *doc, const QString &word)
{
    QTextCursor c = doc->find(word);
    if (c.isNull())
        return {};
    QTextCursor at(const_cast<QTextDocument *>(doc));
    at.setPosition(c.selectionStart() + 1);
    return at.charFormat();
}

QTextTable *firstTable(const QTextDocument *doc)
{
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        QTextCursor c(b);
        if (QTextTable *t = c.currentTable())
            return t;
    }
    return nullptr;
}

// A document with a heading, styles, a two-level list, a table with borders,
// a picture and a link, made through the editor's own operations.
void buildFormattedPage(TWPEditor &editor, const QString &picture)
{
    WPView *v = editor.view();
    QTextCursor c = v->textCursor();
    QTextCharFormat heading;
    heading.setFontPointSize(20);
    heading.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral("Quarterly results"), heading);
    c.insertBlock(QTextBlockFormat(), QTextCharFormat());
    c.insertText(QStringLiteral("Sales rose in "));
    QTextCharFormat italic;
    italic.setFontItalic(true);
    italic.setForeground(QColor(0xC0, 0x20, 0x20));
    c.insertText(QStringLiteral("every"), italic);
    c.insertText(QStringLiteral(" region; "), QTextCharFormat());
    QTextCharFormat marked;
    marked.setBackground(QColor(255, 255, 0));
    marked.setFontUnderline(true);
    c.insertText(QStringLiteral("costs"), marked);
    c.insertText(QStringLiteral(" fell."), QTextCharFormat());
    c.insertBlock();
    c.insertText(QStringLiteral("North"));
    c.insertBlock();
    c.insertText(QStringLiteral("Towns"));
    c.insertBlock();
    c.insertText(QStringLiteral("South"));
    v->setTextCursor(c);
    // The three last paragraphs become a bulleted list, "Towns" one level deeper.
    QTextCursor sel(v->document());
    sel.setPosition(v->document()->findBlockByNumber(2).position());
    sel.setPosition(c.position(), QTextCursor::KeepAnchor);
    v->setTextCursor(sel);
    v->toggleBullets();
    v->setTextCursor(QTextCursor(v->document()->findBlockByNumber(3)));
    v->changeLevel(+1);
    QTextCursor end(v->document());
    end.movePosition(QTextCursor::End);
    end.insertBlock();
    end.setBlockFormat(QTextBlockFormat());
    v->setTextCursor(end);
    if (QTextList *l = end.currentList())
        l->remove(end.block());
    v->createTable(2, 3, true);
    QTextTable *t = v->textCursor().currentTable();
    const char *cells[] = {"Region", "2023", "2024", "North", "120", "135"};
    for (int i = 0; i < 6; ++i)
        t->cellAt(i / 3, i % 3).firstCursorPosition().insertText(QString::fromLatin1(cells[i]));
    QTextCursor after = t->lastCursorPosition();
    after.movePosition(QTextCursor::NextBlock);
    v->setTextCursor(after);
    v->textCursor().insertText(QStringLiteral("Chart: "));
    v->insertPicture(picture);
    v->textCursor().insertBlock();
    v->textCursor().insertText(QStringLiteral("Details on "));
    v->insertHyperlink(QStringLiteral("https://example.org/results"), QStringLiteral("the site"));
}
} // namespace

void TestWPEditor::initTestCase()
{
    QIcon::setFallbackThemeName(QStringLiteral("breeze"));
}

void TestWPEditor::pageModifiedOnTypingNotOnLoad()
{
    TWPEditor editor;
    editor.show();
    PageModified = false;
    editor.loadContent("<html><body><p>stored <b>text</b></p></body></html>", QString());
    QVERIFY(!PageModified);
    QCOMPARE(editor.view()->toPlainText(), QStringLiteral("stored text"));
    QVERIFY(!editor.view()->document()->isUndoAvailable()); // loading is not undoable
    editor.clearContent();
    QVERIFY(!PageModified);
    editor.loadContent("{\\rtf1\\ansi hello\\par}", QString());
    QVERIFY(!PageModified);
    // Moving the caret and selecting change nothing.
    editor.view()->moveCursor(QTextCursor::End);
    editor.view()->selectAll();
    QVERIFY(!PageModified);
    // Typing does.
    editor.view()->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor.view(), QStringLiteral(" typed"));
    QVERIFY(PageModified);
    PageModified = false;
    // Formatting only is a change too, and so is a command.
    editor.view()->selectAll();
    editor.action(QStringLiteral("WPABold1"))->trigger();
    QVERIFY(PageModified);
    PageModified = false;
    editor.action(QStringLiteral("WPACenter1"))->trigger();
    QVERIFY(PageModified);
    PageModified = false;
    // A file loaded for a new page is not a change of the shown page.
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("a.txt")), "x");
    editor.loadFile(dir.filePath(QStringLiteral("a.txt")));
    QVERIFY(!PageModified);
}

void TestWPEditor::storedFormRoundTrip()
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    writeTestPicture(png);
    TWPEditor editor;
    buildFormattedPage(editor, png);
    const QByteArray stored = editor.saveContent();
    QVERIFY(!stored.isEmpty());

    TWPEditor other;
    PageModified = false;
    other.loadContent(stored, QString());
    QVERIFY(!PageModified);
    const QTextDocument *doc = other.view()->document();
    // The same text; the HTML form may add an empty paragraph after a table.
    auto squeeze = [](QString text) {
        return text.replace(QStringLiteral("\n\n"), QStringLiteral("\n"));
    };
    QCOMPARE(squeeze(doc->toPlainText()), squeeze(editor.view()->document()->toPlainText()));
    // Character styles.
    QTextCharFormat f = formatOf(doc, QStringLiteral("Quarterly"));
    QCOMPARE(f.fontWeight(), int(QFont::Bold));
    QCOMPARE(f.fontPointSize(), 20.0);
    f = formatOf(doc, QStringLiteral("every"));
    QVERIFY(f.fontItalic());
    QCOMPARE(f.foreground().color(), QColor(0xC0, 0x20, 0x20));
    f = formatOf(doc, QStringLiteral("costs"));
    QVERIFY(f.fontUnderline());
    QCOMPARE(f.background().color(), QColor(255, 255, 0));
    QVERIFY(formatOf(doc, QStringLiteral("region")).background().style() == Qt::NoBrush);
    // Lists with their levels.
    const QTextBlock north = doc->find(QStringLiteral("North")).block();
    const QTextBlock towns = doc->find(QStringLiteral("Towns")).block();
    QVERIFY(north.textList());
    QVERIFY(towns.textList());
    QCOMPARE(north.textList()->format().style(), QTextListFormat::ListDisc);
    QVERIFY(towns.textList()->format().indent() > north.textList()->format().indent());
    QCOMPARE(doc->find(QStringLiteral("South")).block().textList(), north.textList());
    // The table with its cells and borders.
    QTextTable *t = firstTable(doc);
    QVERIFY(t);
    QCOMPARE(t->rows(), 2);
    QCOMPARE(t->columns(), 3);
    QCOMPARE(t->cellAt(1, 2).firstCursorPosition().block().text(), QStringLiteral("135"));
    // The picture, with its pixels, and the link.
    QCOMPARE(pictureCount(doc), 1);
    QString name;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                name = it.fragment().charFormat().toImageFormat().name();
    const QImage image = qvariant_cast<QImage>(
        const_cast<QTextDocument *>(doc)->resource(QTextDocument::ImageResource, QUrl(name)));
    QCOMPARE(image.size(), QSize(40, 30));
    QCOMPARE(QColor(image.pixel(20, 15)), QColor(Qt::red));
    QCOMPARE(links(doc), QStringList{QStringLiteral("https://example.org/results")});
    // Stored and loaded again, nothing drifts.
    const QByteArray second = other.saveContent();
    TWPEditor third;
    third.loadContent(second, QString());
    QCOMPARE(third.saveContent(), second);
}

void TestWPEditor::malformedContent()
{
    TWPEditor editor;
    editor.loadContent("<p>before</p>", QString());
    QByteArray binary("PK\x03\x04\0\0garbage\0", 16);
    try {
        editor.loadContent(binary, QString());
        QFAIL("binary content was accepted");
    } catch (const TessaryError &e) {
        QVERIFY(e.message().contains(QStringLiteral("not text")));
    }
    // The editor is left empty and usable, not half-loaded.
    QVERIFY(editor.view()->toPlainText().isEmpty());
    editor.loadContent("<p>after</p>", QString());
    QCOMPARE(editor.view()->toPlainText(), QStringLiteral("after"));
}

void TestWPEditor::commandsAndPopup()
{
    TWPEditor editor;
    const struct
    {
        const char *name, *caption, *category;
    } expected[] = {
        {"WPImport", "Import...", "WPEditor"},
        {"WPExport", "Export...", "WPEditor"},
        {"WPFont", "Fonts...", "WPEditor"},
        {"WPParagraph", "Paragraphs...", "WPEditor"},
        {"WPBullets", "Bullets...", "WPEditor"},
        {"WPTabStops", "Tab stops...", "WPEditor"},
        {"WPPageSetup", "Page setup", "WPEditor"},
        {"WPBorders", "Borders...", "WPEditor"},
        {"WPAUndo1", "Undo", "WPT_Edit"},
        {"WPARedo1", "Redo", "WPT_Edit"},
        {"WPACopy1", "Copy", "WPT_Edit"},
        {"WPACut1", "Cut", "WPT_Edit"},
        {"WPAPaste1", "Paste", "WPT_Edit"},
        {"WPASearch1", "Find", "WPT_Edit"},
        {"WPAReplace1", "Replace", "WPT_Edit"},
        {"WPASellAll1", "Select All", "WPT_Edit"},
        {"WPADeleteText1", "Delete Text", "WPT_Edit"},
        {"WPALeft1", "Left", "WPT_ParAttr"},
        {"WPACenter1", "Center", "WPT_ParAttr"},
        {"WPARight1", "Right", "WPT_ParAttr"},
        {"WPAJustified1", "Justified", "WPT_ParAttr"},
        {"WPABullets1", "Bullets", "WPT_ParAttr"},
        {"WPANumbers1", "Numbers", "WPT_ParAttr"},
        {"WPADecIndent1", "Prior Level", "WPT_ParAttr"},
        {"WPAIncIndent1", "Next Level", "WPT_ParAttr"},
        {"WPAOpen1", "Open", "WPT_File"},
        {"WPASave1", "Save", "WPT_File"},
        {"WPANew1", "New", "WPT_File"},
        {"WPABold1", "Bold", "WPT_CharAttr"},
        {"WPAItalic1", "Italic", "WPT_CharAttr"},
        {"WPAUnderline1", "Underlined", "WPT_CharAttr"},
        {"WPAStrikeout1", "Strike Out", "WPT_CharAttr"},
        {"WPASubscript1", "Subscript", "WPT_CharAttr"},
        {"WPASuperscript1", "Superscript", "WPT_CharAttr"},
        {"WPAPrint1", "Print", "WPT_Print"},
        {"WPAPrinterSetup1", "Printer Setup", "WPT_Print"},
        {"WPACreateTable1", "Create Table", "WPT_Table"},
        {"WPAInsRow1", "Insert Row", "WPT_Table"},
        {"WPADelRow1", "Delete Row", "WPT_Table"},
        {"WPASelectRow1", "Select Row", "WPT_Table"},
        {"WPAInsCol1", "Insert Column", "WPT_Table"},
        {"WPADelCol1", "Delete Column", "WPT_Table"},
        {"WPASelectColumn1", "Select Column", "WPT_Table"},
        {"WPABTop1", "Top Borders", "WPT_Table"},
        {"WPABBottom1", "Bottom Borders", "WPT_Table"},
        {"WPABLeft1", "Left Borders", "WPT_Table"},
        {"WPABRight1", "Right Borders", "WPT_Table"},
        {"WPABAllOn1", "Switch Borders On", "WPT_Table"},
        {"WPABAllOff1", "Switch Borders Off", "WPT_Table"},
    };
    for (const auto &e : expected) {
        QAction *a = editor.action(QString::fromLatin1(e.name));
        QVERIFY2(a, e.name);
        QCOMPARE(a->objectName(), QString::fromLatin1(e.name));
        QCOMPARE(a->text(), QString::fromLatin1(e.caption));
        QCOMPARE(a->property("category").toString(), QString::fromLatin1(e.category));
        QVERIFY2(editor.wpActions().contains(a), e.name);
    }

    // The pop-up menu in its order.
    QStringList items;
    QStringList tableItems;
    for (QAction *a : editor.popupMenu()->actions()) {
        if (a->menu()) {
            items << QStringLiteral("[Table]");
            for (QAction *t : a->menu()->actions())
                tableItems << (t->isSeparator() ? QStringLiteral("-") : t->objectName());
        } else {
            items << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        }
    }
    QCOMPARE(editor.popupMenu()->objectName(), QStringLiteral("MemoPopup2"));
    QCOMPARE(items.join(QLatin1Char(' ')),
             QStringLiteral("WPACut1 WPACopy1 WPAPaste1 - WPASearch1 WPAReplace1 - WPFont "
                            "WPParagraph WPBorders WPTabStops WPBullets [Table] WPPageSetup - "
                            "WPImport WPExport WPAPrint1"));
    QCOMPARE(tableItems.join(QLatin1Char(' ')),
             QStringLiteral("WPACreateTable1 - WPASelectRow1 WPAInsRow1 WPADelRow1 - "
                            "WPASelectColumn1 WPAInsCol1 WPADelCol1 - WPABAllOn1 WPABAllOff1 - "
                            "WPABTop1 WPABBottom1 WPABLeft1 WPABRight1"));

    // Table commands are enabled inside a table only; the actions drive the view.
    ScriptedDialogsScope dialogs;
    QVERIFY(!editor.action(QStringLiteral("WPAInsRow1"))->isEnabled());
    dialogs->answer("dialog", QVariantMap{{"rows", 2}, {"columns", 2}});
    editor.action(QStringLiteral("WPACreateTable1"))->trigger();
    QTextTable *t = editor.view()->textCursor().currentTable();
    QVERIFY(t);
    QVERIFY(editor.action(QStringLiteral("WPAInsRow1"))->isEnabled());
    editor.action(QStringLiteral("WPAInsRow1"))->trigger();
    editor.action(QStringLiteral("WPAInsCol1"))->trigger();
    QCOMPARE(t->rows(), 3);
    QCOMPARE(t->columns(), 3);
    editor.action(QStringLiteral("WPADelCol1"))->trigger();
    QCOMPARE(t->columns(), 2);
    editor.action(QStringLiteral("WPABAllOff1"))->trigger();
    QCOMPARE(t->cellAt(editor.view()->textCursor()).format().toTableCellFormat().topBorder(), 0.0);
    editor.action(QStringLiteral("WPABTop1"))->trigger();
    QCOMPARE(t->cellAt(editor.view()->textCursor()).format().toTableCellFormat().topBorder(), 1.0);
    // The toolbar's extra button creates tables.
    QVERIFY(editor.findChild<QWidget *>(QStringLiteral("WPToolButton1")));

    // Character and paragraph actions follow the caret.
    editor.view()->selectAll();
    editor.view()->textCursor().removeSelectedText();
    editor.view()->setFontSize(10);
    editor.action(QStringLiteral("WPAItalic1"))->trigger();
    QVERIFY(editor.action(QStringLiteral("WPAItalic1"))->isChecked());
    QVERIFY(editor.view()->currentCharFormat().fontItalic());
    editor.action(QStringLiteral("WPANumbers1"))->trigger();
    QVERIFY(editor.action(QStringLiteral("WPANumbers1"))->isChecked());
    QVERIFY(!editor.action(QStringLiteral("WPABullets1"))->isChecked());
    // Find opens the non-modal dialog; Replace shows its replace part.
    editor.action(QStringLiteral("WPAReplace1"))->trigger();
    QVERIFY(editor.findDialog()->isVisible());
    QVERIFY(editor.findDialog()->findChild<QWidget *>(QStringLiteral("replaceText"))->isVisible());
    editor.findDialog()->close();
    // Every dialog command runs through the seam; cancelling changes nothing.
    PageModified = false;
    for (const char *n : {"WPFont", "WPParagraph", "WPBullets", "WPTabStops", "WPPageSetup"})
        editor.action(QString::fromLatin1(n))->trigger();
    QVERIFY(!PageModified);
    QCOMPARE(dialogs->unanswered.size(), 5);
}

void TestWPEditor::caretColours()
{
    TWPEditor editor;
    editor.loadContent("<p>plain <span style=\"background-color:#00ff00; color:#0000ff\">marked"
                       "</span> plain</p>",
                       QString());
    QSignalSpy spy(&editor, &TWPEditor::caretColorsChanged);
    QTextCursor c = editor.view()->textCursor();
    c.setPosition(9); // inside "marked"
    editor.view()->setTextCursor(c);
    QCOMPARE(editor.WPBackGroundColor(), QColor(0, 255, 0));
    QCOMPARE(editor.WPFontColor(), QColor(0, 0, 255));
    QVERIFY(spy.count() >= 1);
    QCOMPARE(spy.last().at(1).value<QColor>(), QColor(0, 255, 0));
    c.setPosition(16); // in the last plain word
    editor.view()->setTextCursor(c);
    QCOMPARE(editor.WPBackGroundColor(), QColor(0xFF, 0xFF, 0xFF));
    QCOMPARE(editor.WPFontColor(), QColor(Qt::black));

    // The main window's selectors colour the selection; white means none.
    c.setPosition(0);
    c.setPosition(5, QTextCursor::KeepAnchor);
    editor.view()->setTextCursor(c);
    editor.setBackGroundColor(QColor(255, 0, 255));
    editor.setFontColor(QColor(10, 20, 30));
    QCOMPARE(formatOf(editor.view()->document(), QStringLiteral("plain")).background().color(),
             QColor(255, 0, 255));
    editor.setBackGroundColor(Qt::white);
    QCOMPARE(formatOf(editor.view()->document(), QStringLiteral("plain")).background().style(),
             Qt::NoBrush);
    QCOMPARE(formatOf(editor.view()->document(), QStringLiteral("plain")).foreground().color(),
             QColor(10, 20, 30));
}

void TestWPEditor::setLanguage()
{
    ScriptedDialogsScope dialogs;
    TWPEditor editor;
    QCOMPARE(editor.language(), QStringLiteral("EN"));
    QString title;
    auto runFontDialog = [&] {
        dialogs->answer("dialog", false);
        editor.WPFont();
    };
    editor.SetLanguage(QStringLiteral("FR"));
    QCOMPARE(editor.language(), QStringLiteral("FR"));
    QCOMPARE(editor.view()->wpText(QStringLiteral("Font")), QStringLiteral("Police"));
    runFontDialog();
    // The non-modal find dialog follows a switch while it exists.
    editor.WPReplace();
    QCOMPARE(editor.findDialog()->windowTitle(), QStringLiteral("Remplacer"));
    editor.SetLanguage(QStringLiteral("PL"));
    QCOMPARE(editor.findDialog()->windowTitle(), QStringLiteral("Zamień"));
    editor.SetLanguage(QStringLiteral("ES"));
    QCOMPARE(editor.view()->wpText(QStringLiteral("Borders")), QStringLiteral("Bordes"));
    // A language that WP.XML does not hold keeps the previous one.
    editor.SetLanguage(QStringLiteral("DE"));
    QCOMPARE(editor.language(), QStringLiteral("ES"));
    QCOMPARE(editor.view()->wpText(QStringLiteral("Bold")), QStringLiteral("Negrita"));
    // Every text of every dialog has its three translations.
    QFile xml(QStringLiteral(":/document/WP.XML"));
    QVERIFY(xml.open(QIODevice::ReadOnly));
    const QByteArray bytes = xml.readAll();
    QCOMPARE(bytes.count("<t en="), 3 * bytes.mid(0, bytes.indexOf("</FR>")).count("<t en="));
    editor.SetLanguage(QStringLiteral("en"));
    QCOMPARE(editor.view()->wpText(QStringLiteral("Bold")), QStringLiteral("Bold"));
}

void TestWPEditor::loadFileByExtension()
{
    ScriptedDialogsScope dialogs;
    QTemporaryDir dir;
    TWPEditor editor;

    // RTF: our reader, with its formatting and code page.
    editor.loadFile(kData + QStringLiteral("/formatted.rtf"));
    QTextDocument *doc = editor.view()->document();
    QVERIFY(doc->toPlainText().contains(QStringLiteral("Title of the report")));
    QVERIFY(doc->toPlainText().contains(QStringLiteral("Café crème and € euro.")));
    QCOMPARE(formatOf(doc, QStringLiteral("bold")).fontWeight(), int(QFont::Bold));
    QVERIFY(formatOf(doc, QStringLiteral("italic")).fontItalic());
    QCOMPARE(formatOf(doc, QStringLiteral("red")).foreground().color(), QColor(255, 0, 0));

    // TXT: plain lines, UTF-8 or 8-bit.
    writeFile(dir.filePath(QStringLiteral("lines.TXT")), "first <b>line</b>\nsecond \xc3\xa9\n");
    editor.loadFile(dir.filePath(QStringLiteral("lines.TXT")));
    QCOMPARE(doc->blockCount(), 3);
    QCOMPARE(doc->findBlockByNumber(0).text(), QStringLiteral("first <b>line</b>"));
    QCOMPARE(doc->findBlockByNumber(1).text(), QStringLiteral("second é"));
    writeFile(dir.filePath(QStringLiteral("latin.txt")), "caf\xe9");
    editor.loadFile(dir.filePath(QStringLiteral("latin.txt")));
    QCOMPARE(doc->toPlainText(), QStringLiteral("café"));

    // HTML and HTM, with a picture beside the file that becomes part of the page.
    writeTestPicture(dir.filePath(QStringLiteral("pic.png")));
    const QByteArray html = "<html><head><meta charset=\"utf-8\"></head><body><h1>Head</h1>"
                            "<p>Text with <a href=\"https://example.org\">a link</a> "
                            "<img src=\"pic.png\"></p></body></html>";
    writeFile(dir.filePath(QStringLiteral("page.html")), html);
    writeFile(dir.filePath(QStringLiteral("page.htm")), html);
    for (const char *name : {"page.html", "page.htm"}) {
        editor.loadFile(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(doc->toPlainText().startsWith(QStringLiteral("Head")));
        QCOMPARE(links(doc), QStringList{QStringLiteral("https://example.org")});
        QCOMPARE(pictureCount(doc), 1);
    }
    QFile::remove(dir.filePath(QStringLiteral("pic.png")));
    const QByteArray stored = editor.saveContent();
    TWPEditor other;
    other.loadContent(stored, QString());
    QCOMPARE(pictureCount(other.view()->document()), 1);

    // Any other extension, or none: an empty document, not an error.
    writeFile(dir.filePath(QStringLiteral("data.xyz")), "whatever");
    editor.loadFile(dir.filePath(QStringLiteral("data.xyz")));
    QVERIFY(doc->isEmpty());
    writeFile(dir.filePath(QStringLiteral("noext")), "whatever");
    editor.loadFile(dir.filePath(QStringLiteral("noext")));
    QVERIFY(doc->isEmpty());

    // A missing file names itself in the error.
    for (const char *name : {"missing.rtf", "missing.txt", "missing.html", "missing.docx"}) {
        try {
            editor.loadFile(dir.filePath(QString::fromLatin1(name)));
            QFAIL(name);
        } catch (const TessaryError &e) {
            QVERIFY2(e.message().contains(QString::fromLatin1(name)), qPrintable(e.message()));
        }
    }
    // A file named .docx that is not one: a clear error, the editor stays usable.
    writeFile(dir.filePath(QStringLiteral("broken.docx")), "this is not a zip archive");
    QVERIFY_THROWS_EXCEPTION(TessaryError,
                             editor.loadFile(dir.filePath(QStringLiteral("broken.docx"))));
    editor.loadFile(dir.filePath(QStringLiteral("lines.TXT")));
    QCOMPARE(doc->blockCount(), 3);
}

void TestWPEditor::loadDocxMadeByPandoc()
{
    if (!Converters::pandocAvailable())
        QSKIP("pandoc is not installed");
    QTemporaryDir dir;
    const QString md = dir.filePath(QStringLiteral("in.md"));
    writeFile(md, "# Heading One\n\nSome **bold** words and a [link](https://example.org/d).\n\n"
                  "| Name | Value |\n|------|-------|\n| a    | 1     |\n| b    | 2     |\n");
    for (const char *ext : {"docx", "odt"}) {
        const QString out = dir.filePath(QStringLiteral("made.") + QString::fromLatin1(ext));
        QCOMPARE(QProcess::execute(QStringLiteral("pandoc"), {md, QStringLiteral("-o"), out}), 0);
        TWPEditor editor;
        editor.loadFile(out);
        const QTextDocument *doc = editor.view()->document();
        QVERIFY2(doc->toPlainText().contains(QStringLiteral("Heading One")), ext);
        QCOMPARE(formatOf(doc, QStringLiteral("bold")).fontWeight(), int(QFont::Bold));
        QTextTable *t = firstTable(doc);
        QVERIFY2(t, ext);
        // pandoc's ODT reader drops the header row of a table; DOCX keeps it.
        QCOMPARE(t->rows(), QByteArray(ext) == "docx" ? 3 : 2);
        QCOMPARE(t->cellAt(t->rows() - 1, 1).firstCursorPosition().block().text(),
                 QStringLiteral("2"));
        QCOMPARE(links(doc), QStringList{QStringLiteral("https://example.org/d")});
    }
}

void TestWPEditor::saveToFileByExtension()
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    writeTestPicture(png);
    TWPEditor editor;
    buildFormattedPage(editor, png);
    QCOMPARE(editor.saveExtensions(),
             QStringList({"rtf", "html", "htm", "txt", "docx", "odt", "pdf"}));
    for (const QString &ext : editor.saveExtensions())
        editor.saveToFile(dir.filePath(QStringLiteral("out.") + ext));

    // RTF reads back through our reader.
    QTextDocument rtf;
    RtfReader::read(readFile(dir.filePath(QStringLiteral("out.rtf"))), &rtf);
    QVERIFY(rtf.toPlainText().contains(QStringLiteral("Quarterly results")));
    QVERIFY(rtf.toPlainText().contains(QStringLiteral("the site")));
    // HTML: self-contained, the picture inside.
    const QByteArray html = readFile(dir.filePath(QStringLiteral("out.html")));
    QVERIFY(html.contains("Quarterly results"));
    QVERIFY(html.contains("data:image/"));
    QCOMPARE(readFile(dir.filePath(QStringLiteral("out.htm"))), html);
    // Plain text.
    const QString txt = QString::fromUtf8(readFile(dir.filePath(QStringLiteral("out.txt"))));
    QVERIFY(txt.startsWith(QStringLiteral("Quarterly results\nSales rose in every region")));
    // PDF.
    QVERIFY(readFile(dir.filePath(QStringLiteral("out.pdf"))).startsWith("%PDF"));
    // DOCX and ODT are zip archives with the text and the table inside.
    const QString zipText = QStringLiteral("import sys, zipfile\n"
                                           "z = zipfile.ZipFile(sys.argv[1])\n"
                                           "print(' '.join(sorted(z.namelist())))\n"
                                           "print(z.read(sys.argv[2]).decode('utf-8'))\n");
    const QByteArray docx = python(
        zipText, {dir.filePath(QStringLiteral("out.docx")), QStringLiteral("word/document.xml")});
    QVERIFY2(docx.contains("word/media/"), docx.left(300).constData()); // the picture
    QVERIFY(docx.contains("Quarterly results"));
    QVERIFY(docx.contains("<w:tbl>"));
    QVERIFY(docx.contains("<w:b"));
    const QByteArray odt =
        python(zipText, {dir.filePath(QStringLiteral("out.odt")), QStringLiteral("content.xml")});
    QVERIFY(odt.contains("Quarterly results"));
    QVERIFY(odt.contains("table:table"));

    // A format it does not write.
    try {
        editor.saveToFile(dir.filePath(QStringLiteral("out.xls")));
        QFAIL("xls written");
    } catch (const TessaryError &e) {
        QVERIFY(e.message().contains(QStringLiteral("xls")));
    }
    // A folder that does not exist.
    QVERIFY_THROWS_EXCEPTION(TessaryError,
                             editor.saveToFile(dir.filePath(QStringLiteral("no/such/out.rtf"))));
}

void TestWPEditor::importAndExport()
{
    ScriptedDialogsScope dialogs;
    QTemporaryDir dir;
    TWPEditor editor;
    editor.loadContent("<p>old page</p>", QString());
    PageModified = false;

    // Cancelled import changes nothing.
    editor.WPImport();
    QCOMPARE(editor.view()->toPlainText(), QStringLiteral("old page"));
    QVERIFY(!PageModified);
    // Import replaces the page and marks it modified.
    dialogs->answer("open", kData + QStringLiteral("/formatted.rtf"));
    editor.WPImport();
    QVERIFY2(editor.view()->toPlainText().startsWith(QStringLiteral("Title of the report")),
             qPrintable(editor.view()->toPlainText() + dialogs->asked.join(QLatin1Char('|'))));
    QVERIFY(PageModified);
    // A file that cannot be read: a message, the page stays.
    PageModified = false;
    dialogs->answer("open", dir.filePath(QStringLiteral("missing.rtf")));
    editor.WPImport();
    QVERIFY(dialogs->asked.last().startsWith(QStringLiteral("message: Cannot read")));
    QVERIFY(editor.view()->toPlainText().startsWith(QStringLiteral("Title of the report")));
    QVERIFY(!PageModified);

    // Export writes the chosen type; a failing one says why.
    dialogs->answer("save", dir.filePath(QStringLiteral("exported.txt")));
    editor.WPExport();
    QVERIFY(QString::fromUtf8(readFile(dir.filePath(QStringLiteral("exported.txt"))))
                .startsWith(QStringLiteral("Title of the report")));
    dialogs->answer("save", dir.filePath(QStringLiteral("exported.pdf")));
    editor.WPExport();
    QVERIFY(readFile(dir.filePath(QStringLiteral("exported.pdf"))).startsWith("%PDF"));
    // Save writes again to the last exported file.
    editor.view()->moveCursor(QTextCursor::End);
    editor.view()->textCursor().insertText(QStringLiteral(" added"));
    dialogs->answer("save", dir.filePath(QStringLiteral("exported.txt")));
    editor.WPExport();
    editor.view()->textCursor().insertText(QStringLiteral(" again"));
    editor.WPSave();
    QVERIFY(QString::fromUtf8(readFile(dir.filePath(QStringLiteral("exported.txt"))))
                .trimmed()
                .endsWith(QStringLiteral("added again")));
    dialogs->answer("save", dir.filePath(QStringLiteral("exported.wpd")));
    editor.WPExport();
    QVERIFY(dialogs->asked.last().contains(QStringLiteral("cannot be written")));

    // Printing goes through the seam; a cancelled print prints nothing.
    editor.WPPrint();
    QVERIFY(dialogs->unanswered.last().startsWith(QStringLiteral("print")));
    dialogs->answer("preview", false);
    editor.WPPrintPreview();
    QVERIFY(dialogs->asked.last().startsWith(QStringLiteral("printPreview")));
}

void TestWPEditor::renderImage()
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    writeTestPicture(png);
    TWPEditor editor;
    buildFormattedPage(editor, png);
    const QImage image = editor.renderImage(QSize(640, 480));
    QCOMPARE(image.size(), QSize(640, 480));
    // Dark text pixels at the top, the red of the picture somewhere below.
    int dark = 0, red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (y < 60 && c.lightness() < 100)
                ++dark;
            if (c.red() > 200 && c.green() < 50 && c.blue() < 50)
                ++red;
        }
    QVERIFY(dark > 50);
    QVERIFY(red >= 300);
    const QString shots = qEnvironmentVariable("TESSARY_SHOTS");
    if (!shots.isEmpty()) {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(editor.createFormatBar(&window));
        editor.setParent(&window);
        layout->addWidget(&editor);
        window.resize(900, 640);
        window.show();
        window.grab().save(shots + QStringLiteral("/editor.png"));
        editor.setParent(nullptr);
        QTest::mouseClick(editor.view()->viewport(), Qt::LeftButton);
        editor.popupMenu()->popup(QPoint(0, 0));
        editor.popupMenu()->grab().save(shots + QStringLiteral("/popup.png"));
        editor.popupMenu()->hide();
        image.save(shots + QStringLiteral("/render.png"));
    }
}
