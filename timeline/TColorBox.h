#pragma once

#include <QColor>
#include <QToolButton>

// A colour selector: a button showing its colour as a swatch; a click opens the
// colour dialog (through the dialogs seam) and OK takes the colour chosen.
class TColorBox : public QToolButton
{
    Q_OBJECT

public:
    explicit TColorBox(QWidget *parent = nullptr);

    QColor Color() const { return m_color; }
    void SetColor(const QColor &color);
    // Opens the colour dialog; true (and ColorChanged) when a colour was chosen.
    bool ChooseColor();

signals:
    void ColorChanged(const QColor &color);

private:
    void updateSwatch();
    QColor m_color = Qt::white;
};
