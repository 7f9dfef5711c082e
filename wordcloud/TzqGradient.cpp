#include "wordcloud/TzqGradient.h"

#include "wordcloud/TzqMath.h"

void TzqGradient::Assign(const TzqGradient &source)
{
    EndColor = source.EndColor;
    MiddleColor = source.MiddleColor;
    StartColor = source.StartColor;
}

TColor TzqGradient::Blend(TColor c0, TColor c1, int p)
{
    auto mix = [p](int a, int b) {
        return int(TzqMath::Round(double(b * p + (100 - p) * a) / 100.0));
    };
    return TzqRgb(mix(TzqRed(c0), TzqRed(c1)), mix(TzqGreen(c0), TzqGreen(c1)),
                  mix(TzqBlue(c0), TzqBlue(c1)));
}

void TzqGradient::BuildTable()
{
    for (int i = 1; i <= 100; ++i) {
        if (MiddleColor == clNone)
            m_table[i] = Blend(StartColor, EndColor, i);
        else if (i <= 50)
            m_table[i] = Blend(StartColor, MiddleColor, 2 * i);
        else
            m_table[i] = Blend(MiddleColor, EndColor, 2 * (i - 50));
    }
}

TColor TzqGradient::Entry(int i) const
{
    return m_table[qBound(1, i, 100)];
}
