#pragma once

#include <QColor>
#include <QComboBox>

// A colour selector: the standard colours, a few extended ones, the custom
// colours chosen so far and a last entry "Custom..." that asks for any colour
// through the colour dialog.
class ColorBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ColorBox(QWidget *parent = nullptr);

    QColor selected() const;
    // Selects color, adding it as a custom colour when it is not in the list.
    void setSelected(const QColor &color);

signals:
    void colorChanged(const QColor &color);

private:
    void addColor(const QColor &color, const QString &name);
    void onActivated(int index);
    void onIndexChanged(int index);

    int m_lastIndex = 0;
};
