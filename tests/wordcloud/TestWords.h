#pragma once

#include "wordcloud/TzqCloudEngine.h"
#include "wordcloud/TzqRandom.h"
#include "wordcloud/TzqWord.h"

#include <QQueue>
#include <QString>
#include <random>

// A generator for tests: answers Random(n) from a queue of values first
// (each taken modulo n), then from a fixed-seed sequence; Randomize does
// nothing, so a layout always sees the same numbers. Every call is counted.
class ScriptedRandom : public TzqRandom
{
public:
    explicit ScriptedRandom(quint32 seed = 1) : m_engine(seed) {}
    void queue(std::initializer_list<int> values)
    {
        for (int v : values)
            m_queue.enqueue(v);
    }
    void Randomize() override { ++randomizeCalls; }
    int Random(int n) override
    {
        ++randomCalls;
        if (n <= 0)
            return 0;
        if (!m_queue.isEmpty())
            return m_queue.dequeue() % n;
        return int((quint64(m_engine()) * quint64(n)) >> 32);
    }
    int randomCalls = 0;
    int randomizeCalls = 0;

private:
    QQueue<int> m_queue;
    std::mt19937 m_engine;
};

namespace TestWords {

// Pseudo-words of 3 to 10 letters with Zipf weights (maxWeight / rank).
inline void addZipfWords(TzqCloudEngine &cloud, int count, quint32 seed, int maxWeight = 1000)
{
    std::mt19937 gen(seed);
    for (int i = 1; i <= count; ++i) {
        const int len = 3 + int(gen() % 8);
        QString text;
        for (int j = 0; j < len; ++j)
            text += QChar(QLatin1Char(char('a' + gen() % 26)));
        cloud.AddWord(text, qMax(1, int(maxWeight / double(i) + 0.5)));
    }
}

} // namespace TestWords
