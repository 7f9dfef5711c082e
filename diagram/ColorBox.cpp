#include "diagram/ColorBox.h"

#include "platform/dialogs/Dialogs.h"

#include <QPainter>
#include <QPixmap>

namespace {
struct NamedColor
{
    QRgb rgb;
    const char *name;
};

const NamedColor standardColors[] = {
    {0x000000, "Black"}, {0x800000, "Maroon"},      {0x008000, "Green"},
    {0x808000, "Olive"}, {0x000080, "Navy"},        {0x800080, "Purple"},
    {0x008080, "Teal"},  {0x808080, "Gray"},        {0xc0c0c0, "Silver"},
    {0xff0000, "Red"},   {0x00ff00, "Lime"},        {0xffff00, "Yellow"},
    {0x0000ff, "Blue"},  {0xff00ff, "Fuchsia"},     {0x00ffff, "Aqua"},
    {0xffffff, "White"}, {0xc0dcc0, "Money Green"}, {0xa6caf0, "Sky Blue"},
    {0xfffbf0, "Cream"}, {0xa0a0a4, "Medium Gray"}};

QIcon swatch(const QColor &color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}
} // namespace

ColorBox::ColorBox(QWidget *parent) : QComboBox(parent)
{
    for (const NamedColor &c : standardColors)
        addColor(QColor(c.rgb), tr(c.name));
    addItem(tr("Custom..."));
    connect(this, &QComboBox::activated, this, &ColorBox::onActivated);
    connect(this, &QComboBox::currentIndexChanged, this, &ColorBox::onIndexChanged);
}

void ColorBox::addColor(const QColor &color, const QString &name)
{
    // Custom colours go just before the "Custom..." entry.
    const int at = count() > 0 && !itemData(count() - 1).isValid() ? count() - 1 : count();
    insertItem(at, swatch(color), name, color);
}

QColor ColorBox::selected() const
{
    return currentData().value<QColor>();
}

void ColorBox::setSelected(const QColor &color)
{
    for (int i = 0; i < count(); ++i) {
        if (itemData(i).isValid() && itemData(i).value<QColor>().rgb() == color.rgb()) {
            setCurrentIndex(i);
            return;
        }
    }
    addColor(color, color.name());
    setCurrentIndex(count() - 2);
}

void ColorBox::onActivated(int index)
{
    if (itemData(index).isValid())
        return;
    // "Custom...": ask for a colour; cancelling goes back to the previous one.
    const std::optional<QColor> chosen =
        dialogs().chooseColor(this, itemData(m_lastIndex).value<QColor>());
    if (chosen)
        setSelected(*chosen);
    else
        setCurrentIndex(m_lastIndex);
}

void ColorBox::onIndexChanged(int index)
{
    if (index < 0 || !itemData(index).isValid())
        return;
    m_lastIndex = index;
    emit colorChanged(itemData(index).value<QColor>());
}
