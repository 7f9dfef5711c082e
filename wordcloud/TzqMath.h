#pragma once

#include <QtGlobal>
#include <cmath>

// The layout's own number rules. They are not those of qRound: Round takes
// the integer part and adds one when the fraction is at least one half, so
// positive halves go up and negative values are simply truncated.
namespace TzqMath {

inline qint64 Round(double x)
{
    const double t = std::trunc(x);
    return qint64(t) + ((x - t) >= 0.5 ? 1 : 0);
}

inline qint64 Ceil(double x)
{
    return qint64(std::ceil(x));
}

inline qint64 Trunc(double x)
{
    return qint64(std::trunc(x));
}

// Nearest integer with halves to the even neighbour; used for the shadow
// offset only.
inline qint64 RoundHalfEven(double x)
{
    const double f = std::floor(x);
    const double diff = x - f;
    if (diff > 0.5)
        return qint64(f) + 1;
    if (diff < 0.5)
        return qint64(f);
    const qint64 fi = qint64(f);
    return (fi % 2 == 0) ? fi : fi + 1;
}

} // namespace TzqMath
