#pragma once

#include "wordcloud/TzqRandom.h"

#include <random>

// Mersenne-twister generator. Made without a seed it is the program's
// generator and Randomize reseeds it from the clock; made with a seed it
// yields one fixed sequence and Randomize leaves it alone.
class TzqMtRandom : public TzqRandom
{
public:
    TzqMtRandom();
    explicit TzqMtRandom(quint32 seed);

    void Randomize() override;
    int Random(int n) override;
    bool IsFixed() const { return m_fixed; }

private:
    std::mt19937 m_engine;
    bool m_fixed;
};
