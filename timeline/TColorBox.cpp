#include "timeline/TColorBox.h"

#include "platform/dialogs/Dialogs.h"

#include <QPainter>
#include <QPixmap>

TColorBox::TColorBox(QWidget *parent) : QToolButton(parent)
{
    setIconSize(QSize(40, 16));
    setAutoRaise(false);
    connect(this, &QToolButton::clicked, this, [this] { ChooseColor(); });
    updateSwatch();
}

void TColorBox::SetColor(const QColor &color)
{
    m_color = color;
    updateSwatch();
}

bool TColorBox::ChooseColor()
{
    const std::optional<QColor> chosen = dialogs().chooseColor(this, m_color);
    if (!chosen || !chosen->isValid())
        return false;
    SetColor(*chosen);
    emit ColorChanged(m_color);
    return true;
}

void TColorBox::updateSwatch()
{
    QPixmap swatch(iconSize());
    swatch.fill(Qt::transparent);
    QPainter p(&swatch);
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.setBrush(m_color.isValid() ? m_color : QColor(Qt::white));
    p.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    p.end();
    setIcon(QIcon(swatch));
    setToolTip(m_color.isValid() ? m_color.name().toUpper() : QString());
}
