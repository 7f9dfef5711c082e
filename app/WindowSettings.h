#pragma once

#include <QRect>
#include <QString>

// The main window's placement as kept in the program's settings file.
struct WindowPlacement
{
    int state = 0; // 0 normal, 1 minimised, 2 maximised (written, not applied at start)
    int left = 0;
    int top = 0;
    int width = 1096;
    int height = 603;
    int commentHeight = 30;
    int treeWidth = 250;
};

// Reads and writes the placement in sections "MAIN" and "TessaryM". The key
// "LEFT" holds both the window's left edge and the tree width, as "left,width";
// a file with only the left edge gives the default tree width.
namespace WindowSettings {
WindowPlacement read(const QString &settingsPath, const QRect &current);
void write(const QString &settingsPath, const WindowPlacement &p);
} // namespace WindowSettings
