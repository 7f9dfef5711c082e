#pragma once

#include <QtGlobal>
#include <cstdlib>

// The random numbers of the layout: the random start spot, the initial
// direction of every spiral and the alternating sense. The engine reseeds
// through Randomize where the layout says "reseed from the clock"; a fixed
// generator may ignore that so that tests see one known sequence.
class TzqRandom
{
public:
    virtual ~TzqRandom() = default;
    // Reseeds the generator (from the clock for the program's generator).
    virtual void Randomize() = 0;
    // An integer in [0, n); 0 when n <= 0.
    virtual int Random(int n) = 0;
    // Random(|b - a|) + min(a, b).
    int RandomRange(int a, int b) { return Random(std::abs(b - a)) + qMin(a, b); }
};
