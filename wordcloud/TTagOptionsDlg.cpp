#include "wordcloud/TTagOptionsDlg.h"

#include "platform/dialogs/Dialogs.h"
#include "store/PageState.h"
#include "wordcloud/TColorButton.h"
#include "wordcloud/TzqPalettes.h"
#include "wordcloud/TzqWordCloud.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Shows the wait cursor while a layout runs.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

QIcon paletteIcon(TzqColorPalette palette)
{
    const TzqArrayOfColor colors = TzqPalettes::Colors(palette);
    const int n = qMin(8, int(colors.size()));
    QPixmap pm(8 * n, 14);
    pm.fill(Qt::white);
    QPainter p(&pm);
    for (int i = 0; i < n; ++i)
        p.fillRect(QRect(i * 8, 0, 8, 14), TzqColorToQColor(colors.at(i)));
    p.setPen(Qt::gray);
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    return QIcon(pm);
}

QIcon schemeIcon(const TTagOptionsDlg::SchemeColors &c)
{
    QPixmap pm(64, 14);
    QPainter p(&pm);
    QLinearGradient g(0, 0, pm.width(), 0);
    g.setColorAt(0, TzqColorToQColor(c.Start));
    if (c.IsMiddle && c.Middle != clNone)
        g.setColorAt(0.5, TzqColorToQColor(c.Middle));
    g.setColorAt(1, TzqColorToQColor(c.End));
    p.fillRect(pm.rect(), g);
    p.setPen(Qt::gray);
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    return QIcon(pm);
}

} // namespace

TTagOptionsDlg::TTagOptionsDlg(TzqWordCloud *cloud, QWidget *parent)
    : QDialog(parent), m_cloud(cloud)
{
    setObjectName(QStringLiteral("TTagOptionsDlg"));
    setWindowTitle(tr("Tag Cloud Options"));
    auto *layout = new QVBoxLayout(this);
    Pages = new QTabWidget(this);
    Pages->addTab(makeColorPage(), tr("Text Color"));
    Pages->addTab(makeFontPage(), tr("Text Font"));
    Pages->addTab(makeShapePage(), tr("Shape"));
    layout->addWidget(Pages);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget *TTagOptionsDlg::makeColorPage()
{
    auto *page = new QWidget;
    auto *form = new QGridLayout(page);

    isColorEach = new QRadioButton(tr("Color each with palette:"), page);
    isColorEach->setObjectName(QStringLiteral("isColorEach"));
    isColorEach->setChecked(true);
    ColorPalette = new QComboBox(page);
    ColorPalette->setObjectName(QStringLiteral("ColorPalette"));
    const QStringList palettes = PaletteNames();
    for (int i = 0; i < palettes.size(); ++i)
        ColorPalette->addItem(paletteIcon(TzqColorPalette(i)), palettes.at(i));
    ColorPalette->setIconSize(QSize(64, 14));

    isGradient = new QRadioButton(tr("Gradient scheme:"), page);
    isGradient->setObjectName(QStringLiteral("isGradient"));
    ColorScheme = new QComboBox(page);
    ColorScheme->setObjectName(QStringLiteral("ColorScheme"));
    const QStringList schemes = SchemeNames();
    for (int i = 0; i < schemes.size(); ++i) {
        if (i == Custom)
            ColorScheme->addItem(schemes.at(i));
        else
            ColorScheme->addItem(schemeIcon(SchemeTable(Scheme(i))), schemes.at(i));
    }
    ColorScheme->setIconSize(QSize(64, 14));
    ColorScheme->setCurrentIndex(Custom);

    auto *group = new QButtonGroup(page);
    group->addButton(isColorEach);
    group->addButton(isGradient);

    oStartColor = new TColorButton(page);
    oStartColor->setObjectName(QStringLiteral("oStartColor"));
    oMiddleColor = new TColorButton(page);
    oMiddleColor->setObjectName(QStringLiteral("oMiddleColor"));
    oEndColor = new TColorButton(page);
    oEndColor->setObjectName(QStringLiteral("oEndColor"));
    IsMiddle = new QCheckBox(tr("Middle:"), page);
    IsMiddle->setObjectName(QStringLiteral("IsMiddle"));

    auto *colors = new QGridLayout;
    colors->addWidget(new QLabel(tr("Start:"), page), 0, 0);
    colors->addWidget(oStartColor, 0, 1);
    colors->addWidget(IsMiddle, 1, 0);
    colors->addWidget(oMiddleColor, 1, 1);
    colors->addWidget(new QLabel(tr("End:"), page), 2, 0);
    colors->addWidget(oEndColor, 2, 1);
    colors->setColumnStretch(2, 1);

    form->addWidget(isColorEach, 0, 0);
    form->addWidget(ColorPalette, 0, 1);
    form->addWidget(isGradient, 1, 0);
    form->addWidget(ColorScheme, 1, 1);
    form->addLayout(colors, 2, 1);
    form->setRowStretch(3, 1);

    connect(isColorEach, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            isColorEachClick();
    });
    connect(isGradient, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            isGradientClick();
    });
    connect(ColorPalette, &QComboBox::currentIndexChanged, this,
            &TTagOptionsDlg::ColorPaletteChange);
    connect(ColorScheme, &QComboBox::currentIndexChanged, this, &TTagOptionsDlg::ColorSchemeChange);
    for (TColorButton *b : {oStartColor, oMiddleColor, oEndColor})
        connect(b, &TColorButton::ColorChanged, this, &TTagOptionsDlg::ColorChange);
    connect(IsMiddle, &QCheckBox::toggled, this, &TTagOptionsDlg::ColorChange);
    return page;
}

QWidget *TTagOptionsDlg::makeFontPage()
{
    auto *page = new QWidget;
    auto *form = new QGridLayout(page);
    Label3 = new QLabel(page);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFrameShape(QFrame::StyledPanel);
    Label3->setProperty("i18nKeep", true); // names the cloud's font: not translated
    ChangeFont = new QPushButton(tr("Edit..."), page);
    ChangeFont->setObjectName(QStringLiteral("ChangeFont"));
    isShadow = new QCheckBox(tr("Shadow"), page);
    isShadow->setObjectName(QStringLiteral("isShadow"));
    isShadow->setChecked(true);
    form->addWidget(new QLabel(tr("Font:"), page), 0, 0);
    form->addWidget(Label3, 0, 1);
    form->addWidget(ChangeFont, 0, 2);
    form->addWidget(isShadow, 1, 1);
    form->setColumnStretch(1, 1);
    form->setRowStretch(2, 1);
    connect(ChangeFont, &QPushButton::clicked, this, &TTagOptionsDlg::ChangeFontClick);
    connect(isShadow, &QCheckBox::toggled, this, &TTagOptionsDlg::isShadowClick);
    return page;
}

QWidget *TTagOptionsDlg::makeShapePage()
{
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    auto *shape = new QGroupBox(tr("Shape"), page);
    auto *shapeLayout = new QVBoxLayout(shape);
    isRectangular = new QRadioButton(tr("Rectangular"), shape);
    isRectangular->setObjectName(QStringLiteral("isRectangular"));
    isRectangular->setChecked(true);
    isEllipse = new QRadioButton(tr("Ellipse"), shape);
    isEllipse->setObjectName(QStringLiteral("isEllipse"));
    shapeLayout->addWidget(isRectangular);
    shapeLayout->addWidget(isEllipse);
    auto *start = new QGroupBox(tr("Starting position:"), page);
    auto *startLayout = new QVBoxLayout(start);
    isFromCenter = new QRadioButton(tr("From center"), start);
    isFromCenter->setObjectName(QStringLiteral("isFromCenter"));
    isFromCenter->setChecked(true);
    isRandom = new QRadioButton(tr("Random"), start);
    isRandom->setObjectName(QStringLiteral("isRandom"));
    startLayout->addWidget(isFromCenter);
    startLayout->addWidget(isRandom);
    column->addWidget(shape);
    column->addWidget(start);
    column->addStretch(1);
    for (QRadioButton *b : {isRectangular, isEllipse, isFromCenter, isRandom})
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                UpdateWordCloud();
        });
    return page;
}

QStringList TTagOptionsDlg::PaletteNames()
{
    return {tr("Excel"),        tr("Victorian"),  tr("Pastel"),  tr("Solid"),      tr("Classic"),
            tr("Web"),          tr("Modern"),     tr("Rainbow"), tr("Windows XP"), tr("Mac OS"),
            tr("Vista"),        tr("Gray Scale"), tr("Opera"),   tr("Warm"),       tr("Cool"),
            tr("BlackOnBlack"), tr("Metro"),      tr("iOS"),     tr("Android"),    tr("Lookout"),
            tr("Seawash")};
}

QStringList TTagOptionsDlg::SchemeNames()
{
    return {tr("Multicolor"), tr("Warm"), tr("Cool"), tr("Gray Scale"), tr("Custom")};
}

TTagOptionsDlg::SchemeColors TTagOptionsDlg::SchemeTable(Scheme scheme)
{
    switch (scheme) {
    case Multicolor:
        return {0x0000FF, 0xFF0000, 0x00FF00, true};
    case Warm:
        return {0x8DE9F3, clNone, 0x0000FF, true};
    case Cool:
        return {0x829643, clNone, 0xA46242, false};
    case GrayScale:
        return {0x000000, 0x808080, 0xC0C0C0, false};
    case Custom:
        break;
    }
    return {clNone, clNone, clNone, false};
}

QString TTagOptionsDlg::FontDescription(const QFont &font)
{
    QString text = QLatin1Char(' ') + font.family();
    if (font.bold())
        text += QStringLiteral(" Bold");
    if (font.italic())
        text += QStringLiteral(" Italic");
    return text;
}

void TTagOptionsDlg::showEvent(QShowEvent *event)
{
    FormActivate();
    QDialog::showEvent(event);
}

void TTagOptionsDlg::FormActivate()
{
    m_updating = true;
    ColorPalette->setCurrentIndex(int(m_cloud->Palette()));
    Label3->setText(FontDescription(m_cloud->Font()));
    isShadow->setChecked(m_cloud->Shadow());
    (m_cloud->CloudShape() == csEllipse ? isEllipse : isRectangular)->setChecked(true);
    (m_cloud->PlaceWordAtCenter() ? isFromCenter : isRandom)->setChecked(true);
    (m_cloud->UsePalette() ? isColorEach : isGradient)->setChecked(true);
    const TzqGradient &g = m_cloud->Gradient();
    IsMiddle->setChecked(g.MiddleColor != clNone);
    oMiddleColor->setEnabled(IsMiddle->isChecked());
    oMiddleColor->SetColor(g.MiddleColor);
    oEndColor->SetColor(g.EndColor);
    oStartColor->SetColor(g.StartColor);
    m_updating = false;
}

void TTagOptionsDlg::isColorEachClick()
{
    if (m_updating)
        return;
    m_cloud->SetUsePalette(true);
    m_cloud->Repaint();
    PageModified = true;
}

// Runs also while the controls are being filled; it then sets the palette
// the cloud already has, which is no change of the page.
void TTagOptionsDlg::ColorPaletteChange()
{
    if (ColorPalette->currentIndex() < 0)
        return;
    m_cloud->SetPalette(TzqColorPalette(ColorPalette->currentIndex()));
    m_cloud->Repaint();
    if (!m_updating)
        PageModified = true;
}

void TTagOptionsDlg::isGradientClick()
{
    if (m_updating)
        return;
    applyGradient();
}

void TTagOptionsDlg::applyGradient()
{
    m_cloud->SetUsePalette(false);
    TzqGradient g = m_cloud->Gradient();
    g.StartColor = oStartColor->Color();
    g.EndColor = oEndColor->Color();
    g.MiddleColor = IsMiddle->isChecked() ? oMiddleColor->Color() : clNone;
    m_cloud->SetGradient(g);
    m_cloud->Repaint();
    PageModified = true;
}

void TTagOptionsDlg::ColorChange()
{
    if (m_updating)
        return;
    try {
        oMiddleColor->setEnabled(IsMiddle->isChecked());
        {
            const QSignalBlocker block(ColorScheme);
            ColorScheme->setCurrentIndex(Custom);
        }
        {
            // The colours now make a gradient: show it chosen.
            const QSignalBlocker block(isGradient);
            isGradient->setChecked(true);
        }
        applyGradient();
    } catch (...) {
        // A colour that cannot be applied leaves the cloud as it was.
    }
}

void TTagOptionsDlg::ColorSchemeChange()
{
    if (m_updating)
        return;
    const int scheme = ColorScheme->currentIndex();
    if (scheme < 0)
        return;
    {
        const QSignalBlocker blockRadio(isGradient);
        isGradient->setChecked(true);
    }
    if (scheme != Custom) {
        const SchemeColors c = SchemeTable(Scheme(scheme));
        oStartColor->SetColor(c.Start);
        oMiddleColor->SetColor(c.Middle);
        oEndColor->SetColor(c.End);
        const QSignalBlocker blockMiddle(IsMiddle);
        IsMiddle->setChecked(c.IsMiddle);
    }
    // As a colour change, but the chosen scheme stays shown.
    oMiddleColor->setEnabled(IsMiddle->isChecked());
    applyGradient();
}

void TTagOptionsDlg::ChangeFontClick()
{
    if (m_updating)
        return;
    QFont initial = m_cloud->Font();
    initial.setPointSize(16);
    const std::optional<QFont> chosen = dialogs().chooseFont(this, initial);
    if (!chosen)
        return;
    m_cloud->SetFont(*chosen);
    Label3->setText(FontDescription(m_cloud->Font()));
    m_cloud->SetCoverage(99);
    layOutAgain();
}

void TTagOptionsDlg::isShadowClick()
{
    if (m_updating)
        return;
    m_cloud->SetShadow(isShadow->isChecked());
    m_cloud->Repaint();
}

void TTagOptionsDlg::UpdateWordCloud()
{
    if (m_updating)
        return;
    layOutAgain();
}

void TTagOptionsDlg::layOutAgain()
{
    m_cloud->SetCloudShape(isRectangular->isChecked() ? csRectangle : csEllipse);
    m_cloud->SetPlaceWordAtCenter(isFromCenter->isChecked());
    m_cloud->SetShadow(isShadow->isChecked());
    {
        const WaitCursor wait;
        m_cloud->Generate(true);
    }
    PageModified = true;
}
