// The tag-options dialog: its lists, filling its controls, the colour
// schemes, the font, shadow, shape and start-mode handlers and which changes
// mark the page modified.
#include "TestDocuments.h"
#include "TestWords.h"

#include "store/PageState.h"
#include "tests/support/ScriptedDialogs.h"
#include "wordcloud/TColorButton.h"
#include "wordcloud/TTagOptionsDlg.h"
#include "wordcloud/TWordCloudEditor.h"
#include "wordcloud/TzqWordCloud.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

namespace {

QByteArray cloudOf(int count, const QSize &size)
{
    TzqCloudEngine cloud;
    cloud.SetRandom(std::make_unique<ScriptedRandom>(5));
    cloud.SetControlSize(size);
    TestWords::addZipfWords(cloud, count, 17, 400);
    cloud.Generate(true);
    return TestDocuments::save(cloud);
}

// The colour the heaviest word is drawn in.
TColor heaviestColour(TWordCloudEditor &editor)
{
    editor.Snapshot();
    return editor.zqWordCloud1->Word(0)->TextColor();
}

} // namespace

class TestOptions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void textsAndStartState();
    void activationFillsControlsWithoutChanges();
    void paletteHandlers();
    void colourSchemes();
    void colourButtons();
    void fontChangeLaysOutAt99();
    void fontDialogCancelled();
    void shadowAloneDoesNotModify();
    void shapeAndStartModeLayOutAgain();
    void shownFromTheEditor();

private:
    std::unique_ptr<TWordCloudEditor> m_editor;
    TTagOptionsDlg *m_dlg = nullptr;
    TzqWordCloud *m_cloud = nullptr;
};

void TestOptions::init()
{
    m_editor = std::make_unique<TWordCloudEditor>();
    m_editor->resize(500, 360);
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    m_editor->loadContent(cloudOf(60, QSize(500, 360)), QString());
    m_cloud = m_editor->zqWordCloud1;
    m_dlg = m_editor->TagOptionsDlg();
    m_dlg->FormActivate();
    PageModified = false;
}

void TestOptions::cleanup()
{
    m_editor.reset();
    PageModified = false;
}

void TestOptions::textsAndStartState()
{
    TzqWordCloud cloud;
    TTagOptionsDlg dlg(&cloud);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Tag Cloud Options"));
    QCOMPARE(dlg.Pages->count(), 3);
    QCOMPARE(dlg.Pages->tabText(0), QStringLiteral("Text Color"));
    QCOMPARE(dlg.Pages->tabText(1), QStringLiteral("Text Font"));
    QCOMPARE(dlg.Pages->tabText(2), QStringLiteral("Shape"));
    const QStringList palettes{
        "Excel",   "Victorian",    "Pastel", "Solid", "Classic",    "Web",     "Modern",
        "Rainbow", "Windows XP",   "Mac OS", "Vista", "Gray Scale", "Opera",   "Warm",
        "Cool",    "BlackOnBlack", "Metro",  "iOS",   "Android",    "Lookout", "Seawash"};
    QCOMPARE(dlg.ColorPalette->count(), TzqPaletteCount);
    for (int i = 0; i < palettes.size(); ++i)
        QCOMPARE(dlg.ColorPalette->itemText(i), palettes[i]);
    const QStringList schemes{"Multicolor", "Warm", "Cool", "Gray Scale", "Custom"};
    QCOMPARE(dlg.ColorScheme->count(), 5);
    for (int i = 0; i < schemes.size(); ++i)
        QCOMPARE(dlg.ColorScheme->itemText(i), schemes[i]);
    QCOMPARE(dlg.isColorEach->text(), QStringLiteral("Color each with palette:"));
    QCOMPARE(dlg.isGradient->text(), QStringLiteral("Gradient scheme:"));
    QCOMPARE(dlg.IsMiddle->text(), QStringLiteral("Middle:"));
    QCOMPARE(dlg.ChangeFont->text(), QStringLiteral("Edit..."));
    QCOMPARE(dlg.isShadow->text(), QStringLiteral("Shadow"));
    QCOMPARE(dlg.isRectangular->text(), QStringLiteral("Rectangular"));
    QCOMPARE(dlg.isEllipse->text(), QStringLiteral("Ellipse"));
    QCOMPARE(dlg.isFromCenter->text(), QStringLiteral("From center"));
    QCOMPARE(dlg.isRandom->text(), QStringLiteral("Random"));
    QVERIFY(dlg.isColorEach->isChecked());
    QVERIFY(dlg.isShadow->isChecked());
    QVERIFY(dlg.isRectangular->isChecked());
    QVERIFY(dlg.isFromCenter->isChecked());
    for (const char *name :
         {"isColorEach", "isGradient", "ColorPalette", "ColorScheme", "oEndColor", "oMiddleColor",
          "oStartColor", "IsMiddle", "ChangeFont", "Label3", "isShadow", "isRectangular",
          "isEllipse", "isFromCenter", "isRandom"})
        QVERIFY2(dlg.findChild<QWidget *>(QLatin1String(name)), name);

    const auto gray = TTagOptionsDlg::SchemeTable(TTagOptionsDlg::GrayScale);
    QCOMPARE(gray.Start, TColor(0x000000));
    QCOMPARE(gray.Middle, TColor(0x808080));
    QCOMPARE(gray.End, TColor(0xC0C0C0));
    QCOMPARE(gray.IsMiddle, false);
    QFont f(QStringLiteral("DejaVu Sans"));
    QCOMPARE(TTagOptionsDlg::FontDescription(f), QStringLiteral(" DejaVu Sans"));
    f.setBold(true);
    f.setItalic(true);
    QCOMPARE(TTagOptionsDlg::FontDescription(f), QStringLiteral(" DejaVu Sans Bold Italic"));
}

void TestOptions::activationFillsControlsWithoutChanges()
{
    TzqGradient g;
    g.StartColor = 0x112233;
    g.MiddleColor = clNone;
    g.EndColor = 0x445566;
    m_cloud->SetGradient(g);
    m_cloud->SetUsePalette(false);
    m_cloud->SetPalette(cpWarm);
    m_cloud->SetCloudShape(csEllipse);
    m_cloud->SetPlaceWordAtCenter(false);
    m_cloud->SetShadow(false);
    QFont f(QStringLiteral("DejaVu Serif"), 12);
    f.setItalic(true);
    m_cloud->SetFont(f);
    const QByteArray before = m_editor->saveContent();

    m_dlg->FormActivate();
    QVERIFY(!m_dlg->Updating());
    QCOMPARE(m_dlg->ColorPalette->currentIndex(), int(cpWarm));
    QVERIFY(m_dlg->isGradient->isChecked());
    QVERIFY(m_dlg->isEllipse->isChecked());
    QVERIFY(m_dlg->isRandom->isChecked());
    QVERIFY(!m_dlg->isShadow->isChecked());
    QVERIFY(!m_dlg->IsMiddle->isChecked());
    QVERIFY(!m_dlg->oMiddleColor->isEnabled());
    QCOMPARE(m_dlg->oStartColor->Color(), TColor(0x112233));
    QCOMPARE(m_dlg->oMiddleColor->Color(), clNone);
    QCOMPARE(m_dlg->oEndColor->Color(), TColor(0x445566));
    QCOMPARE(m_dlg->Label3->text(), QStringLiteral(" DejaVu Serif Italic"));
    // Filling the controls ran no handler: no layout, no change, not modified.
    QCOMPARE(m_cloud->Stats().Layouts, 0);
    QCOMPARE(m_editor->saveContent(), before);
    QCOMPARE(PageModified, false);

    // And back to the palette.
    m_cloud->SetUsePalette(true);
    m_cloud->SetGradient(TzqGradient());
    m_dlg->FormActivate();
    QVERIFY(m_dlg->isColorEach->isChecked());
    QCOMPARE(m_dlg->oStartColor->Color(), TColor(0x808080));
    QCOMPARE(PageModified, false);
}

void TestOptions::paletteHandlers()
{
    QVERIFY(m_dlg->isGradient->isChecked()); // the page colours by gradient
    m_dlg->isColorEach->click();
    QCOMPARE(m_cloud->UsePalette(), true);
    QCOMPARE(PageModified, true);

    PageModified = false;
    m_dlg->isGradient->click();
    QCOMPARE(m_cloud->UsePalette(), false);
    QCOMPARE(PageModified, true);

    PageModified = false;
    m_dlg->isColorEach->click();

    PageModified = false;
    m_dlg->ColorPalette->setCurrentIndex(int(cpOnBlack));
    QCOMPARE(m_cloud->Palette(), cpOnBlack);
    QCOMPARE(PageModified, true);
    // 60 words on a palette of four: word 4 takes the first colour again.
    m_editor->Snapshot();
    QCOMPARE(m_cloud->Word(4)->TextColor(), m_cloud->Word(0)->TextColor());
    QCOMPARE(m_cloud->Word(0)->TextColor(), TColor(0x5AE6C8));
    QVERIFY(m_editor->saveContent().contains("<Palette>15</Palette>"));
}

void TestOptions::colourSchemes()
{
    // Gray Scale: two colours, black to silver; the middle is dropped.
    m_dlg->ColorScheme->setCurrentIndex(TTagOptionsDlg::GrayScale);
    QVERIFY(m_dlg->isGradient->isChecked());
    QCOMPARE(m_cloud->UsePalette(), false);
    QCOMPARE(m_cloud->Gradient().StartColor, TColor(0x000000));
    QCOMPARE(m_cloud->Gradient().MiddleColor, clNone);
    QCOMPARE(m_cloud->Gradient().EndColor, TColor(0xC0C0C0));
    QVERIFY(!m_dlg->IsMiddle->isChecked());
    QCOMPARE(m_dlg->oMiddleColor->Color(), TColor(0x808080));
    QCOMPARE(m_dlg->ColorScheme->currentText(), QStringLiteral("Gray Scale"));
    QCOMPARE(heaviestColour(*m_editor), TColor(0xC0C0C0));
    QCOMPARE(PageModified, true);

    // Warm: IsMiddle checked while the middle colour is none: two colours.
    m_dlg->ColorScheme->setCurrentIndex(TTagOptionsDlg::Warm);
    QVERIFY(m_dlg->IsMiddle->isChecked());
    QVERIFY(m_dlg->oMiddleColor->isEnabled());
    QCOMPARE(m_cloud->Gradient().StartColor, TColor(0x8DE9F3));
    QCOMPARE(m_cloud->Gradient().MiddleColor, clNone);
    QCOMPARE(m_cloud->Gradient().EndColor, TColor(0x0000FF));
    QCOMPARE(heaviestColour(*m_editor), TColor(0x0000FF));

    // Multicolor: three colours.
    m_dlg->ColorScheme->setCurrentIndex(TTagOptionsDlg::Multicolor);
    QCOMPARE(m_cloud->Gradient().StartColor, TColor(0x0000FF));
    QCOMPARE(m_cloud->Gradient().MiddleColor, TColor(0xFF0000));
    QCOMPARE(m_cloud->Gradient().EndColor, TColor(0x00FF00));
    const QByteArray xml = m_editor->saveContent();
    QVERIFY(xml.contains("<MiddleColor>16711680</MiddleColor>"));
    QVERIFY(!xml.contains("<Palette>"));

    // Cool.
    m_dlg->ColorScheme->setCurrentIndex(TTagOptionsDlg::Cool);
    QVERIFY(!m_dlg->IsMiddle->isChecked());
    QCOMPARE(m_cloud->Gradient().StartColor, TColor(0x829643));
    QCOMPARE(m_cloud->Gradient().EndColor, TColor(0xA46242));

    // Custom keeps the buttons.
    m_dlg->ColorScheme->setCurrentIndex(TTagOptionsDlg::Custom);
    QCOMPARE(m_cloud->Gradient().StartColor, TColor(0x829643));
    QCOMPARE(m_cloud->Stats().Layouts, 0); // colours never lay out again
}

void TestOptions::colourButtons()
{
    ScriptedDialogsScope scripted;
    m_dlg->ColorScheme->setCurrentIndex(TTagOptionsDlg::Multicolor);
    m_dlg->isColorEach->click();
    PageModified = false;

    m_dlg->oStartColor->ChooseColor(0x00FFFF);
    QCOMPARE(m_dlg->ColorScheme->currentText(), QStringLiteral("Custom"));
    QVERIFY(m_dlg->isGradient->isChecked());
    QCOMPARE(m_cloud->UsePalette(), false);
    QCOMPARE(m_cloud->Gradient().StartColor, TColor(0x00FFFF));
    QCOMPARE(m_cloud->Gradient().MiddleColor, TColor(0xFF0000));
    QCOMPARE(PageModified, true);

    m_dlg->IsMiddle->click();
    QVERIFY(!m_dlg->oMiddleColor->isEnabled());
    QCOMPARE(m_cloud->Gradient().MiddleColor, clNone);
    m_dlg->IsMiddle->click();
    QVERIFY(m_dlg->oMiddleColor->isEnabled());
    QCOMPARE(m_cloud->Gradient().MiddleColor, TColor(0xFF0000));

    // "Other" asks the colour dialog; cancelled changes nothing.
    m_dlg->oEndColor->OtherClick();
    QCOMPARE(m_cloud->Gradient().EndColor, TColor(0x00FF00));
    scripted->answer("color", QColor(0x12, 0x34, 0x56));
    m_dlg->oEndColor->OtherClick();
    QCOMPARE(m_dlg->oEndColor->Color(), TColor(0x563412));
    QCOMPARE(m_cloud->Gradient().EndColor, TColor(0x563412));
    QCOMPARE(heaviestColour(*m_editor), TColor(0x563412));
    QCOMPARE(TColorButton::PaletteColors().size(), 20);
}

void TestOptions::fontChangeLaysOutAt99()
{
    ScriptedDialogsScope scripted;
    QFont chosen(QStringLiteral("DejaVu Serif"), 12);
    chosen.setBold(true);
    scripted->answer("font", chosen);
    m_dlg->ChangeFont->click();
    QCOMPARE(scripted->asked.filter("font").size(), 1);
    QCOMPARE(m_cloud->Font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(m_dlg->Label3->text(), QStringLiteral(" DejaVu Serif Bold"));
    QCOMPARE(m_cloud->Coverage(), 99);
    QVERIFY(m_cloud->Stats().Layouts >= 1);
    QCOMPARE(m_cloud->PlacedCount(), m_cloud->WordCount());
    // Lowered from 99 % in steps of 5 % until every word fitted.
    const double steps = (0.99 - double(m_cloud->WorkingCoverage())) / 0.05;
    QVERIFY2(qAbs(steps - qRound(steps)) < 1e-3, qPrintable(QString::number(steps)));
    QCOMPARE(qRound(steps), m_cloud->Stats().Layouts - 1);
    for (int i = 0; i < m_cloud->WordCount(); ++i)
        QCOMPARE(m_cloud->Word(i)->Font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(PageModified, true);
    const QByteArray xml = m_editor->saveContent();
    QVERIFY(xml.contains("<Font>DejaVu Serif,1,-2147483640,12,1</Font>"));
    QVERIFY(xml.contains("<Coverage>0.99</Coverage>"));
}

void TestOptions::fontDialogCancelled()
{
    ScriptedDialogsScope scripted;
    const QByteArray before = m_editor->saveContent();
    m_dlg->ChangeFontClick();
    QCOMPARE(scripted->unanswered.size(), 1);
    QCOMPARE(m_editor->saveContent(), before);
    QCOMPARE(m_cloud->Stats().Layouts, 0);
    QCOMPARE(PageModified, false);
}

void TestOptions::shadowAloneDoesNotModify()
{
    m_dlg->isShadow->click();
    QCOMPARE(m_cloud->Shadow(), false);
    for (int i = 0; i < m_cloud->WordCount(); ++i)
        QCOMPARE(m_cloud->Word(i)->Shadow(), false);
    QCOMPARE(PageModified, false);
    QVERIFY(m_editor->saveContent().contains("<Shadow>false</Shadow>"));
    m_dlg->isShadow->click();
    QCOMPARE(m_cloud->Word(0)->Shadow(), true);
    QCOMPARE(PageModified, false);
}

void TestOptions::shapeAndStartModeLayOutAgain()
{
    QVector<TzqRect> before;
    for (int i = 0; i < m_cloud->WordCount(); ++i)
        before << m_cloud->Word(i)->StartingBounds();
    m_dlg->isShadow->setChecked(false); // taken along by the layout
    PageModified = false;

    m_dlg->isEllipse->click();
    QCOMPARE(m_cloud->CloudShape(), csEllipse);
    QCOMPARE(m_cloud->Shadow(), false);
    QVERIFY(m_cloud->Stats().Layouts >= 1);
    QCOMPARE(PageModified, true);
    bool moved = false;
    for (int i = 0; i < m_cloud->WordCount(); ++i) {
        const TzqWord *w = m_cloud->Word(i);
        if (w->Placed())
            QVERIFY(m_cloud->InCloud(w->Bounds()));
        moved |= before.indexOf(w->StartingBounds()) < 0;
    }
    QVERIFY(moved);

    PageModified = false;
    m_dlg->isRandom->click();
    QCOMPARE(m_cloud->PlaceWordAtCenter(), false);
    QCOMPARE(PageModified, true);
    m_dlg->isFromCenter->click();
    m_dlg->isRectangular->click();
    QCOMPARE(m_cloud->PlaceWordAtCenter(), true);
    QCOMPARE(m_cloud->CloudShape(), csRectangle);
    QCOMPARE(m_cloud->PlacedCount(), m_cloud->WordCount());

    // Shape and start mode are not part of the page: a new page keeps them.
    m_dlg->isEllipse->click();
    m_editor->loadContent(cloudOf(10, QSize(300, 200)), QString());
    QCOMPARE(m_cloud->CloudShape(), csEllipse);
    QVERIFY(!m_editor->saveContent().contains("Ellipse"));
}

void TestOptions::shownFromTheEditor()
{
    m_cloud->SetPalette(cpMetro);
    m_editor->ShowTagOptions();
    QVERIFY(m_dlg->isVisible());
    QCOMPARE(m_editor->TagOptionsDlg(), m_dlg);
    QCOMPARE(m_dlg->ColorPalette->currentIndex(), int(cpMetro)); // filled on showing
    m_editor->CloudAction(QStringLiteral("ShowTagOptions"))->trigger();
    QCOMPARE(m_editor->findChildren<TTagOptionsDlg *>().size(), 1);
    m_dlg->close();
    QCOMPARE(PageModified, false);
}

int runTestOptions(int argc, char **argv)
{
    TestOptions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_options.moc"
