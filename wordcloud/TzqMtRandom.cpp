#include "wordcloud/TzqMtRandom.h"

#include <chrono>

TzqMtRandom::TzqMtRandom() : m_fixed(false)
{
    Randomize();
}

TzqMtRandom::TzqMtRandom(quint32 seed) : m_engine(seed), m_fixed(true) {}

void TzqMtRandom::Randomize()
{
    if (m_fixed)
        return;
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(quint32(quint64(ticks) ^ (quint64(ticks) >> 32)));
}

int TzqMtRandom::Random(int n)
{
    if (n <= 0)
        return 0;
    // Multiply-shift keeps the sequence the same on every standard library.
    return int((quint64(m_engine()) * quint64(n)) >> 32);
}
