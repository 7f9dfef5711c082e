#pragma once

#include <QColor>
#include <QVector>
#include <QtGlobal>

// Enumerations and colour values shared by the word-cloud engine, its widget
// and its document. The ordinals are stored in documents and must not change.

enum TzqWordDirection
{
    wdAlternate = 0,
    wdClockWise = 1,
    wdAntiClockWise = 2
};

enum TzqCloudShape
{
    csRectangle = 0,
    csEllipse = 1
};

enum TzqColorPalette
{
    cpExcel = 0,
    cpVictorian,
    cpPastels,
    cpSolid,
    cpClassic,
    cpWeb,
    cpModern,
    cpRainbow,
    cpWindowsXP,
    cpMacOS,
    cpWindowsVista,
    cpGrayScale,
    cpOpera,
    cpWarm,
    cpCool,
    cpOnBlack,
    cpMetro,
    cpiOS,
    cpAndroid,
    cpLookout,
    cpSeawash
};
constexpr int TzqPaletteCount = cpSeawash + 1;

// A colour as stored by the host: 0x00BBGGRR, red in the low byte.
using TColor = quint32;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clGray = 0x808080;

using TzqArrayOfColor = QVector<TColor>;

inline int TzqRed(TColor c)
{
    return int(c & 0xFF);
}
inline int TzqGreen(TColor c)
{
    return int((c >> 8) & 0xFF);
}
inline int TzqBlue(TColor c)
{
    return int((c >> 16) & 0xFF);
}

inline TColor TzqRgb(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}

// ARGB value used inside 32-bit rasters: opaque, except "no colour" which is
// fully transparent.
inline QRgb TzqColorToArgb(TColor c)
{
    if (c == clNone)
        return 0x00000000u;
    return qRgba(TzqRed(c), TzqGreen(c), TzqBlue(c), 255);
}

inline QColor TzqColorToQColor(TColor c)
{
    return QColor::fromRgba(TzqColorToArgb(c));
}

inline TColor TzqColorFromQColor(const QColor &c)
{
    if (!c.isValid() || c.alpha() == 0)
        return clNone;
    return TzqRgb(c.red(), c.green(), c.blue());
}
