#include "tests/diagram/tst_editor.h"

#include "diagram/ColorBox.h"
#include "diagram/TDiagramEditor.h"
#include "diagram/TEditBlockDlg.h"
#include "diagram/TSizingDlg.h"
#include "platform/TessaryError.h"
#include "platform/diagramview/DiagramBlock.h"
#include "platform/diagramview/DiagramLink.h"
#include "platform/diagramview/DiagramScene.h"
#include "platform/diagramview/DiagramStream.h"
#include "platform/diagramview/TatDiagram.h"
#include "store/PageState.h"
#include "tests/diagram/DiagramFixtures.h"
#include "tests/support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {
QStringList linkLabels(TatDiagram *d)
{
    QStringList labels;
    for (int i = 0; i < d->LinkCount(); ++i)
        labels << d->Links(i)->labelText();
    return labels;
}

QStringList blockLabels(TatDiagram *d)
{
    QStringList labels;
    for (int i = 0; i < d->BlockCount(); ++i)
        labels << d->Blocks(i)->labelText();
    return labels;
}
} // namespace

void TestDiagramEditor::init()
{
    PageModified = false;
}

void TestDiagramEditor::deleteTakesAttachedLinksInOrder()
{
    TDiagramEditor editor;
    TatDiagram *d = editor.atDiagram1;
    // L0: 0-1, L1: 1-2, L2: 2-3, L3: 3-4, L4: 1-1, L5: 0-4, L6: 4-2
    d->setDocument(makeDiagram(5, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {1, 1}, {0, 4}, {4, 2}}));
    d->Blocks(1)->setSelected(true);
    d->Blocks(3)->setSelected(true);
    d->Links(5)->setSelected(true);  // between unselected blocks: deleted
    d->Links(0)->setSelected(false); // attached to a deleted block: deleted anyway
    editor.Delete1Click();
    QCOMPARE(blockLabels(d), QStringList({"B0", "B2", "B4"}));
    QCOMPARE(linkLabels(d), QStringList({"L6"}));
    QCOMPARE(d->Links(0)->source(), d->Blocks(2));
    QCOMPARE(d->Links(0)->target(), d->Blocks(1));
    QVERIFY(PageModified);
    // Nothing selected: nothing deleted.
    PageModified = false;
    editor.Delete1Click();
    QCOMPARE(d->BlockCount(), 3);
    QCOMPARE(d->LinkCount(), 1);
    // Only a link selected: only that link goes.
    d->Links(0)->setSelected(true);
    editor.Delete1Click();
    QCOMPARE(d->BlockCount(), 3);
    QCOMPARE(d->LinkCount(), 0);
    // The stream afterwards names the remaining blocks by their new indices.
    const DiagramDocument doc = DiagramStream::read(editor.saveContent());
    QCOMPARE(doc.blocks.size(), 3);
}

void TestDiagramEditor::zoomSteps()
{
    TDiagramEditor editor;
    QCOMPARE(editor.atDiagram1->Zoom(), 100);
    editor.btnDiagramZoomInClick();
    QCOMPARE(editor.atDiagram1->Zoom(), 110);
    QVERIFY(PageModified);
    editor.barAction("btnDiagramZoomIn")->trigger();
    QCOMPARE(editor.atDiagram1->Zoom(), 121);
    editor.atDiagram1->SetZoom(100);
    editor.barAction("btnDiagramZoomOut")->trigger();
    QCOMPARE(editor.atDiagram1->Zoom(), 90);
    editor.btnDiagramZoomOutClick();
    QCOMPARE(editor.atDiagram1->Zoom(), 81);
    // Rounded to the nearest integer: 27.5 gives 28, 13.5 gives 14.
    editor.atDiagram1->SetZoom(25);
    editor.btnDiagramZoomInClick();
    QCOMPARE(editor.atDiagram1->Zoom(), 28);
    editor.atDiagram1->SetZoom(15);
    editor.btnDiagramZoomOutClick();
    QCOMPARE(editor.atDiagram1->Zoom(), 14);
}

void TestDiagramEditor::contextMenuOnlyWithSelection()
{
    TDiagramEditor editor;
    editor.resize(600, 400);
    editor.atDiagram1->setDocument(makeDiagram(3, {{0, 1}}));
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QWidget *vp = editor.atDiagram1->viewport();
    const QPoint onBlock = editor.atDiagram1->mapFromScene(editor.atDiagram1->Blocks(0)->center());
    // Right button over a block with nothing selected: no menu.
    QTest::mousePress(vp, Qt::RightButton, {}, onBlock);
    QTest::mouseRelease(vp, Qt::RightButton, {}, onBlock);
    QVERIFY(!editor.PopupMenu1->isVisible());
    // Left button never opens it.
    editor.atDiagram1->Links(0)->setSelected(true);
    editor.atDiagram1DControlMouseUp(Qt::LeftButton, onBlock, nullptr);
    QVERIFY(!editor.PopupMenu1->isVisible());
    // A selected link is enough.
    QTest::mousePress(vp, Qt::RightButton, {}, onBlock);
    QTest::mouseRelease(vp, Qt::RightButton, {}, onBlock);
    QVERIFY(editor.PopupMenu1->isVisible());
    QCOMPARE(editor.PopupMenu1->actions().size(), 2);
    QCOMPARE(editor.Delete1->text(), QStringLiteral("Delete"));
    QCOMPARE(editor.Edit1->text(), QStringLiteral("Edit..."));
    editor.PopupMenu1->hide();
    // A selected block.
    editor.atDiagram1->UnselectAll();
    editor.atDiagram1->Blocks(2)->setSelected(true);
    editor.atDiagram1DControlMouseUp(Qt::RightButton, onBlock, nullptr);
    QVERIFY(editor.PopupMenu1->isVisible());
    editor.PopupMenu1->hide();
}

void TestDiagramEditor::editDialogWithTwoBlocks()
{
    TDiagramEditor editor;
    TatDiagram *d = editor.atDiagram1;
    DiagramDocument doc = makeDiagram(4, {{0, 1}, {2, 3}});
    doc.blocks[1].shape = BlockShape::RoundRect;
    doc.blocks[1].color = QColor(10, 20, 30);
    doc.blocks[1].texts[0].font.setPointSize(13);
    doc.blocks[3].shape = BlockShape::Ellipse;
    doc.blocks[3].color = QColor(200, 100, 50);
    doc.blocks[3].width = 44.6;
    doc.blocks[3].texts[0].font.setPointSize(11);
    d->setDocument(doc);
    d->Blocks(1)->setSelected(true);
    d->Blocks(3)->setSelected(true);
    TEditBlockDlg *dlg = editor.EditBlockDlg;
    bool shown = false;
    QTimer::singleShot(0, dlg, [&] {
        shown = dlg->isVisible();
        QVERIFY(dlg->edBlockText->toPlainText().isEmpty());
        QVERIFY(!dlg->edBlockText->isEnabled());
        QCOMPARE(dlg->SpinSize->value(), 45);
        QCOMPARE(dlg->cboxShape->currentIndex(), int(TEditBlockDlg::Circle));
        QCOMPARE(dlg->ColorBox1->selected(), QColor(200, 100, 50));
        QCOMPARE(dlg->FontDialogFont().pointSize(), 11);
        QVERIFY(dlg->PageControl1->isTabEnabled(0));
        QVERIFY(!dlg->PageControl1->isTabEnabled(1));
        QCOMPARE(dlg->PageControl1->currentIndex(), 0);
        QVERIFY(dlg->EditedLinks().isEmpty());
        dlg->accept();
    });
    editor.Edit1Click();
    QVERIFY(shown);
    QVERIFY(PageModified);
    // Showing the dialog changed nothing.
    QCOMPARE(d->Blocks(1)->width(), 31.0);
    QCOMPARE(d->Blocks(1)->labelText(), QStringLiteral("B1"));

    // One block: its label is in the box and the box is enabled.
    d->UnselectAll();
    d->Blocks(1)->setSelected(true);
    QVERIFY(editor.FillEditDialog());
    QCOMPARE(dlg->edBlockText->toPlainText(), QStringLiteral("B1"));
    QVERIFY(dlg->edBlockText->isEnabled());
    QCOMPARE(dlg->cboxShape->currentIndex(), int(TEditBlockDlg::Diamond));
    QCOMPARE(dlg->SpinSize->value(), 31);
    d->UnselectAll();
    QVERIFY(!editor.FillEditDialog());
}

void TestDiagramEditor::editDialogWithLinksOnly()
{
    TDiagramEditor editor;
    TatDiagram *d = editor.atDiagram1;
    DiagramDocument doc = makeDiagram(3, {{0, 1}, {1, 2}});
    doc.links[1].penWidth = 3.4;
    doc.links[1].penColor = QColor(1, 2, 3);
    doc.links[1].style = LinkStyle::DashDot;
    doc.links[1].texts[0].font.setPointSize(9);
    d->setDocument(doc);
    d->Links(1)->setSelected(true);
    TEditBlockDlg *dlg = editor.EditBlockDlg;
    QTimer::singleShot(0, dlg, [&] {
        QVERIFY(!dlg->PageControl1->isTabEnabled(0));
        QVERIFY(dlg->PageControl1->isTabEnabled(1));
        QCOMPARE(dlg->PageControl1->currentIndex(), 1);
        QCOMPARE(dlg->edLinkText->toPlainText(), QStringLiteral("L1"));
        QVERIFY(dlg->edLinkText->isEnabled());
        QCOMPARE(dlg->SpinSize2->value(), 3);
        QCOMPARE(dlg->ColorBox2->selected(), QColor(1, 2, 3));
        QCOMPARE(dlg->PStyle->currentIndex(), 3);
        QCOMPARE(dlg->SampleFont2->font().pointSize(), 9);
        // Activation remembered the link and unselected it.
        QCOMPARE(dlg->EditedLinks(), QList<int>({1}));
        QVERIFY(!d->Links(1)->isSelected());
        dlg->edLinkText->setPlainText(QStringLiteral("0.75"));
        dlg->accept();
    });
    editor.Edit1Click();
    QCOMPARE(d->Links(1)->labelText(), QStringLiteral("0.75"));
    QCOMPARE(d->Links(0)->labelText(), QStringLiteral("L0"));
}

void TestDiagramEditor::loadAndSaveContent()
{
    TDiagramEditor editor;
    DiagramDocument doc = makeDiagram(3, {{0, 1}, {1, 2}});
    doc.links[0].texts[0].visible = false;
    PageModified = true;
    editor.loadContent(DiagramStream::write(doc), QStringLiteral("info"));
    QVERIFY(!PageModified);
    QCOMPARE(editor.atDiagram1->BlockCount(), 3);
    // The link-label button follows the first link's label.
    QVERIFY(!editor.barAction("btnDiagramText")->isChecked());
    doc.links[0].texts[0].visible = true;
    editor.loadContent(DiagramStream::write(doc), QString());
    QVERIFY(editor.barAction("btnDiagramText")->isChecked());
    QCOMPARE(DiagramStream::read(editor.saveContent()).links.size(), 2);
    // Empty content is an empty diagram.
    editor.loadContent(QByteArray(), QString());
    QCOMPARE(editor.atDiagram1->BlockCount(), 0);
    editor.loadContent(DiagramStream::write(doc), QString());
    editor.clearContent();
    QCOMPARE(editor.atDiagram1->BlockCount(), 0);
    QCOMPARE(editor.atDiagram1->LinkCount(), 0);
}

void TestDiagramEditor::malformedContentLeavesPage()
{
    TDiagramEditor editor;
    editor.loadContent(DiagramStream::write(makeDiagram(2, {{0, 1}})), QString());
    const QByteArray before = editor.saveContent();
    PageModified = true;
    QVERIFY_THROWS_EXCEPTION(TessaryError,
                             editor.loadContent(R"({"format":"tessary-diagram","blocks":[{}],
                                 "links":[{"source":0,"target":7}]})",
                                                QString()));
    QCOMPARE(editor.saveContent(), before);
    // The page's modified state is not touched by a refused stream.
    QVERIFY(PageModified);
}

void TestDiagramEditor::filesInAndOut()
{
    TDiagramEditor editor;
    QCOMPARE(editor.saveExtensions(), QStringList({"png", "jpg", "bmp", "svg", "json"}));
    editor.loadFile(sampleDiagramPath());
    QCOMPARE(editor.atDiagram1->BlockCount(), 30);
    QCOMPARE(editor.atDiagram1->LinkCount(), 60);
    const QDir dir(QDir::tempPath());
    for (const QString &ext : editor.saveExtensions()) {
        const QString name = dir.filePath("diagram-out." + ext);
        QFile::remove(name);
        editor.saveToFile(name);
        QVERIFY2(QFileInfo(name).size() > 1000, qPrintable(name));
        if (ext != "json" && ext != "svg") {
            const QImage image(name);
            QVERIFY2(!image.isNull(), qPrintable(name));
            QVERIFY(image.width() > 300);
        }
    }
    QVERIFY(QSvgRenderer(dir.filePath("diagram-out.svg")).isValid());
    // The written JSON is a diagram file again.
    TDiagramEditor other;
    other.loadFile(dir.filePath("diagram-out.json"));
    QCOMPARE(other.saveContent(), editor.saveContent());
    QVERIFY_THROWS_EXCEPTION(TessaryError, editor.saveToFile(dir.filePath("diagram-out.gif")));
    // A JSON file of another kind, or a file of another extension, is refused.
    QFile grid(dir.filePath("grid.json"));
    QVERIFY(grid.open(QIODevice::WriteOnly));
    grid.write(R"({"format":"tessary-grid","version":1})");
    grid.close();
    QVERIFY_THROWS_EXCEPTION(TessaryError, editor.loadFile(grid.fileName()));
    QVERIFY_THROWS_EXCEPTION(TessaryError, editor.loadFile(dir.filePath("diagram-out.png")));
    QVERIFY_THROWS_EXCEPTION(TessaryError, editor.loadFile(dir.filePath("missing.json")));
    QCOMPARE(editor.atDiagram1->BlockCount(), 30);
    const QImage drawn = editor.renderImage(QSize(400, 300));
    QCOMPARE(drawn.size(), QSize(400, 300));
}

void TestDiagramEditor::copyMenu()
{
    TDiagramEditor editor;
    editor.loadContent(DiagramStream::write(makeDiagram(3, {{0, 1}})), QString());
    QCOMPARE(editor.MenuItem1->text(), QStringLiteral("Copy as bitmap"));
    QCOMPARE(editor.MenuItem2->text(), QStringLiteral("Copy as metafile"));
    editor.MenuItem1->trigger();
    const QImage copied = QApplication::clipboard()->image();
    QVERIFY(!copied.isNull());
    QCOMPARE(copied.size(), editor.atDiagram1->ToBitmap(1.0).size());
    editor.MenuItem2->trigger();
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    QVERIFY(mime->hasFormat("image/svg+xml"));
    QVERIFY(mime->data("image/svg+xml").contains("<svg"));
    // Save as picture hands the copied bitmap to the main window.
    QSignalSpy saved(&editor, &TDiagramEditor::SavePicture);
    editor.barAction("btnDiagramSave")->trigger();
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved[0][0].value<QImage>().size(), copied.size());
}

void TestDiagramEditor::toolbarActions()
{
    ScriptedDialogsScope scripted;
    TDiagramEditor editor;
    TatDiagram *d = editor.atDiagram1;
    editor.loadContent(DiagramStream::write(makeDiagram(3, {{0, 1}, {1, 2}})), QString());
    QStringList names;
    for (QAction *a : editor.DiagramBarActions())
        names << a->objectName();
    QCOMPARE(names, QStringList({"btnDiagramSave", "btnDiagramPrint", "btnDiagramZoomIn",
                                 "btnDiagramZoomOut", "BtnDiagramPhoto", "btnDiagramSelect",
                                 "btnDiagramDrag", "btnDiagramRange", "btnDiagramText",
                                 "btnDiagramSizing", "btnDiagramCancel"}));
    QVERIFY(editor.barAction("btnDiagramSelect")->isChecked());
    QCOMPARE(editor.barAction("BtnDiagramPhoto")->menu(), editor.PhotoMenu);

    d->Blocks(0)->setSelected(true);
    editor.barAction("btnDiagramDrag")->trigger();
    QCOMPARE(d->mode(), TatDiagram::Mode::Pan);
    QVERIFY(d->diagramScene()->selectedItems().isEmpty());
    QVERIFY(!editor.barAction("btnDiagramSelect")->isChecked());
    d->Blocks(0)->setSelected(true);
    PageModified = false;
    editor.barAction("btnDiagramRange")->trigger();
    QCOMPARE(d->mode(), TatDiagram::Mode::ZoomRect);
    QVERIFY(d->diagramScene()->selectedItems().isEmpty());
    QVERIFY(PageModified);
    editor.barAction("btnDiagramSelect")->trigger();
    QCOMPARE(d->mode(), TatDiagram::Mode::Select);
    QVERIFY(editor.barAction("btnDiagramSelect")->isChecked());

    PageModified = false;
    editor.barAction("btnDiagramText")->trigger(); // goes up
    QVERIFY(!d->Links(0)->labelVisible() && !d->Links(1)->labelVisible());
    QVERIFY(PageModified);
    editor.btnDiagramTextClick(true);
    QVERIFY(d->Links(1)->labelVisible());
    QVERIFY(editor.barAction("btnDiagramText")->isChecked());

    // Print: page settings, then the preview, whatever the first answered.
    editor.barAction("btnDiagramPrint")->trigger();
    QCOMPARE(scripted->asked, QStringList({"printerSetup: ", "printPreview: "}));

    // Sizing: modal, at the given place; afterwards the page is modified.
    PageModified = false;
    QPoint where;
    QTimer::singleShot(0, editor.SizingDlg, [&] {
        where = editor.SizingDlg->pos();
        editor.SizingDlg->CloseBtnClick();
    });
    editor.btnDiagramSizingClick(QPoint(40, 50));
    QCOMPARE(where, QPoint(40, 50));
    QVERIFY(PageModified);

    // Cancel: not modified, and the page is asked for again.
    QSignalSpy reload(&editor, &TDiagramEditor::ShowNodeRequested);
    editor.barAction("btnDiagramCancel")->trigger();
    QVERIFY(!PageModified);
    QCOMPARE(reload.size(), 1);
}

void TestDiagramEditor::eventsSetPageModified()
{
    TDiagramEditor editor;
    editor.resize(500, 400);
    editor.loadContent(DiagramStream::write(makeDiagram(2, {{0, 1}})), QString());
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    // Taking the focus counts as a change already.
    editor.atDiagram1->setFocus();
    QVERIFY(PageModified);
    PageModified = false;
    QTest::mouseClick(editor.atDiagram1->viewport(), Qt::LeftButton, {}, QPoint(300, 300));
    QVERIFY(PageModified);
    PageModified = false;
    emit editor.atDiagram1->Modified();
    QVERIFY(PageModified);
    PageModified = false;
    emit editor.atDiagram1->AfterMove();
    QVERIFY(PageModified);
}
