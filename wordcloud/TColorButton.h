#pragma once

#include "wordcloud/TzqTypes.h"

#include <QToolButton>

class QMenu;

// A colour button: shows its colour and drops down a 4 x 5 palette of
// colours and an "&Other" button that opens the colour dialog. A colour
// chosen by the user emits ColorChanged; SetColor does not.
class TColorButton : public QToolButton
{
    Q_OBJECT

public:
    explicit TColorButton(QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);

    // The twenty colours of the palette, row by row.
    static const TzqArrayOfColor &PaletteColors();

    // What a click on a palette entry or a colour from the dialog does.
    void ChooseColor(TColor color);
    // Opens the colour dialog; a cancelled dialog changes nothing.
    void OtherClick();

signals:
    void ColorChanged();

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateIcon();

    TColor m_color = clBlack;
    QMenu *m_menu = nullptr;
};
