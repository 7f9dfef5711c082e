#pragma once

#include "wordcloud/TzqRect.h"

#include <QVector>
#include <memory>
#include <vector>

class TzqWord;

// The words placed so far in a layout, with an occupancy bitmap of their
// boxes. Boxes are closed (edges included), so a candidate box collides with
// a placed box exactly when the two share an integer point; the bitmap marks
// every such point and answers "does this box touch a placed box?" by testing
// 64 columns of a row at a time. An id map beside it tells which word owns a
// marked point.
class TzqPlacedSet
{
public:
    // Starts an empty set whose bitmap covers the closed rectangle area.
    void Reset(const TzqRect &area);
    void Add(TzqWord *word);
    const QVector<TzqWord *> &Words() const { return m_words; }
    int Count() const { return m_words.size(); }

    // False once a box could not be recorded exactly (outside the covered area
    // or with a negative width or height); the bitmap must not be used then.
    bool Exact() const { return m_exact; }
    // A placed word whose box shares a point with the closed box r, or nullptr.
    TzqWord *FindTouching(const TzqRect &r) const;

private:
    QVector<TzqWord *> m_words;
    TzqRect m_area;
    int m_cols = 0;
    int m_rows = 0;
    int m_stride = 0; // 64-bit words per row
    std::vector<quint64> m_bits;
    // Read only where a bit is set, so it is never cleared; kept across
    // layouts of the same size.
    std::unique_ptr<int[]> m_ids;
    size_t m_idCapacity = 0;
    bool m_exact = true;
};
