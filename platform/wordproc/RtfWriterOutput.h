#pragma once

#include <QByteArray>

#include <algorithm>
#include <cmath>

// Small output helpers shared by the source files of RtfWriter.
namespace RtfOutput {

// Pixels (at 96 per inch) as twips, clamped to what RTF readers accept.
inline int twips(double pixels)
{
    return int(std::lround(std::clamp(pixels, -2112.0, 2112.0) * 15.0));
}

// Appends a control word with its numeric parameter, e.g. "\fs24".
inline void appendNumber(QByteArray &out, const char *word, long long value)
{
    out += '\\';
    out += word;
    out += QByteArray::number(value);
}

} // namespace RtfOutput
