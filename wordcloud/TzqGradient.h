#pragma once

#include "wordcloud/TzqTypes.h"

#include <array>

// Two- or three-colour gradient by weight. BuildTable fills a table of 100
// colours (indexed 1 to 100) from the start colour through the optional middle
// colour to the end colour.
class TzqGradient
{
public:
    TColor EndColor = clBlack;
    TColor MiddleColor = clNone;
    TColor StartColor = clGray;

    void Assign(const TzqGradient &source);
    void BuildTable();
    // Entry i of the table, 1 <= i <= 100; out-of-range indices are clamped.
    TColor Entry(int i) const;

    // Mix of c0 and c1 with p percent of c1, channel by channel.
    static TColor Blend(TColor c0, TColor c1, int p);

    bool operator==(const TzqGradient &o) const
    {
        return EndColor == o.EndColor && MiddleColor == o.MiddleColor && StartColor == o.StartColor;
    }

private:
    std::array<TColor, 101> m_table{};
};
