#include "tests/diagram/tst_dialogs.h"

#include "diagram/ColorBox.h"
#include "diagram/TDiagramEditor.h"
#include "diagram/TEditBlockDlg.h"
#include "diagram/TSizingDlg.h"
#include "platform/TessaryError.h"
#include "platform/diagramview/DiagramBlock.h"
#include "platform/diagramview/DiagramLink.h"
#include "platform/diagramview/TatDiagram.h"
#include "tests/diagram/DiagramFixtures.h"
#include "tests/support/ScriptedDialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

namespace {
// Opens the block and link dialog on the editor's selection without blocking.
void openEditDialog(TDiagramEditor &editor)
{
    editor.FillEditDialog();
    editor.EditBlockDlg->show();
}

DiagramDocument labelledLinks(const QStringList &labels)
{
    QList<QPair<int, int>> pairs;
    for (int i = 0; i < labels.size(); ++i)
        pairs.append({i % 3, (i + 1) % 3});
    DiagramDocument doc = makeDiagram(3, pairs);
    for (int i = 0; i < labels.size(); ++i)
        doc.links[i].texts[0].text = labels[i];
    return doc;
}
} // namespace

void TestDiagramDialogs::init()
{
    TSizingDlg::ResetKeptSizes();
}

void TestDiagramDialogs::blockChangesLeaveLinksAlone()
{
    TDiagramEditor editor;
    TatDiagram *d = editor.atDiagram1;
    d->setDocument(makeDiagram(3, {{0, 1}, {1, 2}}));
    TEditBlockDlg *dlg = editor.EditBlockDlg;
    // A first opening edits link 0.
    d->Links(0)->setSelected(true);
    openEditDialog(editor);
    dlg->SpinSize2->setValue(6);
    QCOMPARE(d->Links(0)->penWidth(), 6.0);
    dlg->hide();
    // A second opening with only blocks selected: links stay as they are.
    d->Blocks(0)->setSelected(true);
    d->Blocks(2)->setSelected(true);
    openEditDialog(editor);
    QVERIFY(dlg->EditedLinks().isEmpty());
    dlg->SpinSize->setValue(57);
    QCOMPARE(d->Blocks(0)->width(), 57.0);
    QCOMPARE(d->Blocks(0)->height(), 57.0);
    QCOMPARE(d->Blocks(2)->width(), 57.0);
    QCOMPARE(d->Blocks(1)->width(), 31.0);
    QCOMPARE(d->Links(0)->penWidth(), 6.0);
    QCOMPARE(d->Links(1)->penWidth(), 1.0);
    // Shape and colour go to every selected block; labels stay (two selected).
    dlg->cboxShape->setCurrentIndex(TEditBlockDlg::RoundSquare);
    QCOMPARE(d->Blocks(0)->blockShape(), BlockShape::RoundSquare);
    dlg->cboxShape->setCurrentIndex(TEditBlockDlg::Square);
    QCOMPARE(d->Blocks(2)->blockShape(), BlockShape::Rectangle);
    dlg->cboxShape->setCurrentIndex(TEditBlockDlg::Diamond);
    QCOMPARE(d->Blocks(2)->blockShape(), BlockShape::Diamond);
    dlg->ColorBox1->setSelected(QColor(0x12, 0x34, 0x56));
    QCOMPARE(d->Blocks(0)->color(), QColor(0x12, 0x34, 0x56));
    QCOMPARE(d->Blocks(1)->color(), BlockData().color);
    QCOMPARE(d->Blocks(0)->labelText(), QStringLiteral("B0"));
    QCOMPARE(d->Blocks(2)->labelText(), QStringLiteral("B2"));
    dlg->hide();
}

void TestDiagramDialogs::typingLabelUpdatesAtEachKeystroke()
{
    TDiagramEditor editor;
    TatDiagram *d = editor.atDiagram1;
    d->setDocument(makeDiagram(2, {{0, 1}}));
    d->Blocks(1)->setSelected(true);
    openEditDialog(editor);
    TEditBlockDlg *dlg = editor.EditBlockDlg;
    dlg->edBlockText->setFocus();
    dlg->edBlockText->selectAll();
    QTest::keyClick(dlg->edBlockText, Qt::Key_W);
    QCOMPARE(d->Blocks(1)->labelText(), QStringLiteral("w"));
    QTest::keyClick(dlg->edBlockText, Qt::Key_O);
    QCOMPARE(d->Blocks(1)->labelText(), QStringLiteral("wo"));
    QTest::keyClick(dlg->edBlockText, Qt::Key_Return);
    QTest::keyClicks(dlg->edBlockText, "rd");
    QCOMPARE(d->Blocks(1)->labelText(), QStringLiteral("wo\nrd"));
    QCOMPARE(d->Blocks(0)->labelText(), QStringLiteral("B0"));
    dlg->hide();
}

void TestDiagramDialogs::linkChangesAndFonts()
{
    ScriptedDialogsScope scripted;
    TDiagramEditor editor;
    TatDiagram *d = editor.atDiagram1;
    d->setDocument(makeDiagram(3, {{0, 1}, {1, 2}, {2, 0}}));
    d->Links(0)->setSelected(true);
    d->Links(2)->setSelected(true);
    d->Blocks(1)->setSelected(true);
    openEditDialog(editor);
    TEditBlockDlg *dlg = editor.EditBlockDlg;
    QCOMPARE(dlg->EditedLinks(), QList<int>({0, 2}));
    QVERIFY(!dlg->edLinkText->isEnabled());
    dlg->PStyle->setCurrentIndex(4);
    dlg->ColorBox2->setSelected(QColor(0, 0, 255));
    for (int i : {0, 2}) {
        QCOMPARE(d->Links(i)->penStyle(), LinkStyle::DashDotDot);
        QCOMPARE(d->Links(i)->penColor(), QColor(0, 0, 255));
        QCOMPARE(d->Links(i)->labelText(), QStringLiteral("L%1").arg(i));
    }
    QCOMPARE(d->Links(1)->penStyle(), LinkStyle::Solid);
    // The block font button: applied even when the font dialog is cancelled.
    const QFont big = defaultLabelFont(14);
    scripted->answer("font", big);
    dlg->BtnFontClick();
    QCOMPARE(d->Blocks(1)->labelFont().pointSizeF(), 14.0);
    dlg->BtnFontClick(); // cancelled
    QCOMPARE(d->Blocks(1)->labelFont().pointSizeF(), 14.0);
    // The link font button: the links and also the selected blocks take it.
    QFont linkFont = defaultLabelFont(9);
    linkFont.setItalic(true);
    scripted->answer("font", linkFont);
    dlg->Button1Click();
    QCOMPARE(dlg->SampleFont2->font(), linkFont);
    QCOMPARE(d->Links(0)->labelFont().pointSizeF(), 9.0);
    QVERIFY(d->Links(2)->labelFont().italic());
    QVERIFY(d->Blocks(1)->labelFont().italic());
    QCOMPARE(d->Blocks(0)->labelFont().pointSizeF(), 8.0);
    // The colour box asks for a custom colour through the dialog.
    scripted->answer("color", QColor(1, 200, 3));
    dlg->ColorBox2->setCurrentIndex(dlg->ColorBox2->count() - 1);
    emit dlg->ColorBox2->activated(dlg->ColorBox2->count() - 1);
    QCOMPARE(d->Links(2)->penColor(), QColor(1, 200, 3));
    dlg->hide();
}

void TestDiagramDialogs::applyOnlyWhileVisible()
{
    TDiagramEditor editor;
    TatDiagram *d = editor.atDiagram1;
    d->setDocument(makeDiagram(2, {{0, 1}}));
    d->Blocks(0)->setSelected(true);
    editor.FillEditDialog();
    editor.EditBlockDlg->SpinSize->setValue(99);
    editor.EditBlockDlg->ApplyChanges();
    QCOMPARE(d->Blocks(0)->width(), 30.0);
}

void TestDiagramDialogs::nodeSizeSlider()
{
    TDiagramEditor editor;
    TatDiagram *d = editor.atDiagram1;
    DiagramDocument doc = makeDiagram(3, {{0, 1}});
    doc.blocks[2].width = 80;
    doc.blocks[2].height = 20;
    doc.blocks[1].texts[0].font.setPointSize(20);
    d->setDocument(doc);
    TSizingDlg *dlg = editor.SizingDlg;
    dlg->show();
    dlg->NodeSize->setValue(50);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(d->Blocks(i)->width(), 50.0);
        QCOMPARE(d->Blocks(i)->height(), 50.0);
        QCOMPARE(d->Blocks(i)->labelFont().pointSizeF(), 8.0);
    }
    dlg->NodeTextSize->setValue(12);
    QCOMPARE(d->Blocks(1)->labelFont().pointSizeF(), 12.0);
    QCOMPARE(d->Links(0)->labelFont().pointSizeF(), 5.0);
    dlg->EdgeTextSize->setValue(7);
    QCOMPARE(d->Links(0)->labelFont().pointSizeF(), 7.0);
    QCOMPARE(d->Blocks(1)->width(), 50.0);
    dlg->hide();
}

void TestDiagramDialogs::linkWidthsFollowLabels()
{
    TDiagramEditor editor;
    TatDiagram *d = editor.atDiagram1;
    d->setDocument(labelledLinks({"0.5", "0.05", "1.0", " 2 ", "0.1"}));
    TSizingDlg *dlg = editor.SizingDlg;
    dlg->show();
    dlg->EdgeSize->setValue(20); // scale 2.0
    QCOMPARE(TSizingDlg::KeptSizes().edgeScale, 2.0);
    QCOMPARE(d->Links(0)->penWidth(), 4.0);
    QCOMPARE(d->Links(0)->penColor(), QColor(128, 128, 128));
    QCOMPARE(d->Links(1)->penWidth(), 1.0);
    QCOMPARE(d->Links(1)->penColor(), QColor(192, 192, 192));
    QCOMPARE(d->Links(2)->penWidth(), 8.0);
    QCOMPARE(d->Links(3)->penWidth(), 16.0);
    QCOMPARE(d->Links(4)->penWidth(), 1.0); // 0.792 rounds to 1: grey, not silver
    QCOMPARE(d->Links(4)->penColor(), QColor(128, 128, 128));
    dlg->EdgeSize->setValue(10);
    QCOMPARE(d->Links(0)->penWidth(), 2.0);
    QCOMPARE(d->Links(4)->penColor(), QColor(192, 192, 192));
    dlg->hide();
}

void TestDiagramDialogs::getEdgeSize()
{
    QCOMPARE(TSizingDlg::GetEdgeSize(0.5), 2);
    QCOMPARE(TSizingDlg::GetEdgeSize(0.1), 0);
    QCOMPARE(TSizingDlg::GetEdgeSize(1.0), 4);
    QCOMPARE(TSizingDlg::GetEdgeSize(0), 0);
    QCOMPARE(TSizingDlg::GetEdgeSize(10), 40);
    QCOMPARE(TSizingDlg::GetEdgeSize(-1), -4);
    QCOMPARE(TSizingDlg::GetEdgeSize(1e300), 1000000);
}

void TestDiagramDialogs::labelThatIsNotANumber()
{
    ScriptedDialogsScope scripted;
    TDiagramEditor editor;
    TatDiagram *d = editor.atDiagram1;
    d->setDocument(labelledLinks({"0.5", "1.0", "strong", "0.75"}));
    TSizingDlg *dlg = editor.SizingDlg;
    dlg->show();
    // Directly: the pass stops with an error.
    dlg->EdgeSize->blockSignals(true);
    dlg->EdgeSize->setValue(20);
    dlg->EdgeSize->blockSignals(false);
    QVERIFY_THROWS_EXCEPTION(TessaryError, dlg->ApplyChanges(dlg->EdgeSize));
    QCOMPARE(d->Links(0)->penWidth(), 4.0);
    QCOMPARE(d->Links(1)->penWidth(), 8.0);
    QCOMPARE(d->Links(3)->penWidth(), 1.0);
    // Through the slider: the message box says what went wrong.
    dlg->EdgeSize->setValue(10);
    QCOMPARE(scripted->asked, QStringList({"message: \"strong\" is not a valid number."}));
    QCOMPARE(d->Links(0)->penWidth(), 2.0);
    QCOMPARE(d->Links(3)->penWidth(), 1.0);
    dlg->hide();
}

void TestDiagramDialogs::keptValues()
{
    TDiagramEditor first;
    first.atDiagram1->setDocument(makeDiagram(2, {{0, 1}}));
    first.SizingDlg->show();
    first.SizingDlg->NodeSize->setValue(70);
    first.SizingDlg->NodeTextSize->setValue(20);
    first.SizingDlg->EdgeTextSize->setValue(11);
    first.SizingDlg->hide();
    QCOMPARE(TSizingDlg::KeptSizes().nodeSize, 70);
    // Another dialog (another editor) opens with the kept values and changes
    // nothing by opening.
    TDiagramEditor second;
    second.atDiagram1->setDocument(makeDiagram(2, {{0, 1}}));
    second.SizingDlg->show();
    QCOMPARE(second.SizingDlg->NodeSize->value(), 70);
    QCOMPARE(second.SizingDlg->NodeTextSize->value(), 20);
    QCOMPARE(second.SizingDlg->EdgeTextSize->value(), 11);
    QCOMPARE(second.SizingDlg->EdgeSize->value(), 10);
    QCOMPARE(second.atDiagram1->Blocks(0)->width(), 30.0);
    second.SizingDlg->hide();
    TSizingDlg::ResetKeptSizes();
    QCOMPARE(TSizingDlg::KeptSizes().nodeSize, 30);
    QCOMPARE(TSizingDlg::KeptSizes().edgeScale, 1.0);
}
