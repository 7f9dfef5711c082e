#include "app/KindIcons.h"

#include "store/PageKind.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace KindIcons {

namespace {
QIcon tile(const QColor &colour, const QString &letter)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(colour.darker(150));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2.5, 2.5);
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, letter);
    return QIcon(pm);
}
} // namespace

const QHash<int, QIcon> &all()
{
    static const QHash<int, QIcon> icons = [] {
        using namespace PageKind;
        QHash<int, QIcon> h;
        const QColor doc(0x2F, 0x6F, 0xB8);
        h.insert(Document, tile(doc, QStringLiteral("D")));
        h.insert(HostDocument5, tile(doc.darker(120), QStringLiteral("R")));
        h.insert(HostDocument6, tile(doc.darker(120), QStringLiteral("S")));
        h.insert(HostDocument7, tile(doc.darker(120), QStringLiteral("N")));
        h.insert(Table, tile(QColor(0x2E, 0x8B, 0x57), QStringLiteral("T")));
        h.insert(Chart, tile(QColor(0xD2, 0x69, 0x1E), QStringLiteral("C")));
        h.insert(Picture, tile(QColor(0x8E, 0x44, 0xAD), QStringLiteral("P")));
        h.insert(NoEditor4, tile(Qt::gray, QStringLiteral("?")));
        h.insert(NoEditor9, tile(Qt::gray, QStringLiteral("?")));
        h.insert(Timeline, tile(QColor(0x16, 0xA0, 0x85), QStringLiteral("L")));
        h.insert(Diagram, tile(QColor(0xC0, 0x39, 0x2B), QStringLiteral("G")));
        h.insert(WordCloud, tile(QColor(0x34, 0x49, 0x5E), QStringLiteral("W")));
        h.insert(Root, QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon));
        h.insert(Folder, QApplication::style()->standardIcon(QStyle::SP_DirIcon));
        return h;
    }();
    return icons;
}

} // namespace KindIcons
