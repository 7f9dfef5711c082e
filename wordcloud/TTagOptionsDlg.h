#pragma once

#include "wordcloud/TzqTypes.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TColorButton;
class TzqWordCloud;

// "Tag Cloud Options": colouring, font, shadow, shape and start mode of the
// word cloud. Every change is applied to the cloud at once and stays; there
// is no OK or Cancel. Changes set PageModified, except the shadow alone.
// Shape, start mode and font changes lay the cloud out again.
class TTagOptionsDlg : public QDialog
{
    Q_OBJECT

public:
    enum Scheme
    {
        Multicolor,
        Warm,
        Cool,
        GrayScale,
        Custom
    };

    TTagOptionsDlg(TzqWordCloud *cloud, QWidget *parent = nullptr);

    // The palette names in palette order, and the colour schemes.
    static QStringList PaletteNames();
    static QStringList SchemeNames();
    struct SchemeColors
    {
        TColor Start;
        TColor Middle;
        TColor End;
        bool IsMiddle;
    };
    // Colours of a scheme (not for Custom, which keeps the buttons as they are).
    static SchemeColors SchemeTable(Scheme scheme);
    // " Arial Bold Italic": a space, the name, then the style words.
    static QString FontDescription(const QFont &font);

    // Fills the controls from the cloud (on activation), with Updating set.
    void FormActivate();
    bool Updating() const { return m_updating; }

    // The change handlers.
    void isColorEachClick();
    void ColorPaletteChange();
    void isGradientClick();
    void ColorChange();
    void ColorSchemeChange();
    void ChangeFontClick();
    void isShadowClick();
    void UpdateWordCloud();

    // "Text Color"
    QRadioButton *isColorEach;
    QRadioButton *isGradient;
    QComboBox *ColorPalette;
    QComboBox *ColorScheme;
    TColorButton *oStartColor;
    TColorButton *oMiddleColor;
    TColorButton *oEndColor;
    QCheckBox *IsMiddle;
    // "Text Font"
    QPushButton *ChangeFont;
    QLabel *Label3;
    QCheckBox *isShadow;
    // "Shape"
    QRadioButton *isRectangular;
    QRadioButton *isEllipse;
    QRadioButton *isFromCenter;
    QRadioButton *isRandom;

    QTabWidget *Pages;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *makeColorPage();
    QWidget *makeFontPage();
    QWidget *makeShapePage();
    void applyGradient();
    void layOutAgain();

    TzqWordCloud *m_cloud;
    bool m_updating = false;
};
