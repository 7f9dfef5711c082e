#include "wordcloud/TColorButton.h"

#include "platform/dialogs/Dialogs.h"

#include <QEvent>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace {

QIcon swatch(TColor color, bool enabled)
{
    QPixmap pm(28, 14);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const QRect r = pm.rect().adjusted(0, 0, -1, -1);
    if (color == clNone) {
        p.fillRect(r, Qt::white);
        p.setPen(QColor(160, 0, 0));
        p.drawLine(r.bottomLeft(), r.topRight());
    } else {
        p.fillRect(r, TzqColorToQColor(color));
    }
    p.setPen(enabled ? Qt::black : Qt::gray);
    p.drawRect(r);
    return QIcon(pm);
}

} // namespace

TColorButton::TColorButton(QWidget *parent) : QToolButton(parent)
{
    setPopupMode(QToolButton::InstantPopup);
    setIconSize(QSize(28, 14));
    m_menu = new QMenu(this);
    auto *panel = new QWidget(m_menu);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 4, 4, 4);
    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    const TzqArrayOfColor &colors = PaletteColors();
    for (int i = 0; i < colors.size(); ++i) {
        auto *b = new QToolButton(panel);
        const TColor c = colors.at(i);
        b->setIcon(swatch(c, true));
        b->setIconSize(QSize(18, 14));
        b->setAutoRaise(true);
        b->setToolTip(TzqColorToQColor(c).name());
        connect(b, &QToolButton::clicked, this, [this, c] {
            m_menu->close();
            ChooseColor(c);
        });
        grid->addWidget(b, i / 5, i % 5);
    }
    column->addLayout(grid);
    auto *other = new QPushButton(tr("&Other"), panel);
    other->setObjectName(QStringLiteral("Other"));
    connect(other, &QPushButton::clicked, this, [this] {
        m_menu->close();
        OtherClick();
    });
    column->addWidget(other);
    auto *action = new QWidgetAction(m_menu);
    action->setDefaultWidget(panel);
    m_menu->addAction(action);
    setMenu(m_menu);
    updateIcon();
}

const TzqArrayOfColor &TColorButton::PaletteColors()
{
    // 0xBBGGRR: the sixteen basic colours and four softer ones.
    static const TzqArrayOfColor colors = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000,
                                           0x800080, 0x808000, 0x808080, 0xC0C0C0, 0x0000FF,
                                           0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00,
                                           0xFFFFFF, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0};
    return colors;
}

void TColorButton::SetColor(TColor color)
{
    m_color = color;
    updateIcon();
}

void TColorButton::ChooseColor(TColor color)
{
    SetColor(color);
    emit ColorChanged();
}

void TColorButton::OtherClick()
{
    const std::optional<QColor> c = dialogs().chooseColor(
        window(), m_color == clNone ? QColor(Qt::white) : TzqColorToQColor(m_color));
    if (c)
        ChooseColor(TzqColorFromQColor(*c));
}

void TColorButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        updateIcon();
    QToolButton::changeEvent(event);
}

void TColorButton::updateIcon()
{
    setIcon(swatch(m_color, isEnabled()));
    setToolTip(m_color == clNone ? tr("None") : TzqColorToQColor(m_color).name());
}
