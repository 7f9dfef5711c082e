#include "platform/imaging/MedianCut.h"

#include <algorithm>
#include <array>
#include <climits>

namespace {

constexpr int Bits = 5;
constexpr int Side = 1 << Bits;
constexpr int Cells = Side * Side * Side;

int cellOf(int r, int g, int b)
{
    return ((r >> (8 - Bits)) << (2 * Bits)) | ((g >> (8 - Bits)) << Bits) | (b >> (8 - Bits));
}

struct Histogram
{
    std::vector<quint32> count = std::vector<quint32>(Cells, 0);
    std::vector<std::array<quint64, 3>> sum = std::vector<std::array<quint64, 3>>(Cells);
};

// A box of histogram cells: inclusive bounds per channel (in cell units).
struct Box
{
    int lo[3];
    int hi[3];
    quint64 population = 0;
    bool splittable = true;
};

void shrink(Box &box, const Histogram &h)
{
    int lo[3] = {Side, Side, Side};
    int hi[3] = {-1, -1, -1};
    quint64 pop = 0;
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
        for (int g = box.lo[1]; g <= box.hi[1]; ++g)
            for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
                const quint32 n = h.count[(r << (2 * Bits)) | (g << Bits) | b];
                if (!n)
                    continue;
                pop += n;
                lo[0] = std::min(lo[0], r), hi[0] = std::max(hi[0], r);
                lo[1] = std::min(lo[1], g), hi[1] = std::max(hi[1], g);
                lo[2] = std::min(lo[2], b), hi[2] = std::max(hi[2], b);
            }
    box.population = pop;
    if (pop) {
        std::copy(lo, lo + 3, box.lo);
        std::copy(hi, hi + 3, box.hi);
    }
    box.splittable =
        pop > 1 && (box.hi[0] > box.lo[0] || box.hi[1] > box.lo[1] || box.hi[2] > box.lo[2]);
}

// Splits box at the population median of its longest side; false when it cannot.
bool split(Box &box, Box &other, const Histogram &h)
{
    int axis = 0;
    for (int a = 1; a < 3; ++a)
        if (box.hi[a] - box.lo[a] > box.hi[axis] - box.lo[axis])
            axis = a;
    if (box.hi[axis] == box.lo[axis])
        return false;
    // Population of each slice along the axis.
    std::vector<quint64> slice(Side, 0);
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
        for (int g = box.lo[1]; g <= box.hi[1]; ++g)
            for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
                const int v[3] = {r, g, b};
                slice[v[axis]] += h.count[(r << (2 * Bits)) | (g << Bits) | b];
            }
    quint64 acc = 0;
    int cut = box.lo[axis];
    for (int i = box.lo[axis]; i < box.hi[axis]; ++i) {
        acc += slice[i];
        cut = i;
        if (acc * 2 >= box.population)
            break;
    }
    other = box;
    box.hi[axis] = cut;
    other.lo[axis] = cut + 1;
    return true;
}

} // namespace

void MedianCut::quantize(const QImage &picture, int maxColours, std::vector<uchar> &indices,
                         QVector<QRgb> &palette)
{
    const int w = picture.width();
    const int h = picture.height();
    maxColours = std::clamp(maxColours, 1, 256);
    Histogram hist;
    for (int y = 0; y < h; ++y) {
        const uchar *p = picture.constScanLine(y);
        for (int x = 0; x < w; ++x, p += 3) {
            const int c = cellOf(p[0], p[1], p[2]);
            ++hist.count[c];
            hist.sum[c][0] += p[0];
            hist.sum[c][1] += p[1];
            hist.sum[c][2] += p[2];
        }
    }

    std::vector<Box> boxes(1, Box{{0, 0, 0}, {Side - 1, Side - 1, Side - 1}});
    shrink(boxes[0], hist);
    while (int(boxes.size()) < maxColours) {
        // The splittable box with the most pixels times its longest side.
        int best = -1;
        quint64 bestScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            const Box &b = boxes[i];
            if (!b.splittable)
                continue;
            const int side = std::max({b.hi[0] - b.lo[0], b.hi[1] - b.lo[1], b.hi[2] - b.lo[2]});
            const quint64 score = b.population * quint64(side + 1);
            if (score > bestScore) {
                bestScore = score;
                best = i;
            }
        }
        if (best < 0)
            break;
        Box other;
        if (!split(boxes[best], other, hist)) {
            boxes[best].splittable = false;
            continue;
        }
        shrink(boxes[best], hist);
        shrink(other, hist);
        if (other.population)
            boxes.push_back(other);
    }

    palette.clear();
    for (const Box &b : boxes) {
        quint64 s[3] = {0, 0, 0};
        quint64 n = 0;
        for (int r = b.lo[0]; r <= b.hi[0]; ++r)
            for (int g = b.lo[1]; g <= b.hi[1]; ++g)
                for (int bl = b.lo[2]; bl <= b.hi[2]; ++bl) {
                    const int c = (r << (2 * Bits)) | (g << Bits) | bl;
                    n += hist.count[c];
                    s[0] += hist.sum[c][0];
                    s[1] += hist.sum[c][1];
                    s[2] += hist.sum[c][2];
                }
        if (n)
            palette << qRgb(int((s[0] + n / 2) / n), int((s[1] + n / 2) / n),
                            int((s[2] + n / 2) / n));
    }
    if (palette.isEmpty())
        palette << qRgb(0, 0, 0);

    // Each occupied cell maps to the palette colour nearest its own mean.
    std::vector<uchar> map(Cells, 0);
    for (int c = 0; c < Cells; ++c) {
        const quint32 n = hist.count[c];
        if (!n)
            continue;
        const int r = int(hist.sum[c][0] / n);
        const int g = int(hist.sum[c][1] / n);
        const int b = int(hist.sum[c][2] / n);
        int best = 0;
        int bestDist = INT_MAX;
        for (int i = 0; i < palette.size(); ++i) {
            const int dr = qRed(palette[i]) - r;
            const int dg = qGreen(palette[i]) - g;
            const int db = qBlue(palette[i]) - b;
            const int d = dr * dr + dg * dg + db * db;
            if (d < bestDist) {
                bestDist = d;
                best = i;
            }
        }
        map[c] = uchar(best);
    }
    indices.resize(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const uchar *p = picture.constScanLine(y);
        uchar *out = indices.data() + size_t(y) * w;
        for (int x = 0; x < w; ++x, p += 3)
            out[x] = map[cellOf(p[0], p[1], p[2])];
    }
}
