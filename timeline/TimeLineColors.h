#pragma once

#include <QString>
#include <QtGlobal>

// Colours in the timeline text: a colour's identifier ("clWhite", "clSilver")
// when it has one, else "$" and eight hexadecimal digits of the 0x00BBGGRR
// value. On reading, a colour is an identifier (any letter case) or an integer:
// decimal, or hexadecimal after "$" or "0x".
class TimeLineColors
{
public:
    static QString ColorToName(quint32 bgr);
    // False when text is neither an identifier nor an integer.
    static bool NameToColor(const QString &text, quint32 *bgr);
};
