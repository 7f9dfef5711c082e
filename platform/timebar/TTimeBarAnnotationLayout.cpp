#include "platform/timebar/TTimeBarAnnotationLayout.h"

#include <limits>

QVector<int> TTimeBarAnnotationLayout::Place(const QVector<Item> &items, int capacity, double gap)
{
    QVector<int> levels(items.size(), -1);
    if (capacity <= 0)
        return levels;
    // The boxes shown so far, from right to left: the last one is the leftmost.
    struct Placed
    {
        double x;
        int level;
    };
    QVector<Placed> placed;
    placed.reserve(items.size());
    // Per level, where its leftmost box so far starts.
    QVector<double> levelLeft(capacity, std::numeric_limits<double>::infinity());
    for (int i = int(items.size()) - 1; i >= 0; --i) {
        const double x = items[i].x;
        const double reach = x + items[i].width + gap;
        int level = 0;
        // Placed boxes start at x or to its right; those starting before reach
        // lie under the new box or its gap. A box further right may still be
        // taller than any box nearer, so all within reach are looked at.
        for (int k = int(placed.size()) - 1; k >= 0 && placed[k].x < reach; --k)
            level = qMax(level, placed[k].level + 1);
        if (level >= capacity) {
            // Above the skyline there is no room: take the lowest level where
            // the box itself fits, even though connectors of boxes further
            // right then pass behind it.
            level = -1;
            for (int l = 0; l < capacity; ++l)
                if (reach <= levelLeft[l]) {
                    level = l;
                    break;
                }
            if (level < 0)
                continue;
        }
        levels[i] = level;
        levelLeft[level] = x;
        placed.append({x, level});
    }
    return levels;
}
