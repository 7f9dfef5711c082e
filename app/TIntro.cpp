#include "app/TIntro.h"

#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef TESSARY_VERSION
#define TESSARY_VERSION ""
#endif

namespace {
// The box's picture: the program's name over a band of the tree's page colours.
QPixmap introPicture()
{
    QPixmap p(460, 250);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient back(0, 0, 0, p.height());
    back.setColorAt(0, QColor(0x1F, 0x4E, 0x79));
    back.setColorAt(1, QColor(0x5B, 0x9B, 0xD5));
    g.fillRect(p.rect(), back);
    const QColor tiles[] = {QColor(0xFF, 0xFF, 0xC4), QColor(0xF4, 0xB1, 0x83),
                            QColor(0xA9, 0xD1, 0x8E), QColor(0xFF, 0xD9, 0x66),
                            QColor(0x9D, 0xC3, 0xE6)};
    for (int i = 0; i < 5; ++i) {
        g.setPen(Qt::NoPen);
        g.setBrush(tiles[i]);
        g.drawRoundedRect(QRectF(40 + i * 78, 160, 62, 62), 8, 8);
    }
    QFont f(QStringLiteral("DejaVu Sans"), 40, QFont::Bold);
    g.setFont(f);
    g.setPen(Qt::white);
    g.drawText(QRect(0, 30, p.width(), 90), Qt::AlignCenter, QStringLiteral("Tessary"));
    return p;
}
} // namespace

TIntro::TIntro(QWidget *parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setObjectName(QStringLiteral("Intro"));
    setFixedSize(492, 355);
    auto *layout = new QVBoxLayout(this);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture"));
    picture->setPixmap(introPicture());
    picture->setAlignment(Qt::AlignCenter);
    m_version = new QLabel(this);
    m_version->setObjectName(QStringLiteral("Version"));
    m_version->setAlignment(Qt::AlignCenter);
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(picture);
    layout->addWidget(m_version);
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
    retranslateUi();
    if (parent) {
        const QRect r = parent->window()->geometry();
        move(r.center() - rect().center());
    }
}

QString TIntro::versionText()
{
    const QStringList parts = QStringLiteral(TESSARY_VERSION).split(QLatin1Char('.'));
    if (parts.first().isEmpty())
        return tr("Version ");
    QStringList three;
    for (int i = 0; i < 3; ++i)
        three << (i < parts.size() ? parts.at(i) : QStringLiteral("0"));
    return tr("Version ") + three.join(QLatin1Char('.'));
}

void TIntro::retranslateUi()
{
    setWindowTitle(tr("About Tessary"));
    m_version->setText(versionText());
    m_ok->setText(tr("OK"));
}

void TIntro::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}
