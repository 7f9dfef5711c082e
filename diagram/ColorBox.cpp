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

const NamedColor standardColors[] = {{0x000000, QT_TRANSLATE_NOOP("ColorBox", "Black")},
                                     {0x800000, QT_TRANSLATE_NOOP("ColorBox", "Maroon")},
                                     {0x008000, QT_TRANSLATE_NOOP("ColorBox", "Green")},
                                     {0x808000, QT_TRANSLATE_NOOP("ColorBox", "Olive")},
                                     {0x000080, QT_TRANSLATE_NOOP("ColorBox", "Navy")},
                                     {0x800080, QT_TRANSLATE_NOOP("ColorBox", "Purple")},
                                     {0x008080, QT_TRANSLATE_NOOP("ColorBox", "Teal")},
                                     {0x808080, QT_TRANSLATE_NOOP("ColorBox", "Gray")},
                                     {0xc0c0c0, QT_TRANSLATE_NOOP("ColorBox", "Silver")},
                                     {0xff0000, QT_TRANSLATE_NOOP("ColorBox", "Red")},
                                     {0x00ff00, QT_TRANSLATE_NOOP("ColorBox", "Lime")},
                                     {0xffff00, QT_TRANSLATE_NOOP("ColorBox", "Yellow")},
                                     {0x0000ff, QT_TRANSLATE_NOOP("ColorBox", "Blue")},
                                     {0xff00ff, QT_TRANSLATE_NOOP("ColorBox", "Fuchsia")},
                                     {0x00ffff, QT_TRANSLATE_NOOP("ColorBox", "Aqua")},
                                     {0xffffff, QT_TRANSLATE_NOOP("ColorBox", "White")},
                                     {0xc0dcc0, QT_TRANSLATE_NOOP("ColorBox", "Money Green")},
                                     {0xa6caf0, QT_TRANSLATE_NOOP("ColorBox", "Sky Blue")},
                                     {0xfffbf0, QT_TRANSLATE_NOOP("ColorBox", "Cream")},
                                     {0xa0a0a4, QT_TRANSLATE_NOOP("ColorBox", "Medium Gray")}};

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
