#pragma once

#include <QColor>
#include <QtGlobal>

// Colours as stored values: 32-bit 0x00BBGGRR with red in the low byte;
// 0x1FFFFFFF stands for "no colour" (an invalid QColor).
namespace BgrColor {

constexpr quint32 None = 0x1FFFFFFF;

inline QColor toColor(quint32 bgr)
{
    if (bgr == None)
        return QColor();
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline quint32 fromColor(const QColor &c)
{
    if (!c.isValid())
        return None;
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

} // namespace BgrColor
