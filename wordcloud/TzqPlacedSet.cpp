#include "wordcloud/TzqPlacedSet.h"

#include "wordcloud/TzqWord.h"

#include <QtAlgorithms>

void TzqPlacedSet::Reset(const TzqRect &area)
{
    m_words.clear();
    m_area = area;
    m_exact = area.Right >= area.Left && area.Bottom >= area.Top;
    m_cols = m_exact ? area.Right - area.Left + 1 : 0;
    m_rows = m_exact ? area.Bottom - area.Top + 1 : 0;
    m_stride = (m_cols + 63) / 64;
    m_bits.assign(size_t(m_stride) * size_t(m_rows), 0);
    const size_t cells = size_t(m_cols) * size_t(m_rows);
    if (cells > m_idCapacity) {
        m_ids.reset(new int[cells]);
        m_idCapacity = cells;
    }
}

void TzqPlacedSet::Add(TzqWord *word)
{
    const int id = m_words.size();
    m_words.append(word);
    const TzqRect &b = word->Bounds();
    if (!m_exact)
        return;
    if (b.Left > b.Right || b.Top > b.Bottom || b.Left < m_area.Left || b.Right > m_area.Right ||
        b.Top < m_area.Top || b.Bottom > m_area.Bottom) {
        m_exact = false;
        return;
    }
    const int x0 = b.Left - m_area.Left;
    const int x1 = b.Right - m_area.Left;
    for (int y = b.Top - m_area.Top; y <= b.Bottom - m_area.Top; ++y) {
        quint64 *row = &m_bits[size_t(y) * size_t(m_stride)];
        int *ids = &m_ids[size_t(y) * size_t(m_cols)];
        for (int x = x0; x <= x1; ++x) {
            row[x >> 6] |= quint64(1) << (x & 63);
            ids[x] = id;
        }
    }
}

TzqWord *TzqPlacedSet::FindTouching(const TzqRect &r) const
{
    const int left = qMax(r.Left, m_area.Left);
    const int right = qMin(r.Right, m_area.Right);
    const int top = qMax(r.Top, m_area.Top);
    const int bottom = qMin(r.Bottom, m_area.Bottom);
    if (left > right || top > bottom || m_words.isEmpty())
        return nullptr;
    const int x0 = left - m_area.Left;
    const int x1 = right - m_area.Left;
    const int w0 = x0 >> 6;
    const int w1 = x1 >> 6;
    const quint64 firstMask = ~quint64(0) << (x0 & 63);
    const quint64 lastMask = ~quint64(0) >> (63 - (x1 & 63));
    for (int y = top - m_area.Top; y <= bottom - m_area.Top; ++y) {
        const quint64 *row = &m_bits[size_t(y) * size_t(m_stride)];
        for (int w = w0; w <= w1; ++w) {
            quint64 bits = row[w];
            if (w == w0)
                bits &= firstMask;
            if (w == w1)
                bits &= lastMask;
            if (bits) {
                const int x = w * 64 + int(qCountTrailingZeroBits(bits));
                return m_words.at(m_ids[size_t(y) * size_t(m_cols) + size_t(x)]);
            }
        }
    }
    return nullptr;
}
