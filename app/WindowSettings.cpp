#include "app/WindowSettings.h"

#include "platform/ini/IniFile.h"

namespace WindowSettings {

WindowPlacement read(const QString &settingsPath, const QRect &current)
{
    const IniFile ini(settingsPath);
    const QString main = QStringLiteral("MAIN");
    WindowPlacement p;
    p.width = ini.readInteger(main, QStringLiteral("WIDTH"), current.width());
    p.height = ini.readInteger(main, QStringLiteral("HEIGHT"), current.height());
    p.top = qMax(0, ini.readInteger(main, QStringLiteral("TOP"), current.top()));
    const QStringList left =
        ini.readString(main, QStringLiteral("LEFT")).split(QLatin1Char(','), Qt::SkipEmptyParts);
    bool ok = false;
    const int l = left.value(0).trimmed().toInt(&ok);
    p.left = qMax(0, ok ? l : current.left());
    const int w = left.value(1).trimmed().toInt(&ok);
    p.treeWidth = ok ? (w == 0 ? 100 : w) : 250;
    const int comment = ini.readInteger(main, QStringLiteral("COMMENT"), 30);
    p.commentHeight = comment == 0 ? 1 : comment;
    if (p.width <= 0 || p.height <= 0) {
        p.width = current.width();
        p.height = current.height();
    }
    return p;
}

void write(const QString &settingsPath, const WindowPlacement &p)
{
    IniFile ini(settingsPath);
    const QString main = QStringLiteral("MAIN");
    ini.writeInteger(QStringLiteral("TessaryM"), QStringLiteral("STATE"), p.state);
    ini.writeInteger(main, QStringLiteral("TOP"), p.top);
    ini.writeString(main, QStringLiteral("LEFT"),
                    QStringLiteral("%1,%2").arg(p.left).arg(p.treeWidth));
    ini.writeInteger(main, QStringLiteral("WIDTH"), p.width);
    ini.writeInteger(main, QStringLiteral("HEIGHT"), p.height);
    ini.writeInteger(main, QStringLiteral("COMMENT"), p.commentHeight);
    ini.updateFile();
}

} // namespace WindowSettings
